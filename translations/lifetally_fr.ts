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
    <name>AtomicFile</name>
    <message>
        <source>It is a link another user made</source>
        <translation>C&apos;est un lien créé par un autre utilisateur</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>It changed while it was written</source>
        <translation>Il a changé pendant l&apos;écriture</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <comment>a file, why it could not be written</comment>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>It is a folder</source>
        <translation>C&apos;est un dossier</translation>
    </message>
    <message>
        <source>It belongs to another user</source>
        <translation>Il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>The folder %1 does not exist</source>
        <translation>Le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>Its folder %1 is reached through a link another user made</source>
        <translation>Son dossier %1 est atteint par un lien créé par un autre utilisateur</translation>
    </message>
    <message>
        <source>It is a link</source>
        <translation>C&apos;est un lien</translation>
    </message>
    <message>
        <source>It is larger than %1 MB</source>
        <translation>Il fait plus de %1&#xa0;Mo</translation>
    </message>
</context>
<context>
    <name>BatchExport</name>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>%1 table, row %2 (%3)</source>
        <comment>a table&apos;s name, a row number, the row&apos;s activity</comment>
        <translation>Tableau %1, ligne %2 (%3)</translation>
    </message>
    <message>
        <source>lifetally: cannot use %1: %2</source>
        <translation>lifetally&#xa0;: impossible d&apos;utiliser %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>lifetally: cannot read %1: %2</source>
        <translation>lifetally&#xa0;: impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Birth date: %1</source>
        <translation>Date de naissance&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hours</source>
        <comment>table name</comment>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Money</source>
        <comment>table name</comment>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Frequency</source>
        <comment>table name</comment>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>lifetally: the %1 file %2 is %3; nothing was written.</source>
        <comment>an option, a file, a settings file</comment>
        <translation>lifetally&#xa0;: le fichier %2 de %1 est %3&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The report could not be printed</source>
        <translation>Le rapport n&apos;a pas pu être imprimé</translation>
    </message>
    <message>
        <source>The weeks could not be printed</source>
        <comment>the Life in Weeks picture</comment>
        <translation>Les semaines n&apos;ont pas pu être imprimées</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Hours spent for %1  %2</source>
        <comment>chart title: a name, then the age line</comment>
        <translation>Heures passées par %1  %2</translation>
    </message>
    <message>
        <source>Money spent for %1  %2</source>
        <comment>chart title: a name, then the income line</comment>
        <translation>Argent dépensé par %1  %2</translation>
    </message>
    <message>
        <source>Frequency of activities for %1</source>
        <translation>Fréquence des activités de %1</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>the slice for the hours or money no activity takes</comment>
        <translation>Autre</translation>
    </message>
    <message>
        <source>%1  By age %2</source>
        <comment>chart title, then the age the totals are counted up to</comment>
        <translation>%1  À %2 ans</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Use &lt;file&gt; for your entries instead of lfy.ini.</source>
        <translation>Utiliser &lt;file&gt; pour vos entrées au lieu de lfy.ini.</translation>
    </message>
    <message>
        <source>Write the printed report to the PDF file &lt;file&gt; and quit.</source>
        <translation>Écrire le rapport imprimé dans le fichier PDF &lt;file&gt; et quitter.</translation>
    </message>
    <message>
        <source>Write the three tables to the CSV file &lt;file&gt; and quit. The file is plain RFC 4180 under any regional settings: UTF-8 without a byte-order mark, &quot;,&quot; between fields, &quot;.&quot; as the decimal point, and English column titles for scripts (the window&apos;s CSV export is in the window&apos;s language).</source>
        <translation>Écrire les trois tableaux dans le fichier CSV &lt;file&gt; et quitter. Le fichier est du RFC 4180 simple quels que soient les paramètres régionaux&#xa0;: UTF-8 sans indicateur d&apos;ordre des octets, «&#xa0;,&#xa0;» entre les champs, «&#xa0;.&#xa0;» comme séparateur décimal et des titres de colonnes en anglais pour les scripts (l&apos;export CSV de la fenêtre est dans la langue de la fenêtre).</translation>
    </message>
    <message>
        <source>Count up to age &lt;A&gt; (1 to 120, ahead of today or behind it) in the report, the CSV file and the weeks; otherwise the age kept in the settings file, else 80.</source>
        <translation>Compter jusqu&apos;à l&apos;âge &lt;A&gt; (1 à 120, avant ou après aujourd&apos;hui) dans le rapport, le fichier CSV et les semaines&#xa0;; sinon l&apos;âge enregistré dans le fichier de paramètres, à défaut 80.</translation>
    </message>
    <message>
        <source>Draw your life in weeks to &lt;file&gt; (.png, .svg or .pdf) and quit. A PNG is 300 dots an inch on its paper.</source>
        <translation>Dessiner votre vie en semaines dans &lt;file&gt; (.png, .svg ou .pdf) et quitter. Un PNG a 300 points par pouce sur son papier.</translation>
    </message>
    <message>
        <source>The paper of --weeks: A4, Letter, A3, Tabloid or A2; otherwise A4 (Letter where the regional settings measure in U.S. units). The picture is turned to fit it.</source>
        <translation>Le papier de --weeks&#xa0;: A4, Letter, A3, Tabloid ou A2&#xa0;; sinon A4 (Letter là où les paramètres régionaux mesurent en unités américaines). L&apos;image est tournée pour s&apos;y adapter.</translation>
    </message>
    <message>
        <source>Money in the report and the CSV file: &quot;today&quot; for today&apos;s prices (from the public price tables the program carries), &quot;paid&quot; as paid; otherwise the settings file&apos;s choice.</source>
        <translation>L&apos;argent dans le rapport et le fichier CSV&#xa0;: «&#xa0;today&#xa0;» aux prix d&apos;aujourd&apos;hui (d&apos;après les tables de prix publiques fournies avec le programme), «&#xa0;paid&#xa0;» tel que payé&#xa0;; sinon le choix du fichier de paramètres.</translation>
    </message>
    <message>
        <source>How much time and money you have spent in your lifetime, and on what.
