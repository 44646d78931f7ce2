#pragma once

#include "matches/Match.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;
class QTreeWidget;
class Roster;

// "Matches": the planned matches with their answers counted, the chosen match's players, what
// the leader does with it, and who came to the last matches.
class MatchesTab : public QWidget
{
    Q_OBJECT

public:
    // Columns of tblMatchPlayers.
    enum PlayerColumn { Player, Answer, Note, Week, Came };

    explicit MatchesTab(Roster& roster, QWidget* parent = nullptr);

    QList<QWidget*> keyboardOrder() const;
    // Lists the matches again now and highlights this one.
    void selectMatch(const RecordKey& match);

    QLabel* lblMatchesHint = nullptr;
    QCheckBox* chkPastMatches = nullptr;
    // Column 0 the title, column 1 the status line; a match's key as Qt::UserRole data.
    QTreeWidget* lstMatches = nullptr;
    QPushButton* cmdEditMatch = nullptr;
    QPushButton* cmdCancelMatch = nullptr;
    QPushButton* cmdDeleteMatch = nullptr;
    QPushButton* cmdReminder = nullptr;
    QPushButton* cmdAttendance = nullptr;
    QGroupBox* grpMatchPlayers = nullptr;
    QLabel* lblMatchDetail = nullptr;
    QTableWidget* tblMatchPlayers = nullptr;
    QComboBox* cmbAnswer = nullptr;
    QLineEdit* txtAnswerNote = nullptr;
    QPushButton* cmdAnswer = nullptr;
    QGroupBox* grpAttendance = nullptr;
    QSpinBox* spnAttendanceLast = nullptr;
    QTableWidget* tblAttendance = nullptr;

private slots:
    void refill();
    void cmdEditMatch_Click();
    void cmdCancelMatch_Click();
    void cmdDeleteMatch_Click();
    void cmdReminder_Click();
    void cmdAttendance_Click();
    void cmdAnswer_Click();

private:
    std::optional<RecordKey> selectedMatch() const;
    // Lists the matches again, highlighting this one when it is still listed.
    void fill(const std::optional<RecordKey>& selected);
    // The highlighted match's players and what may be done with it; missing zones are reported
    // when the user chose the match, not at every refill.
    void showMatch(bool reportZones);
    void showPlayerAnswer();
    void fillAttendance();

    Roster& m_roster;
    QTimer* m_refill = nullptr;
    // The match shown: as loaded for the buttons.
    std::optional<Match> m_shown;
    // The player whose answer the answer row shows.
    RecordKey m_answerFor;
};
