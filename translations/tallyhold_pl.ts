<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ClansTab</name>
    <message>
        <source>Clan Name</source>
        <translation>Nazwa klanu</translation>
    </message>
    <message>
        <source>Clans / Divisions</source>
        <translation>Klany / dywizje</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>Hide Members from Lists</source>
        <translation>Ukryj członków na listach</translation>
    </message>
    <message>
        <source>New Clan</source>
        <translation>Nowy klan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Wyczyść pola</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Błąd wyboru</translation>
    </message>
    <message>
        <source>You must first highlight a division!</source>
        <translation>Najpierw zaznacz dywizję!</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Zapisać zmiany w %1?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>Dodać %1?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Usunąć %1?</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <source>New player name.</source>
        <translation>Nowy nick.</translation>
    </message>
    <message>
        <source>Clan / division, by name or key.</source>
        <translation>Klan / dywizja, po nazwie lub kluczu.</translation>
    </message>
    <message>
        <source>The member&apos;s time zone, by name.</source>
        <translation>Strefa czasowa członka, po nazwie.</translation>
    </message>
    <message>
        <source>Active member (a new one is).</source>
        <translation>Aktywny członek (nowy jest aktywny).</translation>
    </message>
    <message>
        <source>Actual first name.</source>
        <translation>Prawdziwe imię.</translation>
    </message>
    <message>
        <source>Last name.</source>
        <translation>Nazwisko.</translation>
    </message>
    <message>
        <source>Default e-mail.</source>
        <translation>Główny e-mail.</translation>
    </message>
    <message>
        <source>Secondary e-mail.</source>
        <translation>Drugi e-mail.</translation>
    </message>
    <message>
        <source>Other contact info.</source>
        <translation>Inne dane kontaktowe.</translation>
    </message>
    <message>
        <source>Member notes.</source>
        <translation>Notatki o członku.</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Sobota / niedziela</translation>
    </message>
    <message>
        <source>%1: one or two slots in the member&apos;s zone, such as 19:00-23:00,01:00-02:00; off to clear the day.</source>
        <translation>%1: jeden lub dwa przedziały w strefie członka, np. 19:00-23:00,01:00-02:00; off czyści dzień.</translation>
    </message>
    <message>
        <source>Choose the members of a division (repeatable).</source>
        <translation>Wybierz członków dywizji (można powtarzać).</translation>
    </message>
    <message>
        <source>Choose a member by name or key (repeatable).</source>
        <translation>Wybierz członka po nazwie lub kluczu (można powtarzać).</translation>
    </message>
    <message>
        <source>Your time zone for this command (default: options).</source>
        <translation>Twoja strefa czasowa dla tego polecenia (domyślnie: z opcji).</translation>
    </message>
    <message>
        <source>Apply daylight saving time (default: options).</source>
        <translation>Stosuj czas letni (domyślnie: z opcji).</translation>
    </message>
    <message>
        <source>The match length, 15 to 1440 minutes (default: a moment).</source>
        <translation>Długość meczu, od 15 do 1440 minut (domyślnie: jedna chwila).</translation>
    </message>
    <message>
        <source>A member who must be able to play (repeatable; joins the chosen).</source>
        <translation>Członek, który musi móc grać (można powtarzać; dochodzi do wybranych).</translation>
    </message>
    <message>
        <source>At least this many must be able to play.</source>
        <translation>Co najmniej tylu musi móc grać.</translation>
    </message>
    <message>
        <source>The first date, in the member&apos;s own zone: MM/DD/YYYY or YYYY-MM-DD.</source>
        <translation>Pierwsza data, w strefie członka: MM/DD/YYYY lub YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>The last date (default: the first alone).</source>
        <translation>Ostatnia data (domyślnie: tylko pierwsza).</translation>
    </message>
    <message>
        <source>A short note, such as holiday.</source>
        <translation>Krótka notatka, np. urlop.</translation>
    </message>
    <message>
        <source>One or two slots in the member&apos;s zone instead of the week&apos;s, such as 22:00-01:00 or 6pm-8pm,10pm-1am; an end before the start runs past midnight.</source>
        <translation>Jeden lub dwa przedziały w strefie członka zamiast tych z tygodnia, np. 22:00-01:00 albo 6pm-8pm,10pm-1am; koniec przed początkiem oznacza grę po północy.</translation>
    </message>
    <message>
        <source>The start on your clock, such as &quot;12/12/2026 8:00 PM&quot;; moving it asks every player again.</source>
        <translation>Początek według twojego zegara, np. &quot;12/12/2026 8:00 PM&quot;; przesunięcie pyta każdego gracza od nowa.</translation>
    </message>
    <message>
        <source>The start on your clock, such as &quot;12/12/2026 8:00 PM&quot;.</source>
        <translation>Początek według twojego zegara, np. &quot;12/12/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>The length, 15 to 1440 minutes.</source>
        <translation>Długość, od 15 do 1440 minut.</translation>
    </message>
    <message>
        <source>The title (default: Clan match).</source>
        <translation>Tytuł (domyślnie: Clan match).</translation>
    </message>
    <message>
        <source>Invite a member, by name or key (repeatable).</source>
        <translation>Zaproś członka, po nazwie lub kluczu (można powtarzać).</translation>
    </message>
    <message>
        <source>A member who must say yes (repeatable; invited too).</source>
        <translation>Członek, który musi potwierdzić (można powtarzać; też zaproszony).</translation>
    </message>
    <message>
        <source>At least this many must say yes (default 1).</source>
        <translation>Co najmniej tylu musi potwierdzić (domyślnie 1).</translation>
    </message>
    <message>
        <source>Notes for the players.</source>
        <translation>Notatki dla graczy.</translation>
    </message>
    <message>
        <source>Uninvite a member (repeatable).</source>
        <translation>Cofnij zaproszenie członka (można powtarzać).</translation>
    </message>
    <message>
        <source>Invite the members of a division (repeatable).</source>
        <translation>Zaproś członków dywizji (można powtarzać).</translation>
    </message>
    <message>
        <source>Division notes.</source>
        <translation>Notatki o dywizji.</translation>
    </message>
    <message>
        <source>Hide the members from the lists.</source>
        <translation>Ukryj członków na listach.</translation>
    </message>
    <message>
        <source>Minutes to add to the local time to get GMT (300 for Eastern).</source>
        <translation>Minuty, które trzeba dodać do czasu lokalnego, by dostać GMT (300 dla Eastern).</translation>
    </message>
    <message>
        <source>Description.</source>
        <translation>Opis.</translation>
    </message>
    <message>
        <source>Apply daylight saving time.</source>
        <translation>Stosuj czas letni.</translation>
    </message>
    <message>
        <source>The real time zone, such as America/New_York (&quot;none&quot; for none); its standard offset and daylight saving fill --offset and --dst.</source>
        <translation>Prawdziwa strefa czasowa, np. America/New_York (&quot;none&quot; – brak); jej standardowe przesunięcie i czas letni wypełniają --offset i --dst.</translation>
    </message>
    <message>
        <source>List the members as the window does (&quot;Division - Player&quot;).</source>
        <translation>Wypisz członków jak w oknie („Dywizja - Gracz”).</translation>
    </message>
    <message>
        <source>Only this division&apos;s members (repeatable).</source>
        <translation>Tylko członkowie tej dywizji (można powtarzać).</translation>
    </message>
    <message>
        <source>Members of hidden divisions too.</source>
        <translation>Także członkowie ukrytych dywizji.</translation>
    </message>
    <message>
        <source>Show a member, times in your time zone.</source>
        <translation>Pokaż członka, godziny w twojej strefie czasowej.</translation>
    </message>
    <message>
        <source>Add a member.</source>
        <translation>Dodaj członka.</translation>
    </message>
    <message>
        <source>Change the given fields of a member.</source>
        <translation>Zmień podane pola członka.</translation>
    </message>
    <message>
        <source>Delete a member and its schedule.</source>
        <translation>Usuń członka razem z jego godzinami gry.</translation>
    </message>
    <message>
        <source>Mark a member away from --from to --to: no answer on those dates counts them.</source>
        <translation>Oznacz członka jako nieobecnego od --from do --to: w te dni nie jest nigdzie liczony.</translation>
    </message>
    <message>
        <source>Remove an away range or one-off change by its key.</source>
        <translation>Usuń nieobecność lub jednorazową zmianę po jej kluczu.</translation>
    </message>
    <message>
        <source>Give a member other slots from --from to --to instead of their week&apos;s.</source>
        <translation>Daj członkowi inne przedziały od --from do --to zamiast tych z jego tygodnia.</translation>
    </message>
    <message>
        <source>List a member&apos;s away ranges and one-off changes from today on, with their keys.</source>
        <translation>Wypisz nieobecności i jednorazowe zmiany członka od dziś, z ich kluczami.</translation>
    </message>
    <message>
        <source>Past ones too.</source>
        <translation>Także minione.</translation>
    </message>
    <message>
        <source>List the clans / divisions.</source>
        <translation>Wypisz klany / dywizje.</translation>
    </message>
    <message>
        <source>Add a division.</source>
        <translation>Dodaj dywizję.</translation>
    </message>
    <message>
        <source>Change a division.</source>
        <translation>Zmień dywizję.</translation>
    </message>
    <message>
        <source>New name of the division.</source>
        <translation>Nowa nazwa dywizji.</translation>
    </message>
    <message>
        <source>Delete a division that has no members.</source>
        <translation>Usuń dywizję bez członków.</translation>
    </message>
    <message>
        <source>List the time zones.</source>
        <translation>Wypisz strefy czasowe.</translation>
    </message>
    <message>
        <source>Add a time zone.</source>
        <translation>Dodaj strefę czasową.</translation>
    </message>
    <message>
        <source>Change a time zone.</source>
        <translation>Zmień strefę czasową.</translation>
    </message>
    <message>
        <source>New name of the time zone.</source>
        <translation>Nowa nazwa strefy czasowej.</translation>
    </message>
    <message>
        <source>Delete a time zone that no member uses.</source>
        <translation>Usuń strefę czasową, której nie używa żaden członek.</translation>
    </message>
    <message>
        <source>Who of the chosen members (default: everyone listed) can make a match.</source>
        <translation>Kto z wybranych członków (domyślnie: wszyscy wypisani) może zagrać mecz.</translation>
    </message>
    <message>
        <source>The match date and time, such as &quot;12/7/2026 8:00 PM&quot;.</source>
        <translation>Data i godzina meczu, np. &quot;12/7/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>Announce a match to the chosen members (default: everyone listed): each one&apos;s local time, who can play, a Discord line and an e-mail link.</source>
        <translation>Ogłoś mecz wybranym członkom (domyślnie: wszystkim wypisanym): lokalna godzina każdego, kto może grać, linia na Discorda i link e-mail.</translation>
    </message>
    <message>
        <source>The match start, such as &quot;12/7/2026 8:00 PM&quot;.</source>
        <translation>Początek meczu, np. &quot;12/7/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>The match length, 15 to 1440 minutes.</source>
        <translation>Długość meczu, od 15 do 1440 minut.</translation>
    </message>
    <message>
        <source>Also write a calendar invitation to FILE.</source>
        <translation>Zapisz też zaproszenie do kalendarza w FILE.</translation>
    </message>
    <message>
        <source>The best match times of the chosen members (default: everyone listed).</source>
        <translation>Najlepsze terminy meczu dla wybranych członków (domyślnie: wszystkich wypisanych).</translation>
    </message>
    <message>
        <source>Grid step: 15, 30 or 60 minutes (default: options).</source>
        <translation>Siatka: 15, 30 lub 60 minut (domyślnie: z opcji).</translation>
    </message>
    <message>
        <source>At most this many times (default: options).</source>
        <translation>Najwyżej tyle terminów (domyślnie: z opcji).</translation>
    </message>
    <message>
        <source>Count the seven days from this date (default: today).</source>
        <translation>Licz siedem dni od tej daty (domyślnie: od dziś).</translation>
    </message>
    <message>
        <source>Plan a match for the members chosen and ask each for an answer.</source>
        <translation>Zaplanuj mecz dla wybranych członków i poproś każdego o odpowiedź.</translation>
    </message>
    <message>
        <source>Move, rename, lengthen or change the players of a match.</source>
        <translation>Przesuń mecz, zmień jego nazwę, długość lub graczy.</translation>
    </message>
    <message>
        <source>The upcoming matches with their answers, earliest first.</source>
        <translation>Nadchodzące mecze z odpowiedziami, najbliższy pierwszy.</translation>
    </message>
    <message>
        <source>The matches that are over, latest first.</source>
        <translation>Mecze, które się skończyły, ostatni pierwszy.</translation>
    </message>
    <message>
        <source>A match&apos;s players: their answers, notes, and who cannot play it by their week.</source>
        <translation>Gracze meczu: ich odpowiedzi, notatki i kto według swojego tygodnia nie może zagrać.</translation>
    </message>
    <message>
        <source>Answer for a member: yes, maybe, late or no.</source>
        <translation>Odpowiedź za członka: yes, maybe, late lub no.</translation>
    </message>
    <message>
        <source>The member&apos;s note (at most 500 characters).</source>
        <translation>Notatka członka (najwyżej 500 znaków).</translation>
    </message>
    <message>
        <source>Cancel a match.</source>
        <translation>Odwołaj mecz.</translation>
    </message>
    <message>
        <source>Undo the cancellation.</source>
        <translation>Cofnij odwołanie.</translation>
    </message>
    <message>
        <source>Delete a match with its answers and attendance.</source>
        <translation>Usuń mecz razem z odpowiedziami i obecnością.</translation>
    </message>
    <message>
        <source>Whether a member came, once the match has started.</source>
        <translation>Czy członek przyszedł, gdy mecz już się zaczął.</translation>
    </message>
    <message>
        <source>A Discord message and an e-mail link for those who have not answered.</source>
        <translation>Wiadomość na Discorda i link e-mail dla tych, którzy jeszcze nie odpowiedzieli.</translation>
    </message>
    <message>
        <source>Write the upcoming matches and those of the last 30 days as a calendar file.</source>
        <translation>Zapisz nadchodzące mecze i te z ostatnich 30 dni jako plik kalendarza.</translation>
    </message>
    <message>
        <source>Every match with every player (the default).</source>
        <translation>Każdy mecz z każdym graczem (domyślnie).</translation>
    </message>
    <message>
        <source>Only this member&apos;s matches, with their answers.</source>
        <translation>Tylko mecze tego członka, z jego odpowiedziami.</translation>
    </message>
    <message>
        <source>The .ics file to write.</source>
        <translation>Plik .ics do zapisania.</translation>
    </message>
    <message>
        <source>Count the last N matches (default 10).</source>
        <translation>Licz ostatnie N meczów (domyślnie 10).</translation>
    </message>
    <message>
        <source>Export divisions with their members, schedules and zones to a .tlx file.</source>
        <translation>Eksportuj dywizje z członkami, godzinami gry i strefami do pliku .tlx.</translation>
    </message>
    <message>
        <source>A division to export (repeatable).</source>
        <translation>Dywizja do eksportu (można powtarzać).</translation>
    </message>
    <message>
        <source>Overwrite FILE when it exists.</source>
        <translation>Nadpisz FILE, jeśli istnieje.</translation>
    </message>
    <message>
        <source>Import a .tlx file: checked whole, then added in one go.</source>
        <translation>Importuj plik .tlx: najpierw sprawdzany w całości, potem dodawany za jednym razem.</translation>
    </message>
    <message>
        <source>Make a member&apos;s private sign-up link for tallyhold-web; only its hash is kept, so copy it now.</source>
        <translation>Utwórz prywatny link zapisu członka do tallyhold-web; zapisywany jest tylko jego hash, więc skopiuj go teraz.</translation>
    </message>
    <message>
        <source>Days until the link expires (default 60, at most 3650).</source>
        <translation>Dni do wygaśnięcia linku (domyślnie 60, najwyżej 3650).</translation>
    </message>
    <message>
        <source>Where members reach tallyhold-web, such as https://roster.example.org (kept for the next links; default http://127.0.0.1:8080).</source>
        <translation>Adres, pod którym członkowie otwierają tallyhold-web, np. https://roster.example.org (zapamiętany dla kolejnych linków; domyślnie http://127.0.0.1:8080).</translation>
    </message>
    <message>
        <source>List the sign-up links, newest first.</source>
        <translation>Wypisz linki zapisu, najnowszy pierwszy.</translation>
    </message>
    <message>
        <source>Only this member&apos;s links.</source>
        <translation>Tylko linki tego członka.</translation>
    </message>
    <message>
        <source>Revoke a sign-up link by its key.</source>
        <translation>Unieważnij link zapisu po jego kluczu.</translation>
    </message>
    <message>
        <source>Show your preferences, or set the given ones.</source>
        <translation>Pokaż twoje ustawienia albo ustaw podane.</translation>
    </message>
    <message>
        <source>Your time zone.</source>
        <translation>Twoja strefa czasowa.</translation>
    </message>
    <message>
        <source>Best times grid: 15, 30 or 60 minutes.</source>
        <translation>Siatka najlepszych terminów: 15, 30 lub 60 minut.</translation>
    </message>
    <message>
        <source>Max return on best times.</source>
        <translation>Maksymalna liczba najlepszych terminów.</translation>
    </message>
    <message>
        <source>Disable the window&apos;s confirmation boxes.</source>
        <translation>Wyłącz pytania o potwierdzenie w oknie programu.</translation>
    </message>
    <message>
        <source>Your name.</source>
        <translation>Twoje imię.</translation>
    </message>
    <message>
        <source>Your e-mail.</source>
        <translation>Twój e-mail.</translation>
    </message>
    <message>
        <source>Copy a whole roster, keys kept, between a file and a server (either way) into a new roster, in one transaction.</source>
        <translation>Skopiuj cały skład, z kluczami, między plikiem a serwerem (w obie strony) do nowego składu, w jednej transakcji.</translation>
    </message>
    <message>
        <source>The roster copied: a file or a server&apos;s address.</source>
        <translation>Kopiowany skład: plik lub adres serwera.</translation>
    </message>
    <message>
        <source>The new roster: a file (created) or an empty server database.</source>
        <translation>Nowy skład: plik (zostanie utworzony) lub pusta baza danych na serwerze.</translation>
    </message>
    <message>
        <source>A zone name (letter case aside) or its number.</source>
        <translation>Nazwa strefy (wielkość liter bez znaczenia) lub jej numer.</translation>
    </message>
    <message>
        <source>The link&apos;s key, as links shows it.</source>
        <translation>Klucz linku, tak jak pokazuje go links.</translation>
    </message>
    <message>
        <source>The change&apos;s key, as member changes shows it.</source>
        <translation>Klucz zmiany, tak jak pokazuje go member changes.</translation>
    </message>
    <message>
        <source>The exchange file (.tlx).</source>
        <translation>Plik wymiany (.tlx).</translation>
    </message>
    <message>
        <source>The name.</source>
        <translation>Nazwa.</translation>
    </message>
    <message>
        <source>Give the %1.</source>
        <translation>Podaj %1.</translation>
    </message>
    <message>
        <source>member&apos;s NAME or KEY</source>
        <translation>NAME lub KEY członka</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Dywizja</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Strefa czasowa</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>No Scheduling Information Present</source>
        <translation>Brak godzin gry</translation>
    </message>
    <message>
        <source>Away and one-off changes, on the member&apos;s clock:</source>
        <translation>Nieobecności i jednorazowe zmiany, według zegara członka:</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>Dodano %1</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Zaktualizowano %1</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Usunięto %1</translation>
    </message>
    <message>
        <source>Give the first date: --from MM/DD/YYYY.</source>
        <translation>Podaj pierwszą datę: --from MM/DD/YYYY.</translation>
    </message>
    <message>
        <source>Added for %1: %2 (%3)</source>
        <translation>Dodano dla %1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 has no away dates or changes.</source>
        <translation>%1 nie ma nieobecności ani zmian.</translation>
    </message>
    <message>
        <source>%1 has no away dates or changes from today on.</source>
        <translation>%1 nie ma nieobecności ani zmian od dziś.</translation>
    </message>
    <message>
        <source>change&apos;s KEY (member changes NAME shows it)</source>
        <translation>KEY zmiany (pokazuje go member changes NAME)</translation>
    </message>
    <message>
        <source>No change has the key &quot;%1&quot;; tallyhold-cli member changes NAME --all lists a member&apos;s changes with their keys.</source>
        <translation>Żadna zmiana nie ma klucza „%1”; tallyhold-cli member changes NAME --all wypisuje zmiany członka z ich kluczami.</translation>
    </message>
    <message>
        <source>Removed from %1: %2</source>
        <translation>Usunięto u %1: %2</translation>
    </message>
    <message>
        <source>division&apos;s NAME or KEY</source>
        <translation>NAME lub KEY dywizji</translation>
    </message>
    <message>
        <source>%1  (GMT offset %2%3%4)</source>
        <translation>%1  (przesunięcie GMT %2%3%4)</translation>
    </message>
    <message>
        <source>, daylight saving</source>
        <translation>, czas letni</translation>
    </message>
    <message>
        <source>time zone&apos;s NAME or NUMBER</source>
        <translation>NAME lub NUMBER strefy czasowej</translation>
    </message>
    <message>
        <source>Maximum Results field must be a number greater than zero</source>
        <translation>Pole Maks. wyników musi być liczbą większą od zera</translation>
    </message>
    <message numerus="yes">
        <source>None of the %n chosen member(s) can play then.</source>
        <translation>
            <numerusform>Wybrany członek (%n) nie może wtedy grać.</numerusform>
            <numerusform>Żaden z %n wybranych członków nie może wtedy grać.</numerusform>
            <numerusform>Żaden z %n wybranych członków nie może wtedy grać.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %n chosen member(s) plays at any time.</source>
        <translation>
            <numerusform>Wybrany członek (%n) nie gra o żadnej porze.</numerusform>
            <numerusform>Żaden z %n wybranych członków nie gra o żadnej porze.</numerusform>
            <numerusform>Żaden z %n wybranych członków nie gra o żadnej porze.</numerusform>
        </translation>
    </message>
    <message>
        <source>No e-mail: </source>
        <translation>Bez e-maila: </translation>
    </message>
    <message>
        <source>FILE to export to</source>
        <translation>FILE do eksportu</translation>
    </message>
    <message>
        <source>This Export File Already Exists... (--force overwrites it)</source>
        <translation>Ten plik eksportu już istnieje... (--force go nadpisze)</translation>
    </message>
    <message>
        <source>Export Completed!</source>
        <translation>Eksport zakończony!</translation>
    </message>
    <message numerus="yes">
        <source>Divisions: %1, members: %n</source>
        <translation>
            <numerusform>Dywizje: %1, członkowie: %n</numerusform>
            <numerusform>Dywizje: %1, członkowie: %n</numerusform>
            <numerusform>Dywizje: %1, członkowie: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>FILE to import</source>
        <translation>FILE do importu</translation>
    </message>
    <message>
        <source>Import Completed!</source>
        <translation>Import zakończony!</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Your Time Zone: </source>
        <translation>Twoja strefa czasowa: </translation>
    </message>
    <message>
        <source>Best Times Granularity: %1 Min</source>
        <translation>Siatka najlepszych terminów: %1 min</translation>
    </message>
    <message>
        <source>Max Return on Show Best Times: %1</source>
        <translation>Maks. wyników w Pokaż najlepsze terminy: %1</translation>
    </message>
    <message>
        <source>Disable Message Box Verifications: </source>
        <translation>Wyłącz potwierdzenia: </translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Imię: %1</translation>
    </message>
    <message>
        <source>EMail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>link&apos;s KEY (tallyhold-cli links shows it)</source>
        <translation>KEY linku (pokazuje go tallyhold-cli links)</translation>
    </message>
    <message>
        <source>Revoked</source>
        <translation>Unieważniono</translation>
    </message>
    <message>
        <source>copy needs --from and --to.</source>
        <translation>copy potrzebuje --from i --to.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n member(s) to %1</source>
        <translation>
            <numerusform>Skopiowano %n członka do %1</numerusform>
            <numerusform>Skopiowano %n członków do %1</numerusform>
            <numerusform>Skopiowano %n członków do %1</numerusform>
        </translation>
    </message>
    <message>
        <source>There is a roster file %1 already.</source>
        <translation>Plik składu %1 już istnieje.</translation>
    </message>
    <message>
        <source>Made a new roster in %1</source>
        <translation>Utworzono nowy skład w %1</translation>
    </message>
    <message>
        <source>No match is titled &quot;%1&quot;; matches --past lists them all.</source>
        <translation>Żaden mecz nie ma tytułu „%1”; matches --past wypisuje wszystkie.</translation>
    </message>
    <message>
        <source>%1 matches are titled &quot;%2&quot;; give one of their keys:</source>
        <translation>%1 mecze mają tytuł „%2”; podaj jeden z ich kluczy:</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Zaplanowano</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Zmieniono</translation>
    </message>
    <message>
        <source>No past matches.</source>
        <translation>Brak minionych meczów.</translation>
    </message>
    <message>
        <source>No upcoming matches.</source>
        <translation>Brak nadchodzących meczów.</translation>
    </message>
    <message>
        <source>Notes: %1</source>
        <translation>Notatki: %1</translation>
    </message>
    <message>
        <source>required</source>
        <translation>wymagany</translation>
    </message>
    <message>
        <source>cannot play then</source>
        <translation>nie może wtedy grać</translation>
    </message>
    <message>
        <source>came</source>
        <translation>był(a)</translation>
    </message>
    <message>
        <source>did not come</source>
        <translation>nie był(a)</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>brak odpowiedzi</translation>
    </message>
    <message>
        <source>The answer is yes, maybe, late or no.</source>
        <translation>Odpowiedź to yes, maybe, late lub no.</translation>
    </message>
    <message>
        <source>%1 said %2.</source>
        <translation>%1 odpowiada: %2.</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Przywrócono</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Odwołano</translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation>yes lub no</translation>
    </message>
    <message>
        <source>Say yes or no: did %1 come?</source>
        <translation>Podaj yes lub no: czy %1 był(a) na meczu?</translation>
    </message>
    <message>
        <source> came.</source>
        <translation> był(a) na meczu.</translation>
    </message>
    <message>
        <source> did not come.</source>
        <translation> nie był(a) na meczu.</translation>
    </message>
    <message>
        <source>Give --all or --member, not both.</source>
        <translation>Podaj --all albo --member, nie oba naraz.</translation>
    </message>
    <message>
        <source>Calendar written: </source>
        <translation>Zapisano kalendarz: </translation>
    </message>
    <message>
        <source>%1: invited %2, said yes %3, came %4, said yes but did not come %5</source>
        <translation>%1: zaproszony %2, na tak %3, obecność %4, na tak, ale bez obecności %5</translation>
    </message>
    <message>
        <source>No match has been played yet.</source>
        <translation>Nie rozegrano jeszcze żadnego meczu.</translation>
    </message>
    <message>
        <source>Make a new, empty roster where --roster (or --user-roster) says; every other command opens an existing roster only.</source>
        <translation>Utwórz nowy, pusty skład tam, gdzie wskazuje --roster (lub --user-roster); pozostałe polecenia otwierają tylko istniejący skład.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Exit status: 0 done; 1 command refused or bad input (nothing was written); 2 the roster cannot be opened or changed (empty, damaged, in use, read-only, newer) or the database failed (nothing was written). Errors go to stderr.</source>
        <translation>Kod wyjścia: 0 gotowe; 1 polecenie odrzucone lub złe dane (nic nie zapisano); 2 nie da się otworzyć ani zmienić składu (pusty, uszkodzony, w użyciu, tylko do odczytu, nowszy) albo baza danych zawiodła (nic nie zapisano). Błędy trafiają na stderr.</translation>
    </message>
    <message>
        <source>Print one JSON document instead of text.</source>
        <translation>Wypisz jeden dokument JSON zamiast tekstu.</translation>
    </message>
    <message>
        <source>The Tallyhold roster and match finder from a terminal.

