<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
        <translation>Corvane v. 1.00 Windows 95、Windows 98、NT 用

Copyright (c) Brindlemoor
数字から隠れた艦隊を探そう。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Row %1</source>
        <translation>%1行</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>%1列</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1マス</translation>
    </message>
    <message>
        <source>Piece menu on %1</source>
        <translation>%1 のメニュー</translation>
    </message>
    <message>
        <source>%1: no unknown cell to fill</source>
        <translation>%1：埋める不明のマスはありません</translation>
    </message>
    <message>
        <source>%1: %2 filled with water</source>
        <extracomment>%1 the row or column, %2 how many cells (&quot;3 cells&quot;).</extracomment>
        <translation>%1：%2を水で埋めました</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>元に戻しました</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>元に戻しました：%1</translation>
    </message>
    <message>
        <source>Undone: %1 of %2 back to %3</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the row or column, %3 the piece they are back to.</extracomment>
        <translation>元に戻しました：%2の%1を%3に</translation>
    </message>
    <message>
        <source>Undone: %1 of %2</source>
        <translation>元に戻しました：%2の%1</translation>
    </message>
    <message>
        <source>Undone: %1 back to %2</source>
        <translation>元に戻しました：%1を%2に</translation>
    </message>
    <message>
        <source>It shows %1</source>
        <translation>ヒントは%1です</translation>
    </message>
    <message>
        <source>The fleet is shown</source>
        <translation>艦隊を表示しました</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%nマス</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 a piece, %2 the cell&apos;s letter or number along its line: &quot;Top at C&quot;.</extracomment>
        <translation>%2に%1</translation>
    </message>
    <message>
        <source>water at %1</source>
        <extracomment>%1 how many cells (&quot;4 cells&quot;).</extracomment>
        <translation>水 %1</translation>
    </message>
    <message>
        <source>clue</source>
        <extracomment>The words that lead a line&apos;s cells by how they are known: &quot;marked Top at C, water at 4 cells&quot;.</extracomment>
        <translation>ヒント：</translation>
    </message>
    <message>
        <source>clues</source>
        <translation>ヒント：</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>自分の印：</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>降参で表示：</translation>
    </message>
    <message>
        <source>nothing marked</source>
        <translation>印はありません</translation>
    </message>
    <message>
        <source>%1: count %2; %3</source>
        <extracomment>%1 the row or column, %2 its ship count, %3 its cells: &quot;Row 3: count 2; marked Top at C&quot;.</extracomment>
        <translation>%1：数 %2；%3</translation>
    </message>
    <message>
        <source>The game is over. Start Game begins a new one</source>
        <translation>ゲームは終わりました。開始で次のゲームを始めます</translation>
    </message>
    <message>
        <source>A clue cannot be changed</source>
        <translation>ヒントは変えられません</translation>
    </message>
    <message>
        <source>Solved without a clue</source>
        <translation>ヒントなしでクリア</translation>
    </message>
    <message>
        <source>Solved with 1 clue point</source>
        <translation>ヒント1点でクリア</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n clue points</source>
        <translation>
            <numerusform>ヒント%n点でクリア</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Total games %2, average score %3</source>
        <extracomment>%1 how the game was solved, %2 the games solved so far, %3 the average score as the top line shows it.</extracomment>
        <translation>%1。クリアしたゲーム：%2、平均スコア：%3</translation>
    </message>
    <message>
        <source>Score cleared</source>
        <translation>成績を消去しました</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>元に戻す操作はありません</translation>
    </message>
    <message>
        <source>Row counts %1. Column counts %2</source>
        <extracomment>Each %1 and %2 is a list of ten counts, the rows&apos; from 1 to 10, the columns&apos; from A to J.</extracomment>
        <translation>行の数 %1。列の数 %2</translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>ヘルプを起動できませんでした。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>予期しない引数 %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>オプション %1 には値が必要です</translation>
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
        <translation>使い方: corvane [--help | --version]
行と列の数から隠された艦隊を見つける論理パズルです。
オプションを付けずに起動すると、ゲームのウィンドウが開きます。

  -h, --help     この説明を表示して終了します
      --version  バージョンを表示して終了します

