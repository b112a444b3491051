<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ActivityChecks</name>
    <message>
        <source>Your money activities add up to %1% of your lifetime income.</source>
        <comment>%1 is a percentage, such as 104.50</comment>
        <translation>Ihre Geldausgaben ergeben zusammen %1 % Ihres Lebenseinkommens.</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>It is a link another user made</source>
        <translation>Es ist ein Verweis, den ein anderer Benutzer angelegt hat</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>It changed while it was written</source>
        <translation>Die Datei wurde während des Schreibens verändert</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <comment>a file, why it could not be written</comment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>It is a folder</source>
        <translation>Es ist ein Ordner</translation>
    </message>
    <message>
        <source>It belongs to another user</source>
        <translation>Die Datei gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>The folder %1 does not exist</source>
        <translation>Der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>Its folder %1 is reached through a link another user made</source>
        <translation>Ihr Ordner %1 wird über einen Verweis erreicht, den ein anderer Benutzer angelegt hat</translation>
    </message>
    <message>
        <source>It is a link</source>
        <translation>Es ist ein Verweis</translation>
    </message>
    <message>
        <source>It is larger than %1 MB</source>
        <translation>Die Datei ist größer als %1 MB</translation>
    </message>
</context>
<context>
    <name>BatchExport</name>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>%1 table, row %2 (%3)</source>
        <comment>a table&apos;s name, a row number, the row&apos;s activity</comment>
        <translation>Tabelle %1, Zeile %2 (%3)</translation>
    </message>
    <message>
        <source>lifetally: cannot use %1: %2</source>
        <translation>lifetally: %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>lifetally: cannot read %1: %2</source>
        <translation>lifetally: %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Birth date: %1</source>
        <translation>Geburtsdatum: %1</translation>
    </message>
    <message>
        <source>Hours</source>
        <comment>table name</comment>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Money</source>
        <comment>table name</comment>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Frequency</source>
        <comment>table name</comment>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>lifetally: the %1 file %2 is %3; nothing was written.</source>
        <comment>an option, a file, a settings file</comment>
        <translation>lifetally: Die Datei %2 für %1 ist %3; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The report could not be printed</source>
        <translation>Der Bericht konnte nicht gedruckt werden</translation>
    </message>
    <message>
        <source>The weeks could not be printed</source>
        <comment>the Life in Weeks picture</comment>
        <translation>Die Wochen konnten nicht gedruckt werden</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Hours spent for %1  %2</source>
        <comment>chart title: a name, then the age line</comment>
        <translation>Stunden von %1  %2</translation>
    </message>
    <message>
        <source>Money spent for %1  %2</source>
        <comment>chart title: a name, then the income line</comment>
        <translation>Ausgaben von %1  %2</translation>
    </message>
    <message>
        <source>Frequency of activities for %1</source>
        <translation>Häufigkeit der Tätigkeiten von %1</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>the slice for the hours or money no activity takes</comment>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>%1  By age %2</source>
        <comment>chart title, then the age the totals are counted up to</comment>
        <translation>%1  Bis Alter %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Use &lt;file&gt; for your entries instead of lfy.ini.</source>
        <translation>&lt;file&gt; statt lfy.ini für Ihre Einträge verwenden.</translation>
    </message>
    <message>
        <source>Write the printed report to the PDF file &lt;file&gt; and quit.</source>
        <translation>Den Bericht in die PDF-Datei &lt;file&gt; schreiben und beenden.</translation>
    </message>
    <message>
        <source>Write the three tables to the CSV file &lt;file&gt; and quit. The file is plain RFC 4180 under any regional settings: UTF-8 without a byte-order mark, &quot;,&quot; between fields, &quot;.&quot; as the decimal point, and English column titles for scripts (the window&apos;s CSV export is in the window&apos;s language).</source>
        <translation>Die drei Tabellen in die CSV-Datei &lt;file&gt; schreiben und beenden. Die Datei ist unter allen Regionaleinstellungen schlichtes RFC 4180: UTF-8 ohne Byte-Order-Mark, &quot;,&quot; zwischen den Feldern, &quot;.&quot; als Dezimaltrennzeichen und englische Spaltentitel für Skripte (der CSV-Export des Fensters ist in der Sprache des Fensters).</translation>
    </message>
    <message>
        <source>Count up to age &lt;A&gt; (1 to 120, ahead of today or behind it) in the report, the CSV file and the weeks; otherwise the age kept in the settings file, else 80.</source>
        <translation>Im Bericht, in der CSV-Datei und in den Wochen bis zum Alter &lt;A&gt; zählen (1 bis 120, vor oder nach heute); sonst das in der Einstellungsdatei gespeicherte Alter, andernfalls 80.</translation>
    </message>
    <message>
        <source>Draw your life in weeks to &lt;file&gt; (.png, .svg or .pdf) and quit. A PNG is 300 dots an inch on its paper.</source>
        <translation>Ihr Leben in Wochen in &lt;file&gt; zeichnen (.png, .svg oder .pdf) und beenden. Ein PNG hat 300 Punkte pro Zoll auf seinem Papier.</translation>
    </message>
    <message>
        <source>The paper of --weeks: A4, Letter, A3, Tabloid or A2; otherwise A4 (Letter where the regional settings measure in U.S. units). The picture is turned to fit it.</source>
        <translation>Das Papier für --weeks: A4, Letter, A3, Tabloid oder A2; sonst A4 (Letter, wo die Regionaleinstellungen in US-Einheiten messen). Das Bild wird passend gedreht.</translation>
    </message>
    <message>
        <source>Money in the report and the CSV file: &quot;today&quot; for today&apos;s prices (from the public price tables the program carries), &quot;paid&quot; as paid; otherwise the settings file&apos;s choice.</source>
        <translation>Geld im Bericht und in der CSV-Datei: &quot;today&quot; in heutigen Preisen (aus den öffentlichen Preistabellen, die das Programm mitbringt), &quot;paid&quot; wie bezahlt; sonst die Wahl der Einstellungsdatei.</translation>
    </message>
    <message>
        <source>How much time and money you have spent in your lifetime, and on what.
A &lt;file&gt; of - for --report or --csv means standard output.</source>
        <translation>Wie viel Zeit und Geld Sie in Ihrem Leben ausgegeben haben, und wofür.