Commands (tallyhold-cli COMMAND --help shows a command&apos;s options):
</source>
        <translation>Skład i wyszukiwarka meczów Tallyhold w terminalu.

Polecenia (tallyhold-cli POLECENIE --help pokazuje opcje polecenia):
</translation>
    </message>
    <message>
        <source>slot 1 start</source>
        <translation>początek przedziału 1</translation>
    </message>
    <message>
        <source>slot 1 end</source>
        <translation>koniec przedziału 1</translation>
    </message>
    <message>
        <source>slot 2 start</source>
        <translation>początek przedziału 2</translation>
    </message>
    <message>
        <source>slot 2 end</source>
        <translation>koniec przedziału 2</translation>
    </message>
    <message>
        <source> Times may also be typed as 7:30pm, 7pm, 19:30 or 1930.</source>
        <translation> Godziny można też wpisać jako 7:30pm, 7pm, 19:30 lub 1930.</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>Jedno z powyższych poleceń.</translation>
    </message>
    <message>
        <source>COMMAND [options]</source>
        <translation>POLECENIE [opcje]</translation>
    </message>
    <message>
        <source>Give a command; tallyhold-cli --help lists them.</source>
        <translation>Podaj polecenie; tallyhold-cli --help je wypisuje.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;; tallyhold-cli --help lists them.</source>
        <translation>Nieznane polecenie „%1”; tallyhold-cli --help wypisuje polecenia.</translation>
    </message>
    <message>
        <source> Saturday and Sunday are one day: --weekend.</source>
        <translation> Sobota i niedziela to jeden dzień: --weekend.</translation>
    </message>
    <message>
        <source> tallyhold-cli %1 --help lists its options.</source>
        <translation> tallyhold-cli %1 --help wypisuje jego opcje.</translation>
    </message>
    <message>
        <source>Too many arguments for %1: %2 (put a name with blanks in quotes).</source>
        <translation>Za dużo argumentów dla %1: %2 (nazwę ze spacjami ujmij w cudzysłów).</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>ostrzeżenie: </translation>
    </message>
    <message>
        <source>--roster needs a file name.</source>
        <translation>--roster potrzebuje nazwy pliku.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The roster file %1 cannot be used: %2

