#pragma once

#include "store/RosterError.h"

// A fault in an exchange file, found before anything was written: the "Import Aborted" box,
// with the line and what is wrong with it as detail.
class ImportFormatError : public RosterError
{
public:
    static constexpr const char* FormatText
        = QT_TRANSLATE_NOOP("ImportFormatError", "There is a problem with the format of the Import File!");
    static constexpr const char* CutOffText = QT_TRANSLATE_NOOP(
        "ImportFormatError", "The file ends early; it may have been cut off while copying");

    ImportFormatError(int line, const CoreText& problem, const char* text = FormatText)
        : RosterError(ErrorKind::ImportAborted, CoreText("ImportFormatError", text),
                      CoreText("ImportFormatError", "Line %1: %2").arg(line).arg(problem))
        , m_line(line)
    {
    }

    int line() const { return m_line; }

private:
    int m_line;
};
