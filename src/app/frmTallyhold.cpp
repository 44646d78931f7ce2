#include "frmTallyhold.h"

frmTallyhold::frmTallyhold(Database db, Preferences preferences, QWidget* parent)
    : QMainWindow(parent)
    , m_db(std::move(db))
    , m_preferences(std::move(preferences))
{
    setObjectName(QStringLiteral("frmTallyhold"));
    setWindowTitle(QStringLiteral("Tallyhold"));
    resize(1024, 768);
}

frmTallyhold::~frmTallyhold()
{
    m_db.close();
}
