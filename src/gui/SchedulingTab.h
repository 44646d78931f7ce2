#pragma once

#include "store/RecordKey.h"

#include <QWidget>

class QGroupBox;
class QListWidget;
class QPushButton;
class TimeEntryField;
class frmTallyhold;

// "Scheduling": choose members, then ask who can make a match or which times suit most.
class SchedulingTab : public QWidget
{
    Q_OBJECT

public:
    explicit SchedulingTab(frmTallyhold& main, QWidget* parent = nullptr);

    QList<QWidget*> keyboardOrder() const;

    QListWidget* lstSchedules = nullptr;
    QGroupBox* Frame8 = nullptr;
    TimeEntryField* txtMatchDate = nullptr;
    TimeEntryField* txtMatchTime = nullptr;
    QPushButton* cmdShowAvailable = nullptr;
    QListWidget* lstAvailable = nullptr;
    QGroupBox* Frame7 = nullptr;
    QPushButton* cmdShowBestTimes = nullptr;
    QListWidget* lstBestTimes = nullptr;

private slots:
    void cmdShowAvailable_Click();
    void cmdShowBestTimes_Click();
    void lstBestTimes_DblClick();

private:
    QList<RecordKey> selectedMembers() const;
    // False, after the "Selection Error" box, when no member is selected.
    bool checkSelection();
    // The numbered boxes of rows a run missed and the zones it did not find, each once.
    void reportMissing(const QList<int>& dataErrors, const QStringList& missingZones);

    frmTallyhold& m_main;
};
