<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
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
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
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
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
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
        <translation>&lt;h3&gt;O calendário gregoriano&lt;/h3&gt;&lt;p&gt;O calendário de uso civil hoje conta 365 dias em um ano comum e 366 em um ano bissexto. Um ano é bissexto quando é divisível por 4, exceto os anos seculares, que só são bissextos quando divisíveis por 400: 1900 não foi bissexto, 2000 foi.&lt;/p&gt;&lt;p&gt;Ele substituiu o calendário juliano, que tornava bissexto cada quarto ano e assim se adiantava às estações cerca de três dias em quatrocentos anos. Na reforma de outubro de 1582, dez dias foram omitidos: a quinta-feira, 4 de outubro, foi seguida pela sexta-feira, 15 de outubro. O Kinfold mostra por conta própria os meses até outubro de 1582 no calendário juliano e os intitula “Julian”; o calendário Estilo antigo mostra qualquer mês como teria sido mantido onde a reforma chegou tarde (a Grã-Bretanha e suas colônias mudaram em 1752). No Estilo antigo o ano começava em março, então de janeiro a março levam os dois anos, como em February 1699/0.&lt;/p&gt;&lt;p&gt;O calendário Lua começa cada mês no dia seguinte a uma lua nova; um ano com treze luas novas termina com uma Blue Moon. O calendário Ano da Serpente usa os mesmos meses e nomeia cada ano pelo seu animal.&lt;/p&gt;</translation>
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
</context>
<context>
    <name>CommandLine</name>
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
</context>
</TS>
