<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ClansTab</name>
    <message>
        <source>Clan Name</source>
        <translation>Название клана</translation>
    </message>
    <message>
        <source>Clans / Divisions</source>
        <translation>Кланы / отряды</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Hide Members from Lists</source>
        <translation>Скрыть участников в списках</translation>
    </message>
    <message>
        <source>New Clan</source>
        <translation>Новый клан</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Очистить поля</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Ошибка выбора</translation>
    </message>
    <message>
        <source>You must first highlight a division!</source>
        <translation>Сначала выделите отряд!</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в %1?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>Добавить %1?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Удалить %1?</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <source>New player name.</source>
        <translation>Новый ник.</translation>
    </message>
    <message>
        <source>Clan / division, by name or key.</source>
        <translation>Клан / отряд, по названию или ключу.</translation>
    </message>
    <message>
        <source>The member&apos;s time zone, by name.</source>
        <translation>Часовой пояс участника, по названию.</translation>
    </message>
    <message>
        <source>Active member (a new one is).</source>
        <translation>Активный участник (новый — активен).</translation>
    </message>
    <message>
        <source>Actual first name.</source>
        <translation>Настоящее имя.</translation>
    </message>
    <message>
        <source>Last name.</source>
        <translation>Фамилия.</translation>
    </message>
    <message>
        <source>Default e-mail.</source>
        <translation>Основной e-mail.</translation>
    </message>
    <message>
        <source>Secondary e-mail.</source>
        <translation>Запасной e-mail.</translation>
    </message>
    <message>
        <source>Other contact info.</source>
        <translation>Другие контакты.</translation>
    </message>
    <message>
        <source>Member notes.</source>
        <translation>Заметки об участнике.</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Суббота / воскресенье</translation>
    </message>
    <message>
        <source>%1: one or two slots in the member&apos;s zone, such as 19:00-23:00,01:00-02:00; off to clear the day.</source>
        <translation>%1: одно или два окна в поясе участника, например 19:00-23:00,01:00-02:00; off очищает день.</translation>
    </message>
    <message>
        <source>Choose the members of a division (repeatable).</source>
        <translation>Выбрать участников отряда (можно повторять).</translation>
    </message>
    <message>
        <source>Choose a member by name or key (repeatable).</source>
        <translation>Выбрать участника по нику или ключу (можно повторять).</translation>
    </message>
    <message>
        <source>Your time zone for this command (default: options).</source>
        <translation>Ваш часовой пояс для этой команды (по умолчанию: из настроек).</translation>
    </message>
    <message>
        <source>Apply daylight saving time (default: options).</source>
        <translation>Учитывать летнее время (по умолчанию: из настроек).</translation>
    </message>
    <message>
        <source>The match length, 15 to 1440 minutes (default: a moment).</source>
        <translation>Длительность матча, от 15 до 1440 минут (по умолчанию: один момент).</translation>
    </message>
    <message>
        <source>A member who must be able to play (repeatable; joins the chosen).</source>
        <translation>Участник, который обязателен (можно повторять; добавляется к выбранным).</translation>
    </message>
    <message>
        <source>At least this many must be able to play.</source>
        <translation>Сколько участников как минимум должны мочь играть.</translation>
    </message>
    <message>
        <source>The first date, in the member&apos;s own zone: MM/DD/YYYY or YYYY-MM-DD.</source>
        <translation>Первый день, по часам участника: MM/DD/YYYY или YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>The last date (default: the first alone).</source>
        <translation>Последний день (по умолчанию: только первый).</translation>
    </message>
    <message>
        <source>A short note, such as holiday.</source>
        <translation>Короткая заметка, например отпуск.</translation>
    </message>
    <message>
        <source>One or two slots in the member&apos;s zone instead of the week&apos;s, such as 22:00-01:00 or 6pm-8pm,10pm-1am; an end before the start runs past midnight.</source>
        <translation>Одно или два окна в поясе участника вместо окон недели, например 22:00-01:00 или 6pm-8pm,10pm-1am; конец раньше начала переходит за полночь.</translation>
    </message>
    <message>
        <source>The start on your clock, such as &quot;12/12/2026 8:00 PM&quot;; moving it asks every player again.</source>
        <translation>Начало по вашим часам, например &quot;12/12/2026 8:00 PM&quot;; при переносе всех игроков спросят заново.</translation>
    </message>
    <message>
        <source>The start on your clock, such as &quot;12/12/2026 8:00 PM&quot;.</source>
        <translation>Начало по вашим часам, например &quot;12/12/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>The length, 15 to 1440 minutes.</source>
        <translation>Длительность, от 15 до 1440 минут.</translation>
    </message>
    <message>
        <source>The title (default: Clan match).</source>
        <translation>Название (по умолчанию: Clan match).</translation>
    </message>
    <message>
        <source>Invite a member, by name or key (repeatable).</source>
        <translation>Пригласить участника, по нику или ключу (можно повторять).</translation>
    </message>
    <message>
        <source>A member who must say yes (repeatable; invited too).</source>
        <translation>Участник, который обязан ответить «да» (можно повторять; тоже приглашён).</translation>
    </message>
    <message>
        <source>At least this many must say yes (default 1).</source>
        <translation>Сколько как минимум должны ответить «да» (по умолчанию 1).</translation>
    </message>
    <message>
        <source>Notes for the players.</source>
        <translation>Заметки для игроков.</translation>
    </message>
    <message>
        <source>Uninvite a member (repeatable).</source>
        <translation>Отменить приглашение участника (можно повторять).</translation>
    </message>
    <message>
        <source>Invite the members of a division (repeatable).</source>
        <translation>Пригласить участников отряда (можно повторять).</translation>
    </message>
    <message>
        <source>Division notes.</source>
        <translation>Заметки об отряде.</translation>
    </message>
    <message>
        <source>Hide the members from the lists.</source>
        <translation>Скрыть участников в списках.</translation>
    </message>
    <message>
        <source>Minutes to add to the local time to get GMT (300 for Eastern).</source>
        <translation>Сколько минут прибавить к местному времени, чтобы получить GMT (300 для Eastern).</translation>
    </message>
    <message>
        <source>Description.</source>
        <translation>Описание.</translation>
    </message>
    <message>
        <source>Apply daylight saving time.</source>
        <translation>Учитывать летнее время.</translation>
    </message>
    <message>
        <source>The real time zone, such as America/New_York (&quot;none&quot; for none); its standard offset and daylight saving fill --offset and --dst.</source>
        <translation>Настоящий часовой пояс, например America/New_York (&quot;none&quot; — нет); его стандартное смещение и летнее время задают --offset и --dst.</translation>
    </message>
    <message>
        <source>List the members as the window does (&quot;Division - Player&quot;).</source>
        <translation>Вывести участников как в окне («Отряд - Игрок»).</translation>
    </message>
    <message>
        <source>Only this division&apos;s members (repeatable).</source>
        <translation>Только участники этого отряда (можно повторять).</translation>
    </message>
    <message>
        <source>Members of hidden divisions too.</source>
        <translation>Также участники скрытых отрядов.</translation>
    </message>
    <message>
        <source>Show a member, times in your time zone.</source>
        <translation>Показать участника, время в вашем часовом поясе.</translation>
    </message>
    <message>
        <source>Add a member.</source>
        <translation>Добавить участника.</translation>
    </message>
    <message>
        <source>Change the given fields of a member.</source>
        <translation>Изменить указанные поля участника.</translation>
    </message>
    <message>
        <source>Delete a member and its schedule.</source>
        <translation>Удалить участника вместе с его расписанием.</translation>
    </message>
    <message>
        <source>Mark a member away from --from to --to: no answer on those dates counts them.</source>
        <translation>Отметить участника как «нет на месте» с --from по --to: в эти дни его нигде не учитывают.</translation>
    </message>
    <message>
        <source>Remove an away range or one-off change by its key.</source>
        <translation>Убрать «нет на месте» или разовое изменение по его ключу.</translation>
    </message>
    <message>
        <source>Give a member other slots from --from to --to instead of their week&apos;s.</source>
        <translation>Дать участнику другие окна с --from по --to вместо окон его недели.</translation>
    </message>
    <message>
        <source>List a member&apos;s away ranges and one-off changes from today on, with their keys.</source>
        <translation>Показать «нет на месте» и разовые изменения участника начиная с сегодня, с ключами.</translation>
    </message>
    <message>
        <source>Past ones too.</source>
        <translation>И прошедшие тоже.</translation>
    </message>
    <message>
        <source>List the clans / divisions.</source>
        <translation>Показать кланы / отряды.</translation>
    </message>
    <message>
        <source>Add a division.</source>
        <translation>Добавить отряд.</translation>
    </message>
    <message>
        <source>Change a division.</source>
        <translation>Изменить отряд.</translation>
    </message>
    <message>
        <source>New name of the division.</source>
        <translation>Новое название отряда.</translation>
    </message>
    <message>
        <source>Delete a division that has no members.</source>
        <translation>Удалить отряд без участников.</translation>
    </message>
    <message>
        <source>List the time zones.</source>
        <translation>Показать часовые пояса.</translation>
    </message>
    <message>
        <source>Add a time zone.</source>
        <translation>Добавить часовой пояс.</translation>
    </message>
    <message>
        <source>Change a time zone.</source>
        <translation>Изменить часовой пояс.</translation>
    </message>
    <message>
        <source>New name of the time zone.</source>
        <translation>Новое название часового пояса.</translation>
    </message>
    <message>
        <source>Delete a time zone that no member uses.</source>
        <translation>Удалить часовой пояс, который никто не использует.</translation>
    </message>
    <message>
        <source>Who of the chosen members (default: everyone listed) can make a match.</source>
        <translation>Кто из выбранных участников (по умолчанию: все в списке) свободен для матча.</translation>
    </message>
    <message>
        <source>The match date and time, such as &quot;12/7/2026 8:00 PM&quot;.</source>
        <translation>Дата и время матча, например &quot;12/7/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>Announce a match to the chosen members (default: everyone listed): each one&apos;s local time, who can play, a Discord line and an e-mail link.</source>
        <translation>Объявить матч выбранным участникам (по умолчанию: всем в списке): местное время каждого, кто свободен, строка для Discord и ссылка для e-mail.</translation>
    </message>
    <message>
        <source>The match start, such as &quot;12/7/2026 8:00 PM&quot;.</source>
        <translation>Начало матча, например &quot;12/7/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>The match length, 15 to 1440 minutes.</source>
        <translation>Длительность матча, от 15 до 1440 минут.</translation>
    </message>
    <message>
        <source>Also write a calendar invitation to FILE.</source>
        <translation>Также записать приглашение в календарь в FILE.</translation>
    </message>
    <message>
        <source>The best match times of the chosen members (default: everyone listed).</source>
        <translation>Лучшее время для матча выбранных участников (по умолчанию: всех в списке).</translation>
    </message>
    <message>
        <source>Grid step: 15, 30 or 60 minutes (default: options).</source>
        <translation>Шаг сетки: 15, 30 или 60 минут (по умолчанию: из настроек).</translation>
    </message>
    <message>
        <source>At most this many times (default: options).</source>
        <translation>Не больше стольких вариантов (по умолчанию: из настроек).</translation>
    </message>
    <message>
        <source>Count the seven days from this date (default: today).</source>
        <translation>Считать семь дней с этой даты (по умолчанию: с сегодня).</translation>
    </message>
    <message>
        <source>Plan a match for the members chosen and ask each for an answer.</source>
        <translation>Назначить матч выбранным участникам и запросить у каждого ответ.</translation>
    </message>
    <message>
        <source>Move, rename, lengthen or change the players of a match.</source>
        <translation>Перенести, переименовать, продлить матч или сменить его игроков.</translation>
    </message>
    <message>
        <source>The upcoming matches with their answers, earliest first.</source>
        <translation>Предстоящие матчи с ответами, ближайшие первыми.</translation>
    </message>
    <message>
        <source>The matches that are over, latest first.</source>
        <translation>Прошедшие матчи, последние первыми.</translation>
    </message>
    <message>
        <source>A match&apos;s players: their answers, notes, and who cannot play it by their week.</source>
        <translation>Игроки матча: их ответы, заметки и кто не может играть по своей неделе.</translation>
    </message>
    <message>
        <source>Answer for a member: yes, maybe, late or no.</source>
        <translation>Ответ за участника: yes, maybe, late или no.</translation>
    </message>
    <message>
        <source>The member&apos;s note (at most 500 characters).</source>
        <translation>Заметка участника (не больше 500 символов).</translation>
    </message>
    <message>
        <source>Cancel a match.</source>
        <translation>Отменить матч.</translation>
    </message>
    <message>
        <source>Undo the cancellation.</source>
        <translation>Вернуть отменённый матч.</translation>
    </message>
    <message>
        <source>Delete a match with its answers and attendance.</source>
        <translation>Удалить матч вместе с ответами и посещаемостью.</translation>
    </message>
    <message>
        <source>Whether a member came, once the match has started.</source>
        <translation>Пришёл ли участник, когда матч уже начался.</translation>
    </message>
    <message>
        <source>A Discord message and an e-mail link for those who have not answered.</source>
        <translation>Сообщение для Discord и ссылка для e-mail тем, кто ещё не ответил.</translation>
    </message>
    <message>
        <source>Write the upcoming matches and those of the last 30 days as a calendar file.</source>
        <translation>Записать предстоящие матчи и матчи за последние 30 дней в файл календаря.</translation>
    </message>
    <message>
        <source>Every match with every player (the default).</source>
        <translation>Все матчи со всеми игроками (по умолчанию).</translation>
    </message>
    <message>
        <source>Only this member&apos;s matches, with their answers.</source>
        <translation>Только матчи этого участника, с его ответами.</translation>
    </message>
    <message>
        <source>The .ics file to write.</source>
        <translation>Файл .ics для записи.</translation>
    </message>
    <message>
        <source>Count the last N matches (default 10).</source>
        <translation>Считать последние N матчей (по умолчанию 10).</translation>
    </message>
    <message>
        <source>Export divisions with their members, schedules and zones to a .tlx file.</source>
        <translation>Экспорт отрядов с участниками, расписаниями и поясами в файл .tlx.</translation>
    </message>
    <message>
        <source>A division to export (repeatable).</source>
        <translation>Отряд для экспорта (можно повторять).</translation>
    </message>
    <message>
        <source>Overwrite FILE when it exists.</source>
        <translation>Перезаписать FILE, если он уже есть.</translation>
    </message>
    <message>
        <source>Import a .tlx file: checked whole, then added in one go.</source>
        <translation>Импорт файла .tlx: сначала проверяется целиком, затем добавляется за один раз.</translation>
    </message>
    <message>
        <source>Make a member&apos;s private sign-up link for tallyhold-web; only its hash is kept, so copy it now.</source>
        <translation>Создать личную ссылку для записи участника в tallyhold-web; хранится только её хеш, так что скопируйте её сейчас.</translation>
    </message>
    <message>
        <source>Days until the link expires (default 60, at most 3650).</source>
        <translation>Сколько дней действует ссылка (по умолчанию 60, не больше 3650).</translation>
    </message>
    <message>
        <source>Where members reach tallyhold-web, such as https://roster.example.org (kept for the next links; default http://127.0.0.1:8080).</source>
        <translation>Адрес, по которому участники открывают tallyhold-web, например https://roster.example.org (запоминается для следующих ссылок; по умолчанию http://127.0.0.1:8080).</translation>
    </message>
    <message>
        <source>List the sign-up links, newest first.</source>
        <translation>Показать ссылки для записи, новые первыми.</translation>
    </message>
    <message>
        <source>Only this member&apos;s links.</source>
        <translation>Только ссылки этого участника.</translation>
    </message>
    <message>
        <source>Revoke a sign-up link by its key.</source>
        <translation>Отозвать ссылку для записи по её ключу.</translation>
    </message>
    <message>
        <source>Show your preferences, or set the given ones.</source>
        <translation>Показать ваши настройки или задать указанные.</translation>
    </message>
    <message>
        <source>Your time zone.</source>
        <translation>Ваш часовой пояс.</translation>
    </message>
    <message>
        <source>Best times grid: 15, 30 or 60 minutes.</source>
        <translation>Шаг лучшего времени: 15, 30 или 60 минут.</translation>
    </message>
    <message>
        <source>Max return on best times.</source>
        <translation>Сколько вариантов лучшего времени показывать.</translation>
    </message>
    <message>
        <source>Disable the window&apos;s confirmation boxes.</source>
        <translation>Отключить подтверждения в окне.</translation>
    </message>
    <message>
        <source>Your name.</source>
        <translation>Ваше имя.</translation>
    </message>
    <message>
        <source>Your e-mail.</source>
        <translation>Ваш e-mail.</translation>
    </message>
    <message>
        <source>Copy a whole roster, keys kept, between a file and a server (either way) into a new roster, in one transaction.</source>
        <translation>Скопировать весь состав с ключами между файлом и сервером (в любую сторону) в новый состав, одной транзакцией.</translation>
    </message>
    <message>
        <source>The roster copied: a file or a server&apos;s address.</source>
        <translation>Копируемый состав: файл или адрес сервера.</translation>
    </message>
    <message>
        <source>The new roster: a file (created) or an empty server database.</source>
        <translation>Новый состав: файл (будет создан) или пустая база данных на сервере.</translation>
    </message>
    <message>
        <source>A zone name (letter case aside) or its number.</source>
        <translation>Название пояса (регистр неважен) или его номер.</translation>
    </message>
    <message>
        <source>The link&apos;s key, as links shows it.</source>
        <translation>Ключ ссылки, как его показывает links.</translation>
    </message>
    <message>
        <source>The change&apos;s key, as member changes shows it.</source>
        <translation>Ключ изменения, как его показывает member changes.</translation>
    </message>
    <message>
        <source>The exchange file (.tlx).</source>
        <translation>Файл обмена (.tlx).</translation>
    </message>
    <message>
        <source>The name.</source>
        <translation>Название.</translation>
    </message>
    <message>
        <source>Give the %1.</source>
        <translation>Укажите %1.</translation>
    </message>
    <message>
        <source>member&apos;s NAME or KEY</source>
        <translation>NAME или KEY участника</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Отряд</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>No Scheduling Information Present</source>
        <translation>Расписание не заполнено</translation>
    </message>
    <message>
        <source>Away and one-off changes, on the member&apos;s clock:</source>
        <translation>«Нет на месте» и разовые изменения, по часам участника:</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>Добавлен: %1</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Обновлён: %1</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Удалён: %1</translation>
    </message>
    <message>
        <source>Give the first date: --from MM/DD/YYYY.</source>
        <translation>Укажите первый день: --from MM/DD/YYYY.</translation>
    </message>
    <message>
        <source>Added for %1: %2 (%3)</source>
        <translation>Добавлено для %1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 has no away dates or changes.</source>
        <translation>У %1 нет дней «нет на месте» и изменений.</translation>
    </message>
    <message>
        <source>%1 has no away dates or changes from today on.</source>
        <translation>У %1 нет дней «нет на месте» и изменений начиная с сегодня.</translation>
    </message>
    <message>
        <source>change&apos;s KEY (member changes NAME shows it)</source>
        <translation>KEY изменения (его показывает member changes NAME)</translation>
    </message>
    <message>
        <source>No change has the key &quot;%1&quot;; tallyhold-cli member changes NAME --all lists a member&apos;s changes with their keys.</source>
        <translation>Нет изменения с ключом «%1»; tallyhold-cli member changes NAME --all показывает изменения участника с ключами.</translation>
    </message>
    <message>
        <source>Removed from %1: %2</source>
        <translation>Удалено у %1: %2</translation>
    </message>
    <message>
        <source>division&apos;s NAME or KEY</source>
        <translation>NAME или KEY отряда</translation>
    </message>
    <message>
        <source>%1  (GMT offset %2%3%4)</source>
        <translation>%1  (смещение от GMT %2%3%4)</translation>
    </message>
    <message>
        <source>, daylight saving</source>
        <translation>, летнее время</translation>
    </message>
    <message>
        <source>time zone&apos;s NAME or NUMBER</source>
        <translation>NAME или NUMBER часового пояса</translation>
    </message>
    <message>
        <source>Maximum Results field must be a number greater than zero</source>
        <translation>Поле «Макс. вариантов» должно быть числом больше нуля</translation>
    </message>
    <message numerus="yes">
        <source>None of the %n chosen member(s) can play then.</source>
        <translation>
            <numerusform>Ни один из %n выбранного участника не может играть в это время.</numerusform>
            <numerusform>Ни один из %n выбранных участников не может играть в это время.</numerusform>
            <numerusform>Ни один из %n выбранных участников не может играть в это время.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %n chosen member(s) plays at any time.</source>
        <translation>
            <numerusform>Ни один из %n выбранного участника не играет ни в какое время.</numerusform>
            <numerusform>Ни один из %n выбранных участников не играет ни в какое время.</numerusform>
            <numerusform>Ни один из %n выбранных участников не играет ни в какое время.</numerusform>
        </translation>
    </message>
    <message>
        <source>No e-mail: </source>
        <translation>Нет e-mail: </translation>
    </message>
    <message>
        <source>FILE to export to</source>
        <translation>FILE для экспорта</translation>
    </message>
    <message>
        <source>This Export File Already Exists... (--force overwrites it)</source>
        <translation>Такой файл экспорта уже есть... (--force перезапишет его)</translation>
    </message>
    <message>
        <source>Export Completed!</source>
        <translation>Экспорт завершён!</translation>
    </message>
    <message numerus="yes">
        <source>Divisions: %1, members: %n</source>
        <translation>
            <numerusform>Отрядов: %1, участников: %n</numerusform>
            <numerusform>Отрядов: %1, участников: %n</numerusform>
            <numerusform>Отрядов: %1, участников: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>FILE to import</source>
        <translation>FILE для импорта</translation>
    </message>
    <message>
        <source>Import Completed!</source>
        <translation>Импорт завершён!</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Your Time Zone: </source>
        <translation>Ваш часовой пояс: </translation>
    </message>
    <message>
        <source>Best Times Granularity: %1 Min</source>
        <translation>Шаг лучшего времени: %1 мин</translation>
    </message>
    <message>
        <source>Max Return on Show Best Times: %1</source>
        <translation>Макс. вариантов лучшего времени: %1</translation>
    </message>
    <message>
        <source>Disable Message Box Verifications: </source>
        <translation>Отключить подтверждения: </translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Имя: %1</translation>
    </message>
    <message>
        <source>EMail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>link&apos;s KEY (tallyhold-cli links shows it)</source>
        <translation>KEY ссылки (его показывает tallyhold-cli links)</translation>
    </message>
    <message>
        <source>Revoked</source>
        <translation>Отозвана</translation>
    </message>
    <message>
        <source>copy needs --from and --to.</source>
        <translation>copy нужны --from и --to.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n member(s) to %1</source>
        <translation>
            <numerusform>Скопирован %n участник в %1</numerusform>
            <numerusform>Скопировано %n участника в %1</numerusform>
            <numerusform>Скопировано %n участников в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>There is a roster file %1 already.</source>
        <translation>Файл состава %1 уже есть.</translation>
    </message>
    <message>
        <source>Made a new roster in %1</source>
        <translation>Создан новый состав в %1</translation>
    </message>
    <message>
        <source>No match is titled &quot;%1&quot;; matches --past lists them all.</source>
        <translation>Нет матча с названием «%1»; matches --past показывает все.</translation>
    </message>
    <message>
        <source>%1 matches are titled &quot;%2&quot;; give one of their keys:</source>
        <translation>Матчей с названием «%2»: %1; укажите ключ одного из них:</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Назначен</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>No past matches.</source>
        <translation>Прошедших матчей нет.</translation>
    </message>
    <message>
        <source>No upcoming matches.</source>
        <translation>Предстоящих матчей нет.</translation>
    </message>
    <message>
        <source>Notes: %1</source>
        <translation>Заметки: %1</translation>
    </message>
    <message>
        <source>required</source>
        <translation>обязателен</translation>
    </message>
    <message>
        <source>cannot play then</source>
        <translation>не может в это время</translation>
    </message>
    <message>
        <source>came</source>
        <translation>пришёл</translation>
    </message>
    <message>
        <source>did not come</source>
        <translation>не пришёл</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>The answer is yes, maybe, late or no.</source>
        <translation>Ответ: yes, maybe, late или no.</translation>
    </message>
    <message>
        <source>%1 said %2.</source>
        <translation>%1 — ответ: %2.</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Восстановлен</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменён</translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation>yes или no</translation>
    </message>
    <message>
        <source>Say yes or no: did %1 come?</source>
        <translation>Укажите yes или no: пришёл ли %1?</translation>
    </message>
    <message>
        <source> came.</source>
        <translation> пришёл.</translation>
    </message>
    <message>
        <source> did not come.</source>
        <translation> не пришёл.</translation>
    </message>
    <message>
        <source>Give --all or --member, not both.</source>
        <translation>Укажите --all или --member, но не оба.</translation>
    </message>
    <message>
        <source>Calendar written: </source>
        <translation>Календарь записан: </translation>
    </message>
    <message>
        <source>%1: invited %2, said yes %3, came %4, said yes but did not come %5</source>
        <translation>%1: приглашён %2, ответил «да» %3, пришёл %4, ответил «да», но не пришёл %5</translation>
    </message>
    <message>
        <source>No match has been played yet.</source>
        <translation>Ещё не сыграно ни одного матча.</translation>
    </message>
    <message>
        <source>Make a new, empty roster where --roster (or --user-roster) says; every other command opens an existing roster only.</source>
        <translation>Создать новый пустой состав там, где указывает --roster (или --user-roster); все остальные команды открывают только существующий состав.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Exit status: 0 done; 1 command refused or bad input (nothing was written); 2 the roster cannot be opened or changed (empty, damaged, in use, read-only, newer) or the database failed (nothing was written). Errors go to stderr.</source>
        <translation>Код выхода: 0 — готово; 1 — команда отклонена или неверный ввод (ничего не записано); 2 — состав нельзя открыть или изменить (пуст, повреждён, занят, только для чтения, более новый) или сбой базы данных (ничего не записано). Ошибки выводятся в stderr.</translation>
    </message>
    <message>
        <source>Print one JSON document instead of text.</source>
        <translation>Вывести один документ JSON вместо текста.</translation>
    </message>
    <message>
        <source>The Tallyhold roster and match finder from a terminal.

