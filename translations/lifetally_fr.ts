<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ActivityChecks</name>
    <message>
        <source>Your money activities add up to %1% of your lifetime income.</source>
        <comment>%1 is a percentage, such as 104.50</comment>
        <translation>Vos dépenses atteignent au total %1&#xa0;% de vos revenus de toute une vie.</translation>
    </message>
</context>
<context>
    <name>DateHint</name>
    <message>
        <source>Type the date as %1.</source>
        <comment>%1 is the date&apos;s pattern, such as MM/DD/YYYY</comment>
        <translation>Saisissez la date sous la forme %1.</translation>
    </message>
</context>
<context>
    <name>DatePhrase</name>
    <message numerus="yes">
        <source>%n mon</source>
        <comment>short for month</comment>
        <translation>
            <numerusform>%n mois</numerusform>
            <numerusform>%n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mons</source>
        <comment>short for months</comment>
        <translation>
            <numerusform>%n mois</numerusform>
            <numerusform>%n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wks</source>
        <comment>short for weeks</comment>
        <translation>
            <numerusform>%n sem.</numerusform>
            <numerusform>%n sem.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n yrs</source>
        <comment>short for years</comment>
        <translation>
            <numerusform>%n an</numerusform>
            <numerusform>%n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Demain</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>La semaine prochaine</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>La semaine dernière</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <comment>%1 is a span of time, such as 3 yrs 2 mons</comment>
        <translation>il y a %1</translation>
    </message>
    <message numerus="yes">
        <source>%n day old</source>
        <comment>an age</comment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days old</source>
        <comment>an age</comment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 old</source>
        <comment>an age; %1 is a span of time, such as 3 yrs 2 mons</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1   You were %2</source>
        <comment>%1 is when, such as 3 yrs ago; %2 the age then</comment>
        <translation>%1   Vous aviez %2</translation>
    </message>
    <message>
        <source>%1   You are %2</source>
        <comment>%1 is when (today); %2 the age</comment>
        <translation>%1   Vous avez %2</translation>
    </message>
    <message>
        <source>%1   You will be %2</source>
        <comment>%1 is when, such as 3 yrs; %2 the age then</comment>
        <translation>%1   Vous aurez %2</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Error</source>
        <comment>title of an error message box</comment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Save changes before closing?</source>
        <translation>Enregistrer les modifications avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>button</comment>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <comment>button</comment>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>button</comment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Lifetally read it.

Replace it with the entries shown here? The changed file is kept as %2.</source>
        <comment>%1 is the settings file, %2 its backup&apos;s name</comment>
        <translation>%1 a été modifié par un autre programme depuis que Lifetally l&apos;a lu.

Le remplacer par les entrées affichées ici&#xa0;? Le fichier modifié est conservé sous le nom %2.</translation>
    </message>
    <message>
        <source>Replace</source>
        <comment>button: replace the changed file</comment>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Lifetally did not end properly last time. Entries you had not saved were kept (%1 %2).

Restore them?</source>
        <comment>%1 is a date, %2 a time</comment>
        <translation>Lifetally ne s&apos;est pas terminé correctement la dernière fois. Les entrées non enregistrées ont été conservées (%1 %2).

Les restaurer&#xa0;?</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>button: restore the kept entries</comment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Discard</source>
        <comment>button: discard the kept entries</comment>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Lifetally cannot read your entries in %1: %2.

Close will not be able to keep your entries there.</source>
        <comment>%1 is a file, %2 the reason</comment>
        <translation>Lifetally ne peut pas lire vos entrées dans %1&#xa0;: %2.

La fermeture ne pourra pas y conserver vos entrées.</translation>
    </message>
    <message>
        <source>Error printing report ... quitting</source>
        <translation>Erreur d&apos;impression du rapport ... abandon</translation>
    </message>
    <message>
        <source>&amp;Keep it</source>
        <comment>button: keep an unlikely entry as it is</comment>
        <translation>&amp;Conserver</translation>
    </message>
    <message>
        <source>&amp;Change it</source>
        <comment>button: go back and change an unlikely entry</comment>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>The file is kept as it is.</source>
        <translation>Le fichier est conservé tel quel.</translation>
    </message>
    <message>
        <source>The file was set aside as %1; entries you do not save are kept again from now on.</source>
        <comment>%1 is a file</comment>
        <translation>Le fichier a été mis de côté sous le nom %1 ; les entrées non enregistrées sont de nouveau conservées à partir de maintenant.</translation>
    </message>
    <message>
        <source>Lifetally kept entries that were not saved in %1, but cannot read them: %2.

