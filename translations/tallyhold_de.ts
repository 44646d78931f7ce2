<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ClansTab</name>
    <message>
        <source>Clan Name</source>
        <translation>Clanname</translation>
    </message>
    <message>
        <source>Clans / Divisions</source>
        <translation>Clans / Divisionen</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Hide Members from Lists</source>
        <translation>Mitglieder in Listen ausblenden</translation>
    </message>
    <message>
        <source>New Clan</source>
        <translation>Neuer Clan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Felder leeren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Auswahlfehler</translation>
    </message>
    <message>
        <source>You must first highlight a division!</source>
        <translation>Bitte zuerst eine Division markieren!</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>%1 hinzufügen?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <source>New player name.</source>
        <translation>Neuer Spielername.</translation>
    </message>
    <message>
        <source>Clan / division, by name or key.</source>
        <translation>Clan / Division, nach Name oder Schlüssel.</translation>
    </message>
    <message>
        <source>The member&apos;s time zone, by name.</source>
        <translation>Die Zeitzone des Mitglieds, nach Name.</translation>
    </message>
    <message>
        <source>Active member (a new one is).</source>
        <translation>Aktives Mitglied (ein neues ist es).</translation>
    </message>
    <message>
        <source>Actual first name.</source>
        <translation>Echter Vorname.</translation>
    </message>
    <message>
        <source>Last name.</source>
        <translation>Nachname.</translation>
    </message>
    <message>
        <source>Default e-mail.</source>
        <translation>Haupt-E-Mail.</translation>
    </message>
    <message>
        <source>Secondary e-mail.</source>
        <translation>Zweite E-Mail.</translation>
    </message>
    <message>
        <source>Other contact info.</source>
        <translation>Weitere Kontaktdaten.</translation>
    </message>
    <message>
        <source>Member notes.</source>
        <translation>Notizen zum Mitglied.</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Samstag / Sonntag</translation>
    </message>
    <message>
        <source>%1: one or two slots in the member&apos;s zone, such as 19:00-23:00,01:00-02:00; off to clear the day.</source>
        <translation>%1: ein oder zwei Zeitfenster in der Zone des Mitglieds, z. B. 19:00-23:00,01:00-02:00; off leert den Tag.</translation>
    </message>
    <message>
        <source>Choose the members of a division (repeatable).</source>
        <translation>Die Mitglieder einer Division wählen (mehrfach möglich).</translation>
    </message>
    <message>
        <source>Choose a member by name or key (repeatable).</source>
        <translation>Ein Mitglied nach Name oder Schlüssel wählen (mehrfach möglich).</translation>
    </message>
    <message>
        <source>Your time zone for this command (default: options).</source>
        <translation>Deine Zeitzone für diesen Befehl (Standard: Optionen).</translation>
    </message>
    <message>
        <source>Apply daylight saving time (default: options).</source>
        <translation>Sommerzeit anwenden (Standard: Optionen).</translation>
    </message>
    <message>
        <source>The match length, 15 to 1440 minutes (default: a moment).</source>
        <translation>Die Matchdauer, 15 bis 1440 Minuten (Standard: ein Zeitpunkt).</translation>
    </message>
    <message>
        <source>A member who must be able to play (repeatable; joins the chosen).</source>
        <translation>Ein Mitglied, das spielen können muss (mehrfach möglich; kommt zu den gewählten dazu).</translation>
    </message>
    <message>
        <source>At least this many must be able to play.</source>
        <translation>Mindestens so viele müssen spielen können.</translation>
    </message>
    <message>
        <source>The first date, in the member&apos;s own zone: MM/DD/YYYY or YYYY-MM-DD.</source>
        <translation>Das erste Datum, in der Zone des Mitglieds: MM/DD/YYYY oder YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>The last date (default: the first alone).</source>
        <translation>Das letzte Datum (Standard: nur das erste).</translation>
    </message>
    <message>
        <source>A short note, such as holiday.</source>
        <translation>Eine kurze Notiz, z. B. Urlaub.</translation>
    </message>
    <message>
        <source>One or two slots in the member&apos;s zone instead of the week&apos;s, such as 22:00-01:00 or 6pm-8pm,10pm-1am; an end before the start runs past midnight.</source>
        <translation>Ein oder zwei Zeitfenster in der Zone des Mitglieds statt der aus der Woche, z. B. 22:00-01:00 oder 6pm-8pm,10pm-1am; ein Ende vor dem Beginn geht über Mitternacht.</translation>
    </message>
    <message>
        <source>The start on your clock, such as &quot;12/12/2026 8:00 PM&quot;; moving it asks every player again.</source>
        <translation>Der Beginn nach deiner Uhr, z. B. &quot;12/12/2026 8:00 PM&quot;; eine Verschiebung fragt alle Spieler erneut.</translation>
    </message>
    <message>
        <source>The start on your clock, such as &quot;12/12/2026 8:00 PM&quot;.</source>
        <translation>Der Beginn nach deiner Uhr, z. B. &quot;12/12/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>The length, 15 to 1440 minutes.</source>
        <translation>Die Dauer, 15 bis 1440 Minuten.</translation>
    </message>
    <message>
        <source>The title (default: Clan match).</source>
        <translation>Der Titel (Standard: Clan-Match).</translation>
    </message>
    <message>
        <source>Invite a member, by name or key (repeatable).</source>
        <translation>Ein Mitglied einladen, nach Name oder Schlüssel (mehrfach möglich).</translation>
    </message>
    <message>
        <source>A member who must say yes (repeatable; invited too).</source>
        <translation>Ein Mitglied, das zusagen muss (mehrfach möglich; wird auch eingeladen).</translation>
    </message>
    <message>
        <source>At least this many must say yes (default 1).</source>
        <translation>Mindestens so viele müssen zusagen (Standard 1).</translation>
    </message>
    <message>
        <source>Notes for the players.</source>
        <translation>Notizen für die Spieler.</translation>
    </message>
    <message>
        <source>Uninvite a member (repeatable).</source>
        <translation>Ein Mitglied ausladen (mehrfach möglich).</translation>
    </message>
    <message>
        <source>Invite the members of a division (repeatable).</source>
        <translation>Die Mitglieder einer Division einladen (mehrfach möglich).</translation>
    </message>
    <message>
        <source>Division notes.</source>
        <translation>Notizen zur Division.</translation>
    </message>
    <message>
        <source>Hide the members from the lists.</source>
        <translation>Die Mitglieder in den Listen ausblenden.</translation>
    </message>
    <message>
        <source>Minutes to add to the local time to get GMT (300 for Eastern).</source>
        <translation>Minuten, die zur Ortszeit addiert GMT ergeben (300 für Eastern).</translation>
    </message>
    <message>
        <source>Description.</source>
        <translation>Beschreibung.</translation>
    </message>
    <message>
        <source>Apply daylight saving time.</source>
        <translation>Sommerzeit anwenden.</translation>
    </message>
    <message>
        <source>The real time zone, such as America/New_York (&quot;none&quot; for none); its standard offset and daylight saving fill --offset and --dst.</source>
        <translation>Die echte Zeitzone, z. B. America/New_York (&quot;none&quot; für keine); ihr Standardversatz und ihre Sommerzeit füllen --offset und --dst.</translation>
    </message>
    <message>
        <source>List the members as the window does (&quot;Division - Player&quot;).</source>
        <translation>Die Mitglieder wie im Fenster auflisten („Division - Spieler“).</translation>
    </message>
    <message>
        <source>Only this division&apos;s members (repeatable).</source>
        <translation>Nur die Mitglieder dieser Division (mehrfach möglich).</translation>
    </message>
    <message>
        <source>Members of hidden divisions too.</source>
        <translation>Auch Mitglieder ausgeblendeter Divisionen.</translation>
    </message>
    <message>
        <source>Show a member, times in your time zone.</source>
        <translation>Ein Mitglied zeigen, Zeiten in deiner Zeitzone.</translation>
    </message>
    <message>
        <source>Add a member.</source>
        <translation>Ein Mitglied hinzufügen.</translation>
    </message>
    <message>
        <source>Change the given fields of a member.</source>
        <translation>Die angegebenen Felder eines Mitglieds ändern.</translation>
    </message>
    <message>
        <source>Delete a member and its schedule.</source>
        <translation>Ein Mitglied samt seinen Spielzeiten löschen.</translation>
    </message>
    <message>
        <source>Mark a member away from --from to --to: no answer on those dates counts them.</source>
        <translation>Ein Mitglied von --from bis --to als abwesend eintragen: an diesen Tagen wird es bei keiner Auswertung mitgezählt.</translation>
    </message>
    <message>
        <source>Remove an away range or one-off change by its key.</source>
        <translation>Eine Abwesenheit oder einmalige Änderung über ihren Schlüssel entfernen.</translation>
    </message>
    <message>
        <source>Give a member other slots from --from to --to instead of their week&apos;s.</source>
        <translation>Einem Mitglied von --from bis --to andere Zeitfenster statt der aus seiner Woche geben.</translation>
    </message>
    <message>
        <source>List a member&apos;s away ranges and one-off changes from today on, with their keys.</source>
        <translation>Abwesenheiten und einmalige Änderungen eines Mitglieds ab heute auflisten, mit ihren Schlüsseln.</translation>
    </message>
    <message>
        <source>Past ones too.</source>
        <translation>Auch vergangene.</translation>
    </message>
    <message>
        <source>List the clans / divisions.</source>
        <translation>Die Clans / Divisionen auflisten.</translation>
    </message>
    <message>
        <source>Add a division.</source>
        <translation>Eine Division hinzufügen.</translation>
    </message>
    <message>
        <source>Change a division.</source>
        <translation>Eine Division ändern.</translation>
    </message>
    <message>
        <source>New name of the division.</source>
        <translation>Neuer Name der Division.</translation>
    </message>
    <message>
        <source>Delete a division that has no members.</source>
        <translation>Eine Division ohne Mitglieder löschen.</translation>
    </message>
    <message>
        <source>List the time zones.</source>
        <translation>Die Zeitzonen auflisten.</translation>
    </message>
    <message>
        <source>Add a time zone.</source>
        <translation>Eine Zeitzone hinzufügen.</translation>
    </message>
    <message>
        <source>Change a time zone.</source>
        <translation>Eine Zeitzone ändern.</translation>
    </message>
    <message>
        <source>New name of the time zone.</source>
        <translation>Neuer Name der Zeitzone.</translation>
    </message>
    <message>
        <source>Delete a time zone that no member uses.</source>
        <translation>Eine Zeitzone löschen, die kein Mitglied nutzt.</translation>
    </message>
    <message>
        <source>Who of the chosen members (default: everyone listed) can make a match.</source>
        <translation>Wer von den gewählten Mitgliedern (Standard: alle aufgelisteten) bei einem Match kann.</translation>
    </message>
    <message>
        <source>The match date and time, such as &quot;12/7/2026 8:00 PM&quot;.</source>
        <translation>Datum und Uhrzeit des Matches, z. B. &quot;12/7/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>Announce a match to the chosen members (default: everyone listed): each one&apos;s local time, who can play, a Discord line and an e-mail link.</source>
        <translation>Ein Match den gewählten Mitgliedern ankündigen (Standard: alle aufgelisteten): die Ortszeit jedes Einzelnen, wer spielen kann, eine Discord-Zeile und ein E-Mail-Link.</translation>
    </message>
    <message>
        <source>The match start, such as &quot;12/7/2026 8:00 PM&quot;.</source>
        <translation>Der Beginn des Matches, z. B. &quot;12/7/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>The match length, 15 to 1440 minutes.</source>
        <translation>Die Matchdauer, 15 bis 1440 Minuten.</translation>
    </message>
    <message>
        <source>Also write a calendar invitation to FILE.</source>
        <translation>Zusätzlich eine Kalendereinladung nach FILE schreiben.</translation>
    </message>
    <message>
        <source>The best match times of the chosen members (default: everyone listed).</source>
        <translation>Die besten Zeiten für ein Match der gewählten Mitglieder (Standard: alle aufgelisteten).</translation>
    </message>
    <message>
        <source>Grid step: 15, 30 or 60 minutes (default: options).</source>
        <translation>Raster: 15, 30 oder 60 Minuten (Standard: Optionen).</translation>
    </message>
    <message>
        <source>At most this many times (default: options).</source>
        <translation>Höchstens so viele Zeiten (Standard: Optionen).</translation>
    </message>
    <message>
        <source>Count the seven days from this date (default: today).</source>
        <translation>Die sieben Tage ab diesem Datum zählen (Standard: heute).</translation>
    </message>
    <message>
        <source>Plan a match for the members chosen and ask each for an answer.</source>
        <translation>Ein Match für die gewählten Mitglieder planen und jeden um eine Antwort bitten.</translation>
    </message>
    <message>
        <source>Move, rename, lengthen or change the players of a match.</source>
        <translation>Ein Match verschieben, umbenennen, verlängern oder seine Spieler ändern.</translation>
    </message>
    <message>
        <source>The upcoming matches with their answers, earliest first.</source>
        <translation>Die anstehenden Matches mit ihren Antworten, das nächste zuerst.</translation>
    </message>
    <message>
        <source>The matches that are over, latest first.</source>
        <translation>Die vergangenen Matches, das letzte zuerst.</translation>
    </message>
    <message>
        <source>A match&apos;s players: their answers, notes, and who cannot play it by their week.</source>
        <translation>Die Spieler eines Matches: ihre Antworten, Notizen und wer laut seiner Woche nicht kann.</translation>
    </message>
    <message>
        <source>Answer for a member: yes, maybe, late or no.</source>
        <translation>Antwort für ein Mitglied: yes, maybe, late oder no.</translation>
    </message>
    <message>
        <source>The member&apos;s note (at most 500 characters).</source>
        <translation>Die Notiz des Mitglieds (höchstens 500 Zeichen).</translation>
    </message>
    <message>
        <source>Cancel a match.</source>
        <translation>Ein Match absagen.</translation>
    </message>
    <message>
        <source>Undo the cancellation.</source>
        <translation>Die Absage zurücknehmen.</translation>
    </message>
    <message>
        <source>Delete a match with its answers and attendance.</source>
        <translation>Ein Match samt Antworten und Anwesenheit löschen.</translation>
    </message>
    <message>
        <source>Whether a member came, once the match has started.</source>
        <translation>Ob ein Mitglied da war, sobald das Match begonnen hat.</translation>
    </message>
    <message>
        <source>A Discord message and an e-mail link for those who have not answered.</source>
        <translation>Eine Discord-Nachricht und ein E-Mail-Link für alle, die noch nicht geantwortet haben.</translation>
    </message>
    <message>
        <source>Write the upcoming matches and those of the last 30 days as a calendar file.</source>
        <translation>Die anstehenden Matches und die der letzten 30 Tage als Kalenderdatei schreiben.</translation>
    </message>
    <message>
        <source>Every match with every player (the default).</source>
        <translation>Jedes Match mit jedem Spieler (Standard).</translation>
    </message>
    <message>
        <source>Only this member&apos;s matches, with their answers.</source>
        <translation>Nur die Matches dieses Mitglieds, mit seinen Antworten.</translation>
    </message>
    <message>
        <source>The .ics file to write.</source>
        <translation>Die zu schreibende .ics-Datei.</translation>
    </message>
    <message>
        <source>Count the last N matches (default 10).</source>
        <translation>Die letzten N Matches zählen (Standard 10).</translation>
    </message>
    <message>
        <source>Export divisions with their members, schedules and zones to a .tlx file.</source>
        <translation>Divisionen mit ihren Mitgliedern, Spielzeiten und Zonen in eine .tlx-Datei exportieren.</translation>
    </message>
    <message>
        <source>A division to export (repeatable).</source>
        <translation>Eine zu exportierende Division (mehrfach möglich).</translation>
    </message>
    <message>
        <source>Overwrite FILE when it exists.</source>
        <translation>FILE überschreiben, wenn es schon existiert.</translation>
    </message>
    <message>
        <source>Import a .tlx file: checked whole, then added in one go.</source>
        <translation>Eine .tlx-Datei importieren: erst ganz geprüft, dann in einem Rutsch hinzugefügt.</translation>
    </message>
    <message>
        <source>Make a member&apos;s private sign-up link for tallyhold-web; only its hash is kept, so copy it now.</source>
        <translation>Einen privaten Anmeldelink eines Mitglieds für tallyhold-web erstellen; nur sein Hash wird gespeichert, also kopiere ihn jetzt.</translation>
    </message>
    <message>
        <source>Days until the link expires (default 60, at most 3650).</source>
        <translation>Tage, bis der Link abläuft (Standard 60, höchstens 3650).</translation>
    </message>
    <message>
        <source>Where members reach tallyhold-web, such as https://roster.example.org (kept for the next links; default http://127.0.0.1:8080).</source>
        <translation>Wo Mitglieder tallyhold-web erreichen, z. B. https://roster.example.org (wird für die nächsten Links gemerkt; Standard http://127.0.0.1:8080).</translation>
    </message>
    <message>
        <source>List the sign-up links, newest first.</source>
        <translation>Die Anmeldelinks auflisten, den neuesten zuerst.</translation>
    </message>
    <message>
        <source>Only this member&apos;s links.</source>
        <translation>Nur die Links dieses Mitglieds.</translation>
    </message>
    <message>
        <source>Revoke a sign-up link by its key.</source>
        <translation>Einen Anmeldelink über seinen Schlüssel widerrufen.</translation>
    </message>
    <message>
        <source>Show your preferences, or set the given ones.</source>
        <translation>Deine Einstellungen zeigen oder die angegebenen setzen.</translation>
    </message>
    <message>
        <source>Your time zone.</source>
        <translation>Deine Zeitzone.</translation>
    </message>
    <message>
        <source>Best times grid: 15, 30 or 60 minutes.</source>
        <translation>Raster der besten Zeiten: 15, 30 oder 60 Minuten.</translation>
    </message>
    <message>
        <source>Max return on best times.</source>
        <translation>Höchstzahl bei den besten Zeiten.</translation>
    </message>
    <message>
        <source>Disable the window&apos;s confirmation boxes.</source>
        <translation>Die Sicherheitsabfragen des Fensters abschalten.</translation>
    </message>
    <message>
        <source>Your name.</source>
        <translation>Dein Name.</translation>
    </message>
    <message>
        <source>Your e-mail.</source>
        <translation>Deine E-Mail.</translation>
    </message>
    <message>
        <source>Copy a whole roster, keys kept, between a file and a server (either way) into a new roster, in one transaction.</source>
        <translation>Einen ganzen Kader mit allen Schlüsseln zwischen einer Datei und einem Server (in beide Richtungen) in einen neuen Kader kopieren, in einer Transaktion.</translation>
    </message>
    <message>
        <source>The roster copied: a file or a server&apos;s address.</source>
        <translation>Der kopierte Kader: eine Datei oder die Adresse eines Servers.</translation>
    </message>
    <message>
        <source>The new roster: a file (created) or an empty server database.</source>
        <translation>Der neue Kader: eine Datei (wird erstellt) oder eine leere Server-Datenbank.</translation>
    </message>
    <message>
        <source>A zone name (letter case aside) or its number.</source>
        <translation>Ein Zonenname (Groß-/Kleinschreibung egal) oder seine Nummer.</translation>
    </message>
    <message>
        <source>The link&apos;s key, as links shows it.</source>
        <translation>Der Schlüssel des Links, wie links ihn zeigt.</translation>
    </message>
    <message>
        <source>The change&apos;s key, as member changes shows it.</source>
        <translation>Der Schlüssel der Änderung, wie member changes ihn zeigt.</translation>
    </message>
    <message>
        <source>The exchange file (.tlx).</source>
        <translation>Die Austauschdatei (.tlx).</translation>
    </message>
    <message>
        <source>The name.</source>
        <translation>Der Name.</translation>
    </message>
    <message>
        <source>Give the %1.</source>
        <translation>Gib %1 an.</translation>
    </message>
    <message>
        <source>member&apos;s NAME or KEY</source>
        <translation>NAME oder KEY des Mitglieds</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Echt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>No Scheduling Information Present</source>
        <translation>Keine Spielzeiten eingetragen</translation>
    </message>
    <message>
        <source>Away and one-off changes, on the member&apos;s clock:</source>
        <translation>Abwesenheiten und einmalige Änderungen, nach der Uhr des Mitglieds:</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>%1 aktualisiert</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <source>Give the first date: --from MM/DD/YYYY.</source>
        <translation>Gib das erste Datum an: --from MM/DD/YYYY.</translation>
    </message>
    <message>
        <source>Added for %1: %2 (%3)</source>
        <translation>Für %1 hinzugefügt: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 has no away dates or changes.</source>
        <translation>%1 hat keine Abwesenheiten oder Änderungen.</translation>
    </message>
    <message>
        <source>%1 has no away dates or changes from today on.</source>
        <translation>%1 hat ab heute keine Abwesenheiten oder Änderungen.</translation>
    </message>
    <message>
        <source>change&apos;s KEY (member changes NAME shows it)</source>
        <translation>KEY der Änderung (member changes NAME zeigt ihn)</translation>
    </message>
    <message>
        <source>No change has the key &quot;%1&quot;; tallyhold-cli member changes NAME --all lists a member&apos;s changes with their keys.</source>
        <translation>Keine Änderung hat den Schlüssel „%1“; tallyhold-cli member changes NAME --all listet die Änderungen eines Mitglieds mit ihren Schlüsseln.</translation>
    </message>
    <message>
        <source>Removed from %1: %2</source>
        <translation>Bei %1 entfernt: %2</translation>
    </message>
    <message>
        <source>division&apos;s NAME or KEY</source>
        <translation>NAME oder KEY der Division</translation>
    </message>
    <message>
        <source>%1  (GMT offset %2%3%4)</source>
        <translation>%1  (GMT-Versatz %2%3%4)</translation>
    </message>
    <message>
        <source>, daylight saving</source>
        <translation>, Sommerzeit</translation>
    </message>
    <message>
        <source>time zone&apos;s NAME or NUMBER</source>
        <translation>NAME oder NUMBER der Zeitzone</translation>
    </message>
    <message>
        <source>Maximum Results field must be a number greater than zero</source>
        <translation>Das Feld Höchstzahl muss eine Zahl größer als null sein</translation>
    </message>
    <message numerus="yes">
        <source>None of the %n chosen member(s) can play then.</source>
        <translation>
            <numerusform>Das gewählte Mitglied (%n) kann dann nicht spielen.</numerusform>
            <numerusform>Keines der %n gewählten Mitglieder kann dann spielen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %n chosen member(s) plays at any time.</source>
        <translation>
            <numerusform>Das gewählte Mitglied (%n) spielt zu keiner Zeit.</numerusform>
            <numerusform>Keines der %n gewählten Mitglieder spielt zu irgendeiner Zeit.</numerusform>
        </translation>
    </message>
    <message>
        <source>No e-mail: </source>
        <translation>Keine E-Mail: </translation>
    </message>
    <message>
        <source>FILE to export to</source>
        <translation>FILE für den Export</translation>
    </message>
    <message>
        <source>This Export File Already Exists... (--force overwrites it)</source>
        <translation>Diese Exportdatei gibt es schon... (--force überschreibt sie)</translation>
    </message>
    <message>
        <source>Export Completed!</source>
        <translation>Export abgeschlossen!</translation>
    </message>
    <message numerus="yes">
        <source>Divisions: %1, members: %n</source>
        <translation>
            <numerusform>Divisionen: %1, Mitglieder: %n</numerusform>
            <numerusform>Divisionen: %1, Mitglieder: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>FILE to import</source>
        <translation>FILE für den Import</translation>
    </message>
    <message>
        <source>Import Completed!</source>
        <translation>Import abgeschlossen!</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Your Time Zone: </source>
        <translation>Deine Zeitzone: </translation>
    </message>
    <message>
        <source>Best Times Granularity: %1 Min</source>
        <translation>Raster der besten Zeiten: %1 Min.</translation>
    </message>
    <message>
        <source>Max Return on Show Best Times: %1</source>
        <translation>Höchstzahl bei Beste Zeiten zeigen: %1</translation>
    </message>
    <message>
        <source>Disable Message Box Verifications: </source>
        <translation>Sicherheitsabfragen abschalten: </translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>EMail: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>link&apos;s KEY (tallyhold-cli links shows it)</source>
        <translation>KEY des Links (tallyhold-cli links zeigt ihn)</translation>
    </message>
    <message>
        <source>Revoked</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>copy needs --from and --to.</source>
        <translation>copy braucht --from und --to.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n member(s) to %1</source>
        <translation>
            <numerusform>%n Mitglied nach %1 kopiert</numerusform>
            <numerusform>%n Mitglieder nach %1 kopiert</numerusform>
        </translation>
    </message>
    <message>
        <source>There is a roster file %1 already.</source>
        <translation>Es gibt schon eine Kader-Datei %1.</translation>
    </message>
    <message>
        <source>Made a new roster in %1</source>
        <translation>Neuen Kader in %1 angelegt</translation>
    </message>
    <message>
        <source>No match is titled &quot;%1&quot;; matches --past lists them all.</source>
        <translation>Kein Match heißt „%1“; matches --past listet alle.</translation>
    </message>
    <message>
        <source>%1 matches are titled &quot;%2&quot;; give one of their keys:</source>
        <translation>%1 Matches heißen „%2“; gib einen ihrer Schlüssel an:</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Geplant</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>No past matches.</source>
        <translation>Keine vergangenen Matches.</translation>
    </message>
    <message>
        <source>No upcoming matches.</source>
        <translation>Keine anstehenden Matches.</translation>
    </message>
    <message>
        <source>Notes: %1</source>
        <translation>Notizen: %1</translation>
    </message>
    <message>
        <source>required</source>
        <translation>Pflicht</translation>
    </message>
    <message>
        <source>cannot play then</source>
        <translation>kann dann nicht</translation>
    </message>
    <message>
        <source>came</source>
        <translation>war da</translation>
    </message>
    <message>
        <source>did not come</source>
        <translation>war nicht da</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>The answer is yes, maybe, late or no.</source>
        <translation>Die Antwort ist yes, maybe, late oder no.</translation>
    </message>
    <message>
        <source>%1 said %2.</source>
        <translation>%1 hat mit %2 geantwortet.</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Wiederhergestellt</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgesagt</translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation>yes oder no</translation>
    </message>
    <message>
        <source>Say yes or no: did %1 come?</source>
        <translation>Sag yes oder no: War %1 da?</translation>
    </message>
    <message>
        <source> came.</source>
        <translation> war da.</translation>
    </message>
    <message>
        <source> did not come.</source>
        <translation> war nicht da.</translation>
    </message>
    <message>
        <source>Give --all or --member, not both.</source>
        <translation>Gib --all oder --member an, nicht beides.</translation>
    </message>
    <message>
        <source>Calendar written: </source>
        <translation>Kalender geschrieben: </translation>
    </message>
    <message>
        <source>%1: invited %2, said yes %3, came %4, said yes but did not come %5</source>
        <translation>%1: eingeladen %2, zugesagt %3, da %4, zugesagt, aber nicht da %5</translation>
    </message>
    <message>
        <source>No match has been played yet.</source>
        <translation>Es wurde noch kein Match gespielt.</translation>
    </message>
    <message>
        <source>Make a new, empty roster where --roster (or --user-roster) says; every other command opens an existing roster only.</source>
        <translation>Einen neuen, leeren Kader dort anlegen, wo --roster (oder --user-roster) es angibt; alle anderen Befehle öffnen nur einen vorhandenen Kader.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Exit status: 0 done; 1 command refused or bad input (nothing was written); 2 the roster cannot be opened or changed (empty, damaged, in use, read-only, newer) or the database failed (nothing was written). Errors go to stderr.</source>
        <translation>Exit-Status: 0 erledigt; 1 Befehl abgelehnt oder falsche Eingabe (nichts wurde geschrieben); 2 der Kader lässt sich nicht öffnen oder ändern (leer, beschädigt, in Benutzung, schreibgeschützt, neuer) oder die Datenbank hat versagt (nichts wurde geschrieben). Fehler gehen nach stderr.</translation>
    </message>
    <message>
        <source>Print one JSON document instead of text.</source>
        <translation>Ein JSON-Dokument statt Text ausgeben.</translation>
    </message>
    <message>
        <source>The Tallyhold roster and match finder from a terminal.

