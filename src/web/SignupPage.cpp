#include "SignupPage.h"

#include "time/DateTime.h"

namespace {

const char* const DayNames[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday / Sunday"};
const char* const SlotNames[] = {"slot 1 start", "slot 1 end", "slot 2 start", "slot 2 end"};

QString esc(const QString& text)
{
    return text.toHtmlEscaped();
}

QString head(const QString& title)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                          "<meta name=\"referrer\" content=\"no-referrer\">"
                          "<title>%1</title><link rel=\"stylesheet\" href=\"/static/signup.css\">"
                          "<script src=\"/static/signup.js\" defer></script></head>\n<body><main>\n")
        .arg(esc(title));
}

QString errorLine(const RosterError& error, const QString& id)
{
    return QStringLiteral("<p class=\"error\" id=\"%1\" role=\"alert\">%2</p>\n").arg(id, esc(error.text()));
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

    QString html = head(QStringLiteral("Your week - Tallyhold"));
    html += QStringLiteral(
                "<h1>Your week</h1>\n<dl class=\"who\"><dt>Player Name</dt><dd id=\"player\">%1</dd>"
                "<dt>Clan / Division</dt><dd id=\"division\">%2</dd></dl>\n")
                .arg(esc(sheet.player), esc(sheet.division));
    if (state.saved)
        html += QStringLiteral("<p class=\"saved\" id=\"saved\" role=\"status\">Saved.</p>\n");
    if (state.refusal && !onSlot && !onZone)
        html += errorLine(*state.refusal, QStringLiteral("error"));

    html += QStringLiteral("<form method=\"post\" action=\"/m/%1\" autocomplete=\"off\">\n"
                           "<input type=\"hidden\" name=\"csrf\" value=\"%2\">\n")
                .arg(token, csrf);
    html += QStringLiteral(
                "<p class=\"zone\"><label for=\"zone\">Time Zone</label> <select id=\"zone\" name=\"zone\"%1>"
                "<option value=\"\"></option>")
                .arg(onZone ? QStringLiteral(" aria-invalid=\"true\" aria-describedby=\"error\" autofocus")
                            : QString());
    for (const RosterListEntry& zone : sheet.zones)
        html += QStringLiteral("<option value=\"%1\"%2>%3</option>")
                    .arg(zone.key.toInt())
                    .arg(zoneKey == zone.key.toInt() ? QStringLiteral(" selected") : QString(),
                         esc(zone.text));
    html += QStringLiteral("</select></p>\n");
    if (onZone)
        html += errorLine(*state.refusal, QStringLiteral("error"));
    html += QStringLiteral(
        "<p class=\"hint\">Type or pick the times in your own time zone. Each day takes one "
        "or two times you can play; leave the second empty if you need only one.</p>\n");

    for (int day = 0; day < MemberForm::DayCount; ++day) {
        const QString name = QLatin1String(DayNames[day]);
        html += QStringLiteral("<fieldset class=\"day\" id=\"day%1\"><legend><label><input type=\"checkbox\" "
                               "class=\"day\" name=\"d%1\" id=\"d%1\" value=\"1\"%2> %3</label></legend>\n")
                    .arg(day)
                    .arg(days[day].checked ? QStringLiteral(" checked") : QString(), name);
        for (int slot = 0; slot < 4; ++slot) {
            const bool wrong = onSlot && field.day == day && field.slot == slot;
            if (slot % 2 == 0)
                html += QStringLiteral("<p class=\"slot\"><span>%1</span> ")
                            .arg(slot == 0 ? QStringLiteral("From") : QStringLiteral("and from"));
            html += QStringLiteral("<input type=\"time\" name=\"d%1s%2\" id=\"d%1s%2\" value=\"%3\" "
                                   "aria-label=\"%4 %5\"%6>")
                        .arg(day)
                        .arg(slot)
                        .arg(timeValue(days[day].texts[slot]), name, QLatin1String(SlotNames[slot]),
                             wrong ? QStringLiteral(
                                 " aria-invalid=\"true\" aria-describedby=\"error\" autofocus")
                                   : QString());
            html += slot % 2 == 0 ? QStringLiteral(" <span>to</span> ") : QStringLiteral("</p>\n");
        }
        if (onSlot && field.day == day)
            html += errorLine(*state.refusal, QStringLiteral("error"));
        if (sheet.preview[day])
            html += QStringLiteral(
                        "<p class=\"preview\" id=\"preview%1\">Saved, in the leader's time (%2): %3</p>\n")
                        .arg(day)
                        .arg(esc(sheet.leaderZone), esc(*sheet.preview[day]));
        html += QStringLiteral("</fieldset>\n");
    }
    html += QStringLiteral("<p><button type=\"submit\" id=\"save\">Save</button></p>\n</form>\n");
    if (sheet.lastSaved.isValid())
        html += QStringLiteral("<p class=\"foot\">Last saved by you: %1 GMT</p>\n")
                    .arg(sheet.lastSaved.toString(QStringLiteral("M/d/yyyy h:mm AP")));
    html += QStringLiteral("</main></body></html>\n");
    return html.toUtf8();
}

QByteArray SignupPage::message(const QString& title, const QString& text)
{
    return (head(title)
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
        ".foot{color:#555;font-size:.85rem}\n");
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
                             "});\n");
}
