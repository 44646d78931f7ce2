#pragma once

#include "matches/Match.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Reminder": what to send those who have not answered a match, a Discord message and an
// e-mail link, each ready to copy.
class frmReminder : public QDialog
{
    Q_OBJECT

public:
    frmReminder(const QString& title, const MatchReminder& reminder, QWidget* parent = nullptr);

    QLabel* lblReminderNames = nullptr;
    QPlainTextEdit* txtReminderDiscord = nullptr;
    QPushButton* cmdCopyReminderDiscord = nullptr;
    QLineEdit* txtReminderMailto = nullptr;
    QPushButton* cmdCopyReminderMailto = nullptr;
    QPushButton* cmdReminderEmail = nullptr;
    QLabel* lblReminderNoEmail = nullptr;
};
