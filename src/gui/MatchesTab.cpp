#include "MatchesTab.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "gui/frmAttendance.h"
#include "gui/frmPlanMatch.h"
#include "gui/frmReminder.h"
#include "roster/Roster.h"
#include "store/RosterError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

bool started(const Match& match)
{
    return QDateTime::currentSecsSinceEpoch() >= match.unixStart();
}

QTableWidgetItem* cell(const QString& text, const QString& toolTip = {})
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setToolTip(toolTip);
    return item;
}

// Sorts as a number.
QTableWidgetItem* number(int value)
{
    auto* item = cell(QString());
    item->setData(Qt::DisplayRole, value);
    return item;
}

} // namespace

MatchesTab::MatchesTab(Roster& roster, QWidget* parent)
    : QWidget(parent)
    , m_roster(roster)
{
    chkPastMatches = named(new QCheckBox(tr("Show past matches")), "chkPastMatches", tr("Show past matches"));
    lstMatches = named(new QTreeWidget, "lstMatches", tr("Matches"),
                       tr("Upcoming matches, earliest first, with their answers counted"));
    lstMatches->setColumnCount(2);
    lstMatches->setHeaderLabels({tr("Match"), tr("When and answers")});
    lstMatches->setRootIsDecorated(false);
    lstMatches->setUniformRowHeights(true);
    lstMatches->header()->setStretchLastSection(true);
    lstMatches->setColumnWidth(0, 200);
    cmdEditMatch = named(new QPushButton(tr("Edit…")), "cmdEditMatch", tr("Edit Match…"),
                         tr("Change the time, players, title or notes; a new time asks everyone again"));
    cmdCancelMatch = named(new QPushButton(tr("Cancel Match")), "cmdCancelMatch", tr("Cancel Match"),
                           tr("Mark the match cancelled in every calendar; it can be restored"));
    cmdDeleteMatch = named(new QPushButton(tr("Delete")), "cmdDeleteMatch", tr("Delete Match"),
                           tr("Remove the match with its answers and attendance"));
    cmdReminder = named(new QPushButton(tr("Reminder…")), "cmdReminder", tr("Reminder…"),
                        tr("A message for those who have not answered"));
    cmdAttendance = named(new QPushButton(tr("Attendance…")), "cmdAttendance", tr("Attendance…"),
                          tr("Once the match has started: tick who came"));

    grpMatchPlayers = named(new QGroupBox(tr("Players")), "grpMatchPlayers", tr("Players"));
    lblMatchDetail = named(new QLabel, "lblMatchDetail", QString());
    lblMatchDetail->setWordWrap(true);
    lblMatchDetail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tblMatchPlayers = named(new QTableWidget(0, 5), "tblMatchPlayers", tr("Players"));
    tblMatchPlayers->setHorizontalHeaderLabels(
        {tr("Player"), tr("Answer"), tr("Note"), tr("Their week"), tr("Came")});
    tblMatchPlayers->verticalHeader()->hide();
    tblMatchPlayers->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblMatchPlayers->setSelectionMode(QAbstractItemView::SingleSelection);
    tblMatchPlayers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblMatchPlayers->setTabKeyNavigation(false);
    // Sized once a fill is done: sizing to contents at every cell set costs more than the fill.
    tblMatchPlayers->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblMatchPlayers->horizontalHeader()->setSectionResizeMode(Note, QHeaderView::Stretch);
    cmbAnswer
        = named(new QComboBox, "cmbAnswer", tr("Answer"), tr("The answer the highlighted player gave you"));
    for (const MatchAnswer answer :
         {MatchAnswer::Yes, MatchAnswer::Maybe, MatchAnswer::Late, MatchAnswer::No})
        cmbAnswer->addItem(AnswerWords(answer).shown(), int(answer));
    txtAnswerNote = named(new QLineEdit, "txtAnswerNote", tr("Note"));
    txtAnswerNote->setMaxLength(MatchPlayer::MaxNoteLength);
    // Long captions in other languages must not squeeze the note to nothing.
    txtAnswerNote->setMinimumWidth(txtAnswerNote->fontMetrics().averageCharWidth() * 12);
    cmdAnswer = named(new QPushButton(tr("Set Answer")), "cmdAnswer", tr("Set Answer"),
                      tr("Answer for the highlighted player, as they told you"));

    grpAttendance = named(new QGroupBox(tr("Attendance history")), "grpAttendance", tr("Attendance history"));
    spnAttendanceLast = named(new QSpinBox, "spnAttendanceLast", tr("Last matches counted"),
                              tr("Matches that started and were not cancelled, latest first"));
    spnAttendanceLast->setRange(1, 1000);
    spnAttendanceLast->setValue(10);
    tblAttendance = named(new QTableWidget(0, 5), "tblAttendance", tr("Attendance history"),
                          tr("Per member over the last matches; click a heading to sort"));
    tblAttendance->setHorizontalHeaderLabels(
        {tr("Member"), tr("Invited"), tr("Said\nyes"), tr("Came"), tr("Said yes but\ndid not come")});
    tblAttendance->verticalHeader()->hide();
    tblAttendance->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblAttendance->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblAttendance->setTabKeyNavigation(false);
    // Names in full; the counts take what their headings need.
    tblAttendance->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblAttendance->horizontalHeader()->setStretchLastSection(true);
    // By name until the leader sorts by a count.
    tblAttendance->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);

    auto* top = new QHBoxLayout;
    top->addWidget(captionFor(lstMatches, tr("Matches")));
    top->addStretch();
    top->addWidget(chkPastMatches);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdEditMatch, cmdCancelMatch, cmdDeleteMatch, cmdReminder, cmdAttendance})
        buttons->addWidget(button);
    buttons->addStretch();

    auto* answer = new QHBoxLayout;
    answer->addWidget(captionFor(cmbAnswer, tr("Highlighted player's answer")));
    answer->addWidget(cmbAnswer);
    answer->addWidget(captionFor(txtAnswerNote, tr("Note")));
    answer->addWidget(txtAnswerNote, 1);
    answer->addWidget(cmdAnswer);
    auto* players = new QVBoxLayout(grpMatchPlayers);
    players->addWidget(lblMatchDetail);
    players->addWidget(tblMatchPlayers, 1);
    players->addLayout(answer);

    auto* lastRow = new QHBoxLayout;
    lastRow->addWidget(captionFor(spnAttendanceLast, tr("Last")));
    lastRow->addWidget(spnAttendanceLast);
    lastRow->addWidget(new QLabel(tr("matches")));
    lastRow->addStretch();
    auto* history = new QVBoxLayout(grpAttendance);
    history->addLayout(lastRow);
    history->addWidget(tblAttendance, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(grpMatchPlayers, 1);
    bottom->addWidget(grpAttendance, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lblMatchesHint = hintLabel("lblMatchesHint"));
    layout->addWidget(lstMatches, 1);
    layout->addLayout(buttons);
    layout->addLayout(bottom, 2);
    // A line a row, so a match's players fit without scrolling.
    for (QTableWidget* table : {tblMatchPlayers, tblAttendance})
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().lineSpacing() + 6);

    // A save of many answers or marks, here or by another officer, refills once.
    m_refill = new QTimer(this);
    m_refill->setSingleShot(true);
    m_refill->setInterval(0);
    connect(m_refill, &QTimer::timeout, this, &MatchesTab::refill);
    connect(&m_roster, &Roster::matchesChanged, m_refill, qOverload<>(&QTimer::start));
    connect(&m_roster, &Roster::membersChanged, m_refill, qOverload<>(&QTimer::start));
    connect(chkPastMatches, &QCheckBox::toggled, this, &MatchesTab::refill);
    connect(spnAttendanceLast, &QSpinBox::valueChanged, this, &MatchesTab::fillAttendance);
    connect(lstMatches, &QTreeWidget::itemSelectionChanged, this, [this] { showMatch(true); });
    connect(tblMatchPlayers, &QTableWidget::itemSelectionChanged, this, &MatchesTab::showPlayerAnswer);
    connect(cmdEditMatch, &QPushButton::clicked, this, &MatchesTab::cmdEditMatch_Click);
    connect(cmdCancelMatch, &QPushButton::clicked, this, &MatchesTab::cmdCancelMatch_Click);
    connect(cmdDeleteMatch, &QPushButton::clicked, this, &MatchesTab::cmdDeleteMatch_Click);
    connect(cmdReminder, &QPushButton::clicked, this, &MatchesTab::cmdReminder_Click);
    connect(cmdAttendance, &QPushButton::clicked, this, &MatchesTab::cmdAttendance_Click);
    connect(cmdAnswer, &QPushButton::clicked, this, &MatchesTab::cmdAnswer_Click);
    connect(txtAnswerNote, &QLineEdit::returnPressed, this, &MatchesTab::cmdAnswer_Click);
    refill();
}

