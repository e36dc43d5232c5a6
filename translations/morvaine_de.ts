<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: morvaine [--] [FILE.mrv]
       morvaine --export OUT [--recalc] [--scale day|week|month] [--] FILE
       morvaine --report [--recalc] [--] FILE

Without options, opens the window (with FILE.mrv if given).
  --export OUT   load FILE without a window and write OUT; its extension
                 chooses: .mrv (save as a new project file), .csv (the task table),
                 .xml (MS Project XML), .pdf (every printed page: A4 portrait,
                 600 dpi, the table&apos;s columns as a new window shows them), .jpg or
                 .jpeg (the table and the whole chart as one picture). FILE is a
                 project file or an MS Project XML document, told apart by its
                 content
  --report       load FILE without a window and print its total report, one
                 figure a line: the label, a blank and the figure
  --recalc       recalculate the schedule after loading
  --scale S      Gantt scale of the project: day, week or month
  --help         show this help
  --version      show the version
  --             end of the options: what follows is a file name, even when it
                 starts with &apos;-&apos;
Messages go to standard error as &apos;Title: text&apos;. Exit status: 0 on success,
1 when an error message was shown, 2 on bad usage.
</source>
        <translation>Aufruf: morvaine [--] [DATEI.mrv]
       morvaine --export AUS [--recalc] [--scale day|week|month] [--] DATEI
       morvaine --report [--recalc] [--] DATEI

Ohne Optionen öffnet sich das Fenster (mit DATEI.mrv, wenn angegeben).
  --export AUS   DATEI ohne Fenster laden und AUS schreiben; die Endung
                 entscheidet: .mrv (als neue Projektdatei speichern), .csv (die
                 Vorgangstabelle), .xml (MS Project XML), .pdf (alle gedruckten
                 Seiten: A4 hoch, 600 dpi, die Spalten der Tabelle wie in einem neuen
                 Fenster), .jpg oder .jpeg (die Tabelle und das ganze Diagramm als ein
                 Bild). DATEI ist eine Projektdatei oder ein MS-Project-XML-Dokument,
                 am Inhalt unterschieden
  --report       DATEI ohne Fenster laden und ihren Gesamtbericht ausgeben, eine
                 Kennzahl je Zeile: die Bezeichnung, ein Leerzeichen und die Zahl
  --recalc       den Zeitplan nach dem Laden neu berechnen
  --scale S      Gantt-Maßstab des Projekts: day, week oder month
  --help         diese Hilfe anzeigen
  --version      die Version anzeigen
  --             Ende der Optionen: was folgt, ist ein Dateiname, auch wenn er
                 mit &apos;-&apos; beginnt
