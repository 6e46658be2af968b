<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="de">
<context>
    <name>BitButtons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>Ná&amp;pověda</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Opakovat</translation>
    </message>
    <message>
        <source>&amp;Ignorieren</source>
        <translation>&amp;Ignorovat</translation>
    </message>
    <message>
        <source>&amp;Alle</source>
        <translation>&amp;Vše</translation>
    </message>
</context>
<context>
    <name>BoardFeature</name>
    <message>
        <source>Anzeigetafel</source>
        <extracomment>status bar button: the scoreboard for the spectators</extracomment>
        <translation>Divácká tabule</translation>
    </message>
    <message>
        <source>Die Anzeigetafel für Zuschauer öffnen oder schließen (Strg+T)</source>
        <translation>Otevřít nebo zavřít tabuli pro diváky (Ctrl+T)</translation>
    </message>
</context>
<context>
    <name>CertificateLines</name>
    <message>
        <source>Platz</source>
        <extracomment>certificate line: the team&apos;s rank</extracomment>
        <translation>Místo</translation>
    </message>
    <message>
        <source>Mannschaft</source>
        <extracomment>certificate line: the team&apos;s name</extracomment>
        <translation>Družstvo</translation>
    </message>
    <message>
        <source>Klasse</source>
        <extracomment>certificate line: the team&apos;s class (category)</extracomment>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Ubungszeit</source>
        <extracomment>certificate line: run time without penalty</extracomment>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>certificate line: penalty seconds</extracomment>
        <translation>Trestné sekundy</translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <extracomment>certificate line: run time plus penalty seconds</extracomment>
        <translation>Celkový čas</translation>
    </message>
    <message>
        <source>Datum</source>
        <extracomment>certificate line: the date</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <extracomment>certificate line: the workbook&apos;s file name</extracomment>
        <translation>Název souboru</translation>
    </message>
    <message>
        <source>%1. Zeile</source>
        <extracomment>a free text line of the certificate, numbered from 1</extracomment>
        <translation>%1. řádek</translation>
    </message>
</context>
<context>
    <name>CompetitionJournal</name>
    <message>
        <source>1 Ereignis</source>
        <extracomment>events of the journal (a start, a time, a correction, ...)</extracomment>
        <translation>1 událost</translation>
    </message>
    <message>
        <source>Die letzte Sitzung (%1, %2 Uhr, %3) wurde nicht ordnungsgemäß beendet. Daten wiederherstellen?</source>
        <extracomment>%1 date and %2 time of the last event, %3 how many events can be restored</extracomment>
        <translation>Poslední relace (%1, %2, %3) nebyla řádně ukončena. Obnovit data?</translation>
    </message>
    <message>
        <source>Änderungsprotokoll</source>
        <extracomment>status bar button: the journal of every time and correction</extracomment>
        <translation>Protokol změn</translation>
    </message>
    <message>
        <source>Alle Zeiten und Korrekturen des Tages (Strg+J)</source>
        <translation>Všechny časy a opravy dne (Ctrl+J)</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll kommt nicht nach (Datenträger langsam).</source>
        <translation>Protokol změn nestíhá zapisovat (pomalý disk).</translation>
    </message>
    <message>
        <source> Wiederhergestellt: %1 aus dem Änderungsprotokoll</source>
        <extracomment>%1 how many events were restored from the journal</extracomment>
        <translation> Obnoveno: %1 z protokolu změn</translation>
    </message>
    <message>
        <source> Die letzte Sitzung bleibt aufbewahrt in %1</source>
        <translation> Poslední relace zůstává uložena v %1</translation>
    </message>
    <message>
        <source>Es wird kein Änderungsprotokoll geführt.</source>
        <translation>Protokol změn se nevede.</translation>
    </message>
    <message numerus="yes">
        <source>%n Ereignisse</source>
        <extracomment>events of the journal, never one</extracomment>
        <translation>
            <numerusform>%n událost</numerusform>
            <numerusform>%n události</numerusform>
            <numerusform>%n událostí</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ContactControl</name>
    <message>
        <source>Die Kontaktsteuerung „%1“ wird schon von einer anderen Zeitnahme bedient; diese nimmt keine Kontakt-Befehle an.</source>
        <translation>Ovládání kontaktů „%1“ už obsluhuje jiná časomíra; tato nepřijímá žádné příkazy kontaktů.</translation>
    </message>
    <message>
        <source>Die Kontaktsteuerung „%1“ kann nicht eingerichtet werden: %2</source>
        <translation>Ovládání kontaktů „%1“ nelze nastavit: %2</translation>
    </message>
</context>
<context>
    <name>ContactCounts</name>
    <message>
        <source>Bahn %1: %2 gestoppt, %3 geprellt, %4 außerhalb, zuletzt %5</source>
        <extracomment>start LED tooltip, one lane (Bahn): contacts that stopped it, bounces swallowed by the lock-out, contacts outside a run, the time of the last contact</extracomment>
        <translation>Dráha %1: zastavení %2, zákmity %3, mimo pokus %4, naposledy %5</translation>
    </message>
</context>
<context>
    <name>ContactInput</name>
    <message>
        <source>Gerät nicht vorhanden (Adapter nicht eingesteckt?)</source>
        <translation>Zařízení neexistuje (adaptér není zapojený?)</translation>
    </message>
    <message>
        <source>von einem anderen Programm belegt</source>
        <translation>obsazeno jiným programem</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>chybí oprávnění</translation>
    </message>
    <message>
        <source>meldet keine Modemleitungen, für Kontakte nicht geeignet</source>
        <translation>nehlásí modemové linky, pro kontakty nevhodné</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler am Gerät</source>
        <translation>Chyba vstupu/výstupu zařízení</translation>
    </message>
</context>
<context>
    <name>ContactsFeature</name>
    <message>
        <source>Kontakte</source>
        <extracomment>status bar button: the contacts (timing switches, light barriers) of each lane today</extracomment>
        <translation>Kontakty</translation>
    </message>
    <message>
        <source>Die Kontakte jeder Bahn heute: gestoppt, geprellt, außerhalb eines Laufs (Strg+K)</source>
        <translation>Kontakty každé dráhy dnes: zastavení, zákmity, mimo pokus (Ctrl+K)</translation>
    </message>
</context>
<context>
    <name>EventKinds</name>
    <message>
        <source>Listen geladen</source>
        <translation>Listiny načteny</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>journal event: a run was started</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Zeit</source>
        <extracomment>journal event: a lane was stopped, its run time taken</extracomment>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <extracomment>journal event: false start</extracomment>
        <translation>Chybný start</translation>
    </message>
    <message>
        <source>Nächstes Paar</source>
        <extracomment>journal event: the next pair of teams was called (reset)</extracomment>
        <translation>Další dvojice</translation>
    </message>
    <message>
        <source>Korrektur</source>
        <extracomment>journal event: the operator corrected a recorded value</extracomment>
        <translation>Oprava</translation>
    </message>
    <message>
        <source>Zeilen entfernt</source>
        <translation>Řádky odebrány</translation>
    </message>
    <message>
        <source>Ergebnisse gelöscht</source>
        <translation>Výsledky smazány</translation>
    </message>
    <message>
        <source>Ergebnislisten erzeugt</source>
        <translation>Výsledkové listiny vytvořeny</translation>
    </message>
    <message>
        <source>Liste gewählt</source>
        <translation>Listina zvolena</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <extracomment>journal event: the settings were changed</extracomment>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Wiederhergestellt</source>
        <translation>Obnoveno</translation>
    </message>
    <message>
        <source>Gespeichert</source>
        <translation>Uloženo</translation>
    </message>
    <message>
        <source>Startkontakt ignoriert</source>
        <translation>Startovní kontakt ignorován</translation>
    </message>
    <message>
        <source>Bahn belegt</source>
        <extracomment>journal event: a team was put on a lane</extracomment>
        <translation>Dráha obsazena</translation>
    </message>
    <message>
        <source>Dateiname gewählt</source>
        <translation>Název souboru zvolen</translation>
    </message>
    <message>
        <source>Nächste Runde</source>
        <extracomment>journal event: the next stage was built from the qualification result</extracomment>
        <translation>Další kolo</translation>
    </message>
    <message>
        <source>Warnung</source>
        <extracomment>journal event: a stopped time looks wrong and waits for the operator&apos;s check</extracomment>
        <translation>Varování</translation>
    </message>
    <message>
        <source>Zeit bestätigt</source>
        <extracomment>journal event: the operator confirmed a warned run time</extracomment>
        <translation>Čas potvrzen</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Schreibfehler der Datei: %1</source>
        <translation>Chyba zápisu souboru: %1</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Das Änderungsprotokoll %1 ist beschädigt (%2) und lässt sich nicht beiseitelegen: %3</source>
        <translation>Protokol změn %1 je poškozený (%2) a nelze jej odložit stranou: %3</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll %1 war beschädigt (%2). Es wurde unter %3 aufbewahrt; %4 Ereignisse ließen sich noch lesen. Ein neues Änderungsprotokoll wurde begonnen.</source>
        <translation>Protokol změn %1 byl poškozený (%2). Byl uschován jako %3; přečíst se dalo ještě událostí: %4. Byl založen nový protokol změn.</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll %1 lässt sich nicht lesen: %2</source>
        <translation>Protokol změn %1 nelze přečíst: %2</translation>
    </message>
    <message>
        <source>Datei %1 nicht gefunden</source>
        <translation>Soubor %1 nenalezen</translation>
    </message>
    <message>
        <source>Datenbankfehler</source>
        <translation>Chyba databáze</translation>
    </message>
    <message>
        <source>keine lesbare Datenbank</source>
        <translation>nečitelná databáze</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht öffnen</source>
        <translation>soubor nelze otevřít</translation>
    </message>
    <message>
        <source>%1 (System: %2)</source>
        <translation>%1 (systém: %2)</translation>
    </message>
    <message>
        <source>keine Datenbank eines Änderungsprotokolls</source>
        <translation>není databáze protokolu změn</translation>
    </message>
    <message>
        <source>Write-Ahead-Log nicht verfügbar</source>
        <translation>Write-Ahead-Log není k dispozici</translation>
    </message>
    <message>
        <source>Ordner %1: %2</source>
        <translation>Složka %1: %2</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll kann nicht geschrieben werden: %1</source>
        <translation>Protokol změn nelze zapsat: %1</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll wird nicht geschrieben: %1</source>
        <translation>Protokol změn se nezapisuje: %1</translation>
    </message>
