<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>EndOfGame</name>
    <message>
        <source>Sums</source>
        <extracomment>Column heading over the sums answered wrongly; keep it short.</extracomment>
        <translation>算式</translation>
    </message>
    <message>
        <source>Correct</source>
        <extracomment>Column heading over the right answers; keep it short.</extracomment>
        <translation>正确</translation>
    </message>
    <message>
        <source>Yours</source>
        <extracomment>Column heading over the player&apos;s answers; keep it short.</extracomment>
        <translation>你的</translation>
    </message>
    <message>
        <source>EXCELLENT, %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>太棒了，%1！</translation>
    </message>
    <message>
        <source>VERY GOOD, %1!</source>
        <translation>很好，%1！</translation>
    </message>
    <message>
        <source>NOT BAD, %1!</source>
        <translation>还不错，%1！</translation>
    </message>
    <message>
        <source>CAN DO BETTER, %1!</source>
        <translation>还可以更好，%1！</translation>
    </message>
    <message>
        <source>You have scored %1/%2.</source>
        <translation>你的得分：%1/%2。</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you ran out of time.</source>
        <extracomment>Read by a screen reader for a sum whose time ran out: %1 times %2 is %3.</extracomment>
        <translation>%1 乘 %2 等于 %3：时间到了。</translation>
    </message>
    <message>
        <source>%1 times %2 is %3: you said %4.</source>
        <extracomment>Read by a screen reader for a sum answered wrongly: %1 times %2 is %3, %4 the answer given.</extracomment>
        <translation>%1 乘 %2 等于 %3：你的回答是 %4。</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1&apos;s History (%2/%3) - %4</source>
        <extracomment>%1 is the player&apos;s name, %2 the record&apos;s number, %3 the number of records, %4 the date and time the game ended.</extracomment>
        <translation>%1 的游戏记录（%2/%3）- %4</translation>
    </message>
    <message>
        <source>This record is too long to show whole: only its start is shown.</source>
        <translation>这条记录太长，无法全部显示：只显示开头部分。</translation>
    </message>
    <message>
        <source>View Next?</source>
        <translation>看下一局吗？</translation>
    </message>
    <message>
        <source>No history for %1!</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>%1 还没有玩完过一局！</translation>
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
        <translation>答对了！</translation>
    </message>
    <message>
        <source>Wrong: %1.</source>
        <extracomment>Spoken after a wrong answer: %1 times %2 is %3, the right answer.</extracomment>
        <translation>答错了：%1。</translation>
    </message>
    <message>
        <source>Wrong, %1 times %2 is %3.</source>
        <translation>答错了，%1 乘 %2 等于 %3。</translation>
    </message>
    <message>
        <source>Time&apos;s up: %1.</source>
        <extracomment>Spoken when a sum&apos;s time ran out: %1 times %2 is %3, the right answer.</extracomment>
        <translation>时间到：%1。</translation>
    </message>
    <message>
        <source>Time&apos;s up, %1 times %2 is %3.</source>
        <translation>时间到，%1 乘 %2 等于 %3。</translation>
    </message>
    <message>
        <source>Sum %1 of %2: %3 times %4</source>
        <extracomment>Spoken by a screen reader: %1 is the sum&apos;s number in the game, %2 the number of sums, %3 and %4 the two factors.</extracomment>
        <translation>第 %1 题，共 %2 题：%3 乘 %4</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <extracomment>The new sum alone, when there is no time to say more: %1 times %2.</extracomment>
        <translation>%1 乘 %2</translation>
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
        <translation>版本 </translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>制作</translation>
    </message>
    <message>
        <source>Quorvel developers</source>
        <translation>Quorvel 开发者</translation>
    </message>
    <message>
        <source>A multiplication-tables game</source>
        <translation>练习乘法表的游戏</translation>
    </message>
    <message>
        <source>No e-mail address</source>
        <translation>没有电子邮件地址</translation>
    </message>
    <message>
        <source>No web page</source>
        <translation>没有网站</translation>
    </message>
    <message>
        <source>Copyright 2026</source>
        <translation>版权所有 2026</translation>
    </message>
    <message>
        <source>Warning: Quorvel is given as it is, without warranty of any kind. Use it at your own risk.</source>
        <translation>警告：Quorvel 按原样提供，不附带任何形式的担保。使用风险由你自行承担。</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Error loading Help screen!</source>
        <translation>无法打开帮助！</translation>
    </message>
    <message>
        <source>Help document</source>
        <translation>帮助文档</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>系统信息(&amp;S)…</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>目前无法获取系统信息</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source> Trend: steady.</source>
        <translation> 趋势：平稳。</translation>
    </message>
    <message>
        <source> Trend: up about %1 points.</source>
        <translation> 趋势：上升约 %1 分。</translation>
    </message>
    <message>
        <source> Trend: down about %1 points.</source>
        <translation> 趋势：下降约 %1 分。</translation>
    </message>
    <message>
        <source>%1&apos;s Progress</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>%1 的进步</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>显示(&amp;S)：</translation>
    </message>
    <message>
        <source>Last 10 games</source>
        <translation>最近 10 局</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>最近 30 天</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>全部游戏</translation>
    </message>
    <message>
        <source>Scores, with the trend as a dashed line</source>
        <translation>得分（虚线表示趋势）</translation>
    </message>
    <message>
        <source>Scores chart</source>
        <translation>得分图</translation>
    </message>
    <message>
        <source>Sums answered wrong or not in time</source>
        <translation>答错或超时的算式</translation>
    </message>
    <message>
        <source>Each square counts how often that sum went wrong in the games shown: the darker, the more often. Games counts the games whose record shows that table. A record keeps only the sums that went wrong, so a game in which a table was always right is not counted.</source>
        <translation>每个方格表示这道算式在显示的游戏中错了几次：颜色越深，错得越多。“局数”统计记录里出现这个乘法表的游戏局数。每局游戏的记录只保存答错的算式，所以某个乘法表一直答对的游戏不计算在内。</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>局数</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>No games in the last 30 days.</source>
        <translation>最近 30 天没有游戏。</translation>
    </message>
    <message>
        <source>No games to show.</source>
        <translation>没有可显示的游戏。</translation>
    </message>
    <message>
        <source>1 game, on %1: %2.</source>
        <translation>1 局，%1：%2。</translation>
    </message>
    <message>
        <source>%1 games, %2 to %3. First %4, last %5, best %6, average %7.</source>
        <translation>%1 局，%2 至 %3。第一局 %4，最后一局 %5，最好 %6，平均 %7。</translation>
    </message>
    <message>
        <source>Game %1 of %2: %3 %4, %5/%6 right (%7)</source>
        <translation>第 %1 局，共 %2 局：%3 %4，答对 %5/%6（%7）</translation>
    </message>
    <message>
        <source>1 record could not be read.</source>
        <translation>有 1 条记录无法读取。</translation>
    </message>
    <message>
        <source>%1 records could not be read.</source>
        <translation>有 %1 条记录无法读取。</translation>
    </message>
    <message>
        <source>never wrong</source>
        <translation>从未答错</translation>
    </message>
    <message>
        <source>wrong once</source>
        <translation>答错 1 次</translation>
    </message>
    <message>
        <source>wrong %1 times</source>
        <translation>答错 %1 次</translation>
    </message>
    <message>
        <source>%1: in the record of 1 game</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;.</extracomment>
        <translation>%1：出现在 1 局的记录中</translation>
    </message>
    <message>
        <source>%1: in the records of %2 games</source>
        <extracomment>%1 names the table, as in &quot;x 7&quot;; %2 is the number of games.</extracomment>
        <translation>%1：出现在 %2 局的记录中</translation>
    </message>
    <message>
        <source>&amp;Practise these sums</source>
        <translation>练习这些算式(&amp;P)</translation>
    </message>
    <message>
        <source>How well each sum is known</source>
        <translation>每道算式掌握得怎么样</translation>
    </message>
    <message>
        <source>Each square shows how often that sum was answered right out of how often it was asked, in all games. Green: known. Yellow: still learning. Red: needs practice, it went wrong the last time. Empty: not asked yet. Practice games ask the red sums most often.</source>
        <translation>每个方格显示这道算式答对的次数和被问到的次数，统计所有游戏。绿色：已掌握。黄色：还在学习。红色：需要练习，上次答错了。空白：还没问过。练习游戏最常问红色的算式。</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>还没问过</translation>
    </message>
    <message>
        <source>known</source>
        <translation>已掌握</translation>
    </message>
    <message>
        <source>still learning</source>
        <translation>还在学习</translation>
    </message>
    <message>
        <source>needs practice</source>
        <translation>需要练习</translation>
    </message>
    <message>
        <source>asked once, right %1, %2</source>
        <extracomment>%1 is how often the sum was answered right, %2 its learning state.</extracomment>
        <translation>问过一次，答对 %1 次，%2</translation>
    </message>
    <message>
        <source>asked %1 times, right %2, %3</source>
        <extracomment>%1 is how often the sum was asked, %2 how often answered right, %3 its learning state.</extracomment>
        <translation>问过 %1 次，答对 %2 次，%3</translation>
    </message>
