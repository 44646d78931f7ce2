#include "CliCommands.h"

#include "invitations/SignupLink.h"
#include "roster/RosterLocation.h"
#include "roster/RosterTexts.h"
#include "scheduling/MatchFields.h"
#include "store/RosterCopy.h"
#include "store/RosterError.h"
#include "store/RosterServer.h"
#include "time/TimeText.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QTimeZone>

#include <functional>

namespace {

const std::array<const char*, MemberForm::DayCount> DayOptions {"mon", "tue", "wed", "thu", "fri", "weekend"};
// The weekend as the member view names it; the other days as the best times do.
const CoreText WeekendCaption("MembersInfoTab", "Sat/Sun");

RosterError refusal(const QString& text)
{
    return RosterError(ErrorKind::DataFormat, text);
}

// "19:00-23:00,01:00-02:00" as slot 1 start and end, slot 2 start and end; nothing for text
// that is not one or two such ranges.
std::optional<std::array<QString, 4>> slotRanges(const QString& text)
{
    std::array<QString, 4> texts;
    const QStringList ranges = text.split(QLatin1Char(','));
    if (ranges.size() > 2)
        return std::nullopt;
    for (int slot = 0; slot < ranges.size(); ++slot) {
        const QStringList ends = ranges[slot].split(QLatin1Char('-'));
        if (ends.size() != 2)
            return std::nullopt;
        for (int end = 0; end < 2; ++end)
            texts[2 * slot + end] = RewriteSlotText(ends[end].trimmed());
    }
    return texts;
}

// A day of the form; "off" or nothing leaves the day unplayed.
DaySchedule readDay(const QString& option, const QString& value)
{
    DaySchedule day;
    const QString text = value.trimmed();
    if (text.isEmpty() || text.compare(QStringLiteral("off"), Qt::CaseInsensitive) == 0)
        return day;
    day.checked = true;
    const auto texts = slotRanges(text);
    if (!texts)
        throw refusal(QStringLiteral("--%1 takes one or two ranges START-END, such as 19:00-23:00, "
                                     "7pm-11pm or 7:00 PM-11:00 PM,1:00 AM-2:00 AM, or off")
                          .arg(option));
    day.texts = *texts;
    return day;
}

// A change in the words of --json: English keys, values as typed into scripts, never translated.
QJsonObject changeJson(const MemberChange& change, const QString& player)
{
    QJsonArray played;
    for (const MemberChange::Slot& slot : change.times)
        played.append(QJsonObject {{QStringLiteral("start"), MemberChange::clockText(slot.start)},
                                   {QStringLiteral("end"), MemberChange::clockText(slot.end)}});
    return {{QStringLiteral("key"), KeyToHex(change.key)},
            {QStringLiteral("member"), KeyToHex(change.member)},
            {QStringLiteral("player"), player},
            {QStringLiteral("from"), change.first.toString(Qt::ISODate)},
            {QStringLiteral("to"), change.last.toString(Qt::ISODate)},
            {QStringLiteral("away"), change.away},
            {QStringLiteral("slots"), played},
            {QStringLiteral("note"), change.note}};
}

// The entry an option names; a refusal says which option it was.
RosterListEntry named(const QString& option, const std::function<RosterListEntry()>& find)
{
    try {
        return find();
    } catch (const RosterError& error) {
        throw RosterError(error.kind(), QStringLiteral("--%1: %2").arg(option, error.text()), error.detail());
    }
}

// --grid of best and of options.
int gridMinutes(const QString& value)
{
    const QString grid = value.trimmed();
    if (grid != QLatin1String("15") && grid != QLatin1String("30") && grid != QLatin1String("60"))
        throw RosterError(ErrorKind::ValueOutOfRange, QStringLiteral("--grid takes 15, 30 or 60 (minutes)."));
    return grid.toInt();
}

QString keyText(const QVariant& key)
{
    return KeyToHex(key.toByteArray());
}

QJsonArray jsonList(const QStringList& texts)
{
    return QJsonArray::fromStringList(texts);
}

QList<RosterError> missing(const QList<int>& dataErrors, const QStringList& zones)
{
    QList<RosterError> warnings;
    for (const int number : dataErrors)
        warnings.append(DataError(number));
    if (!zones.isEmpty())
        warnings.append(RosterTexts::missingZones(zones));
    return warnings;
}

} // namespace

CliCommands::CliCommands(Database db, const Preferences& preferences, const QCommandLineParser& parser,
                         const QStringList& arguments)
    : m_roster(std::move(db), preferences)
    , m_lookup(m_roster)
    , m_parser(parser)
    , m_arguments(arguments)
{
}