Commands (tallyhold-cli COMMAND --help shows a command&apos;s options):
</source>
        <translation>Kader und Match-Finder von Tallyhold im Terminal.

Befehle (tallyhold-cli BEFEHL --help zeigt die Optionen eines Befehls):
</translation>
    </message>
    <message>
        <source>slot 1 start</source>
        <translation>Zeitfenster 1 Beginn</translation>
    </message>
    <message>
        <source>slot 1 end</source>
        <translation>Zeitfenster 1 Ende</translation>
    </message>
    <message>
        <source>slot 2 start</source>
        <translation>Zeitfenster 2 Beginn</translation>
    </message>
    <message>
        <source>slot 2 end</source>
        <translation>Zeitfenster 2 Ende</translation>
    </message>
    <message>
        <source> Times may also be typed as 7:30pm, 7pm, 19:30 or 1930.</source>
        <translation> Zeiten gehen auch als 7:30pm, 7pm, 19:30 oder 1930.</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>Einer der Befehle oben.</translation>
    </message>
    <message>
        <source>COMMAND [options]</source>
        <translation>BEFEHL [Optionen]</translation>
    </message>
    <message>
        <source>Give a command; tallyhold-cli --help lists them.</source>
        <translation>Gib einen Befehl an; tallyhold-cli --help listet sie.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;; tallyhold-cli --help lists them.</source>
        <translation>Unbekannter Befehl „%1“; tallyhold-cli --help listet sie.</translation>
    </message>
    <message>
        <source> Saturday and Sunday are one day: --weekend.</source>
        <translation> Samstag und Sonntag sind ein Tag: --weekend.</translation>
    </message>
    <message>
        <source> tallyhold-cli %1 --help lists its options.</source>
        <translation> tallyhold-cli %1 --help listet seine Optionen.</translation>
    </message>
    <message>
        <source>Too many arguments for %1: %2 (put a name with blanks in quotes).</source>
        <translation>Zu viele Argumente für %1: %2 (einen Namen mit Leerzeichen in Anführungszeichen setzen).</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>--roster needs a file name.</source>
        <translation>--roster braucht einen Dateinamen.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The roster file %1 cannot be used: %2