Commands (tallyhold-cli COMMAND --help shows a command&apos;s options):
</source>
        <translation>Состав и поиск времени для матчей Tallyhold в терминале.

Команды (tallyhold-cli КОМАНДА --help показывает параметры команды):
</translation>
    </message>
    <message>
        <source>slot 1 start</source>
        <translation>начало окна 1</translation>
    </message>
    <message>
        <source>slot 1 end</source>
        <translation>конец окна 1</translation>
    </message>
    <message>
        <source>slot 2 start</source>
        <translation>начало окна 2</translation>
    </message>
    <message>
        <source>slot 2 end</source>
        <translation>конец окна 2</translation>
    </message>
    <message>
        <source> Times may also be typed as 7:30pm, 7pm, 19:30 or 1930.</source>
        <translation> Время можно вводить и как 7:30pm, 7pm, 19:30 или 1930.</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>Одна из команд выше.</translation>
    </message>
    <message>
        <source>COMMAND [options]</source>
        <translation>КОМАНДА [параметры]</translation>
    </message>
    <message>
        <source>Give a command; tallyhold-cli --help lists them.</source>
        <translation>Укажите команду; tallyhold-cli --help показывает их список.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;; tallyhold-cli --help lists them.</source>
        <translation>Неизвестная команда «%1»; tallyhold-cli --help показывает их список.</translation>
    </message>
    <message>
        <source> Saturday and Sunday are one day: --weekend.</source>
        <translation> Суббота и воскресенье — один день: --weekend.</translation>
    </message>
    <message>
        <source> tallyhold-cli %1 --help lists its options.</source>
        <translation> tallyhold-cli %1 --help показывает её параметры.</translation>
    </message>
    <message>
        <source>Too many arguments for %1: %2 (put a name with blanks in quotes).</source>
        <translation>Слишком много аргументов для %1: %2 (имя с пробелами возьмите в кавычки).</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>предупреждение: </translation>
    </message>
    <message>
        <source>--roster needs a file name.</source>
        <translation>--roster нужно имя файла.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The roster file %1 cannot be used: %2

