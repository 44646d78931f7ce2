#include "SignupPage.h"

#include "languages/Languages.h"

#include "store/RecordKey.h"
#include "time/DateTime.h"

#include <QLocale>
#include <algorithm>

namespace {

const char* const DayNames[]
    = {QT_TRANSLATE_NOOP("SignupPage", "Monday"),    QT_TRANSLATE_NOOP("SignupPage", "Tuesday"),
       QT_TRANSLATE_NOOP("SignupPage", "Wednesday"), QT_TRANSLATE_NOOP("SignupPage", "Thursday"),
       QT_TRANSLATE_NOOP("SignupPage", "Friday"),    QT_TRANSLATE_NOOP("SignupPage", "Saturday / Sunday")};
const char* const SlotNames[]
    = {QT_TRANSLATE_NOOP("SignupPage", "slot 1 start"), QT_TRANSLATE_NOOP("SignupPage", "slot 1 end"),
       QT_TRANSLATE_NOOP("SignupPage", "slot 2 start"), QT_TRANSLATE_NOOP("SignupPage", "slot 2 end")};

QString esc(const QString& text)
{
    return text.toHtmlEscaped();
}

QString head(const PageLanguage& lang, const QString& title)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"%2\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                          "<meta name=\"referrer\" content=\"no-referrer\">"
                          "<title>%1</title><link rel=\"stylesheet\" href=\"/static/signup.css\">"
                          "<script src=\"/static/signup.js\" defer></script></head>\n<body><main>\n")
        .arg(esc(title), lang.tag());
}

QString errorLine(const PageLanguage& lang, const RosterError& error, const QString& id)
{
    return QStringLiteral("<p class=\"error\" id=\"%1\" role=\"alert\">%2</p>\n")
        .arg(id, esc(lang.say(error.words())));
}

// An input of type time takes "HH:MM"; text that is no time is dropped rather than shown wrongly.
QString timeValue(const QString& text)
{
    const std::optional<DateTime> time = DateTime::parse(text);
    return time ? QStringLiteral("%1:%2")
                      .arg(time->hour(), 2, 10, QLatin1Char('0'))
                      .arg(time->minute(), 2, 10, QLatin1Char('0'))
                : QString();
}

