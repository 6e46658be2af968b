<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="de">
<context>
    <name>BitButtons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>Powtó&amp;rz</translation>
    </message>
    <message>
        <source>&amp;Ignorieren</source>
        <translation>&amp;Ignoruj</translation>
    </message>
    <message>
        <source>&amp;Alle</source>
        <translation>&amp;Wszystkie</translation>
    </message>
</context>
<context>
    <name>BoardFeature</name>
    <message>
        <source>Anzeigetafel</source>
        <extracomment>status bar button: the scoreboard for the spectators</extracomment>
        <translation>Tablica</translation>
    </message>
    <message>
        <source>Die Anzeigetafel für Zuschauer öffnen oder schließen (Strg+T)</source>
        <translation>Otwórz lub zamknij tablicę dla widzów (Ctrl+T)</translation>
    </message>
</context>
<context>
    <name>CertificateLines</name>
    <message>
        <source>Platz</source>
        <extracomment>certificate line: the team&apos;s rank</extracomment>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Mannschaft</source>
        <extracomment>certificate line: the team&apos;s name</extracomment>
        <translation>Drużyna</translation>
    </message>
    <message>
        <source>Klasse</source>
        <extracomment>certificate line: the team&apos;s class (category)</extracomment>
        <translation>Kategoria</translation>
    </message>
    <message>
        <source>Ubungszeit</source>
        <extracomment>certificate line: run time without penalty</extracomment>
        <translation>Czas ćwiczenia</translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>certificate line: penalty seconds</extracomment>
        <translation>Punkty karne</translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <extracomment>certificate line: run time plus penalty seconds</extracomment>
        <translation>Czas łączny</translation>
    </message>
    <message>
        <source>Datum</source>
        <extracomment>certificate line: the date</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <extracomment>certificate line: the workbook&apos;s file name</extracomment>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>%1. Zeile</source>
        <extracomment>a free text line of the certificate, numbered from 1</extracomment>
        <translation>Wiersz %1</translation>
    </message>
</context>
<context>
    <name>CompetitionJournal</name>
    <message>
        <source>1 Ereignis</source>
        <extracomment>events of the journal (a start, a time, a correction, ...)</extracomment>
        <translation>1 zdarzenie</translation>
    </message>
    <message>
        <source>Die letzte Sitzung (%1, %2 Uhr, %3) wurde nicht ordnungsgemäß beendet. Daten wiederherstellen?</source>
        <extracomment>%1 date and %2 time of the last event, %3 how many events can be restored</extracomment>
        <translation>Ostatnia sesja (%1, godz. %2, %3) nie została prawidłowo zakończona. Przywrócić dane?</translation>
    </message>
    <message>
        <source>Änderungsprotokoll</source>
        <extracomment>status bar button: the journal of every time and correction</extracomment>
        <translation>Dziennik zmian</translation>
    </message>
    <message>
        <source>Alle Zeiten und Korrekturen des Tages (Strg+J)</source>
        <translation>Wszystkie czasy i poprawki z dnia (Ctrl+J)</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll kommt nicht nach (Datenträger langsam).</source>
        <translation>Dziennik zmian nie nadąża z zapisem (wolny nośnik).</translation>
    </message>
    <message>
        <source> Wiederhergestellt: %1 aus dem Änderungsprotokoll</source>
        <extracomment>%1 how many events were restored from the journal</extracomment>
        <translation> Przywrócono: %1 z dziennika zmian</translation>
    </message>
    <message>
        <source> Die letzte Sitzung bleibt aufbewahrt in %1</source>
        <translation> Ostatnia sesja pozostaje zachowana w %1</translation>
    </message>
    <message>
        <source>Es wird kein Änderungsprotokoll geführt.</source>
        <translation>Dziennik zmian nie jest prowadzony.</translation>
    </message>
    <message numerus="yes">
        <source>%n Ereignisse</source>
        <extracomment>events of the journal, never one</extracomment>
        <translation>
            <numerusform>%n zdarzenie</numerusform>
            <numerusform>%n zdarzenia</numerusform>
            <numerusform>%n zdarzeń</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ContactControl</name>
    <message>
        <source>Die Kontaktsteuerung „%1“ wird schon von einer anderen Zeitnahme bedient; diese nimmt keine Kontakt-Befehle an.</source>
        <translation>Sterowanie stykami „%1” obsługuje już inny pomiar czasu; ten nie przyjmuje poleceń styków.</translation>
    </message>
    <message>
        <source>Die Kontaktsteuerung „%1“ kann nicht eingerichtet werden: %2</source>
        <translation>Nie można uruchomić sterowania stykami „%1”: %2</translation>
    </message>
</context>
<context>
    <name>ContactCounts</name>
    <message>
        <source>Bahn %1: %2 gestoppt, %3 geprellt, %4 außerhalb, zuletzt %5</source>
        <extracomment>start LED tooltip, one lane (Bahn): contacts that stopped it, bounces swallowed by the lock-out, contacts outside a run, the time of the last contact</extracomment>
        <translation>Tor %1: zatrzymania %2, drgania %3, poza biegiem %4, ostatni %5</translation>
    </message>
</context>
<context>
    <name>ContactInput</name>
    <message>
        <source>Gerät nicht vorhanden (Adapter nicht eingesteckt?)</source>
        <translation>Brak urządzenia (adapter niepodłączony?)</translation>
    </message>
    <message>
        <source>von einem anderen Programm belegt</source>
        <translation>zajęte przez inny program</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>brak uprawnień</translation>
    </message>
    <message>
        <source>meldet keine Modemleitungen, für Kontakte nicht geeignet</source>
        <translation>nie zgłasza linii modemu, nie nadaje się do styków</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler am Gerät</source>
        <translation>Błąd wejścia/wyjścia urządzenia</translation>
    </message>
</context>
<context>
    <name>ContactsFeature</name>
    <message>
        <source>Kontakte</source>
        <extracomment>status bar button: the contacts (timing switches, light barriers) of each lane today</extracomment>
        <translation>Styki</translation>
    </message>
    <message>
        <source>Die Kontakte jeder Bahn heute: gestoppt, geprellt, außerhalb eines Laufs (Strg+K)</source>
        <translation>Styki każdego toru dzisiaj: zatrzymania, drgania, poza biegiem (Ctrl+K)</translation>
    </message>
</context>
<context>
    <name>EventKinds</name>
    <message>
        <source>Listen geladen</source>
        <translation>Wczytano listy</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>journal event: a run was started</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Zeit</source>
        <extracomment>journal event: a lane was stopped, its run time taken</extracomment>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <extracomment>journal event: false start</extracomment>
        <translation>Falstart</translation>
    </message>
    <message>
        <source>Nächstes Paar</source>
        <extracomment>journal event: the next pair of teams was called (reset)</extracomment>
        <translation>Następna para</translation>
    </message>
    <message>
        <source>Korrektur</source>
        <extracomment>journal event: the operator corrected a recorded value</extracomment>
        <translation>Poprawka</translation>
    </message>
    <message>
        <source>Zeilen entfernt</source>
        <translation>Usunięto wiersze</translation>
    </message>
    <message>
        <source>Ergebnisse gelöscht</source>
        <translation>Usunięto wyniki</translation>
    </message>
    <message>
        <source>Ergebnislisten erzeugt</source>
        <translation>Utworzono listy wyników</translation>
    </message>
    <message>
        <source>Liste gewählt</source>
        <translation>Wybrano listę</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <extracomment>journal event: the settings were changed</extracomment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Wiederhergestellt</source>
        <translation>Przywrócono</translation>
    </message>
    <message>
        <source>Gespeichert</source>
        <translation>Zapisano</translation>
    </message>
    <message>
        <source>Startkontakt ignoriert</source>
        <translation>Pominięto styk startu</translation>
    </message>
    <message>
        <source>Bahn belegt</source>
        <extracomment>journal event: a team was put on a lane</extracomment>
        <translation>Tor obsadzony</translation>
    </message>
    <message>
        <source>Dateiname gewählt</source>
        <translation>Wybrano nazwę pliku</translation>
    </message>
    <message>
        <source>Nächste Runde</source>
        <extracomment>journal event: the next stage was built from the qualification result</extracomment>
        <translation>Następna runda</translation>
    </message>
    <message>
        <source>Warnung</source>
        <extracomment>journal event: a stopped time looks wrong and waits for the operator&apos;s check</extracomment>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Zeit bestätigt</source>
        <extracomment>journal event: the operator confirmed a warned run time</extracomment>
        <translation>Czas potwierdzony</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <source>Der Schreibfehler der Datei: %1</source>
        <translation>Błąd zapisu pliku: %1</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Das Änderungsprotokoll %1 ist beschädigt (%2) und lässt sich nicht beiseitelegen: %3</source>
        <translation>Dziennik zmian %1 jest uszkodzony (%2) i nie można go odłożyć na bok: %3</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll %1 war beschädigt (%2). Es wurde unter %3 aufbewahrt; %4 Ereignisse ließen sich noch lesen. Ein neues Änderungsprotokoll wurde begonnen.</source>
        <translation>Dziennik zmian %1 był uszkodzony (%2). Zachowano go jako %3; dało się jeszcze odczytać zdarzenia: %4. Rozpoczęto nowy dziennik zmian.</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll %1 lässt sich nicht lesen: %2</source>
        <translation>Nie można odczytać dziennika zmian %1: %2</translation>
    </message>
    <message>
        <source>Datei %1 nicht gefunden</source>
        <translation>Nie znaleziono pliku %1</translation>
    </message>
    <message>
        <source>Datenbankfehler</source>
        <translation>Błąd bazy danych</translation>
    </message>
    <message>
        <source>keine lesbare Datenbank</source>
        <translation>nieczytelna baza danych</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht öffnen</source>
        <translation>nie można otworzyć pliku</translation>
    </message>
    <message>
        <source>%1 (System: %2)</source>
        <translation>%1 (system: %2)</translation>
    </message>
    <message>
        <source>keine Datenbank eines Änderungsprotokolls</source>
        <translation>to nie jest baza dziennika zmian</translation>
    </message>
    <message>
        <source>Write-Ahead-Log nicht verfügbar</source>
        <translation>Write-Ahead-Log niedostępny</translation>
    </message>
    <message>
        <source>Ordner %1: %2</source>
        <translation>Folder %1: %2</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll kann nicht geschrieben werden: %1</source>
        <translation>Nie można zapisać dziennika zmian: %1</translation>
    </message>
    <message>
        <source>Das Änderungsprotokoll wird nicht geschrieben: %1</source>
        <translation>Dziennik zmian nie jest zapisywany: %1</translation>
    </message>
