<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Markwheel Files (*.mkw)</source>
        <translation>Fichiers Markwheel (*.mkw)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>menu File</comment>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Clear the InUse list
InUse</source>
        <translation>Vider la liste des fichiers en cours
En cours</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <comment>menu bar</comment>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>menu Edit</comment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Annuler la dernière action
Annuler</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <comment>menu Edit</comment>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Couper la sélection et la placer dans le presse-papiers
Couper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <comment>menu Edit</comment>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copier la sélection dans le presse-papiers
Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <comment>menu Edit</comment>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insérer le contenu du presse-papiers
Coller</translation>
    </message>
    <message>
        <source>Change</source>
        <comment>menu Edit</comment>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Change current target date
Date</source>
        <translation>Modifier la date cible
Date</translation>
    </message>
    <message>
        <source>Format</source>
        <comment>menu bar</comment>
        <translation>Format</translation>
    </message>
    <message>
        <source>Count down</source>
        <comment>menu Format</comment>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <source>Calendar clock</source>
        <comment>menu Format</comment>
        <translation>Horloge calendrier</translation>
    </message>
    <message>
        <source>Calendar Clock AM/PM</source>
        <comment>menu Format</comment>
        <translation>Horloge calendrier AM/PM</translation>
    </message>
    <message>
        <source>Solar Time</source>
        <comment>menu Format</comment>
        <translation>Heure solaire</translation>
    </message>
    <message>
        <source>Count down/up to target date/time
or up</source>
        <translation>Décompter jusqu&apos;à la date et heure cible, ou compter depuis
ou croissant</translation>
    </message>
    <message>
        <source>Day, Date and Time
Today</source>
        <translation>Jour, date et heure
Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Same as Calendar Clock with AM PM indecators\m
AM PM</source>
        <translation>Comme l&apos;horloge calendrier, avec indicateurs AM/PM\m
AM PM</translation>
    </message>
    <message>
        <source>At 12 Noon sun is directly overhead
 Sun Dial</source>
        <translation>À midi, le soleil est au plus haut
 Cadran solaire</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Markwheel...</source>
        <comment>menu Help</comment>
        <translation>À &amp;propos de Markwheel…</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message>
        <source>About Markwheel</source>
        <translation>À propos de Markwheel</translation>
    </message>
    <message>
        <source>Markwheel Version 1.0</source>
        <translation>Markwheel version 1.0</translation>
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
        <translation>Année %d</translation>
    </message>
</context>
<context>
    <name>CMarkwheelView</name>
    <message>
        <source>%1 solar</source>
        <translation>%1 solaire</translation>
    </message>
</context>
<context>
    <name>CSetTargetDlg</name>
    <message>
        <source>Set Target Date</source>
        <translation>Définir la date cible</translation>
    </message>
    <message>
        <source>Shown as the window title while counting</source>
        <translation>Affiché comme titre de la fenêtre pendant le décompte</translation>
    </message>
    <message>
        <source>Year of the target; negative years are before year 1</source>
        <translation>Année de la cible ; les années négatives précèdent l&apos;an 1</translation>
    </message>
    <message>
        <source>Month, 1 to 12</source>
        <translation>Mois, de 1 à 12</translation>
    </message>
    <message>
        <source>Day of the month, 1 to 31</source>
        <translation>Jour du mois, de 1 à 31</translation>
    </message>
    <message>
        <source>Hour, 0 to 23 (local time)</source>
        <translation>Heure, de 0 à 23 (heure locale)</translation>
    </message>
    <message>
        <source>Minute, 0 to 59</source>
        <translation>Minute, de 0 à 59</translation>
    </message>
    <message>
        <source>Second, 0 to 59</source>
        <translation>Seconde, de 0 à 59</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
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
        <translation>Afficher cette aide et quitter (aussi -h)</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Afficher la version et quitter</translation>
    </message>
    <message>
        <source>markwheel [TARGET.mkw]</source>
        <translation>markwheel [CIBLE.mkw]</translation>
    </message>
</context>
</TS>
