<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>BitButtons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <source>&amp;Ignorieren</source>
        <translation>&amp;Ignore</translation>
    </message>
    <message>
        <source>&amp;Alle</source>
        <translation>&amp;All</translation>
    </message>
</context>
<context>
    <name>BoardFeature</name>
    <message>
        <source>Anzeigetafel</source>
        <extracomment>status bar button: the scoreboard for the spectators</extracomment>
        <translation>Spectator board</translation>
    </message>
    <message>
        <source>Die Anzeigetafel für Zuschauer öffnen oder schließen (Strg+T)</source>
        <translation>Open or close the spectator board (Ctrl+T)</translation>
    </message>
</context>
<context>
    <name>CertificateLines</name>
    <message>
        <source>Platz</source>
        <extracomment>certificate line: the team&apos;s rank</extracomment>
        <translation>Place</translation>
    </message>
    <message>
        <source>Mannschaft</source>
        <extracomment>certificate line: the team&apos;s name</extracomment>
        <translation>Team</translation>
    </message>
    <message>
        <source>Klasse</source>
        <extracomment>certificate line: the team&apos;s class (category)</extracomment>
        <translation>Class</translation>
    </message>
    <message>
        <source>Ubungszeit</source>
        <extracomment>certificate line: run time without penalty</extracomment>
        <translation>Run time</translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>certificate line: penalty seconds</extracomment>
        <translation>Penalty</translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <extracomment>certificate line: run time plus penalty seconds</extracomment>
        <translation>Total time</translation>
    </message>
    <message>
        <source>Datum</source>
        <extracomment>certificate line: the date</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <extracomment>certificate line: the workbook&apos;s file name</extracomment>
        <translation>File name</translation>
    </message>
    <message>
        <source>%1. Zeile</source>
        <extracomment>a free text line of the certificate, numbered from 1</extracomment>
        <translation>Line %1</translation>
    </message>
</context>
<context>
    <name>CompetitionJournal</name>
    <message>
        <source>1 Ereignis</source>
        <extracomment>events of the journal (a start, a time, a correction, ...)</extracomment>
        <translation>1 event</translation>
    </message>
    <message>
        <source>Die letzte Sitzung (%1, %2 Uhr, %3) wurde nicht ordnungsgemäß beendet. Daten wiederherstellen?</source>
        <extracomment>%1 date and %2 time of the last event, %3 how many events can be restored</extracomment>
        <translation>The last session (%1, %2, %3) did not end properly. Restore its data?</translation>
    </message>
    <message>
        <source>Änderungsprotokoll</source>
        <extracomment>status bar button: the journal of every time and correction</extracomment>
        <translation>Change log</translation>
    </message>
    <message>
        <source>Alle Zeiten und Korrekturen des Tages (Strg+J)</source>
        <translation>All times and corrections of the day (Ctrl+J)</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll kommt nicht nach (Datenträger langsam).</source>
        <translation>The change log cannot keep up (slow disk).</translation>
    </message>
    <message>
        <source> Wiederhergestellt: %1 aus dem Änderungsprotokoll</source>
        <extracomment>%1 how many events were restored from the journal</extracomment>
        <translation> Restored: %1 from the change log</translation>
    </message>
    <message>
        <source> Die letzte Sitzung bleibt aufbewahrt in %1</source>
        <translation> The last session is kept in %1</translation>
    </message>
    <message>
        <source>Es wird kein Änderungsprotokoll geführt.</source>
        <translation>No change log is being kept.</translation>
    </message>
    <message numerus="yes">
        <source>%n Ereignisse</source>
        <extracomment>events of the journal, never one</extracomment>
        <translation>
            <numerusform>%n event</numerusform>
            <numerusform>%n events</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ContactControl</name>
    <message>
        <source>Die Kontaktsteuerung „%1“ wird schon von einer anderen Zeitnahme bedient; diese nimmt keine Kontakt-Befehle an.</source>
        <translation>The contact control “%1” is already served by another timing console; this one accepts no contact commands.</translation>
    </message>
    <message>
        <source>Die Kontaktsteuerung „%1“ kann nicht eingerichtet werden: %2</source>
        <translation>The contact control “%1” cannot be set up: %2</translation>
    </message>
</context>
<context>
    <name>ContactCounts</name>
    <message>
        <source>Bahn %1: %2 gestoppt, %3 geprellt, %4 außerhalb, zuletzt %5</source>
        <extracomment>start LED tooltip, one lane (Bahn): contacts that stopped it, bounces swallowed by the lock-out, contacts outside a run, the time of the last contact</extracomment>
        <translation>Lane %1: %2 stopped, %3 bounced, %4 outside, last %5</translation>
    </message>
</context>
<context>
    <name>ContactInput</name>
    <message>
        <source>Gerät nicht vorhanden (Adapter nicht eingesteckt?)</source>
        <translation>Device not present (adapter not plugged in?)</translation>
    </message>
    <message>
        <source>von einem anderen Programm belegt</source>
        <translation>in use by another program</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>no permission</translation>
    </message>
    <message>
        <source>meldet keine Modemleitungen, für Kontakte nicht geeignet</source>
        <translation>reports no modem lines, not suitable for contacts</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler am Gerät</source>
        <translation>Input/output error on the device</translation>
    </message>
</context>
<context>
    <name>ContactsFeature</name>
    <message>
        <source>Kontakte</source>
        <extracomment>status bar button: the contacts (timing switches, light barriers) of each lane today</extracomment>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Die Kontakte jeder Bahn heute: gestoppt, geprellt, außerhalb eines Laufs (Strg+K)</source>
        <translation>Each lane’s contacts today: stopped, bounced, outside a run (Ctrl+K)</translation>
    </message>
</context>
<context>
    <name>EventKinds</name>
    <message>
        <source>Listen geladen</source>
        <translation>Lists loaded</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>journal event: a run was started</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Zeit</source>
        <extracomment>journal event: a lane was stopped, its run time taken</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <extracomment>journal event: false start</extracomment>
        <translation>False start</translation>
    </message>
    <message>
        <source>Nächstes Paar</source>
        <extracomment>journal event: the next pair of teams was called (reset)</extracomment>
        <translation>Next pair</translation>
    </message>
    <message>
        <source>Korrektur</source>
        <extracomment>journal event: the operator corrected a recorded value</extracomment>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Zeilen entfernt</source>
        <translation>Rows removed</translation>
    </message>
    <message>
        <source>Ergebnisse gelöscht</source>
        <translation>Results deleted</translation>
    </message>
    <message>
        <source>Ergebnislisten erzeugt</source>
        <translation>Result lists built</translation>
    </message>
    <message>
        <source>Liste gewählt</source>
        <translation>List chosen</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <extracomment>journal event: the settings were changed</extracomment>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Wiederhergestellt</source>
        <translation>Restored</translation>
    </message>
    <message>
        <source>Gespeichert</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Startkontakt ignoriert</source>
        <translation>Start contact ignored</translation>
    </message>
    <message>
        <source>Bahn belegt</source>
        <extracomment>journal event: a team was put on a lane</extracomment>
        <translation>Lane assigned</translation>
    </message>
    <message>
        <source>Dateiname gewählt</source>
        <translation>File name chosen</translation>
    </message>
    <message>
        <source>Nächste Runde</source>
        <extracomment>journal event: the next stage was built from the qualification result</extracomment>
        <translation>Next round</translation>
    </message>
    <message>
        <source>Warnung</source>
        <extracomment>journal event: a stopped time looks wrong and waits for the operator&apos;s check</extracomment>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Zeit bestätigt</source>
        <extracomment>journal event: the operator confirmed a warned run time</extracomment>
        <translation>Time confirmed</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Schreibfehler der Datei: %1</source>
        <translation>Error writing the file: %1</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Das Änderungsprotokoll %1 ist beschädigt (%2) und lässt sich nicht beiseitelegen: %3</source>
        <translation>The change log %1 is damaged (%2) and cannot be set aside: %3</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll %1 war beschädigt (%2). Es wurde unter %3 aufbewahrt; %4 Ereignisse ließen sich noch lesen. Ein neues Änderungsprotokoll wurde begonnen.</source>
        <translation>The change log %1 was damaged (%2). It was kept as %3; %4 events could still be read. A new change log was started.</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll %1 lässt sich nicht lesen: %2</source>
        <translation>The change log %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Datei %1 nicht gefunden</source>
        <translation>File %1 not found</translation>
    </message>
    <message>
        <source>Datenbankfehler</source>
        <translation>Database error</translation>
    </message>
    <message>
        <source>keine lesbare Datenbank</source>
        <translation>not a readable database</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht öffnen</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>%1 (System: %2)</source>
        <translation>%1 (system: %2)</translation>
    </message>
    <message>
        <source>keine Datenbank eines Änderungsprotokolls</source>
        <translation>not a change log database</translation>
    </message>
    <message>
        <source>Write-Ahead-Log nicht verfügbar</source>
        <translation>Write-ahead log not available</translation>
    </message>
    <message>
        <source>Ordner %1: %2</source>
        <translation>Folder %1: %2</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll kann nicht geschrieben werden: %1</source>
        <translation>The change log cannot be written: %1</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll wird nicht geschrieben: %1</source>
        <translation>The change log is not being written: %1</translation>
    </message>
