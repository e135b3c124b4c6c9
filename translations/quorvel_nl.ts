<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>EndOfGame</name>
    <message>
        <source>Sums</source>
        <extracomment>Column heading over the sums answered wrongly; keep it short.</extracomment>
        <translation>Sommen</translation>
    </message>
    <message>
        <source>Correct</source>
        <extracomment>Column heading over the right answers; keep it short.</extracomment>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Yours</source>
        <extracomment>Column heading over the player&apos;s answers; keep it short.</extracomment>
        <translation>Jouw antwoord</translation>
    </message>
    <message>
        <source>EXCELLENT, %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>UITSTEKEND, %1!</translation>
    </message>
    <message>
        <source>VERY GOOD, %1!</source>
        <translation>HEEL GOED, %1!</translation>
    </message>
    <message>
        <source>NOT BAD, %1!</source>
        <translation>NIET SLECHT, %1!</translation>
    </message>
    <message>
        <source>CAN DO BETTER, %1!</source>
        <translation>HET KAN NOG BETER, %1!</translation>
    </message>
    <message>
        <source>You have scored %1/%2.</source>
        <translation>Je score: %1/%2.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you ran out of time.</source>
        <extracomment>Read by a screen reader for a sum whose time ran out: %1 times %2 is %3.</extracomment>
        <translation>%1 keer %2 is %3: je tijd was om.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you said %4.</source>
        <extracomment>Read by a screen reader for a sum answered wrongly: %1 times %2 is %3, %4 the answer given.</extracomment>
        <translation>%1 keer %2 is %3: jij zei %4.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1&apos;s History (%2/%3) - %4</source>
        <extracomment>%1 is the player&apos;s name, %2 the record&apos;s number, %3 the number of records, %4 the date and time the game ended.</extracomment>
        <translation>Spellen van %1 (%2/%3) - %4</translation>
    </message>
    <message>
        <source>View Next?</source>
        <translation>Het volgende spel bekijken?</translation>
    </message>
    <message>
        <source>No history for %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>Er zijn nog geen spellen van %1!</translation>
    </message>
    <message>
        <source>This record is too long to show whole: only its start is shown.</source>
        <translation>Dit verslag is te lang om helemaal te tonen: alleen het begin staat hier.</translation>
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
        <translation>Goed!</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <extracomment>Spoken after a wrong answer: %1 times %2 is %3, the right answer.</extracomment>
        <translation>Fout: %1.</translation>
    </message>
    <message>
        <source>Wrong, %1 times %2 is %3.</source>
        <translation>Fout, %1 keer %2 is %3.</translation>
    </message>
    <message>
        <source>Time&apos;s up: %1.</source>
        <extracomment>Spoken when a sum&apos;s time ran out: %1 times %2 is %3, the right answer.</extracomment>
        <translation>Tijd is om: %1.</translation>
    </message>
    <message>
        <source>Time&apos;s up, %1 times %2 is %3.</source>
        <translation>Tijd is om, %1 keer %2 is %3.</translation>
    </message>
    <message>
        <source>Sum %1 of %2: %3 times %4</source>
        <extracomment>Spoken by a screen reader: %1 is the sum&apos;s number in the game, %2 the number of sums, %3 and %4 the two factors.</extracomment>
        <translation>Som %1 van %2: %3 keer %4</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <extracomment>The new sum alone, when there is no time to say more: %1 times %2.</extracomment>
        <translation>%1 keer %2</translation>
    </message>
