#include "SchedulingTab.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "gui/ProgressScope.h"
#include "gui/TimeEntryField.h"
#include "roster/Roster.h"
#include "roster/RosterTexts.h"
#include "scheduling/MatchFields.h"
#include "store/RosterError.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SchedulingTab::SchedulingTab(Roster& roster, QProgressBar& progress, QWidget* parent)
    : QWidget(parent)
    , m_roster(roster)
    , m_progress(progress)
{
    lstSchedules = named(new QListWidget, "lstSchedules", QStringLiteral("Select Member(s)"),
                         QStringLiteral("Select Member(s)"));
    lstSchedules->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Frame8 = named(new QGroupBox(QStringLiteral("Who can make the match")), "Frame8",
                   QStringLiteral("Who can make the match"));
    txtMatchDate
        = named(new TimeEntryField(TimeEntryField::Kind::Date), "txtMatchDate", QStringLiteral("Date"));
    txtMatchTime
        = named(new TimeEntryField(TimeEntryField::Kind::Time), "txtMatchTime", QStringLiteral("Time"));
    cmdShowAvailable = named(new QPushButton(QStringLiteral("Show Available")), "cmdShowAvailable",
                             QStringLiteral("Show Available"));
    lstAvailable = named(new QListWidget, "lstAvailable", QStringLiteral("Available members"));
    Frame7 = named(new QGroupBox(QStringLiteral("Best Times for Matches")), "Frame7",
                   QStringLiteral("Best Times for Matches"));
    cmdShowBestTimes = named(new QPushButton(QStringLiteral("Show Best Times")), "cmdShowBestTimes",
                             QStringLiteral("Show Best Times"));
    lstBestTimes = named(new QListWidget, "lstBestTimes", QStringLiteral("Best times"),
                         QStringLiteral("Double click on a time and show who!"));

    auto* members = new QVBoxLayout;
    members->addWidget(captionFor(lstSchedules, QStringLiteral("Select Member(s)")));
    members->addWidget(lblSchedulesHint = hintLabel("lblSchedulesHint"));
    members->addWidget(lstSchedules);

    auto* when = new QFormLayout;
    when->addRow(captionFor(txtMatchDate, QStringLiteral("Date")), txtMatchDate);
    when->addRow(captionFor(txtMatchTime, QStringLiteral("Time")), txtMatchTime);
    auto* match = new QVBoxLayout(Frame8);
    match->addLayout(when);
    match->addWidget(cmdShowAvailable, 0, Qt::AlignLeft);
    match->addWidget(lstAvailable);

    auto* best = new QVBoxLayout(Frame7);
    best->addWidget(cmdShowBestTimes, 0, Qt::AlignLeft);
    best->addWidget(lstBestTimes);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(members, 3);
    layout->addWidget(Frame8, 2);
    layout->addWidget(Frame7, 3);

    connect(cmdShowAvailable, &QPushButton::clicked, this, &SchedulingTab::cmdShowAvailable_Click);
    connect(cmdShowBestTimes, &QPushButton::clicked, this, &SchedulingTab::cmdShowBestTimes_Click);
    connect(lstBestTimes, &QListWidget::itemDoubleClicked, this, &SchedulingTab::lstBestTimes_DblClick);
    // The keyboard reaches what the mouse does: Enter asks who can make the match, and Enter on
    // a best time acts as its double click.
    for (TimeEntryField* field : {txtMatchDate, txtMatchTime})
        connect(field, &QLineEdit::returnPressed, this, &SchedulingTab::cmdShowAvailable_Click);
    lstBestTimes->installEventFilter(this);
}

QList<QWidget*> SchedulingTab::keyboardOrder() const
{
    return {lstSchedules, txtMatchDate,     txtMatchTime, cmdShowAvailable,
            lstAvailable, cmdShowBestTimes, lstBestTimes};
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
    return keys;
}

QString SchedulingTab::bestTimeLine(const BestTimeTally& tally)
{
    return RosterTexts::bestTimeLine(tally);
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
            lstAvailable->clear();
            ProgressScope progress(m_progress);
            available = m_roster.showAvailable(members, date, time);
            lstAvailable->addItems(available.names);
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
            lstBestTimes->clear();
            ProgressScope progress(m_progress);
            best = m_roster.bestTimes(members);
            for (const BestTimeTally& tally : best.tallies) {
                auto* item = new QListWidgetItem(bestTimeLine(tally));
                item->setData(Qt::UserRole, tally.weekMinute);
                lstBestTimes->addItem(item);
            }
        }
        reportMissing(best.missingTimes, best.missingZones);
    } catch (const RosterError& error) {
        refuse(error);
    }
}

void SchedulingTab::lstBestTimes_DblClick()
{
    const QListWidgetItem* item = lstBestTimes->currentItem();
    if (!item)
        return;
    const MatchFields fields
        = MatchFields::forWeekMinute(item->data(Qt::UserRole).toInt(), QDate::currentDate());
    txtMatchDate->setText(fields.matchDate);
    txtMatchTime->setText(fields.matchTime);
    cmdShowAvailable_Click();
}