The file has not been changed.</source>
        <translation>Die Kader-Datei %1 lässt sich nicht verwenden: %2

Die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>it cannot be read (%1).</source>
        <translation>Sie lässt sich nicht lesen (%1).</translation>
    </message>
    <message>
        <source>it is empty (0 bytes).</source>
        <translation>Sie ist leer (0 Byte).</translation>
    </message>
    <message>
        <source>it is an Access-format database, not an SQLite roster.</source>
        <translation>Sie ist eine Datenbank im Access-Format, kein SQLite-Kader.</translation>
    </message>
    <message>
        <source>it is not an SQLite database.</source>
        <translation>Sie ist keine SQLite-Datenbank.</translation>
    </message>
    <message>
        <source>restore a backup such as %1</source>
        <translation>stell eine Sicherung wie %1 wieder her</translation>
    </message>
    <message>
        <source>restore a backup if you keep one (there is none at %1)</source>
        <translation>stell eine Sicherung wieder her, falls du eine hast (unter %1 gibt es keine)</translation>
    </message>
    <message>
        <source>it is in use by another program.</source>
        <translation>Sie wird von einem anderen Programm benutzt.</translation>
    </message>
    <message>
        <source>it is damaged; %1.</source>
        <translation>Sie ist beschädigt; %1.</translation>
    </message>
    <message>
        <source>a write to it was interrupted and cannot be undone while the file or its folder is read-only.</source>
        <translation>Ein Schreibvorgang in ihr wurde unterbrochen und lässt sich nicht rückgängig machen, solange die Datei oder ihr Ordner schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>it cannot be opened (%1).</source>
        <translation>Sie lässt sich nicht öffnen (%1).</translation>
    </message>
    <message>
        <source>The roster file %1 can be viewed and scheduled but not changed.</source>
        <translation>Die Kader-Datei %1 kann angesehen und zum Planen genutzt, aber nicht geändert werden.</translation>
    </message>
    <message>
        <source>The roster file %1 is damaged. Export what can still be read, then %2. Until then the roster can be viewed and scheduled but not changed.</source>
        <translation>Die Kader-Datei %1 ist beschädigt. Exportiere, was sich noch lesen lässt, dann %2. Bis dahin kann der Kader angesehen und zum Planen genutzt, aber nicht geändert werden.</translation>
    </message>
    <message>
        <source>it is not a Tallyhold roster: %1</source>
        <translation>Sie ist kein Tallyhold-Kader: %1</translation>
    </message>
    <message>
        <source>it could not be brought up to this version of Tallyhold.</source>
        <translation>Sie ließ sich nicht auf diese Version von Tallyhold bringen.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written.</source>
        <translation>Die Sicherung %1 ließ sich nicht schreiben.</translation>
    </message>
</context>
<context>
    <name>DivisionStore</name>
    <message>
        <source>This division is no longer in the roster, so nothing was saved. Save again to add it as a new division.</source>
        <translation>Diese Division ist nicht mehr im Kader, daher wurde nichts gespeichert. Erneut speichern, um sie als neue Division hinzuzufügen.</translation>
    </message>
    <message>
        <source>The following Members are in this Division: 
%1You will need to remove/update these members before this Division can be deleted!</source>
        <translation>Folgende Mitglieder sind in dieser Division: 
%1Diese Mitglieder müssen erst entfernt oder geändert werden, bevor die Division gelöscht werden kann!</translation>
    </message>
</context>
<context>
    <name>ExchangeReader</name>
    <message>
        <source>field %1 (%2) is empty.</source>
        <translation>Feld %1 (%2) ist leer.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a record key of 32 hexadecimal digits: &quot;%3&quot;.</source>
        <translation>Feld %1 (%2) ist kein Datensatzschlüssel aus 32 Hexadezimalziffern: „%3“.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a whole number from %3 to %4: &quot;%5&quot;.</source>
        <translation>Feld %1 (%2) ist keine ganze Zahl von %3 bis %4: „%5“.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a flag (1 or 0): &quot;%3&quot;.</source>
        <translation>Feld %1 (%2) ist kein Flag (1 oder 0): „%3“.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a date YYYY-MM-DD: &quot;%3&quot;.</source>
        <translation>Feld %1 (%2) ist kein Datum im Format YYYY-MM-DD: „%3“.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a time HH:MM: &quot;%3&quot;.</source>
        <translation>Feld %1 (%2) ist keine Uhrzeit im Format HH:MM: „%3“.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a time of day: &quot;%3&quot;.</source>
        <translation>Feld %1 (%2) ist keine gültige Uhrzeit: „%3“.</translation>
    </message>
    <message>
        <source>the %1 is also used on line %2.</source>
        <translation>Der %1 steht auch in Zeile %2.</translation>
    </message>
    <message>
        <source>the line is neither a record (1 to %1) nor a &quot;#&quot; line.</source>
        <translation>Die Zeile ist weder ein Datensatz (1 bis %1) noch eine „#“-Zeile.</translation>
    </message>
    <message>
        <source>a record follows the end line %1.</source>
        <translation>Auf die Endzeile in Zeile %1 folgt noch ein Datensatz.</translation>
    </message>
    <message>
        <source>the record tag %1 is not followed by &quot;|&quot;.</source>
        <translation>Auf die Datensatzkennung %1 folgt kein „|“.</translation>
    </message>
    <message>
        <source>field %1 is longer than 1,000,000 characters.</source>
        <translation>Feld %1 ist länger als 1.000.000 Zeichen.</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text.</source>
        <translation>Die Zeile ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>the %1 record has %2 fields; it needs %3.</source>
        <translation>Der Datensatz %1 hat %2 Felder; er braucht %3.</translation>
    </message>
    <message>
        <source>field %1 holds a &quot;\&quot; that is not one of \\, \p, \r or \n.</source>
        <translation>Feld %1 enthält ein „\“, das nicht zu \\, \p, \r oder \n gehört.</translation>
    </message>
    <message>
        <source>division key 0x%1</source>
        <translation>Divisionsschlüssel 0x%1</translation>
    </message>
    <message>
        <source>member key 0x%1</source>
        <translation>Mitgliedsschlüssel 0x%1</translation>
    </message>
    <message>
        <source>field %1 (%2) is empty, but %3 is set.</source>
        <translation>Feld %1 (%2) ist leer, aber %3 ist gesetzt.</translation>
    </message>
    <message>
        <source>times 0x%1 of %2</source>
        <translation>Zeitenschlüssel 0x%1 für %2</translation>
    </message>
    <message>
        <source>schedule&apos;s member key 0x%1</source>
        <translation>Mitgliedsschlüssel 0x%1 der Spielzeiten</translation>
    </message>
    <message>
        <source>times key 0x%1</source>
        <translation>Zeitenschlüssel 0x%1</translation>
    </message>
    <message>
        <source>the zone key %1 is also used on line %2 for another zone.</source>
        <translation>Der Zonenschlüssel %1 steht in Zeile %2 auch für eine andere Zone.</translation>
    </message>
    <message>
        <source>no zone record before it has the zone key %1.</source>
        <translation>Kein Zonendatensatz davor hat den Zonenschlüssel %1.</translation>
    </message>
    <message>
        <source>field 2 (real time zone) is empty.</source>
        <translation>Feld 2 (echte Zeitzone) ist leer.</translation>
    </message>
    <message>
        <source>the zone key %1 already has the real time zone %2.</source>
        <translation>Der Zonenschlüssel %1 hat schon die echte Zeitzone %2.</translation>
    </message>
    <message>
        <source>no member record before it has the member key 0x%1.</source>
        <translation>Kein Mitgliedsdatensatz davor hat den Mitgliedsschlüssel 0x%1.</translation>
    </message>
    <message>
        <source>field 4 (last date) is before field 3 (first date).</source>
        <translation>Feld 4 (letzter Tag) liegt vor Feld 3 (erster Tag).</translation>
    </message>
    <message>
        <source>field 5 (away flag) is empty.</source>
        <translation>Feld 5 (Abwesend-Flag) ist leer.</translation>
    </message>
    <message>
        <source>field %1 holds a time, but the member is away (field 5).</source>
        <translation>Feld %1 enthält eine Uhrzeit, aber das Mitglied ist abwesend (Feld 5).</translation>
    </message>
    <message>
        <source>field %1 (%2) is empty, but field %3 holds a time.</source>
        <translation>Feld %1 (%2) ist leer, aber Feld %3 enthält eine Uhrzeit.</translation>
    </message>
    <message>
        <source>slot %1 ends when it starts.</source>
        <translation>Bei Zeitfenster %1 sind Beginn und Ende gleich.</translation>
    </message>
    <message>
        <source>slot 2 is given without slot 1.</source>
        <translation>Zeitfenster 2 ist ohne Zeitfenster 1 angegeben.</translation>
    </message>
    <message>
        <source>fields 6 and 7 (slot 1) are empty, but the member is not away (field 5).</source>
        <translation>Die Felder 6 und 7 (Zeitfenster 1) sind leer, aber das Mitglied ist nicht abwesend (Feld 5).</translation>
    </message>
    <message>
        <source>field 10 (note) is longer than %1 characters.</source>
        <translation>Feld 10 (Notiz) ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>change key 0x%1</source>
        <translation>Änderungsschlüssel 0x%1</translation>
    </message>
    <message>
        <source>the dates overlap the change of the same member on line %1.</source>
        <translation>Die Tage überschneiden sich mit der Änderung desselben Mitglieds in Zeile %1.</translation>
    </message>
    <message>
        <source>The file holds no roster records</source>
        <translation>Die Datei enthält keine Kader-Datensätze</translation>
    </message>
    <message>
        <source>the end line counts %1 records; the file holds %2.</source>
        <translation>Die Endzeile zählt %1 Datensätze; die Datei enthält %2.</translation>
    </message>
    <message>
        <source>The Import File cannot be read.</source>
        <translation>Die Importdatei lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>the header &quot;%1&quot; names no version of the format.</source>
        <translation>Die Kopfzeile „%1“ nennt keine Version des Formats.</translation>
    </message>
    <message>
        <source>the file was written by a newer version of Tallyhold (&quot;%1&quot;).</source>
        <translation>Die Datei stammt von einer neueren Version von Tallyhold („%1“).</translation>
    </message>
    <message>
        <source>The end line &quot;#end&quot; with the number of records is missing.</source>
        <translation>Die Endzeile „#end“ mit der Zahl der Datensätze fehlt.</translation>
    </message>
</context>
<context>
    <name>ExchangeTab</name>
    <message>
        <source>Chose which Clans/Divisions then click Export</source>
        <translation>Clans/Divisionen wählen, dann auf Exportieren klicken</translation>
    </message>
    <message>
        <source>Export divisions</source>
        <translation>Zu exportierende Divisionen</translation>
    </message>
    <message>
        <source>Click Import</source>
        <translation>Auf Importieren klicken</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>Name der Exportdatei</translation>
    </message>
    <message>
        <source>Export Function</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>This Export File Already Exists... Overwrite?</source>
        <translation>Diese Exportdatei gibt es schon … Überschreiben?</translation>
    </message>
    <message>
        <source>Export Completed!</source>
        <translation>Export abgeschlossen!</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>Import File Name</source>
        <translation>Name der Importdatei</translation>
    </message>
    <message>
        <source>Import Completed!</source>
        <translation>Import abgeschlossen!</translation>
    </message>
    <message>
        <source>Tallyhold Export (*.tlx)|*.tlx</source>
        <translation>Tallyhold-Export (*.tlx)|*.tlx</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>ImportFormatError</name>
    <message>
        <source>There is a problem with the format of the Import File!</source>
        <translation>Mit dem Format der Importdatei stimmt etwas nicht!</translation>
    </message>
    <message>
        <source>The file ends early; it may have been cut off while copying</source>
        <translation>Die Datei endet zu früh; vielleicht wurde sie beim Kopieren abgeschnitten</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>InvitationStore</name>
    <message>
        <source>Active until %1</source>
        <translation>Aktiv bis %1</translation>
    </message>
    <message>
        <source>Expired %1</source>
        <translation>Abgelaufen am %1</translation>
    </message>
    <message>
        <source>Revoked %1</source>
        <translation>Widerrufen am %1</translation>
    </message>
    <message>
        <source>%1, last saved %2</source>
        <translation>%1, zuletzt gespeichert am %2</translation>
    </message>
    <message>
        <source>A sign-up link lasts 1 to %1 days.</source>
        <translation>Ein Anmeldelink gilt 1 bis %1 Tage.</translation>
    </message>
    <message>
        <source>That member is no longer in the roster.</source>
        <translation>Dieses Mitglied ist nicht mehr im Kader.</translation>
    </message>
    <message>
        <source>That sign-up link is no longer in the roster.</source>
        <translation>Dieser Anmeldelink ist nicht mehr im Kader.</translation>
    </message>
