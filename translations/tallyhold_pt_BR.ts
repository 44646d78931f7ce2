<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ClansTab</name>
    <message>
        <source>Clan Name</source>
        <translation>Nome do clã</translation>
    </message>
    <message>
        <source>Clans / Divisions</source>
        <translation>Clãs / Divisões</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Hide Members from Lists</source>
        <translation>Ocultar membros das listas</translation>
    </message>
    <message>
        <source>New Clan</source>
        <translation>Novo clã</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Limpar campos</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Erro de seleção</translation>
    </message>
    <message>
        <source>You must first highlight a division!</source>
        <translation>Selecione uma divisão primeiro!</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>Adicionar %1?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Excluir %1?</translation>
    </message>
</context>
<context>
    <name>CliCommands</name>
    <message>
        <source>New player name.</source>
        <translation>Novo nome do jogador.</translation>
    </message>
    <message>
        <source>Clan / division, by name or key.</source>
        <translation>Clã / divisão, pelo nome ou chave.</translation>
    </message>
    <message>
        <source>The member&apos;s time zone, by name.</source>
        <translation>O fuso horário do membro, pelo nome.</translation>
    </message>
    <message>
        <source>Active member (a new one is).</source>
        <translation>Membro ativo (um novo já é).</translation>
    </message>
    <message>
        <source>Actual first name.</source>
        <translation>Primeiro nome real.</translation>
    </message>
    <message>
        <source>Last name.</source>
        <translation>Sobrenome.</translation>
    </message>
    <message>
        <source>Default e-mail.</source>
        <translation>E-mail principal.</translation>
    </message>
    <message>
        <source>Secondary e-mail.</source>
        <translation>E-mail secundário.</translation>
    </message>
    <message>
        <source>Other contact info.</source>
        <translation>Outros contatos.</translation>
    </message>
    <message>
        <source>Member notes.</source>
        <translation>Notas sobre o membro.</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta-feira</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Sábado / Domingo</translation>
    </message>
    <message>
        <source>%1: one or two slots in the member&apos;s zone, such as 19:00-23:00,01:00-02:00; off to clear the day.</source>
        <translation>%1: um ou dois horários no fuso do membro, como 19:00-23:00,01:00-02:00; off limpa o dia.</translation>
    </message>
    <message>
        <source>Choose the members of a division (repeatable).</source>
        <translation>Escolher os membros de uma divisão (pode repetir).</translation>
    </message>
    <message>
        <source>Choose a member by name or key (repeatable).</source>
        <translation>Escolher um membro pelo nome ou chave (pode repetir).</translation>
    </message>
    <message>
        <source>Your time zone for this command (default: options).</source>
        <translation>Seu fuso horário para este comando (padrão: opções).</translation>
    </message>
    <message>
        <source>Apply daylight saving time (default: options).</source>
        <translation>Aplicar horário de verão (padrão: opções).</translation>
    </message>
    <message>
        <source>The match length, 15 to 1440 minutes (default: a moment).</source>
        <translation>A duração da partida, de 15 a 1440 minutos (padrão: um instante).</translation>
    </message>
    <message>
        <source>A member who must be able to play (repeatable; joins the chosen).</source>
        <translation>Um membro que precisa poder jogar (pode repetir; entra junto com os escolhidos).</translation>
    </message>
    <message>
        <source>At least this many must be able to play.</source>
        <translation>Pelo menos esta quantidade precisa poder jogar.</translation>
    </message>
    <message>
        <source>The first date, in the member&apos;s own zone: MM/DD/YYYY or YYYY-MM-DD.</source>
        <translation>A primeira data, no fuso do próprio membro: MM/DD/YYYY ou YYYY-MM-DD.</translation>
    </message>
    <message>
        <source>The last date (default: the first alone).</source>
        <translation>A última data (padrão: só a primeira).</translation>
    </message>
    <message>
        <source>A short note, such as holiday.</source>
        <translation>Uma nota curta, como férias.</translation>
    </message>
    <message>
        <source>One or two slots in the member&apos;s zone instead of the week&apos;s, such as 22:00-01:00 or 6pm-8pm,10pm-1am; an end before the start runs past midnight.</source>
        <translation>Um ou dois horários no fuso do membro em vez dos da semana, como 22:00-01:00 ou 6pm-8pm,10pm-1am; um fim antes do início passa da meia-noite.</translation>
    </message>
    <message>
        <source>The start on your clock, such as &quot;12/12/2026 8:00 PM&quot;; moving it asks every player again.</source>
        <translation>O início no seu relógio, como &quot;12/12/2026 8:00 PM&quot;; mudar o início pergunta de novo a todos os jogadores.</translation>
    </message>
    <message>
        <source>The start on your clock, such as &quot;12/12/2026 8:00 PM&quot;.</source>
        <translation>O início no seu relógio, como &quot;12/12/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>The length, 15 to 1440 minutes.</source>
        <translation>A duração, de 15 a 1440 minutos.</translation>
    </message>
    <message>
        <source>The title (default: Clan match).</source>
        <translation>O título (padrão: Partida do clã).</translation>
    </message>
    <message>
        <source>Invite a member, by name or key (repeatable).</source>
        <translation>Convidar um membro, pelo nome ou chave (pode repetir).</translation>
    </message>
    <message>
        <source>A member who must say yes (repeatable; invited too).</source>
        <translation>Um membro que precisa confirmar (pode repetir; também é convidado).</translation>
    </message>
    <message>
        <source>At least this many must say yes (default 1).</source>
        <translation>Pelo menos esta quantidade precisa confirmar (padrão 1).</translation>
    </message>
    <message>
        <source>Notes for the players.</source>
        <translation>Notas para os jogadores.</translation>
    </message>
    <message>
        <source>Uninvite a member (repeatable).</source>
        <translation>Desconvidar um membro (pode repetir).</translation>
    </message>
    <message>
        <source>Invite the members of a division (repeatable).</source>
        <translation>Convidar os membros de uma divisão (pode repetir).</translation>
    </message>
    <message>
        <source>Division notes.</source>
        <translation>Notas sobre a divisão.</translation>
    </message>
    <message>
        <source>Hide the members from the lists.</source>
        <translation>Ocultar os membros das listas.</translation>
    </message>
    <message>
        <source>Minutes to add to the local time to get GMT (300 for Eastern).</source>
        <translation>Minutos a somar à hora local para obter o GMT (300 para Eastern).</translation>
    </message>
    <message>
        <source>Description.</source>
        <translation>Descrição.</translation>
    </message>
    <message>
        <source>Apply daylight saving time.</source>
        <translation>Aplicar horário de verão.</translation>
    </message>
    <message>
        <source>The real time zone, such as America/New_York (&quot;none&quot; for none); its standard offset and daylight saving fill --offset and --dst.</source>
        <translation>O fuso horário real, como America/New_York (&quot;none&quot; para nenhum); a diferença padrão e o horário de verão dele preenchem --offset e --dst.</translation>
    </message>
    <message>
        <source>List the members as the window does (&quot;Division - Player&quot;).</source>
        <translation>Listar os membros como a janela mostra (&quot;Divisão - Jogador&quot;).</translation>
    </message>
    <message>
        <source>Only this division&apos;s members (repeatable).</source>
        <translation>Só os membros desta divisão (pode repetir).</translation>
    </message>
    <message>
        <source>Members of hidden divisions too.</source>
        <translation>Incluir membros de divisões ocultas.</translation>
    </message>
    <message>
        <source>Show a member, times in your time zone.</source>
        <translation>Mostrar um membro, com os horários no seu fuso horário.</translation>
    </message>
    <message>
        <source>Add a member.</source>
        <translation>Adicionar um membro.</translation>
    </message>
    <message>
        <source>Change the given fields of a member.</source>
        <translation>Alterar os campos informados de um membro.</translation>
    </message>
    <message>
        <source>Delete a member and its schedule.</source>
        <translation>Excluir um membro e seus horários.</translation>
    </message>
    <message>
        <source>Mark a member away from --from to --to: no answer on those dates counts them.</source>
        <translation>Marcar um membro como ausente de --from até --to: nessas datas ele não entra em nenhuma contagem.</translation>
    </message>
    <message>
        <source>Remove an away range or one-off change by its key.</source>
        <translation>Remover uma ausência ou mudança pontual pela chave.</translation>
    </message>
    <message>
        <source>Give a member other slots from --from to --to instead of their week&apos;s.</source>
        <translation>Dar a um membro outros horários de --from até --to em vez dos da semana dele.</translation>
    </message>
    <message>
        <source>List a member&apos;s away ranges and one-off changes from today on, with their keys.</source>
        <translation>Listar as ausências e mudanças pontuais de um membro a partir de hoje, com as chaves.</translation>
    </message>
    <message>
        <source>Past ones too.</source>
        <translation>Incluir as passadas.</translation>
    </message>
    <message>
        <source>List the clans / divisions.</source>
        <translation>Listar os clãs / divisões.</translation>
    </message>
    <message>
        <source>Add a division.</source>
        <translation>Adicionar uma divisão.</translation>
    </message>
    <message>
        <source>Change a division.</source>
        <translation>Alterar uma divisão.</translation>
    </message>
    <message>
        <source>New name of the division.</source>
        <translation>Novo nome da divisão.</translation>
    </message>
    <message>
        <source>Delete a division that has no members.</source>
        <translation>Excluir uma divisão sem membros.</translation>
    </message>
    <message>
        <source>List the time zones.</source>
        <translation>Listar os fusos horários.</translation>
    </message>
    <message>
        <source>Add a time zone.</source>
        <translation>Adicionar um fuso horário.</translation>
    </message>
    <message>
        <source>Change a time zone.</source>
        <translation>Alterar um fuso horário.</translation>
    </message>
    <message>
        <source>New name of the time zone.</source>
        <translation>Novo nome do fuso horário.</translation>
    </message>
    <message>
        <source>Delete a time zone that no member uses.</source>
        <translation>Excluir um fuso horário que nenhum membro usa.</translation>
    </message>
    <message>
        <source>Who of the chosen members (default: everyone listed) can make a match.</source>
        <translation>Quem dos membros escolhidos (padrão: todos os listados) pode jogar uma partida.</translation>
    </message>
    <message>
        <source>The match date and time, such as &quot;12/7/2026 8:00 PM&quot;.</source>
        <translation>A data e a hora da partida, como &quot;12/7/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>Announce a match to the chosen members (default: everyone listed): each one&apos;s local time, who can play, a Discord line and an e-mail link.</source>
        <translation>Anunciar uma partida aos membros escolhidos (padrão: todos os listados): a hora local de cada um, quem pode jogar, uma linha para o Discord e um link de e-mail.</translation>
    </message>
    <message>
        <source>The match start, such as &quot;12/7/2026 8:00 PM&quot;.</source>
        <translation>O início da partida, como &quot;12/7/2026 8:00 PM&quot;.</translation>
    </message>
    <message>
        <source>The match length, 15 to 1440 minutes.</source>
        <translation>A duração da partida, de 15 a 1440 minutos.</translation>
    </message>
    <message>
        <source>Also write a calendar invitation to FILE.</source>
        <translation>Também gravar um convite de calendário em FILE.</translation>
    </message>
    <message>
        <source>The best match times of the chosen members (default: everyone listed).</source>
        <translation>Os melhores horários de partida dos membros escolhidos (padrão: todos os listados).</translation>
    </message>
    <message>
        <source>Grid step: 15, 30 or 60 minutes (default: options).</source>
        <translation>Intervalo da grade: 15, 30 ou 60 minutos (padrão: opções).</translation>
    </message>
    <message>
        <source>At most this many times (default: options).</source>
        <translation>No máximo esta quantidade de horários (padrão: opções).</translation>
    </message>
    <message>
        <source>Count the seven days from this date (default: today).</source>
        <translation>Contar os sete dias a partir desta data (padrão: hoje).</translation>
    </message>
    <message>
        <source>Plan a match for the members chosen and ask each for an answer.</source>
        <translation>Marcar uma partida para os membros escolhidos e pedir a resposta de cada um.</translation>
    </message>
    <message>
        <source>Move, rename, lengthen or change the players of a match.</source>
        <translation>Mudar a hora, o nome, a duração ou os jogadores de uma partida.</translation>
    </message>
    <message>
        <source>The upcoming matches with their answers, earliest first.</source>
        <translation>As próximas partidas com as respostas, a mais próxima primeiro.</translation>
    </message>
    <message>
        <source>The matches that are over, latest first.</source>
        <translation>As partidas já encerradas, a mais recente primeiro.</translation>
    </message>
    <message>
        <source>A match&apos;s players: their answers, notes, and who cannot play it by their week.</source>
        <translation>Os jogadores de uma partida: respostas, notas e quem não pode jogar pela semana dele.</translation>
    </message>
    <message>
        <source>Answer for a member: yes, maybe, late or no.</source>
        <translation>Resposta de um membro: yes, maybe, late ou no.</translation>
    </message>
    <message>
        <source>The member&apos;s note (at most 500 characters).</source>
        <translation>A nota do membro (no máximo 500 caracteres).</translation>
    </message>
    <message>
        <source>Cancel a match.</source>
        <translation>Cancelar uma partida.</translation>
    </message>
    <message>
        <source>Undo the cancellation.</source>
        <translation>Desfazer o cancelamento.</translation>
    </message>
    <message>
        <source>Delete a match with its answers and attendance.</source>
        <translation>Excluir uma partida com as respostas e a presença.</translation>
    </message>
    <message>
        <source>Whether a member came, once the match has started.</source>
        <translation>Se um membro compareceu, depois que a partida começou.</translation>
    </message>
    <message>
        <source>A Discord message and an e-mail link for those who have not answered.</source>
        <translation>Uma mensagem para o Discord e um link de e-mail para quem ainda não respondeu.</translation>
    </message>
    <message>
        <source>Write the upcoming matches and those of the last 30 days as a calendar file.</source>
        <translation>Gravar as próximas partidas e as dos últimos 30 dias num arquivo de calendário.</translation>
    </message>
    <message>
        <source>Every match with every player (the default).</source>
        <translation>Todas as partidas com todos os jogadores (o padrão).</translation>
    </message>
    <message>
        <source>Only this member&apos;s matches, with their answers.</source>
        <translation>Só as partidas deste membro, com as respostas dele.</translation>
    </message>
    <message>
        <source>The .ics file to write.</source>
        <translation>O arquivo .ics a gravar.</translation>
    </message>
    <message>
        <source>Count the last N matches (default 10).</source>
        <translation>Contar as últimas N partidas (padrão 10).</translation>
    </message>
    <message>
        <source>Export divisions with their members, schedules and zones to a .tlx file.</source>
        <translation>Exportar divisões com seus membros, horários e fusos para um arquivo .tlx.</translation>
    </message>
    <message>
        <source>A division to export (repeatable).</source>
        <translation>Uma divisão a exportar (pode repetir).</translation>
    </message>
    <message>
        <source>Overwrite FILE when it exists.</source>
        <translation>Sobrescrever FILE se ele já existir.</translation>
    </message>
    <message>
        <source>Import a .tlx file: checked whole, then added in one go.</source>
        <translation>Importar um arquivo .tlx: verificado por inteiro, depois adicionado de uma vez.</translation>
    </message>
    <message>
        <source>Make a member&apos;s private sign-up link for tallyhold-web; only its hash is kept, so copy it now.</source>
        <translation>Criar o link de inscrição privado de um membro para o tallyhold-web; só o hash dele fica guardado, então copie agora.</translation>
    </message>
    <message>
        <source>Days until the link expires (default 60, at most 3650).</source>
        <translation>Dias até o link expirar (padrão 60, no máximo 3650).</translation>
    </message>
    <message>
        <source>Where members reach tallyhold-web, such as https://roster.example.org (kept for the next links; default http://127.0.0.1:8080).</source>
        <translation>Onde os membros acessam o tallyhold-web, como https://roster.example.org (fica guardado para os próximos links; padrão http://127.0.0.1:8080).</translation>
    </message>
    <message>
        <source>List the sign-up links, newest first.</source>
        <translation>Listar os links de inscrição, o mais novo primeiro.</translation>
    </message>
    <message>
        <source>Only this member&apos;s links.</source>
        <translation>Só os links deste membro.</translation>
    </message>
    <message>
        <source>Revoke a sign-up link by its key.</source>
        <translation>Revogar um link de inscrição pela chave.</translation>
    </message>
    <message>
        <source>Show your preferences, or set the given ones.</source>
        <translation>Mostrar suas preferências ou definir as informadas.</translation>
    </message>
    <message>
        <source>Your time zone.</source>
        <translation>Seu fuso horário.</translation>
    </message>
    <message>
        <source>Best times grid: 15, 30 or 60 minutes.</source>
        <translation>Grade dos melhores horários: 15, 30 ou 60 minutos.</translation>
    </message>
    <message>
        <source>Max return on best times.</source>
        <translation>Máximo de resultados nos melhores horários.</translation>
    </message>
    <message>
        <source>Disable the window&apos;s confirmation boxes.</source>
        <translation>Desativar as caixas de confirmação da janela.</translation>
    </message>
    <message>
        <source>Your name.</source>
        <translation>Seu nome.</translation>
    </message>
    <message>
        <source>Your e-mail.</source>
        <translation>Seu e-mail.</translation>
    </message>
    <message>
        <source>Copy a whole roster, keys kept, between a file and a server (either way) into a new roster, in one transaction.</source>
        <translation>Copiar um elenco inteiro, mantendo as chaves, entre um arquivo e um servidor (em qualquer sentido) para um elenco novo, numa única transação.</translation>
    </message>
    <message>
        <source>The roster copied: a file or a server&apos;s address.</source>
        <translation>O elenco copiado: um arquivo ou o endereço de um servidor.</translation>
    </message>
    <message>
        <source>The new roster: a file (created) or an empty server database.</source>
        <translation>O elenco novo: um arquivo (será criado) ou um banco de dados vazio no servidor.</translation>
    </message>
    <message>
        <source>A zone name (letter case aside) or its number.</source>
        <translation>Um nome de fuso (maiúsculas ou minúsculas, tanto faz) ou o número dele.</translation>
    </message>
    <message>
        <source>The link&apos;s key, as links shows it.</source>
        <translation>A chave do link, como links mostra.</translation>
    </message>
    <message>
        <source>The change&apos;s key, as member changes shows it.</source>
        <translation>A chave da mudança, como member changes mostra.</translation>
    </message>
    <message>
        <source>The exchange file (.tlx).</source>
        <translation>O arquivo de troca (.tlx).</translation>
    </message>
    <message>
        <source>The name.</source>
        <translation>O nome.</translation>
    </message>
    <message>
        <source>Give the %1.</source>
        <translation>Informe %1.</translation>
    </message>
    <message>
        <source>member&apos;s NAME or KEY</source>
        <translation>NAME ou KEY do membro</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisão</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Nome real</translation>
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
        <translation>Contato</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>No Scheduling Information Present</source>
        <translation>Nenhum horário cadastrado</translation>
    </message>
    <message>
        <source>Away and one-off changes, on the member&apos;s clock:</source>
        <translation>Ausências e mudanças pontuais, no relógio do membro:</translation>
    </message>
    <message>
        <source>Added %1</source>
        <translation>%1 adicionado</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>%1 atualizado</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>%1 excluído</translation>
    </message>
    <message>
        <source>Give the first date: --from MM/DD/YYYY.</source>
        <translation>Informe a primeira data: --from MM/DD/YYYY.</translation>
    </message>
    <message>
        <source>Added for %1: %2 (%3)</source>
        <translation>Adicionado para %1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 has no away dates or changes.</source>
        <translation>%1 não tem ausências nem mudanças.</translation>
    </message>
    <message>
        <source>%1 has no away dates or changes from today on.</source>
        <translation>%1 não tem ausências nem mudanças a partir de hoje.</translation>
    </message>
    <message>
        <source>change&apos;s KEY (member changes NAME shows it)</source>
        <translation>KEY da mudança (member changes NAME mostra)</translation>
    </message>
    <message>
        <source>No change has the key &quot;%1&quot;; tallyhold-cli member changes NAME --all lists a member&apos;s changes with their keys.</source>
        <translation>Nenhuma mudança tem a chave &quot;%1&quot;; tallyhold-cli member changes NAME --all lista as mudanças de um membro com as chaves.</translation>
    </message>
    <message>
        <source>Removed from %1: %2</source>
        <translation>Removido de %1: %2</translation>
    </message>
    <message>
        <source>division&apos;s NAME or KEY</source>
        <translation>NAME ou KEY da divisão</translation>
    </message>
    <message>
        <source>%1  (GMT offset %2%3%4)</source>
        <translation>%1  (diferença do GMT %2%3%4)</translation>
    </message>
    <message>
        <source>, daylight saving</source>
        <translation>, horário de verão</translation>
    </message>
    <message>
        <source>time zone&apos;s NAME or NUMBER</source>
        <translation>NAME ou NUMBER do fuso horário</translation>
    </message>
    <message>
        <source>Maximum Results field must be a number greater than zero</source>
        <translation>O campo Máximo de resultados deve ser um número maior que zero</translation>
    </message>
    <message numerus="yes">
        <source>None of the %n chosen member(s) can play then.</source>
        <translation>
            <numerusform>O membro escolhido (%n) não pode jogar nessa hora.</numerusform>
            <numerusform>Nenhum dos %n membros escolhidos pode jogar nessa hora.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>None of the %n chosen member(s) plays at any time.</source>
        <translation>
            <numerusform>O membro escolhido (%n) não joga em nenhum horário.</numerusform>
            <numerusform>Nenhum dos %n membros escolhidos joga em algum horário.</numerusform>
        </translation>
    </message>
    <message>
        <source>No e-mail: </source>
        <translation>Sem e-mail: </translation>
    </message>
    <message>
        <source>FILE to export to</source>
        <translation>FILE para exportar</translation>
    </message>
    <message>
        <source>This Export File Already Exists... (--force overwrites it)</source>
        <translation>Este arquivo de exportação já existe... (--force sobrescreve)</translation>
    </message>
    <message>
        <source>Export Completed!</source>
        <translation>Exportação concluída!</translation>
    </message>
    <message numerus="yes">
        <source>Divisions: %1, members: %n</source>
        <translation>
            <numerusform>Divisões: %1, membros: %n</numerusform>
            <numerusform>Divisões: %1, membros: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>FILE to import</source>
        <translation>FILE para importar</translation>
    </message>
    <message>
        <source>Import Completed!</source>
        <translation>Importação concluída!</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>Your Time Zone: </source>
        <translation>Seu fuso horário: </translation>
    </message>
    <message>
        <source>Best Times Granularity: %1 Min</source>
        <translation>Grade dos melhores horários: %1 min</translation>
    </message>
    <message>
        <source>Max Return on Show Best Times: %1</source>
        <translation>Máximo de resultados em Mostrar melhores horários: %1</translation>
    </message>
    <message>
        <source>Disable Message Box Verifications: </source>
        <translation>Desativar caixas de confirmação: </translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Nome: %1</translation>
    </message>
    <message>
        <source>EMail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>link&apos;s KEY (tallyhold-cli links shows it)</source>
        <translation>KEY do link (tallyhold-cli links mostra)</translation>
    </message>
    <message>
        <source>Revoked</source>
        <translation>Revogado</translation>
    </message>
    <message>
        <source>copy needs --from and --to.</source>
        <translation>copy precisa de --from e --to.</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n member(s) to %1</source>
        <translation>
            <numerusform>%n membro copiado para %1</numerusform>
            <numerusform>%n membros copiados para %1</numerusform>
        </translation>
    </message>
    <message>
        <source>There is a roster file %1 already.</source>
        <translation>Já existe um arquivo de elenco %1.</translation>
    </message>
    <message>
        <source>Made a new roster in %1</source>
        <translation>Novo elenco criado em %1</translation>
    </message>
    <message>
        <source>No match is titled &quot;%1&quot;; matches --past lists them all.</source>
        <translation>Nenhuma partida tem o título &quot;%1&quot;; matches --past lista todas.</translation>
    </message>
    <message>
        <source>%1 matches are titled &quot;%2&quot;; give one of their keys:</source>
        <translation>%1 partidas têm o título &quot;%2&quot;; informe uma das chaves:</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Marcada</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Alterada</translation>
    </message>
    <message>
        <source>No past matches.</source>
        <translation>Nenhuma partida passada.</translation>
    </message>
    <message>
        <source>No upcoming matches.</source>
        <translation>Nenhuma partida marcada.</translation>
    </message>
    <message>
        <source>Notes: %1</source>
        <translation>Notas: %1</translation>
    </message>
    <message>
        <source>required</source>
        <translation>obrigatório</translation>
    </message>
    <message>
        <source>cannot play then</source>
        <translation>não pode nessa hora</translation>
    </message>
    <message>
        <source>came</source>
        <translation>compareceu</translation>
    </message>
    <message>
        <source>did not come</source>
        <translation>não compareceu</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sem resposta</translation>
    </message>
    <message>
        <source>The answer is yes, maybe, late or no.</source>
        <translation>A resposta é yes, maybe, late ou no.</translation>
    </message>
    <message>
        <source>%1 said %2.</source>
        <translation>%1 respondeu %2.</translation>
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
        <translation>yes ou no</translation>
    </message>
    <message>
        <source>Say yes or no: did %1 come?</source>
        <translation>Responda yes ou no: %1 compareceu?</translation>
    </message>
    <message>
        <source> came.</source>
        <translation> compareceu.</translation>
    </message>
    <message>
        <source> did not come.</source>
        <translation> não compareceu.</translation>
    </message>
    <message>
        <source>Give --all or --member, not both.</source>
        <translation>Informe --all ou --member, não os dois.</translation>
    </message>
    <message>
        <source>Calendar written: </source>
        <translation>Calendário gravado: </translation>
    </message>
    <message>
        <source>%1: invited %2, said yes %3, came %4, said yes but did not come %5</source>
        <translation>%1: convidado %2, confirmou %3, compareceu %4, confirmou mas não compareceu %5</translation>
    </message>
    <message>
        <source>No match has been played yet.</source>
        <translation>Nenhuma partida foi jogada ainda.</translation>
    </message>
    <message>
        <source>Make a new, empty roster where --roster (or --user-roster) says; every other command opens an existing roster only.</source>
        <translation>Criar um elenco novo e vazio onde --roster (ou --user-roster) indicar; todos os outros comandos só abrem um elenco existente.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Exit status: 0 done; 1 command refused or bad input (nothing was written); 2 the roster cannot be opened or changed (empty, damaged, in use, read-only, newer) or the database failed (nothing was written). Errors go to stderr.</source>
        <translation>Status de saída: 0 concluído; 1 comando recusado ou entrada inválida (nada foi gravado); 2 o elenco não pode ser aberto ou alterado (vazio, danificado, em uso, somente leitura, mais novo) ou o banco de dados falhou (nada foi gravado). Os erros vão para stderr.</translation>
    </message>
    <message>
        <source>Print one JSON document instead of text.</source>
        <translation>Imprimir um documento JSON em vez de texto.</translation>
    </message>
    <message>
        <source>The Tallyhold roster and match finder from a terminal.

