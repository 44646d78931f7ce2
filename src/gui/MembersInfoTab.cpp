#include "MembersInfoTab.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "gui/WidestEntryDelegate.h"
#include "gui/frmSignupLinks.h"
#include "roster/Roster.h"
#include "store/RosterError.h"
#include "time/DateTime.h"

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

MembersInfoTab::MembersInfoTab(Roster& roster, QWidget* parent)
    : QWidget(parent)
    , m_roster(roster)
{
    lstMembers = named(new QListWidget, "lstMembers", tr("Members"),
                       tr("Single Click to view / Double Click to Edit"));
    lstMembers->setSelectionMode(QAbstractItemView::SingleSelection);
    // A league lists 100,000 members: sizing every entry would hold up each show and refill.
    WidestEntryDelegate::install(lstMembers);
    cmdEdit = named(new QPushButton(tr("Edit Member")), "cmdEdit", tr("Edit Member"));
    cmdDeleteMember = named(new QPushButton(tr("Delete Member")), "cmdDeleteMember", tr("Delete Member"));
    cmdSignupLinks = named(new QPushButton(tr("Sign-up Links…")), "cmdSignupLinks", tr("Sign-up Links…"),
                           tr("Private links with which members keep their own week"));

    Frame6 = named(new QGroupBox(tr("Member Info (read only)")), "Frame6", tr("Member Info (read only)"));
    lblReal = valueLabel("lblReal", tr("Real"));
    lblStatus = valueLabel("lblStatus", tr("Status"));
    lblEMail = valueLabel("lblEMail", tr("E-Mail"));
    lblContact = valueLabel("lblContact", tr("Contact"));
    lblTimeZone = valueLabel("lblTimeZone", tr("Time Zone"));
    lblNotes = valueLabel("lblNotes", tr("Notes"));
    lblNotes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblSelfUpdated = valueLabel("lblSelfUpdated", tr("Updated"));
    lblSelfUpdated->setToolTip(tr("When the member last saved their own week through a sign-up link"));
    lblAttendance = valueLabel("lblAttendance", tr("Matches"));

    lblAvailability = named(new QLabel(tr("Availability this week")), "lblAvailability",
                            tr("Availability this week"), tr("Place mouse over days to display times"));
    QFont heading = lblAvailability->font();
    heading.setBold(true);
    lblAvailability->setFont(heading);
    lblViewZone = named(new QLabel, "lblViewZone", tr("Zone of the times"));
    lblViewZone->hide();
    const auto day = [](const char* objectName, const QString& caption, const QString& accessibleName) {
        auto* label = named(new QLabel(caption), objectName, accessibleName);
        label->hide();
        return label;
    };
    lblMon = day("lblMon", tr("Mon"), tr("Monday"));
    lblTue = day("lblTue", tr("Tue"), tr("Tuesday"));
    lblWed = day("lblWed", tr("Wed"), tr("Wednesday"));
    lblThu = day("lblThu", tr("Thu"), tr("Thursday"));
    lblFri = day("lblFri", tr("Fri"), tr("Friday"));
    lblSatSun = day("lblSatSun", tr("Sat/Sun"), tr("Saturday / Sunday"));
    lblNoSched = named(new QLabel(tr("No Scheduling Information Present")), "lblNoSched",
                       tr("No Scheduling Information Present"));
    lblNoSched->hide();
    // The changes' dates and times are the member's own, unlike the week's above.
    lblChangesHeading = named(new QLabel(tr("Away and one-off changes, on the member's clock")),
                              "lblChangesHeading", tr("Away and one-off changes, on the member's clock"),
                              tr("Set on Add / Edit Members with Away / Changes…"));
    lblChangesHeading->setFont(heading);
    lblChangesHeading->hide();
    lblChanges = valueLabel("lblChanges", tr("Away and one-off changes"));
    lblChanges->hide();

    auto* details = new QFormLayout;
    details->setLabelAlignment(Qt::AlignRight);
    details->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    details->addRow(captionFor(lblReal, tr("Real")), lblReal);
    details->addRow(captionFor(lblStatus, tr("Status")), lblStatus);
    details->addRow(captionFor(lblEMail, tr("E-Mail")), lblEMail);
    details->addRow(captionFor(lblContact, tr("Contact")), lblContact);
    details->addRow(captionFor(lblTimeZone, tr("Time Zone")), lblTimeZone);
    details->addRow(captionFor(lblNotes, tr("Notes")), lblNotes);
    details->addRow(captionFor(lblSelfUpdated, tr("Updated")), lblSelfUpdated);
    details->addRow(captionFor(lblAttendance, tr("Matches")), lblAttendance);

    // One played day a line, its times beside it, so nobody has to hover to read them.
    auto* days = new QGridLayout;
    const auto labels = dayLabels();
    for (int day = 0; day < int(labels.size()); ++day) {
        const QByteArray name = labels[day]->objectName().toLatin1() + "Times";
        m_dayTimes[day] = valueLabel(name.constData(), labels[day]->accessibleName());
        m_dayTimes[day]->hide();
        days->addWidget(labels[day], day, 0);
        days->addWidget(m_dayTimes[day], day, 1);
    }
    days->setColumnStretch(1, 1);

    auto* frame = new QVBoxLayout(Frame6);
    frame->addLayout(details);
    frame->addSpacing(12);
    frame->addWidget(lblAvailability);
    frame->addWidget(lblViewZone);
    frame->addLayout(days);
    frame->addWidget(lblNoSched);
    frame->addSpacing(12);
    frame->addWidget(lblChangesHeading);
    frame->addWidget(lblChanges);
    frame->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdEdit);
    buttons->addWidget(cmdDeleteMember);
    buttons->addWidget(cmdSignupLinks);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(lblMembersHint = hintLabel("lblMembersHint"));
    left->addWidget(lstMembers);
    left->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(Frame6, 1);

    // Click runs on every change of the selected entry, by mouse or keys (a refill selects
    // nothing), and on a click on the entry already selected, which shows it afresh.
    connect(lstMembers, &QListWidget::itemSelectionChanged, this, [this] {
        if (lstMembers->selectedItems().isEmpty())
            return;
        m_shownOnPress = true;
        lstMembers_Click();
    });
    connect(lstMembers, &QListWidget::pressed, this, [this] {
        if (!m_shownOnPress)
            lstMembers_Click();
    });
    lstMembers->viewport()->installEventFilter(this);
    connect(lstMembers, &QListWidget::itemDoubleClicked, this, &MembersInfoTab::lstMembers_DblClick);
    connect(cmdEdit, &QPushButton::clicked, this, &MembersInfoTab::cmdEdit_Click);
    connect(cmdDeleteMember, &QPushButton::clicked, this, &MembersInfoTab::cmdDeleteMember_Click);
    connect(cmdSignupLinks, &QPushButton::clicked, this, &MembersInfoTab::cmdSignupLinks_Click);
    // Attendance taken elsewhere shows on the member in view.
    connect(&m_roster, &Roster::matchesChanged, this, [this] {
        if (const auto member = selectedMember(false))
            showAttendance(*member);
    });
}