</context>
<context>
    <name>ListFill</name>
    <message>
        <source>Hidden: its members are left out of the member lists</source>
        <translation>Ausgeblendet: seine Mitglieder fehlen in den Mitgliederlisten</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>maybe</source>
        <translation>vielleicht</translation>
    </message>
    <message>
        <source>late</source>
        <translation>später</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
</context>
<context>
    <name>MatchAnnouncement</name>
    <message>
        <source>No time zone (GMT)</source>
        <translation>Keine Zeitzone (GMT)</translation>
    </message>
    <message>
        <source>Can play the whole match: %1</source>
        <translation>Das ganze Match spielen können: %1</translation>
    </message>
    <message>
        <source>Cannot play the whole match: %1</source>
        <translation>Nicht das ganze Match spielen können: %1</translation>
    </message>
</context>
<context>
    <name>MatchCalendar</name>
    <message>
        <source>The match calendar is not valid.</source>
        <translation>Der Matchkalender ist ungültig.</translation>
    </message>
</context>
<context>
    <name>MatchFields</name>
    <message>
        <source>&quot;%1&quot; is not a valid time.</source>
        <translation>„%1“ ist keine gültige Uhrzeit.</translation>
    </message>
</context>
<context>
    <name>MatchInvitation</name>
    <message>
        <source>The calendar invitation is not valid.</source>
        <translation>Die Kalendereinladung ist ungültig.</translation>
    </message>
    <message>
        <source>The invitation could not be saved to %1.</source>
        <translation>Die Einladung ließ sich nicht unter %1 speichern.</translation>
    </message>
</context>
<context>
    <name>MatchPlan</name>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440, or empty (or 1) for a single moment.</source>
        <translation>Die Matchdauer muss eine ganze Zahl von Minuten zwischen 15 und 1440 sein, oder leer (oder 1) für einen einzelnen Zeitpunkt.</translation>
    </message>
    <message>
        <source>Minimum players must be a whole number from 1 to 32767, or empty for 1.</source>
        <translation>Die Mindestzahl Spieler muss eine ganze Zahl von 1 bis 32767 sein, oder leer für 1.</translation>
    </message>
</context>
<context>
    <name>MatchesTab</name>
    <message>
        <source>Show past matches</source>
        <translation>Vergangene Matches zeigen</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Upcoming matches, earliest first, with their answers counted</source>
        <translation>Anstehende Matches, das nächste zuerst, mit gezählten Antworten</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>When and answers</source>
        <translation>Wann und Antworten</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Bearbeiten…</translation>
    </message>
    <message>
        <source>Edit Match…</source>
        <translation>Match bearbeiten…</translation>
    </message>
    <message>
        <source>Change the time, players, title or notes; a new time asks everyone again</source>
        <translation>Zeit, Spieler, Titel oder Notizen ändern; bei neuer Zeit werden alle erneut gefragt</translation>
    </message>
    <message>
        <source>Cancel Match</source>
        <translation>Match absagen</translation>
    </message>
    <message>
        <source>Mark the match cancelled in every calendar; it can be restored</source>
        <translation>Das Match in jedem Kalender als abgesagt markieren; lässt sich wiederherstellen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete Match</source>
        <translation>Match löschen</translation>
    </message>
    <message>
        <source>Remove the match with its answers and attendance</source>
        <translation>Das Match samt Antworten und Anwesenheit entfernen</translation>
    </message>
    <message>
        <source>Reminder…</source>
        <translation>Erinnerung…</translation>
    </message>
    <message>
        <source>A message for those who have not answered</source>
        <translation>Eine Nachricht an alle, die noch nicht geantwortet haben</translation>
    </message>
    <message>
        <source>Attendance…</source>
        <translation>Anwesenheit…</translation>
    </message>
    <message>
        <source>Once the match has started: tick who came</source>
        <translation>Sobald das Match begonnen hat: abhaken, wer da war</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Their week</source>
        <translation>Ihre Woche</translation>
    </message>
    <message>
        <source>Came</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>The answer the highlighted player gave you</source>
        <translation>Die Antwort, die dir der markierte Spieler gegeben hat</translation>
    </message>
    <message>
        <source>Set Answer</source>
        <translation>Antwort setzen</translation>
    </message>
    <message>
        <source>Answer for the highlighted player, as they told you</source>
        <translation>Antwort für den markierten Spieler, so wie er sie dir gesagt hat</translation>
    </message>
    <message>
        <source>Attendance history</source>
        <translation>Anwesenheitsverlauf</translation>
    </message>
    <message>
        <source>Last matches counted</source>
        <translation>Gezählte letzte Matches</translation>
    </message>
    <message>
        <source>Matches that started and were not cancelled, latest first</source>
        <translation>Begonnene, nicht abgesagte Matches, das letzte zuerst</translation>
    </message>
    <message>
        <source>Per member over the last matches; click a heading to sort</source>
        <translation>Je Mitglied über die letzten Matches; zum Sortieren auf eine Überschrift klicken</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Mitglied</translation>
    </message>
    <message>
        <source>Invited</source>
        <translation>Eingeladen</translation>
    </message>
    <message>
        <source>Said
yes</source>
        <translation>Zu-
gesagt</translation>
    </message>
    <message>
        <source>Said yes but
did not come</source>
        <translation>Zugesagt, aber
nicht gekommen</translation>
    </message>
    <message>
        <source>Highlighted player&apos;s answer</source>
        <translation>Antwort des Spielers</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>No past matches</source>
        <translation>Keine vergangenen Matches</translation>
    </message>
    <message>
        <source>Past matches, latest first</source>
        <translation>Vergangene Matches, das letzte zuerst</translation>
    </message>
    <message>
        <source>No matches planned yet: choose members on Scheduling and press Plan Match…</source>
        <translation>Noch keine Matches geplant: unter Planung Mitglieder wählen und auf Match planen… klicken</translation>
    </message>
    <message>
        <source>Restore Match</source>
        <translation>Match wiederherstellen</translation>
    </message>
    <message>
        <source>Highlight a match to see its players.</source>
        <translation>Ein Match markieren, um seine Spieler zu sehen.</translation>
    </message>
    <message>
        <source>Players of %1</source>
        <translation>Spieler von %1</translation>
    </message>
    <message>
        <source>%1 minutes, at least %2 must say yes; planned on %3&apos;s clock</source>
        <translation>%1 Minuten, mindestens %2 müssen zusagen; geplant nach der Uhr von %3</translation>
    </message>
    <message>
        <source>⚠ cannot play</source>
        <translation>⚠ kann nicht</translation>
    </message>
    <message>
        <source>%1&apos;s week or away dates say they cannot play all of this match</source>
        <translation>Laut Woche oder Abwesenheit kann %1 nicht das ganze Match spielen</translation>
    </message>
    <message>
        <source>can play</source>
        <translation>kann spielen</translation>
    </message>
    <message>
        <source>Delete the match &quot;%1&quot; of %2 with its answers and attendance?</source>
        <translation>Das Match „%1“ vom %2 samt Antworten und Anwesenheit löschen?</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Auswahlfehler</translation>
    </message>
    <message>
        <source>You must first highlight a player!</source>
        <translation>Bitte zuerst einen Spieler markieren!</translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Abgesagt. %1</translation>
    </message>
    <message>
        <source>Started: answers are closed, attendance can be taken. %1</source>
        <translation>Begonnen: keine Antworten mehr, die Anwesenheit kann erfasst werden. %1</translation>
    </message>
    <message>
        <source>%1 (required)</source>
        <translation>%1 (Pflicht)</translation>
    </message>
</context>
<context>
    <name>MemberChange</name>
    <message>
        <source>Away %1</source>
        <translation>Abwesend %1</translation>
    </message>
</context>
<context>
    <name>MemberChangeStore</name>
    <message>
        <source>&quot;%1&quot; is not a date (MM/DD/YYYY).</source>
        <translation>„%1“ ist kein Datum (MM/TT/JJJJ).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day (HH:MM AM/PM or 24-hour HH:MM).</source>
        <translation>„%1“ ist keine Uhrzeit (HH:MM oder HH:MM AM/PM).</translation>
    </message>
    <message>
        <source>The first date must be filled!</source>
        <translation>Der erste Tag muss ausgefüllt sein!</translation>
    </message>
    <message>
        <source>The last date must be filled!</source>
        <translation>Der letzte Tag muss ausgefüllt sein!</translation>
    </message>
    <message>
        <source>The last date must not be before the first.</source>
        <translation>Der letzte Tag darf nicht vor dem ersten liegen.</translation>
    </message>
    <message>
        <source>Slot %1 needs both a start and an end.</source>
        <translation>Zeitfenster %1 braucht Beginn und Ende.</translation>
    </message>
    <message>
        <source>Ending time must be greater than starting time!</source>
        <translation>Das Ende muss nach dem Beginn liegen!</translation>
    </message>
    <message>
        <source>Type the times played on those dates, or choose Away.</source>
        <translation>Die an diesen Tagen gespielten Zeiten eingeben oder Abwesend wählen.</translation>
    </message>
    <message>
        <source>The note may hold at most %1 characters.</source>
        <translation>Die Notiz darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>That change was removed in the meantime; nothing was saved.</source>
        <translation>Diese Änderung wurde inzwischen entfernt; es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>These dates overlap another change: %1.</source>
        <translation>Diese Tage überschneiden sich mit einer anderen Änderung: %1.</translation>
    </message>
    <message>
        <source>That change was removed in the meantime.</source>
        <translation>Diese Änderung wurde inzwischen entfernt.</translation>
    </message>
</context>
<context>
    <name>MemberFormCheck</name>
    <message>
        <source>You must enter in a Player Name!</source>
        <translation>Bitte einen Spielernamen eingeben!</translation>
    </message>
    <message>
        <source>You must place member in a Division!</source>
        <translation>Bitte das Mitglied einer Division zuordnen!</translation>
    </message>
    <message>
        <source>For proper scheduling, you must put in the member&apos;s Time Zone!</source>
        <translation>Für eine richtige Planung bitte die Zeitzone des Mitglieds angeben!</translation>
    </message>
    <message>
        <source>You must have the first Time Slots filled if this day is checked!</source>
        <translation>Ist der Tag angehakt, muss das erste Zeitfenster ausgefüllt sein!</translation>
    </message>
    <message>
        <source>This field must be in a valid time format!  HH:MM AM/PM</source>
        <translation>Dieses Feld braucht eine gültige Uhrzeit!  HH:MM</translation>
    </message>
    <message>
        <source>Ending time must be greater than starting time!</source>
        <translation>Das Ende muss nach dem Beginn liegen!</translation>
    </message>
    <message>
        <source>You must fill in both times of the second Time Slot, or leave both empty!</source>
        <translation>Bitte beide Zeiten des zweiten Zeitfensters ausfüllen oder beide leer lassen!</translation>
    </message>
</context>
<context>
    <name>MemberFormTab</name>
    <message>
        <source>Player Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Clan / Division</source>
        <translation>Clan / Division</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Actual First Name</source>
        <translation>Echter Vorname</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Default EMail</source>
        <translation>Haupt-E-Mail</translation>
    </message>
    <message>
        <source>Secondary Email</source>
        <translation>Zweite E-Mail</translation>
    </message>
    <message>
        <source>Other Contact Info</source>
        <translation>Weitere Kontaktdaten</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Member Notes</source>
        <translation>Notizen zum Mitglied</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Felder leeren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Away / Changes…</source>
        <translation>Abwesend / Änderungen…</translation>
    </message>
    <message>
        <source>Playing Schedules</source>
        <translation>Spielzeiten</translation>
    </message>
    <message>
        <source>Zone of the times</source>
        <translation>Zeitzone der Zeiten</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Spielt</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Save the member first: dates away and one-off changes belong to a member in the roster. To enter them for a member, choose Edit Member on Members Info.</source>
        <translation>Erst das Mitglied speichern: Abwesenheiten und einmalige Änderungen gehören zu einem Mitglied im Kader. Um sie einzutragen, unter Mitgliederinfo auf Mitglied bearbeiten klicken.</translation>
    </message>
    <message>
        <source>Dates the member is away, or plays other times than the week below</source>
        <translation>Tage, an denen das Mitglied abwesend ist oder zu anderen Zeiten als unten spielt</translation>
    </message>
    <message>
        <source>Times Not Saved</source>
        <translation>Zeiten nicht gespeichert</translation>
    </message>
    <message>
        <source>The times typed for %1 are not saved while the day&apos;s Plays box is not ticked. Save without them?</source>
        <translation>Die für %1 eingetragenen Zeiten werden nicht gespeichert, solange beim Tag „Spielt“ nicht angehakt ist. Ohne sie speichern?</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Samstag / Sonntag</translation>
    </message>
    <message>
        <source>%1 slot 1 start</source>
        <translation>%1 Zeitfenster 1 Beginn</translation>
    </message>
    <message>
        <source>%1 slot 1 end</source>
        <translation>%1 Zeitfenster 1 Ende</translation>
    </message>
    <message>
        <source>%1 slot 2 start</source>
        <translation>%1 Zeitfenster 2 Beginn</translation>
    </message>
    <message>
        <source>%1 slot 2 end</source>
        <translation>%1 Zeitfenster 2 Ende</translation>
    </message>
    <message>
        <source>Update %1?</source>
        <translation>%1 aktualisieren?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>%1 hinzufügen?</translation>
    </message>
    <message>
        <source>Playing Schedules - Note:  All times are %1</source>
        <translation>Spielzeiten – Hinweis: Alle Zeiten in %1</translation>
    </message>
    <message>
        <source>Times in %1</source>
        <translation>Zeiten in %1</translation>
    </message>