QList<QWidget*> MatchesTab::keyboardOrder() const
{
    return {chkPastMatches, lstMatches,        cmdEditMatch,    cmdCancelMatch, cmdDeleteMatch,
            cmdReminder,    cmdAttendance,     tblMatchPlayers, cmbAnswer,      txtAnswerNote,
            cmdAnswer,      spnAttendanceLast, tblAttendance};
}

std::optional<RecordKey> MatchesTab::selectedMatch() const
{
    const QList<QTreeWidgetItem*> selected = lstMatches->selectedItems();
    if (selected.isEmpty() || !selected.first()->data(0, Qt::UserRole).isValid())
        return std::nullopt;
    return selected.first()->data(0, Qt::UserRole).toByteArray();
}

void MatchesTab::selectMatch(const RecordKey& match)
{
    m_refill->stop();
    fill(match);
    if (QTreeWidgetItem* item = lstMatches->currentItem())
        lstMatches->scrollToItem(item);
}

void MatchesTab::refill()
{
    fill(selectedMatch());
}

void MatchesTab::fill(const std::optional<RecordKey>& selected)
{
    const Viewpoint view = m_roster.viewpoint();
    QList<MatchSummary> upcoming;
    QList<MatchSummary> past;
    try {
        upcoming = m_roster.matches(view);
        if (chkPastMatches->isChecked())
            past = m_roster.matches(view, true);
    } catch (const RosterError& error) {
        Messages::error(window(), error);
        return;
    }
    {
        const QSignalBlocker quiet(lstMatches);
        lstMatches->clear();
        const auto add = [this](const MatchSummary& summary) {
            auto* item = new QTreeWidgetItem({summary.match.title, summary.line.shown()});
            item->setData(0, Qt::UserRole, summary.match.key);
            item->setToolTip(1, item->text(1));
            if (summary.match.cancelled) {
                for (int column = 0; column < 2; ++column)
                    item->setForeground(column, palette().brush(QPalette::Disabled, QPalette::Text));
            }
            lstMatches->addTopLevelItem(item);
        };
        for (const MatchSummary& summary : std::as_const(upcoming))
            add(summary);
        if (chkPastMatches->isChecked()) {
            auto* heading = new QTreeWidgetItem(
                {past.isEmpty() ? tr("No past matches") : tr("Past matches, latest first")});
            heading->setFlags(Qt::ItemIsEnabled);
            QFont bold = heading->font(0);
            bold.setBold(true);
            heading->setFont(0, bold);
            lstMatches->addTopLevelItem(heading);
            heading->setFirstColumnSpanned(true);
            for (const MatchSummary& summary : std::as_const(past))
                add(summary);
        }
        for (int row = 0; selected && row < lstMatches->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = lstMatches->topLevelItem(row);
            if (item->data(0, Qt::UserRole).toByteArray() == *selected)
                lstMatches->setCurrentItem(item);
        }
    }
    showHint(lblMatchesHint,
             upcoming.isEmpty() && past.isEmpty()
                 ? tr("No matches planned yet: choose members on Scheduling and press Plan Match…")
                 : QString());
    showMatch(false);
    fillAttendance();
}

