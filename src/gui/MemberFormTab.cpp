#include "MemberFormTab.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "gui/TimeEntryField.h"
#include "gui/frmMemberChanges.h"
#include "roster/Roster.h"
#include "store/RosterError.h"
#include "time/TimeText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QComboBox* listBox(const char* objectName, const QString& caption)
{
    auto* combo = named(new QComboBox, objectName, caption);
    combo->setEditable(true);
    // Typed text picks an entry of the list; it never becomes a new entry.
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The form completes typed text itself (type-ahead), keeping the typed letters' case.
    combo->setCompleter(nullptr);
    combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return combo;
}

// The key of the entry whose text the box holds, ignoring case and blanks around it; the
// entry picked from the list wins over an earlier one of the same name.
QVariant chosenKey(const QComboBox* combo)
{
    const QString text = combo->currentText().trimmed();
    int index = combo->currentIndex();
    if (index < 0 || combo->itemText(index).compare(text, Qt::CaseInsensitive) != 0)
        index = combo->findText(text, Qt::MatchFixedString);
    return index < 0 ? QVariant() : combo->itemData(index);
}

// Picks the entry with this key, or shows the text when no entry has it.
void showChoice(QComboBox* combo, const QVariant& key, const QString& text)
{
    const int index = key.isValid() ? combo->findData(key) : -1;
    if (index >= 0) {
        combo->setCurrentIndex(index);
    } else {
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }
}

struct DayNames
{
    const char* frame;
    const char* check;
    const char* letter;
    const char* caption;
};

constexpr std::array<DayNames, 6> DayTable {{
    {"frmMonday", "chkMonday", "M", QT_TRANSLATE_NOOP("MemberFormTab", "Monday")},
    {"Frame1", "chkTuesday", "T", QT_TRANSLATE_NOOP("MemberFormTab", "Tuesday")},
    {"Frame2", "chkWednesday", "W", QT_TRANSLATE_NOOP("MemberFormTab", "Wednesday")},
    {"Frame3", "chkThursday", "R", QT_TRANSLATE_NOOP("MemberFormTab", "Thursday")},
    {"Frame4", "chkFriday", "F", QT_TRANSLATE_NOOP("MemberFormTab", "Friday")},
    {"Frame5", "chkWeekend", "SS", QT_TRANSLATE_NOOP("MemberFormTab", "Saturday / Sunday")},
}};

} // namespace

MemberFormTab::MemberFormTab(Roster& roster, QWidget* parent)
    : QWidget(parent)
    , m_roster(roster)
{
    txtPlayerName = named(new QLineEdit, "txtPlayerName", tr("Player Name"));
    cmbDiv = listBox("cmbDiv", tr("Clan / Division"));
    chkActive = named(new QCheckBox(tr("Active")), "chkActive", tr("Active"));
    txtRealFirst = named(new QLineEdit, "txtRealFirst", tr("Actual First Name"));
    txtRealLast = named(new QLineEdit, "txtRealLast", tr("Last"));
    txtEmail = named(new QLineEdit, "txtEmail", tr("Default EMail"));
    txtEmail2 = named(new QLineEdit, "txtEmail2", tr("Secondary Email"));
    txtOtherContact = named(new QLineEdit, "txtOtherContact", tr("Other Contact Info"));
    cmbTZ = listBox("cmbTZ", tr("Time Zone"));
    frmeNotes = named(new QGroupBox(tr("Member Notes")), "frmeNotes", tr("Member Notes"));
    txtNotes = named(new QPlainTextEdit, "txtNotes", tr("Member Notes"));
    txtNotes->setTabChangesFocus(true);
    cmdSave = named(new QPushButton(tr("Save")), "cmdSave", tr("Save"));
    cmdClear = named(new QPushButton(tr("Clear Fields")), "cmdClear", tr("Clear Fields"));
    cmdCancel = named(new QPushButton(tr("Cancel")), "cmdCancel", tr("Cancel"));
    cmdAwayChanges = named(new QPushButton(tr("Away / Changes…")), "cmdAwayChanges", tr("Away / Changes…"));

    auto* division = new QHBoxLayout;
    division->addWidget(cmbDiv, 1);
    division->addWidget(chkActive);
    auto* fields = new QFormLayout;
    fields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    fields->addRow(captionFor(txtPlayerName, tr("Player Name")), txtPlayerName);
    fields->addRow(captionFor(cmbDiv, tr("Clan / Division")), division);
    fields->addRow(captionFor(txtRealFirst, tr("Actual First Name")), txtRealFirst);
    fields->addRow(captionFor(txtRealLast, tr("Last")), txtRealLast);
    fields->addRow(captionFor(cmbTZ, tr("Time Zone")), cmbTZ);
    fields->addRow(captionFor(txtEmail, tr("Default EMail")), txtEmail);
    fields->addRow(captionFor(txtEmail2, tr("Secondary Email")), txtEmail2);
    fields->addRow(captionFor(txtOtherContact, tr("Other Contact Info")), txtOtherContact);

    auto* notes = new QVBoxLayout(frmeNotes);
    notes->addWidget(txtNotes);

    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addWidget(frmeNotes, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAwayChanges);
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
    connect(cmdAwayChanges, &QPushButton::clicked, this, &MemberFormTab::cmdAwayChanges_Click);
    connect(cmbDiv, &QComboBox::editTextChanged, this, &MemberFormTab::cmbDiv_Change);
    connect(cmbTZ, &QComboBox::editTextChanged, this, &MemberFormTab::cmbTZ_Change);
    for (QComboBox* combo : {cmbDiv, cmbTZ}) {
        combo->installEventFilter(this);
        combo->lineEdit()->installEventFilter(this);
    }
    showAwayChangesEnabled();
}

