#include "frmPlanMatch.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "gui/TimeEntryField.h"
#include "roster/Roster.h"
#include "scheduling/MatchAnnouncement.h"
#include "scheduling/MatchPlan.h"
#include "store/RosterError.h"
#include "time/DateTime.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frmPlanMatch::frmPlanMatch(Roster& roster, const MatchForm& form, const RecordKey& match, QWidget* parent)
    : QDialog(parent)
    , m_roster(roster)
    , m_match(match)
    , m_loaded(form)
{
    setObjectName(QStringLiteral("frmPlanMatch"));
    setWindowTitle(match.isEmpty() ? tr("Plan Match") : tr("Edit Match"));
    txtMatchTitle = named(new QLineEdit(form.title), "txtMatchTitle", tr("Title"));
    txtMatchTitle->setMaxLength(Match::MaxTitleLength);
    txtMatchTitle->setPlaceholderText(QString::fromLatin1(MatchAnnouncement::DefaultTitle));
    const QString at = form.at.simplified();
    txtPlanDate = named(new TimeEntryField(TimeEntryField::Kind::Date), "txtPlanDate", tr("Date"));
    // A date has no blank; a time alone ("8:00 PM") leaves the date to be typed.
    const bool dated = at.section(QLatin1Char(' '), 0, 0).contains(QLatin1Char('/'));
    txtPlanDate->setText(dated ? at.section(QLatin1Char(' '), 0, 0) : QString());
    txtPlanTime = named(new TimeEntryField(TimeEntryField::Kind::Time), "txtPlanTime", tr("Time"));
    txtPlanTime->setText(dated ? at.section(QLatin1Char(' '), 1) : at);
    // The start is read on the user's own clock; saying which spares a guess.
    const QString zone = m_roster.viewpoint().userTimeZone.trimmed();
    lblPlanZone = named(new QLabel(tr("on your clock (%1)").arg(zone)), "lblPlanZone",
                        tr("on your clock (%1)").arg(zone));
    txtPlanLength = named(new QLineEdit(form.length), "txtPlanLength", tr("Length (minutes)"),
                          tr("Minutes, 15 to 1440"));
    txtPlanMinimum = named(new QLineEdit(form.minimum), "txtPlanMinimum", tr("Minimum players"),
                           tr("How many must say yes for the match to go ahead"));
    tblPlanPlayers = named(new QTableWidget(0, 2), "tblPlanPlayers", tr("Players"),
                           tr("Tick who is invited and who must play; Space ticks the "
                              "highlighted box"));
    tblPlanPlayers->setHorizontalHeaderLabels({tr("Invited players"), tr("Required")});
    tblPlanPlayers->horizontalHeader()->setSectionResizeMode(Invited, QHeaderView::Stretch);
    tblPlanPlayers->horizontalHeader()->setSectionResizeMode(Required, QHeaderView::ResizeToContents);
    tblPlanPlayers->verticalHeader()->hide();
    tblPlanPlayers->setSelectionMode(QAbstractItemView::SingleSelection);
    tblPlanPlayers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPlanPlayers->setTabKeyNavigation(false);
    lblPlanInvited = named(new QLabel, "lblPlanInvited", QString());
    txtMatchNotes = named(new QPlainTextEdit(form.notes), "txtMatchNotes", tr("Notes"),
                          tr("Shown with the match in every player's calendar"));
    txtMatchNotes->setTabChangesFocus(true);
    txtMatchNotes->setMaximumHeight(4 * txtMatchNotes->fontMetrics().lineSpacing());
    cmdSaveMatch = named(new QPushButton(tr("Save")), "cmdSaveMatch", tr("Save"));
    cmdSaveMatch->setDefault(true);

    auto* when = new QHBoxLayout;
    when->addWidget(txtPlanDate);
    when->addWidget(captionFor(txtPlanTime, tr("Time")));
    when->addWidget(txtPlanTime);
    when->addWidget(lblPlanZone, 1);
    auto* fields = new QFormLayout;
    fields->addRow(captionFor(txtMatchTitle, tr("Title")), txtMatchTitle);
    fields->addRow(captionFor(txtPlanDate, tr("Date")), when);
    fields->addRow(captionFor(txtPlanLength, tr("Length (minutes)")), txtPlanLength);
    fields->addRow(captionFor(txtPlanMinimum, tr("Minimum players")), txtPlanMinimum);
    fields->addRow(captionFor(txtMatchNotes, tr("Notes")), txtMatchNotes);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    buttons->addButton(cmdSaveMatch, QDialogButtonBox::AcceptRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(captionFor(tblPlanPlayers, tr("Players")));
    layout->addWidget(tblPlanPlayers, 1);
    layout->addWidget(lblPlanInvited);
    layout->addWidget(buttons);
    resize(520, 600);

    setTabOrder(txtMatchTitle, txtPlanDate);
    setTabOrder(txtPlanDate, txtPlanTime);
    setTabOrder(txtPlanTime, txtPlanLength);
    setTabOrder(txtPlanLength, txtPlanMinimum);
    setTabOrder(txtPlanMinimum, txtMatchNotes);
    setTabOrder(txtMatchNotes, tblPlanPlayers);

    fillPlayers(form);
    connect(tblPlanPlayers, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        // A required player plays; one no longer invited is no longer required.
        QTableWidgetItem* invited = tblPlanPlayers->item(item->row(), Invited);
        QTableWidgetItem* required = tblPlanPlayers->item(item->row(), Required);
        if (!invited || !required)
            return;
        if (item == required && required->checkState() == Qt::Checked)
            invited->setCheckState(Qt::Checked);
        else if (item == invited && invited->checkState() == Qt::Unchecked)
            required->setCheckState(Qt::Unchecked);
        countInvited();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdSaveMatch, &QPushButton::clicked, this, &frmPlanMatch::cmdSaveMatch_Click);
    txtMatchTitle->setFocus();
}

// A field that has the focus finishes its editing while the base class deletes it, when this
// object is no longer whole.
frmPlanMatch::~frmPlanMatch()
{
    tblPlanPlayers->disconnect(this);
}

void frmPlanMatch::fillPlayers(const MatchForm& form)
{
    // The invited first, so a match's players are not lost among the whole roster; members of
    // hidden divisions stay invited though the lists leave them out.
    QList<std::pair<RecordKey, QString>> rows;
    QList<std::pair<RecordKey, QString>> others;
    const QList<RosterListEntry> listed = m_roster.memberList();
    QHash<RecordKey, QString> names;
    for (const RosterListEntry& entry : listed)
        names.insert(entry.key.toByteArray(), entry.text);
    if (!m_match.isEmpty()) {
        for (const MatchPlayer& player : m_roster.match(m_match).players) {
            if (!names.contains(player.member))
                names.insert(player.member, player.name);
        }
    }
    QList<RecordKey> invited;
    for (const RecordKey& key : form.members + form.required) {
        if (!invited.contains(key) && names.contains(key))
            invited << key;
    }
    for (const RecordKey& key : std::as_const(invited))
        rows.append({key, names.value(key)});
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.second, b.second) < 0;
    });
    for (const RosterListEntry& entry : listed) {
        if (!invited.contains(entry.key.toByteArray()))
            rows.append({entry.key.toByteArray(), entry.text});
    }
    QSignalBlocker quiet(tblPlanPlayers);
    tblPlanPlayers->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const auto& [key, name] = rows[row];
        auto* player = new QTableWidgetItem(name);
        player->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        player->setCheckState(invited.contains(key) ? Qt::Checked : Qt::Unchecked);
        player->setData(Qt::UserRole, key);
        auto* required = new QTableWidgetItem;
        required->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        required->setCheckState(form.required.contains(key) ? Qt::Checked : Qt::Unchecked);
        required->setData(Qt::AccessibleTextRole, tr("Required: %1").arg(name));
        tblPlanPlayers->setItem(row, Invited, player);
        tblPlanPlayers->setItem(row, Required, required);
    }
    if (!rows.isEmpty())
        tblPlanPlayers->setCurrentCell(0, Invited);
    countInvited();
}