Eine &lt;file&gt; - bei --report oder --csv bedeutet die Standardausgabe.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Only one of --report and --csv can write to standard output (&apos;-&apos;).</source>
        <translation>Nur eines von --report und --csv kann auf die Standardausgabe (&apos;-&apos;) schreiben.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; for --weeks must end in .png, .svg or .pdf.</source>
        <translation>Die Datei &apos;%1&apos; für --weeks muss auf .png, .svg oder .pdf enden.</translation>
    </message>
    <message>
        <source>The paper &apos;%1&apos; is not one of %2.</source>
        <translation>Das Papier &apos;%1&apos; ist keines von %2.</translation>
    </message>
    <message>
        <source>The age &apos;%1&apos; is not a whole number from 1 to %2.</source>
        <translation>Das Alter &apos;%1&apos; ist keine ganze Zahl von 1 bis %2.</translation>
    </message>
    <message>
        <source>The prices &apos;%1&apos; are neither &apos;today&apos; nor &apos;paid&apos;.</source>
        <translation>Die Preise &apos;%1&apos; sind weder &apos;today&apos; noch &apos;paid&apos;.</translation>
    </message>
    <message>
        <source>--paper is the paper of --weeks; give --weeks FILE as well.</source>
        <translation>--paper ist das Papier von --weeks; geben Sie auch --weeks DATEI an.</translation>
    </message>
</context>
<context>
    <name>ConversionError</name>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist keine gültige Dezimalzahl</translation>
    </message>
</context>
<context>
    <name>DateDiff</name>
    <message numerus="yes">
        <source>%n year</source>
        <translation>
            <numerusform>%n Jahr</numerusform>
            <numerusform>%n Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n Jahr</numerusform>
            <numerusform>%n Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month</source>
        <translation>
            <numerusform>%n Monat</numerusform>
            <numerusform>%n Monate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n months</source>
        <translation>
            <numerusform>%n Monat</numerusform>
            <numerusform>%n Monate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DateHint</name>
    <message>
        <source>Type the date as %1.</source>
        <comment>%1 is the date&apos;s pattern, such as MM/DD/YYYY</comment>
        <translation>Geben Sie das Datum als %1 ein.</translation>
    </message>
</context>
<context>
    <name>DatePhrase</name>
    <message numerus="yes">
        <source>%n mon</source>
        <comment>short for month</comment>
        <translation>
            <numerusform>%n Mon.</numerusform>
            <numerusform>%n Mon.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n mons</source>
        <comment>short for months</comment>
        <translation>
            <numerusform>%n Mon.</numerusform>
            <numerusform>%n Mon.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wks</source>
        <comment>short for weeks</comment>
        <translation>
            <numerusform>%n Wo.</numerusform>
            <numerusform>%n Wo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n yrs</source>
        <comment>short for years</comment>
        <translation>
            <numerusform>%n J.</numerusform>
            <numerusform>%n J.</numerusform>
        </translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>Tomorrow</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Nächste Woche</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Letzte Woche</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <comment>%1 is a span of time, such as 3 yrs 2 mons</comment>
        <translation>vor %1</translation>
    </message>
    <message numerus="yes">
        <source>%n day old</source>
        <comment>an age</comment>
        <translation>
            <numerusform>%n Tag alt</numerusform>
            <numerusform>%n Tage alt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days old</source>
        <comment>an age</comment>
        <translation>
            <numerusform>%n Tag alt</numerusform>
            <numerusform>%n Tage alt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 old</source>
        <comment>an age; %1 is a span of time, such as 3 yrs 2 mons</comment>
        <translation>%1 alt</translation>
    </message>
    <message>
        <source>%1   You were %2</source>
        <comment>%1 is when, such as 3 yrs ago; %2 the age then</comment>
        <translation>%1   Sie waren %2</translation>
    </message>
    <message>
        <source>%1   You are %2</source>
        <comment>%1 is when (today); %2 the age</comment>
        <translation>%1   Sie sind %2</translation>
    </message>
    <message>
        <source>%1   You will be %2</source>
        <comment>%1 is when, such as 3 yrs; %2 the age then</comment>
        <translation>%1   Sie werden %2 sein</translation>
    </message>
</context>
<context>
    <name>DateText</name>
    <message>
        <source>d</source>
        <comment>the letter for the day in a date form such as dd/mm/yyyy</comment>
        <translation>T</translation>
    </message>
    <message>
        <source>m</source>
        <comment>the letter for the month in a date form such as dd/mm/yyyy</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the letter for the year in a date form such as dd/mm/yyyy</comment>
        <translation>J</translation>
    </message>