</context>
<context>
    <name>Sums</name>
    <message>
        <source>x</source>
        <extracomment>The multiplication sign your schools teach children (for example × or ·), as in 7 x 8.</extracomment>
        <translation>×</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Version </source>
        <translation>Versie </translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Gemaakt door</translation>
    </message>
    <message>
        <source>Quorvel developers</source>
        <translation>De makers van Quorvel</translation>
    </message>
    <message>
        <source>A multiplication-tables game</source>
        <translation>Een spel om de tafels te oefenen</translation>
    </message>
    <message>
        <source>No e-mail address</source>
        <translation>Geen e-mailadres</translation>
    </message>
    <message>
        <source>No web page</source>
        <translation>Geen website</translation>
    </message>
    <message>
        <source>Copyright 2026</source>
        <translation>Copyright 2026</translation>
    </message>
    <message>
        <source>Warning: Quorvel is given as it is, without warranty of any kind. Use it at your own risk.</source>
        <translation>Let op: Quorvel wordt geleverd zoals het is, zonder enige garantie. Gebruik is op eigen risico.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Error loading Help screen!</source>
        <translation>De help kon niet worden geladen!</translation>
    </message>
    <message>
        <source>Help document</source>
        <translation>Helpdocument</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeem…</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeeminformatie is op dit moment niet beschikbaar</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source> Trend: steady.</source>
        <translation> Trend: gelijk.</translation>
    </message>
    <message>
        <source> Trend: up about %1 points.</source>
        <translation> Trend: ongeveer %1 punten omhoog.</translation>
    </message>
    <message>
        <source> Trend: down about %1 points.</source>
        <translation> Trend: ongeveer %1 punten omlaag.</translation>
    </message>
    <message>
        <source>%1&apos;s Progress</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>Voortgang van %1</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Toon:</translation>
    </message>
    <message>
        <source>Last 10 games</source>
        <translation>Laatste 10 spellen</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Laatste 30 dagen</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Alle spellen</translation>
    </message>
    <message>
        <source>Scores, with the trend as a dashed line</source>
        <translation>Scores, met de trend als stippellijn</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Grafiek van de scores</translation>
    </message>
    <message>
        <source>Sums answered wrong or not in time</source>
        <translation>Sommen fout of te laat beantwoord</translation>
    </message>
    <message>
        <source>Each square counts how often that sum went wrong in the games shown: the darker, the more often. Games counts the games whose record shows that table. A record keeps only the sums that went wrong, so a game in which a table was always right is not counted.</source>
        <translation>Elk vakje telt hoe vaak die som fout ging in de getoonde spellen: hoe donkerder, hoe vaker. ‘Spellen’ telt de spellen waarvan het verslag die tafel bevat. Een verslag bewaart alleen de sommen die fout gingen, dus een spel waarin een tafel steeds goed was, telt niet mee.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>No games in the last 30 days.</source>
        <translation>Geen spellen in de laatste 30 dagen.</translation>
    </message>
    <message>
        <source>No games to show.</source>
        <translation>Geen spellen om te tonen.</translation>
    </message>
    <message>
        <source>1 game, on %1: %2.</source>
        <translation>1 spel, op %1: %2.</translation>
    </message>
    <message>
        <source>%1 games, %2 to %3. First %4, last %5, best %6, average %7.</source>
        <translation>%1 spellen, %2 tot %3. Eerste %4, laatste %5, beste %6, gemiddeld %7.</translation>
    </message>
    <message>
        <source>Game %1 of %2: %3 %4, %5/%6 right (%7)</source>
        <translation>Spel %1 van %2: %3 %4, %5/%6 goed (%7)</translation>
    </message>
    <message>
        <source>1 record could not be read.</source>
        <translation>1 verslag kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>%1 records could not be read.</source>
        <translation>%1 verslagen konden niet worden gelezen.</translation>
    </message>
    <message>
        <source>never wrong</source>
        <translation>nooit fout</translation>
    </message>
    <message>
        <source>wrong once</source>
        <translation>één keer fout</translation>
    </message>
    <message>
        <source>wrong %1 times</source>
        <translation>%1 keer fout</translation>
    </message>
    <message>
        <source>%1: in the record of 1 game</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;.</extracomment>
        <translation>%1: in het verslag van 1 spel</translation>
    </message>
    <message>
        <source>%1: in the records of %2 games</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;; %2 is the number of games.</extracomment>
        <translation>%1: in de verslagen van %2 spellen</translation>
    </message>
    <message>
        <source>&amp;Practise these sums</source>
        <translation>Deze sommen &amp;oefenen</translation>
    </message>
    <message>
        <source>How well each sum is known</source>
        <translation>Hoe goed je elke som kent</translation>
    </message>
    <message>
        <source>Each square shows how often that sum was answered right out of how often it was asked, in all games. Green: known. Yellow: still learning. Red: needs practice, it went wrong the last time. Empty: not asked yet. Practice games ask the red sums most often.</source>
        <translation>Elk vakje toont hoe vaak die som goed was op hoe vaak hij gevraagd is, in alle spellen. Groen: ken je. Geel: nog aan het leren. Rood: moet geoefend worden, hij ging de laatste keer fout. Leeg: nog niet gevraagd. Oefenspellen vragen de rode sommen het vaakst.</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>nog niet gevraagd</translation>
    </message>
    <message>
        <source>known</source>
        <translation>ken je</translation>
    </message>
    <message>
        <source>still learning</source>
        <translation>nog aan het leren</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>moet geoefend worden</translation>
    </message>
    <message>
        <source>asked once, right %1, %2</source>
        <extracomment>%1 is how often the sum was answered right, %2 its learning state.</extracomment>
        <translation>één keer gevraagd, %1 keer goed, %2</translation>
    </message>
    <message>
        <source>asked %1 times, right %2, %3</source>
        <extracomment>%1 is how often the sum was asked, %2 how often answered right, %3 its learning state.</extracomment>
        <translation>%1 keer gevraagd, %2 keer goed, %3</translation>
    </message>
