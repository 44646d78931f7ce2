<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ClansTab</name>
    <message>
        <source>Clan Name</source>
        <translation>Nom du clan</translation>
    </message>
    <message>
        <source>Clans / Divisions</source>
        <translation>Clans / Divisions</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Hide Members from Lists</source>
        <translation>Masquer les membres des listes</translation>
    </message>
    <message>
        <source>New Clan</source>
        <translation>Nouveau clan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Vider les champs</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Erreur de sélection</translation>
    </message>
    <message>
        <source>You must first highlight a division!</source>
        <translation>Sélectionnez d&apos;abord une division !</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>Ajouter %1 ?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Supprimer %1 ?</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <source>New player name.</source>
        <translation>Nouveau pseudo.</translation>
    </message>
    <message>
        <source>Clan / division, by name or key.</source>
        <translation>Clan / division, par nom ou clé.</translation>
    </message>
    <message>
        <source>The member&apos;s time zone, by name.</source>
        <translation>Le fuseau horaire du membre, par nom.</translation>
    </message>
    <message>
        <source>Active member (a new one is).</source>
        <translation>Membre actif (un nouveau l&apos;est).</translation>
    </message>
    <message>
        <source>Actual first name.</source>
        <translation>Prénom réel.</translation>
    </message>
    <message>
        <source>Last name.</source>
        <translation>Nom de famille.</translation>
    </message>
    <message>
        <source>Default e-mail.</source>
        <translation>E-mail principal.</translation>
    </message>
    <message>
        <source>Secondary e-mail.</source>
        <translation>E-mail secondaire.</translation>
    </message>
    <message>
        <source>Other contact info.</source>
        <translation>Autre contact.</translation>
    </message>
    <message>
        <source>Member notes.</source>
        <translation>Notes sur le membre.</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Samedi / Dimanche</translation>
    </message>
    <message>
        <source>%1: one or two slots in the member&apos;s zone, such as 19:00-23:00,01:00-02:00; off to clear the day.</source>
        <translation>%1 : un ou deux créneaux dans le fuseau du membre, par exemple 19:00-23:00,01:00-02:00 ; off pour vider le jour.</translation>
    </message>
    <message>
        <source>Choose the members of a division (repeatable).</source>
        <translation>Choisir les membres d&apos;une division (répétable).</translation>
    </message>
    <message>
        <source>Choose a member by name or key (repeatable).</source>
        <translation>Choisir un membre par nom ou clé (répétable).</translation>
    </message>
    <message>
        <source>Your time zone for this command (default: options).</source>
        <translation>Votre fuseau horaire pour cette commande (par défaut : options).</translation>
    </message>
    <message>
        <source>Apply daylight saving time (default: options).</source>
        <translation>Appliquer l&apos;heure d&apos;été (par défaut : options).</translation>
    </message>
    <message>
        <source>The match length, 15 to 1440 minutes (default: a moment).</source>
        <translation>La durée du match, de 15 à 1440 minutes (par défaut : un instant).</translation>
    </message>
    <message>
        <source>A member who must be able to play (repeatable; joins the chosen).</source>
        <translation>Un membre qui doit pouvoir jouer (répétable ; s&apos;ajoute aux membres choisis).</translation>
    </message>
    <message>
        <source>At least this many must be able to play.</source>
        <translation>Au moins ce nombre doit pouvoir jouer.</translation>
    </message>
    <message>
        <source>The first date, in the member&apos;s own zone: MM/DD/YYYY or YYYY-MM-DD.</source>
        <translation>La première date, dans le fuseau du membre : MM/DD/YYYY ou YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>The last date (default: the first alone).</source>
        <translation>La dernière date (par défaut : la première seule).</translation>
    </message>
    <message>
        <source>A short note, such as holiday.</source>
        <translation>Une courte note, par exemple vacances.</translation>
    </message>
    <message>
        <source>One or two slots in the member&apos;s zone instead of the week&apos;s, such as 22:00-01:00 or 6pm-8pm,10pm-1am; an end before the start runs past midnight.</source>
        <translation>Un ou deux créneaux dans le fuseau du membre au lieu de ceux de la semaine, par exemple 22:00-01:00 ou 6pm-8pm,10pm-1am ; une fin avant le début passe minuit.</translation>
    </message>
    <message>
        <source>The start on your clock, such as &quot;12/12/2026 8:00 PM&quot;; moving it asks every player again.</source>
        <translation>Le début à votre heure, par exemple &quot;12/12/2026 8:00 PM&quot; ; le déplacer redemande à chaque joueur.</translation>
    </message>
    <message>
        <source>The start on your clock, such as &quot;12/12/2026 8:00 PM&quot;.</source>
        <translation>Le début à votre heure, par exemple &quot;12/12/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>The length, 15 to 1440 minutes.</source>
        <translation>La durée, de 15 à 1440 minutes.</translation>
    </message>
    <message>
        <source>The title (default: Clan match).</source>
        <translation>Le titre (par défaut : Clan match).</translation>
    </message>
    <message>
        <source>Invite a member, by name or key (repeatable).</source>
        <translation>Inviter un membre, par nom ou clé (répétable).</translation>
    </message>
    <message>
        <source>A member who must say yes (repeatable; invited too).</source>
        <translation>Un membre qui doit dire oui (répétable ; invité aussi).</translation>
    </message>
    <message>
        <source>At least this many must say yes (default 1).</source>
        <translation>Au moins ce nombre doit dire oui (1 par défaut).</translation>
    </message>
    <message>
        <source>Notes for the players.</source>
        <translation>Notes pour les joueurs.</translation>
    </message>
    <message>
        <source>Uninvite a member (repeatable).</source>
        <translation>Retirer l&apos;invitation d&apos;un membre (répétable).</translation>
    </message>
    <message>
        <source>Invite the members of a division (repeatable).</source>
        <translation>Inviter les membres d&apos;une division (répétable).</translation>
    </message>
    <message>
        <source>Division notes.</source>
        <translation>Notes sur la division.</translation>
    </message>
    <message>
        <source>Hide the members from the lists.</source>
        <translation>Masquer les membres des listes.</translation>
    </message>
    <message>
        <source>Minutes to add to the local time to get GMT (300 for Eastern).</source>
        <translation>Minutes à ajouter à l&apos;heure locale pour obtenir GMT (300 pour Eastern).</translation>
    </message>
    <message>
        <source>Description.</source>
        <translation>Description.</translation>
    </message>
    <message>
        <source>Apply daylight saving time.</source>
        <translation>Appliquer l&apos;heure d&apos;été.</translation>
    </message>
    <message>
        <source>The real time zone, such as America/New_York (&quot;none&quot; for none); its standard offset and daylight saving fill --offset and --dst.</source>
        <translation>Le vrai fuseau horaire, par exemple America/New_York (&quot;none&quot; pour aucun) ; son décalage standard et son heure d&apos;été remplissent --offset et --dst.</translation>
    </message>
    <message>
        <source>List the members as the window does (&quot;Division - Player&quot;).</source>
        <translation>Lister les membres comme la fenêtre (&quot;Division - Joueur&quot;).</translation>
    </message>
    <message>
        <source>Only this division&apos;s members (repeatable).</source>
        <translation>Seulement les membres de cette division (répétable).</translation>
    </message>
    <message>
        <source>Members of hidden divisions too.</source>
        <translation>Les membres des divisions masquées aussi.</translation>
    </message>
    <message>
        <source>Show a member, times in your time zone.</source>
        <translation>Afficher un membre, heures dans votre fuseau horaire.</translation>
    </message>
    <message>
        <source>Add a member.</source>
        <translation>Ajouter un membre.</translation>
    </message>
    <message>
        <source>Change the given fields of a member.</source>
        <translation>Modifier les champs donnés d&apos;un membre.</translation>
    </message>
    <message>
        <source>Delete a member and its schedule.</source>
        <translation>Supprimer un membre et ses horaires.</translation>
    </message>
    <message>
        <source>Mark a member away from --from to --to: no answer on those dates counts them.</source>
        <translation>Marquer un membre absent de --from à --to : ces jours-là, aucun résultat ne le compte.</translation>
    </message>
    <message>
        <source>Remove an away range or one-off change by its key.</source>
        <translation>Supprimer une absence ou un changement ponctuel par sa clé.</translation>
    </message>
    <message>
        <source>Give a member other slots from --from to --to instead of their week&apos;s.</source>
        <translation>Donner à un membre d&apos;autres créneaux de --from à --to au lieu de ceux de sa semaine.</translation>
    </message>
    <message>
        <source>List a member&apos;s away ranges and one-off changes from today on, with their keys.</source>
        <translation>Lister les absences et changements ponctuels d&apos;un membre à partir d&apos;aujourd&apos;hui, avec leurs clés.</translation>
    </message>
    <message>
        <source>Past ones too.</source>
        <translation>Les passés aussi.</translation>
    </message>
    <message>
        <source>List the clans / divisions.</source>
        <translation>Lister les clans / divisions.</translation>
    </message>
    <message>
        <source>Add a division.</source>
        <translation>Ajouter une division.</translation>
    </message>
    <message>
        <source>Change a division.</source>
        <translation>Modifier une division.</translation>
    </message>
    <message>
        <source>New name of the division.</source>
        <translation>Nouveau nom de la division.</translation>
    </message>
    <message>
        <source>Delete a division that has no members.</source>
        <translation>Supprimer une division sans membres.</translation>
    </message>
    <message>
        <source>List the time zones.</source>
        <translation>Lister les fuseaux horaires.</translation>
    </message>
    <message>
        <source>Add a time zone.</source>
        <translation>Ajouter un fuseau horaire.</translation>
    </message>
    <message>
        <source>Change a time zone.</source>
        <translation>Modifier un fuseau horaire.</translation>
    </message>
    <message>
        <source>New name of the time zone.</source>
        <translation>Nouveau nom du fuseau horaire.</translation>
    </message>
    <message>
        <source>Delete a time zone that no member uses.</source>
        <translation>Supprimer un fuseau horaire qu&apos;aucun membre n&apos;utilise.</translation>
    </message>
    <message>
        <source>Who of the chosen members (default: everyone listed) can make a match.</source>
        <translation>Qui parmi les membres choisis (par défaut : tous ceux listés) peut jouer un match.</translation>
    </message>
    <message>
        <source>The match date and time, such as &quot;12/7/2026 8:00 PM&quot;.</source>
        <translation>La date et l&apos;heure du match, par exemple &quot;12/7/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>Announce a match to the chosen members (default: everyone listed): each one&apos;s local time, who can play, a Discord line and an e-mail link.</source>
        <translation>Annoncer un match aux membres choisis (par défaut : tous ceux listés) : l&apos;heure locale de chacun, qui peut jouer, une ligne Discord et un lien e-mail.</translation>
    </message>
    <message>
        <source>The match start, such as &quot;12/7/2026 8:00 PM&quot;.</source>
        <translation>Le début du match, par exemple &quot;12/7/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>The match length, 15 to 1440 minutes.</source>
        <translation>La durée du match, de 15 à 1440 minutes.</translation>
    </message>
    <message>
        <source>Also write a calendar invitation to FILE.</source>
        <translation>Écrire aussi une invitation d&apos;agenda dans FILE.</translation>
    </message>
    <message>
        <source>The best match times of the chosen members (default: everyone listed).</source>
        <translation>Les meilleurs créneaux de match des membres choisis (par défaut : tous ceux listés).</translation>
    </message>
    <message>
        <source>Grid step: 15, 30 or 60 minutes (default: options).</source>
        <translation>Pas de la grille : 15, 30 ou 60 minutes (par défaut : options).</translation>
    </message>
    <message>
        <source>At most this many times (default: options).</source>
        <translation>Au plus ce nombre de créneaux (par défaut : options).</translation>
    </message>
    <message>
        <source>Count the seven days from this date (default: today).</source>
        <translation>Compter les sept jours à partir de cette date (par défaut : aujourd&apos;hui).</translation>
    </message>
    <message>
        <source>Plan a match for the members chosen and ask each for an answer.</source>
        <translation>Prévoir un match pour les membres choisis et demander une réponse à chacun.</translation>
    </message>
    <message>
        <source>Move, rename, lengthen or change the players of a match.</source>
        <translation>Déplacer, renommer, allonger un match ou en changer les joueurs.</translation>
    </message>
    <message>
        <source>The upcoming matches with their answers, earliest first.</source>
        <translation>Les matchs à venir avec leurs réponses, le plus proche en premier.</translation>
    </message>
    <message>
        <source>The matches that are over, latest first.</source>
        <translation>Les matchs terminés, le plus récent en premier.</translation>
    </message>
    <message>
        <source>A match&apos;s players: their answers, notes, and who cannot play it by their week.</source>
        <translation>Les joueurs d&apos;un match : leurs réponses, leurs notes, et qui ne peut pas le jouer d&apos;après sa semaine.</translation>
    </message>
    <message>
        <source>Answer for a member: yes, maybe, late or no.</source>
        <translation>Répondre pour un membre : yes, maybe, late ou no.</translation>
    </message>
    <message>
        <source>The member&apos;s note (at most 500 characters).</source>
        <translation>La note du membre (500 caractères au plus).</translation>
    </message>
    <message>
        <source>Cancel a match.</source>
        <translation>Annuler un match.</translation>
    </message>
    <message>
        <source>Undo the cancellation.</source>
        <translation>Annuler l&apos;annulation.</translation>
    </message>
    <message>
        <source>Delete a match with its answers and attendance.</source>
        <translation>Supprimer un match avec ses réponses et sa présence.</translation>
    </message>
    <message>
        <source>Whether a member came, once the match has started.</source>
        <translation>Si un membre est venu, une fois le match commencé.</translation>
    </message>
    <message>
        <source>A Discord message and an e-mail link for those who have not answered.</source>
        <translation>Un message Discord et un lien e-mail pour ceux qui n&apos;ont pas répondu.</translation>
    </message>
    <message>
        <source>Write the upcoming matches and those of the last 30 days as a calendar file.</source>
        <translation>Écrire les matchs à venir et ceux des 30 derniers jours dans un fichier d&apos;agenda.</translation>
    </message>
    <message>
        <source>Every match with every player (the default).</source>
        <translation>Chaque match avec chaque joueur (par défaut).</translation>
    </message>
    <message>
        <source>Only this member&apos;s matches, with their answers.</source>
        <translation>Seulement les matchs de ce membre, avec ses réponses.</translation>
    </message>
    <message>
        <source>The .ics file to write.</source>
        <translation>Le fichier .ics à écrire.</translation>
    </message>
    <message>
        <source>Count the last N matches (default 10).</source>
        <translation>Compter les N derniers matchs (10 par défaut).</translation>
    </message>
    <message>
        <source>Export divisions with their members, schedules and zones to a .tlx file.</source>
        <translation>Exporter des divisions avec leurs membres, horaires et fuseaux dans un fichier .tlx.</translation>
    </message>
    <message>
        <source>A division to export (repeatable).</source>
        <translation>Une division à exporter (répétable).</translation>
    </message>
    <message>
        <source>Overwrite FILE when it exists.</source>
        <translation>Écraser FILE s&apos;il existe.</translation>
    </message>
    <message>
        <source>Import a .tlx file: checked whole, then added in one go.</source>
        <translation>Importer un fichier .tlx : vérifié en entier, puis ajouté d&apos;un coup.</translation>
    </message>
    <message>
        <source>Make a member&apos;s private sign-up link for tallyhold-web; only its hash is kept, so copy it now.</source>
        <translation>Créer le lien d&apos;inscription privé d&apos;un membre pour tallyhold-web ; seule son empreinte est gardée, copiez-le donc maintenant.</translation>
    </message>
    <message>
        <source>Days until the link expires (default 60, at most 3650).</source>
        <translation>Jours avant l&apos;expiration du lien (60 par défaut, 3650 au plus).</translation>
    </message>
    <message>
        <source>Where members reach tallyhold-web, such as https://roster.example.org (kept for the next links; default http://127.0.0.1:8080).</source>
        <translation>Où les membres joignent tallyhold-web, par exemple https://roster.example.org (gardé pour les liens suivants ; par défaut http://127.0.0.1:8080).</translation>
    </message>
    <message>
        <source>List the sign-up links, newest first.</source>
        <translation>Lister les liens d&apos;inscription, le plus récent en premier.</translation>
    </message>
    <message>
        <source>Only this member&apos;s links.</source>
        <translation>Seulement les liens de ce membre.</translation>
    </message>
    <message>
        <source>Revoke a sign-up link by its key.</source>
        <translation>Révoquer un lien d&apos;inscription par sa clé.</translation>
    </message>
    <message>
        <source>Show your preferences, or set the given ones.</source>
        <translation>Afficher vos préférences, ou régler celles données.</translation>
    </message>
    <message>
        <source>Your time zone.</source>
        <translation>Votre fuseau horaire.</translation>
    </message>
    <message>
        <source>Best times grid: 15, 30 or 60 minutes.</source>
        <translation>Grille des meilleurs créneaux : 15, 30 ou 60 minutes.</translation>
    </message>
    <message>
        <source>Max return on best times.</source>
        <translation>Nombre maximal de meilleurs créneaux.</translation>
    </message>
    <message>
        <source>Disable the window&apos;s confirmation boxes.</source>
        <translation>Désactiver les confirmations de la fenêtre.</translation>
    </message>
    <message>
        <source>Your name.</source>
        <translation>Votre nom.</translation>
    </message>
    <message>
        <source>Your e-mail.</source>
        <translation>Votre e-mail.</translation>
    </message>
    <message>
        <source>Copy a whole roster, keys kept, between a file and a server (either way) into a new roster, in one transaction.</source>
        <translation>Copier un effectif entier, clés comprises, entre un fichier et un serveur (dans un sens ou l&apos;autre) vers un nouvel effectif, en une seule transaction.</translation>
    </message>
    <message>
        <source>The roster copied: a file or a server&apos;s address.</source>
        <translation>L&apos;effectif copié : un fichier ou l&apos;adresse d&apos;un serveur.</translation>
    </message>
    <message>
        <source>The new roster: a file (created) or an empty server database.</source>
        <translation>Le nouvel effectif : un fichier (créé) ou une base de serveur vide.</translation>
    </message>
    <message>
        <source>A zone name (letter case aside) or its number.</source>
        <translation>Un nom de fuseau (sans tenir compte de la casse) ou son numéro.</translation>
    </message>
    <message>
        <source>The link&apos;s key, as links shows it.</source>
        <translation>La clé du lien, telle que links l&apos;affiche.</translation>
    </message>
    <message>
        <source>The change&apos;s key, as member changes shows it.</source>
        <translation>La clé du changement, telle que member changes l&apos;affiche.</translation>
    </message>
    <message>
        <source>The exchange file (.tlx).</source>
        <translation>Le fichier d&apos;échange (.tlx).</translation>
    </message>
    <message>
        <source>The name.</source>
        <translation>Le nom.</translation>
    </message>
    <message>
        <source>Give the %1.</source>
        <translation>Indiquez %1.</translation>
    </message>
    <message>
        <source>member&apos;s NAME or KEY</source>
        <translation>le NOM ou la CLÉ du membre</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Nom réel</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>No Scheduling Information Present</source>
        <translation>Aucun horaire renseigné</translation>
    </message>
    <message>
        <source>Away and one-off changes, on the member&apos;s clock:</source>
        <translation>Absences et changements ponctuels, à l&apos;heure du membre :</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>Ajouté : %1</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>Mis à jour : %1</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Supprimé : %1</translation>
    </message>
    <message>
        <source>Give the first date: --from MM/DD/YYYY.</source>
        <translation>Indiquez la première date : --from MM/DD/YYYY.</translation>
    </message>
    <message>
        <source>Added for %1: %2 (%3)</source>
        <translation>Ajouté pour %1 : %2 (%3)</translation>
    </message>
    <message>
        <source>%1 has no away dates or changes.</source>
        <translation>%1 n&apos;a ni absence ni changement.</translation>
    </message>
    <message>
        <source>%1 has no away dates or changes from today on.</source>
        <translation>%1 n&apos;a ni absence ni changement à partir d&apos;aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>change&apos;s KEY (member changes NAME shows it)</source>
        <translation>la CLÉ du changement (member changes NOM l&apos;affiche)</translation>
    </message>
    <message>
        <source>No change has the key &quot;%1&quot;; tallyhold-cli member changes NAME --all lists a member&apos;s changes with their keys.</source>
        <translation>Aucun changement n&apos;a la clé &quot;%1&quot; ; tallyhold-cli member changes NOM --all liste les changements d&apos;un membre avec leurs clés.</translation>
    </message>
    <message>
        <source>Removed from %1: %2</source>
        <translation>Supprimé pour %1 : %2</translation>
    </message>
    <message>
        <source>division&apos;s NAME or KEY</source>
        <translation>le NOM ou la CLÉ de la division</translation>
    </message>
    <message>
        <source>%1  (GMT offset %2%3%4)</source>
        <translation>%1  (décalage GMT %2%3%4)</translation>
    </message>
    <message>
        <source>, daylight saving</source>
        <translation>, heure d&apos;été</translation>
    </message>
    <message>
        <source>time zone&apos;s NAME or NUMBER</source>
        <translation>le NOM ou le NUMÉRO du fuseau horaire</translation>
    </message>
    <message>
        <source>Maximum Results field must be a number greater than zero</source>
        <translation>Le champ Nombre maximal doit être un nombre supérieur à zéro</translation>
    </message>
    <message numerus="yes">
        <source>None of the %n chosen member(s) can play then.</source>
        <translation>
            <numerusform>Sur %n membre choisi, aucun ne peut jouer à ce moment-là.</numerusform>
            <numerusform>Sur %n membres choisis, aucun ne peut jouer à ce moment-là.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %n chosen member(s) plays at any time.</source>
        <translation>
            <numerusform>Sur %n membre choisi, aucun n&apos;a d&apos;heures de jeu.</numerusform>
            <numerusform>Sur %n membres choisis, aucun n&apos;a d&apos;heures de jeu.</numerusform>
        </translation>
    </message>
    <message>
        <source>No e-mail: </source>
        <translation>Sans e-mail : </translation>
    </message>
    <message>
        <source>FILE to export to</source>
        <translation>le FICHIER d&apos;export</translation>
    </message>
    <message>
        <source>This Export File Already Exists... (--force overwrites it)</source>
        <translation>Ce fichier d&apos;export existe déjà… (--force l&apos;écrase)</translation>
    </message>
    <message>
        <source>Export Completed!</source>
        <translation>Export terminé !</translation>
    </message>
    <message numerus="yes">
        <source>Divisions: %1, members: %n</source>
        <translation>
            <numerusform>Divisions : %1, membre : %n</numerusform>
            <numerusform>Divisions : %1, membres : %n</numerusform>
        </translation>
    </message>
    <message>
        <source>FILE to import</source>
        <translation>le FICHIER à importer</translation>
    </message>
    <message>
        <source>Import Completed!</source>
        <translation>Import terminé !</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Your Time Zone: </source>
        <translation>Votre fuseau horaire : </translation>
    </message>
    <message>
        <source>Best Times Granularity: %1 Min</source>
        <translation>Pas des meilleurs créneaux : %1 min</translation>
    </message>
    <message>
        <source>Max Return on Show Best Times: %1</source>
        <translation>Nombre maximal de meilleurs créneaux : %1</translation>
    </message>
    <message>
        <source>Disable Message Box Verifications: </source>
        <translation>Désactiver les confirmations : </translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nom : %1</translation>
    </message>
    <message>
        <source>EMail: %1</source>
        <translation>E-mail : %1</translation>
    </message>
    <message>
        <source>link&apos;s KEY (tallyhold-cli links shows it)</source>
        <translation>la CLÉ du lien (tallyhold-cli links l&apos;affiche)</translation>
    </message>
    <message>
        <source>Revoked</source>
        <translation>Révoqué</translation>
    </message>
    <message>
        <source>copy needs --from and --to.</source>
        <translation>copy a besoin de --from et --to.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n member(s) to %1</source>
        <translation>
            <numerusform>%n membre copié vers %1</numerusform>
            <numerusform>%n membres copiés vers %1</numerusform>
        </translation>
    </message>
    <message>
        <source>There is a roster file %1 already.</source>
        <translation>Il y a déjà un fichier d&apos;effectif %1.</translation>
    </message>
    <message>
        <source>Made a new roster in %1</source>
        <translation>Nouvel effectif créé dans %1</translation>
    </message>
    <message>
        <source>No match is titled &quot;%1&quot;; matches --past lists them all.</source>
        <translation>Aucun match ne s&apos;intitule &quot;%1&quot; ; matches --past les liste tous.</translation>
    </message>
    <message>
        <source>%1 matches are titled &quot;%2&quot;; give one of their keys:</source>
        <translation>%1 matchs s&apos;intitulent &quot;%2&quot; ; indiquez une de leurs clés :</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Prévu</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>No past matches.</source>
        <translation>Aucun match passé.</translation>
    </message>
    <message>
        <source>No upcoming matches.</source>
        <translation>Aucun match à venir.</translation>
    </message>
    <message>
        <source>Notes: %1</source>
        <translation>Notes : %1</translation>
    </message>
    <message>
        <source>required</source>
        <translation>indispensable</translation>
    </message>
    <message>
        <source>cannot play then</source>
        <translation>ne peut pas jouer à ce moment-là</translation>
    </message>
    <message>
        <source>came</source>
        <translation>venu</translation>
    </message>
    <message>
        <source>did not come</source>
        <translation>pas venu</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>The answer is yes, maybe, late or no.</source>
        <translation>La réponse est yes, maybe, late ou no.</translation>
    </message>
    <message>
        <source>%1 said %2.</source>
        <translation>%1 a dit %2.</translation>
    </message>
    <message>
        <source>Restored</source>
        <translation>Rétabli</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>yes or no</source>
        <translation>yes ou no</translation>
    </message>
    <message>
        <source>Say yes or no: did %1 come?</source>
        <translation>Répondez yes ou no : %1 est-il venu ?</translation>
    </message>
    <message>
        <source> came.</source>
        <translation> est venu.</translation>
    </message>
    <message>
        <source> did not come.</source>
        <translation> n&apos;est pas venu.</translation>
    </message>
    <message>
        <source>Give --all or --member, not both.</source>
        <translation>Indiquez --all ou --member, pas les deux.</translation>
    </message>
    <message>
        <source>Calendar written: </source>
        <translation>Agenda écrit : </translation>
    </message>
    <message>
        <source>%1: invited %2, said yes %3, came %4, said yes but did not come %5</source>
        <translation>%1 : invité %2, a dit oui %3, venu %4, a dit oui mais pas venu %5</translation>
    </message>
    <message>
        <source>No match has been played yet.</source>
        <translation>Aucun match n&apos;a encore été joué.</translation>
    </message>
    <message>
        <source>Make a new, empty roster where --roster (or --user-roster) says; every other command opens an existing roster only.</source>
        <translation>Créer un nouvel effectif vide là où l&apos;indique --roster (ou --user-roster) ; toutes les autres commandes n&apos;ouvrent qu&apos;un effectif existant.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Exit status: 0 done; 1 command refused or bad input (nothing was written); 2 the roster cannot be opened or changed (empty, damaged, in use, read-only, newer) or the database failed (nothing was written). Errors go to stderr.</source>
        <translation>Code de sortie : 0 fait ; 1 commande refusée ou mauvaise saisie (rien n&apos;a été écrit) ; 2 l&apos;effectif ne peut pas être ouvert ou modifié (vide, endommagé, déjà utilisé, en lecture seule, plus récent) ou la base de données a échoué (rien n&apos;a été écrit). Les erreurs vont sur stderr.</translation>
    </message>
    <message>
        <source>Print one JSON document instead of text.</source>
        <translation>Afficher un seul document JSON au lieu du texte.</translation>
    </message>
    <message>
        <source>The Tallyhold roster and match finder from a terminal.

