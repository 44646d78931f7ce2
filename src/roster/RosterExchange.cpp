// The roster session's exchange file commands.
#include "RosterPrivate.h"
#include "i18n/CoreText.h"

#include "exchange/RosterExport.h"

#include <QFileInfo>

using RosterPrivate::checkChosen;

void Roster::checkExport(const QList<RecordKey>& divisions) const
{
    checkChosen(divisions, CoreText("RosterExchange", "You must make selection(s) from the list first!"));
}

QString Roster::exportPath(const QString& path)
{
    const QFileInfo file(path);
    if (path.isEmpty() || !file.suffix().isEmpty())
        return path;
    return path + (path.endsWith(QLatin1Char('.')) ? QStringLiteral("tlx") : QStringLiteral(".tlx"));
}

ExportSummary Roster::exportDivisions(const QList<RecordKey>& divisions, const QString& path,
                                      const ExchangeProgress& progress) const
{
    checkExport(divisions);
    const QString file = exportPath(path);
    return {file, ExportDivisions(m_db, divisions, file, progress)};
}

ImportResult Roster::importFile(const QString& path, const ExchangeProgress& progress)
{
    const ImportResult result = ImportFile(m_db, path, progress);
    if (result.zonesAdded > 0)
        emit zonesChanged();
    if (result.divisionsAdded > 0)
        emit divisionsChanged();
    if (result.membersAdded > 0)
        emit membersChanged();
    return result;
}
