#include "SchedulingTab.h"

#include "FindBestTimes.h"
#include "MatchFields.h"
#include "ShowAvailableMembers.h"
#include "app/ControlNames.h"
#include "app/Messages.h"
#include "app/ProgressScope.h"
#include "app/frmTallyhold.h"
#include "store/RosterError.h"
#include "time/TimeEntryField.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SchedulingTab::SchedulingTab(frmTallyhold& main, QWidget* parent)
    : QWidget(parent)
    , m_main(main)
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
}

QList<QWidget*> SchedulingTab::keyboardOrder() const
{
    return {lstSchedules, txtMatchDate,     txtMatchTime, cmdShowAvailable,
            lstAvailable, cmdShowBestTimes, lstBestTimes};
}

QList<RecordKey> SchedulingTab::selectedMembers() const
{
    QList<RecordKey> keys;
    for (const QListWidgetItem* item : lstSchedules->selectedItems())
        keys << item->data(Qt::UserRole).toByteArray();
    return keys;
}

bool SchedulingTab::checkSelection()
{
    if (!lstSchedules->selectedItems().isEmpty())
        return true;
    Messages::show(this, QStringLiteral("Selection Error"),
                   QStringLiteral("You must Select Member(s) from the list!"), Messages::Icon::Critical);
    return false;
}

void SchedulingTab::reportMissing(const QList<int>& dataErrors, const QStringList& missingZones)
{
    for (const int number : dataErrors)
        Messages::error(this, DataError(number));
    Messages::missingZones(this, missingZones);
}

void SchedulingTab::cmdShowAvailable_Click()
{
    if (!checkSelection())
        return;
    for (TimeEntryField* field : {txtMatchDate, txtMatchTime}) {
        if (field->text().trimmed().isEmpty()) {
            Messages::show(this, QStringLiteral("Schedule Process Error"),
                           field == txtMatchDate ? QStringLiteral("Match Date must be filled!")
                                                 : QStringLiteral("Match Time must be filled!"),
                           Messages::Icon::Information);
            field->setFocus();
            return;
        }
    }
    lstAvailable->clear();
    const Preferences& preferences = m_main.preferences();
    try {
        AvailableMembers available;
        {
            ProgressScope progress(m_main);
            available = ShowAvailableMembers(m_main.database(),
                                             {selectedMembers(), txtMatchDate->text(), txtMatchTime->text(),
                                              preferences.userTimeZone, preferences.userDST});
            lstAvailable->addItems(available.names);
        }
        reportMissing(available.missingTimes, available.missingZones);
    } catch (const RosterError& error) {
        Messages::error(this, error);
    }
}

void SchedulingTab::cmdShowBestTimes_Click()
{
    if (!checkSelection())
        return;
    lstBestTimes->clear();
    const Preferences& preferences = m_main.preferences();
    try {
        BestTimes best;
        {
            ProgressScope progress(m_main);
            best = FindBestTimes(m_main.database(),
                                 {selectedMembers(), preferences.userTimeZone, preferences.userDST,
                                  preferences.timeGranularity, preferences.maxResults});
            lstBestTimes->addItems(best.lines());
        }
        reportMissing(best.missingTimes ? QList<int> {1036} : QList<int>(), best.missingZones);
    } catch (const RosterError& error) {
        Messages::error(this, error);
    }
}

void SchedulingTab::lstBestTimes_DblClick()
{
    const QListWidgetItem* item = lstBestTimes->currentItem();
    if (!item)
        return;
    const auto fields = MatchFields::fromBestTimeLine(item->text(), QDate::currentDate());
    if (!fields)
        return;
    txtMatchDate->setText(fields->matchDate);
    txtMatchTime->setText(fields->matchTime);
    cmdShowAvailable_Click();
}