Commands (tallyhold-cli COMMAND --help shows a command&apos;s options):
</source>
        <translation>L&apos;effectif et le chercheur de matchs Tallyhold dans un terminal.

Commandes (tallyhold-cli COMMANDE --help affiche les options d&apos;une commande) :
</translation>
    </message>
    <message>
        <source>slot 1 start</source>
        <translation>créneau 1 début</translation>
    </message>
    <message>
        <source>slot 1 end</source>
        <translation>créneau 1 fin</translation>
    </message>
    <message>
        <source>slot 2 start</source>
        <translation>créneau 2 début</translation>
    </message>
    <message>
        <source>slot 2 end</source>
        <translation>créneau 2 fin</translation>
    </message>
    <message>
        <source> Times may also be typed as 7:30pm, 7pm, 19:30 or 1930.</source>
        <translation> Les heures peuvent aussi s&apos;écrire 7:30pm, 7pm, 19:30 ou 1930.</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>Une des commandes ci-dessus.</translation>
    </message>
    <message>
        <source>COMMAND [options]</source>
        <translation>COMMANDE [options]</translation>
    </message>
    <message>
        <source>Give a command; tallyhold-cli --help lists them.</source>
        <translation>Indiquez une commande ; tallyhold-cli --help les liste.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;; tallyhold-cli --help lists them.</source>
        <translation>Commande inconnue &quot;%1&quot; ; tallyhold-cli --help les liste.</translation>
    </message>
    <message>
        <source> Saturday and Sunday are one day: --weekend.</source>
        <translation> Samedi et dimanche comptent pour un jour : --weekend.</translation>
    </message>
    <message>
        <source> tallyhold-cli %1 --help lists its options.</source>
        <translation> tallyhold-cli %1 --help liste ses options.</translation>
    </message>
    <message>
        <source>Too many arguments for %1: %2 (put a name with blanks in quotes).</source>
        <translation>Trop d&apos;arguments pour %1 : %2 (mettez un nom avec des espaces entre guillemets).</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>avertissement : </translation>
    </message>
    <message>
        <source>--roster needs a file name.</source>
        <translation>--roster a besoin d&apos;un nom de fichier.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The roster file %1 cannot be used: %2