QList<QWidget*> MembersInfoTab::keyboardOrder() const
{
    return {lstMembers, cmdEdit, cmdDeleteMember, cmdSignupLinks};
}

bool MembersInfoTab::eventFilter(QObject* watched, QEvent* event)
{
    // Seen before the list handles the press, which may or may not change the selection.
    if (event->type() == QEvent::MouseButtonPress)
        m_shownOnPress = false;
    return QWidget::eventFilter(watched, event);
}

std::array<QLabel*, 6> MembersInfoTab::dayLabels() const
{
    return {lblMon, lblTue, lblWed, lblThu, lblFri, lblSatSun};
}

std::optional<RecordKey> MembersInfoTab::selectedMember(bool complain) const
{
    const QList<QListWidgetItem*> selected = lstMembers->selectedItems();
    if (!selected.isEmpty())
        return selected.first()->data(Qt::UserRole).toByteArray();
    if (complain)
        Messages::show(window(), tr("Selection Error"), tr("You must first highlight a Member!"),
                       Messages::Icon::Critical);
    return std::nullopt;
}

void MembersInfoTab::ClearMemberInfo()
{
    for (QLabel* label :
         {lblReal, lblStatus, lblEMail, lblContact, lblTimeZone, lblNotes, lblSelfUpdated, lblAttendance})
        showValue(label, QString());
    for (QLabel* label : dayLabels()) {
        label->hide();
        label->setToolTip(QString());
        label->setAccessibleDescription(QString());
    }
    for (QLabel* times : m_dayTimes) {
        showValue(times, QString());
        times->hide();
    }
    lblNoSched->hide();
    lblViewZone->hide();
    showValue(lblChanges, QString());
    lblChanges->hide();
    lblChangesHeading->hide();
}