</context>
<context>
    <name>JournalLines</name>
    <message>
        <source>%1 (Kontakt)</source>
        <extracomment>a run time taken by the lane&apos;s contact</extracomment>
        <translation>%1 (kontakt)</translation>
    </message>
    <message>
        <source>%1 (Taste)</source>
        <extracomment>a run time taken by the operator&apos;s key</extracomment>
        <translation>%1 (klávesa)</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Čas dne</translation>
    </message>
    <message>
        <source>Ereignis</source>
        <extracomment>journal column: what happened</extracomment>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Bahn</source>
        <extracomment>journal column: the lane (1 or 2)</extracomment>
        <translation>Dráha</translation>
    </message>
    <message>
        <source>Mannschaft</source>
        <extracomment>journal column: the team</extracomment>
        <translation>Družstvo</translation>
    </message>
    <message>
        <source>Änderung</source>
        <extracomment>journal column: what changed (old and new value, a time, a file name)</extracomment>
        <translation>Změna</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>Sprache</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Die Sprache der Konsole wählen; sie gilt ab dem nächsten Start</source>
        <translation>Zvolit jazyk konzole; platí od příštího spuštění</translation>
    </message>
    <message>
        <source> Die Konsole spricht %1.</source>
        <translation> Jazyk konzole: %1.</translation>
    </message>
    <message>
        <source> %1 gilt ab dem nächsten Start des Programms.</source>
        <translation> %1 platí od příštího spuštění programu.</translation>
    </message>
</context>
<context>
    <name>ListHeaders</name>
    <message>
        <source>Mannschaft</source>
        <extracomment>group header above a team&apos;s number, name, class and qualification mark</extracomment>
        <translation>Družstvo</translation>
    </message>
    <message>
        <source>Bahn 1</source>
        <extracomment>group header above lane 1&apos;s run time, penalty and total</extracomment>
        <translation>Dráha 1</translation>
    </message>
    <message>
        <source>Bahn 2</source>
        <extracomment>group header above lane 2&apos;s run time, penalty and total</extracomment>
        <translation>Dráha 2</translation>
    </message>
    <message>
        <source>Nr.</source>
        <extracomment>column: the team&apos;s start number</extracomment>
        <translation>Č.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>column: the team&apos;s name</extracomment>
        <translation>Název</translation>
    </message>
    <message>
        <source>Klasse</source>
        <extracomment>column: the team&apos;s class (category, e.g. men, women, youth)</extracomment>
        <translation>Kateg.</translation>
    </message>
    <message>
        <source>Q.</source>
        <extracomment>column, short for qualification: marks the teams that reach the next stage</extracomment>
        <translation>Q.</translation>
    </message>
    <message>
        <source>Zeit</source>
        <extracomment>column: a lane&apos;s run time in seconds</extracomment>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>column: penalty seconds of a run</extracomment>
        <translation>Trest</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <extracomment>column: run time plus penalty seconds of one lane</extracomment>
        <translation>Celkem</translation>
    </message>
    <message>
        <source>Bestzeit</source>
        <extracomment>column: the better total of the team&apos;s two runs</extracomment>
        <translation>Nejl. čas</translation>
    </message>
    <message>
        <source>Platz</source>
        <extracomment>column of the result lists: rank</extracomment>
        <translation>Místo</translation>
    </message>
    <message>
        <source>Übungszeit</source>
        <extracomment>column of the result lists: the counted run&apos;s time without penalty</extracomment>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <extracomment>column of the result lists: run time plus penalty seconds</extracomment>
        <translation>Celkový čas</translation>
    </message>
</context>
<context>
    <name>ListSheets</name>
    <message>
        <source>%1 aus Tabelle %2</source>
        <extracomment>%1 a list&apos;s name, %2 the number of the workbook sheet it was loaded from</extracomment>
        <translation>%1 z listu %2</translation>
    </message>
    <message>
        <source> Tabellen nach ihren Namen geladen, nicht nach ihrer Reihenfolge: %1</source>
        <translation> Listy načteny podle názvů, ne podle pořadí: %1</translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>Anzeigetafel öffnen/schließen (Strg+T)</source>
        <translation>Otevřít/zavřít diváckou tabuli (Ctrl+T)</translation>
    </message>
    <message>
        <source>Live-Seite im Netz</source>
        <extracomment>menu: serves a web page with the running times to the local network</extracomment>
        <translation>Živá stránka v síti</translation>
    </message>
    <message>
        <source>Port der Live-Seite …</source>
        <translation>Port živé stránky …</translation>
    </message>
    <message>
        <source>Live-Seite</source>
        <translation>Živá stránka</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>network port of the live web page</extracomment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Live-Seite aus: %1</source>
        <extracomment>the live web page could not start; %1 the reason</extracomment>
        <translation>Živá stránka vypnuta: %1</translation>
    </message>
    <message>
        <source> Live-Seite: %1</source>
        <translation> Živá stránka: %1</translation>
    </message>
    <message>
        <source>%1 (nur dieser Rechner)</source>
        <extracomment>%1 the live page&apos;s address, reachable from this computer only</extracomment>
        <translation>%1 (jen tento počítač)</translation>
    </message>
    <message>
        <source>Live-Seite (ohne Passwort, für jeden im Netz):
%1</source>
        <translation>Živá stránka (bez hesla, pro každého v síti):
%1</translation>
    </message>
    <message>
        <source>Zeitnahme – live</source>
        <translation>Časomíra – živě</translation>
    </message>
    <message>
        <source>Keine Verbindung zur Zeitnahme</source>
        <translation>Žádné spojení s časomírou</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <extracomment>Shown big on the spectators&apos; page when a team started too early</extracomment>
        <translation>Chybný start</translation>
    </message>
    <message>
        <source>Bahn 1</source>
        <extracomment>Heading of lane 1&apos;s box on the spectators&apos; page</extracomment>
        <translation>Dráha 1</translation>
    </message>
    <message>
        <source>Bahn 2</source>
        <extracomment>Heading of lane 2&apos;s box on the spectators&apos; page</extracomment>
        <translation>Dráha 2</translation>
    </message>
    <message>
        <source>Zeit</source>
        <extracomment>Column head: the run time</extracomment>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>Column head: the penalty seconds</extracomment>
        <translation>Trest</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <extracomment>Column head: run time plus penalty seconds</extracomment>
        <translation>Celkem</translation>
    </message>
    <message>
        <source>Letzter Lauf</source>
        <extracomment>Heading: the lanes of the run that finished last</extracomment>
        <translation>Poslední pokus</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <extracomment>Heading of the ranking&apos;s first places</extracomment>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>Ganze Ergebnisliste</source>
        <extracomment>Link to the page with the whole result list</extracomment>
        <translation>Celá výsledková listina</translation>
    </message>
    <message>
        <source>Bahn </source>
        <extracomment>Followed by the lane number</extracomment>
        <translation>Dráha </translation>
    </message>
    <message>
        <source>Fehler </source>
        <extracomment>Followed by the penalty seconds of the last run</extracomment>
        <translation>Trest </translation>
    </message>
    <message>
        <source>Gesamt </source>
        <extracomment>Followed by the total time (run time plus penalty) of the last run</extracomment>
        <translation>Celkem </translation>
    </message>
    <message>
        <source>Bestzeit: </source>
        <extracomment>Followed by the day&apos;s best time and its team</extracomment>
        <translation>Nejlepší čas: </translation>
    </message>
    <message>
        <source>Diese Seite kann nur gelesen werden.</source>
        <translation>Tuto stránku lze jen číst.</translation>
    </message>
    <message>
        <source>Diese Seite gibt es nicht. Die Anzeige steht unter „/“.</source>
        <translation>Tato stránka neexistuje. Zobrazení je na „/“.</translation>
    </message>
    <message>
        <source>Anfrage zu groß.</source>
        <translation>Požadavek je příliš velký.</translation>
    </message>
    <message>
        <source>Diese Anfrage versteht die Live-Seite nicht.</source>
        <translation>Tomuto požadavku živá stránka nerozumí.</translation>
    </message>