</context>
<context>
    <name>JournalLines</name>
    <message>
        <source>%1 (Kontakt)</source>
        <extracomment>a run time taken by the lane&apos;s contact</extracomment>
        <translation>%1 (styk)</translation>
    </message>
    <message>
        <source>%1 (Taste)</source>
        <extracomment>a run time taken by the operator&apos;s key</extracomment>
        <translation>%1 (klawisz)</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Ereignis</source>
        <extracomment>journal column: what happened</extracomment>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Bahn</source>
        <extracomment>journal column: the lane (1 or 2)</extracomment>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Mannschaft</source>
        <extracomment>journal column: the team</extracomment>
        <translation>Drużyna</translation>
    </message>
    <message>
        <source>Änderung</source>
        <extracomment>journal column: what changed (old and new value, a time, a file name)</extracomment>
        <translation>Zmiana</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>Sprache</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Die Sprache der Konsole wählen; sie gilt ab dem nächsten Start</source>
        <translation>Wybierz język konsoli; obowiązuje od następnego uruchomienia</translation>
    </message>
    <message>
        <source> Die Konsole spricht %1.</source>
        <translation> Język konsoli: %1.</translation>
    </message>
    <message>
        <source> %1 gilt ab dem nächsten Start des Programms.</source>
        <translation> %1 – od następnego uruchomienia programu.</translation>
    </message>
</context>
<context>
    <name>ListHeaders</name>
    <message>
        <source>Mannschaft</source>
        <extracomment>group header above a team&apos;s number, name, class and qualification mark</extracomment>
        <translation>Drużyna</translation>
    </message>
    <message>
        <source>Bahn 1</source>
        <extracomment>group header above lane 1&apos;s run time, penalty and total</extracomment>
        <translation>Tor 1</translation>
    </message>
    <message>
        <source>Bahn 2</source>
        <extracomment>group header above lane 2&apos;s run time, penalty and total</extracomment>
        <translation>Tor 2</translation>
    </message>
    <message>
        <source>Nr.</source>
        <extracomment>column: the team&apos;s start number</extracomment>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>column: the team&apos;s name</extracomment>
        <translation>Nazwa</translation>
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
        <translation>Czas</translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>column: penalty seconds of a run</extracomment>
        <translation>Kary</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <extracomment>column: run time plus penalty seconds of one lane</extracomment>
        <translation>Razem</translation>
    </message>
    <message>
        <source>Bestzeit</source>
        <extracomment>column: the better total of the team&apos;s two runs</extracomment>
        <translation>Najl. czas</translation>
    </message>
    <message>
        <source>Platz</source>
        <extracomment>column of the result lists: rank</extracomment>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Übungszeit</source>
        <extracomment>column of the result lists: the counted run&apos;s time without penalty</extracomment>
        <translation>Czas ćwiczenia</translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <extracomment>column of the result lists: run time plus penalty seconds</extracomment>
        <translation>Czas łączny</translation>
    </message>
</context>
<context>
    <name>ListSheets</name>
    <message>
        <source>%1 aus Tabelle %2</source>
        <extracomment>%1 a list&apos;s name, %2 the number of the workbook sheet it was loaded from</extracomment>
        <translation>%1 z arkusza %2</translation>
    </message>
    <message>
        <source> Tabellen nach ihren Namen geladen, nicht nach ihrer Reihenfolge: %1</source>
        <translation> Arkusze wczytano według nazw, nie według kolejności: %1</translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>Anzeigetafel öffnen/schließen (Strg+T)</source>
        <translation>Otwórz/zamknij tablicę (Ctrl+T)</translation>
    </message>
    <message>
        <source>Live-Seite im Netz</source>
        <extracomment>menu: serves a web page with the running times to the local network</extracomment>
        <translation>Strona na żywo w sieci</translation>
    </message>
    <message>
        <source>Port der Live-Seite …</source>
        <translation>Port strony na żywo …</translation>
    </message>
    <message>
        <source>Live-Seite</source>
        <translation>Strona na żywo</translation>
    </message>
    <message>
        <source>Port:</source>
        <extracomment>network port of the live web page</extracomment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Live-Seite aus: %1</source>
        <extracomment>the live web page could not start; %1 the reason</extracomment>
        <translation>Strona na żywo wyłączona: %1</translation>
    </message>
    <message>
        <source> Live-Seite: %1</source>
        <translation> Strona na żywo: %1</translation>
    </message>
    <message>
        <source>%1 (nur dieser Rechner)</source>
        <extracomment>%1 the live page&apos;s address, reachable from this computer only</extracomment>
        <translation>%1 (tylko ten komputer)</translation>
    </message>
    <message>
        <source>Live-Seite (ohne Passwort, für jeden im Netz):
%1</source>
        <translation>Strona na żywo (bez hasła, dla każdego w sieci):
%1</translation>
    </message>
    <message>
        <source>Zeitnahme – live</source>
        <translation>Pomiar czasu – na żywo</translation>
    </message>
    <message>
        <source>Keine Verbindung zur Zeitnahme</source>
        <translation>Brak połączenia z pomiarem czasu</translation>
    </message>
    <message>
        <source>Fehlstart</source>
        <extracomment>Shown big on the spectators&apos; page when a team started too early</extracomment>
        <translation>Falstart</translation>
    </message>
    <message>
        <source>Bahn 1</source>
        <extracomment>Heading of lane 1&apos;s box on the spectators&apos; page</extracomment>
        <translation>Tor 1</translation>
    </message>
    <message>
        <source>Bahn 2</source>
        <extracomment>Heading of lane 2&apos;s box on the spectators&apos; page</extracomment>
        <translation>Tor 2</translation>
    </message>
    <message>
        <source>Zeit</source>
        <extracomment>Column head: the run time</extracomment>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>Column head: the penalty seconds</extracomment>
        <translation>Kary</translation>
    </message>
    <message>
        <source>Gesamt</source>
        <extracomment>Column head: run time plus penalty seconds</extracomment>
        <translation>Razem</translation>
    </message>
    <message>
        <source>Letzter Lauf</source>
        <extracomment>Heading: the lanes of the run that finished last</extracomment>
        <translation>Ostatni bieg</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <extracomment>Heading of the ranking&apos;s first places</extracomment>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Ganze Ergebnisliste</source>
        <extracomment>Link to the page with the whole result list</extracomment>
        <translation>Pełna lista wyników</translation>
    </message>
    <message>
        <source>Bahn </source>
        <extracomment>Followed by the lane number</extracomment>
        <translation>Tor </translation>
    </message>
    <message>
        <source>Fehler </source>
        <extracomment>Followed by the penalty seconds of the last run</extracomment>
        <translation>Kary </translation>
    </message>
    <message>
        <source>Gesamt </source>
        <extracomment>Followed by the total time (run time plus penalty) of the last run</extracomment>
        <translation>Razem </translation>
    </message>
    <message>
        <source>Bestzeit: </source>
        <extracomment>Followed by the day&apos;s best time and its team</extracomment>
        <translation>Najlepszy czas: </translation>
    </message>
    <message>
        <source>Diese Seite kann nur gelesen werden.</source>
        <translation>Ta strona jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>Diese Seite gibt es nicht. Die Anzeige steht unter „/“.</source>
        <translation>Nie ma takiej strony. Tablica jest pod „/”.</translation>
    </message>
    <message>
        <source>Anfrage zu groß.</source>
        <translation>Zapytanie zbyt duże.</translation>
    </message>
    <message>
        <source>Diese Anfrage versteht die Live-Seite nicht.</source>
        <translation>Strona na żywo nie rozumie tego zapytania.</translation>
    </message>
