#pragma once

#include "matches/Match.h"

#include <QDialog>

class QListWidget;
class QPushButton;
class Roster;

// "Attendance": after a match has started, who came, one check box a player.
class frmAttendance : public QDialog
{
    Q_OBJECT

public:
    frmAttendance(Roster& roster, const Match& match, QWidget* parent = nullptr);

    QListWidget* lstAttended = nullptr;
    QPushButton* cmdSaveAttendance = nullptr;

private slots:
    void cmdSaveAttendance_Click();

private:
    Roster& m_roster;
    RecordKey m_match;
};
