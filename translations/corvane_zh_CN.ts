<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text or, for a button or a value, by its number (1 Close). Write LAYOUT to keep the English layout.</extracomment>
        <translation>LAYOUT</translation>
    </message>
    <message>
        <source>Corvane v. 1.00 for Windows 95, Windows 98, and NT

Copyright (c) Brindlemoor
Find the hidden fleet from the counts.</source>
        <extracomment>The first line names the program as its first release did; keep &quot;Corvane v. 1.00&quot; and the system names.</extracomment>
        <translation>Corvane v. 1.00 适用于 Windows 95、Windows 98 和 NT

Copyright (c) Brindlemoor
根据数字找出隐藏的舰队。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 格</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n 格</numerusform>
        </translation>
    </message>
    <message>
        <source>Piece menu on %1</source>
        <translation>%1 的菜单</translation>
    </message>
    <message>
        <source>%1: no unknown cell to fill</source>
        <translation>%1：没有可填充的未知格</translation>
    </message>
    <message>
        <source>%1: %2 filled with water</source>
        <extracomment>%1 the row or column, %2 how many cells (&quot;3 cells&quot;).</extracomment>
        <translation>%1：%2已填为水</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>已撤销</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>已撤销：%1</translation>
    </message>
    <message>
        <source>Undone: %1 of %2 back to %3</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the row or column, %3 the piece they are back to.</extracomment>
        <translation>已撤销：%2的%1恢复为%3</translation>
    </message>
    <message>
        <source>Undone: %1 of %2</source>
        <translation>已撤销：%2的%1</translation>
    </message>
    <message>
        <source>Undone: %1 back to %2</source>
        <translation>已撤销：%1恢复为%2</translation>
    </message>
    <message>
        <source>It shows %1</source>
        <translation>提示为%1</translation>
    </message>
    <message>
        <source>The fleet is shown</source>
        <translation>已显示舰队</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 a piece, %2 the cell&apos;s letter or number along its line: &quot;Top at C&quot;.</extracomment>
        <translation>%1在 %2</translation>
    </message>
    <message>
        <source>water at %1</source>
        <extracomment>%1 how many cells (&quot;4 cells&quot;).</extracomment>
        <translation>水占 %1</translation>
    </message>
    <message>
        <source>clue</source>
        <extracomment>The words that lead a line&apos;s cells by how they are known: &quot;marked Top at C, water at 4 cells&quot;.</extracomment>
        <translation>提示：</translation>
    </message>
    <message>
        <source>clues</source>
        <translation>提示：</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>已标记：</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>已显示：</translation>
    </message>
    <message>
        <source>nothing marked</source>
        <translation>没有标记</translation>
    </message>
    <message>
        <source>%1: count %2; %3</source>
        <extracomment>%1 the row or column, %2 its ship count, %3 its cells: &quot;Row 3: count 2; marked Top at C&quot;.</extracomment>
        <translation>%1：数字 %2；%3</translation>
    </message>
    <message>
        <source>The game is over. Start Game begins a new one</source>
        <translation>本局已结束。按“新游戏”开始新的一局</translation>
    </message>
    <message>
        <source>A clue cannot be changed</source>
        <translation>提示格不能更改</translation>
    </message>
    <message>
        <source>Solved without a clue</source>
        <translation>解出，未用提示</translation>
    </message>
    <message>
        <source>Solved with 1 clue point</source>
        <translation>解出，提示计 1 分</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n clue points</source>
        <translation>
            <numerusform>解出，提示计 %n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Total games %2, average score %3</source>
        <extracomment>%1 how the game was solved, %2 the games solved so far, %3 the average score as the top line shows it.</extracomment>
        <translation>%1。已解局数：%2，平均得分：%3</translation>
    </message>
    <message>
        <source>Score cleared</source>
        <translation>成绩已清除</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>没有可撤销的操作</translation>
    </message>
    <message>
        <source>Row counts %1. Column counts %2</source>
        <extracomment>Each %1 and %2 is a list of ten counts, the rows&apos; from 1 to 10, the columns&apos; from A to J.</extracomment>
        <translation>各行数字：%1。各列数字：%2</translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>无法打开帮助。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>多余的参数 %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>选项 %1 需要一个值</translation>
    </message>
    <message>
        <source>Usage: corvane [--help | --version]