The file has not been changed.</source>
        <translation>Файл состава %1 нельзя использовать: %2

Файл не изменён.</translation>
    </message>
    <message>
        <source>it cannot be read (%1).</source>
        <translation>его не удаётся прочитать (%1).</translation>
    </message>
    <message>
        <source>it is empty (0 bytes).</source>
        <translation>он пуст (0 байт).</translation>
    </message>
    <message>
        <source>it is an Access-format database, not an SQLite roster.</source>
        <translation>это база данных в формате Access, а не состав SQLite.</translation>
    </message>
    <message>
        <source>it is not an SQLite database.</source>
        <translation>это не база данных SQLite.</translation>
    </message>
    <message>
        <source>restore a backup such as %1</source>
        <translation>восстановите резервную копию, например %1</translation>
    </message>
    <message>
        <source>restore a backup if you keep one (there is none at %1)</source>
        <translation>восстановите резервную копию, если она у вас есть (файла %1 нет)</translation>
    </message>
    <message>
        <source>it is in use by another program.</source>
        <translation>он занят другой программой.</translation>
    </message>
    <message>
        <source>it is damaged; %1.</source>
        <translation>он повреждён; %1.</translation>
    </message>
    <message>
        <source>a write to it was interrupted and cannot be undone while the file or its folder is read-only.</source>
        <translation>запись в него была прервана, и её нельзя откатить, пока файл или его папка доступны только для чтения.</translation>
    </message>
    <message>
        <source>it cannot be opened (%1).</source>
        <translation>его не удаётся открыть (%1).</translation>
    </message>
    <message>
        <source>The roster file %1 can be viewed and scheduled but not changed.</source>
        <translation>Файл состава %1 открыт только для просмотра и планирования, изменять его нельзя.</translation>
    </message>
    <message>
        <source>The roster file %1 is damaged. Export what can still be read, then %2. Until then the roster can be viewed and scheduled but not changed.</source>
        <translation>Файл состава %1 повреждён. Экспортируйте то, что ещё читается, затем %2. До тех пор состав открыт только для просмотра и планирования, изменять его нельзя.</translation>
    </message>
    <message>
        <source>it is not a Tallyhold roster: %1</source>
        <translation>это не состав Tallyhold: %1</translation>
    </message>
    <message>
        <source>it could not be brought up to this version of Tallyhold.</source>
        <translation>его не удалось обновить до этой версии Tallyhold.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written.</source>
        <translation>Не удалось записать резервную копию %1.</translation>
    </message>
</context>
<context>
    <name>DivisionStore</name>
    <message>
        <source>This division is no longer in the roster, so nothing was saved. Save again to add it as a new division.</source>
        <translation>Этого отряда больше нет в составе, поэтому ничего не сохранено. Сохраните ещё раз, чтобы добавить его как новый отряд.</translation>
    </message>
    <message>
        <source>The following Members are in this Division: 
%1You will need to remove/update these members before this Division can be deleted!</source>
        <translation>В этом отряде состоят участники: 
%1Чтобы удалить отряд, сначала удалите этих участников или смените им отряд!</translation>
    </message>
</context>
<context>
    <name>ExchangeReader</name>
    <message>
        <source>field %1 (%2) is empty.</source>
        <translation>поле %1 (%2) пустое.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a record key of 32 hexadecimal digits: &quot;%3&quot;.</source>
        <translation>поле %1 (%2) — не ключ записи из 32 шестнадцатеричных цифр: «%3».</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a whole number from %3 to %4: &quot;%5&quot;.</source>
        <translation>поле %1 (%2) — не целое число от %3 до %4: «%5».</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a flag (1 or 0): &quot;%3&quot;.</source>
        <translation>поле %1 (%2) — не флаг (1 или 0): «%3».</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a date YYYY-MM-DD: &quot;%3&quot;.</source>
        <translation>поле %1 (%2) — не дата ГГГГ-ММ-ДД: «%3».</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a time HH:MM: &quot;%3&quot;.</source>
        <translation>поле %1 (%2) — не время ЧЧ:ММ: «%3».</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a time of day: &quot;%3&quot;.</source>
        <translation>поле %1 (%2) — не время суток: «%3».</translation>
    </message>
    <message>
        <source>the %1 is also used on line %2.</source>
        <translation>%1 уже встречается в строке %2.</translation>
    </message>
    <message>
        <source>the line is neither a record (1 to %1) nor a &quot;#&quot; line.</source>
        <translation>строка — не запись (от 1 до %1) и не строка с &quot;#&quot;.</translation>
    </message>
    <message>
        <source>a record follows the end line %1.</source>
        <translation>после завершающей строки %1 идёт запись.</translation>
    </message>
    <message>
        <source>the record tag %1 is not followed by &quot;|&quot;.</source>
        <translation>после метки записи %1 нет &quot;|&quot;.</translation>
    </message>
    <message>
        <source>field %1 is longer than 1,000,000 characters.</source>
        <translation>поле %1 длиннее 1 000 000 символов.</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text.</source>
        <translation>строка — не текст в UTF-8.</translation>
    </message>
    <message>
        <source>the %1 record has %2 fields; it needs %3.</source>
        <translation>в записи %1 полей: %2, а нужно %3.</translation>
    </message>
    <message>
        <source>field %1 holds a &quot;\&quot; that is not one of \\, \p, \r or \n.</source>
        <translation>в поле %1 есть &quot;\&quot; вне последовательностей \\, \p, \r и \n.</translation>
    </message>
    <message>
        <source>division key 0x%1</source>
        <translation>ключ отряда 0x%1</translation>
    </message>
    <message>
        <source>member key 0x%1</source>
        <translation>ключ участника 0x%1</translation>
    </message>
    <message>
        <source>field %1 (%2) is empty, but %3 is set.</source>
        <translation>поле %1 (%2) пустое, хотя отмечен день %3.</translation>
    </message>
    <message>
        <source>times 0x%1 of %2</source>
        <translation>время 0x%1 (%2)</translation>
    </message>
    <message>
        <source>schedule&apos;s member key 0x%1</source>
        <translation>ключ участника 0x%1 в расписании</translation>
    </message>
    <message>
        <source>times key 0x%1</source>
        <translation>ключ времени 0x%1</translation>
    </message>
    <message>
        <source>the zone key %1 is also used on line %2 for another zone.</source>
        <translation>ключ пояса %1 уже использован в строке %2 для другого пояса.</translation>
    </message>
    <message>
        <source>no zone record before it has the zone key %1.</source>
        <translation>выше нет записи пояса с ключом %1.</translation>
    </message>
    <message>
        <source>field 2 (real time zone) is empty.</source>
        <translation>поле 2 (настоящий пояс) пустое.</translation>
    </message>
    <message>
        <source>the zone key %1 already has the real time zone %2.</source>
        <translation>у ключа пояса %1 уже есть настоящий пояс %2.</translation>
    </message>
    <message>
        <source>no member record before it has the member key 0x%1.</source>
        <translation>выше нет записи участника с ключом 0x%1.</translation>
    </message>
    <message>
        <source>field 4 (last date) is before field 3 (first date).</source>
        <translation>поле 4 (последний день) раньше поля 3 (первый день).</translation>
    </message>
    <message>
        <source>field 5 (away flag) is empty.</source>
        <translation>поле 5 (флаг «нет на месте») пустое.</translation>
    </message>
    <message>
        <source>field %1 holds a time, but the member is away (field 5).</source>
        <translation>в поле %1 указано время, но участник отмечен как «нет на месте» (поле 5).</translation>
    </message>
    <message>
        <source>field %1 (%2) is empty, but field %3 holds a time.</source>
        <translation>поле %1 (%2) пустое, хотя в поле %3 указано время.</translation>
    </message>
    <message>
        <source>slot %1 ends when it starts.</source>
        <translation>у окна %1 конец совпадает с началом.</translation>
    </message>
    <message>
        <source>slot 2 is given without slot 1.</source>
        <translation>окно 2 указано без окна 1.</translation>
    </message>
    <message>
        <source>fields 6 and 7 (slot 1) are empty, but the member is not away (field 5).</source>
        <translation>поля 6 и 7 (окно 1) пустые, но участник не отмечен как «нет на месте» (поле 5).</translation>
    </message>
    <message>
        <source>field 10 (note) is longer than %1 characters.</source>
        <translation>поле 10 (заметка) длиннее %1 символов.</translation>
    </message>
    <message>
        <source>change key 0x%1</source>
        <translation>ключ изменения 0x%1</translation>
    </message>
    <message>
        <source>the dates overlap the change of the same member on line %1.</source>
        <translation>дни пересекаются с изменением того же участника в строке %1.</translation>
    </message>
    <message>
        <source>The file holds no roster records</source>
        <translation>В файле нет записей состава</translation>
    </message>
    <message>
        <source>the end line counts %1 records; the file holds %2.</source>
        <translation>в завершающей строке указано записей: %1, а в файле их %2.</translation>
    </message>
    <message>
        <source>The Import File cannot be read.</source>
        <translation>Не удаётся прочитать файл импорта.</translation>
    </message>
    <message>
        <source>the header &quot;%1&quot; names no version of the format.</source>
        <translation>в заголовке «%1» не указана версия формата.</translation>
    </message>
    <message>
        <source>the file was written by a newer version of Tallyhold (&quot;%1&quot;).</source>
        <translation>файл записан более новой версией Tallyhold («%1»).</translation>
    </message>
    <message>
        <source>The end line &quot;#end&quot; with the number of records is missing.</source>
        <translation>Нет завершающей строки &quot;#end&quot; с числом записей.</translation>
    </message>
</context>
<context>
    <name>ExchangeTab</name>
    <message>
        <source>Chose which Clans/Divisions then click Export</source>
        <translation>Выберите кланы/отряды и нажмите «Экспорт»</translation>
    </message>
    <message>
        <source>Export divisions</source>
        <translation>Отряды для экспорта</translation>
    </message>
    <message>
        <source>Click Import</source>
        <translation>Нажмите «Импорт»</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>Имя файла экспорта</translation>
    </message>
    <message>
        <source>Export Function</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>This Export File Already Exists... Overwrite?</source>
        <translation>Такой файл экспорта уже есть... Перезаписать?</translation>
    </message>
    <message>
        <source>Export Completed!</source>
        <translation>Экспорт завершён!</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Сохранено как %1</translation>
    </message>
    <message>
        <source>Import File Name</source>
        <translation>Имя файла импорта</translation>
    </message>
    <message>
        <source>Import Completed!</source>
        <translation>Импорт завершён!</translation>
    </message>
    <message>
        <source>Tallyhold Export (*.tlx)|*.tlx</source>
        <translation>Экспорт Tallyhold (*.tlx)|*.tlx</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
</context>
<context>
    <name>ImportFormatError</name>
    <message>
        <source>There is a problem with the format of the Import File!</source>
        <translation>Ошибка в формате файла импорта!</translation>
    </message>
    <message>
        <source>The file ends early; it may have been cut off while copying</source>
        <translation>Файл обрывается раньше времени; возможно, он был обрезан при копировании</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
</context>
<context>
    <name>InvitationStore</name>
    <message>
        <source>Active until %1</source>
        <translation>Действует до %1</translation>
    </message>
    <message>
        <source>Expired %1</source>
        <translation>Истекла %1</translation>
    </message>
    <message>
        <source>Revoked %1</source>
        <translation>Отозвана %1</translation>
    </message>
    <message>
        <source>%1, last saved %2</source>
        <translation>%1, последнее сохранение %2</translation>
    </message>
    <message>
        <source>A sign-up link lasts 1 to %1 days.</source>
        <translation>Ссылка для записи действует от 1 до %1 дней.</translation>
    </message>
    <message>
        <source>That member is no longer in the roster.</source>
        <translation>Этого участника больше нет в составе.</translation>
    </message>
    <message>
        <source>That sign-up link is no longer in the roster.</source>
        <translation>Этой ссылки для записи больше нет в составе.</translation>
    </message>
</context>
<context>
    <name>ListFill</name>
    <message>
        <source>Hidden: its members are left out of the member lists</source>
        <translation>Скрыт: его участников нет в списках участников</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>maybe</source>
        <translation>может быть</translation>
    </message>
    <message>
        <source>late</source>
        <translation>опоздаю</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>нет ответа</translation>
    </message>
