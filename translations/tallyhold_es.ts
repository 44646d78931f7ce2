<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ClansTab</name>
    <message>
        <source>Clan Name</source>
        <translation>Nombre del clan</translation>
    </message>
    <message>
        <source>Clans / Divisions</source>
        <translation>Clanes / Divisiones</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Hide Members from Lists</source>
        <translation>Ocultar miembros en las listas</translation>
    </message>
    <message>
        <source>New Clan</source>
        <translation>Nuevo clan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Limpiar campos</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Error de selección</translation>
    </message>
    <message>
        <source>You must first highlight a division!</source>
        <translation>¡Primero selecciona una división!</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>¿Añadir %1?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>¿Eliminar %1?</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <source>New player name.</source>
        <translation>Nuevo nombre de jugador.</translation>
    </message>
    <message>
        <source>Clan / division, by name or key.</source>
        <translation>Clan / división, por nombre o clave.</translation>
    </message>
    <message>
        <source>The member&apos;s time zone, by name.</source>
        <translation>La zona horaria del miembro, por nombre.</translation>
    </message>
    <message>
        <source>Active member (a new one is).</source>
        <translation>Miembro activo (uno nuevo lo es).</translation>
    </message>
    <message>
        <source>Actual first name.</source>
        <translation>Nombre real.</translation>
    </message>
    <message>
        <source>Last name.</source>
        <translation>Apellido.</translation>
    </message>
    <message>
        <source>Default e-mail.</source>
        <translation>Correo principal.</translation>
    </message>
    <message>
        <source>Secondary e-mail.</source>
        <translation>Correo secundario.</translation>
    </message>
    <message>
        <source>Other contact info.</source>
        <translation>Otro contacto.</translation>
    </message>
    <message>
        <source>Member notes.</source>
        <translation>Notas sobre el miembro.</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Sábado / Domingo</translation>
    </message>
    <message>
        <source>%1: one or two slots in the member&apos;s zone, such as 19:00-23:00,01:00-02:00; off to clear the day.</source>
        <translation>%1: una o dos franjas en la zona del miembro, como 19:00-23:00,01:00-02:00; off para vaciar el día.</translation>
    </message>
    <message>
        <source>Choose the members of a division (repeatable).</source>
        <translation>Elegir a los miembros de una división (repetible).</translation>
    </message>
    <message>
        <source>Choose a member by name or key (repeatable).</source>
        <translation>Elegir a un miembro por nombre o clave (repetible).</translation>
    </message>
    <message>
        <source>Your time zone for this command (default: options).</source>
        <translation>Tu zona horaria para este comando (por defecto: opciones).</translation>
    </message>
    <message>
        <source>Apply daylight saving time (default: options).</source>
        <translation>Aplicar el horario de verano (por defecto: opciones).</translation>
    </message>
    <message>
        <source>The match length, 15 to 1440 minutes (default: a moment).</source>
        <translation>La duración de la partida, de 15 a 1440 minutos (por defecto: un instante).</translation>
    </message>
    <message>
        <source>A member who must be able to play (repeatable; joins the chosen).</source>
        <translation>Un miembro que debe poder jugar (repetible; se suma a los elegidos).</translation>
    </message>
    <message>
        <source>At least this many must be able to play.</source>
        <translation>Al menos esta cantidad debe poder jugar.</translation>
    </message>
    <message>
        <source>The first date, in the member&apos;s own zone: MM/DD/YYYY or YYYY-MM-DD.</source>
        <translation>La primera fecha, en la zona del miembro: MM/DD/YYYY o YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>The last date (default: the first alone).</source>
        <translation>La última fecha (por defecto: solo la primera).</translation>
    </message>
    <message>
        <source>A short note, such as holiday.</source>
        <translation>Una nota breve, como vacaciones.</translation>
    </message>
    <message>
        <source>One or two slots in the member&apos;s zone instead of the week&apos;s, such as 22:00-01:00 or 6pm-8pm,10pm-1am; an end before the start runs past midnight.</source>
        <translation>Una o dos franjas en la zona del miembro en lugar de las de la semana, como 22:00-01:00 o 6pm-8pm,10pm-1am; un fin antes del inicio pasa de medianoche.</translation>
    </message>
    <message>
        <source>The start on your clock, such as &quot;12/12/2026 8:00 PM&quot;; moving it asks every player again.</source>
        <translation>El inicio en tu hora, como &quot;12/12/2026 8:00 PM&quot;; moverla vuelve a preguntar a cada jugador.</translation>
    </message>
    <message>
        <source>The start on your clock, such as &quot;12/12/2026 8:00 PM&quot;.</source>
        <translation>El inicio en tu hora, como &quot;12/12/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>The length, 15 to 1440 minutes.</source>
        <translation>La duración, de 15 a 1440 minutos.</translation>
    </message>
    <message>
        <source>The title (default: Clan match).</source>
        <translation>El título (por defecto: Clan match).</translation>
    </message>
    <message>
        <source>Invite a member, by name or key (repeatable).</source>
        <translation>Invitar a un miembro, por nombre o clave (repetible).</translation>
    </message>
    <message>
        <source>A member who must say yes (repeatable; invited too).</source>
        <translation>Un miembro que debe decir que sí (repetible; también invitado).</translation>
    </message>
    <message>
        <source>At least this many must say yes (default 1).</source>
        <translation>Al menos esta cantidad debe decir que sí (por defecto 1).</translation>
    </message>
    <message>
        <source>Notes for the players.</source>
        <translation>Notas para los jugadores.</translation>
    </message>
    <message>
        <source>Uninvite a member (repeatable).</source>
        <translation>Retirar la invitación a un miembro (repetible).</translation>
    </message>
    <message>
        <source>Invite the members of a division (repeatable).</source>
        <translation>Invitar a los miembros de una división (repetible).</translation>
    </message>
    <message>
        <source>Division notes.</source>
        <translation>Notas sobre la división.</translation>
    </message>
    <message>
        <source>Hide the members from the lists.</source>
        <translation>Ocultar a los miembros en las listas.</translation>
    </message>
    <message>
        <source>Minutes to add to the local time to get GMT (300 for Eastern).</source>
        <translation>Minutos que sumar a la hora local para obtener GMT (300 para Eastern).</translation>
    </message>
    <message>
        <source>Description.</source>
        <translation>Descripción.</translation>
    </message>
    <message>
        <source>Apply daylight saving time.</source>
        <translation>Aplicar el horario de verano.</translation>
    </message>
    <message>
        <source>The real time zone, such as America/New_York (&quot;none&quot; for none); its standard offset and daylight saving fill --offset and --dst.</source>
        <translation>La zona horaria real, como America/New_York (&quot;none&quot; para ninguna); su desfase estándar y su horario de verano rellenan --offset y --dst.</translation>
    </message>
    <message>
        <source>List the members as the window does (&quot;Division - Player&quot;).</source>
        <translation>Listar los miembros como la ventana (&quot;División - Jugador&quot;).</translation>
    </message>
    <message>
        <source>Only this division&apos;s members (repeatable).</source>
        <translation>Solo los miembros de esta división (repetible).</translation>
    </message>
    <message>
        <source>Members of hidden divisions too.</source>
        <translation>También los miembros de divisiones ocultas.</translation>
    </message>
    <message>
        <source>Show a member, times in your time zone.</source>
        <translation>Mostrar un miembro, con las horas en tu zona horaria.</translation>
    </message>
    <message>
        <source>Add a member.</source>
        <translation>Añadir un miembro.</translation>
    </message>
    <message>
        <source>Change the given fields of a member.</source>
        <translation>Cambiar los campos indicados de un miembro.</translation>
    </message>
    <message>
        <source>Delete a member and its schedule.</source>
        <translation>Eliminar un miembro y su horario.</translation>
    </message>
    <message>
        <source>Mark a member away from --from to --to: no answer on those dates counts them.</source>
        <translation>Marcar a un miembro ausente de --from a --to: en esas fechas ningún resultado lo cuenta.</translation>
    </message>
    <message>
        <source>Remove an away range or one-off change by its key.</source>
        <translation>Quitar una ausencia o un cambio puntual por su clave.</translation>
    </message>
    <message>
        <source>Give a member other slots from --from to --to instead of their week&apos;s.</source>
        <translation>Dar a un miembro otras franjas de --from a --to en lugar de las de su semana.</translation>
    </message>
    <message>
        <source>List a member&apos;s away ranges and one-off changes from today on, with their keys.</source>
        <translation>Listar las ausencias y cambios puntuales de un miembro desde hoy, con sus claves.</translation>
    </message>
    <message>
        <source>Past ones too.</source>
        <translation>También los pasados.</translation>
    </message>
    <message>
        <source>List the clans / divisions.</source>
        <translation>Listar los clanes / divisiones.</translation>
    </message>
    <message>
        <source>Add a division.</source>
        <translation>Añadir una división.</translation>
    </message>
    <message>
        <source>Change a division.</source>
        <translation>Cambiar una división.</translation>
    </message>
    <message>
        <source>New name of the division.</source>
        <translation>Nuevo nombre de la división.</translation>
    </message>
    <message>
        <source>Delete a division that has no members.</source>
        <translation>Eliminar una división sin miembros.</translation>
    </message>
    <message>
        <source>List the time zones.</source>
        <translation>Listar las zonas horarias.</translation>
    </message>
    <message>
        <source>Add a time zone.</source>
        <translation>Añadir una zona horaria.</translation>
    </message>
    <message>
        <source>Change a time zone.</source>
        <translation>Cambiar una zona horaria.</translation>
    </message>
    <message>
        <source>New name of the time zone.</source>
        <translation>Nuevo nombre de la zona horaria.</translation>
    </message>
    <message>
        <source>Delete a time zone that no member uses.</source>
        <translation>Eliminar una zona horaria que ningún miembro usa.</translation>
    </message>
    <message>
        <source>Who of the chosen members (default: everyone listed) can make a match.</source>
        <translation>Quién de los miembros elegidos (por defecto: todos los listados) puede estar en una partida.</translation>
    </message>
    <message>
        <source>The match date and time, such as &quot;12/7/2026 8:00 PM&quot;.</source>
        <translation>La fecha y hora de la partida, como &quot;12/7/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>Announce a match to the chosen members (default: everyone listed): each one&apos;s local time, who can play, a Discord line and an e-mail link.</source>
        <translation>Anunciar una partida a los miembros elegidos (por defecto: todos los listados): la hora local de cada uno, quién puede jugar, una línea para Discord y un enlace de correo.</translation>
    </message>
    <message>
        <source>The match start, such as &quot;12/7/2026 8:00 PM&quot;.</source>
        <translation>El inicio de la partida, como &quot;12/7/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>The match length, 15 to 1440 minutes.</source>
        <translation>La duración de la partida, de 15 a 1440 minutos.</translation>
    </message>
    <message>
        <source>Also write a calendar invitation to FILE.</source>
        <translation>Escribir también una invitación de calendario en FILE.</translation>
    </message>
    <message>
        <source>The best match times of the chosen members (default: everyone listed).</source>
        <translation>Los mejores horarios de partida de los miembros elegidos (por defecto: todos los listados).</translation>
    </message>
    <message>
        <source>Grid step: 15, 30 or 60 minutes (default: options).</source>
        <translation>Intervalo de la cuadrícula: 15, 30 o 60 minutos (por defecto: opciones).</translation>
    </message>
    <message>
        <source>At most this many times (default: options).</source>
        <translation>Como mucho esta cantidad de horarios (por defecto: opciones).</translation>
    </message>
    <message>
        <source>Count the seven days from this date (default: today).</source>
        <translation>Contar los siete días desde esta fecha (por defecto: hoy).</translation>
    </message>
    <message>
        <source>Plan a match for the members chosen and ask each for an answer.</source>
        <translation>Planificar una partida para los miembros elegidos y pedir a cada uno su respuesta.</translation>
    </message>
    <message>
        <source>Move, rename, lengthen or change the players of a match.</source>
        <translation>Mover, renombrar, alargar o cambiar los jugadores de una partida.</translation>
    </message>
    <message>
        <source>The upcoming matches with their answers, earliest first.</source>
        <translation>Las próximas partidas con sus respuestas, la más cercana primero.</translation>
    </message>
    <message>
        <source>The matches that are over, latest first.</source>
        <translation>Las partidas terminadas, la más reciente primero.</translation>
    </message>
    <message>
        <source>A match&apos;s players: their answers, notes, and who cannot play it by their week.</source>
        <translation>Los jugadores de una partida: sus respuestas, notas y quién no puede jugarla según su semana.</translation>
    </message>
    <message>
        <source>Answer for a member: yes, maybe, late or no.</source>
        <translation>Responder por un miembro: yes, maybe, late o no.</translation>
    </message>
    <message>
        <source>The member&apos;s note (at most 500 characters).</source>
        <translation>La nota del miembro (500 caracteres como mucho).</translation>
    </message>
    <message>
        <source>Cancel a match.</source>
        <translation>Cancelar una partida.</translation>
    </message>
    <message>
        <source>Undo the cancellation.</source>
        <translation>Deshacer la cancelación.</translation>
    </message>
    <message>
        <source>Delete a match with its answers and attendance.</source>
        <translation>Eliminar una partida con sus respuestas y su asistencia.</translation>
    </message>
    <message>
        <source>Whether a member came, once the match has started.</source>
        <translation>Si un miembro vino, una vez empezada la partida.</translation>
    </message>
    <message>
        <source>A Discord message and an e-mail link for those who have not answered.</source>
        <translation>Un mensaje para Discord y un enlace de correo para quienes no han respondido.</translation>
    </message>
    <message>
        <source>Write the upcoming matches and those of the last 30 days as a calendar file.</source>
        <translation>Escribir las próximas partidas y las de los últimos 30 días en un archivo de calendario.</translation>
    </message>
    <message>
        <source>Every match with every player (the default).</source>
        <translation>Cada partida con cada jugador (por defecto).</translation>
    </message>
    <message>
        <source>Only this member&apos;s matches, with their answers.</source>
        <translation>Solo las partidas de este miembro, con sus respuestas.</translation>
    </message>
    <message>
        <source>The .ics file to write.</source>
        <translation>El archivo .ics que escribir.</translation>
    </message>
    <message>
        <source>Count the last N matches (default 10).</source>
        <translation>Contar las últimas N partidas (por defecto 10).</translation>
    </message>
    <message>
        <source>Export divisions with their members, schedules and zones to a .tlx file.</source>
        <translation>Exportar divisiones con sus miembros, horarios y zonas a un archivo .tlx.</translation>
    </message>
    <message>
        <source>A division to export (repeatable).</source>
        <translation>Una división que exportar (repetible).</translation>
    </message>
    <message>
        <source>Overwrite FILE when it exists.</source>
        <translation>Sobrescribir FILE si ya existe.</translation>
    </message>
    <message>
        <source>Import a .tlx file: checked whole, then added in one go.</source>
        <translation>Importar un archivo .tlx: se comprueba entero y luego se añade de una vez.</translation>
    </message>
    <message>
        <source>Make a member&apos;s private sign-up link for tallyhold-web; only its hash is kept, so copy it now.</source>
        <translation>Crear el enlace de registro privado de un miembro para tallyhold-web; solo se guarda su hash, así que cópialo ahora.</translation>
    </message>
    <message>
        <source>Days until the link expires (default 60, at most 3650).</source>
        <translation>Días hasta que caduca el enlace (por defecto 60, como mucho 3650).</translation>
    </message>
    <message>
        <source>Where members reach tallyhold-web, such as https://roster.example.org (kept for the next links; default http://127.0.0.1:8080).</source>
        <translation>Dónde llegan los miembros a tallyhold-web, como https://roster.example.org (se guarda para los próximos enlaces; por defecto http://127.0.0.1:8080).</translation>
    </message>
    <message>
        <source>List the sign-up links, newest first.</source>
        <translation>Listar los enlaces de registro, el más reciente primero.</translation>
    </message>
    <message>
        <source>Only this member&apos;s links.</source>
        <translation>Solo los enlaces de este miembro.</translation>
    </message>
    <message>
        <source>Revoke a sign-up link by its key.</source>
        <translation>Revocar un enlace de registro por su clave.</translation>
    </message>
    <message>
        <source>Show your preferences, or set the given ones.</source>
        <translation>Mostrar tus preferencias, o cambiar las indicadas.</translation>
    </message>
    <message>
        <source>Your time zone.</source>
        <translation>Tu zona horaria.</translation>
    </message>
    <message>
        <source>Best times grid: 15, 30 or 60 minutes.</source>
        <translation>Intervalo de los mejores horarios: 15, 30 o 60 minutos.</translation>
    </message>
    <message>
        <source>Max return on best times.</source>
        <translation>Máximo de mejores horarios mostrados.</translation>
    </message>
    <message>
        <source>Disable the window&apos;s confirmation boxes.</source>
        <translation>Desactivar los avisos de confirmación de la ventana.</translation>
    </message>
    <message>
        <source>Your name.</source>
        <translation>Tu nombre.</translation>
    </message>
    <message>
        <source>Your e-mail.</source>
        <translation>Tu correo.</translation>
    </message>
    <message>
        <source>Copy a whole roster, keys kept, between a file and a server (either way) into a new roster, in one transaction.</source>
        <translation>Copiar una plantilla entera, con sus claves, entre un archivo y un servidor (en cualquier sentido) a una plantilla nueva, en una sola transacción.</translation>
    </message>
    <message>
        <source>The roster copied: a file or a server&apos;s address.</source>
        <translation>La plantilla copiada: un archivo o la dirección de un servidor.</translation>
    </message>
    <message>
        <source>The new roster: a file (created) or an empty server database.</source>
        <translation>La plantilla nueva: un archivo (se crea) o una base de datos vacía en un servidor.</translation>
    </message>
    <message>
        <source>A zone name (letter case aside) or its number.</source>
        <translation>Un nombre de zona (sin importar mayúsculas) o su número.</translation>
    </message>
    <message>
        <source>The link&apos;s key, as links shows it.</source>
        <translation>La clave del enlace, como la muestra links.</translation>
    </message>
    <message>
        <source>The change&apos;s key, as member changes shows it.</source>
        <translation>La clave del cambio, como la muestra member changes.</translation>
    </message>
    <message>
        <source>The exchange file (.tlx).</source>
        <translation>El archivo de intercambio (.tlx).</translation>
    </message>
    <message>
        <source>The name.</source>
        <translation>El nombre.</translation>
    </message>
    <message>
        <source>Give the %1.</source>
        <translation>Indica %1.</translation>
    </message>
    <message>
        <source>member&apos;s NAME or KEY</source>
        <translation>el NOMBRE o la CLAVE del miembro</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Nombre real</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>No Scheduling Information Present</source>
        <translation>Sin horarios registrados</translation>
    </message>
    <message>
        <source>Away and one-off changes, on the member&apos;s clock:</source>
        <translation>Ausencias y cambios puntuales, según la hora del miembro:</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>Añadido: %1</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Actualizado: %1</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Eliminado: %1</translation>
    </message>
    <message>
        <source>Give the first date: --from MM/DD/YYYY.</source>
        <translation>Indica la primera fecha: --from MM/DD/YYYY.</translation>
    </message>
    <message>
        <source>Added for %1: %2 (%3)</source>
        <translation>Añadido para %1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 has no away dates or changes.</source>
        <translation>%1 no tiene ausencias ni cambios.</translation>
    </message>
    <message>
        <source>%1 has no away dates or changes from today on.</source>
        <translation>%1 no tiene ausencias ni cambios desde hoy.</translation>
    </message>
    <message>
        <source>change&apos;s KEY (member changes NAME shows it)</source>
        <translation>la CLAVE del cambio (member changes NOMBRE la muestra)</translation>
    </message>
    <message>
        <source>No change has the key &quot;%1&quot;; tallyhold-cli member changes NAME --all lists a member&apos;s changes with their keys.</source>
        <translation>Ningún cambio tiene la clave &quot;%1&quot;; tallyhold-cli member changes NOMBRE --all lista los cambios de un miembro con sus claves.</translation>
    </message>
    <message>
        <source>Removed from %1: %2</source>
        <translation>Quitado de %1: %2</translation>
    </message>
    <message>
        <source>division&apos;s NAME or KEY</source>
        <translation>el NOMBRE o la CLAVE de la división</translation>
    </message>
    <message>
        <source>%1  (GMT offset %2%3%4)</source>
        <translation>%1  (desfase GMT %2%3%4)</translation>
    </message>
    <message>
        <source>, daylight saving</source>
        <translation>, horario de verano</translation>
    </message>
    <message>
        <source>time zone&apos;s NAME or NUMBER</source>
        <translation>el NOMBRE o el NÚMERO de la zona horaria</translation>
    </message>
    <message>
        <source>Maximum Results field must be a number greater than zero</source>
        <translation>El campo Máximo de mejores horarios debe ser un número mayor que cero</translation>
    </message>
    <message numerus="yes">
        <source>None of the %n chosen member(s) can play then.</source>
        <translation>
            <numerusform>El miembro elegido (%n) no puede jugar a esa hora.</numerusform>
            <numerusform>Ninguno de los %n miembros elegidos puede jugar a esa hora.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %n chosen member(s) plays at any time.</source>
        <translation>
            <numerusform>El miembro elegido (%n) no juega a ninguna hora.</numerusform>
            <numerusform>Ninguno de los %n miembros elegidos juega a ninguna hora.</numerusform>
        </translation>
    </message>
    <message>
        <source>No e-mail: </source>
        <translation>Sin correo: </translation>
    </message>
    <message>
        <source>FILE to export to</source>
        <translation>el ARCHIVO al que exportar</translation>
    </message>
    <message>
        <source>This Export File Already Exists... (--force overwrites it)</source>
        <translation>Este archivo de exportación ya existe... (--force lo sobrescribe)</translation>
    </message>
    <message>
        <source>Export Completed!</source>
        <translation>¡Exportación completada!</translation>
    </message>
    <message numerus="yes">
        <source>Divisions: %1, members: %n</source>
        <translation>
            <numerusform>Divisiones: %1, miembros: %n</numerusform>
            <numerusform>Divisiones: %1, miembros: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>FILE to import</source>
        <translation>el ARCHIVO que importar</translation>
    </message>
    <message>
        <source>Import Completed!</source>
        <translation>¡Importación completada!</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Your Time Zone: </source>
        <translation>Tu zona horaria: </translation>
    </message>
    <message>
        <source>Best Times Granularity: %1 Min</source>
        <translation>Intervalo de mejores horarios: %1 min</translation>
    </message>
    <message>
        <source>Max Return on Show Best Times: %1</source>
        <translation>Máximo de mejores horarios: %1</translation>
    </message>
    <message>
        <source>Disable Message Box Verifications: </source>
        <translation>Desactivar avisos de confirmación: </translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nombre: %1</translation>
    </message>
    <message>
        <source>EMail: %1</source>
        <translation>Correo: %1</translation>
    </message>
    <message>
        <source>link&apos;s KEY (tallyhold-cli links shows it)</source>
        <translation>la CLAVE del enlace (tallyhold-cli links la muestra)</translation>
    </message>
    <message>
        <source>Revoked</source>
        <translation>Revocado</translation>
    </message>
    <message>
        <source>copy needs --from and --to.</source>
        <translation>copy necesita --from y --to.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n member(s) to %1</source>
        <translation>
            <numerusform>%n miembro copiado a %1</numerusform>
            <numerusform>%n miembros copiados a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>There is a roster file %1 already.</source>
        <translation>Ya hay un archivo de plantilla %1.</translation>
    </message>
    <message>
        <source>Made a new roster in %1</source>
        <translation>Plantilla nueva creada en %1</translation>
    </message>
    <message>
        <source>No match is titled &quot;%1&quot;; matches --past lists them all.</source>
        <translation>Ninguna partida se titula &quot;%1&quot;; matches --past las lista todas.</translation>
    </message>
    <message>
        <source>%1 matches are titled &quot;%2&quot;; give one of their keys:</source>
        <translation>%1 partidas se titulan &quot;%2&quot;; indica una de sus claves:</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Planificada</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modificada</translation>
    </message>
    <message>
        <source>No past matches.</source>
        <translation>No hay partidas pasadas.</translation>
    </message>
    <message>
        <source>No upcoming matches.</source>
        <translation>No hay próximas partidas.</translation>
    </message>
    <message>
        <source>Notes: %1</source>
        <translation>Notas: %1</translation>
    </message>
    <message>
        <source>required</source>
        <translation>imprescindible</translation>
    </message>
    <message>
        <source>cannot play then</source>
        <translation>no puede jugar a esa hora</translation>
    </message>
    <message>
        <source>came</source>
        <translation>vino</translation>
    </message>
    <message>
        <source>did not come</source>
        <translation>no vino</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>The answer is yes, maybe, late or no.</source>
        <translation>La respuesta es yes, maybe, late o no.</translation>
    </message>
    <message>
        <source>%1 said %2.</source>
        <translation>%1 dijo %2.</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Restaurada</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelada</translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation>yes o no</translation>
    </message>
    <message>
        <source>Say yes or no: did %1 come?</source>
        <translation>Responde yes o no: ¿vino %1?</translation>
    </message>
    <message>
        <source> came.</source>
        <translation> vino.</translation>
    </message>
    <message>
        <source> did not come.</source>
        <translation> no vino.</translation>
    </message>
    <message>
        <source>Give --all or --member, not both.</source>
        <translation>Indica --all o --member, no los dos.</translation>
    </message>
    <message>
        <source>Calendar written: </source>
        <translation>Calendario escrito: </translation>
    </message>
    <message>
        <source>%1: invited %2, said yes %3, came %4, said yes but did not come %5</source>
        <translation>%1: invitado %2, dijo sí %3, vino %4, dijo sí pero no vino %5</translation>
    </message>
    <message>
        <source>No match has been played yet.</source>
        <translation>Todavía no se ha jugado ninguna partida.</translation>
    </message>
    <message>
        <source>Make a new, empty roster where --roster (or --user-roster) says; every other command opens an existing roster only.</source>
        <translation>Crear una plantilla nueva y vacía donde indique --roster (o --user-roster); las demás órdenes solo abren una plantilla existente.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Exit status: 0 done; 1 command refused or bad input (nothing was written); 2 the roster cannot be opened or changed (empty, damaged, in use, read-only, newer) or the database failed (nothing was written). Errors go to stderr.</source>
        <translation>Estado de salida: 0 hecho; 1 comando rechazado o entrada no válida (no se escribió nada); 2 la plantilla no se puede abrir ni cambiar (vacía, dañada, en uso, de solo lectura, más nueva) o la base de datos falló (no se escribió nada). Los errores van a stderr.</translation>
    </message>
    <message>
        <source>Print one JSON document instead of text.</source>
        <translation>Imprimir un solo documento JSON en lugar de texto.</translation>
    </message>
    <message>
        <source>The Tallyhold roster and match finder from a terminal.