A &lt;file&gt; of - for --report or --csv means standard output.</source>
        <translation>Combien de temps et d&apos;argent vous avez dépensé au cours de votre vie, et à quoi.
Un &lt;file&gt; valant - pour --report ou --csv désigne la sortie standard.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Only one of --report and --csv can write to standard output (&apos;-&apos;).</source>
        <translation>Seul l&apos;un de --report et --csv peut écrire sur la sortie standard (&apos;-&apos;).</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; for --weeks must end in .png, .svg or .pdf.</source>
        <translation>Le fichier &apos;%1&apos; de --weeks doit se terminer par .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>The paper &apos;%1&apos; is not one of %2.</source>
        <translation>Le papier &apos;%1&apos; n&apos;est pas l&apos;un de %2.</translation>
    </message>
    <message>
        <source>The age &apos;%1&apos; is not a whole number from 1 to %2.</source>
        <translation>L&apos;âge &apos;%1&apos; n&apos;est pas un nombre entier de 1 à %2.</translation>
    </message>
    <message>
        <source>The prices &apos;%1&apos; are neither &apos;today&apos; nor &apos;paid&apos;.</source>
        <translation>Les prix &apos;%1&apos; ne sont ni &apos;today&apos; ni &apos;paid&apos;.</translation>
    </message>
    <message>
        <source>--paper is the paper of --weeks; give --weeks FILE as well.</source>
        <translation>--paper est le papier de --weeks ; indiquez aussi --weeks FICHIER.</translation>
    </message>
</context>
<context>
    <name>ConversionError</name>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; n&apos;est pas une date valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre décimal valide</translation>
    </message>
</context>
<context>
    <name>DateDiff</name>
    <message numerus="yes">
        <source>%n year</source>
        <translation>
            <numerusform>%n an</numerusform>
            <numerusform>%n ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n an</numerusform>
            <numerusform>%n ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month</source>
        <translation>
            <numerusform>%n mois</numerusform>
            <numerusform>%n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n months</source>
        <translation>
            <numerusform>%n mois</numerusform>
            <numerusform>%n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
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
    <name>DateText</name>
    <message>
        <source>d</source>
        <comment>the letter for the day in a date form such as dd/mm/yyyy</comment>
        <translation>j</translation>
    </message>
    <message>
        <source>m</source>
        <comment>the letter for the month in a date form such as dd/mm/yyyy</comment>
        <translation>m</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the letter for the year in a date form such as dd/mm/yyyy</comment>
        <translation>a</translation>
    </message>