The file has not been changed.</source>
        <translation>Le fichier d&apos;effectif %1 est inutilisable : %2

Le fichier n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>it cannot be read (%1).</source>
        <translation>il est illisible (%1).</translation>
    </message>
    <message>
        <source>it is empty (0 bytes).</source>
        <translation>il est vide (0 octet).</translation>
    </message>
    <message>
        <source>it is an Access-format database, not an SQLite roster.</source>
        <translation>c&apos;est une base de données au format Access, pas un effectif SQLite.</translation>
    </message>
    <message>
        <source>it is not an SQLite database.</source>
        <translation>ce n&apos;est pas une base de données SQLite.</translation>
    </message>
    <message>
        <source>restore a backup such as %1</source>
        <translation>restaurez une sauvegarde, par exemple %1</translation>
    </message>
    <message>
        <source>restore a backup if you keep one (there is none at %1)</source>
        <translation>restaurez une sauvegarde si vous en gardez une (%1 n&apos;existe pas)</translation>
    </message>
    <message>
        <source>it is in use by another program.</source>
        <translation>il est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>it is damaged; %1.</source>
        <translation>il est endommagé ; %1.</translation>
    </message>
    <message>
        <source>a write to it was interrupted and cannot be undone while the file or its folder is read-only.</source>
        <translation>une écriture y a été interrompue et ne peut pas être annulée tant que le fichier ou son dossier est en lecture seule.</translation>
    </message>
    <message>
        <source>it cannot be opened (%1).</source>
        <translation>il ne peut pas être ouvert (%1).</translation>
    </message>
    <message>
        <source>The roster file %1 can be viewed and scheduled but not changed.</source>
        <translation>Le fichier d&apos;effectif %1 permet de consulter et de planifier, mais pas de modifier.</translation>
    </message>
    <message>
        <source>The roster file %1 is damaged. Export what can still be read, then %2. Until then the roster can be viewed and scheduled but not changed.</source>
        <translation>Le fichier d&apos;effectif %1 est endommagé. Exportez ce qui peut encore être lu, puis %2. D&apos;ici là, l&apos;effectif permet de consulter et de planifier, mais pas de modifier.</translation>
    </message>
    <message>
        <source>it is not a Tallyhold roster: %1</source>
        <translation>ce n&apos;est pas un effectif Tallyhold : %1</translation>
    </message>
    <message>
        <source>it could not be brought up to this version of Tallyhold.</source>
        <translation>il n&apos;a pas pu être mis à niveau pour cette version de Tallyhold.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written.</source>
        <translation>La sauvegarde %1 n&apos;a pas pu être écrite.</translation>
    </message>
</context>
<context>
    <name>DivisionStore</name>
    <message>
        <source>This division is no longer in the roster, so nothing was saved. Save again to add it as a new division.</source>
        <translation>Cette division n&apos;est plus dans l&apos;effectif, rien n&apos;a donc été enregistré. Enregistrez à nouveau pour l&apos;ajouter comme nouvelle division.</translation>
    </message>
    <message>
        <source>The following Members are in this Division: 
%1You will need to remove/update these members before this Division can be deleted!</source>
        <translation>Les membres suivants sont dans cette division : 
%1Vous devez retirer ou modifier ces membres avant de pouvoir supprimer cette division !</translation>
    </message>