void frmPlanMatch::countInvited()
{
    int invited = 0;
    int required = 0;
    for (int row = 0; row < tblPlanPlayers->rowCount(); ++row) {
        invited += tblPlanPlayers->item(row, Invited)->checkState() == Qt::Checked ? 1 : 0;
        required += tblPlanPlayers->item(row, Required)->checkState() == Qt::Checked ? 1 : 0;
    }
    const QString text = tr("%1 invited, %2 required").arg(invited).arg(required);
    lblPlanInvited->setText(text);
    lblPlanInvited->setAccessibleName(text);
}

MatchForm frmPlanMatch::form() const
{
    MatchForm form;
    form.at = txtPlanDate->text().trimmed() + QLatin1Char(' ') + txtPlanTime->text().trimmed();
    form.length = txtPlanLength->text();
    form.title = txtMatchTitle->text();
    form.notes = txtMatchNotes->toPlainText();
    form.minimum = txtPlanMinimum->text();
    for (int row = 0; row < tblPlanPlayers->rowCount(); ++row) {
        const QTableWidgetItem* player = tblPlanPlayers->item(row, Invited);
        const RecordKey key = player->data(Qt::UserRole).toByteArray();
        if (player->checkState() == Qt::Checked)
            form.members << key;
        if (tblPlanPlayers->item(row, Required)->checkState() == Qt::Checked)
            form.required << key;
    }
    return form;
}

