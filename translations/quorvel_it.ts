<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>EndOfGame</name>
    <message>
        <source>Sums</source>
        <extracomment>Column heading over the sums answered wrongly; keep it short.</extracomment>
        <translation>Operazioni</translation>
    </message>
    <message>
        <source>Correct</source>
        <extracomment>Column heading over the right answers; keep it short.</extracomment>
        <translation>Giusta</translation>
    </message>
    <message>
        <source>Yours</source>
        <extracomment>Column heading over the player&apos;s answers; keep it short.</extracomment>
        <translation>La tua</translation>
    </message>
    <message>
        <source>EXCELLENT, %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>ECCELLENTE, %1!</translation>
    </message>
    <message>
        <source>VERY GOOD, %1!</source>
        <translation>MOLTO BENE, %1!</translation>
    </message>
    <message>
        <source>NOT BAD, %1!</source>
        <translation>NON MALE, %1!</translation>
    </message>
    <message>
        <source>CAN DO BETTER, %1!</source>
        <translation>PUOI FARE DI MEGLIO, %1!</translation>
    </message>
    <message>
        <source>You have scored %1/%2.</source>
        <translation>Il tuo punteggio: %1/%2.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you ran out of time.</source>
        <extracomment>Read by a screen reader for a sum whose time ran out: %1 times %2 is %3.</extracomment>
        <translation>%1 per %2 fa %3: il tempo è scaduto.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you said %4.</source>
        <extracomment>Read by a screen reader for a sum answered wrongly: %1 times %2 is %3, %4 the answer given.</extracomment>
        <translation>%1 per %2 fa %3: hai detto %4.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1&apos;s History (%2/%3) - %4</source>
        <extracomment>%1 is the player&apos;s name, %2 the record&apos;s number, %3 the number of records, %4 the date and time the game ended.</extracomment>
        <translation>Le partite di %1 (%2/%3) - %4</translation>
    </message>
    <message>
        <source>This record is too long to show whole: only its start is shown.</source>
        <translation>Questa partita è troppo lunga per mostrarla tutta: ne vedi solo l’inizio.</translation>
    </message>
    <message>
        <source>View Next?</source>
        <translation>Vuoi vedere la prossima?</translation>
    </message>
    <message>
        <source>No history for %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>%1 non ha ancora finito nessuna partita!</translation>
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
        <translation>Giusto!</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <extracomment>Spoken after a wrong answer: %1 times %2 is %3, the right answer.</extracomment>
        <translation>Sbagliato: %1.</translation>
    </message>
    <message>
        <source>Wrong, %1 times %2 is %3.</source>
        <translation>Sbagliato, %1 per %2 fa %3.</translation>
    </message>
    <message>
        <source>Time&apos;s up: %1.</source>
        <extracomment>Spoken when a sum&apos;s time ran out: %1 times %2 is %3, the right answer.</extracomment>
        <translation>Tempo scaduto: %1.</translation>
    </message>
    <message>
        <source>Time&apos;s up, %1 times %2 is %3.</source>
        <translation>Tempo scaduto, %1 per %2 fa %3.</translation>
    </message>
    <message>
        <source>Sum %1 of %2: %3 times %4</source>
        <extracomment>Spoken by a screen reader: %1 is the sum&apos;s number in the game, %2 the number of sums, %3 and %4 the two factors.</extracomment>
        <translation>Operazione %1 di %2: %3 per %4</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <extracomment>The new sum alone, when there is no time to say more: %1 times %2.</extracomment>
        <translation>%1 per %2</translation>
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
        <translation>Versione </translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Realizzato da</translation>
    </message>
    <message>
        <source>Quorvel developers</source>
        <translation>Gli sviluppatori di Quorvel</translation>
    </message>
    <message>
        <source>A multiplication-tables game</source>
        <translation>Un gioco per le tabelline</translation>
    </message>
    <message>
        <source>No e-mail address</source>
        <translation>Nessun indirizzo e-mail</translation>
    </message>
    <message>
        <source>No web page</source>
        <translation>Nessun sito web</translation>
    </message>
    <message>
        <source>Copyright 2026</source>
        <translation>Copyright 2026</translation>
    </message>
    <message>
        <source>Warning: Quorvel is given as it is, without warranty of any kind. Use it at your own risk.</source>
        <translation>Attenzione: Quorvel è fornito così com’è, senza alcuna garanzia. Lo usi a tuo rischio.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Error loading Help screen!</source>
        <translation>Non è stato possibile aprire la guida!</translation>
    </message>
    <message>
        <source>Help document</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Sistema…</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono disponibili in questo momento</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source> Trend: steady.</source>
        <translation> Andamento: stabile.</translation>
    </message>
    <message>
        <source> Trend: up about %1 points.</source>
        <translation> Andamento: in salita di circa %1 punti.</translation>
    </message>
    <message>
        <source> Trend: down about %1 points.</source>
        <translation> Andamento: in discesa di circa %1 punti.</translation>
    </message>
    <message>
        <source>%1&apos;s Progress</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>I progressi di %1</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostra:</translation>
    </message>
    <message>
        <source>Last 10 games</source>
        <translation>Ultime 10 partite</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Ultimi 30 giorni</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Tutte le partite</translation>
    </message>
    <message>
        <source>Scores, with the trend as a dashed line</source>
        <translation>Punteggi, con l’andamento come linea tratteggiata</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Grafico dei punteggi</translation>
    </message>
    <message>
        <source>Sums answered wrong or not in time</source>
        <translation>Operazioni sbagliate o fuori tempo</translation>
    </message>
    <message>
        <source>Each square counts how often that sum went wrong in the games shown: the darker, the more often. Games counts the games whose record shows that table. A record keeps only the sums that went wrong, so a game in which a table was always right is not counted.</source>
        <translation>Ogni casella conta quante volte quell’operazione è stata sbagliata nelle partite mostrate: più è scura, più volte. Partite conta le partite in cui compare quella tabellina. Di ogni partita si tengono solo le operazioni sbagliate, quindi una partita in cui una tabellina è sempre stata giusta non viene contata.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No games in the last 30 days.</source>
        <translation>Nessuna partita negli ultimi 30 giorni.</translation>
    </message>
    <message>
        <source>No games to show.</source>
        <translation>Nessuna partita da mostrare.</translation>
    </message>
    <message>
        <source>1 game, on %1: %2.</source>
        <translation>1 partita, il %1: %2.</translation>
    </message>
    <message>
        <source>%1 games, %2 to %3. First %4, last %5, best %6, average %7.</source>
        <translation>%1 partite, dal %2 al %3. Prima %4, ultima %5, migliore %6, media %7.</translation>
    </message>
    <message>
        <source>Game %1 of %2: %3 %4, %5/%6 right (%7)</source>
        <translation>Partita %1 di %2: %3 %4, %5/%6 giuste (%7)</translation>
    </message>
    <message>
        <source>1 record could not be read.</source>
        <translation>Non è stato possibile leggere 1 partita.</translation>
    </message>
    <message>
        <source>%1 records could not be read.</source>
        <translation>Non è stato possibile leggere %1 partite.</translation>
    </message>
    <message>
        <source>never wrong</source>
        <translation>mai sbagliata</translation>
    </message>
    <message>
        <source>wrong once</source>
        <translation>sbagliata una volta</translation>
    </message>
    <message>
        <source>wrong %1 times</source>
        <translation>sbagliata %1 volte</translation>
    </message>
    <message>
        <source>%1: in the record of 1 game</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;.</extracomment>
        <translation>%1: in 1 partita</translation>
    </message>
    <message>
        <source>%1: in the records of %2 games</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;; %2 is the number of games.</extracomment>
        <translation>%1: in %2 partite</translation>
    </message>
    <message>
        <source>&amp;Practise these sums</source>
        <translation>&amp;Esercitati con queste operazioni</translation>
    </message>
    <message>
        <source>How well each sum is known</source>
        <translation>Quanto conosci ogni operazione</translation>
    </message>
    <message>
        <source>Each square shows how often that sum was answered right out of how often it was asked, in all games. Green: known. Yellow: still learning. Red: needs practice, it went wrong the last time. Empty: not asked yet. Practice games ask the red sums most often.</source>
        <translation>Ogni casella mostra quante volte quell’operazione è stata giusta su quante volte è stata chiesta, in tutte le partite. Verde: la sai. Giallo: la stai imparando. Rosso: da esercitare, l’ultima volta era sbagliata. Vuota: non ancora chiesta. Le partite di esercizio chiedono più spesso le operazioni rosse.</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>non ancora chiesta</translation>
    </message>
    <message>
        <source>known</source>
        <translation>la sai</translation>
    </message>
    <message>
        <source>still learning</source>
        <translation>la stai imparando</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>da esercitare</translation>
    </message>
    <message>
        <source>asked once, right %1, %2</source>
        <extracomment>%1 is how often the sum was answered right, %2 its learning state.</extracomment>
        <translation>chiesta una volta, giusta %1, %2</translation>
    </message>
    <message>
        <source>asked %1 times, right %2, %3</source>
        <extracomment>%1 is how often the sum was asked, %2 how often answered right, %3 its learning state.</extracomment>
        <translation>chiesta %1 volte, giusta %2, %3</translation>
    </message>