</context>
<context>
    <name>Explain</name>
    <message numerus="yes">
        <source>%1 time</source>
        <translation>
            <numerusform>%1 Mal</numerusform>
            <numerusform>%1 Mal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 times</source>
        <translation>
            <numerusform>%1 Mal</numerusform>
            <numerusform>%1 Mal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hour</source>
        <translation>
            <numerusform>%1 Stunde</numerusform>
            <numerusform>%1 Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hours</source>
        <translation>
            <numerusform>%1 Stunde</numerusform>
            <numerusform>%1 Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 day</source>
        <translation>
            <numerusform>%1 Tag</numerusform>
            <numerusform>%1 Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days</source>
        <translation>
            <numerusform>%1 Tag</numerusform>
            <numerusform>%1 Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a span of dates</comment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>%1% of your lifetime income of %2</source>
        <translation>%1 % Ihres Lebenseinkommens von %2</translation>
    </message>
    <message>
        <source>%1% of the %2 hours you will have been alive</source>
        <translation>%1 % der %2 Stunden, die Sie dann gelebt haben werden</translation>
    </message>
    <message>
        <source>%1% of the %2 hours you had been alive</source>
        <translation>%1 % der %2 Stunden, die Sie damals gelebt hatten</translation>
    </message>
    <message>
        <source>%1% of the %2 hours you have been alive</source>
        <translation>%1 % der %2 Stunden, die Sie bisher gelebt haben</translation>
    </message>
    <message>
        <source>both in %1</source>
        <comment>both dates in one year</comment>
        <translation>beide im Jahr %1</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <comment>from one year to another</comment>
        <translation>von %1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 calendar year</source>
        <translation>
            <numerusform>%1 Kalenderjahr</numerusform>
            <numerusform>%1 Kalenderjahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 calendar years</source>
        <translation>
            <numerusform>%1 Kalenderjahr</numerusform>
            <numerusform>%1 Kalenderjahre</numerusform>
        </translation>
    </message>
    <message>
        <source>a span under two days counts no year</source>
        <translation>eine Spanne unter zwei Tagen zählt kein Jahr</translation>
    </message>
    <message>
        <source>by the calendar months from %1 to %2</source>
        <translation>nach den Kalendermonaten von %1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 whole year</source>
        <translation>
            <numerusform>%1 volles Jahr</numerusform>
            <numerusform>%1 volle Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 whole years</source>
        <translation>
            <numerusform>%1 volles Jahr</numerusform>
            <numerusform>%1 volle Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 week</source>
        <translation>
            <numerusform>%1 Woche</numerusform>
            <numerusform>%1 Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 weeks</source>
        <translation>
            <numerusform>%1 Woche</numerusform>
            <numerusform>%1 Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 month</source>
        <translation>
            <numerusform>%1 Monat</numerusform>
            <numerusform>%1 Monate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 months</source>
        <translation>
            <numerusform>%1 Monat</numerusform>
            <numerusform>%1 Monate</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 a day</source>
        <comment>%1 is an amount, a duration or a count</comment>
        <translation>%1 pro Tag</translation>
    </message>
    <message>
        <source>%1 a week</source>
        <comment>%1 is an amount, a duration or a count</comment>
        <translation>%1 pro Woche</translation>
    </message>
    <message>
        <source>%1 a month</source>
        <comment>%1 is an amount, a duration or a count</comment>
        <translation>%1 pro Monat</translation>
    </message>
    <message>
        <source>%1 a year</source>
        <comment>%1 is an amount, a duration or a count</comment>
        <translation>%1 pro Jahr</translation>
    </message>
    <message numerus="yes">
        <source>%1 minute</source>
        <translation>
            <numerusform>%1 Minute</numerusform>
            <numerusform>%1 Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 minutes</source>
        <translation>
            <numerusform>%1 Minute</numerusform>
            <numerusform>%1 Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a period this table counts, so the total is 0</source>
        <translation>&apos;%1&apos; ist kein Zeitraum, den diese Tabelle zählt, daher ist die Summe 0</translation>
    </message>
    <message>
        <source>Once: %1</source>
        <comment>a total of something done or paid once</comment>
        <translation>Einmal: %1</translation>
    </message>
    <message>
        <source>The total shown is from an earlier count; it is brought up to date when the totals are counted again.</source>
        <translation>Die angezeigte Summe stammt aus einer früheren Zählung; sie wird aktualisiert, wenn die Summen neu gezählt werden.</translation>
    </message>
    <message>
        <source>This row cannot be counted: %1.</source>
        <comment>%1 says which text could not be read</comment>
        <translation>Diese Zeile kann nicht gezählt werden: %1.</translation>
    </message>
    <message>
        <source>The birth date, %1, lies after today: the age and the hours count the time from now until then.</source>
        <translation>Das Geburtsdatum, %1, liegt nach heute: Alter und Stunden zählen die Zeit von jetzt bis dahin.</translation>
    </message>
    <message>
        <source>Counted from %1, at midnight, to now, %2, %3.</source>
        <comment>a date, today&apos;s date, the time of day</comment>
        <translation>Gezählt ab %1, um Mitternacht, bis jetzt, %2, %3.</translation>
    </message>
    <message>
        <source>Hours: %1 whole hours (%2 and %3 hours).</source>
        <comment>%2 is a count of days</comment>
        <translation>Stunden: %1 volle Stunden (%2 und %3 Stunden).</translation>
    </message>
    <message>
        <source>Under two days, the age is given in whole days.</source>
        <translation>Unter zwei Tagen wird das Alter in ganzen Tagen angegeben.</translation>
    </message>
    <message>
        <source>Years and months: the calendar months from %1 to %2, whatever the day of the month.</source>
        <translation>Jahre und Monate: die Kalendermonate von %1 bis %2, gleich an welchem Tag des Monats.</translation>
    </message>
    <message>
        <source>Under three calendar years, the years are the calendar years from %1 to %2 and the months all the calendar months from %3 to %4, each counted on its own.</source>
        <translation>Unter drei Kalenderjahren sind die Jahre die Kalenderjahre von %1 bis %2 und die Monate alle Kalendermonate von %3 bis %4, jeder für sich gezählt.</translation>
    </message>
    <message>
        <source>Days: the day of the month less the birth day, %1, shown when above 0.</source>
        <comment>%1 is a subtraction such as 12 − 3</comment>
        <translation>Tage: der Tag des Monats minus der Tag der Geburt, %1, angezeigt, wenn größer als 0.</translation>
    </message>
    <message>
        <source>No lifetime income is given, so the money totals show no percentages.</source>
        <translation>Es ist kein Lebenseinkommen angegeben, daher zeigen die Geldsummen keine Prozentsätze.</translation>
    </message>
    <message>
        <source>The money you expect to earn in your whole life, as typed on the biography page. Each money total&apos;s percentage is its share of %1.</source>
        <translation>Das Geld, das Sie in Ihrem ganzen Leben zu verdienen erwarten, wie auf der Seite zur Person eingegeben. Der Prozentsatz jeder Geldsumme ist ihr Anteil an %1.</translation>
    </message>
    <message>
        <source>Read as %1 — in the future.</source>
        <comment>a birth date</comment>
        <translation>Gelesen als %1 — in der Zukunft.</translation>
    </message>
    <message>
        <source>Read as %1.</source>
        <comment>a birth date</comment>
        <translation>Gelesen als %1.</translation>
    </message>
    <message>
        <source>Type the year with four digits.</source>
        <translation>Geben Sie das Jahr mit vier Ziffern ein.</translation>
    </message>
</context>
<context>
    <name>FileFormat</name>
    <message>
        <source>The dates and amounts in %1 are written in another regional format than yours (%2), and Lifetally cannot tell which one. Correct them on the tables&apos; pages, or start Lifetally under the regional settings they were written in</source>
        <comment>a file, a date pattern such as m/d/yyyy</comment>
        <translation>Die Datumsangaben und Beträge in %1 sind in einem anderen regionalen Format als Ihrem (%2) geschrieben, und Lifetally kann nicht erkennen, in welchem. Korrigieren Sie sie auf den Seiten der Tabellen, oder starten Sie Lifetally mit den Regionaleinstellungen, unter denen sie geschrieben wurden</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>It is a folder</source>
        <translation>Es ist ein Ordner</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>It is larger than %1 MB</source>
        <translation>Die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>It is a link another user made</source>
        <translation>Es ist ein Verweis, den ein anderer Benutzer angelegt hat</translation>
    </message>
</context>
<context>
    <name>LifeWeeks</name>
    <message numerus="yes">
        <source>Week of %1 (%n days)</source>
        <comment>a short week at the end of a year of age</comment>
        <translation>
            <numerusform>Woche ab %1 (%n Tag)</numerusform>
            <numerusform>Woche ab %1 (%n Tage)</numerusform>
        </translation>
    </message>
    <message>
        <source>Week of %1</source>
        <translation>Woche ab %1</translation>
    </message>
    <message>
        <source>%1, age %2, ahead: </source>
        <comment>a week, an age</comment>
        <translation>%1, Alter %2, voraus: </translation>
    </message>
    <message>
        <source>%1, age %2: </source>
        <comment>a week, an age</comment>
        <translation>%1, Alter %2: </translation>
    </message>
    <message>
        <source>nothing entered</source>
        <comment>a week without activities</comment>
        <translation>nichts eingetragen</translation>
    </message>
    <message>
        <source> h</source>
        <comment>short for hours, after a number</comment>
        <translation> Std.</translation>
    </message>
</context>
<context>
    <name>LookAhead</name>
    <message>
        <source>By age %1 at this pace</source>
        <translation>Bis Alter %1 in diesem Tempo</translation>
    </message>
    <message>
        <source>By age %1</source>
        <translation>Bis Alter %1</translation>
    </message>
    <message numerus="yes">
        <source>Age: %n year</source>
        <translation>
            <numerusform>Alter: %n Jahr</numerusform>
            <numerusform>Alter: %n Jahre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Age: %n years</source>
        <translation>
            <numerusform>Alter: %n Jahr</numerusform>
            <numerusform>Alter: %n Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>%1  Hours: %2</source>
        <comment>%1 is an age, such as Age: 80 years</comment>
        <translation>%1  Stunden: %2</translation>
    </message>