</context>
<context>
    <name>Explain</name>
    <message numerus="yes">
        <source>%1 time</source>
        <translation>
            <numerusform>%1 fois</numerusform>
            <numerusform>%1 fois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 times</source>
        <translation>
            <numerusform>%1 fois</numerusform>
            <numerusform>%1 fois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hour</source>
        <translation>
            <numerusform>%1 heure</numerusform>
            <numerusform>%1 heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hours</source>
        <translation>
            <numerusform>%1 heure</numerusform>
            <numerusform>%1 heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 day</source>
        <translation>
            <numerusform>%1 jour</numerusform>
            <numerusform>%1 jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days</source>
        <translation>
            <numerusform>%1 jour</numerusform>
            <numerusform>%1 jours</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a span of dates</comment>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>%1% of your lifetime income of %2</source>
        <translation>%1&#xa0;% de vos revenus de toute une vie (%2)</translation>
    </message>
    <message>
        <source>%1% of the %2 hours you will have been alive</source>
        <translation>%1&#xa0;% des %2 heures que vous aurez vécues</translation>
    </message>
    <message>
        <source>%1% of the %2 hours you had been alive</source>
        <translation>%1&#xa0;% des %2 heures que vous aviez vécues</translation>
    </message>
    <message>
        <source>%1% of the %2 hours you have been alive</source>
        <translation>%1&#xa0;% des %2 heures que vous avez vécues</translation>
    </message>
    <message>
        <source>both in %1</source>
        <comment>both dates in one year</comment>
        <translation>toutes deux en %1</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <comment>from one year to another</comment>
        <translation>de %1 à %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 calendar year</source>
        <translation>
            <numerusform>%1 année civile</numerusform>
            <numerusform>%1 années civiles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 calendar years</source>
        <translation>
            <numerusform>%1 année civile</numerusform>
            <numerusform>%1 années civiles</numerusform>
        </translation>
    </message>
    <message>
        <source>a span under two days counts no year</source>
        <translation>une durée de moins de deux jours ne compte aucune année</translation>
    </message>
    <message>
        <source>by the calendar months from %1 to %2</source>
        <translation>selon les mois civils de %1 à %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 whole year</source>
        <translation>
            <numerusform>%1 année entière</numerusform>
            <numerusform>%1 années entières</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 whole years</source>
        <translation>
            <numerusform>%1 année entière</numerusform>
            <numerusform>%1 années entières</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 week</source>
        <translation>
            <numerusform>%1 semaine</numerusform>
            <numerusform>%1 semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 weeks</source>
        <translation>
            <numerusform>%1 semaine</numerusform>
            <numerusform>%1 semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month</source>
        <translation>
            <numerusform>%1 mois</numerusform>
            <numerusform>%1 mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 months</source>
        <translation>
            <numerusform>%1 mois</numerusform>
            <numerusform>%1 mois</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 a day</source>
        <comment>%1 is an amount, a duration or a count</comment>
        <translation>%1 par jour</translation>
    </message>
    <message>
        <source>%1 a week</source>
        <comment>%1 is an amount, a duration or a count</comment>
        <translation>%1 par semaine</translation>
    </message>
    <message>
        <source>%1 a month</source>
        <comment>%1 is an amount, a duration or a count</comment>
        <translation>%1 par mois</translation>
    </message>
    <message>
        <source>%1 a year</source>
        <comment>%1 is an amount, a duration or a count</comment>
        <translation>%1 par an</translation>
    </message>
    <message numerus="yes">
        <source>%1 minute</source>
        <translation>
            <numerusform>%1 minute</numerusform>
            <numerusform>%1 minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 minutes</source>
        <translation>
            <numerusform>%1 minute</numerusform>
            <numerusform>%1 minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a period this table counts, so the total is 0</source>
        <translation>&apos;%1&apos; n&apos;est pas une période que ce tableau compte, le total est donc 0</translation>
    </message>
    <message>
        <source>Once: %1</source>
        <comment>a total of something done or paid once</comment>
        <translation>Une fois&#xa0;: %1</translation>
    </message>
    <message>
        <source>The total shown is from an earlier count; it is brought up to date when the totals are counted again.</source>
        <translation>Le total affiché provient d&apos;un calcul antérieur&#xa0;; il sera mis à jour au prochain calcul des totaux.</translation>
    </message>
    <message>
        <source>This row cannot be counted: %1.</source>
        <comment>%1 says which text could not be read</comment>
        <translation>Cette ligne ne peut pas être comptée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The birth date, %1, lies after today: the age and the hours count the time from now until then.</source>
        <translation>La date de naissance, %1, est postérieure à aujourd&apos;hui&#xa0;: l&apos;âge et les heures comptent le temps d&apos;ici là.</translation>
    </message>
    <message>
        <source>Counted from %1, at midnight, to now, %2, %3.</source>
        <comment>a date, today&apos;s date, the time of day</comment>
        <translation>Compté depuis le %1 à minuit jusqu&apos;à maintenant, le %2 à %3.</translation>
    </message>
    <message>
        <source>Hours: %1 whole hours (%2 and %3 hours).</source>
        <comment>%2 is a count of days</comment>
        <translation>Heures&#xa0;: %1 heures entières (%2 et %3 heures).</translation>
    </message>
    <message>
        <source>Under two days, the age is given in whole days.</source>
        <translation>En dessous de deux jours, l&apos;âge est donné en jours entiers.</translation>
    </message>
    <message>
        <source>Years and months: the calendar months from %1 to %2, whatever the day of the month.</source>
        <translation>Années et mois&#xa0;: les mois civils de %1 à %2, quel que soit le jour du mois.</translation>
    </message>
    <message>
        <source>Under three calendar years, the years are the calendar years from %1 to %2 and the months all the calendar months from %3 to %4, each counted on its own.</source>
        <translation>En dessous de trois années civiles, les années sont les années civiles de %1 à %2 et les mois tous les mois civils de %3 à %4, chacun compté séparément.</translation>
    </message>
    <message>
        <source>Days: the day of the month less the birth day, %1, shown when above 0.</source>
        <comment>%1 is a subtraction such as 12 − 3</comment>
        <translation>Jours&#xa0;: le jour du mois moins le jour de naissance, %1, affiché s&apos;il dépasse 0.</translation>
    </message>
    <message>
        <source>No lifetime income is given, so the money totals show no percentages.</source>
        <translation>Aucun revenu de toute une vie n&apos;est indiqué, les totaux d&apos;argent n&apos;affichent donc pas de pourcentage.</translation>
    </message>
    <message>
        <source>The money you expect to earn in your whole life, as typed on the biography page. Each money total&apos;s percentage is its share of %1.</source>
        <translation>L&apos;argent que vous pensez gagner dans toute votre vie, tel que saisi sur la page de biographie. Le pourcentage de chaque total d&apos;argent est sa part de %1.</translation>
    </message>
    <message>
        <source>Read as %1 — in the future.</source>
        <comment>a birth date</comment>
        <translation>Lu comme le %1 — dans le futur.</translation>
    </message>
    <message>
        <source>Read as %1.</source>
        <comment>a birth date</comment>
        <translation>Lu comme le %1.</translation>
    </message>
    <message>
        <source>Type the year with four digits.</source>
        <translation>Tapez l&apos;année sur quatre chiffres.</translation>
    </message>