// An input of type date takes "YYYY-MM-DD", as it sent it.
QString dateValue(const QString& text)
{
    const QDate date = QDate::fromString(text.trimmed(), Qt::ISODate);
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QString hiddenFields(const QString& csrf, const QString& what)
{
    return QStringLiteral("<input type=\"hidden\" name=\"csrf\" value=\"%1\">"
                          "<input type=\"hidden\" name=\"what\" value=\"%2\">\n")
        .arg(csrf, what);
}

// "?lang=de" for the page's own forms and links when the language was chosen on the page.
QString languageQuery(const SignupPage::State& state)
{
    return state.languages.size() > 1 ? QStringLiteral("?lang=") + state.language.code() : QString();
}

// The member's current and coming changes, each with its Remove button, and the form to add one.
QString changesSection(const SignupSheet& sheet, const QString& token, const QString& csrf,
                       const SignupPage::State& state)
{
    const PageLanguage& lang = state.language;
    const MemberChangeForm typed = state.typedChange.value_or(MemberChangeForm {});
    QString html = QStringLiteral("<section id=\"changes\" aria-labelledby=\"changes-title\">\n"
                                  "<h2 id=\"changes-title\">%1</h2>\n<p class=\"hint\">%2</p>\n")
                       .arg(lang.translate("SignupPage", "Away dates and one-off changes"),
                            lang.translate("SignupPage",
                                           "Dates you cannot play, or play other times than your week, in "
                                           "your own time zone. Add keeps each at once; Save above keeps "
                                           "only your week."));
    if (state.changeDone != SignupPage::ChangeDone::None)
        html += QStringLiteral("<p class=\"saved\" id=\"change-saved\" role=\"status\">%1</p>\n")
                    .arg(state.changeDone == SignupPage::ChangeDone::Added
                             ? lang.translate("SignupPage", "Added.")
                             : lang.translate("SignupPage", "Removed."));
    if (state.changeRefusal && !state.typedChange)
        html += errorLine(state.language, *state.changeRefusal, QStringLiteral("change-error"));
    if (sheet.changes.isEmpty())
        html += QStringLiteral("<p class=\"none\" id=\"no-changes\">%1</p>\n")
                    .arg(lang.translate("SignupPage", "None."));
    else
        html += QStringLiteral("<ul class=\"changes\" id=\"change-list\">\n");
    for (const MemberChange& change : sheet.changes) {
        const QString text = esc(lang.say(change.words()));
        html += QStringLiteral(
                    "<li><span class=\"text\">%1</span><form method=\"post\" action=\"/m/%2%3#changes\">")
                    .arg(text, token, languageQuery(state))
            + hiddenFields(csrf, QStringLiteral("remove"))
            + QStringLiteral("<input type=\"hidden\" name=\"change\" value=\"%1\">"
                             "<button type=\"submit\" class=\"remove\" aria-label=\"%2\">%3</button>"
                             "</form></li>\n")
                  .arg(KeyToHex(change.key), lang.translate("SignupPage", "Remove %1").arg(text),
                       lang.translate("SignupPage", "Remove"));
    }
    if (!sheet.changes.isEmpty())
        html += QStringLiteral("</ul>\n");

    html += QStringLiteral("<form method=\"post\" action=\"/m/%1%2#changes\" id=\"change-form\" "
                           "autocomplete=\"off\">\n")
                .arg(token, languageQuery(state))
        + hiddenFields(csrf, QStringLiteral("change"));
    html += QStringLiteral("<h3>%1</h3>\n").arg(lang.translate("SignupPage", "Add a change"));
    if (state.changeRefusal && state.typedChange)
        html += errorLine(state.language, *state.changeRefusal, QStringLiteral("change-error"));
    html += QStringLiteral("<p class=\"dates\"><label><span>%3</span> <input type=\"date\" name=\"first\" "
                           "id=\"first\" value=\"%1\"></label> <label><span>%4</span> <input type=\"date\" "
                           "name=\"last\" id=\"last\" value=\"%2\"></label></p>\n"
                           "<p class=\"hint\">%5</p>\n")
                .arg(dateValue(typed.first), dateValue(typed.last),
                     lang.translate("SignupPage", "First date"), lang.translate("SignupPage", "Last date"),
                     lang.translate("SignupPage", "Leave the last date empty for one day."));
    html
        += QStringLiteral("<fieldset class=\"kind\"><legend>%3</legend>\n"
                          "<label><input type=\"radio\" name=\"away\" value=\"1\" id=\"away\"%1> %4</label>\n"
                          "<label><input type=\"radio\" name=\"away\" value=\"0\" id=\"instead\"%2> "
                          "%5</label>\n")
               .arg(typed.away ? QStringLiteral(" checked") : QString(),
                    typed.away ? QString() : QStringLiteral(" checked"),
                    lang.translate("SignupPage", "On those dates"), lang.translate("SignupPage", "Away"),
                    lang.translate("SignupPage", "These times instead"));
    for (int slot = 0; slot < 4; ++slot) {
        if (slot % 2 == 0)
            html += QStringLiteral("<p class=\"slot\"><span>%1</span> ")
                        .arg(slot == 0 ? lang.translate("SignupPage", "From")
                                       : lang.translate("SignupPage", "and from"));
        html += QStringLiteral("<input type=\"time\" name=\"c%1\" id=\"c%1\" value=\"%2\" aria-label=\"%3\">")
                    .arg(slot)
                    .arg(timeValue(typed.slotTexts[slot]),
                         lang.translate("SignupPage", "Instead %1")
                             .arg(lang.translate("SignupPage", SlotNames[slot])));
        html += slot % 2 == 0 ? QStringLiteral(" <span>%1</span> ").arg(lang.translate("SignupPage", "to"))
                              : QStringLiteral("</p>\n");
    }
    html
        += QStringLiteral(
               "</fieldset>\n<p class=\"note\"><label><span>%3</span> <input type=\"text\" "
               "name=\"note\" id=\"note\" maxlength=\"%1\" value=\"%2\" "
               "placeholder=\"%4\"></label></p>\n"
               "<p><button type=\"submit\" id=\"add-change\">%5</button></p>\n</form>\n</section>\n")
               .arg(MemberChange::MaxNoteLength)
               .arg(esc(typed.note), lang.translate("SignupPage", "Note"),
                    esc(lang.translate("SignupPage", "holiday, exams")), lang.translate("SignupPage", "Add"));
    return html;
}

// "45 minutes", "2 hours", "1 h 30 min".
QString lengthText(const PageLanguage& lang, int minutes)
{
    if (minutes < 60)
        return lang.translate("SignupPage", "%n minutes", nullptr, minutes);
    if (minutes == 60)
        return lang.translate("SignupPage", "1 hour");
    const int hours = minutes / 60;
    if (minutes % 60 == 0)
        return lang.translate("SignupPage", "%n hours", nullptr, hours);
    return lang.translate("SignupPage", "%1 h %2 min").arg(hours).arg(minutes % 60);
}

// The button's words; the value it sends stays the English answer name.
QString answerWord(const PageLanguage& lang, MatchAnswer answer)
{
    switch (answer) {
    case MatchAnswer::Yes:
        return lang.translate("SignupPage", "Yes");
    case MatchAnswer::Maybe:
        return lang.translate("SignupPage", "Maybe");
    case MatchAnswer::Late:
        return lang.translate("SignupPage", "Late");
    case MatchAnswer::No:
        return lang.translate("SignupPage", "No");
    default:
        break;
    }
    const QString name = AnswerName(answer);
    return name.left(1).toUpper() + name.mid(1);
}

bool answerable(const SignupMatch& match)
{
    return !match.cancelled && !match.started;
}

// One match: when, how many said yes, the member's answer, and the buttons that change it, or
// the line that says why it can no longer be answered.
QString matchArticle(const SignupMatch& match, const QString& token, const QString& csrf,
                     const SignupPage::State& state)
{
    const PageLanguage& lang = state.language;
    const QString id = KeyToHex(match.key);
    const bool refused = state.answerRefusal && state.refusedMatch == match.key;
    QString html = QStringLiteral("<article class=\"match%1\" id=\"match-%2\" aria-labelledby=\"title-%2\">\n"
                                  "<h3 id=\"title-%2\">%3</h3>\n")
                       .arg(answerable(match) ? QString() : QStringLiteral(" closed"), id, esc(match.title));
    html
        += QStringLiteral("<p class=\"when\" id=\"when-%1\">%2 – %3 <span class=\"length\">(%4)</span></p>\n"
                          "<p class=\"count\" id=\"count-%1\">%5</p>\n")
               .arg(id, esc(match.start), esc(match.end), lengthText(lang, match.length),
                    lang.translate("SignupPage", "%1 of %n said yes", nullptr, match.players).arg(match.yes));
    if (!match.notes.isEmpty())
        html += QStringLiteral("<p class=\"notes\">%1</p>\n").arg(esc(match.notes));
    if (match.cancelled)
        html += QStringLiteral("<p class=\"closed-line\" id=\"closed-%1\">%2</p>\n")
                    .arg(id,
                         lang.translate("SignupPage",
                                        "This match was cancelled. It can no longer be answered."));
    else if (match.started)
        html += QStringLiteral("<p class=\"closed-line\" id=\"closed-%1\">%2</p>\n")
                    .arg(id,
                         lang.translate("SignupPage",
                                        "This match has started. It can no longer be answered."));
    // A match no longer answered shows only an answer that was given.
    if (answerable(match) || match.answer != MatchAnswer::None)
        html += QStringLiteral("<p class=\"answer\" id=\"answer-%1\">").arg(id)
            + (match.answer == MatchAnswer::None
                   ? lang.translate("SignupPage", "You have not answered yet.")
                   : lang.translate("SignupPage", "Your answer: %1")
                           .arg(QStringLiteral("<strong>%1</strong>").arg(answerWord(lang, match.answer)))
                       + (match.note.isEmpty() ? QString() : QStringLiteral(" · ") + esc(match.note)))
            + QStringLiteral("</p>\n");
    if (state.answered == match.key)
        html += QStringLiteral("<p class=\"saved\" id=\"answered-%1\" role=\"status\">%2</p>\n")
                    .arg(id, lang.translate("SignupPage", "Answer saved."));
    if (refused)
        html += errorLine(state.language, *state.answerRefusal, QStringLiteral("answer-error"));
    if (!answerable(match))
        return html + QStringLiteral("</article>\n");

    html += QStringLiteral("<form method=\"post\" action=\"/m/%1%3#match-%2\" autocomplete=\"off\">\n")
                .arg(token, id, languageQuery(state))
        + hiddenFields(csrf, QStringLiteral("answer"))
        + QStringLiteral("<input type=\"hidden\" name=\"match\" value=\"%1\">\n").arg(id);
    html += QStringLiteral(
                "<p class=\"note\"><label><span>%5</span> <input "
                "type=\"text\" name=\"note\" id=\"note-%1\" maxlength=\"%2\" value=\"%3\"%4></label></p>\n")
                .arg(id)
                .arg(MatchPlayer::MaxNoteLength)
                .arg(esc(refused ? state.typedNote : match.note),
                     refused ? QStringLiteral(" aria-describedby=\"answer-error\"") : QString(),
                     lang.translate("SignupPage",
                                    "Note for the leader (optional; sent with the answer you pick)"));
    html += QStringLiteral("<p class=\"answers\" role=\"group\" aria-label=\"%1\">")
                .arg(esc(lang.translate("SignupPage", "Answer for %1").arg(match.title)));
    for (const MatchAnswer answer :
         {MatchAnswer::Yes, MatchAnswer::Maybe, MatchAnswer::Late, MatchAnswer::No}) {
        const bool chosen = match.answer == answer;
        html += QStringLiteral("<button type=\"submit\" name=\"answer\" value=\"%1\" id=\"%1-%2\" "
                               "aria-pressed=\"%3\">%4</button>")
                    .arg(AnswerName(answer), id, chosen ? QStringLiteral("true") : QStringLiteral("false"),
                         answerWord(lang, answer));
    }
    return html + QStringLiteral("</p>\n</form>\n</article>\n");
}

// The member's upcoming matches, and their calendar feed.
QString matchesSection(const SignupSheet& sheet, const QString& token, const QString& csrf,
                       const SignupPage::State& state)
{
    const PageLanguage& lang = state.language;
    QString html = QStringLiteral("<section id=\"matches\" aria-labelledby=\"matches-title\">\n"
                                  "<h2 id=\"matches-title\">%1</h2>\n")
                       .arg(lang.translate("SignupPage", "Your matches"));
    html += QStringLiteral("<p class=\"hint\">%1</p>\n")
                .arg(esc((sheet.zoneKey ? lang.translate("SignupPage", "Times in your time zone (%1).")
                                        : lang.translate("SignupPage",
                                                         "Times in the leader's time zone (%1) "
                                                         "until you choose yours above."))
                             .arg(sheet.matchZone)));
    const bool listed
        = std::any_of(sheet.matches.cbegin(), sheet.matches.cend(),
                      [&](const SignupMatch& match) { return match.key == state.refusedMatch; });
    if (state.answerRefusal && !listed)
        html += errorLine(state.language, *state.answerRefusal, QStringLiteral("answer-error"));
    if (sheet.matches.isEmpty())
        html += QStringLiteral("<p class=\"none\" id=\"no-matches\">%1</p>\n")
                    .arg(lang.translate("SignupPage", "No matches planned for you."));
    for (const SignupMatch& match : sheet.matches)
        html += matchArticle(match, token, csrf, state);
    if (!state.calendar.isEmpty()) {
        const qsizetype colon = state.calendar.indexOf(QLatin1Char(':'));
        const QString webcal = QStringLiteral("webcal") + state.calendar.mid(colon);
        html += QStringLiteral(
                    "<div class=\"calendar\" id=\"calendar\">\n<h3>%3</h3>\n"
                    "<p class=\"hint\">%4</p>\n"
                    "<p><a class=\"button\" id=\"subscribe\" href=\"%1\">%5</a></p>\n"
                    "<p class=\"note\"><label><span>%6</span> <input type=\"text\" id=\"feed\" readonly "
                    "value=\"%2\"></label></p>\n</div>\n")
                    .arg(esc(webcal), esc(state.calendar), lang.translate("SignupPage", "In your calendar"),
                         lang.translate("SignupPage",
                                        "Subscribe once and your calendar app keeps your matches and their "
                                        "changes. Like this page's link, the address is yours alone."),
                         lang.translate("SignupPage", "Subscribe to your matches"),
                         lang.translate("SignupPage",
                                        "Or add this address to your calendar (Google Calendar: "
                                        "Other calendars, From URL)"));
    }
    return html + QStringLiteral("</section>\n");
}

// Every language the page is offered in, each in its own words, the page's own one marked.
QString languageLinks(const SignupPage::State& state, const QString& token)
{
    if (state.languages.size() < 2)
        return {};
    QStringList links;
    for (const PageLanguage& language : state.languages) {
        // The names Options offers in the window: "English", "Deutsch", "Français".
        QString name = QLocale(language.code()).nativeLanguageName();
        for (const Languages::Language& builtIn : Languages::builtIn()) {
            if (builtIn.code == language.code()
                || (builtIn.code.isEmpty() && language.code() == QLatin1String("en")))
                name = builtIn.name;
        }
        links.append(language.code() == state.language.code()
                         ? QStringLiteral("<strong lang=\"%1\">%2</strong>").arg(language.tag(), esc(name))
                         : QStringLiteral("<a href=\"/m/%1?lang=%2\" hreflang=\"%3\" lang=\"%3\">%4</a>")
                               .arg(token, language.code(), language.tag(), esc(name)));
    }
    return QStringLiteral("<nav class=\"languages\" id=\"languages\" aria-label=\"%1\">%2</nav>\n")
        .arg(esc(state.language.translate("SignupPage", "Language")), links.join(QStringLiteral(" · ")));
}

} // namespace