</context>
<context>
    <name>MatchAnnouncement</name>
    <message>
        <source>No time zone (GMT)</source>
        <translation>Без часового пояса (GMT)</translation>
    </message>
    <message>
        <source>Can play the whole match: %1</source>
        <translation>Могут сыграть весь матч: %1</translation>
    </message>
    <message>
        <source>Cannot play the whole match: %1</source>
        <translation>Не могут сыграть весь матч: %1</translation>
    </message>
</context>
<context>
    <name>MatchCalendar</name>
    <message>
        <source>The match calendar is not valid.</source>
        <translation>Не удалось составить правильный календарь матчей.</translation>
    </message>
</context>
<context>
    <name>MatchFields</name>
    <message>
        <source>&quot;%1&quot; is not a valid time.</source>
        <translation>«%1» — неправильное время.</translation>
    </message>
</context>
<context>
    <name>MatchInvitation</name>
    <message>
        <source>The calendar invitation is not valid.</source>
        <translation>Не удалось составить правильное приглашение в календарь.</translation>
    </message>
    <message>
        <source>The invitation could not be saved to %1.</source>
        <translation>Не удалось сохранить приглашение в %1.</translation>
    </message>
</context>
<context>
    <name>MatchPlan</name>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440, or empty (or 1) for a single moment.</source>
        <translation>Длительность матча должна быть целым числом минут от 15 до 1440 или пустой (или 1) для одного момента.</translation>
    </message>
    <message>
        <source>Minimum players must be a whole number from 1 to 32767, or empty for 1.</source>
        <translation>«Мин. игроков» должно быть целым числом от 1 до 32767 или пустым (тогда 1).</translation>
    </message>
</context>
<context>
    <name>MatchesTab</name>
    <message>
        <source>Show past matches</source>
        <translation>Показать прошедшие матчи</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Матчи</translation>
    </message>
    <message>
        <source>Upcoming matches, earliest first, with their answers counted</source>
        <translation>Предстоящие матчи, ближайшие первыми, с подсчётом ответов</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Матч</translation>
    </message>
    <message>
        <source>When and answers</source>
        <translation>Когда и ответы</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Изменить…</translation>
    </message>
    <message>
        <source>Edit Match…</source>
        <translation>Изменить матч…</translation>
    </message>
    <message>
        <source>Change the time, players, title or notes; a new time asks everyone again</source>
        <translation>Изменить время, игроков, название или заметки; при новом времени всех спросят заново</translation>
    </message>
    <message>
        <source>Cancel Match</source>
        <translation>Отменить матч</translation>
    </message>
    <message>
        <source>Mark the match cancelled in every calendar; it can be restored</source>
        <translation>Отметить матч отменённым во всех календарях; его можно вернуть</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete Match</source>
        <translation>Удалить матч</translation>
    </message>
    <message>
        <source>Remove the match with its answers and attendance</source>
        <translation>Удалить матч вместе с ответами и посещаемостью</translation>
    </message>
    <message>
        <source>Reminder…</source>
        <translation>Напомнить…</translation>
    </message>
    <message>
        <source>A message for those who have not answered</source>
        <translation>Сообщение для тех, кто ещё не ответил</translation>
    </message>
    <message>
        <source>Attendance…</source>
        <translation>Посещаемость…</translation>
    </message>
    <message>
        <source>Once the match has started: tick who came</source>
        <translation>Когда матч начался: отметьте, кто пришёл</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>Their week</source>
        <translation>Неделя</translation>
    </message>
    <message>
        <source>Came</source>
        <translation>Пришёл</translation>
    </message>
    <message>
        <source>The answer the highlighted player gave you</source>
        <translation>Ответ, который дал вам выделенный игрок</translation>
    </message>
    <message>
        <source>Set Answer</source>
        <translation>Записать ответ</translation>
    </message>
    <message>
        <source>Answer for the highlighted player, as they told you</source>
        <translation>Ответ за выделенного игрока, как он вам сказал</translation>
    </message>
    <message>
        <source>Attendance history</source>
        <translation>История посещаемости</translation>
    </message>
    <message>
        <source>Last matches counted</source>
        <translation>Сколько последних матчей</translation>
    </message>
    <message>
        <source>Matches that started and were not cancelled, latest first</source>
        <translation>Начавшиеся и не отменённые матчи, последние первыми</translation>
    </message>
    <message>
        <source>Per member over the last matches; click a heading to sort</source>
        <translation>По участникам за последние матчи; нажмите на заголовок для сортировки</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Участник</translation>
    </message>
    <message>
        <source>Invited</source>
        <translation>Приглашён</translation>
    </message>
    <message>
        <source>Said
yes</source>
        <translation>Ответ
«да»</translation>
    </message>
    <message>
        <source>Said yes but
did not come</source>
        <translation>«Да», но
не пришёл</translation>
    </message>
    <message>
        <source>Highlighted player&apos;s answer</source>
        <translation>Ответ игрока</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Последние</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>матчей</translation>
    </message>
    <message>
        <source>No past matches</source>
        <translation>Прошедших матчей нет</translation>
    </message>
    <message>
        <source>Past matches, latest first</source>
        <translation>Прошедшие матчи, последние первыми</translation>
    </message>
    <message>
        <source>No matches planned yet: choose members on Scheduling and press Plan Match…</source>
        <translation>Матчей пока нет: выберите участников на вкладке «Планирование» и нажмите «Назначить матч…»</translation>
    </message>
    <message>
        <source>Restore Match</source>
        <translation>Вернуть матч</translation>
    </message>
    <message>
        <source>Highlight a match to see its players.</source>
        <translation>Выделите матч, чтобы увидеть его игроков.</translation>
    </message>
    <message>
        <source>Players of %1</source>
        <translation>Игроки: %1</translation>
    </message>
    <message>
        <source>%1 minutes, at least %2 must say yes; planned on %3&apos;s clock</source>
        <translation>%1 мин, нужно не меньше %2 «да»; время по часам участника %3</translation>
    </message>
    <message>
        <source>⚠ cannot play</source>
        <translation>⚠ не может</translation>
    </message>
    <message>
        <source>%1&apos;s week or away dates say they cannot play all of this match</source>
        <translation>По неделе или дням «нет на месте» участник %1 не может сыграть весь матч</translation>
    </message>
    <message>
        <source>can play</source>
        <translation>может играть</translation>
    </message>
    <message>
        <source>Delete the match &quot;%1&quot; of %2 with its answers and attendance?</source>
        <translation>Удалить матч «%1» от %2 вместе с ответами и посещаемостью?</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Ошибка выбора</translation>
    </message>
    <message>
        <source>You must first highlight a player!</source>
        <translation>Сначала выделите игрока!</translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Отменён. %1</translation>
    </message>
    <message>
        <source>Started: answers are closed, attendance can be taken. %1</source>
        <translation>Начался: ответы закрыты, можно отмечать посещаемость. %1</translation>
    </message>
    <message>
        <source>%1 (required)</source>
        <translation>%1 (обязателен)</translation>
    </message>
</context>
<context>
    <name>MemberChange</name>
    <message>
        <source>Away %1</source>
        <translation>Нет на месте %1</translation>
    </message>
</context>
<context>
    <name>MemberChangeStore</name>
    <message>
        <source>&quot;%1&quot; is not a date (MM/DD/YYYY).</source>
        <translation>«%1» — не дата (ММ/ДД/ГГГГ).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day (HH:MM AM/PM or 24-hour HH:MM).</source>
        <translation>«%1» — не время суток (ЧЧ:ММ AM/PM или ЧЧ:ММ в 24-часовом формате).</translation>
    </message>
    <message>
        <source>The first date must be filled!</source>
        <translation>Укажите первый день!</translation>
    </message>
    <message>
        <source>The last date must be filled!</source>
        <translation>Укажите последний день!</translation>
    </message>
    <message>
        <source>The last date must not be before the first.</source>
        <translation>Последний день не может быть раньше первого.</translation>
    </message>
    <message>
        <source>Slot %1 needs both a start and an end.</source>
        <translation>Для окна %1 нужны и начало, и конец.</translation>
    </message>
    <message>
        <source>Ending time must be greater than starting time!</source>
        <translation>Время окончания должно быть позже времени начала!</translation>
    </message>
    <message>
        <source>Type the times played on those dates, or choose Away.</source>
        <translation>Введите время игры в эти дни или выберите «Нет на месте».</translation>
    </message>
    <message>
        <source>The note may hold at most %1 characters.</source>
        <translation>Заметка может быть не длиннее %1 символов.</translation>
    </message>
    <message>
        <source>That change was removed in the meantime; nothing was saved.</source>
        <translation>Это изменение тем временем убрали; ничего не сохранено.</translation>
    </message>
    <message>
        <source>These dates overlap another change: %1.</source>
        <translation>Эти дни пересекаются с другим изменением: %1.</translation>
    </message>
    <message>
        <source>That change was removed in the meantime.</source>
        <translation>Это изменение тем временем убрали.</translation>
    </message>
</context>
<context>
    <name>MemberFormCheck</name>
    <message>
        <source>You must enter in a Player Name!</source>
        <translation>Укажите ник!</translation>
    </message>
    <message>
        <source>You must place member in a Division!</source>
        <translation>Укажите клан / отряд участника!</translation>
    </message>
    <message>
        <source>For proper scheduling, you must put in the member&apos;s Time Zone!</source>
        <translation>Для правильного планирования укажите часовой пояс участника!</translation>
    </message>
    <message>
        <source>You must have the first Time Slots filled if this day is checked!</source>
        <translation>Если день отмечен, заполните первое окно!</translation>
    </message>
    <message>
        <source>This field must be in a valid time format!  HH:MM AM/PM</source>
        <translation>В этом поле нужно правильное время!  ЧЧ:ММ</translation>
    </message>
    <message>
        <source>Ending time must be greater than starting time!</source>
        <translation>Время окончания должно быть позже времени начала!</translation>
    </message>
    <message>
        <source>You must fill in both times of the second Time Slot, or leave both empty!</source>
        <translation>Заполните оба времени второго окна или оставьте оба пустыми!</translation>
    </message>
</context>
<context>
    <name>MemberFormTab</name>
    <message>
        <source>Player Name</source>
        <translation>Ник</translation>
    </message>
    <message>
        <source>Clan / Division</source>
        <translation>Клан / отряд</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Активен</translation>
    </message>
    <message>
        <source>Actual First Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Фамилия</translation>
    </message>
    <message>
        <source>Default EMail</source>
        <translation>Основной e-mail</translation>
    </message>
    <message>
        <source>Secondary Email</source>
        <translation>Запасной e-mail</translation>
    </message>
    <message>
        <source>Other Contact Info</source>
        <translation>Другие контакты</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Member Notes</source>
        <translation>Заметки об участнике</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Очистить поля</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Away / Changes…</source>
        <translation>Нет на месте / изменения…</translation>
    </message>
    <message>
        <source>Playing Schedules</source>
        <translation>Игровое расписание</translation>
    </message>
    <message>
        <source>Zone of the times</source>
        <translation>Пояс для времени</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Играет</translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
    <message>
        <source>Save the member first: dates away and one-off changes belong to a member in the roster. To enter them for a member, choose Edit Member on Members Info.</source>
        <translation>Сначала сохраните участника: дни «нет на месте» и разовые изменения относятся к участнику в составе. Чтобы их внести, выберите «Изменить участника» на вкладке «Участники».</translation>
    </message>
    <message>
        <source>Dates the member is away, or plays other times than the week below</source>
        <translation>Дни, когда участника нет на месте или он играет не в обычное время</translation>
    </message>
    <message>
        <source>Times Not Saved</source>
        <translation>Время не сохранено</translation>
    </message>
    <message>
        <source>The times typed for %1 are not saved while the day&apos;s Plays box is not ticked. Save without them?</source>
        <translation>Время, введённое для дня «%1», не сохранится, пока у этого дня не отмечено «Играет». Сохранить без него?</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Суббота / воскресенье</translation>
    </message>
    <message>
        <source>%1 slot 1 start</source>
        <translation>%1: начало окна 1</translation>
    </message>
    <message>
        <source>%1 slot 1 end</source>
        <translation>%1: конец окна 1</translation>
    </message>
    <message>
        <source>%1 slot 2 start</source>
        <translation>%1: начало окна 2</translation>
    </message>
    <message>
        <source>%1 slot 2 end</source>
        <translation>%1: конец окна 2</translation>
    </message>
    <message>
        <source>Update %1?</source>
        <translation>Обновить %1?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>Добавить %1?</translation>
    </message>
    <message>
        <source>Playing Schedules - Note:  All times are %1</source>
        <translation>Игровое расписание — всё время в поясе %1</translation>
    </message>
    <message>
        <source>Times in %1</source>
        <translation>Время в поясе %1</translation>
    </message>
</context>
<context>
    <name>MemberReads</name>
    <message>
        <source>Active</source>
        <translation>Активен</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Неактивен</translation>
    </message>
</context>
<context>
    <name>MemberSchedule</name>
    <message>
        <source>The stored slot time &quot;%1&quot; cannot be read.</source>
        <translation>Не удаётся прочитать сохранённое время окна «%1».</translation>
    </message>