Commands (tallyhold-cli COMMAND --help shows a command&apos;s options):
</source>
        <translation>O elenco e o localizador de partidas do Tallyhold no terminal.

Comandos (tallyhold-cli COMANDO --help mostra as opções de um comando):
</translation>
    </message>
    <message>
        <source>slot 1 start</source>
        <translation>horário 1 início</translation>
    </message>
    <message>
        <source>slot 1 end</source>
        <translation>horário 1 fim</translation>
    </message>
    <message>
        <source>slot 2 start</source>
        <translation>horário 2 início</translation>
    </message>
    <message>
        <source>slot 2 end</source>
        <translation>horário 2 fim</translation>
    </message>
    <message>
        <source> Times may also be typed as 7:30pm, 7pm, 19:30 or 1930.</source>
        <translation> As horas também podem ser digitadas como 7:30pm, 7pm, 19:30 ou 1930.</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>Um dos comandos acima.</translation>
    </message>
    <message>
        <source>COMMAND [options]</source>
        <translation>COMANDO [opções]</translation>
    </message>
    <message>
        <source>Give a command; tallyhold-cli --help lists them.</source>
        <translation>Informe um comando; tallyhold-cli --help lista todos.</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;; tallyhold-cli --help lists them.</source>
        <translation>Comando desconhecido &quot;%1&quot;; tallyhold-cli --help lista todos.</translation>
    </message>
    <message>
        <source> Saturday and Sunday are one day: --weekend.</source>
        <translation> Sábado e domingo são um dia só: --weekend.</translation>
    </message>
    <message>
        <source> tallyhold-cli %1 --help lists its options.</source>
        <translation> tallyhold-cli %1 --help lista as opções dele.</translation>
    </message>
    <message>
        <source>Too many arguments for %1: %2 (put a name with blanks in quotes).</source>
        <translation>Argumentos demais para %1: %2 (coloque entre aspas um nome com espaços).</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>aviso: </translation>
    </message>
    <message>
        <source>--roster needs a file name.</source>
        <translation>--roster precisa de um nome de arquivo.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The roster file %1 cannot be used: %2