</context>
<context>
    <name>JournalLines</name>
    <message>
        <source>%1 (Kontakt)</source>
        <extracomment>a run time taken by the lane&apos;s contact</extracomment>
        <translation>%1 (contact)</translation>
    </message>
    <message>
        <source>%1 (Taste)</source>
        <extracomment>a run time taken by the operator&apos;s key</extracomment>
        <translation>%1 (key)</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time of day</translation>
    </message>
    <message>
        <source>Ereignis</source>
        <extracomment>journal column: what happened</extracomment>
        <translation>Event</translation>
    </message>
    <message>
        <source>Bahn</source>
        <extracomment>journal column: the lane (1 or 2)</extracomment>
        <translation>Lane</translation>
    </message>
    <message>
        <source>Mannschaft</source>
        <extracomment>journal column: the team</extracomment>
        <translation>Team</translation>
    </message>
    <message>
        <source>Änderung</source>
        <extracomment>journal column: what changed (old and new value, a time, a file name)</extracomment>
        <translation>Change</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Die Sprache der Konsole wählen; sie gilt ab dem nächsten Start</source>
        <translation>Choose the console’s language; it applies from the next start</translation>
    </message>
    <message>
        <source> Die Konsole spricht %1.</source>
        <translation> The console speaks %1.</translation>
    </message>
    <message>
        <source> %1 gilt ab dem nächsten Start des Programms.</source>
        <translation> %1 applies from the next start of the program.</translation>
    </message>
</context>
<context>
    <name>ListHeaders</name>
    <message>
        <source>Mannschaft</source>
        <extracomment>group header above a team&apos;s number, name, class and qualification mark</extracomment>
        <translation>Team</translation>
    </message>
    <message>
        <source>Bahn 1</source>
        <extracomment>group header above lane 1&apos;s run time, penalty and total</extracomment>
        <translation>Lane 1</translation>
    </message>
    <message>
        <source>Bahn 2</source>
        <extracomment>group header above lane 2&apos;s run time, penalty and total</extracomment>
        <translation>Lane 2</translation>
    </message>
    <message>
        <source>Nr.</source>
        <extracomment>column: the team&apos;s start number</extracomment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>column: the team&apos;s name</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Klasse</source>
        <extracomment>column: the team&apos;s class (category, e.g. men, women, youth)</extracomment>
        <translation>Class</translation>
    </message>
    <message>
        <source>Q.</source>
        <extracomment>column, short for qualification: marks the teams that reach the next stage</extracomment>
        <translation>Q.</translation>
    </message>
    <message>
        <source>Zeit</source>
        <extracomment>column: a lane&apos;s run time in seconds</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>column: penalty seconds of a run</extracomment>
        <translation>Penalty</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <extracomment>column: run time plus penalty seconds of one lane</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Bestzeit</source>
        <extracomment>column: the better total of the team&apos;s two runs</extracomment>
        <translation>Best time</translation>
    </message>
    <message>
        <source>Platz</source>
        <extracomment>column of the result lists: rank</extracomment>
        <translation>Place</translation>
    </message>
    <message>
        <source>Übungszeit</source>
        <extracomment>column of the result lists: the counted run&apos;s time without penalty</extracomment>
        <translation>Run time</translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <extracomment>column of the result lists: run time plus penalty seconds</extracomment>
        <translation>Total time</translation>
    </message>
</context>
<context>
    <name>ListSheets</name>
    <message>
        <source>%1 aus Tabelle %2</source>
        <extracomment>%1 a list&apos;s name, %2 the number of the workbook sheet it was loaded from</extracomment>
        <translation>%1 from sheet %2</translation>
    </message>
    <message>
        <source> Tabellen nach ihren Namen geladen, nicht nach ihrer Reihenfolge: %1</source>
        <translation> Sheets loaded by their names, not by their order: %1</translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>Anzeigetafel öffnen/schließen (Strg+T)</source>
        <translation>Open/close the spectator board (Ctrl+T)</translation>
    </message>
    <message>
        <source>Live-Seite im Netz</source>
        <extracomment>menu: serves a web page with the running times to the local network</extracomment>
        <translation>Live page on the network</translation>
    </message>
    <message>
        <source>Port der Live-Seite …</source>
        <translation>Live page port …</translation>
    </message>
    <message>
        <source>Live-Seite</source>
        <translation>Live page</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>network port of the live web page</extracomment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Live-Seite aus: %1</source>
        <extracomment>the live web page could not start; %1 the reason</extracomment>
        <translation>Live page off: %1</translation>
    </message>
    <message>
        <source> Live-Seite: %1</source>
        <translation> Live page: %1</translation>
    </message>
    <message>
        <source>%1 (nur dieser Rechner)</source>
        <extracomment>%1 the live page&apos;s address, reachable from this computer only</extracomment>
        <translation>%1 (this computer only)</translation>
    </message>
    <message>
        <source>Live-Seite (ohne Passwort, für jeden im Netz):
%1</source>
        <translation>Live page (no password, open to everyone on the network):
%1</translation>
    </message>
    <message>
        <source>Zeitnahme – live</source>
        <translation>Timing – live</translation>
    </message>
    <message>
        <source>Keine Verbindung zur Zeitnahme</source>
        <translation>No connection to the timing console</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <extracomment>Shown big on the spectators&apos; page when a team started too early</extracomment>
        <translation>False start</translation>
    </message>
    <message>
        <source>Bahn 1</source>
        <extracomment>Heading of lane 1&apos;s box on the spectators&apos; page</extracomment>
        <translation>Lane 1</translation>
    </message>
    <message>
        <source>Bahn 2</source>
        <extracomment>Heading of lane 2&apos;s box on the spectators&apos; page</extracomment>
        <translation>Lane 2</translation>
    </message>
    <message>
        <source>Zeit</source>
        <extracomment>Column head: the run time</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>Column head: the penalty seconds</extracomment>
        <translation>Penalty</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <extracomment>Column head: run time plus penalty seconds</extracomment>
        <translation>Total</translation>
    </message>
    <message>
        <source>Letzter Lauf</source>
        <extracomment>Heading: the lanes of the run that finished last</extracomment>
        <translation>Last run</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <extracomment>Heading of the ranking&apos;s first places</extracomment>
        <translation>Result</translation>
    </message>
    <message>
        <source>Ganze Ergebnisliste</source>
        <extracomment>Link to the page with the whole result list</extracomment>
        <translation>Whole result list</translation>
    </message>
    <message>
        <source>Bahn </source>
        <extracomment>Followed by the lane number</extracomment>
        <translation>Lane </translation>
    </message>
    <message>
        <source>Fehler </source>
        <extracomment>Followed by the penalty seconds of the last run</extracomment>
        <translation>Penalty </translation>
    </message>
    <message>
        <source>Gesamt </source>
        <extracomment>Followed by the total time (run time plus penalty) of the last run</extracomment>
        <translation>Total </translation>
    </message>
    <message>
        <source>Bestzeit: </source>
        <extracomment>Followed by the day&apos;s best time and its team</extracomment>
        <translation>Best time: </translation>
    </message>
    <message>
        <source>Diese Seite kann nur gelesen werden.</source>
        <translation>This page is read-only.</translation>
    </message>
    <message>
        <source>Diese Seite gibt es nicht. Die Anzeige steht unter „/“.</source>
        <translation>This page does not exist. The board is at “/”.</translation>
    </message>
    <message>
        <source>Anfrage zu groß.</source>
        <translation>Request too large.</translation>
    </message>
    <message>
        <source>Diese Anfrage versteht die Live-Seite nicht.</source>
        <translation>The live page does not understand this request.</translation>
    </message>