-display NAME、-platform NAME、-style NAME などのツールキットのオプションは
ツールキットに渡されます。キーとファイルについては、
マニュアルページ corvane(6) を参照してください。
</translation>
    </message>
    <message>
        <source>Free software under the MIT licence, with no warranty.
</source>
        <translation>MIT ライセンスのフリーソフトウェアです。保証はありません。
</translation>
    </message>
</context>
<context>
    <name>CongratsDialog</name>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text or, for a button or a value, by its number (1 Close). Write LAYOUT to keep the English layout.</extracomment>
        <translation>Congratulations - You found the fleet!!! = 19, 8, 113, 26</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Congratulations - You found the fleet!!!</source>
        <translation>おめでとうございます！艦隊を見つけました！</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message numerus="yes">
        <source>Row {place}: {number} ship cells</source>
        <translation>
            <numerusform>{place}行：船のマス {number}</numerusform>
        </translation>
    </message>
    <message>
        <source>Row {place}: 1 ship cell</source>
        <translation>{place}行：船のマス 1</translation>
    </message>
    <message>
        <source>Row {place}: no count yet</source>
        <translation>{place}行：数はまだありません</translation>
    </message>
    <message numerus="yes">
        <source>Column {place}: {number} ship cells</source>
        <translation>
            <numerusform>{place}列：船のマス {number}</numerusform>
        </translation>
    </message>
    <message>
        <source>Column {place}: 1 ship cell</source>
        <translation>{place}列：船のマス 1</translation>
    </message>
    <message>
        <source>Column {place}: no count yet</source>
        <translation>{place}列：数はまだありません</translation>
    </message>
    <message>
        <source>Column {place}</source>
        <translation>{place}列</translation>
    </message>
    <message numerus="yes">
        <source>{place}, {number} cells long</source>
        <extracomment>{place} is the kind of ship as its check box shows it.</extracomment>
        <translation>
            <numerusform>{place}、長さ{number}マス</numerusform>
        </translation>
    </message>
    <message>
        <source>{place}, one cell</source>
        <translation>{place}、1マス</translation>
    </message>
    <message>
        <source>Status: {number}</source>
        <translation>状態：{number}</translation>
    </message>
    <message>
        <source>Status: empty</source>
        <translation>状態：空</translation>
    </message>
    <message>
        <source>Current Score: {number}</source>
        <translation>このゲームのスコア：{number}</translation>
    </message>
    <message>
        <source>Current Score: none yet</source>
        <translation>このゲームのスコア：まだありません</translation>
    </message>
    <message>
        <source>Total Score: {number}</source>
        <translation>平均スコア：{number}</translation>
    </message>
    <message>
        <source>Total Score: none yet</source>
        <translation>平均スコア：まだありません</translation>
    </message>
    <message>
        <source>Total Games: {number}</source>
        <translation>クリアしたゲーム：{number}</translation>
    </message>
    <message>
        <source>Total Games: none yet</source>
        <translation>クリアしたゲーム：まだありません</translation>
    </message>
    <message>
        <source>Current Game: {number}</source>
        <translation>ゲーム番号：{number}</translation>
    </message>
    <message>
        <source>Current Game: none yet</source>
        <translation>ゲーム番号：まだありません</translation>
    </message>
    <message>
        <source>Picture of a ship of one cell</source>
        <translation>1マスの船の絵</translation>
    </message>
    <message>
        <source>Corvane icon</source>
        <translation>Corvane のアイコン</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, clue</source>
        <extracomment>%1 the row&apos;s number, %2 the column&apos;s letter, %3 the piece; cells keep these names in every language.</extracomment>
        <translation>%1行%2列：%3、ヒント</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3</source>
        <translation>%1行%2列：%3</translation>
    </message>
    <message>
        <source>Row count %1, column count %2</source>
        <translation>行の数 %1、列の数 %2</translation>
    </message>
    <message numerus="yes">
        <source>Picture of a ship %n cells long</source>
        <translation>
            <numerusform>長さ%nマスの船の絵</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, from Give Up</source>
        <translation>%1行%2列：%3、降参で表示</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation>探す言葉の最初の数文字を入力してください(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>索引(&amp;I)</translation>
    </message>
    <message>
        <source>Type the &amp;words to find:</source>
        <translation>探す言葉を入力してください(&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>検索(&amp;S)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 を読み込んでいます...</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Submarine</source>
        <translation>潜水艦</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>駆逐艦</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>巡洋艦</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>戦艦</translation>
    </message>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text (&quot;Current Game:&quot;) or, for a button, check box or value, by its number (1005 Give Up, 6000 to 6009 the ships, 1014 the game number). The fit test names what does not fit. Write LAYOUT to keep the English layout.</extracomment>
        <translation>Current Game: = 4, 2, 44, 10
Current Score: = 82, 2, 43, 10
Total Score: = 159, 2, 38, 10
Total Games: = 233, 2, 42, 10
1004 = 139, 248, 40, 14
1006 = 185, 248, 34, 14
1007 = 225, 248, 34, 14
1008 = 265, 248, 34, 14
1 = 305, 248, 32, 14
1010 = 4, 222, 333, 25</translation>
    </message>
    <message>
        <source>Check &amp;Off Ships As You Find Them</source>
        <translation>見つけた船にチェック(&amp;O)</translation>
    </message>
    <message>
        <source>Current Game:</source>
        <translation>ゲーム：</translation>
    </message>
    <message>
        <source>Current Score:</source>
        <translation>スコア：</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>平均：</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>クリア数：</translation>
    </message>
    <message>
        <source>Radar Screen</source>
        <translation>レーダー画面</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Give Up...</source>
        <translation>降参(&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>ヒント(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Sco&amp;re...</source>
        <translation>成績(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>情報(&amp;A)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
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
        <translation>潜水艦</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
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
Total Games: = 98, 11, 42, 10
1 = 109, 52, 47, 14</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>成績</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>平均：</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>クリア数：</translation>
    </message>
    <message>
        <source>Clear &amp;Score...</source>
        <translation>成績を消去(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Are you sure you want to clear your score?</source>
        <translation>成績を消去してもよろしいですか？</translation>
    </message>
    <message>
        <source>Clue is on Row %d, Column %c</source>
        <extracomment>%d is the row&apos;s number (1 to 10), %c the column&apos;s letter (A to J), in this order; cells keep these names in every language.</extracomment>
        <translation>ヒントは%d行%c列にあります</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <translation>降参してもよろしいですか？</translation>
    </message>
    <message>
        <source>Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you know. Your next clue will show a ship cell that your fleet leaves empty.</source>
        <extracomment>%1 is the number of fleets, or the text &quot;more than %1&quot; below. The status line holds two lines.</extracomment>
        <translation>あなたの艦隊はすべての数とヒントに合いますが、隠された艦隊ではありません。条件に合う艦隊の数は%1です。次のヒントで、この艦隊が空けている船のマスが分かります。</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>%1超</translation>
    </message>
    <message>
        <source>Fill &amp;Row with Water</source>
        <translation>行を水で埋める(&amp;R)</translation>
    </message>
    <message>
        <source>Fill &amp;Column with Water</source>
        <translation>列を水で埋める(&amp;C)</translation>
    </message>
    <message>
        <source>Your win will be added to your totals when the other Corvane is done.</source>
        <extracomment>Shown on the status line when another copy of the game holds the totals file as a game is won.</extracomment>
        <translation>もう1つの Corvane が終わると、この勝ちが成績に加えられます。</translation>
    </message>
</context>
<context>
    <name>TotalsStore</name>
    <message>
        <source>the lock file %1 cannot be opened: %2</source>
        <translation>ロックファイル %1 を開けません: %2</translation>
    </message>
    <message>
        <source>%1 is not a file that can be locked</source>
        <translation>%1 はロックできるファイルではありません</translation>
    </message>
    <message>
        <source>the lock cannot be taken: %1</source>
        <translation>ロックを取得できません: %1</translation>
    </message>
    <message>
        <source>The file is left as it is; play goes on, but the wins of this run may not be kept.</source>
        <translation>ファイルはそのままです。ゲームは続けられますが、今回の勝ちは保存されないかもしれません。</translation>
    </message>
    <message>
        <source>The totals stay as they were.</source>
        <translation>成績は元のままです。</translation>
    </message>
    <message>
        <source>The totals have reached %1, the largest number they can hold, and count no further.</source>
        <translation>成績が上限の %1 に達したため、これ以上は数えません。</translation>
    </message>
    <message>
        <source>1 win</source>
        <translation>1勝</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1点</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the wins (&quot;2 wins&quot;), %2 their points (&quot;3 points&quot;).</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 of this run could not be saved. %2</source>
        <translation>今回の%1を保存できませんでした。%2</translation>
    </message>
    <message>
        <source>%1 is kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1は %2 の成績の横に置かれ、次に保存するときに加えられます。</translation>
    </message>
    <message>
        <source>%1 are kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1は %2 の成績の横に置かれ、次に保存するときに加えられます。</translation>
    </message>
    <message>
        <source>Cannot read the totals in %1: %2.</source>
        <translation>%1 の成績を読み込めません: %2。</translation>
    </message>
    <message>
        <source>Cannot save the totals in %1: %2.</source>
        <translation>%1 の成績を保存できません: %2。</translation>
    </message>
    <message>
        <source>Cannot clear the totals in %1: %2.</source>
        <translation>%1 の成績を消去できません: %2。</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>ファイルではなくデバイスです</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>ファイルではなくパイプです</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>ファイルではなくソケットです</translation>
    </message>
    <message>
        <source>it is %1 bytes long, too long for a settings file</source>
        <translation>%1 バイトあり、設定ファイルとしては長すぎます</translation>
    </message>
    <message>
        <source>it has grown too long for a settings file</source>
        <translation>設定ファイルとしては長くなりすぎました</translation>
    </message>
    <message>
        <source>the wins kept beside it cannot be added: %1</source>
        <translation>横に置かれた勝ちを加えられません: %1</translation>
    </message>
    <message>
        <source>Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.</source>
        <translation>成績の場所が分かりません: XDG_CONFIG_HOME も HOME もフォルダーを示していません。</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>Cannot lock the totals in %1: %2; they are saved without the lock.</source>
        <translation>%1 の成績をロックできません: %2。ロックせずに保存します。</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>テキストではないバイトを含んでいます</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 が 0 から %2 までの整数ではありません</translation>
    </message>
    <message numerus="yes">
        <source>%n wins</source>
        <translation>
            <numerusform>%n勝</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n点</numerusform>
        </translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>ファイルではなくリンクです</translation>
    </message>
    <message>
        <source>another copy of the program holds them</source>
        <translation>このプログラムの別のコピーが使用中です</translation>
    </message>
    <message>
        <source>The folder of %1 takes no new files, so the totals are saved by writing over the file itself, which a crash in the middle of a save could damage.</source>
        <translation>%1 のフォルダーには新しいファイルを作れないため、ファイルそのものに上書きして成績を保存します。保存の途中でクラッシュすると、ファイルが壊れるおそれがあります。</translation>
    </message>
    <message>
        <source>it keeps being changed by another program</source>
        <translation>別のプログラムが変更し続けています</translation>
    </message>
    <message>
        <source>another copy of the program holds them, and the wins cannot be kept beside them: %1</source>
        <translation>このプログラムの別のコピーが使用中で、勝ちを横に置くこともできません: %1</translation>
    </message>
    <message>
        <source>Cannot count the win kept in %1: %2.</source>
        <translation>%1 に置かれた勝ちを数えられません: %2。</translation>
    </message>
    <message>
        <source>it holds no win</source>
        <translation>勝ちが入っていません</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvane: cannot write the text: %1</source>
        <translation>corvane: テキストを書き込めません: %1</translation>
    </message>
    <message>
        <source>corvane: no display found; start it from a graphical desktop session.</source>
        <translation>corvane: ディスプレイが見つかりません。グラフィカルなデスクトップから起動してください。</translation>
    </message>
</context>
</TS>