The file has not been changed.</source>
        <translation>O arquivo de elenco %1 não pode ser usado: %2

O arquivo não foi alterado.</translation>
    </message>
    <message>
        <source>it cannot be read (%1).</source>
        <translation>não pode ser lido (%1).</translation>
    </message>
    <message>
        <source>it is empty (0 bytes).</source>
        <translation>está vazio (0 bytes).</translation>
    </message>
    <message>
        <source>it is an Access-format database, not an SQLite roster.</source>
        <translation>é um banco de dados no formato Access, não um elenco SQLite.</translation>
    </message>
    <message>
        <source>it is not an SQLite database.</source>
        <translation>não é um banco de dados SQLite.</translation>
    </message>
    <message>
        <source>restore a backup such as %1</source>
        <translation>restaure um backup, como %1</translation>
    </message>
    <message>
        <source>restore a backup if you keep one (there is none at %1)</source>
        <translation>restaure um backup, se você tiver um (não há nenhum em %1)</translation>
    </message>
    <message>
        <source>it is in use by another program.</source>
        <translation>está em uso por outro programa.</translation>
    </message>
    <message>
        <source>it is damaged; %1.</source>
        <translation>está danificado; %1.</translation>
    </message>
    <message>
        <source>a write to it was interrupted and cannot be undone while the file or its folder is read-only.</source>
        <translation>uma gravação nele foi interrompida e não pode ser desfeita enquanto o arquivo ou a pasta dele estiver somente leitura.</translation>
    </message>
    <message>
        <source>it cannot be opened (%1).</source>
        <translation>não pode ser aberto (%1).</translation>
    </message>
    <message>
        <source>The roster file %1 can be viewed and scheduled but not changed.</source>
        <translation>O arquivo de elenco %1 pode ser consultado e usado na agenda, mas não pode ser alterado.</translation>
    </message>
    <message>
        <source>The roster file %1 is damaged. Export what can still be read, then %2. Until then the roster can be viewed and scheduled but not changed.</source>
        <translation>O arquivo de elenco %1 está danificado. Exporte o que ainda puder ser lido e depois %2. Até lá, o elenco pode ser consultado e usado na agenda, mas não pode ser alterado.</translation>
    </message>
    <message>
        <source>it is not a Tallyhold roster: %1</source>
        <translation>não é um elenco do Tallyhold: %1</translation>
    </message>
    <message>
        <source>it could not be brought up to this version of Tallyhold.</source>
        <translation>não pôde ser atualizado para esta versão do Tallyhold.</translation>
    </message>
    <message>
        <source>The backup %1 could not be written.</source>
        <translation>Não foi possível gravar o backup %1.</translation>
    </message>
</context>
<context>
    <name>DivisionStore</name>
    <message>
        <source>This division is no longer in the roster, so nothing was saved. Save again to add it as a new division.</source>
        <translation>Esta divisão não está mais no elenco, então nada foi salvo. Salve de novo para adicioná-la como uma nova divisão.</translation>
    </message>
    <message>
        <source>The following Members are in this Division: 
%1You will need to remove/update these members before this Division can be deleted!</source>
        <translation>Os seguintes membros estão nesta divisão: 
%1Você precisa remover/atualizar esses membros antes de excluir esta divisão!</translation>
    </message>