</context>
<context>
    <name>LiveServer</name>
    <message>
        <source>Port %1 ist schon belegt: ein anderes Programm nutzt ihn. Bitte einen anderen Port wählen.</source>
        <translation>Port %1 je už obsazený: používá ho jiný program. Zvolte prosím jiný port.</translation>
    </message>
    <message>
        <source>Port %1 darf dieses Programm nicht öffnen (Ports unter 1024 sind dem System vorbehalten). Bitte einen Port ab 1024 wählen.</source>
        <translation>Port %1 tento program nesmí otevřít (porty pod 1024 jsou vyhrazeny systému). Zvolte prosím port od 1024.</translation>
    </message>
    <message>
        <source>Port %1 kann nicht geöffnet werden: %2</source>
        <translation>Port %1 nelze otevřít: %2</translation>
    </message>
</context>
<context>
    <name>OutputLocation</name>
    <message>
        <source>Ergebnisdateien in %1</source>
        <extracomment>%1 the folder the result files are written to</extracomment>
        <translation>Soubory výsledků v %1</translation>
    </message>
</context>
<context>
    <name>PortChoice</name>
    <message>
        <source>Kein</source>
        <extracomment>a lane&apos;s port list: no serial port for this lane</extracomment>
        <translation>Žádný</translation>
    </message>
</context>
<context>
    <name>PortLocks</name>
    <message>
        <source>Sperrdatei %1 lässt sich nicht schreiben (%2)</source>
        <translation>Zámkový soubor %1 nelze zapsat (%2)</translation>
    </message>
    <message>
        <source>Sperrdatei %1 lässt sich nicht anlegen (%2)</source>
        <translation>Zámkový soubor %1 nelze vytvořit (%2)</translation>
    </message>
    <message>
        <source>Sperrdatei %1 ist nicht lesbar; benutzt kein anderes Programm das Gerät, diese Datei löschen</source>
        <translation>Zámkový soubor %1 nelze přečíst; nepoužívá-li zařízení jiný program, tento soubor smažte</translation>
    </message>
    <message>
        <source>belegt von Prozess %1 laut Sperrdatei %2</source>
        <translation>obsazeno procesem %1 podle zámkového souboru %2</translation>
    </message>
    <message>
        <source>Sperrdatei %1 eines beendeten Programms lässt sich nicht löschen (%2)</source>
        <translation>Zámkový soubor %1 ukončeného programu nelze smazat (%2)</translation>
    </message>
    <message>
        <source>belegt laut Sperrdatei %1</source>
        <translation>obsazeno podle zámkového souboru %1</translation>
    </message>
</context>
<context>
    <name>PortPresence</name>
    <message>
        <source>CTS (Pin 7/8) meldet hier nichts, Kontakt an DSR (Pin 4/6) anschließen</source>
        <extracomment>pin numbers of the 9-pin (7/8, 4/6) and 25-pin serial plug; the contact wire goes to DSR</extracomment>
        <translation>CTS (pin 7/8) zde nic nehlásí, připojte kontakt na DSR (pin 4/6)</translation>
    </message>
    <message>
        <source>%1 – nicht vorhanden</source>
        <extracomment>a serial device&apos;s path, then: the device does not exist</extracomment>
        <translation>%1 – chybí</translation>
    </message>
    <message>
        <source>%1 – nicht geeignet</source>
        <extracomment>a serial device&apos;s path, then: it cannot read contacts</extracomment>
        <translation>%1 – nevhodné</translation>
    </message>
    <message>
        <source>nicht vorhanden</source>
        <extracomment>state of a serial device: it does not exist</extracomment>
        <translation>chybí</translation>
    </message>
    <message>
        <source>nicht geeignet</source>
        <extracomment>state of a serial device: it cannot read contacts</extracomment>
        <translation>nevhodné</translation>
    </message>
    <message>
        <source>vorhanden</source>
        <extracomment>state of a serial device: it exists</extracomment>
        <translation>k dispozici</translation>
    </message>
</context>
<context>
    <name>ProtocolRow</name>
    <message>
        <source>Bahn %1: keine Mannschaft gewählt, Zeit %2 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the run time that could not be entered in the time protocol</extracomment>
        <translation>Dráha %1: není zvoleno družstvo, čas %2 zapište prosím ručně.</translation>
    </message>
    <message>
        <source>Bahn %1: Mannschaft %2 steht mehrfach im Zeitenprotokoll, Zeit %3 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the team, %3 the run time that could not be entered</extracomment>
        <translation>Dráha %1: družstvo %2 je v časovém protokolu vícekrát, čas %3 zapište prosím ručně.</translation>
    </message>
    <message>
        <source>Bahn %1: Mannschaft %2 nicht im Zeitenprotokoll gefunden (Nr. %3 heißt dort „%4“), Zeit %5 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the team, %3 its number, %4 the name the time protocol has under that number, %5 the run time that could not be entered</extracomment>
        <translation>Dráha %1: družstvo %2 nebylo v časovém protokolu nalezeno (č. %3 se tam jmenuje „%4“), čas %5 zapište prosím ručně.</translation>
    </message>
    <message>
        <source>Bahn %1: Mannschaft %2 nicht im Zeitenprotokoll gefunden, Zeit %3 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the team, %3 the run time that could not be entered</extracomment>
        <translation>Dráha %1: družstvo %2 nebylo v časovém protokolu nalezeno, čas %3 zapište prosím ručně.</translation>
    </message>
    <message>
        <source>Bahn %1: Fehler „%2“ ist keine ganze Zahl ab 0 und wurde auf 0 gesetzt.</source>
        <extracomment>%1 lane number, %2 the typed penalty (Fehler = penalty seconds)</extracomment>
        <translation>Dráha %1: trest „%2“ není celé číslo od 0 a byl nastaven na 0.</translation>
    </message>
    <message>
        <source>Bahn %1: Zeit „%2“ ist keine gültige Laufzeit und zählt nicht.</source>
        <extracomment>%1 lane number, %2 the typed run time</extracomment>
        <translation>Dráha %1: čas „%2“ není platný čas pokusu a nepočítá se.</translation>
    </message>
</context>
<context>
    <name>ReaderPriority</name>
    <message>
        <source>unbegrenzt</source>
        <translation>neomezeno</translation>
    </message>
    <message>
        <source>RealtimeKit gewährt keine Echtzeit</source>
        <translation>RealtimeKit neposkytuje reálný čas</translation>
    </message>
    <message>
        <source>RealtimeKit: Zeitgrenze RLIMIT_RTTIME nicht setzbar</source>
        <translation>RealtimeKit: časový limit RLIMIT_RTTIME nelze nastavit</translation>
    </message>
    <message>
        <source>Echtzeit-Priorität (RealtimeKit)</source>
        <translation>Priorita reálného času (RealtimeKit)</translation>
    </message>
    <message>
        <source>kein Recht auf SCHED_FIFO (rtprio %1)</source>
        <translation>chybí právo na SCHED_FIFO (rtprio %1)</translation>
    </message>
    <message>
        <source>Echtzeit-Priorität (SCHED_FIFO %1)</source>
        <translation>Priorita reálného času (SCHED_FIFO %1)</translation>
    </message>
    <message>
        <source>kein Recht auf niedrigeren nice-Wert (Limit %1)</source>
        <translation>chybí právo na nižší hodnotu nice (limit %1)</translation>
    </message>
    <message>
        <source>erhöhte Priorität (nice %1)</source>
        <translation>zvýšená priorita (nice %1)</translation>
    </message>
    <message>
        <source>normale Priorität: %1</source>
        <translation>normální priorita: %1</translation>
    </message>
    <message>
        <source>RealtimeKit antwortet nicht</source>
        <translation>RealtimeKit neodpovídá</translation>
    </message>
    <message>
        <source>RealtimeKit fehlt (kein Systembus)</source>
        <translation>RealtimeKit chybí (není systémová sběrnice)</translation>
    </message>
    <message>
        <source>RealtimeKit fehlt</source>
        <translation>RealtimeKit chybí</translation>
    </message>
    <message>
        <source>RealtimeKit lehnt ab</source>
        <translation>RealtimeKit odmítá</translation>
    </message>
</context>
<context>
    <name>SerialDevices</name>
    <message>
        <source>COM%1 steht für kein Gerät</source>
        <translation>COM%1 neodpovídá žádnému zařízení</translation>
    </message>
    <message>
        <source>%1 ist die Systemkonsole und wird nicht geöffnet</source>
        <translation>%1 je systémová konzole a nebude otevřena</translation>
    </message>
