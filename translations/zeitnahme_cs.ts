<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="de">
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
    <name>QSaveFile</name>
    <message>
        <source>Filename refers to a directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