</context>
<context>
    <name>LookAheadPanel</name>
    <message>
        <source>%1: %2 hours and %3 spent</source>
        <comment>up to an age: hours and money spent by then</comment>
        <translation>%1: %2 Stunden und %3 ausgegeben</translation>
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
        <translation>Von %1 bis %2 ergeben Ihre Tätigkeiten zusammen %3 pro Tag.</translation>
    </message>
    <message>
        <source>today</source>
        <comment>the end of a span of dates</comment>
        <translation>heute</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Error</source>
        <comment>title of an error message box</comment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Save changes before closing?</source>
        <translation>Änderungen vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <comment>button</comment>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <comment>button</comment>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <comment>button</comment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>%1 was changed by another program since Lifetally read it.

Replace it with the entries shown here? The changed file is kept as %2.</source>
        <comment>%1 is the settings file, %2 its backup&apos;s name</comment>
        <translation>%1 wurde von einem anderen Programm geändert, seit Lifetally die Datei gelesen hat.

Mit den hier gezeigten Einträgen ersetzen? Die geänderte Datei wird als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>Replace</source>
        <comment>button: replace the changed file</comment>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>button</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Lifetally did not end properly last time. Entries you had not saved were kept (%1 %2).

Restore them?</source>
        <comment>%1 is a date, %2 a time</comment>
        <translation>Lifetally wurde beim letzten Mal nicht ordnungsgemäß beendet. Nicht gespeicherte Einträge wurden aufbewahrt (%1 %2).

Wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>button: restore the kept entries</comment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <comment>button: discard the kept entries</comment>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Lifetally cannot read your entries in %1: %2.

Close will not be able to keep your entries there.</source>
        <comment>%1 is a file, %2 the reason</comment>
        <translation>Lifetally kann Ihre Einträge in %1 nicht lesen: %2.

Beim Schließen können Ihre Einträge dort nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Error printing report ... quitting</source>
        <translation>Fehler beim Drucken des Berichts ... Abbruch</translation>
    </message>
    <message>
        <source>&amp;Keep it</source>
        <comment>button: keep an unlikely entry as it is</comment>
        <translation>&amp;Beibehalten</translation>
    </message>
    <message>
        <source>&amp;Change it</source>
        <comment>button: go back and change an unlikely entry</comment>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>The file is kept as it is.</source>
        <translation>Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>The file was set aside as %1; entries you do not save are kept again from now on.</source>
        <comment>%1 is a file</comment>
        <translation>Die Datei wurde als %1 beiseitegelegt; nicht gespeicherte Einträge werden ab jetzt wieder aufbewahrt.</translation>
    </message>
    <message>
        <source>Lifetally kept entries that were not saved in %1, but cannot read them: %2.

%3</source>
        <comment>%1 is a file, %2 the reason, %3 what became of the file</comment>
        <translation>Lifetally hat nicht gespeicherte Einträge in %1 aufbewahrt, kann sie aber nicht lesen: %2.

%3</translation>
    </message>
    <message>
        <source>%1 is no longer there: it was deleted or moved away since Lifetally read it.

Save the entries shown here to create it again?</source>
        <comment>%1 is the settings file</comment>
        <translation>%1 ist nicht mehr da: Die Datei wurde gelöscht oder verschoben, seit Lifetally sie gelesen hat.

Die hier gezeigten Einträge speichern und die Datei damit neu anlegen?</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt die Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Money in %1</source>
        <comment>heading; %1 is the prices&apos; year wording</comment>
        <translation>Geld (%1)</translation>
    </message>
    <message>
        <source>Total as paid</source>
        <translation>Summe wie bezahlt</translation>
    </message>
    <message>
        <source>Total in %1</source>
        <translation>Summe (%1)</translation>
    </message>
    <message>
        <source>Lifetally  - version 1.0</source>
        <translation>Lifetally  - Version 1.0</translation>
    </message>
    <message>
        <source>Printed : %1  %2</source>
        <comment>date and time the report was printed</comment>
        <translation>Gedruckt: %1  %2</translation>
    </message>
</context>
<context>
    <name>SaveFileChoice</name>
    <message>
        <source>The file %1 is %2; choose another name. Nothing was written.</source>
        <comment>a file, which file of the program it is</comment>
        <translation>Die Datei %1 ist %2; wählen Sie einen anderen Namen. Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>It holds no Lifetally entries</source>
        <translation>Die Datei enthält keine Einträge von Lifetally</translation>
    </message>
    <message>
        <source>the settings file</source>
        <translation>die Einstellungsdatei</translation>
    </message>
    <message>
        <source>the settings file&apos;s backup</source>
        <translation>die Sicherungskopie der Einstellungsdatei</translation>
    </message>
    <message>
        <source>the settings file&apos;s recovery file</source>
        <translation>die Wiederherstellungsdatei der Einstellungsdatei</translation>
    </message>
    <message>
        <source>the settings file&apos;s lock file</source>
        <translation>die Sperrdatei der Einstellungsdatei</translation>
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
        <translation>%1 existiert nicht mehr</translation>
    </message>
    <message>
        <source>%1 is on a disk that is read-only</source>
        <translation>%1 liegt auf einem schreibgeschützten Datenträger</translation>
    </message>
    <message>
        <source>no permission to write in %1</source>
        <translation>keine Berechtigung, in %1 zu schreiben</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 cannot be read and was kept as it is</source>
        <translation>%1 kann nicht gelesen werden und wurde belassen, wie sie ist</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Lifetally needs a graphical desktop, but no display was found (neither DISPLAY nor WAYLAND_DISPLAY is set).
Start it from your desktop session, or under xvfb-run for a virtual display.</source>
        <translation>Lifetally braucht eine grafische Arbeitsumgebung, aber es wurde keine Anzeige gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).
Starten Sie es aus Ihrer Desktop-Sitzung oder unter xvfb-run für eine virtuelle Anzeige.</translation>
    </message>
    <message>
        <source>lifetally: could not open a window on this Wayland desktop (WAYLAND_DISPLAY=%1); Qt&apos;s Wayland support may be missing (sudo apt install qt6-wayland). --report and --csv work without a display.</source>
        <translation>lifetally: Auf diesem Wayland-Desktop konnte kein Fenster geöffnet werden (WAYLAND_DISPLAY=%1); vielleicht fehlt die Wayland-Unterstützung von Qt (sudo apt install qt6-wayland). --report und --csv funktionieren ohne Anzeige.</translation>
    </message>
    <message>
        <source>lifetally: could not open a window on the display (DISPLAY=%1, WAYLAND_DISPLAY=%2); --report and --csv work without a display.</source>
        <translation>lifetally: Auf der Anzeige konnte kein Fenster geöffnet werden (DISPLAY=%1, WAYLAND_DISPLAY=%2); --report und --csv funktionieren ohne Anzeige.</translation>
    </message>
    <message>
        <source>Lifetally is already open with the entries in %1.