Meldungen gehen als &apos;Titel: Text&apos; auf die Standardfehlerausgabe. Exit-Status: 0 bei
Erfolg, 1 wenn eine Fehlermeldung angezeigt wurde, 2 bei falschem Aufruf.
</translation>
    </message>
    <message>
        <source>Cannot write the file &apos;%1&apos;.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 given more than once</source>
        <translation>%1 mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown scale %1</source>
        <translation>unbekannter Maßstab %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>nothing to do: give --export OUT or --report</source>
        <translation>nichts zu tun: --export OUT oder --report angeben</translation>
    </message>
    <message>
        <source>give only one of --export, --report, --write-sample, --write-manual</source>
        <translation>nur eine der Optionen --export, --report, --write-sample, --write-manual angeben</translation>
    </message>
    <message>
        <source>no project file given</source>
        <translation>keine Projektdatei angegeben</translation>
    </message>
    <message>
        <source>more than one project file given</source>
        <translation>mehr als eine Projektdatei angegeben</translation>
    </message>
    <message>
        <source>OUT must end in .mrv, .csv, .xml, .pdf, .jpg or .jpeg</source>
        <translation>OUT muss auf .mrv, .csv, .xml, .pdf, .jpg oder .jpeg enden</translation>
    </message>
    <message>
        <source>--write-sample and --write-manual take no other arguments</source>
        <translation>--write-sample und --write-manual nehmen keine weiteren Argumente</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>New...</source>
        <translation>Neu...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Drucker einrichten...</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Import MS Project XML...</source>
        <translation>MS Project XML importieren...</translation>
    </message>
    <message>
        <source>Export MS Project XML...</source>
        <translation>MS Project XML exportieren...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Gantt Zoom In</source>
        <translation>Gantt vergrößern</translation>
    </message>
    <message>
        <source>Gantt Zoom Out</source>
        <translation>Gantt verkleinern</translation>
    </message>
    <message>
        <source>Insert New Task</source>
        <translation>Neuen Vorgang einfügen</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>Vorgang löschen</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Höherstufen</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Tieferstufen</translation>
    </message>
    <message>
        <source>Resource...</source>
        <translation>Ressourcen...</translation>
    </message>
    <message>
        <source>Resource</source>
        <translation>Ressourcen</translation>
    </message>
    <message>
        <source> Critical Path</source>
        <translation> Kritischer Pfad</translation>
    </message>
    <message>
        <source>Critical Path On/Off</source>
        <translation>Kritischer Pfad ein/aus</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Total Report</source>
        <translation>Gesamtbericht</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Help (pdf)</source>
        <translation>Hilfe (pdf)</translation>
    </message>
    <message>
        <source>Morvaine Home Page</source>
        <translation>Morvaine-Homepage</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>About Morvaine</source>
        <translation>Über Morvaine</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Vorgang</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>Be&amp;richt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
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
        <translation>&apos;%1&apos; ist keine gültige Gleitkommazahl</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Cannot write the file &apos;%1&apos;.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Error exporting the image to a file. Very large project. Zoom out the Gantt chart and try again. Code #</source>
        <translation>Fehler beim Exportieren des Bildes in eine Datei. Sehr großes Projekt. Verkleinern Sie das Gantt-Diagramm und versuchen Sie es erneut. Code #</translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>cannot create the folder</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write the file association %1: %2</source>
        <translation>Die Dateizuordnung %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ForeignDates</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Some dates of this plan do not read as %1, and no other date format reads them all, so they are left as they are.</source>
        <translation>Einige Daten dieses Plans lassen sich nicht als %1 lesen, und kein anderes Datumsformat liest sie alle; sie bleiben daher unverändert.</translation>
    </message>
    <message>
        <source>The dates of this plan do not read as %1. They read as %2 alike, which give different days, so they are left as they are.</source>
        <translation>Die Daten dieses Plans lassen sich nicht als %1 lesen. Sie lassen sich ebenso als %2 lesen, was verschiedene Tage ergibt; sie bleiben daher unverändert.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The dates of this plan were written as %1. They have been rewritten as %2.</source>
        <translation>Die Daten dieses Plans wurden als %1 geschrieben. Sie wurden in %2 umgeschrieben.</translation>
    </message>
</context>
<context>
    <name>HelpLinks</name>
    <message>
        <source>The manual could not be found or written.</source>
        <translation>Das Handbuch wurde nicht gefunden oder konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No program could be started to show the manual.
The manual is the file %1</source>
        <translation>Es konnte kein Programm zum Anzeigen des Handbuchs gestartet werden.
Das Handbuch ist die Datei %1</translation>
    </message>
    <message>
        <source>No web browser could be started.
The address is %1</source>
        <translation>Es konnte kein Webbrowser gestartet werden.
Die Adresse lautet %1</translation>
    </message>
    <message>
        <source>No mail program could be started.
The address is %1</source>
        <translation>Es konnte kein E-Mail-Programm gestartet werden.