</context>
<context>
    <name>LiveServer</name>
    <message>
        <source>Port %1 ist schon belegt: ein anderes Programm nutzt ihn. Bitte einen anderen Port wählen.</source>
        <translation>Port %1 is already taken: another program uses it. Please choose another port.</translation>
    </message>
    <message>
        <source>Port %1 darf dieses Programm nicht öffnen (Ports unter 1024 sind dem System vorbehalten). Bitte einen Port ab 1024 wählen.</source>
        <translation>This program may not open port %1 (ports below 1024 are reserved for the system). Please choose a port from 1024 up.</translation>
    </message>
    <message>
        <source>Port %1 kann nicht geöffnet werden: %2</source>
        <translation>Port %1 cannot be opened: %2</translation>
    </message>
</context>
<context>
    <name>OutputLocation</name>
    <message>
        <source>Ergebnisdateien in %1</source>
        <extracomment>%1 the folder the result files are written to</extracomment>
        <translation>Result files in %1</translation>
    </message>
</context>
<context>
    <name>PortChoice</name>
    <message>
        <source>Kein</source>
        <extracomment>a lane&apos;s port list: no serial port for this lane</extracomment>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>PortLocks</name>
    <message>
        <source>Sperrdatei %1 lässt sich nicht schreiben (%2)</source>
        <translation>Lock file %1 cannot be written (%2)</translation>
    </message>
    <message>
        <source>Sperrdatei %1 lässt sich nicht anlegen (%2)</source>
        <translation>Lock file %1 cannot be created (%2)</translation>
    </message>
    <message>
        <source>Sperrdatei %1 ist nicht lesbar; benutzt kein anderes Programm das Gerät, diese Datei löschen</source>
        <translation>Lock file %1 is not readable; if no other program uses the device, delete this file</translation>
    </message>
    <message>
        <source>belegt von Prozess %1 laut Sperrdatei %2</source>
        <translation>in use by process %1 according to lock file %2</translation>
    </message>
    <message>
        <source>Sperrdatei %1 eines beendeten Programms lässt sich nicht löschen (%2)</source>
        <translation>Lock file %1 of a program that has ended cannot be deleted (%2)</translation>
    </message>
    <message>
        <source>belegt laut Sperrdatei %1</source>
        <translation>in use according to lock file %1</translation>
    </message>
</context>
<context>
    <name>PortPresence</name>
    <message>
        <source>CTS (Pin 7/8) meldet hier nichts, Kontakt an DSR (Pin 4/6) anschließen</source>
        <extracomment>pin numbers of the 9-pin (7/8, 4/6) and 25-pin serial plug; the contact wire goes to DSR</extracomment>
        <translation>CTS (pin 7/8) reports nothing here, connect the contact to DSR (pin 4/6)</translation>
    </message>
    <message>
        <source>%1 – nicht vorhanden</source>
        <extracomment>a serial device&apos;s path, then: the device does not exist</extracomment>
        <translation>%1 – not present</translation>
    </message>
    <message>
        <source>%1 – nicht geeignet</source>
        <extracomment>a serial device&apos;s path, then: it cannot read contacts</extracomment>
        <translation>%1 – not suitable</translation>
    </message>
    <message>
        <source>nicht vorhanden</source>
        <extracomment>state of a serial device: it does not exist</extracomment>
        <translation>not present</translation>
    </message>
    <message>
        <source>nicht geeignet</source>
        <extracomment>state of a serial device: it cannot read contacts</extracomment>
        <translation>not suitable</translation>
    </message>
    <message>
        <source>vorhanden</source>
        <extracomment>state of a serial device: it exists</extracomment>
        <translation>present</translation>
    </message>
</context>
<context>
    <name>ProtocolRow</name>
    <message>
        <source>Bahn %1: keine Mannschaft gewählt, Zeit %2 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the run time that could not be entered in the time protocol</extracomment>
        <translation>Lane %1: no team chosen, please enter time %2 by hand.</translation>
    </message>
    <message>
        <source>Bahn %1: Mannschaft %2 steht mehrfach im Zeitenprotokoll, Zeit %3 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the team, %3 the run time that could not be entered</extracomment>
        <translation>Lane %1: team %2 is in the time protocol more than once, please enter time %3 by hand.</translation>
    </message>
    <message>
        <source>Bahn %1: Mannschaft %2 nicht im Zeitenprotokoll gefunden (Nr. %3 heißt dort „%4“), Zeit %5 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the team, %3 its number, %4 the name the time protocol has under that number, %5 the run time that could not be entered</extracomment>
        <translation>Lane %1: team %2 not found in the time protocol (no. %3 is called “%4” there), please enter time %5 by hand.</translation>
    </message>
    <message>
        <source>Bahn %1: Mannschaft %2 nicht im Zeitenprotokoll gefunden, Zeit %3 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the team, %3 the run time that could not be entered</extracomment>
        <translation>Lane %1: team %2 not found in the time protocol, please enter time %3 by hand.</translation>
    </message>
    <message>
        <source>Bahn %1: Fehler „%2“ ist keine ganze Zahl ab 0 und wurde auf 0 gesetzt.</source>
        <extracomment>%1 lane number, %2 the typed penalty (Fehler = penalty seconds)</extracomment>
        <translation>Lane %1: penalty “%2” is not a whole number from 0 up and was set to 0.</translation>
    </message>
    <message>
        <source>Bahn %1: Zeit „%2“ ist keine gültige Laufzeit und zählt nicht.</source>
        <extracomment>%1 lane number, %2 the typed run time</extracomment>
        <translation>Lane %1: time “%2” is not a valid run time and does not count.</translation>
    </message>
</context>
<context>
    <name>ReaderPriority</name>
    <message>
        <source>unbegrenzt</source>
        <translation>unlimited</translation>
    </message>
    <message>
        <source>RealtimeKit gewährt keine Echtzeit</source>
        <translation>RealtimeKit grants no real-time</translation>
    </message>
    <message>
        <source>RealtimeKit: Zeitgrenze RLIMIT_RTTIME nicht setzbar</source>
        <translation>RealtimeKit: time limit RLIMIT_RTTIME cannot be set</translation>
    </message>
    <message>
        <source>Echtzeit-Priorität (RealtimeKit)</source>
        <translation>Real-time priority (RealtimeKit)</translation>
    </message>
    <message>
        <source>kein Recht auf SCHED_FIFO (rtprio %1)</source>
        <translation>no right to SCHED_FIFO (rtprio %1)</translation>
    </message>
    <message>
        <source>Echtzeit-Priorität (SCHED_FIFO %1)</source>
        <translation>Real-time priority (SCHED_FIFO %1)</translation>
    </message>
    <message>
        <source>kein Recht auf niedrigeren nice-Wert (Limit %1)</source>
        <translation>no right to a lower nice value (limit %1)</translation>
    </message>
    <message>
        <source>erhöhte Priorität (nice %1)</source>
        <translation>raised priority (nice %1)</translation>
    </message>
    <message>
        <source>normale Priorität: %1</source>
        <translation>normal priority: %1</translation>
    </message>
    <message>
        <source>RealtimeKit antwortet nicht</source>
        <translation>RealtimeKit does not answer</translation>
    </message>
    <message>
        <source>RealtimeKit fehlt (kein Systembus)</source>
        <translation>RealtimeKit missing (no system bus)</translation>
    </message>
    <message>
        <source>RealtimeKit fehlt</source>
        <translation>RealtimeKit missing</translation>
    </message>
    <message>
        <source>RealtimeKit lehnt ab</source>
        <translation>RealtimeKit refuses</translation>
    </message>
</context>
<context>
    <name>SerialDevices</name>
    <message>
        <source>COM%1 steht für kein Gerät</source>
        <translation>COM%1 stands for no device</translation>
    </message>
    <message>
        <source>%1 ist die Systemkonsole und wird nicht geöffnet</source>
        <translation>%1 is the system console and is not opened</translation>
    </message>
