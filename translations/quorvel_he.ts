<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>EndOfGame</name>
    <message>
        <source>Sums</source>
        <extracomment>Column heading over the sums answered wrongly; keep it short.</extracomment>
        <translation>תרגילים</translation>
    </message>
    <message>
        <source>Correct</source>
        <extracomment>Column heading over the right answers; keep it short.</extracomment>
        <translation>נכון</translation>
    </message>
    <message>
        <source>Yours</source>
        <extracomment>Column heading over the player&apos;s answers; keep it short.</extracomment>
        <translation>שלך</translation>
    </message>
    <message>
        <source>EXCELLENT, %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>מצוין, %1!</translation>
    </message>
    <message>
        <source>VERY GOOD, %1!</source>
        <translation>טוב מאוד, %1!</translation>
    </message>
    <message>
        <source>NOT BAD, %1!</source>
        <translation>לא רע, %1!</translation>
    </message>
    <message>
        <source>CAN DO BETTER, %1!</source>
        <translation>אפשר עוד יותר טוב, %1!</translation>
    </message>
    <message>
        <source>You have scored %1/%2.</source>
        <translation>הציון שלך: %1/%2.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you ran out of time.</source>
        <extracomment>Read by a screen reader for a sum whose time ran out: %1 times %2 is %3.</extracomment>
        <translation>%1 כפול %2 זה %3: נגמר לך הזמן.</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you said %4.</source>
        <extracomment>Read by a screen reader for a sum answered wrongly: %1 times %2 is %3, %4 the answer given.</extracomment>
        <translation>%1 כפול %2 זה %3: ענית %4.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1&apos;s History (%2/%3) - %4</source>
        <extracomment>%1 is the player&apos;s name, %2 the record&apos;s number, %3 the number of records, %4 the date and time the game ended.</extracomment>
        <translation>המשחקים של %1 (%2/%3) - %4</translation>
    </message>
    <message>
        <source>This record is too long to show whole: only its start is shown.</source>
        <translation>המשחק הזה ארוך מדי כדי להציג את כולו: מוצגת רק ההתחלה שלו.</translation>
    </message>
    <message>
        <source>View Next?</source>
        <translation>להציג את המשחק הבא?</translation>
    </message>
    <message>
        <source>No history for %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>עוד אין משחקים של %1!</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>SumSpeech</name>
    <message>
        <source>Right!</source>
        <extracomment>Spoken by a screen reader after a right answer.</extracomment>
        <translation>נכון!</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <extracomment>Spoken after a wrong answer: %1 times %2 is %3, the right answer.</extracomment>
        <translation>לא נכון: %1.</translation>
    </message>
    <message>
        <source>Wrong, %1 times %2 is %3.</source>
        <translation>לא נכון, %1 כפול %2 זה %3.</translation>
    </message>
    <message>
        <source>Time&apos;s up: %1.</source>
        <extracomment>Spoken when a sum&apos;s time ran out: %1 times %2 is %3, the right answer.</extracomment>
        <translation>נגמר הזמן: %1.</translation>
    </message>
    <message>
        <source>Time&apos;s up, %1 times %2 is %3.</source>
        <translation>נגמר הזמן, %1 כפול %2 זה %3.</translation>
    </message>
    <message>
        <source>Sum %1 of %2: %3 times %4</source>
        <extracomment>Spoken by a screen reader: %1 is the sum&apos;s number in the game, %2 the number of sums, %3 and %4 the two factors.</extracomment>
        <translation>תרגיל %1 מתוך %2: %3 כפול %4</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <extracomment>The new sum alone, when there is no time to say more: %1 times %2.</extracomment>
        <translation>%1 כפול %2</translation>
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
        <translation>גרסה </translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>יצרו</translation>
    </message>
    <message>
        <source>Quorvel developers</source>
        <translation>המפתחים של Quorvel</translation>
    </message>
    <message>
        <source>A multiplication-tables game</source>
        <translation>משחק לתרגול לוח הכפל</translation>
    </message>
    <message>
        <source>No e-mail address</source>
        <translation>אין כתובת דוא״ל</translation>
    </message>
    <message>
        <source>No web page</source>
        <translation>אין אתר אינטרנט</translation>
    </message>
    <message>
        <source>Copyright 2026</source>
        <translation>זכויות יוצרים 2026</translation>
    </message>
    <message>
        <source>Warning: Quorvel is given as it is, without warranty of any kind. Use it at your own risk.</source>
        <translation>אזהרה: Quorvel ניתן כמו שהוא, בלי אחריות מכל סוג. השימוש בו על אחריותך בלבד.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>Error loading Help screen!</source>
        <translation>לא ניתן לפתוח את העזרה!</translation>
    </message>
    <message>
        <source>Help document</source>
        <translation>מסמך העזרה</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;מערכת…</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>המידע על המערכת לא זמין כרגע</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source> Trend: steady.</source>
        <translation> מגמה: יציבה.</translation>
    </message>
    <message>
        <source> Trend: up about %1 points.</source>
        <translation> מגמה: עלייה של כ־%1 נקודות.</translation>
    </message>
    <message>
        <source> Trend: down about %1 points.</source>
        <translation> מגמה: ירידה של כ־%1 נקודות.</translation>
    </message>
    <message>
        <source>%1&apos;s Progress</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>ההתקדמות של %1</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;מה להציג:</translation>
    </message>
    <message>
        <source>Last 10 games</source>
        <translation>10 המשחקים האחרונים</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 הימים האחרונים</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>כל המשחקים</translation>
    </message>
    <message>
        <source>Scores, with the trend as a dashed line</source>
        <translation>ציונים, והמגמה בקו מקווקו</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>תרשים הציונים</translation>
    </message>
    <message>
        <source>Sums answered wrong or not in time</source>
        <translation>תרגילים שנענו לא נכון או לא בזמן</translation>
    </message>
    <message>
        <source>Each square counts how often that sum went wrong in the games shown: the darker, the more often. Games counts the games whose record shows that table. A record keeps only the sums that went wrong, so a game in which a table was always right is not counted.</source>
        <translation>כל משבצת סופרת כמה פעמים התרגיל הזה נענה לא נכון במשחקים המוצגים: ככל שהיא כהה יותר, כך זה קרה יותר פעמים. משחקים סופר את המשחקים שברשומה שלהם מופיע לוח הכפל הזה. רשומה של משחק שומרת רק את התרגילים שנענו לא נכון, ולכן משחק שבו לוח כפל נענה תמיד נכון לא נספר.</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>משחקים</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>No games in the last 30 days.</source>
        <translation>אין משחקים ב־30 הימים האחרונים.</translation>
    </message>
    <message>
        <source>No games to show.</source>
        <translation>אין משחקים להצגה.</translation>
    </message>
    <message>
        <source>1 game, on %1: %2.</source>
        <translation>משחק אחד, ב־%1: %2.</translation>
    </message>
    <message>
        <source>%1 games, %2 to %3. First %4, last %5, best %6, average %7.</source>
        <translation>%1 משחקים, מ־%2 עד %3. ראשון %4, אחרון %5, הכי טוב %6, ממוצע %7.</translation>
    </message>
    <message>
        <source>Game %1 of %2: %3 %4, %5/%6 right (%7)</source>
        <translation>משחק %1 מתוך %2: %3 %4, %5/%6 נכונים (%7)</translation>
    </message>
    <message>
        <source>1 record could not be read.</source>
        <translation>לא ניתן היה לקרוא רשומה אחת.</translation>
    </message>
    <message>
        <source>%1 records could not be read.</source>
        <translation>לא ניתן היה לקרוא %1 רשומות.</translation>
    </message>
    <message>
        <source>never wrong</source>
        <translation>אף פעם לא שגוי</translation>
    </message>
    <message>
        <source>wrong once</source>
        <translation>שגוי פעם אחת</translation>
    </message>
    <message>
        <source>wrong %1 times</source>
        <translation>שגוי %1 פעמים</translation>
    </message>
    <message>
        <source>%1: in the record of 1 game</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;.</extracomment>
        <translation>%1: ברשומה של משחק אחד</translation>
    </message>
    <message>
        <source>%1: in the records of %2 games</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;; %2 is the number of games.</extracomment>
        <translation>%1: ברשומות של %2 משחקים</translation>
    </message>
    <message>
        <source>&amp;Practise these sums</source>
        <translation>&amp;לתרגל את התרגילים האלה</translation>
    </message>
    <message>
        <source>How well each sum is known</source>
        <translation>עד כמה יודעים כל תרגיל</translation>
    </message>
    <message>
        <source>Each square shows how often that sum was answered right out of how often it was asked, in all games. Green: known. Yellow: still learning. Red: needs practice, it went wrong the last time. Empty: not asked yet. Practice games ask the red sums most often.</source>
        <translation>כל משבצת מראה כמה פעמים התשובה לתרגיל הייתה נכונה מתוך כמה פעמים הוא נשאל, בכל המשחקים. ירוק: ידוע. צהוב: עוד לומדים. אדום: צריך תרגול, בפעם האחרונה הייתה טעות. ריק: עוד לא נשאל. משחקי תרגול שואלים הכי הרבה את התרגילים האדומים.</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>עוד לא נשאל</translation>
    </message>
    <message>
        <source>known</source>
        <translation>ידוע</translation>
    </message>
    <message>
        <source>still learning</source>
        <translation>עוד לומדים</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>צריך תרגול</translation>
    </message>
    <message>
        <source>asked once, right %1, %2</source>
        <extracomment>%1 is how often the sum was answered right, %2 its learning state.</extracomment>
        <translation>נשאל פעם אחת, נכון %1, %2</translation>
    </message>
    <message>
        <source>asked %1 times, right %2, %3</source>
        <extracomment>%1 is how often the sum was asked, %2 how often answered right, %3 its learning state.</extracomment>
        <translation>נשאל %1 פעמים, נכון %2, %3</translation>
    </message>
