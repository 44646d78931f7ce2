#include "frmOptions.h"

#include "gui/ControlNames.h"
#include "gui/Messages.h"
#include "languages/Languages.h"
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
#include <algorithm>

frmOptions::frmOptions(Roster& roster, QWidget* parent)
    : QDialog(parent)
    , m_roster(roster)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));
    setModal(true);

    frmePreferences = named(new QGroupBox(tr("Preferences")), "frmePreferences", tr("Preferences"));
    frmeGranularity
        = named(new QGroupBox(tr("Best Times Granularity")), "frmeGranularity", tr("Best Times Granularity"));
    opt15 = named(new QRadioButton(tr("15 Min")), "opt15", tr("15 Min"));
    opt30 = named(new QRadioButton(tr("30 Min")), "opt30", tr("30 Min"));
    opt60 = named(new QRadioButton(tr("60 Min")), "opt60", tr("60 Min"));
    chkVerifyDialogs = named(new QCheckBox(tr("Disable Message Box Verifications")), "chkVerifyDialogs",
                             tr("Disable Message Box Verifications"));
    txtMaxResults = named(new QLineEdit, "txtMaxResults", tr("Max Return on Show Best Times"));
    frmeYourInfo = named(new QGroupBox(tr("Your Information")), "frmeYourInfo", tr("Your Information"));
    txtName = named(new QLineEdit, "txtName", tr("Name"));
    txtEmail = named(new QLineEdit, "txtEmail", tr("EMail"));
    cmbTZ = named(new QComboBox, "cmbTZ", tr("Your Time Zone"));
    cmbTZ->setEditable(true);
    cmbTZ->setInsertPolicy(QComboBox::NoInsert);
    chkApplyDST = named(new QCheckBox(tr("Apply DST")), "chkApplyDST", tr("Apply DST"));
    lblDaylight = named(new QLabel, "lblDaylight", tr("Daylight saving"));
    cmbLanguage = named(new QComboBox, "cmbLanguage", tr("Language"));
    cmbLanguage->addItem(tr("System"), QString());
    for (const Languages::Language& language : Languages::builtIn())
        cmbLanguage->addItem(language.name, language.code.isEmpty() ? QStringLiteral("en") : language.code);
    cmbClock = named(new QComboBox, "cmbClock", tr("Clock"));
    cmbClock->addItem(tr("As the language has it"), int(Languages::Clock::ByLanguage));
    cmbClock->addItem(tr("12-hour (8:00 PM)"), int(Languages::Clock::Hours12));
    cmbClock->addItem(tr("24-hour (20:00)"), int(Languages::Clock::Hours24));
    lblLanguageNote
        = named(new QLabel(tr("Language and clock change at the next start of Tallyhold.")),
                "lblLanguageNote", tr("Language and clock change at the next start of Tallyhold."));
    lblLanguageNote->setWordWrap(true);
    cmdSave = named(new QPushButton(tr("Save Settings")), "cmdSave", tr("Save Settings"));
    cmdRestore = named(new QPushButton(tr("Restore Settings")), "cmdRestore", tr("Restore Settings"));
    cmdCancel = named(new QPushButton(tr("Cancel / Exit")), "cmdCancel", tr("Cancel / Exit"));
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
    limit->addRow(captionFor(txtMaxResults, tr("Max Return on Show Best Times")), txtMaxResults);
    auto* preferences = new QVBoxLayout(frmePreferences);
    preferences->addWidget(frmeGranularity);
    preferences->addWidget(chkVerifyDialogs);
    preferences->addLayout(limit);
    auto* language = new QFormLayout;
    language->addRow(captionFor(cmbLanguage, tr("Language")), cmbLanguage);
    language->addRow(captionFor(cmbClock, tr("Clock")), cmbClock);
    language->addRow(QString(), lblLanguageNote);
    preferences->addLayout(language);

    auto* you = new QFormLayout(frmeYourInfo);
    you->addRow(captionFor(txtName, tr("Name")), txtName);
    you->addRow(captionFor(txtEmail, tr("EMail")), txtEmail);
    you->addRow(captionFor(cmbTZ, tr("Your Time Zone")), cmbTZ);
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
    cmbLanguage->setCurrentIndex(std::max(0, cmbLanguage->findData(Languages::saved())));
    cmbClock->setCurrentIndex(std::max(0, cmbClock->findData(int(Languages::savedClock()))));
}

void frmOptions::cmdSave_Click()
{
    const int step = opt15->isChecked() ? 15 : opt60->isChecked() ? 60 : 30;
    // Read first: saving the preferences refills the fields from the store.
    const QString language = cmbLanguage->currentData().toString();
    const auto clock = Languages::Clock(cmbClock->currentData().toInt());
    try {
        m_roster.saveOptions({cmbTZ->currentText(), m_fixedDST, chkVerifyDialogs->checkState() == Qt::Checked,
                              txtMaxResults->text(), txtName->text(), txtEmail->text(), step});
        Languages::save(language);
        Languages::saveClock(clock);
        cmbLanguage->setCurrentIndex(std::max(0, cmbLanguage->findData(language)));
        cmbClock->setCurrentIndex(std::max(0, cmbClock->findData(int(clock))));
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
        : *today               ? tr("Your zone's real time zone is on daylight saving time today")
                               : tr("Your zone's real time zone is on standard time today");
    chkApplyDST->setToolTip(tip);
    chkApplyDST->setAccessibleDescription(tip);
    // A greyed box alone would read as "no daylight saving" all year.
    lblDaylight->setText(today ? m_roster.daylightText(cmbTZ->currentText(), m_fixedDST) : QString());
    lblDaylight->setAccessibleName(today ? lblDaylight->text() : tr("Daylight saving"));
}

void frmOptions::cmdRestore_Click()
{
    m_roster.restorePreferences();
}

void frmOptions::cmdCancel_Click()
{
    hide();
}
