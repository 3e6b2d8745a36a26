<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation>Clique para minimizar.  Clique com o botão DIREITO para configurar.</translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation>Escolha uma cidade do seu fuso horário.</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>terça-feira</translation>
    </message>
    <message>
        <source>Wenesday</source>
        <translation>quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>sexta-feira</translation>
    </message>
    <message>
        <source>City, face and alarm...</source>
        <comment>menu clock</comment>
        <translation>Cidade, mostrador e alarme…</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation>Abrir ao iniciar a sessão</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Soneca</translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation>Tocar novamente em 10 minutos</translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation>Nenhum fuso horário encontrado para:</translation>
    </message>
    <message>
        <source>Alarm now</source>
        <translation>Alarme agora</translation>
    </message>
    <message>
        <source>Alarm in %1</source>
        <translation>Alarme em %1</translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>menu clock</comment>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation>Excluir este relógio…</translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation>Excluir este relógio?</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoje</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>amanhã</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>ontem</translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>%n dia antes</numerusform>
            <numerusform>%n dias antes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n dia depois</numerusform>
            <numerusform>%n dias depois</numerusform>
        </translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>time to the alarm: days</comment>
        <translation>%1d</translation>
    </message>
    <message>
        <source>%1h</source>
        <comment>time to the alarm: hours</comment>
        <translation>%1h</translation>
    </message>
    <message>
        <source>%1m</source>
        <comment>time to the alarm: minutes</comment>
        <translation>%1min</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>time to the alarm: seconds</comment>
        <translation>%1s</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours ahead of local time</comment>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1y</source>
        <comment>time to the alarm: years</comment>
        <translation>%1a</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Criar um novo documento</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Abrir um documento existente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Salvar o documento ativo</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation>Salvar &amp;como…</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Salvar o documento ativo com um novo nome</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Sair do aplicativo; pergunta se deseja salvar os documentos</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Formato de arquivo inesperado.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Não é possível abrir o arquivo %1.</translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation>Falha ao salvar o documento %1.</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Arquivo recente</translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation>Definir alarme</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Definir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation>Digite a mensagem que deseja ver na hora do alarme.</translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation>Definir o alarme para tocar na hora indicada.</translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation>Cancelar o alarme.</translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation>Definir a data do alarme.</translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation>Definir a hora do alarme.</translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation>Essa data e hora já passou</translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation>Ocorre em %1 a partir de agora %2</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation>Fechar sem alterar o alarme.</translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation>Essa data e hora já passou. Escolha um horário posterior para o alarme.</translation>
    </message>
</context>
<context>
    <name>CWhatCity</name>
    <message>
        <source>What city?</source>
        <translation>Qual cidade?</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderno</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ícone</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>24 Hour</source>
        <translation>24 horas</translation>
    </message>
    <message>
        <source>Select a city.</source>
        <translation>Selecione uma cidade.</translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation>Ajustar este relógio para a cidade selecionada e fechar</translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation>Criar um novo relógio para a cidade selecionada</translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation>Excluir este relógio e fechar</translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation>Definir um alarme no horário da cidade selecionada</translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation>Escolher a aparência do relógio</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation>Digite parte do nome de uma cidade para encontrá-la.</translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation>Fechar sem criar um relógio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>usage:</source>
        <translation>uso:</translation>
    </message>
    <message>
        <source>with</source>
        <translation>com</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 foi indicada duas vezes</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 precisa de %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 é usada com %2</translation>
    </message>
    <message>
        <source>-- must be followed by a file</source>
        <translation>-- deve ser seguido de um arquivo</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>sem tela (nem DISPLAY nem WAYLAND_DISPLAY estão definidas)</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>não foi possível abrir a tela %1</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (veja %2 --help)</translation>
    </message>
</context>
<context>
    <name>Kestrum</name>
    <message>
        <source>Failed to write Restart command</source>
        <translation>Falha ao gravar o comando de reinício</translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation>Falha ao ler os comandos de reinício</translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation>Erro ao regravar o arquivo de inicialização</translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation>CreateSoundBuffer falhou</translation>
    </message>
    <message>
        <source>You are missing, TimeZones.txt, a required file.</source>
        <translation>Está faltando TimeZones.txt, um arquivo necessário.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>não foi possível remover %1: %2</translation>
    </message>
</context>
</TS>