CliOutput CliCommands::run(const CliCommand& command)
{
    return (this->*command.run)();
}

QString CliCommands::argument(int index) const
{
    return m_arguments.value(index);
}

QString CliCommands::required(int index, const QString& name) const
{
    if (index >= m_arguments.size())
        throw refusal(CliCommands::tr("Give the %1.").arg(name));
    return m_arguments[index];
}

bool CliCommands::given(const QString& option) const
{
    // Asked of every command's parser, also for options the command does not take.
    return m_parser.optionNames().contains(option);
}

bool CliCommands::yes(const QString& option) const
{
    const QString value = m_parser.value(option).trimmed().toLower();
    if (value == QLatin1String("yes") || value == QLatin1String("true") || value == QLatin1String("on"))
        return true;
    if (value == QLatin1String("no") || value == QLatin1String("false") || value == QLatin1String("off"))
        return false;
    throw refusal(QStringLiteral("--%1 takes yes or no.").arg(option));
}

CliOutput CliCommands::members()
{
    QList<QVariant> divisions;
    for (const QString& name : m_parser.values(QStringLiteral("division")))
        divisions.append(m_lookup.division(name).key);
    const bool all = given(QStringLiteral("all"));
    // Only the form that is printed: for a big roster either one costs as much as the reading.
    const bool json = given(QStringLiteral("json"));
    CliOutput out;
    QJsonArray rows;
    for (const MemberRow& row : m_roster.memberRows()) {
        // A division named outright is shown even when hidden.
        if (divisions.isEmpty() ? !all && !row.listed : !divisions.contains(QVariant(row.divisionKey)))
            continue;
        if (!json) {
            out.lines.append(row.division + QStringLiteral(" - ") + row.player);
            continue;
        }
        rows.append(QJsonObject {{QStringLiteral("key"), KeyToHex(row.key)},
                                 {QStringLiteral("player"), row.player},
                                 {QStringLiteral("division"), row.division},
                                 {QStringLiteral("active"), row.active},
                                 {QStringLiteral("listed"), row.listed}});
    }
    if (json)
        out.json[QStringLiteral("members")] = rows;
    return out;
}

CliOutput CliCommands::showMember()
{
    const MemberRow member = m_lookup.member(required(0, CliCommands::tr("member's NAME or KEY")));
    const MemberInfo info = m_roster.memberInfo(member.key);
    CliOutput out;
    // The JSON keys stay English whatever language the captions are in.
    const struct
    {
        const char* key;
        QString caption;
        QString value;
    } fields[] = {{"player", tr("Player"), member.player},      {"division", tr("Division"), member.division},
                  {"real", tr("Real"), info.real.trimmed()},    {"status", tr("Status"), info.status.shown()},
                  {"email", tr("E-Mail"), info.email},          {"contact", tr("Contact"), info.contact},
                  {"timezone", tr("Time Zone"), info.timeZone}, {"notes", tr("Notes"), info.notes}};
    out.json[QStringLiteral("key")] = KeyToHex(member.key);
    for (const auto& field : fields) {
        out.lines.append(field.caption + QStringLiteral(": ") + field.value);
        out.json[QLatin1String(field.key)] = field.value;
    }
    out.json[QStringLiteral("status")] = info.status.english();
    QJsonObject days;
    for (int day = 0; day < MemberForm::DayCount; ++day) {
        if (!info.days[day])
            continue;
        const CoreText caption = day == MemberForm::DayCount - 1 ? WeekendCaption : RosterTexts::dayName(day);
        out.lines.append(caption.shown() + QStringLiteral(": ") + *info.days[day]);
        days[QLatin1String(DayOptions[day])] = *info.days[day];
    }
    if (!info.hasSchedule)
        out.lines.append(CliCommands::tr("No Scheduling Information Present"));
    // Why the member may be missing from a date's answers; `member changes --json` has them as data.
    if (!info.changes.isEmpty())
        out.lines.append(CliCommands::tr("Away and one-off changes, on the member's clock:"));
    for (const QString& change : info.changes)
        out.lines.append(QStringLiteral("  ") + change);
    out.json[QStringLiteral("schedule")] = info.hasSchedule ? QJsonValue(days) : QJsonValue();
    out.warnings
        = missing(info.missingTimes ? QList<int> {info.missingTimes} : QList<int> {}, info.missingZones);
    return out;
}

