#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class frmTallyhold;

// "Members Info": the member list and the read-only view of the member last clicked.
class MembersInfoTab : public QWidget
{
    Q_OBJECT

public:
    explicit MembersInfoTab(frmTallyhold& main, QWidget* parent = nullptr);

    QList<QWidget*> keyboardOrder() const;

    QListWidget* lstMembers = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdDeleteMember = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLabel* lblReal = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* lblEMail = nullptr;
    QLabel* lblContact = nullptr;
    QLabel* lblTimeZone = nullptr;
    QLabel* lblNotes = nullptr;
    QLabel* lblAvailability = nullptr;
    QLabel* lblMon = nullptr;
    QLabel* lblTue = nullptr;
    QLabel* lblWed = nullptr;
    QLabel* lblThu = nullptr;
    QLabel* lblFri = nullptr;
    QLabel* lblSatSun = nullptr;
    QLabel* lblNoSched = nullptr;

private slots:
    void lstMembers_Click();
    void lstMembers_DblClick();
    void cmdEdit_Click();
    void cmdDeleteMember_Click();

private:
    frmTallyhold& m_main;
};
