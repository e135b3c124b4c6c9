<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>EndOfGame</name>
    <message>
        <source>Sums</source>
        <extracomment>Column heading over the sums answered wrongly; keep it short.</extracomment>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Correct</source>
        <extracomment>Column heading over the right answers; keep it short.</extracomment>
        <translation>Correcta</translation>
    </message>
    <message>
        <source>Yours</source>
        <extracomment>Column heading over the player&apos;s answers; keep it short.</extracomment>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>EXCELLENT, %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>¡EXCELENTE, %1!</translation>
    </message>
    <message>
        <source>VERY GOOD, %1!</source>
        <translation>¡MUY BIEN, %1!</translation>
    </message>
    <message>
        <source>NOT BAD, %1!</source>
        <translation>¡NADA MAL, %1!</translation>
    </message>
    <message>
        <source>CAN DO BETTER, %1!</source>
        <translation>¡PUEDES HACERLO MEJOR, %1!</translation>
    </message>
    <message>
        <source>You have scored %1/%2.</source>
        <translation>Tu puntuación: %1/%2.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you ran out of time.</source>
        <extracomment>Read by a screen reader for a sum whose time ran out: %1 times %2 is %3.</extracomment>
        <translation>%1 por %2 son %3: se te acabó el tiempo.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you said %4.</source>
        <extracomment>Read by a screen reader for a sum answered wrongly: %1 times %2 is %3, %4 the answer given.</extracomment>
        <translation>%1 por %2 son %3: dijiste %4.</translation>
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
        <source>View Next?</source>
        <translation>¿Ver la siguiente partida?</translation>
    </message>
    <message>
        <source>No history for %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>¡%1 todavía no tiene partidas!</translation>
    </message>
    <message>
        <source>This record is too long to show whole: only its start is shown.</source>
        <translation>Este registro es demasiado largo para mostrarlo entero: solo se muestra el principio.</translation>
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
        <translation>¡Bien!</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <extracomment>Spoken after a wrong answer: %1 times %2 is %3, the right answer.</extracomment>
        <translation>Mal: %1.</translation>
    </message>
    <message>
        <source>Wrong, %1 times %2 is %3.</source>
        <translation>Mal, %1 por %2 son %3.</translation>
    </message>
    <message>
        <source>Time&apos;s up: %1.</source>
        <extracomment>Spoken when a sum&apos;s time ran out: %1 times %2 is %3, the right answer.</extracomment>
        <translation>Se acabó el tiempo: %1.</translation>
    </message>
    <message>
        <source>Time&apos;s up, %1 times %2 is %3.</source>
        <translation>Se acabó el tiempo, %1 por %2 son %3.</translation>
    </message>
    <message>
        <source>Sum %1 of %2: %3 times %4</source>
        <extracomment>Spoken by a screen reader: %1 is the sum&apos;s number in the game, %2 the number of sums, %3 and %4 the two factors.</extracomment>
        <translation>Cuenta %1 de %2: %3 por %4</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <extracomment>The new sum alone, when there is no time to say more: %1 times %2.</extracomment>
        <translation>%1 por %2</translation>
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
        <translation>Versión </translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Creado por</translation>
    </message>
    <message>
        <source>Quorvel developers</source>
        <translation>Los desarrolladores de Quorvel</translation>
    </message>
    <message>
        <source>A multiplication-tables game</source>
        <translation>Un juego de tablas de multiplicar</translation>
    </message>
    <message>
        <source>No e-mail address</source>
        <translation>Sin dirección de correo</translation>
    </message>
    <message>
        <source>No web page</source>
        <translation>Sin página web</translation>
    </message>
    <message>
        <source>Copyright 2026</source>
        <translation>Copyright 2026</translation>
    </message>
    <message>
        <source>Warning: Quorvel is given as it is, without warranty of any kind. Use it at your own risk.</source>
        <translation>Aviso: Quorvel se ofrece tal cual, sin garantía de ningún tipo. Su uso es responsabilidad de quien lo utiliza.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Error loading Help screen!</source>
        <translation>¡Error al cargar la ayuda!</translation>
    </message>
    <message>
        <source>Help document</source>
        <translation>Documento de ayuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Sistema…</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source> Trend: steady.</source>
        <translation> Tendencia: estable.</translation>
    </message>
    <message>
        <source> Trend: up about %1 points.</source>
        <translation> Tendencia: sube unos %1 puntos.</translation>
    </message>
    <message>
        <source> Trend: down about %1 points.</source>
        <translation> Tendencia: baja unos %1 puntos.</translation>
    </message>
    <message>
        <source>%1&apos;s Progress</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>Progreso de %1</translation>
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
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Todas las partidas</translation>
    </message>
    <message>
        <source>Scores, with the trend as a dashed line</source>
        <translation>Puntuaciones, con la tendencia en línea discontinua</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Gráfico de puntuaciones</translation>
    </message>
    <message>
        <source>Sums answered wrong or not in time</source>
        <translation>Cuentas falladas o fuera de tiempo</translation>
    </message>
    <message>
        <source>Each square counts how often that sum went wrong in the games shown: the darker, the more often. Games counts the games whose record shows that table. A record keeps only the sums that went wrong, so a game in which a table was always right is not counted.</source>
        <translation>Cada casilla cuenta cuántas veces se falló esa cuenta en las partidas mostradas: cuanto más oscura, más veces. Partidas cuenta las partidas cuyo registro incluye esa tabla. Un registro solo guarda las cuentas falladas, así que una partida en la que una tabla siempre estuvo bien no se cuenta.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No games in the last 30 days.</source>
        <translation>Ninguna partida en los últimos 30 días.</translation>
    </message>
    <message>
        <source>No games to show.</source>
        <translation>No hay partidas que mostrar.</translation>
    </message>
    <message>
        <source>1 game, on %1: %2.</source>
        <translation>1 partida, el %1: %2.</translation>
    </message>
    <message>
        <source>%1 games, %2 to %3. First %4, last %5, best %6, average %7.</source>
        <translation>%1 partidas, del %2 al %3. Primera %4, última %5, mejor %6, media %7.</translation>
    </message>
    <message>
        <source>Game %1 of %2: %3 %4, %5/%6 right (%7)</source>
        <translation>Partida %1 de %2: %3 %4, %5/%6 bien (%7)</translation>
    </message>
    <message>
        <source>1 record could not be read.</source>
        <translation>No se ha podido leer 1 registro.</translation>
    </message>
    <message>
        <source>%1 records could not be read.</source>
        <translation>No se han podido leer %1 registros.</translation>
    </message>
    <message>
        <source>never wrong</source>
        <translation>nunca fallada</translation>
    </message>
    <message>
        <source>wrong once</source>
        <translation>fallada una vez</translation>
    </message>
    <message>
        <source>wrong %1 times</source>
        <translation>fallada %1 veces</translation>
    </message>
    <message>
        <source>%1: in the record of 1 game</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;.</extracomment>
        <translation>%1: en el registro de 1 partida</translation>
    </message>
    <message>
        <source>%1: in the records of %2 games</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;; %2 is the number of games.</extracomment>
        <translation>%1: en los registros de %2 partidas</translation>
    </message>
    <message>
        <source>&amp;Practise these sums</source>
        <translation>&amp;Practicar estas cuentas</translation>
    </message>
    <message>
        <source>How well each sum is known</source>
        <translation>Cuánto sabes cada cuenta</translation>
    </message>
    <message>
        <source>Each square shows how often that sum was answered right out of how often it was asked, in all games. Green: known. Yellow: still learning. Red: needs practice, it went wrong the last time. Empty: not asked yet. Practice games ask the red sums most often.</source>
        <translation>Cada casilla muestra cuántas veces se respondió bien esa cuenta y cuántas veces se preguntó, en todas las partidas. Verde: aprendida. Amarillo: aprendiéndola. Rojo: hay que practicarla, la última vez salió mal. Vacía: aún no preguntada. Las partidas de práctica preguntan más a menudo las cuentas rojas.</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>aún no preguntada</translation>
    </message>
    <message>
        <source>known</source>
        <translation>aprendida</translation>
    </message>
    <message>
        <source>still learning</source>
        <translation>aprendiéndola</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>hay que practicarla</translation>
    </message>
    <message>
        <source>asked once, right %1, %2</source>
        <extracomment>%1 is how often the sum was answered right, %2 its learning state.</extracomment>
        <translation>preguntada una vez, bien %1, %2</translation>
    </message>
    <message>
        <source>asked %1 times, right %2, %3</source>
        <extracomment>%1 is how often the sum was asked, %2 how often answered right, %3 its learning state.</extracomment>
        <translation>preguntada %1 veces, bien %2, %3</translation>
    </message>
