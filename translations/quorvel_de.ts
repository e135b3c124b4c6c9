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
        <translation>Deine Antwort</translation>
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
    <message>
        <source>%1 times %2 is %3: you ran out of time.</source>
        <extracomment>Read by a screen reader for a sum whose time ran out: %1 times %2 is %3.</extracomment>
        <translation>%1 mal %2 ist %3: Deine Zeit war um.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you said %4.</source>
        <extracomment>Read by a screen reader for a sum answered wrongly: %1 times %2 is %3, %4 the answer given.</extracomment>
        <translation>%1 mal %2 ist %3: Du hast %4 gesagt.</translation>
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
    <message>
        <source>This record is too long to show whole: only its start is shown.</source>
        <translation>Dieser Eintrag ist zu lang, um ihn ganz zu zeigen: Nur sein Anfang wird gezeigt.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>SumSpeech</name>
    <message>
        <source>Right!</source>
        <extracomment>Spoken by a screen reader after a right answer.</extracomment>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <extracomment>Spoken after a wrong answer: %1 times %2 is %3, the right answer.</extracomment>
        <translation>Falsch: %1.</translation>
    </message>
    <message>
        <source>Wrong, %1 times %2 is %3.</source>
        <translation>Falsch, %1 mal %2 ist %3.</translation>
    </message>
    <message>
        <source>Time&apos;s up: %1.</source>
        <extracomment>Spoken when a sum&apos;s time ran out: %1 times %2 is %3, the right answer.</extracomment>
        <translation>Zeit um: %1.</translation>
    </message>
    <message>
        <source>Time&apos;s up, %1 times %2 is %3.</source>
        <translation>Zeit um, %1 mal %2 ist %3.</translation>
    </message>
    <message>
        <source>Sum %1 of %2: %3 times %4</source>
        <extracomment>Spoken by a screen reader: %1 is the sum&apos;s number in the game, %2 the number of sums, %3 and %4 the two factors.</extracomment>
        <translation>Aufgabe %1 von %2: %3 mal %4</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <extracomment>The new sum alone, when there is no time to say more: %1 times %2.</extracomment>
        <translation>%1 mal %2</translation>
    </message>
