#pragma once

#include "RosterLists.h"
#include "SignupSheet.h"
#include "Viewpoint.h"
#include "clans/DivisionStore.h"
#include "exchange/RosterExport.h"
#include "exchange/RosterImport.h"
#include "invitations/InvitationStore.h"
#include "matches/Match.h"
#include "members/MemberChange.h"
#include "members/MemberReads.h"
#include "scheduling/FindBestTimes.h"
#include "scheduling/MatchAnnouncement.h"
#include "scheduling/ShowAvailableMembers.h"
#include "scheduling/WeekAvailability.h"
#include "settings/Preferences.h"
#include "store/Database.h"
#include "timezones/ZoneStore.h"

#include <QObject>

struct MemberForm;
class RosterError;

// The Options dialog's fields as typed.
struct OptionsForm
{
    QString userTimeZone;
    bool userDST = false;
    bool verifyOff = false;
    QString maxResults;
    QString userName;
    QString userEmail;
    // The grid step offered: 15, 30 or 60 minutes.
    int timeGranularity = 30;
};

// What a member save wrote: the member's key, and the zones its conversions did not find.
struct MemberSaved
{
    RecordKey key;
    QStringList missingZones;
};

// The open roster and the user's preferences, and every command a front end offers on them.
// Commands take plain values and return plain values; a refusal or failure throws RosterError,
// and a command that throws has written nothing. Each write announces what it changed, so the
// front ends refill what shows it and never need to know which command ran.
//
// A command that finds its row gone also announces a change, so the lists drop the row.
//
// On a shared roster, an update or delete of a member, division or zone that another session
// changed since this one loaded it (memberInfo, memberForEdit, division, zone) is refused with
// RowChanged; writes by other sessions are announced like this session's own.
//
// A check* method runs a command's own checks without writing, for front ends that ask the
// user something (a confirmation, a file name) between the checks and the write.
class Roster : public QObject
{
    Q_OBJECT

public:
    Roster(Database db, Preferences preferences, QObject* parent = nullptr);

    const Preferences& preferences() const { return m_preferences; }
    // The roster file, as it was opened.
    QString path() const { return m_db.path(); }
    // Why this roster may not be changed (a read-only file, a login that may only read); empty
    // when it may.
    QString readOnlyReason() const { return m_db.refusal().shown(); }

    // The shared lists, in the order they are shown.
    QList<RosterListEntry> divisionList() const;
    QList<RosterListEntry> zoneList() const;
    // "Division - Player" for the members of divisions that exist and are not hidden.
    QList<RosterListEntry> memberList() const;
    // The keys of memberList(), in no particular order.
    QList<RecordKey> memberListKeys() const;
    QList<MemberRow> memberRows() const;
    // Announces every list as changed, so the front ends read the roster again.
    void refresh();

    // Members. Times are shown in the user's zone (info) or the member's own (edit).
    // The info view's times are those of the week from today (an invalid date).
    MemberInfo memberInfo(const RecordKey& member, const QDate& today = {}) const;
    MemberEdit memberForEdit(const RecordKey& member) const;
    // The player name, for the deletion question; DataError(1016) when the member is gone.
    QString memberName(const RecordKey& member);
    void checkMember(const MemberForm& form) const;
    MemberSaved addMember(const MemberForm& form);
    MemberSaved updateMember(const RecordKey& member, const MemberForm& form);
    void deleteMember(const RecordKey& member);

    // A member's dates away and one-off changes to their week. Every answer on a date honours
    // them. Those that last until today or later, or all of them withPast; earliest first.
    QList<MemberChange> memberChanges(const RecordKey& member, bool withPast = false) const;
    // RowVanished when the change is gone.
    MemberChange memberChange(const RecordKey& change) const;
    // Refused when the form does not read, or its dates overlap another of the member's changes.
    RecordKey addMemberChange(const RecordKey& member, const MemberChangeForm& form);
    void updateMemberChange(const RecordKey& change, const MemberChangeForm& form);
    void removeMemberChange(const RecordKey& change);