MemberForm CliCommands::memberForm(MemberForm form) const
{
    const auto text = [this](const char* option, QString& field) {
        if (given(QLatin1String(option)))
            field = m_parser.value(QLatin1String(option));
    };
    text("name", form.playerName);
    text("first", form.realFirst);
    text("last", form.realLast);
    text("email", form.email);
    text("email2", form.email2);
    text("contact", form.otherContact);
    text("notes", form.notes);
    // A blank name goes to the save, which refuses it in the window's words.
    if (given(QStringLiteral("division"))) {
        const QString typed = m_parser.value(QStringLiteral("division"));
        const std::optional<RosterListEntry> entry = typed.trimmed().isEmpty()
            ? std::nullopt
            : std::optional(named(QStringLiteral("division"), [&] { return m_lookup.division(typed); }));
        form.divisionText = entry ? entry->text : typed;
        form.divisionKey = entry ? entry->key.toByteArray() : RecordKey();
    }
    if (given(QStringLiteral("zone"))) {
        const QString typed = m_parser.value(QStringLiteral("zone"));
        const std::optional<RosterListEntry> entry = typed.trimmed().isEmpty()
            ? std::nullopt
            : std::optional(named(QStringLiteral("zone"), [&] { return m_lookup.zone(typed); }));
        form.zoneText = entry ? entry->text : typed;
        form.zoneKey = entry ? std::optional(entry->key.toInt()) : std::nullopt;
    }
    if (given(QStringLiteral("active")))
        form.active = yes(QStringLiteral("active"));
    for (int day = 0; day < MemberForm::DayCount; ++day) {
        const QString option = QLatin1String(DayOptions[day]);
        if (given(option))
            form.days[day] = readDay(option, m_parser.value(option));
    }
    return form;
}

CliOutput CliCommands::saveMember(bool adding)
{
    CliOutput out;
    MemberSaved saved;
    if (adding) {
        MemberForm form;
        form.playerName = argument(0);
        // Naming a division ticks Active in the window too.
        form.active = true;
        saved = m_roster.addMember(memberForm(form));
    } else {
        const MemberRow member = m_lookup.member(required(0, CliCommands::tr("member's NAME or KEY")));
        const MemberEdit edit = m_roster.memberForEdit(member.key);
        out.warnings
            = missing(edit.missingTimes ? QList<int> {edit.missingTimes} : QList<int> {}, edit.missingZones);
        saved = m_roster.updateMember(member.key, memberForm(edit.form));
    }
    out.warnings += missing({}, saved.missingZones);
    const QString name = m_roster.memberName(saved.key);
    out.lines.append((adding ? CliCommands::tr("Added %1") : CliCommands::tr("Updated %1")).arg(name)
                     + QStringLiteral(" (") + KeyToHex(saved.key) + QLatin1Char(')'));
    out.json = {{QStringLiteral("key"), KeyToHex(saved.key)}, {QStringLiteral("player"), name}};
    return out;
}

CliOutput CliCommands::removeMember()
{
    const MemberRow member = m_lookup.member(required(0, CliCommands::tr("member's NAME or KEY")));
    m_roster.deleteMember(member.key);
    return {{CliCommands::tr("Deleted %1").arg(member.player)},
            {{QStringLiteral("key"), KeyToHex(member.key)}},
            {}};
}

CliOutput CliCommands::addChange(bool away)
{
    const MemberRow member = m_lookup.member(required(0, CliCommands::tr("member's NAME or KEY")));
    if (!given(QStringLiteral("from")))
        throw refusal(CliCommands::tr("Give the first date: --from MM/DD/YYYY."));
    MemberChangeForm form;
    form.first = m_parser.value(QStringLiteral("from"));
    form.last = m_parser.value(QStringLiteral("to"));
    form.away = away;
    form.note = m_parser.value(QStringLiteral("note"));
    if (!away) {
        const auto texts = slotRanges(m_parser.value(QStringLiteral("slots")).trimmed());
        if (!texts)
            throw refusal(QStringLiteral("--slots takes one or two ranges START-END, such as 22:00-01:00 or "
                                         "6pm-8pm,10pm-1am."));
        form.slotTexts = *texts;
    }
    const MemberChange change = m_roster.memberChange(m_roster.addMemberChange(member.key, form));
    return {
        {CliCommands::tr("Added for %1: %2 (%3)").arg(member.player, change.text(), KeyToHex(change.key))},
        changeJson(change, member.player),
        {}};
}

