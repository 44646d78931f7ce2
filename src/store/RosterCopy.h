#pragma once

class Database;

// A whole roster from one store to another (a file and a server, either way), keys kept.
class RosterCopy
{
public:
    // Copies every row of from into to, which must hold nothing but the standard zones, in one
    // transaction on to. Columns only one of them has are left out.
    static void copy(const Database& from, const Database& to);
};
