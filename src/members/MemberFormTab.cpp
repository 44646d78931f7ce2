#include "MemberFormTab.h"

#include "app/ControlNames.h"
#include "app/frmTallyhold.h"
#include "time/TimeEntryField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox* listBox(const char* objectName, const QString& caption)
{
    auto* combo = named(new QComboBox, objectName, caption);
    combo->setEditable(true);
    // Typed text picks an entry of the list; it never becomes a new entry.
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

struct DayNames
{
    const char* frame;
    const char* check;
    const char* letter;
    const char* caption;
};

constexpr std::array<DayNames, 6> DayTable {{
    {"frmMonday", "chkMonday", "M", "Monday"},
    {"Frame1", "chkTuesday", "T", "Tuesday"},
    {"Frame2", "chkWednesday", "W", "Wednesday"},
    {"Frame3", "chkThursday", "R", "Thursday"},
    {"Frame4", "chkFriday", "F", "Friday"},
    {"Frame5", "chkWeekend", "SS", "Saturday / Sunday"},
}};

} // namespace

MemberFormTab::MemberFormTab(frmTallyhold& main, QWidget* parent)
    : QWidget(parent)
    , m_main(main)
{
    txtPlayerName = named(new QLineEdit, "txtPlayerName", QStringLiteral("Player Name"));
    cmbDiv = listBox("cmbDiv", QStringLiteral("Clan / Division"));
    chkActive = named(new QCheckBox(QStringLiteral("Active")), "chkActive", QStringLiteral("Active"));
    txtRealFirst = named(new QLineEdit, "txtRealFirst", QStringLiteral("Actual First Name"));
    txtRealLast = named(new QLineEdit, "txtRealLast", QStringLiteral("Last"));
    txtEmail = named(new QLineEdit, "txtEmail", QStringLiteral("Default EMail"));
    txtEmail2 = named(new QLineEdit, "txtEmail2", QStringLiteral("Secondary Email"));
    txtOtherContact = named(new QLineEdit, "txtOtherContact", QStringLiteral("Other Contact Info"));
    cmbTZ = listBox("cmbTZ", QStringLiteral("Time Zone"));
    frmeNotes
        = named(new QGroupBox(QStringLiteral("Member Notes")), "frmeNotes", QStringLiteral("Member Notes"));
    txtNotes = named(new QPlainTextEdit, "txtNotes", QStringLiteral("Member Notes"));
    txtNotes->setTabChangesFocus(true);
    cmdSave = named(new QPushButton(QStringLiteral("Save")), "cmdSave", QStringLiteral("Save"));
    cmdClear
        = named(new QPushButton(QStringLiteral("Clear Fields")), "cmdClear", QStringLiteral("Clear Fields"));
    cmdCancel = named(new QPushButton(QStringLiteral("Cancel")), "cmdCancel", QStringLiteral("Cancel"));

    auto* fields = new QGridLayout;
    fields->addWidget(captionFor(txtPlayerName, QStringLiteral("Player Name")), 0, 0);
    fields->addWidget(txtPlayerName, 0, 1);
    fields->addWidget(captionFor(cmbDiv, QStringLiteral("Clan / Division")), 0, 2);
    fields->addWidget(cmbDiv, 0, 3);
    fields->addWidget(chkActive, 0, 4);
    fields->addWidget(captionFor(txtRealFirst, QStringLiteral("Actual First Name")), 1, 0);
    fields->addWidget(txtRealFirst, 1, 1);
    fields->addWidget(captionFor(txtRealLast, QStringLiteral("Last")), 1, 2);
    fields->addWidget(txtRealLast, 1, 3, 1, 2);
    fields->addWidget(captionFor(cmbTZ, QStringLiteral("Time Zone")), 2, 0);
    fields->addWidget(cmbTZ, 2, 1);
    fields->addWidget(captionFor(txtEmail, QStringLiteral("Default EMail")), 3, 0);
    fields->addWidget(txtEmail, 3, 1);
    fields->addWidget(captionFor(txtEmail2, QStringLiteral("Secondary Email")), 3, 2);
    fields->addWidget(txtEmail2, 3, 3, 1, 2);
    fields->addWidget(captionFor(txtOtherContact, QStringLiteral("Other Contact Info")), 4, 0);
    fields->addWidget(txtOtherContact, 4, 1, 1, 4);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    auto* notes = new QVBoxLayout(frmeNotes);
    notes->addWidget(txtNotes);

    auto* top = new QHBoxLayout;
    top->addLayout(fields, 3);
    top->addWidget(frmeNotes, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClear);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(createSchedules(), 1);
    layout->addLayout(buttons);

    connect(cmdSave, &QPushButton::clicked, this, &MemberFormTab::cmdSave_Click);
    connect(cmdClear, &QPushButton::clicked, this, &MemberFormTab::cmdClear_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &MemberFormTab::cmdCancel_Click);
    connect(cmbDiv, &QComboBox::editTextChanged, this, &MemberFormTab::cmbDiv_Change);
    connect(cmbTZ, &QComboBox::editTextChanged, this, &MemberFormTab::cmbTZ_Change);
}