</context>
<context>
    <name>LiveServer</name>
    <message>
        <source>Port %1 ist schon belegt: ein anderes Programm nutzt ihn. Bitte einen anderen Port wählen.</source>
        <translation>Port %1 jest już zajęty: używa go inny program. Wybierz inny port.</translation>
    </message>
    <message>
        <source>Port %1 darf dieses Programm nicht öffnen (Ports unter 1024 sind dem System vorbehalten). Bitte einen Port ab 1024 wählen.</source>
        <translation>Ten program nie może otworzyć portu %1 (porty poniżej 1024 są zarezerwowane dla systemu). Wybierz port od 1024 wzwyż.</translation>
    </message>
    <message>
        <source>Port %1 kann nicht geöffnet werden: %2</source>
        <translation>Nie można otworzyć portu %1: %2</translation>
    </message>
</context>
<context>
    <name>OutputLocation</name>
    <message>
        <source>Ergebnisdateien in %1</source>
        <extracomment>%1 the folder the result files are written to</extracomment>
        <translation>Pliki wyników w %1</translation>
    </message>
</context>
<context>
    <name>PortChoice</name>
    <message>
        <source>Kein</source>
        <extracomment>a lane&apos;s port list: no serial port for this lane</extracomment>
        <translation>Brak</translation>
    </message>
</context>
<context>
    <name>PortLocks</name>
    <message>
        <source>Sperrdatei %1 lässt sich nicht schreiben (%2)</source>
        <translation>Nie można zapisać pliku blokady %1 (%2)</translation>
    </message>
    <message>
        <source>Sperrdatei %1 lässt sich nicht anlegen (%2)</source>
        <translation>Nie można utworzyć pliku blokady %1 (%2)</translation>
    </message>
    <message>
        <source>Sperrdatei %1 ist nicht lesbar; benutzt kein anderes Programm das Gerät, diese Datei löschen</source>
        <translation>Plik blokady %1 jest nieczytelny; jeśli żaden inny program nie używa urządzenia, usuń ten plik</translation>
    </message>
    <message>
        <source>belegt von Prozess %1 laut Sperrdatei %2</source>
        <translation>zajęte przez proces %1 według pliku blokady %2</translation>
    </message>
    <message>
        <source>Sperrdatei %1 eines beendeten Programms lässt sich nicht löschen (%2)</source>
        <translation>Nie można usunąć pliku blokady %1 zakończonego programu (%2)</translation>
    </message>
    <message>
        <source>belegt laut Sperrdatei %1</source>
        <translation>zajęte według pliku blokady %1</translation>
    </message>
</context>
<context>
    <name>PortPresence</name>
    <message>
        <source>CTS (Pin 7/8) meldet hier nichts, Kontakt an DSR (Pin 4/6) anschließen</source>
        <extracomment>pin numbers of the 9-pin (7/8, 4/6) and 25-pin serial plug; the contact wire goes to DSR</extracomment>
        <translation>CTS (pin 7/8) nic tu nie zgłasza, podłącz styk do DSR (pin 4/6)</translation>
    </message>
    <message>
        <source>%1 – nicht vorhanden</source>
        <extracomment>a serial device&apos;s path, then: the device does not exist</extracomment>
        <translation>%1 – brak</translation>
    </message>
    <message>
        <source>%1 – nicht geeignet</source>
        <extracomment>a serial device&apos;s path, then: it cannot read contacts</extracomment>
        <translation>%1 – nie nadaje się</translation>
    </message>
    <message>
        <source>nicht vorhanden</source>
        <extracomment>state of a serial device: it does not exist</extracomment>
        <translation>brak</translation>
    </message>
    <message>
        <source>nicht geeignet</source>
        <extracomment>state of a serial device: it cannot read contacts</extracomment>
        <translation>nie nadaje się</translation>
    </message>
    <message>
        <source>vorhanden</source>
        <extracomment>state of a serial device: it exists</extracomment>
        <translation>dostępne</translation>
    </message>
</context>
<context>
    <name>ProtocolRow</name>
    <message>
        <source>Bahn %1: keine Mannschaft gewählt, Zeit %2 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the run time that could not be entered in the time protocol</extracomment>
        <translation>Tor %1: nie wybrano drużyny, wpisz czas %2 ręcznie.</translation>
    </message>
    <message>
        <source>Bahn %1: Mannschaft %2 steht mehrfach im Zeitenprotokoll, Zeit %3 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the team, %3 the run time that could not be entered</extracomment>
        <translation>Tor %1: drużyna %2 występuje kilka razy w protokole czasów, wpisz czas %3 ręcznie.</translation>
    </message>
    <message>
        <source>Bahn %1: Mannschaft %2 nicht im Zeitenprotokoll gefunden (Nr. %3 heißt dort „%4“), Zeit %5 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the team, %3 its number, %4 the name the time protocol has under that number, %5 the run time that could not be entered</extracomment>
        <translation>Tor %1: nie znaleziono drużyny %2 w protokole czasów (nr %3 nazywa się tam „%4”), wpisz czas %5 ręcznie.</translation>
    </message>
    <message>
        <source>Bahn %1: Mannschaft %2 nicht im Zeitenprotokoll gefunden, Zeit %3 bitte von Hand eintragen.</source>
        <extracomment>%1 lane number, %2 the team, %3 the run time that could not be entered</extracomment>
        <translation>Tor %1: nie znaleziono drużyny %2 w protokole czasów, wpisz czas %3 ręcznie.</translation>
    </message>
    <message>
        <source>Bahn %1: Fehler „%2“ ist keine ganze Zahl ab 0 und wurde auf 0 gesetzt.</source>
        <extracomment>%1 lane number, %2 the typed penalty (Fehler = penalty seconds)</extracomment>
        <translation>Tor %1: kary „%2” to nie liczba całkowita od 0; ustawiono 0.</translation>
    </message>
    <message>
        <source>Bahn %1: Zeit „%2“ ist keine gültige Laufzeit und zählt nicht.</source>
        <extracomment>%1 lane number, %2 the typed run time</extracomment>
        <translation>Tor %1: czas „%2” nie jest prawidłowym czasem biegu i nie jest liczony.</translation>
    </message>
</context>
<context>
    <name>ReaderPriority</name>
    <message>
        <source>unbegrenzt</source>
        <translation>bez limitu</translation>
    </message>
    <message>
        <source>RealtimeKit gewährt keine Echtzeit</source>
        <translation>RealtimeKit nie przyznaje czasu rzeczywistego</translation>
    </message>
    <message>
        <source>RealtimeKit: Zeitgrenze RLIMIT_RTTIME nicht setzbar</source>
        <translation>RealtimeKit: nie można ustawić limitu RLIMIT_RTTIME</translation>
    </message>
    <message>
        <source>Echtzeit-Priorität (RealtimeKit)</source>
        <translation>Priorytet czasu rzeczywistego (RealtimeKit)</translation>
    </message>
    <message>
        <source>kein Recht auf SCHED_FIFO (rtprio %1)</source>
        <translation>brak prawa do SCHED_FIFO (rtprio %1)</translation>
    </message>
    <message>
        <source>Echtzeit-Priorität (SCHED_FIFO %1)</source>
        <translation>Priorytet czasu rzeczywistego (SCHED_FIFO %1)</translation>
    </message>
    <message>
        <source>kein Recht auf niedrigeren nice-Wert (Limit %1)</source>
        <translation>brak prawa do niższej wartości nice (limit %1)</translation>
    </message>
    <message>
        <source>erhöhte Priorität (nice %1)</source>
        <translation>podwyższony priorytet (nice %1)</translation>
    </message>
    <message>
        <source>normale Priorität: %1</source>
        <translation>normalny priorytet: %1</translation>
    </message>
    <message>
        <source>RealtimeKit antwortet nicht</source>
        <translation>RealtimeKit nie odpowiada</translation>
    </message>
    <message>
        <source>RealtimeKit fehlt (kein Systembus)</source>
        <translation>RealtimeKit niedostępny (brak magistrali systemowej)</translation>
    </message>
    <message>
        <source>RealtimeKit fehlt</source>
        <translation>RealtimeKit niedostępny</translation>
    </message>
    <message>
        <source>RealtimeKit lehnt ab</source>
        <translation>RealtimeKit odmawia</translation>
    </message>
</context>
<context>
    <name>SerialDevices</name>
    <message>
        <source>COM%1 steht für kein Gerät</source>
        <translation>COM%1 nie odpowiada żadnemu urządzeniu</translation>
    </message>
    <message>
        <source>%1 ist die Systemkonsole und wird nicht geöffnet</source>
        <translation>%1 to konsola systemowa i nie zostanie otwarta</translation>
    </message>
