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
        <source>Sho&amp;w:</source>
        <translation>&amp;Zeigen:</translation>
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
</context>
</TS>
