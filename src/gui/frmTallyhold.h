#pragma once

#include <QMainWindow>

class ClansTab;
class ExchangeTab;
class MatchesTab;
class MemberFormTab;
class MembersInfoTab;
class QAction;
class QMenu;
class QProgressBar;
class QTabWidget;
class Roster;
class SchedulingTab;
class frmOptions;
class frmTZEdit;

// The main window: six tabs, the progress bar, the menus, and the shared lists, which it
// refills whenever the roster session says their rows changed.
class frmTallyhold : public QMainWindow
{
    Q_OBJECT

public:
    enum Tab { MembersInfo, AddEditMembers, ClansDivisions, Scheduling, Matches, ExportImport };

    // Opens on the roster session it is given, fills the lists and shows "Members Info".
    explicit frmTallyhold(Roster& roster, QWidget* parent = nullptr);

    MembersInfoTab* membersInfoTab() const { return m_membersInfo; }
    MemberFormTab* memberFormTab() const { return m_memberForm; }
    ClansTab* clansTab() const { return m_clans; }
    SchedulingTab* schedulingTab() const { return m_scheduling; }
    MatchesTab* matchesTab() const { return m_matches; }
    ExchangeTab* exchangeTab() const { return m_exchange; }
    frmOptions* options() const { return m_options; }
    // Made on first use.
    frmTZEdit* tzEdit();

    // Each refills its lists from the roster; afterwards nothing is selected.
    void LoadDivisionLists();
    void LoadTimeZoneLists();
    void LoadMemberLists();
    void LoadExportDivisionList();

    QTabWidget* TabClan = nullptr;
    QProgressBar* pbar1 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuOpenShared = nullptr;
    QAction* mnuExit = nullptr;
    // Reads the roster again (F5); other writers are followed without it.
    QMenu* mnuView = nullptr;
    QAction* mnuRefresh = nullptr;
    QMenu* mnuTools = nullptr;
    QAction* mnuEditTZ = nullptr;
    QAction* mnuOptions = nullptr;
    QMenu* mnuHelpMenu = nullptr;
    // Opens the help page.
    QAction* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;

signals:
    // The user chose another roster to work on (File, Open Shared Roster).
    void rosterChosen(const QString& location);

private slots:
    void mnuOpenShared_Click();
    void mnuExit_Click();
    void mnuEditTZ_Click();
    void mnuOptions_Click();
    void mnuHelp_Click();
    void mnuAbout_Click();
    void TabClan_Click(int index);

private:
    void createMenus();
    // Says on each tab what to do first while its list is empty.
    void showHints();

    Roster& m_roster;
    MembersInfoTab* m_membersInfo = nullptr;
    MemberFormTab* m_memberForm = nullptr;
    ClansTab* m_clans = nullptr;
    SchedulingTab* m_scheduling = nullptr;
    MatchesTab* m_matches = nullptr;
    ExchangeTab* m_exchange = nullptr;
    frmOptions* m_options = nullptr;
    frmTZEdit* m_tzEdit = nullptr;
};
