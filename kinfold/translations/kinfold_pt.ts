<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation>nenhuma senha para %1 (nenhuma no chaveiro; informe-a com --sync --password-stdin)</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation>--add-account precisa de --user NAME</translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation>--add-account precisa do endereço do servidor</translation>
    </message>
    <message>
        <source>--user goes with --add-account</source>
        <translation>--user acompanha --add-account</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>only one document can be synced (got %1)</source>
        <translation>só um documento pode ser sincronizado (recebido %1)</translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation>--remove-account: “%1” não é um número de conta (veja kinfold --accounts)</translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation>%1; a conta não foi adicionada</translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation>nenhum catálogo de endereços em %1 e nada a publicar; a conta não foi adicionada</translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation>%1 já é a conta %2</translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation>a senha não foi guardada (%1); informe-a a cada sincronização com --sync --password-stdin</translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation>conta %1: %2, 1 catálogo de endereços</translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation>
            <numerusform>conta %1: %2, %n catálogo de endereços</numerusform>
            <numerusform>conta %1: %2, %n catálogos de endereços</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation>, publica em “Birthdays”</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>todos os catálogos de endereços</translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation>--remove-account: não existe a conta %1 (veja kinfold --accounts)</translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation>conta %1 (%2) removida</translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation>não há nenhuma conta para sincronizar (adicione uma com --add-account)</translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation>%1: 1 cartão não pôde ser lido e foi deixado de fora</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation>
            <numerusform>%1: %n cartão não pôde ser lido e foi deixado de fora</numerusform>
            <numerusform>%1: %n cartões não puderam ser lidos e foram deixados de fora</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation>
            <numerusform>%n catálogo de endereços</numerusform>
            <numerusform>%n catálogos de endereços</numerusform>
        </translation>
    </message>
    <message>
        <source>--add-account: the address must not hold the password; give it on standard input</source>
        <translation>--add-account: o endereço não deve conter a senha; informe-a pela entrada padrão</translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation>%1 não é um arquivo GEDCOM (“0 HEAD”) nem um arquivo vCard (“BEGIN:VCARD”).</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>O arquivo</translation>
    </message>
</context>
<context>
    <name>BirthdayList</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Formato de arquivo inesperado.</translation>
    </message>