The file has not been changed.</source>
        <translation>Nie można użyć pliku składu %1: %2

Plik nie został zmieniony.</translation>
    </message>
    <message>
        <source>it cannot be read (%1).</source>
        <translation>nie da się go odczytać (%1).</translation>
    </message>
    <message>
        <source>it is empty (0 bytes).</source>
        <translation>jest pusty (0 bajtów).</translation>
    </message>
    <message>
        <source>it is an Access-format database, not an SQLite roster.</source>
        <translation>to baza danych w formacie Access, a nie skład SQLite.</translation>
    </message>
    <message>
        <source>it is not an SQLite database.</source>
        <translation>to nie jest baza danych SQLite.</translation>
    </message>
    <message>
        <source>restore a backup such as %1</source>
        <translation>przywróć kopię zapasową, np. %1</translation>
    </message>
    <message>
        <source>restore a backup if you keep one (there is none at %1)</source>
        <translation>przywróć kopię zapasową, jeśli ją masz (w %1 jej nie ma)</translation>
    </message>
    <message>
        <source>it is in use by another program.</source>
        <translation>używa go inny program.</translation>
    </message>
    <message>
        <source>it is damaged; %1.</source>
        <translation>jest uszkodzony; %1.</translation>
    </message>
    <message>
        <source>a write to it was interrupted and cannot be undone while the file or its folder is read-only.</source>
        <translation>zapis do niego został przerwany i nie da się go cofnąć, dopóki plik lub jego folder jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>it cannot be opened (%1).</source>
        <translation>nie da się go otworzyć (%1).</translation>
    </message>
    <message>
        <source>The roster file %1 can be viewed and scheduled but not changed.</source>
        <translation>Plik składu %1 można przeglądać i planować w nim mecze, ale nie można go zmieniać.</translation>
    </message>
    <message>
        <source>The roster file %1 is damaged. Export what can still be read, then %2. Until then the roster can be viewed and scheduled but not changed.</source>
        <translation>Plik składu %1 jest uszkodzony. Wyeksportuj to, co da się jeszcze odczytać, potem %2. Do tego czasu skład można przeglądać i planować w nim mecze, ale nie można go zmieniać.</translation>
    </message>
    <message>
        <source>it is not a Tallyhold roster: %1</source>
        <translation>to nie jest skład Tallyhold: %1</translation>
    </message>
    <message>
        <source>it could not be brought up to this version of Tallyhold.</source>
        <translation>nie udało się go dostosować do tej wersji Tallyhold.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written.</source>
        <translation>Nie udało się zapisać kopii zapasowej %1.</translation>
    </message>
</context>
<context>
    <name>DivisionStore</name>
    <message>
        <source>This division is no longer in the roster, so nothing was saved. Save again to add it as a new division.</source>
        <translation>Tej dywizji nie ma już w składzie, więc nic nie zapisano. Zapisz ponownie, by dodać ją jako nową dywizję.</translation>
    </message>
    <message>
        <source>The following Members are in this Division: 
%1You will need to remove/update these members before this Division can be deleted!</source>
        <translation>W tej dywizji są następujący członkowie: 
%1Zanim usuniesz tę dywizję, musisz usunąć tych członków albo przenieść ich do innej dywizji!</translation>
    </message>
</context>
<context>
    <name>ExchangeReader</name>
    <message>
        <source>field %1 (%2) is empty.</source>
        <translation>pole %1 (%2) jest puste.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a record key of 32 hexadecimal digits: &quot;%3&quot;.</source>
        <translation>pole %1 (%2) nie jest kluczem rekordu z 32 cyfr szesnastkowych: „%3”.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a whole number from %3 to %4: &quot;%5&quot;.</source>
        <translation>pole %1 (%2) nie jest liczbą całkowitą od %3 do %4: „%5”.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a flag (1 or 0): &quot;%3&quot;.</source>
        <translation>pole %1 (%2) nie jest flagą (1 lub 0): „%3”.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a date YYYY-MM-DD: &quot;%3&quot;.</source>
        <translation>pole %1 (%2) nie jest datą RRRR-MM-DD: „%3”.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a time HH:MM: &quot;%3&quot;.</source>
        <translation>pole %1 (%2) nie jest godziną GG:MM: „%3”.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a time of day: &quot;%3&quot;.</source>
        <translation>pole %1 (%2) nie jest poprawną godziną: „%3”.</translation>
    </message>
    <message>
        <source>the %1 is also used on line %2.</source>
        <translation>%1 występuje też w wierszu %2.</translation>
    </message>
    <message>
        <source>the line is neither a record (1 to %1) nor a &quot;#&quot; line.</source>
        <translation>wiersz nie jest ani rekordem (od 1 do %1), ani wierszem „#”.</translation>
    </message>
    <message>
        <source>a record follows the end line %1.</source>
        <translation>po wierszu końcowym %1 jest jeszcze rekord.</translation>
    </message>
    <message>
        <source>the record tag %1 is not followed by &quot;|&quot;.</source>
        <translation>po znaczniku rekordu %1 nie ma „|”.</translation>
    </message>
    <message>
        <source>field %1 is longer than 1,000,000 characters.</source>
        <translation>pole %1 ma ponad 1 000 000 znaków.</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text.</source>
        <translation>wiersz nie jest tekstem UTF-8.</translation>
    </message>
    <message>
        <source>the %1 record has %2 fields; it needs %3.</source>
        <translation>rekord %1 ma pól: %2, a potrzebuje %3.</translation>
    </message>
    <message>
        <source>field %1 holds a &quot;\&quot; that is not one of \\, \p, \r or \n.</source>
        <translation>pole %1 zawiera „\”, które nie jest żadnym z \\, \p, \r ani \n.</translation>
    </message>
    <message>
        <source>division key 0x%1</source>
        <translation>klucz dywizji 0x%1</translation>
    </message>
    <message>
        <source>member key 0x%1</source>
        <translation>klucz członka 0x%1</translation>
    </message>
    <message>
        <source>field %1 (%2) is empty, but %3 is set.</source>
        <translation>pole %1 (%2) jest puste, choć zaznaczono dzień %3.</translation>
    </message>
    <message>
        <source>times 0x%1 of %2</source>
        <translation>klucz godzin 0x%1 (%2)</translation>
    </message>
    <message>
        <source>schedule&apos;s member key 0x%1</source>
        <translation>klucz członka 0x%1 w godzinach gry</translation>
    </message>
    <message>
        <source>times key 0x%1</source>
        <translation>klucz godzin 0x%1</translation>
    </message>
    <message>
        <source>the zone key %1 is also used on line %2 for another zone.</source>
        <translation>klucz strefy %1 występuje też w wierszu %2 dla innej strefy.</translation>
    </message>
    <message>
        <source>no zone record before it has the zone key %1.</source>
        <translation>żaden wcześniejszy rekord strefy nie ma klucza strefy %1.</translation>
    </message>
    <message>
        <source>field 2 (real time zone) is empty.</source>
        <translation>pole 2 (prawdziwa strefa czasowa) jest puste.</translation>
    </message>
    <message>
        <source>the zone key %1 already has the real time zone %2.</source>
        <translation>klucz strefy %1 ma już prawdziwą strefę czasową %2.</translation>
    </message>
    <message>
        <source>no member record before it has the member key 0x%1.</source>
        <translation>żaden wcześniejszy rekord członka nie ma klucza członka 0x%1.</translation>
    </message>
    <message>
        <source>field 4 (last date) is before field 3 (first date).</source>
        <translation>pole 4 (ostatni dzień) jest wcześniejsze niż pole 3 (pierwszy dzień).</translation>
    </message>
    <message>
        <source>field 5 (away flag) is empty.</source>
        <translation>pole 5 (flaga nieobecności) jest puste.</translation>
    </message>
    <message>
        <source>field %1 holds a time, but the member is away (field 5).</source>
        <translation>pole %1 zawiera godzinę, ale członek jest nieobecny (pole 5).</translation>
    </message>
    <message>
        <source>field %1 (%2) is empty, but field %3 holds a time.</source>
        <translation>pole %1 (%2) jest puste, ale pole %3 zawiera godzinę.</translation>
    </message>
    <message>
        <source>slot %1 ends when it starts.</source>
        <translation>przedział %1 kończy się wtedy, kiedy się zaczyna.</translation>
    </message>
    <message>
        <source>slot 2 is given without slot 1.</source>
        <translation>podano przedział 2 bez przedziału 1.</translation>
    </message>
    <message>
        <source>fields 6 and 7 (slot 1) are empty, but the member is not away (field 5).</source>
        <translation>pola 6 i 7 (przedział 1) są puste, ale członek nie jest nieobecny (pole 5).</translation>
    </message>
    <message>
        <source>field 10 (note) is longer than %1 characters.</source>
        <translation>pole 10 (notatka) ma ponad %1 znaków.</translation>
    </message>
    <message>
        <source>change key 0x%1</source>
        <translation>klucz zmiany 0x%1</translation>
    </message>
    <message>
        <source>the dates overlap the change of the same member on line %1.</source>
        <translation>daty nakładają się na zmianę tego samego członka w wierszu %1.</translation>
    </message>
    <message>
        <source>The file holds no roster records</source>
        <translation>Plik nie zawiera żadnych rekordów składu</translation>
    </message>
    <message>
        <source>the end line counts %1 records; the file holds %2.</source>
        <translation>wiersz końcowy podaje liczbę rekordów %1, a plik zawiera %2.</translation>
    </message>
    <message>
        <source>The Import File cannot be read.</source>
        <translation>Nie da się odczytać pliku importu.</translation>
    </message>
    <message>
        <source>the header &quot;%1&quot; names no version of the format.</source>
        <translation>nagłówek „%1” nie podaje wersji formatu.</translation>
    </message>
    <message>
        <source>the file was written by a newer version of Tallyhold (&quot;%1&quot;).</source>
        <translation>plik został zapisany przez nowszą wersję Tallyhold („%1”).</translation>
    </message>
    <message>
        <source>The end line &quot;#end&quot; with the number of records is missing.</source>
        <translation>Brakuje wiersza końcowego „#end” z liczbą rekordów.</translation>
    </message>
</context>
<context>
    <name>ExchangeTab</name>
    <message>
        <source>Chose which Clans/Divisions then click Export</source>
        <translation>Wybierz klany/dywizje, potem kliknij Eksportuj</translation>
    </message>
    <message>
        <source>Export divisions</source>
        <translation>Dywizje do eksportu</translation>
    </message>
    <message>
        <source>Click Import</source>
        <translation>Kliknij Importuj</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>Nazwa pliku eksportu</translation>
    </message>
    <message>
        <source>Export Function</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>This Export File Already Exists... Overwrite?</source>
        <translation>Ten plik eksportu już istnieje... Nadpisać?</translation>
    </message>
    <message>
        <source>Export Completed!</source>
        <translation>Eksport zakończony!</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Zapisano jako %1</translation>
    </message>
    <message>
        <source>Import File Name</source>
        <translation>Nazwa pliku importu</translation>
    </message>
    <message>
        <source>Import Completed!</source>
        <translation>Import zakończony!</translation>
    </message>
    <message>
        <source>Tallyhold Export (*.tlx)|*.tlx</source>
        <translation>Eksport Tallyhold (*.tlx)|*.tlx</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
</context>
<context>
    <name>ImportFormatError</name>
    <message>
        <source>There is a problem with the format of the Import File!</source>
        <translation>Plik importu ma nieprawidłowy format!</translation>
    </message>
    <message>
        <source>The file ends early; it may have been cut off while copying</source>
        <translation>Plik kończy się za wcześnie; mógł zostać ucięty podczas kopiowania</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
</context>
<context>
    <name>InvitationStore</name>
    <message>
        <source>Active until %1</source>
        <translation>Aktywny do %1</translation>
    </message>
    <message>
        <source>Expired %1</source>
        <translation>Wygasł %1</translation>
    </message>
    <message>
        <source>Revoked %1</source>
        <translation>Unieważniony %1</translation>
    </message>
    <message>
        <source>%1, last saved %2</source>
        <translation>%1, ostatni zapis %2</translation>
    </message>
    <message>
        <source>A sign-up link lasts 1 to %1 days.</source>
        <translation>Link zapisu może być ważny od 1 do %1 dni.</translation>
    </message>
    <message>
        <source>That member is no longer in the roster.</source>
        <translation>Tego członka nie ma już w składzie.</translation>
    </message>
    <message>
        <source>That sign-up link is no longer in the roster.</source>
        <translation>Tego linku zapisu nie ma już w składzie.</translation>
    </message>
