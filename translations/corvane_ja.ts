<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text or, for a button or a value, by its number (1 Close). Write LAYOUT to keep the English layout.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane v. 1.00 for Windows 95, Windows 98, and NT

Copyright (c) Brindlemoor
Find the hidden fleet from the counts.</source>
        <extracomment>The first line names the program as its first release did; keep &quot;Corvane v. 1.00&quot; and the system names.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 cells</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Piece menu on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no unknown cell to fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 filled with water</source>
        <extracomment>%1 the row or column, %2 how many cells (&quot;3 cells&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1 of %2 back to %3</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the row or column, %3 the piece they are back to.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1 back to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It shows %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fleet is shown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>Failed to launch help.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software under the MIT licence, with no warranty.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CongratsDialog</name>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text or, for a button or a value, by its number (1 Close). Write LAYOUT to keep the English layout.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congratulations - You found the fleet!!!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message numerus="yes">
        <source>Row {place}: {number} ship cells</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Row {place}: 1 ship cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row {place}: no count yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Column {place}: {number} ship cells</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Column {place}: 1 ship cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column {place}: no count yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column {place}</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>{place}, {number} cells long</source>
        <extracomment>{place} is the kind of ship as its check box shows it.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>{place}, one cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: {number}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Score: {number}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Score: none yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Score: {number}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Score: none yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Games: {number}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Games: none yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Game: {number}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Game: none yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of a ship of one cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Picture of a ship %1 cells long</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Corvane icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, clue</source>
        <extracomment>%1 the row&apos;s number, %2 the column&apos;s letter, %3 the piece; cells keep these names in every language.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row count %1, column count %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the &amp;words to find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Submarine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text (&quot;Current Game:&quot;) or, for a button, check box or value, by its number (1005 Give Up, 6000 to 6009 the ships, 1014 the game number). The fit test names what does not fit. Write LAYOUT to keep the English layout.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;Off Ships As You Find Them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Game:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radar Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Give Up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sco&amp;re...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PieceLabels</name>
    <message>
        <source>Top</source>
        <extracomment>The pieces&apos; words, drawn beside their pictures in the piece menu and said by screen readers.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Write RTL for a language written from right to left (Arabic), else LTR.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreDialog</name>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text or, for a button or a value, by its number (1000 Clear Score, 1 Cancel, 1012 the average, 1013 the games). Write LAYOUT to keep the English layout.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear &amp;Score...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Are you sure you want to clear your score?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clue is on Row %d, Column %c</source>
        <extracomment>%d is the row&apos;s number (1 to 10), %c the column&apos;s letter (A to J), in this order; cells keep these names in every language.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you know. Your next clue will show a ship cell that your fleet leaves empty.</source>
        <extracomment>%1 is the number of fleets, or the text &quot;more than %1&quot; below. The status line holds two lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill &amp;Row with Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill &amp;Column with Water</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TotalsStore</name>
    <message>
        <source>the lock file %1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file that can be locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lock cannot be taken: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is left as it is; play goes on, but the wins of this run may not be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The totals stay as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The totals have reached %1, the largest number they can hold, and count no further.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 win</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 wins</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 point</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 points</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the wins (&quot;2 wins&quot;), %2 their points (&quot;3 points&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of this run could not be saved. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is kept beside the totals in %2 until a save of the program can add them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 are kept beside the totals in %2 until a save of the program can add them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the totals in %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the totals in %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot clear the totals in %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1 bytes long, too long for a settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has grown too long for a settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wins kept beside it cannot be added: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot lock the totals in %1: %2; they are saved without the lock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, and the wins cannot be kept beside them: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvane: cannot write the text: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>corvane: no display found; start it from a graphical desktop session.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
