#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Roster;

// The Options dialog: shows the roster session's preferences and saves changes to them, so the
// new values are used at once. Cancel / Exit only hides it: unsaved edits stay in the
// fields until Restore Settings reads the store again.
class frmOptions : public QDialog
{
    Q_OBJECT

public:
    frmOptions(Roster& roster, QWidget* parent);

    QGroupBox* frmePreferences = nullptr;
    QGroupBox* frmeGranularity = nullptr;
    QRadioButton* opt15 = nullptr;
    QRadioButton* opt30 = nullptr;
    QRadioButton* opt60 = nullptr;
    QCheckBox* chkVerifyDialogs = nullptr;
    QLineEdit* txtMaxResults = nullptr;
    QGroupBox* frmeYourInfo = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QComboBox* cmbTZ = nullptr;
    QCheckBox* chkApplyDST = nullptr;
    // For a zone with a real time zone, what its clock does today, in tallyhold-cli's words.
    QLabel* lblDaylight = nullptr;
    // The language and clock of the window, saved for the user and used from the next start.
    QComboBox* cmbLanguage = nullptr;
    QComboBox* cmbClock = nullptr;
    QLabel* lblLanguageNote = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdRestore = nullptr;
    QPushButton* cmdCancel = nullptr;

private slots:
    void cmdSave_Click();
    void cmdRestore_Click();
    void cmdCancel_Click();

private:
    // Shows the preferences in force.
    void fillFields();
    // A zone with a real time zone decides daylight saving itself: the box shows today's.
    void followZone();

    Roster& m_roster;
    // The box's state for a zone without a real time zone.
    bool m_fixedDST = false;
};