</context>
<context>
    <name>CAccountEditDlg</name>
    <message>
        <source>Add Account</source>
        <translation>Adicionar conta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar conta</translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation>O endereço do servidor (https://dav.example.org/) ou o endereço de um catálogo de endereços.</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inalterada</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Guardada no chaveiro da área de trabalho, nunca em um arquivo.</translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation>Publicar os aniversários no calendário “Birthdays”</translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation>Os catálogos de endereços lidos; quando todos estão marcados, os novos também são lidos.</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Encontrar catálogos de endereços</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome de &amp;usuário:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Se&amp;nha:</translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation>Catálogos de endereços:</translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation>Informe o endereço do servidor e seu nome de usuário.</translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation>(nenhum catálogo de endereços neste servidor)</translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation>Marque um catálogo de endereços ou publique os aniversários.</translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation>A senha não pode ser guardada: %1. O Kinfold vai pedi-la a cada sincronização.</translation>
    </message>
    <message>
        <source>Please take the password out of the server&apos;s address and give it under Password.</source>
        <translation>Retire a senha do endereço do servidor e informe-a em Senha.</translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation>Contas</translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation>Catálogos de endereços lidos na lista e calendários onde os aniversários são publicados.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Adicionar…</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation>Remover a conta %1? As entradas que ela trouxe ficam na lista.</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>todos os catálogos de endereços</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation>
            <numerusform>%n catálogo de endereços</numerusform>
            <numerusform>%n catálogos de endereços</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation>, publica “Birthdays”</translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation>Ainda não há nenhuma conta: adicione uma em Arquivo &gt; Contas…</translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation>Sincronizando com as contas…</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>O servidor recusou a senha de %1. Senha:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Senha de %1:</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar agora</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%1: %n cartão não pôde ser lido e foi deixado de fora.</numerusform>
            <numerusform>%1: %n cartões não puderam ser lidos e foram deixados de fora.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation>A sincronização falhou</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Sincronizado: %1</translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation>A sincronização não terminou; a lista mantém o que foi lido, e a próxima sincronização continua daí.</translation>
    </message>
</context>
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>Editar aniversário</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>Escolha o tipo de entrada.</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>Excluir esta entrada</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>Remover esta entrada.</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>Texto exibido</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation>Nome de uma pessoa</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>Aniversário de uma pessoa</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>Casal (Joe+Mary) data do casamento</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>Nota (médico às 16h) data exibida</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Birth year.</source>
        <translation>Ano de nascimento.</translation>
    </message>
    <message>
        <source>Birth month.</source>
        <translation>Mês de nascimento.</translation>
    </message>
    <message>
        <source>Birth day of month.</source>
        <translation>Dia de nascimento no mês.</translation>
    </message>
    <message>
        <source>Marriage year.</source>
        <translation>Ano do casamento.</translation>
    </message>
    <message>
        <source>Marriage month.</source>
        <translation>Mês do casamento.</translation>
    </message>
    <message>
        <source>Marriage day of month.</source>
        <translation>Dia do casamento no mês.</translation>
    </message>
    <message>
        <source>Death year.</source>
        <translation>Ano do falecimento.</translation>
    </message>
    <message>
        <source>Death month.</source>
        <translation>Mês do falecimento.</translation>
    </message>
    <message>
        <source>Death day of month.</source>
        <translation>Dia do falecimento no mês.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Nascimento</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Casamento</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Falecimento</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>CBirthdayNamesDlg</name>
    <message>
        <source>Birthday Names</source>
        <translation>Lista de aniversários</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>A lista de aniversários.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation>Modificar a entrada.</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>Excluir a entrada selecionada.</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>Criar uma nova entrada.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation>Mostrar apenas as entradas cujo texto ou data contém estes caracteres.</translation>
    </message>
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation>Uma data desta entrada não pode existir: corrija-a com Editar.</translation>
    </message>
</context>
<context>
    <name>CCountrySetDlg</name>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>The public holidays of which country.</source>
        <translation>Os feriados de qual país.</translation>
    </message>
    <message>
        <source>Please choose a country.</source>
        <translation>Escolha um país.</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>Digitar data</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Set desired year, do not abbreviate.</source>
        <translation>Digite o ano desejado, sem abreviar.</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>Digite o número do mês (1-12).</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>Digite o dia do mês (1-31).</translation>
    </message>
</context>
<context>
    <name>CExportCalendarDlg</name>
    <message>
        <source>Export Calendar</source>
        <translation>Exportar calendário</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Incluir</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Aniversários</translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation>Os aniversários das pessoas da lista.</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Bodas</translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation>Os aniversários de casamento dos casais (“Bodas” no calendário).</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation>As notas datadas (“Notas” no calendário).</translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation>Aniversários após a data do falecimento</translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation>Desligado: um aniversário termina na data do falecimento (“Falecidos” no calendário).</translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation>Lembretes como alarmes</translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation>Um alarme por dia de antecedência dos lembretes, no horário deles.</translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation>1 evento; %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation>
            <numerusform>%n evento; %1.</numerusform>
            <numerusform>%n eventos; %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>Cor…</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation>Editar feriado</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation>Por exemplo, Natal.</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>Definição legal.</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>Sexta-feira Santa -2, segunda-feira de Páscoa 1, Ascensão 39, segunda-feira de Pentecostes 50.</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>Como o Reino Unido observa o Natal e o Boxing Day.</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>Escolha o mês.</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>Escolha a semana (1ª a última).</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>Escolha o dia da semana.</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>Um número é esperado aqui.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Dia da semana</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Ocidental</translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation>Ortodoxa</translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation>A Páscoa de quais igrejas.</translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation>Dias após o Domingo de Páscoa, ou antes se negativo.</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>O único ano em que o feriado é observado.</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>Se a data cair neste dia da semana, a própria data.</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Páscoa</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>Dias a partir da Páscoa</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation>A própria data em</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Data fixa</translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation>Dia da semana fixo</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>Próximo dia útil após</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>Data fixa, no fim de semana também o próximo dia útil livre</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>Data fixa, num domingo o sábado anterior</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>Dia da semana na data ou depois</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>Dia da semana na data ou antes</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>Data de um único ano</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>Dia da semana na data ou depois, ou a própria data em</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>Dia útil após</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primeira</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segunda</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Terceira</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Quarta</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Quinta</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the Friday before or Monday after (observed)</source>
        <translation>Data fixa, no fim de semana também a sexta-feira anterior ou a segunda-feira seguinte (observado)</translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation>Dia em que começa a estação (equinócio ou solstício)</translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation>Um feriado num domingo: o próximo dia livre</translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation>Um dia entre dois feriados</translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation>Não na data em um ano (transferido)</translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation>Como os Estados Unidos observam seus feriados federais.</translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation>Escolha março ou setembro para os equinócios, junho ou dezembro para os solstícios.</translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation>Para toda a lista, como o Japão observa seus feriados; o nome é o do dia.</translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation>Para toda a lista; o dia da semana escolhido é excluído.</translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation>O feriado com este nome não é observado na data no ano indicado.</translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation>Horas de diferença da hora local em relação a UT (Japão 9).</translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation>Horas em relação a UT</translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation>Primeiro ano em que o feriado é observado; vazio para sempre.</translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation>Último ano em que o feriado é observado; vazio para sempre.</translation>
    </message>
    <message>
        <source>Kept from year</source>
        <translation>Observado do ano</translation>
    </message>
    <message>
        <source>to</source>
        <translation>até</translation>
    </message>
    <message>
        <source>The last year comes before the first.</source>
        <translation>O último ano é anterior ao primeiro.</translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>Editar a lista de feriados</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>Lista de feriados.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>País…</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>Alterar o feriado selecionado.</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>Digitar um novo feriado.</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>Remover o feriado selecionado.</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>Restaurar as configurações de fábrica.</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>Inserir os feriados de um país.</translation>
    </message>
    <message>
        <source>From file...</source>
        <translation>De arquivo…</translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation>Adicionar os eventos de dia inteiro de um arquivo de calendário (.ics).</translation>
    </message>
    <message>
        <source>From file</source>
        <translation>De arquivo</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <translation>Arquivos iCalendar (*.ics *.ical);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Replace your holidays by those of %1?

Yes replaces the list, No adds them at its end.</source>
        <translation>Substituir seus feriados pelos de %1?

Sim substitui a lista, Não os adiciona ao final.</translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation> Mês&gt;</translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation>Avançar um mês
Próximo mês</translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation>&lt;Mês</translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation>Voltar um mês
Mês anterior</translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation>Ano&gt;&gt;</translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation>Avançar um ano
Próximo ano</translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation>&lt;&lt;Ano</translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation>Voltar um ano
Ano anterior</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>Ir para o ano e o mês atuais
Este mês, este ano</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>Digitar qualquer ano e qualquer mês
Qualquer ano, qualquer mês</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Data-alvo</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>Exibir a contagem de dias até (ou desde) uma data
Número de dias</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>Falecidos</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>Aniversários após a data de falecimento
Aniversários</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Segunda</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>Segunda-feira como primeiro dia da semana
Início da semana</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prenome</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>Exibir apenas o prenome
Aniversário</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Bodas</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>Exibir aniversários de casamento
Casamento</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Contagem de dias</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>Dias a partir do alvo\Contagem regressiva</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imagens</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>Usar imagens como fundo do calendário
Fundo</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>Notas
Ver as notas no calendário</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Fase da lua</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>Mostrar o início das fases da lua
Quarto</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Estações</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>Início das estações
Estação</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Números da semana</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>Mostrar o número de cada semana no seu primeiro dia
Números da semana</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>Um mês por página/nNormal</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>Seis meses por página
seis meses</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>Doze meses por página
Ano</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Atual</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>Nosso calendário atual
Atual</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>Estilo antigo</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>usado até 1400 ou 1700
Estilo antigo</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lua</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>Cada mês começa na lua nova
Lua</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>Ano da Serpente</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>Calendário chinês por diversão
Ano da Serpente</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>Abre a caixa de diálogo de opções
Opções permanentes</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Aplicar perfil</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>Definir as opções do último perfil salvo
Aplicar opções</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>Ver e editar a lista de nomes
Editar nomes</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>Carregar aniversários de um arquivo GEDCOM de um programa de genealogia ou de um catálogo de endereços vCard
Importar</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Exportar calendário…</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>Salvar os aniversários, bodas e notas exibidos como arquivo iCalendar para agendas de celular e web
Exportar calendário</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>Feriados</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>Adicionar, alterar ou excluir feriados
Lista de feriados</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Im&amp;primir…	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>Imprimir o calendário
Imprimir</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Visualizar impressão</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>Exibir o calendário como será impresso
Visualizar impressão</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configu&amp;rar impressão…</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Alterar a impressora e as opções de impressão
Configurar impressão</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>&amp;Sobre Aniversários…</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Visualizar impressão</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>Arquivos de aniversários (*.ged *.vcf *.vcard);;Arquivo GEDCOM (*.ged);;Catálogo de endereços vCard (*.vcf *.vcard);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>A lista de nomes não está vazia.  Deseja mesclar o arquivo com a lista atual?</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>Você pode salvar a lista atual com Salvar ou Salvar como no menu Arquivo e depois limpá-la com Novo no menu Arquivo.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Exportar calendário</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>Arquivo iCalendar (*.ics);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation>Próximos…</translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation>Listar os aniversários, bodas e notas dos próximos 30 dias
Próximos</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries in the list)</source>
        <translation>
            <numerusform>%1 (%n entrada na lista)</numerusform>
            <numerusform>%1 (%n entradas na lista)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation>1 evento gravado em %1; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation>
            <numerusform>%n evento gravado em %1; %2</numerusform>
            <numerusform>%n eventos gravados em %1; %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Não é possível gravar %1</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Kinfold Files (*.kfd)</source>
        <translation>Arquivos do Kinfold (*.kfd)</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Para obter ajuda, pressione F1</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>Criar uma nova lista de aniversários</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>Abrir uma lista de aniversários existente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>Salvar a lista de aniversários</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>Salvar a lista de aniversários com um novo nome</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>Sair do programa; pergunta se deseja salvar a lista</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Desfazer a última ação</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Recortar a seleção e colocá-la na área de transferência</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copiar a seleção para a área de transferência</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Inserir o conteúdo da área de transferência</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de ferramentas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostrar ou ocultar a barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar ou ocultar a barra de status</translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation>Meses/página</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Índice da ajuda</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>Pesquisar no índice da ajuda</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Índice da ajuda</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>Calendário gregoriano</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>Dissertação sobre o calendário em uso hoje</translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation>Calendário mundial</translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation>Sobre o Kinfold</translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation>Planos futuros</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>Meus planos de melhorias e outras coisas</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>Você está sonhando</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;O calendário gregoriano&lt;/h3&gt;&lt;p&gt;O calendário de uso civil hoje conta 365 dias em um ano comum e 366 em um ano bissexto. Um ano é bissexto quando é divisível por 4, exceto os anos seculares, que só são bissextos quando divisíveis por 400: 1900 não foi bissexto, 2000 foi.&lt;/p&gt;&lt;p&gt;Ele substituiu o calendário juliano, que tornava bissexto cada quarto ano e assim se adiantava às estações cerca de três dias em quatrocentos anos. Na reforma de outubro de 1582, dez dias foram omitidos: a quinta-feira, 4 de outubro, foi seguida pela sexta-feira, 15 de outubro. O Kinfold mostra por conta própria os meses até outubro de 1582 no calendário juliano e os intitula “juliano”; o calendário Estilo antigo mostra qualquer mês como teria sido mantido onde a reforma chegou tarde (a Grã-Bretanha e suas colônias mudaram em 1752). No Estilo antigo o ano começava em março, então de janeiro a março levam os dois anos, como em fevereiro 1699/0.&lt;/p&gt;&lt;p&gt;O calendário Lua começa cada mês no dia seguinte a uma lua nova; um ano com treze luas novas termina com uma “Lua azul”. O calendário Ano da Serpente usa os mesmos meses e nomeia cada ano pelo seu animal.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;O Kinfold mantém uma lista de aniversários, bodas e notas com data e os desenha em calendários mensais: um, seis ou doze meses por página, na tela e no papel.&lt;/p&gt;&lt;p&gt;Cada dia mostra seu número, o feriado do dia na linha inferior e acima dela as pessoas do dia com suas idades. O canto de um dia pode mostrar o início de uma estação ou de uma fase da lua, ou os dias até ou desde uma data-alvo.&lt;/p&gt;&lt;p&gt;Use os botões da barra de menus para mudar de mês e de ano, o menu Exibir para escolher o que é mostrado e o menu Editar para alterar a lista e os feriados. As listas são salvas como arquivos .kfd e podem receber pessoas de um arquivo GEDCOM de um programa de genealogia.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Planos futuros&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Imprimir a lista de nomes além do calendário.&lt;/li&gt;&lt;li&gt;Lembretes alguns dias antes de um aniversário.&lt;/li&gt;&lt;li&gt;Mais calendários, e feriados que seguem a Páscoa.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Ajuda do Kinfold</translation>
    </message>
    <message>
        <source>Accounts...</source>
        <translation>Contas…</translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation>Adicionar, alterar ou remover os catálogos de endereços lidos e o calendário onde publicar</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar agora</translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation>Ler os catálogos de endereços das contas na lista e publicar seus aniversários</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAPS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Aj&amp;uda</translation>
    </message>