</context>
<context>
    <name>MemberReads</name>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
</context>
<context>
    <name>MemberSchedule</name>
    <message>
        <source>The stored slot time &quot;%1&quot; cannot be read.</source>
        <translation>Die gespeicherte Zeit „%1“ eines Zeitfensters lässt sich nicht lesen.</translation>
    </message>
</context>
<context>
    <name>MemberWrites</name>
    <message>
        <source>Make sure that the new Member&apos;s Division is set right, then try to Save again.</source>
        <translation>Bitte prüfen, ob die Division des neuen Mitglieds stimmt, dann erneut speichern.</translation>
    </message>
    <message>
        <source>Make sure that the new Member&apos;s Time Zone is set right, then try to Save again.</source>
        <translation>Bitte prüfen, ob die Zeitzone des neuen Mitglieds stimmt, dann erneut speichern.</translation>
    </message>
</context>
<context>
    <name>MembersInfoTab</name>
    <message>
        <source>Members</source>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>Single Click to view / Double Click to Edit</source>
        <translation>Einfacher Klick zum Ansehen / Doppelklick zum Bearbeiten</translation>
    </message>
    <message>
        <source>Edit Member</source>
        <translation>Mitglied bearbeiten</translation>
    </message>
    <message>
        <source>Delete Member</source>
        <translation>Mitglied löschen</translation>
    </message>
    <message>
        <source>Sign-up Links…</source>
        <translation>Anmeldelinks…</translation>
    </message>
    <message>
        <source>Private links with which members keep their own week</source>
        <translation>Private Links, mit denen Mitglieder ihre Woche selbst pflegen</translation>
    </message>
    <message>
        <source>Member Info (read only)</source>
        <translation>Mitgliederinfo (nur lesen)</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Echt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Aktualisiert</translation>
    </message>
    <message>
        <source>When the member last saved their own week through a sign-up link</source>
        <translation>Wann das Mitglied seine Woche zuletzt über einen Anmeldelink gespeichert hat</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Availability this week</source>
        <translation>Verfügbarkeit diese Woche</translation>
    </message>
    <message>
        <source>Place mouse over days to display times</source>
        <translation>Maus über die Tage halten, um die Zeiten zu sehen</translation>
    </message>
    <message>
        <source>Zone of the times</source>
        <translation>Zeitzone der Zeiten</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Sat/Sun</source>
        <translation>Sa/So</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Samstag / Sonntag</translation>
    </message>
    <message>
        <source>No Scheduling Information Present</source>
        <translation>Keine Spielzeiten eingetragen</translation>
    </message>
    <message>
        <source>Away and one-off changes, on the member&apos;s clock</source>
        <translation>Abwesenheiten und einmalige Änderungen, nach der Uhr des Mitglieds</translation>
    </message>
    <message>
        <source>Set on Add / Edit Members with Away / Changes…</source>
        <translation>Einzutragen unter Mitglieder bearbeiten mit Abwesend / Änderungen…</translation>
    </message>
    <message>
        <source>Away and one-off changes</source>
        <translation>Abwesenheiten und einmalige Änderungen</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Auswahlfehler</translation>
    </message>
    <message>
        <source>You must first highlight a Member!</source>
        <translation>Bitte zuerst ein Mitglied markieren!</translation>
    </message>
    <message>
        <source>Last %1 matches: invited %2 · said yes %3 · came %4 · said yes but did not come %5</source>
        <translation>Letzte %1 Matches: eingeladen %2 · zugesagt %3 · da %4 · zugesagt, aber nicht gekommen %5</translation>
    </message>
    <message>
        <source>by the member, %1</source>
        <translation>vom Mitglied, %1</translation>
    </message>
    <message>
        <source>Times in %1</source>
        <translation>Zeiten in %1</translation>
    </message>
    <message numerus="yes">
        <source>Not invited to any of the last %n matches</source>
        <translation>
            <numerusform>Zum letzten Match nicht eingeladen</numerusform>
            <numerusform>Zu keinem der letzten %n Matches eingeladen</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Datenbankfehler</translation>
    </message>
    <message>
        <source>Database Access Error</source>
        <translation>Fehler beim Datenbankzugriff</translation>
    </message>
    <message>
        <source>Roster Not Opened</source>
        <translation>Kader nicht geöffnet</translation>
    </message>
    <message>
        <source>Roster In Use</source>
        <translation>Kader wird benutzt</translation>
    </message>
    <message>
        <source>Roster Damaged</source>
        <translation>Kader beschädigt</translation>
    </message>
    <message>
        <source>Read-Only Roster</source>
        <translation>Kader nur lesbar</translation>
    </message>
    <message>
        <source>Recoverable Error</source>
        <translation>Behebbarer Fehler</translation>
    </message>
    <message>
        <source>Record Key Error</source>
        <translation>Fehler im Datensatzschlüssel</translation>
    </message>
    <message>
        <source>Time Zone Error</source>
        <translation>Zeitzonenfehler</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Auswahlfehler</translation>
    </message>
    <message>
        <source>Save/Update Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>Data Format Error</source>
        <translation>Formatfehler</translation>
    </message>
    <message>
        <source>Clan Division Not Found</source>
        <translation>Clan-Division nicht gefunden</translation>
    </message>
    <message>
        <source>Time Zone Not Found</source>
        <translation>Zeitzone nicht gefunden</translation>
    </message>
    <message>
        <source>Schedule Process Error</source>
        <translation>Fehler bei der Planung</translation>
    </message>
    <message>
        <source>Deletion Criteria Not Met</source>
        <translation>Löschen nicht möglich</translation>
    </message>
    <message>
        <source>Import Aborted</source>
        <translation>Import abgebrochen</translation>
    </message>
    <message>
        <source>Export Function</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>File Not Saved</source>
        <translation>Datei nicht gespeichert</translation>
    </message>
    <message>
        <source>Changed by Another Officer</source>
        <translation>Von einem anderen Offizier geändert</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Verbindung verloren</translation>
    </message>
</context>
<context>
    <name>RecordKey</name>
    <message>
        <source>No new record key could be made.</source>
        <translation>Es ließ sich kein neuer Datensatzschlüssel erzeugen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a record key: a key is 32 hexadecimal digits.</source>
        <translation>„%1“ ist kein Datensatzschlüssel: Ein Schlüssel besteht aus 32 Hexadezimalziffern.</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>%1 was changed by another officer since you loaded %2; reload to see the change</source>
        <translation>%1 wurde seit dem Laden von einem anderen Offizier geändert; neu laden, um die Änderung zu sehen</translation>
    </message>
    <message>
        <source>Make sure that the new Member&apos;s Time Zone is set right, then try to Save again.</source>
        <translation>Bitte prüfen, ob die Zeitzone des neuen Mitglieds stimmt, dann erneut speichern.</translation>
    </message>
    <message>
        <source>Maximum Results field must be a number greater than zero</source>
        <translation>Das Feld Höchstzahl muss eine Zahl größer als null sein</translation>
    </message>
    <message>
        <source>Apply DST: yes</source>
        <translation>Sommerzeit anwenden: ja</translation>
    </message>
    <message>
        <source>Apply DST: no</source>
        <translation>Sommerzeit anwenden: nein</translation>
    </message>
    <message>
        <source>follows %1: daylight saving today</source>
        <translation>folgt %1: heute Sommerzeit</translation>
    </message>
    <message>
        <source>follows %1: no daylight saving today</source>
        <translation>folgt %1: heute keine Sommerzeit</translation>
    </message>
</context>
<context>
    <name>RosterCopy</name>
    <message>
        <source>The roster %1 already holds rows of its own; a roster is copied only into a new one. Nothing was copied.</source>
        <translation>Der Kader %1 enthält schon eigene Datensätze; ein Kader wird nur in einen neuen kopiert. Es wurde nichts kopiert.</translation>
    </message>
</context>
<context>
    <name>RosterDivisionsZones</name>
    <message>
        <source>Critical dB Programming Error!</source>
        <translation>Kritischer Programmierfehler in der Datenbank!</translation>
    </message>
    <message>
        <source>You must enter a Division Name</source>
        <translation>Bitte einen Namen für die Division eingeben</translation>
    </message>
    <message>
        <source>%1 is your own time zone, set in Options. Choose another time zone there before deleting this one.</source>
        <translation>%1 ist deine eigene Zeitzone, eingestellt in den Optionen. Wähle dort erst eine andere Zeitzone, bevor du diese löschst.</translation>
    </message>
</context>
<context>
    <name>RosterError</name>
    <message>
        <source>The roster database reported an error:
%1</source>
        <translation>Die Kader-Datenbank hat einen Fehler gemeldet:
%1</translation>
    </message>
    <message>
        <source>Unrecoverable Data Error.  Number %1</source>
        <translation>Nicht behebbarer Datenfehler.  Nummer %1</translation>
    </message>
</context>
<context>
    <name>RosterExchange</name>
    <message>
        <source>You must make selection(s) from the list first!</source>
        <translation>Bitte zuerst eine Auswahl in der Liste treffen!</translation>
    </message>
</context>
<context>
    <name>RosterExport</name>
    <message>
        <source>Critical dB Programming Error!</source>
        <translation>Kritischer Programmierfehler in der Datenbank!</translation>
    </message>
    <message>
        <source>The Times row %1 holds &quot;%2&quot;, which is not a time.</source>
        <translation>Die Zeile %1 der Tabelle Times enthält „%2“, und das ist keine Uhrzeit.</translation>
    </message>
    <message>
        <source>The division 0x%1 is not in the roster.</source>
        <translation>Die Division 0x%1 ist nicht im Kader.</translation>
    </message>
    <message>
        <source>The Times row 0x%1 of player %2 is not in the roster.</source>
        <translation>Die Zeile 0x%1 der Tabelle Times von Spieler %2 ist nicht im Kader.</translation>
    </message>
    <message>
        <source>The time zone %1 of player %2 is not in the roster.</source>
        <translation>Die Zeitzone %1 von Spieler %2 ist nicht im Kader.</translation>
    </message>
    <message>
        <source>The Export File could not be written.</source>
        <translation>Die Exportdatei ließ sich nicht schreiben.</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>Changes need a login with the right to add, change and delete the roster&apos;s rows.</source>
        <translation>Zum Ändern braucht es einen Login mit dem Recht, Zeilen des Kaders hinzuzufügen, zu ändern und zu löschen.</translation>
    </message>
    <message>
        <source>The roster file %1 is open in another Tallyhold window.</source>
        <translation>Die Kader-Datei %1 ist in einem anderen Tallyhold-Fenster geöffnet.</translation>
    </message>
    <message>
        <source>The file or its folder is read-only.</source>
        <translation>Die Datei oder ihr Ordner ist schreibgeschützt.</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>the member&apos;s division 0x%1 is neither in the file nor in this roster.</source>
        <translation>Die Division 0x%1 des Mitglieds ist weder in der Datei noch in diesem Kader.</translation>
    </message>
    <message>
        <source>the schedule&apos;s member 0x%1 is neither in the file nor in this roster.</source>
        <translation>Das Mitglied 0x%1 der Spielzeiten ist weder in der Datei noch in diesem Kader.</translation>
    </message>
    <message>
        <source>the times 0x%1 are neither in the file nor in this roster.</source>
        <translation>Die Zeiten 0x%1 sind weder in der Datei noch in diesem Kader.</translation>
    </message>
    <message>
        <source>the times 0x%1 belong to a schedule of this roster.</source>
        <translation>Die Zeiten 0x%1 gehören zu Spielzeiten dieses Kaders.</translation>
    </message>
    <message>
        <source>the change 0x%1 belongs to another member of this roster.</source>
        <translation>Die Änderung 0x%1 gehört zu einem anderen Mitglied dieses Kaders.</translation>
    </message>
    <message>
        <source>Divisions added: %1, already present: %2
Members added: %3, already present: %4
Time zones added: %5, matched to existing zones: %6</source>
        <translation>Divisionen hinzugefügt: %1, schon vorhanden: %2
Mitglieder hinzugefügt: %3, schon vorhanden: %4
Zeitzonen hinzugefügt: %5, vorhandenen Zonen zugeordnet: %6</translation>
    </message>
    <message>
        <source>
The file was written by an older version of Tallyhold and could not be checked for completeness.</source>
        <translation>
Die Datei stammt von einer älteren Version von Tallyhold und ließ sich nicht auf Vollständigkeit prüfen.</translation>
    </message>
    <message>
        <source>
Lines skipped because they hold no record: %1</source>
        <translation>
Übersprungene Zeilen ohne Datensatz: %1</translation>
    </message>
    <message>
        <source>
The roster as it was before the import is saved in %1</source>
        <translation>
Der Kader, wie er vor dem Import war, ist gesichert in %1</translation>
    </message>
</context>
<context>
    <name>RosterInvitations</name>
    <message>
        <source>This link is no longer valid</source>
        <translation>Dieser Link ist nicht mehr gültig</translation>
    </message>
</context>
<context>
    <name>RosterLocation</name>
    <message>
        <source>The roster file (default: ClanRoster.mdb here), or a shared roster&apos;s address postgresql://user@host[:port]/dbname.</source>
        <translation>Die Kader-Datei (Standard: ClanRoster.mdb hier) oder die Adresse eines gemeinsamen Kaders postgresql://user@host[:port]/dbname.</translation>
    </message>
    <message>
        <source>Use ClanRoster.mdb in your data directory (%1), as the menu entry does.</source>
        <translation>ClanRoster.mdb in deinem Datenverzeichnis (%1) verwenden, wie es der Menüeintrag tut.</translation>
    </message>
    <message>
        <source>There is no roster file %1; tallyhold-cli %2 init makes a new one.</source>
        <translation>Es gibt keine Kader-Datei %1; tallyhold-cli %2 init legt eine neue an.</translation>
    </message>