</context>
<context>
    <name>ListFill</name>
    <message>
        <source>Hidden: its members are left out of the member lists</source>
        <translation>Ukryty: jego członków nie ma na listach członków</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>maybe</source>
        <translation>może</translation>
    </message>
    <message>
        <source>late</source>
        <translation>spóźnię się</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>brak odpowiedzi</translation>
    </message>
</context>
<context>
    <name>MatchAnnouncement</name>
    <message>
        <source>No time zone (GMT)</source>
        <translation>Bez strefy czasowej (GMT)</translation>
    </message>
    <message>
        <source>Can play the whole match: %1</source>
        <translation>Mogą zagrać cały mecz: %1</translation>
    </message>
    <message>
        <source>Cannot play the whole match: %1</source>
        <translation>Nie mogą zagrać całego meczu: %1</translation>
    </message>
</context>
<context>
    <name>MatchCalendar</name>
    <message>
        <source>The match calendar is not valid.</source>
        <translation>Kalendarz meczów jest nieprawidłowy.</translation>
    </message>
</context>
<context>
    <name>MatchFields</name>
    <message>
        <source>&quot;%1&quot; is not a valid time.</source>
        <translation>„%1” to nie jest poprawna godzina.</translation>
    </message>
</context>
<context>
    <name>MatchInvitation</name>
    <message>
        <source>The calendar invitation is not valid.</source>
        <translation>Zaproszenie do kalendarza jest nieprawidłowe.</translation>
    </message>
    <message>
        <source>The invitation could not be saved to %1.</source>
        <translation>Nie udało się zapisać zaproszenia w %1.</translation>
    </message>
</context>
<context>
    <name>MatchPlan</name>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440, or empty (or 1) for a single moment.</source>
        <translation>Długość meczu musi być całkowitą liczbą minut od 15 do 1440 albo pusta (lub 1) dla jednej chwili.</translation>
    </message>
    <message>
        <source>Minimum players must be a whole number from 1 to 32767, or empty for 1.</source>
        <translation>Pole Min. graczy musi być liczbą całkowitą od 1 do 32767 albo puste (wtedy 1).</translation>
    </message>
</context>
<context>
    <name>MatchesTab</name>
    <message>
        <source>Show past matches</source>
        <translation>Pokaż minione mecze</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Mecze</translation>
    </message>
    <message>
        <source>Upcoming matches, earliest first, with their answers counted</source>
        <translation>Nadchodzące mecze, najbliższy pierwszy, z policzonymi odpowiedziami</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Mecz</translation>
    </message>
    <message>
        <source>When and answers</source>
        <translation>Kiedy i odpowiedzi</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Edytuj…</translation>
    </message>
    <message>
        <source>Edit Match…</source>
        <translation>Edytuj mecz…</translation>
    </message>
    <message>
        <source>Change the time, players, title or notes; a new time asks everyone again</source>
        <translation>Zmień godzinę, graczy, tytuł lub notatki; nowa godzina pyta wszystkich od nowa</translation>
    </message>
    <message>
        <source>Cancel Match</source>
        <translation>Odwołaj mecz</translation>
    </message>
    <message>
        <source>Mark the match cancelled in every calendar; it can be restored</source>
        <translation>Oznacz mecz jako odwołany w każdym kalendarzu; można go przywrócić</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Delete Match</source>
        <translation>Usuń mecz</translation>
    </message>
    <message>
        <source>Remove the match with its answers and attendance</source>
        <translation>Usuń mecz razem z odpowiedziami i obecnością</translation>
    </message>
    <message>
        <source>Reminder…</source>
        <translation>Przypomnienie…</translation>
    </message>
    <message>
        <source>A message for those who have not answered</source>
        <translation>Wiadomość dla tych, którzy nie odpowiedzieli</translation>
    </message>
    <message>
        <source>Attendance…</source>
        <translation>Obecność…</translation>
    </message>
    <message>
        <source>Once the match has started: tick who came</source>
        <translation>Gdy mecz się zaczął: zaznacz, kto przyszedł</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Odpowiedź</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>Their week</source>
        <translation>Ich tydzień</translation>
    </message>
    <message>
        <source>Came</source>
        <translation>Obecność</translation>
    </message>
    <message>
        <source>The answer the highlighted player gave you</source>
        <translation>Odpowiedź, którą dał ci zaznaczony gracz</translation>
    </message>
    <message>
        <source>Set Answer</source>
        <translation>Ustaw odpowiedź</translation>
    </message>
    <message>
        <source>Answer for the highlighted player, as they told you</source>
        <translation>Odpowiedź za zaznaczonego gracza, tak jak ci ją przekazał</translation>
    </message>
    <message>
        <source>Attendance history</source>
        <translation>Historia obecności</translation>
    </message>
    <message>
        <source>Last matches counted</source>
        <translation>Liczone ostatnie mecze</translation>
    </message>
    <message>
        <source>Matches that started and were not cancelled, latest first</source>
        <translation>Mecze, które się zaczęły i nie zostały odwołane, ostatni pierwszy</translation>
    </message>
    <message>
        <source>Per member over the last matches; click a heading to sort</source>
        <translation>Na członka z ostatnich meczów; kliknij nagłówek, by sortować</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Członek</translation>
    </message>
    <message>
        <source>Invited</source>
        <translation>Zaproszony</translation>
    </message>
    <message>
        <source>Said
yes</source>
        <translation>Na
tak</translation>
    </message>
    <message>
        <source>Said yes but
did not come</source>
        <translation>Na tak, ale
bez obecności</translation>
    </message>
    <message>
        <source>Highlighted player&apos;s answer</source>
        <translation>Odpowiedź gracza</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ostatnie</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>meczów</translation>
    </message>
    <message>
        <source>No past matches</source>
        <translation>Brak minionych meczów</translation>
    </message>
    <message>
        <source>Past matches, latest first</source>
        <translation>Minione mecze, ostatni pierwszy</translation>
    </message>
    <message>
        <source>No matches planned yet: choose members on Scheduling and press Plan Match…</source>
        <translation>Nie zaplanowano jeszcze meczów: wybierz członków w Planowaniu i kliknij Zaplanuj mecz…</translation>
    </message>
    <message>
        <source>Restore Match</source>
        <translation>Przywróć mecz</translation>
    </message>
    <message>
        <source>Highlight a match to see its players.</source>
        <translation>Zaznacz mecz, by zobaczyć jego graczy.</translation>
    </message>
    <message>
        <source>Players of %1</source>
        <translation>Gracze: %1</translation>
    </message>
    <message>
        <source>%1 minutes, at least %2 must say yes; planned on %3&apos;s clock</source>
        <translation>%1 min, co najmniej %2 musi być na tak; zaplanowany według zegara: %3</translation>
    </message>
    <message>
        <source>⚠ cannot play</source>
        <translation>⚠ nie może</translation>
    </message>
    <message>
        <source>%1&apos;s week or away dates say they cannot play all of this match</source>
        <translation>Według tygodnia lub nieobecności %1 nie może zagrać całego meczu</translation>
    </message>
    <message>
        <source>can play</source>
        <translation>może grać</translation>
    </message>
    <message>
        <source>Delete the match &quot;%1&quot; of %2 with its answers and attendance?</source>
        <translation>Usunąć mecz „%1” z dnia %2 razem z odpowiedziami i obecnością?</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Błąd wyboru</translation>
    </message>
    <message>
        <source>You must first highlight a player!</source>
        <translation>Najpierw zaznacz gracza!</translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Odwołany. %1</translation>
    </message>
    <message>
        <source>Started: answers are closed, attendance can be taken. %1</source>
        <translation>Rozpoczęty: odpowiedzi zamknięte, można sprawdzić obecność. %1</translation>
    </message>
    <message>
        <source>%1 (required)</source>
        <translation>%1 (wymagany)</translation>
    </message>
</context>
<context>
    <name>MemberChange</name>
    <message>
        <source>Away %1</source>
        <translation>Nieobecność %1</translation>
    </message>
</context>
<context>
    <name>MemberChangeStore</name>
    <message>
        <source>&quot;%1&quot; is not a date (MM/DD/YYYY).</source>
        <translation>„%1” to nie jest data (MM/DD/RRRR).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day (HH:MM AM/PM or 24-hour HH:MM).</source>
        <translation>„%1” to nie jest godzina (GG:MM AM/PM albo 24-godzinne GG:MM).</translation>
    </message>
    <message>
        <source>The first date must be filled!</source>
        <translation>Pierwszy dzień musi być wypełniony!</translation>
    </message>
    <message>
        <source>The last date must be filled!</source>
        <translation>Ostatni dzień musi być wypełniony!</translation>
    </message>
    <message>
        <source>The last date must not be before the first.</source>
        <translation>Ostatni dzień nie może być wcześniejszy niż pierwszy.</translation>
    </message>
    <message>
        <source>Slot %1 needs both a start and an end.</source>
        <translation>Przedział %1 wymaga zarówno początku, jak i końca.</translation>
    </message>
    <message>
        <source>Ending time must be greater than starting time!</source>
        <translation>Godzina końca musi być późniejsza niż godzina początku!</translation>
    </message>
    <message>
        <source>Type the times played on those dates, or choose Away.</source>
        <translation>Wpisz godziny gry w te dni albo wybierz Nieobecny.</translation>
    </message>
    <message>
        <source>The note may hold at most %1 characters.</source>
        <translation>Notatka może mieć najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>That change was removed in the meantime; nothing was saved.</source>
        <translation>Ta zmiana została w międzyczasie usunięta; nic nie zapisano.</translation>
    </message>
    <message>
        <source>These dates overlap another change: %1.</source>
        <translation>Te daty nakładają się na inną zmianę: %1.</translation>
    </message>
    <message>
        <source>That change was removed in the meantime.</source>
        <translation>Ta zmiana została w międzyczasie usunięta.</translation>
    </message>
</context>
<context>
    <name>MemberFormCheck</name>
    <message>
        <source>You must enter in a Player Name!</source>
        <translation>Musisz wpisać nick!</translation>
    </message>
    <message>
        <source>You must place member in a Division!</source>
        <translation>Musisz przypisać członka do dywizji!</translation>
    </message>
    <message>
        <source>For proper scheduling, you must put in the member&apos;s Time Zone!</source>
        <translation>Aby planowanie działało poprawnie, musisz podać strefę czasową członka!</translation>
    </message>
    <message>
        <source>You must have the first Time Slots filled if this day is checked!</source>
        <translation>Jeśli ten dzień jest zaznaczony, musisz wypełnić pierwszy przedział!</translation>
    </message>
    <message>
        <source>This field must be in a valid time format!  HH:MM AM/PM</source>
        <translation>To pole wymaga poprawnej godziny!  GG:MM</translation>
    </message>
    <message>
        <source>Ending time must be greater than starting time!</source>
        <translation>Godzina końca musi być późniejsza niż godzina początku!</translation>
    </message>
    <message>
        <source>You must fill in both times of the second Time Slot, or leave both empty!</source>
        <translation>Musisz wypełnić obie godziny drugiego przedziału albo zostawić obie puste!</translation>
    </message>
</context>
<context>
    <name>MemberFormTab</name>
    <message>
        <source>Player Name</source>
        <translation>Nick</translation>
    </message>
    <message>
        <source>Clan / Division</source>
        <translation>Klan / dywizja</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktywny</translation>
    </message>
    <message>
        <source>Actual First Name</source>
        <translation>Prawdziwe imię</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Nazwisko</translation>
    </message>
    <message>
        <source>Default EMail</source>
        <translation>Główny e-mail</translation>
    </message>
    <message>
        <source>Secondary Email</source>
        <translation>Drugi e-mail</translation>
    </message>
    <message>
        <source>Other Contact Info</source>
        <translation>Inny kontakt</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Strefa czasowa</translation>
    </message>
    <message>
        <source>Member Notes</source>
        <translation>Notatki o członku</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Wyczyść pola</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Away / Changes…</source>
        <translation>Nieobecność / zmiany…</translation>
    </message>
    <message>
        <source>Playing Schedules</source>
        <translation>Godziny gry</translation>
    </message>
    <message>
        <source>Zone of the times</source>
        <translation>Strefa godzin</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Save the member first: dates away and one-off changes belong to a member in the roster. To enter them for a member, choose Edit Member on Members Info.</source>
        <translation>Najpierw zapisz członka: nieobecności i jednorazowe zmiany należą do członka w składzie. Aby je wpisać, wybierz Edytuj członka w zakładce Członkowie.</translation>
    </message>
    <message>
        <source>Dates the member is away, or plays other times than the week below</source>
        <translation>Dni, w które członek jest nieobecny albo gra w innych godzinach niż w tygodniu poniżej</translation>
    </message>
    <message>
        <source>Times Not Saved</source>
        <translation>Godziny nie zapisane</translation>
    </message>
    <message>
        <source>The times typed for %1 are not saved while the day&apos;s Plays box is not ticked. Save without them?</source>
        <translation>Godziny wpisane dla dnia %1 nie zostaną zapisane, dopóki pole „Gra” nie jest zaznaczone. Zapisać bez nich?</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Sobota / niedziela</translation>
    </message>
    <message>
        <source>%1 slot 1 start</source>
        <translation>%1: początek przedziału 1</translation>
    </message>
    <message>
        <source>%1 slot 1 end</source>
        <translation>%1: koniec przedziału 1</translation>
    </message>
    <message>
        <source>%1 slot 2 start</source>
        <translation>%1: początek przedziału 2</translation>
    </message>
    <message>
        <source>%1 slot 2 end</source>
        <translation>%1: koniec przedziału 2</translation>
    </message>
    <message>
        <source>Update %1?</source>
        <translation>Zaktualizować %1?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>Dodać %1?</translation>
    </message>
    <message>
        <source>Playing Schedules - Note:  All times are %1</source>
        <translation>Godziny gry – uwaga: wszystkie godziny w %1</translation>
    </message>
    <message>
        <source>Times in %1</source>
        <translation>Godziny w %1</translation>
    </message>
</context>
<context>
    <name>MemberReads</name>
    <message>
        <source>Active</source>
        <translation>Aktywny</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Nieaktywny</translation>
    </message>
</context>
<context>
    <name>MemberSchedule</name>
    <message>
        <source>The stored slot time &quot;%1&quot; cannot be read.</source>
        <translation>Nie da się odczytać zapisanej godziny przedziału „%1”.</translation>
    </message>