Die Adresse lautet %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Entschuldigung</translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation>Achtung!</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
</context>
<context>
    <name>MsProjectImport</name>
    <message>
        <source>1 link</source>
        <translation>1 Verknüpfung</translation>
    </message>
    <message numerus="yes">
        <source>%n links</source>
        <translation>
            <numerusform>%n Verknüpfung</numerusform>
            <numerusform>%n Verknüpfungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to tasks outside the plan left out.</source>
        <translation>%1 zu Vorgängen außerhalb des Plans ausgelassen.</translation>
    </message>
    <message>
        <source>%1 renamed: the characters &apos;, . ; :&apos; became blanks, and names were made unique.</source>
        <translation>%1 umbenannt: Die Zeichen &apos;, . ; :&apos; wurden zu Leerzeichen, und Namen wurden eindeutig gemacht.</translation>
    </message>
    <message>
        <source>1 resource</source>
        <translation>1 Ressource</translation>
    </message>
    <message numerus="yes">
        <source>%n resources</source>
        <translation>
            <numerusform>%n Ressource</numerusform>
            <numerusform>%n Ressourcen</numerusform>
        </translation>
    </message>
    <message>
        <source>The calendar has no working day; Monday to Friday are used.</source>
        <translation>Der Kalender hat keinen Arbeitstag; Montag bis Freitag werden verwendet.</translation>
    </message>
    <message>
        <source>Dates of %1 moved to agree with the working calendar and the links.</source>
        <translation>Termine von %1 verschoben, damit sie zum Arbeitskalender und zu den Verknüpfungen passen.</translation>
    </message>
    <message>
        <source>1 task</source>
        <translation>1 Vorgang</translation>
    </message>
    <message numerus="yes">
        <source>%n tasks</source>
        <translation>
            <numerusform>%n Vorgang</numerusform>
            <numerusform>%n Vorgängen</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot open the file &apos;%1&apos;.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is too large for a plan.</source>
        <translation>Die Datei &apos;%1&apos; ist zu groß für einen Plan.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not well-formed XML: %2 (line %3, column %4).</source>
        <translation>Die Datei &apos;%1&apos; ist kein wohlgeformtes XML: %2 (Zeile %3, Spalte %4).</translation>
    </message>
    <message>
        <source>&apos;%1&apos; on line %2 is not a valid value of &lt;%3&gt;.</source>
        <translation>&apos;%1&apos; in Zeile %2 ist kein gültiger Wert von &lt;%3&gt;.</translation>
    </message>
    <message>
        <source>The date &apos;%1&apos; on line %2 is not a date of the years 1 to 9999.</source>
        <translation>Das Datum &apos;%1&apos; in Zeile %2 liegt nicht in den Jahren 1 bis 9999.</translation>
    </message>
    <message>
        <source>The plan has more than %1 tasks; Morvaine holds at most %1.</source>
        <translation>Der Plan hat mehr als %1 Vorgänge; Morvaine fasst höchstens %1.</translation>
    </message>
    <message>
        <source>The plan has more than %1 resources; Morvaine holds at most %1.</source>
        <translation>Der Plan hat mehr als %1 Ressourcen; Morvaine fasst höchstens %1.</translation>
    </message>
    <message>
        <source>The calendar has more holidays and extra working days in the years %1 to %2 than a plan keeps: the first %3 were taken, %4 left out.</source>
        <translation>Der Kalender hat in den Jahren %1 bis %2 mehr Feiertage und zusätzliche Arbeitstage, als ein Plan fasst: Die ersten %3 wurden übernommen, %4 ausgelassen.</translation>
    </message>
    <message>
        <source>The calendar has more holidays and extra working days in the years %1 to %2 than a plan keeps: the first %3 were taken, more than %4 left out.</source>
        <translation>Der Kalender hat in den Jahren %1 bis %2 mehr Feiertage und zusätzliche Arbeitstage, als ein Plan fasst: Die ersten %3 wurden übernommen, mehr als %4 ausgelassen.</translation>
    </message>
    <message>
        <source>1 hourly rate above %1 per hour was taken as %1.</source>
        <translation>1 Stundensatz über %1 pro Stunde wurde als %1 übernommen.</translation>
    </message>
    <message numerus="yes">
        <source>%n hourly rates above %1 per hour were taken as %1.</source>
        <translation>
            <numerusform>%n Stundensatz über %1 pro Stunde wurde als %1 übernommen.</numerusform>
            <numerusform>%n Stundensätze über %1 pro Stunde wurden als %1 übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 negative hourly rate was taken as 0.</source>
        <translation>1 negativer Stundensatz wurde als 0 übernommen.</translation>
    </message>
    <message numerus="yes">
        <source>%n negative hourly rates were taken as 0.</source>
        <translation>
            <numerusform>%n negativer Stundensatz wurde als 0 übernommen.</numerusform>
            <numerusform>%n negative Stundensätze wurden als 0 übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is not an MS Project XML document. Its first element is &lt;%2&gt; (line %3, column %4), not &lt;Project&gt; in the namespace %5.</source>
        <translation>Die Datei &apos;%1&apos; ist kein MS-Project-XML-Dokument. Ihr erstes Element ist &lt;%2&gt; (Zeile %3, Spalte %4), nicht &lt;Project&gt; im Namensraum %5.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; has a document type declaration (line %2, column %3). MS Project XML documents have none, and Morvaine does not read one.</source>
        <translation>Die Datei &apos;%1&apos; hat eine Dokumenttyp-Deklaration (Zeile %2, Spalte %3). MS-Project-XML-Dokumente haben keine, und Morvaine liest keine.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; nests elements more than %2 deep (line %3, column %4); no plan is that deep.</source>
        <translation>Die Datei &apos;%1&apos; verschachtelt Elemente tiefer als %2 Ebenen (Zeile %3, Spalte %4); kein Plan ist so tief.</translation>
    </message>
    <message>
        <source>Cannot read the file &apos;%1&apos;.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>1 lag</source>
        <translation>1 Verzögerung</translation>
    </message>
    <message numerus="yes">
        <source>%n lags</source>
        <translation>
            <numerusform>%n Verzögerung</numerusform>
            <numerusform>%n Verzögerungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 in elapsed time taken as working days</source>
        <translation>%1 in fortlaufender Zeit als Arbeitstage übernommen</translation>
    </message>
    <message>
        <source>%1 in percent taken as working days of the predecessor</source>
        <translation>%1 in Prozent als Arbeitstage des Vorgängers übernommen</translation>
    </message>
    <message>
        <source>%1 of part of a day rounded to whole working days</source>
        <translation>%1 von Teilen eines Tages auf ganze Arbeitstage gerundet</translation>
    </message>
    <message>
        <source>%1 beyond %2 working days cut to %2</source>
        <translation>%1 über %2 Arbeitstage auf %2 gekürzt</translation>
    </message>
    <message>
        <source>%1 of an unknown type made finish-to-start</source>
        <translation>%1 unbekannten Typs zu Ende-Anfang gemacht</translation>
    </message>
    <message>
        <source>%1 of %2 was changed: %3.</source>
        <translation>%1 von %2 wurde geändert: %3.</translation>
    </message>
    <message>
        <source>%1 of %2 were changed: %3.</source>
        <translation>%1 von %2 wurden geändert: %3.</translation>
    </message>
    <message>
        <source>The text of &lt;%1&gt; on line %2 is longer than any value of a plan (1 MiB).</source>
        <translation>Der Text von &lt;%1&gt; in Zeile %2 ist länger als jeder Wert eines Plans (1 MiB).</translation>
    </message>
    <message>
        <source>The plan has more than %1 calendars; no plan that Morvaine holds has that many.</source>
        <translation>Der Plan hat mehr als %1 Kalender; kein Plan, den Morvaine fasst, hat so viele.</translation>
    </message>
    <message>
        <source>The plan has more than %1 calendar exceptions; no plan that Morvaine holds has that many.</source>
        <translation>Der Plan hat mehr als %1 Kalenderausnahmen; kein Plan, den Morvaine fasst, hat so viele.</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>Error saving the file. Code #%1</source>
        <translation>Fehler beim Speichern der Datei. Code #%1</translation>
    </message>
    <message>
        <source>Error opening the file. Code #%1</source>
        <translation>Fehler beim Öffnen der Datei. Code #%1</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot;</source>
        <translation>der Einstellung „%1“</translation>
    </message>
    <message>
        <source>task %1, column &quot;%2&quot;</source>
        <translation>von Vorgang %1, Spalte „%2“</translation>
    </message>
    <message>
        <source>resource %1, column &quot;%2&quot;</source>
        <translation>von Ressource %1, Spalte „%2“</translation>
    </message>
    <message>
        <source>The text was too long for one cell and was cut to the %1 bytes a project file holds in a cell.</source>
        <translation>Der Text war zu lang für eine Zelle und wurde auf die %1 Bytes gekürzt, die eine Projektdatei in einer Zelle fasst.</translation>
    </message>
    <message>
        <source>1 text was too long for one cell and cut to the %1 bytes a project file holds in a cell.</source>
        <translation>1 Text war zu lang für eine Zelle und wurde auf die %1 Bytes gekürzt, die eine Projektdatei in einer Zelle fasst.</translation>
    </message>
    <message numerus="yes">
        <source>%n texts were too long for one cell and cut to the %1 bytes a project file holds in a cell.</source>
        <translation>
            <numerusform>%n Text war zu lang für eine Zelle und wurde auf die %1 Bytes gekürzt, die eine Projektdatei in einer Zelle fasst.</numerusform>
            <numerusform>%n Texte waren zu lang für eine Zelle und wurden auf die %1 Bytes gekürzt, die eine Projektdatei in einer Zelle fasst.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error saving the file. The text of %1 is longer than the %2 bytes a project file holds in a cell; shorten it and save again.</source>
        <translation>Fehler beim Speichern der Datei. Der Text %1 ist länger als die %2 Bytes, die eine Projektdatei in einer Zelle fasst; kürzen Sie ihn und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>Error opening the file. Unknown file format. Code #0005</source>
        <translation>Fehler beim Öffnen der Datei. Unbekanntes Dateiformat. Code #0005</translation>
    </message>
    <message>
        <source>Error opening the file. Unknown version file format. Code #0006</source>
        <translation>Fehler beim Öffnen der Datei. Unbekannte Version des Dateiformats. Code #0006</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the copy is in use by another window</source>
        <translation>die Kopie wird von einem anderen Fenster verwendet</translation>
    </message>
    <message>
        <source>the lock file cannot be written</source>
        <translation>die Sperrdatei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the copy cannot be written</source>
        <translation>die Kopie kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The recovery copy could not be read. It was kept as %1.</source>
        <translation>Die Wiederherstellungskopie konnte nicht gelesen werden. Sie wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>an untitled plan</source>
        <translation>einen unbenannten Plan</translation>
    </message>
    <message>
        <source>Morvaine was closed without saving %1. Recover the unsaved changes?</source>
        <translation>Morvaine wurde beendet, ohne %1 zu speichern. Die nicht gespeicherten Änderungen wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>ResourceEditor</name>
    <message>
        <source>Update</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Sorry, there can be only 999 types of resources.</source>
        <translation>Entschuldigung, es kann höchstens 999 Arten von Ressourcen geben.</translation>
    </message>
    <message>
        <source>Sorry, the &apos;%1&apos; field is too long: a project file holds at most %2 bytes in a cell.</source>
        <translation>Entschuldigung, das Feld &apos;%1&apos; ist zu lang: Eine Projektdatei fasst höchstens %2 Bytes in einer Zelle.</translation>
    </message>
    <message>
        <source>Please specify the &apos;Name&apos; field.</source>
        <translation>Bitte füllen Sie das Feld &apos;Name&apos; aus.</translation>
    </message>
    <message>
        <source>Sorry, it is impossible to use the &apos;, . ; :&apos; characters in the &apos;Name&apos; field.</source>
        <translation>Entschuldigung, die Zeichen &apos;, . ; :&apos; können im Feld &apos;Name&apos; nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Sorry, this name already exists.
