#include "frmSignupLinks.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "invitations/SignupLink.h"
#include "roster/Roster.h"
#include "store/RosterError.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

frmSignupLinks::frmSignupLinks(Roster& roster, const RecordKey& member, const QString& player,
                               QWidget* parent)
    : QDialog(parent)
    , m_roster(roster)
    , m_member(member)
    , m_player(player)
{
    setObjectName(QStringLiteral("frmSignupLinks"));
    setWindowTitle(tr("Sign-up Links - %1").arg(player));
    txtAddress = named(new QLineEdit(SignupLink::address()), "txtAddress", tr("Server Address"),
                       tr("Where members reach tallyhold-web, such as https://roster.example.org"));
    lblAddressNote = named(new QLabel, "lblAddressNote", QString());
    lblAddressNote->setWordWrap(true);
    cmdMakeLink = named(new QPushButton(tr("Make Link")), "cmdMakeLink", tr("Make Link"),
                        tr("A new private link for this member, valid for 60 days"));
    txtLink = named(new QLineEdit, "txtLink", tr("New Link"),
                    tr("Shown once: the roster keeps only a hash of it"));
    txtLink->setReadOnly(true);
    cmdCopyLink = named(new QPushButton(tr("Copy")), "cmdCopyLink", tr("Copy"));
    cmdMailLink = named(new QPushButton(tr("E-mail")), "cmdMailLink", tr("E-mail"),
                        tr("A message with the link, in your mail program"));
    lstLinks = named(new QListWidget, "lstLinks", tr("Links"));
    cmdRevoke = named(new QPushButton(tr("Revoke")), "cmdRevoke", tr("Revoke"),
                      tr("The member can no longer use the selected link"));

    auto* link = new QHBoxLayout;
    link->addWidget(txtLink, 1);
    link->addWidget(cmdCopyLink);
    link->addWidget(cmdMailLink);
    auto* fields = new QFormLayout;
    fields->addRow(captionFor(txtAddress, tr("Server Address")), txtAddress);
    fields->addRow(QString(), lblAddressNote);
    fields->addRow(QString(), cmdMakeLink);
    fields->addRow(captionFor(txtLink, tr("New Link")), link);
    fields->addRow(captionFor(lstLinks, tr("Links")), lstLinks);
    fields->addRow(QString(), cmdRevoke);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    resize(620, 360);

    cmdCopyLink->setEnabled(false);
    cmdMailLink->setEnabled(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(txtAddress, &QLineEdit::textChanged, this, &frmSignupLinks::showReach);
    showReach();
    connect(cmdMakeLink, &QPushButton::clicked, this, &frmSignupLinks::cmdMakeLink_Click);
    connect(cmdCopyLink, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(txtLink->text()); });
    connect(cmdMailLink, &QPushButton::clicked, this, &frmSignupLinks::cmdMailLink_Click);
    connect(cmdRevoke, &QPushButton::clicked, this, &frmSignupLinks::cmdRevoke_Click);
    fillLinks();
}

void frmSignupLinks::showReach()
{
    QString note;
    switch (SignupLink::reach(txtAddress->text())) {
    case SignupLink::Reach::ThisComputer:
        note = tr("Links to this address open only on this computer. Give the address at which "
                  "members reach tallyhold-web.");
        break;
    case SignupLink::Reach::LocalNetwork:
        note = tr("Links to this address open only on your local network, not for members "
                  "elsewhere.");
        break;
    case SignupLink::Reach::Anywhere:
        break;
    }
    lblAddressNote->setText(note);
    lblAddressNote->setAccessibleName(note.isEmpty() ? tr("Server Address note") : note);
    lblAddressNote->setVisible(!note.isEmpty());
}

void frmSignupLinks::fillLinks()
{
    lstLinks->clear();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    try {
        for (const Invitation& link : m_roster.invitations(m_member)) {
            auto* item = new QListWidgetItem(
                tr("Made %1 - %2").arg(link.created.toString(QStringLiteral("M/d/yyyy")), link.describe(now)),
                lstLinks);
            item->setData(Qt::UserRole, link.key);
        }
    } catch (const RosterError& error) {
        Messages::error(this, error);
    }
    cmdRevoke->setEnabled(lstLinks->count() > 0);
}

void frmSignupLinks::cmdMakeLink_Click()
{
    try {
        const NewInvitation made = m_roster.makeInvitation(m_member);
        SignupLink::setAddress(txtAddress->text());
        txtLink->setText(SignupLink::url(SignupLink::address(), made.token));
        txtLink->selectAll();
        txtLink->setFocus();
        cmdCopyLink->setEnabled(true);
        cmdMailLink->setEnabled(true);
    } catch (const RosterError& error) {
        Messages::error(this, error);
    }
    fillLinks();
}

void frmSignupLinks::cmdMailLink_Click()
{
    QString email;
    try {
        // Read as shown, not as loaded for editing: an open member form keeps the version it
        // was loaded with.
        email = m_roster.memberInfo(m_member).email.trimmed();
    } catch (const RosterError& error) {
        Messages::error(this, error);
        return;
    }
    QUrl mail(QStringLiteral("mailto:") + email);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), tr("Your week for the clan"));
    query.addQueryItem(QStringLiteral("body"),
                       tr("Hi %1,\n\nPlease set the times you can play on your own page (keep the "
                          "link to yourself):\n%2\n")
                           .arg(m_player, txtLink->text()));
    mail.setQuery(query);
    if (!QDesktopServices::openUrl(mail))
        Messages::inform(this, tr("No mail program could be opened for the message."),
                         Messages::Icon::Exclamation);
}

void frmSignupLinks::cmdRevoke_Click()
{
    const QListWidgetItem* item = lstLinks->currentItem();
    if (!item) {
        Messages::show(this, tr("Selection Error"), tr("You must first highlight a link!"),
                       Messages::Icon::Critical);
        return;
    }
    if (!Messages::confirm(this, tr("Revoke this link? %1 can no longer use it.").arg(m_player)))
        return;
    try {
        m_roster.revokeInvitation(item->data(Qt::UserRole).toByteArray());
    } catch (const RosterError& error) {
        Messages::error(this, error);
    }
    fillLinks();
}