</context>
<context>
    <name>COptions</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>Clique no botão para alterar a fonte, o tamanho e a cor indicados.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Cor das linhas</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>Mês e ano</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>Nome do dia da semana</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Número do dia</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>Contador de dias</translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation>Nome da pessoa</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(padrão)</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 pt</translation>
    </message>
</context>
<context>
    <name>CPPMargins</name>
    <message>
        <source>Margins</source>
        <translation>Margens</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>Dias da semana</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nomes</translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation>29 de fevereiro nos outros anos:</translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation>Mostrar em 28 de fevereiro</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>Mostrar em 1º de março</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>Mostrar apenas em anos bissextos</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation>Exibir idades</translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation>Exibir idades abaixo de 18 anos</translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation>Não exibir idades</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>Incluir aniversários de falecidos</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>Começar a semana na segunda-feira em vez de domingo</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>Usar apenas o prenome</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>Mostrar aniversários de casamento</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>Mostrar a contagem de dias (até ou desde a data-alvo)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>Mostrar imagens</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Mostrar notas</translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation>Mostrar a fase da lua</translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation>Mostrar as estações</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Mostrar os números da semana</translation>
    </message>
</context>
<context>
    <name>CPPReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message>
        <source>Remind me of birthdays, anniversaries and notes</source>
        <translation>Lembrar-me de aniversários, bodas e notas</translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation>Notificações da área de trabalho ao entrar e a cada hora.</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Lembrar-me</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>No próprio dia</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 dia antes</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 dias antes</translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation>7 dias antes</translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation>14 dias antes</translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation>30 dias antes</translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation>A partir deste horário:</translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation>Os lembretes de um dia chegam a partir deste horário.</translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation>Documento observado</translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation>O último usado</translation>
    </message>
    <message>
        <source>This one:</source>
        <translation>Este:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation>Escolher o documento do qual receber lembretes.</translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation>Lista de aniversários (*.kfd);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>Escolha</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>Duas datas indicadas para</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>Escolha a correta.</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Falecimento</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Casamento</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Nascimento</translation>
    </message>
