#pragma once

#include <QString>

// Where members reach tallyhold-web, as the leader set it: "https://roster.example.org". The
// desktop and tallyhold-cli keep it in the user's settings beside the preferences.
namespace SignupLink {

constexpr const char* DefaultAddress = "http://127.0.0.1:8080";

QString address();
void setAddress(const QString& address);
// address, then "/m/" and the token.
QString url(const QString& address, const QString& token);

// Who can open a link to address: a loopback host only someone at the leader's computer, a
// private network's host only those on that network.
enum class Reach { Anywhere, ThisComputer, LocalNetwork };
Reach reach(const QString& address);

} // namespace SignupLink
