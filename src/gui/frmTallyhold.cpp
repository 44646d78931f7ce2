#include "frmTallyhold.h"

#include "languages/Languages.h"

#include "ListFill.h"
#include "gui/ClansTab.h"
#include "gui/ControlNames.h"
#include "gui/ExchangeTab.h"
#include "gui/MatchesTab.h"
#include "gui/MemberFormTab.h"
#include "gui/MembersInfoTab.h"
#include "gui/Messages.h"
#include "gui/SchedulingTab.h"
#include "gui/frmOptions.h"
#include "gui/frmTZEdit.h"
#include "roster/Roster.h"
#include "roster/RosterLocation.h"
#include "store/RosterError.h"
#include "store/RosterServer.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// A list fill that fails leaves the list as it was and reports the driver's words.
template<class Fill> void reportFailure(QWidget* parent, Fill fill)
{
    try {
        fill();
    } catch (const RosterError& error) {
        Messages::error(parent, error);
    }
}

} // namespace

frmTallyhold::frmTallyhold(Roster& roster, QWidget* parent)
    : QMainWindow(parent)
    , m_roster(roster)
{
    setObjectName(QStringLiteral("frmTallyhold"));
    // A roster elsewhere than here (the user's data directory, --roster, a server) is named in the title.
    setWindowTitle(RosterServer::isAddress(m_roster.path())
                       ? QStringLiteral("Tallyhold \u2014 %1").arg(RosterServer::shownName(m_roster.path()))
                       : RosterLocation::inWorkingDirectory(m_roster.path())
                       ? QStringLiteral("Tallyhold")
                       : QStringLiteral("Tallyhold - %1").arg(QDir::toNativeSeparators(m_roster.path())));

    TabClan = new QTabWidget;
    TabClan->setObjectName(QStringLiteral("TabClan"));
    TabClan->setAccessibleName(tr("Tallyhold tabs"));
    pbar1 = new QProgressBar;
    m_membersInfo = new MembersInfoTab(m_roster);
    m_memberForm = new MemberFormTab(m_roster);
    m_clans = new ClansTab(m_roster);
    m_scheduling = new SchedulingTab(m_roster, *pbar1);
    m_matches = new MatchesTab(m_roster);
    m_exchange = new ExchangeTab(m_roster, *pbar1);
    TabClan->addTab(m_membersInfo, tr("Members Info"));
    TabClan->addTab(m_memberForm, tr("Add / Edit Members"));
    TabClan->addTab(m_clans, tr("Clans / Divisions"));
    TabClan->addTab(m_scheduling, tr("Scheduling"));
    TabClan->addTab(m_matches, tr("Matches"));
    TabClan->addTab(m_exchange, tr("Export / Import"));

    pbar1->setObjectName(QStringLiteral("pbar1"));
    pbar1->setAccessibleName(tr("Progress"));
    pbar1->setRange(0, 100);
    pbar1->hide();

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(TabClan, 1);
    layout->addWidget(pbar1);
    setCentralWidget(central);
    createMenus();

    // "Active" and "Cancel" of the member form come after the controls of every other tab.
    QList<QWidget*> order {TabClan->tabBar()};
    order << m_membersInfo->keyboardOrder() << m_memberForm->keyboardOrder() << m_clans->keyboardOrder()
          << m_scheduling->keyboardOrder() << m_matches->keyboardOrder() << m_exchange->keyboardOrder()
          << m_memberForm->chkActive << m_memberForm->cmdCancel;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    // With its frame and title bar, still on a 1024 x 768 screen.
    resize(1000, 700);
    setMinimumSize(800, 560);

    LoadDivisionLists();
    // The Options dialog shows the preferences as they are before its zone list has entries.
    m_options = new frmOptions(m_roster, this);
    LoadTimeZoneLists();
    LoadMemberLists();
    TabClan->setCurrentIndex(MembersInfo);
    TabClan->setFocus();
    connect(TabClan, &QTabWidget::currentChanged, this, &frmTallyhold::TabClan_Click);

    connect(&m_roster, &Roster::membersChanged, this, &frmTallyhold::LoadMemberLists);
    connect(&m_roster, &Roster::divisionsChanged, this, [this] {
        LoadDivisionLists();
        // New divisions can be exported at once.
        LoadExportDivisionList();
    });
    connect(&m_roster, &Roster::zonesChanged, this, [this] {
        LoadTimeZoneLists();
        if (m_tzEdit)
            m_tzEdit->LoadTZEdit();
    });
    connect(m_membersInfo, &MembersInfoTab::editRequested, this, [this](const RecordKey& member) {
        m_memberForm->LoadMemberForEdit(member);
        TabClan->setCurrentIndex(AddEditMembers);
    });
    connect(m_scheduling, &SchedulingTab::matchPlanned, this, [this](const RecordKey& match) {
        TabClan->setCurrentIndex(Matches);
        m_matches->selectMatch(match);
    });
    connect(m_memberForm, &MemberFormTab::cancelled, this, [this] { TabClan->setCurrentIndex(MembersInfo); });
}