</context>
<context>
    <name>Stages</name>
    <message>
        <source>Vorlauf</source>
        <extracomment>competition stage: heat</extracomment>
        <translation>Rozběh</translation>
    </message>
    <message>
        <source>Achtelfinale</source>
        <extracomment>competition stage: round of 16</extracomment>
        <translation>Osmifinále</translation>
    </message>
    <message>
        <source>Viertelfinale</source>
        <extracomment>competition stage: quarter-final</extracomment>
        <translation>Čtvrtfinále</translation>
    </message>
    <message>
        <source>Halbfinale</source>
        <extracomment>competition stage: semi-final</extracomment>
        <translation>Semifinále</translation>
    </message>
    <message>
        <source>Finale</source>
        <extracomment>competition stage: final</extracomment>
        <translation>Finále</translation>
    </message>
    <message>
        <source>Mannschafts-Datenbank</source>
        <extracomment>list of the registered teams</extracomment>
        <translation>Databáze družstev</translation>
    </message>
    <message>
        <source>Zeitenprotokoll</source>
        <extracomment>list of the run times of every team</extracomment>
        <translation>Časový protokol</translation>
    </message>
    <message>
        <source>Qualifikations-Ergebnis</source>
        <extracomment>result list of the teams that qualified for the next stage</extracomment>
        <translation>Výsledky kvalifikace</translation>
    </message>
    <message>
        <source>Gesamt-Ergebnis</source>
        <extracomment>result list of every team</extracomment>
        <translation>Celkové pořadí</translation>
    </message>
    <message>
        <source>Ergebnislisten erzeugen</source>
        <extracomment>menu entry: builds the result lists from the time protocol</extracomment>
        <translation>Vytvořit výsledkové listiny</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <extracomment>the final&apos;s result list</extracomment>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>window title: the stage or the loaded workbook, then the program&apos;s name</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nächste Runde …</source>
        <extracomment>menu entry: builds the next stage&apos;s lists from this stage&apos;s qualification result</extracomment>
        <translation>Další kolo …</translation>
    </message>
