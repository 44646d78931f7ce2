#pragma once

#include "ZoneRow.h"
#include "store/Database.h"

#include <QList>
#include <QStringList>
#include <optional>

// The TimeZones table: the one place that reads and writes it and gives zones their keys. The
// Time Zone Edits dialog edits it by zone key (TZ_PK); everything else reads the rows it gives.
class ZoneStore
{
public:
    // Keys 1 to 8 are the standard zones every roster has; user-made zones come after them.
    static constexpr int LastStandardKey = 8;
    // Zone keys are 16-bit.
    static constexpr int LastKey = 32767;

    struct Fields
    {
        QString name; // as typed, blanks kept
        QString description;
        int offset = 0; // minutes, GMT = local time + offset
        bool daylight = false;
        QString iana = {}; // the real time zone ("America/New_York"), or empty
    };

    struct Entry
    {
        int key;
        QString text; // "EST - Eastern"
    };

    explicit ZoneStore(Database db);

    // Every zone in the order of its name as shown (blanks around it do not count).
    QList<Entry> entries() const;
    // Every zone by name as the shared drop-downs list it: the trimmed name alone.
    QList<Entry> names() const;
    // Every row in key order, for conversions and exports that need many zones at once.
    QList<ZoneRow> rows() const;
    std::optional<ZoneRow> row(int key) const;
    // The first zone (lowest key) whose name equals name, letter case aside.
    std::optional<ZoneRow> named(const QString& name) const;
    // The lowest key of a zone identical to a zone read from a file: its name (letter case
    // aside), offset, daylight flag and real time zone.
    std::optional<int> identical(const ZoneRow& zone) const;
    // Nothing when the row is gone. A description without a value loads as one blank.
    std::optional<Fields> load(int key) const;
    // Whether a zone of that name (letter case aside) is in the table.
    bool contains(const QString& name) const;
    // How many zones carry this name, blanks around and letter case aside.
    int countNamed(const QString& name) const;
    // The key a new zone takes: one above the greatest key and above the standard zones;
    // nothing once LastKey is taken.
    std::optional<int> nextKey() const;
    // Takes the next key at the moment of writing, so rows added meanwhile (an import) never
    // collide. Throws SaveRefused when no key is left.
    int add(const Fields& fields) const;
    // The same for a zone read from a file, its values as the file gives them (its key is the
    // file's own and not used); the refusal says that nothing was imported.
    int addImported(const ZoneRow& zone) const;
    // Throws DataError(1026) when the row is gone.
    void update(int key, const Fields& fields) const;

    // The trimmed player names of every member placed in the zone.
    QStringList memberNames(int key) const;
    // Throws DeletionRefused, naming one member per line, while members use the zone.
    void checkUnused(int key) const;
    // Deletes the zone unless members use it (checkUnused's refusal, nothing deleted).
    // Throws DataError(1027) when the row is gone.
    void remove(int key) const;

    // Whether row is exactly the standard zone of its key, so a file need not carry it.
    static bool isStandard(const ZoneRow& row);

    // The zone as typed in the dialog; throws DataFormat for a blank name, an offset that is
    // not a whole number of minutes, or a real time zone this computer does not know.
    static Fields read(const QString& name, const QString& description, const QString& offset, bool daylight,
                       const QString& iana = {});
    // What a real time zone gives the fixed columns that older copies read: its standard
    // offset, and whether it keeps daylight saving.
    static Fields standardOf(const QString& iana);
    // The offset as typed; throws DataFormat unless it is a whole number of minutes.
    static int offsetOf(const QString& text);
    // A whole number of minutes, blanks around allowed; nothing for anything else.
    static std::optional<int> readOffset(const QString& text);

private:
    int insert(const Database::Columns& columns, const CoreText& notAdded) const;

    Database m_db;
};
