#include "frmAnnounce.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "roster/Roster.h"
#include "store/RosterError.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmAnnounce::frmAnnounce(Roster& roster, const QList<RecordKey>& members, const QString& matchDate,
                         const QString& matchTime, const MatchAnnouncement& match, QWidget* parent)
    : QDialog(parent)
    , m_roster(roster)
    , m_members(members)
    , m_matchDate(matchDate)
    , m_matchTime(matchTime)
{
    setObjectName(QStringLiteral("frmAnnounce"));
    setWindowTitle(tr("Announce Match"));
    txtTitle = named(new QLineEdit(match.title), "txtTitle", tr("Title"));
    txtLength = named(new QLineEdit(QString::number(match.length)), "txtLength", tr("Length"),
                      tr("Minutes, 15 to 1440"));
    txtAnnouncement = named(new QPlainTextEdit, "txtAnnouncement", tr("Announcement"),
                            tr("Edit the text before copying or sending it"));
    lblNoEmail = named(new QLabel, "lblNoEmail", QString());
    lblNoEmail->setWordWrap(true);
    cmdCopyText = named(new QPushButton(tr("Copy text")), "cmdCopyText", tr("Copy text"));
    cmdCopyDiscord = named(new QPushButton(tr("Copy Discord line")), "cmdCopyDiscord",
                           tr("Copy Discord line"), tr("Discord shows the start in each reader's own time"));
    cmdSaveInvitation
        = named(new QPushButton(tr("Save invitation…")), "cmdSaveInvitation", tr("Save invitation…"));
    cmdEmail = named(new QPushButton(tr("E-mail")), "cmdEmail", tr("E-mail"),
                     tr("A message to those who can play, in your mail program"));

    auto* fields = new QFormLayout;
    fields->addRow(captionFor(txtTitle, tr("Title")), txtTitle);
    fields->addRow(captionFor(txtLength, tr("Length (minutes)")), txtLength);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    for (QPushButton* button : {cmdCopyText, cmdCopyDiscord, cmdSaveInvitation, cmdEmail})
        buttons->addButton(button, QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(txtAnnouncement, 1);
    layout->addWidget(lblNoEmail);
    layout->addWidget(buttons);
    resize(560, 420);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(txtTitle, &QLineEdit::editingFinished, this, &frmAnnounce::compose);
    connect(txtLength, &QLineEdit::editingFinished, this, &frmAnnounce::compose);
    connect(cmdCopyText, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(txtAnnouncement->toPlainText()); });
    connect(cmdCopyDiscord, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(m_match.discordLine()); });
    connect(cmdSaveInvitation, &QPushButton::clicked, this, &frmAnnounce::cmdSaveInvitation_Click);
    connect(cmdEmail, &QPushButton::clicked, this, &frmAnnounce::cmdEmail_Click);
    show(match);
}

void frmAnnounce::show(const MatchAnnouncement& match)
{
    m_match = match;
    txtAnnouncement->setPlainText(match.text);
    const QStringList without = match.withoutEmail();
    const QString note = without.isEmpty()
        ? QString()
        : tr("No e-mail (left out of the invitation): %1").arg(without.join(QStringLiteral(", ")));
    lblNoEmail->setText(note);
    lblNoEmail->setAccessibleName(note);
}

// A field that has the focus finishes its editing while the base class deletes it, when this
// object is no longer whole.
frmAnnounce::~frmAnnounce()
{
    for (QLineEdit* field : {txtTitle, txtLength})
        field->disconnect(this);
}

void frmAnnounce::compose()
{
    if (txtTitle->text() == m_match.title && txtLength->text().trimmed() == QString::number(m_match.length))
        return;
    try {
        show(m_roster.announceMatch(m_roster.viewpoint(), m_members, m_matchDate, m_matchTime,
                                    txtLength->text(), txtTitle->text()));
        Messages::missingZones(this, m_match.missingZones);
    } catch (const RosterError& error) {
        Messages::error(this, error);
        txtLength->setFocus();
    }
}

MatchAnnouncement frmAnnounce::edited() const
{
    MatchAnnouncement match = m_match;
    match.text = txtAnnouncement->toPlainText();
    return match;
}

void frmAnnounce::cmdSaveInvitation_Click()
{
    QString path = Messages::saveFileName(this, tr("Save Invitation"), QDir::homePath(),
                                          tr("Calendar invitation (*.ics)|*.ics"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".ics");
    if (QFileInfo::exists(path)
        && Messages::show(this, tr("Save Invitation"),
                          tr("%1 already exists. Replace it?").arg(QDir::toNativeSeparators(path)),
                          Messages::Icon::Question, Messages::Buttons::YesNo)
            == Messages::Answer::No)
        return;
    try {
        m_roster.saveInvitation(edited(), path);
    } catch (const RosterError& error) {
        Messages::error(this, error);
    }
}

void frmAnnounce::cmdEmail_Click()
{
    const QUrl mail = edited().mailto();
    if (mail.path().isEmpty())
        Messages::inform(this, tr("None of the members who can play has an e-mail address."));
    else if (!QDesktopServices::openUrl(mail))
        Messages::inform(this, tr("No mail program could be opened for the message."),
                         Messages::Icon::Exclamation);
}
