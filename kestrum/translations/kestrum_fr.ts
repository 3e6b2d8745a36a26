<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CClockDlg</name>
    <message>
        <source>Click to minimize.  RIGHT click for setup.</source>
        <translation>Cliquer pour réduire.  Clic DROIT pour configurer.</translation>
    </message>
    <message>
        <source>Choose a city in your timezone.</source>
        <translation>Choisissez une ville de votre fuseau horaire.</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wenesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>City, face and alarm...</source>
        <comment>menu clock</comment>
        <translation>Ville, cadran et alarme…</translation>
    </message>
    <message>
        <source>Start at login</source>
        <comment>menu clock</comment>
        <translation>Lancer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Ring again in 10 minutes</source>
        <translation>Sonner à nouveau dans 10 minutes</translation>
    </message>
    <message>
        <source>No timezone found for:</source>
        <translation>Aucun fuseau horaire trouvé pour :</translation>
    </message>
    <message>
        <source>Alarm now</source>
        <translation>Alarme maintenant</translation>
    </message>
    <message>
        <source>Alarm in %1</source>
        <translation>Alarme dans %1</translation>
    </message>
    <message>
        <source>Minimize</source>
        <comment>menu clock</comment>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Delete this clock...</source>
        <comment>menu clock</comment>
        <translation>Supprimer cette horloge…</translation>
    </message>
    <message>
        <source>Delete this clock?</source>
        <translation>Supprimer cette horloge ?</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>demain</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>hier</translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>%n jour plus tôt</numerusform>
            <numerusform>%n jours plus tôt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>%n jour plus tard</numerusform>
            <numerusform>%n jours plus tard</numerusform>
        </translation>
    </message>
    <message>
        <source>%1d</source>
        <comment>time to the alarm: days</comment>
        <translation>%1j</translation>
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
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>menu File</comment>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Créer un nouveau document</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>menu File</comment>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ouvrir un document existant</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>menu File</comment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Enregistrer le document actif</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <comment>menu File</comment>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Enregistrer le document actif sous un nouveau nom</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>menu File</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quitter l&apos;application ; propose d&apos;enregistrer les documents</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Format de fichier inattendu.</translation>
    </message>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>Failed to save document %1.</source>
        <translation>Échec de l&apos;enregistrement du document %1.</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
</context>
<context>
    <name>CSetAllarm</name>
    <message>
        <source>Set Alarm</source>
        <translation>Régler l&apos;alarme</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Régler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Enter message you wnat to see at Alarm time.</source>
        <translation>Saisissez le message à afficher à l&apos;heure de l&apos;alarme.</translation>
    </message>
    <message>
        <source>Set the alarm to trigger at given time.</source>
        <translation>Régler l&apos;alarme pour qu&apos;elle sonne à l&apos;heure indiquée.</translation>
    </message>
    <message>
        <source>Cancel the alarm.</source>
        <translation>Annuler l&apos;alarme.</translation>
    </message>
    <message>
        <source>Set date of alarm.</source>
        <translation>Régler la date de l&apos;alarme.</translation>
    </message>
    <message>
        <source>Set time of alarm.</source>
        <translation>Régler l&apos;heure de l&apos;alarme.</translation>
    </message>
    <message>
        <source>That date/time has already occured</source>
        <translation>Cette date et heure est déjà passée</translation>
    </message>
    <message>
        <source>Occurs in %1 from now %2</source>
        <translation>Aura lieu dans %1 à partir de maintenant %2</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close without changing the alarm.</source>
        <translation>Fermer sans modifier l&apos;alarme.</translation>
    </message>
    <message>
        <source>That date/time has already passed. Choose a later time for the alarm.</source>
        <translation>Cette date et heure est déjà passée. Choisissez une heure plus tardive pour l&apos;alarme.</translation>
    </message>
</context>
<context>
    <name>CWhatCity</name>
    <message>
        <source>What city?</source>
        <translation>Quelle ville ?</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderne</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icône</translation>
    </message>
    <message>
        <source>Digital</source>
        <translation>Numérique</translation>
    </message>
    <message>
        <source>24 Hour</source>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>Select a city.</source>
        <translation>Sélectionnez une ville.</translation>
    </message>
    <message>
        <source>Set current clock for selected city and close</source>
        <translation>Régler cette horloge sur la ville sélectionnée et fermer</translation>
    </message>
    <message>
        <source>Create a new clock for selected city</source>
        <translation>Créer une nouvelle horloge pour la ville sélectionnée</translation>
    </message>
    <message>
        <source>Delete the current clock and close</source>
        <translation>Supprimer cette horloge et fermer</translation>
    </message>
    <message>
        <source>Setup an alarm time relitive to selected city</source>
        <translation>Régler une alarme à l&apos;heure de la ville sélectionnée</translation>
    </message>
    <message>
        <source>Select clock appearance</source>
        <translation>Choisir l&apos;apparence de l&apos;horloge</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name to find it.</source>
        <translation>Saisissez une partie du nom d&apos;une ville pour la trouver.</translation>
    </message>
    <message>
        <source>Close without making a clock</source>
        <translation>Fermer sans créer d&apos;horloge</translation>
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
        <translation>utilisation :</translation>
    </message>
    <message>
        <source>with</source>
        <translation>avec</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donnée deux fois</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 attend %2</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 va avec %2</translation>
    </message>
    <message>
        <source>-- must be followed by a file</source>
        <translation>-- doit être suivi d&apos;un fichier</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>no display (neither DISPLAY nor WAYLAND_DISPLAY is set)</source>
        <translation>aucun affichage (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini)</translation>
    </message>
    <message>
        <source>cannot open display %1</source>
        <translation>impossible d&apos;ouvrir l&apos;affichage %1</translation>
    </message>
    <message>
        <source>%1 (see %2 --help)</source>
        <translation>%1 (voir %2 --help)</translation>
    </message>
</context>
<context>
    <name>Kestrum</name>
    <message>
        <source>Failed to write Restart command</source>
        <translation>Impossible d&apos;écrire la commande de redémarrage</translation>
    </message>
    <message>
        <source>Failed to read Restart commands</source>
        <translation>Impossible de lire les commandes de redémarrage</translation>
    </message>
    <message>
        <source>Error in rewriting Startup file</source>
        <translation>Erreur lors de la réécriture du fichier de démarrage</translation>
    </message>
    <message>
        <source>CreateSoundBuffer failed</source>
        <translation>Échec de CreateSoundBuffer</translation>
    </message>
    <message>
        <source>You are missing, TimeZones.txt, a required file.</source>
        <translation>Il manque TimeZones.txt, un fichier requis.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>impossible de supprimer %1 : %2</translation>
    </message>
</context>
</TS>