</context>
<context>
    <name>Stages</name>
    <message>
        <source>Vorlauf</source>
        <extracomment>competition stage: heat</extracomment>
        <translation>Heat</translation>
    </message>
    <message>
        <source>Achtelfinale</source>
        <extracomment>competition stage: round of 16</extracomment>
        <translation>Round of 16</translation>
    </message>
    <message>
        <source>Viertelfinale</source>
        <extracomment>competition stage: quarter-final</extracomment>
        <translation>Quarter-final</translation>
    </message>
    <message>
        <source>Halbfinale</source>
        <extracomment>competition stage: semi-final</extracomment>
        <translation>Semi-final</translation>
    </message>
    <message>
        <source>Finale</source>
        <extracomment>competition stage: final</extracomment>
        <translation>Final</translation>
    </message>
    <message>
        <source>Mannschafts-Datenbank</source>
        <extracomment>list of the registered teams</extracomment>
        <translation>Team database</translation>
    </message>
    <message>
        <source>Zeitenprotokoll</source>
        <extracomment>list of the run times of every team</extracomment>
        <translation>Time protocol</translation>
    </message>
    <message>
        <source>Qualifikations-Ergebnis</source>
        <extracomment>result list of the teams that qualified for the next stage</extracomment>
        <translation>Qualification result</translation>
    </message>
    <message>
        <source>Gesamt-Ergebnis</source>
        <extracomment>result list of every team</extracomment>
        <translation>Overall result</translation>
    </message>
    <message>
        <source>Ergebnislisten erzeugen</source>
        <extracomment>menu entry: builds the result lists from the time protocol</extracomment>
        <translation>Build result lists</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <extracomment>the final&apos;s result list</extracomment>
        <translation>Result</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>window title: the stage or the loaded workbook, then the program&apos;s name</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nächste Runde …</source>
        <extracomment>menu entry: builds the next stage&apos;s lists from this stage&apos;s qualification result</extracomment>
        <translation>Next round …</translation>
    </message>
