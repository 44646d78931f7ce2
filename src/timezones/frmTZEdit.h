#pragma once

#include <QDialog>

class frmTallyhold;

// The Time Zone Edits dialog.
class frmTZEdit : public QDialog
{
    Q_OBJECT

public:
    explicit frmTZEdit(frmTallyhold& main);

private:
    frmTallyhold& m_main;
};
