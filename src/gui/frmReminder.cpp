#include "frmReminder.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

frmReminder::frmReminder(const QString& title, const MatchReminder& reminder, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReminder"));
    setWindowTitle(tr("Reminder: %1").arg(title));
    const QString names = reminder.names.isEmpty()
        ? tr("Everyone has answered.")
        : tr("Not answered yet: %1").arg(reminder.names.join(QStringLiteral(", ")));
    lblReminderNames = named(new QLabel(names), "lblReminderNames", names);
    lblReminderNames->setWordWrap(true);
    txtReminderDiscord
        = named(new QPlainTextEdit(reminder.discord.shown()), "txtReminderDiscord", tr("Discord message"),
                tr("Discord shows the start in each reader's own time"));
    txtReminderDiscord->setReadOnly(true);
    txtReminderDiscord->setTabChangesFocus(true);
    txtReminderDiscord->setMaximumHeight(5 * txtReminderDiscord->fontMetrics().lineSpacing());
    cmdCopyReminderDiscord
        = named(new QPushButton(tr("Copy")), "cmdCopyReminderDiscord", tr("Copy Discord message"));
    txtReminderMailto = named(new QLineEdit(reminder.mailto()), "txtReminderMailto", tr("E-mail link"),
                              tr("A mailto link to those who have not answered"));
    txtReminderMailto->setReadOnly(true);
    txtReminderMailto->setCursorPosition(0);
    cmdCopyReminderMailto
        = named(new QPushButton(tr("Copy")), "cmdCopyReminderMailto", tr("Copy e-mail link"));
    cmdReminderEmail = named(new QPushButton(tr("E-mail")), "cmdReminderEmail", tr("E-mail"),
                             tr("The reminder in your mail program"));
    const QString without = reminder.withoutEmail.isEmpty()
        ? QString()
        : tr("No e-mail (left out of the link): %1").arg(reminder.withoutEmail.join(QStringLiteral(", ")));
    lblReminderNoEmail = named(new QLabel(without), "lblReminderNoEmail", without);
    lblReminderNoEmail->setWordWrap(true);
    lblReminderNoEmail->setVisible(!without.isEmpty());
    // Nobody to write to: the link would open an empty message.
    const bool anyone = reminder.names.size() > reminder.withoutEmail.size();
    cmdReminderEmail->setEnabled(anyone);

    auto* grid = new QGridLayout;
    grid->addWidget(captionFor(txtReminderDiscord, tr("Discord message")), 0, 0, 1, 2);
    grid->addWidget(txtReminderDiscord, 1, 0);
    grid->addWidget(cmdCopyReminderDiscord, 1, 1, Qt::AlignTop);
    grid->addWidget(captionFor(txtReminderMailto, tr("E-mail link")), 2, 0, 1, 2);
    grid->addWidget(txtReminderMailto, 3, 0);
    grid->addWidget(cmdCopyReminderMailto, 3, 1);
    grid->addWidget(lblReminderNoEmail, 4, 0, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(cmdReminderEmail, QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblReminderNames);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(buttons);
    resize(560, sizeHint().height());

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdCopyReminderDiscord, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(txtReminderDiscord->toPlainText()); });
    connect(cmdCopyReminderMailto, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(txtReminderMailto->text()); });
    connect(cmdReminderEmail, &QPushButton::clicked, this, [this] {
        if (!QDesktopServices::openUrl(QUrl(txtReminderMailto->text())))
            Messages::inform(this, tr("No mail program could be opened for the message."),
                             Messages::Icon::Exclamation);
    });
    cmdCopyReminderDiscord->setFocus();
}