</context>
<context>
    <name>RosterMatches</name>
    <message>
        <source>That match was deleted in the meantime.</source>
        <translation>Dieses Match wurde inzwischen gelöscht.</translation>
    </message>
    <message>
        <source>That member is not invited to &quot;%1&quot;.</source>
        <translation>Dieses Mitglied ist zu „%1“ nicht eingeladen.</translation>
    </message>
    <message>
        <source>Give the match&apos;s date and time.</source>
        <translation>Gib Datum und Uhrzeit des Matches an.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date and time.</source>
        <translation>„%1“ ist kein gültiges Datum mit Uhrzeit.</translation>
    </message>
    <message>
        <source>%1 does not happen on your clock: it is skipped when the clocks go forward.</source>
        <translation>%1 gibt es nach deiner Uhr nicht: Diese Zeit wird übersprungen, wenn die Uhren vorgestellt werden.</translation>
    </message>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440.</source>
        <translation>Die Matchdauer muss eine ganze Zahl von Minuten zwischen 15 und 1440 sein.</translation>
    </message>
    <message>
        <source>The title may hold at most %1 characters.</source>
        <translation>Der Titel darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>The notes may hold at most %1 characters.</source>
        <translation>Die Notizen dürfen höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Bitte Mitglieder aus der Liste wählen!</translation>
    </message>
    <message>
        <source>Minimum players must be a whole number from 1 on.</source>
        <translation>Die Mindestzahl Spieler muss eine ganze Zahl ab 1 sein.</translation>
    </message>
    <message>
        <source>The minimum of %1 players is more than the %2 invited.</source>
        <translation>Die Mindestzahl von %1 Spielern ist größer als die %2 eingeladenen.</translation>
    </message>
    <message>
        <source>%1 yes</source>
        <translation>%1 ja</translation>
    </message>
    <message>
        <source>%1 maybe</source>
        <translation>%1 vielleicht</translation>
    </message>
    <message>
        <source>%1 late</source>
        <translation>%1 später</translation>
    </message>
    <message>
        <source>%1 no</source>
        <translation>%1 nein</translation>
    </message>
    <message>
        <source>%1 no answer</source>
        <translation>%1 ohne Antwort</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgesagt</translation>
    </message>
    <message>
        <source>minimum %1 not met</source>
        <translation>Mindestzahl %1 nicht erreicht</translation>
    </message>
    <message>
        <source>%1 required not in</source>
        <translation>%1 Pflicht nicht dabei</translation>
    </message>
    <message>
        <source>The note may hold at most %1 characters.</source>
        <translation>Die Notiz darf höchstens %1 Zeichen haben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was cancelled; it cannot be answered.</source>
        <translation>„%1“ wurde abgesagt; Antworten ist nicht möglich.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has started; it cannot be answered any more.</source>
        <translation>„%1“ hat begonnen; Antworten ist nicht mehr möglich.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was cancelled; there is no attendance to take.</source>
        <translation>„%1“ wurde abgesagt; es gibt keine Anwesenheit zu erfassen.</translation>
    </message>
    <message>
        <source>Attendance can be taken once &quot;%1&quot; has started.</source>
        <translation>Die Anwesenheit kann erfasst werden, sobald „%1“ begonnen hat.</translation>
    </message>
    <message>
        <source>Everyone has answered for %1 &lt;t:%2:F&gt;.</source>
        <translation>Alle haben für %1 &lt;t:%2:F&gt; geantwortet.</translation>
    </message>
    <message>
        <source>%1 &lt;t:%2:F&gt; (&lt;t:%2:R&gt;): %3, please answer yes, maybe, late or no.</source>
        <translation>%1 &lt;t:%2:F&gt; (&lt;t:%2:R&gt;): %3, bitte mit Ja, Vielleicht, Komme später oder Nein antworten.</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Erinnerung: %1</translation>
    </message>
    <message>
        <source>%1 starts %2 (%3 minutes).<byte value="xd"/>
Please answer yes, maybe, late or no.</source>
        <translation>%1 beginnt am %2 (%3 Minuten).<byte value="xd"/>
Bitte mit Ja, Vielleicht, Komme später oder Nein antworten.</translation>
    </message>
    <message>
        <source>The calendar could not be saved to %1.</source>
        <translation>Der Kalender ließ sich nicht unter %1 speichern.</translation>
    </message>
    <message>
        <source>Count at least one match.</source>
        <translation>Es muss mindestens ein Match gezählt werden.</translation>
    </message>
</context>
<context>
    <name>RosterMembers</name>
    <message>
        <source>That change was removed in the meantime.</source>
        <translation>Diese Änderung wurde inzwischen entfernt.</translation>
    </message>
</context>
<context>
    <name>RosterScheduling</name>
    <message>
        <source>Match Date must be filled!</source>
        <translation>Das Datum des Matches muss ausgefüllt sein!</translation>
    </message>
    <message>
        <source>Match Time must be filled!</source>
        <translation>Die Uhrzeit des Matches muss ausgefüllt sein!</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Bitte Mitglieder aus der Liste wählen!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date (MM/DD/YYYY).</source>
        <translation>„%1“ ist kein Datum (MM/TT/JJJJ).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date and time.</source>
        <translation>„%1“ ist kein gültiges Datum mit Uhrzeit.</translation>
    </message>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440.</source>
        <translation>Die Matchdauer muss eine ganze Zahl von Minuten zwischen 15 und 1440 sein.</translation>
    </message>
</context>
<context>
    <name>RosterSchema</name>
    <message>
        <source>it was written by a newer version of Tallyhold (roster version %1; this version reads rosters up to version %2).</source>
        <translation>Das ist ein Kader aus einer neueren Version von Tallyhold (Kader-Version %1; diese Version liest Kader bis Version %2).</translation>
    </message>
    <message>
        <source>it has no table %1.</source>
        <translation>Die Tabelle %1 fehlt.</translation>
    </message>
    <message>
        <source>its table %1 has no column %2.</source>
        <translation>In der Tabelle %1 fehlt die Spalte %2.</translation>
    </message>
</context>
<context>
    <name>RosterServer</name>
    <message>
        <source>The shared roster %1 cannot be used: %2