CliOutput CliCommands::memberChanges()
{
    const MemberRow member = m_lookup.member(required(0, CliCommands::tr("member's NAME or KEY")));
    const bool all = given(QStringLiteral("all"));
    CliOutput out;
    QJsonArray changes;
    for (const MemberChange& change : m_roster.memberChanges(member.key, all)) {
        out.lines.append(KeyToHex(change.key) + QStringLiteral("  ") + change.text());
        changes.append(changeJson(change, member.player));
    }
    if (changes.isEmpty())
        out.lines.append((all ? CliCommands::tr("%1 has no away dates or changes.")
                              : CliCommands::tr("%1 has no away dates or changes from today on."))
                             .arg(member.player));
    out.json = {{QStringLiteral("member"), KeyToHex(member.key)},
                {QStringLiteral("player"), member.player},
                {QStringLiteral("changes"), changes}};
    return out;
}

CliOutput CliCommands::removeChange()
{
    const QString typed
        = required(0, CliCommands::tr("change's KEY (member changes NAME shows it)")).trimmed();
    // A key never seen is no change "removed in the meantime", as the session says of one gone.
    const QString unknown = CliCommands::tr("No change has the key \"%1\"; tallyhold-cli member changes NAME "
                                            "--all lists a member's changes with their keys.")
                                .arg(typed);
    if (!IsKeyText(typed))
        throw RosterError(ErrorKind::Selection, unknown);
    MemberChange change;
    try {
        change = m_roster.memberChange(HexToKey(typed));
    } catch (const RosterError& error) {
        if (error.kind() != ErrorKind::RowVanished)
            throw;
        throw RosterError(ErrorKind::Selection, unknown);
    }
    const QString player = m_roster.memberName(change.member);
    m_roster.removeMemberChange(change.key);
    return {
        {CliCommands::tr("Removed from %1: %2").arg(player, change.text())}, changeJson(change, player), {}};
}

CliOutput CliCommands::divisions()
{
    CliOutput out;
    QJsonArray rows;
    for (const RosterListEntry& entry : m_roster.divisionList()) {
        const DivisionStore::Fields fields = m_roster.division(entry.key.toByteArray());
        out.lines.append(entry.text + (fields.hide ? QStringLiteral("  (hidden)") : QString()));
        rows.append(QJsonObject {{QStringLiteral("key"), keyText(entry.key)},
                                 {QStringLiteral("name"), entry.text},
                                 {QStringLiteral("notes"), fields.notes},
                                 {QStringLiteral("hidden"), fields.hide}});
    }
    out.json[QStringLiteral("divisions")] = rows;
    return out;
}

CliOutput CliCommands::saveDivision(bool adding)
{
    RecordKey key;
    DivisionStore::Fields fields;
    if (adding) {
        fields.name = argument(0);
    } else {
        key = m_lookup.division(required(0, CliCommands::tr("division's NAME or KEY"))).key.toByteArray();
        fields = m_roster.division(key);
        if (given(QStringLiteral("name")))
            fields.name = m_parser.value(QStringLiteral("name"));
    }
    if (given(QStringLiteral("notes")))
        fields.notes = m_parser.value(QStringLiteral("notes"));
    if (given(QStringLiteral("hide")))
        fields.hide = yes(QStringLiteral("hide"));
    if (adding)
        key = m_roster.addDivision(fields);
    else
        m_roster.updateDivision(key, fields);
    return {{(adding ? tr("Added %1") : tr("Updated %1")).arg(fields.name.trimmed()) + QStringLiteral(" (")
             + KeyToHex(key) + QLatin1Char(')')},
            {{QStringLiteral("key"), KeyToHex(key)}},
            {}};
}

CliOutput CliCommands::removeDivision()
{
    const RosterListEntry division
        = m_lookup.division(required(0, CliCommands::tr("division's NAME or KEY")));
    m_roster.deleteDivision(division.key.toByteArray());
    return {{CliCommands::tr("Deleted %1").arg(division.text)},
            {{QStringLiteral("key"), keyText(division.key)}},
            {}};
}

CliOutput CliCommands::zones()
{
    CliOutput out;
    QJsonArray rows;
    for (const RosterListEntry& entry : m_roster.zoneEntries()) {
        const ZoneStore::Fields zone = m_roster.zone(entry.key.toInt());
        out.lines.append(CliCommands::tr("%1  (GMT offset %2%3%4)")
                             .arg(entry.text)
                             .arg(zone.offset)
                             .arg(zone.daylight ? CliCommands::tr(", daylight saving") : QString())
                             .arg(zone.iana.isEmpty() ? QString() : QStringLiteral(", ") + zone.iana));
        rows.append(QJsonObject {{QStringLiteral("key"), entry.key.toInt()},
                                 {QStringLiteral("name"), zone.name.trimmed()},
                                 {QStringLiteral("description"), zone.description.trimmed()},
                                 {QStringLiteral("offset"), zone.offset},
                                 {QStringLiteral("daylight"), zone.daylight},
                                 {QStringLiteral("real"), zone.iana.isEmpty() ? QJsonValue() : zone.iana}});
    }
    out.json[QStringLiteral("zones")] = rows;
    return out;
}