void frmTallyhold::createMenus()
{
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuOpenShared
        = mnuFile->addAction(tr("Open &Shared Roster\u2026"), this, &frmTallyhold::mnuOpenShared_Click);
    mnuOpenShared->setObjectName(QStringLiteral("mnuOpenShared"));
    mnuExit = mnuFile->addAction(tr("E&xit"), this, &frmTallyhold::mnuExit_Click);
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    mnuView = menuBar()->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuRefresh = mnuView->addAction(tr("&Refresh"), &m_roster, &Roster::refresh);
    mnuRefresh->setObjectName(QStringLiteral("mnuRefresh"));
    mnuRefresh->setShortcut(Qt::Key_F5);

    mnuTools = menuBar()->addMenu(tr("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuEditTZ = mnuTools->addAction(tr("Time &Zone Edits"), this, &frmTallyhold::mnuEditTZ_Click);
    mnuEditTZ->setObjectName(QStringLiteral("mnuEditTZ"));
    mnuOptions = mnuTools->addAction(tr("&Options"), this, &frmTallyhold::mnuOptions_Click);
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));

    mnuHelpMenu = menuBar()->addMenu(tr("&Help"));
    mnuHelpMenu->setObjectName(QStringLiteral("mnuHelpMenu"));
    mnuHelp = mnuHelpMenu->addAction(tr("Tallyhold &Help"), this, &frmTallyhold::mnuHelp_Click);
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->setShortcut(QKeySequence::HelpContents);
    mnuAbout = mnuHelpMenu->addAction(tr("&About Tallyhold"), this, &frmTallyhold::mnuAbout_Click);
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

frmTZEdit* frmTallyhold::tzEdit()
{
    if (!m_tzEdit)
        m_tzEdit = new frmTZEdit(m_roster, this);
    return m_tzEdit;
}

void frmTallyhold::LoadDivisionLists()
{
    reportFailure(this, [this] {
        const QList<RosterListEntry> divisions = m_roster.divisionList();
        fillList(m_clans->lstDivision, divisions);
        fillCombo(m_memberForm->cmbDiv, divisions);
    });
    showHints();
}

void frmTallyhold::showHints()
{
    const bool noClans = m_clans->lstDivision->count() == 0;
    const bool noMembers = m_membersInfo->lstMembers->count() == 0;
    const QString firstRun
        = tr("No clans yet: add one on Clans / Divisions, then add members on Add / Edit Members. Your own "
             "time zone, in which times are shown, is set in Tools › Options.");
    const QString membersFirst = noClans ? firstRun
        : noMembers ? tr("No members listed yet: add them on Add / Edit Members (members of hidden clans are "
                         "not listed)")
                    : QString();
    showHint(m_membersInfo->lblMembersHint, membersFirst);
    showHint(m_clans->lblClansHint, noClans ? firstRun : QString());
    showHint(m_scheduling->lblSchedulesHint,
             membersFirst.isEmpty() ? QString() : tr("Nobody to choose from. %1").arg(membersFirst));
    showHint(m_exchange->lblExportHint,
             noClans ? tr("No clans to export yet: add one on Clans / Divisions") : QString());
}

void frmTallyhold::LoadTimeZoneLists()
{
    reportFailure(this, [this] {
        const QList<RosterListEntry> zones = m_roster.zoneList();
        fillCombo(m_memberForm->cmbTZ, zones);
        fillCombo(m_options->cmbTZ, zones);
    });
}

void frmTallyhold::LoadMemberLists()
{
    reportFailure(this, [this] {
        const QList<RosterListEntry> members = m_roster.memberList();
        fillList(m_membersInfo->lstMembers, members);
        fillList(m_scheduling->lstSchedules, members);
    });
    // The member shown may be the one another writer changed.
    if (!m_membersInfo->lstMembers->selectedItems().isEmpty())
        m_membersInfo->ShowMemberInfo();
    showHints();
}

void frmTallyhold::LoadExportDivisionList()
{
    reportFailure(this, [this] { fillList(m_exchange->lstExportDiv, m_roster.divisionList()); });
}

void frmTallyhold::mnuOpenShared_Click()
{
    const QString address
        = Messages::askText(this, tr("Open Shared Roster"),
                            tr("Address of the shared roster (postgresql://user@host[:port]/dbname).\n"
                               "The password comes from ~/.pgpass or PGPASSWORD, or is asked for."),
                            LoadLastSharedRoster())
              .trimmed();
    if (address.isEmpty())
        return;
    if (!RosterServer::isAddress(address)) {
        Messages::show(this, tr("Open Shared Roster"),
                       tr("A shared roster's address starts with postgresql://"),
                       Messages::Icon::Exclamation);
        return;
    }
    emit rosterChosen(address);
}

void frmTallyhold::mnuExit_Click()
{
    QCoreApplication::quit();
}

void frmTallyhold::mnuEditTZ_Click()
{
    tzEdit()->exec();
}

void frmTallyhold::mnuOptions_Click()
{
    m_options->exec();
}

void frmTallyhold::mnuHelp_Click()
{
    // Beside the program in a build tree, in share/doc/tallyhold once installed; whatever
    // directory the program was started from.
    const QDir program(QCoreApplication::applicationDirPath());
    const QString besideProgram = program.filePath(QStringLiteral("Help/MainHelp.htm"));
    const QString installed
        = QDir::cleanPath(program.filePath(QStringLiteral("../share/doc/tallyhold/MainHelp.htm")));
    const bool useInstalled = !QFileInfo::exists(besideProgram) && QFileInfo::exists(installed);
    QDesktopServices::openUrl(QUrl::fromLocalFile(useInstalled ? installed : besideProgram));
}

void frmTallyhold::mnuAbout_Click()
{
    Messages::show(
        this, tr("About Tallyhold"),
        tr("Tallyhold %1\n\nKeeps a clan's roster and finds when to play.\n\n"
           "Licence: GNU General Public License, version 3 or later\n\nRoster: %2\n\nLanguages: %3")
            .arg(QCoreApplication::applicationVersion(), QDir::toNativeSeparators(m_roster.path()),
                 Languages::builtInNames()),
        Messages::Icon::Information);
}

void frmTallyhold::TabClan_Click(int index)
{
    // Each entry to the tab starts a new choice.
    if (index == ExportImport) {
        LoadExportDivisionList();
        m_exchange->lstExportDiv->clearSelection();
    }
}
