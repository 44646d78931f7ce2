#pragma once

#include "store/RosterError.h"

// A fault in an exchange file, found before anything was written: the "Import Aborted" box,
// with the line and what is wrong with it as detail.
class ImportFormatError : public RosterError
{
public:
    ImportFormatError(int line, const QString& problem)
        : RosterError(ErrorKind::ImportAborted,
                      QStringLiteral("There is a problem with the format of the Import File!"),
                      QStringLiteral("Line %1: %2").arg(line).arg(problem))
        , m_line(line)
    {
    }

    int line() const { return m_line; }

private:
    int m_line;
};
