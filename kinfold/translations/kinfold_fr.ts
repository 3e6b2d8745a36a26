<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccountSync</name>
    <message>
        <source>%1 at %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>no password for %1 (none in the secret store; give it with --sync --password-stdin)</source>
        <translation>pas de mot de passe pour %1 (aucun dans le trousseau&#xa0;; donnez-le avec --sync --password-stdin)</translation>
    </message>
    <message>
        <source>--add-account needs --user NAME</source>
        <translation>--add-account demande --user NAME</translation>
    </message>
    <message>
        <source>--add-account needs the server&apos;s address</source>
        <translation>--add-account demande l’adresse du serveur</translation>
    </message>
    <message>
        <source>--user goes with --add-account</source>
        <translation>--user va avec --add-account</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>only one document can be synced (got %1)</source>
        <translation>un seul document peut être synchronisé (reçu %1)</translation>
    </message>
    <message>
        <source>--remove-account: &quot;%1&quot; is no account number (see kinfold --accounts)</source>
        <translation>--remove-account&#xa0;: «&#xa0;%1&#xa0;» n’est pas un numéro de compte (voir kinfold --accounts)</translation>
    </message>
    <message>
        <source>%1; the account was not added</source>
        <translation>%1&#xa0;; le compte n’a pas été ajouté</translation>
    </message>
    <message>
        <source>no address book at %1 and nothing to publish; the account was not added</source>
        <translation>aucun carnet d’adresses à %1 et rien à publier&#xa0;; le compte n’a pas été ajouté</translation>
    </message>
    <message>
        <source>%1 is account %2 already</source>
        <translation>%1 est déjà le compte %2</translation>
    </message>
    <message>
        <source>the password was not kept (%1); give it at each sync with --sync --password-stdin</source>
        <translation>le mot de passe n’a pas été conservé (%1)&#xa0;; donnez-le à chaque synchronisation avec --sync --password-stdin</translation>
    </message>
    <message>
        <source>account %1: %2, 1 address book</source>
        <translation>compte %1&#xa0;: %2, 1 carnet d’adresses</translation>
    </message>
    <message numerus="yes">
        <source>account %1: %2, %n address books</source>
        <translation>
            <numerusform>compte %1&#xa0;: %2, %n carnet d’adresses</numerusform>
            <numerusform>compte %1&#xa0;: %2, %n carnets d’adresses</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes to &quot;Birthdays&quot;</source>
        <translation>, publie dans «&#xa0;Birthdays&#xa0;»</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>tous les carnets d’adresses</translation>
    </message>
    <message>
        <source>--remove-account: there is no account %1 (see kinfold --accounts)</source>
        <translation>--remove-account&#xa0;: il n’y a pas de compte %1 (voir kinfold --accounts)</translation>
    </message>
    <message>
        <source>account %1 (%2) removed</source>
        <translation>compte %1 (%2) supprimé</translation>
    </message>
    <message>
        <source>there is no account to sync (add one with --add-account)</source>
        <translation>aucun compte à synchroniser (ajoutez-en un avec --add-account)</translation>
    </message>
    <message>
        <source>%1: 1 card could not be read and was left out</source>
        <translation>%1&#xa0;: 1 fiche n’a pas pu être lue et a été laissée de côté</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n cards could not be read and were left out</source>
        <translation>
            <numerusform>%1&#xa0;: %n fiche n’a pas pu être lue et a été laissée de côté</numerusform>
            <numerusform>%1&#xa0;: %n fiches n’ont pas pu être lues et ont été laissées de côté</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n address books</source>
        <translation>
            <numerusform>%n carnet d’adresses</numerusform>
            <numerusform>%n carnets d’adresses</numerusform>
        </translation>
    </message>
    <message>
        <source>--add-account: the address must not hold the password; give it on standard input</source>
        <translation>--add-account&#xa0;: l’adresse ne doit pas contenir le mot de passe&#xa0;; donnez-le sur l’entrée standard</translation>
    </message>
</context>
<context>
    <name>BirthdayImport</name>
    <message>
        <source>%1 is neither a GEDCOM file (&quot;0 HEAD&quot;) nor a vCard file (&quot;BEGIN:VCARD&quot;).</source>
        <translation>%1 n’est ni un fichier GEDCOM («&#xa0;0 HEAD&#xa0;») ni un fichier vCard («&#xa0;BEGIN:VCARD&#xa0;»).</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Le fichier</translation>
    </message>
</context>
<context>
    <name>BirthdayList</name>
    <message>
        <source>Unexpected file format.</source>
        <translation>Format de fichier inattendu.</translation>
    </message>
</context>
<context>
    <name>CAccountEditDlg</name>
    <message>
        <source>Add Account</source>
        <translation>Ajouter un compte</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>The server&apos;s address (https://dav.example.org/), or the address of one address book.</source>
        <translation>L’adresse du serveur (https://dav.example.org/) ou celle d’un carnet d’adresses.</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Conservé dans le trousseau du bureau, jamais dans un fichier.</translation>
    </message>
    <message>
        <source>Publish the birthdays to the calendar &quot;Birthdays&quot;</source>
        <translation>Publier les anniversaires dans le calendrier «&#xa0;Birthdays&#xa0;»</translation>
    </message>
    <message>
        <source>The address books read; when all are ticked, new ones are read too.</source>
        <translation>Les carnets d’adresses lus&#xa0;; quand tous sont cochés, les nouveaux sont lus aussi.</translation>
    </message>
    <message>
        <source>&amp;Find Address Books</source>
        <translation>&amp;Trouver les carnets d’adresses</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d’&amp;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe&#xa0;:</translation>
    </message>
    <message>
        <source>Address books:</source>
        <translation>Carnets d’adresses&#xa0;:</translation>
    </message>
    <message>
        <source>Please give the server&apos;s address and your user name.</source>
        <translation>Veuillez indiquer l’adresse du serveur et votre nom d’utilisateur.</translation>
    </message>
    <message>
        <source>(no address book on this server)</source>
        <translation>(aucun carnet d’adresses sur ce serveur)</translation>
    </message>
    <message>
        <source>Please tick an address book, or publish the birthdays.</source>
        <translation>Veuillez cocher un carnet d’adresses ou publier les anniversaires.</translation>
    </message>
    <message>
        <source>The password cannot be kept: %1. Kinfold will ask for it at each sync.</source>
        <translation>Le mot de passe ne peut pas être conservé&#xa0;: %1. Kinfold le demandera à chaque synchronisation.</translation>
    </message>
    <message>
        <source>Please take the password out of the server&apos;s address and give it under Password.</source>
        <translation>Retirez le mot de passe de l’adresse du serveur et indiquez-le dans Mot de passe.</translation>
    </message>
</context>
<context>
    <name>CAccountsDlg</name>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>Address books read into the list, and calendars the birthdays are published to.</source>
        <translation>Les carnets d’adresses lus dans la liste et les calendriers où les anniversaires sont publiés.</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter…</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Remove the account %1? The entries it brought stay in the list.</source>
        <translation>Supprimer le compte %1&#xa0;? Les entrées qu’il a apportées restent dans la liste.</translation>
    </message>
    <message>
        <source>every address book</source>
        <translation>tous les carnets d’adresses</translation>
    </message>
    <message numerus="yes">
        <source>%n address book(s)</source>
        <translation>
            <numerusform>%n carnet d’adresses</numerusform>
            <numerusform>%n carnets d’adresses</numerusform>
        </translation>
    </message>
    <message>
        <source>, publishes &quot;Birthdays&quot;</source>
        <translation>, publie «&#xa0;Birthdays&#xa0;»</translation>
    </message>
    <message>
        <source>There is no account yet: add one with File &gt; Accounts...</source>
        <translation>Il n’y a pas encore de compte&#xa0;: ajoutez-en un avec Fichier &gt; Comptes…</translation>
    </message>
    <message>
        <source>Syncing with the accounts...</source>
        <translation>Synchronisation avec les comptes…</translation>
    </message>
    <message>
        <source>The server refused the password of %1. Password:</source>
        <translation>Le serveur a refusé le mot de passe de %1. Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Password of %1:</source>
        <translation>Mot de passe de %1&#xa0;:</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n card(s) could not be read and were left out.</source>
        <translation>
            <numerusform>%1&#xa0;: %n fiche n’a pas pu être lue et a été laissée de côté.</numerusform>
            <numerusform>%1&#xa0;: %n fiches n’ont pas pu être lues et ont été laissées de côté.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sync failed</source>
        <translation>Échec de la synchronisation</translation>
    </message>
    <message>
        <source>Synced: %1</source>
        <translation>Synchronisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The sync did not finish; the list keeps what was read, and the next sync goes on from there.</source>
        <translation>La synchronisation n’a pas abouti&#xa0;; la liste garde ce qui a été lu et la prochaine synchronisation reprendra à partir de là.</translation>
    </message>
</context>
<context>
    <name>CBirthdayEditDlg</name>
    <message>
        <source>Birthday Edit</source>
        <translation>Modifier l&apos;anniversaire</translation>
    </message>
    <message>
        <source>Choose type of object.</source>
        <translation>Choisissez le type d&apos;entrée.</translation>
    </message>
    <message>
        <source>Delete this item</source>
        <translation>Supprimer cette entrée</translation>
    </message>
    <message>
        <source>Remove this object.</source>
        <translation>Supprimer cette entrée.</translation>
    </message>
    <message>
        <source>Display Text</source>
        <translation>Texte affiché</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Name if individual</source>
        <translation>Nom d&apos;une personne</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Individual birthday</source>
        <translation>Anniversaire d&apos;une personne</translation>
    </message>
    <message>
        <source>Couple (Joe+Mary) Wedding date</source>
        <translation>Couple (Joe+Mary) date du mariage</translation>
    </message>
    <message>
        <source>Note (Dr at 4PM) display date</source>
        <translation>Note (médecin à 16 h) date affichée</translation>
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
        <source>Birth year.</source>
        <translation>Année de naissance.</translation>
    </message>
    <message>
        <source>Birth month.</source>
        <translation>Mois de naissance.</translation>
    </message>
    <message>
        <source>Birth day of month.</source>
        <translation>Jour de naissance dans le mois.</translation>
    </message>
    <message>
        <source>Marriage year.</source>
        <translation>Année du mariage.</translation>
    </message>
    <message>
        <source>Marriage month.</source>
        <translation>Mois du mariage.</translation>
    </message>
    <message>
        <source>Marriage day of month.</source>
        <translation>Jour du mariage dans le mois.</translation>
    </message>
    <message>
        <source>Death year.</source>
        <translation>Année du décès.</translation>
    </message>
    <message>
        <source>Death month.</source>
        <translation>Mois du décès.</translation>
    </message>
    <message>
        <source>Death day of month.</source>
        <translation>Jour du décès dans le mois.</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Naissance</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Mariage</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Décès</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>CBirthdayNamesDlg</name>
    <message>
        <source>Birthday Names</source>
        <translation>Liste des anniversaires</translation>
    </message>
    <message>
        <source>The List of Birthdays.</source>
        <translation>La liste des anniversaires.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Modify object.</source>
        <translation>Modifier l&apos;entrée.</translation>
    </message>
    <message>
        <source>Delete selected object.</source>
        <translation>Supprimer l&apos;entrée sélectionnée.</translation>
    </message>
    <message>
        <source>Create a new object.</source>
        <translation>Créer une nouvelle entrée.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Show only the entries whose text or date holds these letters.</source>
        <translation>N&apos;afficher que les entrées dont le texte ou la date contient ces caractères.</translation>
    </message>
    <message>
        <source>A date of this entry cannot be: Edit to mend it.</source>
        <translation>Une date de cette entrée est impossible&#xa0;: corrigez-la avec Modifier.</translation>
    </message>
</context>
<context>
    <name>CCountrySetDlg</name>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>The public holidays of which country.</source>
        <translation>Les jours fériés de quel pays.</translation>
    </message>
    <message>
        <source>Please choose a country.</source>
        <translation>Veuillez choisir un pays.</translation>
    </message>
</context>
<context>
    <name>CDocFrame</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>CEditDateDlg</name>
    <message>
        <source>Enter Date</source>
        <translation>Saisir la date</translation>
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
        <source>Set desired year, do not abbreviate.</source>
        <translation>Saisissez l&apos;année voulue, sans l&apos;abréger.</translation>
    </message>
    <message>
        <source>Set month number (1-12).</source>
        <translation>Saisissez le numéro du mois (1-12).</translation>
    </message>
    <message>
        <source>Set day of month (1-31).</source>
        <translation>Saisissez le jour du mois (1-31).</translation>
    </message>
</context>
<context>
    <name>CExportCalendarDlg</name>
    <message>
        <source>Export Calendar</source>
        <translation>Exporter le calendrier</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Inclure</translation>
    </message>
    <message>
        <source>Birthdays</source>
        <translation>Anniversaires</translation>
    </message>
    <message>
        <source>The birthdays of the people in the list.</source>
        <translation>Les anniversaires des personnes de la liste.</translation>
    </message>
    <message>
        <source>Anniversaries</source>
        <translation>Mariages</translation>
    </message>
    <message>
        <source>The wedding days of couples (&quot;Anniversary&quot; on the calendar).</source>
        <translation>Les anniversaires de mariage des couples («&#xa0;Mariages&#xa0;» dans le calendrier).</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>The dated notes (&quot;Notes&quot; on the calendar).</source>
        <translation>Les notes datées («&#xa0;Notes&#xa0;» dans le calendrier).</translation>
    </message>
    <message>
        <source>Birthdays after the death date</source>
        <translation>Anniversaires après la date du décès</translation>
    </message>
    <message>
        <source>Off: a birthday ends at the death date (&quot;Dead&quot; on the calendar).</source>
        <translation>Désactivé&#xa0;: un anniversaire s’arrête à la date du décès («&#xa0;Défunts&#xa0;» dans le calendrier).</translation>
    </message>
    <message>
        <source>Reminders as alarms</source>
        <translation>Rappels en alarmes</translation>
    </message>
    <message>
        <source>One alarm per lead day of the reminders, at their time of day.</source>
        <translation>Une alarme par jour d’avance des rappels, à leur heure.</translation>
    </message>
    <message>
        <source>1 event; %1.</source>
        <translation>1 événement&#xa0;; %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n events; %1.</source>
        <translation>
            <numerusform>%n événement&#xa0;; %1.</numerusform>
            <numerusform>%n événements&#xa0;; %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFontColorDlg</name>
    <message>
        <source>Color...</source>
        <translation>Couleur…</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>CHolidayEditDlg</name>
    <message>
        <source>Edit Holliday</source>
        <translation>Modifier le jour férié</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>For example Christmas.</source>
        <translation>Par exemple Noël.</translation>
    </message>
    <message>
        <source>Legale definition.</source>
        <translation>Définition légale.</translation>
    </message>
    <message>
        <source>Good Friday -2, Easter Monday 1, Ascension 39, Whit Monday 50.</source>
        <translation>Vendredi saint -2, lundi de Pâques 1, Ascension 39, lundi de Pentecôte 50.</translation>
    </message>
    <message>
        <source>As the United Kingdom keeps Christmas and Boxing Day.</source>
        <translation>Comme le Royaume-Uni observe Noël et le Boxing Day.</translation>
    </message>
    <message>
        <source>Choose month.</source>
        <translation>Choisissez le mois.</translation>
    </message>
    <message>
        <source>Choose which week (1st..Last).</source>
        <translation>Choisissez la semaine (1re à dernière).</translation>
    </message>
    <message>
        <source>Choose day of week.</source>
        <translation>Choisissez le jour de la semaine.</translation>
    </message>
    <message>
        <source>Looking for a number here.</source>
        <translation>Un nombre est attendu ici.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Jour de la semaine</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Western</source>
        <translation>Occidentale</translation>
    </message>
    <message>
        <source>Orthodox</source>
        <translation>Orthodoxe</translation>
    </message>
    <message>
        <source>Which churches&apos; Easter.</source>
        <translation>La Pâques de quelles Églises.</translation>
    </message>
    <message>
        <source>Days after Easter Sunday, or before it when negative.</source>
        <translation>Jours après le dimanche de Pâques, ou avant s&apos;il est négatif.</translation>
    </message>
    <message>
        <source>The one year the holiday is kept.</source>
        <translation>L&apos;unique année où le jour férié est observé.</translation>
    </message>
    <message>
        <source>When the date falls on this day of week, the date itself.</source>
        <translation>Si la date tombe ce jour de la semaine, la date elle-même.</translation>
    </message>
    <message>
        <source>Easter</source>
        <translation>Pâques</translation>
    </message>
    <message>
        <source>Days from Easter</source>
        <translation>Jours depuis Pâques</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Date itself on</source>
        <translation>La date elle-même le</translation>
    </message>
    <message>
        <source>Fixed date</source>
        <translation>Date fixe</translation>
    </message>
    <message>
        <source>Fixed day of week</source>
        <translation>Jour de la semaine fixe</translation>
    </message>
    <message>
        <source>Next business day after</source>
        <translation>Jour ouvré suivant après</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the next free weekday</source>
        <translation>Date fixe, un week-end aussi le jour ouvré libre suivant</translation>
    </message>
    <message>
        <source>Fixed date, on a Sunday the Saturday before</source>
        <translation>Date fixe, un dimanche le samedi précédent</translation>
    </message>
    <message>
        <source>Day of week on or after the date</source>
        <translation>Jour de la semaine à la date ou après</translation>
    </message>
    <message>
        <source>Day of week on or before the date</source>
        <translation>Jour de la semaine à la date ou avant</translation>
    </message>
    <message>
        <source>Date in one year only</source>
        <translation>Date d&apos;une seule année</translation>
    </message>
    <message>
        <source>Day of week on or after the date, or the date itself on</source>
        <translation>Jour de la semaine à la date ou après, ou la date elle-même le</translation>
    </message>
    <message>
        <source>FBD after</source>
        <translation>Jour ouvré après</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Première</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Deuxième</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Troisième</translation>
    </message>
    <message>
        <source>Fourth</source>
        <translation>Quatrième</translation>
    </message>
    <message>
        <source>Fifth</source>
        <translation>Cinquième</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernière</translation>
    </message>
    <message>
        <source>Fixed date, on a weekend also the Friday before or Monday after (observed)</source>
        <translation>Date fixe, un week-end aussi le vendredi précédent ou le lundi suivant (observé)</translation>
    </message>
    <message>
        <source>Day the season begins (equinox or solstice)</source>
        <translation>Jour où commence la saison (équinoxe ou solstice)</translation>
    </message>
    <message>
        <source>A holiday on a Sunday: the next free day</source>
        <translation>Un jour férié un dimanche : le jour libre suivant</translation>
    </message>
    <message>
        <source>A day between two holidays</source>
        <translation>Un jour entre deux jours fériés</translation>
    </message>
    <message>
        <source>Not on the date in one year (moved)</source>
        <translation>Pas à la date une certaine année (déplacé)</translation>
    </message>
    <message>
        <source>As the United States observe their federal holidays.</source>
        <translation>Comme les États-Unis observent leurs jours fériés fédéraux.</translation>
    </message>
    <message>
        <source>Choose March or September for the equinoxes, June or December for the solstices.</source>
        <translation>Choisissez mars ou septembre pour les équinoxes, juin ou décembre pour les solstices.</translation>
    </message>
    <message>
        <source>For the whole list, as Japan keeps its holidays; the name is the day&apos;s.</source>
        <translation>Pour toute la liste, comme le Japon observe ses jours fériés ; le nom est celui du jour.</translation>
    </message>
    <message>
        <source>For the whole list; the day of week chosen is left out.</source>
        <translation>Pour toute la liste ; le jour de la semaine choisi est exclu.</translation>
    </message>
    <message>
        <source>The holiday of this name is not kept on the date in the year given.</source>
        <translation>Le jour férié de ce nom n&apos;est pas observé à sa date l&apos;année indiquée.</translation>
    </message>
    <message>
        <source>Hours from UT of the local time (Japan 9).</source>
        <translation>Décalage en heures de l&apos;heure locale par rapport à UT (Japon 9).</translation>
    </message>
    <message>
        <source>Hours from UT</source>
        <translation>Heures par rapport à UT</translation>
    </message>
    <message>
        <source>First year the holiday is kept; empty for always.</source>
        <translation>Première année où le jour férié est observé ; vide pour toujours.</translation>
    </message>
    <message>
        <source>Last year the holiday is kept; empty for always.</source>
        <translation>Dernière année où le jour férié est observé ; vide pour toujours.</translation>
    </message>
    <message>
        <source>Kept from year</source>
        <translation>Observé de l&apos;année</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>The last year comes before the first.</source>
        <translation>La dernière année précède la première.</translation>
    </message>
</context>
<context>
    <name>CHolidayListDlg</name>
    <message>
        <source>Edit Holliday list</source>
        <translation>Modifier la liste des jours fériés</translation>
    </message>
    <message>
        <source>List of hollidays.</source>
        <translation>Liste des jours fériés.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Country...</source>
        <translation>Pays…</translation>
    </message>
    <message>
        <source>Screen to change currently selected holliday.</source>
        <translation>Modifier le jour férié sélectionné.</translation>
    </message>
    <message>
        <source>Screen to enter a new holliday.</source>
        <translation>Saisir un nouveau jour férié.</translation>
    </message>
    <message>
        <source>Remove selected holliday.</source>
        <translation>Supprimer le jour férié sélectionné.</translation>
    </message>
    <message>
        <source>Put in the initial factory settings.</source>
        <translation>Rétablir les réglages d&apos;usine.</translation>
    </message>
    <message>
        <source>Put in the public holidays of a country.</source>
        <translation>Reprendre les jours fériés d&apos;un pays.</translation>
    </message>
    <message>
        <source>From file...</source>
        <translation>Depuis un fichier…</translation>
    </message>
    <message>
        <source>Add the all-day events of a calendar file (.ics).</source>
        <translation>Ajouter les événements d&apos;une journée entière d&apos;un fichier d&apos;agenda (.ics).</translation>
    </message>
    <message>
        <source>From file</source>
        <translation>Depuis un fichier</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical);;All files (*)</source>
        <translation>Fichiers iCalendar (*.ics *.ical);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Replace your holidays by those of %1?

Yes replaces the list, No adds them at its end.</source>
        <translation>Remplacer vos jours fériés par ceux de %1&#xa0;?

Oui remplace la liste, Non les ajoute à la fin.</translation>
    </message>
</context>
<context>
    <name>CKinfoldView</name>
    <message>
        <source> Month&gt;</source>
        <translation> Mois&gt;</translation>
    </message>
    <message>
        <source>Advance Month
Next Month</source>
        <translation>Avancer d&apos;un mois
Mois suivant</translation>
    </message>
    <message>
        <source>&lt;Month</source>
        <translation>&lt;Mois</translation>
    </message>
    <message>
        <source>Sets Month to previous
Last Month</source>
        <translation>Reculer d&apos;un mois
Mois précédent</translation>
    </message>
    <message>
        <source>Year&gt;&gt;</source>
        <translation>Année&gt;&gt;</translation>
    </message>
    <message>
        <source>Advance Year
Next Year</source>
        <translation>Avancer d&apos;un an
Année suivante</translation>
    </message>
    <message>
        <source>&lt;&lt;Year</source>
        <translation>&lt;&lt;Année</translation>
    </message>
    <message>
        <source>Gets previous year
Last Year</source>
        <translation>Reculer d&apos;un an
Année précédente</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Sets Year and Month to current
This Month this Year</source>
        <translation>Aller au mois et à l&apos;année en cours
Ce mois-ci, cette année</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Type in Any year any month
Any Year Any Month</source>
        <translation>Saisir une année et un mois quelconques
Toute année, tout mois</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Date cible</translation>
    </message>
    <message>
        <source>Display count of days until (or since) a given date
Day Number</source>
        <translation>Afficher le nombre de jours jusqu&apos;à (ou depuis) une date
Nombre de jours</translation>
    </message>
    <message>
        <source>Dead</source>
        <translation>Défunts</translation>
    </message>
    <message>
        <source>Birthdays after death date
Birthdays</source>
        <translation>Anniversaires après la date du décès
Anniversaires</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Monday as first day of the week
Start Week</source>
        <translation>Lundi comme premier jour de la semaine
Début de semaine</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Display first name only
Birthday</source>
        <translation>Afficher seulement le prénom
Anniversaire</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Mariages</translation>
    </message>
    <message>
        <source>Display anniversaries
Marriage</source>
        <translation>Afficher les anniversaires de mariage
Mariage</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Décompte</translation>
    </message>
    <message>
        <source>Days from target\Countdown</source>
        <translation>Jours depuis la cible\Compte à rebours</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Use pictures for calandar background
Background</source>
        <translation>Utiliser des images comme fond du calendrier
Fond</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Notes
View notes on calendar</source>
        <translation>Notes
Afficher les notes dans le calendrier</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Phase de la lune</translation>
    </message>
    <message>
        <source>Show start of moon quarter
Quarter</source>
        <translation>Afficher le début des quartiers de lune
Quartier</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Saisons</translation>
    </message>
    <message>
        <source>Start of seasons
Season</source>
        <translation>Début des saisons
Saison</translation>
    </message>
    <message>
        <source>Week Numbers</source>
        <translation>Numéros de semaine</translation>
    </message>
    <message>
        <source>Show the number of each week in its first day
Week Numbers</source>
        <translation>Afficher le numéro de chaque semaine dans son premier jour
Numéros de semaine</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>One month per page/nNormal</source>
        <translation>Un mois par page/nNormal</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Six months per page
six minths</source>
        <translation>Six mois par page
six mois</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>Twelve months per page
Year</source>
        <translation>Douze mois par page
Année</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Our current calendar
Current</source>
        <translation>Notre calendrier actuel
Actuel</translation>
    </message>
    <message>
        <source>Old style</source>
        <translation>Ancien style</translation>
    </message>
    <message>
        <source>used until 1400 or 1700
Old style</source>
        <translation>utilisé jusqu&apos;en 1400 ou 1700
Ancien style</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Each month starts at new moon
Moon</source>
        <translation>Chaque mois commence à la nouvelle lune
Lune</translation>
    </message>
    <message>
        <source>Year of the Snake</source>
        <translation>Année du Serpent</translation>
    </message>
    <message>
        <source>Chinise callendar for fun
Year of the Snake</source>
        <translation>Calendrier chinois pour le plaisir
Année du Serpent</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Brings up the Opions Setting Dialog box
Persistent Options</source>
        <translation>Ouvre la boîte de dialogue des options
Options permanentes</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Appliquer le profil</translation>
    </message>
    <message>
        <source>Set options to last saved profile
Apply options</source>
        <translation>Rétablir les options du dernier profil enregistré
Appliquer les options</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>See and edit list of Names
Edit names</source>
        <translation>Voir et modifier la liste des noms
Modifier les noms</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Load birthdays from a Gedcom file generated by a Genealogy program, or from a vCard address book
Import</source>
        <translation>Charger des anniversaires depuis un fichier GEDCOM d&apos;un logiciel de généalogie ou depuis un carnet d&apos;adresses vCard
Importer</translation>
    </message>
    <message>
        <source>Export Calendar...</source>
        <translation>Exporter le calendrier…</translation>
    </message>
    <message>
        <source>Save the birthdays, anniversaries and notes shown as an iCalendar file for phone and web calendars
Export Calendar</source>
        <translation>Enregistrer les anniversaires, anniversaires de mariage et notes affichés dans un fichier iCalendar pour les agendas de téléphone et web
Exporter le calendrier</translation>
    </message>
    <message>
        <source>Holliday</source>
        <translation>Jours fériés</translation>
    </message>
    <message>
        <source>add change or delete hollidays
Holliday list</source>
        <translation>Ajouter, modifier ou supprimer des jours fériés
Liste des jours fériés</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer…	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active Calendar
Print</source>
        <translation>Imprimer le calendrier
Imprimer</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Aperçu a&amp;vant impression</translation>
    </message>
    <message>
        <source>Display Calendar as printed
Print Preview</source>
        <translation>Afficher le calendrier tel qu&apos;il sera imprimé
Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configu&amp;ration de l&apos;impression…</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Changer d&apos;imprimante et d&apos;options d&apos;impression
Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>&amp;About Birthdays...</source>
        <translation>À &amp;propos des anniversaires…</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;vCard address book (*.vcf *.vcard);;All files (*)</source>
        <translation>Fichiers d&apos;anniversaires (*.ged *.vcf *.vcard);;Fichier GEDCOM (*.ged);;Carnet d&apos;adresses vCard (*.vcf *.vcard);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Name list is not empty.  Do you want to merge the file into your current list?</source>
        <translation>La liste des noms n&apos;est pas vide.  Voulez-vous fusionner le fichier avec la liste actuelle ?</translation>
    </message>
    <message>
        <source>You may save the current list by selecting save or save as on the file menu then clear the curren list by selecting new in the file menu.</source>
        <translation>Vous pouvez enregistrer la liste actuelle avec Enregistrer ou Enregistrer sous dans le menu Fichier, puis la vider avec Nouveau dans le menu Fichier.</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>Exporter le calendrier</translation>
    </message>
    <message>
        <source>iCalendar file (*.ics);;All files (*)</source>
        <translation>Fichier iCalendar (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Upcoming...</source>
        <translation>Prochainement…</translation>
    </message>
    <message>
        <source>List the birthdays, anniversaries and notes of the next 30 days
Upcoming</source>
        <translation>Lister les anniversaires, anniversaires de mariage et notes des 30 prochains jours
Prochainement</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries in the list)</source>
        <translation>
            <numerusform>%1 (%n entrée dans la liste)</numerusform>
            <numerusform>%1 (%n entrées dans la liste)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event written to %1; %2</source>
        <translation>1 événement écrit dans %1&#xa0;; %2</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1; %2</source>
        <translation>
            <numerusform>%n événement écrit dans %1&#xa0;; %2</numerusform>
            <numerusform>%n événements écrits dans %1&#xa0;; %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossible d’écrire %1</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Kinfold Files (*.kfd)</source>
        <translation>Fichiers Kinfold (*.kfd)</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation>Pour obtenir de l&apos;aide, appuyez sur F1</translation>
    </message>
    <message>
        <source>Create a new birthday list</source>
        <translation>Créer une nouvelle liste d&apos;anniversaires</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open an existing birthday list</source>
        <translation>Ouvrir une liste d&apos;anniversaires existante</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save the active birthday list</source>
        <translation>Enregistrer la liste d&apos;anniversaires</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save the active birthday list with a new name</source>
        <translation>Enregistrer la liste d&apos;anniversaires sous un nouveau nom</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Quit the program; prompts to save birthday list</source>
        <translation>Quitter le programme ; propose d&apos;enregistrer la liste</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Couper la sélection et la placer dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copier la sélection dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insérer le contenu du presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Afficher ou masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>Months/page</source>
        <translation>Mois/page</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Help Index</source>
        <translation>Index de l&apos;aide</translation>
    </message>
    <message>
        <source>Search help Index</source>
        <translation>Rechercher dans l&apos;index de l&apos;aide</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Index de l&apos;aide</translation>
    </message>
    <message>
        <source>Gregorian Calendar</source>
        <translation>Calendrier grégorien</translation>
    </message>
    <message>
        <source>Disertation on the current calendar in use today</source>
        <translation>Exposé sur le calendrier en usage aujourd&apos;hui</translation>
    </message>
    <message>
        <source>World Calendar</source>
        <translation>Calendrier universel</translation>
    </message>
    <message>
        <source>About Kinfold</source>
        <translation>À propos de Kinfold</translation>
    </message>
    <message>
        <source>Future Plans</source>
        <translation>Projets</translation>
    </message>
    <message>
        <source>My plans for upgrades and other stuff</source>
        <translation>Mes projets d&apos;améliorations et d&apos;autres choses</translation>
    </message>
    <message>
        <source>Your Dreaming</source>
        <translation>Vous rêvez</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The Gregorian calendar&lt;/h3&gt;&lt;p&gt;The calendar in civil use today counts 365 days in a common year and 366 in a leap year. A year is a leap year when it divides by 4, except the century years, which are leap years only when they divide by 400: 1900 was not a leap year, 2000 was.&lt;/p&gt;&lt;p&gt;It replaced the Julian calendar, which made every fourth year a leap year and so ran ahead of the seasons by about three days in four hundred years. When the reform came in October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them &quot;Julian&quot;; the Old style calendar shows any month as it would have been kept where the reform came late (Britain and its colonies changed in 1752). In the Old style the year began in March, so January to March carry both years, as in February 1699/0.&lt;/p&gt;&lt;p&gt;The Moon calendar starts every month on the day after a new moon; a year that holds thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same months and names each year by its animal.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Le calendrier grégorien&lt;/h3&gt;&lt;p&gt;Le calendrier civil en usage aujourd&apos;hui compte 365 jours dans une année commune et 366 dans une année bissextile. Une année est bissextile si elle est divisible par 4, sauf les années séculaires, qui ne sont bissextiles que si elles sont divisibles par 400 : 1900 n&apos;était pas bissextile, 2000 l&apos;était.&lt;/p&gt;&lt;p&gt;Il a remplacé le calendrier julien, qui faisait de chaque quatrième année une année bissextile et prenait ainsi environ trois jours d&apos;avance sur les saisons en quatre cents ans. Lors de la réforme d&apos;octobre 1582, dix jours furent omis : le jeudi 4 octobre fut suivi du vendredi 15 octobre. Kinfold affiche de lui-même les mois jusqu&apos;à octobre 1582 dans le calendrier julien et les intitule « julien » ; le calendrier Ancien style affiche chaque mois tel qu&apos;il aurait été tenu là où la réforme est arrivée tard (la Grande-Bretagne et ses colonies ont changé en 1752). Dans l&apos;Ancien style, l&apos;année commençait en mars, si bien que janvier à mars portent les deux années, comme dans février 1699/0.&lt;/p&gt;&lt;p&gt;Le calendrier Lune commence chaque mois le lendemain d&apos;une nouvelle lune ; une année qui compte treize nouvelles lunes se termine par une « Lune bleue ». Le calendrier Année du Serpent utilise les mêmes mois et nomme chaque année d&apos;après son animal.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them into month calendars: one, six or twelve months to a page, on the screen and on paper.&lt;/p&gt;&lt;p&gt;Each day shows its number, the holiday of the day on the bottom line and above it the people of the day with their ages. The corner of a day can show the start of a season or a quarter of the moon, or the days to or from a target date.&lt;/p&gt;&lt;p&gt;Use the buttons on the menu bar to move by month and year, the View menu to choose what is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd files and can take in people from a GEDCOM file of a genealogy program.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kinfold&lt;/h3&gt;&lt;p&gt;Kinfold tient une liste d&apos;anniversaires, d&apos;anniversaires de mariage et de notes datées et les dessine dans des calendriers mensuels : un, six ou douze mois par page, à l&apos;écran et sur papier.&lt;/p&gt;&lt;p&gt;Chaque jour affiche son numéro, le jour férié du jour sur la dernière ligne et au-dessus les personnes du jour avec leur âge. Le coin d&apos;un jour peut afficher le début d&apos;une saison ou d&apos;un quartier de lune, ou les jours jusqu&apos;à une date cible ou depuis celle-ci.&lt;/p&gt;&lt;p&gt;Utilisez les boutons de la barre de menus pour passer d&apos;un mois ou d&apos;une année à l&apos;autre, le menu Affichage pour choisir ce qui est affiché et le menu Édition pour modifier la liste et les jours fériés. Les listes sont enregistrées dans des fichiers .kfd et peuvent reprendre des personnes d&apos;un fichier GEDCOM d&apos;un logiciel de généalogie.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Future plans&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Printing the list of names as well as the calendar.&lt;/li&gt;&lt;li&gt;Reminders a few days before a birthday.&lt;/li&gt;&lt;li&gt;More calendars, and holidays that follow Easter.&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;h3&gt;Projets&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;Imprimer la liste des noms aussi bien que le calendrier.&lt;/li&gt;&lt;li&gt;Des rappels quelques jours avant un anniversaire.&lt;/li&gt;&lt;li&gt;D&apos;autres calendriers, et des jours fériés qui suivent Pâques.&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Kinfold Help</source>
        <translation>Aide de Kinfold</translation>
    </message>
    <message>
        <source>Accounts...</source>
        <translation>Comptes…</translation>
    </message>
    <message>
        <source>Add, change or remove the address books read and the calendar published to</source>
        <translation>Ajouter, modifier ou supprimer les carnets d’adresses lus et le calendrier où publier</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>Read the accounts&apos; address books into the list and publish its birthdays</source>
        <translation>Lire les carnets d’adresses des comptes dans la liste et publier ses anniversaires</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DÉF</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>menu bar</comment>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>A&amp;ide</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>CPPFont</name>
    <message>
        <source>Press button to change the indicated font, size, and color.</source>
        <translation>Cliquez sur le bouton pour changer la police, la taille et la couleur indiquées.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>Couleur des lignes</translation>
    </message>
    <message>
        <source>Month and Year</source>
        <translation>Mois et année</translation>
    </message>
    <message>
        <source>Day of Week Name</source>
        <translation>Nom du jour de la semaine</translation>
    </message>
    <message>
        <source>Day number</source>
        <translation>Numéro du jour</translation>
    </message>
    <message>
        <source>Day counter</source>
        <translation>Compteur de jours</translation>
    </message>
    <message>
        <source>Name of person</source>
        <translation>Nom de la personne</translation>
    </message>
    <message>
        <source>(default)</source>
        <translation>(par défaut)</translation>
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
        <translation>Marges</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
</context>
<context>
    <name>CPPNames</name>
    <message>
        <source>Week Days</source>
        <translation>Jours de la semaine</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Noms</translation>
    </message>
</context>
<context>
    <name>CPPOptions</name>
    <message>
        <source>29 February in other years:</source>
        <translation>Le 29 février les autres années :</translation>
    </message>
    <message>
        <source>Show on 28 February</source>
        <translation>Afficher le 28 février</translation>
    </message>
    <message>
        <source>Show on 1 March</source>
        <translation>Afficher le 1er mars</translation>
    </message>
    <message>
        <source>Show in leap years only</source>
        <translation>Afficher seulement les années bissextiles</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Display Ages</source>
        <translation>Afficher les âges</translation>
    </message>
    <message>
        <source>Display Ages when under 18</source>
        <translation>Afficher les âges en dessous de 18 ans</translation>
    </message>
    <message>
        <source>Do not display ages</source>
        <translation>Ne pas afficher les âges</translation>
    </message>
    <message>
        <source>Include birthdays of the dead</source>
        <translation>Inclure les anniversaires des défunts</translation>
    </message>
    <message>
        <source>Start the week on Monday rather than Sunday</source>
        <translation>Commencer la semaine le lundi plutôt que le dimanche</translation>
    </message>
    <message>
        <source>Use first name only</source>
        <translation>Utiliser seulement le prénom</translation>
    </message>
    <message>
        <source>Show anniversary</source>
        <translation>Afficher les anniversaires de mariage</translation>
    </message>
    <message>
        <source>Show day count (to or from target date)</source>
        <translation>Afficher le décompte (jusqu&apos;à la date cible ou depuis)</translation>
    </message>
    <message>
        <source>Show pictures</source>
        <translation>Afficher les images</translation>
    </message>
    <message>
        <source>Show Notes</source>
        <translation>Afficher les notes</translation>
    </message>
    <message>
        <source>Show Moon Phase</source>
        <translation>Afficher la phase de la lune</translation>
    </message>
    <message>
        <source>Show Seasons</source>
        <translation>Afficher les saisons</translation>
    </message>
    <message>
        <source>Show week numbers</source>
        <translation>Afficher les numéros de semaine</translation>
    </message>
</context>
<context>
    <name>CPPReminders</name>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Remind me of birthdays, anniversaries and notes</source>
        <translation>Me rappeler les anniversaires, mariages et notes</translation>
    </message>
    <message>
        <source>Desktop notifications at login and every hour.</source>
        <translation>Notifications du bureau à l’ouverture de session et toutes les heures.</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Me rappeler</translation>
    </message>
    <message>
        <source>On the day</source>
        <translation>Le jour même</translation>
    </message>
    <message>
        <source>1 day before</source>
        <translation>1 jour avant</translation>
    </message>
    <message>
        <source>3 days before</source>
        <translation>3 jours avant</translation>
    </message>
    <message>
        <source>7 days before</source>
        <translation>7 jours avant</translation>
    </message>
    <message>
        <source>14 days before</source>
        <translation>14 jours avant</translation>
    </message>
    <message>
        <source>30 days before</source>
        <translation>30 jours avant</translation>
    </message>
    <message>
        <source>From this time of day:</source>
        <translation>À partir de cette heure&#xa0;:</translation>
    </message>
    <message>
        <source>A day&apos;s reminders come from this time on.</source>
        <translation>Les rappels d’un jour arrivent à partir de cette heure.</translation>
    </message>
    <message>
        <source>Document watched</source>
        <translation>Document surveillé</translation>
    </message>
    <message>
        <source>The last one used</source>
        <translation>Le dernier utilisé</translation>
    </message>
    <message>
        <source>This one:</source>
        <translation>Celui-ci&#xa0;:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Choose the document to be reminded of.</source>
        <translation>Choisir le document dont les rappels viennent.</translation>
    </message>
    <message>
        <source>Birthday list (*.kfd);;All files (*)</source>
        <translation>Liste d’anniversaires (*.kfd);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>CPleaseChooseDlg</name>
    <message>
        <source>Please Choose</source>
        <translation>Veuillez choisir</translation>
    </message>
    <message>
        <source>Two dates given for</source>
        <translation>Deux dates indiquées pour</translation>
    </message>
    <message>
        <source>Please choose the correct one.</source>
        <translation>Veuillez choisir la bonne.</translation>
    </message>
    <message>
        <source>Death</source>
        <translation>Décès</translation>
    </message>
    <message>
        <source>Married</source>
        <translation>Mariage</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>Naissance</translation>
    </message>
</context>
<context>
    <name>CUpcomingDlg</name>
    <message>
        <source>Upcoming</source>
        <translation>Prochainement</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>The birthdays, anniversaries and notes of today and the next 30 days.</source>
        <translation>Les anniversaires, mariages et notes d’aujourd’hui et des 30 prochains jours.</translation>
    </message>
    <message>
        <source>Nothing in the next 30 days</source>
        <translation>Rien dans les 30 prochains jours</translation>
    </message>
</context>
<context>
    <name>CYearDlg</name>
    <message>
        <source>Choose a Year</source>
        <translation>Choisir une année</translation>
    </message>
    <message>
        <source>Select a year to use</source>
        <translation>Sélectionnez l&apos;année à utiliser</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Inchangé</translation>
    </message>
    <message>
        <source>Select month.</source>
        <translation>Sélectionnez le mois.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Enter a year from %1 to %2.</source>
        <translation>Saisissez une année de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>CalendarDate</name>
    <message>
        <source>Jan</source>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 (birthday)</source>
        <translation>%1 (anniversaire)</translation>
    </message>
    <message>
        <source>Born %1</source>
        <translation>Né(e) en %1</translation>
    </message>
    <message>
        <source>%1 (anniversary)</source>
        <translation>%1 (anniversaire de mariage)</translation>
    </message>
    <message>
        <source>Married %1</source>
        <translation>Marié(e)s en %1</translation>
    </message>
    <message>
        <source>1 birthday</source>
        <translation>1 anniversaire</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays</source>
        <translation>
            <numerusform>%n anniversaire</numerusform>
            <numerusform>%n anniversaires</numerusform>
        </translation>
    </message>
    <message>
        <source>1 anniversary</source>
        <translation>1 anniversaire de mariage</translation>
    </message>
    <message numerus="yes">
        <source>%n anniversaries</source>
        <translation>
            <numerusform>%n anniversaire de mariage</numerusform>
            <numerusform>%n anniversaires de mariage</numerusform>
        </translation>
    </message>
    <message>
        <source>1 note</source>
        <translation>1 note</translation>
    </message>
    <message numerus="yes">
        <source>%n notes</source>
        <translation>
            <numerusform>%n note</numerusform>
            <numerusform>%n notes</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>laissés de côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>nothing left out</source>
        <translation>rien de laissé de côté</translation>
    </message>
    <message>
        <source>1 birthday ends at the death date</source>
        <translation>1 anniversaire s’arrête à la date du décès</translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays end at the death date</source>
        <translation>
            <numerusform>%n anniversaire s’arrête à la date du décès</numerusform>
            <numerusform>%n anniversaires s’arrêtent à la date du décès</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-ics needs the name of the calendar file to write</source>
        <translation>--export-ics demande le nom du fichier de calendrier à écrire</translation>
    </message>
    <message>
        <source>--export-ics writes an iCalendar file, not &quot;%1&quot; (give OUT.ics, then the document)</source>
        <translation>--export-ics écrit un fichier iCalendar, pas «&#xa0;%1&#xa0;» (donnez OUT.ics, puis le document)</translation>
    </message>
    <message>
        <source>no DOC.kfd given, and the last document cannot be read: %1</source>
        <translation>pas de DOC.kfd donné, et le dernier document ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>1 event written to %1 (from %2)</source>
        <translation>1 événement écrit dans %1 (depuis %2)</translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1 (from %2)</source>
        <translation>
            <numerusform>%n événement écrit dans %1 (depuis %2)</numerusform>
            <numerusform>%n événements écrits dans %1 (depuis %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 is the document itself; the PDF would replace it</source>
        <translation>%1 est le document lui-même ; le PDF le remplacerait</translation>
    </message>
    <message>
        <source>Show this help and exit</source>
        <translation>Afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>Show the version and exit</source>
        <translation>Afficher la version et quitter</translation>
    </message>
    <message>
        <source>Merge a GEDCOM or vCard file into DOC.kfd (or a new list) without a window</source>
        <translation>Fusionner un fichier GEDCOM ou vCard dans DOC.kfd (ou une nouvelle liste) sans fenêtre</translation>
    </message>
    <message>
        <source>Save the merged list to OUT.kfd instead of DOC.kfd</source>
        <translation>Enregistrer la liste fusionnée dans OUT.kfd au lieu de DOC.kfd</translation>
    </message>
    <message>
        <source>Write the entries the calendar shows of DOC.kfd (or the last document) as yearly iCalendar events</source>
        <translation>Écrire les entrées que le calendrier affiche de DOC.kfd (ou du dernier document) comme événements iCalendar annuels</translation>
    </message>
    <message>
        <source>Print twelve months of DOC.kfd (or an empty list) to a PDF file without a window</source>
        <translation>Imprimer douze mois de DOC.kfd (ou d&apos;une liste vide) dans un fichier PDF sans fenêtre</translation>
    </message>
    <message>
        <source>First year printed, -9900 to 11400; from January unless --month is given</source>
        <translation>Première année imprimée, de -9900 à 11400 ; à partir de janvier sauf si --month est indiqué</translation>
    </message>
    <message>
        <source>First month printed: 1-12, or 13 in a moon year of 13 months</source>
        <translation>Premier mois imprimé : 1-12, ou 13 dans une année lunaire de 13 mois</translation>
    </message>
    <message>
        <source>1, 6 or 12 months a page</source>
        <translation>1, 6 ou 12 mois par page</translation>
    </message>
    <message>
        <source>0 Current, 1 Old style, 2 Moon, 3 Year of the Snake</source>
        <translation>0 Actuel, 1 Ancien style, 2 Lune, 3 Année du Serpent</translation>
    </message>
    <message>
        <source>Paper size: Letter, Legal, A4, A3, A5 and other standard names; the locale&apos;s (Letter or A4) when not given</source>
        <translation>Format du papier : Letter, Legal, A4, A3, A5 et autres noms standard ; celui de la langue et région (Letter ou A4) s&apos;il n&apos;est pas indiqué</translation>
    </message>
    <message>
        <source>Upright pages</source>
        <translation>Pages en portrait</translation>
    </message>
    <message>
        <source>Sideways pages, the default</source>
        <translation>Pages en paysage, par défaut</translation>
    </message>
    <message>
        <source>Each week row&apos;s number in its first cell</source>
        <translation>Le numéro de chaque ligne de semaine dans sa première case</translation>
    </message>
    <message>
        <source>List the built-in country holiday sets, one a line: code, a blank, the name</source>
        <translation>Lister les jours fériés intégrés des pays, un par ligne : code, une espace, le nom</translation>
    </message>
    <message>
        <source>Leave the reminders&apos; alarms out of the events</source>
        <translation>Ne pas inclure les alarmes des rappels dans les événements</translation>
    </message>
    <message>
        <source>Print the events of today and the next DAYS days (default 14, at most 366) of DOC.kfd (or the last document)</source>
        <translation>Afficher les événements d&apos;aujourd&apos;hui et des DAYS jours suivants (14 par défaut, 366 au plus) de DOC.kfd (ou du dernier document)</translation>
    </message>
    <message>
        <source>Show a desktop notification for every reminder of DOC.kfd (or the watched document) now due</source>
        <translation>Afficher une notification de bureau pour chaque rappel échu de DOC.kfd (ou du document surveillé)</translation>
    </message>
    <message>
        <source>Take this local date and time (00:00 without one) for now</source>
        <translation>Prendre cette date et heure locales (00:00 sans heure) comme maintenant</translation>
    </message>
    <message>
        <source>Print each holiday of YEAR (-9900 to 11400) as &quot;YYYY-MM-DD name&quot;, from the stored list</source>
        <translation>Afficher chaque jour férié de YEAR (-9900 à 11400) sous la forme « YYYY-MM-DD nom », d&apos;après la liste enregistrée</translation>
    </message>
    <message>
        <source>Add the all-day events of an iCalendar file to the stored holiday list (timed events are skipped)</source>
        <translation>Ajouter les événements d&apos;une journée entière d&apos;un fichier iCalendar à la liste des jours fériés enregistrée (les événements avec heure sont ignorés)</translation>
    </message>
    <message>
        <source>Holidays of country set CODE (see --holiday-sets) for this run only; with --upcoming also &quot;stored&quot;</source>
        <translation>Jours fériés du pays CODE (voir --holiday-sets) pour cette exécution seulement ; avec --upcoming aussi &quot;stored&quot;</translation>
    </message>
    <message>
        <source>Add a CardDAV/CalDAV account (a server&apos;s root or one collection); the password is read from standard input</source>
        <translation>Ajouter un compte CardDAV/CalDAV (la racine d’un serveur ou une collection)&#xa0;; le mot de passe est lu sur l’entrée standard</translation>
    </message>
    <message>
        <source>The account&apos;s user name</source>
        <translation>Le nom d’utilisateur du compte</translation>
    </message>
    <message>
        <source>Only read the address books, publish no calendar</source>
        <translation>Lire seulement les carnets d’adresses, ne publier aucun calendrier</translation>
    </message>
    <message>
        <source>List the accounts, one a line, with their numbers</source>
        <translation>Lister les comptes, un par ligne, avec leurs numéros</translation>
    </message>
    <message>
        <source>Remove account N (see --accounts) and its password</source>
        <translation>Supprimer le compte N (voir --accounts) et son mot de passe</translation>
    </message>
    <message>
        <source>Read every account&apos;s address books into DOC.kfd (or the last document) and publish its birthdays</source>
        <translation>Lire les carnets d’adresses de chaque compte dans DOC.kfd (ou le dernier document) et publier ses anniversaires</translation>
    </message>
    <message>
        <source>Read the accounts&apos; passwords from standard input, one a line, instead of the secret store</source>
        <translation>Lire les mots de passe des comptes sur l’entrée standard, un par ligne, au lieu du trousseau</translation>
    </message>
    <message>
        <source>only one document can be merged into (got %1)</source>
        <translation>on ne peut fusionner que dans un seul document (reçu %1)</translation>
    </message>
    <message>
        <source>only one document can be exported (got %1)</source>
        <translation>un seul document peut être exporté (reçu %1)</translation>
    </message>
    <message>
        <source>--list-holidays reads no document (got %1)</source>
        <translation>--list-holidays ne lit aucun document (reçu %1)</translation>
    </message>
    <message>
        <source>--holiday-sets reads no document (got %1)</source>
        <translation>--holiday-sets ne lit aucun document (reçu %1)</translation>
    </message>
    <message>
        <source>--print-pdf writes a PDF file, not &quot;%1&quot; (give OUT.pdf, then the document)</source>
        <translation>--print-pdf écrit un fichier PDF, pas «&#xa0;%1&#xa0;» (donnez OUT.pdf, puis le document)</translation>
    </message>
    <message>
        <source>--import-holidays reads no document (got %1)</source>
        <translation>--import-holidays ne lit aucun document (reçu %1)</translation>
    </message>
    <message>
        <source>%1 (see kinfold --help)</source>
        <translation>%1 (voir kinfold --help)</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation>%1 et %2 ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>unknown option %1 (see kinfold --help)</source>
        <translation>option inconnue %1 (voir kinfold --help)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a year</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n’est pas une année</translation>
    </message>
    <message>
        <source>%1: there is no year 0 (1 BC is year -1)</source>
        <translation>%1&#xa0;: il n’y a pas d’année 0 (1 av. J.-C. est l’année -1)</translation>
    </message>
    <message>
        <source>%1: %2 is outside the years shown, %3 to %4</source>
        <translation>%1&#xa0;: %2 est hors des années affichées, %3 à %4</translation>
    </message>
    <message>
        <source>--holidays: no country set &quot;%1&quot; (see kinfold --holiday-sets)</source>
        <translation>--holidays&#xa0;: pas d’ensemble de pays «&#xa0;%1&#xa0;» (voir kinfold --holiday-sets)</translation>
    </message>
    <message>
        <source>--print-pdf needs an output file name</source>
        <translation>--print-pdf demande un nom de fichier de sortie</translation>
    </message>
    <message>
        <source>--calendar: &quot;%1&quot; is none of 0 (Current), 1 (Old style), 2 (Moon), 3 (Year of the Snake)</source>
        <translation>--calendar&#xa0;: «&#xa0;%1&#xa0;» n’est aucun de 0 (Actuel), 1 (Ancien style), 2 (Lune), 3 (Année du Serpent)</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is no month from 1 to 12, or 13 in a moon year of 13 months</source>
        <translation>--month&#xa0;: «&#xa0;%1&#xa0;» n’est pas un mois de 1 à 12, ni 13 dans une année lunaire de 13 mois</translation>
    </message>
    <message>
        <source>--month: month 13 is only in the moon calendars (--calendar 2 or 3)</source>
        <translation>--month&#xa0;: le mois 13 n’existe que dans les calendriers lunaires (--calendar 2 ou 3)</translation>
    </message>
    <message>
        <source>--month: moon year %1 has 12 months</source>
        <translation>--month&#xa0;: l’année lunaire %1 a 12 mois</translation>
    </message>
    <message>
        <source>--months-per-page: &quot;%1&quot; is none of 1, 6 or 12</source>
        <translation>--months-per-page&#xa0;: «&#xa0;%1&#xa0;» n’est aucun de 1, 6 ou 12</translation>
    </message>
    <message>
        <source>--paper: unknown paper &quot;%1&quot; (try Letter, Legal, A4, A3, A5)</source>
        <translation>--paper&#xa0;: papier inconnu «&#xa0;%1&#xa0;» (essayez Letter, Legal, A4, A3, A5)</translation>
    </message>
    <message>
        <source>--portrait and --landscape cannot be used together</source>
        <translation>--portrait et --landscape ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>only one document can be printed (got %1)</source>
        <translation>un seul document peut être imprimé (reçu %1)</translation>
    </message>
    <message>
        <source>--now: &quot;%1&quot; is no date YYYY-MM-DD or YYYY-MM-DDTHH:MM</source>
        <translation>--now&#xa0;: «&#xa0;%1&#xa0;» n’est pas une date YYYY-MM-DD ou YYYY-MM-DDTHH:MM</translation>
    </message>
    <message>
        <source>--upcoming: &quot;%1&quot; is no number of days from 0 to 366</source>
        <translation>--upcoming&#xa0;: «&#xa0;%1&#xa0;» n’est pas un nombre de jours de 0 à 366</translation>
    </message>
    <message>
        <source>only one document can be listed (got %1)</source>
        <translation>un seul document peut être listé (reçu %1)</translation>
    </message>
    <message>
        <source>--upcoming: no DOC.kfd given and no document used before</source>
        <translation>--upcoming&#xa0;: pas de DOC.kfd donné et aucun document utilisé auparavant</translation>
    </message>
    <message>
        <source>only one document can be watched (got %1)</source>
        <translation>un seul document peut être surveillé (reçu %1)</translation>
    </message>
    <message>
        <source>--remind: no document used yet, so no reminders</source>
        <translation>--remind&#xa0;: aucun document encore utilisé, donc pas de rappels</translation>
    </message>
    <message>
        <source>%1; the reminders follow on standard output</source>
        <translation>%1&#xa0;; les rappels suivent sur la sortie standard</translation>
    </message>
</context>
<context>
    <name>CountrySets</name>
    <message>
        <source>United Kingdom</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>United Kingdom, Scotland</source>
        <translation>Royaume-Uni, Écosse</translation>
    </message>
    <message>
        <source>United Kingdom, Northern Ireland</source>
        <translation>Royaume-Uni, Irlande du Nord</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlande</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Autriche</translation>
    </message>
    <message>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Pays-Bas</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suède</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grèce</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>Germany, Brandenburg</source>
        <translation>Allemagne, Brandebourg</translation>
    </message>
    <message>
        <source>Germany, Berlin</source>
        <translation>Allemagne, Berlin</translation>
    </message>
    <message>
        <source>Germany, Baden-Württemberg</source>
        <translation>Allemagne, Bade-Wurtemberg</translation>
    </message>
    <message>
        <source>Germany, Bavaria</source>
        <translation>Allemagne, Bavière</translation>
    </message>
    <message>
        <source>Germany, Bremen</source>
        <translation>Allemagne, Brême</translation>
    </message>
    <message>
        <source>Germany, Hesse</source>
        <translation>Allemagne, Hesse</translation>
    </message>
    <message>
        <source>Germany, Hamburg</source>
        <translation>Allemagne, Hambourg</translation>
    </message>
    <message>
        <source>Germany, Mecklenburg-Vorpommern</source>
        <translation>Allemagne, Mecklembourg-Poméranie-Occidentale</translation>
    </message>
    <message>
        <source>Germany, Lower Saxony</source>
        <translation>Allemagne, Basse-Saxe</translation>
    </message>
    <message>
        <source>Germany, North Rhine-Westphalia</source>
        <translation>Allemagne, Rhénanie-du-Nord-Westphalie</translation>
    </message>
    <message>
        <source>Germany, Rhineland-Palatinate</source>
        <translation>Allemagne, Rhénanie-Palatinat</translation>
    </message>
    <message>
        <source>Germany, Schleswig-Holstein</source>
        <translation>Allemagne, Schleswig-Holstein</translation>
    </message>
    <message>
        <source>Germany, Saarland</source>
        <translation>Allemagne, Sarre</translation>
    </message>
    <message>
        <source>Germany, Saxony</source>
        <translation>Allemagne, Saxe</translation>
    </message>
    <message>
        <source>Germany, Saxony-Anhalt</source>
        <translation>Allemagne, Saxe-Anhalt</translation>
    </message>
    <message>
        <source>Germany, Thuringia</source>
        <translation>Allemagne, Thuringe</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japon</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espagne</translation>
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
        <translation>Portugal, Madère</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Pologne</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Danemark</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlande</translation>
    </message>
    <message>
        <source>Finland, Åland</source>
        <translation>Finlande, Åland</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norvège</translation>
    </message>
    <message>
        <source>Czechia</source>
        <translation>Tchéquie</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Belgique</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suisse</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Luxembourg</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Canada, Alberta</source>
        <translation>Canada, Alberta</translation>
    </message>
    <message>
        <source>Canada, British Columbia</source>
        <translation>Canada, Colombie-Britannique</translation>
    </message>
    <message>
        <source>Canada, Manitoba</source>
        <translation>Canada, Manitoba</translation>
    </message>
    <message>
        <source>Canada, New Brunswick</source>
        <translation>Canada, Nouveau-Brunswick</translation>
    </message>
    <message>
        <source>Canada, Newfoundland and Labrador</source>
        <translation>Canada, Terre-Neuve-et-Labrador</translation>
    </message>
    <message>
        <source>Canada, Nova Scotia</source>
        <translation>Canada, Nouvelle-Écosse</translation>
    </message>
    <message>
        <source>Canada, Northwest Territories</source>
        <translation>Canada, Territoires du Nord-Ouest</translation>
    </message>
    <message>
        <source>Canada, Nunavut</source>
        <translation>Canada, Nunavut</translation>
    </message>
    <message>
        <source>Canada, Ontario</source>
        <translation>Canada, Ontario</translation>
    </message>
    <message>
        <source>Canada, Prince Edward Island</source>
        <translation>Canada, Île-du-Prince-Édouard</translation>
    </message>
    <message>
        <source>Canada, Quebec</source>
        <translation>Canada, Québec</translation>
    </message>
    <message>
        <source>Canada, Saskatchewan</source>
        <translation>Canada, Saskatchewan</translation>
    </message>
    <message>
        <source>Canada, Yukon</source>
        <translation>Canada, Yukon</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>Australia, Australian Capital Territory</source>
        <translation>Australie, Territoire de la capitale australienne</translation>
    </message>
    <message>
        <source>Australia, New South Wales</source>
        <translation>Australie, Nouvelle-Galles du Sud</translation>
    </message>
    <message>
        <source>Australia, Northern Territory</source>
        <translation>Australie, Territoire du Nord</translation>
    </message>
    <message>
        <source>Australia, Queensland</source>
        <translation>Australie, Queensland</translation>
    </message>
    <message>
        <source>Australia, South Australia</source>
        <translation>Australie, Australie-Méridionale</translation>
    </message>
    <message>
        <source>Australia, Tasmania</source>
        <translation>Australie, Tasmanie</translation>
    </message>
    <message>
        <source>Australia, Victoria</source>
        <translation>Australie, Victoria</translation>
    </message>
    <message>
        <source>Australia, Western Australia</source>
        <translation>Australie, Australie-Occidentale</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nouvelle-Zélande</translation>
    </message>
    <message>
        <source>Spain, Andalusia</source>
        <translation>Espagne, Andalousie</translation>
    </message>
    <message>
        <source>Spain, Aragon</source>
        <translation>Espagne, Aragon</translation>
    </message>
    <message>
        <source>Spain, Asturias</source>
        <translation>Espagne, Asturies</translation>
    </message>
    <message>
        <source>Spain, Balearic Islands</source>
        <translation>Espagne, Îles Baléares</translation>
    </message>
    <message>
        <source>Spain, Canary Islands</source>
        <translation>Espagne, Îles Canaries</translation>
    </message>
    <message>
        <source>Spain, Cantabria</source>
        <translation>Espagne, Cantabrie</translation>
    </message>
    <message>
        <source>Spain, Castile and León</source>
        <translation>Espagne, Castille-et-León</translation>
    </message>
    <message>
        <source>Spain, Castilla-La Mancha</source>
        <translation>Espagne, Castille-La Manche</translation>
    </message>
    <message>
        <source>Spain, Catalonia</source>
        <translation>Espagne, Catalogne</translation>
    </message>
    <message>
        <source>Spain, Extremadura</source>
        <translation>Espagne, Estrémadure</translation>
    </message>
    <message>
        <source>Spain, Galicia</source>
        <translation>Espagne, Galice</translation>
    </message>
    <message>
        <source>Spain, Madrid</source>
        <translation>Espagne, Madrid</translation>
    </message>
    <message>
        <source>Spain, Murcia</source>
        <translation>Espagne, Murcie</translation>
    </message>
    <message>
        <source>Spain, Navarre</source>
        <translation>Espagne, Navarre</translation>
    </message>
    <message>
        <source>Spain, Basque Country</source>
        <translation>Espagne, Pays basque</translation>
    </message>
    <message>
        <source>Spain, La Rioja</source>
        <translation>Espagne, La Rioja</translation>
    </message>
    <message>
        <source>Spain, Valencian Community</source>
        <translation>Espagne, Communauté valencienne</translation>
    </message>
    <message>
        <source>Spain, Ceuta</source>
        <translation>Espagne, Ceuta</translation>
    </message>
    <message>
        <source>Spain, Melilla</source>
        <translation>Espagne, Melilla</translation>
    </message>
    <message>
        <source>Switzerland, Aargau</source>
        <translation>Suisse, Argovie</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Innerrhoden</source>
        <translation>Suisse, Appenzell Rhodes-Intérieures</translation>
    </message>
    <message>
        <source>Switzerland, Appenzell Ausserrhoden</source>
        <translation>Suisse, Appenzell Rhodes-Extérieures</translation>
    </message>
    <message>
        <source>Switzerland, Bern</source>
        <translation>Suisse, Berne</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Landschaft</source>
        <translation>Suisse, Bâle-Campagne</translation>
    </message>
    <message>
        <source>Switzerland, Basel-Stadt</source>
        <translation>Suisse, Bâle-Ville</translation>
    </message>
    <message>
        <source>Switzerland, Fribourg</source>
        <translation>Suisse, Fribourg</translation>
    </message>
    <message>
        <source>Switzerland, Geneva</source>
        <translation>Suisse, Genève</translation>
    </message>
    <message>
        <source>Switzerland, Glarus</source>
        <translation>Suisse, Glaris</translation>
    </message>
    <message>
        <source>Switzerland, Graubünden</source>
        <translation>Suisse, Grisons</translation>
    </message>
    <message>
        <source>Switzerland, Jura</source>
        <translation>Suisse, Jura</translation>
    </message>
    <message>
        <source>Switzerland, Lucerne</source>
        <translation>Suisse, Lucerne</translation>
    </message>
    <message>
        <source>Switzerland, Neuchâtel</source>
        <translation>Suisse, Neuchâtel</translation>
    </message>
    <message>
        <source>Switzerland, Nidwalden</source>
        <translation>Suisse, Nidwald</translation>
    </message>
    <message>
        <source>Switzerland, Obwalden</source>
        <translation>Suisse, Obwald</translation>
    </message>
    <message>
        <source>Switzerland, St. Gallen</source>
        <translation>Suisse, Saint-Gall</translation>
    </message>
    <message>
        <source>Switzerland, Schaffhausen</source>
        <translation>Suisse, Schaffhouse</translation>
    </message>
    <message>
        <source>Switzerland, Solothurn</source>
        <translation>Suisse, Soleure</translation>
    </message>
    <message>
        <source>Switzerland, Schwyz</source>
        <translation>Suisse, Schwytz</translation>
    </message>
    <message>
        <source>Switzerland, Thurgau</source>
        <translation>Suisse, Thurgovie</translation>
    </message>
    <message>
        <source>Switzerland, Ticino</source>
        <translation>Suisse, Tessin</translation>
    </message>
    <message>
        <source>Switzerland, Uri</source>
        <translation>Suisse, Uri</translation>
    </message>
    <message>
        <source>Switzerland, Vaud</source>
        <translation>Suisse, Vaud</translation>
    </message>
    <message>
        <source>Switzerland, Valais</source>
        <translation>Suisse, Valais</translation>
    </message>
    <message>
        <source>Switzerland, Zug</source>
        <translation>Suisse, Zoug</translation>
    </message>
    <message>
        <source>Switzerland, Zurich</source>
        <translation>Suisse, Zurich</translation>
    </message>
</context>
<context>
    <name>DateCheck</name>
    <message>
        <source>1 entry left out, as its date cannot be (mend it with Edit &gt; List)</source>
        <translation>1 entrée laissée de côté, car sa date est impossible (corrigez-la avec Modifier &gt; Liste)</translation>
    </message>
    <message numerus="yes">
        <source>%n entries left out, as their dates cannot be (mend them with Edit &gt; List)</source>
        <translation>
            <numerusform>%n entrée laissée de côté, car sa date est impossible (corrigez-la avec Modifier &gt; Liste)</numerusform>
            <numerusform>%n entrées laissées de côté, car leurs dates sont impossibles (corrigez-les avec Modifier &gt; Liste)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DavClient</name>
    <message>
        <source>cannot reach %1 (no network, or no such server): %2</source>
        <translation>impossible de joindre %1 (pas de réseau, ou pas de tel serveur)&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 refused the connection: no server runs there</source>
        <translation>%1 a refusé la connexion&#xa0;: aucun serveur n’y tourne</translation>
    </message>
    <message>
        <source>%1 did not answer within 30 seconds</source>
        <translation>%1 n’a pas répondu en 30 secondes</translation>
    </message>
    <message>
        <source>the secure connection to %1 failed, %2 (not accepted)</source>
        <translation>la connexion sécurisée à %1 a échoué, %2 (non accepté)</translation>
    </message>
    <message>
        <source>%1 broke off the connection: %2</source>
        <translation>%1 a interrompu la connexion&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 refused the user name or password</source>
        <translation>%1 a refusé le nom d’utilisateur ou le mot de passe</translation>
    </message>
    <message>
        <source>%1 does not allow %2 (403 Forbidden)</source>
        <translation>%1 n’autorise pas %2 (403 Forbidden)</translation>
    </message>
    <message>
        <source>%1 does not exist on the server (404 Not Found)</source>
        <translation>%1 n’existe pas sur le serveur (404 Not Found)</translation>
    </message>
    <message>
        <source>%1 has no room left for %2 (507 Insufficient Storage)</source>
        <translation>%1 n’a plus de place pour %2 (507 Insufficient Storage)</translation>
    </message>
    <message>
        <source>%1 answered %2 with status %3</source>
        <translation>%1 a répondu à %2 avec le statut %3</translation>
    </message>
    <message>
        <source>status %1 instead of a WebDAV multistatus</source>
        <translation>statut %1 au lieu d’un multistatus WebDAV</translation>
    </message>
    <message>
        <source>the answer of %1 to %2 makes no sense: %3</source>
        <translation>la réponse de %1 à %2 n’a pas de sens&#xa0;: %3</translation>
    </message>
    <message>
        <source>no CardDAV or CalDAV server answers at %1</source>
        <translation>aucun serveur CardDAV ou CalDAV ne répond à %1</translation>
    </message>
    <message>
        <source>the server keeps no calendars for this user, so the birthdays cannot be published</source>
        <translation>le serveur n’a aucun calendrier pour cet utilisateur, les anniversaires ne peuvent donc pas être publiés</translation>
    </message>
    <message>
        <source>%1 is in the way of the calendar &quot;Birthdays&quot; and is no calendar</source>
        <translation>%1 gêne le calendrier «&#xa0;Birthdays&#xa0;» et n’est pas un calendrier</translation>
    </message>
    <message>
        <source>someone else keeps changing %1 on the server; it was left as it is</source>
        <translation>quelqu’un d’autre modifie sans cesse %1 sur le serveur&#xa0;; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, 1 event published</source>
        <translation>%1 ajoutés, %2 modifiés, %3 supprimés, 1 événement publié</translation>
    </message>
    <message numerus="yes">
        <source>%1 added, %2 changed, %3 removed, %n events published</source>
        <translation>
            <numerusform>%1 ajoutés, %2 modifiés, %3 supprimés, %n événement publié</numerusform>
            <numerusform>%1 ajoutés, %2 modifiés, %3 supprimés, %n événements publiés</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not XML (%1)</source>
        <translation>ce n’est pas du XML (%1)</translation>
    </message>
    <message>
        <source>it is no WebDAV multistatus</source>
        <translation>ce n’est pas un multistatus WebDAV</translation>
    </message>
    <message>
        <source>its XML is broken (%1)</source>
        <translation>son XML est défectueux (%1)</translation>
    </message>
    <message>
        <source>no secret service runs on this desktop</source>
        <translation>aucun service de secrets ne tourne sur ce bureau</translation>
    </message>
    <message>
        <source>the server</source>
        <translation>le serveur</translation>
    </message>
    <message>
        <source>the certificate of &quot;%1&quot;: %2</source>
        <translation>le certificat de «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DayCell</name>
    <message>
        <source>%1 Birthday</source>
        <translation>%1&#xa0;: anniversaire</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <translation>%1&#xa0;: anniversaire de mariage</translation>
    </message>
    <message>
        <source>%1 %2 Birthday</source>
        <translation>%1&#xa0;: %2e anniversaire</translation>
    </message>
    <message>
        <source>%1 %2 Anniversary</source>
        <translation>%1&#xa0;: %2e anniversaire de mariage</translation>
    </message>
</context>
<context>
    <name>FileBytes</name>
    <message>
        <source>Cannot read &quot;%1&quot;: it is a folder.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: c’est un dossier.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Holiday</name>
    <message>
        <source>(not on %1)</source>
        <translation>(pas le %1)</translation>
    </message>
    <message>
        <source>(from %1)</source>
        <translation>(à partir de %1)</translation>
    </message>
    <message>
        <source>(until %1)</source>
        <translation>(jusqu’en %1)</translation>
    </message>
    <message>
        <source>(substitute day)</source>
        <translation>(jour de remplacement)</translation>
    </message>
    <message>
        <source>(observed)</source>
        <translation>(reporté)</translation>
    </message>
</context>
<context>
    <name>HolidayImport</name>
    <message>
        <source>1 all-day event</source>
        <translation>1 événement d’une journée entière</translation>
    </message>
    <message numerus="yes">
        <source>%n all-day events</source>
        <translation>
            <numerusform>%n événement d’une journée entière</numerusform>
            <numerusform>%n événements d’une journée entière</numerusform>
        </translation>
    </message>
    <message>
        <source>1 holiday from %1</source>
        <translation>1 jour férié depuis %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holidays from %1</source>
        <translation>
            <numerusform>%n jour férié depuis %1</numerusform>
            <numerusform>%n jours fériés depuis %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 timed event skipped</source>
        <translation>, 1 événement avec heure ignoré</translation>
    </message>
    <message numerus="yes">
        <source>, %n timed events skipped</source>
        <translation>
            <numerusform>, %n événement avec heure ignoré</numerusform>
            <numerusform>, %n événements avec heure ignorés</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 event cut at %1 days</source>
        <translation>, 1 événement coupé à %1 jours</translation>
    </message>
    <message numerus="yes">
        <source>, %n events cut at %1 days</source>
        <translation>
            <numerusform>, %n événement coupé à %1 jours</numerusform>
            <numerusform>, %n événements coupés à %1 jours</numerusform>
        </translation>
    </message>
    <message>
        <source>is not an iCalendar file (it does not begin with BEGIN:VCALENDAR)</source>
        <translation>n’est pas un fichier iCalendar (il ne commence pas par BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <source>is cut short: its END:VCALENDAR is missing</source>
        <translation>est tronqué&#xa0;: son END:VCALENDAR manque</translation>
    </message>
    <message>
        <source>is not an iCalendar file libical can read</source>
        <translation>n’est pas un fichier iCalendar que libical sait lire</translation>
    </message>
    <message>
        <source>has parts libical cannot read (X-LIC-PARSEERROR)</source>
        <translation>a des parties que libical ne sait pas lire (X-LIC-PARSEERROR)</translation>
    </message>
    <message>
        <source>Holiday</source>
        <translation>Jour férié</translation>
    </message>
</context>
<context>
    <name>HolidayList</name>
    <message>
        <source>New Years Day</source>
        <translation>Jour de l’An</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <translation>Journée de Martin Luther King</translation>
    </message>
    <message>
        <source>Presidents Day</source>
        <translation>Jour des présidents</translation>
    </message>
    <message>
        <source>Lincoln&apos;s BirthDay</source>
        <translation>Anniversaire de Lincoln</translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation>Saint-Valentin</translation>
    </message>
    <message>
        <source>Washington&apos;s BirthDay</source>
        <translation>Anniversaire de Washington</translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation>Saint-Patrick</translation>
    </message>
    <message>
        <source>Tax Day</source>
        <translation>Jour des impôts</translation>
    </message>
    <message>
        <source>Mother&apos;s Day</source>
        <translation>Fête des mères</translation>
    </message>
    <message>
        <source>Memorial Day</source>
        <translation>Memorial Day</translation>
    </message>
    <message>
        <source>Flag Day</source>
        <translation>Jour du drapeau</translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation>Fête des pères</translation>
    </message>
    <message>
        <source>Independence Day</source>
        <translation>Fête de l’Indépendance</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <translation>Fête du Travail</translation>
    </message>
    <message>
        <source>Columbus Day</source>
        <translation>Jour de Christophe Colomb</translation>
    </message>
    <message>
        <source>Holloween</source>
        <translation>Halloween</translation>
    </message>
    <message>
        <source>Veterans Day</source>
        <translation>Jour des anciens combattants</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <translation>Thanksgiving</translation>
    </message>
    <message>
        <source>Christmas</source>
        <translation>Noël</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>&quot;%1&quot; is not a Kinfold document or is damaged.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un document Kinfold ou est endommagé.</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no document to save to: give DOC.kfd or --save OUT.kfd</source>
        <translation>pas de document où enregistrer&#xa0;: donnez DOC.kfd ou --save OUT.kfd</translation>
    </message>
    <message>
        <source>%1 is the file being imported; --save needs another name</source>
        <translation>%1 est le fichier importé ; --save demande un autre nom</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a GEDCOM file nor a vCard file</source>
        <translation>«&#xa0;%1&#xa0;» n’est ni un fichier GEDCOM ni un fichier vCard</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n entries saved to %2)</source>
        <translation>
            <numerusform>%1 (%n entrée enregistrée dans %2)</numerusform>
            <numerusform>%1 (%n entrées enregistrées dans %2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportTexts</name>
    <message>
        <source>%1 added, %2 merged, %3 conflicts kept</source>
        <translation>%1 ajoutés, %2 fusionnés, %3 conflits conservés</translation>
    </message>
    <message>
        <source>, 1 date with a year outside %1..%2 left out</source>
        <translation>, 1 date avec une année hors de %1..%2 laissée de côté</translation>
    </message>
    <message numerus="yes">
        <source>, %n dates with a year outside %1..%2 left out</source>
        <translation>
            <numerusform>, %n date avec une année hors de %1..%2 laissée de côté</numerusform>
            <numerusform>, %n dates avec une année hors de %1..%2 laissées de côté</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MoonDate</name>
    <message>
        <source> NM</source>
        <translation> NL</translation>
    </message>
    <message>
        <source> FQ</source>
        <translation> PQ</translation>
    </message>
    <message>
        <source> FM</source>
        <translation> PL</translation>
    </message>
    <message>
        <source> LQ</source>
        <translation> DQ</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Printemps</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Été</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Automne</translation>
    </message>
    <message>
        <source>Cold Moon</source>
        <translation>Lune froide</translation>
    </message>
    <message>
        <source>Bony Moon</source>
        <translation>Lune des os</translation>
    </message>
    <message>
        <source>Windy Moon</source>
        <translation>Lune des vents</translation>
    </message>
    <message>
        <source>Flower Moon</source>
        <translation>Lune des fleurs</translation>
    </message>
    <message>
        <source>Planting Moon</source>
        <translation>Lune des semis</translation>
    </message>
    <message>
        <source>Green Corn Moon</source>
        <translation>Lune du maïs vert</translation>
    </message>
    <message>
        <source>Ripe Corn Moon</source>
        <translation>Lune du maïs mûr</translation>
    </message>
    <message>
        <source>Fruit Moon</source>
        <translation>Lune des fruits</translation>
    </message>
    <message>
        <source>Nut Moon</source>
        <translation>Lune des noix</translation>
    </message>
    <message>
        <source>Harvest Moon</source>
        <translation>Lune des moissons</translation>
    </message>
    <message>
        <source>Trading Moon</source>
        <translation>Lune du troc</translation>
    </message>
    <message>
        <source>Snow Moon</source>
        <translation>Lune des neiges</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Lune bleue</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Rat</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Buffle</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>Lièvre</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragon</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpent</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Cheval</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Chèvre</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Singe</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Coq</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Chien</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Cochon</translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>BC</source>
        <translation>av. J.-C.</translation>
    </message>
    <message>
        <source>Julian</source>
        <translation>julien</translation>
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
        <source>The month must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Le mois doit être de 1 à 12, ou 0 avec le jour 0 s’il n’est pas connu.</translation>
    </message>
    <message>
        <source>The month must be 1 to 12.</source>
        <translation>Le mois doit être de 1 à 12.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12, or 0 with day 0 when it is not known.</source>
        <translation>Le mois de «&#xa0;%1&#xa0;» doit être de 1 à 12, ou 0 avec le jour 0 s’il n’est pas connu.</translation>
    </message>
    <message>
        <source>The month of &quot;%1&quot; must be 1 to 12.</source>
        <translation>Le mois de «&#xa0;%1&#xa0;» doit être de 1 à 12.</translation>
    </message>
    <message>
        <source>%1 without a year</source>
        <translation>%1 sans année</translation>
    </message>
    <message>
        <source>The day cannot be %1: %2 has %3 days.</source>
        <translation>Le jour ne peut pas être %1&#xa0;: %2 a %3 jours.</translation>
    </message>
    <message>
        <source>The day of &quot;%1&quot; cannot be %2: %3 has %4 days.</source>
        <translation>Le jour de «&#xa0;%1&#xa0;» ne peut pas être %2&#xa0;: %3 a %4 jours.</translation>
    </message>
    <message>
        <source>Use value as currently set.</source>
        <translation>Utiliser la valeur telle que réglée.</translation>
    </message>
    <message>
        <source>Use original value.</source>
        <translation>Utiliser la valeur d’origine.</translation>
    </message>
    <message>
        <source>Use original values.</source>
        <translation>Utiliser les valeurs d’origine.</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>today</source>
        <translation>aujourd’hui</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>demain</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <translation>
            <numerusform>dans %n jour</numerusform>
            <numerusform>dans %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n birthdays and events coming</source>
        <translation>
            <numerusform>%n anniversaire ou événement à venir</numerusform>
            <numerusform>%n anniversaires et événements à venir</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
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
        <translation>%1 anniversaire de mariage</translation>
    </message>
</context>
</TS>
