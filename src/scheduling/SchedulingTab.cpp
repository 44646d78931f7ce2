#include "SchedulingTab.h"

#include "app/ControlNames.h"
#include "app/frmTallyhold.h"
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

void SchedulingTab::cmdShowAvailable_Click() { }

void SchedulingTab::cmdShowBestTimes_Click() { }

void SchedulingTab::lstBestTimes_DblClick() { }