QByteArray SignupPage::render(const SignupSheet& sheet, const QString& token, const QString& csrf,
                              const State& state)
{
    const std::optional<FormField> refused = state.refusal ? state.refusal->field() : std::nullopt;
    const FormField field = refused.value_or(FormField {});
    const bool onSlot = refused && field.kind == FormField::Kind::Slot;
    const bool onZone = refused && field.kind == FormField::Kind::TimeZone;
    const auto& days = state.typed ? state.typed->days : sheet.days;
    const std::optional<int> zoneKey = state.typed ? state.typed->zoneKey : sheet.zoneKey;

    const PageLanguage& lang = state.language;
    QString html = head(lang, lang.translate("SignupPage", "Your week - Tallyhold"));
    html += languageLinks(state, token);
    html += QStringLiteral("<h1>%3</h1>\n<dl class=\"who\"><dt>%4</dt><dd id=\"player\">%1</dd>"
                           "<dt>%5</dt><dd id=\"division\">%2</dd></dl>\n")
                .arg(esc(sheet.player), esc(sheet.division), lang.translate("SignupPage", "Your week"),
                     lang.translate("SignupPage", "Player Name"),
                     lang.translate("SignupPage", "Clan / Division"));
    // The matches are at the foot of the page, below what a phone shows at first.
    const qsizetype due
        = std::count_if(sheet.matches.cbegin(), sheet.matches.cend(), [](const SignupMatch& match) {
              return answerable(match) && match.answer == MatchAnswer::None;
          });
    if (due > 0)
        html += QStringLiteral("<p class=\"due\" id=\"matches-due\"><a href=\"#matches\">%1</a></p>\n")
                    .arg(due == 1 ? lang.translate("SignupPage", "A match waits for your answer")
                                  : lang.translate("SignupPage", "%n matches wait for your answer", nullptr,
                                                   int(due)));
    else if (!sheet.matches.isEmpty())
        html += QStringLiteral("<p class=\"jump\"><a href=\"#matches\">%1</a></p>\n")
                    .arg(lang.translate("SignupPage", "Your matches (%1)").arg(sheet.matches.size()));
    if (state.saved)
        html += QStringLiteral("<p class=\"saved\" id=\"saved\" role=\"status\">%1</p>\n")
                    .arg(lang.translate("SignupPage", "Saved."));
    if (state.refusal && !onSlot && !onZone)
        html += errorLine(state.language, *state.refusal, QStringLiteral("error"));

    html += QStringLiteral("<form method=\"post\" action=\"/m/%1%3\" autocomplete=\"off\">\n"
                           "<input type=\"hidden\" name=\"csrf\" value=\"%2\">\n")
                .arg(token, csrf, languageQuery(state));
    html += QStringLiteral(
                "<p class=\"zone\"><label for=\"zone\">%2</label> <select id=\"zone\" name=\"zone\"%1>"
                "<option value=\"\"></option>")
                .arg(onZone ? QStringLiteral(" aria-invalid=\"true\" aria-describedby=\"error\" autofocus")
                            : QString(),
                     lang.translate("SignupPage", "Time Zone"));
    for (const RosterListEntry& zone : sheet.zones)
        html += QStringLiteral("<option value=\"%1\"%2>%3</option>")
                    .arg(zone.key.toInt())
                    .arg(zoneKey == zone.key.toInt() ? QStringLiteral(" selected") : QString(),
                         esc(zone.text));
    html += QStringLiteral("</select></p>\n");
    if (onZone)
        html += errorLine(state.language, *state.refusal, QStringLiteral("error"));
    html += QStringLiteral("<p class=\"hint\">%1</p>\n")
                .arg(lang.translate("SignupPage",
                                    "Type or pick the times in your own time zone. Each day takes "
                                    "one or two times you can play; leave the second empty if you "
                                    "need only one."));

    for (int day = 0; day < MemberForm::DayCount; ++day) {
        const QString name = lang.translate("SignupPage", DayNames[day]);
        html += QStringLiteral("<fieldset class=\"day\" id=\"day%1\"><legend><label><input type=\"checkbox\" "
                               "class=\"day\" name=\"d%1\" id=\"d%1\" value=\"1\"%2> %3</label></legend>\n")
                    .arg(day)
                    .arg(days[day].checked ? QStringLiteral(" checked") : QString(), name);
        for (int slot = 0; slot < 4; ++slot) {
            const bool wrong = onSlot && field.day == day && field.slot == slot;
            if (slot % 2 == 0)
                html += QStringLiteral("<p class=\"slot\"><span>%1</span> ")
                            .arg(slot == 0 ? lang.translate("SignupPage", "From")
                                           : lang.translate("SignupPage", "and from"));
            html += QStringLiteral("<input type=\"time\" name=\"d%1s%2\" id=\"d%1s%2\" value=\"%3\" "
                                   "aria-label=\"%4 %5\"%6>")
                        .arg(day)
                        .arg(slot)
                        .arg(timeValue(days[day].texts[slot]), name,
                             lang.translate("SignupPage", SlotNames[slot]),
                             wrong ? QStringLiteral(
                                 " aria-invalid=\"true\" aria-describedby=\"error\" autofocus")
                                   : QString());
            html += slot % 2 == 0
                ? QStringLiteral(" <span>%1</span> ").arg(lang.translate("SignupPage", "to"))
                : QStringLiteral("</p>\n");
        }
        if (onSlot && field.day == day)
            html += errorLine(state.language, *state.refusal, QStringLiteral("error"));
        if (sheet.preview[day])
            html += QStringLiteral("<p class=\"preview\" id=\"preview%1\">%2</p>\n")
                        .arg(day)
                        .arg(esc(lang.translate("SignupPage", "Saved, in the leader's time (%1): %2")
                                     .arg(sheet.leaderZone, *sheet.preview[day])));
        html += QStringLiteral("</fieldset>\n");
    }
    html += QStringLiteral("<p><button type=\"submit\" id=\"save\">%1</button></p>\n</form>\n")
                .arg(lang.translate("SignupPage", "Save"));
    html += changesSection(sheet, token, csrf, state);
    html += matchesSection(sheet, token, csrf, state);
    if (sheet.lastSaved.isValid())
        html += QStringLiteral("<p class=\"foot\">%1</p>\n")
                    .arg(lang.translate("SignupPage", "Last saved by you: %1 GMT")
                             .arg(sheet.lastSaved.toString(QStringLiteral("M/d/yyyy h:mm AP"))));
    html += QStringLiteral("</main></body></html>\n");
    return html.toUtf8();
}