</context>
<context>
    <name>SystemErrors</name>
    <message>
        <source>nicht gefunden (Datei oder Ordner gibt es nicht)</source>
        <translation>not found (no such file or folder)</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>no permission</translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>Gerät nicht mehr vorhanden (abgezogen?)</source>
        <translation>device no longer present (unplugged?)</translation>
    </message>
    <message>
        <source>von einem anderen Programm belegt</source>
        <translation>in use by another program</translation>
    </message>
    <message>
        <source>ist ein Ordner, keine Datei</source>
        <translation>is a folder, not a file</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>the disk is write-protected</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler am Gerät (Datenträger oder Adapter defekt oder abgezogen?)</source>
        <translation>Input/output error on the device (disk or adapter faulty or unplugged?)</translation>
    </message>
    <message>
        <source>gibt es schon</source>
        <translation>already exists</translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>zu viele offene Dateien</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source> (System: </source>
        <translation> (system: </translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger oder zu wenig Speicher</source>
        <translation>no space left on the disk or not enough memory</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht öffnen</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>Fehler beim Lesen</source>
        <translation>Error while reading</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben</source>
        <translation>Error while writing</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht löschen</source>
        <translation>the file cannot be deleted</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht umbenennen oder kopieren</source>
        <translation>the file cannot be renamed or copied</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>keine Antwort in der erwarteten Zeit</source>
        <translation>no answer within the expected time</translation>
    </message>
    <message>
        <source>Dateifehler</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation>System error %1</translation>
    </message>
</context>
<context>
    <name>TimeWarnings</name>
    <message>
        <source>unter der Mindestzeit</source>
        <extracomment>a run time under the minimum time the operator set for the discipline</extracomment>
        <translation>under the minimum time</translation>
    </message>
    <message>
        <source>beide Bahnen innerhalb 10 ms gestoppt (gemeinsame oder kurzgeschlossene Leitung?)</source>
        <extracomment>both lanes&apos; stop contacts came within 10 ms: one line wired to both, or a short</extracomment>
        <translation>both lanes stopped within 10 ms (shared or short-circuited line?)</translation>
    </message>
    <message>
        <source>Stopp innerhalb 1 s nach dem Start</source>
        <translation>stop within 1 s of the start</translation>
    </message>
    <message>
        <source>Kontakt auf einer Bahn ohne Mannschaft</source>
        <extracomment>a stop contact on a lane (Bahn) that has no team in this run</extracomment>
        <translation>contact on a lane without a team</translation>
    </message>
    <message>
        <source>weniger als die Hälfte der Bestzeit</source>
        <extracomment>the run time is less than half the best time of this stage so far</extracomment>
        <translation>less than half the best time</translation>
    </message>
</context>
<context>
    <name>WordExport</name>
    <message>
        <source>Die Vorlage %1 ist unbrauchbar: %2</source>
        <translation>The template %1 is unusable: %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges XML (%2)</source>
        <translation>%1 is not valid XML (%2)</translation>
    </message>
    <message>
        <source>%1 hat keinen Textkörper</source>
        <translation>%1 has no body</translation>
    </message>
</context>
<context>
    <name>WorkbookFiles</name>
    <message>
        <source> Speichern...</source>
        <translation> Saving...</translation>
    </message>
    <message>
        <source>%1 ist keine .%2-Datei und bleibt unverändert. Gespeichert wurde unter:
%3</source>
        <extracomment>%1 the chosen file&apos;s name, %2 the extension it lacks, %3 where the export was written instead</extracomment>
        <translation>%1 is not a .%2 file and stays unchanged. Saved instead as:
%3</translation>
    </message>
</context>
<context>
    <name>WorkbookImport</name>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Die Tabelle %1 hat mehr als %2 Zeilen; so lang ist keine Liste.</source>
        <translation>Sheet %1 has more than %2 rows; no list is that long.</translation>
    </message>
    <message>
        <source>Formeln ohne gespeicherte Werte – bitte in der Tabellenkalkulation öffnen und speichern</source>
        <translation>Formulas without stored values – please open and save in the spreadsheet program</translation>
    </message>
    <message>
        <source>%1 (aus der %2)</source>
        <translation>%1 (from the %2)</translation>
    </message>
    <message>
        <source>%1 (aus dem %2)</source>
        <translation>%1 (from the %2)</translation>
    </message>
    <message>
        <source> Geladen: %1 aus der Datei; %2 neu angelegt</source>
        <translation> Loaded: %1 from the file; %2 newly created</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>nicht vorhanden</source>
        <translation>not present</translation>
    </message>
    <message>
        <source>nicht ausführbar</source>
        <translation>not executable</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe ist mit einem Kennwort geschützt.</source>
        <translation>The workbook is protected by a password.</translation>
    </message>
    <message>
        <source>Der Teil „content.xml“ ist kein gültiges XML (%1).</source>
        <translation>The part “content.xml” is not valid XML (%1).</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe „%1“ kann nicht geladen werden: %2</source>
        <translation>The workbook “%1” cannot be loaded: %2</translation>
    </message>
    <message>
        <source>Die Tabellen enthalten Zellen, aber keine davon konnte gelesen werden (beschädigte Datei oder unbekannte Form).</source>
        <translation>The sheets contain cells, but none of them could be read (damaged file or unknown form).</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt oder unvollständig (kein lesbares ZIP-Paket).</source>
        <translation>The file is damaged or incomplete (no readable ZIP package).</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geöffnet werden (%1).</source>
        <translation>The file cannot be opened (%1).</translation>
    </message>
    <message>
        <source>Der Teil „%1“ des Pakets ist beschädigt.</source>
        <translation>The part “%1” of the package is damaged.</translation>
    </message>
    <message>
        <source>Der Teil „%1“ fehlt im Paket.</source>
        <translation>The part “%1” is missing from the package.</translation>
    </message>
    <message>
        <source>Der Teil „%1“ ist mit %2 MB zu groß für eine Mannschaftsliste.</source>
        <translation>The part “%1” is %2 MB, too large for a team list.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>That is not a file.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden (%1).</source>
        <translation>The file cannot be read (%1).</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Das ZIP-Paket enthält keine Arbeitsmappe.</source>
        <translation>The ZIP package contains no workbook.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Arbeitsmappe (.xlsx, .ods oder .xls).</source>
        <translation>The file is not a workbook (.xlsx, .ods or .xls).</translation>
    </message>
    <message>
        <source>Die ersten Tabellen der Arbeitsmappe sind leer.</source>
        <translation>The first sheets of the workbook are empty.</translation>
    </message>
    <message>
        <source>Der Speicher reicht für diese Datei nicht.</source>
        <translation>There is not enough memory for this file.</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt (%1).</source>
        <translation>The file is damaged (%1).</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt.</source>
        <translation>The file is damaged.</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe hat keine Tabelle.</source>
        <translation>The workbook has no sheet.</translation>
    </message>
    <message>
        <source>Das Leseprogramm „%1“ kann nicht gestartet werden (%2).</source>
        <translation>The reader program “%1” cannot be started (%2).</translation>
    </message>
    <message>
        <source>Das Leseprogramm ist beim Lesen abgestürzt (Signal %1); die Datei ist beschädigt oder hat eine Form, an der es scheitert.</source>
        <translation>The reader program crashed while reading (signal %1); the file is damaged or has a form it fails on.</translation>
    </message>
    <message>
        <source>Das Leseprogramm war nach %1 Sekunden nicht fertig und wurde beendet.</source>
        <translation>The reader program had not finished after %1 seconds and was stopped.</translation>
    </message>
    <message>
        <source>Das Leseprogramm hat mehr als %1 MB geliefert; so groß ist keine Mannschaftsliste.</source>
        <translation>The reader program delivered more than %1 MB; no team list is that large.</translation>
    </message>
    <message>
        <source>Das Leseprogramm ist beim Lesen abgestürzt (Status %1); die Datei ist beschädigt oder hat eine Form, an der es scheitert.</source>
        <translation>The reader program crashed while reading (status %1); the file is damaged or has a form it fails on.</translation>
    </message>
    <message>
        <source>Das Leseprogramm hat eine unvollständige Antwort gegeben.</source>
        <translation>The reader program gave an incomplete answer.</translation>
    </message>
    <message>
        <source>Die Datei ist keine lesbare Excel-Arbeitsmappe; sie ist beschädigt oder ein anderes Office-Dokument (Code %1).</source>
        <translation>The file is not a readable Excel workbook; it is damaged or another Office document (code %1).</translation>
    </message>
    <message>
        <source>Die Tabellen der Arbeitsmappe sind nicht zu finden.</source>
        <translation>The sheets of the workbook cannot be found.</translation>
    </message>
    <message>
        <source>Die Tabelle %1 ist beschädigt.</source>
        <translation>Sheet %1 is damaged.</translation>
    </message>
    <message>
        <source> Zeitzellen der .xls-Datei nur auf ganze Sekunden gelesen – für Hundertstel als .xlsx oder .ods speichern</source>
        <translation> Time cells of the .xls file read to whole seconds only – save as .xlsx or .ods for hundredths</translation>
    </message>
    <message>
        <source>Der Teil „%1“ ist kein gültiges XML (%2).</source>
        <translation>The part “%1” is not valid XML (%2).</translation>
    </message>
    <message>
        <source>Die Tabelle %1 ist im Paket nicht zu finden.</source>
        <translation>Sheet %1 cannot be found in the package.</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>Die Datei kann nicht angelegt werden</source>
        <translation>The file cannot be created</translation>
    </message>
    <message>
        <source>Nicht genug Arbeitsspeicher</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>Ein Zelltext ist länger als 32.767 Zeichen</source>
        <translation>A cell text is longer than 32,767 characters</translation>
    </message>
    <message>
        <source>Ungültiger Name eines Tabellenblatts</source>
        <translation>Invalid worksheet name</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Arbeitsmappe (%1)</source>
        <translation>Error writing the workbook (%1)</translation>
    </message>
    <message>
        <source>Kein Platz für eine temporäre Datei</source>
        <translation>No room for a temporary file</translation>
    </message>
    <message>
        <source>Die Datei ist keine lesbare Arbeitsmappe</source>
        <translation>The file is not a readable workbook</translation>
    </message>
    <message>
        <source>Das Tabellenblatt %1 ist kein Arbeitsblatt</source>
        <translation>Sheet %1 is not a worksheet</translation>
    </message>
    <message>
        <source>Das Tabellenblatt %1 ist beschädigt</source>
        <translation>Sheet %1 is damaged</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden</source>
        <translation>The file does not exist</translation>
    </message>
    <message>
        <source>Die Datei ist kein Office-Dokument (kein gültiges ZIP-Paket)</source>
        <translation>The file is not an Office document (no valid ZIP package)</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden</source>
        <translation>The file cannot be read</translation>
    </message>
    <message>
        <source>Fehler im ZIP-Paket (%1)</source>
        <translation>Error in the ZIP package (%1)</translation>
    </message>
    <message>
        <source>Der Ordner %1 ist nicht vorhanden</source>
        <translation>The folder %1 does not exist</translation>
    </message>
    <message>
        <source>Keine Schreibrechte im Ordner %1</source>
        <translation>No write permission in the folder %1</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Ordner</source>
        <translation>A folder has this name</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden (%1)</source>
        <translation>The file cannot be read (%1)</translation>
    </message>
    <message>
        <source>Dem Dokument fehlt der Teil %1</source>
        <translation>The document lacks the part %1</translation>
    </message>
    <message>
        <source>Der Teil %1 ist zu groß</source>
        <translation>The part %1 is too large</translation>
    </message>
    <message>
        <source>Der Teil %1 ist beschädigt</source>
        <translation>The part %1 is damaged</translation>
    </message>
</context>
<context>
    <name>zn::BoardWindow</name>
    <message>
        <source>Zeit %1</source>
        <extracomment>scoreboard: a lane&apos;s run time</extracomment>
        <translation>Time %1</translation>
    </message>
    <message>
        <source>   Fehler %1</source>
        <extracomment>scoreboard: penalty seconds of the run</extracomment>
        <translation>   Penalty %1</translation>
    </message>
    <message>
        <source>   Gesamt %1</source>
        <extracomment>scoreboard: run time plus penalty seconds</extracomment>
        <translation>   Total %1</translation>
    </message>
    <message>
        <source>Anzeigetafel</source>
        <extracomment>the scoreboard window for the spectators</extracomment>
        <translation>Spectator board</translation>
    </message>
    <message>
        <source>FEHLSTART</source>
        <extracomment>scoreboard: false start</extracomment>
        <translation>FALSE START</translation>
    </message>
    <message>
        <source>Letzter Lauf: </source>
        <extracomment>scoreboard: the previous run of this lane, followed by its team</extracomment>
        <translation>Last run: </translation>
    </message>
    <message>
        <source>Bestzeit: %1   </source>
        <extracomment>scoreboard: the best total so far, followed by its team</extracomment>
        <translation>Best time: %1   </translation>
    </message>
    <message>
        <source>Auf Bildschirm %1 (%2)</source>
        <extracomment>context menu: show the scoreboard on screen %1 (%2 the screen&apos;s name)</extracomment>
        <translation>On screen %1 (%2)</translation>
    </message>
</context>
<context>
    <name>zn::ContactsWindow</name>
    <message>
        <source>Kontakte der Bahnen</source>
        <extracomment>window title: the contacts (timing switches, light barriers) of each lane</extracomment>
        <translation>Contacts of the lanes</translation>
    </message>
    <message>
        <source>Bahn</source>
        <extracomment>column: the lane (Bahn)</extracomment>
        <translation>Lane</translation>
    </message>
    <message>
        <source>Gestoppt</source>
        <extracomment>column: contacts that stopped the lane&apos;s time</extracomment>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Geprellt</source>
        <extracomment>column: contacts swallowed by the 2 s lock-out after a contact (bouncing)</extracomment>
        <translation>Bounced</translation>
    </message>
    <message>
        <source>Außerhalb eines Laufs</source>
        <extracomment>column: contacts while the lane did not run</extracomment>
        <translation>Outside a run</translation>
    </message>
    <message>
        <source>Leitung in Ruhe gewechselt</source>
        <extracomment>column: changes of the line that were no contact, while nothing ran</extracomment>
        <translation>Line changed at rest</translation>
    </message>
    <message>
        <source>Letzter Kontakt</source>
        <extracomment>column: the time of day of the last contact</extracomment>
        <translation>Last contact</translation>
    </message>
    <message>
        <source>Tick</source>
        <extracomment>column: the last contact&apos;s instant on the console&apos;s millisecond clock</extracomment>
        <translation>Tick</translation>
    </message>
    <message>
        <source>Gezählt am %1</source>
        <extracomment>above the table: the counts are those of this day</extracomment>
        <translation>Counted on %1</translation>
    </message>
    <message>
        <source>Bahn %1 prellt (Kontakte in der Sperrzeit: %2). Kontakt und Kabel prüfen.</source>
        <extracomment>%1 the lane, %2 how many contacts came within the 2 s lock-out after a contact</extracomment>
        <translation>Lane %1 bounces (contacts within the lock-out time: %2). Check the contact and cable.</translation>
    </message>
    <message>
        <source>Bahn %1 löst außerhalb eines Laufs aus (Kontakte ohne laufende Zeit: %2). Kontakt, Kabel und Einstellungen prüfen.</source>
        <extracomment>%1 the lane, %2 how many contacts came while the lane did not run</extracomment>
        <translation>Lane %1 triggers outside a run (contacts without a running time: %2). Check the contact, cable and settings.</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten.</source>
        <extracomment>the contacts of both lanes look fine</extracomment>
        <translation>Nothing unusual.</translation>
    </message>
</context>
<context>
    <name>zn::JournalWindow</name>
    <message>
        <source>Änderungsprotokoll</source>
        <extracomment>window title: the journal of every time and correction</extracomment>
        <translation>Change log</translation>
    </message>
    <message>
        <source>Mannschaft:</source>
        <translation>Team:</translation>
    </message>
    <message>
        <source>alle</source>
        <extracomment>filter field placeholder: every team</extracomment>
        <translation>all</translation>
    </message>
    <message>
        <source>Als Text speichern</source>
        <translation>Save as text</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Textdatei (*.txt)</source>
        <translation>Text file (*.txt)</translation>
    </message>
    <message>
        <source>PDF-Datei (*.pdf)</source>
        <translation>PDF file (*.pdf)</translation>
    </message>
</context>
<context>
    <name>zn::NextRoundDialog</name>
    <message>
        <source>Nächste Runde</source>
        <extracomment>dialog title: the next stage built from this stage&apos;s results</extracomment>
        <translation>Next round</translation>
    </message>
    <message>
        <source>Nächste Stufe:</source>
        <extracomment>the stage the chosen teams go on to</extracomment>
        <translation>Next stage:</translation>
    </message>
    <message>
        <source>Anzahl Mannschaften:</source>
        <translation>Number of teams:</translation>
    </message>
    <message>
        <source>(%1 mit Platz und Zeit)</source>
        <extracomment>%1 how many teams of the result have a place and a time</extracomment>
        <translation>(%1 with place and time)</translation>
    </message>
    <message>
        <source>Reihenfolge der Läufe</source>
        <translation>Running order</translation>
    </message>
    <message>
        <source>Die Besten zuletzt (umgekehrte Platzierung)</source>
        <translation>Best teams last (reverse placing)</translation>
    </message>
    <message>
        <source>Nach Platzierung (Platz 1 zuerst)</source>
        <translation>By placing (place 1 first)</translation>
    </message>
    <message>
        <source>Gesetzte Paare (1 gegen N, 2 gegen N-1, …)</source>
        <extracomment>running order: place 1 runs against the last place taken, 2 against the last but one, ...</extracomment>
        <translation>Seeded pairs (1 against N, 2 against N-1, …)</translation>
    </message>
    <message>
        <source>Gleichstand</source>
        <extracomment>a tie: teams with the same total at the last place that goes on</extracomment>
        <translation>Tie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Gleiche Gesamtzeit %1: %2 der %3 Mannschaften kommen weiter. Bitte wählen (oder alle nehmen).</source>
        <extracomment>%1 the tied teams&apos; total, %2 how many of them go on, %3 how many share it</extracomment>
        <translation>Same total time %1: %2 of the %3 teams go on. Please choose (or take them all).</translation>
    </message>
    <message>
        <source>Platz %1: %2</source>
        <extracomment>a tied team: %1 its place, %2 number and name</extracomment>
        <translation>Place %1: %2</translation>
    </message>
</context>
<context>
    <name>zn::PageSetupDialog</name>
    <message>
        <source>Seite einrichten</source>
        <translation>Page setup</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Time protocol</translation>
    </message>
    <message>
        <source>Urkunden</source>
        <translation>Certificates</translation>
    </message>
</context>
<context>
    <name>zn::PortDevicesDialog</name>
    <message>
        <source>Schnittstellen zuordnen</source>
        <translation>Assign serial ports</translation>
    </message>
    <message>
        <source>Gerät jeder Schnittstelle. Ein Pfad unter /dev/serial/by-id/ bleibt richtig, auch wenn USB-Adapter anders eingesteckt werden.</source>
        <translation>The device of each serial port. A path under /dev/serial/by-id/ stays right even when USB adapters are plugged in differently.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zn::TCfgDialog</name>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Seite ansicht</source>
        <translation>Page preview</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Anschluss</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Ein</source>
        <extracomment>Contact mode of a lane&apos;s stop contact: on</extracomment>
        <translation>On</translation>
    </message>
    <message>
        <source>Aus</source>
        <extracomment>Contact mode of a lane&apos;s stop contact: off</extracomment>
        <translation>Off</translation>
    </message>
    <message>
        <source>Wechseln</source>
        <extracomment>Contact mode of a lane&apos;s stop contact: toggle (every change counts)</extracomment>
        <translation>Toggle</translation>
    </message>
    <message>
        <source>Bahn1:</source>
        <translation>Lane1:</translation>
    </message>
    <message>
        <source>Bahn2:</source>
        <translation>Lane2:</translation>
    </message>
    <message>
        <source>Kontakt:</source>
        <translation>Contact:</translation>
    </message>
    <message>
        <source>Geräte …</source>
        <translation>Devices …</translation>
    </message>
    <message>
        <source>Schnittstellen anderen Geräten zuordnen</source>
        <translation>Assign serial ports to other devices</translation>
    </message>
    <message>
        <source>Urkunde</source>
        <translation>Certificate</translation>
    </message>
    <message>
        <source>Platz</source>
        <extracomment>Certificate line: the team&apos;s rank</extracomment>
        <translation>Place</translation>
    </message>
    <message>
        <source>Mannschaft</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Übungszeit</source>
        <translation>Run time</translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>Certificate line: the team&apos;s penalty seconds</extracomment>
        <translation>Penalty</translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>%1. Zeile</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Zeile:</source>
        <translation>Line:</translation>
    </message>
    <message>
        <source>Links:</source>
        <extracomment>Distance of a certificate line from the left paper edge</extracomment>
        <translation>Left:</translation>
    </message>
    <message>
        <source>Oben:</source>
        <translation>Top:</translation>
    </message>
    <message>
        <source>Links</source>
        <extracomment>Text alignment of a certificate line</extracomment>
        <translation>Left</translation>
    </message>
    <message>
        <source>Zentriert</source>
        <translation>Centred</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Ausrichtung:</source>
        <translation>Alignment:</translation>
    </message>
    <message>
        <source>Papier:</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Farbe …</source>
        <translation>Colour …</translation>
    </message>
    <message>
        <source>Farbe der Zeile wählen</source>
        <translation>Choose the line’s colour</translation>
    </message>
    <message>
        <source>Schriftart – „%1“ fehlt, gedruckt wird „%2“</source>
        <translation>Font – “%1” is missing, “%2” is printed</translation>
    </message>
    <message>
        <source>Farbe der Zeile</source>
        <translation>Line colour</translation>
    </message>
    <message>
        <source>Gedruckt als %1</source>
        <translation>Printed as %1</translation>
    </message>
    <message>
        <source>„%1“ ist auf diesem Rechner nicht installiert und wird als „%2“ gedruckt.</source>
        <translation>“%1” is not installed on this computer and is printed as “%2”.</translation>
    </message>
</context>
<context>
    <name>zn::TFDlgYesNo</name>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>zn::TFormMain</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>keyboard command: false start</extracomment>
        <translation>False start</translation>
    </message>
    <message>
        <source>Stop1</source>
        <translation>Stop1</translation>
    </message>
    <message>
        <source>Stop2</source>
        <translation>Stop2</translation>
    </message>
    <message>
        <source>Block LS</source>
        <extracomment>keyboard command: blocks the start light barrier (LS = Lichtschranke)</extracomment>
        <translation>Block start barrier</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>S&amp;ettings</translation>
    </message>
    <message>
        <source>H&amp;ilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Drucker</source>
        <translation>&amp;Printer</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source> Während des Laufs gesperrt: %1 (nach RESET wieder frei)</source>
        <extracomment>%1 the locked command; RESET is the main button that frees the clocks</extracomment>
        <translation> Locked during the run: %1 (free again after RESET)</translation>
    </message>
    <message>
        <source>kein Gerät</source>
        <translation>no device</translation>
    </message>
    <message>
        <source>COM%1: keine Berechtigung (Gruppe „%2“)</source>
        <extracomment>status bar: a serial port may not be opened; %2 the system group that may</extracomment>
        <translation>COM%1: no permission (group “%2”)</translation>
    </message>
    <message>
        <source>COM%1 (%2): keine Berechtigung. Abhilfe: Benutzer in die Gruppe „%3“ aufnehmen (sudo usermod -aG %3 $USER) und neu anmelden. Bis dahin Bahn %4 mit der Taste stoppen.</source>
        <extracomment>%2 the device, %3 the system group, %4 the lanes (Bahn) that must be stopped by key</extracomment>
        <translation>COM%1 (%2): no permission. Remedy: add the user to the group “%3” (sudo usermod -aG %3 $USER) and log in again. Until then stop lane %4 with the key.</translation>
    </message>
    <message>
        <source>COM%1 nicht geöffnet: Bahn %2 mit der Taste stoppen</source>
        <extracomment>status bar: %2 the lanes (Bahn) that must be stopped by key</extracomment>
        <translation>COM%1 not opened: stop lane %2 with the key</translation>
    </message>
    <message>
        <source>COM%1 (%2) nicht geöffnet: %3. Bahn %4 bekommt keine Kontakte; mit der Taste stoppen.</source>
        <extracomment>%2 the device, %3 the reason, %4 the lanes (Bahn) without contacts</extracomment>
        <translation>COM%1 (%2) not opened: %3. Lane %4 gets no contacts; stop it with the key.</translation>
    </message>
    <message>
        <source> und </source>
        <extracomment>joins two lane numbers: &quot;1 und 2&quot;</extracomment>
        <translation> and </translation>
    </message>
    <message>
        <source> Bahn %1: Kontakt innerhalb der Sperrzeit ignoriert</source>
        <extracomment>%1 the lane; the lock-out time after a contact, in which contacts do not count</extracomment>
        <translation> Lane %1: contact within the lock-out time ignored</translation>
    </message>
    <message>
        <source> Startkontakt ignoriert: Start nicht freigegeben (Alt+S)</source>
        <extracomment>the start contact came while the start was blocked; Alt+S releases it</extracomment>
        <translation> Start contact ignored: start not released (Alt+S)</translation>
    </message>
    <message>
        <source>COM%1 ausgefallen: Bahn %2 mit der Taste stoppen</source>
        <extracomment>status bar: a serial port failed; %2 the lanes (Bahn) that must be stopped by key</extracomment>
        <translation>COM%1 failed: stop lane %2 with the key</translation>
    </message>
    <message>
        <source>COM%1 (%2) ausgefallen: %3. Bahn %4 mit der Taste stoppen.</source>
        <extracomment>%2 the device, %3 the reason, %4 the lanes (Bahn)</extracomment>
        <translation>COM%1 (%2) failed: %3. Stop lane %4 with the key.</translation>
    </message>
    <message>
        <source>COM%1 (%2) ist wieder da. Neu öffnen?</source>
        <translation>COM%1 (%2) is back. Open it again?</translation>
    </message>
    <message>
        <source> Seite konnte nicht geöffnet werden: %1</source>
        <translation> Page could not be opened: %1</translation>
    </message>
    <message>
        <source> Datenbank von Vorlauf</source>
        <translation> Heat database</translation>
    </message>
    <message>
        <source>Bahn %1</source>
        <extracomment>caption above a lane: lane 1 or 2 of the track</extracomment>
        <translation>Lane %1</translation>
    </message>
    <message>
        <source>Datenbank laden</source>
        <translation>Load team database</translation>
    </message>
    <message>
        <source>START-LS blockieren (Alt+S)</source>
        <extracomment>LS = light barrier (Lichtschranke) of the start; Alt+S is the key that toggles the block</extracomment>
        <translation>Block the start light barrier (Alt+S)</translation>
    </message>
    <message>
        <source>Sek.</source>
        <extracomment>unit beside the running clock: seconds</extracomment>
        <translation>sec.</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <extracomment>caption of the shown list before one is chosen: result</extracomment>
        <translation>Result</translation>
    </message>
    <message>
        <source>&amp;START</source>
        <translation>&amp;START</translation>
    </message>
    <message>
        <source>STOPP &amp;1</source>
        <translation>STOP &amp;1</translation>
    </message>
    <message>
        <source>STOPP &amp;2</source>
        <translation>STOP &amp;2</translation>
    </message>
    <message>
        <source>&amp;RESET</source>
        <extracomment>main button: clears the clocks for the next pair of teams</extracomment>
        <translation>&amp;RESET</translation>
    </message>
    <message>
        <source>&amp;Fehlstart</source>
        <extracomment>main button: false start</extracomment>
        <translation>&amp;False start</translation>
    </message>
    <message>
        <source>Protokoll speichern unter</source>
        <translation>Save time protocol as</translation>
    </message>
    <message>
        <source>Datei in MS Excel</source>
        <translation>Open in MS Excel</translation>
    </message>
    <message>
        <source>Aktuelle Liste speichern unter MS Excel</source>
        <translation>Save current list as MS Excel</translation>
    </message>
    <message>
        <source>Als Webseite</source>
        <translation>As web page</translation>
    </message>
    <message>
        <source>Datei in MS Word</source>
        <translation>Open in MS Word</translation>
    </message>
    <message>
        <source>Protokoll drucken</source>
        <translation>Print time protocol</translation>
    </message>
    <message>
        <source>Urkunden drucken</source>
        <translation>Print certificates</translation>
    </message>
    <message>
        <source>Zeile entfernen</source>
        <translation>Remove row</translation>
    </message>
    <message>
        <source>Ergebnisse entfernen</source>
        <translation>Remove results</translation>
    </message>
    <message>
        <source>Protokolle generieren</source>
        <translation>Build result lists</translation>
    </message>
    <message>
        <source>Laufbahn 1. Aus dem Protokoll zu nehmen</source>
        <extracomment>takes the team of lane 1 from the time protocol</extracomment>
        <translation>Lane 1: take the team out of the time protocol</translation>
    </message>
    <message>
        <source>Laufbahn 2. Aus dem Protokoll zu nehmen</source>
        <extracomment>takes the team of lane 2 from the time protocol</extracomment>
        <translation>Lane 2: take the team out of the time protocol</translation>
    </message>
    <message>
        <source>%1 v. %2</source>
        <extracomment>window title: the program&apos;s name and its version (&quot;v.&quot; = version)</extracomment>
        <translation>%1 v. %2</translation>
    </message>
    <message>
        <source>Beenden?</source>
        <extracomment>question before the program closes</extracomment>
        <translation>Exit?</translation>
    </message>
    <message>
        <source> Hilfe nicht gefunden: %1</source>
        <translation> Help not found: %1</translation>
    </message>
    <message>
        <source> Seite nicht gefunden: %1</source>
        <translation> Page not found: %1</translation>
    </message>
    <message>
        <source>PDF-Datei (*.pdf)</source>
        <translation>PDF file (*.pdf)</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Liste enthält keine Mannschaft: keine Urkunden zu drucken.</source>
        <translation>The list contains no team: no certificates to print.</translation>
    </message>
    <message>
        <source>Drucker</source>
        <extracomment>the printer set-up command, named in a note that it is locked during a run</extracomment>
        <translation>Printer</translation>
    </message>
    <message>
        <source>MS Excel (*.xlsx *.xlsm *.xls *.ods)</source>
        <translation>MS Excel (*.xlsx *.xlsm *.xls *.ods)</translation>
    </message>
    <message>
        <source>MS Excel (*.xlsx);;MS Word (*.docx);;Webseite (*.html);;Textdatei (*.txt)</source>
        <extracomment>file types of the save dialog, in this order; keep the patterns in brackets and the &quot;;;&quot;</extracomment>
        <translation>MS Excel (*.xlsx);;MS Word (*.docx);;Web page (*.html);;Text file (*.txt)</translation>
    </message>
    <message>
        <source> Die Mannschaft läuft gerade: Zeile erst nach dem Lauf entfernen.</source>
        <translation> The team is running now: remove the row only after the run.</translation>
    </message>
    <message>
        <source>Zeile entfernen?</source>
        <translation>Remove row?</translation>
    </message>
    <message>
        <source>Ergebnisse löschen?</source>
        <translation>Delete results?</translation>
    </message>
    <message>
        <source> Fehlstart – nächster Start mit START</source>
        <extracomment>false start; START is the main button that starts the next run</extracomment>
        <translation> False start – next start with START</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>COM%1 (%2) lässt sich nicht öffnen: %3. Bahn %4 bekommt keine Kontakte.</source>
        <extracomment>%2 the device, %3 the reason, %4 the lanes (Bahn) without contacts</extracomment>
        <translation>COM%1 (%2) cannot be opened: %3. Lane %4 gets no contacts.</translation>
    </message>
    <message>
        <source>
Die Auswahl bleibt gespeichert; unter „Geräte …“ lässt sich das Gerät der Schnittstelle ändern.</source>
        <translation>
The choice stays saved; the serial port’s device can be changed under “Devices …”.</translation>
    </message>
    <message>
        <source>Keine temporäre Datei möglich</source>
        <translation>No temporary file possible</translation>
    </message>
    <message>
        <source> Arbeitsmappe konnte nicht geöffnet werden: %1</source>
        <translation> Workbook could not be opened: %1</translation>
    </message>
    <message>
        <source>Aktuelle Liste speichern unter %1</source>
        <translation>Save current list as %1</translation>
    </message>
    <message>
        <source> Gespeichert: %1</source>
        <translation> Saved: %1</translation>
    </message>
    <message>
        <source> Dokument konnte nicht geöffnet werden: %1</source>
        <translation> Document could not be opened: %1</translation>
    </message>
    <message>
        <source>; „%1“ wurde nicht neu geladen, die wiederhergestellten Listen gelten.</source>
        <extracomment>follows a note that the lists were restored from the journal; %1 the workbook named on the command line</extracomment>
        <translation>; “%1” was not reloaded, the restored lists apply.</translation>
    </message>
    <message>
        <source>Nächste Runde</source>
        <extracomment>the command&apos;s name in the note that it is locked during a run</extracomment>
        <translation>Next round</translation>
    </message>
    <message>
        <source>Das Qualifikations-Ergebnis hat keine zwei Mannschaften mit Platz und Zeit.
Zuerst die Ergebnislisten erzeugen.</source>
        <translation>The qualification result has no two teams with a place and a time.
Build the result lists first.</translation>
    </message>
    <message>
        <source>Die Zeiten von %1 sind nicht in der Arbeitsmappe gespeichert. Trotzdem die nächste Runde bilden?</source>
        <extracomment>%1 the stage whose times are not saved</extracomment>
        <translation>The times of %1 are not saved in the workbook. Build the next round anyway?</translation>
    </message>
    <message>
        <source>%1 enthält schon Zeiten. Überschreiben?</source>
        <extracomment>%1 the next stage&apos;s workbook, which is already there</extracomment>
        <translation>%1 already holds times. Overwrite?</translation>
    </message>
    <message>
        <source> %1 gebildet: %2</source>
        <extracomment>%1 the stage, %2 the workbook written for it</extracomment>
        <translation> %1 built: %2</translation>
    </message>
    <message>
        <source>Zeit bestätigen (Strg+B)</source>
        <extracomment>keyboard command: the operator confirms a time the console warned about</extracomment>
        <translation>Confirm time (Ctrl+B)</translation>
    </message>
    <message>
        <source>Zeit bestätigen</source>
        <extracomment>context menu of the time protocol: the operator confirms a warned time</extracomment>
        <translation>Confirm time</translation>
    </message>
    <message>
        <source>Mindestzeit …</source>
        <extracomment>context menu: the minimum run time of the discipline, below which a time is warned about</extracomment>
        <translation>Minimum time …</translation>
    </message>
    <message>
        <source>Bahn %1 %2 %3: %4</source>
        <extracomment>a time in doubt: %1 the lane (Bahn), %2 the team, %3 the time, %4 why</extracomment>
        <translation>Lane %1 %2 %3: %4</translation>
    </message>
    <message>
        <source>Bahn %1 %2: %3 (Strg+B)</source>
        <extracomment>status bar: %1 the lane (Bahn), %2 the time in doubt, %3 why; Strg+B confirms it</extracomment>
        <translation>Lane %1 %2: %3 (Ctrl+B)</translation>
    </message>
    <message>
        <source>%1 (und %2 weitere)</source>
        <extracomment>%1 the first warning, %2 how many more are open</extracomment>
        <translation>%1 (and %2 more)</translation>
    </message>
    <message>
        <source>Zeit prüfen, dann bestätigen (Strg+B):</source>
        <extracomment>tooltip over the warnings in the status bar; Strg+B confirms the time</extracomment>
        <translation>Check the time, then confirm (Ctrl+B):</translation>
    </message>
    <message>
        <source>Mindestzeit</source>
        <translation>Minimum time</translation>
    </message>
    <message>
        <source>Zeiten unter dieser Zeit werden markiert (Sekunden, 0 = aus):</source>
        <extracomment>the minimum run time in seconds; a time below it is marked for checking</extracomment>
        <translation>Times below this are marked (seconds, 0 = off):</translation>
    </message>
</context>
<context>
    <name>zn::TFormPP</name>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Ganze Seite</source>
        <translation>Whole page</translation>
    </message>
    <message>
        <source>Seitenbreite</source>
        <translation>Page width</translation>
    </message>
    <message>
        <source>Seitenhohe</source>
        <translation>Page height</translation>
    </message>
    <message>
        <source>Urkunde:</source>
        <translation>Certificate:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Hoch</source>
        <extracomment>Page orientation: portrait</extracomment>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Quer</source>
        <extracomment>Page orientation: landscape</extracomment>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>Papier:</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>PDF speichern</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>Die Seiten als PDF-Datei speichern</source>
        <translation>Save the pages as a PDF file</translation>
    </message>
    <message>
        <source>Der Drucker bietet das Papier „%1“ nicht an.</source>
        <translation>The printer does not offer the paper “%1”.</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für eine weitere Seite: die Vorschau ist unvollständig.</source>
        <translation>Not enough memory for another page: the preview is incomplete.</translation>
    </message>
    <message>
        <source>Die Liste ist zu breit: sie passt in keiner Schriftgröße auf die Seite.</source>
        <translation>The list is too wide: it fits on the page in no font size.</translation>
    </message>
    <message>
        <source>Es ist kein Drucker eingerichtet. Mit „PDF speichern“ lassen sich die Seiten als PDF-Datei sichern, oder im Druckdialog als Drucker „In PDF-Datei drucken“ wählen.</source>
        <translation>No printer is set up. “Save PDF” saves the pages as a PDF file, or choose “Print to File (PDF)” as the printer in the print dialog.</translation>
    </message>
    <message>
        <source>den Bereich, den der Drucker bedrucken kann,</source>
        <extracomment>Fills %1 of &quot;Diese Zeilen der Urkunde reichen über %1 hinaus …&quot;</extracomment>
        <translation>the area the printer can print on</translation>
    </message>
    <message>
        <source>Trotzdem drucken?</source>
        <translation>Print anyway?</translation>
    </message>
    <message>
        <source>Der Druck wurde abgebrochen.</source>
        <translation>Printing was cancelled.</translation>
    </message>
    <message>
        <source>Diese Zeilen der Urkunde reichen über %1 hinaus und würden abgeschnitten: %2.
Bedruckt wird von %3 bis %4 mm von links und von %5 bis %6 mm von oben; in den Einstellungen lassen sich die Zeilen verschieben.

%7</source>
        <translation>These lines of the certificate reach beyond %1 and would be cut off: %2.
The printed area runs from %3 to %4 mm from the left and from %5 to %6 mm from the top; the lines can be moved in the settings.

%7</translation>
    </message>
    <message>
        <source>den Rand des Papiers</source>
        <extracomment>Fills %1 of &quot;Diese Zeilen der Urkunde reichen über %1 hinaus …&quot;</extracomment>
        <translation>the edge of the paper</translation>
    </message>
    <message>
        <source>Trotzdem speichern?</source>
        <translation>Save anyway?</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Saved: %1</translation>
    </message>
</context>
<context>
    <name>zn::TPrintPreview</name>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht geschrieben werden: %2</source>
        <translation>The file “%1” cannot be written: %2</translation>
    </message>
    <message>
        <source>PDF-Ausgabe nicht möglich</source>
        <translation>PDF output not possible</translation>
    </message>
    <message>
        <source>PDF-Ausgabe nicht abgeschlossen</source>
        <translation>PDF output not completed</translation>
    </message>
</context>
<context>
    <name>zn::TSortGrid</name>
    <message>
        <source>Rowsize too small</source>
        <translation>Row size too small</translation>
    </message>
</context>
</TS>
