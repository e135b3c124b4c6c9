<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>EndOfGame</name>
    <message>
        <source>Sums</source>
        <extracomment>Column heading over the sums answered wrongly; keep it short.</extracomment>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>Correct</source>
        <extracomment>Column heading over the right answers; keep it short.</extracomment>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Yours</source>
        <extracomment>Column heading over the player&apos;s answers; keep it short.</extracomment>
        <translation>Ta réponse</translation>
    </message>
    <message>
        <source>EXCELLENT, %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>EXCELLENT, %1&#x202f;!</translation>
    </message>
    <message>
        <source>VERY GOOD, %1!</source>
        <translation>TRÈS BIEN, %1&#x202f;!</translation>
    </message>
    <message>
        <source>NOT BAD, %1!</source>
        <translation>PAS MAL, %1&#x202f;!</translation>
    </message>
    <message>
        <source>CAN DO BETTER, %1!</source>
        <translation>TU PEUX MIEUX FAIRE, %1&#x202f;!</translation>
    </message>
    <message>
        <source>You have scored %1/%2.</source>
        <translation>Ton score&#x202f;: %1/%2.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you ran out of time.</source>
        <extracomment>Read by a screen reader for a sum whose time ran out: %1 times %2 is %3.</extracomment>
        <translation>%1 fois %2 font %3&#xa0;: tu n’as pas eu le temps.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you said %4.</source>
        <extracomment>Read by a screen reader for a sum answered wrongly: %1 times %2 is %3, %4 the answer given.</extracomment>
        <translation>%1 fois %2 font %3&#xa0;: tu as dit %4.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1&apos;s History (%2/%3) - %4</source>
        <extracomment>%1 is the player&apos;s name, %2 the record&apos;s number, %3 the number of records, %4 the date and time the game ended.</extracomment>
        <translation>Parties de %1 (%2/%3) - %4</translation>
    </message>
    <message>
        <source>View Next?</source>
        <translation>Voir la partie suivante&#x202f;?</translation>
    </message>
    <message>
        <source>No history for %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>Aucune partie pour %1&#x202f;!</translation>
    </message>
    <message>
        <source>This record is too long to show whole: only its start is shown.</source>
        <translation>Cette fiche est trop longue pour être affichée en entier&#x202f;: seul son début est affiché.</translation>
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
        <translation>Juste&#xa0;!</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <extracomment>Spoken after a wrong answer: %1 times %2 is %3, the right answer.</extracomment>
        <translation>Faux&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Wrong, %1 times %2 is %3.</source>
        <translation>Faux, %1 fois %2 font %3.</translation>
    </message>
    <message>
        <source>Time&apos;s up: %1.</source>
        <extracomment>Spoken when a sum&apos;s time ran out: %1 times %2 is %3, the right answer.</extracomment>
        <translation>Temps écoulé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Time&apos;s up, %1 times %2 is %3.</source>
        <translation>Temps écoulé, %1 fois %2 font %3.</translation>
    </message>
    <message>
        <source>Sum %1 of %2: %3 times %4</source>
        <extracomment>Spoken by a screen reader: %1 is the sum&apos;s number in the game, %2 the number of sums, %3 and %4 the two factors.</extracomment>
        <translation>Calcul %1 sur %2&#xa0;: %3 fois %4</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <extracomment>The new sum alone, when there is no time to say more: %1 times %2.</extracomment>
        <translation>%1 fois %2</translation>
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
        <translation>Version </translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Réalisé par</translation>
    </message>
    <message>
        <source>Quorvel developers</source>
        <translation>Les développeurs de Quorvel</translation>
    </message>
    <message>
        <source>A multiplication-tables game</source>
        <translation>Un jeu pour les tables de multiplication</translation>
    </message>
    <message>
        <source>No e-mail address</source>
        <translation>Pas d&apos;adresse e-mail</translation>
    </message>
    <message>
        <source>No web page</source>
        <translation>Pas de page web</translation>
    </message>
    <message>
        <source>Copyright 2026</source>
        <translation>Copyright 2026</translation>
    </message>
    <message>
        <source>Warning: Quorvel is given as it is, without warranty of any kind. Use it at your own risk.</source>
        <translation>Attention&#x202f;: Quorvel est fourni tel quel, sans aucune garantie. Son utilisation se fait à vos propres risques.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Error loading Help screen!</source>
        <translation>Impossible de charger l&apos;aide&#x202f;!</translation>
    </message>
    <message>
        <source>Help document</source>
        <translation>Document d&apos;aide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Système…</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source> Trend: steady.</source>
        <translation> Tendance&#x202f;: stable.</translation>
    </message>
    <message>
        <source> Trend: up about %1 points.</source>
        <translation> Tendance&#x202f;: en hausse d&apos;environ %1 points.</translation>
    </message>
    <message>
        <source> Trend: down about %1 points.</source>
        <translation> Tendance&#x202f;: en baisse d&apos;environ %1 points.</translation>
    </message>
    <message>
        <source>%1&apos;s Progress</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>Progrès de %1</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher&#x202f;:</translation>
    </message>
    <message>
        <source>Last 10 games</source>
        <translation>10 dernières parties</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Toutes les parties</translation>
    </message>
    <message>
        <source>Scores, with the trend as a dashed line</source>
        <translation>Scores, avec la tendance en pointillés</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>Graphique des scores</translation>
    </message>
    <message>
        <source>Sums answered wrong or not in time</source>
        <translation>Calculs ratés ou hors délai</translation>
    </message>
    <message>
        <source>Each square counts how often that sum went wrong in the games shown: the darker, the more often. Games counts the games whose record shows that table. A record keeps only the sums that went wrong, so a game in which a table was always right is not counted.</source>
        <translation>Chaque case compte combien de fois ce calcul a été raté dans les parties affichées&#x202f;: plus elle est foncée, plus c&apos;est souvent. «&#x202f;Parties&#x202f;» compte les parties dont la fiche contient cette table. Une fiche ne garde que les calculs ratés&#x202f;: une partie où une table n&apos;a jamais été ratée n&apos;est donc pas comptée.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No games in the last 30 days.</source>
        <translation>Aucune partie ces 30 derniers jours.</translation>
    </message>
    <message>
        <source>No games to show.</source>
        <translation>Aucune partie à afficher.</translation>
    </message>
    <message>
        <source>1 game, on %1: %2.</source>
        <translation>1 partie, le %1&#x202f;: %2.</translation>
    </message>
    <message>
        <source>%1 games, %2 to %3. First %4, last %5, best %6, average %7.</source>
        <translation>%1 parties, du %2 au %3. Premier score %4, dernier %5, meilleur %6, moyenne %7.</translation>
    </message>
    <message>
        <source>Game %1 of %2: %3 %4, %5/%6 right (%7)</source>
        <translation>Partie %1 sur %2&#x202f;: %3 %4, %5/%6 bonnes réponses (%7)</translation>
    </message>
    <message>
        <source>1 record could not be read.</source>
        <translation>1 fiche n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>%1 records could not be read.</source>
        <translation>%1 fiches n&apos;ont pas pu être lues.</translation>
    </message>
    <message>
        <source>never wrong</source>
        <translation>jamais raté</translation>
    </message>
    <message>
        <source>wrong once</source>
        <translation>raté une fois</translation>
    </message>
    <message>
        <source>wrong %1 times</source>
        <translation>raté %1 fois</translation>
    </message>
    <message>
        <source>%1: in the record of 1 game</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;.</extracomment>
        <translation>%1&#x202f;: dans la fiche d&apos;une partie</translation>
    </message>
    <message>
        <source>%1: in the records of %2 games</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;; %2 is the number of games.</extracomment>
        <translation>%1&#x202f;: dans les fiches de %2 parties</translation>
    </message>
    <message>
        <source>&amp;Practise these sums</source>
        <translation>&amp;S’entraîner sur ces calculs</translation>
    </message>
    <message>
        <source>How well each sum is known</source>
        <translation>Ce que tu sais de chaque calcul</translation>
    </message>
    <message>
        <source>Each square shows how often that sum was answered right out of how often it was asked, in all games. Green: known. Yellow: still learning. Red: needs practice, it went wrong the last time. Empty: not asked yet. Practice games ask the red sums most often.</source>
        <translation>Chaque case montre combien de fois ce calcul a été réussi sur le nombre de fois où il a été demandé, dans toutes les parties. Vert&#xa0;: acquis. Jaune&#xa0;: en cours d’apprentissage. Rouge&#xa0;: à travailler, il a été raté la dernière fois. Vide&#xa0;: pas encore demandé. Les parties d’entraînement demandent le plus souvent les calculs rouges.</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>pas encore demandé</translation>
    </message>
    <message>
        <source>known</source>
        <translation>acquis</translation>
    </message>
    <message>
        <source>still learning</source>
        <translation>en cours d’apprentissage</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>à travailler</translation>
    </message>
    <message>
        <source>asked once, right %1, %2</source>
        <extracomment>%1 is how often the sum was answered right, %2 its learning state.</extracomment>
        <translation>demandé une fois, réussi %1 fois, %2</translation>
    </message>
    <message>
        <source>asked %1 times, right %2, %3</source>
        <extracomment>%1 is how often the sum was asked, %2 how often answered right, %3 its learning state.</extracomment>
        <translation>demandé %1 fois, réussi %2 fois, %3</translation>
    </message>
