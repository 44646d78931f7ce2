#pragma once

#include <QString>

// Makes GUIDs, the source of every record key.
class cGuidMakr
{
public:
    // A new GUID as "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case; empty if none could be made.
    QString GetGUID() const;
};