    // Divisions. A division that vanished while being edited is refused with RowVanished: the
    // front end then saves the same fields as a new division.
    DivisionStore::Fields division(const RecordKey& key) const;
    void checkDivision(const DivisionStore::Fields& fields) const;
    RecordKey addDivision(const DivisionStore::Fields& fields);
    void updateDivision(const RecordKey& key, const DivisionStore::Fields& fields);
    void checkDivisionDeletion(const RecordKey& key) const;
    void deleteDivision(const RecordKey& key);

    // Time zones, as Time Zone Edits lists ("EST - Eastern") and edits them.
    QList<RosterListEntry> zoneEntries() const;
    // DataError(1025) when the zone is gone.
    ZoneStore::Fields zone(int key) const;
    // The zone's trimmed name, for the deletion question; DataError(1027) when it is gone,
    // DeletionRefused while it is the user's own zone or members use it.
    QString checkZoneDeletion(int key) const;
    int addZone(const ZoneStore::Fields& fields);
    // Renaming the user's own zone renames it in the preferences too.
    void updateZone(int key, const ZoneStore::Fields& fields);
    void deleteZone(int key);

    // Preferences, as the Options dialog shows and saves them.
    OptionsForm optionsForm() const;
    void saveOptions(const OptionsForm& form);
    // Whether the named zone's real time zone keeps daylight saving time today; nothing for a
    // zone without one (or not in the roster), whose daylight saving the user chooses.
    std::optional<bool> daylightToday(const QString& zoneName) const;
    // What daylight saving the named zone keeps, in the same words everywhere: "Apply DST: yes"
    // or "no" (the user's choice) for a fixed zone; "follows America/New_York: no daylight
    // saving today" for one with a real time zone, whose clock decides.
    QString daylightText(const QString& zoneName, bool userDST) const;
    // Back to what the settings store holds.
    void restorePreferences();

    // Scheduling, on the clock of the viewpoint given. A front end passes viewpoint(), or that
    // changed for one command; the preferences stay as they are.
    Viewpoint viewpoint(const QDate& weekOf = {}) const;
    void checkMatch(const QList<RecordKey>& members, const QString& matchDate,
                    const QString& matchTime) const;
    void checkBestTimes(const QList<RecordKey>& members) const;

    // The week planner: the same questions under a match plan; the plan's required players join
    // the chosen members. A selection's week is read once and asked again until the roster or its
    // zones change, or a viewpoint on another clock asks.
    //
    // Best times, the heatmap and a minute of the week are counted in the seven days from the
    // viewpoint's week, Show Available on the match date: real moments, so clock changes on
    // either side count.
    MatchPlan readMatchPlan(const QString& length, const QString& minimum,
                            const QList<RecordKey>& required) const;
    AvailableMembers showAvailable(const Viewpoint& view, const QList<RecordKey>& members,
                                   const QString& matchDate, const QString& matchTime,
                                   const MatchPlan& plan) const;
    AvailableMembers availableAt(const Viewpoint& view, const QList<RecordKey>& members, int weekMinute,
                                 const MatchPlan& plan) const;
    BestTimes bestTimes(const Viewpoint& view, const QList<RecordKey>& members, const MatchPlan& plan) const;
    // Every grid point of the week, for the heatmap.
    WeekPlan weekPlan(const Viewpoint& view, const QList<RecordKey>& members, const MatchPlan& plan) const;
    // The "Week of" date as typed; empty is today. Throws DataFormat for other text.
    static QDate readWeekOf(const QString& text);
    // Keeps the plan's length and minimum for the next run. Not announced: the Options dialog
    // does not show them, and its unsaved fields stay as typed.
    void savePlanner(const MatchPlan& plan);

    // A match told to the chosen members: the date and time on the viewpoint's clock, the length
    // in minutes (15 to 1440) and a title (empty for the default). Who can play is judged by the
    // week planner's rule for the whole length.
    MatchAnnouncement announceMatch(const Viewpoint& view, const QList<RecordKey>& members,
                                    const QString& matchDate, const QString& matchTime, const QString& length,
                                    const QString& title) const;
    // The announcement as a calendar invitation, organised by the user when UserEmail is a real
    // address (the Options dialog's placeholder is not).
    QByteArray matchInvitation(const MatchAnnouncement& match) const;
    void saveInvitation(const MatchAnnouncement& match, const QString& path) const;
    // UserEmail when it can be written to and sent from; else empty.
    QString senderEmail() const;