</context>
<context>
    <name>MemberWrites</name>
    <message>
        <source>Make sure that the new Member&apos;s Division is set right, then try to Save again.</source>
        <translation>Sprawdź, czy dywizja nowego członka jest ustawiona poprawnie, i spróbuj ponownie zapisać.</translation>
    </message>
    <message>
        <source>Make sure that the new Member&apos;s Time Zone is set right, then try to Save again.</source>
        <translation>Sprawdź, czy strefa czasowa nowego członka jest ustawiona poprawnie, i spróbuj ponownie zapisać.</translation>
    </message>
</context>
<context>
    <name>MembersInfoTab</name>
    <message>
        <source>Members</source>
        <translation>Członkowie</translation>
    </message>
    <message>
        <source>Single Click to view / Double Click to Edit</source>
        <translation>Kliknij, by zobaczyć / kliknij dwukrotnie, by edytować</translation>
    </message>
    <message>
        <source>Edit Member</source>
        <translation>Edytuj członka</translation>
    </message>
    <message>
        <source>Delete Member</source>
        <translation>Usuń członka</translation>
    </message>
    <message>
        <source>Sign-up Links…</source>
        <translation>Linki zapisu…</translation>
    </message>
    <message>
        <source>Private links with which members keep their own week</source>
        <translation>Prywatne linki, przez które członkowie sami wpisują swój tydzień</translation>
    </message>
    <message>
        <source>Member Info (read only)</source>
        <translation>Dane członka (tylko odczyt)</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Strefa czasowa</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>When the member last saved their own week through a sign-up link</source>
        <translation>Kiedy członek ostatnio zapisał swój tydzień przez link zapisu</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Mecze</translation>
    </message>
    <message>
        <source>Availability this week</source>
        <translation>Dostępność w tym tygodniu</translation>
    </message>
    <message>
        <source>Place mouse over days to display times</source>
        <translation>Najedź myszą na dzień, by zobaczyć godziny</translation>
    </message>
    <message>
        <source>Zone of the times</source>
        <translation>Strefa godzin</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Wt</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Śr</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message>
        <source>Sat/Sun</source>
        <translation>So/Nd</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Sobota / niedziela</translation>
    </message>
    <message>
        <source>No Scheduling Information Present</source>
        <translation>Brak godzin gry</translation>
    </message>
    <message>
        <source>Away and one-off changes, on the member&apos;s clock</source>
        <translation>Nieobecności i jednorazowe zmiany, według zegara członka</translation>
    </message>
    <message>
        <source>Set on Add / Edit Members with Away / Changes…</source>
        <translation>Ustawiane w Edycji członków przyciskiem Nieobecność / zmiany…</translation>
    </message>
    <message>
        <source>Away and one-off changes</source>
        <translation>Nieobecności i jednorazowe zmiany</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Błąd wyboru</translation>
    </message>
    <message>
        <source>You must first highlight a Member!</source>
        <translation>Najpierw zaznacz członka!</translation>
    </message>
    <message>
        <source>Last %1 matches: invited %2 · said yes %3 · came %4 · said yes but did not come %5</source>
        <translation>Ostatnie mecze (%1): zaproszony %2 · na tak %3 · obecność %4 · na tak, ale bez obecności %5</translation>
    </message>
    <message>
        <source>by the member, %1</source>
        <translation>przez członka, %1</translation>
    </message>
    <message>
        <source>Times in %1</source>
        <translation>Godziny w %1</translation>
    </message>
    <message numerus="yes">
        <source>Not invited to any of the last %n matches</source>
        <translation>
            <numerusform>Bez zaproszenia na ostatni mecz</numerusform>
            <numerusform>Bez zaproszenia na żaden z ostatnich %n meczów</numerusform>
            <numerusform>Bez zaproszenia na żaden z ostatnich %n meczów</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Usunąć %1?</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Show in Folder</source>
        <translation>Pokaż w folderze</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Błąd bazy danych</translation>
    </message>
    <message>
        <source>Database Access Error</source>
        <translation>Błąd dostępu do bazy danych</translation>
    </message>
    <message>
        <source>Roster Not Opened</source>
        <translation>Skład nie otwarty</translation>
    </message>
    <message>
        <source>Roster In Use</source>
        <translation>Skład w użyciu</translation>
    </message>
    <message>
        <source>Roster Damaged</source>
        <translation>Skład uszkodzony</translation>
    </message>
    <message>
        <source>Read-Only Roster</source>
        <translation>Skład tylko do odczytu</translation>
    </message>
    <message>
        <source>Recoverable Error</source>
        <translation>Błąd do naprawienia</translation>
    </message>
    <message>
        <source>Record Key Error</source>
        <translation>Błąd klucza rekordu</translation>
    </message>
    <message>
        <source>Time Zone Error</source>
        <translation>Błąd strefy czasowej</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Błąd wyboru</translation>
    </message>
    <message>
        <source>Save/Update Error</source>
        <translation>Błąd zapisu</translation>
    </message>
    <message>
        <source>Data Format Error</source>
        <translation>Błąd formatu danych</translation>
    </message>
    <message>
        <source>Clan Division Not Found</source>
        <translation>Nie znaleziono dywizji</translation>
    </message>
    <message>
        <source>Time Zone Not Found</source>
        <translation>Nie znaleziono strefy czasowej</translation>
    </message>
    <message>
        <source>Schedule Process Error</source>
        <translation>Błąd planowania</translation>
    </message>
    <message>
        <source>Deletion Criteria Not Met</source>
        <translation>Nie można usunąć</translation>
    </message>
    <message>
        <source>Import Aborted</source>
        <translation>Import przerwany</translation>
    </message>
    <message>
        <source>Export Function</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>File Not Saved</source>
        <translation>Plik nie zapisany</translation>
    </message>
    <message>
        <source>Changed by Another Officer</source>
        <translation>Zmienione przez innego oficera</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Utracono połączenie</translation>
    </message>
</context>
<context>
    <name>RecordKey</name>
    <message>
        <source>No new record key could be made.</source>
        <translation>Nie udało się utworzyć nowego klucza rekordu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a record key: a key is 32 hexadecimal digits.</source>
        <translation>„%1” to nie jest klucz rekordu: klucz ma 32 cyfry szesnastkowe.</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>%1 was changed by another officer since you loaded %2; reload to see the change</source>
        <translation>Inny oficer zmienił %1 od czasu wczytania; odśwież, by zobaczyć zmianę</translation>
    </message>
    <message>
        <source>Make sure that the new Member&apos;s Time Zone is set right, then try to Save again.</source>
        <translation>Sprawdź, czy strefa czasowa nowego członka jest ustawiona poprawnie, i spróbuj ponownie zapisać.</translation>
    </message>
    <message>
        <source>Maximum Results field must be a number greater than zero</source>
        <translation>Pole Maks. wyników musi być liczbą większą od zera</translation>
    </message>
    <message>
        <source>Apply DST: yes</source>
        <translation>Stosuj czas letni: tak</translation>
    </message>
    <message>
        <source>Apply DST: no</source>
        <translation>Stosuj czas letni: nie</translation>
    </message>
    <message>
        <source>follows %1: daylight saving today</source>
        <translation>według %1: dziś czas letni</translation>
    </message>
    <message>
        <source>follows %1: no daylight saving today</source>
        <translation>według %1: dziś bez czasu letniego</translation>
    </message>
</context>
<context>
    <name>RosterCopy</name>
    <message>
        <source>The roster %1 already holds rows of its own; a roster is copied only into a new one. Nothing was copied.</source>
        <translation>Skład %1 ma już własne wiersze; skład kopiuje się tylko do nowego. Nic nie skopiowano.</translation>
    </message>
</context>
<context>
    <name>RosterDivisionsZones</name>
    <message>
        <source>Critical dB Programming Error!</source>
        <translation>Krytyczny błąd programu w bazie danych!</translation>
    </message>
    <message>
        <source>You must enter a Division Name</source>
        <translation>Musisz wpisać nazwę dywizji</translation>
    </message>
    <message>
        <source>%1 is your own time zone, set in Options. Choose another time zone there before deleting this one.</source>
        <translation>%1 to twoja strefa czasowa, ustawiona w Opcjach. Zanim ją usuniesz, wybierz tam inną strefę czasową.</translation>
    </message>
</context>
<context>
    <name>RosterError</name>
    <message>
        <source>The roster database reported an error:
%1</source>
        <translation>Baza danych składu zgłosiła błąd:
%1</translation>
    </message>
    <message>
        <source>Unrecoverable Data Error.  Number %1</source>
        <translation>Błąd danych nie do naprawienia.  Numer %1</translation>
    </message>
</context>
<context>
    <name>RosterExchange</name>
    <message>
        <source>You must make selection(s) from the list first!</source>
        <translation>Najpierw zaznacz coś na liście!</translation>
    </message>
</context>
<context>
    <name>RosterExport</name>
    <message>
        <source>Critical dB Programming Error!</source>
        <translation>Krytyczny błąd programu w bazie danych!</translation>
    </message>
    <message>
        <source>The Times row %1 holds &quot;%2&quot;, which is not a time.</source>
        <translation>Wiersz Times %1 zawiera „%2”, co nie jest godziną.</translation>
    </message>
    <message>
        <source>The division 0x%1 is not in the roster.</source>
        <translation>Dywizji 0x%1 nie ma w składzie.</translation>
    </message>
    <message>
        <source>The Times row 0x%1 of player %2 is not in the roster.</source>
        <translation>Wiersza Times 0x%1 gracza %2 nie ma w składzie.</translation>
    </message>
    <message>
        <source>The time zone %1 of player %2 is not in the roster.</source>
        <translation>Strefy czasowej %1 gracza %2 nie ma w składzie.</translation>
    </message>
    <message>
        <source>The Export File could not be written.</source>
        <translation>Nie udało się zapisać pliku eksportu.</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>Changes need a login with the right to add, change and delete the roster&apos;s rows.</source>
        <translation>Zmiany wymagają logowania z prawem do dodawania, zmieniania i usuwania wierszy składu.</translation>
    </message>
    <message>
        <source>The roster file %1 is open in another Tallyhold window.</source>
        <translation>Plik składu %1 jest otwarty w innym oknie Tallyhold.</translation>
    </message>
    <message>
        <source>The file or its folder is read-only.</source>
        <translation>Plik lub jego folder jest tylko do odczytu.</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>the member&apos;s division 0x%1 is neither in the file nor in this roster.</source>
        <translation>dywizji członka 0x%1 nie ma ani w pliku, ani w tym składzie.</translation>
    </message>
    <message>
        <source>the schedule&apos;s member 0x%1 is neither in the file nor in this roster.</source>
        <translation>członka 0x%1 z godzin gry nie ma ani w pliku, ani w tym składzie.</translation>
    </message>
    <message>
        <source>the times 0x%1 are neither in the file nor in this roster.</source>
        <translation>godzin 0x%1 nie ma ani w pliku, ani w tym składzie.</translation>
    </message>
    <message>
        <source>the times 0x%1 belong to a schedule of this roster.</source>
        <translation>godziny 0x%1 należą do godzin gry z tego składu.</translation>
    </message>
    <message>
        <source>the change 0x%1 belongs to another member of this roster.</source>
        <translation>zmiana 0x%1 należy do innego członka tego składu.</translation>
    </message>
    <message>
        <source>Divisions added: %1, already present: %2
Members added: %3, already present: %4
Time zones added: %5, matched to existing zones: %6</source>
        <translation>Dodane dywizje: %1, już istniejące: %2
Dodani członkowie: %3, już istniejący: %4
Dodane strefy czasowe: %5, dopasowane do istniejących: %6</translation>
    </message>
    <message>
        <source>
The file was written by an older version of Tallyhold and could not be checked for completeness.</source>
        <translation>
Plik został zapisany przez starszą wersję Tallyhold i nie dało się sprawdzić, czy jest kompletny.</translation>
    </message>
    <message>
        <source>
Lines skipped because they hold no record: %1</source>
        <translation>
Pominięte wiersze bez rekordów: %1</translation>
    </message>
    <message>
        <source>
The roster as it was before the import is saved in %1</source>
        <translation>
Skład sprzed importu zapisano w %1</translation>
    </message>
</context>
<context>
    <name>RosterInvitations</name>
    <message>
        <source>This link is no longer valid</source>
        <translation>Ten link jest już nieważny</translation>
    </message>
</context>
<context>
    <name>RosterLocation</name>
    <message>
        <source>The roster file (default: ClanRoster.mdb here), or a shared roster&apos;s address postgresql://user@host[:port]/dbname.</source>
        <translation>Plik składu (domyślnie: ClanRoster.mdb w bieżącym folderze) lub adres wspólnego składu postgresql://user@host[:port]/dbname.</translation>
    </message>
    <message>
        <source>Use ClanRoster.mdb in your data directory (%1), as the menu entry does.</source>
        <translation>Użyj ClanRoster.mdb z twojego folderu danych (%1), tak jak pozycja w menu.</translation>
    </message>
    <message>
        <source>There is no roster file %1; tallyhold-cli %2 init makes a new one.</source>
        <translation>Nie ma pliku składu %1; tallyhold-cli %2 init tworzy nowy.</translation>
    </message>
