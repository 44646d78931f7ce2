#include "RosterCopy.h"

#include "Database.h"
#include "RosterError.h"
#include "RosterSchema.h"

namespace {

QStringList columns(const Database& db, const QString& table)
{
    const QSqlRecord record = db.select(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(table)).record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

bool holdsOnlyStandardZones(const Database& db)
{
    for (const QString& table : RosterSchema::copiedTableNames()) {
        const QString sql = QStringLiteral("SELECT * FROM ") + table;
        if (table != QLatin1String("TimeZones") && db.first(sql))
            return false;
        if (table == QLatin1String("TimeZones")) {
            for (const QSqlRecord& zone : db.all(sql)) {
                if (!RosterSchema::isStandardZone(zone))
                    return false;
            }
        }
    }
    return true;
}

} // namespace

void RosterCopy::copy(const Database& from, const Database& to)
{
    Transaction transaction(to);
    if (!holdsOnlyStandardZones(to))
        throw RosterError(ErrorKind::ImportAborted,
                          CoreText("RosterCopy",
                                   "The roster %1 already holds rows of its own; a roster is copied only "
                                   "into a new one. Nothing was copied.")
                              .arg(to.path()));
    to.exec(QStringLiteral("DELETE FROM TimeZones"));
    for (const QString& table : RosterSchema::copiedTableNames()) {
        const QStringList target = columns(to, table);
        QStringList shared;
        for (const QString& column : columns(from, table)) {
            if (target.contains(column, Qt::CaseInsensitive))
                shared << column;
        }
        QList<QVariantList> rows;
        Rows read
            = from.select(QStringLiteral("SELECT %1 FROM %2").arg(shared.join(QStringLiteral(", ")), table));
        while (read.next()) {
            QVariantList values;
            for (int i = 0; i < shared.size(); ++i)
                values << read.value(i);
            rows << values;
        }
        to.insertRows(table, shared, rows);
    }
    transaction.commit();
}