Two copies on one file would each save over the other&apos;s changes.</source>
        <translation>Lifetally ist bereits mit den Einträgen in %1 geöffnet.

Zwei Kopien auf einer Datei würden gegenseitig ihre Änderungen überschreiben.</translation>
    </message>
    <message>
        <source>&amp;Show It</source>
        <comment>button: bring the open copy&apos;s window forward</comment>
        <translation>&amp;Zeigen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>It was made by process %1 on the computer &quot;%2&quot; on %3.</source>
        <translation>Sie wurde von Prozess %1 auf dem Computer &quot;%2&quot; am %3 angelegt.</translation>
    </message>
    <message>
        <source>It cannot be read, so which copy made it is unknown.</source>
        <translation>Sie kann nicht gelesen werden; welche Kopie sie angelegt hat, ist unbekannt.</translation>
    </message>
    <message>
        <source>Lifetally may already be open with the entries in %1: the lock file %2 says so.

%3

If no copy of Lifetally is open with these entries, open them anyway; otherwise two copies would each save over the other&apos;s changes.</source>
        <translation>Lifetally ist vielleicht bereits mit den Einträgen in %1 geöffnet: Das sagt die Sperrdatei %2.

%3

Wenn keine Kopie von Lifetally mit diesen Einträgen geöffnet ist, öffnen Sie sie trotzdem; sonst würden zwei Kopien gegenseitig ihre Änderungen überschreiben.</translation>
    </message>
    <message>
        <source>Open anyway</source>
        <comment>button: open the entries although a lock file says another copy has them</comment>
        <translation>Trotzdem öffnen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Try &apos;lifetally --help&apos; for more information.</source>
        <translation>Weitere Informationen mit &apos;lifetally --help&apos;.</translation>
    </message>
</context>
<context>
    <name>TActivityDialog</name>
    <message>
        <source>Description cannot be blank</source>
        <translation>Die Beschreibung darf nicht leer sein</translation>
    </message>
    <message>
        <source>Starting date is not valid</source>
        <translation>Das Anfangsdatum ist ungültig</translation>
    </message>
    <message>
        <source>Ending date is not valid</source>
        <translation>Das Enddatum ist ungültig</translation>
    </message>
    <message>
        <source>Starting date is earlier than date of birth</source>
        <translation>Das Anfangsdatum liegt vor dem Geburtsdatum</translation>
    </message>
    <message>
        <source>Starting date is in the future</source>
        <translation>Das Anfangsdatum liegt in der Zukunft</translation>
    </message>
    <message>
        <source>Starting date is after the ending date</source>
        <translation>Das Anfangsdatum liegt nach dem Enddatum</translation>
    </message>
</context>
<context>
    <name>TTablePage</name>
    <message>
        <source>Copy</source>
        <comment>copy the chosen rows</comment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Export as CSV…</source>
        <translation>Als CSV exportieren…</translation>
    </message>
    <message>
        <source>%1 ends after today, so its total counts time not yet lived.</source>
        <comment>an activity</comment>
        <translation>%1 endet nach heute, daher zählt die Summe Zeit, die noch nicht gelebt ist.</translation>
    </message>
    <message>
        <source>Maximum number of rows reached</source>
        <translation>Die größte Zahl an Zeilen ist erreicht</translation>
    </message>
    <message>
        <source>Add</source>
        <comment>undo: adding a row</comment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Nothing to edit</source>
        <translation>Nichts zu bearbeiten</translation>
    </message>
    <message>
        <source>Edit</source>
        <comment>undo: editing a row</comment>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Nothing to delete</source>
        <translation>Nichts zu löschen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>title of a question</comment>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Really delete %1?</source>
        <comment>an activity</comment>
        <translation>%1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>undo: deleting a row</comment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Sort</source>
        <comment>undo: sorting the rows</comment>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <comment>title of the file chooser</comment>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>TableColumns</name>
    <message>
        <source>Activity</source>
        <comment>column title</comment>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <source>Per</source>
        <comment>column title: the period</comment>
        <translation>Pro</translation>
    </message>
    <message>
        <source>Start date</source>
        <comment>column title</comment>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End date</source>
        <comment>column title</comment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>column title: hours and minutes</comment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Total Hrs</source>
        <comment>column title: the hours in all, short</comment>
        <translation>Std. ges.</translation>
    </message>
    <message>
        <source>Amount</source>
        <comment>column title: money</comment>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Total Amt</source>
        <comment>column title: the money in all, short</comment>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Frequency</source>
        <comment>column title: how often</comment>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Total Freq</source>
        <comment>column title: how often in all, short</comment>
        <translation>Anzahl ges.</translation>
    </message>
</context>
<context>
    <name>TableExport</name>
    <message>
        <source>Total (number)</source>
        <translation>Summe (Zahl)</translation>
    </message>
    <message>
        <source>Share (%)</source>
        <translation>Anteil (%)</translation>
    </message>
    <message>
        <source>Total by age %1 (number)</source>
        <translation>Summe bis Alter %1 (Zahl)</translation>
    </message>
    <message>
        <source>Total in %1 (number)</source>
        <translation>Summe, %1 (Zahl)</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>Now</source>
        <comment>the end date of an activity still going on</comment>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>a period: per day</comment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Week</source>
        <comment>a period: per week</comment>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Month</source>
        <comment>a period: per month</comment>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <comment>a period: per year</comment>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Once</source>
        <comment>a period: done or paid once</comment>
        <translation>Einmal</translation>
    </message>
    <message>
        <source>Hr</source>
        <comment>short for hour, after 1</comment>
        <translation>Std.</translation>
    </message>
    <message>
        <source>Hrs</source>
        <comment>short for hours, after a number</comment>
        <translation>Std.</translation>
    </message>
    <message>
        <source>Min</source>
        <comment>short for minute, after 1</comment>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Mins</source>
        <comment>short for minutes, after a number</comment>
        <translation>Min.</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>How to contact us</source>
        <translation>So erreichen Sie uns</translation>
    </message>
    <message>
        <source>Lifetally version 1.0</source>
        <translation>Lifetally Version 1.0</translation>
    </message>
    <message>
        <source>Compliments of:</source>
        <translation>Mit freundlicher Empfehlung von:</translation>
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
        <translation>Besuchen Sie unsere Website, um unsere anderen Shareware- und Freeware-Programme zu sehen.</translation>
    </message>
    <message>
        <source>http://www.brightwell.example/</source>
        <translation>http://www.brightwell.example/</translation>
    </message>
    <message>
        <source>Launch your browser to Brightwell Home Page</source>
        <translation>Die Brightwell-Homepage im Browser öffnen</translation>
    </message>
    <message>
        <source>~4 come check out our home page and other shareware and freeware software by brightwell corporation at www.brightwell.example</source>
        <translation>~4 besuchen sie unsere homepage und weitere shareware und freeware der brightwell corporation unter www.brightwell.example</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Couldn&apos;t open web browser for home page %1</source>
        <translation>Der Webbrowser konnte für die Homepage %1 nicht geöffnet werden</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Brightwell Home Page</source>
        <translation>&amp;Brightwell-Homepage</translation>
    </message>
    <message>
        <source>Prices: no price table for these amounts.</source>
        <translation>Preise: keine Preistabelle für diese Beträge.</translation>
    </message>
    <message>
        <source>Prices: %1. %2</source>
        <comment>a country, then the price table&apos;s source</comment>
        <translation>Preise: %1. %2</translation>
    </message>
