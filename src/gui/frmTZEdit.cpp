#include "frmTZEdit.h"

#include "ListFill.h"
#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "roster/Roster.h"
#include "store/RosterError.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateTime>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimeZone>
#include <QVBoxLayout>

frmTZEdit::frmTZEdit(Roster& roster, QWidget* parent)
    : QDialog(parent)
    , m_roster(roster)
{
    setObjectName(QStringLiteral("frmTZEdit"));
    setWindowTitle(tr("Time Zone Edits"));
    setModal(true);

    lstTimeZone = named(new QListWidget, "lstTimeZone", tr("Time zones"));
    lstTimeZone->setSelectionMode(QAbstractItemView::SingleSelection);
    txtTZName = named(new QLineEdit, "txtTZName", tr("TZ Name"));
    txtTZDescription = named(new QLineEdit, "txtTZDescription", tr("Description"));
    txtGMTOffset = named(new QLineEdit, "txtGMTOffset", tr("GMT Offset"),
                         tr("Minutes to add to the local time to get GMT, such as 300 for Eastern "
                            "or -60 for Central Europe"));
    chkApplyDST = named(new QCheckBox(tr("Apply Daylight Savings Time")), "chkApplyDST",
                        tr("Apply Daylight Savings Time"));
    cmbRealZone = named(new QComboBox, "cmbRealZone", tr("Real Time Zone"),
                        tr("Where the zone's clock is, so daylight saving follows the date; "
                           "type to search"));
    cmbRealZone->setEditable(true);
    cmbRealZone->setInsertPolicy(QComboBox::NoInsert);
    cmbRealZone->addItem(tr("(none)"), QString());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        const int east = QTimeZone(id).offsetFromUtc(now) / 60;
        cmbRealZone->addItem(
            QStringLiteral("%1 (UTC%2%3:%4)")
                .arg(QString::fromUtf8(id), east < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                .arg(std::abs(east) / 60, 2, 10, QLatin1Char('0'))
                .arg(std::abs(east) % 60, 2, 10, QLatin1Char('0')),
            QString::fromUtf8(id));
    }
    cmbRealZone->completer()->setFilterMode(Qt::MatchContains);
    cmbRealZone->completer()->setCompletionMode(QCompleter::PopupCompletion);
    // "(none)" is shown, not held as text: typing "London" must not become "(none)London".
    cmbRealZone->lineEdit()->setPlaceholderText(tr("(none)"));
    lblRealZoneNote = named(new QLabel, "lblRealZoneNote", QString());
    lblRealZoneNote->setWordWrap(true);
    cmdSelect = named(new QPushButton(tr("Select")), "cmdSelect", tr("Select"));
    cmdNew = named(new QPushButton(tr("New Time Zone")), "cmdNew", tr("New Time Zone"));
    cmdSave = named(new QPushButton(tr("Save")), "cmdSave", tr("Save"));
    cmdDelete = named(new QPushButton(tr("Delete")), "cmdDelete", tr("Delete"));
    cmdExit = named(new QPushButton(tr("Exit")), "cmdExit", tr("Exit"));

    auto* fields = new QFormLayout;
    fields->addRow(captionFor(txtTZName, tr("TZ Name")), txtTZName);
    fields->addRow(captionFor(txtTZDescription, tr("Description")), txtTZDescription);
    fields->addRow(captionFor(txtGMTOffset, tr("GMT Offset")), txtGMTOffset);
    fields->addRow(chkApplyDST);
    fields->addRow(captionFor(cmbRealZone, tr("Real Time Zone")), cmbRealZone);
    fields->addRow(lblRealZoneNote);

    // No default button: Enter in a field would otherwise click Select, and Enter in the list
    // would select twice. Enter in the list selects through its activation.
    for (QPushButton* button : {cmdSelect, cmdNew, cmdSave, cmdDelete, cmdExit})
        button->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdSelect, cmdNew, cmdSave, cmdDelete})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(cmdExit);

    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(lstTimeZone, 1);
    top->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    setTabOrder(lstTimeZone, txtTZName);
    setTabOrder(txtTZName, txtTZDescription);
    setTabOrder(txtTZDescription, txtGMTOffset);
    setTabOrder(txtGMTOffset, chkApplyDST);
    setTabOrder(chkApplyDST, cmbRealZone);
    setTabOrder(cmbRealZone, cmdSelect);
    setTabOrder(cmdSelect, cmdNew);
    setTabOrder(cmdNew, cmdSave);
    setTabOrder(cmdSave, cmdDelete);
    setTabOrder(cmdDelete, cmdExit);
    resize(560, 320);

    // Enter on the entry under the cursor selects it, even before it was highlighted.
    connect(lstTimeZone, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        item->setSelected(true);
        lstTimeZone_DblClick();
    });
    connect(cmbRealZone, &QComboBox::activated, this, &frmTZEdit::cmbRealZone_Activated);
    connect(cmbRealZone, &QComboBox::editTextChanged, this, &frmTZEdit::showRealZoneNote);
    connect(cmdSelect, &QPushButton::clicked, this, &frmTZEdit::cmdSelect_Click);
    connect(cmdNew, &QPushButton::clicked, this, &frmTZEdit::cmdNew_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmTZEdit::cmdSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmTZEdit::cmdDelete_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmTZEdit::cmdExit_Click);
    txtGMTOffset->installEventFilter(this);

    // A new zone starts at offset 0, so Tab through the empty form brings no refusal.
    clearFields();
    LoadTZEdit();
}