CliOutput CliCommands::saveZone(bool adding)
{
    int key = 0;
    ZoneStore::Fields fields;
    if (adding) {
        fields.name = argument(0);
    } else {
        key = m_lookup.zone(required(0, CliCommands::tr("time zone's NAME or NUMBER"))).key.toInt();
        fields = m_roster.zone(key);
        if (given(QStringLiteral("name")))
            fields.name = m_parser.value(QStringLiteral("name"));
    }
    if (given(QStringLiteral("description")))
        fields.description = m_parser.value(QStringLiteral("description"));
    if (given(QStringLiteral("dst")))
        fields.daylight = yes(QStringLiteral("dst"));
    if (given(QStringLiteral("real"))) {
        const QString real = m_parser.value(QStringLiteral("real")).trimmed();
        fields.iana = real.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0 ? QString() : real;
        // As the dialog's drop-down does; --offset and --dst still win.
        if (!fields.iana.isEmpty() && QTimeZone::isTimeZoneIdAvailable(fields.iana.toUtf8())) {
            const ZoneStore::Fields standard = ZoneStore::standardOf(fields.iana);
            fields.offset = standard.offset;
            fields.daylight = given(QStringLiteral("dst")) ? fields.daylight : standard.daylight;
        }
    }
    // The offset is read as the dialog reads its field; a new zone starts at 0 as there.
    const QString offset = given(QStringLiteral("offset")) ? m_parser.value(QStringLiteral("offset"))
                                                           : QString::number(fields.offset);
    fields = ZoneStore::read(fields.name, fields.description, offset, fields.daylight, fields.iana);
    if (adding)
        key = m_roster.addZone(fields);
    else
        m_roster.updateZone(key, fields);
    return {{(adding ? tr("Added %1") : tr("Updated %1")).arg(fields.name.trimmed()) + QStringLiteral(" (")
             + QString::number(key) + QLatin1Char(')')},
            {{QStringLiteral("key"), key}},
            {}};
}

CliOutput CliCommands::removeZone()
{
    const RosterListEntry zone = m_lookup.zone(required(0, CliCommands::tr("time zone's NAME or NUMBER")));
    m_roster.deleteZone(zone.key.toInt());
    return {{CliCommands::tr("Deleted %1").arg(zone.text)}, {{QStringLiteral("key"), zone.key.toInt()}}, {}};
}

MatchPlan CliCommands::matchPlan() const
{
    QList<RecordKey> required;
    for (const QString& name : m_parser.values(QStringLiteral("require"))) {
        const RecordKey key = m_lookup.member(name).key;
        if (!required.contains(key))
            required.append(key);
    }
    return m_roster.readMatchPlan(m_parser.value(QStringLiteral("length")),
                                  m_parser.value(QStringLiteral("min")), required);
}

QList<RecordKey> CliCommands::selection() const
{
    QList<RecordKey> keys;
    const QStringList divisions = m_parser.values(QStringLiteral("division"));
    const QStringList members = m_parser.values(QStringLiteral("member"));
    if (divisions.isEmpty() && members.isEmpty()) {
        // Everyone the window's list offers.
        return m_roster.memberListKeys();
    }
    const QList<MemberRow> rows = m_roster.memberRows();
    for (const QString& name : divisions) {
        const RecordKey division = m_lookup.division(name).key.toByteArray();
        for (const MemberRow& row : rows) {
            if (row.divisionKey == division && !keys.contains(row.key))
                keys.append(row.key);
        }
    }
    for (const QString& name : members) {
        const RecordKey key = m_lookup.member(name).key;
        if (!keys.contains(key))
            keys.append(key);
    }
    return keys;
}

Viewpoint CliCommands::viewpoint() const
{
    Viewpoint view = m_roster.viewpoint();
    if (given(QStringLiteral("zone")))
        view.userTimeZone = named(QStringLiteral("zone"), [&] {
                                return m_lookup.zone(m_parser.value(QStringLiteral("zone")));
                            }).text;
    if (given(QStringLiteral("dst")))
        view.userDST = yes(QStringLiteral("dst"));
    if (given(QStringLiteral("grid")))
        view.timeGranularity = gridMinutes(m_parser.value(QStringLiteral("grid")));
    if (given(QStringLiteral("max"))) {
        const std::optional<int> max = Preferences::readMaxResults(m_parser.value(QStringLiteral("max")));
        if (!max)
            throw RosterError(ErrorKind::ValueOutOfRange,
                              CliCommands::tr("Maximum Results field must be a number greater than zero"));
        view.maxResults = *max;
    }
    return view;
}

