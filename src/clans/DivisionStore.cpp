#include "DivisionStore.h"

#include "store/RosterError.h"

namespace {

Database::Columns columns(const DivisionStore::Fields& fields)
{
    return {{QStringLiteral("DIV_Name"), fields.name},
            {QStringLiteral("DIV_Notes"), fields.notes},
            {QStringLiteral("DIV_Hide"), fields.hide ? 1 : 0}};
}

} // namespace

DivisionStore::DivisionStore(Database db)
    : m_db(std::move(db))
{
}

std::optional<DivisionStore::Fields> DivisionStore::load(const RecordKey& key) const
{
    const auto row = m_db.first(
        QStringLiteral("SELECT DIV_Name, DIV_Notes, DIV_Hide FROM Divisions WHERE DIV_PK = ?"), {key});
    if (!row)
        return std::nullopt;
    const QVariant hide = row->value(2);
    return Fields {row->value(0).toString(), row->value(1).toString(), hide.isNull() || hide.toInt() != 0};
}

RecordKey DivisionStore::add(const Fields& fields) const
{
    const RecordKey key = NewRecordKey();
    Transaction transaction(m_db);
    m_db.insert(QStringLiteral("Divisions"),
                Database::Columns {{QStringLiteral("DIV_PK"), key}} + columns(fields));
    transaction.commit();
    return key;
}

void DivisionStore::update(const RecordKey& key, const Fields& fields) const
{
    Transaction transaction(m_db);
    if (m_db.update(QStringLiteral("Divisions"), QStringLiteral("DIV_PK"), key, columns(fields)) != 1)
        throw RosterError(ErrorKind::RowVanished,
                          CoreText("DivisionStore",
                                   "This division is no longer in the roster, so nothing was saved. "
                                   "Save again to add it as a new division."));
    transaction.commit();
}

QStringList DivisionStore::memberNames(const RecordKey& key) const
{
    QStringList names;
    const auto rows
        = m_db.all(QStringLiteral("SELECT MBR_Online_Player_Name FROM Members WHERE MBR_FK_Division = ? "
                                  "ORDER BY TRIM(MBR_Online_Player_Name) COLLATE NOCASE"),
                   {key});
    for (const QSqlRecord& row : rows)
        names << row.value(0).toString().trimmed();
    return names;
}

void DivisionStore::checkEmpty(const RecordKey& key) const
{
    const QStringList members = memberNames(key);
    if (members.isEmpty())
        return;
    QString names;
    for (const QString& name : members)
        names += name + QLatin1Char('\n');
    throw RosterError(ErrorKind::DeletionRefused,
                      CoreText("DivisionStore",
                               "The following Members are in this Division: \n%1You will need to "
                               "remove/update these members before this Division can be deleted!")
                          .arg(names));
}

void DivisionStore::remove(const RecordKey& key) const
{
    Transaction transaction(m_db);
    checkEmpty(key);
    if (m_db.remove(QStringLiteral("Divisions"), QStringLiteral("DIV_PK"), key) != 1)
        throw DataError(1028);
    transaction.commit();
}
