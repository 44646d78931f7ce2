#include "frmOptions.h"

#include "app/ControlNames.h"
#include "app/Messages.h"
#include "app/frmTallyhold.h"
#include "store/RosterError.h"
#include "timezones/ZoneStore.h"

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

frmOptions::frmOptions(frmTallyhold& main)
    : QDialog(&main)
    , m_main(main)
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
    you->addRow(QString(), chkApplyDST);

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
    fillFields();
}

void frmOptions::fillFields()
{
    const Preferences& preferences = m_main.preferences();
    cmbTZ->setEditText(preferences.userTimeZone);
    chkApplyDST->setChecked(preferences.userDST);
    chkVerifyDialogs->setChecked(preferences.verifyOff);
    txtMaxResults->setText(QString::number(preferences.maxResults));
    txtName->setText(preferences.userName);
    txtEmail->setText(preferences.userEmail);
    // A step the dialog does not offer shows as 30 but stays in memory until the next Save.
    switch (preferences.timeGranularity) {
    case 15:
        opt15->setChecked(true);
        break;
    case 60:
        opt60->setChecked(true);
        break;
    default:
        opt30->setChecked(true);
        break;
    }
}

void frmOptions::cmdSave_Click()
{
    const QString zone = cmbTZ->currentText();
    try {
        if (!ZoneStore(m_main.database()).contains(zone)) {
            Messages::show(
                this, QStringLiteral("Time Zone Not Found"),
                QStringLiteral("Make sure that the new Member's Time Zone is set right, then try to "
                               "Save again."),
                Messages::Icon::Information);
            cmbTZ->setFocus();
            return;
        }
    } catch (const RosterError& error) {
        Messages::error(this, error);
        return;
    }
    const std::optional<int> maxResults = Preferences::readMaxResults(txtMaxResults->text());
    if (!maxResults) {
        Messages::inform(this, QStringLiteral("Maximum Results field must be a number greater than zero"),
                         Messages::Icon::None);
        txtMaxResults->setFocus();
        return;
    }

    Preferences& preferences = m_main.preferences();
    preferences.userTimeZone = zone.trimmed();
    preferences.userDST = chkApplyDST->checkState() == Qt::Checked;
    preferences.verifyOff = chkVerifyDialogs->checkState() == Qt::Checked;
    preferences.maxResults = *maxResults;
    preferences.userEmail = txtEmail->text();
    preferences.userName = txtName->text();
    if (opt15->isChecked())
        preferences.timeGranularity = 15;
    else if (opt30->isChecked())
        preferences.timeGranularity = 30;
    else if (opt60->isChecked())
        preferences.timeGranularity = 60;
    SaveSettings(preferences);
}

void frmOptions::cmdRestore_Click()
{
    m_main.preferences() = LoadSettings();
    fillFields();
}

void frmOptions::cmdCancel_Click()
{
    hide();
}