std::pair<QString, QString> CliCommands::matchAt() const
{
    // "12/7/2026 8:00 PM": the date field, then the time field.
    const QString at = m_parser.value(QStringLiteral("at")).trimmed();
    const qsizetype blank = at.indexOf(QLatin1Char(' '));
    return {blank < 0 ? at : at.left(blank),
            blank < 0 ? QString() : RewriteSlotText(at.mid(blank + 1).trimmed())};
}

CliOutput CliCommands::available()
{
    const Viewpoint view = viewpoint();
    const MatchPlan plan = matchPlan();
    const QList<RecordKey> members = selection();
    const auto [date, time] = matchAt();
    const AvailableMembers available = m_roster.showAvailable(view, members, date, time, plan);
    CliOutput out;
    out.lines = available.names;
    if (!available.reason.isEmpty())
        out.lines.append(available.reason);
    else if (out.lines.isEmpty())
        out.lines.append(
            CliCommands::tr("None of the %n chosen member(s) can play then.", nullptr, int(members.size())));
    out.json = {{QStringLiteral("date"), date},
                {QStringLiteral("time"), time},
                {QStringLiteral("zone"), view.userTimeZone},
                {QStringLiteral("chosen"), int(members.size())},
                {QStringLiteral("available"), jsonList(available.names)}};
    out.warnings = missing(available.missingTimes, available.missingZones);
    return out;
}

CliOutput CliCommands::best()
{
    Viewpoint view = viewpoint();
    const MatchPlan plan = matchPlan();
    const QList<RecordKey> members = selection();
    view.weekOf = Roster::readWeekOf(m_parser.value(QStringLiteral("week-of")));
    const BestTimes best = m_roster.bestTimes(view, members, plan);
    CliOutput out;
    QJsonArray times;
    for (const BestTimeTally& tally : best.tallies) {
        out.lines.append(RosterTexts::bestTimeLine(tally, plan));
        // That moment of the week, in the form "available --at" takes.
        const MatchFields next = MatchFields::forWeekMinute(tally.weekMinute, view.weekOf);
        times.append(QJsonObject {
            {QStringLiteral("count"), tally.Count},
            {QStringLiteral("weekMinute"), tally.weekMinute},
            {QStringLiteral("line"), RosterTexts::bestTimeLine(tally, plan, RosterTexts::Words::Source)},
            {QStringLiteral("next"), next.matchDate + QLatin1Char(' ') + next.matchTime}});
    }
    if (!best.reason.isEmpty())
        out.lines.append(best.reason);
    else if (out.lines.isEmpty())
        out.lines.append(CliCommands::tr("None of the %n chosen member(s) plays at any time.", nullptr,
                                         int(members.size())));
    out.json = {{QStringLiteral("zone"), view.userTimeZone},
                {QStringLiteral("grid"), view.timeGranularity},
                {QStringLiteral("chosen"), int(members.size())},
                {QStringLiteral("times"), times}};
    out.warnings = missing(best.missingTimes, best.missingZones);
    return out;
}

CliOutput CliCommands::announce()
{
    const Viewpoint view = viewpoint();
    const auto [date, time] = matchAt();
    const MatchAnnouncement match
        = m_roster.announceMatch(view, selection(), date, time, m_parser.value(QStringLiteral("length")),
                                 m_parser.value(QStringLiteral("title")));
    const QString ics = m_parser.value(QStringLiteral("ics"));
    if (!ics.isEmpty())
        m_roster.saveInvitation(match, ics);
    QStringList can;
    QStringList cannot;
    for (const AnnouncedMember& member : match.members)
        (member.canPlay ? can : cannot) << member.name;
    CliOutput out;
    out.lines = match.text.split(QLatin1Char('\n'));
    out.lines << QString() << match.discordLine();
    if (!match.withoutEmail().isEmpty())
        out.lines << CliCommands::tr("No e-mail: ") + match.withoutEmail().join(QStringLiteral(", "));
    out.lines << match.mailto().toString(QUrl::FullyEncoded);
    out.json = {{QStringLiteral("title"), match.title},
                {QStringLiteral("start"), match.unixStart()},
                {QStringLiteral("length"), match.length},
                {QStringLiteral("text"), match.text},
                {QStringLiteral("discord"), match.discordLine()},
                {QStringLiteral("canPlay"), jsonList(can)},
                {QStringLiteral("cannotPlay"), jsonList(cannot)},
                {QStringLiteral("noEmail"), jsonList(match.withoutEmail())},
                {QStringLiteral("mailto"), match.mailto().toString(QUrl::FullyEncoded)},
                {QStringLiteral("ics"), ics.isEmpty() ? QJsonValue() : QJsonValue(ics)}};
    out.warnings = missing({}, match.missingZones);
    return out;
}

