#include "cGuidMakr.h"

#include <QUuid>

QString cGuidMakr::GetGUID() const
{
    const QUuid uuid = QUuid::createUuid();
    if (uuid.isNull())
        return {};
    return uuid.toString(QUuid::WithBraces).toUpper();
}