</context>
<context>
    <name>Stages</name>
    <message>
        <source>Vorlauf</source>
        <extracomment>competition stage: heat</extracomment>
        <translation>Przedbieg</translation>
    </message>
    <message>
        <source>Achtelfinale</source>
        <extracomment>competition stage: round of 16</extracomment>
        <translation>1/8 finału</translation>
    </message>
    <message>
        <source>Viertelfinale</source>
        <extracomment>competition stage: quarter-final</extracomment>
        <translation>Ćwierćfinał</translation>
    </message>
    <message>
        <source>Halbfinale</source>
        <extracomment>competition stage: semi-final</extracomment>
        <translation>Półfinał</translation>
    </message>
    <message>
        <source>Finale</source>
        <extracomment>competition stage: final</extracomment>
        <translation>Finał</translation>
    </message>
    <message>
        <source>Mannschafts-Datenbank</source>
        <extracomment>list of the registered teams</extracomment>
        <translation>Baza drużyn</translation>
    </message>
    <message>
        <source>Zeitenprotokoll</source>
        <extracomment>list of the run times of every team</extracomment>
        <translation>Protokół czasów</translation>
    </message>
    <message>
        <source>Qualifikations-Ergebnis</source>
        <extracomment>result list of the teams that qualified for the next stage</extracomment>
        <translation>Wyniki kwalifikacji</translation>
    </message>
    <message>
        <source>Gesamt-Ergebnis</source>
        <extracomment>result list of every team</extracomment>
        <translation>Klasyfikacja generalna</translation>
    </message>
    <message>
        <source>Ergebnislisten erzeugen</source>
        <extracomment>menu entry: builds the result lists from the time protocol</extracomment>
        <translation>Utwórz listy wyników</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <extracomment>the final&apos;s result list</extracomment>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>window title: the stage or the loaded workbook, then the program&apos;s name</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nächste Runde …</source>
        <extracomment>menu entry: builds the next stage&apos;s lists from this stage&apos;s qualification result</extracomment>
        <translation>Następna runda …</translation>
    </message>