</context>
<context>
    <name>TfrmGraph</name>
    <message>
        <source>Activity Graph</source>
        <translation>Diagramm der Tätigkeiten</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>P&amp;ie</source>
        <translation>&amp;Kreis</translation>
    </message>
    <message>
        <source>&amp;Bar</source>
        <translation>&amp;Balken</translation>
    </message>
    <message>
        <source>&amp;Reduce # visible points</source>
        <translation>&amp;Weniger Punkte zeigen</translation>
    </message>
    <message>
        <source>&amp;Save image…</source>
        <translation>Bild &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Click the pie, or press Space or Enter, to start or stop it spinning.</source>
        <translation>Klicken Sie auf den Kreis oder drücken Sie Leertaste oder Eingabe, um ihn zu drehen oder anzuhalten.</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>By age %1</source>
        <translation>Bis Alter %1</translation>
    </message>
    <message>
        <source>By &amp;age %1</source>
        <comment>check box: the chart counted up to this age; pick an access key not used in the window</comment>
        <translation>Bis &amp;Alter %1</translation>
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
        <translation>Wie viel Ihres Lebens haben Sie bei der Arbeit, im Schlaf, vor dem Fernseher oder unterwegs verbracht? Wie viel Geld ist für Miete, Autos oder Kaffee ausgegeben worden? Lifetally rechnet es für Sie zusammen.

Auf den nächsten Seiten geben Sie ein paar Angaben zu Ihrer Person ein, dann, womit Sie Zeit verbringen, wofür Sie Geld ausgeben und was Sie regelmäßig tun: wie viel, wie oft und seit wann.

Lifetally berechnet für jede Tätigkeit die Summe Ihres Lebens und ihren Anteil an Ihrem Leben oder Einkommen, zeichnet Diagramme und druckt einen Bericht.  Klicken Sie auf Weiter, um zu beginnen.</translation>
    </message>
    <message>
        <source>Step 1: Personal Biographical Information</source>
        <translation>Schritt 1: Angaben zur Person</translation>
    </message>
    <message>
        <source>Popup calendar</source>
        <translation>Kalender öffnen</translation>
    </message>
    <message>
        <source>Estimate your lifetime income up to now:</source>
        <translation>Schätzen Sie Ihr bisheriges Lebenseinkommen:</translation>
    </message>
    <message>
        <source>Step 2: Number of hours spent on various activities</source>
        <translation>Schritt 2: Stunden für verschiedene Tätigkeiten</translation>
    </message>
    <message>
        <source>Double click to edit, right click to sort</source>
        <translation>Doppelklick zum Bearbeiten, Rechtsklick zum Sortieren</translation>
    </message>
    <message>
        <source>Hours spent on activities</source>
        <translation>Stunden für Tätigkeiten</translation>
    </message>
    <message>
        <source>Note that the percentage is based on the number of hours you have been alive.  Percentages may not add up to 100 due to overlap.</source>
        <translation>Der Prozentsatz bezieht sich auf Ihre gelebten Stunden.  Wegen Überschneidungen ergibt die Summe nicht immer 100.</translation>
    </message>
    <message>
        <source>Step 3: Money spent on various activities</source>
        <translation>Schritt 3: Geld für verschiedene Tätigkeiten</translation>
    </message>
    <message>
        <source>Money spent on activities</source>
        <translation>Geld für Tätigkeiten</translation>
    </message>
    <message>
        <source>Note that the percentage is based on your lifetime income.</source>
        <translation>Der Prozentsatz bezieht sich auf Ihr Lebenseinkommen.</translation>
    </message>
    <message>
        <source>Step 4: Frequency of various activities</source>
        <translation>Schritt 4: Häufigkeit verschiedener Tätigkeiten</translation>
    </message>
    <message>
        <source>Frequency of activities</source>
        <translation>Häufigkeit der Tätigkeiten</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>&lt;&lt;&amp;Prev</source>
        <translation>&lt;&lt;&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next&gt;&gt;</source>
        <translation>&amp;Weiter&gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Sort by activity</source>
        <translation>Nach Tätigkeit sortieren</translation>
    </message>
    <message>
        <source>Sort by start date</source>
        <translation>Nach Anfangsdatum sortieren</translation>
    </message>
    <message>
        <source>Sort by total</source>
        <translation>Nach Summe sortieren</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>Ihr &amp;Name:</translation>
    </message>
    <message>
        <source>Your &amp;birthdate:</source>
        <translation>Ihr &amp;Geburtsdatum:</translation>
    </message>
    <message>
        <source>Estimate your lifetime &amp;income up to now:</source>
        <translation>Schätzen Sie Ihr bisheriges &amp;Lebenseinkommen:</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Life in &amp;weeks</source>
        <translation>&amp;Lebenswochen</translation>
    </message>
    <message>
        <source>Print &amp;report</source>
        <translation>Bericht &amp;drucken</translation>
    </message>
    <message>
        <source>Graph results of &amp;hours</source>
        <translation>Diagramm der &amp;Stunden</translation>
    </message>
    <message>
        <source>Graph results of &amp;money</source>
        <translation>Diagramm des &amp;Geldes</translation>
    </message>
    <message>
        <source>Graph results of &amp;frequency</source>
        <translation>Diagramm der &amp;Häufigkeit</translation>
    </message>
    <message>
        <source>Look ahead to a&amp;ge:</source>
        <translation>Ausblick bis &amp;Alter:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Money in &amp;today&apos;s prices</source>
        <translation>Geld in heu&amp;tigen Preisen</translation>
    </message>
    <message>
        <source>Pr&amp;ices…</source>
        <translation>&amp;Preise…</translation>
    </message>
    <message>
        <source>Hours</source>
        <comment>table name</comment>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Money</source>
        <comment>table name</comment>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Items</source>
        <comment>table name</comment>
        <translation>Häufigkeit</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row</source>
        <comment>a table, its rows</comment>
        <translation>
            <numerusform>%1: %n Zeile</numerusform>
            <numerusform>%1: %n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n rows</source>
        <comment>a table, its rows</comment>
        <translation>
            <numerusform>%1: %n Zeile</numerusform>
            <numerusform>%1: %n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds more rows than the window can show (%2 a table). Not shown: %3.