</context>
<context>
    <name>FileFormat</name>
    <message>
        <source>The dates and amounts in %1 are written in another regional format than yours (%2), and Lifetally cannot tell which one. Correct them on the tables&apos; pages, or start Lifetally under the regional settings they were written in</source>
        <comment>a file, a date pattern such as m/d/yyyy</comment>
        <translation>Les dates et les montants de %1 sont écrits dans un autre format régional que le vôtre (%2), et Lifetally ne peut pas savoir lequel. Corrigez-les sur les pages des tableaux, ou lancez Lifetally avec les paramètres régionaux dans lesquels ils ont été écrits</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>It is a folder</source>
        <translation>C&apos;est un dossier</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>It is larger than %1 MB</source>
        <translation>Il fait plus de %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>It is a link another user made</source>
        <translation>C&apos;est un lien créé par un autre utilisateur</translation>
    </message>
</context>
<context>
    <name>LifeWeeks</name>
    <message numerus="yes">
        <source>Week of %1 (%n days)</source>
        <comment>a short week at the end of a year of age</comment>
        <translation>
            <numerusform>Semaine du %1 (%n jour)</numerusform>
            <numerusform>Semaine du %1 (%n jours)</numerusform>
        </translation>
    </message>
    <message>
        <source>Week of %1</source>
        <translation>Semaine du %1</translation>
    </message>
    <message>
        <source>%1, age %2, ahead: </source>
        <comment>a week, an age</comment>
        <translation>%1, âge %2, à venir&#xa0;: </translation>
    </message>
    <message>
        <source>%1, age %2: </source>
        <comment>a week, an age</comment>
        <translation>%1, âge %2&#xa0;: </translation>
    </message>
    <message>
        <source>nothing entered</source>
        <comment>a week without activities</comment>
        <translation>rien de saisi</translation>
    </message>
    <message>
        <source> h</source>
        <comment>short for hours, after a number</comment>
        <translation> h</translation>
    </message>
</context>
<context>
    <name>LookAhead</name>
    <message>
        <source>By age %1 at this pace</source>
        <translation>À %1 ans à ce rythme</translation>
    </message>
    <message>
        <source>By age %1</source>
        <translation>À %1 ans</translation>
    </message>
    <message numerus="yes">
        <source>Age: %n year</source>
        <translation>
            <numerusform>Âge&#xa0;: %n an</numerusform>
            <numerusform>Âge&#xa0;: %n ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Age: %n years</source>
        <translation>
            <numerusform>Âge&#xa0;: %n an</numerusform>
            <numerusform>Âge&#xa0;: %n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>%1  Hours: %2</source>
        <comment>%1 is an age, such as Age: 80 years</comment>
        <translation>%1  Heures&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>LookAheadPanel</name>
    <message>
        <source>%1: %2 hours and %3 spent</source>
        <comment>up to an age: hours and money spent by then</comment>
        <translation>%1&#xa0;: %2 heures et %3 dépensés</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <comment>the summary, then the prices&apos; year wording</comment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>Overlap</name>
    <message>
        <source>From %1 to %2 your activities add up to %3 a day.</source>
        <comment>two dates, or a date and today; a duration such as 26 hours 15 minutes</comment>
        <translation>De %1 à %2, vos activités totalisent %3 par jour.</translation>
    </message>
    <message>
        <source>today</source>
        <comment>the end of a span of dates</comment>
        <translation>aujourd&apos;hui</translation>
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
    <message>
        <source>%1 is no longer there: it was deleted or moved away since Lifetally read it.

