#pragma once

#include "store/RecordKey.h"

#include <QDate>
#include <optional>

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;
class WeekHeatmap;
struct MatchFields;
struct MatchPlan;
class RosterError;
class QListWidget;
class QPushButton;
class TimeEntryField;
class QProgressBar;
class Roster;

// "Scheduling": choose members, then ask who can make a match or which times suit most.
class SchedulingTab : public QWidget
{
    Q_OBJECT

public:
    SchedulingTab(Roster& roster, QProgressBar& progress, QWidget* parent = nullptr);
    ~SchedulingTab() override;

    QList<QWidget*> keyboardOrder() const;

    QLabel* lblSchedulesHint = nullptr;
    QListWidget* lstSchedules = nullptr;
    QGroupBox* Frame8 = nullptr;
    TimeEntryField* txtMatchDate = nullptr;
    TimeEntryField* txtMatchTime = nullptr;
    QPushButton* cmdShowAvailable = nullptr;
    QListWidget* lstAvailable = nullptr;
    QGroupBox* Frame7 = nullptr;
    TimeEntryField* txtWeekOf = nullptr;
    QPushButton* cmdShowBestTimes = nullptr;
    QListWidget* lstBestTimes = nullptr;
    QPushButton* cmdAnnounce = nullptr;
    QPushButton* cmdPlanMatch = nullptr;
    QGroupBox* frmePlan = nullptr;
    QLineEdit* txtMatchLength = nullptr;
    QLineEdit* txtMinPlayers = nullptr;
    QPushButton* cmdRequired = nullptr;
    QLabel* lblRequired = nullptr;
    QLabel* lblAvailableNote = nullptr;
    WeekHeatmap* heatmap = nullptr;

signals:
    // Plan Match saved this match.
    void matchPlanned(const RecordKey& match);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdShowAvailable_Click();
    void cmdShowBestTimes_Click();
    void lstBestTimes_DblClick();
    void cmdRequired_Click();
    void cmdAnnounce_Click();
    void cmdPlanMatch_Click();
    // Redraws the heatmap for the selection, length, required set and minimum.
    void refreshPlanner();

private:
    // The highlighted members and the required ones.
    QList<RecordKey> selectedMembers() const;
    // The numbered boxes of rows a run missed and the zones it did not find, each once.
    void reportMissing(const QList<int>& dataErrors, const QStringList& missingZones);
    void refuse(const RosterError& error);
    // The planner fields read as a plan; a bad field gets its box and the focus.
    std::optional<MatchPlan> readPlan();
    // The "Week of" date; a bad one gets its box and the focus.
    std::optional<QDate> readWeekOf();
    // The week the best times and the heatmap show: the field's, or this week while it is bad.
    QDate shownWeekOf() const;
    void showMoment(int weekMinute);
    // The Date / Time fields when both are filled, else the highlighted best time's next date.
    MatchFields chosenMoment() const;
    void markRequired();

    Roster& m_roster;
    QProgressBar& m_progress;
    QList<RecordKey> m_required;
    // Whether an entry of the member list shows the required mark.
    bool m_marked = false;
    QTimer* m_refresh = nullptr;
};