%3</source>
        <comment>%1 is a file, %2 the reason, %3 what became of the file</comment>
        <translation>Lifetally a conservé dans %1 des entrées non enregistrées, mais ne peut pas les lire : %2.

%3</translation>
    </message>
</context>
<context>
    <name>TActivityDialog</name>
    <message>
        <source>Description cannot be blank</source>
        <translation>La description ne peut pas être vide</translation>
    </message>
    <message>
        <source>Starting date is not valid</source>
        <translation>La date de début n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Ending date is not valid</source>
        <translation>La date de fin n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Starting date is earlier than date of birth</source>
        <translation>La date de début précède la date de naissance</translation>
    </message>
    <message>
        <source>Starting date is in the future</source>
        <translation>La date de début est dans le futur</translation>
    </message>
    <message>
        <source>Starting date is after the ending date</source>
        <translation>La date de début est postérieure à la date de fin</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>How to contact us</source>
        <translation>Comment nous contacter</translation>
    </message>
    <message>
        <source>Lifetally version 1.0</source>
        <translation>Lifetally version 1.0</translation>
    </message>
    <message>
        <source>Compliments of:</source>
        <translation>Avec les compliments de&#xa0;:</translation>
    </message>
    <message>
        <source>P.O. Box 1000</source>
        <translation>P.O. Box 1000</translation>
    </message>
    <message>
        <source>Anytown, ST 00000-0000</source>
        <translation>Anytown, ST 00000-0000</translation>
    </message>
    <message>
        <source>Please visit our web site to see the other shareware and freeware programs we make.</source>
        <translation>Visitez notre site web pour découvrir nos autres programmes shareware et freeware.</translation>
    </message>
    <message>
        <source>http://www.brightwell.example/</source>
        <translation>http://www.brightwell.example/</translation>
    </message>
    <message>
        <source>Launch your browser to Brightwell Home Page</source>
        <translation>Ouvrir la page d&apos;accueil de Brightwell dans le navigateur</translation>
    </message>
    <message>
        <source>~4 come check out our home page and other shareware and freeware software by brightwell corporation at www.brightwell.example</source>
        <translation>~4 venez voir notre page d&apos;accueil et les autres sharewares et freewares de brightwell corporation sur www.brightwell.example</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t open web browser for home page %1</source>
        <translation>Impossible d&apos;ouvrir le navigateur web pour la page d&apos;accueil %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Brightwell Home Page</source>
        <translation>Site de &amp;Brightwell</translation>
    </message>
</context>
<context>
    <name>TfrmGraph</name>
    <message>
        <source>Activity Graph</source>
        <translation>Graphique des activités</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>P&amp;ie</source>
        <translation>&amp;Secteurs</translation>
    </message>
    <message>
        <source>&amp;Bar</source>
        <translation>&amp;Barres</translation>
    </message>
    <message>
        <source>&amp;Reduce # visible points</source>
        <translation>&amp;Réduire les points visibles</translation>
    </message>
    <message>
        <source>&amp;Save image…</source>
        <translation>&amp;Enregistrer l&apos;image…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Lifetally</source>
        <translation>Lifetally</translation>
    </message>
    <message>
        <source>How much of your life have you spent at work, asleep, in front of the television or on the road? How much money has gone on rent, cars or coffee? Lifetally adds it up for you.

On the next pages you enter a few facts about yourself, then the things you spend time on, the things you spend money on and the things you do regularly: how much, how often, and since when.

Lifetally works out the lifetime total of every activity and its share of your life or your income, draws them as charts and prints a report.  Press Next to begin.</source>
        <translation>Combien de temps de votre vie avez-vous passé au travail, à dormir, devant la télévision ou sur la route&#xa0;? Combien d&apos;argent est parti dans le loyer, les voitures ou le café&#xa0;? Lifetally fait le compte pour vous.

Sur les pages suivantes, vous indiquez quelques informations sur vous, puis ce à quoi vous consacrez du temps, ce pour quoi vous dépensez de l&apos;argent et ce que vous faites régulièrement&#xa0;: combien, à quelle fréquence et depuis quand.

