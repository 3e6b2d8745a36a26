<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Sem título</translation>
    </message>
    <message>
        <source>Markwheel Files (*.mkw)</source>
        <translation>Arquivos do Markwheel (*.mkw)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>menu File</comment>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Clear the InUse list
InUse</source>
        <translation>Limpar a lista de arquivos em uso
Em uso</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>menu Edit</comment>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Desfazer a última ação
Desfazer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <comment>menu Edit</comment>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Recortar a seleção e colocá-la na área de transferência
Recortar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>menu Edit</comment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copiar a seleção para a área de transferência
Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>menu Edit</comment>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Inserir o conteúdo da área de transferência
Colar</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>menu Edit</comment>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Change current target date
Date</source>
        <translation>Alterar a data-alvo
Data</translation>
    </message>
    <message>
        <source>Format</source>
        <comment>menu bar</comment>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Count down</source>
        <comment>menu Format</comment>
        <translation>Contagem regressiva</translation>
    </message>
    <message>
        <source>Calendar clock</source>
        <comment>menu Format</comment>
        <translation>Relógio calendário</translation>
    </message>
    <message>
        <source>Calendar Clock AM/PM</source>
        <comment>menu Format</comment>
        <translation>Relógio calendário AM/PM</translation>
    </message>
    <message>
        <source>Solar Time</source>
        <comment>menu Format</comment>
        <translation>Hora solar</translation>
    </message>
    <message>
        <source>Count down/up to target date/time
or up</source>
        <translation>Contar regressiva ou progressivamente até a data e hora-alvo
ou progressiva</translation>
    </message>
    <message>
        <source>Day, Date and Time
Today</source>
        <translation>Dia, data e hora
Hoje</translation>
    </message>
    <message>
        <source>Same as Calendar Clock with AM PM indecators\m
AM PM</source>
        <translation>Igual ao relógio calendário, com indicadores AM/PM\m
AM PM</translation>
    </message>
    <message>
        <source>At 12 Noon sun is directly overhead
 Sun Dial</source>
        <translation>Ao meio-dia o sol está a pino
 Relógio de sol</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Markwheel...</source>
        <comment>menu Help</comment>
        <translation>&amp;Sobre o Markwheel…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Exibir informações do programa, número da versão e direitos autorais
Sobre</translation>
    </message>
    <message>
        <source>About Markwheel</source>
        <translation>Sobre o Markwheel</translation>
    </message>
    <message>
        <source>Markwheel Version 1.0</source>
        <translation>Markwheel versão 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CMarkwheelDoc</name>
    <message>
        <source>Year %d</source>
        <translation>Ano %d</translation>
    </message>
</context>
<context>
    <name>CMarkwheelView</name>
    <message>
        <source>%1 solar</source>
        <translation>%1 solar</translation>
    </message>
</context>
<context>
    <name>CSetTargetDlg</name>
    <message>
        <source>Set Target Date</source>
        <translation>Definir a data-alvo</translation>
    </message>
    <message>
        <source>Shown as the window title while counting</source>
        <translation>Exibido como título da janela durante a contagem</translation>
    </message>
    <message>
        <source>Year of the target; negative years are before year 1</source>
        <translation>Ano do alvo; anos negativos são anteriores ao ano 1</translation>
    </message>
    <message>
        <source>Month, 1 to 12</source>
        <translation>Mês, de 1 a 12</translation>
    </message>
    <message>
        <source>Day of the month, 1 to 31</source>
        <translation>Dia do mês, de 1 a 31</translation>
    </message>
    <message>
        <source>Hour, 0 to 23 (local time)</source>
        <translation>Hora, de 0 a 23 (hora local)</translation>
    </message>
    <message>
        <source>Minute, 0 to 59</source>
        <translation>Minuto, de 0 a 59</translation>
    </message>
    <message>
        <source>Second, 0 to 59</source>
        <translation>Segundo, de 0 a 59</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
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
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
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
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit (also -h)</source>
        <translation>Mostrar esta ajuda e sair (também -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Mostrar a versão e sair</translation>
    </message>
    <message>
        <source>markwheel [TARGET.mkw]</source>
        <translation>markwheel [ALVO.mkw]</translation>
    </message>
</context>
</TS>
