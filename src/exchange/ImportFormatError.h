#pragma once

#include "store/RosterError.h"

// A fault in an exchange file, found before anything was written: the "Import Aborted" box,
// with the line and what is wrong with it as detail.
class ImportFormatError : public RosterError
{
public:
    static constexpr const char* FormatText = "There is a problem with the format of the Import File!";
    static constexpr const char* CutOffText = "The file ends early; it may have been cut off while copying";

    ImportFormatError(int line, const QString& problem, const char* text = FormatText)
        : RosterError(ErrorKind::ImportAborted, QString::fromLatin1(text),
                      QStringLiteral("Line %1: %2").arg(line).arg(problem))
        , m_line(line)
    {
    }

    int line() const { return m_line; }

private:
    int m_line;
};