</context>
<context>
    <name>CUpcomingDlg</name>
    <message>
        <source>Upcoming</source>
        <translation>Próximos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation>Os aniversários, bodas e notas de hoje e dos próximos 30 dias.</translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation>Nada nos próximos 30 dias</translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>Escolher um ano</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>Selecione o ano a usar</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Sem alteração</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>Selecione o mês.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Enter a year from %1 to %2.</source>
        <translation>Digite um ano de %1 a %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>Jan</source>
        <translation>jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>fev</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>out</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dez</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 (birthday)</source>
        <translation>%1 (aniversário)</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Nasceu em %1</translation>
    </message>
    <message>
        <source>%1 (anniversary)</source>
        <translation>%1 (bodas)</translation>
    </message>
    <message>
        <source>Married %1</source>
        <translation>Casaram-se em %1</translation>
    </message>
    <message>
        <source>1 birthday</source>
        <translation>1 aniversário</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation>
            <numerusform>%n aniversário</numerusform>
            <numerusform>%n aniversários</numerusform>
        </translation>
    </message>
    <message>
        <source>1 anniversary</source>
        <translation>1 boda</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversaries</source>
        <translation>
            <numerusform>%n boda</numerusform>
            <numerusform>%n bodas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 nota</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n nota</numerusform>
            <numerusform>%n notas</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>deixados de fora: %1</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>nada deixado de fora</translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation>1 aniversário termina na data do falecimento</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation>
            <numerusform>%n aniversário termina na data do falecimento</numerusform>
            <numerusform>%n aniversários terminam na data do falecimento</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation>--export-ics precisa do nome do arquivo de calendário a gravar</translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation>--export-ics grava um arquivo iCalendar, não “%1” (informe OUT.ics, depois o documento)</translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation>nenhum DOC.kfd informado, e o último documento não pode ser lido: %1</translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation>1 evento gravado em %1 (de %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation>
            <numerusform>%n evento gravado em %1 (de %2)</numerusform>
            <numerusform>%n eventos gravados em %1 (de %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is the document itself; the PDF would replace it</source>
        <translation>%1 é o próprio documento; o PDF substituí-lo-ia</translation>
    </message>
    <message>
        <source>Show this help and exit</source>
        <translation>Mostrar esta ajuda e sair</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Mostrar a versão e sair</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>Mesclar um arquivo GEDCOM ou vCard em DOC.kfd (ou uma nova lista) sem janela</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>Salvar a lista mesclada em OUT.kfd em vez de DOC.kfd</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>Gravar as entradas que o calendário mostra de DOC.kfd (ou do último documento) como eventos anuais do iCalendar</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>Imprimir doze meses de DOC.kfd (ou de uma lista vazia) em um arquivo PDF sem janela</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>Primeiro ano impresso, de -9900 a 11400; a partir de janeiro, a menos que --month seja indicado</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>Primeiro mês impresso: 1-12, ou 13 em um ano lunar de 13 meses</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1, 6 ou 12 meses por página</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 Atual, 1 Estilo antigo, 2 Lua, 3 Ano da Serpente</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>Tamanho do papel: Letter, Legal, A4, A3, A5 e outros nomes padrão; se não for indicado, o da localidade (Letter ou A4)</translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation>Páginas em retrato</translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation>Páginas em paisagem, o padrão</translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation>O número de cada linha de semana em sua primeira célula</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>Listar os conjuntos de feriados de países embutidos, um por linha: código, um espaço, o nome</translation>
    </message>
    <message>
        <source>Leave the reminders&apos; alarms out of the events</source>
        <translation>Deixar os alarmes dos lembretes fora dos eventos</translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation>Imprimir os eventos de hoje e dos próximos DAYS dias (14 por padrão, no máximo 366) de DOC.kfd (ou do último documento)</translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation>Mostrar uma notificação da área de trabalho para cada lembrete vencido de DOC.kfd (ou do documento observado)</translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation>Usar esta data e hora locais (00:00 sem hora) como agora</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Imprimir cada feriado de YEAR (-9900 a 11400) como “YYYY-MM-DD nome”, da lista salva</translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation>Adicionar os eventos de dia inteiro de um arquivo iCalendar à lista de feriados salva (eventos com horário são ignorados)</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation>Feriados do país CODE (veja --holiday-sets) apenas para esta execução; com --upcoming também &quot;stored&quot;</translation>
    </message>
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation>Adicionar uma conta CardDAV/CalDAV (a raiz de um servidor ou uma coleção); a senha é lida da entrada padrão</translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation>O nome de usuário da conta</translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation>Só ler os catálogos de endereços, não publicar nenhum calendário</translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation>Listar as contas, uma por linha, com seus números</translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation>Remover a conta N (veja --accounts) e sua senha</translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation>Ler os catálogos de endereços de cada conta em DOC.kfd (ou no último documento) e publicar seus aniversários</translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation>Ler as senhas das contas da entrada padrão, uma por linha, em vez do chaveiro</translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation>só é possível mesclar em um documento (recebido %1)</translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation>só um documento pode ser exportado (recebido %1)</translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation>--list-holidays não lê nenhum documento (recebido %1)</translation>
    </message>
    <message>
        <source>--holiday-sets reads no document (got %1)</source>
        <translation>--holiday-sets não lê nenhum documento (recebido %1)</translation>
    </message>
    <message>
        <source>--print-pdf writes a PDF file, not &quot;%1&quot; (give OUT.pdf, then the document)</source>
        <translation>--print-pdf grava um arquivo PDF, não “%1” (informe OUT.pdf, depois o documento)</translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation>--import-holidays não lê nenhum documento (recebido %1)</translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation>%1 (veja kinfold --help)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 e %2 não podem ser usados juntos</translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation>opção desconhecida %1 (veja kinfold --help)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation>%1: “%2” não é um ano</translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation>%1: não existe o ano 0 (1 a.C. é o ano -1)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation>%1: %2 está fora dos anos mostrados, %3 a %4</translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation>--holidays: nenhum conjunto de país “%1” (veja kinfold --holiday-sets)</translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation>--print-pdf precisa de um nome de arquivo de saída</translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation>--calendar: “%1” não é nenhum de 0 (Atual), 1 (Estilo antigo), 2 (Lua), 3 (Ano da Serpente)</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation>--month: “%1” não é um mês de 1 a 12, nem 13 num ano lunar de 13 meses</translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation>--month: o mês 13 só existe nos calendários lunares (--calendar 2 ou 3)</translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation>--month: o ano lunar %1 tem 12 meses</translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation>--months-per-page: “%1” não é nenhum de 1, 6 ou 12</translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation>--paper: papel desconhecido “%1” (tente Letter, Legal, A4, A3, A5)</translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation>--portrait e --landscape não podem ser usados juntos</translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation>só um documento pode ser impresso (recebido %1)</translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>--now: “%1” não é uma data YYYY-MM-DD nem YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation>--upcoming: “%1” não é um número de dias de 0 a 366</translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation>só um documento pode ser listado (recebido %1)</translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation>--upcoming: nenhum DOC.kfd informado e nenhum documento usado antes</translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation>só um documento pode ser observado (recebido %1)</translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation>--remind: nenhum documento usado ainda, então não há lembretes</translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation>%1; os lembretes seguem na saída padrão</translation>
    </message>
</context>
<context>
    <name>CountrySets</name>
    <message>
        <source>United Kingdom</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <source>United Kingdom, Scotland</source>
        <translation>Reino Unido, Escócia</translation>
    </message>
    <message>
        <source>United Kingdom, Northern Ireland</source>
        <translation>Reino Unido, Irlanda do Norte</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Áustria</translation>
    </message>
    <message>
        <source>France</source>
        <translation>França</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Países Baixos</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suécia</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Itália</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grécia</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Alemanha</translation>
    </message>
    <message>
        <source>Germany, Brandenburg</source>
        <translation>Alemanha, Brandemburgo</translation>
    </message>
    <message>
        <source>Germany, Berlin</source>
        <translation>Alemanha, Berlim</translation>
    </message>
    <message>
        <source>Germany, Baden-Württemberg</source>
        <translation>Alemanha, Bade-Vurtemberga</translation>
    </message>
    <message>
        <source>Germany, Bavaria</source>
        <translation>Alemanha, Baviera</translation>
    </message>
    <message>
        <source>Germany, Bremen</source>
        <translation>Alemanha, Brema</translation>
    </message>
    <message>
        <source>Germany, Hesse</source>
        <translation>Alemanha, Hesse</translation>
    </message>
    <message>
        <source>Germany, Hamburg</source>
        <translation>Alemanha, Hamburgo</translation>
    </message>
    <message>
        <source>Germany, Mecklenburg-Vorpommern</source>
        <translation>Alemanha, Meclemburgo-Pomerânia Ocidental</translation>
    </message>
    <message>
        <source>Germany, Lower Saxony</source>
        <translation>Alemanha, Baixa Saxónia</translation>
    </message>
    <message>
        <source>Germany, North Rhine-Westphalia</source>
        <translation>Alemanha, Renânia do Norte-Vestefália</translation>
    </message>
    <message>
        <source>Germany, Rhineland-Palatinate</source>
        <translation>Alemanha, Renânia-Palatinado</translation>
    </message>
    <message>
        <source>Germany, Schleswig-Holstein</source>
        <translation>Alemanha, Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany, Saarland</source>
        <translation>Alemanha, Sarre</translation>
    </message>
    <message>
        <source>Germany, Saxony</source>
        <translation>Alemanha, Saxónia</translation>
    </message>
    <message>
        <source>Germany, Saxony-Anhalt</source>
        <translation>Alemanha, Saxónia-Anhalt</translation>
    </message>
    <message>
        <source>Germany, Thuringia</source>
        <translation>Alemanha, Turíngia</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japão</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espanha</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Portugal, Azores</source>
        <translation>Portugal, Açores</translation>
    </message>
    <message>
        <source>Portugal, Madeira</source>
        <translation>Portugal, Madeira</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polónia</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Dinamarca</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlândia</translation>
    </message>
    <message>
        <source>Finland, Åland</source>
        <translation>Finlândia, Åland</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Noruega</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translation>Chéquia</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Bélgica</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suíça</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Luxemburgo</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>Canada, Alberta</source>
        <translation>Canadá, Alberta</translation>
    </message>
    <message>
        <source>Canada, British Columbia</source>
        <translation>Canadá, Colúmbia Britânica</translation>
    </message>
    <message>
        <source>Canada, Manitoba</source>
        <translation>Canadá, Manitoba</translation>
    </message>
    <message>
        <source>Canada, New Brunswick</source>
        <translation>Canadá, Novo Brunswick</translation>
    </message>
    <message>
        <source>Canada, Newfoundland and Labrador</source>
        <translation>Canadá, Terra Nova e Labrador</translation>
    </message>
    <message>
        <source>Canada, Nova Scotia</source>
        <translation>Canadá, Nova Escócia</translation>
    </message>
    <message>
        <source>Canada, Northwest Territories</source>
        <translation>Canadá, Territórios do Noroeste</translation>
    </message>
    <message>
        <source>Canada, Nunavut</source>
        <translation>Canadá, Nunavut</translation>
    </message>
    <message>
        <source>Canada, Ontario</source>
        <translation>Canadá, Ontario</translation>
    </message>
    <message>
        <source>Canada, Prince Edward Island</source>
        <translation>Canadá, Ilha do Príncipe Eduardo</translation>
    </message>
    <message>
        <source>Canada, Quebec</source>
        <translation>Canadá, Quebeque</translation>
    </message>
    <message>
        <source>Canada, Saskatchewan</source>
        <translation>Canadá, Saskatchewan</translation>
    </message>
    <message>
        <source>Canada, Yukon</source>
        <translation>Canadá, Yukon</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Austrália</translation>
    </message>
    <message>
        <source>Australia, Australian Capital Territory</source>
        <translation>Austrália, Território da Capital Australiana</translation>
    </message>
    <message>
        <source>Australia, New South Wales</source>
        <translation>Austrália, Nova Gales do Sul</translation>
    </message>
    <message>
        <source>Australia, Northern Territory</source>
        <translation>Austrália, Território do Norte</translation>
    </message>
    <message>
        <source>Australia, Queensland</source>
        <translation>Austrália, Queensland</translation>
    </message>
    <message>
        <source>Australia, South Australia</source>
        <translation>Austrália, Austrália Meridional</translation>
    </message>
    <message>
        <source>Australia, Tasmania</source>
        <translation>Austrália, Tasmânia</translation>
    </message>
    <message>
        <source>Australia, Victoria</source>
        <translation>Austrália, Vitória</translation>
    </message>
    <message>
        <source>Australia, Western Australia</source>
        <translation>Austrália, Austrália Ocidental</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nova Zelândia</translation>
    </message>
    <message>
        <source>Spain, Andalusia</source>
        <translation>Espanha, Andaluzia</translation>
    </message>
    <message>
        <source>Spain, Aragon</source>
        <translation>Espanha, Aragão</translation>
    </message>
    <message>
        <source>Spain, Asturias</source>
        <translation>Espanha, Astúrias</translation>
    </message>
    <message>
        <source>Spain, Balearic Islands</source>
        <translation>Espanha, Ilhas Baleares</translation>
    </message>
    <message>
        <source>Spain, Canary Islands</source>
        <translation>Espanha, Canárias</translation>
    </message>
    <message>
        <source>Spain, Cantabria</source>
        <translation>Espanha, Cantábria</translation>
    </message>
    <message>
        <source>Spain, Castile and León</source>
        <translation>Espanha, Castela e Leão</translation>
    </message>
    <message>
        <source>Spain, Castilla-La Mancha</source>
        <translation>Espanha, Castela-Mancha</translation>
    </message>
    <message>
        <source>Spain, Catalonia</source>
        <translation>Espanha, Catalunha</translation>
    </message>
    <message>
        <source>Spain, Extremadura</source>
        <translation>Espanha, Estremadura</translation>
    </message>
    <message>
        <source>Spain, Galicia</source>
        <translation>Espanha, Galiza</translation>
    </message>
    <message>
        <source>Spain, Madrid</source>
        <translation>Espanha, Madrid</translation>
    </message>
    <message>
        <source>Spain, Murcia</source>
        <translation>Espanha, Múrcia</translation>
    </message>
    <message>
        <source>Spain, Navarre</source>
        <translation>Espanha, Navarra</translation>
    </message>
    <message>
        <source>Spain, Basque Country</source>
        <translation>Espanha, País Basco</translation>
    </message>
    <message>
        <source>Spain, La Rioja</source>
        <translation>Espanha, La Rioja</translation>
    </message>
    <message>
        <source>Spain, Valencian Community</source>
        <translation>Espanha, Comunidade Valenciana</translation>
    </message>
    <message>
        <source>Spain, Ceuta</source>
        <translation>Espanha, Ceuta</translation>
    </message>
    <message>
        <source>Spain, Melilla</source>
        <translation>Espanha, Melilla</translation>
    </message>
    <message>
        <source>Switzerland, Aargau</source>
        <translation>Suíça, Argóvia</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Innerrhoden</source>
        <translation>Suíça, Appenzell Innerrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Ausserrhoden</source>
        <translation>Suíça, Appenzell Ausserrhoden</translation>
    </message>
    <message>
        <source>Switzerland, Bern</source>
        <translation>Suíça, Berna</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Landschaft</source>
        <translation>Suíça, Basileia-Campo</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Stadt</source>
        <translation>Suíça, Basileia-Cidade</translation>
    </message>
    <message>
        <source>Switzerland, Fribourg</source>
        <translation>Suíça, Friburgo</translation>
    </message>
    <message>
        <source>Switzerland, Geneva</source>
        <translation>Suíça, Genebra</translation>
    </message>
    <message>
        <source>Switzerland, Glarus</source>
        <translation>Suíça, Glarus</translation>
    </message>
    <message>
        <source>Switzerland, Graubünden</source>
        <translation>Suíça, Grisões</translation>
    </message>
    <message>
        <source>Switzerland, Jura</source>
        <translation>Suíça, Jura</translation>
    </message>
    <message>
        <source>Switzerland, Lucerne</source>
        <translation>Suíça, Lucerna</translation>
    </message>
    <message>
        <source>Switzerland, Neuchâtel</source>
        <translation>Suíça, Neuchâtel</translation>
    </message>
    <message>
        <source>Switzerland, Nidwalden</source>
        <translation>Suíça, Nidwalden</translation>
    </message>
    <message>
        <source>Switzerland, Obwalden</source>
        <translation>Suíça, Obwalden</translation>
    </message>
    <message>
        <source>Switzerland, St. Gallen</source>
        <translation>Suíça, São Galo</translation>
    </message>
    <message>
        <source>Switzerland, Schaffhausen</source>
        <translation>Suíça, Schaffhausen</translation>
    </message>
    <message>
        <source>Switzerland, Solothurn</source>
        <translation>Suíça, Soleura</translation>
    </message>
    <message>
        <source>Switzerland, Schwyz</source>
        <translation>Suíça, Schwyz</translation>
    </message>
    <message>
        <source>Switzerland, Thurgau</source>
        <translation>Suíça, Turgóvia</translation>
    </message>
    <message>
        <source>Switzerland, Ticino</source>
        <translation>Suíça, Ticino</translation>
    </message>
    <message>
        <source>Switzerland, Uri</source>
        <translation>Suíça, Uri</translation>
    </message>
    <message>
        <source>Switzerland, Vaud</source>
        <translation>Suíça, Vaud</translation>
    </message>
    <message>
        <source>Switzerland, Valais</source>
        <translation>Suíça, Valais</translation>
    </message>
    <message>
        <source>Switzerland, Zug</source>
        <translation>Suíça, Zug</translation>
    </message>
    <message>
        <source>Switzerland, Zurich</source>
        <translation>Suíça, Zurique</translation>
    </message>
</context>
<context>
    <name>DateCheck</name>
    <message>
        <source>1 entry left out, as its date cannot be (mend it with Edit &gt; List)</source>
        <translation>1 entrada deixada de fora, pois sua data não pode existir (corrija-a com Editar &gt; Lista)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation>
            <numerusform>%n entrada deixada de fora, pois sua data não pode existir (corrija-a com Editar &gt; Lista)</numerusform>
            <numerusform>%n entradas deixadas de fora, pois suas datas não podem existir (corrija-as com Editar &gt; Lista)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation>não é possível alcançar %1 (sem rede, ou servidor inexistente): %2</translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation>%1 recusou a conexão: nenhum servidor roda ali</translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation>%1 não respondeu em 30 segundos</translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation>a conexão segura com %1 falhou, %2 (não aceito)</translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation>%1 interrompeu a conexão: %2</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 recusou o nome de usuário ou a senha</translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation>%1 não permite %2 (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation>%1 não existe no servidor (404 Not Found)</translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation>%1 não tem mais espaço para %2 (507 Insufficient Storage)</translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation>%1 respondeu a %2 com o status %3</translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation>status %1 em vez de um multistatus WebDAV</translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation>a resposta de %1 a %2 não faz sentido: %3</translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation>nenhum servidor CardDAV ou CalDAV responde em %1</translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation>o servidor não mantém calendários para este usuário, então os aniversários não podem ser publicados</translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation>%1 está no caminho do calendário “Birthdays” e não é um calendário</translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation>outra pessoa continua alterando %1 no servidor; ele foi deixado como está</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation>%1 adicionados, %2 alterados, %3 removidos, 1 evento publicado</translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation>
            <numerusform>%1 adicionados, %2 alterados, %3 removidos, %n evento publicado</numerusform>
            <numerusform>%1 adicionados, %2 alterados, %3 removidos, %n eventos publicados</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not XML (%1)</source>
        <translation>não é XML (%1)</translation>
    </message>
    <message>
        <source>it is no WebDAV multistatus</source>
        <translation>não é um multistatus WebDAV</translation>
    </message>
    <message>
        <source>its XML is broken (%1)</source>
        <translation>seu XML está corrompido (%1)</translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation>nenhum serviço de segredos roda nesta área de trabalho</translation>
    </message>
    <message>
        <source>the server</source>
        <translation>o servidor</translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation>o certificado de “%1”: %2</translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation>%1: aniversário</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1: bodas</translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation>%1: %2º aniversário</translation>
    </message>
    <message>
        <source>%1 %2 Anniversary</source>
        <translation>%1: %2º aniversário de casamento</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder.</source>
        <translation>Não é possível ler “%1”: é uma pasta.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Não é possível abrir “%1”: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Não é possível ler “%1”.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Não é possível gravar “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation>(não em %1)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(a partir de %1)</translation>
    </message>
    <message>
        <source>(until %1)</source>
        <translation>(até %1)</translation>
    </message>
    <message>
        <source>(substitute day)</source>
        <translation>(dia substituto)</translation>
    </message>
    <message>
        <source>(observed)</source>
        <translation>(observado)</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation>1 evento de dia inteiro</translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation>
            <numerusform>%n evento de dia inteiro</numerusform>
            <numerusform>%n eventos de dia inteiro</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday from %1</source>
        <translation>1 feriado de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays from %1</source>
        <translation>
            <numerusform>%n feriado de %1</numerusform>
            <numerusform>%n feriados de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation>, 1 evento com horário ignorado</translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation>
            <numerusform>, %n evento com horário ignorado</numerusform>
            <numerusform>, %n eventos com horário ignorados</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation>, 1 evento cortado em %1 dias</translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation>
            <numerusform>, %n evento cortado em %1 dias</numerusform>
            <numerusform>, %n eventos cortados em %1 dias</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>não é um arquivo iCalendar (não começa com BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation>está cortado: falta seu END:VCALENDAR</translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation>não é um arquivo iCalendar que a libical consiga ler</translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation>tem partes que a libical não consegue ler (X-LIC-PARSEERROR)</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Feriado</translation>
    </message>
</context>
<context>
    <name>HolidayList</name>
    <message>
        <source>New Years Day</source>
        <translation>Ano-Novo</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation>Dia de Martin Luther King</translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation>Dia dos Presidentes</translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation>Aniversário de Lincoln</translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation>Dia de São Valentim</translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation>Aniversário de Washington</translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation>Dia de São Patrício</translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation>Dia dos impostos</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Dia das Mães</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Flag Day</source>
        <translation>Dia da Bandeira</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Dia dos Pais</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Dia da Independência</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Dia do Trabalho</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Dia de Colombo</translation>
    </message>
    <message>
        <source>Holloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Dia dos Veteranos</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Ação de Graças</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Natal</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation>“%1” não é um documento do Kinfold ou está danificado.</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 foi informado duas vezes</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado “%1”</translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation>nenhum documento onde salvar: informe DOC.kfd ou --save OUT.kfd</translation>
    </message>
    <message>
        <source>%1 is the file being imported; --save needs another name</source>
        <translation>%1 é o ficheiro a importar; --save precisa de outro nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation>“%1” não é um arquivo GEDCOM nem um arquivo vCard</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation>
            <numerusform>%1 (%n entrada salva em %2)</numerusform>
            <numerusform>%1 (%n entradas salvas em %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation>%1 adicionadas, %2 mescladas, %3 conflitos mantidos</translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation>, 1 data com um ano fora de %1..%2 deixada de fora</translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation>
            <numerusform>, %n data com um ano fora de %1..%2 deixada de fora</numerusform>
            <numerusform>, %n datas com um ano fora de %1..%2 deixadas de fora</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonDate</name>
    <message>
        <source> NM</source>
        <translation> LN</translation>
    </message>
    <message>
        <source> FQ</source>
        <translation> QC</translation>
    </message>
    <message>
        <source> FM</source>
        <translation> LC</translation>
    </message>
    <message>
        <source> LQ</source>
        <translation> QM</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Inverno</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Primavera</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verão</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Outono</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Lua fria</translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation>Lua dos ossos</translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation>Lua dos ventos</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Lua das flores</translation>
    </message>
    <message>
        <source>Planting Moon</source>
        <translation>Lua do plantio</translation>
    </message>
    <message>
        <source>Green Corn Moon</source>
        <translation>Lua do milho verde</translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation>Lua do milho maduro</translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation>Lua das frutas</translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation>Lua das nozes</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Lua da colheita</translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation>Lua das trocas</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Lua da neve</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Lua azul</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Búfalo</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>Lebre</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragão</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cavalo</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Cabra</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Macaco</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Galo</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Cão</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Porco</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>BC</source>
        <translation>a.C.</translation>
    </message>
    <message>
        <source>Julian</source>
        <translation>juliano</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>month title: the month&apos;s name, the year</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Digite um número inteiro entre %1 e %2.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>O mês deve ser de 1 a 12, ou 0 com o dia 0 quando não é conhecido.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation>O mês deve ser de 1 a 12.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>O mês de “%1” deve ser de 1 a 12, ou 0 com o dia 0 quando não é conhecido.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation>O mês de “%1” deve ser de 1 a 12.</translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation>%1 sem ano</translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation>O dia não pode ser %1: %2 tem %3 dias.</translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation>O dia de “%1” não pode ser %2: %3 tem %4 dias.</translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation>Usar o valor como está.</translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation>Usar o valor original.</translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation>Usar os valores originais.</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>today</source>
        <translation>hoje</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>amanhã</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>em %n dia</numerusform>
            <numerusform>em %n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation>
            <numerusform>%n aniversário ou evento chegando</numerusform>
            <numerusform>%n aniversários e eventos chegando</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>how far off, the day</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>Upcoming</name>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1 bodas</translation>
    </message>
</context>
</TS>