void frmPlanMatch::refuse(const RosterError& error)
{
    Messages::error(this, error);
    QWidget* field = nullptr;
    if (const auto* plan = dynamic_cast<const PlanInputError*>(&error))
        field = plan->planField() == PlanInputError::Field::MatchLength ? txtPlanLength : txtPlanMinimum;
    else if (error.field() && error.field()->kind == FormField::Kind::MatchTime)
        field = txtPlanTime;
    else if (error.field() && error.field()->kind == FormField::Kind::MatchDate)
        field = txtPlanDate->text().trimmed().isEmpty() || !txtPlanTime->text().trimmed().isEmpty()
            ? static_cast<QWidget*>(txtPlanDate)
            : txtPlanTime;
    else if (error.kind() == ErrorKind::Selection)
        field = tblPlanPlayers;
    else if (txtMatchNotes->toPlainText().trimmed().size() > Match::MaxNotesLength)
        field = txtMatchNotes;
    if (field)
        field->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(field))
        line->selectAll();
}

void frmPlanMatch::cmdSaveMatch_Click()
{
    // A time typed as "8pm" is read as the field shows it once left.
    for (TimeEntryField* field : {txtPlanDate, txtPlanTime}) {
        if (!field->acceptText()) {
            field->setFocus();
            return;
        }
    }
    const MatchForm typed = form();
    try {
        if (m_match.isEmpty()) {
            m_match = m_roster.planMatch(m_roster.viewpoint(), typed);
        } else {
            // Answers were given for the old time: moving the match asks everyone again.
            const Match stored = m_roster.match(m_match);
            const bool answered
                = std::any_of(stored.players.cbegin(), stored.players.cend(),
                              [](const MatchPlayer& p) { return p.answer != MatchAnswer::None; });
            const bool moved
                = DateTime::parse(typed.at.simplified()) != DateTime::parse(m_loaded.at.simplified())
                || typed.length.trimmed().toInt() != m_loaded.length.trimmed().toInt();
            if (answered && moved
                && Messages::show(this, tr("Edit Match"),
                                  tr("Moving the match or changing its length sets every "
                                     "answer back to no answer; the players are asked again. "
                                     "Save it?"),
                                  Messages::Icon::Question, Messages::Buttons::YesNo)
                    != Messages::Answer::Yes)
                return;
            m_roster.editMatch(m_roster.viewpoint(), m_match, typed);
        }
    } catch (const RosterError& error) {
        refuse(error);
        return;
    }
    accept();
}
