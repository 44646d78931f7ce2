#pragma once

#include "matches/Match.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class Roster;
class RosterError;
class TimeEntryField;

// "Plan Match" and "Edit Match": when, how long, who plays (and who must), the minimum, title and
// notes. Save plans the match, or changes the one given.
class frmPlanMatch : public QDialog
{
    Q_OBJECT

public:
    // Columns of tblPlanPlayers: the name's check box invites, the other makes required.
    enum Column { Invited, Required };

    // An empty match plans a new one.
    frmPlanMatch(Roster& roster, const MatchForm& form, const RecordKey& match = {},
                 QWidget* parent = nullptr);
    ~frmPlanMatch() override;

    // The match saved, once Save went through.
    RecordKey savedMatch() const { return m_match; }

    QLineEdit* txtMatchTitle = nullptr;
    TimeEntryField* txtPlanDate = nullptr;
    TimeEntryField* txtPlanTime = nullptr;
    QLabel* lblPlanZone = nullptr;
    QLineEdit* txtPlanLength = nullptr;
    QLineEdit* txtPlanMinimum = nullptr;
    QTableWidget* tblPlanPlayers = nullptr;
    QLabel* lblPlanInvited = nullptr;
    QPlainTextEdit* txtMatchNotes = nullptr;
    QPushButton* cmdSaveMatch = nullptr;

private slots:
    void cmdSaveMatch_Click();

private:
    void fillPlayers(const MatchForm& form);
    void countInvited();
    MatchForm form() const;
    // The box, and the focus on the field the refusal is about.
    void refuse(const RosterError& error);

    Roster& m_roster;
    RecordKey m_match;
    // As loaded, so Save can tell whether the match moved.
    MatchForm m_loaded;
};