QByteArray SignupPage::message(const PageLanguage& language, const QString& title, const QString& text)
{
    return (head(language, title)
            + QStringLiteral("<h1>%1</h1>\n<p>%2</p>\n</main></body></html>\n").arg(esc(title), esc(text)))
        .toUtf8();
}

QByteArray SignupPage::stylesheet()
{
    return QByteArrayLiteral(
        "body{font-family:system-ui,sans-serif;margin:0;background:#f4f4f1;color:#1d1d1b}\n"
        "main{max-width:34rem;margin:0 auto;padding:1rem}\n"
        "h1{font-size:1.4rem;margin:.2rem 0 .8rem}\n"
        ".who{display:grid;grid-template-columns:auto 1fr;gap:.2rem .8rem;margin:0 0 1rem}\n"
        ".who dt{color:#555}.who dd{margin:0;font-weight:600}\n"
        "fieldset.day{border:1px solid #c8c8c2;border-radius:.4rem;background:#fff;margin:0 0 "
        ".7rem;padding:.4rem .8rem}\n"
        "fieldset.day.off .slot,fieldset.day.off .preview{opacity:.45}\n"
        "legend{font-weight:600;padding:0 .3rem}\n"
        ".slot{margin:.35rem 0;display:flex;flex-wrap:wrap;gap:.4rem;align-items:center}\n"
        ".slot>span:first-child{min-width:5.2rem}\n"
        // On a phone the caption takes its own line, so each start stays beside its end.
        "@media (max-width:30rem){.slot>span:first-child{flex-basis:100%}"
        ".slot input[type=time]{flex:1 1 0;min-width:0}}\n"
        "input[type=time],select{font-size:1rem;padding:.3rem}\n"
        "input[type=checkbox]{width:1.2rem;height:1.2rem;vertical-align:middle}\n"
        ".preview{color:#2f5d8a;font-size:.9rem;margin:.3rem 0}\n"
        ".hint{color:#555;font-size:.9rem}\n"
        ".error{color:#a40000;font-weight:600;margin:.3rem 0}\n"
        "[aria-invalid=true]{outline:2px solid #a40000}\n"
        ".saved{background:#e3f1df;border:1px solid #8bbd7d;padding:.5rem;border-radius:.4rem}\n"
        "button{font-size:1.05rem;padding:.5rem 1.6rem}\n"
        ".foot{color:#555;font-size:.85rem}\n"
        ".languages{font-size:.85rem;text-align:right;margin:0 0 .4rem}\n"
        "#changes{margin-top:1.6rem}\n"
        "h2{font-size:1.2rem;margin:0 0 .4rem}h3{font-size:1rem;margin:.3rem 0 .5rem}\n"
        ".changes{list-style:none;padding:0;margin:0 0 .8rem}\n"
        ".changes li,#change-form{background:#fff;border:1px solid #c8c8c2;border-radius:.4rem;"
        "padding:.4rem .8rem;margin:0 0 .5rem}\n"
        ".changes "
        "li{display:flex;flex-wrap:wrap;align-items:center;justify-content:space-between;gap:.4rem}\n"
        ".changes form{margin:0}button.remove{font-size:.95rem;padding:.3rem .9rem}\n"
        // A note is the member's own text: one long word must not widen a phone's page.
        ".changes .text,.error{overflow-wrap:anywhere;min-width:0}\n"
        ".dates{display:flex;flex-wrap:wrap;gap:.4rem 1rem;margin:.3rem 0}\n"
        ".dates span,.note span{display:block;color:#555;font-size:.9rem}\n"
        "input[type=date],input[type=text]{font-size:1rem;padding:.3rem}\n"
        ".note input{width:100%;box-sizing:border-box}\n"
        "fieldset.kind{border:0;padding:0;margin:.4rem 0}\n"
        "fieldset.kind legend{padding:0;color:#555;font-weight:400;font-size:.9rem}\n"
        "fieldset.kind>label{display:inline-block;margin:.2rem 1.2rem .2rem 0}\n"
        "#change-form.away .slot{opacity:.45}\n"
        ".due{background:#fff6d6;border:1px solid #d9b949;padding:.5rem;border-radius:.4rem}\n"
        "#matches{margin-top:1.6rem}\n"
        ".match{background:#fff;border:1px solid #c8c8c2;border-radius:.4rem;padding:.4rem .8rem;margin:0 0 "
        ".7rem}\n"
        ".match.closed{background:#ecece8}\n"
        ".match p{margin:.3rem 0}.match .length,.match .count{color:#555}\n"
        ".match h3,.match .notes,.match .answer{overflow-wrap:anywhere;min-width:0}\n"
        ".closed-line{color:#7a4a00;font-weight:600}\n"
        ".answers{display:flex;flex-wrap:wrap;gap:.4rem}\n"
        ".answers button{flex:1 1 0;min-width:4.5rem;padding:.5rem .4rem}\n"
        // The current answer stands out by more than colour: it is bold and framed.
        ".answers button[aria-pressed=true]{background:#2f5d8a;color:#fff;font-weight:700;border:2px solid "
        "#1d3d5e}\n"
        "a.button{display:inline-block;padding:.5rem "
        "1.2rem;background:#2f5d8a;color:#fff;border-radius:.3rem;"
        "text-decoration:none}\n");
}