</context>
<context>
    <name>SystemErrors</name>
    <message>
        <source>nicht gefunden (Datei oder Ordner gibt es nicht)</source>
        <translation>nie znaleziono (nie ma takiego pliku ani folderu)</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>brak uprawnień</translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>brak miejsca na nośniku</translation>
    </message>
    <message>
        <source>Gerät nicht mehr vorhanden (abgezogen?)</source>
        <translation>urządzenie zniknęło (odłączone?)</translation>
    </message>
    <message>
        <source>von einem anderen Programm belegt</source>
        <translation>zajęte przez inny program</translation>
    </message>
    <message>
        <source>ist ein Ordner, keine Datei</source>
        <translation>to folder, nie plik</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>część ścieżki nie jest folderem</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>nośnik jest zabezpieczony przed zapisem</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler am Gerät (Datenträger oder Adapter defekt oder abgezogen?)</source>
        <translation>błąd wejścia/wyjścia urządzenia (nośnik lub adapter uszkodzony albo odłączony?)</translation>
    </message>
    <message>
        <source>gibt es schon</source>
        <translation>już istnieje</translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation>nazwa jest za długa</translation>
    </message>
    <message>
        <source>zu viele offene Dateien</source>
        <translation>za dużo otwartych plików</translation>
    </message>
    <message>
        <source> (System: </source>
        <translation> (system: </translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger oder zu wenig Speicher</source>
        <translation>brak miejsca na nośniku lub za mało pamięci</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht öffnen</source>
        <translation>nie można otworzyć pliku</translation>
    </message>
    <message>
        <source>Fehler beim Lesen</source>
        <translation>błąd odczytu</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben</source>
        <translation>błąd zapisu</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht löschen</source>
        <translation>nie można usunąć pliku</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht umbenennen oder kopieren</source>
        <translation>nie można zmienić nazwy pliku ani go skopiować</translation>
    </message>
    <message>
        <source>abgebrochen</source>
        <translation>przerwano</translation>
    </message>
    <message>
        <source>keine Antwort in der erwarteten Zeit</source>
        <translation>brak odpowiedzi w oczekiwanym czasie</translation>
    </message>
    <message>
        <source>Dateifehler</source>
        <translation>błąd pliku</translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation>błąd systemowy %1</translation>
    </message>
</context>
<context>
    <name>TimeWarnings</name>
    <message>
        <source>unter der Mindestzeit</source>
        <extracomment>a run time under the minimum time the operator set for the discipline</extracomment>
        <translation>poniżej czasu minimalnego</translation>
    </message>
    <message>
        <source>beide Bahnen innerhalb 10 ms gestoppt (gemeinsame oder kurzgeschlossene Leitung?)</source>
        <extracomment>both lanes&apos; stop contacts came within 10 ms: one line wired to both, or a short</extracomment>
        <translation>oba tory zatrzymane w ciągu 10 ms (wspólna lub zwarta linia?)</translation>
    </message>
    <message>
        <source>Stopp innerhalb 1 s nach dem Start</source>
        <translation>stop w ciągu 1 s od startu</translation>
    </message>
    <message>
        <source>Kontakt auf einer Bahn ohne Mannschaft</source>
        <extracomment>a stop contact on a lane (Bahn) that has no team in this run</extracomment>
        <translation>styk na torze bez drużyny</translation>
    </message>
    <message>
        <source>weniger als die Hälfte der Bestzeit</source>
        <extracomment>the run time is less than half the best time of this stage so far</extracomment>
        <translation>mniej niż połowa najlepszego czasu</translation>
    </message>
</context>
<context>
    <name>WordExport</name>
    <message>
        <source>Die Vorlage %1 ist unbrauchbar: %2</source>
        <translation>Szablon %1 nie nadaje się do użytku: %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges XML (%2)</source>
        <translation>%1 nie jest prawidłowym XML (%2)</translation>
    </message>
    <message>
        <source>%1 hat keinen Textkörper</source>
        <translation>%1 nie ma treści dokumentu</translation>
    </message>
</context>
<context>
    <name>WorkbookFiles</name>
    <message>
        <source> Speichern...</source>
        <translation> Zapisywanie...</translation>
    </message>
    <message>
        <source>%1 ist keine .%2-Datei und bleibt unverändert. Gespeichert wurde unter:
%3</source>
        <extracomment>%1 the chosen file&apos;s name, %2 the extension it lacks, %3 where the export was written instead</extracomment>
        <translation>%1 nie jest plikiem .%2 i pozostaje bez zmian. Zapisano jako:
%3</translation>
    </message>
</context>
<context>
    <name>WorkbookImport</name>
    <message>
        <source> und </source>
        <translation> i </translation>
    </message>
    <message>
        <source>Die Tabelle %1 hat mehr als %2 Zeilen; so lang ist keine Liste.</source>
        <translation>Arkusz %1 ma ponad %2 wierszy; żadna lista nie jest tak długa.</translation>
    </message>
    <message>
        <source>Formeln ohne gespeicherte Werte – bitte in der Tabellenkalkulation öffnen und speichern</source>
        <translation>Formuły bez zapisanych wartości – otwórz plik w arkuszu kalkulacyjnym i zapisz go</translation>
    </message>
    <message>
        <source>%1 (aus der %2)</source>
        <translation>%1 (na podstawie: %2)</translation>
    </message>
    <message>
        <source>%1 (aus dem %2)</source>
        <translation>%1 (na podstawie: %2)</translation>
    </message>
    <message>
        <source> Geladen: %1 aus der Datei; %2 neu angelegt</source>
        <translation> Wczytano: %1 z pliku; %2 utworzono od nowa</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>nicht vorhanden</source>
        <translation>nie istnieje</translation>
    </message>
    <message>
        <source>nicht ausführbar</source>
        <translation>nie można uruchomić</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe ist mit einem Kennwort geschützt.</source>
        <translation>Skoroszyt jest chroniony hasłem.</translation>
    </message>
    <message>
        <source>Der Teil „content.xml“ ist kein gültiges XML (%1).</source>
        <translation>Część „content.xml” nie jest prawidłowym XML (%1).</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe „%1“ kann nicht geladen werden: %2</source>
        <translation>Nie można wczytać skoroszytu „%1”: %2</translation>
    </message>
    <message>
        <source>Die Tabellen enthalten Zellen, aber keine davon konnte gelesen werden (beschädigte Datei oder unbekannte Form).</source>
        <translation>Arkusze zawierają komórki, ale żadnej nie udało się odczytać (uszkodzony plik lub nieznany format).</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt oder unvollständig (kein lesbares ZIP-Paket).</source>
        <translation>Plik jest uszkodzony lub niekompletny (brak czytelnego pakietu ZIP).</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geöffnet werden (%1).</source>
        <translation>Nie można otworzyć pliku (%1).</translation>
    </message>
    <message>
        <source>Der Teil „%1“ des Pakets ist beschädigt.</source>
        <translation>Część „%1” pakietu jest uszkodzona.</translation>
    </message>
    <message>
        <source>Der Teil „%1“ fehlt im Paket.</source>
        <translation>W pakiecie brakuje części „%1”.</translation>
    </message>
    <message>
        <source>Der Teil „%1“ ist mit %2 MB zu groß für eine Mannschaftsliste.</source>
        <translation>Część „%1” ma %2 MB – za dużo jak na listę drużyn.</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>Das ist keine Datei.</source>
        <translation>To nie jest plik.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden (%1).</source>
        <translation>Nie można odczytać pliku (%1).</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Plik jest pusty.</translation>
    </message>
    <message>
        <source>Das ZIP-Paket enthält keine Arbeitsmappe.</source>
        <translation>Pakiet ZIP nie zawiera skoroszytu.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Arbeitsmappe (.xlsx, .ods oder .xls).</source>
        <translation>Plik nie jest skoroszytem (.xlsx, .ods lub .xls).</translation>
    </message>
    <message>
        <source>Die ersten Tabellen der Arbeitsmappe sind leer.</source>
        <translation>Pierwsze arkusze skoroszytu są puste.</translation>
    </message>
    <message>
        <source>Der Speicher reicht für diese Datei nicht.</source>
        <translation>Za mało pamięci na ten plik.</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt (%1).</source>
        <translation>Plik jest uszkodzony (%1).</translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt.</source>
        <translation>Plik jest uszkodzony.</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe hat keine Tabelle.</source>
        <translation>Skoroszyt nie ma żadnego arkusza.</translation>
    </message>
    <message>
        <source>Das Leseprogramm „%1“ kann nicht gestartet werden (%2).</source>
        <translation>Nie można uruchomić programu odczytu „%1” (%2).</translation>
    </message>
    <message>
        <source>Das Leseprogramm ist beim Lesen abgestürzt (Signal %1); die Datei ist beschädigt oder hat eine Form, an der es scheitert.</source>
        <translation>Program odczytu uległ awarii (sygnał %1); plik jest uszkodzony lub ma format, z którym program sobie nie radzi.</translation>
    </message>
    <message>
        <source>Das Leseprogramm war nach %1 Sekunden nicht fertig und wurde beendet.</source>
        <translation>Program odczytu nie skończył po %1 s i został zatrzymany.</translation>
    </message>
    <message>
        <source>Das Leseprogramm hat mehr als %1 MB geliefert; so groß ist keine Mannschaftsliste.</source>
        <translation>Program odczytu zwrócił ponad %1 MB; żadna lista drużyn nie jest tak duża.</translation>
    </message>
    <message>
        <source>Das Leseprogramm ist beim Lesen abgestürzt (Status %1); die Datei ist beschädigt oder hat eine Form, an der es scheitert.</source>
        <translation>Program odczytu uległ awarii (status %1); plik jest uszkodzony lub ma format, z którym program sobie nie radzi.</translation>
    </message>
    <message>
        <source>Das Leseprogramm hat eine unvollständige Antwort gegeben.</source>
        <translation>Program odczytu zwrócił niepełną odpowiedź.</translation>
    </message>
    <message>
        <source>Die Datei ist keine lesbare Excel-Arbeitsmappe; sie ist beschädigt oder ein anderes Office-Dokument (Code %1).</source>
        <translation>Plik nie jest czytelnym skoroszytem Excela; jest uszkodzony albo to inny dokument Office (kod %1).</translation>
    </message>
    <message>
        <source>Die Tabellen der Arbeitsmappe sind nicht zu finden.</source>
        <translation>Nie można znaleźć arkuszy skoroszytu.</translation>
    </message>
    <message>
        <source>Die Tabelle %1 ist beschädigt.</source>
        <translation>Arkusz %1 jest uszkodzony.</translation>
    </message>
    <message>
        <source> Zeitzellen der .xls-Datei nur auf ganze Sekunden gelesen – für Hundertstel als .xlsx oder .ods speichern</source>
        <translation> Czasy z pliku .xls odczytano tylko z dokładnością do pełnych sekund – dla setnych zapisz jako .xlsx lub .ods</translation>
    </message>
    <message>
        <source>Der Teil „%1“ ist kein gültiges XML (%2).</source>
        <translation>Część „%1” nie jest prawidłowym XML (%2).</translation>
    </message>
    <message>
        <source>Die Tabelle %1 ist im Paket nicht zu finden.</source>
        <translation>Nie można znaleźć arkusza %1 w pakiecie.</translation>
    </message>
</context>
<context>
    <name>WorkbookWriter</name>
    <message>
        <source>Die Datei kann nicht angelegt werden</source>
        <translation>Nie można utworzyć pliku</translation>
    </message>
    <message>
        <source>Nicht genug Arbeitsspeicher</source>
        <translation>Za mało pamięci operacyjnej</translation>
    </message>
    <message>
        <source>Ein Zelltext ist länger als 32.767 Zeichen</source>
        <translation>Tekst komórki jest dłuższy niż 32 767 znaków</translation>
    </message>
    <message>
        <source>Ungültiger Name eines Tabellenblatts</source>
        <translation>Nieprawidłowa nazwa arkusza</translation>
    </message>
    <message>
        <source>Fehler beim Schreiben der Arbeitsmappe (%1)</source>
        <translation>Błąd zapisu skoroszytu (%1)</translation>
    </message>
    <message>
        <source>Kein Platz für eine temporäre Datei</source>
        <translation>Brak miejsca na plik tymczasowy</translation>
    </message>
    <message>
        <source>Die Datei ist keine lesbare Arbeitsmappe</source>
        <translation>Plik nie jest czytelnym skoroszytem</translation>
    </message>
    <message>
        <source>Das Tabellenblatt %1 ist kein Arbeitsblatt</source>
        <translation>Arkusz %1 nie jest arkuszem danych</translation>
    </message>
    <message>
        <source>Das Tabellenblatt %1 ist beschädigt</source>
        <translation>Arkusz %1 jest uszkodzony</translation>
    </message>
    <message>
        <source>Die Datei ist nicht vorhanden</source>
        <translation>Plik nie istnieje</translation>
    </message>
    <message>
        <source>Die Datei ist kein Office-Dokument (kein gültiges ZIP-Paket)</source>
        <translation>Plik nie jest dokumentem Office (brak prawidłowego pakietu ZIP)</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden</source>
        <translation>Nie można odczytać pliku</translation>
    </message>
    <message>
        <source>Fehler im ZIP-Paket (%1)</source>
        <translation>Błąd w pakiecie ZIP (%1)</translation>
    </message>
    <message>
        <source>Der Ordner %1 ist nicht vorhanden</source>
        <translation>Folder %1 nie istnieje</translation>
    </message>
    <message>
        <source>Keine Schreibrechte im Ordner %1</source>
        <translation>Brak prawa zapisu w folderze %1</translation>
    </message>
    <message>
        <source>Unter diesem Namen liegt ein Ordner</source>
        <translation>Pod tą nazwą istnieje folder</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden (%1)</source>
        <translation>Nie można odczytać pliku (%1)</translation>
    </message>
    <message>
        <source>Dem Dokument fehlt der Teil %1</source>
        <translation>W dokumencie brakuje części %1</translation>
    </message>
    <message>
        <source>Der Teil %1 ist zu groß</source>
        <translation>Część %1 jest za duża</translation>
    </message>
    <message>
        <source>Der Teil %1 ist beschädigt</source>
        <translation>Część %1 jest uszkodzona</translation>
    </message>
</context>
<context>
    <name>zn::BoardWindow</name>
    <message>
        <source>Zeit %1</source>
        <extracomment>scoreboard: a lane&apos;s run time</extracomment>
        <translation>Czas %1</translation>
    </message>
    <message>
        <source>   Fehler %1</source>
        <extracomment>scoreboard: penalty seconds of the run</extracomment>
        <translation>   Kary %1</translation>
    </message>
    <message>
        <source>   Gesamt %1</source>
        <extracomment>scoreboard: run time plus penalty seconds</extracomment>
        <translation>   Razem %1</translation>
    </message>
    <message>
        <source>Anzeigetafel</source>
        <extracomment>the scoreboard window for the spectators</extracomment>
        <translation>Tablica dla widzów</translation>
    </message>
    <message>
        <source>FEHLSTART</source>
        <extracomment>scoreboard: false start</extracomment>
        <translation>FALSTART</translation>
    </message>
    <message>
        <source>Letzter Lauf: </source>
        <extracomment>scoreboard: the previous run of this lane, followed by its team</extracomment>
        <translation>Ostatni bieg: </translation>
    </message>
    <message>
        <source>Bestzeit: %1   </source>
        <extracomment>scoreboard: the best total so far, followed by its team</extracomment>
        <translation>Najlepszy czas: %1   </translation>
    </message>
    <message>
        <source>Auf Bildschirm %1 (%2)</source>
        <extracomment>context menu: show the scoreboard on screen %1 (%2 the screen&apos;s name)</extracomment>
        <translation>Na ekranie %1 (%2)</translation>
    </message>
</context>
<context>
    <name>zn::ContactsWindow</name>
    <message>
        <source>Kontakte der Bahnen</source>
        <extracomment>window title: the contacts (timing switches, light barriers) of each lane</extracomment>
        <translation>Styki torów</translation>
    </message>
    <message>
        <source>Bahn</source>
        <extracomment>column: the lane (Bahn)</extracomment>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Gestoppt</source>
        <extracomment>column: contacts that stopped the lane&apos;s time</extracomment>
        <translation>Zatrzymania</translation>
    </message>
    <message>
        <source>Geprellt</source>
        <extracomment>column: contacts swallowed by the 2 s lock-out after a contact (bouncing)</extracomment>
        <translation>Drgania</translation>
    </message>
    <message>
        <source>Außerhalb eines Laufs</source>
        <extracomment>column: contacts while the lane did not run</extracomment>
        <translation>Poza biegiem</translation>
    </message>
    <message>
        <source>Leitung in Ruhe gewechselt</source>
        <extracomment>column: changes of the line that were no contact, while nothing ran</extracomment>
        <translation>Zmiany linii w spoczynku</translation>
    </message>
    <message>
        <source>Letzter Kontakt</source>
        <extracomment>column: the time of day of the last contact</extracomment>
        <translation>Ostatni styk</translation>
    </message>
    <message>
        <source>Tick</source>
        <extracomment>column: the last contact&apos;s instant on the console&apos;s millisecond clock</extracomment>
        <translation>Tick</translation>
    </message>
    <message>
        <source>Gezählt am %1</source>
        <extracomment>above the table: the counts are those of this day</extracomment>
        <translation>Zliczono dnia %1</translation>
    </message>
    <message>
        <source>Bahn %1 prellt (Kontakte in der Sperrzeit: %2). Kontakt und Kabel prüfen.</source>
        <extracomment>%1 the lane, %2 how many contacts came within the 2 s lock-out after a contact</extracomment>
        <translation>Styk toru %1 drga (styki w czasie blokady: %2). Sprawdź styk i kabel.</translation>
    </message>
    <message>
        <source>Bahn %1 löst außerhalb eines Laufs aus (Kontakte ohne laufende Zeit: %2). Kontakt, Kabel und Einstellungen prüfen.</source>
        <extracomment>%1 the lane, %2 how many contacts came while the lane did not run</extracomment>
        <translation>Tor %1 wyzwala poza biegiem (styki bez biegnącego czasu: %2). Sprawdź styk, kabel i ustawienia.</translation>
    </message>
    <message>
        <source>Keine Auffälligkeiten.</source>
        <extracomment>the contacts of both lanes look fine</extracomment>
        <translation>Brak nieprawidłowości.</translation>
    </message>
</context>
<context>
    <name>zn::JournalWindow</name>
    <message>
        <source>Änderungsprotokoll</source>
        <extracomment>window title: the journal of every time and correction</extracomment>
        <translation>Dziennik zmian</translation>
    </message>
    <message>
        <source>Mannschaft:</source>
        <translation>Drużyna:</translation>
    </message>
    <message>
        <source>alle</source>
        <extracomment>filter field placeholder: every team</extracomment>
        <translation>wszystkie</translation>
    </message>
    <message>
        <source>Als Text speichern</source>
        <translation>Zapisz jako tekst</translation>
    </message>
    <message>
        <source>Als PDF speichern</source>
        <translation>Zapisz jako PDF</translation>
    </message>
    <message>
        <source>Textdatei (*.txt)</source>
        <translation>Plik tekstowy (*.txt)</translation>
    </message>
    <message>
        <source>PDF-Datei (*.pdf)</source>
        <translation>Plik PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>zn::NextRoundDialog</name>
    <message>
        <source>Nächste Runde</source>
        <extracomment>dialog title: the next stage built from this stage&apos;s results</extracomment>
        <translation>Następna runda</translation>
    </message>
    <message>
        <source>Nächste Stufe:</source>
        <extracomment>the stage the chosen teams go on to</extracomment>
        <translation>Następny etap:</translation>
    </message>
    <message>
        <source>Anzahl Mannschaften:</source>
        <translation>Liczba drużyn:</translation>
    </message>
    <message>
        <source>(%1 mit Platz und Zeit)</source>
        <extracomment>%1 how many teams of the result have a place and a time</extracomment>
        <translation>(%1 z miejscem i czasem)</translation>
    </message>
    <message>
        <source>Reihenfolge der Läufe</source>
        <translation>Kolejność biegów</translation>
    </message>
    <message>
        <source>Die Besten zuletzt (umgekehrte Platzierung)</source>
        <translation>Najlepsi na końcu (odwrotna kolejność miejsc)</translation>
    </message>
    <message>
        <source>Nach Platzierung (Platz 1 zuerst)</source>
        <translation>Według miejsc (miejsce 1 najpierw)</translation>
    </message>
    <message>
        <source>Gesetzte Paare (1 gegen N, 2 gegen N-1, …)</source>
        <extracomment>running order: place 1 runs against the last place taken, 2 against the last but one, ...</extracomment>
        <translation>Pary rozstawione (1 z N, 2 z N-1, …)</translation>
    </message>
    <message>
        <source>Gleichstand</source>
        <extracomment>a tie: teams with the same total at the last place that goes on</extracomment>
        <translation>Ex aequo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Gleiche Gesamtzeit %1: %2 der %3 Mannschaften kommen weiter. Bitte wählen (oder alle nehmen).</source>
        <extracomment>%1 the tied teams&apos; total, %2 how many of them go on, %3 how many share it</extracomment>
        <translation>Równy czas łączny %1: awansuje %2 z %3 drużyn. Wybierz (lub weź wszystkie).</translation>
    </message>
    <message>
        <source>Platz %1: %2</source>
        <extracomment>a tied team: %1 its place, %2 number and name</extracomment>
        <translation>Miejsce %1: %2</translation>
    </message>
</context>
<context>
    <name>zn::PageSetupDialog</name>
    <message>
        <source>Seite einrichten</source>
        <translation>Ustawienia strony</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Pionowo</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Poziomo</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Protokół czasów</translation>
    </message>
    <message>
        <source>Urkunden</source>
        <translation>Dyplomy</translation>
    </message>
</context>
<context>
    <name>zn::PortDevicesDialog</name>
    <message>
        <source>Schnittstellen zuordnen</source>
        <translation>Przypisz porty</translation>
    </message>
    <message>
        <source>Gerät jeder Schnittstelle. Ein Pfad unter /dev/serial/by-id/ bleibt richtig, auch wenn USB-Adapter anders eingesteckt werden.</source>
        <translation>Urządzenie każdego portu. Ścieżka w /dev/serial/by-id/ pozostaje prawidłowa, nawet gdy adaptery USB zostaną podłączone inaczej.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>zn::TCfgDialog</name>
    <message>
        <source>Einstellungen</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Seite ansicht</source>
        <translation>Podgląd strony</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Anschluss</source>
        <translation>Podłączenie</translation>
    </message>
    <message>
        <source>Ein</source>
        <extracomment>Contact mode of a lane&apos;s stop contact: on</extracomment>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Aus</source>
        <extracomment>Contact mode of a lane&apos;s stop contact: off</extracomment>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Wechseln</source>
        <extracomment>Contact mode of a lane&apos;s stop contact: toggle (every change counts)</extracomment>
        <translation>Zmiana</translation>
    </message>
    <message>
        <source>Bahn1:</source>
        <translation>Tor 1:</translation>
    </message>
    <message>
        <source>Bahn2:</source>
        <translation>Tor 2:</translation>
    </message>
    <message>
        <source>Kontakt:</source>
        <translation>Styk:</translation>
    </message>
    <message>
        <source>Geräte …</source>
        <translation>Urządzenia …</translation>
    </message>
    <message>
        <source>Schnittstellen anderen Geräten zuordnen</source>
        <translation>Przypisz porty innym urządzeniom</translation>
    </message>
    <message>
        <source>Urkunde</source>
        <translation>Dyplom</translation>
    </message>
    <message>
        <source>Platz</source>
        <extracomment>Certificate line: the team&apos;s rank</extracomment>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Mannschaft</source>
        <translation>Drużyna</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <source>Übungszeit</source>
        <translation>Czas ćwiczenia</translation>
    </message>
    <message>
        <source>Fehler</source>
        <extracomment>Certificate line: the team&apos;s penalty seconds</extracomment>
        <translation>Punkty karne</translation>
    </message>
    <message>
        <source>Gesamtzeit</source>
        <translation>Czas łączny</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>%1. Zeile</source>
        <translation>Wiersz %1</translation>
    </message>
    <message>
        <source>Zeile:</source>
        <translation>Wiersz:</translation>
    </message>
    <message>
        <source>Links:</source>
        <extracomment>Distance of a certificate line from the left paper edge</extracomment>
        <translation>Od lewej:</translation>
    </message>
    <message>
        <source>Oben:</source>
        <translation>Od góry:</translation>
    </message>
    <message>
        <source>Links</source>
        <extracomment>Text alignment of a certificate line</extracomment>
        <translation>Do lewej</translation>
    </message>
    <message>
        <source>Zentriert</source>
        <translation>Do środka</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Do prawej</translation>
    </message>
    <message>
        <source>Ausrichtung:</source>
        <translation>Wyrównanie:</translation>
    </message>
    <message>
        <source>Papier:</source>
        <translation>Papier:</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Farbe …</source>
        <translation>Kolor …</translation>
    </message>
    <message>
        <source>Farbe der Zeile wählen</source>
        <translation>Wybierz kolor wiersza</translation>
    </message>
    <message>
        <source>Schriftart – „%1“ fehlt, gedruckt wird „%2“</source>
        <translation>Czcionka – brak „%1”, drukowana będzie „%2”</translation>
    </message>
    <message>
        <source>Farbe der Zeile</source>
        <translation>Kolor wiersza</translation>
    </message>
    <message>
        <source>Gedruckt als %1</source>
        <translation>Drukowana jako %1</translation>
    </message>
    <message>
        <source>„%1“ ist auf diesem Rechner nicht installiert und wird als „%2“ gedruckt.</source>
        <translation>Czcionka „%1” nie jest zainstalowana na tym komputerze i zostanie wydrukowana jako „%2”.</translation>
    </message>
</context>
<context>
    <name>zn::TFDlgYesNo</name>
    <message>
        <source>Ja</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Nie</translation>
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
        <translation>Falstart</translation>
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
        <translation>Blokada fotokomórki</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>H&amp;ilfe</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Drucker</source>
        <translation>&amp;Drukarka</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source> Während des Laufs gesperrt: %1 (nach RESET wieder frei)</source>
        <extracomment>%1 the locked command; RESET is the main button that frees the clocks</extracomment>
        <translation> Zablokowane podczas biegu: %1 (odblokowanie po RESET)</translation>
    </message>
    <message>
        <source>kein Gerät</source>
        <translation>brak urządzenia</translation>
    </message>
    <message>
        <source>COM%1: keine Berechtigung (Gruppe „%2“)</source>
        <extracomment>status bar: a serial port may not be opened; %2 the system group that may</extracomment>
        <translation>COM%1: brak uprawnień (grupa „%2”)</translation>
    </message>
    <message>
        <source>COM%1 (%2): keine Berechtigung. Abhilfe: Benutzer in die Gruppe „%3“ aufnehmen (sudo usermod -aG %3 $USER) und neu anmelden. Bis dahin Bahn %4 mit der Taste stoppen.</source>
        <extracomment>%2 the device, %3 the system group, %4 the lanes (Bahn) that must be stopped by key</extracomment>
        <translation>COM%1 (%2): brak uprawnień. Rozwiązanie: dodaj użytkownika do grupy „%3” (sudo usermod -aG %3 $USER) i zaloguj się ponownie. Do tego czasu tor %4 zatrzymuj klawiszem.</translation>
    </message>
    <message>
        <source>COM%1 nicht geöffnet: Bahn %2 mit der Taste stoppen</source>
        <extracomment>status bar: %2 the lanes (Bahn) that must be stopped by key</extracomment>
        <translation>Nie otwarto COM%1: tor %2 zatrzymuj klawiszem</translation>
    </message>
    <message>
        <source>COM%1 (%2) nicht geöffnet: %3. Bahn %4 bekommt keine Kontakte; mit der Taste stoppen.</source>
        <extracomment>%2 the device, %3 the reason, %4 the lanes (Bahn) without contacts</extracomment>
        <translation>Nie otwarto COM%1 (%2): %3. Tor %4 nie otrzymuje styków; zatrzymuj klawiszem.</translation>
    </message>
    <message>
        <source> und </source>
        <extracomment>joins two lane numbers: &quot;1 und 2&quot;</extracomment>
        <translation> i </translation>
    </message>
    <message>
        <source> Bahn %1: Kontakt innerhalb der Sperrzeit ignoriert</source>
        <extracomment>%1 the lane; the lock-out time after a contact, in which contacts do not count</extracomment>
        <translation> Tor %1: pominięto styk w czasie blokady</translation>
    </message>
    <message>
        <source> Startkontakt ignoriert: Start nicht freigegeben (Alt+S)</source>
        <extracomment>the start contact came while the start was blocked; Alt+S releases it</extracomment>
        <translation> Pominięto styk startu: start zablokowany (Alt+S)</translation>
    </message>
    <message>
        <source>COM%1 ausgefallen: Bahn %2 mit der Taste stoppen</source>
        <extracomment>status bar: a serial port failed; %2 the lanes (Bahn) that must be stopped by key</extracomment>
        <translation>Awaria COM%1: tor %2 zatrzymuj klawiszem</translation>
    </message>
    <message>
        <source>COM%1 (%2) ausgefallen: %3. Bahn %4 mit der Taste stoppen.</source>
        <extracomment>%2 the device, %3 the reason, %4 the lanes (Bahn)</extracomment>
        <translation>Awaria COM%1 (%2): %3. Tor %4 zatrzymuj klawiszem.</translation>
    </message>
    <message>
        <source>COM%1 (%2) ist wieder da. Neu öffnen?</source>
        <translation>COM%1 (%2) jest znów dostępny. Otworzyć ponownie?</translation>
    </message>
    <message>
        <source> Seite konnte nicht geöffnet werden: %1</source>
        <translation> Nie udało się otworzyć strony: %1</translation>
    </message>
    <message>
        <source> Datenbank von Vorlauf</source>
        <translation> Baza drużyn przedbiegu</translation>
    </message>
    <message>
        <source>Bahn %1</source>
        <extracomment>caption above a lane: lane 1 or 2 of the track</extracomment>
        <translation>Tor %1</translation>
    </message>
    <message>
        <source>Datenbank laden</source>
        <translation>Wczytaj bazę drużyn</translation>
    </message>
    <message>
        <source>START-LS blockieren (Alt+S)</source>
        <extracomment>LS = light barrier (Lichtschranke) of the start; Alt+S is the key that toggles the block</extracomment>
        <translation>Zablokuj fotokomórkę STARTU (Alt+S)</translation>
    </message>
    <message>
        <source>Sek.</source>
        <extracomment>unit beside the running clock: seconds</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <extracomment>caption of the shown list before one is chosen: result</extracomment>
        <translation>Wyniki</translation>
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
        <translation>&amp;Falstart</translation>
    </message>
    <message>
        <source>Protokoll speichern unter</source>
        <translation>Zapisz protokół jako</translation>
    </message>
    <message>
        <source>Datei in MS Excel</source>
        <translation>Plik w MS Excel</translation>
    </message>
    <message>
        <source>Aktuelle Liste speichern unter MS Excel</source>
        <translation>Zapisz bieżącą listę w MS Excel</translation>
    </message>
    <message>
        <source>Als Webseite</source>
        <translation>Jako strona WWW</translation>
    </message>
    <message>
        <source>Datei in MS Word</source>
        <translation>Plik w MS Word</translation>
    </message>
    <message>
        <source>Protokoll drucken</source>
        <translation>Drukuj protokół</translation>
    </message>
    <message>
        <source>Urkunden drucken</source>
        <translation>Drukuj dyplomy</translation>
    </message>
    <message>
        <source>Zeile entfernen</source>
        <translation>Usuń wiersz</translation>
    </message>
    <message>
        <source>Ergebnisse entfernen</source>
        <translation>Usuń wyniki</translation>
    </message>
    <message>
        <source>Protokolle generieren</source>
        <translation>Generuj protokoły</translation>
    </message>
    <message>
        <source>Laufbahn 1. Aus dem Protokoll zu nehmen</source>
        <extracomment>takes the team of lane 1 from the time protocol</extracomment>
        <translation>Tor 1. Pobierz z protokołu</translation>
    </message>
    <message>
        <source>Laufbahn 2. Aus dem Protokoll zu nehmen</source>
        <extracomment>takes the team of lane 2 from the time protocol</extracomment>
        <translation>Tor 2. Pobierz z protokołu</translation>
    </message>
    <message>
        <source>%1 v. %2</source>
        <extracomment>window title: the program&apos;s name and its version (&quot;v.&quot; = version)</extracomment>
        <translation>%1 v. %2</translation>
    </message>
    <message>
        <source>Beenden?</source>
        <extracomment>question before the program closes</extracomment>
        <translation>Zakończyć?</translation>
    </message>
    <message>
        <source> Hilfe nicht gefunden: %1</source>
        <translation> Nie znaleziono pomocy: %1</translation>
    </message>
    <message>
        <source> Seite nicht gefunden: %1</source>
        <translation> Nie znaleziono strony: %1</translation>
    </message>
    <message>
        <source>PDF-Datei (*.pdf)</source>
        <translation>Plik PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Die Liste enthält keine Mannschaft: keine Urkunden zu drucken.</source>
        <translation>Lista nie zawiera drużyn: brak dyplomów do wydruku.</translation>
    </message>
    <message>
        <source>Drucker</source>
        <extracomment>the printer set-up command, named in a note that it is locked during a run</extracomment>
        <translation>Drukarka</translation>
    </message>
    <message>
        <source>MS Excel (*.xlsx *.xlsm *.xls *.ods)</source>
        <translation>MS Excel (*.xlsx *.xlsm *.xls *.ods)</translation>
    </message>
    <message>
        <source>MS Excel (*.xlsx);;MS Word (*.docx);;Webseite (*.html);;Textdatei (*.txt)</source>
        <extracomment>file types of the save dialog, in this order; keep the patterns in brackets and the &quot;;;&quot;</extracomment>
        <translation>MS Excel (*.xlsx);;MS Word (*.docx);;Strona WWW (*.html);;Plik tekstowy (*.txt)</translation>
    </message>
    <message>
        <source> Die Mannschaft läuft gerade: Zeile erst nach dem Lauf entfernen.</source>
        <translation> Drużyna właśnie biegnie: usuń wiersz dopiero po biegu.</translation>
    </message>
    <message>
        <source>Zeile entfernen?</source>
        <translation>Usunąć wiersz?</translation>
    </message>
    <message>
        <source>Ergebnisse löschen?</source>
        <translation>Usunąć wyniki?</translation>
    </message>
    <message>
        <source> Fehlstart – nächster Start mit START</source>
        <extracomment>false start; START is the main button that starts the next run</extracomment>
        <translation> Falstart – następny start przyciskiem START</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>COM%1 (%2) lässt sich nicht öffnen: %3. Bahn %4 bekommt keine Kontakte.</source>
        <extracomment>%2 the device, %3 the reason, %4 the lanes (Bahn) without contacts</extracomment>
        <translation>Nie można otworzyć COM%1 (%2): %3. Tor %4 nie otrzymuje styków.</translation>
    </message>
    <message>
        <source>
Die Auswahl bleibt gespeichert; unter „Geräte …“ lässt sich das Gerät der Schnittstelle ändern.</source>
        <translation>
Wybór pozostaje zapisany; urządzenie portu można zmienić w „Urządzenia …”.</translation>
    </message>
    <message>
        <source>Keine temporäre Datei möglich</source>
        <translation>Nie można utworzyć pliku tymczasowego</translation>
    </message>
    <message>
        <source> Arbeitsmappe konnte nicht geöffnet werden: %1</source>
        <translation> Nie udało się otworzyć skoroszytu: %1</translation>
    </message>
    <message>
        <source>Aktuelle Liste speichern unter %1</source>
        <translation>Zapisz bieżącą listę w %1</translation>
    </message>
    <message>
        <source> Gespeichert: %1</source>
        <translation> Zapisano: %1</translation>
    </message>
    <message>
        <source> Dokument konnte nicht geöffnet werden: %1</source>
        <translation> Nie udało się otworzyć dokumentu: %1</translation>
    </message>
    <message>
        <source>; „%1“ wurde nicht neu geladen, die wiederhergestellten Listen gelten.</source>
        <extracomment>follows a note that the lists were restored from the journal; %1 the workbook named on the command line</extracomment>
        <translation>; nie wczytano ponownie „%1”, obowiązują przywrócone listy.</translation>
    </message>
    <message>
        <source>Nächste Runde</source>
        <extracomment>the command&apos;s name in the note that it is locked during a run</extracomment>
        <translation>Następna runda</translation>
    </message>
    <message>
        <source>Das Qualifikations-Ergebnis hat keine zwei Mannschaften mit Platz und Zeit.
Zuerst die Ergebnislisten erzeugen.</source>
        <translation>Wyniki kwalifikacji nie zawierają dwóch drużyn z miejscem i czasem.
Najpierw utwórz listy wyników.</translation>
    </message>
    <message>
        <source>Die Zeiten von %1 sind nicht in der Arbeitsmappe gespeichert. Trotzdem die nächste Runde bilden?</source>
        <extracomment>%1 the stage whose times are not saved</extracomment>
        <translation>Czasy etapu %1 nie są zapisane w skoroszycie. Mimo to utworzyć następną rundę?</translation>
    </message>
    <message>
        <source>%1 enthält schon Zeiten. Überschreiben?</source>
        <extracomment>%1 the next stage&apos;s workbook, which is already there</extracomment>
        <translation>%1 zawiera już czasy. Nadpisać?</translation>
    </message>
    <message>
        <source> %1 gebildet: %2</source>
        <extracomment>%1 the stage, %2 the workbook written for it</extracomment>
        <translation> Utworzono %1: %2</translation>
    </message>
    <message>
        <source>Zeit bestätigen (Strg+B)</source>
        <extracomment>keyboard command: the operator confirms a time the console warned about</extracomment>
        <translation>Potwierdź czas (Ctrl+B)</translation>
    </message>
    <message>
        <source>Zeit bestätigen</source>
        <extracomment>context menu of the time protocol: the operator confirms a warned time</extracomment>
        <translation>Potwierdź czas</translation>
    </message>
    <message>
        <source>Mindestzeit …</source>
        <extracomment>context menu: the minimum run time of the discipline, below which a time is warned about</extracomment>
        <translation>Czas minimalny …</translation>
    </message>
    <message>
        <source>Bahn %1 %2 %3: %4</source>
        <extracomment>a time in doubt: %1 the lane (Bahn), %2 the team, %3 the time, %4 why</extracomment>
        <translation>Tor %1 %2 %3: %4</translation>
    </message>
    <message>
        <source>Bahn %1 %2: %3 (Strg+B)</source>
        <extracomment>status bar: %1 the lane (Bahn), %2 the time in doubt, %3 why; Strg+B confirms it</extracomment>
        <translation>Tor %1 %2: %3 (Ctrl+B)</translation>
    </message>
    <message>
        <source>%1 (und %2 weitere)</source>
        <extracomment>%1 the first warning, %2 how many more are open</extracomment>
        <translation>%1 (i jeszcze %2)</translation>
    </message>
    <message>
        <source>Zeit prüfen, dann bestätigen (Strg+B):</source>
        <extracomment>tooltip over the warnings in the status bar; Strg+B confirms the time</extracomment>
        <translation>Sprawdź czas, potem potwierdź (Ctrl+B):</translation>
    </message>
    <message>
        <source>Mindestzeit</source>
        <translation>Czas minimalny</translation>
    </message>
    <message>
        <source>Zeiten unter dieser Zeit werden markiert (Sekunden, 0 = aus):</source>
        <extracomment>the minimum run time in seconds; a time below it is marked for checking</extracomment>
        <translation>Czasy poniżej tej wartości są oznaczane (sekundy, 0 = wył.):</translation>
    </message>
</context>
<context>
    <name>zn::TFormPP</name>
    <message>
        <source>Ansicht</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Skala:</translation>
    </message>
    <message>
        <source>Ganze Seite</source>
        <translation>Cała strona</translation>
    </message>
    <message>
        <source>Seitenbreite</source>
        <translation>Szerokość strony</translation>
    </message>
    <message>
        <source>Seitenhohe</source>
        <translation>Wysokość strony</translation>
    </message>
    <message>
        <source>Urkunde:</source>
        <translation>Dyplom:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Hoch</source>
        <extracomment>Page orientation: portrait</extracomment>
        <translation>Pionowo</translation>
    </message>
    <message>
        <source>Quer</source>
        <extracomment>Page orientation: landscape</extracomment>
        <translation>Poziomo</translation>
    </message>
    <message>
        <source>Papier:</source>
        <translation>Papier:</translation>
    </message>
    <message>
        <source>PDF speichern</source>
        <translation>Zapisz PDF</translation>
    </message>
    <message>
        <source>Die Seiten als PDF-Datei speichern</source>
        <translation>Zapisz strony jako plik PDF</translation>
    </message>
    <message>
        <source>Der Drucker bietet das Papier „%1“ nicht an.</source>
        <translation>Drukarka nie obsługuje papieru „%1”.</translation>
    </message>
    <message>
        <source>Nicht genug Speicher für eine weitere Seite: die Vorschau ist unvollständig.</source>
        <translation>Za mało pamięci na kolejną stronę: podgląd jest niepełny.</translation>
    </message>
    <message>
        <source>Die Liste ist zu breit: sie passt in keiner Schriftgröße auf die Seite.</source>
        <translation>Lista jest za szeroka: nie mieści się na stronie w żadnym rozmiarze czcionki.</translation>
    </message>
    <message>
        <source>Es ist kein Drucker eingerichtet. Mit „PDF speichern“ lassen sich die Seiten als PDF-Datei sichern, oder im Druckdialog als Drucker „In PDF-Datei drucken“ wählen.</source>
        <translation>Nie skonfigurowano drukarki. Przyciskiem „Zapisz PDF” można zapisać strony jako plik PDF albo w oknie drukowania wybrać drukarkę „Drukuj do pliku (PDF)”.</translation>
    </message>
    <message>
        <source>den Bereich, den der Drucker bedrucken kann,</source>
        <extracomment>Fills %1 of &quot;Diese Zeilen der Urkunde reichen über %1 hinaus …&quot;</extracomment>
        <translation>obszar, który drukarka może zadrukować,</translation>
    </message>
    <message>
        <source>Trotzdem drucken?</source>
        <translation>Drukować mimo to?</translation>
    </message>
    <message>
        <source>Der Druck wurde abgebrochen.</source>
        <translation>Drukowanie przerwano.</translation>
    </message>
    <message>
        <source>Diese Zeilen der Urkunde reichen über %1 hinaus und würden abgeschnitten: %2.
Bedruckt wird von %3 bis %4 mm von links und von %5 bis %6 mm von oben; in den Einstellungen lassen sich die Zeilen verschieben.

%7</source>
        <translation>Te wiersze dyplomu wychodzą poza %1 i zostałyby obcięte: %2.
Zadrukowany jest obszar od %3 do %4 mm od lewej i od %5 do %6 mm od góry; wiersze można przesunąć w ustawieniach.

%7</translation>
    </message>
    <message>
        <source>den Rand des Papiers</source>
        <extracomment>Fills %1 of &quot;Diese Zeilen der Urkunde reichen über %1 hinaus …&quot;</extracomment>
        <translation>krawędź papieru</translation>
    </message>
    <message>
        <source>Trotzdem speichern?</source>
        <translation>Zapisać mimo to?</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Zapisano: %1</translation>
    </message>
</context>
<context>
    <name>zn::TPrintPreview</name>
    <message>
        <source>Die Datei &quot;%1&quot; kann nicht geschrieben werden: %2</source>
        <translation>Nie można zapisać pliku „%1”: %2</translation>
    </message>
    <message>
        <source>PDF-Ausgabe nicht möglich</source>
        <translation>Zapis PDF niemożliwy</translation>
    </message>
    <message>
        <source>PDF-Ausgabe nicht abgeschlossen</source>
        <translation>Zapis PDF nie został ukończony</translation>
    </message>
</context>
<context>
    <name>zn::TSortGrid</name>
    <message>
        <source>Rowsize too small</source>
        <translation>Za mała wysokość wiersza</translation>
    </message>
</context>
</TS>
