#include "frmOptions.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "roster/Roster.h"
#include "store/RosterError.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmOptions::frmOptions(Roster& roster, QWidget* parent)
    : QDialog(parent)
    , m_roster(roster)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);

    frmePreferences = named(new QGroupBox(QStringLiteral("Preferences")), "frmePreferences",
                            QStringLiteral("Preferences"));
    frmeGranularity = named(new QGroupBox(QStringLiteral("Best Times Granularity")), "frmeGranularity",
                            QStringLiteral("Best Times Granularity"));
    opt15 = named(new QRadioButton(QStringLiteral("15 Min")), "opt15", QStringLiteral("15 Min"));
    opt30 = named(new QRadioButton(QStringLiteral("30 Min")), "opt30", QStringLiteral("30 Min"));
    opt60 = named(new QRadioButton(QStringLiteral("60 Min")), "opt60", QStringLiteral("60 Min"));
    chkVerifyDialogs = named(new QCheckBox(QStringLiteral("Disable Message Box Verifications")),
                             "chkVerifyDialogs", QStringLiteral("Disable Message Box Verifications"));
    txtMaxResults = named(new QLineEdit, "txtMaxResults", QStringLiteral("Max Return on Show Best Times"));
    frmeYourInfo = named(new QGroupBox(QStringLiteral("Your Information")), "frmeYourInfo",
                         QStringLiteral("Your Information"));
    txtName = named(new QLineEdit, "txtName", QStringLiteral("Name"));
    txtEmail = named(new QLineEdit, "txtEmail", QStringLiteral("EMail"));
    cmbTZ = named(new QComboBox, "cmbTZ", QStringLiteral("Your Time Zone"));
    cmbTZ->setEditable(true);
    cmbTZ->setInsertPolicy(QComboBox::NoInsert);
    chkApplyDST
        = named(new QCheckBox(QStringLiteral("Apply DST")), "chkApplyDST", QStringLiteral("Apply DST"));
    lblDaylight = named(new QLabel, "lblDaylight", QStringLiteral("Daylight saving"));
    cmdSave
        = named(new QPushButton(QStringLiteral("Save Settings")), "cmdSave", QStringLiteral("Save Settings"));
    cmdRestore = named(new QPushButton(QStringLiteral("Restore Settings")), "cmdRestore",
                       QStringLiteral("Restore Settings"));
    cmdCancel = named(new QPushButton(QStringLiteral("Cancel / Exit")), "cmdCancel",
                      QStringLiteral("Cancel / Exit"));
    cmdSave->setAutoDefault(false);
    cmdRestore->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);

    auto* grid = new QHBoxLayout(frmeGranularity);
    auto* steps = new QButtonGroup(this);
    for (QRadioButton* option : {opt15, opt30, opt60}) {
        steps->addButton(option);
        grid->addWidget(option);
    }
    auto* limit = new QFormLayout;
    limit->addRow(captionFor(txtMaxResults, QStringLiteral("Max Return on Show Best Times")), txtMaxResults);
    auto* preferences = new QVBoxLayout(frmePreferences);
    preferences->addWidget(frmeGranularity);
    preferences->addWidget(chkVerifyDialogs);
    preferences->addLayout(limit);

    auto* you = new QFormLayout(frmeYourInfo);
    you->addRow(captionFor(txtName, QStringLiteral("Name")), txtName);
    you->addRow(captionFor(txtEmail, QStringLiteral("EMail")), txtEmail);
    you->addRow(captionFor(cmbTZ, QStringLiteral("Your Time Zone")), cmbTZ);
    auto* daylight = new QHBoxLayout;
    daylight->addWidget(chkApplyDST);
    daylight->addWidget(lblDaylight, 1);
    you->addRow(QString(), daylight);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdRestore);
    buttons->addStretch();
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frmePreferences);
    layout->addWidget(frmeYourInfo);
    layout->addLayout(buttons);

    connect(cmdSave, &QPushButton::clicked, this, &frmOptions::cmdSave_Click);
    connect(cmdRestore, &QPushButton::clicked, this, &frmOptions::cmdRestore_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
    connect(&m_roster, &Roster::preferencesChanged, this, &frmOptions::fillFields);
    connect(cmbTZ, &QComboBox::editTextChanged, this, &frmOptions::followZone);
    connect(chkApplyDST, &QCheckBox::toggled, this, [this](bool checked) {
        if (chkApplyDST->isEnabled())
            m_fixedDST = checked;
    });
    fillFields();
}

void frmOptions::fillFields()
{
    const OptionsForm form = m_roster.optionsForm();
    cmbTZ->setEditText(form.userTimeZone);
    m_fixedDST = form.userDST;
    followZone();
    chkVerifyDialogs->setChecked(form.verifyOff);
    txtMaxResults->setText(form.maxResults);
    txtName->setText(form.userName);
    txtEmail->setText(form.userEmail);
    opt15->setChecked(form.timeGranularity == 15);
    opt30->setChecked(form.timeGranularity == 30);
    opt60->setChecked(form.timeGranularity == 60);
}

void frmOptions::cmdSave_Click()
{
    const int step = opt15->isChecked() ? 15 : opt60->isChecked() ? 60 : 30;
    try {
        m_roster.saveOptions({cmbTZ->currentText(), m_fixedDST, chkVerifyDialogs->checkState() == Qt::Checked,
                              txtMaxResults->text(), txtName->text(), txtEmail->text(), step});
    } catch (const RosterError& error) {
        Messages::error(this, error);
        if (error.field())
            (error.field()->kind == FormField::Kind::MaxResults ? static_cast<QWidget*>(txtMaxResults)
                                                                : cmbTZ)
                ->setFocus();
    }
}

void frmOptions::followZone()
{
    const std::optional<bool> today = m_roster.daylightToday(cmbTZ->currentText());
    chkApplyDST->setEnabled(!today);
    chkApplyDST->setChecked(today.value_or(m_fixedDST));
    const QString tip = !today ? QString()
        : *today               ? QStringLiteral("Your zone's real time zone is on daylight saving time today")
                               : QStringLiteral("Your zone's real time zone is on standard time today");
    chkApplyDST->setToolTip(tip);
    chkApplyDST->setAccessibleDescription(tip);
    // A greyed box alone would read as "no daylight saving" all year.
    lblDaylight->setText(today ? m_roster.daylightText(cmbTZ->currentText(), m_fixedDST) : QString());
    lblDaylight->setAccessibleName(today ? lblDaylight->text() : QStringLiteral("Daylight saving"));
}

void frmOptions::cmdRestore_Click()
{
    m_roster.restorePreferences();
}

void frmOptions::cmdCancel_Click()
{
    hide();
}