</context>
<context>
    <name>frmTables</name>
    <message>
        <source>Hi PlayerName, I hope you&apos;re ready to play ...</source>
        <extracomment>PlayerName stands for the player&apos;s name: keep it as it is.</extracomment>
        <translation>Hola PlayerName, ¿tienes ganas de jugar?</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todo</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Nada</translation>
    </message>
    <message>
        <source>No. of Sums</source>
        <translation>Nº de cuentas</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>Aciertos: </translation>
    </message>
    <message>
        <source>Wrong: </source>
        <translation>Fallos: </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Cancel Game</source>
        <translation>&amp;Cancelar partida</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones…</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Media</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>&amp;View History</source>
        <translation>Ver &amp;historial</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Quorvel</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>¿Cómo te llamas?</translation>
    </message>
    <message>
        <source>Your score could not be saved.</source>
        <translation>No se ha podido guardar tu puntuación.</translation>
    </message>
    <message>
        <source>You must select a table!</source>
        <translation>¡Tienes que elegir una tabla!</translation>
    </message>
    <message>
        <source>Game cancelled by request!</source>
        <translation>Has cancelado la partida.</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progreso</translation>
    </message>
    <message>
        <source>Your settings cannot be read, so they will not be saved this time.</source>
        <translation>No se pueden leer tus ajustes, así que esta vez no se guardarán.</translation>
    </message>
    <message>
        <source>P&amp;ractise</source>
        <translation>P&amp;racticar</translation>
    </message>
    <message>
        <source>The file for your settings belongs to another program or to a newer version of this game, so your settings and scores will not be saved this time.</source>
        <translation>El archivo de tus ajustes pertenece a otro programa o a una versión más nueva de este juego, así que esta vez no se guardarán tus ajustes ni tus puntuaciones.</translation>
    </message>
    <message>
        <source>Your settings and scores cannot be saved this time: their file or folder cannot be changed, or the disk is full.</source>
        <translation>Esta vez no se pueden guardar tus ajustes ni tus puntuaciones: no se puede cambiar su archivo o su carpeta, o el disco está lleno.</translation>
    </message>
    <message>
        <source>Your settings could not be saved.</source>
        <translation>No se han podido guardar tus ajustes.</translation>
    </message>
    <message>
        <source>Every table is ticked.</source>
        <translation>Todas las tablas están marcadas.</translation>
    </message>
    <message>
        <source>No table is ticked.</source>
        <translation>No hay ninguna tabla marcada.</translation>
    </message>
</context>
</TS>