They are not counted or exported, and they stay in the file as they are.</source>
        <translation>%1 enthält mehr Zeilen, als das Fenster zeigen kann (%2 pro Tabelle). Nicht gezeigt: %3.

Sie werden weder gezählt noch exportiert und bleiben unverändert in der Datei.</translation>
    </message>
    <message>
        <source>Your birthdate is mandatory to proceed to the next step.</source>
        <translation>Ihr Geburtsdatum wird für den nächsten Schritt benötigt.</translation>
    </message>
    <message>
        <source>%1  in %2</source>
        <comment>a chart title, then the prices&apos; year wording</comment>
        <translation>%1  (%2)</translation>
    </message>
    <message>
        <source>lifetally: %1; your entries are kept in %2.</source>
        <comment>why saving failed, a file</comment>
        <translation>lifetally: %1; Ihre Einträge werden in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>lifetally: %1, and the entries not saved could not be kept in %2 either: %3.</source>
        <comment>why saving failed, a file, why keeping failed</comment>
        <translation>lifetally: %1, und die nicht gespeicherten Einträge konnten auch nicht in %2 aufbewahrt werden: %3.</translation>
    </message>
</context>
<context>
    <name>TfrmMoney</name>
    <message>
        <source>Activity </source>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <source>Description of activity</source>
        <translation>Beschreibung der Tätigkeit</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Once only</source>
        <translation>Nur einmal</translation>
    </message>
    <message>
        <source>Starting date of activity</source>
        <translation>Beginn der Tätigkeit</translation>
    </message>
    <message>
        <source>Popup calendar</source>
        <translation>Kalender öffnen</translation>
    </message>
    <message>
        <source>Ending date of activity</source>
        <translation>Ende der Tätigkeit</translation>
    </message>
    <message>
        <source>&amp;Description of activity</source>
        <translation>&amp;Beschreibung der Tätigkeit</translation>
    </message>
    <message>
        <source>&amp;Starting date of activity:</source>
        <translation>Be&amp;ginn der Tätigkeit:</translation>
    </message>
    <message>
        <source>&amp;Ending date of activity:</source>
        <translation>&amp;Ende der Tätigkeit:</translation>
    </message>
    <message>
        <source>I&amp;ndefinite</source>
        <translation>&amp;Unbegrenzt</translation>
    </message>
    <message>
        <source>S&amp;pecific date</source>
        <translation>&amp;Festes Datum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Amount of money spent per:</source>
        <translation>Ausgaben &amp;pro:</translation>
    </message>
    <message>
        <source>&amp;Frequency performed per:</source>
        <translation>&amp;Häufigkeit pro:</translation>
    </message>
    <message>
        <source>&amp;Money</source>
        <comment>the amount of money, beside the period</comment>
        <translation>Bet&amp;rag</translation>
    </message>
    <message>
        <source>N&amp;umber</source>
        <translation>An&amp;zahl</translation>
    </message>
    <message>
        <source>Value cannot be set to 0</source>
        <translation>Der Wert darf nicht 0 sein</translation>
    </message>
</context>
<context>
    <name>TfrmPickDate</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Change the displayed month</source>
        <translation>Den angezeigten Monat wechseln</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Change the displayed year</source>
        <translation>Das angezeigte Jahr wechseln</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nächstes Jahr</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Vorheriges Jahr</translation>
    </message>
    <message>
        <source>Go to your birthdate</source>
        <translation>Zu Ihrem Geburtsdatum</translation>
    </message>
    <message>
        <source>Go to today</source>
        <translation>Zu heute</translation>
    </message>
    <message>
        <source>Select date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Birthday</source>
        <translation>&amp;Geburtstag</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmPrices</name>
    <message>
        <source>Prices</source>
        <translation>Preise</translation>
    </message>
    <message>
        <source>Table in use:</source>
        <translation>Preistabelle:</translation>
    </message>
    <message>
        <source>&amp;Euro prices of:</source>
        <translation>&amp;Europreise von:</translation>
    </message>
    <message>
        <source>&amp;Rate after its last year (and before its first), % a year:</source>
        <translation>&amp;Rate nach dem letzten Jahr (und vor dem ersten), % pro Jahr:</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>%1
Licence: %2; copy of %3.</source>
        <comment>a price table&apos;s source, its licence and the date it was copied</comment>
        <translation>%1
Lizenz: %2; Kopie vom %3.</translation>
    </message>
    <message>
        <source>Default: the table&apos;s mean of its last ten years, %1 %.</source>
        <translation>Standard: der Mittelwert der letzten zehn Jahre der Tabelle, %1 %.</translation>
    </message>
    <message>
        <source>There is no price table for these amounts; one rate applies to every year.</source>
        <translation>Für diese Beträge gibt es keine Preistabelle; ein Satz gilt für jedes Jahr.</translation>
    </message>
    <message>
        <source>&amp;Rate for every year, % a year:</source>
        <translation>&amp;Rate für jedes Jahr, % pro Jahr:</translation>
    </message>
    <message>
        <source>Default: %1 %.</source>
        <translation>Standard: %1 %.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmTime</name>
    <message>
        <source>Activity time</source>
        <translation>Zeit für eine Tätigkeit</translation>
    </message>
    <message>
        <source>Description of activity</source>
        <translation>Beschreibung der Tätigkeit</translation>
    </message>
    <message>
        <source>Amount of time spent per:</source>
        <translation>Aufgewendete Zeit pro:</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Starting date of activity</source>
        <translation>Beginn der Tätigkeit</translation>
    </message>
    <message>
        <source>Popup calendar</source>
        <translation>Kalender öffnen</translation>
    </message>
    <message>
        <source>Ending date of activity</source>
        <translation>Ende der Tätigkeit</translation>
    </message>
    <message>
        <source>Number of hours incorrect for days</source>
        <translation>Die Stundenzahl ist für einen Tag nicht möglich</translation>
    </message>
    <message>
        <source>Number of hours/minutes incorrect for weeks</source>
        <translation>Die Stunden/Minuten sind für eine Woche nicht möglich</translation>
    </message>
    <message>
        <source>Number of hours/minutes incorrect for months</source>
        <translation>Die Stunden/Minuten sind für einen Monat nicht möglich</translation>
    </message>
    <message>
        <source>&amp;Description of activity</source>
        <translation>&amp;Beschreibung der Tätigkeit</translation>
    </message>
    <message>
        <source>Da&amp;y</source>
        <translation>&amp;Tag</translation>
    </message>
    <message>
        <source>&amp;Week</source>
        <translation>&amp;Woche</translation>
    </message>
    <message>
        <source>&amp;Month</source>
        <translation>&amp;Monat</translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation>&amp;Stunden</translation>
    </message>
    <message>
        <source>M&amp;inutes</source>
        <translation>M&amp;inuten</translation>
    </message>
    <message>
        <source>&amp;Starting date of activity:</source>
        <translation>Be&amp;ginn der Tätigkeit:</translation>
    </message>
    <message>
        <source>&amp;Ending date of activity:</source>
        <translation>&amp;Ende der Tätigkeit:</translation>
    </message>
    <message>
        <source>I&amp;ndefinite</source>
        <translation>&amp;Unbegrenzt</translation>
    </message>
    <message>
        <source>S&amp;pecific date</source>
        <translation>&amp;Festes Datum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmWeeks</name>
    <message>
        <source>Life in Weeks</source>
        <translation>Leben in Wochen</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Age ↓</source>
        <translation>Alter ↓</translation>
    </message>
    <message>
        <source>Week of the year →</source>
        <translation>Woche des Jahres →</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>Main activity</source>
        <translation>Haupttätigkeit</translation>
    </message>
    <message>
        <source>All hours</source>
        <translation>Alle Stunden</translation>
    </message>
    <message>
        <source>P&amp;aper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>&amp;Save image…</source>
        <translation>Bild &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Sho&amp;w:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
