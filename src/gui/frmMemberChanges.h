#pragma once

#include "store/RecordKey.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class RosterError;
class Roster;
class TimeEntryField;

// "Away / Changes": one member's dates away and one-off changes to their week. The list shows
// those from today on (past ones too when asked); Add and Edit open the form below it, whose
// Save writes through the roster session. The list follows every change of the roster.
class frmMemberChanges : public QDialog
{
    Q_OBJECT

public:
    // zone: the member's own zone, whose dates and clock the changes are in.
    frmMemberChanges(Roster& roster, const RecordKey& member, const QString& player, const QString& zone,
                     QWidget* parent = nullptr);

    QLabel* lblChangesZone = nullptr;
    QListWidget* lstChanges = nullptr;
    QLabel* lblNoChanges = nullptr;
    QCheckBox* chkShowPast = nullptr;
    QPushButton* cmdAddChange = nullptr;
    QPushButton* cmdEditChange = nullptr;
    QPushButton* cmdRemoveChange = nullptr;
    QGroupBox* frmeChange = nullptr;
    TimeEntryField* txtFirstDate = nullptr;
    TimeEntryField* txtLastDate = nullptr;
    QRadioButton* optAway = nullptr;
    QRadioButton* optInstead = nullptr;
    // Slot 1 start, slot 1 end, slot 2 start, slot 2 end.
    std::array<TimeEntryField*, 4> txtSlots {};
    QLineEdit* txtChangeNote = nullptr;
    QPushButton* cmdSaveChange = nullptr;
    QPushButton* cmdCancelChange = nullptr;
    QPushButton* cmdCloseChanges = nullptr;

    // Refills the list, keeping the highlighted change while it is still listed.
    void LoadChanges();

private slots:
    void cmdAddChange_Click();
    void cmdEditChange_Click();
    void cmdRemoveChange_Click();
    void cmdSaveChange_Click();
    void cmdCancelChange_Click();

private:
    // The key of the highlighted change; without one, says so and gives nothing.
    RecordKey selectedChange();
    // Empties the form and closes it (nothing is being added or edited).
    void closeForm();
    void openForm(const QString& title);
    void showTimesEnabled();
    void refuse(const RosterError& error);

    Roster& m_roster;
    RecordKey m_member;
    QString m_player;
    // The change the form holds; empty while it adds one.
    RecordKey m_editing;
};
