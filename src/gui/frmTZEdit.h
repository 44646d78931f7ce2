#pragma once

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Roster;

// "Time Zone Edits": lists, adds, changes and deletes the zones of the roster. Exit only hides
// the dialog, so the list and the fields stay as they were left until it is shown again.
class frmTZEdit : public QDialog
{
    Q_OBJECT

public:
    frmTZEdit(Roster& roster, QWidget* parent);

    // Refills the zone list.
    void LoadTZEdit();

    QListWidget* lstTimeZone = nullptr;
    QLineEdit* txtTZName = nullptr;
    QLineEdit* txtTZDescription = nullptr;
    QLineEdit* txtGMTOffset = nullptr;
    QCheckBox* chkApplyDST = nullptr;
    QComboBox* cmbRealZone = nullptr;
    // Says when the real time zone keeps no summer time (Etc/GMT is not London's clock).
    QLabel* lblRealZoneNote = nullptr;
    QPushButton* cmdSelect = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdExit = nullptr;

public slots:
    // Escape and the window's close button leave like Exit.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdSelect_Click();
    void lstTimeZone_DblClick();
    void cmdNew_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdExit_Click();
    void txtGMTOffset_LostFocus();
    // A real time zone picked: its standard offset and daylight saving fill the fixed fields.
    void cmbRealZone_Activated(int index);

private:
    // The key of the highlighted zone; without one, says so and gives nothing.
    std::optional<int> selectedZone();
    void clearFields();
    // The real time zone picked or typed; empty for none.
    QString realZone() const;
    void showRealZone(const QString& id);
    void showRealZoneNote();

    Roster& m_roster;
    // The dialog's own edit mode: the fields hold zone m_editing, so Save updates it.
    bool m_editMode = false;
    int m_editing = 0;
};