    // Exchange files.
    void checkExport(const QList<RecordKey>& divisions) const;
    // The file an export to path writes: ".tlx" is added to a name without a suffix, so the
    // import's file filter shows the file.
    static QString exportPath(const QString& path);
    // Returns the file written, exportPath(path), and the number of members in it.
    ExportSummary exportDivisions(const QList<RecordKey>& divisions, const QString& path,
                                  const ExchangeProgress& progress = {}) const;
    ImportResult importFile(const QString& path, const ExchangeProgress& progress = {});

    // Sign-up links: each member keeps their own zone and week through a private link.
    NewInvitation makeInvitation(const RecordKey& member, int days = InvitationStore::DefaultDays);
    // One member's links, or everyone's when member is empty.
    QList<Invitation> invitations(const RecordKey& member = {}) const;
    void revokeInvitation(const RecordKey& invitation);
    // The member an active link belongs to; nothing for a wrong, expired or revoked token.
    std::optional<RecordKey> invitedMember(const QString& token) const;
    // The active link itself, for a caller that checks more within the same transaction.
    std::optional<Invitation> invitation(const QString& token) const;
    SignupSheet signupSheet(const RecordKey& member) const;
    // Writes the zone and week through the member form's checks and the member update, in one
    // transaction with the link's note of the save. RowVanished when the link is no longer valid.
    MemberSaved saveSignup(const QString& token, const SignupForm& form);
    // The same for a link the caller found inside the transaction this save joins.
    MemberSaved saveSignup(const Invitation& link, const SignupForm& form);
    // The member's own away dates and one-off changes through their link, each in one transaction
    // with the link's note of the save: MemberChangeStore's checks and refusals. Removing a
    // change of another member is refused as a link that is no longer valid.
    RecordKey addSignupChange(const Invitation& link, const MemberChangeForm& form);
    void removeSignupChange(const Invitation& link, const RecordKey& change);
    // The member's answer to a match through their link, with the link's note of the save:
    // answerMatch's refusals; a match the member is not invited to is refused as a link that is
    // no longer valid.
    void answerSignupMatch(const Invitation& link, const RecordKey& match, MatchAnswer answer,
                           const QString& note);
    // The same for a token; refused as no longer valid when it is not an active link's.
    void answerSignupMatch(const QString& token, const RecordKey& match, MatchAnswer answer,
                           const QString& note = {});
    // Whether a link command was refused because the link is no longer valid, or was used on
    // what is not its member's.
    static bool isLinkInvalid(const RosterError& error);
    // When the member last saved their own week; null when never.
    QDateTime selfUpdated(const RecordKey& member) const;