</context>
<context>
    <name>RosterMatches</name>
    <message>
        <source>That match was deleted in the meantime.</source>
        <translation>Ten mecz został w międzyczasie usunięty.</translation>
    </message>
    <message>
        <source>That member is not invited to &quot;%1&quot;.</source>
        <translation>Ten członek nie jest zaproszony na „%1”.</translation>
    </message>
    <message>
        <source>Give the match&apos;s date and time.</source>
        <translation>Podaj datę i godzinę meczu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date and time.</source>
        <translation>„%1” to nie jest poprawna data i godzina.</translation>
    </message>
    <message>
        <source>%1 does not happen on your clock: it is skipped when the clocks go forward.</source>
        <translation>Godziny %1 nie ma na twoim zegarze: zegary przeskakują ją przy zmianie czasu na letni.</translation>
    </message>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440.</source>
        <translation>Długość meczu musi być całkowitą liczbą minut od 15 do 1440.</translation>
    </message>
    <message>
        <source>The title may hold at most %1 characters.</source>
        <translation>Tytuł może mieć najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>The notes may hold at most %1 characters.</source>
        <translation>Notatki mogą mieć najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Musisz wybrać członków z listy!</translation>
    </message>
    <message>
        <source>Minimum players must be a whole number from 1 on.</source>
        <translation>Pole Min. graczy musi być liczbą całkowitą od 1 wzwyż.</translation>
    </message>
    <message>
        <source>The minimum of %1 players is more than the %2 invited.</source>
        <translation>Minimum %1 graczy to więcej niż liczba zaproszonych (%2).</translation>
    </message>
    <message>
        <source>%1 yes</source>
        <translation>tak: %1</translation>
    </message>
    <message>
        <source>%1 maybe</source>
        <translation>może: %1</translation>
    </message>
    <message>
        <source>%1 late</source>
        <translation>spóźni się: %1</translation>
    </message>
    <message>
        <source>%1 no</source>
        <translation>nie: %1</translation>
    </message>
    <message>
        <source>%1 no answer</source>
        <translation>brak odpowiedzi: %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>odwołany</translation>
    </message>
    <message>
        <source>minimum %1 not met</source>
        <translation>poniżej minimum %1</translation>
    </message>
    <message>
        <source>%1 required not in</source>
        <translation>brak wymaganych: %1</translation>
    </message>
    <message>
        <source>The note may hold at most %1 characters.</source>
        <translation>Notatka może mieć najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was cancelled; it cannot be answered.</source>
        <translation>„%1” został odwołany; nie można na niego odpowiedzieć.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has started; it cannot be answered any more.</source>
        <translation>„%1” już się zaczął; nie można już na niego odpowiedzieć.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was cancelled; there is no attendance to take.</source>
        <translation>„%1” został odwołany; nie ma obecności do sprawdzenia.</translation>
    </message>
    <message>
        <source>Attendance can be taken once &quot;%1&quot; has started.</source>
        <translation>Obecność można sprawdzić, gdy „%1” się zacznie.</translation>
    </message>
    <message>
        <source>Everyone has answered for %1 &lt;t:%2:F&gt;.</source>
        <translation>Wszyscy odpowiedzieli na %1 &lt;t:%2:F&gt;.</translation>
    </message>
    <message>
        <source>%1 &lt;t:%2:F&gt; (&lt;t:%2:R&gt;): %3, please answer yes, maybe, late or no.</source>
        <translation>%1 &lt;t:%2:F&gt; (&lt;t:%2:R&gt;): %3, prosimy o odpowiedź: tak, może, spóźnię się albo nie.</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Przypomnienie: %1</translation>
    </message>
    <message>
        <source>%1 starts %2 (%3 minutes).<byte value="xd"/>
Please answer yes, maybe, late or no.</source>
        <translation>%1 zaczyna się %2 (%3 min).<byte value="xd"/>
Prosimy o odpowiedź: tak, może, spóźnię się albo nie.</translation>
    </message>
    <message>
        <source>The calendar could not be saved to %1.</source>
        <translation>Nie udało się zapisać kalendarza w %1.</translation>
    </message>
    <message>
        <source>Count at least one match.</source>
        <translation>Licz co najmniej jeden mecz.</translation>
    </message>
</context>
<context>
    <name>RosterMembers</name>
    <message>
        <source>That change was removed in the meantime.</source>
        <translation>Ta zmiana została w międzyczasie usunięta.</translation>
    </message>
</context>
<context>
    <name>RosterScheduling</name>
    <message>
        <source>Match Date must be filled!</source>
        <translation>Pole Data musi być wypełnione!</translation>
    </message>
    <message>
        <source>Match Time must be filled!</source>
        <translation>Pole Godzina musi być wypełnione!</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Musisz wybrać członków z listy!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date (MM/DD/YYYY).</source>
        <translation>„%1” to nie jest data (MM/DD/RRRR).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date and time.</source>
        <translation>„%1” to nie jest poprawna data i godzina.</translation>
    </message>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440.</source>
        <translation>Długość meczu musi być całkowitą liczbą minut od 15 do 1440.</translation>
    </message>
</context>
<context>
    <name>RosterSchema</name>
    <message>
        <source>it was written by a newer version of Tallyhold (roster version %1; this version reads rosters up to version %2).</source>
        <translation>został zapisany przez nowszą wersję Tallyhold (wersja składu %1; ta wersja czyta składy do wersji %2).</translation>
    </message>
    <message>
        <source>it has no table %1.</source>
        <translation>nie ma w nim tabeli %1.</translation>
    </message>
    <message>
        <source>its table %1 has no column %2.</source>
        <translation>w jego tabeli %1 nie ma kolumny %2.</translation>
    </message>
</context>
<context>
    <name>RosterServer</name>
    <message>
        <source>The shared roster %1 cannot be used: %2

Nothing has been changed.</source>
        <translation>Nie można użyć wspólnego składu %1: %2

