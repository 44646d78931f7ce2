#pragma once

#include "store/RecordKey.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QLabel;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class Roster;

// "Clans / Divisions": the division list and the fields of the division being edited.
class ClansTab : public QWidget
{
    Q_OBJECT

public:
    explicit ClansTab(Roster& roster, QWidget* parent = nullptr);

    QList<QWidget*> keyboardOrder() const;
    // True while the fields hold the division loaded from the list, so Save updates it. This
    // tab's own flag: the member form keeps a separate one.
    bool editMode() const { return m_editMode; }

    QLineEdit* txtDivisionName = nullptr;
    QLabel* lblClansHint = nullptr;
    QListWidget* lstDivision = nullptr;
    QGroupBox* frmeDivNotes = nullptr;
    QPlainTextEdit* txtDivNotes = nullptr;
    QCheckBox* chkDivHide = nullptr;
    QPushButton* cmdNewDiv = nullptr;
    QPushButton* cmdDivSave = nullptr;
    QPushButton* cmdDivClear = nullptr;
    QPushButton* cmdDeleteDiv = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void lstDivision_Click();
    void cmdNewDiv_Click();
    void cmdDivSave_Click();
    void cmdDivClear_Click();
    void cmdDeleteDiv_Click();

private:
    // The key of the highlighted division; without one, says so and gives nothing.
    std::optional<RecordKey> selectedDivision();

    Roster& m_roster;
    bool m_editMode = false;
    RecordKey m_editing;
    // The entry under the last mouse press, when it was highlighted already.
    QListWidgetItem* m_pressedSelected = nullptr;
};