void frmTZEdit::LoadTZEdit()
{
    try {
        fillList(lstTimeZone, m_roster.zoneEntries());
    } catch (const RosterError& error) {
        Messages::error(this, error);
    }
    // Whole names, never "CET - Central Europ".
    lstTimeZone->setMinimumWidth(lstTimeZone->sizeHintForColumn(0) + 2 * lstTimeZone->frameWidth()
                                 + lstTimeZone->verticalScrollBar()->sizeHint().width() + 8);
}

void frmTZEdit::reject()
{
    cmdExit_Click();
}

bool frmTZEdit::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving for another window or a popup is not leaving the field; the box itself is one.
    if (watched == txtGMTOffset && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            QMetaObject::invokeMethod(this, &frmTZEdit::txtGMTOffset_LostFocus, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<int> frmTZEdit::selectedZone()
{
    const QList<QListWidgetItem*> selected = lstTimeZone->selectedItems();
    if (selected.isEmpty()) {
        Messages::show(this, tr("Selection Error"), tr("You must first highlight a Time Zone!"),
                       Messages::Icon::Critical);
        return std::nullopt;
    }
    return selected.first()->data(Qt::UserRole).toInt();
}

void frmTZEdit::clearFields()
{
    txtTZName->clear();
    txtTZDescription->clear();
    txtGMTOffset->setText(QStringLiteral("0"));
    chkApplyDST->setChecked(false);
    showRealZone({});
    m_editMode = false;
}

QString frmTZEdit::realZone() const
{
    const int index = cmbRealZone->findText(cmbRealZone->currentText());
    if (index >= 0)
        return cmbRealZone->itemData(index).toString();
    return cmbRealZone->currentText().section(QStringLiteral(" ("), 0, 0).trimmed();
}

void frmTZEdit::showRealZone(const QString& id)
{
    const int index = id.isEmpty() ? -1 : cmbRealZone->findData(id);
    cmbRealZone->setCurrentIndex(index);
    if (index < 0)
        cmbRealZone->setEditText(id);
}

void frmTZEdit::showRealZoneNote()
{
    const QString id = realZone();
    // Only ids of the IANA form: an empty one would name the system's zone, and text being
    // typed ("London") can pass as a rule of its own.
    const bool iana = id.contains(QLatin1Char('/')) || cmbRealZone->findData(id) > 0;
    const QTimeZone zone = iana ? QTimeZone(id.toUtf8()) : QTimeZone();
    QString note;
    if (zone.isValid() && !zone.hasDaylightTime()) {
        note = tr("%1 has no summer time: its clock never changes.").arg(id);
        if (zone.standardTimeOffset(QDateTime::currentDateTimeUtc()) == 0)
            note += tr(" Members in Britain or Ireland need a zone with Europe/London or "
                       "Europe/Dublin: type London above.");
    }
    lblRealZoneNote->setText(note);
    lblRealZoneNote->setAccessibleName(note.isEmpty() ? tr("Real Time Zone note") : note);
    lblRealZoneNote->setVisible(!note.isEmpty());
}

void frmTZEdit::cmbRealZone_Activated(int index)
{
    const QString id = cmbRealZone->itemData(index).toString();
    if (id.isEmpty()) {
        // "(none)" picked from the list: no text, so the next typing starts afresh.
        showRealZone({});
        return;
    }
    // A new zone is named after the place until the user names it.
    if (txtTZDescription->text().trimmed().isEmpty())
        txtTZDescription->setText(
            id.section(QLatin1Char('/'), -1).replace(QLatin1Char('_'), QLatin1Char(' ')));
    const ZoneStore::Fields standard = ZoneStore::standardOf(id);
    txtGMTOffset->setText(QString::number(standard.offset));
    chkApplyDST->setChecked(standard.daylight);
}

void frmTZEdit::cmdSelect_Click()
{
    const std::optional<int> key = selectedZone();
    if (!key)
        return;
    try {
        const ZoneStore::Fields zone = m_roster.zone(*key);
        m_editing = *key;
        txtTZName->setText(zone.name);
        txtTZDescription->setText(zone.description);
        txtGMTOffset->setText(QString::number(zone.offset));
        chkApplyDST->setChecked(zone.daylight);
        showRealZone(zone.iana);
        txtTZName->setFocus();
        m_editMode = true;
    } catch (const RosterError& error) {
        Messages::error(this, error);
    }
}

void frmTZEdit::lstTimeZone_DblClick()
{
    cmdSelect_Click();
}

void frmTZEdit::cmdNew_Click()
{
    clearFields();
    txtTZName->setFocus();
}

void frmTZEdit::cmdSave_Click()
{
    try {
        const ZoneStore::Fields fields
            = ZoneStore::read(txtTZName->text(), txtTZDescription->text(), txtGMTOffset->text(),
                              chkApplyDST->isChecked(), realZone());
        if (!m_roster.preferences().verifyOff
            && !Messages::confirm(this, (m_editMode ? tr("Update %1?") : tr("Add %1?")).arg(fields.name)))
            return;
        if (m_editMode)
            m_roster.updateZone(m_editing, fields);
        else
            m_roster.addZone(fields);
    } catch (const RosterError& error) {
        Messages::error(this, error);
        if (error.field())
            (error.field()->kind == FormField::Kind::ZoneName       ? static_cast<QWidget*>(txtTZName)
                 : error.field()->kind == FormField::Kind::ZoneIana ? static_cast<QWidget*>(cmbRealZone)
                                                                    : txtGMTOffset)
                ->setFocus();
        return;
    }
    clearFields();
}

void frmTZEdit::cmdDelete_Click()
{
    const std::optional<int> key = selectedZone();
    if (!key)
        return;
    try {
        const QString name = m_roster.checkZoneDeletion(*key);
        // Asked even with confirmations switched off.
        if (!Messages::confirm(this, tr("Delete %1?").arg(name)))
            return;
        m_roster.deleteZone(*key);
    } catch (const RosterError& error) {
        Messages::error(this, error);
        return;
    }
    m_editMode = false;
}

void frmTZEdit::cmdExit_Click()
{
    clearFields();
    QDialog::reject();
}

void frmTZEdit::txtGMTOffset_LostFocus()
{
    // Runs once the focus has settled. Leaving for a command button is let through: Save checks
    // the offset itself, Exit and New Time Zone throw the text away, and Select and Delete do
    // not use it; a box here would only come on top of theirs or trap the user in the dialog.
    QWidget* now = QApplication::focusWidget();
    const bool command = QList<QWidget*> {cmdSelect, cmdNew, cmdSave, cmdDelete, cmdExit}.contains(now);
    if (!isVisible() || now == txtGMTOffset || command)
        return;
    try {
        ZoneStore::offsetOf(txtGMTOffset->text());
    } catch (const RosterError& error) {
        Messages::error(this, error);
        txtGMTOffset->setFocus();
    }
}