Please specify another one.</source>
        <translation>Entschuldigung, dieser Name existiert bereits.
Bitte geben Sie einen anderen an.</translation>
    </message>
    <message>
        <source>Sorry, you can type only digits and the &apos;.&apos; character in the &apos;Cost/Hour&apos; field.</source>
        <translation>Entschuldigung, im Feld &apos;Kosten/Std.&apos; können Sie nur Ziffern und das Zeichen &apos;.&apos; eingeben.</translation>
    </message>
    <message>
        <source>Sorry, the &apos;Cost/Hour&apos; must be less than %1.</source>
        <translation>Entschuldigung, &apos;Kosten/Std.&apos; muss kleiner als %1 sein.</translation>
    </message>
    <message>
        <source>Sorry, with this name the &apos;Resource&apos; of task %1 would be too long for a project file.</source>
        <translation>Entschuldigung, mit diesem Namen wäre die &apos;Ressource&apos; von Vorgang %1 zu lang für eine Projektdatei.</translation>
    </message>
</context>
<context>
    <name>ResourceTable</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Cost/Hour</source>
        <translation>Kosten/Std.</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>&apos;%1&apos; is not a valid duration: the End would fall after the year 9999</source>
        <translation>&apos;%1&apos; ist keine gültige Dauer: Das Ende läge nach dem Jahr 9999</translation>
    </message>
    <message>
        <source>%1