Save the entries shown here to create it again?</source>
        <comment>%1 is the settings file</comment>
        <translation>%1 n&apos;existe plus&#xa0;: le fichier a été supprimé ou déplacé depuis que Lifetally l&apos;a lu.

Enregistrer les entrées affichées ici pour le recréer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l&apos;aide, y compris les options propres à Qt.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Money in %1</source>
        <comment>heading; %1 is the prices&apos; year wording</comment>
        <translation>Argent (%1)</translation>
    </message>
    <message>
        <source>Total as paid</source>
        <translation>Total tel que payé</translation>
    </message>
    <message>
        <source>Total in %1</source>
        <translation>Total (%1)</translation>
    </message>
    <message>
        <source>Lifetally  - version 1.0</source>
        <translation>Lifetally  - version 1.0</translation>
    </message>
    <message>
        <source>Printed : %1  %2</source>
        <comment>date and time the report was printed</comment>
        <translation>Imprimé le&#xa0;: %1  %2</translation>
    </message>
</context>
<context>
    <name>SaveFileChoice</name>
    <message>
        <source>The file %1 is %2; choose another name. Nothing was written.</source>
        <comment>a file, which file of the program it is</comment>
        <translation>Le fichier %1 est %2&#xa0;; choisissez un autre nom. Rien n&apos;a été écrit.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>It holds no Lifetally entries</source>
        <translation>Il ne contient aucune donnée de Lifetally</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>le fichier de paramètres</translation>
    </message>
    <message>
        <source>the settings file&apos;s backup</source>
        <translation>la copie de sauvegarde du fichier de paramètres</translation>
    </message>
    <message>
        <source>the settings file&apos;s recovery file</source>
        <translation>le fichier de récupération du fichier de paramètres</translation>
    </message>
    <message>
        <source>the settings file&apos;s lock file</source>
        <translation>le fichier de verrou du fichier de paramètres</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>which file it is, its path</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>SettingsKeeper</name>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 n&apos;existe plus</translation>
    </message>
    <message>
        <source>%1 is on a disk that is read-only</source>
        <translation>%1 est sur un disque en lecture seule</translation>
    </message>
    <message>
        <source>no permission to write in %1</source>
        <translation>pas le droit d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 est en lecture seule</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>le fichier n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>%1 cannot be read and was kept as it is</source>
        <translation>%1 ne peut pas être lu et a été laissé tel quel</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Lifetally needs a graphical desktop, but no display was found (neither DISPLAY nor WAYLAND_DISPLAY is set).
Start it from your desktop session, or under xvfb-run for a virtual display.</source>
        <translation>Lifetally a besoin d&apos;un bureau graphique, mais aucun affichage n&apos;a été trouvé (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini).
Lancez-le depuis votre session de bureau, ou sous xvfb-run pour un affichage virtuel.</translation>
    </message>
    <message>
        <source>lifetally: could not open a window on this Wayland desktop (WAYLAND_DISPLAY=%1); Qt&apos;s Wayland support may be missing (sudo apt install qt6-wayland). --report and --csv work without a display.</source>
        <translation>lifetally&#xa0;: impossible d&apos;ouvrir une fenêtre sur ce bureau Wayland (WAYLAND_DISPLAY=%1)&#xa0;; la prise en charge de Wayland par Qt manque peut-être (sudo apt install qt6-wayland). --report et --csv fonctionnent sans affichage.</translation>
    </message>
    <message>
        <source>lifetally: could not open a window on the display (DISPLAY=%1, WAYLAND_DISPLAY=%2); --report and --csv work without a display.</source>
        <translation>lifetally&#xa0;: impossible d&apos;ouvrir une fenêtre sur l&apos;affichage (DISPLAY=%1, WAYLAND_DISPLAY=%2)&#xa0;; --report et --csv fonctionnent sans affichage.</translation>
    </message>
    <message>
        <source>Lifetally is already open with the entries in %1.

Two copies on one file would each save over the other&apos;s changes.</source>
        <translation>Lifetally est déjà ouvert avec les entrées de %1.

