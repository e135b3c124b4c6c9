<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>EndOfGame</name>
    <message>
        <source>Sums</source>
        <extracomment>Column heading over the sums answered wrongly; keep it short.</extracomment>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Correct</source>
        <extracomment>Column heading over the right answers; keep it short.</extracomment>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Yours</source>
        <extracomment>Column heading over the player&apos;s answers; keep it short.</extracomment>
        <translation>Deine</translation>
    </message>
    <message>
        <source>EXCELLENT, %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>SPITZE, %1!</translation>
    </message>
    <message>
        <source>VERY GOOD, %1!</source>
        <translation>SEHR GUT, %1!</translation>
    </message>
    <message>
        <source>NOT BAD, %1!</source>
        <translation>NICHT SCHLECHT, %1!</translation>
    </message>
    <message>
        <source>CAN DO BETTER, %1!</source>
        <translation>DAS KANNST DU NOCH BESSER, %1!</translation>
    </message>
    <message>
        <source>You have scored %1/%2.</source>
        <translation>Dein Ergebnis: %1/%2.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1&apos;s History (%2/%3) - %4</source>
        <extracomment>%1 is the player&apos;s name, %2 the record&apos;s number, %3 the number of records, %4 the date and time the game ended.</extracomment>
        <translation>Spiele von %1 (%2/%3) - %4</translation>
    </message>
    <message>
        <source>View Next?</source>
        <translation>Das nächste Spiel ansehen?</translation>
    </message>
    <message>
        <source>No history for %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>Von %1 gibt es noch keine Spiele!</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Gemacht von</translation>
    </message>
    <message>
        <source>Quorvel developers</source>
        <translation>Die Quorvel-Entwickler</translation>
    </message>
    <message>
        <source>A multiplication-tables game</source>
        <translation>Ein Spiel zum Einmaleins</translation>
    </message>
    <message>
        <source>No e-mail address</source>
        <translation>Keine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>No web page</source>
        <translation>Keine Webseite</translation>
    </message>
    <message>
        <source>Copyright 2026</source>
        <translation>Copyright 2026</translation>
    </message>
    <message>
        <source>Warning: Quorvel is given as it is, without warranty of any kind. Use it at your own risk.</source>
        <translation>Achtung: Quorvel wird so, wie es ist, ohne jede Gewährleistung weitergegeben. Die Nutzung geschieht auf eigene Gefahr.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Error loading Help screen!</source>
        <translation>Die Hilfe konnte nicht geladen werden!</translation>
    </message>
    <message>
        <source>Help document</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind gerade nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>frmTables</name>
    <message>
        <source>Hi PlayerName, I hope you&apos;re ready to play ...</source>
        <extracomment>PlayerName stands for the player&apos;s name: keep it as it is.</extracomment>
        <translation>Hallo PlayerName, bist du bereit zum Spielen ...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>No. of Sums</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Deine Antwort</translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>Richtig: </translation>
    </message>
    <message>
        <source>Wrong: </source>
        <translation>Falsch: </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Cancel Game</source>
        <translation>Spiel &amp;abbrechen</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>&amp;View History</source>
        <translation>&amp;Frühere Spiele</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Quorvel</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>Wie heißt du?</translation>
    </message>
    <message>
        <source>Sum %1 of %2: %3 times %4</source>
        <extracomment>Spoken by a screen reader: %1 is the sum&apos;s number in the game, %2 the number of sums, %3 and %4 the two factors.</extracomment>
        <translation>Aufgabe %1 von %2: %3 mal %4</translation>
    </message>
    <message>
        <source>Your score could not be saved.</source>
        <translation>Dein Ergebnis konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>You must select a table!</source>
        <translation>Du musst eine Reihe auswählen!</translation>
    </message>
    <message>
        <source>Game cancelled by request!</source>
        <translation>Das Spiel wurde auf Wunsch abgebrochen!</translation>
    </message>
</context>
</TS>
