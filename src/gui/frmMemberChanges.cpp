#include "frmMemberChanges.h"

#include "gui/ControlNames.h"
#include "gui/ListFill.h"
#include "gui/Messages.h"
#include "gui/TimeEntryField.h"
#include "roster/Roster.h"
#include "store/RosterError.h"
#include "time/DateTime.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString idleTitle()
{
    return QCoreApplication::translate("frmMemberChanges", "Change (choose Add or Edit)");
}

QString fieldTime(int minute)
{
    return DateTime::fromTime(minute / 60, minute % 60).toShownTime();
}

} // namespace

frmMemberChanges::frmMemberChanges(Roster& roster, const RecordKey& member, const QString& player,
                                   const QString& zone, QWidget* parent)
    : QDialog(parent)
    , m_roster(roster)
    , m_member(member)
    , m_player(player)
{
    setObjectName(QStringLiteral("frmMemberChanges"));
    setWindowTitle(tr("Away / Changes - %1").arg(player));
    setModal(true);

    // The dates are the member's own: on their clock a holiday starts at their midnight.
    const QString zoneText = zone.trimmed().isEmpty()
        ? tr("Dates and times are on %1's own clock.").arg(player)
        : tr("Dates and times are on %1's own clock (%2).").arg(player, zone.trimmed());
    lblChangesZone = named(new QLabel(zoneText), "lblChangesZone", zoneText);
    lblChangesZone->setWordWrap(true);
    lstChanges = named(new QListWidget, "lstChanges", tr("Changes"),
                       tr("Dates away and days played at other times than the week; "
                          "double click to edit"));
    lstChanges->setSelectionMode(QAbstractItemView::SingleSelection);
    lblNoChanges = hintLabel("lblNoChanges");
    chkShowPast = named(new QCheckBox(tr("Show past changes")), "chkShowPast", tr("Show past changes"));
    cmdAddChange = named(new QPushButton(tr("Add")), "cmdAddChange", tr("Add change"));
    cmdEditChange = named(new QPushButton(tr("Edit")), "cmdEditChange", tr("Edit change"));
    cmdRemoveChange = named(new QPushButton(tr("Remove")), "cmdRemoveChange", tr("Remove change"));

    frmeChange = named(new QGroupBox(idleTitle()), "frmeChange", idleTitle());
    txtFirstDate = named(new TimeEntryField(TimeEntryField::Kind::Date), "txtFirstDate", tr("First date"),
                         tr("MM/DD/YYYY"));
    txtLastDate = named(new TimeEntryField(TimeEntryField::Kind::Date), "txtLastDate", tr("Last date"),
                        tr("MM/DD/YYYY; empty for the first date alone"));
    txtFirstDate->setPlaceholderText(tr("MM/DD/YYYY"));
    txtLastDate->setPlaceholderText(tr("same day"));
    optAway = named(new QRadioButton(tr("Away")), "optAway", tr("Away"),
                    tr("Not listed on these dates at any time"));
    optInstead = named(new QRadioButton(tr("These times instead")), "optInstead", tr("These times instead"),
                       tr("Plays these times on each of the dates instead of the week's"));
    auto* kind = new QButtonGroup(this);
    kind->addButton(optAway);
    kind->addButton(optInstead);
    const std::array<const char*, 4> slotNames {"txtChangeSlot1Start", "txtChangeSlot1End",
                                                "txtChangeSlot2Start", "txtChangeSlot2End"};
    const std::array<const char*, 4> slotWords {QT_TR_NOOP("Slot 1 start"), QT_TR_NOOP("Slot 1 end"),
                                                QT_TR_NOOP("Slot 2 start"), QT_TR_NOOP("Slot 2 end")};
    for (int s = 0; s < 4; ++s)
        txtSlots[s] = named(new TimeEntryField(TimeEntryField::Kind::Slot), slotNames[s], tr(slotWords[s]));
    txtChangeNote
        = named(new QLineEdit, "txtChangeNote", tr("Note"), tr("Why, in a few words: holiday, exams"));
    txtChangeNote->setMaxLength(MemberChange::MaxNoteLength);
    cmdSaveChange = named(new QPushButton(tr("Save")), "cmdSaveChange", tr("Save change"));
    cmdCancelChange = named(new QPushButton(tr("Cancel")), "cmdCancelChange", tr("Cancel change"));
    cmdCloseChanges = named(new QPushButton(tr("Close")), "cmdCloseChanges", tr("Close"));

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(chkShowPast);
    listButtons->addStretch();
    for (QPushButton* button : {cmdAddChange, cmdEditChange, cmdRemoveChange})
        listButtons->addWidget(button);

    auto* dates = new QHBoxLayout;
    dates->addWidget(txtFirstDate);
    dates->addWidget(captionFor(txtLastDate, tr("to")));
    dates->addWidget(txtLastDate);
    auto* times = new QGridLayout;
    times->addWidget(optInstead, 0, 0);
    for (int s = 0; s < 4; ++s)
        times->addWidget(txtSlots[s], s / 2, s % 2 == 0 ? 1 : 3);
    for (int row = 0; row < 2; ++row)
        times->addWidget(new QLabel(tr("to")), row, 2);
    times->setColumnStretch(1, 1);
    times->setColumnStretch(3, 1);
    auto* formButtons = new QHBoxLayout;
    formButtons->addStretch();
    formButtons->addWidget(cmdSaveChange);
    formButtons->addWidget(cmdCancelChange);
    auto* form = new QFormLayout(frmeChange);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(captionFor(txtFirstDate, tr("Dates")), dates);
    form->addRow(QString(), optAway);
    form->addRow(QString(), times);
    form->addRow(captionFor(txtChangeNote, tr("Note")), txtChangeNote);
    form->addRow(formButtons);

    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(cmdCloseChanges);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblChangesZone);
    layout->addWidget(lstChanges, 1);
    layout->addWidget(lblNoChanges);
    layout->addLayout(listButtons);
    layout->addWidget(frmeChange);
    layout->addLayout(closeRow);

    // No default button: the list passes Enter on after opening the change, which would then be
    // saved at once. Enter in a field of the form saves it.
    for (QPushButton* button :
         {cmdAddChange, cmdEditChange, cmdRemoveChange, cmdSaveChange, cmdCancelChange, cmdCloseChanges})
        button->setAutoDefault(false);
    for (QLineEdit* field :
         {static_cast<QLineEdit*>(txtFirstDate), static_cast<QLineEdit*>(txtLastDate),
          static_cast<QLineEdit*>(txtSlots[0]), static_cast<QLineEdit*>(txtSlots[1]),
          static_cast<QLineEdit*>(txtSlots[2]), static_cast<QLineEdit*>(txtSlots[3]), txtChangeNote})
        connect(field, &QLineEdit::returnPressed, this, &frmMemberChanges::cmdSaveChange_Click);
    const QList<QWidget*> order {
        lstChanges,  chkShowPast,   cmdAddChange,  cmdEditChange,   cmdRemoveChange, txtFirstDate,
        txtLastDate, optAway,       optInstead,    txtSlots[0],     txtSlots[1],     txtSlots[2],
        txtSlots[3], txtChangeNote, cmdSaveChange, cmdCancelChange, cmdCloseChanges};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    // A click on these does not take the focus, so a date or time field holding text it refuses
    // lets the user throw the form away or leave.
    cmdCancelChange->setFocusPolicy(Qt::TabFocus);
    cmdCloseChanges->setFocusPolicy(Qt::TabFocus);
    resize(560, 460);

    connect(lstChanges, &QListWidget::itemActivated, this, &frmMemberChanges::cmdEditChange_Click);
    connect(chkShowPast, &QCheckBox::toggled, this, &frmMemberChanges::LoadChanges);
    connect(cmdAddChange, &QPushButton::clicked, this, &frmMemberChanges::cmdAddChange_Click);
    connect(cmdEditChange, &QPushButton::clicked, this, &frmMemberChanges::cmdEditChange_Click);
    connect(cmdRemoveChange, &QPushButton::clicked, this, &frmMemberChanges::cmdRemoveChange_Click);
    connect(cmdSaveChange, &QPushButton::clicked, this, &frmMemberChanges::cmdSaveChange_Click);
    connect(cmdCancelChange, &QPushButton::clicked, this, &frmMemberChanges::cmdCancelChange_Click);
    connect(cmdCloseChanges, &QPushButton::clicked, this, &QDialog::reject);
    connect(optInstead, &QRadioButton::toggled, this, &frmMemberChanges::showTimesEnabled);
    // A shared roster changes under the dialog: another officer, the member's sign-up page.
    connect(&m_roster, &Roster::membersChanged, this, &frmMemberChanges::LoadChanges);

    closeForm();
    LoadChanges();
}

