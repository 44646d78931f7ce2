#include "SchedulingTab.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "gui/ProgressScope.h"
#include "gui/TimeEntryField.h"
#include "gui/WeekHeatmap.h"
#include "gui/WidestEntryDelegate.h"
#include "gui/frmAnnounce.h"
#include "gui/frmPlanMatch.h"
#include "roster/Roster.h"
#include "roster/RosterTexts.h"
#include "scheduling/MatchFields.h"
#include "store/RosterError.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

SchedulingTab::SchedulingTab(Roster& roster, QProgressBar& progress, QWidget* parent)
    : QWidget(parent)
    , m_roster(roster)
    , m_progress(progress)
{
    lstSchedules = named(new QListWidget, "lstSchedules", tr("Select Member(s)"), tr("Select Member(s)"));
    lstSchedules->setSelectionMode(QAbstractItemView::ExtendedSelection);
    WidestEntryDelegate::install(lstSchedules);
    Frame8 = named(new QGroupBox(tr("Who can make the match")), "Frame8", tr("Who can make the match"));
    txtMatchDate = named(new TimeEntryField(TimeEntryField::Kind::Date), "txtMatchDate", tr("Date"));
    txtMatchTime = named(new TimeEntryField(TimeEntryField::Kind::Time), "txtMatchTime", tr("Time"));
    cmdShowAvailable = named(new QPushButton(tr("Show Available")), "cmdShowAvailable", tr("Show Available"));
    lstAvailable = named(new QListWidget, "lstAvailable", tr("Available members"));
    Frame7 = named(new QGroupBox(tr("Best Times for Matches")), "Frame7", tr("Best Times for Matches"));
    txtWeekOf = named(new TimeEntryField(TimeEntryField::Kind::Date), "txtWeekOf", tr("Week of"),
                      tr("Best times and the week count the seven days from this date, "
                         "clock changes included"));
    txtWeekOf->setText(QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy")));
    cmdShowBestTimes
        = named(new QPushButton(tr("Show Best Times")), "cmdShowBestTimes", tr("Show Best Times"));
    lstBestTimes = named(new QListWidget, "lstBestTimes", tr("Best times"),
                         tr("Double click on a time and show who!"));
    cmdAnnounce = named(new QPushButton(tr("Announce…")), "cmdAnnounce", tr("Announce…"),
                        tr("Tell the chosen members when the match is, each in their own time"));
    cmdAnnounce->setEnabled(false);
    cmdPlanMatch = named(new QPushButton(tr("Plan Match…")), "cmdPlanMatch", tr("Plan Match…"),
                         tr("Invite the chosen members to a match at this time and collect "
                            "their answers on the Matches tab"));

    lblAvailableNote = named(new QLabel, "lblAvailableNote", QString());
    lblAvailableNote->setWordWrap(true);
    frmePlan = named(new QGroupBox(tr("Match plan")), "frmePlan", tr("Match plan"));
    txtMatchLength = named(new QLineEdit, "txtMatchLength", tr("Match length"),
                           tr("Minutes, 15 to 1440; empty or 1 for a single moment"));
    txtMinPlayers = named(new QLineEdit, "txtMinPlayers", tr("Minimum players"),
                          tr("How many must be able to play at least"));
    cmdRequired = named(new QPushButton(tr("Required")), "cmdRequired", tr("Required"),
                        tr("Mark or unmark the highlighted members as required"));
    lblRequired = named(new QLabel, "lblRequired", QString());
    lblRequired->setWordWrap(true);
    // Room for two lines from the start, so the fields above do not jump when members are marked.
    lblRequired->setMinimumHeight(2 * lblRequired->fontMetrics().lineSpacing());
    heatmap = new WeekHeatmap;
    heatmap->setObjectName(QStringLiteral("heatmap"));
    const Preferences& preferences = m_roster.preferences();
    txtMatchLength->setText(preferences.matchLength > 1 ? QString::number(preferences.matchLength)
                                                        : QString());
    txtMinPlayers->setText(QString::number(preferences.minimumPlayers));

    auto* plan = new QFormLayout(frmePlan);
    plan->addRow(captionFor(txtMatchLength, tr("Match length")), txtMatchLength);
    plan->addRow(captionFor(txtMinPlayers, tr("Minimum players")), txtMinPlayers);
    plan->addRow(cmdRequired, lblRequired);

    auto* members = new QVBoxLayout;
    members->addWidget(captionFor(lstSchedules, tr("Select Member(s)")));
    members->addWidget(lblSchedulesHint = hintLabel("lblSchedulesHint"));
    members->addWidget(lstSchedules, 1);
    members->addWidget(frmePlan);

    auto* when = new QFormLayout;
    when->addRow(captionFor(txtMatchDate, tr("Date")), txtMatchDate);
    when->addRow(captionFor(txtMatchTime, tr("Time")), txtMatchTime);
    auto* match = new QVBoxLayout(Frame8);
    match->addLayout(when);
    match->addWidget(cmdShowAvailable, 0, Qt::AlignLeft);
    match->addWidget(lstAvailable);
    match->addWidget(lblAvailableNote);

    auto* best = new QVBoxLayout(Frame7);
    auto* weekOf = new QFormLayout;
    weekOf->addRow(captionFor(txtWeekOf, tr("Week of")), txtWeekOf);
    best->addLayout(weekOf);
    best->addWidget(cmdShowBestTimes, 0, Qt::AlignLeft);
    best->addWidget(lstBestTimes);
    auto* act = new QHBoxLayout;
    act->addWidget(cmdAnnounce);
    act->addWidget(cmdPlanMatch);
    act->addStretch();
    best->addLayout(act);

    auto* answers = new QVBoxLayout;
    answers->addWidget(Frame8);
    answers->addWidget(Frame7);
    auto* week = new QGroupBox(tr("Week"));
    (new QVBoxLayout(week))->addWidget(heatmap);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(members, 5);
    layout->addLayout(answers, 5);
    layout->addWidget(week, 7);

    // Dragging over the list changes the selection many times; the heatmap follows once.
    m_refresh = new QTimer(this);
    m_refresh->setSingleShot(true);
    m_refresh->setInterval(0);
    connect(m_refresh, &QTimer::timeout, this, &SchedulingTab::refreshPlanner);
    connect(lstSchedules, &QListWidget::itemSelectionChanged, m_refresh, qOverload<>(&QTimer::start));
    // A refilled list shows the required members again.
    connect(lstSchedules->model(), &QAbstractItemModel::rowsInserted, m_refresh, qOverload<>(&QTimer::start));
    for (QLineEdit* field : {txtMatchLength, txtMinPlayers}) {
        connect(field, &QLineEdit::editingFinished, this, [this] {
            if (const std::optional<MatchPlan> plan = readPlan()) {
                m_roster.savePlanner(*plan);
                refreshPlanner();
            }
        });
    }
    connect(txtWeekOf, &QLineEdit::editingFinished, m_refresh, qOverload<>(&QTimer::start));
    connect(cmdRequired, &QPushButton::clicked, this, &SchedulingTab::cmdRequired_Click);
    connect(heatmap, &WeekHeatmap::momentChosen, this, &SchedulingTab::showMoment);
    connect(&m_roster, &Roster::preferencesChanged, m_refresh, qOverload<>(&QTimer::start));
    markRequired();

    connect(cmdShowAvailable, &QPushButton::clicked, this, &SchedulingTab::cmdShowAvailable_Click);
    connect(cmdShowBestTimes, &QPushButton::clicked, this, &SchedulingTab::cmdShowBestTimes_Click);
    connect(lstBestTimes, &QListWidget::itemDoubleClicked, this, &SchedulingTab::lstBestTimes_DblClick);
    // The keyboard reaches what the mouse does: Enter asks who can make the match, and Enter on
    // a best time acts as its double click.
    for (TimeEntryField* field : {txtMatchDate, txtMatchTime})
        connect(field, &QLineEdit::returnPressed, this, &SchedulingTab::cmdShowAvailable_Click);
    lstBestTimes->installEventFilter(this);

    const auto announceable = [this] {
        const QListWidgetItem* line = lstBestTimes->currentItem();
        const bool highlighted = line && line->isSelected() && line->data(Qt::UserRole).isValid();
        cmdAnnounce->setEnabled(
            highlighted
            || (!txtMatchDate->text().trimmed().isEmpty() && !txtMatchTime->text().trimmed().isEmpty()));
    };
    connect(lstBestTimes, &QListWidget::itemSelectionChanged, this, announceable);
    for (TimeEntryField* field : {txtMatchDate, txtMatchTime})
        connect(field, &QLineEdit::textChanged, this, announceable);
    connect(cmdAnnounce, &QPushButton::clicked, this, &SchedulingTab::cmdAnnounce_Click);
    connect(cmdPlanMatch, &QPushButton::clicked, this, &SchedulingTab::cmdPlanMatch_Click);
}

// A plan field that has the focus finishes its editing while the base class deletes it, when
// this object is no longer whole: closing the window must neither check nor save it.
SchedulingTab::~SchedulingTab()
{
    for (QLineEdit* field : {txtMatchLength, txtMinPlayers})
        field->disconnect(this);
}

QList<QWidget*> SchedulingTab::keyboardOrder() const
{
    // Reading order: the members and their plan, then the match, the best times, the week.
    return {lstSchedules, txtMatchLength,   txtMinPlayers, cmdRequired,     txtMatchDate,
            txtMatchTime, cmdShowAvailable, lstAvailable,  txtWeekOf,       cmdShowBestTimes,
            lstBestTimes, cmdAnnounce,      cmdPlanMatch,  heatmap->grdWeek};
}

bool SchedulingTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lstBestTimes && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && lstBestTimes->currentItem()) {
            lstBestTimes_DblClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QList<RecordKey> SchedulingTab::selectedMembers() const
{
    QList<RecordKey> keys;
    for (const QListWidgetItem* item : lstSchedules->selectedItems())
        keys << item->data(Qt::UserRole).toByteArray();
    // Required members play whatever else is highlighted.
    for (const RecordKey& key : m_required) {
        if (!keys.contains(key))
            keys << key;
    }
    return keys;
}

std::optional<QDate> SchedulingTab::readWeekOf()
{
    try {
        return Roster::readWeekOf(txtWeekOf->text());
    } catch (const RosterError& error) {
        Messages::error(this, error);
        txtWeekOf->setFocus();
        txtWeekOf->selectAll();
        return std::nullopt;
    }
}

QDate SchedulingTab::shownWeekOf() const
{
    try {
        return Roster::readWeekOf(txtWeekOf->text());
    } catch (const RosterError&) {
        return QDate::currentDate();
    }
}

std::optional<MatchPlan> SchedulingTab::readPlan()
{
    try {
        return m_roster.readMatchPlan(txtMatchLength->text(), txtMinPlayers->text(), m_required);
    } catch (const PlanInputError& error) {
        Messages::error(this, error);
        QLineEdit* field
            = error.planField() == PlanInputError::Field::MatchLength ? txtMatchLength : txtMinPlayers;
        field->setFocus();
        field->selectAll();
        return std::nullopt;
    }
}

void SchedulingTab::markRequired()
{
    // This runs on every change of the highlight, over tens of thousands of entries: while nobody
    // is or was required no entry is looked at, and only an entry whose mark changes is touched
    // (a refill brings every entry unmarked).
    QStringList names;
    if (!m_required.isEmpty() || m_marked) {
        for (int row = 0; row < lstSchedules->count(); ++row) {
            QListWidgetItem* item = lstSchedules->item(row);
            const bool required = m_required.contains(item->data(Qt::UserRole).toByteArray());
            if (required)
                names << item->text();
            if (required == item->data(Qt::AccessibleDescriptionRole).isValid())
                continue;
            QFont font = item->font();
            font.setBold(required);
            item->setFont(font);
            item->setData(Qt::AccessibleDescriptionRole, required ? tr("Required") : QVariant());
        }
        m_marked = !names.isEmpty();
    }
    lblRequired->setText(names.isEmpty() ? tr("Nobody required")
                                         : tr("Required: %1").arg(names.join(QStringLiteral("; "))));
    lblRequired->setAccessibleName(lblRequired->text());
}

void SchedulingTab::cmdRequired_Click()
{
    QList<RecordKey> highlighted;
    for (const QListWidgetItem* item : lstSchedules->selectedItems())
        highlighted << item->data(Qt::UserRole).toByteArray();
    if (highlighted.isEmpty()) {
        refuse(RosterError(ErrorKind::Selection, tr("You must Select Member(s) from the list!")));
        return;
    }
    const bool allRequired = std::all_of(highlighted.cbegin(), highlighted.cend(),
                                         [&](const RecordKey& key) { return m_required.contains(key); });
    for (const RecordKey& key : highlighted) {
        if (allRequired)
            m_required.removeAll(key);
        else if (!m_required.contains(key))
            m_required << key;
    }
    markRequired();
    refreshPlanner();
}

void SchedulingTab::refreshPlanner()
{
    markRequired();
    const QList<RecordKey> members = selectedMembers();
    if (members.isEmpty()) {
        heatmap->clear(tr("Select members to see their week."));
        return;
    }
    MatchPlan plan;
    QDate weekOf;
    try {
        plan = m_roster.readMatchPlan(txtMatchLength->text(), txtMinPlayers->text(), m_required);
        weekOf = Roster::readWeekOf(txtWeekOf->text());
    } catch (const RosterError& error) {
        // The field says so when it is left; the heatmap only waits.
        heatmap->clear(error.text());
        return;
    }
    heatmap->setWeekOf(weekOf);
    const Viewpoint view = m_roster.viewpoint(weekOf);
    heatmap->setPlan(m_roster.weekPlan(view, members, plan), [this, members, plan, view](int weekMinute) {
        return m_roster.availableAt(view, members, weekMinute, plan).names;
    });
}

void SchedulingTab::reportMissing(const QList<int>& dataErrors, const QStringList& missingZones)
{
    for (const int number : dataErrors)
        Messages::error(this, DataError(number));
    Messages::missingZones(this, missingZones);
}

void SchedulingTab::refuse(const RosterError& error)
{
    Messages::error(this, error);
    if (!error.field())
        return;
    if (error.field()->kind == FormField::Kind::MatchDate)
        txtMatchDate->setFocus();
    else if (error.field()->kind == FormField::Kind::MatchTime)
        txtMatchTime->setFocus();
}

void SchedulingTab::cmdShowAvailable_Click()
{
    try {
        AvailableMembers available;
        {
            // Checked before the list is emptied: a refusal leaves the last answer showing.
            const QList<RecordKey> members = selectedMembers();
            const QString date = txtMatchDate->text();
            const QString time = txtMatchTime->text();
            m_roster.checkMatch(members, date, time);
            const std::optional<MatchPlan> plan = readPlan();
            if (!plan)
                return;
            lstAvailable->clear();
            ProgressScope progress(m_progress);
            available = m_roster.showAvailable(m_roster.viewpoint(), members, date, time, *plan);
            lstAvailable->addItems(available.names);
            QStringList required;
            for (int row = 0; row < lstSchedules->count(); ++row) {
                const QListWidgetItem* item = lstSchedules->item(row);
                if (m_required.contains(item->data(Qt::UserRole).toByteArray()))
                    required << item->text().section(QStringLiteral(" - "), 1);
            }
            for (int row = 0; row < lstAvailable->count(); ++row) {
                QListWidgetItem* item = lstAvailable->item(row);
                if (required.contains(item->text())) {
                    QFont font = item->font();
                    font.setBold(true);
                    item->setFont(font);
                }
            }
            lblAvailableNote->setText(available.reason);
            lblAvailableNote->setAccessibleName(available.reason);
        }
        reportMissing(available.missingTimes, available.missingZones);
    } catch (const RosterError& error) {
        refuse(error);
    }
}

void SchedulingTab::cmdShowBestTimes_Click()
{
    try {
        BestTimes best;
        {
            // Checked before the list is emptied: a refusal leaves the last answer showing.
            const QList<RecordKey> members = selectedMembers();
            m_roster.checkBestTimes(members);
            const std::optional<MatchPlan> plan = readPlan();
            const std::optional<QDate> weekOf = plan ? readWeekOf() : std::nullopt;
            if (!weekOf)
                return;
            lstBestTimes->clear();
            ProgressScope progress(m_progress);
            best = m_roster.bestTimes(m_roster.viewpoint(*weekOf), members, *plan);
            for (const BestTimeTally& tally : best.tallies) {
                auto* item = new QListWidgetItem(RosterTexts::bestTimeLine(tally, *plan));
                item->setData(Qt::UserRole, tally.weekMinute);
                lstBestTimes->addItem(item);
            }
            // An empty answer says why; the line leads nowhere when double-clicked.
            if (!best.reason.isEmpty())
                lstBestTimes->addItem(best.reason);
        }
        reportMissing(best.missingTimes, best.missingZones);
    } catch (const RosterError& error) {
        refuse(error);
    }
}

void SchedulingTab::lstBestTimes_DblClick()
{
    const QListWidgetItem* item = lstBestTimes->currentItem();
    if (item && item->data(Qt::UserRole).isValid())
        showMoment(item->data(Qt::UserRole).toInt());
}

MatchFields SchedulingTab::chosenMoment() const
{
    MatchFields when {txtMatchDate->text(), txtMatchTime->text()};
    const QListWidgetItem* line = lstBestTimes->currentItem();
    if ((when.matchDate.trimmed().isEmpty() || when.matchTime.trimmed().isEmpty()) && line
        && line->data(Qt::UserRole).isValid())
        when = MatchFields::forWeekMinute(line->data(Qt::UserRole).toInt(), shownWeekOf());
    return when;
}

void SchedulingTab::cmdPlanMatch_Click()
{
    const MatchFields when = chosenMoment();
    MatchForm form;
    form.at = when.matchDate.trimmed() + QLatin1Char(' ') + when.matchTime.trimmed();
    // A single moment is no match: an hour until the leader says otherwise.
    form.length = txtMatchLength->text().trimmed().toInt() > 1 ? txtMatchLength->text().trimmed()
                                                               : QStringLiteral("60");
    form.minimum = txtMinPlayers->text().trimmed();
    form.required = m_required;
    for (const RecordKey& key : selectedMembers()) {
        if (!m_required.contains(key))
            form.members << key;
    }
    try {
        frmPlanMatch dialog(m_roster, form, {}, this);
        if (dialog.exec() == QDialog::Accepted)
            emit matchPlanned(dialog.savedMatch());
    } catch (const RosterError& error) {
        Messages::error(this, error);
    }
}

void SchedulingTab::cmdAnnounce_Click()
{
    const MatchFields when = chosenMoment();
    const QList<RecordKey> members = selectedMembers();
    const QString length
        = txtMatchLength->text().trimmed().toInt() > 1 ? txtMatchLength->text() : QStringLiteral("60");
    try {
        const MatchAnnouncement match = m_roster.announceMatch(m_roster.viewpoint(), members, when.matchDate,
                                                               when.matchTime, length, {});
        Messages::missingZones(this, match.missingZones);
        frmAnnounce dialog(m_roster, members, when.matchDate, when.matchTime, match, this);
        dialog.exec();
    } catch (const RosterError& error) {
        refuse(error);
    }
}

void SchedulingTab::showMoment(int weekMinute)
{
    const MatchFields fields = MatchFields::forWeekMinute(weekMinute, shownWeekOf());
    txtMatchDate->setText(fields.matchDate);
    txtMatchTime->setText(fields.matchTime);
    cmdShowAvailable_Click();
}