</context>
<context>
    <name>frmTables</name>
    <message>
        <source>Hi PlayerName, I hope you&apos;re ready to play ...</source>
        <extracomment>PlayerName stands for the player&apos;s name: keep it as it is.</extracomment>
        <translation>Hoi PlayerName, ben je klaar om te spelen?</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Geen</translation>
    </message>
    <message>
        <source>No. of Sums</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Jouw antwoord</translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>Goed: </translation>
    </message>
    <message>
        <source>Wrong: </source>
        <translation>Fout: </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Cancel Game</source>
        <translation>Spel &amp;stoppen</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opties…</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langzaam</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Normaal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Snel</translation>
    </message>
    <message>
        <source>&amp;View History</source>
        <translation>&amp;Vorige spellen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over Quorvel</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>Hoe heet je?</translation>
    </message>
    <message>
        <source>Your score could not be saved.</source>
        <translation>Je score kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>You must select a table!</source>
        <translation>Je moet een tafel kiezen!</translation>
    </message>
    <message>
        <source>Game cancelled by request!</source>
        <translation>Je hebt het spel gestopt.</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>Voort&amp;gang</translation>
    </message>
    <message>
        <source>Your settings cannot be read, so they will not be saved this time.</source>
        <translation>Je instellingen kunnen niet worden gelezen, dus ze worden deze keer niet opgeslagen.</translation>
    </message>
    <message>
        <source>P&amp;ractise</source>
        <translation>Oef&amp;enen</translation>
    </message>
    <message>
        <source>The file for your settings belongs to another program or to a newer version of this game, so your settings and scores will not be saved this time.</source>
        <translation>Het bestand voor je instellingen hoort bij een ander programma of bij een nieuwere versie van dit spel, dus je instellingen en scores worden deze keer niet opgeslagen.</translation>
    </message>
    <message>
        <source>Your settings and scores cannot be saved this time: their file or folder cannot be changed, or the disk is full.</source>
        <translation>Je instellingen en scores kunnen deze keer niet worden opgeslagen: hun bestand of map kan niet worden gewijzigd, of de schijf is vol.</translation>
    </message>
    <message>
        <source>Your settings could not be saved.</source>
        <translation>Je instellingen konden niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Every table is ticked.</source>
        <translation>Alle tafels zijn aangevinkt.</translation>
    </message>
    <message>
        <source>No table is ticked.</source>
        <translation>Er is geen tafel aangevinkt.</translation>
    </message>
</context>
</TS>