CliOutput CliCommands::exportDivisions()
{
    QList<RecordKey> divisions;
    for (const QString& name : m_parser.values(QStringLiteral("division")))
        divisions.append(m_lookup.division(name).key.toByteArray());
    m_roster.checkExport(divisions);
    // The name checked and reported is the file written: "alpha" is saved as alpha.tlx.
    const QString path = Roster::exportPath(required(0, CliCommands::tr("FILE to export to")));
    if (QFileInfo::exists(path) && !given(QStringLiteral("force")))
        throw RosterError(ErrorKind::ExportFailed,
                          CliCommands::tr("This Export File Already Exists... (--force overwrites it)"));
    const int members = m_roster.exportDivisions(divisions, path).members;
    return {{CliCommands::tr("Export Completed!"),
             CliCommands::tr("Divisions: %1, members: %n", nullptr, members).arg(divisions.size())},
            {{QStringLiteral("file"), path},
             {QStringLiteral("divisions"), int(divisions.size())},
             {QStringLiteral("members"), members}},
            {}};
}

CliOutput CliCommands::importFile()
{
    const ImportResult result = m_roster.importFile(required(0, CliCommands::tr("FILE to import")));
    return {{CliCommands::tr("Import Completed!"), result.detail()},
            {{QStringLiteral("divisionsAdded"), result.divisionsAdded},
             {QStringLiteral("divisionsPresent"), result.divisionsPresent},
             {QStringLiteral("membersAdded"), result.membersAdded},
             {QStringLiteral("membersPresent"), result.membersPresent},
             {QStringLiteral("zonesAdded"), result.zonesAdded},
             {QStringLiteral("zonesReused"), result.zonesReused}},
            {}};
}

CliOutput CliCommands::options()
{
    OptionsForm form = m_roster.optionsForm();
    bool changed = false;
    const auto set = [&](const char* option, QString& field) {
        if (given(QLatin1String(option))) {
            field = m_parser.value(QLatin1String(option));
            changed = true;
        }
    };
    if (given(QStringLiteral("zone"))) {
        form.userTimeZone = named(QStringLiteral("zone"), [&] {
                                return m_lookup.zone(m_parser.value(QStringLiteral("zone")));
                            }).text;
        changed = true;
    }
    set("max", form.maxResults);
    set("user-name", form.userName);
    set("user-email", form.userEmail);
    if (given(QStringLiteral("grid"))) {
        form.timeGranularity = gridMinutes(m_parser.value(QStringLiteral("grid")));
        changed = true;
    }
    for (const auto& [option, field] : {std::pair {"dst", &form.userDST}, {"verify-off", &form.verifyOff}}) {
        if (given(QLatin1String(option))) {
            *field = yes(QLatin1String(option));
            changed = true;
        }
    }
    if (changed)
        m_roster.saveOptions(form);
    const Preferences& p = m_roster.preferences();
    // Words for people; the JSON below keeps true and false.
    const auto yesNo = [](bool value) {
        return value ? tr("yes") : tr("no");
    };
    return {{CliCommands::tr("Your Time Zone: ") + p.userTimeZone,
             m_roster.daylightText(p.userTimeZone, p.userDST),
             CliCommands::tr("Best Times Granularity: %1 Min").arg(p.timeGranularity),
             CliCommands::tr("Max Return on Show Best Times: %1").arg(p.maxResults),
             CliCommands::tr("Disable Message Box Verifications: ") + yesNo(p.verifyOff),
             tr("Name: %1").arg(p.userName), tr("EMail: %1").arg(p.userEmail)},
            {{QStringLiteral("UserTimeZone"), p.userTimeZone},
             {QStringLiteral("UserDST"), p.userDST},
             {QStringLiteral("TimeGranularity"), p.timeGranularity},
             {QStringLiteral("MaxResults"), p.maxResults},
             {QStringLiteral("VerifyOff"), p.verifyOff},
             {QStringLiteral("UserName"), p.userName},
             {QStringLiteral("UserEmail"), p.userEmail}},
            {}};
}