Row %2, %3.</source>
        <translation>%1
Zeile %2, %3.</translation>
    </message>
    <message>
        <source>The &apos;Start&apos; date is earlier than the project start date
Change the project start date?</source>
        <translation>Das Datum &apos;Anfang&apos; liegt vor dem Projektbeginn
Den Projektbeginn ändern?</translation>
    </message>
    <message>
        <source>The &apos;End&apos; (and &apos;Start&apos;) date is earlier than the project start date.
Change the project start date?</source>
        <translation>Das Datum &apos;Ende&apos; (und &apos;Anfang&apos;) liegt vor dem Projektbeginn.
Den Projektbeginn ändern?</translation>
    </message>
    <message>
        <source>Link error (Task #%1 -&gt; Task #%2)
This link will be ignored.</source>
        <translation>Verknüpfungsfehler (Vorgang #%1 -&gt; Vorgang #%2)
Diese Verknüpfung wird ignoriert.</translation>
    </message>
    <message>
        <source>The task number %1 is too large.</source>
        <translation>Die Vorgangsnummer %1 ist zu groß.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a link type; the types are FS, SS, FF and SF.</source>
        <translation>&apos;%1&apos; ist kein Verknüpfungstyp; die Typen sind FS, SS, FF und SF.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no lag; a lag is +k or -k working days.</source>
        <translation>&apos;%1&apos; ist keine Verzögerung; eine Verzögerung ist +k oder -k Arbeitstage.</translation>
    </message>
    <message>
        <source>The lag &apos;%1%2&apos; is not a whole number of working days.</source>
        <translation>Die Verzögerung &apos;%1%2&apos; ist keine ganze Zahl von Arbeitstagen.</translation>
    </message>
    <message>
        <source>The lag %1%2 is beyond %3 working days.</source>
        <translation>Die Verzögerung %1%2 liegt außerhalb von %3 Arbeitstagen.</translation>
    </message>
    <message>
        <source>Link error (Task #%1, item &apos;%2&apos;)
%3
This link will be ignored.</source>
        <translation>Verknüpfungsfehler (Vorgang #%1, Eintrag &apos;%2&apos;)
%3
Diese Verknüpfung wird ignoriert.</translation>
    </message>
</context>
<context>
    <name>TaskTable</name>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Forerunner</source>
        <translation>Vorgänger</translation>
    </message>
    <message>
        <source>Resource</source>
        <translation>Ressource</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>Veha</source>
        <translation>Veha</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>TimeAxis</name>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
</context>
<context>
    <name>TotalReport</name>
    <message>
        <source>Start Date:</source>
        <translation>Anfangsdatum:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Enddatum:</translation>
    </message>
    <message>
        <source>Diration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Current Cost:</source>
        <translation>Aktuelle Kosten:</translation>
    </message>
    <message>
        <source>Total Cost:</source>
        <translation>Gesamtkosten:</translation>
    </message>
    <message>
        <source>Completion:</source>
        <translation>Fertigstellung:</translation>
    </message>
    <message>
        <source>Group Task:</source>
        <translation>Sammelvorgänge:</translation>
    </message>
    <message>
        <source>Task:</source>
        <translation>Vorgänge:</translation>
    </message>
    <message>
        <source>Milestone:</source>
        <translation>Meilensteine:</translation>
    </message>
    <message>
        <source>Resource:</source>
        <translation>Ressourcen:</translation>
    </message>
    <message>
        <source>Average Cost/Hour:</source>
        <translation>Durchschnittliche Kosten/Std.:</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Project Report: %1</source>
        <translation>Projektbericht: %1</translation>
    </message>
    <message>
        <source>Project Status</source>
        <translation>Projektstatus</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Vorgänge</translation>
    </message>
    <message>
        <source>Resource</source>
        <translation>Ressourcen</translation>
    </message>
    <message>
        <source>Morvaine 1.0 - Total Report</source>
        <translation>Morvaine 1.0 - Gesamtbericht</translation>
    </message>
</context>
<context>
    <name>WorkingTime</name>
    <message>
        <source>1 hour per day</source>
        <translation>1 Stunde pro Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n hours per day</source>
        <translation>
            <numerusform>%n Stunde pro Tag</numerusform>
            <numerusform>%n Stunden pro Tag</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>XmlReader</name>
    <message>
        <source>out of memory</source>
        <translation>zu wenig Speicher</translation>
    </message>
    <message>
        <source>syntax error</source>
        <translation>Syntaxfehler</translation>
    </message>
    <message>
        <source>no element found</source>
        <translation>kein Element gefunden</translation>
    </message>
    <message>
        <source>not well-formed (invalid token)</source>
        <translation>nicht wohlgeformt (ungültiges Token)</translation>
    </message>
    <message>
        <source>unclosed token</source>
        <translation>nicht abgeschlossenes Token</translation>
    </message>
    <message>
        <source>partial character</source>
        <translation>unvollständiges Zeichen</translation>
    </message>
    <message>
        <source>mismatched tag</source>
        <translation>nicht passendes Tag</translation>
    </message>
    <message>
        <source>duplicate attribute</source>
        <translation>doppeltes Attribut</translation>
    </message>
    <message>
        <source>junk after document element</source>
        <translation>Überschuss nach dem Dokumentelement</translation>
    </message>
    <message>
        <source>illegal parameter entity reference</source>
        <translation>unzulässiger Verweis auf eine Parameter-Entität</translation>
    </message>
    <message>
        <source>undefined entity</source>
        <translation>nicht definierte Entität</translation>
    </message>
    <message>
        <source>recursive entity reference</source>
        <translation>rekursiver Entitätsverweis</translation>
    </message>
    <message>
        <source>asynchronous entity</source>
        <translation>asynchrone Entität</translation>
    </message>
    <message>
        <source>reference to invalid character number</source>
        <translation>Verweis auf eine ungültige Zeichennummer</translation>
    </message>
    <message>
        <source>reference to binary entity</source>
        <translation>Verweis auf eine binäre Entität</translation>
    </message>
    <message>
        <source>reference to external entity in attribute</source>
        <translation>Verweis auf eine externe Entität in einem Attribut</translation>
    </message>
    <message>
        <source>XML or text declaration not at start of entity</source>
        <translation>XML- oder Textdeklaration nicht am Anfang der Entität</translation>
    </message>
    <message>
        <source>unknown encoding</source>
        <translation>unbekannte Kodierung</translation>
    </message>
    <message>
        <source>encoding specified in XML declaration is incorrect</source>
        <translation>die in der XML-Deklaration angegebene Kodierung ist falsch</translation>
    </message>
    <message>
        <source>unclosed CDATA section</source>
        <translation>nicht abgeschlossener CDATA-Abschnitt</translation>
    </message>
    <message>
        <source>error in processing external entity reference</source>
        <translation>Fehler beim Verarbeiten eines externen Entitätsverweises</translation>
    </message>
    <message>
        <source>document is not standalone</source>
        <translation>das Dokument ist nicht eigenständig</translation>
    </message>
    <message>
        <source>entity declared in parameter entity</source>
        <translation>Entität in einer Parameter-Entität deklariert</translation>
    </message>
    <message>
        <source>unbound prefix</source>
        <translation>nicht gebundenes Präfix</translation>
    </message>
    <message>
        <source>must not undeclare prefix</source>
        <translation>ein Präfix darf nicht aufgehoben werden</translation>
    </message>
    <message>
        <source>incomplete markup in parameter entity</source>
        <translation>unvollständiges Markup in einer Parameter-Entität</translation>
    </message>
    <message>
        <source>XML declaration not well-formed</source>
        <translation>XML-Deklaration nicht wohlgeformt</translation>
    </message>
    <message>
        <source>text declaration not well-formed</source>
        <translation>Textdeklaration nicht wohlgeformt</translation>
    </message>
    <message>
        <source>illegal character(s) in public id</source>
        <translation>unzulässige Zeichen in der öffentlichen ID</translation>
    </message>
    <message>
        <source>reserved prefix (xml) must not be undeclared or bound to another namespace name</source>
        <translation>das reservierte Präfix (xml) darf nicht aufgehoben oder an einen anderen Namensraum gebunden werden</translation>
    </message>
    <message>
        <source>reserved prefix (xmlns) must not be declared or undeclared</source>
        <translation>das reservierte Präfix (xmlns) darf weder deklariert noch aufgehoben werden</translation>
    </message>
    <message>
        <source>prefix must not be bound to one of the reserved namespace names</source>
        <translation>ein Präfix darf nicht an einen der reservierten Namensräume gebunden werden</translation>
    </message>
    <message>
        <source>limit on input amplification factor (from DTD and entities) breached</source>
        <translation>Grenze für den Verstärkungsfaktor der Eingabe (durch DTD und Entitäten) überschritten</translation>
    </message>
</context>
<context>
    <name>morvaine::AboutBox</name>
    <message>
        <source>About Morvaine</source>
        <translation>Über Morvaine</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Homepage:</translation>
    </message>
    <message>
        <source>Send Feedback:</source>
        <translation>Feedback senden:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Support:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>morvaine::ChartInteractionController</name>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
Start: %2
End: %3
Duration: %4
Completion: %5</source>
        <translation>%1
Anfang: %2
Ende: %3
Dauer: %4
Fertig: %5</translation>
    </message>
    <message>
        <source>Link Tasks
%1 %2 -&gt; %3 %4</source>
        <translation>Vorgänge verknüpfen
%1 %2 -&gt; %3 %4</translation>
    </message>
</context>
<context>
    <name>morvaine::DocumentController</name>
    <message>
        <source>Morvaine Files (*.mrv)</source>
        <translation>Morvaine-Dateien (*.mrv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>MS Project XML (*.xml)</source>
        <translation>MS Project XML (*.xml)</translation>
    </message>
    <message>
        <source>Save changes in the project before closing the program?</source>
        <translation>Änderungen am Projekt vor dem Beenden des Programms speichern?</translation>
    </message>
    <message>
        <source>Save changes in the project before starting a new project?</source>
        <translation>Änderungen am Projekt vor dem Anlegen eines neuen Projekts speichern?</translation>
    </message>
    <message>
        <source>Save changes in the project before opening another file?</source>
        <translation>Änderungen am Projekt vor dem Öffnen einer anderen Datei speichern?</translation>
    </message>
    <message>
        <source>Save changes in the project before importing an MS Project XML file?</source>
        <translation>Änderungen am Projekt vor dem Import einer MS-Project-XML-Datei speichern?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>morvaine::ExchangeController</name>
    <message>
        <source>MS Project XML (*.xml)</source>
        <translation>MS Project XML (*.xml)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import MS Project XML</source>
        <translation>MS Project XML importieren</translation>
    </message>
    <message>
        <source>Export MS Project XML</source>
        <translation>MS Project XML exportieren</translation>
    </message>
</context>
<context>
    <name>morvaine::GridEditingController</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>morvaine::HistoryController</name>
    <message>
        <source>Typing</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>morvaine::OutputController</name>
    <message>
        <source>Printer error. Set up the printer, please.</source>
        <translation>Druckerfehler. Bitte richten Sie den Drucker ein.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>JPEG Image File (*.jpg)</source>
        <translation>JPEG-Bilddatei (*.jpg)</translation>
    </message>
</context>
<context>
    <name>morvaine::PreviewWindow</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Drucker einrichten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The page number is too large. No such page.</source>
        <translation>Die Seitenzahl ist zu groß. Diese Seite gibt es nicht.</translation>
    </message>
</context>
<context>
    <name>morvaine::RecentFilesMenu</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>The file %1 no longer exists. It has been taken off the recent files.</source>
        <translation>Die Datei %1 existiert nicht mehr. Sie wurde aus den zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>morvaine::RecoveryController</name>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Unsaved changes are not protected: no recovery copy can be written in %1 (%2). Save your work to keep it.</source>
        <translation>Nicht gespeicherte Änderungen sind nicht geschützt: In %1 kann keine Wiederherstellungskopie geschrieben werden (%2). Speichern Sie Ihre Arbeit, um sie zu behalten.</translation>
    </message>
</context>
<context>
    <name>morvaine::ReportWindow</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Total Report</source>
        <translation>Gesamtbericht</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>morvaine::ResourceDialog</name>
    <message>
        <source>Resource</source>
        <translation>Ressourcen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Cost/Hour:</source>
        <translation>Kosten/Std.:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>morvaine::SettingsDialog</name>
    <message>
        <source>no save file</source>
        <translation>keine gespeicherte Datei</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source> Project Info </source>
        <translation> Projektinformationen </translation>
    </message>
    <message>
        <source>Create date:</source>
        <translation>Erstellt am:</translation>
    </message>
    <message>
        <source>Date of change:</source>
        <translation>Geändert am:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source> Settings </source>
        <translation> Einstellungen </translation>
    </message>
    <message>
        <source>$ (dollar)</source>
        <translation>$ (Dollar)</translation>
    </message>
    <message>
        <source>%1 (euro)</source>
        <translation>%1 (Euro)</translation>
    </message>
    <message>
        <source>Project name:</source>
        <translation>Projektname:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Date of start project:</source>
        <translation>Projektbeginn:</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Währung:</translation>
    </message>
    <message>
        <source> Working Days </source>
        <translation> Arbeitstage </translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source> Working Time </source>
        <translation> Arbeitszeit </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>At least one day of the week must be a working day.</source>
        <translation>Mindestens ein Wochentag muss ein Arbeitstag sein.</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation>Achtung!</translation>
    </message>
    <message>
        <source>Sorry, the &apos;%1&apos; field is too long: a project file holds at most %2 bytes in a cell.</source>
        <translation>Entschuldigung, das Feld &apos;%1&apos; ist zu lang: Eine Projektdatei fasst höchstens %2 Bytes in einer Zelle.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source> Holidays </source>
        <translation> Feiertage </translation>
    </message>
    <message>
        <source> Extra working days </source>
        <translation> Zusätzliche Arbeitstage </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Sorry, the list is too long: a project file holds at most %1 bytes in a cell.</source>
        <translation>Die Liste ist leider zu lang: Eine Projektdatei fasst höchstens %1 Bytes in einer Zelle.</translation>
    </message>
</context>
<context>
    <name>morvaine::TaskGrid</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
</TS>
