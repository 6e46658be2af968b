<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="de">
<context>
    <name>BoardFeature</name>
    <message>
        <source>Anzeigetafel</source>
        <extracomment>status bar button: the scoreboard for the spectators</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Anzeigetafel für Zuschauer öffnen oder schließen (Strg+T)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CertificateLines</name>
    <message>
        <source>Platz</source>
        <extracomment>certificate line: the team&apos;s rank</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mannschaft</source>
        <extracomment>certificate line: the team&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klasse</source>
        <extracomment>certificate line: the team&apos;s class (category)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ubungszeit</source>
        <extracomment>certificate line: run time without penalty</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>certificate line: penalty seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <extracomment>certificate line: run time plus penalty seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <extracomment>certificate line: the date</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dateiname</source>
        <extracomment>certificate line: the workbook&apos;s file name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Zeile</source>
        <extracomment>a free text line of the certificate, numbered from 1</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompetitionJournal</name>
    <message>
        <source>1 Ereignis</source>
        <extracomment>events of the journal (a start, a time, a correction, ...)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die letzte Sitzung (%1, %2 Uhr, %3) wurde nicht ordnungsgemäß beendet. Daten wiederherstellen?</source>
        <extracomment>%1 date and %2 time of the last event, %3 how many events can be restored</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Änderungsprotokoll</source>
        <extracomment>status bar button: the journal of every time and correction</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle Zeiten und Korrekturen des Tages (Strg+J)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll kommt nicht nach (Datenträger langsam).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Wiederhergestellt: %1 aus dem Änderungsprotokoll</source>
        <extracomment>%1 how many events were restored from the journal</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Die letzte Sitzung bleibt aufbewahrt in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es wird kein Änderungsprotokoll geführt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactInput</name>
    <message>
        <source>Gerät nicht vorhanden (Adapter nicht eingesteckt?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>von einem anderen Programm belegt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meldet keine Modemleitungen, für Kontakte nicht geeignet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler am Gerät</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventKinds</name>
    <message>
        <source>Listen geladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>journal event: a run was started</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit</source>
        <extracomment>journal event: a lane was stopped, its run time taken</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <extracomment>journal event: false start</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nächstes Paar</source>
        <extracomment>journal event: the next pair of teams was called (reset)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korrektur</source>
        <extracomment>journal event: the operator corrected a recorded value</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilen entfernt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnisse gelöscht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnislisten erzeugt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste gewählt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <extracomment>journal event: the settings were changed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wiederhergestellt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gespeichert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startkontakt ignoriert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahn belegt</source>
        <extracomment>journal event: a team was put on a lane</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dateiname gewählt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Schreibfehler der Datei: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JournalLines</name>
    <message>
        <source>%1 (Kontakt)</source>
        <extracomment>a run time taken by the lane&apos;s contact</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (Taste)</source>
        <extracomment>a run time taken by the operator&apos;s key</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ereignis</source>
        <extracomment>journal column: what happened</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahn</source>
        <extracomment>journal column: the lane (1 or 2)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mannschaft</source>
        <extracomment>journal column: the team</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Änderung</source>
        <extracomment>journal column: what changed (old and new value, a time, a file name)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>Sprache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Sprache der Konsole wählen; sie gilt ab dem nächsten Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Die Konsole spricht %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 gilt ab dem nächsten Start des Programms.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListHeaders</name>
    <message>
        <source>Mannschaft</source>
        <extracomment>group header above a team&apos;s number, name, class and qualification mark</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahn 1</source>
        <extracomment>group header above lane 1&apos;s run time, penalty and total</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahn 2</source>
        <extracomment>group header above lane 2&apos;s run time, penalty and total</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nr.</source>
        <extracomment>column: the team&apos;s start number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>column: the team&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klasse</source>
        <extracomment>column: the team&apos;s class (category, e.g. men, women, youth)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q.</source>
        <extracomment>column, short for qualification: marks the teams that reach the next stage</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit</source>
        <extracomment>column: a lane&apos;s run time in seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>column: penalty seconds of a run</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamt</source>
        <extracomment>column: run time plus penalty seconds of one lane</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bestzeit</source>
        <extracomment>column: the better total of the team&apos;s two runs</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platz</source>
        <extracomment>column of the result lists: rank</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übungszeit</source>
        <extracomment>column of the result lists: the counted run&apos;s time without penalty</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <extracomment>column of the result lists: run time plus penalty seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListSheets</name>
    <message>
        <source>%1 aus Tabelle %2</source>
        <extracomment>%1 a list&apos;s name, %2 the number of the workbook sheet it was loaded from</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Tabellen nach ihren Namen geladen, nicht nach ihrer Reihenfolge: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>Anzeigetafel öffnen/schließen (Strg+T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live-Seite im Netz</source>
        <extracomment>menu: serves a web page with the running times to the local network</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port der Live-Seite …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live-Seite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>network port of the live web page</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live-Seite aus: %1</source>
        <extracomment>the live web page could not start; %1 the reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Live-Seite: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (nur dieser Rechner)</source>
        <extracomment>%1 the live page&apos;s address, reachable from this computer only</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live-Seite (ohne Passwort, für jeden im Netz):
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputLocation</name>
    <message>
        <source>Ergebnisdateien in %1</source>
        <extracomment>%1 the folder the result files are written to</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortPresence</name>
    <message>
        <source>CTS (Pin 7/8) meldet hier nichts, Kontakt an DSR (Pin 4/6) anschließen</source>
        <extracomment>pin numbers of the 9-pin (7/8, 4/6) and 25-pin serial plug; the contact wire goes to DSR</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – nicht vorhanden</source>
        <extracomment>a serial device&apos;s path, then: the device does not exist</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 – nicht geeignet</source>
        <extracomment>a serial device&apos;s path, then: it cannot read contacts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht vorhanden</source>
        <extracomment>state of a serial device: it does not exist</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht geeignet</source>
        <extracomment>state of a serial device: it cannot read contacts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vorhanden</source>
        <extracomment>state of a serial device: it exists</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProtocolRow</name>
    <message>
        <source>Bahn %1: keine Mannschaft gewählt, Zeit %2 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the run time that could not be entered in the time protocol</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahn %1: Mannschaft %2 steht mehrfach im Zeitenprotokoll, Zeit %3 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the team, %3 the run time that could not be entered</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahn %1: Mannschaft %2 nicht im Zeitenprotokoll gefunden (Nr. %3 heißt dort „%4“), Zeit %5 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the team, %3 its number, %4 the name the time protocol has under that number, %5 the run time that could not be entered</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahn %1: Mannschaft %2 nicht im Zeitenprotokoll gefunden, Zeit %3 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the team, %3 the run time that could not be entered</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahn %1: Fehler „%2“ ist keine ganze Zahl ab 0 und wurde auf 0 gesetzt.</source>
        <extracomment>%1 lane number, %2 the typed penalty (Fehler = penalty seconds)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahn %1: Zeit „%2“ ist keine gültige Laufzeit und zählt nicht.</source>
        <extracomment>%1 lane number, %2 the typed run time</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Stages</name>
    <message>
        <source>Vorlauf</source>
        <extracomment>competition stage: heat</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Achtelfinale</source>
        <extracomment>competition stage: round of 16</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viertelfinale</source>
        <extracomment>competition stage: quarter-final</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halbfinale</source>
        <extracomment>competition stage: semi-final</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finale</source>
        <extracomment>competition stage: final</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mannschafts-Datenbank</source>
        <extracomment>list of the registered teams</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitenprotokoll</source>
        <extracomment>list of the run times of every team</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qualifikations-Ergebnis</source>
        <extracomment>result list of the teams that qualified for the next stage</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesamt-Ergebnis</source>
        <extracomment>result list of every team</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnislisten erzeugen</source>
        <extracomment>menu entry: builds the result lists from the time protocol</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <extracomment>the final&apos;s result list</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>window title: the stage or the loaded workbook, then the program&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemErrors</name>
    <message>
        <source>nicht gefunden (Datei oder Ordner gibt es nicht)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerät nicht mehr vorhanden (abgezogen?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>von einem anderen Programm belegt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ist ein Ordner, keine Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler am Gerät (Datenträger oder Adapter defekt oder abgezogen?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gibt es schon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zu viele offene Dateien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (System: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger oder zu wenig Speicher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler beim Lesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler beim Schreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht umbenennen oder kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Antwort in der erwarteten Zeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dateifehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkbookFiles</name>
    <message>
        <source> Speichern...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist keine .%2-Datei und bleibt unverändert. Gespeichert wurde unter:
%3</source>
        <extracomment>%1 the chosen file&apos;s name, %2 the extension it lacks, %3 where the export was written instead</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zn::BoardWindow</name>
    <message>
        <source>Zeit %1</source>
        <extracomment>scoreboard: a lane&apos;s run time</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Fehler %1</source>
        <extracomment>scoreboard: penalty seconds of the run</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Gesamt %1</source>
        <extracomment>scoreboard: run time plus penalty seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzeigetafel</source>
        <extracomment>the scoreboard window for the spectators</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEHLSTART</source>
        <extracomment>scoreboard: false start</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letzter Lauf: </source>
        <extracomment>scoreboard: the previous run of this lane, followed by its team</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bestzeit: %1   </source>
        <extracomment>scoreboard: the best total so far, followed by its team</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auf Bildschirm %1 (%2)</source>
        <extracomment>context menu: show the scoreboard on screen %1 (%2 the screen&apos;s name)</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zn::JournalWindow</name>
    <message>
        <source>Änderungsprotokoll</source>
        <extracomment>window title: the journal of every time and correction</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mannschaft:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle</source>
        <extracomment>filter field placeholder: every team</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als Text speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Textdatei (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF-Datei (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zn::TFormMain</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>keyboard command: false start</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block LS</source>
        <extracomment>keyboard command: blocks the start light barrier (LS = Lichtschranke)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;ilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drucker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Während des Laufs gesperrt: %1 (nach RESET wieder frei)</source>
        <extracomment>%1 the locked command; RESET is the main button that frees the clocks</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein Gerät</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1: keine Berechtigung (Gruppe „%2“)</source>
        <extracomment>status bar: a serial port may not be opened; %2 the system group that may</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 (%2): keine Berechtigung. Abhilfe: Benutzer in die Gruppe „%3“ aufnehmen (sudo usermod -aG %3 $USER) und neu anmelden. Bis dahin Bahn %4 mit der Taste stoppen.</source>
        <extracomment>%2 the device, %3 the system group, %4 the lanes (Bahn) that must be stopped by key</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 nicht geöffnet: Bahn %2 mit der Taste stoppen</source>
        <extracomment>status bar: %2 the lanes (Bahn) that must be stopped by key</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 (%2) nicht geöffnet: %3. Bahn %4 bekommt keine Kontakte; mit der Taste stoppen.</source>
        <extracomment>%2 the device, %3 the reason, %4 the lanes (Bahn) without contacts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> und </source>
        <extracomment>joins two lane numbers: &quot;1 und 2&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Bahn %1: Kontakt innerhalb der Sperrzeit ignoriert</source>
        <extracomment>%1 the lane; the lock-out time after a contact, in which contacts do not count</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Startkontakt ignoriert: Start nicht freigegeben (Alt+S)</source>
        <extracomment>the start contact came while the start was blocked; Alt+S releases it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 ausgefallen: Bahn %2 mit der Taste stoppen</source>
        <extracomment>status bar: a serial port failed; %2 the lanes (Bahn) that must be stopped by key</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 (%2) ausgefallen: %3. Bahn %4 mit der Taste stoppen.</source>
        <extracomment>%2 the device, %3 the reason, %4 the lanes (Bahn)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 (%2) ist wieder da. Neu öffnen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Seite konnte nicht geöffnet werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Datenbank von Vorlauf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahn %1</source>
        <extracomment>caption above a lane: lane 1 or 2 of the track</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenbank laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START-LS blockieren (Alt+S)</source>
        <extracomment>LS = light barrier (Lichtschranke) of the start; Alt+S is the key that toggles the block</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sek.</source>
        <extracomment>unit beside the running clock: seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <extracomment>caption of the shown list before one is chosen: result</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOPP &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOPP &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <extracomment>main button: clears the clocks for the next pair of teams</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fehlstart</source>
        <extracomment>main button: false start</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protokoll speichern unter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei in MS Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktuelle Liste speichern unter MS Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als Webseite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei in MS Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protokoll drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Urkunden drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnisse entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protokolle generieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laufbahn 1. Aus dem Protokoll zu nehmen</source>
        <extracomment>takes the team of lane 1 from the time protocol</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laufbahn 2. Aus dem Protokoll zu nehmen</source>
        <extracomment>takes the team of lane 2 from the time protocol</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 v. %2</source>
        <extracomment>window title: the program&apos;s name and its version (&quot;v.&quot; = version)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beenden?</source>
        <extracomment>question before the program closes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hilfe nicht gefunden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Seite nicht gefunden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF-Datei (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Liste enthält keine Mannschaft: keine Urkunden zu drucken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucker</source>
        <extracomment>the printer set-up command, named in a note that it is locked during a run</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS Excel (*.xlsx *.xlsm *.xls *.ods)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS Excel (*.xlsx);;MS Word (*.docx);;Webseite (*.html);;Textdatei (*.txt)</source>
        <extracomment>file types of the save dialog, in this order; keep the patterns in brackets and the &quot;;;&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Die Mannschaft läuft gerade: Zeile erst nach dem Lauf entfernen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile entfernen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebnisse löschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Fehlstart – nächster Start mit START</source>
        <extracomment>false start; START is the main button that starts the next run</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 (%2) lässt sich nicht öffnen: %3. Bahn %4 bekommt keine Kontakte.</source>
        <extracomment>%2 the device, %3 the reason, %4 the lanes (Bahn) without contacts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Die Auswahl bleibt gespeichert; unter „Geräte …“ lässt sich das Gerät der Schnittstelle ändern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine temporäre Datei möglich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Arbeitsmappe konnte nicht geöffnet werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktuelle Liste speichern unter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Gespeichert: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Dokument konnte nicht geöffnet werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; „%1“ wurde nicht neu geladen, die wiederhergestellten Listen gelten.</source>
        <extracomment>follows a note that the lists were restored from the journal; %1 the workbook named on the command line</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
