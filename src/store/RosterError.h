#pragma once

#include "i18n/CoreText.h"

#include <QString>
#include <exception>
#include <optional>

// What a refused or failed command is about. A front end decides how each kind is shown; core
// carries only the words.
enum class ErrorKind {
    Database, // the database layer failed; the text carries the driver's words
    DataLost, // a row the command relies on is missing ("Unrecoverable Data Error")
    NotOpened, // the roster file cannot be used
    RosterInUse, // another program holds the roster; trying again may succeed
    RosterOpenElsewhere, // another Tallyhold window has the roster open
    RosterDamaged, // the roster file is damaged
    RosterEmpty, // the roster file holds no bytes at all
    ReadOnly, // the roster can be viewed and scheduled but not changed
    Programming, // a state the program should never reach
    RecordKey, // text that should be a record key is not
    ZoneOffset, // a stored zone has no usable offset
    Selection, // nothing was chosen to act on
    SaveRefused, // a typed value stops a save
    RowVanished, // the row being edited is gone; nothing was saved
    DataFormat, // a typed number or name has the wrong form
    TimeFormat, // a typed time has the wrong form
    DivisionNotFound, // the typed division names no division
    ZoneNotFound, // the typed zone names no zone
    ScheduleInput, // a match date or time is missing
    DeletionRefused, // rows still use what is to be deleted
    ImportAborted, // an exchange file cannot be imported; nothing was written
    ExportFailed, // an exchange file cannot be written
    ValueOutOfRange, // a preference value outside what it may hold
    FileNotSaved, // a file other than an exchange file cannot be written; nothing of it was kept
    RowChanged, // another officer changed the row since it was loaded; nothing was saved
    ConnectionLost, // the server's connection dropped; nothing of the command was saved
    PasswordNeeded, // the server wants a password the login was not given, or refused the one given
};

// Whether a kind says the roster or its store cannot do what was asked (it cannot be opened, is
// read-only or damaged, the database or its connection failed) rather than refusing what the
// user gave. The front ends report the two apart: tallyhold-cli exits 2 for the one and 1 for
// the other, and a script knows whether a corrected command could succeed.
bool isStoreFailure(ErrorKind kind);

// A field of a form, for the front end to put the focus back on.
struct FormField
{
    enum class Kind {
        PlayerName,
        Division,
        TimeZone,
        Slot,
        DivisionName,
        ZoneName,
        ZoneOffset,
        MatchDate,
        MatchTime,
        MaxResults,
        UserTimeZone,
        ZoneIana,
        // A member's change: its dates, a slot field (slot 0 to 3: slot 1 start to slot 2 end)
        // and its note.
        ChangeFirst,
        ChangeLast,
        ChangeSlot,
        ChangeNote,
    };

    Kind kind = Kind::PlayerName;
    int day = -1;
    int slot = -1;

    static FormField slotField(int day, int slot) { return {Kind::Slot, day, slot}; }
    bool operator==(const FormField&) const = default;
};

// Every failure a core command can report: its kind, the words to show, extra detail (a line
// number, the driver's own words) and, for refused input, the field to correct. The words are kept
// as their source so that each front end shows them in its reader's language.
class RosterError : public std::exception
{
public:
    RosterError(ErrorKind kind, CoreText text, CoreText detail = {}, std::optional<FormField> field = {});

    ErrorKind kind() const { return m_kind; }
    // In the language of the process's catalogues.
    QString text() const { return m_text.shown(); }
    QString detail() const { return m_detail.shown(); }
    const CoreText& words() const { return m_text; }
    const CoreText& detailWords() const { return m_detail; }
    const std::optional<FormField>& field() const { return m_field; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    ErrorKind m_kind;
    CoreText m_text;
    CoreText m_detail;
    std::optional<FormField> m_field;
    QByteArray m_what;
};

// The database layer failed (statement, file, conversion); carries the driver's text.
class DatabaseError : public RosterError
{
public:
    explicit DatabaseError(const CoreText& driverText);
};

// A row that a command relies on is missing: "Unrecoverable Data Error.  Number 1014".
class DataError : public RosterError
{
public:
    explicit DataError(int number, const QString& detail = {});
    int number() const { return m_number; }

private:
    int m_number;
};
