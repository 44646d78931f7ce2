#pragma once

#include "store/RecordKey.h"

#include <QWidget>
#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class Roster;

// "Members Info": the member list and the read-only view of the member last clicked.
class MembersInfoTab : public QWidget
{
    Q_OBJECT

public:
    explicit MembersInfoTab(Roster& roster, QWidget* parent = nullptr);

    QList<QWidget*> keyboardOrder() const;

    // Shows the selected member read-only, slot times in the user's own zone.
    void ShowMemberInfo();
    void ClearMemberInfo();

    QLabel* lblMembersHint = nullptr;
    QListWidget* lstMembers = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdDeleteMember = nullptr;
    QPushButton* cmdSignupLinks = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLabel* lblReal = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* lblEMail = nullptr;
    QLabel* lblContact = nullptr;
    QLabel* lblTimeZone = nullptr;
    QLabel* lblNotes = nullptr;
    QLabel* lblSelfUpdated = nullptr;
    // "Last 10 matches: invited 8 · said yes 6 · came 5 · said yes but did not come 1".
    QLabel* lblAttendance = nullptr;
    QLabel* lblAvailability = nullptr;
    // "Times in EST": the days' times are in the user's own zone.
    QLabel* lblViewZone = nullptr;
    QLabel* lblMon = nullptr;
    QLabel* lblTue = nullptr;
    QLabel* lblWed = nullptr;
    QLabel* lblThu = nullptr;
    QLabel* lblFri = nullptr;
    QLabel* lblSatSun = nullptr;
    QLabel* lblNoSched = nullptr;
    // The member's dates away and one-off changes from today on, one a line, under the week:
    // why a member is not listed on a date.
    QLabel* lblChangesHeading = nullptr;
    QLabel* lblChanges = nullptr;

signals:
    // Edit Member or a double click: the member form should load this member.
    void editRequested(const RecordKey& member);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void lstMembers_Click();
    void lstMembers_DblClick();
    void cmdEdit_Click();
    void cmdDeleteMember_Click();
    void cmdSignupLinks_Click();

private:
    // The key of the selected entry; nothing (after the "Selection Error" box when asked) if none.
    std::optional<RecordKey> selectedMember(bool complain) const;
    std::array<QLabel*, 6> dayLabels() const;
    void showAttendance(const RecordKey& member);

    Roster& m_roster;
    // Whether the press being handled already showed the member by selecting it.
    bool m_shownOnPress = false;
    // Beside each day label, that day's times as text.
    std::array<QLabel*, 6> m_dayTimes {};
};