</context>
<context>
    <name>frmTables</name>
    <message>
        <source>Hi PlayerName, I hope you&apos;re ready to play ...</source>
        <extracomment>PlayerName stands for the player&apos;s name: keep it as it is.</extracomment>
        <translation>Salut PlayerName, prêt à jouer&#x202f;?</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Rien</translation>
    </message>
    <message>
        <source>No. of Sums</source>
        <translation>Nb de calculs</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ta réponse</translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>Juste&#x202f;: </translation>
    </message>
    <message>
        <source>Wrong: </source>
        <translation>Faux&#x202f;: </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Cancel Game</source>
        <translation>&amp;Annuler la partie</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options…</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lente</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Moyenne</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>&amp;View History</source>
        <translation>Voir l&apos;&amp;historique</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>Comment t&apos;appelles-tu&#x202f;?</translation>
    </message>
    <message>
        <source>Your score could not be saved.</source>
        <translation>Ton score n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>You must select a table!</source>
        <translation>Tu dois cocher au moins une table&#x202f;!</translation>
    </message>
    <message>
        <source>Game cancelled by request!</source>
        <translation>Tu as annulé la partie.</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progrès</translation>
    </message>
    <message>
        <source>Your settings cannot be read, so they will not be saved this time.</source>
        <translation>Tes réglages ne peuvent pas être lus, ils ne seront donc pas enregistrés cette fois.</translation>
    </message>
    <message>
        <source>P&amp;ractise</source>
        <translation>&amp;S’entraîner</translation>
    </message>
    <message>
        <source>The file for your settings belongs to another program or to a newer version of this game, so your settings and scores will not be saved this time.</source>
        <translation>Le fichier de tes réglages appartient à un autre programme ou à une version plus récente de ce jeu, tes réglages et tes scores ne seront donc pas enregistrés cette fois.</translation>
    </message>
    <message>
        <source>Your settings and scores cannot be saved this time: their file or folder cannot be changed, or the disk is full.</source>
        <translation>Tes réglages et tes scores ne peuvent pas être enregistrés cette fois&#x202f;: leur fichier ou leur dossier ne peut pas être modifié, ou le disque est plein.</translation>
    </message>
    <message>
        <source>Your settings could not be saved.</source>
        <translation>Tes réglages n&apos;ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>Every table is ticked.</source>
        <translation>Toutes les tables sont cochées.</translation>
    </message>
    <message>
        <source>No table is ticked.</source>
        <translation>Aucune table n’est cochée.</translation>
    </message>
</context>
</TS>
