<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>EndOfGame</name>
    <message>
        <source>Sums</source>
        <extracomment>Column heading over the sums answered wrongly; keep it short.</extracomment>
        <translation>Contas</translation>
    </message>
    <message>
        <source>Correct</source>
        <extracomment>Column heading over the right answers; keep it short.</extracomment>
        <translation>Certa</translation>
    </message>
    <message>
        <source>Yours</source>
        <extracomment>Column heading over the player&apos;s answers; keep it short.</extracomment>
        <translation>A sua</translation>
    </message>
    <message>
        <source>EXCELLENT, %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>EXCELENTE, %1!</translation>
    </message>
    <message>
        <source>VERY GOOD, %1!</source>
        <translation>MUITO BEM, %1!</translation>
    </message>
    <message>
        <source>NOT BAD, %1!</source>
        <translation>NADA MAL, %1!</translation>
    </message>
    <message>
        <source>CAN DO BETTER, %1!</source>
        <translation>DÁ PARA MELHORAR, %1!</translation>
    </message>
    <message>
        <source>You have scored %1/%2.</source>
        <translation>Sua pontuação: %1/%2.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you ran out of time.</source>
        <extracomment>Read by a screen reader for a sum whose time ran out: %1 times %2 is %3.</extracomment>
        <translation>%1 vezes %2 é %3: o seu tempo acabou.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you said %4.</source>
        <extracomment>Read by a screen reader for a sum answered wrongly: %1 times %2 is %3, %4 the answer given.</extracomment>
        <translation>%1 vezes %2 é %3: você disse %4.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1&apos;s History (%2/%3) - %4</source>
        <extracomment>%1 is the player&apos;s name, %2 the record&apos;s number, %3 the number of records, %4 the date and time the game ended.</extracomment>
        <translation>Partidas de %1 (%2/%3) - %4</translation>
    </message>
    <message>
        <source>This record is too long to show whole: only its start is shown.</source>
        <translation>Esta partida é longa demais para aparecer inteira: só o começo é mostrado.</translation>
    </message>
    <message>
        <source>View Next?</source>
        <translation>Ver a próxima?</translation>
    </message>
    <message>
        <source>No history for %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>%1 ainda não terminou nenhuma partida!</translation>
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
        <translation>Certo!</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <extracomment>Spoken after a wrong answer: %1 times %2 is %3, the right answer.</extracomment>
        <translation>Errado: %1.</translation>
    </message>
    <message>
        <source>Wrong, %1 times %2 is %3.</source>
        <translation>Errado, %1 vezes %2 é %3.</translation>
    </message>
    <message>
        <source>Time&apos;s up: %1.</source>
        <extracomment>Spoken when a sum&apos;s time ran out: %1 times %2 is %3, the right answer.</extracomment>
        <translation>Acabou o tempo: %1.</translation>
    </message>
    <message>
        <source>Time&apos;s up, %1 times %2 is %3.</source>
        <translation>Acabou o tempo, %1 vezes %2 é %3.</translation>
    </message>
    <message>
        <source>Sum %1 of %2: %3 times %4</source>
        <extracomment>Spoken by a screen reader: %1 is the sum&apos;s number in the game, %2 the number of sums, %3 and %4 the two factors.</extracomment>
        <translation>Conta %1 de %2: %3 vezes %4</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <extracomment>The new sum alone, when there is no time to say more: %1 times %2.</extracomment>
        <translation>%1 vezes %2</translation>
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
        <translation>Versão </translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Feito por</translation>
    </message>
    <message>
        <source>Quorvel developers</source>
        <translation>Os desenvolvedores do Quorvel</translation>
    </message>
    <message>
        <source>A multiplication-tables game</source>
        <translation>Um jogo de tabuada</translation>
    </message>
    <message>
        <source>No e-mail address</source>
        <translation>Sem endereço de e-mail</translation>
    </message>
    <message>
        <source>No web page</source>
        <translation>Sem site</translation>
    </message>
    <message>
        <source>Copyright 2026</source>
        <translation>Copyright 2026</translation>
    </message>
    <message>
        <source>Warning: Quorvel is given as it is, without warranty of any kind. Use it at your own risk.</source>
        <translation>Atenção: o Quorvel é oferecido como está, sem nenhum tipo de garantia. Use por sua conta e risco.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Error loading Help screen!</source>
        <translation>Não foi possível abrir a ajuda!</translation>
    </message>
    <message>
        <source>Help document</source>
        <translation>Texto de ajuda</translation>
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
        <translation>As informações do sistema não estão disponíveis agora</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source> Trend: steady.</source>
        <translation> Tendência: estável.</translation>
    </message>
    <message>
        <source> Trend: up about %1 points.</source>
        <translation> Tendência: subindo uns %1 pontos.</translation>
    </message>
    <message>
        <source> Trend: down about %1 points.</source>
        <translation> Tendência: descendo uns %1 pontos.</translation>
    </message>
    <message>
        <source>%1&apos;s Progress</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>Progresso de %1</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>Last 10 games</source>
        <translation>Últimas 10 partidas</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 dias</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Todas as partidas</translation>
    </message>
    <message>
        <source>Scores, with the trend as a dashed line</source>
        <translation>Pontuações, com a tendência em linha tracejada</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Gráfico das pontuações</translation>
    </message>
    <message>
        <source>Sums answered wrong or not in time</source>
        <translation>Contas erradas ou fora do tempo</translation>
    </message>
    <message>
        <source>Each square counts how often that sum went wrong in the games shown: the darker, the more often. Games counts the games whose record shows that table. A record keeps only the sums that went wrong, so a game in which a table was always right is not counted.</source>
        <translation>Cada quadrado conta quantas vezes aquela conta deu errado nas partidas mostradas: quanto mais escuro, mais vezes. Partidas conta as partidas em que aquela tabuada aparece. Cada partida guarda só as contas erradas, então uma partida em que a tabuada sempre deu certo não é contada.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>No games in the last 30 days.</source>
        <translation>Nenhuma partida nos últimos 30 dias.</translation>
    </message>
    <message>
        <source>No games to show.</source>
        <translation>Nenhuma partida para mostrar.</translation>
    </message>
    <message>
        <source>1 game, on %1: %2.</source>
        <translation>1 partida, em %1: %2.</translation>
    </message>
    <message>
        <source>%1 games, %2 to %3. First %4, last %5, best %6, average %7.</source>
        <translation>%1 partidas, de %2 a %3. Primeira %4, última %5, melhor %6, média %7.</translation>
    </message>
    <message>
        <source>Game %1 of %2: %3 %4, %5/%6 right (%7)</source>
        <translation>Partida %1 de %2: %3 %4, %5/%6 certas (%7)</translation>
    </message>
    <message>
        <source>1 record could not be read.</source>
        <translation>Não foi possível ler 1 partida.</translation>
    </message>
    <message>
        <source>%1 records could not be read.</source>
        <translation>Não foi possível ler %1 partidas.</translation>
    </message>
    <message>
        <source>never wrong</source>
        <translation>nunca errada</translation>
    </message>
    <message>
        <source>wrong once</source>
        <translation>errada uma vez</translation>
    </message>
    <message>
        <source>wrong %1 times</source>
        <translation>errada %1 vezes</translation>
    </message>
    <message>
        <source>%1: in the record of 1 game</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;.</extracomment>
        <translation>%1: em 1 partida</translation>
    </message>
    <message>
        <source>%1: in the records of %2 games</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;; %2 is the number of games.</extracomment>
        <translation>%1: em %2 partidas</translation>
    </message>
    <message>
        <source>&amp;Practise these sums</source>
        <translation>&amp;Praticar estas contas</translation>
    </message>
    <message>
        <source>How well each sum is known</source>
        <translation>Quanto você sabe cada conta</translation>
    </message>
    <message>
        <source>Each square shows how often that sum was answered right out of how often it was asked, in all games. Green: known. Yellow: still learning. Red: needs practice, it went wrong the last time. Empty: not asked yet. Practice games ask the red sums most often.</source>
        <translation>Cada quadrado mostra quantas vezes aquela conta foi respondida certo e quantas vezes foi perguntada, em todos os jogos. Verde: sabida. Amarelo: aprendendo. Vermelho: precisa praticar, errou da última vez. Vazio: ainda não perguntada. Os jogos de prática perguntam mais as contas vermelhas.</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>ainda não perguntada</translation>
    </message>
    <message>
        <source>known</source>
        <translation>sabida</translation>
    </message>
    <message>
        <source>still learning</source>
        <translation>aprendendo</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>precisa praticar</translation>
    </message>
    <message>
        <source>asked once, right %1, %2</source>
        <extracomment>%1 is how often the sum was answered right, %2 its learning state.</extracomment>
        <translation>perguntada uma vez, certa %1, %2</translation>
    </message>
    <message>
        <source>asked %1 times, right %2, %3</source>
        <extracomment>%1 is how often the sum was asked, %2 how often answered right, %3 its learning state.</extracomment>
        <translation>perguntada %1 vezes, certa %2, %3</translation>
    </message>
