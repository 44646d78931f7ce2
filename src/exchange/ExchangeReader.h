#pragma once

#include "ExchangeContent.h"

#include <QString>

// Reads a whole exchange file and checks every record: its tag, its number of fields, its
// keys, flags, numbers and times. Throws ImportFormatError at the first fault, so nothing
// is written from a file that is not sound throughout.
class ExchangeReader
{
public:
    static ExchangeContent read(const QString& path);
};