Deux copies sur un même fichier écraseraient chacune les modifications de l&apos;autre.</translation>
    </message>
    <message>
        <source>&amp;Show It</source>
        <comment>button: bring the open copy&apos;s window forward</comment>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>It was made by process %1 on the computer &quot;%2&quot; on %3.</source>
        <translation>Il a été créé par le processus %1 sur l&apos;ordinateur «&#xa0;%2&#xa0;» le %3.</translation>
    </message>
    <message>
        <source>It cannot be read, so which copy made it is unknown.</source>
        <translation>Il est illisible&#xa0;; on ne sait donc pas quelle copie l&apos;a créé.</translation>
    </message>
    <message>
        <source>Lifetally may already be open with the entries in %1: the lock file %2 says so.

%3

If no copy of Lifetally is open with these entries, open them anyway; otherwise two copies would each save over the other&apos;s changes.</source>
        <translation>Lifetally est peut-être déjà ouvert avec les entrées de %1&#xa0;: le fichier de verrou %2 l&apos;indique.

%3

Si aucune copie de Lifetally n&apos;est ouverte avec ces entrées, ouvrez-les quand même&#xa0;; sinon deux copies écraseraient chacune les modifications de l&apos;autre.</translation>
    </message>
    <message>
        <source>Open anyway</source>
        <comment>button: open the entries although a lock file says another copy has them</comment>
        <translation>Ouvrir quand même</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Try &apos;lifetally --help&apos; for more information.</source>
        <translation>Essayez &apos;lifetally --help&apos; pour plus d&apos;informations.</translation>
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
    <name>TTablePage</name>
    <message>
        <source>Copy</source>
        <comment>copy the chosen rows</comment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Export as CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>%1 ends after today, so its total counts time not yet lived.</source>
        <comment>an activity</comment>
        <translation>%1 se termine après aujourd&apos;hui, son total compte donc du temps pas encore vécu.</translation>
    </message>
    <message>
        <source>Maximum number of rows reached</source>
        <translation>Nombre maximal de lignes atteint</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>undo: adding a row</comment>
        <translation>Ajout</translation>
    </message>
    <message>
        <source>Nothing to edit</source>
        <translation>Rien à modifier</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>undo: editing a row</comment>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>Rien à supprimer</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>title of a question</comment>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Really delete %1?</source>
        <comment>an activity</comment>
        <translation>Vraiment supprimer %1&#xa0;?</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>undo: deleting a row</comment>
        <translation>Suppression</translation>
    </message>
    <message>
        <source>Sort</source>
        <comment>undo: sorting the rows</comment>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <comment>title of the file chooser</comment>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>TableColumns</name>
    <message>
        <source>Activity</source>
        <comment>column title</comment>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Per</source>
        <comment>column title: the period</comment>
        <translation>Par</translation>
    </message>
    <message>
        <source>Start date</source>
        <comment>column title</comment>
        <translation>Début</translation>
    </message>
    <message>
        <source>End date</source>
        <comment>column title</comment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>column title: hours and minutes</comment>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Total Hrs</source>
        <comment>column title: the hours in all, short</comment>
        <translation>Total h</translation>
    </message>
    <message>
        <source>Amount</source>
        <comment>column title: money</comment>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Total Amt</source>
        <comment>column title: the money in all, short</comment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Frequency</source>
        <comment>column title: how often</comment>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Total Freq</source>
        <comment>column title: how often in all, short</comment>
        <translation>Total fois</translation>
    </message>
</context>
<context>
    <name>TableExport</name>
    <message>
        <source>Total (number)</source>
        <translation>Total (nombre)</translation>
    </message>
    <message>
        <source>Share (%)</source>
        <translation>Part (%)</translation>
    </message>
    <message>
        <source>Total by age %1 (number)</source>
        <translation>Total à %1 ans (nombre)</translation>
    </message>
    <message>
        <source>Total in %1 (number)</source>
        <translation>Total en %1 (nombre)</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>Now</source>
        <comment>the end date of an activity still going on</comment>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>a period: per day</comment>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Week</source>
        <comment>a period: per week</comment>
        <translation>Sem.</translation>
    </message>
    <message>
        <source>Month</source>
        <comment>a period: per month</comment>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <comment>a period: per year</comment>
        <translation>Année</translation>
    </message>
    <message>
        <source>Once</source>
        <comment>a period: done or paid once</comment>
        <translation>1 fois</translation>
    </message>
    <message>
        <source>Hr</source>
        <comment>short for hour, after 1</comment>
        <translation>h</translation>
    </message>
    <message>
        <source>Hrs</source>
        <comment>short for hours, after a number</comment>
        <translation>h</translation>
    </message>
    <message>
        <source>Min</source>
        <comment>short for minute, after 1</comment>
        <translation>min</translation>
    </message>
    <message>
        <source>Mins</source>
        <comment>short for minutes, after a number</comment>
        <translation>min</translation>
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
    <message>
        <source>Prices: no price table for these amounts.</source>
        <translation>Prix&#xa0;: aucune table de prix pour ces montants.</translation>
    </message>
    <message>
        <source>Prices: %1. %2</source>
        <comment>a country, then the price table&apos;s source</comment>
        <translation>Prix&#xa0;: %1. %2</translation>
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
    <message>
        <source>Click the pie, or press Space or Enter, to start or stop it spinning.</source>
        <translation>Cliquez sur le camembert, ou appuyez sur Espace ou Entrée, pour le faire tourner ou l&apos;arrêter.</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation>Image PNG (*.png);;Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>By age %1</source>
        <translation>À %1 ans</translation>
    </message>
    <message>
        <source>By &amp;age %1</source>
        <comment>check box: the chart counted up to this age; pick an access key not used in the window</comment>
        <translation>À %1 a&amp;ns</translation>
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
        <translation>À pr&amp;opos</translation>
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
    <message>
        <source>Hours</source>
        <comment>table name</comment>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Money</source>
        <comment>table name</comment>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Items</source>
        <comment>table name</comment>
        <translation>Fréquence</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row</source>
        <comment>a table, its rows</comment>
        <translation>
            <numerusform>%1&#xa0;: %n ligne</numerusform>
            <numerusform>%1&#xa0;: %n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n rows</source>
        <comment>a table, its rows</comment>
        <translation>
            <numerusform>%1&#xa0;: %n ligne</numerusform>
            <numerusform>%1&#xa0;: %n lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds more rows than the window can show (%2 a table). Not shown: %3.