void frmMemberChanges::LoadChanges()
{
    QList<RosterListEntry> entries;
    try {
        for (const MemberChange& change : m_roster.memberChanges(m_member, chkShowPast->isChecked()))
            entries.append({change.text(), change.key});
    } catch (const RosterError& error) {
        Messages::error(this, error);
    }
    fillList(lstChanges, entries);
    showHint(lblNoChanges,
             entries.isEmpty() ? tr("No changes: %1 plays the week as it stands. "
                                    "Add one for dates away or played otherwise.")
                                     .arg(m_player)
                               : QString());
}

RecordKey frmMemberChanges::selectedChange()
{
    const QList<QListWidgetItem*> selected = lstChanges->selectedItems();
    if (selected.isEmpty()) {
        Messages::show(this, tr("Selection Error"), tr("You must first highlight a change!"),
                       Messages::Icon::Critical);
        return {};
    }
    return selected.first()->data(Qt::UserRole).toByteArray();
}

void frmMemberChanges::closeForm()
{
    m_editing.clear();
    for (QLineEdit* field :
         {static_cast<QLineEdit*>(txtFirstDate), static_cast<QLineEdit*>(txtLastDate), txtChangeNote})
        field->clear();
    for (TimeEntryField* slot : txtSlots)
        slot->clear();
    optAway->setChecked(true);
    showTimesEnabled();
    frmeChange->setTitle(idleTitle());
    frmeChange->setAccessibleName(idleTitle());
    // Closed, nothing in it can be typed or tabbed to.
    frmeChange->setEnabled(false);
}

