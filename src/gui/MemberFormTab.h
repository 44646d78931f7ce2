#pragma once

#include "members/MemberForm.h"
#include "store/RecordKey.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class RosterError;
class TimeEntryField;
class Roster;

// "Add / Edit Members": the member form with its week of playing times.
class MemberFormTab : public QWidget
{
    Q_OBJECT

public:
    explicit MemberFormTab(Roster& roster, QWidget* parent = nullptr);

    // One day group of the week: its frame, its check box and slot 1 start, slot 1 end,
    // slot 2 start, slot 2 end.
    struct ScheduleDay
    {
        QGroupBox* frame = nullptr;
        QCheckBox* check = nullptr;
        std::array<TimeEntryField*, 4> fields {};
    };
    // Monday first, Saturday / Sunday last.
    const std::array<ScheduleDay, 6>& scheduleDays() const { return m_days; }
    // The keyboard order of the tab, without "Active" and "Cancel", which come after the
    // controls of the other tabs.
    QList<QWidget*> keyboardOrder() const;

    // Clears the form and fills it with the member of this key, its times in the member's own
    // zone; Save then updates that member. A member that cannot be loaded leaves the form
    // empty and not in edit mode.
    void LoadMemberForEdit(const RecordKey& member);
    // True while a loaded member is in the form: Save updates editedMember().
    bool editMode() const { return m_editMode; }
    RecordKey editedMember() const { return m_member; }

    QLineEdit* txtPlayerName = nullptr;
    QComboBox* cmbDiv = nullptr;
    QCheckBox* chkActive = nullptr;
    QLineEdit* txtRealFirst = nullptr;
    QLineEdit* txtRealLast = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtEmail2 = nullptr;
    QLineEdit* txtOtherContact = nullptr;
    QComboBox* cmbTZ = nullptr;
    QGroupBox* frmeNotes = nullptr;
    QPlainTextEdit* txtNotes = nullptr;
    QGroupBox* frmSchedules = nullptr;
    // "Times in CET": the zone the zone box names, in which the times are typed and shown.
    QLabel* lblFormZone = nullptr;
    QGroupBox* frmMonday = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QCheckBox* chkMonday = nullptr;
    QCheckBox* chkTuesday = nullptr;
    QCheckBox* chkWednesday = nullptr;
    QCheckBox* chkThursday = nullptr;
    QCheckBox* chkFriday = nullptr;
    QCheckBox* chkWeekend = nullptr;
    TimeEntryField* txtMSlot1Start = nullptr;
    TimeEntryField* txtMSlot1End = nullptr;
    TimeEntryField* txtMSlot2Start = nullptr;
    TimeEntryField* txtMSlot2End = nullptr;
    TimeEntryField* txtTSlot1Start = nullptr;
    TimeEntryField* txtTSlot1End = nullptr;
    TimeEntryField* txtTSlot2Start = nullptr;
    TimeEntryField* txtTSlot2End = nullptr;
    TimeEntryField* txtWSlot1Start = nullptr;
    TimeEntryField* txtWSlot1End = nullptr;
    TimeEntryField* txtWSlot2Start = nullptr;
    TimeEntryField* txtWSlot2End = nullptr;
    TimeEntryField* txtRSlot1Start = nullptr;
    TimeEntryField* txtRSlot1End = nullptr;
    TimeEntryField* txtRSlot2Start = nullptr;
    TimeEntryField* txtRSlot2End = nullptr;
    TimeEntryField* txtFSlot1Start = nullptr;
    TimeEntryField* txtFSlot1End = nullptr;
    TimeEntryField* txtFSlot2Start = nullptr;
    TimeEntryField* txtFSlot2End = nullptr;
    TimeEntryField* txtSSSlot1Start = nullptr;
    TimeEntryField* txtSSSlot1End = nullptr;
    TimeEntryField* txtSSSlot2Start = nullptr;
    TimeEntryField* txtSSSlot2End = nullptr;
    // "Away / Changes…": the dated changes of the member being edited.
    QPushButton* cmdAwayChanges = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdCancel = nullptr;

public slots:
    void cmdClear_Click();

signals:
    // Cancel: the form is cleared and the user goes back to the member list.
    void cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdSave_Click();
    void cmdCancel_Click();
    void cmdAwayChanges_Click();
    void cmbDiv_Change();
    void cmbTZ_Change();

private:
    QWidget* createSchedules();
    MemberForm readForm() const;
    void showForm(const MemberForm& form);
    void refuse(const RosterError& error);
    // Times typed for a day that is not ticked are dropped by Save: true when there are none or
    // the user agrees; otherwise the first such day's box has the focus.
    bool keepUntickedTimes();
    void endEditMode();
    // Changes belong to a stored member, and are written: the button says why it is off.
    void showAwayChangesEnabled();
    // The schedule frame's caption names the zone the times are in.
    void showScheduleZone(const QString& zone);
    void showTimesZone();
    void typeAhead(QComboBox* combo);
    void showEntryCase(QComboBox* combo);

    Roster& m_roster;
    std::array<ScheduleDay, 6> m_days;
    bool m_editMode = false;
    RecordKey m_member;
    // The edited member's zone as stored, in which their changes' dates and times are.
    QString m_memberZone;
    // Set by Delete and Backspace and by the completion itself: the next text change of
    // either box is not completed.
    bool m_suppressTypeAhead = false;
    // While a loaded member is written into the boxes, nothing is completed and "Active"
    // keeps the stored state.
    bool m_loading = false;
};