QByteArray SignupPage::script()
{
    // Dims a day that is not played, and ticks it when a time is typed into it.
    return QByteArrayLiteral("document.querySelectorAll('fieldset.day').forEach(function (day) {\n"
                             "  var box = day.querySelector('input.day');\n"
                             "  function show() { day.classList.toggle('off', !box.checked); }\n"
                             "  box.addEventListener('change', show);\n"
                             "  day.querySelectorAll('input[type=time]').forEach(function (time) {\n"
                             "    time.addEventListener('input', function () { if (time.value) { box.checked "
                             "= true; show(); } });\n"
                             "  });\n"
                             "  show();\n"
                             "});\n"
                             // Dims the times of a change while Away is chosen, and a typed time
                             // chooses them.
                             "var change = document.getElementById('change-form');\n"
                             "if (change) {\n"
                             "  var away = document.getElementById('away'), instead = "
                             "document.getElementById('instead');\n"
                             "  function showKind() { change.classList.toggle('away', away.checked); }\n"
                             "  away.addEventListener('change', showKind);\n"
                             "  instead.addEventListener('change', showKind);\n"
                             "  change.querySelectorAll('input[type=time]').forEach(function (time) {\n"
                             "    time.addEventListener('input', function () { if (time.value) { "
                             "instead.checked = true; showKind(); } });\n"
                             "  });\n"
                             "  showKind();\n"
                             "}\n"
                             // The feed's address is there to be copied whole.
                             "var feed = document.getElementById('feed');\n"
                             "if (feed) feed.addEventListener('focus', function () { feed.select(); });\n");
}
