#pragma once

#include <QByteArray>
#include <QString>

// A record key is 16 bytes: a GUID's digits in the order of its text form. Its text is
// 32 upper-case hexadecimal digits. Keys are bound into SQL as blobs.
using RecordKey = QByteArray;

// The 32 digits of a new GUID.
QString GuidDigits();
RecordKey NewRecordKey();
// Throws RosterError unless text is exactly 32 hexadecimal digits (either case).
RecordKey HexToKey(const QString& text);
QString KeyToHex(const RecordKey& key);
// True when text is exactly 32 hexadecimal digits.
bool IsKeyText(const QString& text);
