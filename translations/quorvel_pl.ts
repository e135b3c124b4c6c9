<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>EndOfGame</name>
    <message>
        <source>Sums</source>
        <extracomment>Column heading over the sums answered wrongly; keep it short.</extracomment>
        <translation>Działania</translation>
    </message>
    <message>
        <source>Correct</source>
        <extracomment>Column heading over the right answers; keep it short.</extracomment>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>Yours</source>
        <extracomment>Column heading over the player&apos;s answers; keep it short.</extracomment>
        <translation>Twoja</translation>
    </message>
    <message>
        <source>EXCELLENT, %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>ŚWIETNIE, %1!</translation>
    </message>
    <message>
        <source>VERY GOOD, %1!</source>
        <translation>BARDZO DOBRZE, %1!</translation>
    </message>
    <message>
        <source>NOT BAD, %1!</source>
        <translation>NIEŹLE, %1!</translation>
    </message>
    <message>
        <source>CAN DO BETTER, %1!</source>
        <translation>STAĆ CIĘ NA WIĘCEJ, %1!</translation>
    </message>
    <message>
        <source>You have scored %1/%2.</source>
        <translation>Twój wynik: %1/%2.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you ran out of time.</source>
        <extracomment>Read by a screen reader for a sum whose time ran out: %1 times %2 is %3.</extracomment>
        <translation>%1 razy %2 to %3: skończył się czas.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you said %4.</source>
        <extracomment>Read by a screen reader for a sum answered wrongly: %1 times %2 is %3, %4 the answer given.</extracomment>
        <translation>%1 razy %2 to %3: twoja odpowiedź to %4.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1&apos;s History (%2/%3) - %4</source>
        <extracomment>%1 is the player&apos;s name, %2 the record&apos;s number, %3 the number of records, %4 the date and time the game ended.</extracomment>
        <translation>Gry – %1 (%2/%3) - %4</translation>
    </message>
    <message>
        <source>This record is too long to show whole: only its start is shown.</source>
        <translation>Ta gra jest za długa, żeby pokazać ją całą: widać tylko jej początek.</translation>
    </message>
    <message>
        <source>View Next?</source>
        <translation>Pokazać następną?</translation>
    </message>
    <message>
        <source>No history for %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>%1 nie ma jeszcze żadnej skończonej gry!</translation>
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
        <translation>Dobrze!</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <extracomment>Spoken after a wrong answer: %1 times %2 is %3, the right answer.</extracomment>
        <translation>Źle: %1.</translation>
    </message>
    <message>
        <source>Wrong, %1 times %2 is %3.</source>
        <translation>Źle, %1 razy %2 to %3.</translation>
    </message>
    <message>
        <source>Time&apos;s up: %1.</source>
        <extracomment>Spoken when a sum&apos;s time ran out: %1 times %2 is %3, the right answer.</extracomment>
        <translation>Koniec czasu: %1.</translation>
    </message>
    <message>
        <source>Time&apos;s up, %1 times %2 is %3.</source>
        <translation>Koniec czasu, %1 razy %2 to %3.</translation>
    </message>
    <message>
        <source>Sum %1 of %2: %3 times %4</source>
        <extracomment>Spoken by a screen reader: %1 is the sum&apos;s number in the game, %2 the number of sums, %3 and %4 the two factors.</extracomment>
        <translation>Działanie %1 z %2: %3 razy %4</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <extracomment>The new sum alone, when there is no time to say more: %1 times %2.</extracomment>
        <translation>%1 razy %2</translation>
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
        <translation>Wersja </translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Autorzy</translation>
    </message>
    <message>
        <source>Quorvel developers</source>
        <translation>Twórcy Quorvela</translation>
    </message>
    <message>
        <source>A multiplication-tables game</source>
        <translation>Gra do nauki tabliczki mnożenia</translation>
    </message>
    <message>
        <source>No e-mail address</source>
        <translation>Brak adresu e-mail</translation>
    </message>
    <message>
        <source>No web page</source>
        <translation>Brak strony internetowej</translation>
    </message>
    <message>
        <source>Copyright 2026</source>
        <translation>Copyright 2026</translation>
    </message>
    <message>
        <source>Warning: Quorvel is given as it is, without warranty of any kind. Use it at your own risk.</source>
        <translation>Uwaga: Quorvel jest udostępniany w takiej postaci, w jakiej jest, bez żadnej gwarancji. Używasz go na własne ryzyko.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Error loading Help screen!</source>
        <translation>Nie udało się otworzyć pomocy!</translation>
    </message>
    <message>
        <source>Help document</source>
        <translation>Tekst pomocy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;System…</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są teraz niedostępne</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source> Trend: steady.</source>
        <translation> Kierunek: bez zmian.</translation>
    </message>
    <message>
        <source> Trend: up about %1 points.</source>
        <translation> Kierunek: w górę o około %1 pkt.</translation>
    </message>
    <message>
        <source> Trend: down about %1 points.</source>
        <translation> Kierunek: w dół o około %1 pkt.</translation>
    </message>
    <message>
        <source>%1&apos;s Progress</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>Postępy – %1</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Pokaż:</translation>
    </message>
    <message>
        <source>Last 10 games</source>
        <translation>Ostatnie 10 gier</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Ostatnie 30 dni</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Wszystkie gry</translation>
    </message>
    <message>
        <source>Scores, with the trend as a dashed line</source>
        <translation>Wyniki, a kierunek jako linia przerywana</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Wykres wyników</translation>
    </message>
    <message>
        <source>Sums answered wrong or not in time</source>
        <translation>Działania złe lub nie na czas</translation>
    </message>
    <message>
        <source>Each square counts how often that sum went wrong in the games shown: the darker, the more often. Games counts the games whose record shows that table. A record keeps only the sums that went wrong, so a game in which a table was always right is not counted.</source>
        <translation>Każdy kwadrat liczy, ile razy to działanie poszło źle w pokazanych grach: im ciemniejszy, tym częściej. Gry liczy gry, w których zapisie jest ta tabliczka. Zapis gry zawiera tylko źle rozwiązane działania, więc gra, w której tabliczka zawsze poszła dobrze, nie jest liczona.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Gry</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>No games in the last 30 days.</source>
        <translation>Brak gier w ostatnich 30 dniach.</translation>
    </message>
    <message>
        <source>No games to show.</source>
        <translation>Brak gier do pokazania.</translation>
    </message>
    <message>
        <source>1 game, on %1: %2.</source>
        <translation>1 gra, %1: %2.</translation>
    </message>
    <message>
        <source>%1 games, %2 to %3. First %4, last %5, best %6, average %7.</source>
        <translation>Liczba gier: %1, od %2 do %3. Pierwsza %4, ostatnia %5, najlepsza %6, średnio %7.</translation>
    </message>
    <message>
        <source>Game %1 of %2: %3 %4, %5/%6 right (%7)</source>
        <translation>Gra %1 z %2: %3 %4, dobrze %5/%6 (%7)</translation>
    </message>
    <message>
        <source>1 record could not be read.</source>
        <translation>Nie udało się odczytać 1 zapisu.</translation>
    </message>
    <message>
        <source>%1 records could not be read.</source>
        <translation>Nieodczytane zapisy: %1.</translation>
    </message>
    <message>
        <source>never wrong</source>
        <translation>nigdy źle</translation>
    </message>
    <message>
        <source>wrong once</source>
        <translation>źle raz</translation>
    </message>
    <message>
        <source>wrong %1 times</source>
        <translation>źle %1 razy</translation>
    </message>
    <message>
        <source>%1: in the record of 1 game</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;.</extracomment>
        <translation>%1: w zapisie 1 gry</translation>
    </message>
    <message>
        <source>%1: in the records of %2 games</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;; %2 is the number of games.</extracomment>
        <translation>%1: w zapisach gier: %2</translation>
    </message>
    <message>
        <source>&amp;Practise these sums</source>
        <translation>Ć&amp;wicz te działania</translation>
    </message>
    <message>
        <source>How well each sum is known</source>
        <translation>Jak dobrze znasz każde działanie</translation>
    </message>
    <message>
        <source>Each square shows how often that sum was answered right out of how often it was asked, in all games. Green: known. Yellow: still learning. Red: needs practice, it went wrong the last time. Empty: not asked yet. Practice games ask the red sums most often.</source>
        <translation>Każde pole pokazuje, ile razy to działanie było dobrze rozwiązane na tyle razy, ile było zadane, we wszystkich grach. Zielone: umiesz. Żółte: jeszcze się uczysz. Czerwone: trzeba ćwiczyć, ostatnio było źle. Puste: jeszcze nie zadane. Gry ćwiczeniowe najczęściej zadają czerwone działania.</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>jeszcze nie zadane</translation>
    </message>
    <message>
        <source>known</source>
        <translation>umiesz</translation>
    </message>
    <message>
        <source>still learning</source>
        <translation>jeszcze się uczysz</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>trzeba ćwiczyć</translation>
    </message>
    <message>
        <source>asked once, right %1, %2</source>
        <extracomment>%1 is how often the sum was answered right, %2 its learning state.</extracomment>
        <translation>zadane raz, dobrze %1, %2</translation>
    </message>
    <message>
        <source>asked %1 times, right %2, %3</source>
        <extracomment>%1 is how often the sum was asked, %2 how often answered right, %3 its learning state.</extracomment>
        <translation>zadane %1 razy, dobrze %2, %3</translation>
    </message>