Commands (tallyhold-cli COMMAND --help shows a command&apos;s options):
</source>
        <translation>La plantilla y el buscador de partidas de Tallyhold desde un terminal.

Comandos (tallyhold-cli COMANDO --help muestra las opciones de un comando):
</translation>
    </message>
    <message>
        <source>slot 1 start</source>
        <translation>inicio de la franja 1</translation>
    </message>
    <message>
        <source>slot 1 end</source>
        <translation>fin de la franja 1</translation>
    </message>
    <message>
        <source>slot 2 start</source>
        <translation>inicio de la franja 2</translation>
    </message>
    <message>
        <source>slot 2 end</source>
        <translation>fin de la franja 2</translation>
    </message>
    <message>
        <source> Times may also be typed as 7:30pm, 7pm, 19:30 or 1930.</source>
        <translation> Las horas también se pueden escribir como 7:30pm, 7pm, 19:30 o 1930.</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>Uno de los comandos de arriba.</translation>
    </message>
    <message>
        <source>COMMAND [options]</source>
        <translation>COMANDO [opciones]</translation>
    </message>
    <message>
        <source>Give a command; tallyhold-cli --help lists them.</source>
        <translation>Indica un comando; tallyhold-cli --help los lista.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;; tallyhold-cli --help lists them.</source>
        <translation>Comando desconocido &quot;%1&quot;; tallyhold-cli --help los lista.</translation>
    </message>
    <message>
        <source> Saturday and Sunday are one day: --weekend.</source>
        <translation> Sábado y domingo cuentan como un día: --weekend.</translation>
    </message>
    <message>
        <source> tallyhold-cli %1 --help lists its options.</source>
        <translation> tallyhold-cli %1 --help lista sus opciones.</translation>
    </message>
    <message>
        <source>Too many arguments for %1: %2 (put a name with blanks in quotes).</source>
        <translation>Demasiados argumentos para %1: %2 (pon entre comillas un nombre con espacios).</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>aviso: </translation>
    </message>
    <message>
        <source>--roster needs a file name.</source>
        <translation>--roster necesita un nombre de archivo.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The roster file %1 cannot be used: %2

