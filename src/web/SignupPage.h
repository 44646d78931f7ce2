#pragma once

#include "PageLanguages.h"
#include "roster/SignupSheet.h"
#include "store/RosterError.h"

#include <QByteArray>

// The member's sign-up page and the server's other pages: plain HTML, every roster text escaped,
// styles and script from /static (the Content-Security-Policy allows nothing inline).
namespace SignupPage {

enum class ChangeDone { None, Added, Removed };

// What the page shows beside the stored week and changes: a save just done, or a refused one
// with the member's own entries kept.
struct State
{
    bool saved = false;
    std::optional<RosterError> refusal;
    std::optional<SignupForm> typed;
    ChangeDone changeDone = ChangeDone::None;
    // A refused change (added or removed), and what was typed for one to add.
    std::optional<RosterError> changeRefusal;
    std::optional<MemberChangeForm> typedChange;
    // A match just answered; or a refused answer, with the note typed for it.
    std::optional<RecordKey> answered;
    std::optional<RosterError> answerRefusal;
    RecordKey refusedMatch;
    QString typedNote;
    // The member's calendar feed as this page was reached ("https://host/m/TOKEN/matches.ics");
    // empty when the request named no usable host.
    QString calendar;
    // The language the page is written in, and every language its link offers.
    PageLanguage language;
    QList<PageLanguage> languages;
};

QByteArray render(const SignupSheet& sheet, const QString& token, const QString& csrf, const State& state);
// A short page with a title and one sentence, for refusals that show no roster data.
QByteArray message(const PageLanguage& language, const QString& title, const QString& text);
QByteArray stylesheet();
QByteArray script();

} // namespace SignupPage
