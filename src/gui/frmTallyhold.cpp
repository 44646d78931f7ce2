#include "frmTallyhold.h"

#include "RosterLists.h"
#include "app/Messages.h"
#include "clans/ClansTab.h"
#include "exchange/ExchangeTab.h"
#include "members/MemberFormTab.h"
#include "members/MembersInfoTab.h"
#include "scheduling/SchedulingTab.h"
#include "settings/frmOptions.h"
#include "store/RosterError.h"
#include "timezones/frmTZEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

void fill(QListWidget* list, const QList<RosterListEntry>& entries)
{
    list->clear();
    for (const RosterListEntry& entry : entries) {
        // The key goes in before the entry joins the list: a change to an entry already in a
        // long list costs far more than adding it whole.
        auto* item = new QListWidgetItem(entry.text);
        item->setData(Qt::UserRole, entry.key);
        list->addItem(item);
    }
}

// Keeps what the user typed into the box: a refill changes the choices, not the text.
void fill(QComboBox* combo, const QList<RosterListEntry>& entries)
{
    const QSignalBlocker blocker(combo);
    const QString typed = combo->currentText();
    combo->clear();
    for (const RosterListEntry& entry : entries)
        combo->addItem(entry.text, entry.key);
    combo->setCurrentIndex(-1);
    combo->setEditText(typed);
}

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

frmTallyhold::frmTallyhold(Database db, Preferences preferences, QWidget* parent)
    : QMainWindow(parent)
    , m_db(std::move(db))
    , m_preferences(std::move(preferences))
{
    setObjectName(QStringLiteral("frmTallyhold"));
    setWindowTitle(QStringLiteral("Tallyhold"));

    TabClan = new QTabWidget;
    TabClan->setObjectName(QStringLiteral("TabClan"));
    TabClan->setAccessibleName(QStringLiteral("Tallyhold tabs"));
    m_membersInfo = new MembersInfoTab(*this);
    m_memberForm = new MemberFormTab(*this);
    m_clans = new ClansTab(*this);
    m_scheduling = new SchedulingTab(*this);
    m_exchange = new ExchangeTab(*this);
    TabClan->addTab(m_membersInfo, QStringLiteral("Members Info"));
    TabClan->addTab(m_memberForm, QStringLiteral("Add / Edit Members"));
    TabClan->addTab(m_clans, QStringLiteral("Clans / Divisions"));
    TabClan->addTab(m_scheduling, QStringLiteral("Scheduling"));
    TabClan->addTab(m_exchange, QStringLiteral("Export / Import"));

    pbar1 = new QProgressBar;
    pbar1->setObjectName(QStringLiteral("pbar1"));
    pbar1->setAccessibleName(QStringLiteral("Progress"));
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
          << m_scheduling->keyboardOrder() << m_exchange->keyboardOrder() << m_memberForm->chkActive
          << m_memberForm->cmdCancel;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    resize(1024, 720);
    setMinimumSize(800, 560);

    LoadDivisionLists();
    // The Options dialog shows the preferences as they are before its zone list has entries.
    m_options = new frmOptions(*this);
    LoadTimeZoneLists();
    LoadMemberLists();
    TabClan->setCurrentIndex(MembersInfo);
    TabClan->setFocus();
    connect(TabClan, &QTabWidget::currentChanged, this, &frmTallyhold::TabClan_Click);
}

frmTallyhold::~frmTallyhold()
{
    m_db.close();
}

void frmTallyhold::createMenus()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"), this, &frmTallyhold::mnuExit_Click);
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    mnuTools = menuBar()->addMenu(QStringLiteral("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuEditTZ = mnuTools->addAction(QStringLiteral("Time &Zone Edits"), this, &frmTallyhold::mnuEditTZ_Click);
    mnuEditTZ->setObjectName(QStringLiteral("mnuEditTZ"));
    mnuOptions = mnuTools->addAction(QStringLiteral("&Options"), this, &frmTallyhold::mnuOptions_Click);
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));

    // The top-level entry is itself the command.
    mnuHelp = menuBar()->addAction(QStringLiteral("&Help"), this, &frmTallyhold::mnuHelp_Click);
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->setShortcut(QKeySequence::HelpContents);
}

frmTZEdit* frmTallyhold::tzEdit()
{
    if (!m_tzEdit)
        m_tzEdit = new frmTZEdit(*this);
    return m_tzEdit;
}

void frmTallyhold::LoadDivisionLists()
{
    reportFailure(this, [this] {
        const QList<RosterListEntry> divisions = RosterLists::divisions(m_db);
        fill(m_clans->lstDivision, divisions);
        fill(m_memberForm->cmbDiv, divisions);
    });
}

void frmTallyhold::LoadTimeZoneLists()
{
    reportFailure(this, [this] {
        const QList<RosterListEntry> zones = RosterLists::timeZones(m_db);
        fill(m_memberForm->cmbTZ, zones);
        fill(m_options->cmbTZ, zones);
    });
}

void frmTallyhold::LoadMemberLists()
{
    reportFailure(this, [this] {
        const QList<RosterListEntry> members = RosterLists::members(m_db);
        fill(m_membersInfo->lstMembers, members);
        fill(m_scheduling->lstSchedules, members);
    });
}

void frmTallyhold::LoadExportDivisionList()
{
    reportFailure(this, [this] { fill(m_exchange->lstExportDiv, RosterLists::divisions(m_db)); });
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
    // Beside the program, whatever directory it was started from.
    const QString page
        = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Help/MainHelp.htm"));
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

void frmTallyhold::TabClan_Click(int index)
{
    if (index == ExportImport)
        LoadExportDivisionList();
}