void MatchesTab::showMatch(bool reportZones)
{
    const std::optional<RecordKey> key = selectedMatch();
    const int playerRow = tblMatchPlayers->currentRow();
    // Another match: the answer row starts again from its highlighted player.
    if (!m_shown || !key || m_shown->key != *key)
        m_answerFor.clear();
    m_shown.reset();
    tblMatchPlayers->setRowCount(0);
    MatchStatus status;
    if (key) {
        try {
            status = m_roster.matchStatus(m_roster.viewpoint(), *key);
            m_shown = status.summary.match;
            // The status carries the players apart from the match.
            for (const MatchPlayerStatus& player : std::as_const(status.players))
                m_shown->players.append(player.player);
        } catch (const RosterError& error) {
            // Gone under the user's hands: the refill that follows drops it from the list.
            if (error.kind() != ErrorKind::RowVanished)
                Messages::error(window(), error);
        }
    }
    const bool shown = m_shown.has_value();
    const bool began = shown && started(*m_shown);
    const bool cancelled = shown && m_shown->cancelled;
    for (QPushButton* button : {cmdEditMatch, cmdCancelMatch, cmdDeleteMatch, cmdReminder})
        button->setEnabled(shown);
    cmdCancelMatch->setText(cancelled ? tr("Restore Match") : tr("Cancel Match"));
    cmdCancelMatch->setAccessibleName(cmdCancelMatch->text());
    cmdReminder->setEnabled(shown && !began && !cancelled);
    cmdAttendance->setEnabled(began && !cancelled);
    for (QWidget* control : {static_cast<QWidget*>(cmbAnswer), static_cast<QWidget*>(txtAnswerNote),
                             static_cast<QWidget*>(cmdAnswer)})
        control->setEnabled(shown && !began && !cancelled);
    tblMatchPlayers->setColumnHidden(Came, !began);
    if (!shown) {
        grpMatchPlayers->setTitle(tr("Players"));
        showValue(lblMatchDetail, QString());
        lblMatchDetail->setText(tr("Highlight a match to see its players."));
        return;
    }
    const Match& match = *m_shown;
    grpMatchPlayers->setTitle(tr("Players of %1").arg(match.title));
    QString detail = tr("%1 minutes, at least %2 must say yes; planned on %3's clock")
                         .arg(match.length)
                         .arg(match.minimum)
                         .arg(match.zone);
    if (cancelled)
        detail = tr("Cancelled. %1").arg(detail);
    else if (began)
        detail = tr("Started: answers are closed, attendance can be taken. %1").arg(detail);
    if (!match.notes.isEmpty())
        detail += QLatin1Char('\n') + match.notes;
    lblMatchDetail->setText(detail);
    lblMatchDetail->setAccessibleName(detail);

    tblMatchPlayers->setRowCount(int(status.players.size()));
    for (int row = 0; row < status.players.size(); ++row) {
        const MatchPlayerStatus& player = status.players[row];
        const MatchPlayer& p = player.player;
        auto* name = cell(p.required ? tr("%1 (required)").arg(p.name) : p.name);
        name->setData(Qt::UserRole, p.member);
        tblMatchPlayers->setItem(row, Player, name);
        tblMatchPlayers->setItem(row, Answer, cell(AnswerWords(p.answer).shown()));
        tblMatchPlayers->setItem(row, Note, cell(p.note, p.note));
        // Only those who cannot play are marked, so they stand out.
        auto* week = player.canPlay
            ? cell(QString())
            : cell(tr("⚠ cannot play"),
                   tr("%1's week or away dates say they cannot play all of this match").arg(p.name));
        week->setData(Qt::AccessibleTextRole, player.canPlay ? tr("can play") : week->text());
        tblMatchPlayers->setItem(row, Week, week);
        tblMatchPlayers->setItem(
            row, Came, cell(p.attended == Attended::Unknown ? QString() : AttendedName(p.attended)));
    }
    tblMatchPlayers->resizeColumnsToContents();
    // The note takes the room left, whatever sizing to contents gave it.
    tblMatchPlayers->horizontalHeader()->setSectionResizeMode(Note, QHeaderView::Stretch);
    if (playerRow >= 0 && playerRow < tblMatchPlayers->rowCount())
        tblMatchPlayers->selectRow(playerRow);
    if (reportZones)
        Messages::missingZones(window(), status.missingZones);
}