</context>
<context>
    <name>MemberWrites</name>
    <message>
        <source>Make sure that the new Member&apos;s Division is set right, then try to Save again.</source>
        <translation>Проверьте, правильно ли указан отряд нового участника, и попробуйте сохранить ещё раз.</translation>
    </message>
    <message>
        <source>Make sure that the new Member&apos;s Time Zone is set right, then try to Save again.</source>
        <translation>Проверьте, правильно ли указан часовой пояс нового участника, и попробуйте сохранить ещё раз.</translation>
    </message>
</context>
<context>
    <name>MembersInfoTab</name>
    <message>
        <source>Members</source>
        <translation>Участники</translation>
    </message>
    <message>
        <source>Single Click to view / Double Click to Edit</source>
        <translation>Клик — просмотр / двойной клик — правка</translation>
    </message>
    <message>
        <source>Edit Member</source>
        <translation>Изменить участника</translation>
    </message>
    <message>
        <source>Delete Member</source>
        <translation>Удалить участника</translation>
    </message>
    <message>
        <source>Sign-up Links…</source>
        <translation>Ссылки для записи…</translation>
    </message>
    <message>
        <source>Private links with which members keep their own week</source>
        <translation>Личные ссылки, по которым участники сами ведут свою неделю</translation>
    </message>
    <message>
        <source>Member Info (read only)</source>
        <translation>Об участнике (только чтение)</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Обновлено</translation>
    </message>
    <message>
        <source>When the member last saved their own week through a sign-up link</source>
        <translation>Когда участник в последний раз сам сохранил свою неделю по ссылке для записи</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Матчи</translation>
    </message>
    <message>
        <source>Availability this week</source>
        <translation>Свободное время на этой неделе</translation>
    </message>
    <message>
        <source>Place mouse over days to display times</source>
        <translation>Наведите мышь на день, чтобы увидеть время</translation>
    </message>
    <message>
        <source>Zone of the times</source>
        <translation>Пояс для времени</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Sat/Sun</source>
        <translation>Сб/Вс</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Суббота / воскресенье</translation>
    </message>
    <message>
        <source>No Scheduling Information Present</source>
        <translation>Расписание не заполнено</translation>
    </message>
    <message>
        <source>Away and one-off changes, on the member&apos;s clock</source>
        <translation>«Нет на месте» и разовые изменения, по часам участника</translation>
    </message>
    <message>
        <source>Set on Add / Edit Members with Away / Changes…</source>
        <translation>Правка участников › Нет на месте / изменения…</translation>
    </message>
    <message>
        <source>Away and one-off changes</source>
        <translation>«Нет на месте» и разовые изменения</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Ошибка выбора</translation>
    </message>
    <message>
        <source>You must first highlight a Member!</source>
        <translation>Сначала выделите участника!</translation>
    </message>
    <message>
        <source>Last %1 matches: invited %2 · said yes %3 · came %4 · said yes but did not come %5</source>
        <translation>Последние матчи (%1): приглашён %2 · ответил «да» %3 · пришёл %4 · ответил «да», но не пришёл %5</translation>
    </message>
    <message>
        <source>by the member, %1</source>
        <translation>самим участником, %1</translation>
    </message>
    <message>
        <source>Times in %1</source>
        <translation>Время в поясе %1</translation>
    </message>
    <message numerus="yes">
        <source>Not invited to any of the last %n matches</source>
        <translation>
            <numerusform>Не приглашён ни на один из %n последних матчей</numerusform>
            <numerusform>Не приглашён ни на один из %n последних матчей</numerusform>
            <numerusform>Не приглашён ни на один из %n последних матчей</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Удалить %1?</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Show in Folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Ошибка базы данных</translation>
    </message>
    <message>
        <source>Database Access Error</source>
        <translation>Ошибка доступа к базе данных</translation>
    </message>
    <message>
        <source>Roster Not Opened</source>
        <translation>Состав не открыт</translation>
    </message>
    <message>
        <source>Roster In Use</source>
        <translation>Состав занят</translation>
    </message>
    <message>
        <source>Roster Damaged</source>
        <translation>Состав повреждён</translation>
    </message>
    <message>
        <source>Read-Only Roster</source>
        <translation>Состав только для чтения</translation>
    </message>
    <message>
        <source>Recoverable Error</source>
        <translation>Исправимая ошибка</translation>
    </message>
    <message>
        <source>Record Key Error</source>
        <translation>Ошибка ключа записи</translation>
    </message>
    <message>
        <source>Time Zone Error</source>
        <translation>Ошибка часового пояса</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Ошибка выбора</translation>
    </message>
    <message>
        <source>Save/Update Error</source>
        <translation>Ошибка сохранения</translation>
    </message>
    <message>
        <source>Data Format Error</source>
        <translation>Ошибка формата данных</translation>
    </message>
    <message>
        <source>Clan Division Not Found</source>
        <translation>Отряд клана не найден</translation>
    </message>
    <message>
        <source>Time Zone Not Found</source>
        <translation>Часовой пояс не найден</translation>
    </message>
    <message>
        <source>Schedule Process Error</source>
        <translation>Ошибка планирования</translation>
    </message>
    <message>
        <source>Deletion Criteria Not Met</source>
        <translation>Удаление невозможно</translation>
    </message>
    <message>
        <source>Import Aborted</source>
        <translation>Импорт прерван</translation>
    </message>
    <message>
        <source>Export Function</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>File Not Saved</source>
        <translation>Файл не сохранён</translation>
    </message>
    <message>
        <source>Changed by Another Officer</source>
        <translation>Изменено другим офицером</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Связь потеряна</translation>
    </message>
</context>
<context>
    <name>RecordKey</name>
    <message>
        <source>No new record key could be made.</source>
        <translation>Не удалось создать новый ключ записи.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a record key: a key is 32 hexadecimal digits.</source>
        <translation>«%1» — не ключ записи: ключ состоит из 32 шестнадцатеричных цифр.</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>%1 was changed by another officer since you loaded %2; reload to see the change</source>
        <translation>Другой офицер изменил %1 после того, как вы загрузили %2; обновите, чтобы увидеть изменение</translation>
    </message>
    <message>
        <source>Make sure that the new Member&apos;s Time Zone is set right, then try to Save again.</source>
        <translation>Проверьте, правильно ли указан часовой пояс нового участника, и попробуйте сохранить ещё раз.</translation>
    </message>
    <message>
        <source>Maximum Results field must be a number greater than zero</source>
        <translation>Поле «Макс. вариантов» должно быть числом больше нуля</translation>
    </message>
    <message>
        <source>Apply DST: yes</source>
        <translation>Летнее время: да</translation>
    </message>
    <message>
        <source>Apply DST: no</source>
        <translation>Летнее время: нет</translation>
    </message>
    <message>
        <source>follows %1: daylight saving today</source>
        <translation>по поясу %1: сегодня летнее время</translation>
    </message>
    <message>
        <source>follows %1: no daylight saving today</source>
        <translation>по поясу %1: сегодня стандартное время</translation>
    </message>
</context>
<context>
    <name>RosterCopy</name>
    <message>
        <source>The roster %1 already holds rows of its own; a roster is copied only into a new one. Nothing was copied.</source>
        <translation>В составе %1 уже есть свои строки; состав копируется только в новый. Ничего не скопировано.</translation>
    </message>
</context>
<context>
    <name>RosterDivisionsZones</name>
    <message>
        <source>Critical dB Programming Error!</source>
        <translation>Критическая программная ошибка базы данных!</translation>
    </message>
    <message>
        <source>You must enter a Division Name</source>
        <translation>Укажите название клана</translation>
    </message>
    <message>
        <source>%1 is your own time zone, set in Options. Choose another time zone there before deleting this one.</source>
        <translation>%1 — ваш часовой пояс, заданный в настройках. Чтобы удалить этот пояс, сначала выберите там другой.</translation>
    </message>
</context>
<context>
    <name>RosterError</name>
    <message>
        <source>The roster database reported an error:
%1</source>
        <translation>База данных состава сообщила об ошибке:
%1</translation>
    </message>
    <message>
        <source>Unrecoverable Data Error.  Number %1</source>
        <translation>Неисправимая ошибка данных.  Номер %1</translation>
    </message>
</context>
<context>
    <name>RosterExchange</name>
    <message>
        <source>You must make selection(s) from the list first!</source>
        <translation>Сначала выберите что-нибудь в списке!</translation>
    </message>
</context>
<context>
    <name>RosterExport</name>
    <message>
        <source>Critical dB Programming Error!</source>
        <translation>Критическая программная ошибка базы данных!</translation>
    </message>
    <message>
        <source>The Times row %1 holds &quot;%2&quot;, which is not a time.</source>
        <translation>В строке Times %1 записано «%2», а это не время.</translation>
    </message>
    <message>
        <source>The division 0x%1 is not in the roster.</source>
        <translation>Отряда 0x%1 нет в составе.</translation>
    </message>
    <message>
        <source>The Times row 0x%1 of player %2 is not in the roster.</source>
        <translation>Строки Times 0x%1 игрока %2 нет в составе.</translation>
    </message>
    <message>
        <source>The time zone %1 of player %2 is not in the roster.</source>
        <translation>Часового пояса %1 игрока %2 нет в составе.</translation>
    </message>
    <message>
        <source>The Export File could not be written.</source>
        <translation>Не удалось записать файл экспорта.</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>Changes need a login with the right to add, change and delete the roster&apos;s rows.</source>
        <translation>Для изменений нужна учётная запись с правом добавлять, изменять и удалять строки состава.</translation>
    </message>
    <message>
        <source>The roster file %1 is open in another Tallyhold window.</source>
        <translation>Файл состава %1 открыт в другом окне Tallyhold.</translation>
    </message>
    <message>
        <source>The file or its folder is read-only.</source>
        <translation>Файл или его папка доступны только для чтения.</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>the member&apos;s division 0x%1 is neither in the file nor in this roster.</source>
        <translation>отряда участника 0x%1 нет ни в файле, ни в этом составе.</translation>
    </message>
    <message>
        <source>the schedule&apos;s member 0x%1 is neither in the file nor in this roster.</source>
        <translation>участника расписания 0x%1 нет ни в файле, ни в этом составе.</translation>
    </message>
    <message>
        <source>the times 0x%1 are neither in the file nor in this roster.</source>
        <translation>времени 0x%1 нет ни в файле, ни в этом составе.</translation>
    </message>
    <message>
        <source>the times 0x%1 belong to a schedule of this roster.</source>
        <translation>время 0x%1 принадлежит расписанию этого состава.</translation>
    </message>
    <message>
        <source>the change 0x%1 belongs to another member of this roster.</source>
        <translation>изменение 0x%1 принадлежит другому участнику этого состава.</translation>
    </message>
    <message>
        <source>Divisions added: %1, already present: %2
Members added: %3, already present: %4
Time zones added: %5, matched to existing zones: %6</source>
        <translation>Отрядов добавлено: %1, уже были: %2
Участников добавлено: %3, уже были: %4
Часовых поясов добавлено: %5, сопоставлено с имеющимися: %6</translation>
    </message>
    <message>
        <source>
The file was written by an older version of Tallyhold and could not be checked for completeness.</source>
        <translation>
Файл записан старой версией Tallyhold, и его полноту проверить не удалось.</translation>
    </message>
    <message>
        <source>
Lines skipped because they hold no record: %1</source>
        <translation>
Пропущено строк без записей: %1</translation>
    </message>
    <message>
        <source>
The roster as it was before the import is saved in %1</source>
        <translation>
Состав до импорта сохранён в %1</translation>
    </message>
</context>
<context>
    <name>RosterInvitations</name>
    <message>
        <source>This link is no longer valid</source>
        <translation>Эта ссылка больше не действует</translation>
    </message>
</context>
<context>
    <name>RosterLocation</name>
    <message>
        <source>The roster file (default: ClanRoster.mdb here), or a shared roster&apos;s address postgresql://user@host[:port]/dbname.</source>
        <translation>Файл состава (по умолчанию: ClanRoster.mdb в текущей папке) или адрес общего состава postgresql://user@host[:port]/dbname.</translation>
    </message>
    <message>
        <source>Use ClanRoster.mdb in your data directory (%1), as the menu entry does.</source>
        <translation>Использовать ClanRoster.mdb в папке данных (%1), как это делает пункт меню.</translation>
    </message>
    <message>
        <source>There is no roster file %1; tallyhold-cli %2 init makes a new one.</source>
        <translation>Файла состава %1 нет; tallyhold-cli %2 init создаст новый.</translation>
    </message>