Nothing has been changed.</source>
        <translation>Der gemeinsame Kader %1 lässt sich nicht verwenden: %2

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Your login may view and schedule the shared roster %1 but may not change it.</source>
        <translation>Dein Login darf den gemeinsamen Kader %1 ansehen und zum Planen nutzen, aber nicht ändern.</translation>
    </message>
    <message>
        <source>The connection to the shared roster %1 was lost; nothing of the last command was saved. Try it again once the server can be reached.</source>
        <translation>Die Verbindung zum gemeinsamen Kader %1 ist abgebrochen; vom letzten Befehl wurde nichts gespeichert. Versuch es noch einmal, sobald der Server erreichbar ist.</translation>
    </message>
    <message>
        <source>the address does not name a database (postgresql://user@host/dbname).</source>
        <translation>Die Adresse nennt keine Datenbank (postgresql://user@host/dbname).</translation>
    </message>
    <message>
        <source>the address holds a password. Keep it in ~/.pgpass or PGPASSWORD instead, so it is never stored with the address.</source>
        <translation>Die Adresse enthält ein Passwort. Leg es stattdessen in ~/.pgpass oder PGPASSWORD ab, damit es nie mit der Adresse gespeichert wird.</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (Debian package libqt6sql6-psql).</source>
        <translation>Der PostgreSQL-Treiber von Qt ist nicht installiert (Debian-Paket libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The shared roster %1 needs the login&apos;s password.</source>
        <translation>Der gemeinsame Kader %1 braucht das Passwort des Logins.</translation>
    </message>
    <message>
        <source>the server cannot be reached or refused the login.</source>
        <translation>Der Server ist nicht erreichbar oder hat den Login abgelehnt.</translation>
    </message>
    <message>
        <source>the database holds no roster yet.</source>
        <translation>Die Datenbank enthält noch keinen Kader.</translation>
    </message>
    <message>
        <source>the database holds no roster, and one could not be made in it.</source>
        <translation>Die Datenbank enthält keinen Kader, und es ließ sich keiner darin anlegen.</translation>
    </message>
    <message>
        <source>the database is not a Tallyhold roster: %1</source>
        <translation>Die Datenbank ist kein Tallyhold-Kader: %1</translation>
    </message>
    <message>
        <source>it could not be brought up to this version of Tallyhold.</source>
        <translation>Er ließ sich nicht auf diese Version von Tallyhold bringen.</translation>
    </message>
</context>
<context>
    <name>RosterTexts</name>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s) - %1 - %2</source>
        <translation>
            <numerusform>%n Mitglied - %1 - %2</numerusform>
            <numerusform>%n Mitglieder - %1 - %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - %2 min</source>
        <translation>%1 - %2 Min.</translation>
    </message>
    <message>
        <source>Time zones not found: %1</source>
        <translation>Zeitzonen nicht gefunden: %1</translation>
    </message>
</context>
<context>
    <name>SchedulingTab</name>
    <message>
        <source>Select Member(s)</source>
        <translation>Mitglieder wählen</translation>
    </message>
    <message>
        <source>Who can make the match</source>
        <translation>Wer beim Match dabei sein kann</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Show Available</source>
        <translation>Verfügbare zeigen</translation>
    </message>
    <message>
        <source>Available members</source>
        <translation>Verfügbare Mitglieder</translation>
    </message>
    <message>
        <source>Best Times for Matches</source>
        <translation>Beste Zeiten für Matches</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Woche ab</translation>
    </message>
    <message>
        <source>Best times and the week count the seven days from this date, clock changes included</source>
        <translation>Beste Zeiten und Woche zählen die sieben Tage ab diesem Datum, Zeitumstellungen eingerechnet</translation>
    </message>
    <message>
        <source>Show Best Times</source>
        <translation>Beste Zeiten zeigen</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Beste Zeiten</translation>
    </message>
    <message>
        <source>Double click on a time and show who!</source>
        <translation>Doppelklick auf eine Zeit zeigt, wer kann!</translation>
    </message>
    <message>
        <source>Announce…</source>
        <translation>Ankündigen…</translation>
    </message>
    <message>
        <source>Tell the chosen members when the match is, each in their own time</source>
        <translation>Den gewählten Mitgliedern sagen, wann das Match ist, jedem in seiner eigenen Zeit</translation>
    </message>
    <message>
        <source>Plan Match…</source>
        <translation>Match planen…</translation>
    </message>
    <message>
        <source>Invite the chosen members to a match at this time and collect their answers on the Matches tab</source>
        <translation>Die gewählten Mitglieder zu einem Match um diese Zeit einladen und ihre Antworten unter Matches sammeln</translation>
    </message>
    <message>
        <source>Match plan</source>
        <translation>Matchplan</translation>
    </message>
    <message>
        <source>Match length</source>
        <translation>Matchdauer</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440; empty or 1 for a single moment</source>
        <translation>Minuten, 15 bis 1440; leer oder 1 für einen einzelnen Zeitpunkt</translation>
    </message>
    <message>
        <source>Minimum players</source>
        <translation>Mindestzahl Spieler</translation>
    </message>
    <message>
        <source>How many must be able to play at least</source>
        <translation>Wie viele mindestens spielen können müssen</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Pflicht</translation>
    </message>
    <message>
        <source>Mark or unmark the highlighted members as required</source>
        <translation>Markierte Mitglieder als Pflicht setzen oder aufheben</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Nobody required</source>
        <translation>Niemand ist Pflicht</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Bitte Mitglieder aus der Liste wählen!</translation>
    </message>
    <message>
        <source>Select members to see their week.</source>
        <translation>Mitglieder wählen, um ihre Woche zu sehen.</translation>
    </message>
    <message>
        <source>Required: %1</source>
        <translation>Pflicht: %1</translation>
    </message>
</context>
<context>
    <name>SignupPage</name>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Samstag / Sonntag</translation>
    </message>
    <message>
        <source>slot 1 start</source>
        <translation>Zeitfenster 1 Beginn</translation>
    </message>
    <message>
        <source>slot 1 end</source>
        <translation>Zeitfenster 1 Ende</translation>
    </message>
    <message>
        <source>slot 2 start</source>
        <translation>Zeitfenster 2 Beginn</translation>
    </message>
    <message>
        <source>slot 2 end</source>
        <translation>Zeitfenster 2 Ende</translation>
    </message>
    <message>
        <source>Away dates and one-off changes</source>
        <translation>Abwesenheiten und einmalige Änderungen</translation>
    </message>
    <message>
        <source>Dates you cannot play, or play other times than your week, in your own time zone. Add keeps each at once; Save above keeps only your week.</source>
        <translation>Tage, an denen du nicht spielen kannst oder zu anderen Zeiten als in deiner Woche, in deiner eigenen Zeitzone. Hinzufügen speichert jeden Eintrag sofort; Speichern oben speichert nur deine Woche.</translation>
    </message>
    <message>
        <source>Added.</source>
        <translation>Hinzugefügt.</translation>
    </message>
    <message>
        <source>Removed.</source>
        <translation>Entfernt.</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Keine.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Add a change</source>
        <translation>Änderung hinzufügen</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>Leave the last date empty for one day.</source>
        <translation>Für nur einen Tag den letzten Tag leer lassen.</translation>
    </message>
    <message>
        <source>On those dates</source>
        <translation>An diesen Tagen</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Abwesend</translation>
    </message>
    <message>
        <source>These times instead</source>
        <translation>Stattdessen diese Zeiten</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>and from</source>
        <translation>und von</translation>
    </message>
    <message>
        <source>Instead %1</source>
        <translation>Stattdessen %1</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>holiday, exams</source>
        <translation>Urlaub, Prüfungen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation>Vielleicht</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>Komme später</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n said yes</source>
        <translation>
            <numerusform>%1 von %n hat zugesagt</numerusform>
            <numerusform>%1 von %n haben zugesagt</numerusform>
        </translation>
    </message>
    <message>
        <source>This match was cancelled. It can no longer be answered.</source>
        <translation>Dieses Match wurde abgesagt. Antworten ist nicht mehr möglich.</translation>
    </message>
    <message>
        <source>This match has started. It can no longer be answered.</source>
        <translation>Dieses Match hat begonnen. Antworten ist nicht mehr möglich.</translation>
    </message>
    <message>
        <source>You have not answered yet.</source>
        <translation>Du hast noch nicht geantwortet.</translation>
    </message>
    <message>
        <source>Your answer: %1</source>
        <translation>Deine Antwort: %1</translation>
    </message>
    <message>
        <source>Answer saved.</source>
        <translation>Antwort gespeichert.</translation>
    </message>
    <message>
        <source>Note for the leader (optional; sent with the answer you pick)</source>
        <translation>Notiz an den Leader (optional; wird mit der gewählten Antwort gesendet)</translation>
    </message>
    <message>
        <source>Answer for %1</source>
        <translation>Antwort für %1</translation>
    </message>
    <message>
        <source>Your matches</source>
        <translation>Deine Matches</translation>
    </message>
    <message>
        <source>Times in your time zone (%1).</source>
        <translation>Zeiten in deiner Zeitzone (%1).</translation>
    </message>
    <message>
        <source>Times in the leader&apos;s time zone (%1) until you choose yours above.</source>
        <translation>Zeiten in der Zeitzone des Leaders (%1), bis du oben deine wählst.</translation>
    </message>
    <message>
        <source>No matches planned for you.</source>
        <translation>Für dich sind keine Matches geplant.</translation>
    </message>
    <message>
        <source>In your calendar</source>
        <translation>In deinem Kalender</translation>
    </message>
    <message>
        <source>Subscribe once and your calendar app keeps your matches and their changes. Like this page&apos;s link, the address is yours alone.</source>
        <translation>Einmal abonnieren, und deine Kalender-App hat deine Matches und ihre Änderungen immer aktuell. Wie der Link dieser Seite gehört die Adresse nur dir.</translation>
    </message>
    <message>
        <source>Subscribe to your matches</source>
        <translation>Deine Matches abonnieren</translation>
    </message>
    <message>
        <source>Or add this address to your calendar (Google Calendar: Other calendars, From URL)</source>
        <translation>Oder diese Adresse in deinem Kalender hinzufügen (Google Kalender: Weitere Kalender, Per URL)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Your week - Tallyhold</source>
        <translation>Deine Woche - Tallyhold</translation>
    </message>
    <message>
        <source>Your week</source>
        <translation>Deine Woche</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Clan / Division</source>
        <translation>Clan / Division</translation>
    </message>
    <message>
        <source>A match waits for your answer</source>
        <translation>Ein Match wartet auf deine Antwort</translation>
    </message>
    <message numerus="yes">
        <source>%n matches wait for your answer</source>
        <translation>
            <numerusform>%n Match wartet auf deine Antwort</numerusform>
            <numerusform>%n Matches warten auf deine Antwort</numerusform>
        </translation>
    </message>
    <message>
        <source>Your matches (%1)</source>
        <translation>Deine Matches (%1)</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Gespeichert.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Type or pick the times in your own time zone. Each day takes one or two times you can play; leave the second empty if you need only one.</source>
        <translation>Gib die Zeiten in deiner eigenen Zeitzone ein oder wähle sie aus. Jeder Tag nimmt ein oder zwei Zeiten, zu denen du spielen kannst; lass die zweite leer, wenn du nur eine brauchst.</translation>
    </message>
    <message>
        <source>Saved, in the leader&apos;s time (%1): %2</source>
        <translation>Gespeichert, in der Zeit des Leaders (%1): %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Last saved by you: %1 GMT</source>
        <translation>Zuletzt von dir gespeichert: %1 GMT</translation>
    </message>
</context>
<context>
    <name>SignupServer</name>
    <message>
        <source>Too many tries</source>
        <translation>Zu viele Versuche</translation>
    </message>
    <message>
        <source>Wait a few minutes, then open your link again.</source>
        <translation>Warte ein paar Minuten und öffne dann deinen Link erneut.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Too large</source>
        <translation>Zu groß</translation>
    </message>
    <message>
        <source>Not understood</source>
        <translation>Nicht verstanden</translation>
    </message>
    <message>
        <source>Open the link you were given.</source>
        <translation>Öffne den Link, den du bekommen hast.</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>The roster cannot be reached just now. Nothing was changed; try again later.</source>
        <translation>Der Kader ist gerade nicht erreichbar. Es wurde nichts geändert; versuch es später noch einmal.</translation>
    </message>
    <message>
        <source>This link is no longer valid</source>
        <translation>Dieser Link ist nicht mehr gültig</translation>
    </message>
    <message>
        <source>Ask your clan leader for a new link.</source>
        <translation>Bitte deinen Clan-Leader um einen neuen Link.</translation>
    </message>
    <message>
        <source>This page is out of date. Open your link again and save again.</source>
        <translation>Diese Seite ist veraltet. Öffne deinen Link erneut und speichere noch einmal.</translation>
    </message>
</context>
<context>
    <name>TimeEntryField</name>
    <message>
        <source>Data Format Error</source>
        <translation>Formatfehler</translation>
    </message>
    <message>
        <source>This field must be in a valid date format!  MM/DD/YYYY</source>
        <translation>Dieses Feld braucht ein gültiges Datum!  MM/TT/JJJJ</translation>
    </message>
    <message>
        <source>This field must be in a valid time format!  HH:MM AM/PM</source>
        <translation>Dieses Feld braucht eine gültige Uhrzeit!  HH:MM</translation>
    </message>
</context>
<context>
    <name>WeekAvailability</name>
    <message>
        <source>No time suits all required players</source>
        <translation>Keine Zeit passt allen Pflichtspielern</translation>
    </message>
    <message>
        <source>No time suits all required players for %1 minutes</source>
        <translation>Keine Zeit passt allen Pflichtspielern für %1 Minuten</translation>
    </message>
    <message>
        <source>No time suits any player</source>
        <translation>Keine Zeit passt auch nur einem Spieler</translation>
    </message>
    <message>
        <source>No time suits any player for %1 minutes</source>
        <translation>Keine Zeit passt auch nur einem Spieler für %1 Minuten</translation>
    </message>
    <message>
        <source>No time suits at least %1 players</source>
        <translation>Keine Zeit passt mindestens %1 Spielern</translation>
    </message>
    <message>
        <source>No time suits at least %1 players for %2 minutes</source>
        <translation>Keine Zeit passt mindestens %1 Spielern für %2 Minuten</translation>
    </message>
    <message>
        <source>No time suits all required and at least %1 players</source>
        <translation>Keine Zeit passt allen Pflichtspielern und mindestens %1 Spielern</translation>
    </message>
    <message>
        <source>No time suits all required and at least %1 players for %2 minutes</source>
        <translation>Keine Zeit passt allen Pflichtspielern und mindestens %1 Spielern für %2 Minuten</translation>
    </message>
    <message>
        <source>Your clock skips that time that day: the clocks go forward</source>
        <translation>Deine Uhr überspringt diese Zeit an dem Tag: Die Uhren werden vorgestellt</translation>
    </message>
    <message>
        <source>Not all required players can play from then</source>
        <translation>Ab dann können nicht alle Pflichtspieler spielen</translation>
    </message>
    <message>
        <source>Not all required players can play for %1 minutes from then</source>
        <translation>Ab dann können nicht alle Pflichtspieler %1 Minuten lang spielen</translation>
    </message>
    <message>
        <source>Fewer than %1 players can play from then</source>
        <translation>Ab dann können weniger als %1 Spieler spielen</translation>
    </message>
    <message>
        <source>Fewer than %1 players can play for %2 minutes from then</source>
        <translation>Ab dann können weniger als %1 Spieler %2 Minuten lang spielen</translation>
    </message>
</context>
<context>
    <name>WeekHeatmap</name>
    <message>
        <source>Week heatmap</source>
        <translation>Wochenübersicht</translation>
    </message>
    <message>
        <source>Click a time and show who!</source>
        <translation>Klick auf eine Zeit zeigt, wer kann!</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>plan not met</source>
        <translation>Plan nicht erfüllt</translation>
    </message>
    <message>
        <source>Select members to see their week.</source>
        <translation>Mitglieder wählen, um ihre Woche zu sehen.</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 Spieler</translation>
    </message>
    <message>
        <source>%1 %2: %3 of %4</source>
        <translation>%1 %2: %3 von %4</translation>
    </message>
    <message>
        <source>, plan not met</source>
        <translation>, Plan nicht erfüllt</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message numerus="yes">
        <source>%n players</source>
        <translation>
            <numerusform>%n Spieler</numerusform>
            <numerusform>%n Spieler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Darker: more of the %n players can play. Click a time to see who.</source>
        <translation>
            <numerusform>Dunkler: mehr der %n Spieler können. Auf eine Zeit klicken, um zu sehen, wer.</numerusform>
            <numerusform>Dunkler: mehr der %n Spieler können. Auf eine Zeit klicken, um zu sehen, wer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> und %n weiterer</numerusform>
            <numerusform> und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ZoneStore</name>
    <message>
        <source>The time zone was not added.</source>
        <translation>Die Zeitzone wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>The file&apos;s time zone %1 could not be added, so nothing was imported.</source>
        <translation>Die Zeitzone %1 aus der Datei ließ sich nicht hinzufügen, daher wurde nichts importiert.</translation>
    </message>
    <message>
        <source>No zone key is left: the greatest zone key is already %1. %2</source>
        <translation>Kein Zonenschlüssel mehr frei: Der größte Zonenschlüssel ist schon %1. %2</translation>
    </message>
    <message>
        <source>The following Members are located in this Time Zone: 
%1You will need to remove/update these members before this Time Zone can be deleted!</source>
        <translation>Folgende Mitglieder sind in dieser Zeitzone: 
%1Diese Mitglieder müssen erst entfernt oder geändert werden, bevor die Zeitzone gelöscht werden kann!</translation>
    </message>
    <message>
        <source>Time Zone Name must be non blank!</source>
        <translation>Der Zonenname darf nicht leer sein!</translation>
    </message>
    <message>
        <source>%1 is not a real time zone known to this computer (such as America/New_York).</source>
        <translation>%1 ist keine echte Zeitzone, die dieser Computer kennt (etwa America/New_York).</translation>
    </message>
    <message>
        <source>GMT Offset must be numeric!</source>
        <translation>Der GMT-Versatz muss eine Zahl sein!</translation>
    </message>
</context>
<context>
    <name>cTimeFuncs</name>
    <message>
        <source>The time zone %1 has no usable GMT offset (&quot;%2&quot;).</source>
        <translation>Die Zeitzone %1 hat keinen brauchbaren GMT-Versatz („%2“).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid time.</source>
        <translation>„%1“ ist keine gültige Uhrzeit.</translation>
    </message>
</context>
<context>
    <name>frmAnnounce</name>
    <message>
        <source>Announce Match</source>
        <translation>Match ankündigen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440</source>
        <translation>Minuten, 15 bis 1440</translation>
    </message>
    <message>
        <source>Announcement</source>
        <translation>Ankündigung</translation>
    </message>
    <message>
        <source>Edit the text before copying or sending it</source>
        <translation>Den Text vor dem Kopieren oder Senden anpassen</translation>
    </message>
    <message>
        <source>Copy text</source>
        <translation>Text kopieren</translation>
    </message>
    <message>
        <source>Copy Discord line</source>
        <translation>Discord-Zeile kopieren</translation>
    </message>
    <message>
        <source>Discord shows the start in each reader&apos;s own time</source>
        <translation>Discord zeigt den Beginn jedem Leser in seiner eigenen Zeit</translation>
    </message>
    <message>
        <source>Save invitation…</source>
        <translation>Einladung speichern…</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>A message to those who can play, in your mail program</source>
        <translation>Eine Nachricht an alle, die spielen können, in deinem Mailprogramm</translation>
    </message>
    <message>
        <source>Length (minutes)</source>
        <translation>Dauer (Minuten)</translation>
    </message>
    <message>
        <source>Save Invitation</source>
        <translation>Einladung speichern</translation>
    </message>
    <message>
        <source>Calendar invitation (*.ics)|*.ics</source>
        <translation>Kalendereinladung (*.ics)|*.ics</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>None of the members who can play has an e-mail address.</source>
        <translation>Keines der Mitglieder, die spielen können, hat eine E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Für die Nachricht ließ sich kein Mailprogramm öffnen.</translation>
    </message>
    <message>
        <source>No e-mail (left out of the invitation): %1</source>
        <translation>Ohne E-Mail (nicht in der Einladung): %1</translation>
    </message>
</context>
<context>
    <name>frmAttendance</name>
    <message>
        <source>Attendance: %1</source>
        <translation>Anwesenheit: %1</translation>
    </message>
    <message>
        <source>Who came</source>
        <translation>Wer da war</translation>
    </message>
    <message>
        <source>Tick everyone who played; Space ticks the highlighted player</source>
        <translation>Alle abhaken, die gespielt haben; die Leertaste hakt den markierten Spieler ab</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>said %1</source>
        <translation>sagte %1</translation>
    </message>
</context>
<context>
    <name>frmMemberChanges</name>
    <message>
        <source>Dates and times are on %1&apos;s own clock.</source>
        <translation>Daten und Zeiten nach der eigenen Uhr von %1.</translation>
    </message>
    <message>
        <source>Dates and times are on %1&apos;s own clock (%2).</source>
        <translation>Daten und Zeiten nach der eigenen Uhr von %1 (%2).</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Dates away and days played at other times than the week; double click to edit</source>
        <translation>Abwesenheiten und Tage mit anderen Zeiten als sonst; Doppelklick zum Bearbeiten</translation>
    </message>
    <message>
        <source>Show past changes</source>
        <translation>Vergangene Änderungen zeigen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add change</source>
        <translation>Änderung hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit change</source>
        <translation>Änderung bearbeiten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove change</source>
        <translation>Änderung entfernen</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/TT/JJJJ</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>MM/DD/YYYY; empty for the first date alone</source>
        <translation>MM/TT/JJJJ; leer für nur den ersten Tag</translation>
    </message>
    <message>
        <source>same day</source>
        <translation>selber Tag</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Abwesend</translation>
    </message>
    <message>
        <source>Not listed on these dates at any time</source>
        <translation>An diesen Tagen zu keiner Zeit eingeplant</translation>
    </message>
    <message>
        <source>These times instead</source>
        <translation>Stattdessen diese Zeiten</translation>
    </message>
    <message>
        <source>Plays these times on each of the dates instead of the week&apos;s</source>
        <translation>Spielt an jedem dieser Tage zu diesen statt zu den üblichen Zeiten</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Why, in a few words: holiday, exams</source>
        <translation>Warum, in wenigen Worten: Urlaub, Prüfungen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save change</source>
        <translation>Änderung speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancel change</source>
        <translation>Änderung verwerfen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>No changes: %1 plays the week as it stands. Add one for dates away or played otherwise.</source>
        <translation>Keine Änderungen: %1 spielt die Woche wie eingetragen. Für Abwesenheiten oder andere Zeiten eine hinzufügen.</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Auswahlfehler</translation>
    </message>
    <message>
        <source>You must first highlight a change!</source>
        <translation>Bitte zuerst eine Änderung markieren!</translation>
    </message>
    <message>
        <source>New change</source>
        <translation>Neue Änderung</translation>
    </message>
    <message>
        <source>Change (choose Add or Edit)</source>
        <translation>Änderung (Hinzufügen oder Bearbeiten wählen)</translation>
    </message>
    <message>
        <source>Away / Changes - %1</source>
        <translation>Abwesend / Änderungen – %1</translation>
    </message>
    <message>
        <source>Slot 1 start</source>
        <translation>Zeitfenster 1 Beginn</translation>
    </message>
    <message>
        <source>Slot 1 end</source>
        <translation>Zeitfenster 1 Ende</translation>
    </message>
    <message>
        <source>Slot 2 start</source>
        <translation>Zeitfenster 2 Beginn</translation>
    </message>
    <message>
        <source>Slot 2 end</source>
        <translation>Zeitfenster 2 Ende</translation>
    </message>
    <message>
        <source>Edit change of %1</source>
        <translation>Änderung vom %1 bearbeiten</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 entfernen?</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Best Times Granularity</source>
        <translation>Raster der besten Zeiten</translation>
    </message>
    <message>
        <source>15 Min</source>
        <translation>15 Min.</translation>
    </message>
    <message>
        <source>30 Min</source>
        <translation>30 Min.</translation>
    </message>
    <message>
        <source>60 Min</source>
        <translation>60 Min.</translation>
    </message>
    <message>
        <source>Disable Message Box Verifications</source>
        <translation>Sicherheitsabfragen abschalten</translation>
    </message>
    <message>
        <source>Max Return on Show Best Times</source>
        <translation>Höchstzahl bei Beste Zeiten zeigen</translation>
    </message>
    <message>
        <source>Your Information</source>
        <translation>Deine Angaben</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>EMail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Your Time Zone</source>
        <translation>Deine Zeitzone</translation>
    </message>
    <message>
        <source>Apply DST</source>
        <translation>Sommerzeit anwenden</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Restore Settings</source>
        <translation>Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Cancel / Exit</source>
        <translation>Abbrechen / Schließen</translation>
    </message>
    <message>
        <source>Your zone&apos;s real time zone is on daylight saving time today</source>
        <translation>Die echte Zeitzone deiner Zone hat heute Sommerzeit</translation>
    </message>
    <message>
        <source>Your zone&apos;s real time zone is on standard time today</source>
        <translation>Die echte Zeitzone deiner Zone hat heute Normalzeit</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Wie in der Sprache üblich</translation>
    </message>
    <message>
        <source>12-hour (8:00 PM)</source>
        <translation>12 Stunden (8:00 PM)</translation>
    </message>
    <message>
        <source>24-hour (20:00)</source>
        <translation>24 Stunden (20:00)</translation>
    </message>
    <message>
        <source>Language and clock change at the next start of Tallyhold.</source>
        <translation>Sprache und Uhr ändern sich beim nächsten Start von Tallyhold.</translation>
    </message>
</context>
<context>
    <name>frmPlanMatch</name>
    <message>
        <source>Plan Match</source>
        <translation>Match planen</translation>
    </message>
    <message>
        <source>Edit Match</source>
        <translation>Match bearbeiten</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>on your clock (%1)</source>
        <translation>nach deiner Uhr (%1)</translation>
    </message>
    <message>
        <source>Length (minutes)</source>
        <translation>Dauer (Minuten)</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440</source>
        <translation>Minuten, 15 bis 1440</translation>
    </message>
    <message>
        <source>Minimum players</source>
        <translation>Mindestzahl Spieler</translation>
    </message>
    <message>
        <source>How many must say yes for the match to go ahead</source>
        <translation>Wie viele zusagen müssen, damit das Match stattfindet</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Tick who is invited and who must play; Space ticks the highlighted box</source>
        <translation>Abhaken, wer eingeladen ist und wer spielen muss; die Leertaste hakt das markierte Feld ab</translation>
    </message>
    <message>
        <source>Invited players</source>
        <translation>Eingeladene Spieler</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Pflicht</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Shown with the match in every player&apos;s calendar</source>
        <translation>Steht beim Match im Kalender jedes Spielers</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>%1 invited, %2 required</source>
        <translation>%1 eingeladen, %2 Pflicht</translation>
    </message>
    <message>
        <source>Moving the match or changing its length sets every answer back to no answer; the players are asked again. Save it?</source>
        <translation>Wird das Match verschoben oder seine Dauer geändert, werden alle Antworten zurückgesetzt und die Spieler erneut gefragt. Speichern?</translation>
    </message>
    <message>
        <source>Required: %1</source>
        <translation>Pflicht: %1</translation>
    </message>
</context>
<context>
    <name>frmReminder</name>
    <message>
        <source>Reminder: %1</source>
        <translation>Erinnerung: %1</translation>
    </message>
    <message>
        <source>Everyone has answered.</source>
        <translation>Alle haben geantwortet.</translation>
    </message>
    <message>
        <source>Discord message</source>
        <translation>Discord-Nachricht</translation>
    </message>
    <message>
        <source>Discord shows the start in each reader&apos;s own time</source>
        <translation>Discord zeigt den Beginn jedem Leser in seiner eigenen Zeit</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy Discord message</source>
        <translation>Discord-Nachricht kopieren</translation>
    </message>
    <message>
        <source>E-mail link</source>
        <translation>E-Mail-Link</translation>
    </message>
    <message>
        <source>A mailto link to those who have not answered</source>
        <translation>Ein mailto-Link an alle, die noch nicht geantwortet haben</translation>
    </message>
    <message>
        <source>Copy e-mail link</source>
        <translation>E-Mail-Link kopieren</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>The reminder in your mail program</source>
        <translation>Die Erinnerung in deinem Mailprogramm</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Für die Nachricht ließ sich kein Mailprogramm öffnen.</translation>
    </message>
    <message>
        <source>Not answered yet: %1</source>
        <translation>Noch keine Antwort: %1</translation>
    </message>
    <message>
        <source>No e-mail (left out of the link): %1</source>
        <translation>Ohne E-Mail (nicht im Link): %1</translation>
    </message>
</context>
<context>
    <name>frmSignupLinks</name>
    <message>
        <source>Server Address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Where members reach tallyhold-web, such as https://roster.example.org</source>
        <translation>Wo Mitglieder tallyhold-web erreichen, etwa https://roster.example.org</translation>
    </message>
    <message>
        <source>Make Link</source>
        <translation>Link erstellen</translation>
    </message>
    <message>
        <source>A new private link for this member, valid for 60 days</source>
        <translation>Ein neuer privater Link für dieses Mitglied, 60 Tage gültig</translation>
    </message>
    <message>
        <source>New Link</source>
        <translation>Neuer Link</translation>
    </message>
    <message>
        <source>Shown once: the roster keeps only a hash of it</source>
        <translation>Wird nur einmal gezeigt: der Kader speichert nur einen Hash davon</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>A message with the link, in your mail program</source>
        <translation>Eine Nachricht mit dem Link, in deinem Mailprogramm</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>The member can no longer use the selected link</source>
        <translation>Das Mitglied kann den gewählten Link nicht mehr benutzen</translation>
    </message>
    <message>
        <source>Links to this address open only on this computer. Give the address at which members reach tallyhold-web.</source>
        <translation>Links zu dieser Adresse öffnen sich nur auf diesem Computer. Gib die Adresse an, unter der Mitglieder tallyhold-web erreichen.</translation>
    </message>
    <message>
        <source>Links to this address open only on your local network, not for members elsewhere.</source>
        <translation>Links zu dieser Adresse öffnen sich nur in deinem lokalen Netz, nicht für Mitglieder anderswo.</translation>
    </message>
    <message>
        <source>Server Address note</source>
        <translation>Hinweis zur Serveradresse</translation>
    </message>
    <message>
        <source>Made %1 - %2</source>
        <translation>Erstellt %1 – %2</translation>
    </message>
    <message>
        <source>Your week for the clan</source>
        <translation>Deine Woche für den Clan</translation>
    </message>
    <message>
        <source>Hi %1,

Please set the times you can play on your own page (keep the link to yourself):
%2
</source>
        <translation>Hallo %1,

bitte trag auf deiner eigenen Seite ein, wann du spielen kannst (behalte den Link für dich):
%2
</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Für die Nachricht ließ sich kein Mailprogramm öffnen.</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Auswahlfehler</translation>
    </message>
    <message>
        <source>You must first highlight a link!</source>
        <translation>Bitte zuerst einen Link markieren!</translation>
    </message>
    <message>
        <source>Revoke this link? %1 can no longer use it.</source>
        <translation>Diesen Link widerrufen? %1 kann ihn dann nicht mehr benutzen.</translation>
    </message>
    <message>
        <source>Sign-up Links - %1</source>
        <translation>Anmeldelinks – %1</translation>
    </message>
</context>
<context>
    <name>frmTZEdit</name>
    <message>
        <source>Time Zone Edits</source>
        <translation>Zeitzonen bearbeiten</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>Zeitzonen</translation>
    </message>
    <message>
        <source>TZ Name</source>
        <translation>Zonenname</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>GMT-Versatz</translation>
    </message>
    <message>
        <source>Minutes to add to the local time to get GMT, such as 300 for Eastern or -60 for Central Europe</source>
        <translation>Minuten, die zur Ortszeit addiert GMT ergeben, etwa 300 für Eastern oder -60 für Mitteleuropa</translation>
    </message>
    <message>
        <source>Apply Daylight Savings Time</source>
        <translation>Sommerzeit anwenden</translation>
    </message>
    <message>
        <source>Real Time Zone</source>
        <translation>Echte Zeitzone</translation>
    </message>
    <message>
        <source>Where the zone&apos;s clock is, so daylight saving follows the date; type to search</source>
        <translation>Wo die Uhr der Zone geht, damit die Sommerzeit dem Datum folgt; zum Suchen tippen</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>New Time Zone</source>
        <translation>Neue Zeitzone</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Auswahlfehler</translation>
    </message>
    <message>
        <source>You must first highlight a Time Zone!</source>
        <translation>Bitte zuerst eine Zeitzone markieren!</translation>
    </message>
    <message>
        <source>%1 has no summer time: its clock never changes.</source>
        <translation>%1 hat keine Sommerzeit: die Uhr wird nie umgestellt.</translation>
    </message>
    <message>
        <source> Members in Britain or Ireland need a zone with Europe/London or Europe/Dublin: type London above.</source>
        <translation> Mitglieder in Großbritannien oder Irland brauchen eine Zone mit Europe/London oder Europe/Dublin: oben London tippen.</translation>
    </message>
    <message>
        <source>Real Time Zone note</source>
        <translation>Hinweis zur echten Zeitzone</translation>
    </message>
    <message>
        <source>Update %1?</source>
        <translation>%1 aktualisieren?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>%1 hinzufügen?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
</context>
<context>
    <name>frmTallyhold</name>
    <message>
        <source>Tallyhold tabs</source>
        <translation>Tallyhold-Reiter</translation>
    </message>
    <message>
        <source>Members Info</source>
        <translation>Mitgliederinfo</translation>
    </message>
    <message>
        <source>Add / Edit Members</source>
        <translation>Mitglieder bearbeiten</translation>
    </message>
    <message>
        <source>Clans / Divisions</source>
        <translation>Clans / Divisionen</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>Planung</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>Export / Import</source>
        <translation>Export / Import</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Shared Roster…</source>
        <translation>&amp;Gemeinsamen Kader öffnen…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Time &amp;Zone Edits</source>
        <translation>&amp;Zeitzonen bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Tallyhold &amp;Help</source>
        <translation>Tallyhold-&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Tallyhold</source>
        <translation>Ü&amp;ber Tallyhold</translation>
    </message>
    <message>
        <source>No clans yet: add one on Clans / Divisions, then add members on Add / Edit Members. Your own time zone, in which times are shown, is set in Tools › Options.</source>
        <translation>Noch keine Clans: unter Clans / Divisionen einen anlegen, dann unter Mitglieder bearbeiten Mitglieder hinzufügen. Deine eigene Zeitzone, in der die Zeiten erscheinen, stellst du unter Extras › Optionen ein.</translation>
    </message>
    <message>
        <source>No members listed yet: add them on Add / Edit Members (members of hidden clans are not listed)</source>
        <translation>Noch keine Mitglieder: unter Mitglieder bearbeiten hinzufügen (Mitglieder ausgeblendeter Clans stehen nicht in der Liste)</translation>
    </message>
    <message>
        <source>No clans to export yet: add one on Clans / Divisions</source>
        <translation>Noch keine Clans zum Exportieren: unter Clans / Divisionen einen anlegen</translation>
    </message>
    <message>
        <source>Open Shared Roster</source>
        <translation>Gemeinsamen Kader öffnen</translation>
    </message>
    <message>
        <source>Address of the shared roster (postgresql://user@host[:port]/dbname).
The password comes from ~/.pgpass or PGPASSWORD, or is asked for.</source>
        <translation>Adresse des gemeinsamen Kaders (postgresql://benutzer@host[:port]/datenbank).
Das Passwort kommt aus ~/.pgpass oder PGPASSWORD oder wird abgefragt.</translation>
    </message>
    <message>
        <source>A shared roster&apos;s address starts with postgresql://</source>
        <translation>Die Adresse eines gemeinsamen Kaders beginnt mit postgresql://</translation>
    </message>
    <message>
        <source>About Tallyhold</source>
        <translation>Über Tallyhold</translation>
    </message>
    <message>
        <source>Nobody to choose from. %1</source>
        <translation>Niemand zur Auswahl. %1</translation>
    </message>
    <message>
        <source>Tallyhold %1

Keeps a clan&apos;s roster and finds when to play.

Licence: GNU General Public License, version 3 or later

Roster: %2

Languages: %3</source>
        <translation>Tallyhold %1

Führt den Kader eines Clans und findet, wann gespielt werden kann.

Lizenz: GNU General Public License, Version 3 oder neuer

Kader: %2

Sprachen: %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Roster In Use</source>
        <translation>Kader wird benutzt</translation>
    </message>
</context>
</TS>