</context>
<context>
    <name>frmTables</name>
    <message>
        <source>Hi PlayerName, I hope you&apos;re ready to play ...</source>
        <extracomment>PlayerName stands for the player&apos;s name: keep it as it is.</extracomment>
        <translation>Ciao PlayerName, si comincia? …</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tutte</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Nulla</translation>
    </message>
    <message>
        <source>No. of Sums</source>
        <translation>Operazioni</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>La tua risposta</translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>Giuste: </translation>
    </message>
    <message>
        <source>Wrong: </source>
        <translation>Sbagliate: </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Cancel Game</source>
        <translation>&amp;Interrompi partita</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni…</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Velocità</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Veloce</translation>
    </message>
    <message>
        <source>&amp;View History</source>
        <translation>&amp;Partite giocate</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>Come ti chiami?</translation>
    </message>
    <message>
        <source>Your settings cannot be read, so they will not be saved this time.</source>
        <translation>Non è possibile leggere le tue impostazioni, quindi questa volta non verranno salvate.</translation>
    </message>
    <message>
        <source>Your score could not be saved.</source>
        <translation>Non è stato possibile salvare il tuo punteggio.</translation>
    </message>
    <message>
        <source>You must select a table!</source>
        <translation>Devi scegliere almeno una tabellina!</translation>
    </message>
    <message>
        <source>Game cancelled by request!</source>
        <translation>Hai interrotto la partita!</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>P&amp;rogressi</translation>
    </message>
    <message>
        <source>The file for your settings belongs to another program or to a newer version of this game, so your settings and scores will not be saved this time.</source>
        <translation>Il file delle tue impostazioni appartiene a un altro programma o a una versione più nuova di questo gioco, quindi questa volta le tue impostazioni e i tuoi punteggi non verranno salvati.</translation>
    </message>
    <message>
        <source>Your settings and scores cannot be saved this time: their file or folder cannot be changed, or the disk is full.</source>
        <translation>Questa volta non è possibile salvare le tue impostazioni e i tuoi punteggi: il loro file o la loro cartella non si può modificare, oppure il disco è pieno.</translation>
    </message>
    <message>
        <source>Your settings could not be saved.</source>
        <translation>Non è stato possibile salvare le tue impostazioni.</translation>
    </message>
    <message>
        <source>P&amp;ractise</source>
        <translation>Eser&amp;citati</translation>
    </message>
    <message>
        <source>Every table is ticked.</source>
        <translation>Tutte le tabelline sono scelte.</translation>
    </message>
    <message>
        <source>No table is ticked.</source>
        <translation>Nessuna tabellina è scelta.</translation>
    </message>
</context>
</TS>