</context>
<context>
    <name>RosterMatches</name>
    <message>
        <source>That match was deleted in the meantime.</source>
        <translation>Этот матч тем временем удалили.</translation>
    </message>
    <message>
        <source>That member is not invited to &quot;%1&quot;.</source>
        <translation>Этот участник не приглашён на «%1».</translation>
    </message>
    <message>
        <source>Give the match&apos;s date and time.</source>
        <translation>Укажите дату и время матча.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date and time.</source>
        <translation>«%1» — неправильные дата и время.</translation>
    </message>
    <message>
        <source>%1 does not happen on your clock: it is skipped when the clocks go forward.</source>
        <translation>По вашим часам %1 не наступает: это время пропускается при переводе часов вперёд.</translation>
    </message>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440.</source>
        <translation>Длительность матча должна быть целым числом минут от 15 до 1440.</translation>
    </message>
    <message>
        <source>The title may hold at most %1 characters.</source>
        <translation>Название может быть не длиннее %1 символов.</translation>
    </message>
    <message>
        <source>The notes may hold at most %1 characters.</source>
        <translation>Заметки могут быть не длиннее %1 символов.</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Выберите участников в списке!</translation>
    </message>
    <message>
        <source>Minimum players must be a whole number from 1 on.</source>
        <translation>«Мин. игроков» должно быть целым числом не меньше 1.</translation>
    </message>
    <message>
        <source>The minimum of %1 players is more than the %2 invited.</source>
        <translation>Минимум игроков (%1) больше числа приглашённых (%2).</translation>
    </message>
    <message>
        <source>%1 yes</source>
        <translation>да: %1</translation>
    </message>
    <message>
        <source>%1 maybe</source>
        <translation>может быть: %1</translation>
    </message>
    <message>
        <source>%1 late</source>
        <translation>опоздают: %1</translation>
    </message>
    <message>
        <source>%1 no</source>
        <translation>нет: %1</translation>
    </message>
    <message>
        <source>%1 no answer</source>
        <translation>без ответа: %1</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>отменён</translation>
    </message>
    <message>
        <source>minimum %1 not met</source>
        <translation>минимум %1 не набран</translation>
    </message>
    <message>
        <source>%1 required not in</source>
        <translation>не хватает обязательных: %1</translation>
    </message>
    <message>
        <source>The note may hold at most %1 characters.</source>
        <translation>Заметка может быть не длиннее %1 символов.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was cancelled; it cannot be answered.</source>
        <translation>Матч «%1» отменён; ответить на него нельзя.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has started; it cannot be answered any more.</source>
        <translation>Матч «%1» уже начался; ответить на него больше нельзя.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was cancelled; there is no attendance to take.</source>
        <translation>Матч «%1» отменён; отмечать посещаемость не нужно.</translation>
    </message>
    <message>
        <source>Attendance can be taken once &quot;%1&quot; has started.</source>
        <translation>Посещаемость можно отметить, когда матч «%1» начнётся.</translation>
    </message>
    <message>
        <source>Everyone has answered for %1 &lt;t:%2:F&gt;.</source>
        <translation>Все ответили: %1 &lt;t:%2:F&gt;.</translation>
    </message>
    <message>
        <source>%1 &lt;t:%2:F&gt; (&lt;t:%2:R&gt;): %3, please answer yes, maybe, late or no.</source>
        <translation>%1 &lt;t:%2:F&gt; (&lt;t:%2:R&gt;): %3, ответьте, пожалуйста: «Да», «Может быть», «Опоздаю» или «Нет».</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Напоминание: %1</translation>
    </message>
    <message>
        <source>%1 starts %2 (%3 minutes).<byte value="xd"/>
Please answer yes, maybe, late or no.</source>
        <translation>%1 начинается %2 (%3 мин).<byte value="xd"/>
Пожалуйста, ответьте: «Да», «Может быть», «Опоздаю» или «Нет».</translation>
    </message>
    <message>
        <source>The calendar could not be saved to %1.</source>
        <translation>Не удалось сохранить календарь в %1.</translation>
    </message>
    <message>
        <source>Count at least one match.</source>
        <translation>Укажите хотя бы один матч для подсчёта.</translation>
    </message>
</context>
<context>
    <name>RosterMembers</name>
    <message>
        <source>That change was removed in the meantime.</source>
        <translation>Это изменение тем временем убрали.</translation>
    </message>
</context>
<context>
    <name>RosterScheduling</name>
    <message>
        <source>Match Date must be filled!</source>
        <translation>Укажите дату матча!</translation>
    </message>
    <message>
        <source>Match Time must be filled!</source>
        <translation>Укажите время матча!</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Выберите участников в списке!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date (MM/DD/YYYY).</source>
        <translation>«%1» — не дата (ММ/ДД/ГГГГ).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date and time.</source>
        <translation>«%1» — неправильные дата и время.</translation>
    </message>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440.</source>
        <translation>Длительность матча должна быть целым числом минут от 15 до 1440.</translation>
    </message>
</context>
<context>
    <name>RosterSchema</name>
    <message>
        <source>it was written by a newer version of Tallyhold (roster version %1; this version reads rosters up to version %2).</source>
        <translation>он записан более новой версией Tallyhold (версия состава %1; эта версия читает составы до версии %2).</translation>
    </message>
    <message>
        <source>it has no table %1.</source>
        <translation>в нём нет таблицы %1.</translation>
    </message>
    <message>
        <source>its table %1 has no column %2.</source>
        <translation>в его таблице %1 нет столбца %2.</translation>
    </message>
</context>
<context>
    <name>RosterServer</name>
    <message>
        <source>The shared roster %1 cannot be used: %2

Nothing has been changed.</source>
        <translation>Общий состав %1 нельзя использовать: %2