QWidget* MemberFormTab::createSchedules()
{
    frmSchedules = named(new QGroupBox(tr("Playing Schedules")), "frmSchedules", tr("Playing Schedules"));
    auto* week = new QGridLayout(frmSchedules);
    lblFormZone = named(new QLabel, "lblFormZone", tr("Zone of the times"));
    lblFormZone->hide();
    // One line: the day groups take the height the tab has to spare.
    lblFormZone->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    week->addWidget(lblFormZone, 0, 0, 1, 3);
    const std::array<const char*, 4> slotNames {"Slot1Start", "Slot1End", "Slot2Start", "Slot2End"};
    const std::array<const char*, 4> slotWords {QT_TR_NOOP("%1 slot 1 start"), QT_TR_NOOP("%1 slot 1 end"),
                                                QT_TR_NOOP("%1 slot 2 start"), QT_TR_NOOP("%1 slot 2 end")};
    for (int d = 0; d < int(DayTable.size()); ++d) {
        const DayNames& names = DayTable[d];
        const QString caption = tr(names.caption);
        ScheduleDay& day = m_days[d];
        day.frame = named(new QGroupBox(caption), names.frame, caption);
        // The box is the day's "plays" flag: a day not ticked keeps no times.
        day.check = named(new QCheckBox(tr("Plays")), names.check, caption);
        auto* grid = new QGridLayout(day.frame);
        grid->addWidget(day.check, 0, 0);
        for (int s = 0; s < 4; ++s) {
            const QByteArray objectName = QByteArray("txt") + names.letter + slotNames[s];
            day.fields[s] = named(new TimeEntryField(TimeEntryField::Kind::Slot), objectName.constData(),
                                  tr(slotWords[s]).arg(caption));
            grid->addWidget(day.fields[s], s / 2, s % 2 == 0 ? 1 : 3);
            // A time typed for a day means the member plays then; ticking it for the user
            // keeps the time from being dropped by Save.
            connect(day.fields[s], &QLineEdit::textEdited, this, [check = day.check](const QString& text) {
                if (IsDateTimeText(RewriteSlotText(text)))
                    check->setChecked(true);
            });
        }
        for (int row = 0; row < 2; ++row)
            grid->addWidget(new QLabel(tr("to")), row, 2);
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        week->addWidget(day.frame, d / 3 + 1, d % 3);
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
    order << cmdAwayChanges << cmdSave << cmdClear;
    return order;
}

MemberForm MemberFormTab::readForm() const
{
    MemberForm form;
    form.playerName = txtPlayerName->text();
    form.divisionText = cmbDiv->currentText();
    form.divisionKey = chosenKey(cmbDiv).toByteArray();
    form.zoneText = cmbTZ->currentText();
    if (const QVariant zone = chosenKey(cmbTZ); zone.isValid())
        form.zoneKey = zone.toInt();
    form.active = chkActive->isChecked();
    form.realFirst = txtRealFirst->text();
    form.realLast = txtRealLast->text();
    form.email = txtEmail->text();
    form.email2 = txtEmail2->text();
    form.otherContact = txtOtherContact->text();
    form.notes = txtNotes->toPlainText();
    for (int day = 0; day < MemberForm::DayCount; ++day) {
        form.days[day].checked = m_days[day].check->checkState() != Qt::Unchecked;
        for (int slot = 0; slot < 4; ++slot)
            form.days[day].texts[slot] = m_days[day].fields[slot]->text();
    }
    return form;
}

void MemberFormTab::showForm(const MemberForm& form)
{
    m_loading = true;
    txtPlayerName->setText(form.playerName);
    txtRealFirst->setText(form.realFirst);
    txtRealLast->setText(form.realLast);
    txtEmail->setText(form.email);
    txtEmail2->setText(form.email2);
    txtOtherContact->setText(form.otherContact);
    txtNotes->setPlainText(form.notes);
    showChoice(cmbTZ, form.zoneKey ? QVariant(*form.zoneKey) : QVariant(), form.zoneText);
    showChoice(cmbDiv, form.divisionKey.isEmpty() ? QVariant() : QVariant(form.divisionKey),
               form.divisionText);
    chkActive->setChecked(form.active);
    for (int day = 0; day < MemberForm::DayCount; ++day) {
        m_days[day].check->setChecked(form.days[day].checked);
        for (int slot = 0; slot < 4; ++slot)
            m_days[day].fields[slot]->setText(form.days[day].texts[slot]);
    }
    m_loading = false;
}

void MemberFormTab::refuse(const RosterError& error)
{
    Messages::error(this, error);
    if (!error.field())
        return;
    const FormField& field = *error.field();
    switch (field.kind) {
    case FormField::Kind::PlayerName:
        txtPlayerName->setFocus();
        break;
    case FormField::Kind::Division:
        cmbDiv->setFocus();
        break;
    case FormField::Kind::TimeZone:
        cmbTZ->setFocus();
        break;
    case FormField::Kind::Slot:
        m_days[field.day].fields[field.slot]->setFocus();
        break;
    default:
        break;
    }
}

void MemberFormTab::endEditMode()
{
    m_editMode = false;
    m_member.clear();
    m_memberZone.clear();
    // The times in the form are again in whatever zone the box names.
    showScheduleZone(QString());
    showAwayChangesEnabled();
}

void MemberFormTab::showAwayChangesEnabled()
{
    const QString readOnly = m_roster.readOnlyReason();
    const QString why = !readOnly.isEmpty() ? readOnly
        : !m_editMode ? tr("Save the member first: dates away and one-off changes belong to a "
                           "member in the roster. To enter them for a member, choose Edit Member "
                           "on Members Info.")
                      : QString();
    cmdAwayChanges->setEnabled(why.isEmpty());
    const QString tip
        = why.isEmpty() ? tr("Dates the member is away, or plays other times than the week below") : why;
    cmdAwayChanges->setToolTip(tip);
    cmdAwayChanges->setAccessibleDescription(tip);
}

void MemberFormTab::cmdAwayChanges_Click()
{
    if (!m_editMode)
        return;
    try {
        frmMemberChanges dialog(m_roster, m_member, m_roster.memberName(m_member), m_memberZone, this);
        dialog.exec();
    } catch (const RosterError& error) {
        Messages::error(this, error);
    }
}

void MemberFormTab::LoadMemberForEdit(const RecordKey& member)
{
    cmdClear_Click();
    endEditMode();
    try {
        const MemberEdit edit = m_roster.memberForEdit(member);
        showForm(edit.form);
        showScheduleZone(edit.zoneName);
        m_editMode = true;
        m_member = member;
        m_memberZone = edit.zoneName;
        showAwayChangesEnabled();
        Messages::missingZones(this, edit.missingZones);
        if (edit.missingTimes != 0)
            Messages::error(this, DataError(edit.missingTimes));
    } catch (const RosterError& error) {
        Messages::error(this, error);
    }
}

void MemberFormTab::cmdSave_Click()
{
    const MemberForm form = readForm();
    // A refused or failed save keeps the form and edit mode, so the user can set it right.
    MemberSaved saved;
    try {
        m_roster.checkMember(form);
        if (!keepUntickedTimes())
            return;
        if (!m_roster.preferences().verifyOff
            && !Messages::confirm(this, (m_editMode ? tr("Update %1?") : tr("Add %1?")).arg(form.playerName)))
            return;
        saved = m_editMode ? m_roster.updateMember(m_member, form) : m_roster.addMember(form);
    } catch (const RosterError& error) {
        refuse(error);
        return;
    }
    Messages::missingZones(this, saved.missingZones);
    cmdClear_Click();
    endEditMode();
}

bool MemberFormTab::keepUntickedTimes()
{
    QStringList days;
    const ScheduleDay* first = nullptr;
    for (int d = 0; d < int(m_days.size()); ++d) {
        const ScheduleDay& day = m_days[d];
        const bool typed = std::any_of(day.fields.begin(), day.fields.end(), [](const TimeEntryField* field) {
            return !field->text().trimmed().isEmpty();
        });
        if (typed && !day.check->isChecked()) {
            days << tr(DayTable[d].caption);
            first = first ? first : &day;
        }
    }
    if (!first)
        return true;
    if (Messages::show(this, tr("Times Not Saved"),
                       tr("The times typed for %1 are not saved while the day's Plays box is "
                          "not ticked. Save without them?")
                           .arg(days.join(QStringLiteral(", "))),
                       Messages::Icon::Question, Messages::Buttons::YesNo)
        == Messages::Answer::Yes)
        return true;
    first->check->setFocus();
    return false;
}

void MemberFormTab::cmdClear_Click()
{
    txtPlayerName->clear();
    chkActive->setChecked(false);
    for (QLineEdit* field : {txtRealFirst, txtRealLast, txtEmail, txtEmail2, txtOtherContact})
        field->clear();
    txtNotes->clear();
    for (const ScheduleDay& day : m_days) {
        for (TimeEntryField* field : day.fields)
            field->clear();
    }
    for (const ScheduleDay& day : m_days)
        day.check->setChecked(false);
    txtPlayerName->setFocus();
    // Emptying a box is a change of its text: the division box checks "Active" again.
    for (QComboBox* combo : {cmbDiv, cmbTZ}) {
        combo->setCurrentIndex(-1);
        combo->setEditText(QString());
    }
}

void MemberFormTab::cmdCancel_Click()
{
    cmdClear_Click();
    endEditMode();
    emit cancelled();
}

void MemberFormTab::cmbDiv_Change()
{
    typeAhead(cmbDiv);
}

void MemberFormTab::cmbTZ_Change()
{
    typeAhead(cmbTZ);
    showTimesZone();
    // Save converts the times from the zone the box names, so the caption names that zone.
    if (m_editMode && !m_loading)
        showScheduleZone(cmbTZ->currentText());
}

void MemberFormTab::showScheduleZone(const QString& zone)
{
    const int index = cmbTZ->findText(zone.trimmed(), Qt::MatchFixedString);
    const QString name = index >= 0 ? cmbTZ->itemText(index) : zone.trimmed();
    const QString caption = name.isEmpty() ? tr("Playing Schedules")
                                           : tr("Playing Schedules - Note:  All times are %1").arg(name);
    frmSchedules->setTitle(caption);
    // Screen readers learn the zone from the frame's name.
    frmSchedules->setAccessibleName(caption);
}

void MemberFormTab::showTimesZone()
{
    const int index = cmbTZ->findText(cmbTZ->currentText().trimmed(), Qt::MatchFixedString);
    lblFormZone->setText(index < 0 ? QString() : tr("Times in %1").arg(cmbTZ->itemText(index)));
    lblFormZone->setAccessibleName(index < 0 ? tr("Zone of the times") : lblFormZone->text());
    lblFormZone->setVisible(index >= 0);
}

void MemberFormTab::typeAhead(QComboBox* combo)
{
    if (m_suppressTypeAhead) {
        m_suppressTypeAhead = false;
        return;
    }
    if (m_loading)
        return;
    const QString typed = combo->currentText();
    // Nothing typed completes to nothing, so that emptied boxes stay empty.
    const int index = typed.isEmpty() ? -1 : combo->findText(typed, Qt::MatchStartsWith);
    if (index >= 0 && combo->itemText(index).size() > typed.size()) {
        const QString entry = combo->itemText(index);
        m_suppressTypeAhead = true;
        combo->lineEdit()->setText(typed + entry.mid(typed.size()));
        combo->lineEdit()->setSelection(typed.size(), entry.size() - typed.size());
    }
    if (combo == cmbDiv)
        chkActive->setChecked(true);
}

bool MemberFormTab::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // A deletion is not completed again.
        if (key == Qt::Key_Delete || key == Qt::Key_Backspace)
            m_suppressTypeAhead = true;
    } else if (event->type() == QEvent::FocusOut) {
        for (QComboBox* combo : {cmbDiv, cmbTZ}) {
            if (watched == combo)
                showEntryCase(combo);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Completion keeps the letters as typed ("esT"); once the user leaves the box it shows the
// entry the text names, as it will be saved.
void MemberFormTab::showEntryCase(QComboBox* combo)
{
    const int index = combo->findText(combo->currentText(), Qt::MatchFixedString);
    if (index < 0 || combo->itemText(index) == combo->currentText())
        return;
    m_suppressTypeAhead = true;
    combo->setEditText(combo->itemText(index));
}