    // Planned matches: a GMT moment, its players and their answers. Times in and out are on the
    // viewpoint's clock. Upcoming matches are those not yet over, earliest first; past ones,
    // latest first. A match is found by key; RowVanished when it is gone.
    RecordKey planMatch(const Viewpoint& view, const MatchForm& form);
    // The match as its form shows it, for an edit.
    MatchForm matchForm(const Viewpoint& view, const RecordKey& match) const;
    // Moving the start or changing the length resets every answer to none (an answer was for
    // the old time); the players' notes stay. Players added start with no answer.
    void editMatch(const Viewpoint& view, const RecordKey& match, const MatchForm& form);
    void cancelMatch(const RecordKey& match, bool cancelled = true);
    void deleteMatch(const RecordKey& match);
    QList<MatchSummary> matches(const Viewpoint& view, bool past = false) const;
    // With its players, in name order.
    Match match(const RecordKey& key) const;
    // Every match of that title (letter case aside), earliest first.
    QList<Match> matchesTitled(const QString& title) const;
    // The upcoming matches member is invited to, with their players.
    QList<Match> memberMatches(const RecordKey& member) const;
    // The counts and, per player, whether their week and dates away let them play it all.
    MatchStatus matchStatus(const Viewpoint& view, const RecordKey& match) const;
    // An answer by the leader for a player; refused once the match is cancelled or has started.
    void answerMatch(const RecordKey& match, const RecordKey& member, MatchAnswer answer,
                     const QString& note = {});
    // The same by the member through their sign-up link: answerSignupMatch.
    // Refused before the match starts.
    void markAttended(const RecordKey& match, const RecordKey& member, bool attended);
    // For those who have not answered, on the viewpoint's clock.
    MatchReminder matchReminder(const Viewpoint& view, const RecordKey& match) const;
    // The upcoming matches and those of the last 30 days as one calendar: member's (with their
    // answer), or everyone's for an empty member.
    QByteArray matchCalendar(const RecordKey& member = {}) const;
    void saveMatchCalendar(const QString& path, const RecordKey& member = {}) const;
    // Per member, over the last matches that started and were not cancelled.
    QList<AttendanceRecord> attendance(int lastMatches = 10) const;

signals:
    // A member was added, changed or removed, or a division's name or hide flag changed.
    void membersChanged();
    void divisionsChanged();
    void zonesChanged();
    void preferencesChanged();
    // A match or a player's answer or attendance was added, changed or removed.
    void matchesChanged();

private:
    // A member as shown (memberInfo, checked by deleteMember) and as loaded into a form
    // (memberForEdit, checked by updateMember) are remembered apart: showing a member again
    // must not make an open form's older copy pass for the current one.
    enum class Row { Member, MemberShown, Division, Zone };
    // The row's version now; null on a file and when the row is gone. Within a write's
    // transaction the row stays locked until the write ends.
    QVariant rowVersion(Row row, const QVariant& key) const;
    // Runs load, returning what it read and the row's version for it. The version is read
    // before and after the load, which runs again while they differ (each change of a member
    // changes its Members row), so a version is never newer than the values loaded with it.
    template<class Load> auto versioned(Row row, const QVariant& key, Load load) const;
    // Notes the row's version as loaded, with the name the user knows it by.
    void remember(Row row, const QVariant& key, const QVariant& version, const QString& name) const;
    // Within the write's transaction: RowChanged when the row changed since it was loaded.
    void checkUnchanged(Row row, const QVariant& key) const;
    void announceOthers(const QString& table);
    // As the public ones, with the zones a command read once.
    MemberInfo memberInfo(const RecordKey& member, const QDate& today, cTimeFuncs& times) const;
    MemberEdit memberForEdit(const RecordKey& member, cTimeFuncs& times) const;
    // The save without its own transaction or signal.
    MemberSaved writeSignup(const Invitation& link, const SignupForm& form);

    // Within a match write's transaction: the match, or RowVanished.
    Match matchForWrite(const RecordKey& key) const;
    // The form's values checked, on the viewpoint's clock, as a match (without key or times).
    Match readMatchForm(const Viewpoint& view, const MatchForm& form) const;
    // On the viewpoint's clock, the rule of its zone.
    static MatchSummary summary(const ZoneRule& clock, const Match& match, const std::array<int, 5>& answers,
                                int requiredOut);
    void writeAnswer(const RecordKey& match, const RecordKey& member, MatchAnswer answer,
                     const QString& note);

    bool isUserZone(const QString& name) const;
    // Before any zone of the user's is stored, the roster's zone that follows this computer's
    // time zone is the user's own (EST when none does).
    void followSystemZone();
    // The selection's week from weekOf on the viewpoint's clock, or, with anyCovering, a week
    // already read that holds it.
    const WeekAvailability& week(const Viewpoint& view, const QList<RecordKey>& members,
                                 const MatchPlan& plan, const QDate& weekOf, bool anyCovering = false) const;

    Database m_db;
    Preferences m_preferences;
    // What the cached week was read for: the selection (sorted) and the clock it is counted on.
    struct WeekKey
    {
        QList<RecordKey> members;
        QString userTimeZone;
        bool userDST = false;
        bool operator==(const WeekKey&) const = default;
    };
    mutable WeekKey m_weekKey;
    mutable std::optional<WeekAvailability> m_week;
    struct Loaded
    {
        QVariant version;
        QString name;
    };
    // By row kind and key.
    mutable QHash<QByteArray, Loaded> m_loaded;
    // The tables other sessions changed, announced together once their notices are in.
    QSet<QString> m_othersChanged;
};