</context>
<context>
    <name>frmTables</name>
    <message>
        <source>Hi PlayerName, I hope you&apos;re ready to play ...</source>
        <extracomment>PlayerName stands for the player&apos;s name: keep it as it is.</extracomment>
        <translation>你好，PlayerName，准备好开始了吗？……</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清除(&amp;L)</translation>
    </message>
    <message>
        <source>No. of Sums</source>
        <translation>题数</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>你的答案</translation>
    </message>
    <message>
        <source>Correct: </source>
        <translation>答对： </translation>
    </message>
    <message>
        <source>Wrong: </source>
        <translation>答错： </translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Cancel Game</source>
        <translation>取消游戏(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>选项(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Speed</source>
        <translation>速度(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>慢速(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>中速(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>快速(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View History</source>
        <translation>游戏记录(&amp;V)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>帮助内容(&amp;C)</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>你叫什么名字？</translation>
    </message>
    <message>
        <source>Your settings cannot be read, so they will not be saved this time.</source>
        <translation>无法读取你的设置，所以这次不会保存设置。</translation>
    </message>
    <message>
        <source>Your score could not be saved.</source>
        <translation>无法保存你的得分。</translation>
    </message>
    <message>
        <source>You must select a table!</source>
        <translation>至少要选一个乘法表！</translation>
    </message>
    <message>
        <source>Game cancelled by request!</source>
        <translation>游戏已取消！</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>进步(&amp;P)</translation>
    </message>
    <message>
        <source>The file for your settings belongs to another program or to a newer version of this game, so your settings and scores will not be saved this time.</source>
        <translation>你的设置文件属于另一个程序或这个游戏的更新版本，所以这次不会保存你的设置和得分。</translation>
    </message>
    <message>
        <source>Your settings and scores cannot be saved this time: their file or folder cannot be changed, or the disk is full.</source>
        <translation>这次无法保存你的设置和得分：它们的文件或文件夹无法修改，或者磁盘已满。</translation>
    </message>
    <message>
        <source>Your settings could not be saved.</source>
        <translation>无法保存你的设置。</translation>
    </message>
    <message>
        <source>P&amp;ractise</source>
        <translation>练习(&amp;R)</translation>
    </message>
    <message>
        <source>Every table is ticked.</source>
        <translation>所有乘法表都已选中。</translation>
    </message>
    <message>
        <source>No table is ticked.</source>
        <translation>没有选中任何乘法表。</translation>
    </message>
</context>
</TS>