Ничего не изменено.</translation>
    </message>
    <message>
        <source>Your login may view and schedule the shared roster %1 but may not change it.</source>
        <translation>Ваша учётная запись может просматривать общий состав %1 и планировать по нему, но не может его изменять.</translation>
    </message>
    <message>
        <source>The connection to the shared roster %1 was lost; nothing of the last command was saved. Try it again once the server can be reached.</source>
        <translation>Связь с общим составом %1 потеряна; ничего из последней команды не сохранено. Повторите, когда сервер станет доступен.</translation>
    </message>
    <message>
        <source>the address does not name a database (postgresql://user@host/dbname).</source>
        <translation>в адресе не указана база данных (postgresql://user@host/dbname).</translation>
    </message>
    <message>
        <source>the address holds a password. Keep it in ~/.pgpass or PGPASSWORD instead, so it is never stored with the address.</source>
        <translation>в адресе есть пароль. Храните его в ~/.pgpass или PGPASSWORD, чтобы он никогда не сохранялся вместе с адресом.</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (Debian package libqt6sql6-psql).</source>
        <translation>Драйвер PostgreSQL для Qt не установлен (пакет Debian libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The shared roster %1 needs the login&apos;s password.</source>
        <translation>Для общего состава %1 нужен пароль учётной записи.</translation>
    </message>
    <message>
        <source>the server cannot be reached or refused the login.</source>
        <translation>сервер недоступен или отказал во входе.</translation>
    </message>
    <message>
        <source>the database holds no roster yet.</source>
        <translation>в базе данных пока нет состава.</translation>
    </message>
    <message>
        <source>the database holds no roster, and one could not be made in it.</source>
        <translation>в базе данных нет состава, и создать его в ней не удалось.</translation>
    </message>
    <message>
        <source>the database is not a Tallyhold roster: %1</source>
        <translation>база данных — не состав Tallyhold: %1</translation>
    </message>
    <message>
        <source>it could not be brought up to this version of Tallyhold.</source>
        <translation>его не удалось обновить до этой версии Tallyhold.</translation>
    </message>
</context>
<context>
    <name>RosterTexts</name>
    <message>
        <source>Mon</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Сб</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Вс</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s) - %1 - %2</source>
        <translation>
            <numerusform>%n участник - %1 - %2</numerusform>
            <numerusform>%n участника - %1 - %2</numerusform>
            <numerusform>%n участников - %1 - %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - %2 min</source>
        <translation>%1 - %2 мин</translation>
    </message>
    <message>
        <source>Time zones not found: %1</source>
        <translation>Часовые пояса не найдены: %1</translation>
    </message>
</context>
<context>
    <name>SchedulingTab</name>
    <message>
        <source>Select Member(s)</source>
        <translation>Выберите участников</translation>
    </message>
    <message>
        <source>Who can make the match</source>
        <translation>Кто свободен для матча</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Show Available</source>
        <translation>Кто свободен</translation>
    </message>
    <message>
        <source>Available members</source>
        <translation>Свободные участники</translation>
    </message>
    <message>
        <source>Best Times for Matches</source>
        <translation>Лучшее время для матчей</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Неделя с</translation>
    </message>
    <message>
        <source>Best times and the week count the seven days from this date, clock changes included</source>
        <translation>Лучшее время и неделя считают семь дней с этой даты, с учётом перевода часов</translation>
    </message>
    <message>
        <source>Show Best Times</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>Double click on a time and show who!</source>
        <translation>Двойной клик по времени — кто свободен!</translation>
    </message>
    <message>
        <source>Announce…</source>
        <translation>Объявить…</translation>
    </message>
    <message>
        <source>Tell the chosen members when the match is, each in their own time</source>
        <translation>Сообщить выбранным участникам время матча, каждому по его часам</translation>
    </message>
    <message>
        <source>Plan Match…</source>
        <translation>Назначить матч…</translation>
    </message>
    <message>
        <source>Invite the chosen members to a match at this time and collect their answers on the Matches tab</source>
        <translation>Пригласить выбранных участников на матч в это время и собрать их ответы на вкладке «Матчи»</translation>
    </message>
    <message>
        <source>Match plan</source>
        <translation>План матча</translation>
    </message>
    <message>
        <source>Match length</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440; empty or 1 for a single moment</source>
        <translation>Минуты, от 15 до 1440; пусто или 1 — один момент</translation>
    </message>
    <message>
        <source>Minimum players</source>
        <translation>Мин. игроков</translation>
    </message>
    <message>
        <source>How many must be able to play at least</source>
        <translation>Сколько как минимум должны мочь играть</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Обязателен</translation>
    </message>
    <message>
        <source>Mark or unmark the highlighted members as required</source>
        <translation>Отметить выделенных участников обязательными или снять отметку</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Неделя</translation>
    </message>
    <message>
        <source>Nobody required</source>
        <translation>Обязательных нет</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Выберите участников в списке!</translation>
    </message>
    <message>
        <source>Select members to see their week.</source>
        <translation>Выберите участников, чтобы увидеть их неделю.</translation>
    </message>
    <message>
        <source>Required: %1</source>
        <translation>Обязательны: %1</translation>
    </message>
</context>
<context>
    <name>SignupPage</name>
    <message>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Суббота / воскресенье</translation>
    </message>
    <message>
        <source>slot 1 start</source>
        <translation>начало окна 1</translation>
    </message>
    <message>
        <source>slot 1 end</source>
        <translation>конец окна 1</translation>
    </message>
    <message>
        <source>slot 2 start</source>
        <translation>начало окна 2</translation>
    </message>
    <message>
        <source>slot 2 end</source>
        <translation>конец окна 2</translation>
    </message>
    <message>
        <source>Away dates and one-off changes</source>
        <translation>Дни «нет на месте» и разовые изменения</translation>
    </message>
    <message>
        <source>Dates you cannot play, or play other times than your week, in your own time zone. Add keeps each at once; Save above keeps only your week.</source>
        <translation>Дни, когда ты не можешь играть или играешь не в обычное время, в твоём часовом поясе. «Добавить» сохраняет каждую запись сразу; «Сохранить» выше сохраняет только твою неделю.</translation>
    </message>
    <message>
        <source>Added.</source>
        <translation>Добавлено.</translation>
    </message>
    <message>
        <source>Removed.</source>
        <translation>Убрано.</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Нет.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Убрать %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Add a change</source>
        <translation>Добавить изменение</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Первый день</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Последний день</translation>
    </message>
    <message>
        <source>Leave the last date empty for one day.</source>
        <translation>Для одного дня оставь последний день пустым.</translation>
    </message>
    <message>
        <source>On those dates</source>
        <translation>В эти дни</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Нет на месте</translation>
    </message>
    <message>
        <source>These times instead</source>
        <translation>Другое время</translation>
    </message>
    <message>
        <source>From</source>
        <translation>С</translation>
    </message>
    <message>
        <source>and from</source>
        <translation>и с</translation>
    </message>
    <message>
        <source>Instead %1</source>
        <translation>Вместо этого %1</translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>holiday, exams</source>
        <translation>отпуск, экзамены</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 час</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation>Может быть</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>Опоздаю</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n said yes</source>
        <translation>
            <numerusform>«Да»: %1 из %n</numerusform>
            <numerusform>«Да»: %1 из %n</numerusform>
            <numerusform>«Да»: %1 из %n</numerusform>
        </translation>
    </message>
    <message>
        <source>This match was cancelled. It can no longer be answered.</source>
        <translation>Этот матч отменён. Ответить на него уже нельзя.</translation>
    </message>
    <message>
        <source>This match has started. It can no longer be answered.</source>
        <translation>Этот матч уже начался. Ответить на него уже нельзя.</translation>
    </message>
    <message>
        <source>You have not answered yet.</source>
        <translation>Ответа от тебя пока нет.</translation>
    </message>
    <message>
        <source>Your answer: %1</source>
        <translation>Твой ответ: %1</translation>
    </message>
    <message>
        <source>Answer saved.</source>
        <translation>Ответ сохранён.</translation>
    </message>
    <message>
        <source>Note for the leader (optional; sent with the answer you pick)</source>
        <translation>Заметка для лидера (необязательно; уйдёт вместе с выбранным ответом)</translation>
    </message>
    <message>
        <source>Answer for %1</source>
        <translation>Ответ на %1</translation>
    </message>
    <message>
        <source>Your matches</source>
        <translation>Твои матчи</translation>
    </message>
    <message>
        <source>Times in your time zone (%1).</source>
        <translation>Время в твоём часовом поясе (%1).</translation>
    </message>
    <message>
        <source>Times in the leader&apos;s time zone (%1) until you choose yours above.</source>
        <translation>Время в часовом поясе лидера (%1), пока ты не выберешь свой выше.</translation>
    </message>
    <message>
        <source>No matches planned for you.</source>
        <translation>Для тебя матчей не назначено.</translation>
    </message>
    <message>
        <source>In your calendar</source>
        <translation>В твоём календаре</translation>
    </message>
    <message>
        <source>Subscribe once and your calendar app keeps your matches and their changes. Like this page&apos;s link, the address is yours alone.</source>
        <translation>Подпишись один раз — и твой календарь сам будет показывать твои матчи и их изменения. Как и ссылка на эту страницу, этот адрес только твой.</translation>
    </message>
    <message>
        <source>Subscribe to your matches</source>
        <translation>Подписаться на свои матчи</translation>
    </message>
    <message>
        <source>Or add this address to your calendar (Google Calendar: Other calendars, From URL)</source>
        <translation>Или добавь этот адрес в свой календарь (Google Календарь: Другие календари, Добавить по URL)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Your week - Tallyhold</source>
        <translation>Твоя неделя - Tallyhold</translation>
    </message>
    <message>
        <source>Your week</source>
        <translation>Твоя неделя</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Ник</translation>
    </message>
    <message>
        <source>Clan / Division</source>
        <translation>Клан / отряд</translation>
    </message>
    <message>
        <source>A match waits for your answer</source>
        <translation>Матч ждёт твоего ответа</translation>
    </message>
    <message numerus="yes">
        <source>%n matches wait for your answer</source>
        <translation>
            <numerusform>%n матч ждёт твоего ответа</numerusform>
            <numerusform>%n матча ждут твоего ответа</numerusform>
            <numerusform>%n матчей ждут твоего ответа</numerusform>
        </translation>
    </message>
    <message>
        <source>Your matches (%1)</source>
        <translation>Твои матчи (%1)</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Сохранено.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Часовой пояс</translation>
    </message>
    <message>
        <source>Type or pick the times in your own time zone. Each day takes one or two times you can play; leave the second empty if you need only one.</source>
        <translation>Введи или выбери время в своём часовом поясе. В каждом дне одно или два окна, когда ты можешь играть; если нужно одно, второе оставь пустым.</translation>
    </message>
    <message>
        <source>Saved, in the leader&apos;s time (%1): %2</source>
        <translation>Сохранено, по времени лидера (%1): %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Last saved by you: %1 GMT</source>
        <translation>Последний раз сохранено тобой: %1 GMT</translation>
    </message>
</context>
<context>
    <name>SignupServer</name>
    <message>
        <source>Too many tries</source>
        <translation>Слишком много попыток</translation>
    </message>
    <message>
        <source>Wait a few minutes, then open your link again.</source>
        <translation>Подожди несколько минут и снова открой свою ссылку.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Не найдено</translation>
    </message>
    <message>
        <source>Too large</source>
        <translation>Слишком большой запрос</translation>
    </message>
    <message>
        <source>Not understood</source>
        <translation>Запрос не понят</translation>
    </message>
    <message>
        <source>Open the link you were given.</source>
        <translation>Открой ссылку, которую тебе дали.</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Не сохранено</translation>
    </message>
    <message>
        <source>The roster cannot be reached just now. Nothing was changed; try again later.</source>
        <translation>Состав сейчас недоступен. Ничего не изменено; попробуй позже.</translation>
    </message>
    <message>
        <source>This link is no longer valid</source>
        <translation>Эта ссылка больше не действует</translation>
    </message>
    <message>
        <source>Ask your clan leader for a new link.</source>
        <translation>Попроси у лидера клана новую ссылку.</translation>
    </message>
    <message>
        <source>This page is out of date. Open your link again and save again.</source>
        <translation>Страница устарела. Открой свою ссылку заново и сохрани ещё раз.</translation>
    </message>
</context>
<context>
    <name>TimeEntryField</name>
    <message>
        <source>Data Format Error</source>
        <translation>Ошибка формата данных</translation>
    </message>
    <message>
        <source>This field must be in a valid date format!  MM/DD/YYYY</source>
        <translation>В этом поле нужна правильная дата!  ММ/ДД/ГГГГ</translation>
    </message>
    <message>
        <source>This field must be in a valid time format!  HH:MM AM/PM</source>
        <translation>В этом поле нужно правильное время!  ЧЧ:ММ</translation>
    </message>
</context>
<context>
    <name>WeekAvailability</name>
    <message>
        <source>No time suits all required players</source>
        <translation>Нет времени, когда могут играть все обязательные игроки</translation>
    </message>
    <message>
        <source>No time suits all required players for %1 minutes</source>
        <translation>Нет времени, когда все обязательные игроки могут играть %1 мин</translation>
    </message>
    <message>
        <source>No time suits any player</source>
        <translation>Нет времени, когда может играть хоть один игрок</translation>
    </message>
    <message>
        <source>No time suits any player for %1 minutes</source>
        <translation>Нет времени, когда хоть один игрок может играть %1 мин</translation>
    </message>
    <message>
        <source>No time suits at least %1 players</source>
        <translation>Нет времени, когда могут играть не меньше %1 игроков</translation>
    </message>
    <message>
        <source>No time suits at least %1 players for %2 minutes</source>
        <translation>Нет времени, когда не меньше %1 игроков могут играть %2 мин</translation>
    </message>
    <message>
        <source>No time suits all required and at least %1 players</source>
        <translation>Нет времени, когда могут играть все обязательные и не меньше %1 игроков</translation>
    </message>
    <message>
        <source>No time suits all required and at least %1 players for %2 minutes</source>
        <translation>Нет времени, когда все обязательные и не меньше %1 игроков могут играть %2 мин</translation>
    </message>
    <message>
        <source>Your clock skips that time that day: the clocks go forward</source>
        <translation>В этот день ваши часы пропускают это время: их переводят вперёд</translation>
    </message>
    <message>
        <source>Not all required players can play from then</source>
        <translation>Не все обязательные игроки могут играть с этого времени</translation>
    </message>
    <message>
        <source>Not all required players can play for %1 minutes from then</source>
        <translation>Не все обязательные игроки могут играть %1 мин с этого времени</translation>
    </message>
    <message>
        <source>Fewer than %1 players can play from then</source>
        <translation>Меньше %1 игроков могут играть с этого времени</translation>
    </message>
    <message>
        <source>Fewer than %1 players can play for %2 minutes from then</source>
        <translation>Меньше %1 игроков могут играть %2 мин с этого времени</translation>
    </message>
</context>
<context>
    <name>WeekHeatmap</name>
    <message>
        <source>Week heatmap</source>
        <translation>Карта недели</translation>
    </message>
    <message>
        <source>Click a time and show who!</source>
        <translation>Нажмите на время — увидите, кто свободен!</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Шкала</translation>
    </message>
    <message>
        <source>plan not met</source>
        <translation>план не выполнен</translation>
    </message>
    <message>
        <source>Select members to see their week.</source>
        <translation>Выберите участников, чтобы увидеть их неделю.</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 игрок</translation>
    </message>
    <message>
        <source>%1 %2: %3 of %4</source>
        <translation>%1 %2: %3 из %4</translation>
    </message>
    <message>
        <source>, plan not met</source>
        <translation>, план не выполнен</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Пн</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Ср</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Чт</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Пт</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Сб</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Вс</translation>
    </message>
    <message numerus="yes">
        <source>%n players</source>
        <translation>
            <numerusform>%n игрок</numerusform>
            <numerusform>%n игрока</numerusform>
            <numerusform>%n игроков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Darker: more of the %n players can play. Click a time to see who.</source>
        <translation>
            <numerusform>Темнее — больше свободных из %n игрока. Нажмите на время, чтобы увидеть, кто.</numerusform>
            <numerusform>Темнее — больше свободных из %n игроков. Нажмите на время, чтобы увидеть, кто.</numerusform>
            <numerusform>Темнее — больше свободных из %n игроков. Нажмите на время, чтобы увидеть, кто.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> и ещё %n</numerusform>
            <numerusform> и ещё %n</numerusform>
            <numerusform> и ещё %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ZoneStore</name>
    <message>
        <source>The time zone was not added.</source>
        <translation>Часовой пояс не добавлен.</translation>
    </message>
    <message>
        <source>The file&apos;s time zone %1 could not be added, so nothing was imported.</source>
        <translation>Не удалось добавить часовой пояс %1 из файла, поэтому ничего не импортировано.</translation>
    </message>
    <message>
        <source>No zone key is left: the greatest zone key is already %1. %2</source>
        <translation>Свободных ключей поясов не осталось: наибольший ключ уже %1. %2</translation>
    </message>
    <message>
        <source>The following Members are located in this Time Zone: 
%1You will need to remove/update these members before this Time Zone can be deleted!</source>
        <translation>В этом часовом поясе находятся участники: 
%1Чтобы удалить часовой пояс, сначала удалите этих участников или смените им пояс!</translation>
    </message>
    <message>
        <source>Time Zone Name must be non blank!</source>
        <translation>Поле «Название» не должно быть пустым!</translation>
    </message>
    <message>
        <source>%1 is not a real time zone known to this computer (such as America/New_York).</source>
        <translation>%1 — не настоящий часовой пояс из известных этому компьютеру (например, America/New_York).</translation>
    </message>
    <message>
        <source>GMT Offset must be numeric!</source>
        <translation>Поле «Смещение GMT» должно быть числом!</translation>
    </message>
</context>
<context>
    <name>cTimeFuncs</name>
    <message>
        <source>The time zone %1 has no usable GMT offset (&quot;%2&quot;).</source>
        <translation>У часового пояса %1 нет пригодного смещения GMT («%2»).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid time.</source>
        <translation>«%1» — неправильное время.</translation>
    </message>
</context>
<context>
    <name>frmAnnounce</name>
    <message>
        <source>Announce Match</source>
        <translation>Объявить матч</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440</source>
        <translation>Минуты, от 15 до 1440</translation>
    </message>
    <message>
        <source>Announcement</source>
        <translation>Объявление</translation>
    </message>
    <message>
        <source>Edit the text before copying or sending it</source>
        <translation>Поправьте текст перед копированием или отправкой</translation>
    </message>
    <message>
        <source>Copy text</source>
        <translation>Копировать текст</translation>
    </message>
    <message>
        <source>Copy Discord line</source>
        <translation>Копировать для Discord</translation>
    </message>
    <message>
        <source>Discord shows the start in each reader&apos;s own time</source>
        <translation>Discord показывает начало каждому читателю по его времени</translation>
    </message>
    <message>
        <source>Save invitation…</source>
        <translation>Сохранить приглашение…</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Письмо</translation>
    </message>
    <message>
        <source>A message to those who can play, in your mail program</source>
        <translation>Письмо тем, кто свободен, в вашей почтовой программе</translation>
    </message>
    <message>
        <source>Length (minutes)</source>
        <translation>Длительность (мин)</translation>
    </message>
    <message>
        <source>Save Invitation</source>
        <translation>Сохранить приглашение</translation>
    </message>
    <message>
        <source>Calendar invitation (*.ics)|*.ics</source>
        <translation>Приглашение в календарь (*.ics)|*.ics</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 уже есть. Заменить?</translation>
    </message>
    <message>
        <source>None of the members who can play has an e-mail address.</source>
        <translation>Ни у кого из свободных участников нет адреса e-mail.</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Не удалось открыть почтовую программу для этого сообщения.</translation>
    </message>
    <message>
        <source>No e-mail (left out of the invitation): %1</source>
        <translation>Без e-mail (нет в приглашении): %1</translation>
    </message>
</context>
<context>
    <name>frmAttendance</name>
    <message>
        <source>Attendance: %1</source>
        <translation>Посещаемость: %1</translation>
    </message>
    <message>
        <source>Who came</source>
        <translation>Кто пришёл</translation>
    </message>
    <message>
        <source>Tick everyone who played; Space ticks the highlighted player</source>
        <translation>Отметьте всех, кто играл; пробел отмечает выделенного игрока</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>said %1</source>
        <translation>ответ: %1</translation>
    </message>
</context>
<context>
    <name>frmMemberChanges</name>
    <message>
        <source>Dates and times are on %1&apos;s own clock.</source>
        <translation>Даты и время — по часам участника %1.</translation>
    </message>
    <message>
        <source>Dates and times are on %1&apos;s own clock (%2).</source>
        <translation>Даты и время — по часам участника %1 (%2).</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Изменения</translation>
    </message>
    <message>
        <source>Dates away and days played at other times than the week; double click to edit</source>
        <translation>Дни «нет на месте» и дни с другим временем игры; двойной клик — правка</translation>
    </message>
    <message>
        <source>Show past changes</source>
        <translation>Показать прошедшие</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Add change</source>
        <translation>Добавить изменение</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Edit change</source>
        <translation>Править изменение</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Remove change</source>
        <translation>Убрать изменение</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Первый день</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>ММ/ДД/ГГГГ</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Последний день</translation>
    </message>
    <message>
        <source>MM/DD/YYYY; empty for the first date alone</source>
        <translation>ММ/ДД/ГГГГ; пусто — только первый день</translation>
    </message>
    <message>
        <source>same day</source>
        <translation>тот же день</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Нет на месте</translation>
    </message>
    <message>
        <source>Not listed on these dates at any time</source>
        <translation>В эти дни не играет ни в какое время</translation>
    </message>
    <message>
        <source>These times instead</source>
        <translation>Другое время</translation>
    </message>
    <message>
        <source>Plays these times on each of the dates instead of the week&apos;s</source>
        <translation>В каждый из этих дней играет в это время вместо обычного</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>Why, in a few words: holiday, exams</source>
        <translation>Коротко, почему: отпуск, экзамены</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save change</source>
        <translation>Сохранить изменение</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Cancel change</source>
        <translation>Отменить правку</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Дни</translation>
    </message>
    <message>
        <source>No changes: %1 plays the week as it stands. Add one for dates away or played otherwise.</source>
        <translation>Изменений нет: %1 играет по своей неделе. Добавьте изменение для дней «нет на месте» или с другим временем.</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Ошибка выбора</translation>
    </message>
    <message>
        <source>You must first highlight a change!</source>
        <translation>Сначала выделите изменение!</translation>
    </message>
    <message>
        <source>New change</source>
        <translation>Новое изменение</translation>
    </message>
    <message>
        <source>Change (choose Add or Edit)</source>
        <translation>Изменение (выберите «Добавить» или «Изменить»)</translation>
    </message>
    <message>
        <source>Away / Changes - %1</source>
        <translation>Нет на месте / изменения — %1</translation>
    </message>
    <message>
        <source>Slot 1 start</source>
        <translation>Начало окна 1</translation>
    </message>
    <message>
        <source>Slot 1 end</source>
        <translation>Конец окна 1</translation>
    </message>
    <message>
        <source>Slot 2 start</source>
        <translation>Начало окна 2</translation>
    </message>
    <message>
        <source>Slot 2 end</source>
        <translation>Конец окна 2</translation>
    </message>
    <message>
        <source>Edit change of %1</source>
        <translation>Правка изменения от %1</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Убрать %1?</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Best Times Granularity</source>
        <translation>Шаг лучшего времени</translation>
    </message>
    <message>
        <source>15 Min</source>
        <translation>15 мин</translation>
    </message>
    <message>
        <source>30 Min</source>
        <translation>30 мин</translation>
    </message>
    <message>
        <source>60 Min</source>
        <translation>60 мин</translation>
    </message>
    <message>
        <source>Disable Message Box Verifications</source>
        <translation>Отключить подтверждения</translation>
    </message>
    <message>
        <source>Max Return on Show Best Times</source>
        <translation>Макс. вариантов лучшего времени</translation>
    </message>
    <message>
        <source>Your Information</source>
        <translation>Ваши данные</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>EMail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Your Time Zone</source>
        <translation>Ваш часовой пояс</translation>
    </message>
    <message>
        <source>Apply DST</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>Restore Settings</source>
        <translation>Вернуть настройки</translation>
    </message>
    <message>
        <source>Cancel / Exit</source>
        <translation>Отмена / выход</translation>
    </message>
    <message>
        <source>Your zone&apos;s real time zone is on daylight saving time today</source>
        <translation>В настоящем поясе вашей зоны сегодня летнее время</translation>
    </message>
    <message>
        <source>Your zone&apos;s real time zone is on standard time today</source>
        <translation>В настоящем поясе вашей зоны сегодня стандартное время</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системный</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Как принято в языке</translation>
    </message>
    <message>
        <source>12-hour (8:00 PM)</source>
        <translation>12 часов (8:00 PM)</translation>
    </message>
    <message>
        <source>24-hour (20:00)</source>
        <translation>24 часа (20:00)</translation>
    </message>
    <message>
        <source>Language and clock change at the next start of Tallyhold.</source>
        <translation>Язык и часы сменятся при следующем запуске Tallyhold.</translation>
    </message>
</context>
<context>
    <name>frmPlanMatch</name>
    <message>
        <source>Plan Match</source>
        <translation>Назначить матч</translation>
    </message>
    <message>
        <source>Edit Match</source>
        <translation>Изменить матч</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>on your clock (%1)</source>
        <translation>по вашим часам (%1)</translation>
    </message>
    <message>
        <source>Length (minutes)</source>
        <translation>Длительность (мин)</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440</source>
        <translation>Минуты, от 15 до 1440</translation>
    </message>
    <message>
        <source>Minimum players</source>
        <translation>Мин. игроков</translation>
    </message>
    <message>
        <source>How many must say yes for the match to go ahead</source>
        <translation>Сколько игроков должны ответить «да», чтобы матч состоялся</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Tick who is invited and who must play; Space ticks the highlighted box</source>
        <translation>Отметьте, кто приглашён и кто обязателен; пробел отмечает выделенное поле</translation>
    </message>
    <message>
        <source>Invited players</source>
        <translation>Приглашённые игроки</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Обязателен</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Shown with the match in every player&apos;s calendar</source>
        <translation>Видны у матча в календаре каждого игрока</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>%1 invited, %2 required</source>
        <translation>Приглашено: %1, обязательны: %2</translation>
    </message>
    <message>
        <source>Moving the match or changing its length sets every answer back to no answer; the players are asked again. Save it?</source>
        <translation>При переносе матча или смене длительности все ответы сбрасываются и игроков спросят заново. Сохранить?</translation>
    </message>
    <message>
        <source>Required: %1</source>
        <translation>Обязательны: %1</translation>
    </message>
</context>
<context>
    <name>frmReminder</name>
    <message>
        <source>Reminder: %1</source>
        <translation>Напоминание: %1</translation>
    </message>
    <message>
        <source>Everyone has answered.</source>
        <translation>Все ответили.</translation>
    </message>
    <message>
        <source>Discord message</source>
        <translation>Сообщение для Discord</translation>
    </message>
    <message>
        <source>Discord shows the start in each reader&apos;s own time</source>
        <translation>Discord показывает начало каждому читателю по его времени</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copy Discord message</source>
        <translation>Копировать сообщение для Discord</translation>
    </message>
    <message>
        <source>E-mail link</source>
        <translation>Ссылка для письма</translation>
    </message>
    <message>
        <source>A mailto link to those who have not answered</source>
        <translation>Ссылка mailto для тех, кто ещё не ответил</translation>
    </message>
    <message>
        <source>Copy e-mail link</source>
        <translation>Копировать ссылку для письма</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Письмо</translation>
    </message>
    <message>
        <source>The reminder in your mail program</source>
        <translation>Напоминание в вашей почтовой программе</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Не удалось открыть почтовую программу для этого сообщения.</translation>
    </message>
    <message>
        <source>Not answered yet: %1</source>
        <translation>Ещё не ответили: %1</translation>
    </message>
    <message>
        <source>No e-mail (left out of the link): %1</source>
        <translation>Без e-mail (нет в ссылке): %1</translation>
    </message>
</context>
<context>
    <name>frmSignupLinks</name>
    <message>
        <source>Server Address</source>
        <translation>Адрес сервера</translation>
    </message>
    <message>
        <source>Where members reach tallyhold-web, such as https://roster.example.org</source>
        <translation>Адрес, по которому участники открывают tallyhold-web, например https://roster.example.org</translation>
    </message>
    <message>
        <source>Make Link</source>
        <translation>Создать ссылку</translation>
    </message>
    <message>
        <source>A new private link for this member, valid for 60 days</source>
        <translation>Новая личная ссылка для этого участника, действует 60 дней</translation>
    </message>
    <message>
        <source>New Link</source>
        <translation>Новая ссылка</translation>
    </message>
    <message>
        <source>Shown once: the roster keeps only a hash of it</source>
        <translation>Показывается один раз: в составе хранится только её хеш</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Письмо</translation>
    </message>
    <message>
        <source>A message with the link, in your mail program</source>
        <translation>Письмо со ссылкой в вашей почтовой программе</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Ссылки</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Отозвать</translation>
    </message>
    <message>
        <source>The member can no longer use the selected link</source>
        <translation>Участник больше не сможет открыть выбранную ссылку</translation>
    </message>
    <message>
        <source>Links to this address open only on this computer. Give the address at which members reach tallyhold-web.</source>
        <translation>Ссылки на этот адрес открываются только на этом компьютере. Укажите адрес, по которому участники открывают tallyhold-web.</translation>
    </message>
    <message>
        <source>Links to this address open only on your local network, not for members elsewhere.</source>
        <translation>Ссылки на этот адрес открываются только в вашей локальной сети, а не у участников в других местах.</translation>
    </message>
    <message>
        <source>Server Address note</source>
        <translation>Примечание об адресе сервера</translation>
    </message>
    <message>
        <source>Made %1 - %2</source>
        <translation>Создана %1 — %2</translation>
    </message>
    <message>
        <source>Your week for the clan</source>
        <translation>Твоя неделя в клане</translation>
    </message>
    <message>
        <source>Hi %1,

Please set the times you can play on your own page (keep the link to yourself):
%2
</source>
        <translation>Привет, %1!

Отметь на своей странице, когда ты можешь играть (ссылку никому не передавай):
%2
</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Не удалось открыть почтовую программу для этого сообщения.</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Ошибка выбора</translation>
    </message>
    <message>
        <source>You must first highlight a link!</source>
        <translation>Сначала выделите ссылку!</translation>
    </message>
    <message>
        <source>Revoke this link? %1 can no longer use it.</source>
        <translation>Отозвать эту ссылку? %1 больше не сможет ей пользоваться.</translation>
    </message>
    <message>
        <source>Sign-up Links - %1</source>
        <translation>Ссылки для записи — %1</translation>
    </message>
</context>
<context>
    <name>frmTZEdit</name>
    <message>
        <source>Time Zone Edits</source>
        <translation>Часовые пояса</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>Часовые пояса</translation>
    </message>
    <message>
        <source>TZ Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>Смещение GMT</translation>
    </message>
    <message>
        <source>Minutes to add to the local time to get GMT, such as 300 for Eastern or -60 for Central Europe</source>
        <translation>Сколько минут прибавить к местному времени, чтобы получить GMT, например 300 для Eastern или -60 для Центральной Европы</translation>
    </message>
    <message>
        <source>Apply Daylight Savings Time</source>
        <translation>Учитывать летнее время</translation>
    </message>
    <message>
        <source>Real Time Zone</source>
        <translation>Настоящий пояс</translation>
    </message>
    <message>
        <source>Where the zone&apos;s clock is, so daylight saving follows the date; type to search</source>
        <translation>Где идут часы этого пояса, чтобы летнее время следовало дате; начните вводить для поиска</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>New Time Zone</source>
        <translation>Новый пояс</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Ошибка выбора</translation>
    </message>
    <message>
        <source>You must first highlight a Time Zone!</source>
        <translation>Сначала выделите часовой пояс!</translation>
    </message>
    <message>
        <source>%1 has no summer time: its clock never changes.</source>
        <translation>В %1 нет летнего времени: часы там не переводят.</translation>
    </message>
    <message>
        <source> Members in Britain or Ireland need a zone with Europe/London or Europe/Dublin: type London above.</source>
        <translation> Участникам из Великобритании или Ирландии нужен пояс с Europe/London или Europe/Dublin: введите London выше.</translation>
    </message>
    <message>
        <source>Real Time Zone note</source>
        <translation>Примечание о настоящем поясе</translation>
    </message>
    <message>
        <source>Update %1?</source>
        <translation>Обновить %1?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>Добавить %1?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Удалить %1?</translation>
    </message>
</context>
<context>
    <name>frmTallyhold</name>
    <message>
        <source>Tallyhold tabs</source>
        <translation>Вкладки Tallyhold</translation>
    </message>
    <message>
        <source>Members Info</source>
        <translation>Участники</translation>
    </message>
    <message>
        <source>Add / Edit Members</source>
        <translation>Правка участников</translation>
    </message>
    <message>
        <source>Clans / Divisions</source>
        <translation>Кланы / отряды</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>Планирование</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Матчи</translation>
    </message>
    <message>
        <source>Export / Import</source>
        <translation>Экспорт / импорт</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Open &amp;Shared Roster…</source>
        <translation>Открыть &amp;общий состав…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Обновить</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>С&amp;ервис</translation>
    </message>
    <message>
        <source>Time &amp;Zone Edits</source>
        <translation>&amp;Часовые пояса</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Tallyhold &amp;Help</source>
        <translation>Справка &amp;Tallyhold</translation>
    </message>
    <message>
        <source>&amp;About Tallyhold</source>
        <translation>&amp;О программе Tallyhold</translation>
    </message>
    <message>
        <source>No clans yet: add one on Clans / Divisions, then add members on Add / Edit Members. Your own time zone, in which times are shown, is set in Tools › Options.</source>
        <translation>Кланов пока нет: добавьте клан на вкладке «Кланы / отряды», затем участников на вкладке «Правка участников». Ваш часовой пояс, в котором показывается время, задаётся в меню Сервис › Настройки.</translation>
    </message>
    <message>
        <source>No members listed yet: add them on Add / Edit Members (members of hidden clans are not listed)</source>
        <translation>Участников пока нет: добавьте их на вкладке «Правка участников» (участники скрытых кланов в список не входят)</translation>
    </message>
    <message>
        <source>No clans to export yet: add one on Clans / Divisions</source>
        <translation>Кланов для экспорта пока нет: добавьте клан на вкладке «Кланы / отряды»</translation>
    </message>
    <message>
        <source>Open Shared Roster</source>
        <translation>Открыть общий состав</translation>
    </message>
    <message>
        <source>Address of the shared roster (postgresql://user@host[:port]/dbname).
The password comes from ~/.pgpass or PGPASSWORD, or is asked for.</source>
        <translation>Адрес общего состава (postgresql://пользователь@хост[:порт]/база).
Пароль берётся из ~/.pgpass или PGPASSWORD, иначе будет запрошен.</translation>
    </message>
    <message>
        <source>A shared roster&apos;s address starts with postgresql://</source>
        <translation>Адрес общего состава начинается с postgresql://</translation>
    </message>
    <message>
        <source>About Tallyhold</source>
        <translation>О программе Tallyhold</translation>
    </message>
    <message>
        <source>Nobody to choose from. %1</source>
        <translation>Выбирать не из кого. %1</translation>
    </message>
    <message>
        <source>Tallyhold %1

Keeps a clan&apos;s roster and finds when to play.

Licence: GNU General Public License, version 3 or later

Roster: %2

Languages: %3</source>
        <translation>Tallyhold %1

Ведёт состав клана и находит время для игры.

Лицензия: GNU General Public License версии 3 или новее

Состав: %2

Языки: %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Roster In Use</source>
        <translation>Состав занят</translation>
    </message>
</context>
</TS>