CliOutput CliCommands::makeLink()
{
    const MemberRow member = m_lookup.member(required(0, CliCommands::tr("member's NAME or KEY")));
    int days = InvitationStore::DefaultDays;
    if (given(QStringLiteral("days"))) {
        bool ok = false;
        days = m_parser.value(QStringLiteral("days")).trimmed().toInt(&ok);
        if (!ok)
            throw refusal(QStringLiteral("--days takes a whole number of days."));
    }
    // The address given is kept for the next links, the window's included.
    if (given(QStringLiteral("address")))
        SignupLink::setAddress(m_parser.value(QStringLiteral("address")));
    const NewInvitation made = m_roster.makeInvitation(member.key, days);
    const QString url = SignupLink::url(SignupLink::address(), made.token);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return {{url, member.player + QStringLiteral(": ") + made.invitation.describe(now)},
            {{QStringLiteral("key"), KeyToHex(made.invitation.key)},
             {QStringLiteral("player"), member.player},
             {QStringLiteral("url"), url},
             {QStringLiteral("expires"), made.invitation.expires.toString(Qt::ISODate)}},
            {}};
}

CliOutput CliCommands::links()
{
    const RecordKey member = given(QStringLiteral("member"))
        ? m_lookup.member(m_parser.value(QStringLiteral("member"))).key
        : RecordKey();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    CliOutput out;
    QJsonArray rows;
    for (const Invitation& link : m_roster.invitations(member)) {
        out.lines.append(
            QStringLiteral("%1  %2: %3").arg(KeyToHex(link.key), link.player, link.describe(now)));
        const auto time = [](const QDateTime& value) {
            return value.isValid() ? QJsonValue(value.toString(Qt::ISODate)) : QJsonValue();
        };
        rows.append(QJsonObject {{QStringLiteral("key"), KeyToHex(link.key)},
                                 {QStringLiteral("member"), KeyToHex(link.member)},
                                 {QStringLiteral("player"), link.player},
                                 {QStringLiteral("active"), link.state(now) == Invitation::State::Active},
                                 {QStringLiteral("created"), time(link.created)},
                                 {QStringLiteral("expires"), time(link.expires)},
                                 {QStringLiteral("revoked"), time(link.revoked)},
                                 {QStringLiteral("lastSaved"), time(link.lastSaved)}});
    }
    out.json[QStringLiteral("links")] = rows;
    return out;
}

CliOutput CliCommands::revokeLink()
{
    const RecordKey key = HexToKey(required(0, CliCommands::tr("link's KEY (tallyhold-cli links shows it)")));
    m_roster.revokeInvitation(key);
    return {{CliCommands::tr("Revoked")}, {{QStringLiteral("key"), KeyToHex(key)}}, {}};
}

// Neither roster is --roster's. The source must exist; the target is made when missing.
CliOutput CliCommands::copyRoster(const QCommandLineParser& parser)
{
    if (parser.value(QStringLiteral("from")).isEmpty() || parser.value(QStringLiteral("to")).isEmpty())
        throw refusal(CliCommands::tr("copy needs --from and --to."));
    const QString from = RosterLocation::choose(parser.value(QStringLiteral("from")), false, QString());
    const QString to = RosterLocation::choose(parser.value(QStringLiteral("to")), false, QString());
    if (!RosterServer::isAddress(from) && !QFileInfo::exists(from))
        throw refusal(QStringLiteral("--from: there is no roster file %1.").arg(from));
    const bool existed = RosterServer::isAddress(to) || QFileInfo::exists(to);
    Database source = Database::open(from, Database::Access::ReadOnly);
    Database target = Database::open(to);
    try {
        RosterCopy::copy(source, target);
    } catch (const RosterError&) {
        target.close();
        if (!existed)
            QFile::remove(to);
        throw;
    }
    const int members = target.first(QStringLiteral("SELECT COUNT(*) FROM Members"))->value(0).toInt();
    source.close();
    target.close();
    return {{CliCommands::tr("Copied %n member(s) to %1", nullptr, members).arg(to)},
            {{QStringLiteral("members"), members}, {QStringLiteral("to"), to}},
            {}};
}

CliOutput CliCommands::createRoster(const QCommandLineParser& parser)
{
    const QString path = RosterLocation::fromCommandLine(parser);
    if (path.isEmpty())
        throw refusal(QStringLiteral("--roster needs a file name."));
    if (!RosterServer::isAddress(path) && QFileInfo::exists(path))
        throw refusal(CliCommands::tr("There is a roster file %1 already.").arg(path));
    // An empty server database gets its tables on the first connection.
    Database::open(path).close();
    return {{CliCommands::tr("Made a new roster in %1").arg(path)}, {{QStringLiteral("roster"), path}}, {}};
}
