#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class frmTallyhold;

// "Clans / Divisions": the division list and the fields of the division being edited.
class ClansTab : public QWidget
{
    Q_OBJECT

public:
    explicit ClansTab(frmTallyhold& main, QWidget* parent = nullptr);

    QList<QWidget*> keyboardOrder() const;

    QLineEdit* txtDivisionName = nullptr;
    QListWidget* lstDivision = nullptr;
    QGroupBox* frmeDivNotes = nullptr;
    QPlainTextEdit* txtDivNotes = nullptr;
    QCheckBox* chkDivHide = nullptr;
    QPushButton* cmdNewDiv = nullptr;
    QPushButton* cmdDivSave = nullptr;
    QPushButton* cmdDivClear = nullptr;
    QPushButton* cmdDeleteDiv = nullptr;

private slots:
    void lstDivision_Click();
    void cmdNewDiv_Click();
    void cmdDivSave_Click();
    void cmdDivClear_Click();
    void cmdDeleteDiv_Click();

private:
    frmTallyhold& m_main;
};