They are not counted or exported, and they stay in the file as they are.</source>
        <translation>%1 contient plus de lignes que la fenêtre ne peut en afficher (%2 par tableau). Non affichées&#xa0;: %3.

Elles ne sont ni comptées ni exportées, et restent telles quelles dans le fichier.</translation>
    </message>
    <message>
        <source>Your birthdate is mandatory to proceed to the next step.</source>
        <translation>Votre date de naissance est obligatoire pour passer à l&apos;étape suivante.</translation>
    </message>
    <message>
        <source>%1  in %2</source>
        <comment>a chart title, then the prices&apos; year wording</comment>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>lifetally: %1; your entries are kept in %2.</source>
        <comment>why saving failed, a file</comment>
        <translation>lifetally&#xa0;: %1&#xa0;; vos entrées sont conservées dans %2.</translation>
    </message>
    <message>
        <source>lifetally: %1, and the entries not saved could not be kept in %2 either: %3.</source>
        <comment>why saving failed, a file, why keeping failed</comment>
        <translation>lifetally&#xa0;: %1, et les entrées non enregistrées n&apos;ont pas pu être conservées non plus dans %2&#xa0;: %3.</translation>
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
        <source>%1
Licence: %2; copy of %3.</source>
        <comment>a price table&apos;s source, its licence and the date it was copied</comment>
        <translation>%1
Licence&#xa0;: %2&#xa0;; copie du %3.</translation>
    </message>
    <message>
        <source>Default: the table&apos;s mean of its last ten years, %1 %.</source>
        <translation>Par défaut&#xa0;: la moyenne des dix dernières années de la table, %1&#xa0;%.</translation>
    </message>
    <message>
        <source>There is no price table for these amounts; one rate applies to every year.</source>
        <translation>Il n&apos;y a pas de table de prix pour ces montants&#xa0;; un seul taux s&apos;applique à chaque année.</translation>
    </message>
    <message>
        <source>&amp;Rate for every year, % a year:</source>
        <translation>&amp;Taux pour chaque année, % par an&#xa0;:</translation>
    </message>
    <message>
        <source>Default: %1 %.</source>
        <translation>Par défaut&#xa0;: %1&#xa0;%.</translation>
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
    <message>
        <source>Sho&amp;w:</source>
        <translation>&amp;Afficher&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TodayPrices</name>
    <message>
        <source>%1 prices</source>
        <comment>a year&apos;s price level, as in: in 2025 prices</comment>
        <translation>prix de %1</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <comment>in 2025 prices: an amount</comment>
        <translation>En %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>prices rose %1 since %2 on average</source>
        <comment>a factor such as 2.5 ×, a year</comment>
        <translation>les prix ont augmenté de %1 depuis %2 en moyenne</translation>
    </message>
    <message>
        <source>prices fell to %1 those of %2 on average</source>
        <comment>a factor such as 0.8 ×, a year</comment>
        <translation>les prix sont tombés en moyenne à %1 ceux de %2</translation>
    </message>
    <message>
        <source>%1: no price table</source>
        <comment>a country, or: This currency</comment>
        <translation>%1&#xa0;: aucune table de prix</translation>
    </message>
    <message>
        <source>This currency</source>
        <translation>Cette devise</translation>
    </message>
    <message>
        <source>(monthly to %1 %2)</source>
        <comment>a month, a year</comment>
        <translation>(mensuelle jusqu&apos;à %1 %2)</translation>
    </message>
    <message>
        <source>%1 % a year</source>
        <comment>a rate of rising prices</comment>
        <translation>%1&#xa0;% par an</translation>
    </message>
    <message>
        <source>%1: %2 for every year.</source>
        <comment>no price table: a rate</comment>
        <translation>%1&#xa0;: %2 pour chaque année.</translation>
    </message>
    <message>
        <source>Table: %1; %2 after it and before it.</source>
        <comment>a table, a rate</comment>
        <translation>Table&#xa0;: %1&#xa0;; %2 après et avant.</translation>
    </message>
    <message>
        <source>%1; copy of %2.</source>
        <comment>a licence, a date</comment>
        <translation>%1&#xa0;; copie du %2.</translation>
    </message>
    <message>
        <source>In today&apos;s prices no share of the lifetime income is shown: the income is one sum, earned in years the program does not know.</source>
        <translation>Aux prix d&apos;aujourd&apos;hui, aucune part des revenus de toute une vie n&apos;est indiquée&#xa0;: ces revenus sont une seule somme, gagnée en des années que le programme ne connaît pas.</translation>
    </message>
    <message>
        <source>%1, %2 to %3</source>
        <comment>a country, the first and last year</comment>
        <translation>%1, de %2 à %3</translation>
    </message>
