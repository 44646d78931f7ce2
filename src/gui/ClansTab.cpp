#include "ClansTab.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "roster/Roster.h"
#include "store/RosterError.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ClansTab::ClansTab(Roster& roster, QWidget* parent)
    : QWidget(parent)
    , m_roster(roster)
{
    txtDivisionName = named(new QLineEdit, "txtDivisionName", tr("Clan Name"));
    lstDivision = named(new QListWidget, "lstDivision", tr("Clans / Divisions"));
    lstDivision->setSelectionMode(QAbstractItemView::SingleSelection);
    frmeDivNotes = named(new QGroupBox(tr("Notes")), "frmeDivNotes", tr("Notes"));
    txtDivNotes = named(new QPlainTextEdit, "txtDivNotes", tr("Notes"));
    txtDivNotes->setTabChangesFocus(true);
    chkDivHide
        = named(new QCheckBox(tr("Hide Members from Lists")), "chkDivHide", tr("Hide Members from Lists"));
    cmdNewDiv = named(new QPushButton(tr("New Clan")), "cmdNewDiv", tr("New Clan"));
    cmdDivSave = named(new QPushButton(tr("Save")), "cmdDivSave", tr("Save"));
    cmdDivClear = named(new QPushButton(tr("Clear Fields")), "cmdDivClear", tr("Clear Fields"));
    cmdDeleteDiv = named(new QPushButton(tr("Delete")), "cmdDeleteDiv", tr("Delete"));

    auto* name = new QFormLayout;
    name->addRow(captionFor(txtDivisionName, tr("Clan Name")), txtDivisionName);
    auto* notes = new QVBoxLayout(frmeDivNotes);
    notes->addWidget(txtDivNotes);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdNewDiv);
    buttons->addWidget(cmdDivSave);
    buttons->addWidget(cmdDivClear);
    buttons->addWidget(cmdDeleteDiv);
    buttons->addStretch();

    auto* fields = new QVBoxLayout;
    fields->addLayout(name);
    fields->addWidget(chkDivHide);
    fields->addWidget(frmeDivNotes, 1);
    fields->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    auto* list = new QVBoxLayout;
    list->addWidget(lblClansHint = hintLabel("lblClansHint"));
    list->addWidget(lstDivision);
    layout->addLayout(list, 2);
    layout->addLayout(fields, 3);

    // A click loads the division even when it is already highlighted (after Clear Fields, or to
    // drop unsaved changes); a click that highlights it loads it once, through the selection.
    connect(lstDivision, &QListWidget::itemSelectionChanged, this, [this] {
        if (!lstDivision->selectedItems().isEmpty())
            lstDivision_Click();
    });
    connect(lstDivision, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (item == m_pressedSelected)
            lstDivision_Click();
    });
    lstDivision->viewport()->installEventFilter(this);
    connect(cmdNewDiv, &QPushButton::clicked, this, &ClansTab::cmdNewDiv_Click);
    connect(cmdDivSave, &QPushButton::clicked, this, &ClansTab::cmdDivSave_Click);
    connect(cmdDivClear, &QPushButton::clicked, this, &ClansTab::cmdDivClear_Click);
    connect(cmdDeleteDiv, &QPushButton::clicked, this, &ClansTab::cmdDeleteDiv_Click);
}

QList<QWidget*> ClansTab::keyboardOrder() const
{
    return {lstDivision, txtDivisionName, chkDivHide,  txtDivNotes,
            cmdNewDiv,   cmdDivSave,      cmdDivClear, cmdDeleteDiv};
}

bool ClansTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lstDivision->viewport() && event->type() == QEvent::MouseButtonPress) {
        QListWidgetItem* item = lstDivision->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        m_pressedSelected = item && item->isSelected() ? item : nullptr;
    }
    return QWidget::eventFilter(watched, event);
}

std::optional<RecordKey> ClansTab::selectedDivision()
{
    const QList<QListWidgetItem*> selected = lstDivision->selectedItems();
    if (selected.isEmpty()) {
        Messages::show(this, tr("Selection Error"), tr("You must first highlight a division!"),
                       Messages::Icon::Critical);
        return std::nullopt;
    }
    return selected.first()->data(Qt::UserRole).toByteArray();
}

void ClansTab::lstDivision_Click()
{
    const std::optional<RecordKey> key = selectedDivision();
    if (!key)
        return;
    try {
        const DivisionStore::Fields division = m_roster.division(*key);
        txtDivisionName->setText(division.name);
        txtDivNotes->setPlainText(division.notes);
        chkDivHide->setChecked(division.hide);
        m_editMode = true;
        m_editing = *key;
    } catch (const RosterError& error) {
        Messages::error(this, error);
    }
}

void ClansTab::cmdNewDiv_Click()
{
    txtDivisionName->clear();
    txtDivNotes->clear();
    m_editMode = false;
    txtDivisionName->setFocus();
}

void ClansTab::cmdDivClear_Click()
{
    txtDivisionName->clear();
    txtDivNotes->clear();
    chkDivHide->setChecked(false);
}

void ClansTab::cmdDivSave_Click()
{
    const DivisionStore::Fields fields {txtDivisionName->text(), txtDivNotes->toPlainText(),
                                        chkDivHide->isChecked()};
    try {
        m_roster.checkDivision(fields);
        if (!m_roster.preferences().verifyOff
            && !Messages::confirm(
                this, (m_editMode ? tr("Save changes to %1?") : tr("Add %1?")).arg(fields.name.trimmed())))
            return;
        if (m_editMode)
            m_roster.updateDivision(m_editing, fields);
        else
            m_roster.addDivision(fields);
    } catch (const RosterError& error) {
        Messages::error(this, error);
        if (error.field())
            txtDivisionName->setFocus();
        // The fields stay, and the next Save adds them as a new division.
        if (error.kind() == ErrorKind::RowVanished)
            m_editMode = false;
        return;
    }
    cmdDivClear_Click();
    m_editMode = false;
}

void ClansTab::cmdDeleteDiv_Click()
{
    const std::optional<RecordKey> key = selectedDivision();
    if (!key)
        return;
    const QString shown = lstDivision->selectedItems().first()->text();
    try {
        m_roster.checkDivisionDeletion(*key);
        // Asked even with confirmations switched off.
        if (!Messages::confirm(this, tr("Delete %1?").arg(shown)))
            return;
        m_roster.deleteDivision(*key);
    } catch (const RosterError& error) {
        Messages::error(this, error);
        return;
    }
    m_editMode = false;
}