void MembersInfoTab::ShowMemberInfo()
{
    ClearMemberInfo();
    const auto member = selectedMember(false);
    if (!member)
        return;
    MemberInfo info;
    QDateTime selfUpdated;
    try {
        info = m_roster.memberInfo(*member);
        selfUpdated = m_roster.selfUpdated(*member);
    } catch (const RosterError& error) {
        Messages::error(window(), error);
        return;
    }
    showValue(lblReal, info.real);
    showValue(lblStatus, info.status.shown());
    showValue(lblEMail, info.email);
    showValue(lblContact, info.contact);
    showValue(lblTimeZone, info.timeZone);
    showValue(lblNotes, info.notes);
    showValue(lblSelfUpdated,
              selfUpdated.isValid()
                  ? tr("by the member, %1")
                        .arg(selfUpdated.toLocalTime().date().toString(QStringLiteral("M/d/yyyy"))
                             + QLatin1Char(' ')
                             + DateTime::fromTime(selfUpdated.toLocalTime().time().hour(),
                                                  selfUpdated.toLocalTime().time().minute())
                                   .toShownTime())
                  : QString());
    showAttendance(*member);
    lblNoSched->setVisible(!info.hasSchedule);
    lblViewZone->setText(tr("Times in %1").arg(m_roster.preferences().userTimeZone.trimmed()));
    lblViewZone->setAccessibleName(lblViewZone->text());
    lblViewZone->setVisible(info.hasSchedule);
    const auto labels = dayLabels();
    for (int day = 0; day < int(labels.size()); ++day) {
        if (!info.days[day])
            continue;
        showValue(m_dayTimes[day], *info.days[day]);
        m_dayTimes[day]->show();
        labels[day]->setToolTip(*info.days[day]);
        labels[day]->setAccessibleDescription(*info.days[day]);
        labels[day]->show();
    }
    showValue(lblChanges, info.changes.join(QLatin1Char('\n')));
    lblChanges->setVisible(!info.changes.isEmpty());
    lblChangesHeading->setVisible(!info.changes.isEmpty());
    Messages::missingZones(window(), info.missingZones);
    if (info.missingTimes != 0)
        Messages::error(window(), DataError(info.missingTimes));
}

void MembersInfoTab::showAttendance(const RecordKey& member)
{
    constexpr int Last = 10;
    QList<AttendanceRecord> records;
    try {
        records = m_roster.attendance(Last);
    } catch (const RosterError& error) {
        Messages::error(window(), error);
        return;
    }
    // Nothing while no match has been played, so a roster without matches shows no line.
    QString line;
    if (!records.isEmpty())
        line = tr("Not invited to any of the last %n matches", nullptr, Last);
    for (const AttendanceRecord& record : std::as_const(records)) {
        if (record.member == member)
            line = tr("Last %1 matches: invited %2 · said yes %3 · came %4 · said yes but did not come %5")
                       .arg(Last)
                       .arg(record.invited)
                       .arg(record.saidYes)
                       .arg(record.came)
                       .arg(record.saidYesDidNotCome);
    }
    showValue(lblAttendance, line);
}

void MembersInfoTab::lstMembers_Click()
{
    ShowMemberInfo();
}

void MembersInfoTab::lstMembers_DblClick()
{
    ShowMemberInfo();
    cmdEdit_Click();
}

void MembersInfoTab::cmdEdit_Click()
{
    const auto member = selectedMember(true);
    if (!member)
        return;
    ClearMemberInfo();
    emit editRequested(*member);
}

void MembersInfoTab::cmdDeleteMember_Click()
{
    const auto member = selectedMember(true);
    if (!member)
        return;
    try {
        // Asked whatever the Options say about confirmations.
        if (!Messages::confirm(window(), tr("Delete %1?").arg(m_roster.memberName(*member))))
            return;
        m_roster.deleteMember(*member);
    } catch (const RosterError& error) {
        Messages::error(window(), error);
    }
    ClearMemberInfo();
}

void MembersInfoTab::cmdSignupLinks_Click()
{
    const auto member = selectedMember(true);
    if (!member)
        return;
    try {
        frmSignupLinks dialog(m_roster, *member, m_roster.memberName(*member), this);
        dialog.exec();
    } catch (const RosterError& error) {
        Messages::error(window(), error);
    }
}