Lifetally calcule le total de chaque activité sur toute votre vie et sa part de votre vie ou de vos revenus, les dessine en graphiques et imprime un rapport.  Cliquez sur Suivant pour commencer.</translation>
    </message>
    <message>
        <source>Step 1: Personal Biographical Information</source>
        <translation>Étape 1&#xa0;: informations personnelles</translation>
    </message>
    <message>
        <source>Popup calendar</source>
        <translation>Ouvrir le calendrier</translation>
    </message>
    <message>
        <source>Estimate your lifetime income up to now:</source>
        <translation>Estimez vos revenus de toute une vie jusqu&apos;ici&#xa0;:</translation>
    </message>
    <message>
        <source>Step 2: Number of hours spent on various activities</source>
        <translation>Étape 2&#xa0;: heures passées à diverses activités</translation>
    </message>
    <message>
        <source>Double click to edit, right click to sort</source>
        <translation>Double-clic pour modifier, clic droit pour trier</translation>
    </message>
    <message>
        <source>Hours spent on activities</source>
        <translation>Heures passées aux activités</translation>
    </message>
    <message>
        <source>Note that the percentage is based on the number of hours you have been alive.  Percentages may not add up to 100 due to overlap.</source>
        <translation>Le pourcentage se rapporte au nombre d&apos;heures que vous avez vécues.  Les pourcentages peuvent ne pas totaliser 100 à cause des chevauchements.</translation>
    </message>
    <message>
        <source>Step 3: Money spent on various activities</source>
        <translation>Étape 3&#xa0;: argent dépensé pour diverses activités</translation>
    </message>
    <message>
        <source>Money spent on activities</source>
        <translation>Argent dépensé pour les activités</translation>
    </message>
    <message>
        <source>Note that the percentage is based on your lifetime income.</source>
        <translation>Le pourcentage se rapporte à vos revenus de toute une vie.</translation>
    </message>
    <message>
        <source>Step 4: Frequency of various activities</source>
        <translation>Étape 4&#xa0;: fréquence de diverses activités</translation>
    </message>
    <message>
        <source>Frequency of activities</source>
        <translation>Fréquence des activités</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>&lt;&lt;&amp;Prev</source>
        <translation>&lt;&lt;&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next&gt;&gt;</source>
        <translation>&amp;Suivant&gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>Sort by activity</source>
        <translation>Trier par activité</translation>
    </message>
    <message>
        <source>Sort by start date</source>
        <translation>Trier par date de début</translation>
    </message>
    <message>
        <source>Sort by total</source>
        <translation>Trier par total</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>Votre &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <source>Your &amp;birthdate:</source>
        <translation>Votre &amp;date de naissance&#xa0;:</translation>
    </message>
    <message>
        <source>Estimate your lifetime &amp;income up to now:</source>
        <translation>Estimez vos &amp;revenus de toute une vie jusqu&apos;ici&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Trier</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Supp&amp;rimer</translation>
    </message>
    <message>
        <source>Life in &amp;weeks</source>
        <translation>&amp;Vos semaines</translation>
    </message>
    <message>
        <source>Print &amp;report</source>
        <translation>Imprimer le &amp;rapport</translation>
    </message>
    <message>
        <source>Graph results of &amp;hours</source>
        <translation>Graphique des &amp;heures</translation>
    </message>
    <message>
        <source>Graph results of &amp;money</source>
        <translation>Graphique de l&apos;&amp;argent</translation>
    </message>
    <message>
        <source>Graph results of &amp;frequency</source>
        <translation>Graphique des fré&amp;quences</translation>
    </message>
    <message>
        <source>Look ahead to a&amp;ge:</source>
        <translation>Projeter à l&apos;â&amp;ge&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Money in &amp;today&apos;s prices</source>
        <translation>Argent aux prix d&apos;aujour&amp;d&apos;hui</translation>
    </message>
    <message>
        <source>Pr&amp;ices…</source>
        <translation>Pri&amp;x…</translation>
    </message>
</context>
<context>
    <name>TfrmMoney</name>
    <message>
        <source>Activity </source>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Description of activity</source>
        <translation>Description de l&apos;activité</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Once only</source>
        <translation>Une seule fois</translation>
    </message>
    <message>
        <source>Starting date of activity</source>
        <translation>Date de début de l&apos;activité</translation>
    </message>
    <message>
        <source>Popup calendar</source>
        <translation>Ouvrir le calendrier</translation>
    </message>
    <message>
        <source>Ending date of activity</source>
        <translation>Date de fin de l&apos;activité</translation>
    </message>
    <message>
        <source>&amp;Description of activity</source>
        <translation>&amp;Description de l&apos;activité</translation>
    </message>
    <message>
        <source>&amp;Starting date of activity:</source>
        <translation>Date de dé&amp;but de l&apos;activité&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Ending date of activity:</source>
        <translation>Date de &amp;fin de l&apos;activité&#xa0;:</translation>
    </message>
    <message>
        <source>I&amp;ndefinite</source>
        <translation>I&amp;ndéfinie</translation>
    </message>
    <message>
        <source>S&amp;pecific date</source>
        <translation>Date &amp;précise</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Amount of money spent per:</source>
        <translation>&amp;Montant dépensé par&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Frequency performed per:</source>
        <translation>Fré&amp;quence par&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Money</source>
        <comment>the amount of money, beside the period</comment>
        <translation>&amp;Somme</translation>
    </message>
    <message>
        <source>N&amp;umber</source>
        <translation>No&amp;mbre</translation>
    </message>
    <message>
        <source>Value cannot be set to 0</source>
        <translation>La valeur ne peut pas être 0</translation>
    </message>