void MatchesTab::showPlayerAnswer()
{
    const int row = tblMatchPlayers->currentRow();
    if (!m_shown || row < 0 || row >= m_shown->players.size())
        return;
    const MatchPlayer& player = m_shown->players[row];
    // A refill (another officer's answer) keeps what the leader is typing for the same player.
    if (player.member == m_answerFor)
        return;
    m_answerFor = player.member;
    if (player.answer != MatchAnswer::None)
        cmbAnswer->setCurrentIndex(cmbAnswer->findData(int(player.answer)));
    txtAnswerNote->setText(player.note);
}

void MatchesTab::fillAttendance()
{
    QList<AttendanceRecord> records;
    try {
        records = m_roster.attendance(spnAttendanceLast->value());
    } catch (const RosterError& error) {
        Messages::error(window(), error);
        return;
    }
    tblAttendance->setSortingEnabled(false);
    tblAttendance->setRowCount(int(records.size()));
    for (int row = 0; row < records.size(); ++row) {
        const AttendanceRecord& record = records[row];
        tblAttendance->setItem(row, 0, cell(record.name));
        tblAttendance->setItem(row, 1, number(record.invited));
        tblAttendance->setItem(row, 2, number(record.saidYes));
        tblAttendance->setItem(row, 3, number(record.came));
        tblAttendance->setItem(row, 4, number(record.saidYesDidNotCome));
    }
    tblAttendance->setSortingEnabled(true);
    tblAttendance->resizeColumnsToContents();
}