</context>
<context>
    <name>TodayPrices</name>
    <message>
        <source>%1 prices</source>
        <comment>a year&apos;s price level, as in: in 2025 prices</comment>
        <translation>Preisstand %1</translation>
    </message>
    <message>
        <source>In %1: %2</source>
        <comment>in 2025 prices: an amount</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>prices rose %1 since %2 on average</source>
        <comment>a factor such as 2.5 ×, a year</comment>
        <translation>die Preise stiegen seit %2 im Schnitt um %1</translation>
    </message>
    <message>
        <source>prices fell to %1 those of %2 on average</source>
        <comment>a factor such as 0.8 ×, a year</comment>
        <translation>die Preise fielen im Schnitt auf %1 derer von %2</translation>
    </message>
    <message>
        <source>%1: no price table</source>
        <comment>a country, or: This currency</comment>
        <translation>%1: keine Preistabelle</translation>
    </message>
    <message>
        <source>This currency</source>
        <translation>Diese Währung</translation>
    </message>
    <message>
        <source>(monthly to %1 %2)</source>
        <comment>a month, a year</comment>
        <translation>(monatlich bis %1 %2)</translation>
    </message>
    <message>
        <source>%1 % a year</source>
        <comment>a rate of rising prices</comment>
        <translation>%1 % pro Jahr</translation>
    </message>
    <message>
        <source>%1: %2 for every year.</source>
        <comment>no price table: a rate</comment>
        <translation>%1: %2 für jedes Jahr.</translation>
    </message>
    <message>
        <source>Table: %1; %2 after it and before it.</source>
        <comment>a table, a rate</comment>
        <translation>Tabelle: %1; %2 danach und davor.</translation>
    </message>
    <message>
        <source>%1; copy of %2.</source>
        <comment>a licence, a date</comment>
        <translation>%1; Kopie vom %2.</translation>
    </message>
    <message>
        <source>In today&apos;s prices no share of the lifetime income is shown: the income is one sum, earned in years the program does not know.</source>
        <translation>In heutigen Preisen wird kein Anteil am Lebenseinkommen gezeigt: Das Einkommen ist eine Summe, verdient in Jahren, die das Programm nicht kennt.</translation>
    </message>
    <message>
        <source>%1, %2 to %3</source>
        <comment>a country, the first and last year</comment>
        <translation>%1, %2 bis %3</translation>
    </message>
</context>
<context>
    <name>Totals</name>
    <message numerus="yes">
        <source>%n day</source>
        <comment>an age</comment>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>an age</comment>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Age: %1 Hours: %2</source>
        <comment>%1 is an age such as 40 yrs 2 mons</comment>
        <translation>Alter: %1 Stunden: %2</translation>
    </message>
    <message>
        <source>Lifetime income: %1</source>
        <translation>Lebenseinkommen: %1</translation>
    </message>
</context>
<context>
    <name>Weeks</name>
    <message>
        <source>Nothing entered</source>
        <translation>Nichts eingetragen</translation>
    </message>
    <message>
        <source>Ahead</source>
        <comment>legend: weeks still to come</comment>
        <translation>Noch vor Ihnen</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>Over its hours</source>
        <comment>legend: a week with more hours entered than it has</comment>
        <translation>Mehr Stunden als möglich</translation>
    </message>
    <message>
        <source>Weeks from birth to age %1</source>
        <translation>Wochen von der Geburt bis zum Alter %1</translation>
    </message>
    <message>
        <source>Life in Weeks</source>
        <translation>Leben in Wochen</translation>
    </message>
    <message>
        <source>Life in Weeks — %1born %2</source>
        <comment>%1 is a name and a comma, or nothing</comment>
        <translation>Leben in Wochen — %1geboren am %2</translation>
    </message>
    <message>
        <source>Ages 0 to %1, a row a year.</source>
        <translation>Alter 0 bis %1, eine Zeile pro Jahr.</translation>
    </message>
    <message>
        <source>Drawn to age %1, before today.</source>
        <translation>Bis zum Alter %1 gezeichnet, vor heute.</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG image, 300 dpi (*.png);;SVG image (*.svg)</source>
        <translation>PNG-Bild, 300 dpi (*.png);;SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Age %1</source>
        <translation>Alter %1</translation>
    </message>
    <message>
        <source>Week %1</source>
        <translation>Woche %1</translation>
    </message>
    <message>
        <source>Each square is a week; it fills with %1 up to its busiest week.</source>
        <comment>%1 is an activity</comment>
        <translation>Jedes Quadrat ist eine Woche; es füllt sich mit %1 bis zur vollsten Woche.</translation>
    </message>
    <message>
        <source>Each square is a week; its hours are stacked from the bottom up by activity, in table order.</source>
        <translation>Jedes Quadrat ist eine Woche; ihre Stunden sind von unten nach oben nach Tätigkeit gestapelt, in der Reihenfolge der Tabelle.</translation>
    </message>
    <message>
        <source>Each square is a week, coloured by the activity with the most hours that week; sleep only when nothing else was entered, the first in the table on a tie.</source>
        <translation>Jedes Quadrat ist eine Woche, gefärbt nach der Tätigkeit mit den meisten Stunden in dieser Woche; Schlaf nur, wenn sonst nichts eingetragen ist, bei Gleichstand die erste in der Tabelle.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more events</source>
        <translation>
            <numerusform>und %n weiteres Ereignis</numerusform>
            <numerusform>und %n weitere Ereignisse</numerusform>
        </translation>
    </message>
    <message>
        <source>Week of the year →</source>
        <translation>Woche des Jahres →</translation>
    </message>
    <message>
        <source>Age ↓</source>
        <comment>axis caption: the ages run downwards</comment>
        <translation>Alter ↓</translation>
    </message>
    <message numerus="yes">
        <source>and %n more event</source>
        <translation>
            <numerusform>und %n weiteres Ereignis</numerusform>
            <numerusform>und %n weitere Ereignisse</numerusform>
        </translation>
    </message>
</context>
</TS>
