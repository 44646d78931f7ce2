#pragma once

#include "scheduling/MatchAnnouncement.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Roster;

// "Announce Match": the match told to the chosen members. Title and length compose the text
// again; the text may be edited before it is copied, sent or saved in the invitation.
class frmAnnounce : public QDialog
{
    Q_OBJECT

public:
    frmAnnounce(Roster& roster, const QList<RecordKey>& members, const QString& matchDate,
                const QString& matchTime, const MatchAnnouncement& match, QWidget* parent = nullptr);
    // Hiding the dialog takes the focus from a field, whose editingFinished would then reach a
    // dialog already half destroyed.
    ~frmAnnounce() override;

    QLineEdit* txtTitle = nullptr;
    QLineEdit* txtLength = nullptr;
    QPlainTextEdit* txtAnnouncement = nullptr;
    QLabel* lblNoEmail = nullptr;
    QPushButton* cmdCopyText = nullptr;
    QPushButton* cmdCopyDiscord = nullptr;
    QPushButton* cmdSaveInvitation = nullptr;
    QPushButton* cmdEmail = nullptr;

private slots:
    void compose();
    void cmdSaveInvitation_Click();
    void cmdEmail_Click();

private:
    void show(const MatchAnnouncement& match);
    // The announcement with the text as edited.
    MatchAnnouncement edited() const;

    Roster& m_roster;
    QList<RecordKey> m_members;
    QString m_matchDate;
    QString m_matchTime;
    MatchAnnouncement m_match;
};