The file has not been changed.</source>
        <translation>El archivo de plantilla %1 no se puede usar: %2

El archivo no se ha modificado.</translation>
    </message>
    <message>
        <source>it cannot be read (%1).</source>
        <translation>no se puede leer (%1).</translation>
    </message>
    <message>
        <source>it is empty (0 bytes).</source>
        <translation>está vacío (0 bytes).</translation>
    </message>
    <message>
        <source>it is an Access-format database, not an SQLite roster.</source>
        <translation>es una base de datos en formato Access, no una plantilla SQLite.</translation>
    </message>
    <message>
        <source>it is not an SQLite database.</source>
        <translation>no es una base de datos SQLite.</translation>
    </message>
    <message>
        <source>restore a backup such as %1</source>
        <translation>restaura una copia de seguridad, como %1</translation>
    </message>
    <message>
        <source>restore a backup if you keep one (there is none at %1)</source>
        <translation>restaura una copia de seguridad si tienes alguna (no hay ninguna en %1)</translation>
    </message>
    <message>
        <source>it is in use by another program.</source>
        <translation>otro programa lo está usando.</translation>
    </message>
    <message>
        <source>it is damaged; %1.</source>
        <translation>está dañado; %1.</translation>
    </message>
    <message>
        <source>a write to it was interrupted and cannot be undone while the file or its folder is read-only.</source>
        <translation>se interrumpió una escritura en él y no se puede deshacer mientras el archivo o su carpeta sean de solo lectura.</translation>
    </message>
    <message>
        <source>it cannot be opened (%1).</source>
        <translation>no se puede abrir (%1).</translation>
    </message>
    <message>
        <source>The roster file %1 can be viewed and scheduled but not changed.</source>
        <translation>El archivo de plantilla %1 se puede ver y usar para planificar, pero no cambiar.</translation>
    </message>
    <message>
        <source>The roster file %1 is damaged. Export what can still be read, then %2. Until then the roster can be viewed and scheduled but not changed.</source>
        <translation>El archivo de plantilla %1 está dañado. Exporta lo que aún se pueda leer y luego %2. Hasta entonces, la plantilla se puede ver y usar para planificar, pero no cambiar.</translation>
    </message>
    <message>
        <source>it is not a Tallyhold roster: %1</source>
        <translation>no es una plantilla de Tallyhold: %1</translation>
    </message>
    <message>
        <source>it could not be brought up to this version of Tallyhold.</source>
        <translation>no se pudo actualizar a esta versión de Tallyhold.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written.</source>
        <translation>No se pudo escribir la copia de seguridad %1.</translation>
    </message>
</context>
<context>
    <name>DivisionStore</name>
    <message>
        <source>This division is no longer in the roster, so nothing was saved. Save again to add it as a new division.</source>
        <translation>Esta división ya no está en la plantilla, así que no se guardó nada. Guarda otra vez para añadirla como división nueva.</translation>
    </message>
    <message>
        <source>The following Members are in this Division: 
%1You will need to remove/update these members before this Division can be deleted!</source>
        <translation>Estos miembros están en esta división: 
%1¡Tendrás que quitar o cambiar estos miembros antes de poder eliminar la división!</translation>
    </message>
