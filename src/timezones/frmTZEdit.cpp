#include "frmTZEdit.h"

#include "app/frmTallyhold.h"

frmTZEdit::frmTZEdit(frmTallyhold& main)
    : QDialog(&main)
    , m_main(main)
{
    setObjectName(QStringLiteral("frmTZEdit"));
    setWindowTitle(QStringLiteral("Time Zone Edits"));
    setModal(true);
}