</context>
<context>
    <name>ExchangeReader</name>
    <message>
        <source>field %1 (%2) is empty.</source>
        <translation>le champ %1 (%2) est vide.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a record key of 32 hexadecimal digits: &quot;%3&quot;.</source>
        <translation>le champ %1 (%2) n&apos;est pas une clé d&apos;enregistrement de 32 chiffres hexadécimaux : &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a whole number from %3 to %4: &quot;%5&quot;.</source>
        <translation>le champ %1 (%2) n&apos;est pas un nombre entier de %3 à %4 : &quot;%5&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a flag (1 or 0): &quot;%3&quot;.</source>
        <translation>le champ %1 (%2) n&apos;est pas un indicateur (1 ou 0) : &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a date YYYY-MM-DD: &quot;%3&quot;.</source>
        <translation>le champ %1 (%2) n&apos;est pas une date AAAA-MM-JJ : &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a time HH:MM: &quot;%3&quot;.</source>
        <translation>le champ %1 (%2) n&apos;est pas une heure HH:MM : &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a time of day: &quot;%3&quot;.</source>
        <translation>le champ %1 (%2) n&apos;est pas une heure de la journée : &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>the %1 is also used on line %2.</source>
        <translation>la ligne %2 utilise déjà %1.</translation>
    </message>
    <message>
        <source>the line is neither a record (1 to %1) nor a &quot;#&quot; line.</source>
        <translation>la ligne n&apos;est ni un enregistrement (1 à %1) ni une ligne &quot;#&quot;.</translation>
    </message>
    <message>
        <source>a record follows the end line %1.</source>
        <translation>un enregistrement suit la ligne de fin %1.</translation>
    </message>
    <message>
        <source>the record tag %1 is not followed by &quot;|&quot;.</source>
        <translation>l&apos;étiquette d&apos;enregistrement %1 n&apos;est pas suivie de &quot;|&quot;.</translation>
    </message>
    <message>
        <source>field %1 is longer than 1,000,000 characters.</source>
        <translation>le champ %1 dépasse 1 000 000 caractères.</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text.</source>
        <translation>la ligne n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>the %1 record has %2 fields; it needs %3.</source>
        <translation>l&apos;enregistrement %1 a %2 champs ; il en faut %3.</translation>
    </message>
    <message>
        <source>field %1 holds a &quot;\&quot; that is not one of \\, \p, \r or \n.</source>
        <translation>le champ %1 contient un &quot;\&quot; qui n&apos;est ni \\, ni \p, ni \r, ni \n.</translation>
    </message>
    <message>
        <source>division key 0x%1</source>
        <translation>la clé de division 0x%1</translation>
    </message>
    <message>
        <source>member key 0x%1</source>
        <translation>la clé de membre 0x%1</translation>
    </message>
    <message>
        <source>field %1 (%2) is empty, but %3 is set.</source>
        <translation>le champ %1 (%2) est vide, alors que l&apos;indicateur %3 vaut 1.</translation>
    </message>
    <message>
        <source>times 0x%1 of %2</source>
        <translation>les horaires 0x%1 (%2)</translation>
    </message>
    <message>
        <source>schedule&apos;s member key 0x%1</source>
        <translation>la clé de membre 0x%1 des horaires</translation>
    </message>
    <message>
        <source>times key 0x%1</source>
        <translation>la clé d&apos;horaires 0x%1</translation>
    </message>
    <message>
        <source>the zone key %1 is also used on line %2 for another zone.</source>
        <translation>la clé de fuseau %1 sert déjà à la ligne %2 pour un autre fuseau.</translation>
    </message>
    <message>
        <source>no zone record before it has the zone key %1.</source>
        <translation>aucun enregistrement de fuseau avant cette ligne n&apos;a la clé de fuseau %1.</translation>
    </message>
    <message>
        <source>field 2 (real time zone) is empty.</source>
        <translation>le champ 2 (real time zone) est vide.</translation>
    </message>
    <message>
        <source>the zone key %1 already has the real time zone %2.</source>
        <translation>la clé de fuseau %1 a déjà le fuseau réel %2.</translation>
    </message>
    <message>
        <source>no member record before it has the member key 0x%1.</source>
        <translation>aucun enregistrement de membre avant cette ligne n&apos;a la clé de membre 0x%1.</translation>
    </message>
    <message>
        <source>field 4 (last date) is before field 3 (first date).</source>
        <translation>le champ 4 (last date) est antérieur au champ 3 (first date).</translation>
    </message>
    <message>
        <source>field 5 (away flag) is empty.</source>
        <translation>le champ 5 (away flag) est vide.</translation>
    </message>
    <message>
        <source>field %1 holds a time, but the member is away (field 5).</source>
        <translation>le champ %1 contient une heure, mais le membre est absent (champ 5).</translation>
    </message>
    <message>
        <source>field %1 (%2) is empty, but field %3 holds a time.</source>
        <translation>le champ %1 (%2) est vide, mais le champ %3 contient une heure.</translation>
    </message>
    <message>
        <source>slot %1 ends when it starts.</source>
        <translation>le créneau %1 finit à l&apos;heure où il commence.</translation>
    </message>
    <message>
        <source>slot 2 is given without slot 1.</source>
        <translation>le créneau 2 est donné sans le créneau 1.</translation>
    </message>
    <message>
        <source>fields 6 and 7 (slot 1) are empty, but the member is not away (field 5).</source>
        <translation>les champs 6 et 7 (créneau 1) sont vides, mais le membre n&apos;est pas absent (champ 5).</translation>
    </message>
    <message>
        <source>field 10 (note) is longer than %1 characters.</source>
        <translation>le champ 10 (note) dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>change key 0x%1</source>
        <translation>la clé de changement 0x%1</translation>
    </message>
    <message>
        <source>the dates overlap the change of the same member on line %1.</source>
        <translation>les dates chevauchent le changement du même membre à la ligne %1.</translation>
    </message>
    <message>
        <source>The file holds no roster records</source>
        <translation>Le fichier ne contient aucun enregistrement d&apos;effectif</translation>
    </message>
    <message>
        <source>the end line counts %1 records; the file holds %2.</source>
        <translation>la ligne de fin compte %1 enregistrements ; le fichier en contient %2.</translation>
    </message>
    <message>
        <source>The Import File cannot be read.</source>
        <translation>Le fichier d&apos;import est illisible.</translation>
    </message>
    <message>
        <source>the header &quot;%1&quot; names no version of the format.</source>
        <translation>l&apos;en-tête &quot;%1&quot; n&apos;indique aucune version du format.</translation>
    </message>
    <message>
        <source>the file was written by a newer version of Tallyhold (&quot;%1&quot;).</source>
        <translation>le fichier a été écrit par une version plus récente de Tallyhold (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>The end line &quot;#end&quot; with the number of records is missing.</source>
        <translation>Il manque la ligne de fin &quot;#end&quot; avec le nombre d&apos;enregistrements.</translation>
    </message>
</context>
<context>
    <name>ExchangeTab</name>
    <message>
        <source>Chose which Clans/Divisions then click Export</source>
        <translation>Choisissez les clans/divisions puis cliquez sur Exporter</translation>
    </message>
    <message>
        <source>Export divisions</source>
        <translation>Divisions à exporter</translation>
    </message>
    <message>
        <source>Click Import</source>
        <translation>Cliquez sur Importer</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>Nom du fichier d&apos;export</translation>
    </message>
    <message>
        <source>Export Function</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>This Export File Already Exists... Overwrite?</source>
        <translation>Ce fichier d&apos;export existe déjà… L&apos;écraser ?</translation>
    </message>
    <message>
        <source>Export Completed!</source>
        <translation>Export terminé !</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>Import File Name</source>
        <translation>Nom du fichier d&apos;import</translation>
    </message>
    <message>
        <source>Import Completed!</source>
        <translation>Import terminé !</translation>
    </message>
    <message>
        <source>Tallyhold Export (*.tlx)|*.tlx</source>
        <translation>Export Tallyhold (*.tlx)|*.tlx</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
</context>
<context>
    <name>ImportFormatError</name>
    <message>
        <source>There is a problem with the format of the Import File!</source>
        <translation>Il y a un problème de format dans le fichier d&apos;import !</translation>
    </message>
    <message>
        <source>The file ends early; it may have been cut off while copying</source>
        <translation>Le fichier s&apos;arrête trop tôt ; il a peut-être été tronqué lors d&apos;une copie</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
</context>
<context>
    <name>InvitationStore</name>
    <message>
        <source>Active until %1</source>
        <translation>Valable jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>Expired %1</source>
        <translation>Expiré le %1</translation>
    </message>
    <message>
        <source>Revoked %1</source>
        <translation>Révoqué le %1</translation>
    </message>
    <message>
        <source>%1, last saved %2</source>
        <translation>%1, dernier enregistrement le %2</translation>
    </message>
    <message>
        <source>A sign-up link lasts 1 to %1 days.</source>
        <translation>Un lien d&apos;inscription dure de 1 à %1 jours.</translation>
    </message>
    <message>
        <source>That member is no longer in the roster.</source>
        <translation>Ce membre n&apos;est plus dans l&apos;effectif.</translation>
    </message>
    <message>
        <source>That sign-up link is no longer in the roster.</source>
        <translation>Ce lien d&apos;inscription n&apos;est plus dans l&apos;effectif.</translation>
    </message>
</context>
<context>
    <name>ListFill</name>
    <message>
        <source>Hidden: its members are left out of the member lists</source>
        <translation>Masqué : ses membres ne figurent pas dans les listes de membres</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>maybe</source>
        <translation>peut-être</translation>
    </message>
    <message>
        <source>late</source>
        <translation>en retard</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
</context>
<context>
    <name>MatchAnnouncement</name>
    <message>
        <source>No time zone (GMT)</source>
        <translation>Sans fuseau horaire (GMT)</translation>
    </message>
    <message>
        <source>Can play the whole match: %1</source>
        <translation>Peuvent jouer tout le match : %1</translation>
    </message>
    <message>
        <source>Cannot play the whole match: %1</source>
        <translation>Ne peuvent pas jouer tout le match : %1</translation>
    </message>
</context>
<context>
    <name>MatchCalendar</name>
    <message>
        <source>The match calendar is not valid.</source>
        <translation>L&apos;agenda des matchs n&apos;est pas valide.</translation>
    </message>
</context>
<context>
    <name>MatchFields</name>
    <message>
        <source>&quot;%1&quot; is not a valid time.</source>
        <translation>&quot;%1&quot; n&apos;est pas une heure valide.</translation>
    </message>
</context>
<context>
    <name>MatchInvitation</name>
    <message>
        <source>The calendar invitation is not valid.</source>
        <translation>L&apos;invitation d&apos;agenda n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The invitation could not be saved to %1.</source>
        <translation>L&apos;invitation n&apos;a pas pu être enregistrée dans %1.</translation>
    </message>
</context>
<context>
    <name>MatchPlan</name>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440, or empty (or 1) for a single moment.</source>
        <translation>La durée du match doit être un nombre entier de minutes de 15 à 1440, ou vide (ou 1) pour un seul instant.</translation>
    </message>
    <message>
        <source>Minimum players must be a whole number from 1 to 32767, or empty for 1.</source>
        <translation>Le champ Joueurs minimum doit être un nombre entier de 1 à 32767, ou vide pour 1.</translation>
    </message>
</context>
<context>
    <name>MatchesTab</name>
    <message>
        <source>Show past matches</source>
        <translation>Afficher les matchs passés</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Matchs</translation>
    </message>
    <message>
        <source>Upcoming matches, earliest first, with their answers counted</source>
        <translation>Matchs à venir, le plus proche en premier, avec le décompte des réponses</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>When and answers</source>
        <translation>Quand et réponses</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Edit Match…</source>
        <translation>Modifier le match…</translation>
    </message>
    <message>
        <source>Change the time, players, title or notes; a new time asks everyone again</source>
        <translation>Changer l&apos;heure, les joueurs, le titre ou les notes ; une nouvelle heure redemande à tout le monde</translation>
    </message>
    <message>
        <source>Cancel Match</source>
        <translation>Annuler le match</translation>
    </message>
    <message>
        <source>Mark the match cancelled in every calendar; it can be restored</source>
        <translation>Marquer le match comme annulé dans tous les agendas ; il peut être rétabli</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete Match</source>
        <translation>Supprimer le match</translation>
    </message>
    <message>
        <source>Remove the match with its answers and attendance</source>
        <translation>Supprimer le match avec ses réponses et sa présence</translation>
    </message>
    <message>
        <source>Reminder…</source>
        <translation>Relance…</translation>
    </message>
    <message>
        <source>A message for those who have not answered</source>
        <translation>Un message pour ceux qui n&apos;ont pas répondu</translation>
    </message>
    <message>
        <source>Attendance…</source>
        <translation>Présence…</translation>
    </message>
    <message>
        <source>Once the match has started: tick who came</source>
        <translation>Une fois le match commencé : cochez qui est venu</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Their week</source>
        <translation>Sa semaine</translation>
    </message>
    <message>
        <source>Came</source>
        <translation>Venu</translation>
    </message>
    <message>
        <source>The answer the highlighted player gave you</source>
        <translation>La réponse que le joueur sélectionné vous a donnée</translation>
    </message>
    <message>
        <source>Set Answer</source>
        <translation>Enregistrer la réponse</translation>
    </message>
    <message>
        <source>Answer for the highlighted player, as they told you</source>
        <translation>Réponse du joueur sélectionné, telle qu&apos;il vous l&apos;a donnée</translation>
    </message>
    <message>
        <source>Attendance history</source>
        <translation>Historique de présence</translation>
    </message>
    <message>
        <source>Last matches counted</source>
        <translation>Derniers matchs comptés</translation>
    </message>
    <message>
        <source>Matches that started and were not cancelled, latest first</source>
        <translation>Matchs commencés et non annulés, le plus récent en premier</translation>
    </message>
    <message>
        <source>Per member over the last matches; click a heading to sort</source>
        <translation>Par membre sur les derniers matchs ; cliquez sur un en-tête pour trier</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Membre</translation>
    </message>
    <message>
        <source>Invited</source>
        <translation>Invité</translation>
    </message>
    <message>
        <source>Said
yes</source>
        <translation>A dit
oui</translation>
    </message>
    <message>
        <source>Said yes but
did not come</source>
        <translation>A dit oui mais
n&apos;est pas venu</translation>
    </message>
    <message>
        <source>Highlighted player&apos;s answer</source>
        <translation>Réponse du joueur</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Derniers</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>matchs</translation>
    </message>
    <message>
        <source>No past matches</source>
        <translation>Aucun match passé</translation>
    </message>
    <message>
        <source>Past matches, latest first</source>
        <translation>Matchs passés, le plus récent en premier</translation>
    </message>
    <message>
        <source>No matches planned yet: choose members on Scheduling and press Plan Match…</source>
        <translation>Aucun match prévu : choisissez des membres dans Planification et cliquez sur Prévoir un match…</translation>
    </message>
    <message>
        <source>Restore Match</source>
        <translation>Rétablir le match</translation>
    </message>
    <message>
        <source>Highlight a match to see its players.</source>
        <translation>Sélectionnez un match pour voir ses joueurs.</translation>
    </message>
    <message>
        <source>Players of %1</source>
        <translation>Joueurs de %1</translation>
    </message>
    <message>
        <source>%1 minutes, at least %2 must say yes; planned on %3&apos;s clock</source>
        <translation>%1 minutes, au moins %2 doivent dire oui ; prévu à l&apos;heure de %3</translation>
    </message>
    <message>
        <source>⚠ cannot play</source>
        <translation>⚠ ne peut pas</translation>
    </message>
    <message>
        <source>%1&apos;s week or away dates say they cannot play all of this match</source>
        <translation>D&apos;après sa semaine ou ses absences, %1 ne peut pas jouer tout le match</translation>
    </message>
    <message>
        <source>can play</source>
        <translation>peut jouer</translation>
    </message>
    <message>
        <source>Delete the match &quot;%1&quot; of %2 with its answers and attendance?</source>
        <translation>Supprimer le match « %1 » du %2 avec ses réponses et sa présence ?</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Erreur de sélection</translation>
    </message>
    <message>
        <source>You must first highlight a player!</source>
        <translation>Sélectionnez d&apos;abord un joueur !</translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Annulé. %1</translation>
    </message>
    <message>
        <source>Started: answers are closed, attendance can be taken. %1</source>
        <translation>Commencé : les réponses sont closes, la présence peut être notée. %1</translation>
    </message>
    <message>
        <source>%1 (required)</source>
        <translation>%1 (indispensable)</translation>
    </message>
</context>
<context>
    <name>MemberChange</name>
    <message>
        <source>Away %1</source>
        <translation>Absent %1</translation>
    </message>
</context>
<context>
    <name>MemberChangeStore</name>
    <message>
        <source>&quot;%1&quot; is not a date (MM/DD/YYYY).</source>
        <translation>&quot;%1&quot; n&apos;est pas une date (MM/JJ/AAAA).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day (HH:MM AM/PM or 24-hour HH:MM).</source>
        <translation>&quot;%1&quot; n&apos;est pas une heure de la journée (HH:MM AM/PM ou HH:MM sur 24 heures).</translation>
    </message>
    <message>
        <source>The first date must be filled!</source>
        <translation>La première date doit être renseignée !</translation>
    </message>
    <message>
        <source>The last date must be filled!</source>
        <translation>La dernière date doit être renseignée !</translation>
    </message>
    <message>
        <source>The last date must not be before the first.</source>
        <translation>La dernière date ne doit pas précéder la première.</translation>
    </message>
    <message>
        <source>Slot %1 needs both a start and an end.</source>
        <translation>Le créneau %1 a besoin d&apos;un début et d&apos;une fin.</translation>
    </message>
    <message>
        <source>Ending time must be greater than starting time!</source>
        <translation>L&apos;heure de fin doit être après l&apos;heure de début !</translation>
    </message>
    <message>
        <source>Type the times played on those dates, or choose Away.</source>
        <translation>Indiquer les heures jouées ces jours-là, ou choisir Absent.</translation>
    </message>
    <message>
        <source>The note may hold at most %1 characters.</source>
        <translation>La note peut contenir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>That change was removed in the meantime; nothing was saved.</source>
        <translation>Ce changement a été retiré entre-temps ; rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>These dates overlap another change: %1.</source>
        <translation>Ces dates chevauchent un autre changement : %1.</translation>
    </message>
    <message>
        <source>That change was removed in the meantime.</source>
        <translation>Ce changement a été retiré entre-temps.</translation>
    </message>
</context>
<context>
    <name>MemberFormCheck</name>
    <message>
        <source>You must enter in a Player Name!</source>
        <translation>Le pseudo doit être renseigné !</translation>
    </message>
    <message>
        <source>You must place member in a Division!</source>
        <translation>Le membre doit être placé dans une division !</translation>
    </message>
    <message>
        <source>For proper scheduling, you must put in the member&apos;s Time Zone!</source>
        <translation>Pour bien planifier, le fuseau horaire du membre doit être renseigné !</translation>
    </message>
    <message>
        <source>You must have the first Time Slots filled if this day is checked!</source>
        <translation>Le premier créneau doit être rempli si ce jour est coché !</translation>
    </message>
    <message>
        <source>This field must be in a valid time format!  HH:MM AM/PM</source>
        <translation>Ce champ doit contenir une heure valide !  HH:MM</translation>
    </message>
    <message>
        <source>Ending time must be greater than starting time!</source>
        <translation>L&apos;heure de fin doit être après l&apos;heure de début !</translation>
    </message>
    <message>
        <source>You must fill in both times of the second Time Slot, or leave both empty!</source>
        <translation>Les deux heures du second créneau doivent être remplies, ou les deux laissées vides !</translation>
    </message>
</context>
<context>
    <name>MemberFormTab</name>
    <message>
        <source>Player Name</source>
        <translation>Pseudo</translation>
    </message>
    <message>
        <source>Clan / Division</source>
        <translation>Clan / Division</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Actual First Name</source>
        <translation>Prénom réel</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Default EMail</source>
        <translation>E-mail principal</translation>
    </message>
    <message>
        <source>Secondary Email</source>
        <translation>E-mail secondaire</translation>
    </message>
    <message>
        <source>Other Contact Info</source>
        <translation>Autre contact</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Member Notes</source>
        <translation>Notes sur le membre</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Vider les champs</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Away / Changes…</source>
        <translation>Absences / Changements…</translation>
    </message>
    <message>
        <source>Playing Schedules</source>
        <translation>Horaires de jeu</translation>
    </message>
    <message>
        <source>Zone of the times</source>
        <translation>Fuseau des horaires</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Joue</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Save the member first: dates away and one-off changes belong to a member in the roster. To enter them for a member, choose Edit Member on Members Info.</source>
        <translation>Enregistrez d&apos;abord le membre : les absences et changements ponctuels appartiennent à un membre de l&apos;effectif. Pour les saisir, choisissez Modifier le membre dans Infos membres.</translation>
    </message>
    <message>
        <source>Dates the member is away, or plays other times than the week below</source>
        <translation>Dates où le membre est absent ou joue à d&apos;autres heures que la semaine ci-dessous</translation>
    </message>
    <message>
        <source>Times Not Saved</source>
        <translation>Horaires non enregistrés</translation>
    </message>
    <message>
        <source>The times typed for %1 are not saved while the day&apos;s Plays box is not ticked. Save without them?</source>
        <translation>Les horaires saisis pour %1 ne sont pas enregistrés tant que la case Joue du jour n&apos;est pas cochée. Enregistrer sans eux ?</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Samedi / Dimanche</translation>
    </message>
    <message>
        <source>%1 slot 1 start</source>
        <translation>%1 créneau 1 début</translation>
    </message>
    <message>
        <source>%1 slot 1 end</source>
        <translation>%1 créneau 1 fin</translation>
    </message>
    <message>
        <source>%1 slot 2 start</source>
        <translation>%1 créneau 2 début</translation>
    </message>
    <message>
        <source>%1 slot 2 end</source>
        <translation>%1 créneau 2 fin</translation>
    </message>
    <message>
        <source>Update %1?</source>
        <translation>Mettre à jour %1 ?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>Ajouter %1 ?</translation>
    </message>
    <message>
        <source>Playing Schedules - Note:  All times are %1</source>
        <translation>Horaires de jeu – Remarque : toutes les heures sont en %1</translation>
    </message>
    <message>
        <source>Times in %1</source>
        <translation>Heures en %1</translation>
    </message>
</context>
<context>
    <name>MemberReads</name>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactif</translation>
    </message>
</context>
<context>
    <name>MemberSchedule</name>
    <message>
        <source>The stored slot time &quot;%1&quot; cannot be read.</source>
        <translation>L&apos;heure de créneau enregistrée &quot;%1&quot; est illisible.</translation>
    </message>
</context>
<context>
    <name>MemberWrites</name>
    <message>
        <source>Make sure that the new Member&apos;s Division is set right, then try to Save again.</source>
        <translation>Vérifiez que la division du nouveau membre est correcte, puis réessayez d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Make sure that the new Member&apos;s Time Zone is set right, then try to Save again.</source>
        <translation>Vérifiez que le fuseau horaire du nouveau membre est correct, puis réessayez d&apos;enregistrer.</translation>
    </message>
</context>
<context>
    <name>MembersInfoTab</name>
    <message>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
    <message>
        <source>Single Click to view / Double Click to Edit</source>
        <translation>Clic pour voir / double-clic pour modifier</translation>
    </message>
    <message>
        <source>Edit Member</source>
        <translation>Modifier le membre</translation>
    </message>
    <message>
        <source>Delete Member</source>
        <translation>Supprimer le membre</translation>
    </message>
    <message>
        <source>Sign-up Links…</source>
        <translation>Liens d&apos;inscription…</translation>
    </message>
    <message>
        <source>Private links with which members keep their own week</source>
        <translation>Liens privés avec lesquels les membres tiennent leur semaine à jour</translation>
    </message>
    <message>
        <source>Member Info (read only)</source>
        <translation>Infos membre (lecture seule)</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Nom réel</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Mis à jour</translation>
    </message>
    <message>
        <source>When the member last saved their own week through a sign-up link</source>
        <translation>Quand le membre a enregistré sa semaine pour la dernière fois via un lien d&apos;inscription</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Matchs</translation>
    </message>
    <message>
        <source>Availability this week</source>
        <translation>Disponibilité cette semaine</translation>
    </message>
    <message>
        <source>Place mouse over days to display times</source>
        <translation>Survolez les jours pour voir les horaires</translation>
    </message>
    <message>
        <source>Zone of the times</source>
        <translation>Fuseau des horaires</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Sat/Sun</source>
        <translation>Sam/Dim</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Samedi / Dimanche</translation>
    </message>
    <message>
        <source>No Scheduling Information Present</source>
        <translation>Aucun horaire renseigné</translation>
    </message>
    <message>
        <source>Away and one-off changes, on the member&apos;s clock</source>
        <translation>Absences et changements ponctuels, à l&apos;heure du membre</translation>
    </message>
    <message>
        <source>Set on Add / Edit Members with Away / Changes…</source>
        <translation>À saisir dans Ajouter / Modifier des membres avec Absences / Changements…</translation>
    </message>
    <message>
        <source>Away and one-off changes</source>
        <translation>Absences et changements ponctuels</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Erreur de sélection</translation>
    </message>
    <message>
        <source>You must first highlight a Member!</source>
        <translation>Sélectionnez d&apos;abord un membre !</translation>
    </message>
    <message>
        <source>Last %1 matches: invited %2 · said yes %3 · came %4 · said yes but did not come %5</source>
        <translation>%1 derniers matchs : invité %2 · a dit oui %3 · venu %4 · a dit oui mais n&apos;est pas venu %5</translation>
    </message>
    <message>
        <source>by the member, %1</source>
        <translation>par le membre, %1</translation>
    </message>
    <message>
        <source>Times in %1</source>
        <translation>Heures en %1</translation>
    </message>
    <message numerus="yes">
        <source>Not invited to any of the last %n matches</source>
        <translation>
            <numerusform>Pas invité au dernier match</numerusform>
            <numerusform>Invité à aucun des %n derniers matchs</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Supprimer %1 ?</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Erreur de base de données</translation>
    </message>
    <message>
        <source>Database Access Error</source>
        <translation>Erreur d&apos;accès à la base de données</translation>
    </message>
    <message>
        <source>Roster Not Opened</source>
        <translation>Effectif non ouvert</translation>
    </message>
    <message>
        <source>Roster In Use</source>
        <translation>Effectif déjà utilisé</translation>
    </message>
    <message>
        <source>Roster Damaged</source>
        <translation>Effectif endommagé</translation>
    </message>
    <message>
        <source>Read-Only Roster</source>
        <translation>Effectif en lecture seule</translation>
    </message>
    <message>
        <source>Recoverable Error</source>
        <translation>Erreur récupérable</translation>
    </message>
    <message>
        <source>Record Key Error</source>
        <translation>Erreur de clé d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Time Zone Error</source>
        <translation>Erreur de fuseau horaire</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Erreur de sélection</translation>
    </message>
    <message>
        <source>Save/Update Error</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Data Format Error</source>
        <translation>Erreur de format</translation>
    </message>
    <message>
        <source>Clan Division Not Found</source>
        <translation>Division introuvable</translation>
    </message>
    <message>
        <source>Time Zone Not Found</source>
        <translation>Fuseau horaire introuvable</translation>
    </message>
    <message>
        <source>Schedule Process Error</source>
        <translation>Erreur de planification</translation>
    </message>
    <message>
        <source>Deletion Criteria Not Met</source>
        <translation>Suppression impossible</translation>
    </message>
    <message>
        <source>Import Aborted</source>
        <translation>Import interrompu</translation>
    </message>
    <message>
        <source>Export Function</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>File Not Saved</source>
        <translation>Fichier non enregistré</translation>
    </message>
    <message>
        <source>Changed by Another Officer</source>
        <translation>Modifié par un autre officier</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Connexion perdue</translation>
    </message>
</context>
<context>
    <name>RecordKey</name>
    <message>
        <source>No new record key could be made.</source>
        <translation>Aucune nouvelle clé d&apos;enregistrement n&apos;a pu être créée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a record key: a key is 32 hexadecimal digits.</source>
        <translation>&quot;%1&quot; n&apos;est pas une clé d&apos;enregistrement : une clé compte 32 chiffres hexadécimaux.</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>%1 was changed by another officer since you loaded %2; reload to see the change</source>
        <translation>Un autre officier a modifié %1 depuis son chargement ; rechargez pour voir la modification</translation>
    </message>
    <message>
        <source>Make sure that the new Member&apos;s Time Zone is set right, then try to Save again.</source>
        <translation>Vérifiez que le fuseau horaire du nouveau membre est correct, puis réessayez d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>Maximum Results field must be a number greater than zero</source>
        <translation>Le champ Nombre maximal doit être un nombre supérieur à zéro</translation>
    </message>
    <message>
        <source>Apply DST: yes</source>
        <translation>Appliquer l&apos;heure d&apos;été : oui</translation>
    </message>
    <message>
        <source>Apply DST: no</source>
        <translation>Appliquer l&apos;heure d&apos;été : non</translation>
    </message>
    <message>
        <source>follows %1: daylight saving today</source>
        <translation>suit %1 : heure d&apos;été aujourd&apos;hui</translation>
    </message>
    <message>
        <source>follows %1: no daylight saving today</source>
        <translation>suit %1 : pas d&apos;heure d&apos;été aujourd&apos;hui</translation>
    </message>
</context>
<context>
    <name>RosterCopy</name>
    <message>
        <source>The roster %1 already holds rows of its own; a roster is copied only into a new one. Nothing was copied.</source>
        <translation>L&apos;effectif %1 contient déjà ses propres lignes ; un effectif ne se copie que vers un nouvel effectif. Rien n&apos;a été copié.</translation>
    </message>
</context>
<context>
    <name>RosterDivisionsZones</name>
    <message>
        <source>Critical dB Programming Error!</source>
        <translation>Erreur critique de programmation de la base !</translation>
    </message>
    <message>
        <source>You must enter a Division Name</source>
        <translation>Vous devez saisir un nom de division</translation>
    </message>
    <message>
        <source>%1 is your own time zone, set in Options. Choose another time zone there before deleting this one.</source>
        <translation>%1 est votre propre fuseau horaire, réglé dans Options. Choisissez-y un autre fuseau horaire avant de supprimer celui-ci.</translation>
    </message>
</context>
<context>
    <name>RosterError</name>
    <message>
        <source>The roster database reported an error:
%1</source>
        <translation>La base de données de l&apos;effectif a signalé une erreur :
%1</translation>
    </message>
    <message>
        <source>Unrecoverable Data Error.  Number %1</source>
        <translation>Erreur de données irrécupérable.  Numéro %1</translation>
    </message>
</context>
<context>
    <name>RosterExchange</name>
    <message>
        <source>You must make selection(s) from the list first!</source>
        <translation>Faites d&apos;abord une sélection dans la liste !</translation>
    </message>
</context>
<context>
    <name>RosterExport</name>
    <message>
        <source>Critical dB Programming Error!</source>
        <translation>Erreur critique de programmation de la base !</translation>
    </message>
    <message>
        <source>The Times row %1 holds &quot;%2&quot;, which is not a time.</source>
        <translation>La ligne Times %1 contient &quot;%2&quot;, qui n&apos;est pas une heure.</translation>
    </message>
    <message>
        <source>The division 0x%1 is not in the roster.</source>
        <translation>La division 0x%1 n&apos;est pas dans l&apos;effectif.</translation>
    </message>
    <message>
        <source>The Times row 0x%1 of player %2 is not in the roster.</source>
        <translation>La ligne Times 0x%1 du joueur %2 n&apos;est pas dans l&apos;effectif.</translation>
    </message>
    <message>
        <source>The time zone %1 of player %2 is not in the roster.</source>
        <translation>Le fuseau horaire %1 du joueur %2 n&apos;est pas dans l&apos;effectif.</translation>
    </message>
    <message>
        <source>The Export File could not be written.</source>
        <translation>Le fichier d&apos;export n&apos;a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>Changes need a login with the right to add, change and delete the roster&apos;s rows.</source>
        <translation>Les modifications demandent un identifiant autorisé à ajouter, modifier et supprimer les lignes de l&apos;effectif.</translation>
    </message>
    <message>
        <source>The roster file %1 is open in another Tallyhold window.</source>
        <translation>Le fichier d&apos;effectif %1 est ouvert dans une autre fenêtre de Tallyhold.</translation>
    </message>
    <message>
        <source>The file or its folder is read-only.</source>
        <translation>Le fichier ou son dossier est en lecture seule.</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>the member&apos;s division 0x%1 is neither in the file nor in this roster.</source>
        <translation>la division 0x%1 du membre n&apos;est ni dans le fichier ni dans cet effectif.</translation>
    </message>
    <message>
        <source>the schedule&apos;s member 0x%1 is neither in the file nor in this roster.</source>
        <translation>le membre 0x%1 des horaires n&apos;est ni dans le fichier ni dans cet effectif.</translation>
    </message>
    <message>
        <source>the times 0x%1 are neither in the file nor in this roster.</source>
        <translation>les horaires 0x%1 ne sont ni dans le fichier ni dans cet effectif.</translation>
    </message>
    <message>
        <source>the times 0x%1 belong to a schedule of this roster.</source>
        <translation>les horaires 0x%1 sont déjà ceux d&apos;un membre de cet effectif.</translation>
    </message>
    <message>
        <source>the change 0x%1 belongs to another member of this roster.</source>
        <translation>le changement 0x%1 appartient à un autre membre de cet effectif.</translation>
    </message>
    <message>
        <source>Divisions added: %1, already present: %2
Members added: %3, already present: %4
Time zones added: %5, matched to existing zones: %6</source>
        <translation>Divisions ajoutées : %1, déjà présentes : %2
Membres ajoutés : %3, déjà présents : %4
Fuseaux horaires ajoutés : %5, rattachés à des fuseaux existants : %6</translation>
    </message>
    <message>
        <source>
The file was written by an older version of Tallyhold and could not be checked for completeness.</source>
        <translation>
Le fichier a été écrit par une version plus ancienne de Tallyhold et son intégralité n&apos;a pas pu être vérifiée.</translation>
    </message>
    <message>
        <source>
Lines skipped because they hold no record: %1</source>
        <translation>
Lignes ignorées car sans enregistrement : %1</translation>
    </message>
    <message>
        <source>
The roster as it was before the import is saved in %1</source>
        <translation>
L&apos;effectif tel qu&apos;il était avant l&apos;import est sauvegardé dans %1</translation>
    </message>
</context>
<context>
    <name>RosterInvitations</name>
    <message>
        <source>This link is no longer valid</source>
        <translation>Ce lien n&apos;est plus valide</translation>
    </message>
</context>
<context>
    <name>RosterLocation</name>
    <message>
        <source>The roster file (default: ClanRoster.mdb here), or a shared roster&apos;s address postgresql://user@host[:port]/dbname.</source>
        <translation>Le fichier d&apos;effectif (par défaut : ClanRoster.mdb ici), ou l&apos;adresse d&apos;un effectif partagé postgresql://user@host[:port]/dbname.</translation>
    </message>
    <message>
        <source>Use ClanRoster.mdb in your data directory (%1), as the menu entry does.</source>
        <translation>Utiliser ClanRoster.mdb dans votre dossier de données (%1), comme le fait l&apos;entrée du menu.</translation>
    </message>
    <message>
        <source>There is no roster file %1; tallyhold-cli %2 init makes a new one.</source>
        <translation>Il n&apos;y a pas de fichier d&apos;effectif %1 ; tallyhold-cli %2 init en crée un nouveau.</translation>
    </message>
</context>
<context>
    <name>RosterMatches</name>
    <message>
        <source>That match was deleted in the meantime.</source>
        <translation>Ce match a été supprimé entre-temps.</translation>
    </message>
    <message>
        <source>That member is not invited to &quot;%1&quot;.</source>
        <translation>Ce membre n&apos;est pas invité à &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Give the match&apos;s date and time.</source>
        <translation>Indiquez la date et l&apos;heure du match.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date and time.</source>
        <translation>&quot;%1&quot; n&apos;est pas une date et une heure valides.</translation>
    </message>
    <message>
        <source>%1 does not happen on your clock: it is skipped when the clocks go forward.</source>
        <translation>%1 n&apos;existe pas à votre heure : cette heure est sautée quand on avance les horloges.</translation>
    </message>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440.</source>
        <translation>La durée du match doit être un nombre entier de minutes de 15 à 1440.</translation>
    </message>
    <message>
        <source>The title may hold at most %1 characters.</source>
        <translation>Le titre peut contenir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>The notes may hold at most %1 characters.</source>
        <translation>Les notes peuvent contenir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Choisissez des membres dans la liste !</translation>
    </message>
    <message>
        <source>Minimum players must be a whole number from 1 on.</source>
        <translation>Le champ Joueurs minimum doit être un nombre entier à partir de 1.</translation>
    </message>
    <message>
        <source>The minimum of %1 players is more than the %2 invited.</source>
        <translation>Le minimum de %1 joueurs dépasse les %2 invités.</translation>
    </message>
    <message>
        <source>%1 yes</source>
        <translation>%1 oui</translation>
    </message>
    <message>
        <source>%1 maybe</source>
        <translation>%1 peut-être</translation>
    </message>
    <message>
        <source>%1 late</source>
        <translation>%1 en retard</translation>
    </message>
    <message>
        <source>%1 no</source>
        <translation>%1 non</translation>
    </message>
    <message>
        <source>%1 no answer</source>
        <translation>%1 sans réponse</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>minimum %1 not met</source>
        <translation>minimum %1 non atteint</translation>
    </message>
    <message>
        <source>%1 required not in</source>
        <translation>indispensables manquants : %1</translation>
    </message>
    <message>
        <source>The note may hold at most %1 characters.</source>
        <translation>La note peut contenir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was cancelled; it cannot be answered.</source>
        <translation>&quot;%1&quot; a été annulé ; on ne peut plus y répondre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has started; it cannot be answered any more.</source>
        <translation>&quot;%1&quot; a commencé ; on ne peut plus y répondre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was cancelled; there is no attendance to take.</source>
        <translation>&quot;%1&quot; a été annulé ; il n&apos;y a pas de présence à noter.</translation>
    </message>
    <message>
        <source>Attendance can be taken once &quot;%1&quot; has started.</source>
        <translation>La présence peut être notée une fois que &quot;%1&quot; a commencé.</translation>
    </message>
    <message>
        <source>Everyone has answered for %1 &lt;t:%2:F&gt;.</source>
        <translation>Tout le monde a répondu pour %1 &lt;t:%2:F&gt;.</translation>
    </message>
    <message>
        <source>%1 &lt;t:%2:F&gt; (&lt;t:%2:R&gt;): %3, please answer yes, maybe, late or no.</source>
        <translation>%1 &lt;t:%2:F&gt; (&lt;t:%2:R&gt;) : %3, merci de répondre oui, peut-être, en retard ou non.</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Relance : %1</translation>
    </message>
    <message>
        <source>%1 starts %2 (%3 minutes).<byte value="xd"/>
Please answer yes, maybe, late or no.</source>
        <translation>%1 : début %2 (%3 minutes).<byte value="xd"/>
Merci de répondre oui, peut-être, en retard ou non.</translation>
    </message>
    <message>
        <source>The calendar could not be saved to %1.</source>
        <translation>L&apos;agenda n&apos;a pas pu être enregistré dans %1.</translation>
    </message>
    <message>
        <source>Count at least one match.</source>
        <translation>Il faut compter au moins un match.</translation>
    </message>
</context>
<context>
    <name>RosterMembers</name>
    <message>
        <source>That change was removed in the meantime.</source>
        <translation>Ce changement a été retiré entre-temps.</translation>
    </message>
</context>
<context>
    <name>RosterScheduling</name>
    <message>
        <source>Match Date must be filled!</source>
        <translation>La date du match doit être renseignée !</translation>
    </message>
    <message>
        <source>Match Time must be filled!</source>
        <translation>L&apos;heure du match doit être renseignée !</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Choisissez des membres dans la liste !</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date (MM/DD/YYYY).</source>
        <translation>&quot;%1&quot; n&apos;est pas une date (MM/JJ/AAAA).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date and time.</source>
        <translation>&quot;%1&quot; n&apos;est pas une date et une heure valides.</translation>
    </message>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440.</source>
        <translation>La durée du match doit être un nombre entier de minutes de 15 à 1440.</translation>
    </message>
</context>
<context>
    <name>RosterSchema</name>
    <message>
        <source>it was written by a newer version of Tallyhold (roster version %1; this version reads rosters up to version %2).</source>
        <translation>il a été écrit par une version plus récente de Tallyhold (version d&apos;effectif %1 ; cette version lit les effectifs jusqu&apos;à la version %2).</translation>
    </message>
    <message>
        <source>it has no table %1.</source>
        <translation>il n&apos;a pas de table %1.</translation>
    </message>
    <message>
        <source>its table %1 has no column %2.</source>
        <translation>sa table %1 n&apos;a pas de colonne %2.</translation>
    </message>
</context>
<context>
    <name>RosterServer</name>
    <message>
        <source>The shared roster %1 cannot be used: %2

Nothing has been changed.</source>
        <translation>L&apos;effectif partagé %1 est inutilisable : %2

Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Your login may view and schedule the shared roster %1 but may not change it.</source>
        <translation>Votre identifiant permet de consulter l&apos;effectif partagé %1 et de planifier, mais pas de le modifier.</translation>
    </message>
    <message>
        <source>The connection to the shared roster %1 was lost; nothing of the last command was saved. Try it again once the server can be reached.</source>
        <translation>La connexion à l&apos;effectif partagé %1 a été perdue ; rien de la dernière commande n&apos;a été enregistré. Réessayez dès que le serveur est joignable.</translation>
    </message>
    <message>
        <source>the address does not name a database (postgresql://user@host/dbname).</source>
        <translation>l&apos;adresse n&apos;indique aucune base de données (postgresql://user@host/dbname).</translation>
    </message>
    <message>
        <source>the address holds a password. Keep it in ~/.pgpass or PGPASSWORD instead, so it is never stored with the address.</source>
        <translation>l&apos;adresse contient un mot de passe. Gardez-le plutôt dans ~/.pgpass ou PGPASSWORD, pour qu&apos;il ne soit jamais enregistré avec l&apos;adresse.</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (Debian package libqt6sql6-psql).</source>
        <translation>le pilote PostgreSQL de Qt n&apos;est pas installé (paquet Debian libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The shared roster %1 needs the login&apos;s password.</source>
        <translation>L&apos;effectif partagé %1 demande le mot de passe de l&apos;identifiant.</translation>
    </message>
    <message>
        <source>the server cannot be reached or refused the login.</source>
        <translation>le serveur est injoignable ou a refusé la connexion.</translation>
    </message>
    <message>
        <source>the database holds no roster yet.</source>
        <translation>la base de données ne contient pas encore d&apos;effectif.</translation>
    </message>
    <message>
        <source>the database holds no roster, and one could not be made in it.</source>
        <translation>la base de données ne contient pas d&apos;effectif, et aucun n&apos;a pu y être créé.</translation>
    </message>
    <message>
        <source>the database is not a Tallyhold roster: %1</source>
        <translation>la base de données n&apos;est pas un effectif Tallyhold : %1</translation>
    </message>
    <message>
        <source>it could not be brought up to this version of Tallyhold.</source>
        <translation>il n&apos;a pas pu être mis à niveau pour cette version de Tallyhold.</translation>
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
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message numerus="yes">
        <source>%n member(s) - %1 - %2</source>
        <translation>
            <numerusform>%n membre - %1 - %2</numerusform>
            <numerusform>%n membres - %1 - %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - %2 min</source>
        <translation>%1 - %2 min</translation>
    </message>
    <message>
        <source>Time zones not found: %1</source>
        <translation>Fuseaux horaires introuvables : %1</translation>
    </message>
</context>
<context>
    <name>SchedulingTab</name>
    <message>
        <source>Select Member(s)</source>
        <translation>Choisir les membres</translation>
    </message>
    <message>
        <source>Who can make the match</source>
        <translation>Qui peut être au match</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Show Available</source>
        <translation>Voir les disponibles</translation>
    </message>
    <message>
        <source>Available members</source>
        <translation>Membres disponibles</translation>
    </message>
    <message>
        <source>Best Times for Matches</source>
        <translation>Meilleurs créneaux pour les matchs</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Semaine du</translation>
    </message>
    <message>
        <source>Best times and the week count the seven days from this date, clock changes included</source>
        <translation>Les meilleurs créneaux et la semaine comptent les sept jours à partir de cette date, changements d&apos;heure compris</translation>
    </message>
    <message>
        <source>Show Best Times</source>
        <translation>Voir les meilleurs créneaux</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Meilleurs créneaux</translation>
    </message>
    <message>
        <source>Double click on a time and show who!</source>
        <translation>Double-cliquez sur une heure pour voir qui !</translation>
    </message>
    <message>
        <source>Announce…</source>
        <translation>Annoncer…</translation>
    </message>
    <message>
        <source>Tell the chosen members when the match is, each in their own time</source>
        <translation>Dire aux membres choisis quand a lieu le match, chacun dans son heure</translation>
    </message>
    <message>
        <source>Plan Match…</source>
        <translation>Prévoir un match…</translation>
    </message>
    <message>
        <source>Invite the chosen members to a match at this time and collect their answers on the Matches tab</source>
        <translation>Inviter les membres choisis à un match à cette heure et recueillir leurs réponses dans l&apos;onglet Matchs</translation>
    </message>
    <message>
        <source>Match plan</source>
        <translation>Plan du match</translation>
    </message>
    <message>
        <source>Match length</source>
        <translation>Durée du match</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440; empty or 1 for a single moment</source>
        <translation>Minutes, de 15 à 1440 ; vide ou 1 pour un seul instant</translation>
    </message>
    <message>
        <source>Minimum players</source>
        <translation>Joueurs minimum</translation>
    </message>
    <message>
        <source>How many must be able to play at least</source>
        <translation>Combien doivent au moins pouvoir jouer</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Indispensable</translation>
    </message>
    <message>
        <source>Mark or unmark the highlighted members as required</source>
        <translation>Marquer ou non les membres sélectionnés comme indispensables</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Nobody required</source>
        <translation>Personne n&apos;est indispensable</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Choisissez des membres dans la liste !</translation>
    </message>
    <message>
        <source>Select members to see their week.</source>
        <translation>Choisissez des membres pour voir leur semaine.</translation>
    </message>
    <message>
        <source>Required: %1</source>
        <translation>Indispensables : %1</translation>
    </message>
</context>
<context>
    <name>SignupPage</name>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Vendredi</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Samedi / Dimanche</translation>
    </message>
    <message>
        <source>slot 1 start</source>
        <translation>créneau 1 début</translation>
    </message>
    <message>
        <source>slot 1 end</source>
        <translation>créneau 1 fin</translation>
    </message>
    <message>
        <source>slot 2 start</source>
        <translation>créneau 2 début</translation>
    </message>
    <message>
        <source>slot 2 end</source>
        <translation>créneau 2 fin</translation>
    </message>
    <message>
        <source>Away dates and one-off changes</source>
        <translation>Absences et changements ponctuels</translation>
    </message>
    <message>
        <source>Dates you cannot play, or play other times than your week, in your own time zone. Add keeps each at once; Save above keeps only your week.</source>
        <translation>Les dates où tu ne peux pas jouer, ou où tu joues à d&apos;autres heures que ta semaine, dans ton propre fuseau horaire. Ajouter enregistre chacune tout de suite ; Enregistrer plus haut n&apos;enregistre que ta semaine.</translation>
    </message>
    <message>
        <source>Added.</source>
        <translation>Ajouté.</translation>
    </message>
    <message>
        <source>Removed.</source>
        <translation>Supprimé.</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Aucun.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Add a change</source>
        <translation>Ajouter un changement</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Première date</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Dernière date</translation>
    </message>
    <message>
        <source>Leave the last date empty for one day.</source>
        <translation>Laisse la dernière date vide pour un seul jour.</translation>
    </message>
    <message>
        <source>On those dates</source>
        <translation>Ces jours-là</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>These times instead</source>
        <translation>Ces heures à la place</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>and from</source>
        <translation>et de</translation>
    </message>
    <message>
        <source>Instead %1</source>
        <translation>À la place, %1</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>holiday, exams</source>
        <translation>vacances, examens</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation>Peut-être</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>En retard</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n said yes</source>
        <translation>
            <numerusform>Oui : %1 sur %n</numerusform>
            <numerusform>Oui : %1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>This match was cancelled. It can no longer be answered.</source>
        <translation>Ce match a été annulé. On ne peut plus y répondre.</translation>
    </message>
    <message>
        <source>This match has started. It can no longer be answered.</source>
        <translation>Ce match a commencé. On ne peut plus y répondre.</translation>
    </message>
    <message>
        <source>You have not answered yet.</source>
        <translation>Tu n&apos;as pas encore répondu.</translation>
    </message>
    <message>
        <source>Your answer: %1</source>
        <translation>Ta réponse : %1</translation>
    </message>
    <message>
        <source>Answer saved.</source>
        <translation>Réponse enregistrée.</translation>
    </message>
    <message>
        <source>Note for the leader (optional; sent with the answer you pick)</source>
        <translation>Note pour le chef (facultatif ; envoyée avec la réponse que tu choisis)</translation>
    </message>
    <message>
        <source>Answer for %1</source>
        <translation>Réponse pour %1</translation>
    </message>
    <message>
        <source>Your matches</source>
        <translation>Tes matchs</translation>
    </message>
    <message>
        <source>Times in your time zone (%1).</source>
        <translation>Heures dans ton fuseau horaire (%1).</translation>
    </message>
    <message>
        <source>Times in the leader&apos;s time zone (%1) until you choose yours above.</source>
        <translation>Heures dans le fuseau horaire du chef (%1) tant que tu n&apos;as pas choisi le tien plus haut.</translation>
    </message>
    <message>
        <source>No matches planned for you.</source>
        <translation>Aucun match prévu pour toi.</translation>
    </message>
    <message>
        <source>In your calendar</source>
        <translation>Dans ton agenda</translation>
    </message>
    <message>
        <source>Subscribe once and your calendar app keeps your matches and their changes. Like this page&apos;s link, the address is yours alone.</source>
        <translation>Abonne-toi une fois et ton appli d&apos;agenda garde tes matchs et leurs changements. Comme le lien de cette page, l&apos;adresse n&apos;est qu&apos;à toi.</translation>
    </message>
    <message>
        <source>Subscribe to your matches</source>
        <translation>Abonne-toi à tes matchs</translation>
    </message>
    <message>
        <source>Or add this address to your calendar (Google Calendar: Other calendars, From URL)</source>
        <translation>Ou ajoute cette adresse à ton agenda (Google Agenda : Autres agendas, À partir de l&apos;URL)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Your week - Tallyhold</source>
        <translation>Ta semaine - Tallyhold</translation>
    </message>
    <message>
        <source>Your week</source>
        <translation>Ta semaine</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Pseudo</translation>
    </message>
    <message>
        <source>Clan / Division</source>
        <translation>Clan / Division</translation>
    </message>
    <message>
        <source>A match waits for your answer</source>
        <translation>Un match attend ta réponse</translation>
    </message>
    <message numerus="yes">
        <source>%n matches wait for your answer</source>
        <translation>
            <numerusform>%n match attend ta réponse</numerusform>
            <numerusform>%n matchs attendent ta réponse</numerusform>
        </translation>
    </message>
    <message>
        <source>Your matches (%1)</source>
        <translation>Tes matchs (%1)</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Enregistré.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Type or pick the times in your own time zone. Each day takes one or two times you can play; leave the second empty if you need only one.</source>
        <translation>Saisis ou choisis les heures dans ton propre fuseau horaire. Chaque jour prend un ou deux créneaux où tu peux jouer ; laisse le second vide si un seul te suffit.</translation>
    </message>
    <message>
        <source>Saved, in the leader&apos;s time (%1): %2</source>
        <translation>Enregistré, à l&apos;heure du chef (%1) : %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Last saved by you: %1 GMT</source>
        <translation>Dernier enregistrement par toi : %1 GMT</translation>
    </message>
</context>
<context>
    <name>SignupServer</name>
    <message>
        <source>Too many tries</source>
        <translation>Trop d&apos;essais</translation>
    </message>
    <message>
        <source>Wait a few minutes, then open your link again.</source>
        <translation>Attends quelques minutes, puis rouvre ton lien.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Too large</source>
        <translation>Trop volumineux</translation>
    </message>
    <message>
        <source>Not understood</source>
        <translation>Incompris</translation>
    </message>
    <message>
        <source>Open the link you were given.</source>
        <translation>Ouvre le lien qu&apos;on t&apos;a donné.</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>The roster cannot be reached just now. Nothing was changed; try again later.</source>
        <translation>L&apos;effectif est injoignable pour le moment. Rien n&apos;a été modifié ; réessaie plus tard.</translation>
    </message>
    <message>
        <source>This link is no longer valid</source>
        <translation>Ce lien n&apos;est plus valide</translation>
    </message>
    <message>
        <source>Ask your clan leader for a new link.</source>
        <translation>Demande un nouveau lien au chef de ton clan.</translation>
    </message>
    <message>
        <source>This page is out of date. Open your link again and save again.</source>
        <translation>Cette page n&apos;est plus à jour. Rouvre ton lien et enregistre à nouveau.</translation>
    </message>
</context>
<context>
    <name>TimeEntryField</name>
    <message>
        <source>Data Format Error</source>
        <translation>Erreur de format</translation>
    </message>
    <message>
        <source>This field must be in a valid date format!  MM/DD/YYYY</source>
        <translation>Ce champ doit contenir une date valide !  MM/JJ/AAAA</translation>
    </message>
    <message>
        <source>This field must be in a valid time format!  HH:MM AM/PM</source>
        <translation>Ce champ doit contenir une heure valide !  HH:MM</translation>
    </message>
</context>
<context>
    <name>WeekAvailability</name>
    <message>
        <source>No time suits all required players</source>
        <translation>Aucun créneau ne convient à tous les joueurs indispensables</translation>
    </message>
    <message>
        <source>No time suits all required players for %1 minutes</source>
        <translation>Aucun créneau de %1 minutes ne convient à tous les joueurs indispensables</translation>
    </message>
    <message>
        <source>No time suits any player</source>
        <translation>Aucun créneau ne convient au moindre joueur</translation>
    </message>
    <message>
        <source>No time suits any player for %1 minutes</source>
        <translation>Aucun créneau de %1 minutes ne convient au moindre joueur</translation>
    </message>
    <message>
        <source>No time suits at least %1 players</source>
        <translation>Aucun créneau ne convient à au moins %1 joueurs</translation>
    </message>
    <message>
        <source>No time suits at least %1 players for %2 minutes</source>
        <translation>Aucun créneau de %2 minutes ne convient à au moins %1 joueurs</translation>
    </message>
    <message>
        <source>No time suits all required and at least %1 players</source>
        <translation>Aucun créneau ne convient à tous les indispensables et à au moins %1 joueurs</translation>
    </message>
    <message>
        <source>No time suits all required and at least %1 players for %2 minutes</source>
        <translation>Aucun créneau de %2 minutes ne convient à tous les indispensables et à au moins %1 joueurs</translation>
    </message>
    <message>
        <source>Your clock skips that time that day: the clocks go forward</source>
        <translation>Votre horloge saute cette heure ce jour-là : on avance l&apos;heure</translation>
    </message>
    <message>
        <source>Not all required players can play from then</source>
        <translation>Les joueurs indispensables ne peuvent pas tous jouer à partir de cette heure</translation>
    </message>
    <message>
        <source>Not all required players can play for %1 minutes from then</source>
        <translation>Les joueurs indispensables ne peuvent pas tous jouer %1 minutes à partir de cette heure</translation>
    </message>
    <message>
        <source>Fewer than %1 players can play from then</source>
        <translation>Moins de %1 joueurs peuvent jouer à partir de cette heure</translation>
    </message>
    <message>
        <source>Fewer than %1 players can play for %2 minutes from then</source>
        <translation>Moins de %1 joueurs peuvent jouer %2 minutes à partir de cette heure</translation>
    </message>
</context>
<context>
    <name>WeekHeatmap</name>
    <message>
        <source>Week heatmap</source>
        <translation>Carte de la semaine</translation>
    </message>
    <message>
        <source>Click a time and show who!</source>
        <translation>Cliquez sur une heure pour voir qui !</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>plan not met</source>
        <translation>plan non atteint</translation>
    </message>
    <message>
        <source>Select members to see their week.</source>
        <translation>Choisissez des membres pour voir leur semaine.</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 joueur</translation>
    </message>
    <message>
        <source>%1 %2: %3 of %4</source>
        <translation>%1 %2 : %3 sur %4</translation>
    </message>
    <message>
        <source>, plan not met</source>
        <translation>, plan non atteint</translation>
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
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message numerus="yes">
        <source>%n players</source>
        <translation>
            <numerusform>%n joueur</numerusform>
            <numerusform>%n joueurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Darker: more of the %n players can play. Click a time to see who.</source>
        <translation>
            <numerusform>Plus foncé : plus de joueurs parmi les %n peuvent jouer. Cliquez sur une heure pour voir qui.</numerusform>
            <numerusform>Plus foncé : plus de joueurs parmi les %n peuvent jouer. Cliquez sur une heure pour voir qui.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> et %n autre</numerusform>
            <numerusform> et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ZoneStore</name>
    <message>
        <source>The time zone was not added.</source>
        <translation>Le fuseau horaire n&apos;a pas été ajouté.</translation>
    </message>
    <message>
        <source>The file&apos;s time zone %1 could not be added, so nothing was imported.</source>
        <translation>Le fuseau horaire %1 du fichier n&apos;a pas pu être ajouté, donc rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>No zone key is left: the greatest zone key is already %1. %2</source>
        <translation>Il ne reste aucune clé de fuseau : la plus grande vaut déjà %1. %2</translation>
    </message>
    <message>
        <source>The following Members are located in this Time Zone: 
%1You will need to remove/update these members before this Time Zone can be deleted!</source>
        <translation>Les membres suivants sont dans ce fuseau horaire : 
%1Vous devez retirer ou modifier ces membres avant de pouvoir supprimer ce fuseau horaire !</translation>
    </message>
    <message>
        <source>Time Zone Name must be non blank!</source>
        <translation>Le nom du fuseau ne doit pas être vide !</translation>
    </message>
    <message>
        <source>%1 is not a real time zone known to this computer (such as America/New_York).</source>
        <translation>%1 n&apos;est pas un fuseau réel connu de cet ordinateur (comme America/New_York).</translation>
    </message>
    <message>
        <source>GMT Offset must be numeric!</source>
        <translation>Le décalage GMT doit être numérique !</translation>
    </message>
</context>
<context>
    <name>cTimeFuncs</name>
    <message>
        <source>The time zone %1 has no usable GMT offset (&quot;%2&quot;).</source>
        <translation>Le fuseau horaire %1 n&apos;a pas de décalage GMT utilisable (&quot;%2&quot;).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid time.</source>
        <translation>&quot;%1&quot; n&apos;est pas une heure valide.</translation>
    </message>
</context>
<context>
    <name>frmAnnounce</name>
    <message>
        <source>Announce Match</source>
        <translation>Annoncer le match</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440</source>
        <translation>Minutes, de 15 à 1440</translation>
    </message>
    <message>
        <source>Announcement</source>
        <translation>Annonce</translation>
    </message>
    <message>
        <source>Edit the text before copying or sending it</source>
        <translation>Retouchez le texte avant de le copier ou de l&apos;envoyer</translation>
    </message>
    <message>
        <source>Copy text</source>
        <translation>Copier le texte</translation>
    </message>
    <message>
        <source>Copy Discord line</source>
        <translation>Copier la ligne Discord</translation>
    </message>
    <message>
        <source>Discord shows the start in each reader&apos;s own time</source>
        <translation>Discord affiche le début dans l&apos;heure de chaque lecteur</translation>
    </message>
    <message>
        <source>Save invitation…</source>
        <translation>Enregistrer l&apos;invitation…</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>A message to those who can play, in your mail program</source>
        <translation>Un message à ceux qui peuvent jouer, dans votre messagerie</translation>
    </message>
    <message>
        <source>Length (minutes)</source>
        <translation>Durée (minutes)</translation>
    </message>
    <message>
        <source>Save Invitation</source>
        <translation>Enregistrer l&apos;invitation</translation>
    </message>
    <message>
        <source>Calendar invitation (*.ics)|*.ics</source>
        <translation>Invitation d&apos;agenda (*.ics)|*.ics</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>None of the members who can play has an e-mail address.</source>
        <translation>Aucun des membres qui peuvent jouer n&apos;a d&apos;adresse e-mail.</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Aucune messagerie n&apos;a pu être ouverte pour le message.</translation>
    </message>
    <message>
        <source>No e-mail (left out of the invitation): %1</source>
        <translation>Sans e-mail (hors de l&apos;invitation) : %1</translation>
    </message>
</context>
<context>
    <name>frmAttendance</name>
    <message>
        <source>Attendance: %1</source>
        <translation>Présence : %1</translation>
    </message>
    <message>
        <source>Who came</source>
        <translation>Qui est venu</translation>
    </message>
    <message>
        <source>Tick everyone who played; Space ticks the highlighted player</source>
        <translation>Cochez tous ceux qui ont joué ; Espace coche le joueur sélectionné</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>said %1</source>
        <translation>a dit %1</translation>
    </message>
</context>
<context>
    <name>frmMemberChanges</name>
    <message>
        <source>Dates and times are on %1&apos;s own clock.</source>
        <translation>Dates et heures à l&apos;heure de %1.</translation>
    </message>
    <message>
        <source>Dates and times are on %1&apos;s own clock (%2).</source>
        <translation>Dates et heures à l&apos;heure de %1 (%2).</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Changements</translation>
    </message>
    <message>
        <source>Dates away and days played at other times than the week; double click to edit</source>
        <translation>Absences et jours joués à d&apos;autres heures que d&apos;habitude ; double-clic pour modifier</translation>
    </message>
    <message>
        <source>Show past changes</source>
        <translation>Afficher les changements passés</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add change</source>
        <translation>Ajouter un changement</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit change</source>
        <translation>Modifier le changement</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove change</source>
        <translation>Retirer le changement</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Première date</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/JJ/AAAA</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Dernière date</translation>
    </message>
    <message>
        <source>MM/DD/YYYY; empty for the first date alone</source>
        <translation>MM/JJ/AAAA ; vide pour la première date seule</translation>
    </message>
    <message>
        <source>same day</source>
        <translation>même jour</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Absent</translation>
    </message>
    <message>
        <source>Not listed on these dates at any time</source>
        <translation>N&apos;apparaît à aucune heure ces jours-là</translation>
    </message>
    <message>
        <source>These times instead</source>
        <translation>Ces horaires à la place</translation>
    </message>
    <message>
        <source>Plays these times on each of the dates instead of the week&apos;s</source>
        <translation>Joue à ces heures chacun de ces jours au lieu de celles de la semaine</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Why, in a few words: holiday, exams</source>
        <translation>Pourquoi, en quelques mots : vacances, examens</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save change</source>
        <translation>Enregistrer le changement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel change</source>
        <translation>Abandonner le changement</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>No changes: %1 plays the week as it stands. Add one for dates away or played otherwise.</source>
        <translation>Aucun changement : %1 joue la semaine telle quelle. Ajoutez-en un pour une absence ou d&apos;autres horaires.</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Erreur de sélection</translation>
    </message>
    <message>
        <source>You must first highlight a change!</source>
        <translation>Sélectionnez d&apos;abord un changement !</translation>
    </message>
    <message>
        <source>New change</source>
        <translation>Nouveau changement</translation>
    </message>
    <message>
        <source>Change (choose Add or Edit)</source>
        <translation>Changement (choisissez Ajouter ou Modifier)</translation>
    </message>
    <message>
        <source>Away / Changes - %1</source>
        <translation>Absences / Changements – %1</translation>
    </message>
    <message>
        <source>Slot 1 start</source>
        <translation>Créneau 1 début</translation>
    </message>
    <message>
        <source>Slot 1 end</source>
        <translation>Créneau 1 fin</translation>
    </message>
    <message>
        <source>Slot 2 start</source>
        <translation>Créneau 2 début</translation>
    </message>
    <message>
        <source>Slot 2 end</source>
        <translation>Créneau 2 fin</translation>
    </message>
    <message>
        <source>Edit change of %1</source>
        <translation>Modifier le changement du %1</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Retirer %1 ?</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Best Times Granularity</source>
        <translation>Pas des meilleurs créneaux</translation>
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
        <translation>Désactiver les confirmations</translation>
    </message>
    <message>
        <source>Max Return on Show Best Times</source>
        <translation>Nombre maximal de meilleurs créneaux</translation>
    </message>
    <message>
        <source>Your Information</source>
        <translation>Vos informations</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>EMail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Your Time Zone</source>
        <translation>Votre fuseau horaire</translation>
    </message>
    <message>
        <source>Apply DST</source>
        <translation>Appliquer l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <source>Restore Settings</source>
        <translation>Rétablir les réglages</translation>
    </message>
    <message>
        <source>Cancel / Exit</source>
        <translation>Annuler / Fermer</translation>
    </message>
    <message>
        <source>Your zone&apos;s real time zone is on daylight saving time today</source>
        <translation>Le fuseau réel de votre zone est à l&apos;heure d&apos;été aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Your zone&apos;s real time zone is on standard time today</source>
        <translation>Le fuseau réel de votre zone est à l&apos;heure d&apos;hiver aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Selon la langue</translation>
    </message>
    <message>
        <source>12-hour (8:00 PM)</source>
        <translation>12 heures (8:00 PM)</translation>
    </message>
    <message>
        <source>24-hour (20:00)</source>
        <translation>24 heures (20:00)</translation>
    </message>
    <message>
        <source>Language and clock change at the next start of Tallyhold.</source>
        <translation>La langue et l’horloge changent au prochain démarrage de Tallyhold.</translation>
    </message>
</context>
<context>
    <name>frmPlanMatch</name>
    <message>
        <source>Plan Match</source>
        <translation>Prévoir un match</translation>
    </message>
    <message>
        <source>Edit Match</source>
        <translation>Modifier le match</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>on your clock (%1)</source>
        <translation>à votre heure (%1)</translation>
    </message>
    <message>
        <source>Length (minutes)</source>
        <translation>Durée (minutes)</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440</source>
        <translation>Minutes, de 15 à 1440</translation>
    </message>
    <message>
        <source>Minimum players</source>
        <translation>Joueurs minimum</translation>
    </message>
    <message>
        <source>How many must say yes for the match to go ahead</source>
        <translation>Combien doivent dire oui pour que le match ait lieu</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Tick who is invited and who must play; Space ticks the highlighted box</source>
        <translation>Cochez qui est invité et qui doit jouer ; Espace coche la case sélectionnée</translation>
    </message>
    <message>
        <source>Invited players</source>
        <translation>Joueurs invités</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Indispensable</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Shown with the match in every player&apos;s calendar</source>
        <translation>Affiché avec le match dans l&apos;agenda de chaque joueur</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>%1 invited, %2 required</source>
        <translation>%1 invités, %2 indispensables</translation>
    </message>
    <message>
        <source>Moving the match or changing its length sets every answer back to no answer; the players are asked again. Save it?</source>
        <translation>Déplacer le match ou changer sa durée efface toutes les réponses ; les joueurs sont redemandés. Enregistrer ?</translation>
    </message>
    <message>
        <source>Required: %1</source>
        <translation>Indispensables : %1</translation>
    </message>
</context>
<context>
    <name>frmReminder</name>
    <message>
        <source>Reminder: %1</source>
        <translation>Relance : %1</translation>
    </message>
    <message>
        <source>Everyone has answered.</source>
        <translation>Tout le monde a répondu.</translation>
    </message>
    <message>
        <source>Discord message</source>
        <translation>Message Discord</translation>
    </message>
    <message>
        <source>Discord shows the start in each reader&apos;s own time</source>
        <translation>Discord affiche le début dans l&apos;heure de chaque lecteur</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy Discord message</source>
        <translation>Copier le message Discord</translation>
    </message>
    <message>
        <source>E-mail link</source>
        <translation>Lien e-mail</translation>
    </message>
    <message>
        <source>A mailto link to those who have not answered</source>
        <translation>Un lien mailto vers ceux qui n&apos;ont pas répondu</translation>
    </message>
    <message>
        <source>Copy e-mail link</source>
        <translation>Copier le lien e-mail</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>The reminder in your mail program</source>
        <translation>La relance dans votre messagerie</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Aucune messagerie n&apos;a pu être ouverte pour le message.</translation>
    </message>
    <message>
        <source>Not answered yet: %1</source>
        <translation>Pas encore répondu : %1</translation>
    </message>
    <message>
        <source>No e-mail (left out of the link): %1</source>
        <translation>Sans e-mail (hors du lien) : %1</translation>
    </message>
</context>
<context>
    <name>frmSignupLinks</name>
    <message>
        <source>Server Address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>Where members reach tallyhold-web, such as https://roster.example.org</source>
        <translation>Où les membres joignent tallyhold-web, par exemple https://roster.example.org</translation>
    </message>
    <message>
        <source>Make Link</source>
        <translation>Créer un lien</translation>
    </message>
    <message>
        <source>A new private link for this member, valid for 60 days</source>
        <translation>Un nouveau lien privé pour ce membre, valable 60 jours</translation>
    </message>
    <message>
        <source>New Link</source>
        <translation>Nouveau lien</translation>
    </message>
    <message>
        <source>Shown once: the roster keeps only a hash of it</source>
        <translation>Affiché une seule fois : l&apos;effectif n&apos;en garde qu&apos;une empreinte</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>A message with the link, in your mail program</source>
        <translation>Un message avec le lien, dans votre messagerie</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <source>The member can no longer use the selected link</source>
        <translation>Le membre ne peut plus utiliser le lien sélectionné</translation>
    </message>
    <message>
        <source>Links to this address open only on this computer. Give the address at which members reach tallyhold-web.</source>
        <translation>Les liens vers cette adresse ne s&apos;ouvrent que sur cet ordinateur. Indiquez l&apos;adresse où les membres joignent tallyhold-web.</translation>
    </message>
    <message>
        <source>Links to this address open only on your local network, not for members elsewhere.</source>
        <translation>Les liens vers cette adresse ne s&apos;ouvrent que sur votre réseau local, pas pour les membres ailleurs.</translation>
    </message>
    <message>
        <source>Server Address note</source>
        <translation>Remarque sur l&apos;adresse du serveur</translation>
    </message>
    <message>
        <source>Made %1 - %2</source>
        <translation>Créé le %1 – %2</translation>
    </message>
    <message>
        <source>Your week for the clan</source>
        <translation>Ta semaine pour le clan</translation>
    </message>
    <message>
        <source>Hi %1,

Please set the times you can play on your own page (keep the link to yourself):
%2
</source>
        <translation>Salut %1,

Indique sur ta page les heures où tu peux jouer (garde le lien pour toi) :
%2
</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Aucune messagerie n&apos;a pu être ouverte pour le message.</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Erreur de sélection</translation>
    </message>
    <message>
        <source>You must first highlight a link!</source>
        <translation>Sélectionnez d&apos;abord un lien !</translation>
    </message>
    <message>
        <source>Revoke this link? %1 can no longer use it.</source>
        <translation>Révoquer ce lien ? %1 ne pourra plus l’utiliser.</translation>
    </message>
    <message>
        <source>Sign-up Links - %1</source>
        <translation>Liens d&apos;inscription – %1</translation>
    </message>
</context>
<context>
    <name>frmTZEdit</name>
    <message>
        <source>Time Zone Edits</source>
        <translation>Modifier les fuseaux horaires</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>Fuseaux horaires</translation>
    </message>
    <message>
        <source>TZ Name</source>
        <translation>Nom du fuseau</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>Décalage GMT</translation>
    </message>
    <message>
        <source>Minutes to add to the local time to get GMT, such as 300 for Eastern or -60 for Central Europe</source>
        <translation>Minutes à ajouter à l&apos;heure locale pour obtenir GMT, par exemple 300 pour Eastern ou -60 pour l&apos;Europe centrale</translation>
    </message>
    <message>
        <source>Apply Daylight Savings Time</source>
        <translation>Appliquer l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Real Time Zone</source>
        <translation>Fuseau réel</translation>
    </message>
    <message>
        <source>Where the zone&apos;s clock is, so daylight saving follows the date; type to search</source>
        <translation>Où se trouve l&apos;horloge de la zone, pour que l&apos;heure d&apos;été suive la date ; tapez pour chercher</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>New Time Zone</source>
        <translation>Nouveau fuseau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Erreur de sélection</translation>
    </message>
    <message>
        <source>You must first highlight a Time Zone!</source>
        <translation>Sélectionnez d&apos;abord un fuseau horaire !</translation>
    </message>
    <message>
        <source>%1 has no summer time: its clock never changes.</source>
        <translation>%1 n&apos;a pas d&apos;heure d&apos;été : son horloge ne change jamais.</translation>
    </message>
    <message>
        <source> Members in Britain or Ireland need a zone with Europe/London or Europe/Dublin: type London above.</source>
        <translation> Les membres au Royaume-Uni ou en Irlande ont besoin d’une zone avec Europe/London ou Europe/Dublin : tapez London ci-dessus.</translation>
    </message>
    <message>
        <source>Real Time Zone note</source>
        <translation>Remarque sur le fuseau réel</translation>
    </message>
    <message>
        <source>Update %1?</source>
        <translation>Mettre à jour %1 ?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>Ajouter %1 ?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Supprimer %1 ?</translation>
    </message>
</context>
<context>
    <name>frmTallyhold</name>
    <message>
        <source>Tallyhold tabs</source>
        <translation>Onglets de Tallyhold</translation>
    </message>
    <message>
        <source>Members Info</source>
        <translation>Infos membres</translation>
    </message>
    <message>
        <source>Add / Edit Members</source>
        <translation>Ajouter / Modifier des membres</translation>
    </message>
    <message>
        <source>Clans / Divisions</source>
        <translation>Clans / Divisions</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>Planification</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Matchs</translation>
    </message>
    <message>
        <source>Export / Import</source>
        <translation>Export / Import</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Shared Roster…</source>
        <translation>Ouvrir un effectif &amp;partagé…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Time &amp;Zone Edits</source>
        <translation>&amp;Fuseaux horaires</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Tallyhold &amp;Help</source>
        <translation>&amp;Aide de Tallyhold</translation>
    </message>
    <message>
        <source>&amp;About Tallyhold</source>
        <translation>À &amp;propos de Tallyhold</translation>
    </message>
    <message>
        <source>No clans yet: add one on Clans / Divisions, then add members on Add / Edit Members. Your own time zone, in which times are shown, is set in Tools › Options.</source>
        <translation>Aucun clan pour l&apos;instant : ajoutez-en un dans Clans / Divisions, puis des membres dans Ajouter / Modifier des membres. Votre propre fuseau horaire, dans lequel les heures s&apos;affichent, se règle dans Outils › Options.</translation>
    </message>
    <message>
        <source>No members listed yet: add them on Add / Edit Members (members of hidden clans are not listed)</source>
        <translation>Aucun membre pour l&apos;instant : ajoutez-les dans Ajouter / Modifier des membres (les membres des clans masqués n&apos;apparaissent pas)</translation>
    </message>
    <message>
        <source>No clans to export yet: add one on Clans / Divisions</source>
        <translation>Aucun clan à exporter : ajoutez-en un dans Clans / Divisions</translation>
    </message>
    <message>
        <source>Open Shared Roster</source>
        <translation>Ouvrir un effectif partagé</translation>
    </message>
    <message>
        <source>Address of the shared roster (postgresql://user@host[:port]/dbname).
The password comes from ~/.pgpass or PGPASSWORD, or is asked for.</source>
        <translation>Adresse de l&apos;effectif partagé (postgresql://utilisateur@hôte[:port]/base).
Le mot de passe vient de ~/.pgpass ou de PGPASSWORD, sinon il est demandé.</translation>
    </message>
    <message>
        <source>A shared roster&apos;s address starts with postgresql://</source>
        <translation>L&apos;adresse d&apos;un effectif partagé commence par postgresql://</translation>
    </message>
    <message>
        <source>About Tallyhold</source>
        <translation>À propos de Tallyhold</translation>
    </message>
    <message>
        <source>Nobody to choose from. %1</source>
        <translation>Personne à choisir. %1</translation>
    </message>
    <message>
        <source>Tallyhold %1

Keeps a clan&apos;s roster and finds when to play.

Licence: GNU General Public License, version 3 or later

Roster: %2

Languages: %3</source>
        <translation>Tallyhold %1

Tient l&apos;effectif d&apos;un clan et trouve quand jouer.

Licence : GNU General Public License, version 3 ou ultérieure

Effectif : %2

Langues : %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Roster In Use</source>
        <translation>Effectif déjà utilisé</translation>
    </message>
</context>
</TS>