void MatchesTab::cmdEditMatch_Click()
{
    const std::optional<RecordKey> key = selectedMatch();
    if (!key)
        return;
    try {
        frmPlanMatch dialog(m_roster, m_roster.matchForm(m_roster.viewpoint(), *key), *key, this);
        dialog.exec();
    } catch (const RosterError& error) {
        Messages::error(window(), error);
    }
}

void MatchesTab::cmdCancelMatch_Click()
{
    const std::optional<RecordKey> key = selectedMatch();
    if (!key || !m_shown)
        return;
    try {
        m_roster.cancelMatch(*key, !m_shown->cancelled);
    } catch (const RosterError& error) {
        Messages::error(window(), error);
    }
}

void MatchesTab::cmdDeleteMatch_Click()
{
    const std::optional<RecordKey> key = selectedMatch();
    if (!key || !m_shown)
        return;
    const QString when = lstMatches->currentItem()->text(1).section(QStringLiteral(" · "), 0, 0);
    if (!Messages::confirm(window(),
                           tr("Delete the match \"%1\" of %2 with its answers and "
                              "attendance?")
                               .arg(m_shown->title, when)))
        return;
    try {
        m_roster.deleteMatch(*key);
    } catch (const RosterError& error) {
        Messages::error(window(), error);
    }
}

void MatchesTab::cmdReminder_Click()
{
    const std::optional<RecordKey> key = selectedMatch();
    if (!key || !m_shown)
        return;
    try {
        frmReminder dialog(m_shown->title, m_roster.matchReminder(m_roster.viewpoint(), *key), this);
        dialog.exec();
    } catch (const RosterError& error) {
        Messages::error(window(), error);
    }
}

void MatchesTab::cmdAttendance_Click()
{
    const std::optional<RecordKey> key = selectedMatch();
    if (!key)
        return;
    try {
        frmAttendance dialog(m_roster, m_roster.match(*key), this);
        dialog.exec();
    } catch (const RosterError& error) {
        Messages::error(window(), error);
    }
}

void MatchesTab::cmdAnswer_Click()
{
    const std::optional<RecordKey> key = selectedMatch();
    const QList<QTableWidgetItem*> player = tblMatchPlayers->selectedItems();
    if (!key || player.isEmpty()) {
        Messages::show(window(), tr("Selection Error"), tr("You must first highlight a player!"),
                       Messages::Icon::Critical);
        tblMatchPlayers->setFocus();
        return;
    }
    const RecordKey member
        = tblMatchPlayers->item(player.first()->row(), Player)->data(Qt::UserRole).toByteArray();
    try {
        m_roster.answerMatch(*key, member, MatchAnswer(cmbAnswer->currentData().toInt()),
                             txtAnswerNote->text());
    } catch (const RosterError& error) {
        Messages::error(window(), error);
        txtAnswerNote->setFocus();
    }
}