void frmMemberChanges::openForm(const QString& title)
{
    frmeChange->setTitle(title);
    frmeChange->setAccessibleName(title);
    frmeChange->setEnabled(true);
    showTimesEnabled();
    txtFirstDate->setFocus();
}

void frmMemberChanges::showTimesEnabled()
{
    for (TimeEntryField* slot : txtSlots)
        slot->setEnabled(optInstead->isChecked());
}

void frmMemberChanges::cmdAddChange_Click()
{
    closeForm();
    openForm(tr("New change"));
}

void frmMemberChanges::cmdEditChange_Click()
{
    const RecordKey key = selectedChange();
    if (key.isEmpty())
        return;
    MemberChange change;
    try {
        change = m_roster.memberChange(key);
    } catch (const RosterError& error) {
        Messages::error(this, error);
        return;
    }
    closeForm();
    m_editing = key;
    txtFirstDate->setText(change.first.toString(QStringLiteral("MM/dd/yyyy")));
    if (change.last != change.first)
        txtLastDate->setText(change.last.toString(QStringLiteral("MM/dd/yyyy")));
    (change.away ? optAway : optInstead)->setChecked(true);
    for (int s = 0; s < int(change.times.size()) && s < MemberChange::MaxSlots; ++s) {
        txtSlots[s * 2]->setText(fieldTime(change.times[s].start));
        txtSlots[s * 2 + 1]->setText(fieldTime(change.times[s].end));
    }
    txtChangeNote->setText(change.note);
    openForm(tr("Edit change of %1").arg(change.dates()));
}

void frmMemberChanges::cmdRemoveChange_Click()
{
    const RecordKey key = selectedChange();
    if (key.isEmpty())
        return;
    try {
        // Asked whatever the Options say about confirmations, as every deletion is.
        if (!Messages::confirm(this, tr("Remove %1?").arg(lstChanges->selectedItems().first()->text())))
            return;
        m_roster.removeMemberChange(key);
    } catch (const RosterError& error) {
        Messages::error(this, error);
        return;
    }
    if (m_editing == key)
        closeForm();
}

void frmMemberChanges::cmdSaveChange_Click()
{
    MemberChangeForm form;
    form.first = txtFirstDate->text();
    form.last = txtLastDate->text();
    form.away = optAway->isChecked();
    for (int s = 0; s < 4; ++s)
        form.slotTexts[s] = txtSlots[s]->text();
    form.note = txtChangeNote->text();
    RecordKey saved = m_editing;
    try {
        if (m_editing.isEmpty())
            saved = m_roster.addMemberChange(m_member, form);
        else
            m_roster.updateMemberChange(m_editing, form);
    } catch (const RosterError& error) {
        refuse(error);
        return;
    }
    closeForm();
    // The saved change stays highlighted, for Edit or Remove next.
    for (int row = 0; row < lstChanges->count(); ++row) {
        if (lstChanges->item(row)->data(Qt::UserRole).toByteArray() == saved)
            lstChanges->setCurrentRow(row);
    }
    lstChanges->setFocus();
}

void frmMemberChanges::cmdCancelChange_Click()
{
    closeForm();
    lstChanges->setFocus();
}

void frmMemberChanges::refuse(const RosterError& error)
{
    Messages::error(this, error);
    if (!error.field())
        return;
    const FormField& field = *error.field();
    switch (field.kind) {
    case FormField::Kind::ChangeFirst:
        txtFirstDate->setFocus();
        break;
    case FormField::Kind::ChangeLast:
        txtLastDate->setFocus();
        break;
    case FormField::Kind::ChangeSlot:
        if (field.slot >= 0 && field.slot < int(txtSlots.size()))
            txtSlots[field.slot]->setFocus();
        break;
    case FormField::Kind::ChangeNote:
        txtChangeNote->setFocus();
        break;
    default:
        break;
    }
}