</context>
<context>
    <name>TfrmPickDate</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Change the displayed month</source>
        <translation>Changer le mois affiché</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Change the displayed year</source>
        <translation>Changer l&apos;année affichée</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Année suivante</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Go to your birthdate</source>
        <translation>Aller à votre date de naissance</translation>
    </message>
    <message>
        <source>Go to today</source>
        <translation>Aller à aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Select date</source>
        <translation>Choisir la date</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Birthday</source>
        <translation>&amp;Naissance</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Au&amp;jourd&apos;hui</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmPrices</name>
    <message>
        <source>Prices</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Table in use:</source>
        <translation>Table utilisée&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Euro prices of:</source>
        <translation>Prix en &amp;euros de&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Rate after its last year (and before its first), % a year:</source>
        <translation>&amp;Taux après sa dernière année (et avant sa première), % par an&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Par défaut</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmTime</name>
    <message>
        <source>Activity time</source>
        <translation>Temps d&apos;une activité</translation>
    </message>
    <message>
        <source>Description of activity</source>
        <translation>Description de l&apos;activité</translation>
    </message>
    <message>
        <source>Amount of time spent per:</source>
        <translation>Temps passé par&#xa0;:</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Starting date of activity</source>
        <translation>Date de début de l&apos;activité</translation>
    </message>
    <message>
        <source>Popup calendar</source>
        <translation>Ouvrir le calendrier</translation>
    </message>
    <message>
        <source>Ending date of activity</source>
        <translation>Date de fin de l&apos;activité</translation>
    </message>
    <message>
        <source>Number of hours incorrect for days</source>
        <translation>Nombre d&apos;heures incorrect pour un jour</translation>
    </message>
    <message>
        <source>Number of hours/minutes incorrect for weeks</source>
        <translation>Nombre d&apos;heures/minutes incorrect pour une semaine</translation>
    </message>
    <message>
        <source>Number of hours/minutes incorrect for months</source>
        <translation>Nombre d&apos;heures/minutes incorrect pour un mois</translation>
    </message>
    <message>
        <source>&amp;Description of activity</source>
        <translation>&amp;Description de l&apos;activité</translation>
    </message>
    <message>
        <source>Da&amp;y</source>
        <translation>&amp;Jour</translation>
    </message>
    <message>
        <source>&amp;Week</source>
        <translation>&amp;Semaine</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>&amp;Mois</translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation>&amp;Heures</translation>
    </message>
    <message>
        <source>M&amp;inutes</source>
        <translation>M&amp;inutes</translation>
    </message>
    <message>
        <source>&amp;Starting date of activity:</source>
        <translation>Date de dé&amp;but de l&apos;activité&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Ending date of activity:</source>
        <translation>Date de &amp;fin de l&apos;activité&#xa0;:</translation>
    </message>
    <message>
        <source>I&amp;ndefinite</source>
        <translation>I&amp;ndéfinie</translation>
    </message>
    <message>
        <source>S&amp;pecific date</source>
        <translation>Date &amp;précise</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmWeeks</name>
    <message>
        <source>Life in Weeks</source>
        <translation>La vie en semaines</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Age ↓</source>
        <translation>Âge ↓</translation>
    </message>
    <message>
        <source>Week of the year →</source>
        <translation>Semaine de l&apos;année →</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Repères</translation>
    </message>
    <message>
        <source>Sho&amp;w:</source>
        <translation>&amp;Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Main activity</source>
        <translation>Activité principale</translation>
    </message>
    <message>
        <source>All hours</source>
        <translation>Toutes les heures</translation>
    </message>
    <message>
        <source>P&amp;aper:</source>
        <translation>&amp;Papier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Save image…</source>
        <translation>&amp;Enregistrer l&apos;image…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
</TS>