</context>
<context>
    <name>ExchangeReader</name>
    <message>
        <source>field %1 (%2) is empty.</source>
        <translation>el campo %1 (%2) está vacío.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a record key of 32 hexadecimal digits: &quot;%3&quot;.</source>
        <translation>el campo %1 (%2) no es una clave de registro de 32 dígitos hexadecimales: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a whole number from %3 to %4: &quot;%5&quot;.</source>
        <translation>el campo %1 (%2) no es un número entero de %3 a %4: &quot;%5&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a flag (1 or 0): &quot;%3&quot;.</source>
        <translation>el campo %1 (%2) no es una marca (1 o 0): &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a date YYYY-MM-DD: &quot;%3&quot;.</source>
        <translation>el campo %1 (%2) no es una fecha AAAA-MM-DD: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a time HH:MM: &quot;%3&quot;.</source>
        <translation>el campo %1 (%2) no es una hora HH:MM: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a time of day: &quot;%3&quot;.</source>
        <translation>el campo %1 (%2) no es una hora del día: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>the %1 is also used on line %2.</source>
        <translation>la %1 también se usa en la línea %2.</translation>
    </message>
    <message>
        <source>the line is neither a record (1 to %1) nor a &quot;#&quot; line.</source>
        <translation>la línea no es un registro (1 a %1) ni una línea &quot;#&quot;.</translation>
    </message>
    <message>
        <source>a record follows the end line %1.</source>
        <translation>hay un registro después de la línea final (línea %1).</translation>
    </message>
    <message>
        <source>the record tag %1 is not followed by &quot;|&quot;.</source>
        <translation>la etiqueta de registro %1 no va seguida de &quot;|&quot;.</translation>
    </message>
    <message>
        <source>field %1 is longer than 1,000,000 characters.</source>
        <translation>el campo %1 tiene más de 1.000.000 de caracteres.</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text.</source>
        <translation>la línea no es texto UTF-8.</translation>
    </message>
    <message>
        <source>the %1 record has %2 fields; it needs %3.</source>
        <translation>el registro %1 tiene %2 campos; necesita %3.</translation>
    </message>
    <message>
        <source>field %1 holds a &quot;\&quot; that is not one of \\, \p, \r or \n.</source>
        <translation>el campo %1 contiene un &quot;\&quot; que no es ninguno de \\, \p, \r o \n.</translation>
    </message>
    <message>
        <source>division key 0x%1</source>
        <translation>clave de división 0x%1</translation>
    </message>
    <message>
        <source>member key 0x%1</source>
        <translation>clave de miembro 0x%1</translation>
    </message>
    <message>
        <source>field %1 (%2) is empty, but %3 is set.</source>
        <translation>el campo %1 (%2) está vacío, pero %3 está marcado.</translation>
    </message>
    <message>
        <source>times 0x%1 of %2</source>
        <translation>clave de horas 0x%1 de %2</translation>
    </message>
    <message>
        <source>schedule&apos;s member key 0x%1</source>
        <translation>clave de miembro 0x%1 del horario</translation>
    </message>
    <message>
        <source>times key 0x%1</source>
        <translation>clave de horas 0x%1</translation>
    </message>
    <message>
        <source>the zone key %1 is also used on line %2 for another zone.</source>
        <translation>la clave de zona %1 también se usa en la línea %2 para otra zona.</translation>
    </message>
    <message>
        <source>no zone record before it has the zone key %1.</source>
        <translation>ningún registro de zona anterior tiene la clave de zona %1.</translation>
    </message>
    <message>
        <source>field 2 (real time zone) is empty.</source>
        <translation>el campo 2 (zona horaria real) está vacío.</translation>
    </message>
    <message>
        <source>the zone key %1 already has the real time zone %2.</source>
        <translation>la clave de zona %1 ya tiene la zona horaria real %2.</translation>
    </message>
    <message>
        <source>no member record before it has the member key 0x%1.</source>
        <translation>ningún registro de miembro anterior tiene la clave de miembro 0x%1.</translation>
    </message>
    <message>
        <source>field 4 (last date) is before field 3 (first date).</source>
        <translation>el campo 4 (última fecha) es anterior al campo 3 (primera fecha).</translation>
    </message>
    <message>
        <source>field 5 (away flag) is empty.</source>
        <translation>el campo 5 (marca de ausencia) está vacío.</translation>
    </message>
    <message>
        <source>field %1 holds a time, but the member is away (field 5).</source>
        <translation>el campo %1 contiene una hora, pero el miembro está ausente (campo 5).</translation>
    </message>
    <message>
        <source>field %1 (%2) is empty, but field %3 holds a time.</source>
        <translation>el campo %1 (%2) está vacío, pero el campo %3 contiene una hora.</translation>
    </message>
    <message>
        <source>slot %1 ends when it starts.</source>
        <translation>la franja %1 termina cuando empieza.</translation>
    </message>
    <message>
        <source>slot 2 is given without slot 1.</source>
        <translation>la franja 2 aparece sin la franja 1.</translation>
    </message>
    <message>
        <source>fields 6 and 7 (slot 1) are empty, but the member is not away (field 5).</source>
        <translation>los campos 6 y 7 (franja 1) están vacíos, pero el miembro no está ausente (campo 5).</translation>
    </message>
    <message>
        <source>field 10 (note) is longer than %1 characters.</source>
        <translation>el campo 10 (nota) tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>change key 0x%1</source>
        <translation>clave de cambio 0x%1</translation>
    </message>
    <message>
        <source>the dates overlap the change of the same member on line %1.</source>
        <translation>las fechas se solapan con el cambio del mismo miembro en la línea %1.</translation>
    </message>
    <message>
        <source>The file holds no roster records</source>
        <translation>El archivo no contiene registros de plantilla</translation>
    </message>
    <message>
        <source>the end line counts %1 records; the file holds %2.</source>
        <translation>la línea final cuenta %1 registros; el archivo contiene %2.</translation>
    </message>
    <message>
        <source>The Import File cannot be read.</source>
        <translation>No se puede leer el archivo de importación.</translation>
    </message>
    <message>
        <source>the header &quot;%1&quot; names no version of the format.</source>
        <translation>el encabezado &quot;%1&quot; no indica ninguna versión del formato.</translation>
    </message>
    <message>
        <source>the file was written by a newer version of Tallyhold (&quot;%1&quot;).</source>
        <translation>el archivo se escribió con una versión más nueva de Tallyhold (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>The end line &quot;#end&quot; with the number of records is missing.</source>
        <translation>Falta la línea final &quot;#end&quot; con el número de registros.</translation>
    </message>
</context>
<context>
    <name>ExchangeTab</name>
    <message>
        <source>Chose which Clans/Divisions then click Export</source>
        <translation>Elige los clanes/divisiones y pulsa Exportar</translation>
    </message>
    <message>
        <source>Export divisions</source>
        <translation>Divisiones que exportar</translation>
    </message>
    <message>
        <source>Click Import</source>
        <translation>Pulsa Importar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>Nombre del archivo de exportación</translation>
    </message>
    <message>
        <source>Export Function</source>
        <translation>Exportación</translation>
    </message>
    <message>
        <source>This Export File Already Exists... Overwrite?</source>
        <translation>Este archivo de exportación ya existe... ¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>Export Completed!</source>
        <translation>¡Exportación completada!</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Guardado como %1</translation>
    </message>
    <message>
        <source>Import File Name</source>
        <translation>Nombre del archivo de importación</translation>
    </message>
    <message>
        <source>Import Completed!</source>
        <translation>¡Importación completada!</translation>
    </message>
    <message>
        <source>Tallyhold Export (*.tlx)|*.tlx</source>
        <translation>Exportación de Tallyhold (*.tlx)|*.tlx</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
</context>
<context>
    <name>ImportFormatError</name>
    <message>
        <source>There is a problem with the format of the Import File!</source>
        <translation>¡Hay un problema con el formato del archivo de importación!</translation>
    </message>
    <message>
        <source>The file ends early; it may have been cut off while copying</source>
        <translation>El archivo termina antes de tiempo; puede que se cortara al copiarlo</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
</context>
<context>
    <name>InvitationStore</name>
    <message>
        <source>Active until %1</source>
        <translation>Activo hasta el %1</translation>
    </message>
    <message>
        <source>Expired %1</source>
        <translation>Caducado el %1</translation>
    </message>
    <message>
        <source>Revoked %1</source>
        <translation>Revocado el %1</translation>
    </message>
    <message>
        <source>%1, last saved %2</source>
        <translation>%1, último guardado el %2</translation>
    </message>
    <message>
        <source>A sign-up link lasts 1 to %1 days.</source>
        <translation>Un enlace de registro dura de 1 a %1 días.</translation>
    </message>
    <message>
        <source>That member is no longer in the roster.</source>
        <translation>Ese miembro ya no está en la plantilla.</translation>
    </message>
    <message>
        <source>That sign-up link is no longer in the roster.</source>
        <translation>Ese enlace de registro ya no está en la plantilla.</translation>
    </message>
</context>
<context>
    <name>ListFill</name>
    <message>
        <source>Hidden: its members are left out of the member lists</source>
        <translation>Oculto: sus miembros no aparecen en las listas de miembros</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>maybe</source>
        <translation>quizá</translation>
    </message>
    <message>
        <source>late</source>
        <translation>tarde</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
</context>
<context>
    <name>MatchAnnouncement</name>
    <message>
        <source>No time zone (GMT)</source>
        <translation>Sin zona horaria (GMT)</translation>
    </message>
    <message>
        <source>Can play the whole match: %1</source>
        <translation>Pueden jugar toda la partida: %1</translation>
    </message>
    <message>
        <source>Cannot play the whole match: %1</source>
        <translation>No pueden jugar toda la partida: %1</translation>
    </message>
</context>
<context>
    <name>MatchCalendar</name>
    <message>
        <source>The match calendar is not valid.</source>
        <translation>El calendario de partidas no es válido.</translation>
    </message>
</context>
<context>
    <name>MatchFields</name>
    <message>
        <source>&quot;%1&quot; is not a valid time.</source>
        <translation>&quot;%1&quot; no es una hora válida.</translation>
    </message>
</context>
<context>
    <name>MatchInvitation</name>
    <message>
        <source>The calendar invitation is not valid.</source>
        <translation>La invitación de calendario no es válida.</translation>
    </message>
    <message>
        <source>The invitation could not be saved to %1.</source>
        <translation>No se pudo guardar la invitación en %1.</translation>
    </message>
</context>
<context>
    <name>MatchPlan</name>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440, or empty (or 1) for a single moment.</source>
        <translation>La duración de la partida debe ser un número entero de minutos de 15 a 1440, o vacía (o 1) para un solo instante.</translation>
    </message>
    <message>
        <source>Minimum players must be a whole number from 1 to 32767, or empty for 1.</source>
        <translation>El mínimo de jugadores debe ser un número entero de 1 a 32767, o vacío para 1.</translation>
    </message>
</context>
<context>
    <name>MatchesTab</name>
    <message>
        <source>Show past matches</source>
        <translation>Mostrar partidas pasadas</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Upcoming matches, earliest first, with their answers counted</source>
        <translation>Próximas partidas, la más cercana primero, con sus respuestas contadas</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>When and answers</source>
        <translation>Cuándo y respuestas</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Editar…</translation>
    </message>
    <message>
        <source>Edit Match…</source>
        <translation>Editar partida…</translation>
    </message>
    <message>
        <source>Change the time, players, title or notes; a new time asks everyone again</source>
        <translation>Cambia la hora, los jugadores, el título o las notas; una hora nueva vuelve a preguntar a todos</translation>
    </message>
    <message>
        <source>Cancel Match</source>
        <translation>Cancelar partida</translation>
    </message>
    <message>
        <source>Mark the match cancelled in every calendar; it can be restored</source>
        <translation>Marca la partida como cancelada en todos los calendarios; se puede restaurar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete Match</source>
        <translation>Eliminar partida</translation>
    </message>
    <message>
        <source>Remove the match with its answers and attendance</source>
        <translation>Quita la partida con sus respuestas y su asistencia</translation>
    </message>
    <message>
        <source>Reminder…</source>
        <translation>Recordatorio…</translation>
    </message>
    <message>
        <source>A message for those who have not answered</source>
        <translation>Un mensaje para quienes no han respondido</translation>
    </message>
    <message>
        <source>Attendance…</source>
        <translation>Asistencia…</translation>
    </message>
    <message>
        <source>Once the match has started: tick who came</source>
        <translation>Cuando la partida ha empezado: marca quién vino</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Their week</source>
        <translation>Su semana</translation>
    </message>
    <message>
        <source>Came</source>
        <translation>Vino</translation>
    </message>
    <message>
        <source>The answer the highlighted player gave you</source>
        <translation>La respuesta que te dio el jugador seleccionado</translation>
    </message>
    <message>
        <source>Set Answer</source>
        <translation>Anotar respuesta</translation>
    </message>
    <message>
        <source>Answer for the highlighted player, as they told you</source>
        <translation>Respuesta del jugador seleccionado, tal como te la dio</translation>
    </message>
    <message>
        <source>Attendance history</source>
        <translation>Historial de asistencia</translation>
    </message>
    <message>
        <source>Last matches counted</source>
        <translation>Últimas partidas contadas</translation>
    </message>
    <message>
        <source>Matches that started and were not cancelled, latest first</source>
        <translation>Partidas empezadas y no canceladas, la más reciente primero</translation>
    </message>
    <message>
        <source>Per member over the last matches; click a heading to sort</source>
        <translation>Por miembro en las últimas partidas; pulsa un encabezado para ordenar</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Miembro</translation>
    </message>
    <message>
        <source>Invited</source>
        <translation>Invitado</translation>
    </message>
    <message>
        <source>Said
yes</source>
        <translation>Dijo
sí</translation>
    </message>
    <message>
        <source>Said yes but
did not come</source>
        <translation>Dijo sí pero
no vino</translation>
    </message>
    <message>
        <source>Highlighted player&apos;s answer</source>
        <translation>Respuesta del jugador</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Últimas</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>partidas</translation>
    </message>
    <message>
        <source>No past matches</source>
        <translation>No hay partidas pasadas</translation>
    </message>
    <message>
        <source>Past matches, latest first</source>
        <translation>Partidas pasadas, la más reciente primero</translation>
    </message>
    <message>
        <source>No matches planned yet: choose members on Scheduling and press Plan Match…</source>
        <translation>Aún no hay partidas: elige miembros en Planificación y pulsa Planificar partida…</translation>
    </message>
    <message>
        <source>Restore Match</source>
        <translation>Restaurar partida</translation>
    </message>
    <message>
        <source>Highlight a match to see its players.</source>
        <translation>Selecciona una partida para ver sus jugadores.</translation>
    </message>
    <message>
        <source>Players of %1</source>
        <translation>Jugadores de %1</translation>
    </message>
    <message>
        <source>%1 minutes, at least %2 must say yes; planned on %3&apos;s clock</source>
        <translation>%1 minutos, al menos %2 deben decir que sí; planificada en hora %3</translation>
    </message>
    <message>
        <source>⚠ cannot play</source>
        <translation>⚠ no puede</translation>
    </message>
    <message>
        <source>%1&apos;s week or away dates say they cannot play all of this match</source>
        <translation>La semana o las ausencias de %1 dicen que no puede jugar toda esta partida</translation>
    </message>
    <message>
        <source>can play</source>
        <translation>puede jugar</translation>
    </message>
    <message>
        <source>Delete the match &quot;%1&quot; of %2 with its answers and attendance?</source>
        <translation>¿Eliminar la partida &quot;%1&quot; del %2 con sus respuestas y su asistencia?</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Error de selección</translation>
    </message>
    <message>
        <source>You must first highlight a player!</source>
        <translation>¡Primero selecciona un jugador!</translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Cancelada. %1</translation>
    </message>
    <message>
        <source>Started: answers are closed, attendance can be taken. %1</source>
        <translation>Empezada: las respuestas están cerradas, se puede pasar lista. %1</translation>
    </message>
    <message>
        <source>%1 (required)</source>
        <translation>%1 (imprescindible)</translation>
    </message>
</context>
<context>
    <name>MemberChange</name>
    <message>
        <source>Away %1</source>
        <translation>Ausente %1</translation>
    </message>
</context>
<context>
    <name>MemberChangeStore</name>
    <message>
        <source>&quot;%1&quot; is not a date (MM/DD/YYYY).</source>
        <translation>&quot;%1&quot; no es una fecha (MM/DD/AAAA).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day (HH:MM AM/PM or 24-hour HH:MM).</source>
        <translation>&quot;%1&quot; no es una hora del día (HH:MM AM/PM o HH:MM de 24 horas).</translation>
    </message>
    <message>
        <source>The first date must be filled!</source>
        <translation>¡Hay que rellenar la primera fecha!</translation>
    </message>
    <message>
        <source>The last date must be filled!</source>
        <translation>¡Hay que rellenar la última fecha!</translation>
    </message>
    <message>
        <source>The last date must not be before the first.</source>
        <translation>La última fecha no puede ser anterior a la primera.</translation>
    </message>
    <message>
        <source>Slot %1 needs both a start and an end.</source>
        <translation>La franja %1 necesita un inicio y un fin.</translation>
    </message>
    <message>
        <source>Ending time must be greater than starting time!</source>
        <translation>¡La hora de fin debe ser posterior a la de inicio!</translation>
    </message>
    <message>
        <source>Type the times played on those dates, or choose Away.</source>
        <translation>Escribe las horas que juega en esas fechas o elige Ausente.</translation>
    </message>
    <message>
        <source>The note may hold at most %1 characters.</source>
        <translation>La nota admite como mucho %1 caracteres.</translation>
    </message>
    <message>
        <source>That change was removed in the meantime; nothing was saved.</source>
        <translation>Ese cambio se quitó mientras tanto; no se guardó nada.</translation>
    </message>
    <message>
        <source>These dates overlap another change: %1.</source>
        <translation>Estas fechas se solapan con otro cambio: %1.</translation>
    </message>
    <message>
        <source>That change was removed in the meantime.</source>
        <translation>Ese cambio se quitó mientras tanto.</translation>
    </message>
</context>
<context>
    <name>MemberFormCheck</name>
    <message>
        <source>You must enter in a Player Name!</source>
        <translation>¡Tienes que escribir un nombre de jugador!</translation>
    </message>
    <message>
        <source>You must place member in a Division!</source>
        <translation>¡Tienes que poner al miembro en una división!</translation>
    </message>
    <message>
        <source>For proper scheduling, you must put in the member&apos;s Time Zone!</source>
        <translation>¡Para planificar bien, tienes que indicar la zona horaria del miembro!</translation>
    </message>
    <message>
        <source>You must have the first Time Slots filled if this day is checked!</source>
        <translation>¡Si este día está marcado, tienes que rellenar la primera franja!</translation>
    </message>
    <message>
        <source>This field must be in a valid time format!  HH:MM AM/PM</source>
        <translation>¡Este campo necesita una hora válida!  HH:MM</translation>
    </message>
    <message>
        <source>Ending time must be greater than starting time!</source>
        <translation>¡La hora de fin debe ser posterior a la de inicio!</translation>
    </message>
    <message>
        <source>You must fill in both times of the second Time Slot, or leave both empty!</source>
        <translation>¡Rellena las dos horas de la segunda franja o deja las dos vacías!</translation>
    </message>
</context>
<context>
    <name>MemberFormTab</name>
    <message>
        <source>Player Name</source>
        <translation>Nombre de jugador</translation>
    </message>
    <message>
        <source>Clan / Division</source>
        <translation>Clan / División</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Actual First Name</source>
        <translation>Nombre real</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Default EMail</source>
        <translation>Correo principal</translation>
    </message>
    <message>
        <source>Secondary Email</source>
        <translation>Correo secundario</translation>
    </message>
    <message>
        <source>Other Contact Info</source>
        <translation>Otro contacto</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Member Notes</source>
        <translation>Notas del miembro</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Limpiar campos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Away / Changes…</source>
        <translation>Ausencias / Cambios…</translation>
    </message>
    <message>
        <source>Playing Schedules</source>
        <translation>Horarios de juego</translation>
    </message>
    <message>
        <source>Zone of the times</source>
        <translation>Zona de las horas</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Juega</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Save the member first: dates away and one-off changes belong to a member in the roster. To enter them for a member, choose Edit Member on Members Info.</source>
        <translation>Guarda primero el miembro: las ausencias y los cambios puntuales pertenecen a un miembro de la plantilla. Para añadirlos a un miembro, elige Editar miembro en Info de miembros.</translation>
    </message>
    <message>
        <source>Dates the member is away, or plays other times than the week below</source>
        <translation>Fechas en que el miembro está ausente o juega a otras horas que en la semana de abajo</translation>
    </message>
    <message>
        <source>Times Not Saved</source>
        <translation>Horas sin guardar</translation>
    </message>
    <message>
        <source>The times typed for %1 are not saved while the day&apos;s Plays box is not ticked. Save without them?</source>
        <translation>Las horas escritas para %1 no se guardan mientras la casilla Juega del día no esté marcada. ¿Guardar sin ellas?</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Sábado / Domingo</translation>
    </message>
    <message>
        <source>%1 slot 1 start</source>
        <translation>%1, inicio de la franja 1</translation>
    </message>
    <message>
        <source>%1 slot 1 end</source>
        <translation>%1, fin de la franja 1</translation>
    </message>
    <message>
        <source>%1 slot 2 start</source>
        <translation>%1, inicio de la franja 2</translation>
    </message>
    <message>
        <source>%1 slot 2 end</source>
        <translation>%1, fin de la franja 2</translation>
    </message>
    <message>
        <source>Update %1?</source>
        <translation>¿Actualizar %1?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>¿Añadir %1?</translation>
    </message>
    <message>
        <source>Playing Schedules - Note:  All times are %1</source>
        <translation>Horarios de juego - Nota:  Todas las horas están en %1</translation>
    </message>
    <message>
        <source>Times in %1</source>
        <translation>Horas en %1</translation>
    </message>
</context>
<context>
    <name>MemberReads</name>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactivo</translation>
    </message>
</context>
<context>
    <name>MemberSchedule</name>
    <message>
        <source>The stored slot time &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer la hora de franja guardada &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>MemberWrites</name>
    <message>
        <source>Make sure that the new Member&apos;s Division is set right, then try to Save again.</source>
        <translation>Comprueba que la división del miembro nuevo está bien puesta e intenta Guardar otra vez.</translation>
    </message>
    <message>
        <source>Make sure that the new Member&apos;s Time Zone is set right, then try to Save again.</source>
        <translation>Comprueba que la zona horaria del miembro nuevo está bien puesta e intenta Guardar otra vez.</translation>
    </message>
</context>
<context>
    <name>MembersInfoTab</name>
    <message>
        <source>Members</source>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>Single Click to view / Double Click to Edit</source>
        <translation>Un clic para ver / doble clic para editar</translation>
    </message>
    <message>
        <source>Edit Member</source>
        <translation>Editar miembro</translation>
    </message>
    <message>
        <source>Delete Member</source>
        <translation>Eliminar miembro</translation>
    </message>
    <message>
        <source>Sign-up Links…</source>
        <translation>Enlaces de registro…</translation>
    </message>
    <message>
        <source>Private links with which members keep their own week</source>
        <translation>Enlaces privados con los que los miembros llevan su propia semana</translation>
    </message>
    <message>
        <source>Member Info (read only)</source>
        <translation>Info del miembro (solo lectura)</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Nombre real</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Actualizado</translation>
    </message>
    <message>
        <source>When the member last saved their own week through a sign-up link</source>
        <translation>Cuándo guardó el miembro su semana por última vez con un enlace de registro</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Availability this week</source>
        <translation>Disponibilidad esta semana</translation>
    </message>
    <message>
        <source>Place mouse over days to display times</source>
        <translation>Pasa el ratón por los días para ver las horas</translation>
    </message>
    <message>
        <source>Zone of the times</source>
        <translation>Zona de las horas</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mié</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Sat/Sun</source>
        <translation>Sáb/Dom</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Sábado / Domingo</translation>
    </message>
    <message>
        <source>No Scheduling Information Present</source>
        <translation>Sin horarios registrados</translation>
    </message>
    <message>
        <source>Away and one-off changes, on the member&apos;s clock</source>
        <translation>Ausencias y cambios puntuales, según la hora del miembro</translation>
    </message>
    <message>
        <source>Set on Add / Edit Members with Away / Changes…</source>
        <translation>Se ponen en Añadir / Editar miembros con Ausencias / Cambios…</translation>
    </message>
    <message>
        <source>Away and one-off changes</source>
        <translation>Ausencias y cambios puntuales</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Error de selección</translation>
    </message>
    <message>
        <source>You must first highlight a Member!</source>
        <translation>¡Primero selecciona un miembro!</translation>
    </message>
    <message>
        <source>Last %1 matches: invited %2 · said yes %3 · came %4 · said yes but did not come %5</source>
        <translation>Últimas %1 partidas: invitado %2 · dijo sí %3 · vino %4 · dijo sí pero no vino %5</translation>
    </message>
    <message>
        <source>by the member, %1</source>
        <translation>por el miembro, %1</translation>
    </message>
    <message>
        <source>Times in %1</source>
        <translation>Horas en %1</translation>
    </message>
    <message numerus="yes">
        <source>Not invited to any of the last %n matches</source>
        <translation>
            <numerusform>No invitado a la última partida</numerusform>
            <numerusform>No invitado a ninguna de las últimas %n partidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>¿Eliminar %1?</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Error de base de datos</translation>
    </message>
    <message>
        <source>Database Access Error</source>
        <translation>Error de acceso a la base de datos</translation>
    </message>
    <message>
        <source>Roster Not Opened</source>
        <translation>Plantilla no abierta</translation>
    </message>
    <message>
        <source>Roster In Use</source>
        <translation>Plantilla en uso</translation>
    </message>
    <message>
        <source>Roster Damaged</source>
        <translation>Plantilla dañada</translation>
    </message>
    <message>
        <source>Read-Only Roster</source>
        <translation>Plantilla de solo lectura</translation>
    </message>
    <message>
        <source>Recoverable Error</source>
        <translation>Error recuperable</translation>
    </message>
    <message>
        <source>Record Key Error</source>
        <translation>Error de clave de registro</translation>
    </message>
    <message>
        <source>Time Zone Error</source>
        <translation>Error de zona horaria</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Error de selección</translation>
    </message>
    <message>
        <source>Save/Update Error</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Data Format Error</source>
        <translation>Error de formato</translation>
    </message>
    <message>
        <source>Clan Division Not Found</source>
        <translation>División no encontrada</translation>
    </message>
    <message>
        <source>Time Zone Not Found</source>
        <translation>Zona horaria no encontrada</translation>
    </message>
    <message>
        <source>Schedule Process Error</source>
        <translation>Error de planificación</translation>
    </message>
    <message>
        <source>Deletion Criteria Not Met</source>
        <translation>No se puede eliminar</translation>
    </message>
    <message>
        <source>Import Aborted</source>
        <translation>Importación cancelada</translation>
    </message>
    <message>
        <source>Export Function</source>
        <translation>Exportación</translation>
    </message>
    <message>
        <source>File Not Saved</source>
        <translation>Archivo no guardado</translation>
    </message>
    <message>
        <source>Changed by Another Officer</source>
        <translation>Cambiado por otro oficial</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Conexión perdida</translation>
    </message>
</context>
<context>
    <name>RecordKey</name>
    <message>
        <source>No new record key could be made.</source>
        <translation>No se pudo crear una clave de registro nueva.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a record key: a key is 32 hexadecimal digits.</source>
        <translation>&quot;%1&quot; no es una clave de registro: una clave tiene 32 dígitos hexadecimales.</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>%1 was changed by another officer since you loaded %2; reload to see the change</source>
        <translation>Otro oficial cambió %1 después de que lo cargaras; vuelve a cargar para ver el cambio</translation>
    </message>
    <message>
        <source>Make sure that the new Member&apos;s Time Zone is set right, then try to Save again.</source>
        <translation>Comprueba que la zona horaria del miembro nuevo está bien puesta e intenta Guardar otra vez.</translation>
    </message>
    <message>
        <source>Maximum Results field must be a number greater than zero</source>
        <translation>El campo Máximo de mejores horarios debe ser un número mayor que cero</translation>
    </message>
    <message>
        <source>Apply DST: yes</source>
        <translation>Aplicar horario de verano: sí</translation>
    </message>
    <message>
        <source>Apply DST: no</source>
        <translation>Aplicar horario de verano: no</translation>
    </message>
    <message>
        <source>follows %1: daylight saving today</source>
        <translation>sigue %1: hoy con horario de verano</translation>
    </message>
    <message>
        <source>follows %1: no daylight saving today</source>
        <translation>sigue %1: hoy sin horario de verano</translation>
    </message>
</context>
<context>
    <name>RosterCopy</name>
    <message>
        <source>The roster %1 already holds rows of its own; a roster is copied only into a new one. Nothing was copied.</source>
        <translation>La plantilla %1 ya tiene filas propias; una plantilla solo se copia a una nueva. No se copió nada.</translation>
    </message>
</context>
<context>
    <name>RosterDivisionsZones</name>
    <message>
        <source>Critical dB Programming Error!</source>
        <translation>¡Error crítico de programación de la base de datos!</translation>
    </message>
    <message>
        <source>You must enter a Division Name</source>
        <translation>Tienes que escribir el nombre del clan</translation>
    </message>
    <message>
        <source>%1 is your own time zone, set in Options. Choose another time zone there before deleting this one.</source>
        <translation>%1 es tu propia zona horaria, puesta en Opciones. Elige allí otra zona horaria antes de eliminar esta.</translation>
    </message>
</context>
<context>
    <name>RosterError</name>
    <message>
        <source>The roster database reported an error:
%1</source>
        <translation>La base de datos de la plantilla informó de un error:
%1</translation>
    </message>
    <message>
        <source>Unrecoverable Data Error.  Number %1</source>
        <translation>Error de datos irrecuperable.  Número %1</translation>
    </message>
</context>
<context>
    <name>RosterExchange</name>
    <message>
        <source>You must make selection(s) from the list first!</source>
        <translation>¡Primero elige algo de la lista!</translation>
    </message>
</context>
<context>
    <name>RosterExport</name>
    <message>
        <source>Critical dB Programming Error!</source>
        <translation>¡Error crítico de programación de la base de datos!</translation>
    </message>
    <message>
        <source>The Times row %1 holds &quot;%2&quot;, which is not a time.</source>
        <translation>La fila %1 de Times contiene &quot;%2&quot;, que no es una hora.</translation>
    </message>
    <message>
        <source>The division 0x%1 is not in the roster.</source>
        <translation>La división 0x%1 no está en la plantilla.</translation>
    </message>
    <message>
        <source>The Times row 0x%1 of player %2 is not in the roster.</source>
        <translation>La fila 0x%1 de Times del jugador %2 no está en la plantilla.</translation>
    </message>
    <message>
        <source>The time zone %1 of player %2 is not in the roster.</source>
        <translation>La zona horaria %1 del jugador %2 no está en la plantilla.</translation>
    </message>
    <message>
        <source>The Export File could not be written.</source>
        <translation>No se pudo escribir el archivo de exportación.</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>Changes need a login with the right to add, change and delete the roster&apos;s rows.</source>
        <translation>Para hacer cambios hace falta un usuario con permiso para añadir, cambiar y eliminar las filas de la plantilla.</translation>
    </message>
    <message>
        <source>The roster file %1 is open in another Tallyhold window.</source>
        <translation>El archivo de plantilla %1 está abierto en otra ventana de Tallyhold.</translation>
    </message>
    <message>
        <source>The file or its folder is read-only.</source>
        <translation>El archivo o su carpeta son de solo lectura.</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>the member&apos;s division 0x%1 is neither in the file nor in this roster.</source>
        <translation>la división 0x%1 del miembro no está ni en el archivo ni en esta plantilla.</translation>
    </message>
    <message>
        <source>the schedule&apos;s member 0x%1 is neither in the file nor in this roster.</source>
        <translation>el miembro 0x%1 del horario no está ni en el archivo ni en esta plantilla.</translation>
    </message>
    <message>
        <source>the times 0x%1 are neither in the file nor in this roster.</source>
        <translation>las horas 0x%1 no están ni en el archivo ni en esta plantilla.</translation>
    </message>
    <message>
        <source>the times 0x%1 belong to a schedule of this roster.</source>
        <translation>las horas 0x%1 pertenecen a un horario de esta plantilla.</translation>
    </message>
    <message>
        <source>the change 0x%1 belongs to another member of this roster.</source>
        <translation>el cambio 0x%1 pertenece a otro miembro de esta plantilla.</translation>
    </message>
    <message>
        <source>Divisions added: %1, already present: %2
Members added: %3, already present: %4
Time zones added: %5, matched to existing zones: %6</source>
        <translation>Divisiones añadidas: %1, ya presentes: %2
Miembros añadidos: %3, ya presentes: %4
Zonas horarias añadidas: %5, asociadas a zonas existentes: %6</translation>
    </message>
    <message>
        <source>
The file was written by an older version of Tallyhold and could not be checked for completeness.</source>
        <translation>
El archivo se escribió con una versión anterior de Tallyhold y no se pudo comprobar si está completo.</translation>
    </message>
    <message>
        <source>
Lines skipped because they hold no record: %1</source>
        <translation>
Líneas omitidas porque no contienen ningún registro: %1</translation>
    </message>
    <message>
        <source>
The roster as it was before the import is saved in %1</source>
        <translation>
La plantilla tal como estaba antes de la importación está guardada en %1</translation>
    </message>
</context>
<context>
    <name>RosterInvitations</name>
    <message>
        <source>This link is no longer valid</source>
        <translation>Este enlace ya no es válido</translation>
    </message>
</context>
<context>
    <name>RosterLocation</name>
    <message>
        <source>The roster file (default: ClanRoster.mdb here), or a shared roster&apos;s address postgresql://user@host[:port]/dbname.</source>
        <translation>El archivo de plantilla (por defecto: ClanRoster.mdb aquí) o la dirección de una plantilla compartida postgresql://user@host[:port]/dbname.</translation>
    </message>
    <message>
        <source>Use ClanRoster.mdb in your data directory (%1), as the menu entry does.</source>
        <translation>Usar ClanRoster.mdb en tu carpeta de datos (%1), como hace la entrada del menú.</translation>
    </message>
    <message>
        <source>There is no roster file %1; tallyhold-cli %2 init makes a new one.</source>
        <translation>No hay ningún archivo de plantilla %1; tallyhold-cli %2 init crea uno nuevo.</translation>
    </message>
</context>
<context>
    <name>RosterMatches</name>
    <message>
        <source>That match was deleted in the meantime.</source>
        <translation>Esa partida se eliminó mientras tanto.</translation>
    </message>
    <message>
        <source>That member is not invited to &quot;%1&quot;.</source>
        <translation>Ese miembro no está invitado a &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Give the match&apos;s date and time.</source>
        <translation>Indica la fecha y hora de la partida.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date and time.</source>
        <translation>&quot;%1&quot; no es una fecha y hora válida.</translation>
    </message>
    <message>
        <source>%1 does not happen on your clock: it is skipped when the clocks go forward.</source>
        <translation>%1 no existe en tu reloj: se salta cuando se adelantan los relojes.</translation>
    </message>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440.</source>
        <translation>La duración de la partida debe ser un número entero de minutos de 15 a 1440.</translation>
    </message>
    <message>
        <source>The title may hold at most %1 characters.</source>
        <translation>El título admite como mucho %1 caracteres.</translation>
    </message>
    <message>
        <source>The notes may hold at most %1 characters.</source>
        <translation>Las notas admiten como mucho %1 caracteres.</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>¡Elige miembros de la lista!</translation>
    </message>
    <message>
        <source>Minimum players must be a whole number from 1 on.</source>
        <translation>El mínimo de jugadores debe ser un número entero de 1 en adelante.</translation>
    </message>
    <message>
        <source>The minimum of %1 players is more than the %2 invited.</source>
        <translation>El mínimo de %1 jugadores es mayor que los %2 invitados.</translation>
    </message>
    <message>
        <source>%1 yes</source>
        <translation>%1 sí</translation>
    </message>
    <message>
        <source>%1 maybe</source>
        <translation>%1 quizá</translation>
    </message>
    <message>
        <source>%1 late</source>
        <translation>%1 tarde</translation>
    </message>
    <message>
        <source>%1 no</source>
        <translation>%1 no</translation>
    </message>
    <message>
        <source>%1 no answer</source>
        <translation>%1 sin respuesta</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelada</translation>
    </message>
    <message>
        <source>minimum %1 not met</source>
        <translation>mínimo de %1 no alcanzado</translation>
    </message>
    <message>
        <source>%1 required not in</source>
        <translation>faltan imprescindibles: %1</translation>
    </message>
    <message>
        <source>The note may hold at most %1 characters.</source>
        <translation>La nota admite como mucho %1 caracteres.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was cancelled; it cannot be answered.</source>
        <translation>&quot;%1&quot; se canceló; no se puede responder.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has started; it cannot be answered any more.</source>
        <translation>&quot;%1&quot; ya empezó; ya no se puede responder.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was cancelled; there is no attendance to take.</source>
        <translation>&quot;%1&quot; se canceló; no hay lista que pasar.</translation>
    </message>
    <message>
        <source>Attendance can be taken once &quot;%1&quot; has started.</source>
        <translation>Se puede pasar lista cuando &quot;%1&quot; haya empezado.</translation>
    </message>
    <message>
        <source>Everyone has answered for %1 &lt;t:%2:F&gt;.</source>
        <translation>Todos han respondido a %1 &lt;t:%2:F&gt;.</translation>
    </message>
    <message>
        <source>%1 &lt;t:%2:F&gt; (&lt;t:%2:R&gt;): %3, please answer yes, maybe, late or no.</source>
        <translation>%1 &lt;t:%2:F&gt; (&lt;t:%2:R&gt;): %3, por favor, responded sí, quizá, tarde o no.</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Recordatorio: %1</translation>
    </message>
    <message>
        <source>%1 starts %2 (%3 minutes).<byte value="xd"/>
Please answer yes, maybe, late or no.</source>
        <translation>%1 empieza el %2 (%3 minutos).<byte value="xd"/>
Por favor, responded sí, quizá, tarde o no.</translation>
    </message>
    <message>
        <source>The calendar could not be saved to %1.</source>
        <translation>No se pudo guardar el calendario en %1.</translation>
    </message>
    <message>
        <source>Count at least one match.</source>
        <translation>Cuenta al menos una partida.</translation>
    </message>
</context>
<context>
    <name>RosterMembers</name>
    <message>
        <source>That change was removed in the meantime.</source>
        <translation>Ese cambio se quitó mientras tanto.</translation>
    </message>
</context>
<context>
    <name>RosterScheduling</name>
    <message>
        <source>Match Date must be filled!</source>
        <translation>¡Hay que rellenar la fecha de la partida!</translation>
    </message>
    <message>
        <source>Match Time must be filled!</source>
        <translation>¡Hay que rellenar la hora de la partida!</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>¡Elige miembros de la lista!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date (MM/DD/YYYY).</source>
        <translation>&quot;%1&quot; no es una fecha (MM/DD/AAAA).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date and time.</source>
        <translation>&quot;%1&quot; no es una fecha y hora válida.</translation>
    </message>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440.</source>
        <translation>La duración de la partida debe ser un número entero de minutos de 15 a 1440.</translation>
    </message>
</context>
<context>
    <name>RosterSchema</name>
    <message>
        <source>it was written by a newer version of Tallyhold (roster version %1; this version reads rosters up to version %2).</source>
        <translation>se escribió con una versión más nueva de Tallyhold (versión de plantilla %1; esta versión lee plantillas hasta la versión %2).</translation>
    </message>
    <message>
        <source>it has no table %1.</source>
        <translation>no tiene la tabla %1.</translation>
    </message>
    <message>
        <source>its table %1 has no column %2.</source>
        <translation>su tabla %1 no tiene la columna %2.</translation>
    </message>
</context>
<context>
    <name>RosterServer</name>
    <message>
        <source>The shared roster %1 cannot be used: %2

Nothing has been changed.</source>
        <translation>La plantilla compartida %1 no se puede usar: %2

No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Your login may view and schedule the shared roster %1 but may not change it.</source>
        <translation>Tu usuario puede ver la plantilla compartida %1 y usarla para planificar, pero no cambiarla.</translation>
    </message>
    <message>
        <source>The connection to the shared roster %1 was lost; nothing of the last command was saved. Try it again once the server can be reached.</source>
        <translation>Se perdió la conexión con la plantilla compartida %1; no se guardó nada del último comando. Vuelve a intentarlo cuando se pueda llegar al servidor.</translation>
    </message>
    <message>
        <source>the address does not name a database (postgresql://user@host/dbname).</source>
        <translation>la dirección no indica ninguna base de datos (postgresql://user@host/dbname).</translation>
    </message>
    <message>
        <source>the address holds a password. Keep it in ~/.pgpass or PGPASSWORD instead, so it is never stored with the address.</source>
        <translation>la dirección contiene una contraseña. Guárdala en ~/.pgpass o en PGPASSWORD, para que nunca se guarde con la dirección.</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (Debian package libqt6sql6-psql).</source>
        <translation>El controlador PostgreSQL de Qt no está instalado (paquete de Debian libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The shared roster %1 needs the login&apos;s password.</source>
        <translation>La plantilla compartida %1 necesita la contraseña del usuario.</translation>
    </message>
    <message>
        <source>the server cannot be reached or refused the login.</source>
        <translation>no se puede llegar al servidor o este rechazó el inicio de sesión.</translation>
    </message>
    <message>
        <source>the database holds no roster yet.</source>
        <translation>la base de datos aún no contiene ninguna plantilla.</translation>
    </message>
    <message>
        <source>the database holds no roster, and one could not be made in it.</source>
        <translation>la base de datos no contiene ninguna plantilla y no se pudo crear una en ella.</translation>
    </message>
    <message>
        <source>the database is not a Tallyhold roster: %1</source>
        <translation>la base de datos no es una plantilla de Tallyhold: %1</translation>
    </message>
    <message>
        <source>it could not be brought up to this version of Tallyhold.</source>
        <translation>no se pudo actualizar a esta versión de Tallyhold.</translation>
    </message>
</context>
<context>
    <name>RosterTexts</name>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s) - %1 - %2</source>
        <translation>
            <numerusform>%n miembro - %1 - %2</numerusform>
            <numerusform>%n miembros - %1 - %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - %2 min</source>
        <translation>%1 - %2 min</translation>
    </message>
    <message>
        <source>Time zones not found: %1</source>
        <translation>Zonas horarias no encontradas: %1</translation>
    </message>
</context>
<context>
    <name>SchedulingTab</name>
    <message>
        <source>Select Member(s)</source>
        <translation>Elegir miembros</translation>
    </message>
    <message>
        <source>Who can make the match</source>
        <translation>Quién puede estar en la partida</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Show Available</source>
        <translation>Ver disponibles</translation>
    </message>
    <message>
        <source>Available members</source>
        <translation>Miembros disponibles</translation>
    </message>
    <message>
        <source>Best Times for Matches</source>
        <translation>Mejores horarios para partidas</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Semana del</translation>
    </message>
    <message>
        <source>Best times and the week count the seven days from this date, clock changes included</source>
        <translation>Los mejores horarios y la semana cuentan los siete días desde esta fecha, con los cambios de hora</translation>
    </message>
    <message>
        <source>Show Best Times</source>
        <translation>Ver mejores horarios</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Mejores horarios</translation>
    </message>
    <message>
        <source>Double click on a time and show who!</source>
        <translation>¡Doble clic en una hora para ver quién!</translation>
    </message>
    <message>
        <source>Announce…</source>
        <translation>Anunciar…</translation>
    </message>
    <message>
        <source>Tell the chosen members when the match is, each in their own time</source>
        <translation>Dice a los miembros elegidos cuándo es la partida, a cada uno en su hora</translation>
    </message>
    <message>
        <source>Plan Match…</source>
        <translation>Planificar partida…</translation>
    </message>
    <message>
        <source>Invite the chosen members to a match at this time and collect their answers on the Matches tab</source>
        <translation>Invita a los miembros elegidos a una partida a esta hora y recoge sus respuestas en la pestaña Partidas</translation>
    </message>
    <message>
        <source>Match plan</source>
        <translation>Plan de partida</translation>
    </message>
    <message>
        <source>Match length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440; empty or 1 for a single moment</source>
        <translation>Minutos, de 15 a 1440; vacío o 1 para un solo instante</translation>
    </message>
    <message>
        <source>Minimum players</source>
        <translation>Mínimo de jugadores</translation>
    </message>
    <message>
        <source>How many must be able to play at least</source>
        <translation>Cuántos deben poder jugar como mínimo</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Imprescindible</translation>
    </message>
    <message>
        <source>Mark or unmark the highlighted members as required</source>
        <translation>Marca o desmarca a los miembros seleccionados como imprescindibles</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Nobody required</source>
        <translation>Nadie imprescindible</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>¡Elige miembros de la lista!</translation>
    </message>
    <message>
        <source>Select members to see their week.</source>
        <translation>Elige miembros para ver su semana.</translation>
    </message>
    <message>
        <source>Required: %1</source>
        <translation>Imprescindibles: %1</translation>
    </message>
</context>
<context>
    <name>SignupPage</name>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Sábado / Domingo</translation>
    </message>
    <message>
        <source>slot 1 start</source>
        <translation>inicio de la franja 1</translation>
    </message>
    <message>
        <source>slot 1 end</source>
        <translation>fin de la franja 1</translation>
    </message>
    <message>
        <source>slot 2 start</source>
        <translation>inicio de la franja 2</translation>
    </message>
    <message>
        <source>slot 2 end</source>
        <translation>fin de la franja 2</translation>
    </message>
    <message>
        <source>Away dates and one-off changes</source>
        <translation>Ausencias y cambios puntuales</translation>
    </message>
    <message>
        <source>Dates you cannot play, or play other times than your week, in your own time zone. Add keeps each at once; Save above keeps only your week.</source>
        <translation>Fechas en que no puedes jugar, o juegas a otras horas que en tu semana, en tu propia zona horaria. Añadir guarda cada una al momento; Guardar, más arriba, solo guarda tu semana.</translation>
    </message>
    <message>
        <source>Added.</source>
        <translation>Añadido.</translation>
    </message>
    <message>
        <source>Removed.</source>
        <translation>Quitado.</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Ninguno.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Add a change</source>
        <translation>Añadir un cambio</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Primera fecha</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Última fecha</translation>
    </message>
    <message>
        <source>Leave the last date empty for one day.</source>
        <translation>Deja la última fecha vacía para un solo día.</translation>
    </message>
    <message>
        <source>On those dates</source>
        <translation>Esos días</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>These times instead</source>
        <translation>Estas horas en su lugar</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>and from</source>
        <translation>y de</translation>
    </message>
    <message>
        <source>Instead %1</source>
        <translation>En su lugar, %1</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>holiday, exams</source>
        <translation>vacaciones, exámenes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation>Quizá</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>Tarde</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n said yes</source>
        <translation>
            <numerusform>Sí: %1 de %n</numerusform>
            <numerusform>Sí: %1 de %n</numerusform>
        </translation>
    </message>
    <message>
        <source>This match was cancelled. It can no longer be answered.</source>
        <translation>Esta partida se canceló. Ya no se puede responder.</translation>
    </message>
    <message>
        <source>This match has started. It can no longer be answered.</source>
        <translation>Esta partida ya empezó. Ya no se puede responder.</translation>
    </message>
    <message>
        <source>You have not answered yet.</source>
        <translation>Aún no has respondido.</translation>
    </message>
    <message>
        <source>Your answer: %1</source>
        <translation>Tu respuesta: %1</translation>
    </message>
    <message>
        <source>Answer saved.</source>
        <translation>Respuesta guardada.</translation>
    </message>
    <message>
        <source>Note for the leader (optional; sent with the answer you pick)</source>
        <translation>Nota para el líder (opcional; se envía con la respuesta que elijas)</translation>
    </message>
    <message>
        <source>Answer for %1</source>
        <translation>Respuesta para %1</translation>
    </message>
    <message>
        <source>Your matches</source>
        <translation>Tus partidas</translation>
    </message>
    <message>
        <source>Times in your time zone (%1).</source>
        <translation>Horas en tu zona horaria (%1).</translation>
    </message>
    <message>
        <source>Times in the leader&apos;s time zone (%1) until you choose yours above.</source>
        <translation>Horas en la zona horaria del líder (%1) hasta que elijas la tuya arriba.</translation>
    </message>
    <message>
        <source>No matches planned for you.</source>
        <translation>No tienes partidas planificadas.</translation>
    </message>
    <message>
        <source>In your calendar</source>
        <translation>En tu calendario</translation>
    </message>
    <message>
        <source>Subscribe once and your calendar app keeps your matches and their changes. Like this page&apos;s link, the address is yours alone.</source>
        <translation>Suscríbete una vez y tu app de calendario tendrá tus partidas y sus cambios. Como el enlace de esta página, la dirección es solo tuya.</translation>
    </message>
    <message>
        <source>Subscribe to your matches</source>
        <translation>Suscríbete a tus partidas</translation>
    </message>
    <message>
        <source>Or add this address to your calendar (Google Calendar: Other calendars, From URL)</source>
        <translation>O añade esta dirección a tu calendario (Google Calendar: Otros calendarios, Desde URL)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Your week - Tallyhold</source>
        <translation>Tu semana - Tallyhold</translation>
    </message>
    <message>
        <source>Your week</source>
        <translation>Tu semana</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nombre de jugador</translation>
    </message>
    <message>
        <source>Clan / Division</source>
        <translation>Clan / División</translation>
    </message>
    <message>
        <source>A match waits for your answer</source>
        <translation>Una partida espera tu respuesta</translation>
    </message>
    <message numerus="yes">
        <source>%n matches wait for your answer</source>
        <translation>
            <numerusform>%n partida espera tu respuesta</numerusform>
            <numerusform>%n partidas esperan tu respuesta</numerusform>
        </translation>
    </message>
    <message>
        <source>Your matches (%1)</source>
        <translation>Tus partidas (%1)</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Guardado.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Type or pick the times in your own time zone. Each day takes one or two times you can play; leave the second empty if you need only one.</source>
        <translation>Escribe o elige las horas en tu propia zona horaria. Cada día admite una o dos franjas en las que puedes jugar; deja la segunda vacía si solo necesitas una.</translation>
    </message>
    <message>
        <source>Saved, in the leader&apos;s time (%1): %2</source>
        <translation>Guardado, en la hora del líder (%1): %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Last saved by you: %1 GMT</source>
        <translation>Lo guardaste por última vez: %1 GMT</translation>
    </message>
</context>
<context>
    <name>SignupServer</name>
    <message>
        <source>Too many tries</source>
        <translation>Demasiados intentos</translation>
    </message>
    <message>
        <source>Wait a few minutes, then open your link again.</source>
        <translation>Espera unos minutos y vuelve a abrir tu enlace.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>Too large</source>
        <translation>Demasiado grande</translation>
    </message>
    <message>
        <source>Not understood</source>
        <translation>No se entiende</translation>
    </message>
    <message>
        <source>Open the link you were given.</source>
        <translation>Abre el enlace que te dieron.</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <source>The roster cannot be reached just now. Nothing was changed; try again later.</source>
        <translation>Ahora mismo no se puede llegar a la plantilla. No se cambió nada; inténtalo más tarde.</translation>
    </message>
    <message>
        <source>This link is no longer valid</source>
        <translation>Este enlace ya no es válido</translation>
    </message>
    <message>
        <source>Ask your clan leader for a new link.</source>
        <translation>Pide un enlace nuevo al líder de tu clan.</translation>
    </message>
    <message>
        <source>This page is out of date. Open your link again and save again.</source>
        <translation>Esta página está desactualizada. Vuelve a abrir tu enlace y guarda otra vez.</translation>
    </message>
</context>
<context>
    <name>TimeEntryField</name>
    <message>
        <source>Data Format Error</source>
        <translation>Error de formato</translation>
    </message>
    <message>
        <source>This field must be in a valid date format!  MM/DD/YYYY</source>
        <translation>¡Este campo necesita una fecha válida!  MM/DD/AAAA</translation>
    </message>
    <message>
        <source>This field must be in a valid time format!  HH:MM AM/PM</source>
        <translation>¡Este campo necesita una hora válida!  HH:MM</translation>
    </message>
</context>
<context>
    <name>WeekAvailability</name>
    <message>
        <source>No time suits all required players</source>
        <translation>Ninguna hora va bien a todos los jugadores imprescindibles</translation>
    </message>
    <message>
        <source>No time suits all required players for %1 minutes</source>
        <translation>Ninguna hora va bien a todos los jugadores imprescindibles durante %1 minutos</translation>
    </message>
    <message>
        <source>No time suits any player</source>
        <translation>Ninguna hora va bien a ningún jugador</translation>
    </message>
    <message>
        <source>No time suits any player for %1 minutes</source>
        <translation>Ninguna hora va bien a ningún jugador durante %1 minutos</translation>
    </message>
    <message>
        <source>No time suits at least %1 players</source>
        <translation>Ninguna hora va bien a al menos %1 jugadores</translation>
    </message>
    <message>
        <source>No time suits at least %1 players for %2 minutes</source>
        <translation>Ninguna hora va bien a al menos %1 jugadores durante %2 minutos</translation>
    </message>
    <message>
        <source>No time suits all required and at least %1 players</source>
        <translation>Ninguna hora va bien a todos los imprescindibles y a al menos %1 jugadores</translation>
    </message>
    <message>
        <source>No time suits all required and at least %1 players for %2 minutes</source>
        <translation>Ninguna hora va bien a todos los imprescindibles y a al menos %1 jugadores durante %2 minutos</translation>
    </message>
    <message>
        <source>Your clock skips that time that day: the clocks go forward</source>
        <translation>Tu reloj se salta esa hora ese día: se adelantan los relojes</translation>
    </message>
    <message>
        <source>Not all required players can play from then</source>
        <translation>No todos los jugadores imprescindibles pueden jugar a partir de esa hora</translation>
    </message>
    <message>
        <source>Not all required players can play for %1 minutes from then</source>
        <translation>No todos los jugadores imprescindibles pueden jugar %1 minutos a partir de esa hora</translation>
    </message>
    <message>
        <source>Fewer than %1 players can play from then</source>
        <translation>Menos de %1 jugadores pueden jugar a partir de esa hora</translation>
    </message>
    <message>
        <source>Fewer than %1 players can play for %2 minutes from then</source>
        <translation>Menos de %1 jugadores pueden jugar %2 minutos a partir de esa hora</translation>
    </message>
</context>
<context>
    <name>WeekHeatmap</name>
    <message>
        <source>Week heatmap</source>
        <translation>Mapa de calor de la semana</translation>
    </message>
    <message>
        <source>Click a time and show who!</source>
        <translation>¡Pulsa una hora para ver quién!</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>plan not met</source>
        <translation>plan no cumplido</translation>
    </message>
    <message>
        <source>Select members to see their week.</source>
        <translation>Elige miembros para ver su semana.</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 jugador</translation>
    </message>
    <message>
        <source>%1 %2: %3 of %4</source>
        <translation>%1 %2: %3 de %4</translation>
    </message>
    <message>
        <source>, plan not met</source>
        <translation>, plan no cumplido</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message numerus="yes">
        <source>%n players</source>
        <translation>
            <numerusform>%n jugador</numerusform>
            <numerusform>%n jugadores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Darker: more of the %n players can play. Click a time to see who.</source>
        <translation>
            <numerusform>Más oscuro: más de los %n jugadores pueden jugar. Pulsa una hora para ver quién.</numerusform>
            <numerusform>Más oscuro: más de los %n jugadores pueden jugar. Pulsa una hora para ver quién.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> y %n más</numerusform>
            <numerusform> y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ZoneStore</name>
    <message>
        <source>The time zone was not added.</source>
        <translation>No se añadió la zona horaria.</translation>
    </message>
    <message>
        <source>The file&apos;s time zone %1 could not be added, so nothing was imported.</source>
        <translation>No se pudo añadir la zona horaria %1 del archivo, así que no se importó nada.</translation>
    </message>
    <message>
        <source>No zone key is left: the greatest zone key is already %1. %2</source>
        <translation>No queda ninguna clave de zona: la mayor clave de zona ya es %1. %2</translation>
    </message>
    <message>
        <source>The following Members are located in this Time Zone: 
%1You will need to remove/update these members before this Time Zone can be deleted!</source>
        <translation>Estos miembros están en esta zona horaria: 
%1¡Tendrás que quitar o cambiar estos miembros antes de poder eliminar la zona horaria!</translation>
    </message>
    <message>
        <source>Time Zone Name must be non blank!</source>
        <translation>¡El nombre de zona no puede estar vacío!</translation>
    </message>
    <message>
        <source>%1 is not a real time zone known to this computer (such as America/New_York).</source>
        <translation>%1 no es una zona horaria real conocida por este ordenador (como America/New_York).</translation>
    </message>
    <message>
        <source>GMT Offset must be numeric!</source>
        <translation>¡El desfase GMT debe ser un número!</translation>
    </message>
</context>
<context>
    <name>cTimeFuncs</name>
    <message>
        <source>The time zone %1 has no usable GMT offset (&quot;%2&quot;).</source>
        <translation>La zona horaria %1 no tiene un desfase GMT utilizable (&quot;%2&quot;).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid time.</source>
        <translation>&quot;%1&quot; no es una hora válida.</translation>
    </message>
</context>
<context>
    <name>frmAnnounce</name>
    <message>
        <source>Announce Match</source>
        <translation>Anunciar partida</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440</source>
        <translation>Minutos, de 15 a 1440</translation>
    </message>
    <message>
        <source>Announcement</source>
        <translation>Anuncio</translation>
    </message>
    <message>
        <source>Edit the text before copying or sending it</source>
        <translation>Retoca el texto antes de copiarlo o enviarlo</translation>
    </message>
    <message>
        <source>Copy text</source>
        <translation>Copiar texto</translation>
    </message>
    <message>
        <source>Copy Discord line</source>
        <translation>Copiar línea de Discord</translation>
    </message>
    <message>
        <source>Discord shows the start in each reader&apos;s own time</source>
        <translation>Discord muestra el inicio en la hora de cada lector</translation>
    </message>
    <message>
        <source>Save invitation…</source>
        <translation>Guardar invitación…</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>A message to those who can play, in your mail program</source>
        <translation>Un mensaje para quienes pueden jugar, en tu programa de correo</translation>
    </message>
    <message>
        <source>Length (minutes)</source>
        <translation>Duración (minutos)</translation>
    </message>
    <message>
        <source>Save Invitation</source>
        <translation>Guardar invitación</translation>
    </message>
    <message>
        <source>Calendar invitation (*.ics)|*.ics</source>
        <translation>Invitación de calendario (*.ics)|*.ics</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>None of the members who can play has an e-mail address.</source>
        <translation>Ninguno de los miembros que pueden jugar tiene dirección de correo.</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>No se pudo abrir ningún programa de correo para el mensaje.</translation>
    </message>
    <message>
        <source>No e-mail (left out of the invitation): %1</source>
        <translation>Sin correo (fuera de la invitación): %1</translation>
    </message>
</context>
<context>
    <name>frmAttendance</name>
    <message>
        <source>Attendance: %1</source>
        <translation>Asistencia: %1</translation>
    </message>
    <message>
        <source>Who came</source>
        <translation>Quién vino</translation>
    </message>
    <message>
        <source>Tick everyone who played; Space ticks the highlighted player</source>
        <translation>Marca a todos los que jugaron; Espacio marca al jugador seleccionado</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>said %1</source>
        <translation>dijo %1</translation>
    </message>
</context>
<context>
    <name>frmMemberChanges</name>
    <message>
        <source>Dates and times are on %1&apos;s own clock.</source>
        <translation>Fechas y horas según el reloj de %1.</translation>
    </message>
    <message>
        <source>Dates and times are on %1&apos;s own clock (%2).</source>
        <translation>Fechas y horas según el reloj de %1 (%2).</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Dates away and days played at other times than the week; double click to edit</source>
        <translation>Ausencias y días jugados a otras horas que en la semana; doble clic para editar</translation>
    </message>
    <message>
        <source>Show past changes</source>
        <translation>Mostrar cambios pasados</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add change</source>
        <translation>Añadir cambio</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit change</source>
        <translation>Editar cambio</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove change</source>
        <translation>Quitar cambio</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Primera fecha</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/DD/AAAA</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Última fecha</translation>
    </message>
    <message>
        <source>MM/DD/YYYY; empty for the first date alone</source>
        <translation>MM/DD/AAAA; vacía para solo la primera fecha</translation>
    </message>
    <message>
        <source>same day</source>
        <translation>mismo día</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Not listed on these dates at any time</source>
        <translation>No aparece a ninguna hora en esas fechas</translation>
    </message>
    <message>
        <source>These times instead</source>
        <translation>Estas horas en su lugar</translation>
    </message>
    <message>
        <source>Plays these times on each of the dates instead of the week&apos;s</source>
        <translation>Juega a estas horas en cada una de las fechas en lugar de las de la semana</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Why, in a few words: holiday, exams</source>
        <translation>El motivo, en pocas palabras: vacaciones, exámenes</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save change</source>
        <translation>Guardar cambio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel change</source>
        <translation>Descartar cambio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Fechas</translation>
    </message>
    <message>
        <source>No changes: %1 plays the week as it stands. Add one for dates away or played otherwise.</source>
        <translation>Sin cambios: %1 juega la semana tal cual. Añade uno para ausencias o fechas con otras horas.</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Error de selección</translation>
    </message>
    <message>
        <source>You must first highlight a change!</source>
        <translation>¡Primero selecciona un cambio!</translation>
    </message>
    <message>
        <source>New change</source>
        <translation>Cambio nuevo</translation>
    </message>
    <message>
        <source>Change (choose Add or Edit)</source>
        <translation>Cambio (elige Añadir o Editar)</translation>
    </message>
    <message>
        <source>Away / Changes - %1</source>
        <translation>Ausencias / Cambios - %1</translation>
    </message>
    <message>
        <source>Slot 1 start</source>
        <translation>Inicio de la franja 1</translation>
    </message>
    <message>
        <source>Slot 1 end</source>
        <translation>Fin de la franja 1</translation>
    </message>
    <message>
        <source>Slot 2 start</source>
        <translation>Inicio de la franja 2</translation>
    </message>
    <message>
        <source>Slot 2 end</source>
        <translation>Fin de la franja 2</translation>
    </message>
    <message>
        <source>Edit change of %1</source>
        <translation>Editar cambio del %1</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>¿Quitar %1?</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Best Times Granularity</source>
        <translation>Intervalo de mejores horarios</translation>
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
        <translation>Desactivar avisos de confirmación</translation>
    </message>
    <message>
        <source>Max Return on Show Best Times</source>
        <translation>Máximo de mejores horarios</translation>
    </message>
    <message>
        <source>Your Information</source>
        <translation>Tus datos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>EMail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Your Time Zone</source>
        <translation>Tu zona horaria</translation>
    </message>
    <message>
        <source>Apply DST</source>
        <translation>Aplicar horario de verano</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <source>Restore Settings</source>
        <translation>Restaurar ajustes</translation>
    </message>
    <message>
        <source>Cancel / Exit</source>
        <translation>Cancelar / Salir</translation>
    </message>
    <message>
        <source>Your zone&apos;s real time zone is on daylight saving time today</source>
        <translation>La zona horaria real de tu zona está hoy en horario de verano</translation>
    </message>
    <message>
        <source>Your zone&apos;s real time zone is on standard time today</source>
        <translation>La zona horaria real de tu zona está hoy en horario estándar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Según el idioma</translation>
    </message>
    <message>
        <source>12-hour (8:00 PM)</source>
        <translation>12 horas (8:00 PM)</translation>
    </message>
    <message>
        <source>24-hour (20:00)</source>
        <translation>24 horas (20:00)</translation>
    </message>
    <message>
        <source>Language and clock change at the next start of Tallyhold.</source>
        <translation>El idioma y el reloj cambian la próxima vez que se inicie Tallyhold.</translation>
    </message>
</context>
<context>
    <name>frmPlanMatch</name>
    <message>
        <source>Plan Match</source>
        <translation>Planificar partida</translation>
    </message>
    <message>
        <source>Edit Match</source>
        <translation>Editar partida</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>on your clock (%1)</source>
        <translation>en tu hora (%1)</translation>
    </message>
    <message>
        <source>Length (minutes)</source>
        <translation>Duración (minutos)</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440</source>
        <translation>Minutos, de 15 a 1440</translation>
    </message>
    <message>
        <source>Minimum players</source>
        <translation>Mínimo de jugadores</translation>
    </message>
    <message>
        <source>How many must say yes for the match to go ahead</source>
        <translation>Cuántos deben decir que sí para que la partida se juegue</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Tick who is invited and who must play; Space ticks the highlighted box</source>
        <translation>Marca quién está invitado y quién debe jugar; Espacio marca la casilla seleccionada</translation>
    </message>
    <message>
        <source>Invited players</source>
        <translation>Jugadores invitados</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Imprescindible</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Shown with the match in every player&apos;s calendar</source>
        <translation>Se muestra con la partida en el calendario de cada jugador</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>%1 invited, %2 required</source>
        <translation>%1 invitados, %2 imprescindibles</translation>
    </message>
    <message>
        <source>Moving the match or changing its length sets every answer back to no answer; the players are asked again. Save it?</source>
        <translation>Mover la partida o cambiar su duración borra todas las respuestas; se vuelve a preguntar a los jugadores. ¿Guardar?</translation>
    </message>
    <message>
        <source>Required: %1</source>
        <translation>Imprescindibles: %1</translation>
    </message>
</context>
<context>
    <name>frmReminder</name>
    <message>
        <source>Reminder: %1</source>
        <translation>Recordatorio: %1</translation>
    </message>
    <message>
        <source>Everyone has answered.</source>
        <translation>Todos han respondido.</translation>
    </message>
    <message>
        <source>Discord message</source>
        <translation>Mensaje de Discord</translation>
    </message>
    <message>
        <source>Discord shows the start in each reader&apos;s own time</source>
        <translation>Discord muestra el inicio en la hora de cada lector</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy Discord message</source>
        <translation>Copiar mensaje de Discord</translation>
    </message>
    <message>
        <source>E-mail link</source>
        <translation>Enlace de correo</translation>
    </message>
    <message>
        <source>A mailto link to those who have not answered</source>
        <translation>Un enlace mailto para quienes no han respondido</translation>
    </message>
    <message>
        <source>Copy e-mail link</source>
        <translation>Copiar enlace de correo</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>The reminder in your mail program</source>
        <translation>El recordatorio en tu programa de correo</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>No se pudo abrir ningún programa de correo para el mensaje.</translation>
    </message>
    <message>
        <source>Not answered yet: %1</source>
        <translation>Aún sin responder: %1</translation>
    </message>
    <message>
        <source>No e-mail (left out of the link): %1</source>
        <translation>Sin correo (fuera del enlace): %1</translation>
    </message>
</context>
<context>
    <name>frmSignupLinks</name>
    <message>
        <source>Server Address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>Where members reach tallyhold-web, such as https://roster.example.org</source>
        <translation>Dónde llegan los miembros a tallyhold-web, como https://roster.example.org</translation>
    </message>
    <message>
        <source>Make Link</source>
        <translation>Crear enlace</translation>
    </message>
    <message>
        <source>A new private link for this member, valid for 60 days</source>
        <translation>Un enlace privado nuevo para este miembro, válido 60 días</translation>
    </message>
    <message>
        <source>New Link</source>
        <translation>Enlace nuevo</translation>
    </message>
    <message>
        <source>Shown once: the roster keeps only a hash of it</source>
        <translation>Se muestra una sola vez: la plantilla solo guarda su hash</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>A message with the link, in your mail program</source>
        <translation>Un mensaje con el enlace, en tu programa de correo</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revocar</translation>
    </message>
    <message>
        <source>The member can no longer use the selected link</source>
        <translation>El miembro ya no puede usar el enlace seleccionado</translation>
    </message>
    <message>
        <source>Links to this address open only on this computer. Give the address at which members reach tallyhold-web.</source>
        <translation>Los enlaces a esta dirección solo se abren en este ordenador. Indica la dirección en la que los miembros llegan a tallyhold-web.</translation>
    </message>
    <message>
        <source>Links to this address open only on your local network, not for members elsewhere.</source>
        <translation>Los enlaces a esta dirección solo se abren en tu red local, no para miembros de fuera.</translation>
    </message>
    <message>
        <source>Server Address note</source>
        <translation>Nota sobre la dirección del servidor</translation>
    </message>
    <message>
        <source>Made %1 - %2</source>
        <translation>Creado el %1 - %2</translation>
    </message>
    <message>
        <source>Your week for the clan</source>
        <translation>Tu semana para el clan</translation>
    </message>
    <message>
        <source>Hi %1,

Please set the times you can play on your own page (keep the link to yourself):
%2
</source>
        <translation>Hola, %1:

Pon en tu propia página las horas en que puedes jugar (no compartas el enlace):
%2
</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>No se pudo abrir ningún programa de correo para el mensaje.</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Error de selección</translation>
    </message>
    <message>
        <source>You must first highlight a link!</source>
        <translation>¡Primero selecciona un enlace!</translation>
    </message>
    <message>
        <source>Revoke this link? %1 can no longer use it.</source>
        <translation>¿Revocar este enlace? %1 ya no podrá usarlo.</translation>
    </message>
    <message>
        <source>Sign-up Links - %1</source>
        <translation>Enlaces de registro - %1</translation>
    </message>
</context>
<context>
    <name>frmTZEdit</name>
    <message>
        <source>Time Zone Edits</source>
        <translation>Editar zonas horarias</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>Zonas horarias</translation>
    </message>
    <message>
        <source>TZ Name</source>
        <translation>Nombre de zona</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>Desfase GMT</translation>
    </message>
    <message>
        <source>Minutes to add to the local time to get GMT, such as 300 for Eastern or -60 for Central Europe</source>
        <translation>Minutos que sumar a la hora local para obtener GMT, como 300 para Eastern o -60 para Europa central</translation>
    </message>
    <message>
        <source>Apply Daylight Savings Time</source>
        <translation>Aplicar horario de verano</translation>
    </message>
    <message>
        <source>Real Time Zone</source>
        <translation>Zona horaria real</translation>
    </message>
    <message>
        <source>Where the zone&apos;s clock is, so daylight saving follows the date; type to search</source>
        <translation>Dónde está el reloj de la zona, para que el horario de verano siga la fecha; escribe para buscar</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>New Time Zone</source>
        <translation>Zona nueva</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Error de selección</translation>
    </message>
    <message>
        <source>You must first highlight a Time Zone!</source>
        <translation>¡Primero selecciona una zona horaria!</translation>
    </message>
    <message>
        <source>%1 has no summer time: its clock never changes.</source>
        <translation>%1 no tiene horario de verano: su reloj nunca cambia.</translation>
    </message>
    <message>
        <source> Members in Britain or Ireland need a zone with Europe/London or Europe/Dublin: type London above.</source>
        <translation> Los miembros en el Reino Unido o Irlanda necesitan una zona con Europe/London o Europe/Dublin: escribe London arriba.</translation>
    </message>
    <message>
        <source>Real Time Zone note</source>
        <translation>Nota sobre la zona horaria real</translation>
    </message>
    <message>
        <source>Update %1?</source>
        <translation>¿Actualizar %1?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>¿Añadir %1?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>¿Eliminar %1?</translation>
    </message>
</context>
<context>
    <name>frmTallyhold</name>
    <message>
        <source>Tallyhold tabs</source>
        <translation>Pestañas de Tallyhold</translation>
    </message>
    <message>
        <source>Members Info</source>
        <translation>Info de miembros</translation>
    </message>
    <message>
        <source>Add / Edit Members</source>
        <translation>Añadir / Editar miembros</translation>
    </message>
    <message>
        <source>Clans / Divisions</source>
        <translation>Clanes / Divisiones</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>Planificación</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Export / Import</source>
        <translation>Exportar / Importar</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;Shared Roster…</source>
        <translation>Abrir plantilla &amp;compartida…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Time &amp;Zone Edits</source>
        <translation>&amp;Zonas horarias</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Tallyhold &amp;Help</source>
        <translation>&amp;Ayuda de Tallyhold</translation>
    </message>
    <message>
        <source>&amp;About Tallyhold</source>
        <translation>A&amp;cerca de Tallyhold</translation>
    </message>
    <message>
        <source>No clans yet: add one on Clans / Divisions, then add members on Add / Edit Members. Your own time zone, in which times are shown, is set in Tools › Options.</source>
        <translation>Aún no hay clanes: añade uno en Clanes / Divisiones y luego miembros en Añadir / Editar miembros. Tu propia zona horaria, en la que se muestran las horas, se elige en Herramientas › Opciones.</translation>
    </message>
    <message>
        <source>No members listed yet: add them on Add / Edit Members (members of hidden clans are not listed)</source>
        <translation>Aún no hay miembros: añádelos en Añadir / Editar miembros (los miembros de clanes ocultos no aparecen)</translation>
    </message>
    <message>
        <source>No clans to export yet: add one on Clans / Divisions</source>
        <translation>Aún no hay clanes que exportar: añade uno en Clanes / Divisiones</translation>
    </message>
    <message>
        <source>Open Shared Roster</source>
        <translation>Abrir plantilla compartida</translation>
    </message>
    <message>
        <source>Address of the shared roster (postgresql://user@host[:port]/dbname).
The password comes from ~/.pgpass or PGPASSWORD, or is asked for.</source>
        <translation>Dirección de la plantilla compartida (postgresql://usuario@servidor[:puerto]/base).
La contraseña sale de ~/.pgpass o PGPASSWORD, o se pide.</translation>
    </message>
    <message>
        <source>A shared roster&apos;s address starts with postgresql://</source>
        <translation>La dirección de una plantilla compartida empieza por postgresql://</translation>
    </message>
    <message>
        <source>About Tallyhold</source>
        <translation>Acerca de Tallyhold</translation>
    </message>
    <message>
        <source>Nobody to choose from. %1</source>
        <translation>Nadie para elegir. %1</translation>
    </message>
    <message>
        <source>Tallyhold %1

Keeps a clan&apos;s roster and finds when to play.

Licence: GNU General Public License, version 3 or later

Roster: %2

Languages: %3</source>
        <translation>Tallyhold %1

Lleva la plantilla de un clan y encuentra cuándo jugar.

Licencia: GNU General Public License, versión 3 o posterior

Plantilla: %2

Idiomas: %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Roster In Use</source>
        <translation>Plantilla en uso</translation>
    </message>
</context>
</TS>