</context>
<context>
    <name>SystemErrors</name>
    <message>
        <source>nicht gefunden (Datei oder Ordner gibt es nicht)</source>
        <translation>nenalezeno (soubor nebo složka neexistuje)</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>chybí oprávnění</translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>na disku už není místo</translation>
    </message>
    <message>
        <source>Gerät nicht mehr vorhanden (abgezogen?)</source>
        <translation>zařízení už není k dispozici (odpojeno?)</translation>
    </message>
    <message>
        <source>von einem anderen Programm belegt</source>
        <translation>obsazeno jiným programem</translation>
    </message>
    <message>
        <source>ist ein Ordner, keine Datei</source>
        <translation>je složka, ne soubor</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>část cesty není složka</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>disk je chráněn proti zápisu</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler am Gerät (Datenträger oder Adapter defekt oder abgezogen?)</source>
        <translation>Chyba vstupu/výstupu zařízení (disk nebo adaptér vadný či odpojený?)</translation>
    </message>
    <message>
        <source>gibt es schon</source>
        <translation>už existuje</translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation>název je příliš dlouhý</translation>
    </message>
    <message>
        <source>zu viele offene Dateien</source>
        <translation>příliš mnoho otevřených souborů</translation>
    </message>
    <message>
        <source> (System: </source>
        <translation> (systém: </translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger oder zu wenig Speicher</source>
        <translation>na disku už není místo nebo je málo paměti</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht öffnen</source>
        <translation>soubor nelze otevřít</translation>
    </message>
    <message>
        <source>Fehler beim Lesen</source>
        <translation>Chyba při čtení</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben</source>
        <translation>Chyba při zápisu</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht löschen</source>
        <translation>soubor nelze smazat</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht umbenennen oder kopieren</source>
        <translation>soubor nelze přejmenovat ani zkopírovat</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>přerušeno</translation>
    </message>
    <message>
        <source>keine Antwort in der erwarteten Zeit</source>
        <translation>žádná odpověď v očekávané době</translation>
    </message>
    <message>
        <source>Dateifehler</source>
        <translation>Chyba souboru</translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation>Systémová chyba %1</translation>
    </message>
</context>
<context>
    <name>TimeWarnings</name>
    <message>
        <source>unter der Mindestzeit</source>
        <extracomment>a run time under the minimum time the operator set for the discipline</extracomment>
        <translation>pod minimálním časem</translation>
    </message>
    <message>
        <source>beide Bahnen innerhalb 10 ms gestoppt (gemeinsame oder kurzgeschlossene Leitung?)</source>
        <extracomment>both lanes&apos; stop contacts came within 10 ms: one line wired to both, or a short</extracomment>
        <translation>obě dráhy zastaveny do 10 ms (společné nebo zkratované vedení?)</translation>
    </message>
    <message>
        <source>Stopp innerhalb 1 s nach dem Start</source>
        <translation>Stop do 1 s po startu</translation>
    </message>
    <message>
        <source>Kontakt auf einer Bahn ohne Mannschaft</source>
        <extracomment>a stop contact on a lane (Bahn) that has no team in this run</extracomment>
        <translation>Kontakt na dráze bez družstva</translation>
    </message>
    <message>
        <source>weniger als die Hälfte der Bestzeit</source>
        <extracomment>the run time is less than half the best time of this stage so far</extracomment>
        <translation>méně než polovina nejlepšího času</translation>
    </message>
</context>
<context>
    <name>WordExport</name>
    <message>
        <source>Die Vorlage %1 ist unbrauchbar: %2</source>
        <translation>Šablona %1 je nepoužitelná: %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges XML (%2)</source>
        <translation>%1 není platné XML (%2)</translation>
    </message>
    <message>
        <source>%1 hat keinen Textkörper</source>
        <translation>%1 nemá tělo textu</translation>
    </message>
</context>
<context>
    <name>WorkbookFiles</name>
    <message>
        <source> Speichern...</source>
        <translation> Ukládání...</translation>
    </message>
    <message>
        <source>%1 ist keine .%2-Datei und bleibt unverändert. Gespeichert wurde unter:
%3</source>
        <extracomment>%1 the chosen file&apos;s name, %2 the extension it lacks, %3 where the export was written instead</extracomment>
        <translation>%1 není soubor .%2 a zůstává beze změny. Uloženo bylo jako:
%3</translation>
    </message>
</context>
<context>
    <name>WorkbookImport</name>
    <message>
        <source> und </source>
        <translation> a </translation>
    </message>
    <message>
        <source>Die Tabelle %1 hat mehr als %2 Zeilen; so lang ist keine Liste.</source>
        <translation>List %1 má více než %2 řádků; tak dlouhá listina neexistuje.</translation>
    </message>
    <message>
        <source>Formeln ohne gespeicherte Werte – bitte in der Tabellenkalkulation öffnen und speichern</source>
        <translation>Vzorce bez uložených hodnot – otevřete a uložte prosím v tabulkovém procesoru</translation>
    </message>
    <message>
        <source>%1 (aus der %2)</source>
        <translation>%1 (ze seznamu: %2)</translation>
    </message>
    <message>
        <source>%1 (aus dem %2)</source>
        <translation>%1 (z protokolu: %2)</translation>
    </message>
    <message>
        <source> Geladen: %1 aus der Datei; %2 neu angelegt</source>
        <translation> Načteno: %1 ze souboru; %2 nově vytvořeno</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>nicht vorhanden</source>
        <translation>neexistuje</translation>
    </message>
    <message>
        <source>nicht ausführbar</source>
        <translation>nelze spustit</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe ist mit einem Kennwort geschützt.</source>
        <translation>Sešit je chráněn heslem.</translation>
    </message>
    <message>
        <source>Der Teil „content.xml“ ist kein gültiges XML (%1).</source>
        <translation>Část „content.xml“ není platné XML (%1).</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe „%1“ kann nicht geladen werden: %2</source>
        <translation>Sešit „%1“ nelze načíst: %2</translation>
    </message>
    <message>
        <source>Die Tabellen enthalten Zellen, aber keine davon konnte gelesen werden (beschädigte Datei oder unbekannte Form).</source>
        <translation>Listy obsahují buňky, ale žádnou z nich se nepodařilo přečíst (poškozený soubor nebo neznámý formát).</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt oder unvollständig (kein lesbares ZIP-Paket).</source>
        <translation>Soubor je poškozený nebo neúplný (nečitelný balík ZIP).</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geöffnet werden (%1).</source>
        <translation>Soubor nelze otevřít (%1).</translation>
    </message>
    <message>
        <source>Der Teil „%1“ des Pakets ist beschädigt.</source>
        <translation>Část „%1“ balíku je poškozená.</translation>
    </message>
    <message>
        <source>Der Teil „%1“ fehlt im Paket.</source>
        <translation>V balíku chybí část „%1“.</translation>
    </message>
    <message>
        <source>Der Teil „%1“ ist mit %2 MB zu groß für eine Mannschaftsliste.</source>
        <translation>Část „%1“ je s %2 MB příliš velká pro seznam družstev.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>Soubor neexistuje.</translation>
    </message>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>To není soubor.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden (%1).</source>
        <translation>Soubor nelze přečíst (%1).</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Soubor je prázdný.</translation>
    </message>
    <message>
        <source>Das ZIP-Paket enthält keine Arbeitsmappe.</source>
        <translation>Balík ZIP neobsahuje sešit.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Arbeitsmappe (.xlsx, .ods oder .xls).</source>
        <translation>Soubor není sešit (.xlsx, .ods nebo .xls).</translation>
    </message>
    <message>
        <source>Die ersten Tabellen der Arbeitsmappe sind leer.</source>
        <translation>První listy sešitu jsou prázdné.</translation>
    </message>
    <message>
        <source>Der Speicher reicht für diese Datei nicht.</source>
        <translation>Na tento soubor nestačí paměť.</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt (%1).</source>
        <translation>Soubor je poškozený (%1).</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt.</source>
        <translation>Soubor je poškozený.</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe hat keine Tabelle.</source>
        <translation>Sešit nemá žádný list.</translation>
    </message>
    <message>
        <source>Das Leseprogramm „%1“ kann nicht gestartet werden (%2).</source>
        <translation>Čtecí program „%1“ nelze spustit (%2).</translation>
    </message>
    <message>
        <source>Das Leseprogramm ist beim Lesen abgestürzt (Signal %1); die Datei ist beschädigt oder hat eine Form, an der es scheitert.</source>
        <translation>Čtecí program při čtení spadl (signál %1); soubor je poškozený nebo má formát, na kterém selhává.</translation>
    </message>
    <message>
        <source>Das Leseprogramm war nach %1 Sekunden nicht fertig und wurde beendet.</source>
        <translation>Čtecí program nebyl hotov ani po %1 s a byl ukončen.</translation>
    </message>
    <message>
        <source>Das Leseprogramm hat mehr als %1 MB geliefert; so groß ist keine Mannschaftsliste.</source>
        <translation>Čtecí program vrátil více než %1 MB; tak velký seznam družstev neexistuje.</translation>
    </message>
    <message>
        <source>Das Leseprogramm ist beim Lesen abgestürzt (Status %1); die Datei ist beschädigt oder hat eine Form, an der es scheitert.</source>
        <translation>Čtecí program při čtení spadl (stav %1); soubor je poškozený nebo má formát, na kterém selhává.</translation>
    </message>
    <message>
        <source>Das Leseprogramm hat eine unvollständige Antwort gegeben.</source>
        <translation>Čtecí program vrátil neúplnou odpověď.</translation>
    </message>
    <message>
        <source>Die Datei ist keine lesbare Excel-Arbeitsmappe; sie ist beschädigt oder ein anderes Office-Dokument (Code %1).</source>
        <translation>Soubor není čitelný sešit Excelu; je poškozený nebo jde o jiný dokument Office (kód %1).</translation>
    </message>
    <message>
        <source>Die Tabellen der Arbeitsmappe sind nicht zu finden.</source>
        <translation>Listy sešitu nelze najít.</translation>
    </message>
    <message>
        <source>Die Tabelle %1 ist beschädigt.</source>
        <translation>List %1 je poškozený.</translation>
    </message>
    <message>
        <source> Zeitzellen der .xls-Datei nur auf ganze Sekunden gelesen – für Hundertstel als .xlsx oder .ods speichern</source>
        <translation> Buňky s časem ze souboru .xls načteny jen na celé sekundy – pro setiny uložte jako .xlsx nebo .ods</translation>
    </message>
    <message>
        <source>Der Teil „%1“ ist kein gültiges XML (%2).</source>
        <translation>Část „%1“ není platné XML (%2).</translation>
    </message>
    <message>
        <source>Die Tabelle %1 ist im Paket nicht zu finden.</source>
        <translation>List %1 v balíku nelze najít.</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>Die Datei kann nicht angelegt werden</source>
        <translation>Soubor nelze vytvořit</translation>
    </message>
    <message>
        <source>Nicht genug Arbeitsspeicher</source>
        <translation>Nedostatek operační paměti</translation>
    </message>
    <message>
        <source>Ein Zelltext ist länger als 32.767 Zeichen</source>
        <translation>Text buňky je delší než 32 767 znaků</translation>
    </message>
    <message>
        <source>Ungültiger Name eines Tabellenblatts</source>
        <translation>Neplatný název listu</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Arbeitsmappe (%1)</source>
        <translation>Chyba při zápisu sešitu (%1)</translation>
    </message>
    <message>
        <source>Kein Platz für eine temporäre Datei</source>
        <translation>Není místo pro dočasný soubor</translation>
    </message>
    <message>
        <source>Die Datei ist keine lesbare Arbeitsmappe</source>
        <translation>Soubor není čitelný sešit</translation>
    </message>
    <message>
        <source>Das Tabellenblatt %1 ist kein Arbeitsblatt</source>
        <translation>List %1 není pracovní list</translation>
    </message>
    <message>
        <source>Das Tabellenblatt %1 ist beschädigt</source>
        <translation>List %1 je poškozený</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden</source>
        <translation>Soubor neexistuje</translation>
    </message>
    <message>
        <source>Die Datei ist kein Office-Dokument (kein gültiges ZIP-Paket)</source>
        <translation>Soubor není dokument Office (neplatný balík ZIP)</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden</source>
        <translation>Soubor nelze přečíst</translation>
    </message>
    <message>
        <source>Fehler im ZIP-Paket (%1)</source>
        <translation>Chyba v balíku ZIP (%1)</translation>
    </message>
    <message>
        <source>Der Ordner %1 ist nicht vorhanden</source>
        <translation>Složka %1 neexistuje</translation>
    </message>
    <message>
        <source>Keine Schreibrechte im Ordner %1</source>
        <translation>Chybí právo zápisu do složky %1</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Ordner</source>
        <translation>Pod tímto názvem existuje složka</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden (%1)</source>
        <translation>Soubor nelze přečíst (%1)</translation>
    </message>
    <message>
        <source>Dem Dokument fehlt der Teil %1</source>
        <translation>Dokumentu chybí část %1</translation>
    </message>
    <message>
        <source>Der Teil %1 ist zu groß</source>
        <translation>Část %1 je příliš velká</translation>
    </message>
    <message>
        <source>Der Teil %1 ist beschädigt</source>
        <translation>Část %1 je poškozená</translation>
    </message>
</context>
<context>
    <name>zn::BoardWindow</name>
    <message>
        <source>Zeit %1</source>
        <extracomment>scoreboard: a lane&apos;s run time</extracomment>
        <translation>Čas %1</translation>
    </message>
    <message>
        <source>   Fehler %1</source>
        <extracomment>scoreboard: penalty seconds of the run</extracomment>
        <translation>   Trest %1</translation>
    </message>
    <message>
        <source>   Gesamt %1</source>
        <extracomment>scoreboard: run time plus penalty seconds</extracomment>
        <translation>   Celkem %1</translation>
    </message>
    <message>
        <source>Anzeigetafel</source>
        <extracomment>the scoreboard window for the spectators</extracomment>
        <translation>Divácká tabule</translation>
    </message>
    <message>
        <source>FEHLSTART</source>
        <extracomment>scoreboard: false start</extracomment>
        <translation>CHYBNÝ START</translation>
    </message>
    <message>
        <source>Letzter Lauf: </source>
        <extracomment>scoreboard: the previous run of this lane, followed by its team</extracomment>
        <translation>Poslední pokus: </translation>
    </message>
    <message>
        <source>Bestzeit: %1   </source>
        <extracomment>scoreboard: the best total so far, followed by its team</extracomment>
        <translation>Nejlepší čas: %1   </translation>
    </message>
    <message>
        <source>Auf Bildschirm %1 (%2)</source>
        <extracomment>context menu: show the scoreboard on screen %1 (%2 the screen&apos;s name)</extracomment>
        <translation>Na obrazovce %1 (%2)</translation>
    </message>
</context>
<context>
    <name>zn::ContactsWindow</name>
    <message>
        <source>Kontakte der Bahnen</source>
        <extracomment>window title: the contacts (timing switches, light barriers) of each lane</extracomment>
        <translation>Kontakty drah</translation>
    </message>
    <message>
        <source>Bahn</source>
        <extracomment>column: the lane (Bahn)</extracomment>
        <translation>Dráha</translation>
    </message>
    <message>
        <source>Gestoppt</source>
        <extracomment>column: contacts that stopped the lane&apos;s time</extracomment>
        <translation>Zastavení</translation>
    </message>
    <message>
        <source>Geprellt</source>
        <extracomment>column: contacts swallowed by the 2 s lock-out after a contact (bouncing)</extracomment>
        <translation>Zákmity</translation>
    </message>
    <message>
        <source>Außerhalb eines Laufs</source>
        <extracomment>column: contacts while the lane did not run</extracomment>
        <translation>Mimo pokus</translation>
    </message>
    <message>
        <source>Leitung in Ruhe gewechselt</source>
        <extracomment>column: changes of the line that were no contact, while nothing ran</extracomment>
        <translation>Změna vedení v klidu</translation>
    </message>
    <message>
        <source>Letzter Kontakt</source>
        <extracomment>column: the time of day of the last contact</extracomment>
        <translation>Poslední kontakt</translation>
    </message>
    <message>
        <source>Tick</source>
        <extracomment>column: the last contact&apos;s instant on the console&apos;s millisecond clock</extracomment>
        <translation>Tik</translation>
    </message>
    <message>
        <source>Gezählt am %1</source>
        <extracomment>above the table: the counts are those of this day</extracomment>
        <translation>Počítáno dne %1</translation>
    </message>
    <message>
        <source>Bahn %1 prellt (Kontakte in der Sperrzeit: %2). Kontakt und Kabel prüfen.</source>
        <extracomment>%1 the lane, %2 how many contacts came within the 2 s lock-out after a contact</extracomment>
        <translation>Dráha %1 zakmitává (kontakty v době blokování: %2). Zkontrolujte kontakt a kabel.</translation>
    </message>
    <message>
        <source>Bahn %1 löst außerhalb eines Laufs aus (Kontakte ohne laufende Zeit: %2). Kontakt, Kabel und Einstellungen prüfen.</source>
        <extracomment>%1 the lane, %2 how many contacts came while the lane did not run</extracomment>
        <translation>Dráha %1 spíná mimo pokus (kontakty bez běžícího času: %2). Zkontrolujte kontakt, kabel a nastavení.</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten.</source>
        <extracomment>the contacts of both lanes look fine</extracomment>
        <translation>Nic neobvyklého.</translation>
    </message>
</context>
<context>
    <name>zn::JournalWindow</name>
    <message>
        <source>Änderungsprotokoll</source>
        <extracomment>window title: the journal of every time and correction</extracomment>
        <translation>Protokol změn</translation>
    </message>
    <message>
        <source>Mannschaft:</source>
        <translation>Družstvo:</translation>
    </message>
    <message>
        <source>alle</source>
        <extracomment>filter field placeholder: every team</extracomment>
        <translation>všechna</translation>
    </message>
    <message>
        <source>Als Text speichern</source>
        <translation>Uložit jako text</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Uložit jako PDF</translation>
    </message>
    <message>
        <source>Textdatei (*.txt)</source>
        <translation>Textový soubor (*.txt)</translation>
    </message>
    <message>
        <source>PDF-Datei (*.pdf)</source>
        <translation>Soubor PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>zn::NextRoundDialog</name>
    <message>
        <source>Nächste Runde</source>
        <extracomment>dialog title: the next stage built from this stage&apos;s results</extracomment>
        <translation>Další kolo</translation>
    </message>
    <message>
        <source>Nächste Stufe:</source>
        <extracomment>the stage the chosen teams go on to</extracomment>
        <translation>Další fáze:</translation>
    </message>
    <message>
        <source>Anzahl Mannschaften:</source>
        <translation>Počet družstev:</translation>
    </message>
    <message>
        <source>(%1 mit Platz und Zeit)</source>
        <extracomment>%1 how many teams of the result have a place and a time</extracomment>
        <translation>(%1 s místem a časem)</translation>
    </message>
    <message>
        <source>Reihenfolge der Läufe</source>
        <translation>Pořadí pokusů</translation>
    </message>
    <message>
        <source>Die Besten zuletzt (umgekehrte Platzierung)</source>
        <translation>Nejlepší naposled (obrácené pořadí)</translation>
    </message>
    <message>
        <source>Nach Platzierung (Platz 1 zuerst)</source>
        <translation>Podle pořadí (1. místo první)</translation>
    </message>
    <message>
        <source>Gesetzte Paare (1 gegen N, 2 gegen N-1, …)</source>
        <extracomment>running order: place 1 runs against the last place taken, 2 against the last but one, ...</extracomment>
        <translation>Nasazené dvojice (1 proti N, 2 proti N-1, …)</translation>
    </message>
    <message>
        <source>Gleichstand</source>
        <extracomment>a tie: teams with the same total at the last place that goes on</extracomment>
        <translation>Shoda časů</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Gleiche Gesamtzeit %1: %2 der %3 Mannschaften kommen weiter. Bitte wählen (oder alle nehmen).</source>
        <extracomment>%1 the tied teams&apos; total, %2 how many of them go on, %3 how many share it</extracomment>
        <translation>Stejný celkový čas %1: postupuje %2 z %3 družstev. Vyberte prosím (nebo vezměte všechna).</translation>
    </message>
    <message>
        <source>Platz %1: %2</source>
        <extracomment>a tied team: %1 its place, %2 number and name</extracomment>
        <translation>Místo %1: %2</translation>
    </message>
</context>
<context>
    <name>zn::PageSetupDialog</name>
    <message>
        <source>Seite einrichten</source>
        <translation>Vzhled stránky</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Papír</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Na výšku</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Na šířku</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Časový protokol</translation>
    </message>
    <message>
        <source>Urkunden</source>
        <translation>Diplomy</translation>
    </message>
</context>
<context>
    <name>zn::PortDevicesDialog</name>
    <message>
        <source>Schnittstellen zuordnen</source>
        <translation>Přiřadit sériové porty</translation>
    </message>
    <message>
        <source>Gerät jeder Schnittstelle. Ein Pfad unter /dev/serial/by-id/ bleibt richtig, auch wenn USB-Adapter anders eingesteckt werden.</source>
        <translation>Zařízení každého sériového portu. Cesta pod /dev/serial/by-id/ zůstane správná, i když se adaptéry USB zapojí jinak.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>zn::TCfgDialog</name>
    <message>
        <source>Einstellungen</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Seite ansicht</source>
        <translation>Náhled stránky</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Nadpis</translation>
    </message>
    <message>
        <source>Anschluss</source>
        <translation>Připojení</translation>
    </message>
    <message>
        <source>Ein</source>
        <extracomment>Contact mode of a lane&apos;s stop contact: on</extracomment>
        <translation>Zap.</translation>
    </message>
    <message>
        <source>Aus</source>
        <extracomment>Contact mode of a lane&apos;s stop contact: off</extracomment>
        <translation>Vyp.</translation>
    </message>
    <message>
        <source>Wechseln</source>
        <extracomment>Contact mode of a lane&apos;s stop contact: toggle (every change counts)</extracomment>
        <translation>Změna</translation>
    </message>
    <message>
        <source>Bahn1:</source>
        <translation>Dráha 1:</translation>
    </message>
    <message>
        <source>Bahn2:</source>
        <translation>Dráha 2:</translation>
    </message>
    <message>
        <source>Kontakt:</source>
        <translation>Kontakt:</translation>
    </message>
    <message>
        <source>Geräte …</source>
        <translation>Zařízení …</translation>
    </message>
    <message>
        <source>Schnittstellen anderen Geräten zuordnen</source>
        <translation>Přiřadit sériovým portům jiná zařízení</translation>
    </message>
    <message>
        <source>Urkunde</source>
        <translation>Diplom</translation>
    </message>
    <message>
        <source>Platz</source>
        <extracomment>Certificate line: the team&apos;s rank</extracomment>
        <translation>Místo</translation>
    </message>
    <message>
        <source>Mannschaft</source>
        <translation>Družstvo</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Übungszeit</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>Certificate line: the team&apos;s penalty seconds</extracomment>
        <translation>Trestné sekundy</translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <translation>Celkový čas</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>Název souboru</translation>
    </message>
    <message>
        <source>%1. Zeile</source>
        <translation>%1. řádek</translation>
    </message>
    <message>
        <source>Zeile:</source>
        <translation>Řádek:</translation>
    </message>
    <message>
        <source>Links:</source>
        <extracomment>Distance of a certificate line from the left paper edge</extracomment>
        <translation>Zleva:</translation>
    </message>
    <message>
        <source>Oben:</source>
        <translation>Shora:</translation>
    </message>
    <message>
        <source>Links</source>
        <extracomment>Text alignment of a certificate line</extracomment>
        <translation>Vlevo</translation>
    </message>
    <message>
        <source>Zentriert</source>
        <translation>Na střed</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Vpravo</translation>
    </message>
    <message>
        <source>Ausrichtung:</source>
        <translation>Zarovnání:</translation>
    </message>
    <message>
        <source>Papier:</source>
        <translation>Papír:</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Písmo</translation>
    </message>
    <message>
        <source>Farbe …</source>
        <translation>Barva …</translation>
    </message>
    <message>
        <source>Farbe der Zeile wählen</source>
        <translation>Zvolit barvu řádku</translation>
    </message>
    <message>
        <source>Schriftart – „%1“ fehlt, gedruckt wird „%2“</source>
        <translation>Písmo – „%1“ chybí, tiskne se „%2“</translation>
    </message>
    <message>
        <source>Farbe der Zeile</source>
        <translation>Barva řádku</translation>
    </message>
    <message>
        <source>Gedruckt als %1</source>
        <translation>Tiskne se jako %1</translation>
    </message>
    <message>
        <source>„%1“ ist auf diesem Rechner nicht installiert und wird als „%2“ gedruckt.</source>
        <translation>„%1“ není na tomto počítači nainstalováno a tiskne se jako „%2“.</translation>
    </message>
</context>
<context>
    <name>zn::TFDlgYesNo</name>
    <message>
        <source>Ja</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Ne</translation>
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
        <translation>Chybný start</translation>
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
        <translation>Blokovat SZ</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Nastavení</translation>
    </message>
    <message>
        <source>H&amp;ilfe</source>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>&amp;Drucker</source>
        <translation>&amp;Tiskárna</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source> Während des Laufs gesperrt: %1 (nach RESET wieder frei)</source>
        <extracomment>%1 the locked command; RESET is the main button that frees the clocks</extracomment>
        <translation> Během pokusu zablokováno: %1 (po RESET opět volné)</translation>
    </message>
    <message>
        <source>kein Gerät</source>
        <translation>žádné zařízení</translation>
    </message>
    <message>
        <source>COM%1: keine Berechtigung (Gruppe „%2“)</source>
        <extracomment>status bar: a serial port may not be opened; %2 the system group that may</extracomment>
        <translation>COM%1: chybí oprávnění (skupina „%2“)</translation>
    </message>
    <message>
        <source>COM%1 (%2): keine Berechtigung. Abhilfe: Benutzer in die Gruppe „%3“ aufnehmen (sudo usermod -aG %3 $USER) und neu anmelden. Bis dahin Bahn %4 mit der Taste stoppen.</source>
        <extracomment>%2 the device, %3 the system group, %4 the lanes (Bahn) that must be stopped by key</extracomment>
        <translation>COM%1 (%2): chybí oprávnění. Náprava: přidat uživatele do skupiny „%3“ (sudo usermod -aG %3 $USER) a znovu se přihlásit. Do té doby zastavujte dráhu %4 klávesou.</translation>
    </message>
    <message>
        <source>COM%1 nicht geöffnet: Bahn %2 mit der Taste stoppen</source>
        <extracomment>status bar: %2 the lanes (Bahn) that must be stopped by key</extracomment>
        <translation>COM%1 neotevřen: dráhu %2 zastavte klávesou</translation>
    </message>
    <message>
        <source>COM%1 (%2) nicht geöffnet: %3. Bahn %4 bekommt keine Kontakte; mit der Taste stoppen.</source>
        <extracomment>%2 the device, %3 the reason, %4 the lanes (Bahn) without contacts</extracomment>
        <translation>COM%1 (%2) neotevřen: %3. Dráha %4 nedostává kontakty; zastavte klávesou.</translation>
    </message>
    <message>
        <source> und </source>
        <extracomment>joins two lane numbers: &quot;1 und 2&quot;</extracomment>
        <translation> a </translation>
    </message>
    <message>
        <source> Bahn %1: Kontakt innerhalb der Sperrzeit ignoriert</source>
        <extracomment>%1 the lane; the lock-out time after a contact, in which contacts do not count</extracomment>
        <translation> Dráha %1: kontakt v době blokování ignorován</translation>
    </message>
    <message>
        <source> Startkontakt ignoriert: Start nicht freigegeben (Alt+S)</source>
        <extracomment>the start contact came while the start was blocked; Alt+S releases it</extracomment>
        <translation> Startovní kontakt ignorován: start není uvolněn (Alt+S)</translation>
    </message>
    <message>
        <source>COM%1 ausgefallen: Bahn %2 mit der Taste stoppen</source>
        <extracomment>status bar: a serial port failed; %2 the lanes (Bahn) that must be stopped by key</extracomment>
        <translation>COM%1 selhal: dráhu %2 zastavte klávesou</translation>
    </message>
    <message>
        <source>COM%1 (%2) ausgefallen: %3. Bahn %4 mit der Taste stoppen.</source>
        <extracomment>%2 the device, %3 the reason, %4 the lanes (Bahn)</extracomment>
        <translation>COM%1 (%2) selhal: %3. Dráhu %4 zastavte klávesou.</translation>
    </message>
    <message>
        <source>COM%1 (%2) ist wieder da. Neu öffnen?</source>
        <translation>COM%1 (%2) je opět k dispozici. Znovu otevřít?</translation>
    </message>
    <message>
        <source> Seite konnte nicht geöffnet werden: %1</source>
        <translation> Stránku nelze otevřít: %1</translation>
    </message>
    <message>
        <source> Datenbank von Vorlauf</source>
        <translation> Databáze rozběhu</translation>
    </message>
    <message>
        <source>Bahn %1</source>
        <extracomment>caption above a lane: lane 1 or 2 of the track</extracomment>
        <translation>Dráha %1</translation>
    </message>
    <message>
        <source>Datenbank laden</source>
        <translation>Načíst databázi</translation>
    </message>
    <message>
        <source>START-LS blockieren (Alt+S)</source>
        <extracomment>LS = light barrier (Lichtschranke) of the start; Alt+S is the key that toggles the block</extracomment>
        <translation>Blokovat startovní závoru (Alt+S)</translation>
    </message>
    <message>
        <source>Sek.</source>
        <extracomment>unit beside the running clock: seconds</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <extracomment>caption of the shown list before one is chosen: result</extracomment>
        <translation>Výsledky</translation>
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
        <translation>&amp;Chybný start</translation>
    </message>
    <message>
        <source>Protokoll speichern unter</source>
        <translation>Uložit protokol jako</translation>
    </message>
    <message>
        <source>Datei in MS Excel</source>
        <translation>Soubor v MS Excel</translation>
    </message>
    <message>
        <source>Aktuelle Liste speichern unter MS Excel</source>
        <translation>Uložit aktuální listinu do MS Excel</translation>
    </message>
    <message>
        <source>Als Webseite</source>
        <translation>Jako webová stránka</translation>
    </message>
    <message>
        <source>Datei in MS Word</source>
        <translation>Soubor v MS Word</translation>
    </message>
    <message>
        <source>Protokoll drucken</source>
        <translation>Tisk protokolu</translation>
    </message>
    <message>
        <source>Urkunden drucken</source>
        <translation>Tisk diplomů</translation>
    </message>
    <message>
        <source>Zeile entfernen</source>
        <translation>Odebrat řádek</translation>
    </message>
    <message>
        <source>Ergebnisse entfernen</source>
        <translation>Odebrat výsledky</translation>
    </message>
    <message>
        <source>Protokolle generieren</source>
        <translation>Vytvořit protokoly</translation>
    </message>
    <message>
        <source>Laufbahn 1. Aus dem Protokoll zu nehmen</source>
        <extracomment>takes the team of lane 1 from the time protocol</extracomment>
        <translation>Dráha 1. Vzít z protokolu</translation>
    </message>
    <message>
        <source>Laufbahn 2. Aus dem Protokoll zu nehmen</source>
        <extracomment>takes the team of lane 2 from the time protocol</extracomment>
        <translation>Dráha 2. Vzít z protokolu</translation>
    </message>
    <message>
        <source>%1 v. %2</source>
        <extracomment>window title: the program&apos;s name and its version (&quot;v.&quot; = version)</extracomment>
        <translation>%1 v. %2</translation>
    </message>
    <message>
        <source>Beenden?</source>
        <extracomment>question before the program closes</extracomment>
        <translation>Ukončit?</translation>
    </message>
    <message>
        <source> Hilfe nicht gefunden: %1</source>
        <translation> Nápověda nenalezena: %1</translation>
    </message>
    <message>
        <source> Seite nicht gefunden: %1</source>
        <translation> Stránka nenalezena: %1</translation>
    </message>
    <message>
        <source>PDF-Datei (*.pdf)</source>
        <translation>Soubor PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Die Liste enthält keine Mannschaft: keine Urkunden zu drucken.</source>
        <translation>Listina neobsahuje žádné družstvo: žádné diplomy k tisku.</translation>
    </message>
    <message>
        <source>Drucker</source>
        <extracomment>the printer set-up command, named in a note that it is locked during a run</extracomment>
        <translation>Tiskárna</translation>
    </message>
    <message>
        <source>MS Excel (*.xlsx *.xlsm *.xls *.ods)</source>
        <translation>MS Excel (*.xlsx *.xlsm *.xls *.ods)</translation>
    </message>
    <message>
        <source>MS Excel (*.xlsx);;MS Word (*.docx);;Webseite (*.html);;Textdatei (*.txt)</source>
        <extracomment>file types of the save dialog, in this order; keep the patterns in brackets and the &quot;;;&quot;</extracomment>
        <translation>MS Excel (*.xlsx);;MS Word (*.docx);;Webová stránka (*.html);;Textový soubor (*.txt)</translation>
    </message>
    <message>
        <source> Die Mannschaft läuft gerade: Zeile erst nach dem Lauf entfernen.</source>
        <translation> Družstvo právě běží: řádek odeberte až po pokusu.</translation>
    </message>
    <message>
        <source>Zeile entfernen?</source>
        <translation>Odebrat řádek?</translation>
    </message>
    <message>
        <source>Ergebnisse löschen?</source>
        <translation>Smazat výsledky?</translation>
    </message>
    <message>
        <source> Fehlstart – nächster Start mit START</source>
        <extracomment>false start; START is the main button that starts the next run</extracomment>
        <translation> Chybný start – další start tlačítkem START</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>COM%1 (%2) lässt sich nicht öffnen: %3. Bahn %4 bekommt keine Kontakte.</source>
        <extracomment>%2 the device, %3 the reason, %4 the lanes (Bahn) without contacts</extracomment>
        <translation>COM%1 (%2) nelze otevřít: %3. Dráha %4 nedostává kontakty.</translation>
    </message>
    <message>
        <source>
Die Auswahl bleibt gespeichert; unter „Geräte …“ lässt sich das Gerät der Schnittstelle ändern.</source>
        <translation>
Výběr zůstává uložen; v „Zařízení …“ lze změnit zařízení sériového portu.</translation>
    </message>
    <message>
        <source>Keine temporäre Datei möglich</source>
        <translation>Dočasný soubor nelze vytvořit</translation>
    </message>
    <message>
        <source> Arbeitsmappe konnte nicht geöffnet werden: %1</source>
        <translation> Sešit nelze otevřít: %1</translation>
    </message>
    <message>
        <source>Aktuelle Liste speichern unter %1</source>
        <translation>Uložit aktuální listinu do %1</translation>
    </message>
    <message>
        <source> Gespeichert: %1</source>
        <translation> Uloženo: %1</translation>
    </message>
    <message>
        <source> Dokument konnte nicht geöffnet werden: %1</source>
        <translation> Dokument nelze otevřít: %1</translation>
    </message>
    <message>
        <source>; „%1“ wurde nicht neu geladen, die wiederhergestellten Listen gelten.</source>
        <extracomment>follows a note that the lists were restored from the journal; %1 the workbook named on the command line</extracomment>
        <translation>; „%1“ nebyl znovu načten, platí obnovené listiny.</translation>
    </message>
    <message>
        <source>Nächste Runde</source>
        <extracomment>the command&apos;s name in the note that it is locked during a run</extracomment>
        <translation>Další kolo</translation>
    </message>
    <message>
        <source>Das Qualifikations-Ergebnis hat keine zwei Mannschaften mit Platz und Zeit.
Zuerst die Ergebnislisten erzeugen.</source>
        <translation>Výsledky kvalifikace nemají ani dvě družstva s místem a časem.
Nejprve vytvořte výsledkové listiny.</translation>
    </message>
    <message>
        <source>Die Zeiten von %1 sind nicht in der Arbeitsmappe gespeichert. Trotzdem die nächste Runde bilden?</source>
        <extracomment>%1 the stage whose times are not saved</extracomment>
        <translation>Časy fáze %1 nejsou uloženy v sešitu. Přesto sestavit další kolo?</translation>
    </message>
    <message>
        <source>%1 enthält schon Zeiten. Überschreiben?</source>
        <extracomment>%1 the next stage&apos;s workbook, which is already there</extracomment>
        <translation>%1 už obsahuje časy. Přepsat?</translation>
    </message>
    <message>
        <source> %1 gebildet: %2</source>
        <extracomment>%1 the stage, %2 the workbook written for it</extracomment>
        <translation> Sestaveno %1: %2</translation>
    </message>
    <message>
        <source>Zeit bestätigen (Strg+B)</source>
        <extracomment>keyboard command: the operator confirms a time the console warned about</extracomment>
        <translation>Potvrdit čas (Ctrl+B)</translation>
    </message>
    <message>
        <source>Zeit bestätigen</source>
        <extracomment>context menu of the time protocol: the operator confirms a warned time</extracomment>
        <translation>Potvrdit čas</translation>
    </message>
    <message>
        <source>Mindestzeit …</source>
        <extracomment>context menu: the minimum run time of the discipline, below which a time is warned about</extracomment>
        <translation>Minimální čas …</translation>
    </message>
    <message>
        <source>Bahn %1 %2 %3: %4</source>
        <extracomment>a time in doubt: %1 the lane (Bahn), %2 the team, %3 the time, %4 why</extracomment>
        <translation>Dráha %1 %2 %3: %4</translation>
    </message>
    <message>
        <source>Bahn %1 %2: %3 (Strg+B)</source>
        <extracomment>status bar: %1 the lane (Bahn), %2 the time in doubt, %3 why; Strg+B confirms it</extracomment>
        <translation>Dráha %1 %2: %3 (Ctrl+B)</translation>
    </message>
    <message>
        <source>%1 (und %2 weitere)</source>
        <extracomment>%1 the first warning, %2 how many more are open</extracomment>
        <translation>%1 (a další: %2)</translation>
    </message>
    <message>
        <source>Zeit prüfen, dann bestätigen (Strg+B):</source>
        <extracomment>tooltip over the warnings in the status bar; Strg+B confirms the time</extracomment>
        <translation>Zkontrolujte čas, pak potvrďte (Ctrl+B):</translation>
    </message>
    <message>
        <source>Mindestzeit</source>
        <translation>Minimální čas</translation>
    </message>
    <message>
        <source>Zeiten unter dieser Zeit werden markiert (Sekunden, 0 = aus):</source>
        <extracomment>the minimum run time in seconds; a time below it is marked for checking</extracomment>
        <translation>Časy pod touto hodnotou se označí (sekundy, 0 = vypnuto):</translation>
    </message>
</context>
<context>
    <name>zn::TFormPP</name>
    <message>
        <source>Ansicht</source>
        <translation>Náhled</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zvětšení:</translation>
    </message>
    <message>
        <source>Ganze Seite</source>
        <translation>Celá stránka</translation>
    </message>
    <message>
        <source>Seitenbreite</source>
        <translation>Šířka stránky</translation>
    </message>
    <message>
        <source>Seitenhohe</source>
        <translation>Výška stránky</translation>
    </message>
    <message>
        <source>Urkunde:</source>
        <translation>Diplom:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formát:</translation>
    </message>
    <message>
        <source>Hoch</source>
        <extracomment>Page orientation: portrait</extracomment>
        <translation>Na výšku</translation>
    </message>
    <message>
        <source>Quer</source>
        <extracomment>Page orientation: landscape</extracomment>
        <translation>Na šířku</translation>
    </message>
    <message>
        <source>Papier:</source>
        <translation>Papír:</translation>
    </message>
    <message>
        <source>PDF speichern</source>
        <translation>Uložit PDF</translation>
    </message>
    <message>
        <source>Die Seiten als PDF-Datei speichern</source>
        <translation>Uložit stránky jako soubor PDF</translation>
    </message>
    <message>
        <source>Der Drucker bietet das Papier „%1“ nicht an.</source>
        <translation>Tiskárna nenabízí papír „%1“.</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für eine weitere Seite: die Vorschau ist unvollständig.</source>
        <translation>Nedostatek paměti pro další stránku: náhled je neúplný.</translation>
    </message>
    <message>
        <source>Die Liste ist zu breit: sie passt in keiner Schriftgröße auf die Seite.</source>
        <translation>Listina je příliš široká: nevejde se na stránku v žádné velikosti písma.</translation>
    </message>
    <message>
        <source>Es ist kein Drucker eingerichtet. Mit „PDF speichern“ lassen sich die Seiten als PDF-Datei sichern, oder im Druckdialog als Drucker „In PDF-Datei drucken“ wählen.</source>
        <translation>Není nastavena žádná tiskárna. Tlačítkem „Uložit PDF“ lze stránky uložit jako soubor PDF, nebo v dialogu tisku zvolte tiskárnu „Tisk do souboru PDF“.</translation>
    </message>
    <message>
        <source>den Bereich, den der Drucker bedrucken kann,</source>
        <extracomment>Fills %1 of &quot;Diese Zeilen der Urkunde reichen über %1 hinaus …&quot;</extracomment>
        <translation>oblast, kterou tiskárna dokáže potisknout,</translation>
    </message>
    <message>
        <source>Trotzdem drucken?</source>
        <translation>Přesto tisknout?</translation>
    </message>
    <message>
        <source>Der Druck wurde abgebrochen.</source>
        <translation>Tisk byl přerušen.</translation>
    </message>
    <message>
        <source>Diese Zeilen der Urkunde reichen über %1 hinaus und würden abgeschnitten: %2.
Bedruckt wird von %3 bis %4 mm von links und von %5 bis %6 mm von oben; in den Einstellungen lassen sich die Zeilen verschieben.

%7</source>
        <translation>Tyto řádky diplomu přesahují %1 a byly by oříznuty: %2.
Tiskne se od %3 do %4 mm zleva a od %5 do %6 mm shora; v nastavení lze řádky posunout.

%7</translation>
    </message>
    <message>
        <source>den Rand des Papiers</source>
        <extracomment>Fills %1 of &quot;Diese Zeilen der Urkunde reichen über %1 hinaus …&quot;</extracomment>
        <translation>okraj papíru</translation>
    </message>
    <message>
        <source>Trotzdem speichern?</source>
        <translation>Přesto uložit?</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Uloženo: %1</translation>
    </message>
</context>
<context>
    <name>zn::TPrintPreview</name>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht geschrieben werden: %2</source>
        <translation>Soubor „%1“ nelze zapsat: %2</translation>
    </message>
    <message>
        <source>PDF-Ausgabe nicht möglich</source>
        <translation>Výstup do PDF není možný</translation>
    </message>
    <message>
        <source>PDF-Ausgabe nicht abgeschlossen</source>
        <translation>Výstup do PDF nedokončen</translation>
    </message>
</context>
<context>
    <name>zn::TSortGrid</name>
    <message>
        <source>Rowsize too small</source>
        <translation>Výška řádku je příliš malá</translation>
    </message>
</context>
</TS>