</context>
<context>
    <name>frmTables</name>
    <message>
        <source>Hi PlayerName, I hope you&apos;re ready to play ...</source>
        <extracomment>PlayerName stands for the player&apos;s name: keep it as it is.</extracomment>
        <translation>שלום PlayerName, מתחילים לשחק? …</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;הכל</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;ניקוי</translation>
    </message>
    <message>
        <source>No. of Sums</source>
        <translation>מספר תרגילים</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>התשובה שלך</translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>נכון: </translation>
    </message>
    <message>
        <source>Wrong: </source>
        <translation>לא נכון: </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;משחק</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>משחק &amp;חדש</translation>
    </message>
    <message>
        <source>&amp;Cancel Game</source>
        <translation>&amp;ביטול המשחק</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;אפשרויות…</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>&amp;קצב</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;איטי</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;רגיל</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;מהיר</translation>
    </message>
    <message>
        <source>&amp;View History</source>
        <translation>המשחקים &amp;שלי</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;אודות</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;תוכן העזרה</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>מה השם שלך?</translation>
    </message>
    <message>
        <source>Your settings cannot be read, so they will not be saved this time.</source>
        <translation>לא ניתן לקרוא את ההגדרות שלך, ולכן הפעם הן לא יישמרו.</translation>
    </message>
    <message>
        <source>Your score could not be saved.</source>
        <translation>לא ניתן היה לשמור את הציון שלך.</translation>
    </message>
    <message>
        <source>You must select a table!</source>
        <translation>צריך לבחור לפחות לוח כפל אחד!</translation>
    </message>
    <message>
        <source>Game cancelled by request!</source>
        <translation>המשחק בוטל!</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>ה&amp;תקדמות</translation>
    </message>
    <message>
        <source>The file for your settings belongs to another program or to a newer version of this game, so your settings and scores will not be saved this time.</source>
        <translation>קובץ ההגדרות שלך שייך לתוכנה אחרת או לגרסה חדשה יותר של המשחק הזה, ולכן הפעם ההגדרות והציונים שלך לא יישמרו.</translation>
    </message>
    <message>
        <source>Your settings and scores cannot be saved this time: their file or folder cannot be changed, or the disk is full.</source>
        <translation>הפעם לא ניתן לשמור את ההגדרות והציונים שלך: אי אפשר לשנות את הקובץ או את התיקייה שלהם, או שהדיסק מלא.</translation>
    </message>
    <message>
        <source>Your settings could not be saved.</source>
        <translation>לא ניתן היה לשמור את ההגדרות שלך.</translation>
    </message>
    <message>
        <source>P&amp;ractise</source>
        <translation>ת&amp;רגול</translation>
    </message>
    <message>
        <source>Every table is ticked.</source>
        <translation>כל לוחות הכפל מסומנים.</translation>
    </message>
    <message>
        <source>No table is ticked.</source>
        <translation>אף לוח כפל אינו מסומן.</translation>
    </message>
</context>
</TS>