</context>
<context>
    <name>Sums</name>
    <message>
        <source>x</source>
        <extracomment>The multiplication sign your schools teach children (for example × or ·), as in 7 x 8.</extracomment>
        <translation>·</translation>
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
        <translation>Entwickelt von</translation>
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
        <translation>&amp;Systeminfo…</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Die Systeminformationen sind gerade nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source> Trend: steady.</source>
        <translation> Tendenz: gleichbleibend.</translation>
    </message>
    <message>
        <source> Trend: up about %1 points.</source>
        <translation> Tendenz: etwa %1 Punkte nach oben.</translation>
    </message>
    <message>
        <source> Trend: down about %1 points.</source>
        <translation> Tendenz: etwa %1 Punkte nach unten.</translation>
    </message>
    <message>
        <source>%1&apos;s Progress</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>Fortschritt von %1</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>Last 10 games</source>
        <translation>Letzte 10 Spiele</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Alle Spiele</translation>
    </message>
    <message>
        <source>Scores, with the trend as a dashed line</source>
        <translation>Ergebnisse, die Tendenz als gestrichelte Linie</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Diagramm der Ergebnisse</translation>
    </message>
    <message>
        <source>Sums answered wrong or not in time</source>
        <translation>Falsch oder zu spät beantwortete Aufgaben</translation>
    </message>
    <message>
        <source>Each square counts how often that sum went wrong in the games shown: the darker, the more often. Games counts the games whose record shows that table. A record keeps only the sums that went wrong, so a game in which a table was always right is not counted.</source>
        <translation>Jedes Kästchen zählt, wie oft diese Aufgabe in den gezeigten Spielen falsch war: je dunkler, desto öfter. „Spiele“ zählt die Spiele, in deren Eintrag diese Reihe vorkommt. Ein Eintrag behält nur die Aufgaben, die falsch waren; ein Spiel, in dem eine Reihe immer richtig war, wird also nicht mitgezählt.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No games in the last 30 days.</source>
        <translation>Keine Spiele in den letzten 30 Tagen.</translation>
    </message>
    <message>
        <source>No games to show.</source>
        <translation>Keine Spiele zum Anzeigen.</translation>
    </message>
    <message>
        <source>1 game, on %1: %2.</source>
        <translation>1 Spiel, am %1: %2.</translation>
    </message>
    <message>
        <source>%1 games, %2 to %3. First %4, last %5, best %6, average %7.</source>
        <translation>%1 Spiele, vom %2 bis %3. Erstes Ergebnis %4, letztes %5, bestes %6, Durchschnitt %7.</translation>
    </message>
    <message>
        <source>Game %1 of %2: %3 %4, %5/%6 right (%7)</source>
        <translation>Spiel %1 von %2: %3 %4, %5/%6 richtig (%7)</translation>
    </message>
    <message>
        <source>1 record could not be read.</source>
        <translation>1 Eintrag konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 records could not be read.</source>
        <translation>%1 Einträge konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>never wrong</source>
        <translation>nie falsch</translation>
    </message>
    <message>
        <source>wrong once</source>
        <translation>einmal falsch</translation>
    </message>
    <message>
        <source>wrong %1 times</source>
        <translation>%1-mal falsch</translation>
    </message>
    <message>
        <source>%1: in the record of 1 game</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;.</extracomment>
        <translation>%1: im Eintrag von 1 Spiel</translation>
    </message>
    <message>
        <source>%1: in the records of %2 games</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;; %2 is the number of games.</extracomment>
        <translation>%1: in den Einträgen von %2 Spielen</translation>
    </message>
    <message>
        <source>&amp;Practise these sums</source>
        <translation>Diese Rechnungen &amp;üben</translation>
    </message>
    <message>
        <source>How well each sum is known</source>
        <translation>Wie gut jede Rechnung sitzt</translation>
    </message>
    <message>
        <source>Each square shows how often that sum was answered right out of how often it was asked, in all games. Green: known. Yellow: still learning. Red: needs practice, it went wrong the last time. Empty: not asked yet. Practice games ask the red sums most often.</source>
        <translation>Jedes Kästchen zeigt, wie oft die Aufgabe richtig beantwortet wurde und wie oft sie gefragt wurde, in allen Spielen. Grün: sitzt. Gelb: noch am Lernen. Rot: muss geübt werden, sie war beim letzten Mal falsch. Leer: noch nicht gefragt. Übungsspiele fragen die roten Aufgaben am häufigsten.</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>noch nicht gefragt</translation>
    </message>
    <message>
        <source>known</source>
        <translation>sitzt</translation>
    </message>
    <message>
        <source>still learning</source>
        <translation>noch am Lernen</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>muss geübt werden</translation>
    </message>
    <message>
        <source>asked once, right %1, %2</source>
        <extracomment>%1 is how often the sum was answered right, %2 its learning state.</extracomment>
        <translation>einmal gefragt, %1-mal richtig, %2</translation>
    </message>
    <message>
        <source>asked %1 times, right %2, %3</source>
        <extracomment>%1 is how often the sum was asked, %2 how often answered right, %3 its learning state.</extracomment>
        <translation>%1-mal gefragt, %2-mal richtig, %3</translation>
    </message>
</context>
<context>
    <name>frmTables</name>
    <message>
        <source>Hi PlayerName, I hope you&apos;re ready to play ...</source>
        <extracomment>PlayerName stands for the player&apos;s name: keep it as it is.</extracomment>
        <translation>Hallo PlayerName, bist du bereit zum Spielen?</translation>
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
        <translation>&amp;Optionen…</translation>
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
        <translation>Frühere &amp;Spiele</translation>
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
        <source>Your score could not be saved.</source>
        <translation>Dein Ergebnis konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>You must select a table!</source>
        <translation>Kreuze mindestens eine Reihe an!</translation>
    </message>
    <message>
        <source>Game cancelled by request!</source>
        <translation>Du hast das Spiel abgebrochen.</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>Your settings cannot be read, so they will not be saved this time.</source>
        <translation>Deine Einstellungen können nicht gelesen werden, deshalb werden sie diesmal nicht gespeichert.</translation>
    </message>
    <message>
        <source>P&amp;ractise</source>
        <translation>&amp;Üben</translation>
    </message>
    <message>
        <source>The file for your settings belongs to another program or to a newer version of this game, so your settings and scores will not be saved this time.</source>
        <translation>Die Datei für deine Einstellungen gehört zu einem anderen Programm oder zu einer neueren Version dieses Spiels, deshalb werden deine Einstellungen und Ergebnisse diesmal nicht gespeichert.</translation>
    </message>
    <message>
        <source>Your settings and scores cannot be saved this time: their file or folder cannot be changed, or the disk is full.</source>
        <translation>Deine Einstellungen und Ergebnisse können diesmal nicht gespeichert werden: Ihre Datei oder ihr Ordner kann nicht geändert werden, oder die Festplatte ist voll.</translation>
    </message>
    <message>
        <source>Your settings could not be saved.</source>
        <translation>Deine Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Every table is ticked.</source>
        <translation>Alle Reihen sind angekreuzt.</translation>
    </message>
    <message>
        <source>No table is ticked.</source>
        <translation>Keine Reihe ist angekreuzt.</translation>
    </message>
</context>
</TS>
