#pragma once

#include "settings/Preferences.h"
#include "store/Database.h"

#include <QMainWindow>

// The main window.
class frmTallyhold : public QMainWindow
{
    Q_OBJECT

public:
    frmTallyhold(Database db, Preferences preferences, QWidget* parent = nullptr);
    ~frmTallyhold() override;

    Database& database() { return m_db; }
    Preferences& preferences() { return m_preferences; }

private:
    Database m_db;
    Preferences m_preferences;
};