Nic nie zostało zmienione.</translation>
    </message>
    <message>
        <source>Your login may view and schedule the shared roster %1 but may not change it.</source>
        <translation>Twój login pozwala przeglądać wspólny skład %1 i planować w nim mecze, ale nie zmieniać go.</translation>
    </message>
    <message>
        <source>The connection to the shared roster %1 was lost; nothing of the last command was saved. Try it again once the server can be reached.</source>
        <translation>Utracono połączenie ze wspólnym składem %1; nic z ostatniego polecenia nie zostało zapisane. Spróbuj ponownie, gdy serwer będzie osiągalny.</translation>
    </message>
    <message>
        <source>the address does not name a database (postgresql://user@host/dbname).</source>
        <translation>adres nie wskazuje bazy danych (postgresql://user@host/dbname).</translation>
    </message>
    <message>
        <source>the address holds a password. Keep it in ~/.pgpass or PGPASSWORD instead, so it is never stored with the address.</source>
        <translation>adres zawiera hasło. Trzymaj je zamiast tego w ~/.pgpass lub PGPASSWORD, żeby nigdy nie było zapisywane razem z adresem.</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (Debian package libqt6sql6-psql).</source>
        <translation>nie ma zainstalowanego sterownika PostgreSQL dla Qt (pakiet Debiana libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The shared roster %1 needs the login&apos;s password.</source>
        <translation>Wspólny skład %1 wymaga hasła do tego loginu.</translation>
    </message>
    <message>
        <source>the server cannot be reached or refused the login.</source>
        <translation>serwer jest nieosiągalny albo odrzucił logowanie.</translation>
    </message>
    <message>
        <source>the database holds no roster yet.</source>
        <translation>baza danych nie zawiera jeszcze składu.</translation>
    </message>
    <message>
        <source>the database holds no roster, and one could not be made in it.</source>
        <translation>baza danych nie zawiera składu i nie udało się go w niej utworzyć.</translation>
    </message>
    <message>
        <source>the database is not a Tallyhold roster: %1</source>
        <translation>baza danych nie jest składem Tallyhold: %1</translation>
    </message>
    <message>
        <source>it could not be brought up to this version of Tallyhold.</source>
        <translation>nie udało się go dostosować do tej wersji Tallyhold.</translation>
    </message>
</context>
<context>
    <name>RosterTexts</name>
    <message>
        <source>Mon</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Wt</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Śr</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Nd</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s) - %1 - %2</source>
        <translation>
            <numerusform>%n członek - %1 - %2</numerusform>
            <numerusform>%n członków - %1 - %2</numerusform>
            <numerusform>%n członków - %1 - %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - %2 min</source>
        <translation>%1 - %2 min</translation>
    </message>
    <message>
        <source>Time zones not found: %1</source>
        <translation>Nie znaleziono stref czasowych: %1</translation>
    </message>
</context>
<context>
    <name>SchedulingTab</name>
    <message>
        <source>Select Member(s)</source>
        <translation>Wybierz członków</translation>
    </message>
    <message>
        <source>Who can make the match</source>
        <translation>Kto może zagrać mecz</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Show Available</source>
        <translation>Pokaż dostępnych</translation>
    </message>
    <message>
        <source>Available members</source>
        <translation>Dostępni członkowie</translation>
    </message>
    <message>
        <source>Best Times for Matches</source>
        <translation>Najlepsze terminy meczów</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Tydzień od</translation>
    </message>
    <message>
        <source>Best times and the week count the seven days from this date, clock changes included</source>
        <translation>Najlepsze terminy i tydzień liczą siedem dni od tej daty, wliczając zmiany czasu</translation>
    </message>
    <message>
        <source>Show Best Times</source>
        <translation>Pokaż najlepsze terminy</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Najlepsze terminy</translation>
    </message>
    <message>
        <source>Double click on a time and show who!</source>
        <translation>Kliknij dwukrotnie godzinę, by zobaczyć kto!</translation>
    </message>
    <message>
        <source>Announce…</source>
        <translation>Ogłoś…</translation>
    </message>
    <message>
        <source>Tell the chosen members when the match is, each in their own time</source>
        <translation>Powiedz wybranym członkom, kiedy jest mecz, każdemu w jego czasie</translation>
    </message>
    <message>
        <source>Plan Match…</source>
        <translation>Zaplanuj mecz…</translation>
    </message>
    <message>
        <source>Invite the chosen members to a match at this time and collect their answers on the Matches tab</source>
        <translation>Zaproś wybranych członków na mecz o tej godzinie i zbieraj ich odpowiedzi w zakładce Mecze</translation>
    </message>
    <message>
        <source>Match plan</source>
        <translation>Plan meczu</translation>
    </message>
    <message>
        <source>Match length</source>
        <translation>Długość meczu</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440; empty or 1 for a single moment</source>
        <translation>Minuty, od 15 do 1440; puste lub 1 dla jednej chwili</translation>
    </message>
    <message>
        <source>Minimum players</source>
        <translation>Min. graczy</translation>
    </message>
    <message>
        <source>How many must be able to play at least</source>
        <translation>Ilu co najmniej musi móc grać</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Wymagany</translation>
    </message>
    <message>
        <source>Mark or unmark the highlighted members as required</source>
        <translation>Oznacz lub odznacz zaznaczonych członków jako wymaganych</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Tydzień</translation>
    </message>
    <message>
        <source>Nobody required</source>
        <translation>Nikt nie jest wymagany</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Musisz wybrać członków z listy!</translation>
    </message>
    <message>
        <source>Select members to see their week.</source>
        <translation>Wybierz członków, by zobaczyć ich tydzień.</translation>
    </message>
    <message>
        <source>Required: %1</source>
        <translation>Wymagani: %1</translation>
    </message>
</context>
<context>
    <name>SignupPage</name>
    <message>
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Sobota / niedziela</translation>
    </message>
    <message>
        <source>slot 1 start</source>
        <translation>początek przedziału 1</translation>
    </message>
    <message>
        <source>slot 1 end</source>
        <translation>koniec przedziału 1</translation>
    </message>
    <message>
        <source>slot 2 start</source>
        <translation>początek przedziału 2</translation>
    </message>
    <message>
        <source>slot 2 end</source>
        <translation>koniec przedziału 2</translation>
    </message>
    <message>
        <source>Away dates and one-off changes</source>
        <translation>Nieobecności i jednorazowe zmiany</translation>
    </message>
    <message>
        <source>Dates you cannot play, or play other times than your week, in your own time zone. Add keeps each at once; Save above keeps only your week.</source>
        <translation>Dni, w które nie możesz grać albo grasz w innych godzinach niż w swoim tygodniu, w twojej strefie czasowej. Dodaj zapisuje każdy wpis od razu; Zapisz powyżej zapisuje tylko twój tydzień.</translation>
    </message>
    <message>
        <source>Added.</source>
        <translation>Dodano.</translation>
    </message>
    <message>
        <source>Removed.</source>
        <translation>Usunięto.</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Brak.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Usuń %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Add a change</source>
        <translation>Dodaj zmianę</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Pierwszy dzień</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Ostatni dzień</translation>
    </message>
    <message>
        <source>Leave the last date empty for one day.</source>
        <translation>Zostaw ostatni dzień pusty, jeśli to jeden dzień.</translation>
    </message>
    <message>
        <source>On those dates</source>
        <translation>W te dni</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Nieobecny</translation>
    </message>
    <message>
        <source>These times instead</source>
        <translation>Zamiast tego te godziny</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>and from</source>
        <translation>i od</translation>
    </message>
    <message>
        <source>Instead %1</source>
        <translation>Zamiast tego %1</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>holiday, exams</source>
        <translation>urlop, egzaminy</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 godzina</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n godzina</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 godz. %2 min</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation>Może</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>Spóźnię się</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n said yes</source>
        <translation>
            <numerusform>Na tak: %1 z %n</numerusform>
            <numerusform>Na tak: %1 z %n</numerusform>
            <numerusform>Na tak: %1 z %n</numerusform>
        </translation>
    </message>
    <message>
        <source>This match was cancelled. It can no longer be answered.</source>
        <translation>Ten mecz został odwołany. Nie można już na niego odpowiedzieć.</translation>
    </message>
    <message>
        <source>This match has started. It can no longer be answered.</source>
        <translation>Ten mecz już się zaczął. Nie można już na niego odpowiedzieć.</translation>
    </message>
    <message>
        <source>You have not answered yet.</source>
        <translation>Jeszcze nie ma twojej odpowiedzi.</translation>
    </message>
    <message>
        <source>Your answer: %1</source>
        <translation>Twoja odpowiedź: %1</translation>
    </message>
    <message>
        <source>Answer saved.</source>
        <translation>Odpowiedź zapisana.</translation>
    </message>
    <message>
        <source>Note for the leader (optional; sent with the answer you pick)</source>
        <translation>Notatka dla lidera (opcjonalna; wysyłana z wybraną odpowiedzią)</translation>
    </message>
    <message>
        <source>Answer for %1</source>
        <translation>Odpowiedź na %1</translation>
    </message>
    <message>
        <source>Your matches</source>
        <translation>Twoje mecze</translation>
    </message>
    <message>
        <source>Times in your time zone (%1).</source>
        <translation>Godziny w twojej strefie czasowej (%1).</translation>
    </message>
    <message>
        <source>Times in the leader&apos;s time zone (%1) until you choose yours above.</source>
        <translation>Godziny w strefie czasowej lidera (%1), dopóki nie wybierzesz swojej powyżej.</translation>
    </message>
    <message>
        <source>No matches planned for you.</source>
        <translation>Nie masz zaplanowanych meczów.</translation>
    </message>
    <message>
        <source>In your calendar</source>
        <translation>W twoim kalendarzu</translation>
    </message>
    <message>
        <source>Subscribe once and your calendar app keeps your matches and their changes. Like this page&apos;s link, the address is yours alone.</source>
        <translation>Zasubskrybuj raz, a twoja aplikacja kalendarza będzie mieć twoje mecze i ich zmiany. Tak jak link tej strony, ten adres jest tylko twój.</translation>
    </message>
    <message>
        <source>Subscribe to your matches</source>
        <translation>Subskrybuj swoje mecze</translation>
    </message>
    <message>
        <source>Or add this address to your calendar (Google Calendar: Other calendars, From URL)</source>
        <translation>Albo dodaj ten adres do swojego kalendarza (Kalendarz Google: Inne kalendarze, Z adresu URL)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Your week - Tallyhold</source>
        <translation>Twój tydzień - Tallyhold</translation>
    </message>
    <message>
        <source>Your week</source>
        <translation>Twój tydzień</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nick</translation>
    </message>
    <message>
        <source>Clan / Division</source>
        <translation>Klan / dywizja</translation>
    </message>
    <message>
        <source>A match waits for your answer</source>
        <translation>Mecz czeka na twoją odpowiedź</translation>
    </message>
    <message numerus="yes">
        <source>%n matches wait for your answer</source>
        <translation>
            <numerusform>%n mecz czeka na twoją odpowiedź</numerusform>
            <numerusform>%n mecze czekają na twoją odpowiedź</numerusform>
            <numerusform>%n meczów czeka na twoją odpowiedź</numerusform>
        </translation>
    </message>
    <message>
        <source>Your matches (%1)</source>
        <translation>Twoje mecze (%1)</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Zapisano.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Strefa czasowa</translation>
    </message>
    <message>
        <source>Type or pick the times in your own time zone. Each day takes one or two times you can play; leave the second empty if you need only one.</source>
        <translation>Wpisz lub wybierz godziny w swojej strefie czasowej. Każdy dzień przyjmuje jeden lub dwa przedziały, w których możesz grać; zostaw drugi pusty, jeśli wystarczy ci jeden.</translation>
    </message>
    <message>
        <source>Saved, in the leader&apos;s time (%1): %2</source>
        <translation>Zapisano, w czasie lidera (%1): %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Last saved by you: %1 GMT</source>
        <translation>Ostatnio zapisane przez ciebie: %1 GMT</translation>
    </message>
</context>
<context>
    <name>SignupServer</name>
    <message>
        <source>Too many tries</source>
        <translation>Za dużo prób</translation>
    </message>
    <message>
        <source>Wait a few minutes, then open your link again.</source>
        <translation>Poczekaj kilka minut, potem otwórz swój link ponownie.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nie znaleziono</translation>
    </message>
    <message>
        <source>Too large</source>
        <translation>Za duże</translation>
    </message>
    <message>
        <source>Not understood</source>
        <translation>Nie zrozumiano</translation>
    </message>
    <message>
        <source>Open the link you were given.</source>
        <translation>Otwórz link, który ci wysłano.</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nie zapisano</translation>
    </message>
    <message>
        <source>The roster cannot be reached just now. Nothing was changed; try again later.</source>
        <translation>Skład jest teraz niedostępny. Nic nie zmieniono; spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>This link is no longer valid</source>
        <translation>Ten link jest już nieważny</translation>
    </message>
    <message>
        <source>Ask your clan leader for a new link.</source>
        <translation>Poproś lidera klanu o nowy link.</translation>
    </message>
    <message>
        <source>This page is out of date. Open your link again and save again.</source>
        <translation>Ta strona jest nieaktualna. Otwórz swój link ponownie i zapisz jeszcze raz.</translation>
    </message>
</context>
<context>
    <name>TimeEntryField</name>
    <message>
        <source>Data Format Error</source>
        <translation>Błąd formatu danych</translation>
    </message>
    <message>
        <source>This field must be in a valid date format!  MM/DD/YYYY</source>
        <translation>To pole wymaga poprawnej daty!  MM/DD/RRRR</translation>
    </message>
    <message>
        <source>This field must be in a valid time format!  HH:MM AM/PM</source>
        <translation>To pole wymaga poprawnej godziny!  GG:MM</translation>
    </message>
</context>
<context>
    <name>WeekAvailability</name>
    <message>
        <source>No time suits all required players</source>
        <translation>Żadna godzina nie pasuje wszystkim wymaganym graczom</translation>
    </message>
    <message>
        <source>No time suits all required players for %1 minutes</source>
        <translation>Żadna godzina nie pasuje wszystkim wymaganym graczom na %1 min</translation>
    </message>
    <message>
        <source>No time suits any player</source>
        <translation>Żadna godzina nie pasuje żadnemu graczowi</translation>
    </message>
    <message>
        <source>No time suits any player for %1 minutes</source>
        <translation>Żadna godzina nie pasuje żadnemu graczowi na %1 min</translation>
    </message>
    <message>
        <source>No time suits at least %1 players</source>
        <translation>Żadna godzina nie pasuje co najmniej %1 graczom</translation>
    </message>
    <message>
        <source>No time suits at least %1 players for %2 minutes</source>
        <translation>Żadna godzina nie pasuje co najmniej %1 graczom na %2 min</translation>
    </message>
    <message>
        <source>No time suits all required and at least %1 players</source>
        <translation>Żadna godzina nie pasuje wszystkim wymaganym i co najmniej %1 graczom</translation>
    </message>
    <message>
        <source>No time suits all required and at least %1 players for %2 minutes</source>
        <translation>Żadna godzina nie pasuje wszystkim wymaganym i co najmniej %1 graczom na %2 min</translation>
    </message>
    <message>
        <source>Your clock skips that time that day: the clocks go forward</source>
        <translation>Tego dnia twój zegar przeskakuje tę godzinę: zmiana czasu na letni</translation>
    </message>
    <message>
        <source>Not all required players can play from then</source>
        <translation>Nie wszyscy wymagani gracze mogą grać od tej godziny</translation>
    </message>
    <message>
        <source>Not all required players can play for %1 minutes from then</source>
        <translation>Nie wszyscy wymagani gracze mogą grać przez %1 min od tej godziny</translation>
    </message>
    <message>
        <source>Fewer than %1 players can play from then</source>
        <translation>Mniej niż %1 graczy może grać od tej godziny</translation>
    </message>
    <message>
        <source>Fewer than %1 players can play for %2 minutes from then</source>
        <translation>Mniej niż %1 graczy może grać przez %2 min od tej godziny</translation>
    </message>
</context>
<context>
    <name>WeekHeatmap</name>
    <message>
        <source>Week heatmap</source>
        <translation>Mapa tygodnia</translation>
    </message>
    <message>
        <source>Click a time and show who!</source>
        <translation>Kliknij godzinę, by zobaczyć kto!</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>plan not met</source>
        <translation>plan niespełniony</translation>
    </message>
    <message>
        <source>Select members to see their week.</source>
        <translation>Wybierz członków, by zobaczyć ich tydzień.</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 gracz</translation>
    </message>
    <message>
        <source>%1 %2: %3 of %4</source>
        <translation>%1 %2: %3 z %4</translation>
    </message>
    <message>
        <source>, plan not met</source>
        <translation>, plan niespełniony</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Wt</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Śr</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Nd</translation>
    </message>
    <message numerus="yes">
        <source>%n players</source>
        <translation>
            <numerusform>%n gracz</numerusform>
            <numerusform>%n graczy</numerusform>
            <numerusform>%n graczy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Darker: more of the %n players can play. Click a time to see who.</source>
        <translation>
            <numerusform>Ciemniej: więcej graczy może grać (z %n). Kliknij godzinę, by zobaczyć kto.</numerusform>
            <numerusform>Ciemniej: więcej graczy może grać (z %n). Kliknij godzinę, by zobaczyć kto.</numerusform>
            <numerusform>Ciemniej: więcej graczy może grać (z %n). Kliknij godzinę, by zobaczyć kto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> i jeszcze %n</numerusform>
            <numerusform> i jeszcze %n</numerusform>
            <numerusform> i jeszcze %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ZoneStore</name>
    <message>
        <source>The time zone was not added.</source>
        <translation>Strefa czasowa nie została dodana.</translation>
    </message>
    <message>
        <source>The file&apos;s time zone %1 could not be added, so nothing was imported.</source>
        <translation>Nie udało się dodać strefy czasowej %1 z pliku, więc nic nie zaimportowano.</translation>
    </message>
    <message>
        <source>No zone key is left: the greatest zone key is already %1. %2</source>
        <translation>Nie ma już wolnego klucza strefy: największy klucz strefy to już %1. %2</translation>
    </message>
    <message>
        <source>The following Members are located in this Time Zone: 
%1You will need to remove/update these members before this Time Zone can be deleted!</source>
        <translation>W tej strefie czasowej są następujący członkowie: 
%1Zanim usuniesz tę strefę czasową, musisz usunąć tych członków albo zmienić im strefę!</translation>
    </message>
    <message>
        <source>Time Zone Name must be non blank!</source>
        <translation>Pole Nazwa strefy nie może być puste!</translation>
    </message>
    <message>
        <source>%1 is not a real time zone known to this computer (such as America/New_York).</source>
        <translation>%1 nie jest prawdziwą strefą czasową znaną temu komputerowi (np. America/New_York).</translation>
    </message>
    <message>
        <source>GMT Offset must be numeric!</source>
        <translation>Przesunięcie GMT musi być liczbą!</translation>
    </message>
</context>
<context>
    <name>cTimeFuncs</name>
    <message>
        <source>The time zone %1 has no usable GMT offset (&quot;%2&quot;).</source>
        <translation>Strefa czasowa %1 nie ma użytecznego przesunięcia GMT („%2”).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid time.</source>
        <translation>„%1” to nie jest poprawna godzina.</translation>
    </message>
</context>
<context>
    <name>frmAnnounce</name>
    <message>
        <source>Announce Match</source>
        <translation>Ogłoś mecz</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440</source>
        <translation>Minuty, od 15 do 1440</translation>
    </message>
    <message>
        <source>Announcement</source>
        <translation>Ogłoszenie</translation>
    </message>
    <message>
        <source>Edit the text before copying or sending it</source>
        <translation>Popraw tekst przed skopiowaniem lub wysłaniem</translation>
    </message>
    <message>
        <source>Copy text</source>
        <translation>Kopiuj tekst</translation>
    </message>
    <message>
        <source>Copy Discord line</source>
        <translation>Kopiuj linię Discorda</translation>
    </message>
    <message>
        <source>Discord shows the start in each reader&apos;s own time</source>
        <translation>Discord pokazuje początek każdemu czytelnikowi w jego czasie</translation>
    </message>
    <message>
        <source>Save invitation…</source>
        <translation>Zapisz zaproszenie…</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>A message to those who can play, in your mail program</source>
        <translation>Wiadomość do tych, którzy mogą grać, w twoim programie pocztowym</translation>
    </message>
    <message>
        <source>Length (minutes)</source>
        <translation>Długość (minuty)</translation>
    </message>
    <message>
        <source>Save Invitation</source>
        <translation>Zapisz zaproszenie</translation>
    </message>
    <message>
        <source>Calendar invitation (*.ics)|*.ics</source>
        <translation>Zaproszenie do kalendarza (*.ics)|*.ics</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 już istnieje. Zastąpić?</translation>
    </message>
    <message>
        <source>None of the members who can play has an e-mail address.</source>
        <translation>Żaden z członków, którzy mogą grać, nie ma adresu e-mail.</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Nie udało się otworzyć programu pocztowego dla tej wiadomości.</translation>
    </message>
    <message>
        <source>No e-mail (left out of the invitation): %1</source>
        <translation>Bez e-maila (pominięci w zaproszeniu): %1</translation>
    </message>
</context>
<context>
    <name>frmAttendance</name>
    <message>
        <source>Attendance: %1</source>
        <translation>Obecność: %1</translation>
    </message>
    <message>
        <source>Who came</source>
        <translation>Kto przyszedł</translation>
    </message>
    <message>
        <source>Tick everyone who played; Space ticks the highlighted player</source>
        <translation>Zaznacz każdego, kto grał; spacja zaznacza podświetlonego gracza</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>brak odpowiedzi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>said %1</source>
        <translation>odpowiedź: %1</translation>
    </message>
</context>
<context>
    <name>frmMemberChanges</name>
    <message>
        <source>Dates and times are on %1&apos;s own clock.</source>
        <translation>Daty i godziny według zegara członka %1.</translation>
    </message>
    <message>
        <source>Dates and times are on %1&apos;s own clock (%2).</source>
        <translation>Daty i godziny według zegara członka %1 (%2).</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Zmiany</translation>
    </message>
    <message>
        <source>Dates away and days played at other times than the week; double click to edit</source>
        <translation>Nieobecności i dni z innymi godzinami niż w tygodniu; kliknij dwukrotnie, by edytować</translation>
    </message>
    <message>
        <source>Show past changes</source>
        <translation>Pokaż minione zmiany</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Add change</source>
        <translation>Dodaj zmianę</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Edit change</source>
        <translation>Edytuj zmianę</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Remove change</source>
        <translation>Usuń zmianę</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Pierwszy dzień</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/DD/RRRR</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Ostatni dzień</translation>
    </message>
    <message>
        <source>MM/DD/YYYY; empty for the first date alone</source>
        <translation>MM/DD/RRRR; puste, jeśli tylko pierwszy dzień</translation>
    </message>
    <message>
        <source>same day</source>
        <translation>ten sam dzień</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Nieobecny</translation>
    </message>
    <message>
        <source>Not listed on these dates at any time</source>
        <translation>W te dni nie pojawia się na listach o żadnej porze</translation>
    </message>
    <message>
        <source>These times instead</source>
        <translation>Zamiast tego te godziny</translation>
    </message>
    <message>
        <source>Plays these times on each of the dates instead of the week&apos;s</source>
        <translation>Gra w te godziny w każdym z tych dni zamiast tych z tygodnia</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>Why, in a few words: holiday, exams</source>
        <translation>Dlaczego, w kilku słowach: urlop, egzaminy</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save change</source>
        <translation>Zapisz zmianę</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Cancel change</source>
        <translation>Porzuć zmianę</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Daty</translation>
    </message>
    <message>
        <source>No changes: %1 plays the week as it stands. Add one for dates away or played otherwise.</source>
        <translation>Brak zmian: %1 gra według tygodnia. Dodaj zmianę na nieobecność lub inne godziny.</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Błąd wyboru</translation>
    </message>
    <message>
        <source>You must first highlight a change!</source>
        <translation>Najpierw zaznacz zmianę!</translation>
    </message>
    <message>
        <source>New change</source>
        <translation>Nowa zmiana</translation>
    </message>
    <message>
        <source>Change (choose Add or Edit)</source>
        <translation>Zmiana (wybierz Dodaj lub Edytuj)</translation>
    </message>
    <message>
        <source>Away / Changes - %1</source>
        <translation>Nieobecność / zmiany – %1</translation>
    </message>
    <message>
        <source>Slot 1 start</source>
        <translation>Początek przedziału 1</translation>
    </message>
    <message>
        <source>Slot 1 end</source>
        <translation>Koniec przedziału 1</translation>
    </message>
    <message>
        <source>Slot 2 start</source>
        <translation>Początek przedziału 2</translation>
    </message>
    <message>
        <source>Slot 2 end</source>
        <translation>Koniec przedziału 2</translation>
    </message>
    <message>
        <source>Edit change of %1</source>
        <translation>Edytuj zmianę z dnia %1</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Usunąć %1?</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Best Times Granularity</source>
        <translation>Siatka najlepszych terminów</translation>
    </message>
    <message>
        <source>15 Min</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>30 Min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>60 Min</source>
        <translation>60 min</translation>
    </message>
    <message>
        <source>Disable Message Box Verifications</source>
        <translation>Wyłącz potwierdzenia</translation>
    </message>
    <message>
        <source>Max Return on Show Best Times</source>
        <translation>Maks. wyników najlepszych terminów</translation>
    </message>
    <message>
        <source>Your Information</source>
        <translation>Twoje dane</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>EMail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Your Time Zone</source>
        <translation>Twoja strefa czasowa</translation>
    </message>
    <message>
        <source>Apply DST</source>
        <translation>Stosuj czas letni</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>Czas letni</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Zapisz ustawienia</translation>
    </message>
    <message>
        <source>Restore Settings</source>
        <translation>Przywróć ustawienia</translation>
    </message>
    <message>
        <source>Cancel / Exit</source>
        <translation>Anuluj / zamknij</translation>
    </message>
    <message>
        <source>Your zone&apos;s real time zone is on daylight saving time today</source>
        <translation>Prawdziwa strefa czasowa twojej strefy ma dziś czas letni</translation>
    </message>
    <message>
        <source>Your zone&apos;s real time zone is on standard time today</source>
        <translation>Prawdziwa strefa czasowa twojej strefy ma dziś czas standardowy</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systemowy</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Jak w danym języku</translation>
    </message>
    <message>
        <source>12-hour (8:00 PM)</source>
        <translation>12-godzinny (8:00 PM)</translation>
    </message>
    <message>
        <source>24-hour (20:00)</source>
        <translation>24-godzinny (20:00)</translation>
    </message>
    <message>
        <source>Language and clock change at the next start of Tallyhold.</source>
        <translation>Język i zegar zmienią się przy następnym uruchomieniu Tallyhold.</translation>
    </message>
</context>
<context>
    <name>frmPlanMatch</name>
    <message>
        <source>Plan Match</source>
        <translation>Zaplanuj mecz</translation>
    </message>
    <message>
        <source>Edit Match</source>
        <translation>Edytuj mecz</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>on your clock (%1)</source>
        <translation>według twojego zegara (%1)</translation>
    </message>
    <message>
        <source>Length (minutes)</source>
        <translation>Długość (minuty)</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440</source>
        <translation>Minuty, od 15 do 1440</translation>
    </message>
    <message>
        <source>Minimum players</source>
        <translation>Min. graczy</translation>
    </message>
    <message>
        <source>How many must say yes for the match to go ahead</source>
        <translation>Ilu musi być na tak, żeby mecz się odbył</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Tick who is invited and who must play; Space ticks the highlighted box</source>
        <translation>Zaznacz, kto jest zaproszony, a kto musi grać; spacja zaznacza podświetlone pole</translation>
    </message>
    <message>
        <source>Invited players</source>
        <translation>Zaproszeni gracze</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Wymagany</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>Shown with the match in every player&apos;s calendar</source>
        <translation>Widoczne przy meczu w kalendarzu każdego gracza</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>%1 invited, %2 required</source>
        <translation>Zaproszeni: %1, wymagani: %2</translation>
    </message>
    <message>
        <source>Moving the match or changing its length sets every answer back to no answer; the players are asked again. Save it?</source>
        <translation>Przesunięcie meczu lub zmiana jego długości cofa wszystkie odpowiedzi na brak odpowiedzi; gracze zostaną zapytani od nowa. Zapisać?</translation>
    </message>
    <message>
        <source>Required: %1</source>
        <translation>Wymagani: %1</translation>
    </message>
</context>
<context>
    <name>frmReminder</name>
    <message>
        <source>Reminder: %1</source>
        <translation>Przypomnienie: %1</translation>
    </message>
    <message>
        <source>Everyone has answered.</source>
        <translation>Wszyscy odpowiedzieli.</translation>
    </message>
    <message>
        <source>Discord message</source>
        <translation>Wiadomość na Discorda</translation>
    </message>
    <message>
        <source>Discord shows the start in each reader&apos;s own time</source>
        <translation>Discord pokazuje początek każdemu czytelnikowi w jego czasie</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copy Discord message</source>
        <translation>Kopiuj wiadomość na Discorda</translation>
    </message>
    <message>
        <source>E-mail link</source>
        <translation>Link e-mail</translation>
    </message>
    <message>
        <source>A mailto link to those who have not answered</source>
        <translation>Link mailto do tych, którzy nie odpowiedzieli</translation>
    </message>
    <message>
        <source>Copy e-mail link</source>
        <translation>Kopiuj link e-mail</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>The reminder in your mail program</source>
        <translation>Przypomnienie w twoim programie pocztowym</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Nie udało się otworzyć programu pocztowego dla tej wiadomości.</translation>
    </message>
    <message>
        <source>Not answered yet: %1</source>
        <translation>Bez odpowiedzi: %1</translation>
    </message>
    <message>
        <source>No e-mail (left out of the link): %1</source>
        <translation>Bez e-maila (pominięci w linku): %1</translation>
    </message>
</context>
<context>
    <name>frmSignupLinks</name>
    <message>
        <source>Server Address</source>
        <translation>Adres serwera</translation>
    </message>
    <message>
        <source>Where members reach tallyhold-web, such as https://roster.example.org</source>
        <translation>Adres, pod którym członkowie otwierają tallyhold-web, np. https://roster.example.org</translation>
    </message>
    <message>
        <source>Make Link</source>
        <translation>Utwórz link</translation>
    </message>
    <message>
        <source>A new private link for this member, valid for 60 days</source>
        <translation>Nowy prywatny link dla tego członka, ważny 60 dni</translation>
    </message>
    <message>
        <source>New Link</source>
        <translation>Nowy link</translation>
    </message>
    <message>
        <source>Shown once: the roster keeps only a hash of it</source>
        <translation>Pokazywany tylko raz: skład zapisuje tylko jego hash</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>A message with the link, in your mail program</source>
        <translation>Wiadomość z linkiem, w twoim programie pocztowym</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Linki</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Unieważnij</translation>
    </message>
    <message>
        <source>The member can no longer use the selected link</source>
        <translation>Członek nie będzie mógł już użyć wybranego linku</translation>
    </message>
    <message>
        <source>Links to this address open only on this computer. Give the address at which members reach tallyhold-web.</source>
        <translation>Linki pod tym adresem otwierają się tylko na tym komputerze. Podaj adres, pod którym członkowie otwierają tallyhold-web.</translation>
    </message>
    <message>
        <source>Links to this address open only on your local network, not for members elsewhere.</source>
        <translation>Linki pod tym adresem otwierają się tylko w twojej sieci lokalnej, nie dla członków spoza niej.</translation>
    </message>
    <message>
        <source>Server Address note</source>
        <translation>Uwaga o adresie serwera</translation>
    </message>
    <message>
        <source>Made %1 - %2</source>
        <translation>Utworzono %1 – %2</translation>
    </message>
    <message>
        <source>Your week for the clan</source>
        <translation>Twój tydzień dla klanu</translation>
    </message>
    <message>
        <source>Hi %1,

Please set the times you can play on your own page (keep the link to yourself):
%2
</source>
        <translation>Cześć %1,

wpisz na swojej stronie, kiedy możesz grać (zachowaj ten link dla siebie):
%2
</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Nie udało się otworzyć programu pocztowego dla tej wiadomości.</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Błąd wyboru</translation>
    </message>
    <message>
        <source>You must first highlight a link!</source>
        <translation>Najpierw zaznacz link!</translation>
    </message>
    <message>
        <source>Revoke this link? %1 can no longer use it.</source>
        <translation>Unieważnić ten link? %1 straci do niego dostęp.</translation>
    </message>
    <message>
        <source>Sign-up Links - %1</source>
        <translation>Linki zapisu – %1</translation>
    </message>
</context>
<context>
    <name>frmTZEdit</name>
    <message>
        <source>Time Zone Edits</source>
        <translation>Edycja stref czasowych</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>Strefy czasowe</translation>
    </message>
    <message>
        <source>TZ Name</source>
        <translation>Nazwa strefy</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>Przesunięcie GMT</translation>
    </message>
    <message>
        <source>Minutes to add to the local time to get GMT, such as 300 for Eastern or -60 for Central Europe</source>
        <translation>Minuty, które trzeba dodać do czasu lokalnego, by dostać GMT, np. 300 dla Eastern lub -60 dla Europy Środkowej</translation>
    </message>
    <message>
        <source>Apply Daylight Savings Time</source>
        <translation>Stosuj czas letni</translation>
    </message>
    <message>
        <source>Real Time Zone</source>
        <translation>Prawdziwa strefa</translation>
    </message>
    <message>
        <source>Where the zone&apos;s clock is, so daylight saving follows the date; type to search</source>
        <translation>Gdzie leży ta strefa, by czas letni zmieniał się z datą; pisz, by szukać</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>New Time Zone</source>
        <translation>Nowa strefa czasowa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Błąd wyboru</translation>
    </message>
    <message>
        <source>You must first highlight a Time Zone!</source>
        <translation>Najpierw zaznacz strefę czasową!</translation>
    </message>
    <message>
        <source>%1 has no summer time: its clock never changes.</source>
        <translation>%1 nie ma czasu letniego: zegar nigdy nie jest przestawiany.</translation>
    </message>
    <message>
        <source> Members in Britain or Ireland need a zone with Europe/London or Europe/Dublin: type London above.</source>
        <translation> Członkowie w Wielkiej Brytanii lub Irlandii potrzebują strefy z Europe/London lub Europe/Dublin: wpisz powyżej London.</translation>
    </message>
    <message>
        <source>Real Time Zone note</source>
        <translation>Uwaga o prawdziwej strefie</translation>
    </message>
    <message>
        <source>Update %1?</source>
        <translation>Zaktualizować %1?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>Dodać %1?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Usunąć %1?</translation>
    </message>
</context>
<context>
    <name>frmTallyhold</name>
    <message>
        <source>Tallyhold tabs</source>
        <translation>Zakładki Tallyhold</translation>
    </message>
    <message>
        <source>Members Info</source>
        <translation>Członkowie</translation>
    </message>
    <message>
        <source>Add / Edit Members</source>
        <translation>Edycja członków</translation>
    </message>
    <message>
        <source>Clans / Divisions</source>
        <translation>Klany / dywizje</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>Planowanie</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Mecze</translation>
    </message>
    <message>
        <source>Export / Import</source>
        <translation>Eksport / import</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Open &amp;Shared Roster…</source>
        <translation>Otwórz &amp;wspólny skład…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Odśwież</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>Time &amp;Zone Edits</source>
        <translation>&amp;Strefy czasowe</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Tallyhold &amp;Help</source>
        <translation>&amp;Pomoc Tallyhold</translation>
    </message>
    <message>
        <source>&amp;About Tallyhold</source>
        <translation>&amp;O programie Tallyhold</translation>
    </message>
    <message>
        <source>No clans yet: add one on Clans / Divisions, then add members on Add / Edit Members. Your own time zone, in which times are shown, is set in Tools › Options.</source>
        <translation>Nie ma jeszcze klanów: dodaj klan w zakładce Klany / dywizje, potem dodaj członków w Edycji członków. Twoją strefę czasową, w której pokazywane są godziny, ustawisz w Narzędzia › Opcje.</translation>
    </message>
    <message>
        <source>No members listed yet: add them on Add / Edit Members (members of hidden clans are not listed)</source>
        <translation>Nie ma jeszcze członków: dodaj ich w Edycji członków (członków ukrytych klanów nie ma na liście)</translation>
    </message>
    <message>
        <source>No clans to export yet: add one on Clans / Divisions</source>
        <translation>Nie ma jeszcze klanów do eksportu: dodaj klan w zakładce Klany / dywizje</translation>
    </message>
    <message>
        <source>Open Shared Roster</source>
        <translation>Otwórz wspólny skład</translation>
    </message>
    <message>
        <source>Address of the shared roster (postgresql://user@host[:port]/dbname).
The password comes from ~/.pgpass or PGPASSWORD, or is asked for.</source>
        <translation>Adres wspólnego składu (postgresql://użytkownik@host[:port]/baza).
Hasło pochodzi z ~/.pgpass lub PGPASSWORD albo program o nie zapyta.</translation>
    </message>
    <message>
        <source>A shared roster&apos;s address starts with postgresql://</source>
        <translation>Adres wspólnego składu zaczyna się od postgresql://</translation>
    </message>
    <message>
        <source>About Tallyhold</source>
        <translation>O programie Tallyhold</translation>
    </message>
    <message>
        <source>Nobody to choose from. %1</source>
        <translation>Brak członków do wyboru. %1</translation>
    </message>
    <message>
        <source>Tallyhold %1

Keeps a clan&apos;s roster and finds when to play.

Licence: GNU General Public License, version 3 or later

Roster: %2

Languages: %3</source>
        <translation>Tallyhold %1

Prowadzi skład klanu i znajduje, kiedy grać.

Licencja: GNU General Public License, wersja 3 lub nowsza

Skład: %2

Języki: %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Roster In Use</source>
        <translation>Skład w użyciu</translation>
    </message>
</context>
</TS>