QWidget* MemberFormTab::createSchedules()
{
    frmSchedules = named(new QGroupBox(QStringLiteral("Playing Schedules")), "frmSchedules",
                         QStringLiteral("Playing Schedules"));
    auto* week = new QGridLayout(frmSchedules);
    const std::array<const char*, 4> slotNames {"Slot1Start", "Slot1End", "Slot2Start", "Slot2End"};
    const std::array<const char*, 4> slotWords {"slot 1 start", "slot 1 end", "slot 2 start", "slot 2 end"};
    for (int d = 0; d < int(DayTable.size()); ++d) {
        const DayNames& names = DayTable[d];
        const QString caption = QLatin1String(names.caption);
        ScheduleDay& day = m_days[d];
        day.frame = named(new QGroupBox(caption), names.frame, caption);
        day.check = named(new QCheckBox, names.check, caption);
        auto* grid = new QGridLayout(day.frame);
        grid->addWidget(day.check, 0, 0, Qt::AlignTop);
        for (int s = 0; s < 4; ++s) {
            const QByteArray objectName = QByteArray("txt") + names.letter + slotNames[s];
            day.fields[s] = named(new TimeEntryField(TimeEntryField::Kind::Slot), objectName.constData(),
                                  caption + QLatin1Char(' ') + QLatin1String(slotWords[s]));
            grid->addWidget(day.fields[s], s / 2, s % 2 == 0 ? 1 : 3);
        }
        for (int row = 0; row < 2; ++row)
            grid->addWidget(new QLabel(QStringLiteral("to")), row, 2);
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        week->addWidget(day.frame, d / 3, d % 3);
    }
    frmMonday = m_days[0].frame;
    Frame1 = m_days[1].frame;
    Frame2 = m_days[2].frame;
    Frame3 = m_days[3].frame;
    Frame4 = m_days[4].frame;
    Frame5 = m_days[5].frame;
    chkMonday = m_days[0].check;
    chkTuesday = m_days[1].check;
    chkWednesday = m_days[2].check;
    chkThursday = m_days[3].check;
    chkFriday = m_days[4].check;
    chkWeekend = m_days[5].check;
    std::array<TimeEntryField**, 24> slotMembers {
        &txtMSlot1Start, &txtMSlot1End, &txtMSlot2Start,  &txtMSlot2End,  &txtTSlot1Start,  &txtTSlot1End,
        &txtTSlot2Start, &txtTSlot2End, &txtWSlot1Start,  &txtWSlot1End,  &txtWSlot2Start,  &txtWSlot2End,
        &txtRSlot1Start, &txtRSlot1End, &txtRSlot2Start,  &txtRSlot2End,  &txtFSlot1Start,  &txtFSlot1End,
        &txtFSlot2Start, &txtFSlot2End, &txtSSSlot1Start, &txtSSSlot1End, &txtSSSlot2Start, &txtSSSlot2End};
    for (int i = 0; i < 24; ++i)
        *slotMembers[i] = m_days[i / 4].fields[i % 4];
    return frmSchedules;
}

QList<QWidget*> MemberFormTab::keyboardOrder() const
{
    QList<QWidget*> order {txtPlayerName, cmbDiv,    txtRealFirst,    txtRealLast, cmbTZ,
                           txtEmail,      txtEmail2, txtOtherContact, txtNotes};
    for (const ScheduleDay& day : m_days) {
        order << day.check;
        for (TimeEntryField* slot : day.fields)
            order << slot;
    }
    order << cmdSave << cmdClear;
    return order;
}

void MemberFormTab::cmdSave_Click() { }

void MemberFormTab::cmdClear_Click() { }

void MemberFormTab::cmdCancel_Click() { }

void MemberFormTab::cmbDiv_Change() { }

void MemberFormTab::cmbTZ_Change() { }
