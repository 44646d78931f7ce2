#pragma once

#include "store/RecordKey.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Roster;

// A member's private sign-up links for tallyhold-web: make one (shown once, to copy or mail),
// see them with their state, and revoke them.
class frmSignupLinks : public QDialog
{
    Q_OBJECT

public:
    frmSignupLinks(Roster& roster, const RecordKey& member, const QString& player, QWidget* parent = nullptr);

    QLineEdit* txtAddress = nullptr;
    // Says when links to the address open only on this computer or network.
    QLabel* lblAddressNote = nullptr;
    QPushButton* cmdMakeLink = nullptr;
    QLineEdit* txtLink = nullptr;
    QPushButton* cmdCopyLink = nullptr;
    QPushButton* cmdMailLink = nullptr;
    QListWidget* lstLinks = nullptr;
    QPushButton* cmdRevoke = nullptr;

private slots:
    void cmdMakeLink_Click();
    void cmdMailLink_Click();
    void cmdRevoke_Click();

private:
    void fillLinks();
    void showReach();

    Roster& m_roster;
    RecordKey m_member;
    QString m_player;
};