</context>
<context>
    <name>Totals</name>
    <message numerus="yes">
        <source>%n day</source>
        <comment>an age</comment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>an age</comment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Age: %1 Hours: %2</source>
        <comment>%1 is an age such as 40 yrs 2 mons</comment>
        <translation>Âge&#xa0;: %1 Heures&#xa0;: %2</translation>
    </message>
    <message>
        <source>Lifetime income: %1</source>
        <translation>Revenus de toute une vie&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Weeks</name>
    <message>
        <source>Nothing entered</source>
        <translation>Rien de saisi</translation>
    </message>
    <message>
        <source>Ahead</source>
        <comment>legend: weeks still to come</comment>
        <translation>À venir</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>Over its hours</source>
        <comment>legend: a week with more hours entered than it has</comment>
        <translation>Plus d&apos;heures que possible</translation>
    </message>
    <message>
        <source>Weeks from birth to age %1</source>
        <translation>Semaines de la naissance à l&apos;âge de %1 ans</translation>
    </message>
    <message>
        <source>Life in Weeks</source>
        <translation>La vie en semaines</translation>
    </message>
    <message>
        <source>Life in Weeks — %1born %2</source>
        <comment>%1 is a name and a comma, or nothing</comment>
        <translation>La vie en semaines — %1né(e) le %2</translation>
    </message>
    <message>
        <source>Ages 0 to %1, a row a year.</source>
        <translation>De 0 à %1 ans, une ligne par année.</translation>
    </message>
    <message>
        <source>Drawn to age %1, before today.</source>
        <translation>Dessinée jusqu&apos;à %1 ans, avant aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>PNG image, 300 dpi (*.png);;SVG image (*.svg)</source>
        <translation>Image PNG, 300 ppp (*.png);;Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>Age %1</source>
        <translation>Âge %1</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Semaine %1</translation>
    </message>
    <message>
        <source>Each square is a week; it fills with %1 up to its busiest week.</source>
        <comment>%1 is an activity</comment>
        <translation>Chaque carré est une semaine&#xa0;; il se remplit de %1 jusqu&apos;à sa semaine la plus chargée.</translation>
    </message>
    <message>
        <source>Each square is a week; its hours are stacked from the bottom up by activity, in table order.</source>
        <translation>Chaque carré est une semaine&#xa0;; ses heures sont empilées de bas en haut par activité, dans l&apos;ordre du tableau.</translation>
    </message>
    <message>
        <source>Each square is a week, coloured by the activity with the most hours that week; sleep only when nothing else was entered, the first in the table on a tie.</source>
        <translation>Chaque carré est une semaine, coloré selon l&apos;activité qui a le plus d&apos;heures cette semaine-là&#xa0;; le sommeil seulement si rien d&apos;autre n&apos;est saisi, la première du tableau en cas d&apos;égalité.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more events</source>
        <translation>
            <numerusform>et %n autre événement</numerusform>
            <numerusform>et %n autres événements</numerusform>
        </translation>
    </message>
    <message>
        <source>Week of the year →</source>
        <translation>Semaine de l&apos;année →</translation>
    </message>
    <message>
        <source>Age ↓</source>
        <comment>axis caption: the ages run downwards</comment>
        <translation>Âge ↓</translation>
    </message>
    <message numerus="yes">
        <source>and %n more event</source>
        <translation>
            <numerusform>et %n autre événement</numerusform>
            <numerusform>et %n autres événements</numerusform>
        </translation>
    </message>
</context>
</TS>