</context>
<context>
    <name>ExchangeReader</name>
    <message>
        <source>field %1 (%2) is empty.</source>
        <translation>o campo %1 (%2) está vazio.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a record key of 32 hexadecimal digits: &quot;%3&quot;.</source>
        <translation>o campo %1 (%2) não é uma chave de registro de 32 dígitos hexadecimais: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a whole number from %3 to %4: &quot;%5&quot;.</source>
        <translation>o campo %1 (%2) não é um número inteiro de %3 a %4: &quot;%5&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a flag (1 or 0): &quot;%3&quot;.</source>
        <translation>o campo %1 (%2) não é um indicador (1 ou 0): &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a date YYYY-MM-DD: &quot;%3&quot;.</source>
        <translation>o campo %1 (%2) não é uma data AAAA-MM-DD: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a time HH:MM: &quot;%3&quot;.</source>
        <translation>o campo %1 (%2) não é uma hora HH:MM: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>field %1 (%2) is not a time of day: &quot;%3&quot;.</source>
        <translation>o campo %1 (%2) não é uma hora do dia: &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>the %1 is also used on line %2.</source>
        <translation>a %1 também é usada na linha %2.</translation>
    </message>
    <message>
        <source>the line is neither a record (1 to %1) nor a &quot;#&quot; line.</source>
        <translation>a linha não é um registro (1 a %1) nem uma linha &quot;#&quot;.</translation>
    </message>
    <message>
        <source>a record follows the end line %1.</source>
        <translation>um registro vem depois da linha final %1.</translation>
    </message>
    <message>
        <source>the record tag %1 is not followed by &quot;|&quot;.</source>
        <translation>o marcador de registro %1 não vem seguido de &quot;|&quot;.</translation>
    </message>
    <message>
        <source>field %1 is longer than 1,000,000 characters.</source>
        <translation>o campo %1 tem mais de 1.000.000 caracteres.</translation>
    </message>
    <message>
        <source>the line is not UTF-8 text.</source>
        <translation>a linha não é texto UTF-8.</translation>
    </message>
    <message>
        <source>the %1 record has %2 fields; it needs %3.</source>
        <translation>o registro %1 tem %2 campos; são necessários %3.</translation>
    </message>
    <message>
        <source>field %1 holds a &quot;\&quot; that is not one of \\, \p, \r or \n.</source>
        <translation>o campo %1 contém um &quot;\&quot; que não faz parte de \\, \p, \r ou \n.</translation>
    </message>
    <message>
        <source>division key 0x%1</source>
        <translation>chave de divisão 0x%1</translation>
    </message>
    <message>
        <source>member key 0x%1</source>
        <translation>chave de membro 0x%1</translation>
    </message>
    <message>
        <source>field %1 (%2) is empty, but %3 is set.</source>
        <translation>o campo %1 (%2) está vazio, mas o indicador de %3 está marcado.</translation>
    </message>
    <message>
        <source>times 0x%1 of %2</source>
        <translation>chave de horários 0x%1 (%2)</translation>
    </message>
    <message>
        <source>schedule&apos;s member key 0x%1</source>
        <translation>chave de membro 0x%1 dos horários de jogo</translation>
    </message>
    <message>
        <source>times key 0x%1</source>
        <translation>chave de horários 0x%1</translation>
    </message>
    <message>
        <source>the zone key %1 is also used on line %2 for another zone.</source>
        <translation>a chave de fuso %1 também é usada na linha %2 para outro fuso.</translation>
    </message>
    <message>
        <source>no zone record before it has the zone key %1.</source>
        <translation>nenhum registro de fuso anterior tem a chave de fuso %1.</translation>
    </message>
    <message>
        <source>field 2 (real time zone) is empty.</source>
        <translation>o campo 2 (fuso horário real) está vazio.</translation>
    </message>
    <message>
        <source>the zone key %1 already has the real time zone %2.</source>
        <translation>a chave de fuso %1 já tem o fuso horário real %2.</translation>
    </message>
    <message>
        <source>no member record before it has the member key 0x%1.</source>
        <translation>nenhum registro de membro anterior tem a chave de membro 0x%1.</translation>
    </message>
    <message>
        <source>field 4 (last date) is before field 3 (first date).</source>
        <translation>o campo 4 (última data) é anterior ao campo 3 (primeira data).</translation>
    </message>
    <message>
        <source>field 5 (away flag) is empty.</source>
        <translation>o campo 5 (indicador de ausência) está vazio.</translation>
    </message>
    <message>
        <source>field %1 holds a time, but the member is away (field 5).</source>
        <translation>o campo %1 contém um horário, mas o membro está ausente (campo 5).</translation>
    </message>
    <message>
        <source>field %1 (%2) is empty, but field %3 holds a time.</source>
        <translation>o campo %1 (%2) está vazio, mas o campo %3 contém um horário.</translation>
    </message>
    <message>
        <source>slot %1 ends when it starts.</source>
        <translation>o horário %1 termina na mesma hora em que começa.</translation>
    </message>
    <message>
        <source>slot 2 is given without slot 1.</source>
        <translation>o horário 2 foi informado sem o horário 1.</translation>
    </message>
    <message>
        <source>fields 6 and 7 (slot 1) are empty, but the member is not away (field 5).</source>
        <translation>os campos 6 e 7 (horário 1) estão vazios, mas o membro não está ausente (campo 5).</translation>
    </message>
    <message>
        <source>field 10 (note) is longer than %1 characters.</source>
        <translation>o campo 10 (nota) tem mais de %1 caracteres.</translation>
    </message>
    <message>
        <source>change key 0x%1</source>
        <translation>chave de mudança 0x%1</translation>
    </message>
    <message>
        <source>the dates overlap the change of the same member on line %1.</source>
        <translation>as datas se sobrepõem à mudança do mesmo membro na linha %1.</translation>
    </message>
    <message>
        <source>The file holds no roster records</source>
        <translation>O arquivo não contém nenhum registro de elenco</translation>
    </message>
    <message>
        <source>the end line counts %1 records; the file holds %2.</source>
        <translation>a linha final conta %1 registros; o arquivo contém %2.</translation>
    </message>
    <message>
        <source>The Import File cannot be read.</source>
        <translation>Não é possível ler o arquivo de importação.</translation>
    </message>
    <message>
        <source>the header &quot;%1&quot; names no version of the format.</source>
        <translation>o cabeçalho &quot;%1&quot; não indica nenhuma versão do formato.</translation>
    </message>
    <message>
        <source>the file was written by a newer version of Tallyhold (&quot;%1&quot;).</source>
        <translation>o arquivo foi gravado por uma versão mais nova do Tallyhold (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>The end line &quot;#end&quot; with the number of records is missing.</source>
        <translation>Falta a linha final &quot;#end&quot; com o número de registros.</translation>
    </message>
</context>
<context>
    <name>ExchangeTab</name>
    <message>
        <source>Chose which Clans/Divisions then click Export</source>
        <translation>Escolha os clãs/divisões e clique em Exportar</translation>
    </message>
    <message>
        <source>Export divisions</source>
        <translation>Divisões a exportar</translation>
    </message>
    <message>
        <source>Click Import</source>
        <translation>Clique em Importar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>Nome do arquivo de exportação</translation>
    </message>
    <message>
        <source>Export Function</source>
        <translation>Exportação</translation>
    </message>
    <message>
        <source>This Export File Already Exists... Overwrite?</source>
        <translation>Este arquivo de exportação já existe... Sobrescrever?</translation>
    </message>
    <message>
        <source>Export Completed!</source>
        <translation>Exportação concluída!</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Salvo como %1</translation>
    </message>
    <message>
        <source>Import File Name</source>
        <translation>Nome do arquivo de importação</translation>
    </message>
    <message>
        <source>Import Completed!</source>
        <translation>Importação concluída!</translation>
    </message>
    <message>
        <source>Tallyhold Export (*.tlx)|*.tlx</source>
        <translation>Exportação do Tallyhold (*.tlx)|*.tlx</translation>
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
        <translation>Há um problema com o formato do arquivo de importação!</translation>
    </message>
    <message>
        <source>The file ends early; it may have been cut off while copying</source>
        <translation>O arquivo termina antes do esperado; pode ter sido cortado ao ser copiado</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
</context>
<context>
    <name>InvitationStore</name>
    <message>
        <source>Active until %1</source>
        <translation>Ativo até %1</translation>
    </message>
    <message>
        <source>Expired %1</source>
        <translation>Expirado em %1</translation>
    </message>
    <message>
        <source>Revoked %1</source>
        <translation>Revogado em %1</translation>
    </message>
    <message>
        <source>%1, last saved %2</source>
        <translation>%1, salvo pela última vez em %2</translation>
    </message>
    <message>
        <source>A sign-up link lasts 1 to %1 days.</source>
        <translation>Um link de inscrição dura de 1 a %1 dias.</translation>
    </message>
    <message>
        <source>That member is no longer in the roster.</source>
        <translation>Esse membro não está mais no elenco.</translation>
    </message>
    <message>
        <source>That sign-up link is no longer in the roster.</source>
        <translation>Esse link de inscrição não está mais no elenco.</translation>
    </message>
</context>
<context>
    <name>ListFill</name>
    <message>
        <source>Hidden: its members are left out of the member lists</source>
        <translation>Oculto: seus membros ficam fora das listas de membros</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>maybe</source>
        <translation>talvez</translation>
    </message>
    <message>
        <source>late</source>
        <translation>atrasado</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sem resposta</translation>
    </message>
</context>
<context>
    <name>MatchAnnouncement</name>
    <message>
        <source>No time zone (GMT)</source>
        <translation>Sem fuso horário (GMT)</translation>
    </message>
    <message>
        <source>Can play the whole match: %1</source>
        <translation>Pode jogar a partida inteira: %1</translation>
    </message>
    <message>
        <source>Cannot play the whole match: %1</source>
        <translation>Não pode jogar a partida inteira: %1</translation>
    </message>
</context>
<context>
    <name>MatchCalendar</name>
    <message>
        <source>The match calendar is not valid.</source>
        <translation>O calendário de partidas não é válido.</translation>
    </message>
</context>
<context>
    <name>MatchFields</name>
    <message>
        <source>&quot;%1&quot; is not a valid time.</source>
        <translation>&quot;%1&quot; não é uma hora válida.</translation>
    </message>
</context>
<context>
    <name>MatchInvitation</name>
    <message>
        <source>The calendar invitation is not valid.</source>
        <translation>O convite de calendário não é válido.</translation>
    </message>
    <message>
        <source>The invitation could not be saved to %1.</source>
        <translation>Não foi possível salvar o convite em %1.</translation>
    </message>
</context>
<context>
    <name>MatchPlan</name>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440, or empty (or 1) for a single moment.</source>
        <translation>A duração da partida deve ser um número inteiro de minutos de 15 a 1440, ou vazia (ou 1) para um único instante.</translation>
    </message>
    <message>
        <source>Minimum players must be a whole number from 1 to 32767, or empty for 1.</source>
        <translation>O mínimo de jogadores deve ser um número inteiro de 1 a 32767, ou vazio para 1.</translation>
    </message>
</context>
<context>
    <name>MatchesTab</name>
    <message>
        <source>Show past matches</source>
        <translation>Mostrar partidas passadas</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Upcoming matches, earliest first, with their answers counted</source>
        <translation>Próximas partidas, a mais próxima primeiro, com as respostas contadas</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>When and answers</source>
        <translation>Quando e respostas</translation>
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
        <translation>Mude a hora, os jogadores, o título ou as notas; uma nova hora pergunta a todos de novo</translation>
    </message>
    <message>
        <source>Cancel Match</source>
        <translation>Cancelar partida</translation>
    </message>
    <message>
        <source>Mark the match cancelled in every calendar; it can be restored</source>
        <translation>Marca a partida como cancelada em todos os calendários; dá para restaurar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete Match</source>
        <translation>Excluir partida</translation>
    </message>
    <message>
        <source>Remove the match with its answers and attendance</source>
        <translation>Remove a partida com as respostas e a presença</translation>
    </message>
    <message>
        <source>Reminder…</source>
        <translation>Lembrete…</translation>
    </message>
    <message>
        <source>A message for those who have not answered</source>
        <translation>Uma mensagem para quem ainda não respondeu</translation>
    </message>
    <message>
        <source>Attendance…</source>
        <translation>Presença…</translation>
    </message>
    <message>
        <source>Once the match has started: tick who came</source>
        <translation>Depois que a partida começar: marque quem compareceu</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Their week</source>
        <translation>Semana dele</translation>
    </message>
    <message>
        <source>Came</source>
        <translation>Veio</translation>
    </message>
    <message>
        <source>The answer the highlighted player gave you</source>
        <translation>A resposta que o jogador selecionado deu a você</translation>
    </message>
    <message>
        <source>Set Answer</source>
        <translation>Definir resposta</translation>
    </message>
    <message>
        <source>Answer for the highlighted player, as they told you</source>
        <translation>Resposta do jogador selecionado, como ele disse a você</translation>
    </message>
    <message>
        <source>Attendance history</source>
        <translation>Histórico de presença</translation>
    </message>
    <message>
        <source>Last matches counted</source>
        <translation>Últimas partidas contadas</translation>
    </message>
    <message>
        <source>Matches that started and were not cancelled, latest first</source>
        <translation>Partidas que começaram e não foram canceladas, a mais recente primeiro</translation>
    </message>
    <message>
        <source>Per member over the last matches; click a heading to sort</source>
        <translation>Por membro nas últimas partidas; clique num cabeçalho para ordenar</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Membro</translation>
    </message>
    <message>
        <source>Invited</source>
        <translation>Convidado</translation>
    </message>
    <message>
        <source>Said
yes</source>
        <translation>Confir-
mou</translation>
    </message>
    <message>
        <source>Said yes but
did not come</source>
        <translation>Confirmou mas
não veio</translation>
    </message>
    <message>
        <source>Highlighted player&apos;s answer</source>
        <translation>Resposta do jogador</translation>
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
        <translation>Nenhuma partida passada</translation>
    </message>
    <message>
        <source>Past matches, latest first</source>
        <translation>Partidas passadas, a mais recente primeiro</translation>
    </message>
    <message>
        <source>No matches planned yet: choose members on Scheduling and press Plan Match…</source>
        <translation>Nenhuma partida marcada ainda: escolha membros em Agenda e clique em Marcar partida…</translation>
    </message>
    <message>
        <source>Restore Match</source>
        <translation>Restaurar partida</translation>
    </message>
    <message>
        <source>Highlight a match to see its players.</source>
        <translation>Selecione uma partida para ver os jogadores.</translation>
    </message>
    <message>
        <source>Players of %1</source>
        <translation>Jogadores de %1</translation>
    </message>
    <message>
        <source>%1 minutes, at least %2 must say yes; planned on %3&apos;s clock</source>
        <translation>%1 minutos, pelo menos %2 precisam confirmar; marcada no relógio de %3</translation>
    </message>
    <message>
        <source>⚠ cannot play</source>
        <translation>⚠ não pode</translation>
    </message>
    <message>
        <source>%1&apos;s week or away dates say they cannot play all of this match</source>
        <translation>Pela semana ou ausências, %1 não pode jogar a partida inteira</translation>
    </message>
    <message>
        <source>can play</source>
        <translation>pode jogar</translation>
    </message>
    <message>
        <source>Delete the match &quot;%1&quot; of %2 with its answers and attendance?</source>
        <translation>Excluir a partida &quot;%1&quot; de %2 com as respostas e a presença?</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Erro de seleção</translation>
    </message>
    <message>
        <source>You must first highlight a player!</source>
        <translation>Selecione um jogador primeiro!</translation>
    </message>
    <message>
        <source>Cancelled. %1</source>
        <translation>Cancelada. %1</translation>
    </message>
    <message>
        <source>Started: answers are closed, attendance can be taken. %1</source>
        <translation>Começou: respostas encerradas, a presença pode ser registrada. %1</translation>
    </message>
    <message>
        <source>%1 (required)</source>
        <translation>%1 (obrigatório)</translation>
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
        <translation>&quot;%1&quot; não é uma data (MM/DD/AAAA).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day (HH:MM AM/PM or 24-hour HH:MM).</source>
        <translation>&quot;%1&quot; não é uma hora do dia (HH:MM AM/PM ou HH:MM de 24 horas).</translation>
    </message>
    <message>
        <source>The first date must be filled!</source>
        <translation>A primeira data precisa ser preenchida!</translation>
    </message>
    <message>
        <source>The last date must be filled!</source>
        <translation>A última data precisa ser preenchida!</translation>
    </message>
    <message>
        <source>The last date must not be before the first.</source>
        <translation>A última data não pode ser anterior à primeira.</translation>
    </message>
    <message>
        <source>Slot %1 needs both a start and an end.</source>
        <translation>O horário %1 precisa de início e fim.</translation>
    </message>
    <message>
        <source>Ending time must be greater than starting time!</source>
        <translation>O horário final deve ser maior que o inicial!</translation>
    </message>
    <message>
        <source>Type the times played on those dates, or choose Away.</source>
        <translation>Digite os horários jogados nessas datas ou escolha Ausente.</translation>
    </message>
    <message>
        <source>The note may hold at most %1 characters.</source>
        <translation>A nota pode ter no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>That change was removed in the meantime; nothing was saved.</source>
        <translation>Essa mudança foi removida nesse meio-tempo; nada foi salvo.</translation>
    </message>
    <message>
        <source>These dates overlap another change: %1.</source>
        <translation>Essas datas se sobrepõem a outra mudança: %1.</translation>
    </message>
    <message>
        <source>That change was removed in the meantime.</source>
        <translation>Essa mudança foi removida nesse meio-tempo.</translation>
    </message>
</context>
<context>
    <name>MemberFormCheck</name>
    <message>
        <source>You must enter in a Player Name!</source>
        <translation>Você precisa informar o nome do jogador!</translation>
    </message>
    <message>
        <source>You must place member in a Division!</source>
        <translation>Você precisa colocar o membro em uma divisão!</translation>
    </message>
    <message>
        <source>For proper scheduling, you must put in the member&apos;s Time Zone!</source>
        <translation>Para a agenda funcionar direito, você precisa informar o fuso horário do membro!</translation>
    </message>
    <message>
        <source>You must have the first Time Slots filled if this day is checked!</source>
        <translation>Preencha o horário 1 se este dia estiver marcado!</translation>
    </message>
    <message>
        <source>This field must be in a valid time format!  HH:MM AM/PM</source>
        <translation>Este campo precisa de uma hora válida!  HH:MM</translation>
    </message>
    <message>
        <source>Ending time must be greater than starting time!</source>
        <translation>O horário final deve ser maior que o inicial!</translation>
    </message>
    <message>
        <source>You must fill in both times of the second Time Slot, or leave both empty!</source>
        <translation>Preencha o início e o fim do horário 2, ou deixe os dois vazios!</translation>
    </message>
</context>
<context>
    <name>MemberFormTab</name>
    <message>
        <source>Player Name</source>
        <translation>Nome do jogador</translation>
    </message>
    <message>
        <source>Clan / Division</source>
        <translation>Clã / Divisão</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Ativo</translation>
    </message>
    <message>
        <source>Actual First Name</source>
        <translation>Primeiro nome real</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Sobrenome</translation>
    </message>
    <message>
        <source>Default EMail</source>
        <translation>E-mail principal</translation>
    </message>
    <message>
        <source>Secondary Email</source>
        <translation>E-mail secundário</translation>
    </message>
    <message>
        <source>Other Contact Info</source>
        <translation>Outros contatos</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Member Notes</source>
        <translation>Notas do membro</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Clear Fields</source>
        <translation>Limpar campos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Away / Changes…</source>
        <translation>Ausências / Mudanças…</translation>
    </message>
    <message>
        <source>Playing Schedules</source>
        <translation>Horários de jogo</translation>
    </message>
    <message>
        <source>Zone of the times</source>
        <translation>Fuso dos horários</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Joga</translation>
    </message>
    <message>
        <source>to</source>
        <translation>até</translation>
    </message>
    <message>
        <source>Save the member first: dates away and one-off changes belong to a member in the roster. To enter them for a member, choose Edit Member on Members Info.</source>
        <translation>Salve o membro primeiro: ausências e mudanças pontuais pertencem a um membro do elenco. Para registrá-las, escolha Editar membro em Info dos membros.</translation>
    </message>
    <message>
        <source>Dates the member is away, or plays other times than the week below</source>
        <translation>Datas em que o membro está ausente ou joga em outros horários que não os da semana abaixo</translation>
    </message>
    <message>
        <source>Times Not Saved</source>
        <translation>Horários não salvos</translation>
    </message>
    <message>
        <source>The times typed for %1 are not saved while the day&apos;s Plays box is not ticked. Save without them?</source>
        <translation>Os horários digitados para %1 não são salvos enquanto a caixa Joga do dia não estiver marcada. Salvar sem eles?</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta-feira</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Sábado / Domingo</translation>
    </message>
    <message>
        <source>%1 slot 1 start</source>
        <translation>%1 horário 1 início</translation>
    </message>
    <message>
        <source>%1 slot 1 end</source>
        <translation>%1 horário 1 fim</translation>
    </message>
    <message>
        <source>%1 slot 2 start</source>
        <translation>%1 horário 2 início</translation>
    </message>
    <message>
        <source>%1 slot 2 end</source>
        <translation>%1 horário 2 fim</translation>
    </message>
    <message>
        <source>Update %1?</source>
        <translation>Atualizar %1?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>Adicionar %1?</translation>
    </message>
    <message>
        <source>Playing Schedules - Note:  All times are %1</source>
        <translation>Horários de jogo - Obs.: todos os horários em %1</translation>
    </message>
    <message>
        <source>Times in %1</source>
        <translation>Horários em %1</translation>
    </message>
</context>
<context>
    <name>MemberReads</name>
    <message>
        <source>Active</source>
        <translation>Ativo</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inativo</translation>
    </message>
</context>
<context>
    <name>MemberSchedule</name>
    <message>
        <source>The stored slot time &quot;%1&quot; cannot be read.</source>
        <translation>O horário salvo &quot;%1&quot; não pode ser lido.</translation>
    </message>
</context>
<context>
    <name>MemberWrites</name>
    <message>
        <source>Make sure that the new Member&apos;s Division is set right, then try to Save again.</source>
        <translation>Verifique se a divisão do novo membro está correta e tente salvar de novo.</translation>
    </message>
    <message>
        <source>Make sure that the new Member&apos;s Time Zone is set right, then try to Save again.</source>
        <translation>Verifique se o fuso horário do novo membro está correto e tente salvar de novo.</translation>
    </message>
</context>
<context>
    <name>MembersInfoTab</name>
    <message>
        <source>Members</source>
        <translation>Membros</translation>
    </message>
    <message>
        <source>Single Click to view / Double Click to Edit</source>
        <translation>Clique para ver / Clique duplo para editar</translation>
    </message>
    <message>
        <source>Edit Member</source>
        <translation>Editar membro</translation>
    </message>
    <message>
        <source>Delete Member</source>
        <translation>Excluir membro</translation>
    </message>
    <message>
        <source>Sign-up Links…</source>
        <translation>Links de inscrição…</translation>
    </message>
    <message>
        <source>Private links with which members keep their own week</source>
        <translation>Links privados com os quais os membros cuidam da própria semana</translation>
    </message>
    <message>
        <source>Member Info (read only)</source>
        <translation>Info do membro (só leitura)</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Nome real</translation>
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
        <translation>Contato</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Updated</source>
        <translation>Atualizado</translation>
    </message>
    <message>
        <source>When the member last saved their own week through a sign-up link</source>
        <translation>Quando o membro salvou a própria semana pela última vez por um link de inscrição</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Availability this week</source>
        <translation>Disponibilidade nesta semana</translation>
    </message>
    <message>
        <source>Place mouse over days to display times</source>
        <translation>Passe o mouse sobre os dias para ver os horários</translation>
    </message>
    <message>
        <source>Zone of the times</source>
        <translation>Fuso dos horários</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Ter</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Qua</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta-feira</translation>
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
        <translation>Nenhum horário cadastrado</translation>
    </message>
    <message>
        <source>Away and one-off changes, on the member&apos;s clock</source>
        <translation>Ausências e mudanças pontuais, no relógio do membro</translation>
    </message>
    <message>
        <source>Set on Add / Edit Members with Away / Changes…</source>
        <translation>Definidas em Editar membros, com Ausências / Mudanças…</translation>
    </message>
    <message>
        <source>Away and one-off changes</source>
        <translation>Ausências e mudanças pontuais</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Erro de seleção</translation>
    </message>
    <message>
        <source>You must first highlight a Member!</source>
        <translation>Selecione um membro primeiro!</translation>
    </message>
    <message>
        <source>Last %1 matches: invited %2 · said yes %3 · came %4 · said yes but did not come %5</source>
        <translation>Últimas %1 partidas: convidado %2 · confirmou %3 · compareceu %4 · confirmou mas não compareceu %5</translation>
    </message>
    <message>
        <source>by the member, %1</source>
        <translation>pelo membro, %1</translation>
    </message>
    <message>
        <source>Times in %1</source>
        <translation>Horários em %1</translation>
    </message>
    <message numerus="yes">
        <source>Not invited to any of the last %n matches</source>
        <translation>
            <numerusform>Não foi convidado para a última partida</numerusform>
            <numerusform>Não foi convidado para nenhuma das últimas %n partidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Excluir %1?</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Erro no banco de dados</translation>
    </message>
    <message>
        <source>Database Access Error</source>
        <translation>Erro de acesso ao banco de dados</translation>
    </message>
    <message>
        <source>Roster Not Opened</source>
        <translation>Elenco não aberto</translation>
    </message>
    <message>
        <source>Roster In Use</source>
        <translation>Elenco em uso</translation>
    </message>
    <message>
        <source>Roster Damaged</source>
        <translation>Elenco danificado</translation>
    </message>
    <message>
        <source>Read-Only Roster</source>
        <translation>Elenco somente leitura</translation>
    </message>
    <message>
        <source>Recoverable Error</source>
        <translation>Erro recuperável</translation>
    </message>
    <message>
        <source>Record Key Error</source>
        <translation>Erro na chave do registro</translation>
    </message>
    <message>
        <source>Time Zone Error</source>
        <translation>Erro de fuso horário</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Erro de seleção</translation>
    </message>
    <message>
        <source>Save/Update Error</source>
        <translation>Erro ao salvar</translation>
    </message>
    <message>
        <source>Data Format Error</source>
        <translation>Erro de formato</translation>
    </message>
    <message>
        <source>Clan Division Not Found</source>
        <translation>Divisão do clã não encontrada</translation>
    </message>
    <message>
        <source>Time Zone Not Found</source>
        <translation>Fuso horário não encontrado</translation>
    </message>
    <message>
        <source>Schedule Process Error</source>
        <translation>Erro no agendamento</translation>
    </message>
    <message>
        <source>Deletion Criteria Not Met</source>
        <translation>Não é possível excluir</translation>
    </message>
    <message>
        <source>Import Aborted</source>
        <translation>Importação interrompida</translation>
    </message>
    <message>
        <source>Export Function</source>
        <translation>Exportação</translation>
    </message>
    <message>
        <source>File Not Saved</source>
        <translation>Arquivo não salvo</translation>
    </message>
    <message>
        <source>Changed by Another Officer</source>
        <translation>Alterado por outro oficial</translation>
    </message>
    <message>
        <source>Connection Lost</source>
        <translation>Conexão perdida</translation>
    </message>
</context>
<context>
    <name>RecordKey</name>
    <message>
        <source>No new record key could be made.</source>
        <translation>Não foi possível criar uma nova chave de registro.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a record key: a key is 32 hexadecimal digits.</source>
        <translation>&quot;%1&quot; não é uma chave de registro: uma chave tem 32 dígitos hexadecimais.</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>%1 was changed by another officer since you loaded %2; reload to see the change</source>
        <translation>Outro oficial alterou %1 desde que você carregou os dados; recarregue para ver a mudança</translation>
    </message>
    <message>
        <source>Make sure that the new Member&apos;s Time Zone is set right, then try to Save again.</source>
        <translation>Verifique se o fuso horário do novo membro está correto e tente salvar de novo.</translation>
    </message>
    <message>
        <source>Maximum Results field must be a number greater than zero</source>
        <translation>O campo Máximo de resultados deve ser um número maior que zero</translation>
    </message>
    <message>
        <source>Apply DST: yes</source>
        <translation>Aplicar horário de verão: sim</translation>
    </message>
    <message>
        <source>Apply DST: no</source>
        <translation>Aplicar horário de verão: não</translation>
    </message>
    <message>
        <source>follows %1: daylight saving today</source>
        <translation>segue %1: horário de verão hoje</translation>
    </message>
    <message>
        <source>follows %1: no daylight saving today</source>
        <translation>segue %1: sem horário de verão hoje</translation>
    </message>
</context>
<context>
    <name>RosterCopy</name>
    <message>
        <source>The roster %1 already holds rows of its own; a roster is copied only into a new one. Nothing was copied.</source>
        <translation>O elenco %1 já contém registros próprios; um elenco só é copiado para um elenco novo. Nada foi copiado.</translation>
    </message>
</context>
<context>
    <name>RosterDivisionsZones</name>
    <message>
        <source>Critical dB Programming Error!</source>
        <translation>Erro crítico de programação no banco de dados!</translation>
    </message>
    <message>
        <source>You must enter a Division Name</source>
        <translation>Informe o nome da divisão</translation>
    </message>
    <message>
        <source>%1 is your own time zone, set in Options. Choose another time zone there before deleting this one.</source>
        <translation>%1 é o seu próprio fuso horário, definido em Opções. Escolha outro fuso horário lá antes de excluir este.</translation>
    </message>
</context>
<context>
    <name>RosterError</name>
    <message>
        <source>The roster database reported an error:
%1</source>
        <translation>O banco de dados do elenco informou um erro:
%1</translation>
    </message>
    <message>
        <source>Unrecoverable Data Error.  Number %1</source>
        <translation>Erro irrecuperável nos dados.  Número %1</translation>
    </message>
</context>
<context>
    <name>RosterExchange</name>
    <message>
        <source>You must make selection(s) from the list first!</source>
        <translation>Escolha itens da lista primeiro!</translation>
    </message>
</context>
<context>
    <name>RosterExport</name>
    <message>
        <source>Critical dB Programming Error!</source>
        <translation>Erro crítico de programação no banco de dados!</translation>
    </message>
    <message>
        <source>The Times row %1 holds &quot;%2&quot;, which is not a time.</source>
        <translation>A linha %1 da tabela Times contém &quot;%2&quot;, que não é uma hora.</translation>
    </message>
    <message>
        <source>The division 0x%1 is not in the roster.</source>
        <translation>A divisão 0x%1 não está no elenco.</translation>
    </message>
    <message>
        <source>The Times row 0x%1 of player %2 is not in the roster.</source>
        <translation>A linha 0x%1 da tabela Times do jogador %2 não está no elenco.</translation>
    </message>
    <message>
        <source>The time zone %1 of player %2 is not in the roster.</source>
        <translation>O fuso horário %1 do jogador %2 não está no elenco.</translation>
    </message>
    <message>
        <source>The Export File could not be written.</source>
        <translation>Não foi possível gravar o arquivo de exportação.</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source>Changes need a login with the right to add, change and delete the roster&apos;s rows.</source>
        <translation>Para fazer alterações, é preciso um login com permissão para adicionar, alterar e excluir as linhas do elenco.</translation>
    </message>
    <message>
        <source>The roster file %1 is open in another Tallyhold window.</source>
        <translation>O arquivo de elenco %1 está aberto em outra janela do Tallyhold.</translation>
    </message>
    <message>
        <source>The file or its folder is read-only.</source>
        <translation>O arquivo ou a pasta dele está somente leitura.</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>the member&apos;s division 0x%1 is neither in the file nor in this roster.</source>
        <translation>a divisão 0x%1 do membro não está no arquivo nem neste elenco.</translation>
    </message>
    <message>
        <source>the schedule&apos;s member 0x%1 is neither in the file nor in this roster.</source>
        <translation>o membro 0x%1 dos horários de jogo não está no arquivo nem neste elenco.</translation>
    </message>
    <message>
        <source>the times 0x%1 are neither in the file nor in this roster.</source>
        <translation>os horários 0x%1 não estão no arquivo nem neste elenco.</translation>
    </message>
    <message>
        <source>the times 0x%1 belong to a schedule of this roster.</source>
        <translation>os horários 0x%1 já fazem parte dos horários de jogo deste elenco.</translation>
    </message>
    <message>
        <source>the change 0x%1 belongs to another member of this roster.</source>
        <translation>a mudança 0x%1 pertence a outro membro deste elenco.</translation>
    </message>
    <message>
        <source>Divisions added: %1, already present: %2
Members added: %3, already present: %4
Time zones added: %5, matched to existing zones: %6</source>
        <translation>Divisões adicionadas: %1, já existentes: %2
Membros adicionados: %3, já existentes: %4
Fusos horários adicionados: %5, associados a fusos existentes: %6</translation>
    </message>
    <message>
        <source>
The file was written by an older version of Tallyhold and could not be checked for completeness.</source>
        <translation>
O arquivo foi gravado por uma versão mais antiga do Tallyhold e não pôde ser verificado por completo.</translation>
    </message>
    <message>
        <source>
Lines skipped because they hold no record: %1</source>
        <translation>
Linhas ignoradas por não conterem registro: %1</translation>
    </message>
    <message>
        <source>
The roster as it was before the import is saved in %1</source>
        <translation>
O elenco como estava antes da importação está salvo em %1</translation>
    </message>
</context>
<context>
    <name>RosterInvitations</name>
    <message>
        <source>This link is no longer valid</source>
        <translation>Este link não vale mais</translation>
    </message>
</context>
<context>
    <name>RosterLocation</name>
    <message>
        <source>The roster file (default: ClanRoster.mdb here), or a shared roster&apos;s address postgresql://user@host[:port]/dbname.</source>
        <translation>O arquivo de elenco (padrão: ClanRoster.mdb aqui) ou o endereço de um elenco compartilhado postgresql://user@host[:port]/dbname.</translation>
    </message>
    <message>
        <source>Use ClanRoster.mdb in your data directory (%1), as the menu entry does.</source>
        <translation>Usar o ClanRoster.mdb da sua pasta de dados (%1), como faz a entrada do menu.</translation>
    </message>
    <message>
        <source>There is no roster file %1; tallyhold-cli %2 init makes a new one.</source>
        <translation>Não existe o arquivo de elenco %1; tallyhold-cli %2 init cria um novo.</translation>
    </message>
</context>
<context>
    <name>RosterMatches</name>
    <message>
        <source>That match was deleted in the meantime.</source>
        <translation>Essa partida foi excluída nesse meio-tempo.</translation>
    </message>
    <message>
        <source>That member is not invited to &quot;%1&quot;.</source>
        <translation>Esse membro não foi convidado para &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Give the match&apos;s date and time.</source>
        <translation>Informe a data e a hora da partida.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date and time.</source>
        <translation>&quot;%1&quot; não é uma data e hora válidas.</translation>
    </message>
    <message>
        <source>%1 does not happen on your clock: it is skipped when the clocks go forward.</source>
        <translation>%1 não existe no seu relógio: esse horário é pulado quando o relógio é adiantado.</translation>
    </message>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440.</source>
        <translation>A duração da partida deve ser um número inteiro de minutos de 15 a 1440.</translation>
    </message>
    <message>
        <source>The title may hold at most %1 characters.</source>
        <translation>O título pode ter no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The notes may hold at most %1 characters.</source>
        <translation>As notas podem ter no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Escolha membros da lista!</translation>
    </message>
    <message>
        <source>Minimum players must be a whole number from 1 on.</source>
        <translation>O mínimo de jogadores deve ser um número inteiro a partir de 1.</translation>
    </message>
    <message>
        <source>The minimum of %1 players is more than the %2 invited.</source>
        <translation>O mínimo de %1 jogadores é maior que os %2 convidados.</translation>
    </message>
    <message>
        <source>%1 yes</source>
        <translation>%1 sim</translation>
    </message>
    <message>
        <source>%1 maybe</source>
        <translation>%1 talvez</translation>
    </message>
    <message>
        <source>%1 late</source>
        <translation>%1 com atraso</translation>
    </message>
    <message>
        <source>%1 no</source>
        <translation>%1 não</translation>
    </message>
    <message>
        <source>%1 no answer</source>
        <translation>%1 sem resposta</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelada</translation>
    </message>
    <message>
        <source>minimum %1 not met</source>
        <translation>mínimo de %1 não atingido</translation>
    </message>
    <message>
        <source>%1 required not in</source>
        <translation>obrigatórios sem confirmar: %1</translation>
    </message>
    <message>
        <source>The note may hold at most %1 characters.</source>
        <translation>A nota pode ter no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was cancelled; it cannot be answered.</source>
        <translation>&quot;%1&quot; foi cancelada; não dá para responder.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has started; it cannot be answered any more.</source>
        <translation>&quot;%1&quot; já começou; não dá mais para responder.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was cancelled; there is no attendance to take.</source>
        <translation>&quot;%1&quot; foi cancelada; não há presença para registrar.</translation>
    </message>
    <message>
        <source>Attendance can be taken once &quot;%1&quot; has started.</source>
        <translation>A presença pode ser registrada depois que &quot;%1&quot; começar.</translation>
    </message>
    <message>
        <source>Everyone has answered for %1 &lt;t:%2:F&gt;.</source>
        <translation>Todos já responderam para %1 &lt;t:%2:F&gt;.</translation>
    </message>
    <message>
        <source>%1 &lt;t:%2:F&gt; (&lt;t:%2:R&gt;): %3, please answer yes, maybe, late or no.</source>
        <translation>%1 &lt;t:%2:F&gt; (&lt;t:%2:R&gt;): %3, falta a sua resposta: Sim, Talvez, Atrasado ou Não.</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Lembrete: %1</translation>
    </message>
    <message>
        <source>%1 starts %2 (%3 minutes).<byte value="xd"/>
Please answer yes, maybe, late or no.</source>
        <translation>%1 começa %2 (%3 minutos).<byte value="xd"/>
Por favor, responda Sim, Talvez, Atrasado ou Não.</translation>
    </message>
    <message>
        <source>The calendar could not be saved to %1.</source>
        <translation>Não foi possível salvar o calendário em %1.</translation>
    </message>
    <message>
        <source>Count at least one match.</source>
        <translation>Conte pelo menos uma partida.</translation>
    </message>
</context>
<context>
    <name>RosterMembers</name>
    <message>
        <source>That change was removed in the meantime.</source>
        <translation>Essa mudança foi removida nesse meio-tempo.</translation>
    </message>
</context>
<context>
    <name>RosterScheduling</name>
    <message>
        <source>Match Date must be filled!</source>
        <translation>A data da partida precisa ser preenchida!</translation>
    </message>
    <message>
        <source>Match Time must be filled!</source>
        <translation>A hora da partida precisa ser preenchida!</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Escolha membros da lista!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date (MM/DD/YYYY).</source>
        <translation>&quot;%1&quot; não é uma data (MM/DD/AAAA).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid date and time.</source>
        <translation>&quot;%1&quot; não é uma data e hora válidas.</translation>
    </message>
    <message>
        <source>Match length must be a whole number of minutes from 15 to 1440.</source>
        <translation>A duração da partida deve ser um número inteiro de minutos de 15 a 1440.</translation>
    </message>
</context>
<context>
    <name>RosterSchema</name>
    <message>
        <source>it was written by a newer version of Tallyhold (roster version %1; this version reads rosters up to version %2).</source>
        <translation>foi gravado por uma versão mais nova do Tallyhold (versão de elenco %1; esta versão lê elencos até a versão %2).</translation>
    </message>
    <message>
        <source>it has no table %1.</source>
        <translation>não tem a tabela %1.</translation>
    </message>
    <message>
        <source>its table %1 has no column %2.</source>
        <translation>falta a coluna %2 na tabela %1.</translation>
    </message>
</context>
<context>
    <name>RosterServer</name>
    <message>
        <source>The shared roster %1 cannot be used: %2

Nothing has been changed.</source>
        <translation>O elenco compartilhado %1 não pode ser usado: %2

Nada foi alterado.</translation>
    </message>
    <message>
        <source>Your login may view and schedule the shared roster %1 but may not change it.</source>
        <translation>Seu login pode consultar e usar na agenda o elenco compartilhado %1, mas não pode alterá-lo.</translation>
    </message>
    <message>
        <source>The connection to the shared roster %1 was lost; nothing of the last command was saved. Try it again once the server can be reached.</source>
        <translation>A conexão com o elenco compartilhado %1 caiu; nada do último comando foi salvo. Tente de novo quando o servidor estiver acessível.</translation>
    </message>
    <message>
        <source>the address does not name a database (postgresql://user@host/dbname).</source>
        <translation>o endereço não indica um banco de dados (postgresql://user@host/dbname).</translation>
    </message>
    <message>
        <source>the address holds a password. Keep it in ~/.pgpass or PGPASSWORD instead, so it is never stored with the address.</source>
        <translation>o endereço contém uma senha. Guarde a senha em ~/.pgpass ou PGPASSWORD, para que ela nunca fique salva junto com o endereço.</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (Debian package libqt6sql6-psql).</source>
        <translation>O driver PostgreSQL do Qt não está instalado (pacote Debian libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>The shared roster %1 needs the login&apos;s password.</source>
        <translation>O elenco compartilhado %1 precisa da senha do login.</translation>
    </message>
    <message>
        <source>the server cannot be reached or refused the login.</source>
        <translation>o servidor não está acessível ou recusou o login.</translation>
    </message>
    <message>
        <source>the database holds no roster yet.</source>
        <translation>o banco de dados ainda não contém nenhum elenco.</translation>
    </message>
    <message>
        <source>the database holds no roster, and one could not be made in it.</source>
        <translation>o banco de dados não contém nenhum elenco, e não foi possível criar um nele.</translation>
    </message>
    <message>
        <source>the database is not a Tallyhold roster: %1</source>
        <translation>o banco de dados não é um elenco do Tallyhold: %1</translation>
    </message>
    <message>
        <source>it could not be brought up to this version of Tallyhold.</source>
        <translation>não pôde ser atualizado para esta versão do Tallyhold.</translation>
    </message>
</context>
<context>
    <name>RosterTexts</name>
    <message>
        <source>Mon</source>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Ter</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Qua</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Sex</translation>
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
            <numerusform>%n membro - %1 - %2</numerusform>
            <numerusform>%n membros - %1 - %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 - %2 min</source>
        <translation>%1 - %2 min</translation>
    </message>
    <message>
        <source>Time zones not found: %1</source>
        <translation>Fusos horários não encontrados: %1</translation>
    </message>
</context>
<context>
    <name>SchedulingTab</name>
    <message>
        <source>Select Member(s)</source>
        <translation>Escolher membros</translation>
    </message>
    <message>
        <source>Who can make the match</source>
        <translation>Quem pode jogar a partida</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Show Available</source>
        <translation>Mostrar disponíveis</translation>
    </message>
    <message>
        <source>Available members</source>
        <translation>Membros disponíveis</translation>
    </message>
    <message>
        <source>Best Times for Matches</source>
        <translation>Melhores horários para partidas</translation>
    </message>
    <message>
        <source>Week of</source>
        <translation>Semana de</translation>
    </message>
    <message>
        <source>Best times and the week count the seven days from this date, clock changes included</source>
        <translation>Os melhores horários e a semana contam os sete dias a partir desta data, com as mudanças de horário incluídas</translation>
    </message>
    <message>
        <source>Show Best Times</source>
        <translation>Mostrar melhores horários</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Melhores horários</translation>
    </message>
    <message>
        <source>Double click on a time and show who!</source>
        <translation>Clique duplo num horário para ver quem pode!</translation>
    </message>
    <message>
        <source>Announce…</source>
        <translation>Anunciar…</translation>
    </message>
    <message>
        <source>Tell the chosen members when the match is, each in their own time</source>
        <translation>Avisar os membros escolhidos quando é a partida, cada um no próprio horário</translation>
    </message>
    <message>
        <source>Plan Match…</source>
        <translation>Marcar partida…</translation>
    </message>
    <message>
        <source>Invite the chosen members to a match at this time and collect their answers on the Matches tab</source>
        <translation>Convidar os membros escolhidos para uma partida neste horário e juntar as respostas na aba Partidas</translation>
    </message>
    <message>
        <source>Match plan</source>
        <translation>Plano da partida</translation>
    </message>
    <message>
        <source>Match length</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440; empty or 1 for a single moment</source>
        <translation>Minutos, de 15 a 1440; vazio ou 1 para um único instante</translation>
    </message>
    <message>
        <source>Minimum players</source>
        <translation>Mín. de jogadores</translation>
    </message>
    <message>
        <source>How many must be able to play at least</source>
        <translation>Quantos, no mínimo, precisam poder jogar</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obrigatório</translation>
    </message>
    <message>
        <source>Mark or unmark the highlighted members as required</source>
        <translation>Marcar ou desmarcar os membros selecionados como obrigatórios</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Nobody required</source>
        <translation>Ninguém obrigatório</translation>
    </message>
    <message>
        <source>You must Select Member(s) from the list!</source>
        <translation>Escolha membros da lista!</translation>
    </message>
    <message>
        <source>Select members to see their week.</source>
        <translation>Escolha membros para ver a semana deles.</translation>
    </message>
    <message>
        <source>Required: %1</source>
        <translation>Obrigatórios: %1</translation>
    </message>
</context>
<context>
    <name>SignupPage</name>
    <message>
        <source>Monday</source>
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Sexta-feira</translation>
    </message>
    <message>
        <source>Saturday / Sunday</source>
        <translation>Sábado / Domingo</translation>
    </message>
    <message>
        <source>slot 1 start</source>
        <translation>horário 1 início</translation>
    </message>
    <message>
        <source>slot 1 end</source>
        <translation>horário 1 fim</translation>
    </message>
    <message>
        <source>slot 2 start</source>
        <translation>horário 2 início</translation>
    </message>
    <message>
        <source>slot 2 end</source>
        <translation>horário 2 fim</translation>
    </message>
    <message>
        <source>Away dates and one-off changes</source>
        <translation>Ausências e mudanças pontuais</translation>
    </message>
    <message>
        <source>Dates you cannot play, or play other times than your week, in your own time zone. Add keeps each at once; Save above keeps only your week.</source>
        <translation>Datas em que você não pode jogar, ou joga em outros horários que não os da sua semana, no seu próprio fuso horário. Adicionar salva cada uma na hora; Salvar, lá em cima, salva só a sua semana.</translation>
    </message>
    <message>
        <source>Added.</source>
        <translation>Adicionado.</translation>
    </message>
    <message>
        <source>Removed.</source>
        <translation>Removido.</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Nenhuma.</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remover %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Add a change</source>
        <translation>Adicionar uma mudança</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Primeira data</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Última data</translation>
    </message>
    <message>
        <source>Leave the last date empty for one day.</source>
        <translation>Deixe a última data vazia para um dia só.</translation>
    </message>
    <message>
        <source>On those dates</source>
        <translation>Nessas datas</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>These times instead</source>
        <translation>Estes horários no lugar</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>and from</source>
        <translation>e de</translation>
    </message>
    <message>
        <source>Instead %1</source>
        <translation>Em vez disso, %1</translation>
    </message>
    <message>
        <source>to</source>
        <translation>até</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>holiday, exams</source>
        <translation>férias, provas</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
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
        <translation>Sim</translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation>Talvez</translation>
    </message>
    <message>
        <source>Late</source>
        <translation>Atrasado</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n said yes</source>
        <translation>
            <numerusform>%1 de %n confirmou</numerusform>
            <numerusform>%1 de %n confirmaram</numerusform>
        </translation>
    </message>
    <message>
        <source>This match was cancelled. It can no longer be answered.</source>
        <translation>Esta partida foi cancelada. Não dá mais para responder.</translation>
    </message>
    <message>
        <source>This match has started. It can no longer be answered.</source>
        <translation>Esta partida já começou. Não dá mais para responder.</translation>
    </message>
    <message>
        <source>You have not answered yet.</source>
        <translation>Você ainda não respondeu.</translation>
    </message>
    <message>
        <source>Your answer: %1</source>
        <translation>Sua resposta: %1</translation>
    </message>
    <message>
        <source>Answer saved.</source>
        <translation>Resposta salva.</translation>
    </message>
    <message>
        <source>Note for the leader (optional; sent with the answer you pick)</source>
        <translation>Nota para o líder (opcional; vai junto com a resposta que você escolher)</translation>
    </message>
    <message>
        <source>Answer for %1</source>
        <translation>Resposta para %1</translation>
    </message>
    <message>
        <source>Your matches</source>
        <translation>Suas partidas</translation>
    </message>
    <message>
        <source>Times in your time zone (%1).</source>
        <translation>Horários no seu fuso horário (%1).</translation>
    </message>
    <message>
        <source>Times in the leader&apos;s time zone (%1) until you choose yours above.</source>
        <translation>Horários no fuso horário do líder (%1) até você escolher o seu acima.</translation>
    </message>
    <message>
        <source>No matches planned for you.</source>
        <translation>Nenhuma partida marcada para você.</translation>
    </message>
    <message>
        <source>In your calendar</source>
        <translation>No seu calendário</translation>
    </message>
    <message>
        <source>Subscribe once and your calendar app keeps your matches and their changes. Like this page&apos;s link, the address is yours alone.</source>
        <translation>Assine uma vez e o app de calendário mantém suas partidas e as mudanças delas em dia. Como o link desta página, o endereço é só seu.</translation>
    </message>
    <message>
        <source>Subscribe to your matches</source>
        <translation>Assinar suas partidas</translation>
    </message>
    <message>
        <source>Or add this address to your calendar (Google Calendar: Other calendars, From URL)</source>
        <translation>Ou adicione este endereço ao seu calendário (Google Agenda: Outras agendas, Do URL)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Your week - Tallyhold</source>
        <translation>Sua semana - Tallyhold</translation>
    </message>
    <message>
        <source>Your week</source>
        <translation>Sua semana</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nome do jogador</translation>
    </message>
    <message>
        <source>Clan / Division</source>
        <translation>Clã / Divisão</translation>
    </message>
    <message>
        <source>A match waits for your answer</source>
        <translation>Uma partida espera sua resposta</translation>
    </message>
    <message numerus="yes">
        <source>%n matches wait for your answer</source>
        <translation>
            <numerusform>%n partida espera sua resposta</numerusform>
            <numerusform>%n partidas esperam sua resposta</numerusform>
        </translation>
    </message>
    <message>
        <source>Your matches (%1)</source>
        <translation>Suas partidas (%1)</translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation>Salvo.</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>Type or pick the times in your own time zone. Each day takes one or two times you can play; leave the second empty if you need only one.</source>
        <translation>Digite ou escolha os horários no seu próprio fuso horário. Cada dia aceita um ou dois horários em que você pode jogar; deixe o segundo vazio se precisar de só um.</translation>
    </message>
    <message>
        <source>Saved, in the leader&apos;s time (%1): %2</source>
        <translation>Salvo, no horário do líder (%1): %2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Last saved by you: %1 GMT</source>
        <translation>Salvo por você pela última vez: %1 GMT</translation>
    </message>
</context>
<context>
    <name>SignupServer</name>
    <message>
        <source>Too many tries</source>
        <translation>Tentativas demais</translation>
    </message>
    <message>
        <source>Wait a few minutes, then open your link again.</source>
        <translation>Espere alguns minutos e abra seu link de novo.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Não encontrado</translation>
    </message>
    <message>
        <source>Too large</source>
        <translation>Grande demais</translation>
    </message>
    <message>
        <source>Not understood</source>
        <translation>Não entendido</translation>
    </message>
    <message>
        <source>Open the link you were given.</source>
        <translation>Abra o link que você recebeu.</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Não salvo</translation>
    </message>
    <message>
        <source>The roster cannot be reached just now. Nothing was changed; try again later.</source>
        <translation>O elenco não pode ser acessado agora. Nada foi alterado; tente de novo mais tarde.</translation>
    </message>
    <message>
        <source>This link is no longer valid</source>
        <translation>Este link não vale mais</translation>
    </message>
    <message>
        <source>Ask your clan leader for a new link.</source>
        <translation>Peça um link novo ao líder do seu clã.</translation>
    </message>
    <message>
        <source>This page is out of date. Open your link again and save again.</source>
        <translation>Esta página está desatualizada. Abra seu link de novo e salve outra vez.</translation>
    </message>
</context>
<context>
    <name>TimeEntryField</name>
    <message>
        <source>Data Format Error</source>
        <translation>Erro de formato</translation>
    </message>
    <message>
        <source>This field must be in a valid date format!  MM/DD/YYYY</source>
        <translation>Este campo precisa de uma data válida!  MM/DD/AAAA</translation>
    </message>
    <message>
        <source>This field must be in a valid time format!  HH:MM AM/PM</source>
        <translation>Este campo precisa de uma hora válida!  HH:MM</translation>
    </message>
</context>
<context>
    <name>WeekAvailability</name>
    <message>
        <source>No time suits all required players</source>
        <translation>Nenhum horário serve para todos os jogadores obrigatórios</translation>
    </message>
    <message>
        <source>No time suits all required players for %1 minutes</source>
        <translation>Nenhum horário serve para todos os jogadores obrigatórios por %1 minutos</translation>
    </message>
    <message>
        <source>No time suits any player</source>
        <translation>Nenhum horário serve para jogador algum</translation>
    </message>
    <message>
        <source>No time suits any player for %1 minutes</source>
        <translation>Nenhum horário serve para jogador algum por %1 minutos</translation>
    </message>
    <message>
        <source>No time suits at least %1 players</source>
        <translation>Nenhum horário serve para pelo menos %1 jogadores</translation>
    </message>
    <message>
        <source>No time suits at least %1 players for %2 minutes</source>
        <translation>Nenhum horário serve para pelo menos %1 jogadores por %2 minutos</translation>
    </message>
    <message>
        <source>No time suits all required and at least %1 players</source>
        <translation>Nenhum horário serve para todos os obrigatórios e pelo menos %1 jogadores</translation>
    </message>
    <message>
        <source>No time suits all required and at least %1 players for %2 minutes</source>
        <translation>Nenhum horário serve para todos os obrigatórios e pelo menos %1 jogadores por %2 minutos</translation>
    </message>
    <message>
        <source>Your clock skips that time that day: the clocks go forward</source>
        <translation>Seu relógio pula esse horário nesse dia: o relógio é adiantado</translation>
    </message>
    <message>
        <source>Not all required players can play from then</source>
        <translation>Nem todos os jogadores obrigatórios podem jogar a partir desse horário</translation>
    </message>
    <message>
        <source>Not all required players can play for %1 minutes from then</source>
        <translation>Nem todos os jogadores obrigatórios podem jogar %1 minutos a partir desse horário</translation>
    </message>
    <message>
        <source>Fewer than %1 players can play from then</source>
        <translation>Menos de %1 jogadores podem jogar a partir desse horário</translation>
    </message>
    <message>
        <source>Fewer than %1 players can play for %2 minutes from then</source>
        <translation>Menos de %1 jogadores podem jogar %2 minutos a partir desse horário</translation>
    </message>
</context>
<context>
    <name>WeekHeatmap</name>
    <message>
        <source>Week heatmap</source>
        <translation>Mapa da semana</translation>
    </message>
    <message>
        <source>Click a time and show who!</source>
        <translation>Clique num horário para ver quem pode!</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>plan not met</source>
        <translation>plano não atendido</translation>
    </message>
    <message>
        <source>Select members to see their week.</source>
        <translation>Escolha membros para ver a semana deles.</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 jogador</translation>
    </message>
    <message>
        <source>%1 %2: %3 of %4</source>
        <translation>%1 %2: %3 de %4</translation>
    </message>
    <message>
        <source>, plan not met</source>
        <translation>, plano não atendido</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Seg</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Ter</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Qua</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Sex</translation>
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
            <numerusform>%n jogador</numerusform>
            <numerusform>%n jogadores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Darker: more of the %n players can play. Click a time to see who.</source>
        <translation>
            <numerusform>Mais escuro: mais dos %n jogadores podem jogar. Clique num horário para ver quem.</numerusform>
            <numerusform>Mais escuro: mais dos %n jogadores podem jogar. Clique num horário para ver quem.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> e mais %n</numerusform>
            <numerusform> e mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ZoneStore</name>
    <message>
        <source>The time zone was not added.</source>
        <translation>O fuso horário não foi adicionado.</translation>
    </message>
    <message>
        <source>The file&apos;s time zone %1 could not be added, so nothing was imported.</source>
        <translation>Não foi possível adicionar o fuso horário %1 do arquivo, então nada foi importado.</translation>
    </message>
    <message>
        <source>No zone key is left: the greatest zone key is already %1. %2</source>
        <translation>Não há mais chaves de fuso livres: a maior chave de fuso já é %1. %2</translation>
    </message>
    <message>
        <source>The following Members are located in this Time Zone: 
%1You will need to remove/update these members before this Time Zone can be deleted!</source>
        <translation>Os seguintes membros estão neste fuso horário: 
%1Você precisa remover/atualizar esses membros antes de excluir este fuso horário!</translation>
    </message>
    <message>
        <source>Time Zone Name must be non blank!</source>
        <translation>O nome do fuso não pode ficar em branco!</translation>
    </message>
    <message>
        <source>%1 is not a real time zone known to this computer (such as America/New_York).</source>
        <translation>%1 não é um fuso horário real conhecido por este computador (como America/New_York).</translation>
    </message>
    <message>
        <source>GMT Offset must be numeric!</source>
        <translation>A diferença do GMT deve ser numérica!</translation>
    </message>
</context>
<context>
    <name>cTimeFuncs</name>
    <message>
        <source>The time zone %1 has no usable GMT offset (&quot;%2&quot;).</source>
        <translation>O fuso horário %1 não tem uma diferença do GMT utilizável (&quot;%2&quot;).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid time.</source>
        <translation>&quot;%1&quot; não é uma hora válida.</translation>
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
        <translation>Duração</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440</source>
        <translation>Minutos, de 15 a 1440</translation>
    </message>
    <message>
        <source>Announcement</source>
        <translation>Anúncio</translation>
    </message>
    <message>
        <source>Edit the text before copying or sending it</source>
        <translation>Edite o texto antes de copiar ou enviar</translation>
    </message>
    <message>
        <source>Copy text</source>
        <translation>Copiar texto</translation>
    </message>
    <message>
        <source>Copy Discord line</source>
        <translation>Copiar linha do Discord</translation>
    </message>
    <message>
        <source>Discord shows the start in each reader&apos;s own time</source>
        <translation>O Discord mostra o início no horário de cada leitor</translation>
    </message>
    <message>
        <source>Save invitation…</source>
        <translation>Salvar convite…</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>A message to those who can play, in your mail program</source>
        <translation>Uma mensagem para quem pode jogar, no seu programa de e-mail</translation>
    </message>
    <message>
        <source>Length (minutes)</source>
        <translation>Duração (minutos)</translation>
    </message>
    <message>
        <source>Save Invitation</source>
        <translation>Salvar convite</translation>
    </message>
    <message>
        <source>Calendar invitation (*.ics)|*.ics</source>
        <translation>Convite de calendário (*.ics)|*.ics</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 já existe. Substituir?</translation>
    </message>
    <message>
        <source>None of the members who can play has an e-mail address.</source>
        <translation>Nenhum dos membros que podem jogar tem endereço de e-mail.</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Não foi possível abrir um programa de e-mail para a mensagem.</translation>
    </message>
    <message>
        <source>No e-mail (left out of the invitation): %1</source>
        <translation>Sem e-mail (fora do convite): %1</translation>
    </message>
</context>
<context>
    <name>frmAttendance</name>
    <message>
        <source>Attendance: %1</source>
        <translation>Presença: %1</translation>
    </message>
    <message>
        <source>Who came</source>
        <translation>Quem compareceu</translation>
    </message>
    <message>
        <source>Tick everyone who played; Space ticks the highlighted player</source>
        <translation>Marque todos que jogaram; Espaço marca o jogador selecionado</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sem resposta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>said %1</source>
        <translation>disse %1</translation>
    </message>
</context>
<context>
    <name>frmMemberChanges</name>
    <message>
        <source>Dates and times are on %1&apos;s own clock.</source>
        <translation>Datas e horários no relógio do próprio %1.</translation>
    </message>
    <message>
        <source>Dates and times are on %1&apos;s own clock (%2).</source>
        <translation>Datas e horários no relógio do próprio %1 (%2).</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Mudanças</translation>
    </message>
    <message>
        <source>Dates away and days played at other times than the week; double click to edit</source>
        <translation>Ausências e dias jogados em outros horários que não os da semana; clique duplo para editar</translation>
    </message>
    <message>
        <source>Show past changes</source>
        <translation>Mostrar mudanças passadas</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add change</source>
        <translation>Adicionar mudança</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit change</source>
        <translation>Editar mudança</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove change</source>
        <translation>Remover mudança</translation>
    </message>
    <message>
        <source>First date</source>
        <translation>Primeira data</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/DD/AAAA</translation>
    </message>
    <message>
        <source>Last date</source>
        <translation>Última data</translation>
    </message>
    <message>
        <source>MM/DD/YYYY; empty for the first date alone</source>
        <translation>MM/DD/AAAA; vazio para só a primeira data</translation>
    </message>
    <message>
        <source>same day</source>
        <translation>mesmo dia</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausente</translation>
    </message>
    <message>
        <source>Not listed on these dates at any time</source>
        <translation>Fora das listas nessas datas, em qualquer horário</translation>
    </message>
    <message>
        <source>These times instead</source>
        <translation>Estes horários no lugar</translation>
    </message>
    <message>
        <source>Plays these times on each of the dates instead of the week&apos;s</source>
        <translation>Joga nestes horários em cada uma das datas, no lugar dos da semana</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Why, in a few words: holiday, exams</source>
        <translation>O motivo, em poucas palavras: férias, provas</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save change</source>
        <translation>Salvar mudança</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancel change</source>
        <translation>Descartar mudança</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>to</source>
        <translation>até</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datas</translation>
    </message>
    <message>
        <source>No changes: %1 plays the week as it stands. Add one for dates away or played otherwise.</source>
        <translation>Nenhuma mudança: %1 joga a semana como está. Adicione uma para ausências ou outros horários.</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Erro de seleção</translation>
    </message>
    <message>
        <source>You must first highlight a change!</source>
        <translation>Selecione uma mudança primeiro!</translation>
    </message>
    <message>
        <source>New change</source>
        <translation>Nova mudança</translation>
    </message>
    <message>
        <source>Change (choose Add or Edit)</source>
        <translation>Mudança (escolha Adicionar ou Editar)</translation>
    </message>
    <message>
        <source>Away / Changes - %1</source>
        <translation>Ausências / Mudanças - %1</translation>
    </message>
    <message>
        <source>Slot 1 start</source>
        <translation>Horário 1 início</translation>
    </message>
    <message>
        <source>Slot 1 end</source>
        <translation>Horário 1 fim</translation>
    </message>
    <message>
        <source>Slot 2 start</source>
        <translation>Horário 2 início</translation>
    </message>
    <message>
        <source>Slot 2 end</source>
        <translation>Horário 2 fim</translation>
    </message>
    <message>
        <source>Edit change of %1</source>
        <translation>Editar mudança de %1</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Remover %1?</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Best Times Granularity</source>
        <translation>Grade dos melhores horários</translation>
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
        <translation>Desativar caixas de confirmação</translation>
    </message>
    <message>
        <source>Max Return on Show Best Times</source>
        <translation>Máx. de resultados em Melhores horários</translation>
    </message>
    <message>
        <source>Your Information</source>
        <translation>Seus dados</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>EMail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Your Time Zone</source>
        <translation>Seu fuso horário</translation>
    </message>
    <message>
        <source>Apply DST</source>
        <translation>Aplicar horário de verão</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>Horário de verão</translation>
    </message>
    <message>
        <source>Save Settings</source>
        <translation>Salvar configurações</translation>
    </message>
    <message>
        <source>Restore Settings</source>
        <translation>Restaurar configurações</translation>
    </message>
    <message>
        <source>Cancel / Exit</source>
        <translation>Cancelar / Sair</translation>
    </message>
    <message>
        <source>Your zone&apos;s real time zone is on daylight saving time today</source>
        <translation>O fuso real da sua zona está em horário de verão hoje</translation>
    </message>
    <message>
        <source>Your zone&apos;s real time zone is on standard time today</source>
        <translation>O fuso real da sua zona está em horário padrão hoje</translation>
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
        <translation>Relógio</translation>
    </message>
    <message>
        <source>As the language has it</source>
        <translation>Conforme o idioma</translation>
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
        <translation>O idioma e o relógio mudam na próxima vez que o Tallyhold for aberto.</translation>
    </message>
</context>
<context>
    <name>frmPlanMatch</name>
    <message>
        <source>Plan Match</source>
        <translation>Marcar partida</translation>
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
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>on your clock (%1)</source>
        <translation>no seu relógio (%1)</translation>
    </message>
    <message>
        <source>Length (minutes)</source>
        <translation>Duração (minutos)</translation>
    </message>
    <message>
        <source>Minutes, 15 to 1440</source>
        <translation>Minutos, de 15 a 1440</translation>
    </message>
    <message>
        <source>Minimum players</source>
        <translation>Mín. de jogadores</translation>
    </message>
    <message>
        <source>How many must say yes for the match to go ahead</source>
        <translation>Quantos precisam confirmar para a partida acontecer</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Tick who is invited and who must play; Space ticks the highlighted box</source>
        <translation>Marque quem é convidado e quem precisa jogar; Espaço marca a caixa selecionada</translation>
    </message>
    <message>
        <source>Invited players</source>
        <translation>Jogadores convidados</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obrigatório</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Shown with the match in every player&apos;s calendar</source>
        <translation>Aparece com a partida no calendário de cada jogador</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>%1 invited, %2 required</source>
        <translation>%1 convidados, %2 obrigatórios</translation>
    </message>
    <message>
        <source>Moving the match or changing its length sets every answer back to no answer; the players are asked again. Save it?</source>
        <translation>Mudar a partida de horário ou a duração dela volta todas as respostas para sem resposta; os jogadores serão consultados de novo. Salvar?</translation>
    </message>
    <message>
        <source>Required: %1</source>
        <translation>Obrigatórios: %1</translation>
    </message>
</context>
<context>
    <name>frmReminder</name>
    <message>
        <source>Reminder: %1</source>
        <translation>Lembrete: %1</translation>
    </message>
    <message>
        <source>Everyone has answered.</source>
        <translation>Todos já responderam.</translation>
    </message>
    <message>
        <source>Discord message</source>
        <translation>Mensagem do Discord</translation>
    </message>
    <message>
        <source>Discord shows the start in each reader&apos;s own time</source>
        <translation>O Discord mostra o início no horário de cada leitor</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy Discord message</source>
        <translation>Copiar mensagem do Discord</translation>
    </message>
    <message>
        <source>E-mail link</source>
        <translation>Link de e-mail</translation>
    </message>
    <message>
        <source>A mailto link to those who have not answered</source>
        <translation>Um link mailto para quem ainda não respondeu</translation>
    </message>
    <message>
        <source>Copy e-mail link</source>
        <translation>Copiar link de e-mail</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>The reminder in your mail program</source>
        <translation>O lembrete no seu programa de e-mail</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Não foi possível abrir um programa de e-mail para a mensagem.</translation>
    </message>
    <message>
        <source>Not answered yet: %1</source>
        <translation>Ainda sem resposta: %1</translation>
    </message>
    <message>
        <source>No e-mail (left out of the link): %1</source>
        <translation>Sem e-mail (fora do link): %1</translation>
    </message>
</context>
<context>
    <name>frmSignupLinks</name>
    <message>
        <source>Server Address</source>
        <translation>Endereço do servidor</translation>
    </message>
    <message>
        <source>Where members reach tallyhold-web, such as https://roster.example.org</source>
        <translation>Onde os membros acessam o tallyhold-web, como https://roster.example.org</translation>
    </message>
    <message>
        <source>Make Link</source>
        <translation>Criar link</translation>
    </message>
    <message>
        <source>A new private link for this member, valid for 60 days</source>
        <translation>Um novo link privado para este membro, válido por 60 dias</translation>
    </message>
    <message>
        <source>New Link</source>
        <translation>Novo link</translation>
    </message>
    <message>
        <source>Shown once: the roster keeps only a hash of it</source>
        <translation>Mostrado uma vez só: o elenco guarda só um hash dele</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>A message with the link, in your mail program</source>
        <translation>Uma mensagem com o link, no seu programa de e-mail</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revogar</translation>
    </message>
    <message>
        <source>The member can no longer use the selected link</source>
        <translation>O membro não poderá mais usar o link selecionado</translation>
    </message>
    <message>
        <source>Links to this address open only on this computer. Give the address at which members reach tallyhold-web.</source>
        <translation>Links para este endereço só abrem neste computador. Informe o endereço em que os membros acessam o tallyhold-web.</translation>
    </message>
    <message>
        <source>Links to this address open only on your local network, not for members elsewhere.</source>
        <translation>Links para este endereço só abrem na sua rede local, não para membros em outros lugares.</translation>
    </message>
    <message>
        <source>Server Address note</source>
        <translation>Aviso sobre o endereço do servidor</translation>
    </message>
    <message>
        <source>Made %1 - %2</source>
        <translation>Criado %1 - %2</translation>
    </message>
    <message>
        <source>Your week for the clan</source>
        <translation>Sua semana no clã</translation>
    </message>
    <message>
        <source>Hi %1,

Please set the times you can play on your own page (keep the link to yourself):
%2
</source>
        <translation>Oi, %1,

Defina os horários em que você pode jogar na sua própria página (não passe o link para ninguém):
%2
</translation>
    </message>
    <message>
        <source>No mail program could be opened for the message.</source>
        <translation>Não foi possível abrir um programa de e-mail para a mensagem.</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Erro de seleção</translation>
    </message>
    <message>
        <source>You must first highlight a link!</source>
        <translation>Selecione um link primeiro!</translation>
    </message>
    <message>
        <source>Revoke this link? %1 can no longer use it.</source>
        <translation>Revogar este link? %1 não poderá mais usá-lo.</translation>
    </message>
    <message>
        <source>Sign-up Links - %1</source>
        <translation>Links de inscrição - %1</translation>
    </message>
</context>
<context>
    <name>frmTZEdit</name>
    <message>
        <source>Time Zone Edits</source>
        <translation>Editar fusos horários</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>Fusos horários</translation>
    </message>
    <message>
        <source>TZ Name</source>
        <translation>Nome do fuso</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>GMT Offset</source>
        <translation>Diferença do GMT</translation>
    </message>
    <message>
        <source>Minutes to add to the local time to get GMT, such as 300 for Eastern or -60 for Central Europe</source>
        <translation>Minutos a somar à hora local para obter o GMT, como 300 para Eastern ou -60 para a Europa Central</translation>
    </message>
    <message>
        <source>Apply Daylight Savings Time</source>
        <translation>Aplicar horário de verão</translation>
    </message>
    <message>
        <source>Real Time Zone</source>
        <translation>Fuso horário real</translation>
    </message>
    <message>
        <source>Where the zone&apos;s clock is, so daylight saving follows the date; type to search</source>
        <translation>Onde fica o relógio do fuso, para o horário de verão seguir a data; digite para buscar</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>New Time Zone</source>
        <translation>Novo fuso horário</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Selection Error</source>
        <translation>Erro de seleção</translation>
    </message>
    <message>
        <source>You must first highlight a Time Zone!</source>
        <translation>Selecione um fuso horário primeiro!</translation>
    </message>
    <message>
        <source>%1 has no summer time: its clock never changes.</source>
        <translation>%1 não tem horário de verão: o relógio nunca muda.</translation>
    </message>
    <message>
        <source> Members in Britain or Ireland need a zone with Europe/London or Europe/Dublin: type London above.</source>
        <translation> Membros no Reino Unido ou na Irlanda precisam de um fuso com Europe/London ou Europe/Dublin: digite London acima.</translation>
    </message>
    <message>
        <source>Real Time Zone note</source>
        <translation>Aviso sobre o fuso horário real</translation>
    </message>
    <message>
        <source>Update %1?</source>
        <translation>Atualizar %1?</translation>
    </message>
    <message>
        <source>Add %1?</source>
        <translation>Adicionar %1?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>Excluir %1?</translation>
    </message>
</context>
<context>
    <name>frmTallyhold</name>
    <message>
        <source>Tallyhold tabs</source>
        <translation>Abas do Tallyhold</translation>
    </message>
    <message>
        <source>Members Info</source>
        <translation>Info dos membros</translation>
    </message>
    <message>
        <source>Add / Edit Members</source>
        <translation>Editar membros</translation>
    </message>
    <message>
        <source>Clans / Divisions</source>
        <translation>Clãs / Divisões</translation>
    </message>
    <message>
        <source>Scheduling</source>
        <translation>Agenda</translation>
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
        <translation>Progresso</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open &amp;Shared Roster…</source>
        <translation>Abrir elenco &amp;compartilhado…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>Time &amp;Zone Edits</source>
        <translation>Editar &amp;fusos horários</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Tallyhold &amp;Help</source>
        <translation>&amp;Ajuda do Tallyhold</translation>
    </message>
    <message>
        <source>&amp;About Tallyhold</source>
        <translation>&amp;Sobre o Tallyhold</translation>
    </message>
    <message>
        <source>No clans yet: add one on Clans / Divisions, then add members on Add / Edit Members. Your own time zone, in which times are shown, is set in Tools › Options.</source>
        <translation>Nenhum clã ainda: adicione um em Clãs / Divisões e depois adicione membros em Editar membros. O seu próprio fuso horário, em que os horários aparecem, fica em Ferramentas › Opções.</translation>
    </message>
    <message>
        <source>No members listed yet: add them on Add / Edit Members (members of hidden clans are not listed)</source>
        <translation>Nenhum membro na lista ainda: adicione em Editar membros (membros de clãs ocultos não aparecem na lista)</translation>
    </message>
    <message>
        <source>No clans to export yet: add one on Clans / Divisions</source>
        <translation>Nenhum clã para exportar ainda: adicione um em Clãs / Divisões</translation>
    </message>
    <message>
        <source>Open Shared Roster</source>
        <translation>Abrir elenco compartilhado</translation>
    </message>
    <message>
        <source>Address of the shared roster (postgresql://user@host[:port]/dbname).
The password comes from ~/.pgpass or PGPASSWORD, or is asked for.</source>
        <translation>Endereço do elenco compartilhado (postgresql://usuario@host[:porta]/banco).
A senha vem de ~/.pgpass ou PGPASSWORD, ou é pedida.</translation>
    </message>
    <message>
        <source>A shared roster&apos;s address starts with postgresql://</source>
        <translation>O endereço de um elenco compartilhado começa com postgresql://</translation>
    </message>
    <message>
        <source>About Tallyhold</source>
        <translation>Sobre o Tallyhold</translation>
    </message>
    <message>
        <source>Nobody to choose from. %1</source>
        <translation>Ninguém para escolher. %1</translation>
    </message>
    <message>
        <source>Tallyhold %1

Keeps a clan&apos;s roster and finds when to play.

Licence: GNU General Public License, version 3 or later

Roster: %2

Languages: %3</source>
        <translation>Tallyhold %1

Cuida do elenco de um clã e descobre quando dá para jogar.

Licença: GNU General Public License, versão 3 ou posterior

Elenco: %2

Idiomas: %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Roster In Use</source>
        <translation>Elenco em uso</translation>
    </message>
</context>
</TS>