</context>
<context>
    <name>frmTables</name>
    <message>
        <source>Hi PlayerName, I hope you&apos;re ready to play ...</source>
        <extracomment>PlayerName stands for the player&apos;s name: keep it as it is.</extracomment>
        <translation>Cześć, PlayerName! Zaczynamy grę? …</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Każda</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Ż&amp;adna</translation>
    </message>
    <message>
        <source>No. of Sums</source>
        <translation>Liczba działań</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Twoja odpowiedź</translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>Dobrze: </translation>
    </message>
    <message>
        <source>Wrong: </source>
        <translation>Źle: </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Cancel Game</source>
        <translation>&amp;Przerwij grę</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Ustawienia…</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Wolno</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>Ś&amp;rednio</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Szybko</translation>
    </message>
    <message>
        <source>&amp;View History</source>
        <translation>&amp;Rozegrane gry</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>Jak masz na imię?</translation>
    </message>
    <message>
        <source>Your settings cannot be read, so they will not be saved this time.</source>
        <translation>Nie można odczytać twoich ustawień, więc tym razem nie zostaną zapisane.</translation>
    </message>
    <message>
        <source>Your score could not be saved.</source>
        <translation>Nie udało się zapisać twojego wyniku.</translation>
    </message>
    <message>
        <source>You must select a table!</source>
        <translation>Musisz wybrać tabliczkę!</translation>
    </message>
    <message>
        <source>Game cancelled by request!</source>
        <translation>Gra przerwana!</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>P&amp;ostępy</translation>
    </message>
    <message>
        <source>The file for your settings belongs to another program or to a newer version of this game, so your settings and scores will not be saved this time.</source>
        <translation>Plik twoich ustawień należy do innego programu albo do nowszej wersji tej gry, więc tym razem twoje ustawienia i wyniki nie zostaną zapisane.</translation>
    </message>
    <message>
        <source>Your settings and scores cannot be saved this time: their file or folder cannot be changed, or the disk is full.</source>
        <translation>Tym razem nie można zapisać twoich ustawień i wyników: ich pliku lub katalogu nie da się zmienić albo dysk jest pełny.</translation>
    </message>
    <message>
        <source>Your settings could not be saved.</source>
        <translation>Nie udało się zapisać twoich ustawień.</translation>
    </message>
    <message>
        <source>P&amp;ractise</source>
        <translation>Ć&amp;wicz</translation>
    </message>
    <message>
        <source>Every table is ticked.</source>
        <translation>Zaznaczone są wszystkie tabliczki.</translation>
    </message>
    <message>
        <source>No table is ticked.</source>
        <translation>Nie zaznaczono żadnej tabliczki.</translation>
    </message>
</context>
</TS>