Find the hidden fleet from the row and column counts: a logic puzzle.
Without an option, the game window opens.

  -h, --help     show this text and exit
      --version  show the version and exit

The toolkit&apos;s own options, such as -display NAME, -platform NAME and -style NAME,
are handed on to it. The manual page corvane(6) tells the game&apos;s keys and files.
</source>
        <extracomment>Keep the options and the lines no longer than 80 characters; the options&apos; column lines up.</extracomment>
        <translation>用法: corvane [--help | --version]
根据行和列的数字找出隐藏的舰队：一款逻辑解谜游戏。
不带选项时打开游戏窗口。

  -h, --help     显示此说明并退出
      --version  显示版本并退出

-display NAME、-platform NAME、-style NAME 等工具包自身的选项会转交给工具包。
游戏的按键和文件见手册页 corvane(6)。
</translation>
    </message>
    <message>
        <source>Free software under the MIT licence, with no warranty.
</source>
        <translation>以 MIT 许可证发布的自由软件，不提供任何担保。
</translation>
    </message>
</context>
<context>
    <name>CongratsDialog</name>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text or, for a button or a value, by its number (1 Close). Write LAYOUT to keep the English layout.</extracomment>
        <translation>LAYOUT</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Congratulations - You found the fleet!!!</source>
        <translation>恭喜！你找到了舰队！</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message numerus="yes">
        <source>Row {place}: {number} ship cells</source>
        <translation>
            <numerusform>第 {place} 行：{number} 个船格</numerusform>
        </translation>
    </message>
    <message>
        <source>Row {place}: 1 ship cell</source>
        <translation>第 {place} 行：1 个船格</translation>
    </message>
    <message>
        <source>Row {place}: no count yet</source>
        <translation>第 {place} 行：还没有数字</translation>
    </message>
    <message numerus="yes">
        <source>Column {place}: {number} ship cells</source>
        <translation>
            <numerusform>第 {place} 列：{number} 个船格</numerusform>
        </translation>
    </message>
    <message>
        <source>Column {place}: 1 ship cell</source>
        <translation>第 {place} 列：1 个船格</translation>
    </message>
    <message>
        <source>Column {place}: no count yet</source>
        <translation>第 {place} 列：还没有数字</translation>
    </message>
    <message>
        <source>Column {place}</source>
        <translation>第 {place} 列</translation>
    </message>
    <message numerus="yes">
        <source>{place}, {number} cells long</source>
        <extracomment>{place} is the kind of ship as its check box shows it.</extracomment>
        <translation>
            <numerusform>{place}，长 {number} 格</numerusform>
        </translation>
    </message>
    <message>
        <source>{place}, one cell</source>
        <translation>{place}，1 格</translation>
    </message>
    <message>
        <source>Status: {number}</source>
        <translation>状态：{number}</translation>
    </message>
    <message>
        <source>Status: empty</source>
        <translation>状态：空</translation>
    </message>
    <message>
        <source>Current Score: {number}</source>
        <translation>本局得分：{number}</translation>
    </message>
    <message>
        <source>Current Score: none yet</source>
        <translation>本局得分：暂无</translation>
    </message>
    <message>
        <source>Total Score: {number}</source>
        <translation>平均得分：{number}</translation>
    </message>
    <message>
        <source>Total Score: none yet</source>
        <translation>平均得分：暂无</translation>
    </message>
    <message>
        <source>Total Games: {number}</source>
        <translation>已解局数：{number}</translation>
    </message>
    <message>
        <source>Total Games: none yet</source>
        <translation>已解局数：暂无</translation>
    </message>
    <message>
        <source>Current Game: {number}</source>
        <translation>局号：{number}</translation>
    </message>
    <message>
        <source>Current Game: none yet</source>
        <translation>局号：暂无</translation>
    </message>
    <message>
        <source>Picture of a ship of one cell</source>
        <translation>1 格船的图片</translation>
    </message>
    <message numerus="yes">
        <source>Picture of a ship %n cells long</source>
        <translation>
            <numerusform>长 %n 格的船的图片</numerusform>
        </translation>
    </message>
    <message>
        <source>Corvane icon</source>
        <translation>Corvane 图标</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, clue</source>
        <extracomment>%1 the row&apos;s number, %2 the column&apos;s letter, %3 the piece; cells keep these names in every language.</extracomment>
        <translation>第 %1 行 %2 列：%3，提示</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3</source>
        <translation>第 %1 行 %2 列：%3</translation>
    </message>
    <message>
        <source>Row count %1, column count %2</source>
        <translation>行数字 %1，列数字 %2</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, from Give Up</source>
        <translation>第 %1 行 %2 列：%3，放弃后显示</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation>输入要查找的词的前几个字(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>索引(&amp;I)</translation>
    </message>
    <message>
        <source>Type the &amp;words to find:</source>
        <translation>输入要查找的词(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>搜索(&amp;S)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>正在读取 %1...</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Submarine</source>
        <translation>潜艇</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>驱逐舰</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>巡洋舰</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>战列舰</translation>
    </message>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text (&quot;Current Game:&quot;) or, for a button, check box or value, by its number (1005 Give Up, 6000 to 6009 the ships, 1014 the game number). The fit test names what does not fit. Write LAYOUT to keep the English layout.</extracomment>
        <translation>Current Game: = 4, 2, 44, 10
Current Score: = 82, 2, 43, 10
Total Score: = 159, 2, 38, 10
Total Games: = 233, 2, 42, 10
1010 = 4, 222, 333, 25</translation>
    </message>
    <message>
        <source>Check &amp;Off Ships As You Find Them</source>
        <translation>勾选已找到的船(&amp;O)</translation>
    </message>
    <message>
        <source>Current Game:</source>
        <translation>局号：</translation>
    </message>
    <message>
        <source>Current Score:</source>
        <translation>得分：</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>平均：</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>已解：</translation>
    </message>
    <message>
        <source>Radar Screen</source>
        <translation>雷达屏幕</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>新游戏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Give Up...</source>
        <translation>放弃(&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>提示(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Sco&amp;re...</source>
        <translation>成绩(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
</context>
<context>
    <name>PieceLabels</name>
    <message>
        <source>Top</source>
        <extracomment>The pieces&apos; words, drawn beside their pictures in the piece menu and said by screen readers.</extracomment>
        <translation>上端</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右端</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下端</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左端</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>潜艇</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>中段</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Write RTL for a language written from right to left (Arabic), else LTR.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>ScoreDialog</name>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text or, for a button or a value, by its number (1000 Clear Score, 1 Cancel, 1012 the average, 1013 the games). Write LAYOUT to keep the English layout.</extracomment>
        <translation>Total Score: = 24, 11, 38, 10
Total Games: = 98, 11, 42, 10</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>平均：</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>已解：</translation>
    </message>
    <message>
        <source>Clear &amp;Score...</source>
        <translation>清除成绩(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Are you sure you want to clear your score?</source>
        <translation>确定要清除成绩吗？</translation>
    </message>
    <message>
        <source>Clue is on Row %d, Column %c</source>
        <extracomment>%d is the row&apos;s number (1 to 10), %c the column&apos;s letter (A to J), in this order; cells keep these names in every language.</extracomment>
        <translation>提示在第 %d 行 %c 列</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <translation>确定要放弃吗？</translation>
    </message>
    <message>
        <source>Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you know. Your next clue will show a ship cell that your fleet leaves empty.</source>
        <extracomment>%1 is the number of fleets, or the text &quot;more than %1&quot; below. The status line holds two lines.</extracomment>
        <translation>你的舰队符合所有数字和提示，但不是隐藏的那支：符合已知条件的舰队数：%1。下一个提示将揭示一个你的舰队留空的船格。</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>超过 %1</translation>
    </message>
    <message>
        <source>Your win will be added to your totals when the other Corvane is done.</source>
        <extracomment>Shown on the status line when another copy of the game holds the totals file as a game is won.</extracomment>
        <translation>另一个 Corvane 结束后，这局胜利将计入你的成绩。</translation>
    </message>
    <message>
        <source>Fill &amp;Row with Water</source>
        <translation>整行填水(&amp;R)</translation>
    </message>
    <message>
        <source>Fill &amp;Column with Water</source>
        <translation>整列填水(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TotalsStore</name>
    <message>
        <source>it is a folder</source>
        <translation>它是文件夹</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>它是设备，不是文件</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>它是管道，不是文件</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>它是套接字，不是文件</translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>它是链接，不是文件</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be opened: %2</source>
        <translation>无法打开锁文件 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a file that can be locked</source>
        <translation>%1 不是可以加锁的文件</translation>
    </message>
    <message>
        <source>another copy of the program holds them</source>
        <translation>程序的另一个副本正在占用它</translation>
    </message>
    <message>
        <source>the lock cannot be taken: %1</source>
        <translation>无法加锁：%1</translation>
    </message>
    <message>
        <source>The file is left as it is; play goes on, but the wins of this run may not be kept.</source>
        <translation>文件保持原样；游戏可以继续，但本次运行的胜利可能不会保存。</translation>
    </message>
    <message>
        <source>The totals stay as they were.</source>
        <translation>成绩保持不变。</translation>
    </message>
    <message>
        <source>The totals have reached %1, the largest number they can hold, and count no further.</source>
        <translation>成绩已达到所能保存的最大数 %1，不再继续累计。</translation>
    </message>
    <message>
        <source>1 win</source>
        <translation>1 局胜利</translation>
    </message>
    <message numerus="yes">
        <source>%n wins</source>
        <translation>
            <numerusform>%n 局胜利</numerusform>
        </translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 分</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the wins (&quot;2 wins&quot;), %2 their points (&quot;3 points&quot;).</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 of this run could not be saved. %2</source>
        <translation>本次运行的%1未能保存。%2</translation>
    </message>
    <message>
        <source>%1 is kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1暂存在 %2 的成绩旁，等程序下次保存时再计入。</translation>
    </message>
    <message>
        <source>%1 are kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1暂存在 %2 的成绩旁，等程序下次保存时再计入。</translation>
    </message>
    <message>
        <source>Cannot read the totals in %1: %2.</source>
        <translation>无法读取 %1 中的成绩：%2。</translation>
    </message>
    <message>
        <source>Cannot save the totals in %1: %2.</source>
        <translation>无法保存 %1 中的成绩：%2。</translation>
    </message>
    <message>
        <source>Cannot clear the totals in %1: %2.</source>
        <translation>无法清除 %1 中的成绩：%2。</translation>
    </message>
    <message>
        <source>it is %1 bytes long, too long for a settings file</source>
        <translation>它有 %1 字节，作为设置文件太长</translation>
    </message>
    <message>
        <source>it has grown too long for a settings file</source>
        <translation>它已变得太长，不适合作为设置文件</translation>
    </message>
    <message>
        <source>Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.</source>
        <translation>找不到成绩：XDG_CONFIG_HOME 和 HOME 都没有指向文件夹。</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>Cannot lock the totals in %1: %2; they are saved without the lock.</source>
        <translation>无法锁定 %1 中的成绩：%2；将在不加锁的情况下保存。</translation>
    </message>
    <message>
        <source>The folder of %1 takes no new files, so the totals are saved by writing over the file itself, which a crash in the middle of a save could damage.</source>
        <translation>%1 所在的文件夹不能新建文件，因此成绩直接覆盖写入该文件；保存中途崩溃可能损坏它。</translation>
    </message>
    <message>
        <source>the wins kept beside it cannot be added: %1</source>
        <translation>无法计入暂存在旁边的胜利：%1</translation>
    </message>
    <message>
        <source>it keeps being changed by another program</source>
        <translation>它不断被另一个程序修改</translation>
    </message>
    <message>
        <source>another copy of the program holds them, and the wins cannot be kept beside them: %1</source>
        <translation>程序的另一个副本正在占用它，胜利也无法暂存在旁边：%1</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>它含有非文本的字节</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 不是 0 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>Cannot count the win kept in %1: %2.</source>
        <translation>无法计入暂存在 %1 中的胜利：%2。</translation>
    </message>
    <message>
        <source>it holds no win</source>
        <translation>其中没有胜利</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvane: cannot write the text: %1</source>
        <translation>corvane: 无法写出文本：%1</translation>
    </message>
    <message>
        <source>corvane: no display found; start it from a graphical desktop session.</source>
        <translation>corvane: 找不到显示器；请在图形桌面会话中启动。</translation>
    </message>
</context>
</TS>
