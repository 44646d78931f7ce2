<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ClansTab</name>
    <message>
        <source>Clan Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clans / Divisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Members from Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Clan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first highlight a division!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <source>New player name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clan / division, by name or key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The member&apos;s time zone, by name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active member (a new one is).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual first name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default e-mail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary e-mail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other contact info.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: one or two slots in the member&apos;s zone, such as 19:00-23:00,01:00-02:00; off to clear the day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the members of a division (repeatable).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a member by name or key (repeatable).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your time zone for this command (default: options).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply daylight saving time (default: options).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The match length, 15 to 1440 minutes (default: a moment).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A member who must be able to play (repeatable; joins the chosen).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At least this many must be able to play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first date, in the member&apos;s own zone: MM/DD/YYYY or YYYY-MM-DD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last date (default: the first alone).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A short note, such as holiday.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One or two slots in the member&apos;s zone instead of the week&apos;s, such as 22:00-01:00 or 6pm-8pm,10pm-1am; an end before the start runs past midnight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start on your clock, such as &quot;12/12/2026 8:00 PM&quot;; moving it asks every player again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start on your clock, such as &quot;12/12/2026 8:00 PM&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length, 15 to 1440 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title (default: Clan match).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite a member, by name or key (repeatable).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A member who must say yes (repeatable; invited too).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At least this many must say yes (default 1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes for the players.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uninvite a member (repeatable).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite the members of a division (repeatable).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide the members from the lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes to add to the local time to get GMT (300 for Eastern).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply daylight saving time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The real time zone, such as America/New_York (&quot;none&quot; for none); its standard offset and daylight saving fill --offset and --dst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the members as the window does (&quot;Division - Player&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only this division&apos;s members (repeatable).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Members of hidden divisions too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a member, times in your time zone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a member.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the given fields of a member.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a member and its schedule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark a member away from --from to --to: no answer on those dates counts them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove an away range or one-off change by its key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give a member other slots from --from to --to instead of their week&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List a member&apos;s away ranges and one-off changes from today on, with their keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past ones too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the clans / divisions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a division.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change a division.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name of the division.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a division that has no members.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the time zones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a time zone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change a time zone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name of the time zone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a time zone that no member uses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who of the chosen members (default: everyone listed) can make a match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The match date and time, such as &quot;12/7/2026 8:00 PM&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announce a match to the chosen members (default: everyone listed): each one&apos;s local time, who can play, a Discord line and an e-mail link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The match start, such as &quot;12/7/2026 8:00 PM&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The match length, 15 to 1440 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also write a calendar invitation to FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The best match times of the chosen members (default: everyone listed).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid step: 15, 30 or 60 minutes (default: options).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most this many times (default: options).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count the seven days from this date (default: today).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan a match for the members chosen and ask each for an answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move, rename, lengthen or change the players of a match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The upcoming matches with their answers, earliest first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The matches that are over, latest first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A match&apos;s players: their answers, notes, and who cannot play it by their week.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer for a member: yes, maybe, late or no.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The member&apos;s note (at most 500 characters).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel a match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the cancellation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a match with its answers and attendance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether a member came, once the match has started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Discord message and an e-mail link for those who have not answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the upcoming matches and those of the last 30 days as a calendar file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every match with every player (the default).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only this member&apos;s matches, with their answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The .ics file to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count the last N matches (default 10).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export divisions with their members, schedules and zones to a .tlx file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A division to export (repeatable).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite FILE when it exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a .tlx file: checked whole, then added in one go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a member&apos;s private sign-up link for tallyhold-web; only its hash is kept, so copy it now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days until the link expires (default 60, at most 3650).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where members reach tallyhold-web, such as https://roster.example.org (kept for the next links; default http://127.0.0.1:8080).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the sign-up links, newest first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only this member&apos;s links.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revoke a sign-up link by its key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show your preferences, or set the given ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your time zone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best times grid: 15, 30 or 60 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max return on best times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable the window&apos;s confirmation boxes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your e-mail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy a whole roster, keys kept, between a file and a server (either way) into a new roster, in one transaction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster copied: a file or a server&apos;s address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new roster: a file (created) or an empty server database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A zone name (letter case aside) or its number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link&apos;s key, as links shows it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change&apos;s key, as member changes shows it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exchange file (.tlx).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>member&apos;s NAME or KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Scheduling Information Present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away and one-off changes, on the member&apos;s clock:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the first date: --from MM/DD/YYYY.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added for %1: %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no away dates or changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no away dates or changes from today on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change&apos;s KEY (member changes NAME shows it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No change has the key &quot;%1&quot;; tallyhold-cli member changes NAME --all lists a member&apos;s changes with their keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>division&apos;s NAME or KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (GMT offset %2%3%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, daylight saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time zone&apos;s NAME or NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Results field must be a number greater than zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>None of the %n chosen member(s) can play then.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %n chosen member(s) plays at any time.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No e-mail: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE to export to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Export File Already Exists... (--force overwrites it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Completed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Divisions: %1, members: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>FILE to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Completed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Time Zone: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Times Granularity: %1 Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Return on Show Best Times: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Message Box Verifications: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMail: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link&apos;s KEY (tallyhold-cli links shows it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revoked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy needs --from and --to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Copied %n member(s) to %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>There is a roster file %1 already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made a new roster in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No match is titled &quot;%1&quot;; matches --past lists them all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 matches are titled &quot;%2&quot;; give one of their keys:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No past matches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No upcoming matches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot play then</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>came</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>did not come</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer is yes, maybe, late or no.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 said %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say yes or no: did %1 come?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> came.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> did not come.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give --all or --member, not both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar written: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: invited %2, said yes %3, came %4, said yes but did not come %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No match has been played yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Exit status: 0 done; 1 command refused or bad input (nothing was written); 2 the roster cannot be opened or changed (empty, damaged, in use, read-only, newer) or the database failed (nothing was written). Errors go to stderr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print one JSON document instead of text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tallyhold roster and match finder from a terminal.

Commands (tallyhold-cli COMMAND --help shows a command&apos;s options):
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot 1 start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot 1 end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot 2 start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot 2 end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Times may also be typed as 7:30pm, 7pm, 19:30 or 1930.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMMAND [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give a command; tallyhold-cli --help lists them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;; tallyhold-cli --help lists them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Saturday and Sunday are one day: --weekend.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> tallyhold-cli %1 --help lists its options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many arguments for %1: %2 (put a name with blanks in quotes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--roster needs a file name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeTab</name>
    <message>
        <source>Chose which Clans/Divisions then click Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export divisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Export File Already Exists... Overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Completed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Completed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallyhold Export (*.tlx)|*.tlx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListFill</name>
    <message>
        <source>Hidden: its members are left out of the member lists</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MatchesTab</name>
    <message>
        <source>Show past matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upcoming matches, earliest first, with their answers counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When and answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Match…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the time, players, title or notes; a new time asks everyone again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark the match cancelled in every calendar; it can be restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the match with its answers and attendance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A message for those who have not answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attendance…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once the match has started: tick who came</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Their week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Came</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer the highlighted player gave you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer for the highlighted player, as they told you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attendance history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last matches counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches that started and were not cancelled, latest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per member over the last matches; click a heading to sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Said
yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Said yes but
did not come</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlighted player&apos;s answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No past matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past matches, latest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matches planned yet: choose members on Scheduling and press Plan Match…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight a match to see its players.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes, at least %2 must say yes; planned on %3&apos;s clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⚠ cannot play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s week or away dates say they cannot play all of this match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the match &quot;%1&quot; of %2 with its answers and attendance?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first highlight a player!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Started: answers are closed, attendance can be taken. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (required)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MemberFormTab</name>
    <message>
        <source>Player Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clan / Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default EMail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Contact Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away / Changes…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing Schedules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone of the times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the member first: dates away and one-off changes belong to a member in the roster. To enter them for a member, choose Edit Member on Members Info.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates the member is away, or plays other times than the week below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The times typed for %1 are not saved while the day&apos;s Plays box is not ticked. Save without them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 slot 1 start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 slot 1 end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 slot 2 start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 slot 2 end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing Schedules - Note:  All times are %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MembersInfoTab</name>
    <message>
        <source>Members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Click to view / Double Click to Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-up Links…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private links with which members keep their own week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Member Info (read only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the member last saved their own week through a sign-up link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Availability this week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place mouse over days to display times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone of the times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat/Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Scheduling Information Present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away and one-off changes, on the member&apos;s clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set on Add / Edit Members with Away / Changes…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away and one-off changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first highlight a Member!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last %1 matches: invited %2 · said yes %3 · came %4 · said yes but did not come %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by the member, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Not invited to any of the last %n matches</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Show in Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Access Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roster Not Opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roster In Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roster Damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-Only Roster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recoverable Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Key Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save/Update Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Format Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clan Division Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule Process Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletion Criteria Not Met</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Not Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed by Another Officer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RosterTexts</name>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n member(s) - %1 - %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zones not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SchedulingTab</name>
    <message>
        <source>Select Member(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who can make the match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Times for Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best times and the week count the seven days from this date, clock changes included</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Best Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double click on a time and show who!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announce…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell the chosen members when the match is, each in their own time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan Match…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invite the chosen members to a match at this time and collect their answers on the Matches tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440; empty or 1 for a single moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many must be able to play at least</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark or unmark the highlighted members as required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nobody required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select members to see their week.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignupPage</name>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot 1 start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot 1 end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot 2 start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot 2 end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away dates and one-off changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates you cannot play, or play other times than your week, in your own time zone. Add keeps each at once; Save above keeps only your week.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the last date empty for one day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On those dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These times instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instead %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holiday, exams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Late</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n said yes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>This match was cancelled. It can no longer be answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This match has started. It can no longer be answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not answered yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note for the leader (optional; sent with the answer you pick)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times in your time zone (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times in the leader&apos;s time zone (%1) until you choose yours above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matches planned for you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In your calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscribe once and your calendar app keeps your matches and their changes. Like this page&apos;s link, the address is yours alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscribe to your matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or add this address to your calendar (Google Calendar: Other calendars, From URL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your week - Tallyhold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clan / Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A match waits for your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n matches wait for your answer</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Your matches (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type or pick the times in your own time zone. Each day takes one or two times you can play; leave the second empty if you need only one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved, in the leader&apos;s time (%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last saved by you: %1 GMT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignupServer</name>
    <message>
        <source>Too many tries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait a few minutes, then open your link again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not understood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the link you were given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The roster cannot be reached just now. Nothing was changed; try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This link is no longer valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask your clan leader for a new link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This page is out of date. Open your link again and save again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeEntryField</name>
    <message>
        <source>Data Format Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This field must be in a valid date format!  MM/DD/YYYY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This field must be in a valid time format!  HH:MM AM/PM</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WeekHeatmap</name>
    <message>
        <source>Week heatmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a time and show who!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plan not met</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select members to see their week.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: %3 of %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, plan not met</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n players</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Darker: more of the %n players can play. Click a time to see who.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmAnnounce</name>
    <message>
        <source>Announce Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the text before copying or sending it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Discord line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discord shows the start in each reader&apos;s own time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save invitation…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A message to those who can play, in your mail program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length (minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Invitation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar invitation (*.ics)|*.ics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the members who can play has an e-mail address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No e-mail (left out of the invitation): %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAttendance</name>
    <message>
        <source>Attendance: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who came</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick everyone who played; Space ticks the highlighted player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>said %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMemberChanges</name>
    <message>
        <source>Dates and times are on %1&apos;s own clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates and times are on %1&apos;s own clock (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates away and days played at other times than the week; double click to edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show past changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MM/DD/YYYY; empty for the first date alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>same day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not listed on these dates at any time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These times instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays these times on each of the dates instead of the week&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why, in a few words: holiday, exams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No changes: %1 plays the week as it stands. Add one for dates away or played otherwise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first highlight a change!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change (choose Add or Edit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away / Changes - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot 1 start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot 1 end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot 2 start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot 2 end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit change of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best Times Granularity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Message Box Verifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Return on Show Best Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply DST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel / Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your zone&apos;s real time zone is on daylight saving time today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your zone&apos;s real time zone is on standard time today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12-hour (8:00 PM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24-hour (20:00)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language and clock change at the next start of Tallyhold.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmPlanMatch</name>
    <message>
        <source>Plan Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on your clock (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length (minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many must say yes for the match to go ahead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick who is invited and who must play; Space ticks the highlighted box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invited players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown with the match in every player&apos;s calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 invited, %2 required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving the match or changing its length sets every answer back to no answer; the players are asked again. Save it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmReminder</name>
    <message>
        <source>Reminder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everyone has answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discord message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discord shows the start in each reader&apos;s own time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Discord message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mailto link to those who have not answered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy e-mail link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reminder in your mail program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not answered yet: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No e-mail (left out of the link): %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSignupLinks</name>
    <message>
        <source>Server Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where members reach tallyhold-web, such as https://roster.example.org</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new private link for this member, valid for 60 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown once: the roster keeps only a hash of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A message with the link, in your mail program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The member can no longer use the selected link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links to this address open only on this computer. Give the address at which members reach tallyhold-web.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links to this address open only on your local network, not for members elsewhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Address note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your week for the clan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi %1,

Please set the times you can play on your own page (keep the link to yourself):
%2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first highlight a link!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revoke this link? %1 can no longer use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-up Links - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTZEdit</name>
    <message>
        <source>Time Zone Edits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TZ Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes to add to the local time to get GMT, such as 300 for Eastern or -60 for Central Europe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Daylight Savings Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the zone&apos;s clock is, so daylight saving follows the date; type to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first highlight a Time Zone!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no summer time: its clock never changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Members in Britain or Ireland need a zone with Europe/London or Europe/Dublin: type London above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real Time Zone note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTallyhold</name>
    <message>
        <source>Tallyhold tabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Members Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add / Edit Members</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clans / Divisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export / Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Shared Roster…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time &amp;Zone Edits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallyhold &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Tallyhold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No clans yet: add one on Clans / Divisions, then add members on Add / Edit Members. Your own time zone, in which times are shown, is set in Tools › Options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No members listed yet: add them on Add / Edit Members (members of hidden clans are not listed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No clans to export yet: add one on Clans / Divisions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Shared Roster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address of the shared roster (postgresql://user@host[:port]/dbname).
The password comes from ~/.pgpass or PGPASSWORD, or is asked for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A shared roster&apos;s address starts with postgresql://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tallyhold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nobody to choose from. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallyhold %1

Keeps a clan&apos;s roster and finds when to play.

Licence: GNU General Public License, version 3 or later

Roster: %2

Languages: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roster In Use</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