</context>
<context>
    <name>frmTables</name>
    <message>
        <source>Hi PlayerName, I hope you&apos;re ready to play ...</source>
        <extracomment>PlayerName stands for the player&apos;s name: keep it as it is.</extracomment>
        <translation>Oi, PlayerName! Vamos jogar? …</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Nada</translation>
    </message>
    <message>
        <source>No. of Sums</source>
        <translation>Nº de contas</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Sua resposta</translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>Certas: </translation>
    </message>
    <message>
        <source>Wrong: </source>
        <translation>Erradas: </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nova partida</translation>
    </message>
    <message>
        <source>&amp;Cancel Game</source>
        <translation>&amp;Cancelar partida</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções…</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Velocidade</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Devagar</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápido</translation>
    </message>
    <message>
        <source>&amp;View History</source>
        <translation>&amp;Partidas jogadas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>Qual é o seu nome?</translation>
    </message>
    <message>
        <source>Your settings cannot be read, so they will not be saved this time.</source>
        <translation>Não foi possível ler suas configurações, por isso elas não serão salvas desta vez.</translation>
    </message>
    <message>
        <source>Your score could not be saved.</source>
        <translation>Não foi possível salvar sua pontuação.</translation>
    </message>
    <message>
        <source>You must select a table!</source>
        <translation>Você precisa escolher uma tabuada!</translation>
    </message>
    <message>
        <source>Game cancelled by request!</source>
        <translation>Você cancelou a partida!</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>Pro&amp;gresso</translation>
    </message>
    <message>
        <source>The file for your settings belongs to another program or to a newer version of this game, so your settings and scores will not be saved this time.</source>
        <translation>O arquivo das suas configurações é de outro programa ou de uma versão mais nova deste jogo, por isso suas configurações e pontuações não serão salvas desta vez.</translation>
    </message>
    <message>
        <source>Your settings and scores cannot be saved this time: their file or folder cannot be changed, or the disk is full.</source>
        <translation>Não dá para salvar suas configurações e pontuações desta vez: o arquivo ou a pasta delas não pode ser alterado, ou o disco está cheio.</translation>
    </message>
    <message>
        <source>Your settings could not be saved.</source>
        <translation>Não foi possível salvar suas configurações.</translation>
    </message>
    <message>
        <source>P&amp;ractise</source>
        <translation>Pra&amp;ticar</translation>
    </message>
    <message>
        <source>Every table is ticked.</source>
        <translation>Todas as tabuadas estão marcadas.</translation>
    </message>
    <message>
        <source>No table is ticked.</source>
        <translation>Nenhuma tabuada está marcada.</translation>
    </message>
</context>
</TS>
