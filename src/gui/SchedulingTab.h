#pragma once

#include "store/RecordKey.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class RosterError;
class QListWidget;
class QPushButton;
class TimeEntryField;
class QProgressBar;
class Roster;
struct BestTimeTally;

// "Scheduling": choose members, then ask who can make a match or which times suit most.
class SchedulingTab : public QWidget
{
    Q_OBJECT

public:
    SchedulingTab(Roster& roster, QProgressBar& progress, QWidget* parent = nullptr);

    // "3 member(s) - Tue - 08:00 PM"
    static QString bestTimeLine(const BestTimeTally& tally);

    QList<QWidget*> keyboardOrder() const;

    QLabel* lblSchedulesHint = nullptr;
    QListWidget* lstSchedules = nullptr;
    QGroupBox* Frame8 = nullptr;
    TimeEntryField* txtMatchDate = nullptr;
    TimeEntryField* txtMatchTime = nullptr;
    QPushButton* cmdShowAvailable = nullptr;
    QListWidget* lstAvailable = nullptr;
    QGroupBox* Frame7 = nullptr;
    QPushButton* cmdShowBestTimes = nullptr;
    QListWidget* lstBestTimes = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdShowAvailable_Click();
    void cmdShowBestTimes_Click();
    void lstBestTimes_DblClick();

private:
    QList<RecordKey> selectedMembers() const;
    // The numbered boxes of rows a run missed and the zones it did not find, each once.
    void reportMissing(const QList<int>& dataErrors, const QStringList& missingZones);
    void refuse(const RosterError& error);

    Roster& m_roster;
    QProgressBar& m_progress;
};
