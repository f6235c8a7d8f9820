<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Corvane v. 1.00 für Windows 95, Windows 98 und NT

Copyright (c) Brindlemoor
Finde die Flotte anhand der Zahlen.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 Feld</translation>
    </message>
    <message>
        <source>Piece menu on %1</source>
        <translation>Menü für %1</translation>
    </message>
    <message>
        <source>%1: no unknown cell to fill</source>
        <translation>%1: kein unbekanntes Feld zu füllen</translation>
    </message>
    <message>
        <source>%1: %2 filled with water</source>
        <extracomment>%1 the row or column, %2 how many cells (&quot;3 cells&quot;).</extracomment>
        <translation>%1: %2 mit Wasser gefüllt</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Rückgängig gemacht</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undone: %1 of %2 back to %3</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the row or column, %3 the piece they are back to.</extracomment>
        <translation>Rückgängig: %1 in %2, wieder %3</translation>
    </message>
    <message>
        <source>Undone: %1 of %2</source>
        <translation>Rückgängig: %1 in %2</translation>
    </message>
    <message>
        <source>Undone: %1 back to %2</source>
        <translation>Rückgängig: %1, wieder %2</translation>
    </message>
    <message>
        <source>It shows %1</source>
        <translation>Der Hinweis zeigt: %1</translation>
    </message>
    <message>
        <source>The fleet is shown</source>
        <translation>Die Flotte wird gezeigt</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n Feld</numerusform>
            <numerusform>%n Felder</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 a piece, %2 the cell&apos;s letter or number along its line: &quot;Top at C&quot;.</extracomment>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>water at %1</source>
        <extracomment>%1 how many cells (&quot;4 cells&quot;).</extracomment>
        <translation>%1 Wasser</translation>
    </message>
    <message>
        <source>clue</source>
        <extracomment>The words that lead a line&apos;s cells by how they are known: &quot;marked Top at C, water at 4 cells&quot;.</extracomment>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>clues</source>
        <translation>Hinweise:</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>markiert:</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>gezeigt:</translation>
    </message>
    <message>
        <source>nothing marked</source>
        <translation>nichts markiert</translation>
    </message>
    <message>
        <source>%1: count %2; %3</source>
        <extracomment>%1 the row or column, %2 its ship count, %3 its cells: &quot;Row 3: count 2; marked Top at C&quot;.</extracomment>
        <translation>%1: Zahl %2; %3</translation>
    </message>
    <message>
        <source>The game is over. Start Game begins a new one</source>
        <translation>Das Spiel ist vorbei. Neues Spiel beginnt das nächste</translation>
    </message>
    <message>
        <source>A clue cannot be changed</source>
        <translation>Ein Hinweis lässt sich nicht ändern</translation>
    </message>
    <message>
        <source>Solved without a clue</source>
        <translation>Ohne Hinweis gelöst</translation>
    </message>
    <message>
        <source>Solved with 1 clue point</source>
        <translation>Mit 1 Hinweispunkt gelöst</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n clue points</source>
        <translation>
            <numerusform>Mit %n Hinweispunkt gelöst</numerusform>
            <numerusform>Mit %n Hinweispunkten gelöst</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Total games %2, average score %3</source>
        <extracomment>%1 how the game was solved, %2 the games solved so far, %3 the average score as the top line shows it.</extracomment>
        <translation>%1. Gelöste Spiele: %2, Punkte im Schnitt: %3</translation>
    </message>
    <message>
        <source>Score cleared</source>
        <translation>Statistik gelöscht</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>Row counts %1. Column counts %2</source>
        <extracomment>Each %1 and %2 is a list of ten counts, the rows&apos; from 1 to 10, the columns&apos; from A to J.</extracomment>
        <translation>Zeilenzahlen %1. Spaltenzahlen %2</translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Die Hilfe ließ sich nicht starten.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>Option %1 braucht einen Wert</translation>
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
        <translation>Aufruf: corvane [--help | --version]
Logikrätsel: Finde die versteckte Flotte anhand der Zeilen- und Spaltenzahlen.
Ohne Option öffnet sich das Spielfenster.

  -h, --help     diesen Text zeigen und beenden
      --version  die Version zeigen und beenden

Optionen des Toolkits wie -display NAME, -platform NAME und -style NAME werden
an dieses weitergegeben. Die Handbuchseite corvane(6) nennt Tasten und Dateien.
</translation>
    </message>
    <message>
        <source>Free software under the MIT licence, with no warranty.
</source>
        <translation>Freie Software unter der MIT-Lizenz, ohne jede Gewährleistung.
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
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Congratulations - You found the fleet!!!</source>
        <translation>Glückwunsch – du hast die Flotte gefunden!</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message numerus="yes">
        <source>Row {place}: {number} ship cells</source>
        <translation>
            <numerusform>Zeile {place}: {number} Schiffsfeld</numerusform>
            <numerusform>Zeile {place}: {number} Schiffsfelder</numerusform>
        </translation>
    </message>
    <message>
        <source>Row {place}: 1 ship cell</source>
        <translation>Zeile {place}: 1 Schiffsfeld</translation>
    </message>
    <message>
        <source>Row {place}: no count yet</source>
        <translation>Zeile {place}: noch keine Zahl</translation>
    </message>
    <message numerus="yes">
        <source>Column {place}: {number} ship cells</source>
        <translation>
            <numerusform>Spalte {place}: {number} Schiffsfeld</numerusform>
            <numerusform>Spalte {place}: {number} Schiffsfelder</numerusform>
        </translation>
    </message>
    <message>
        <source>Column {place}: 1 ship cell</source>
        <translation>Spalte {place}: 1 Schiffsfeld</translation>
    </message>
    <message>
        <source>Column {place}: no count yet</source>
        <translation>Spalte {place}: noch keine Zahl</translation>
    </message>
    <message>
        <source>Column {place}</source>
        <translation>Spalte {place}</translation>
    </message>
    <message numerus="yes">
        <source>{place}, {number} cells long</source>
        <extracomment>{place} is the kind of ship as its check box shows it.</extracomment>
        <translation>
            <numerusform>{place}, {number} Feld lang</numerusform>
            <numerusform>{place}, {number} Felder lang</numerusform>
        </translation>
    </message>
    <message>
        <source>{place}, one cell</source>
        <translation>{place}, ein Feld</translation>
    </message>
    <message>
        <source>Status: {number}</source>
        <translation>Status: {number}</translation>
    </message>
    <message>
        <source>Status: empty</source>
        <translation>Status: leer</translation>
    </message>
    <message>
        <source>Current Score: {number}</source>
        <translation>Punkte in diesem Spiel: {number}</translation>
    </message>
    <message>
        <source>Current Score: none yet</source>
        <translation>Punkte in diesem Spiel: noch keine</translation>
    </message>
    <message>
        <source>Total Score: {number}</source>
        <translation>Punkte im Schnitt: {number}</translation>
    </message>
    <message>
        <source>Total Score: none yet</source>
        <translation>Punkte im Schnitt: noch keine</translation>
    </message>
    <message>
        <source>Total Games: {number}</source>
        <translation>Gelöste Spiele: {number}</translation>
    </message>
    <message>
        <source>Total Games: none yet</source>
        <translation>Gelöste Spiele: noch keine</translation>
    </message>
    <message>
        <source>Current Game: {number}</source>
        <translation>Spielnummer: {number}</translation>
    </message>
    <message>
        <source>Current Game: none yet</source>
        <translation>Spielnummer: noch keine</translation>
    </message>
    <message>
        <source>Picture of a ship of one cell</source>
        <translation>Bild eines Schiffs aus einem Feld</translation>
    </message>
    <message>
        <source>Corvane icon</source>
        <translation>Corvane-Symbol</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, clue</source>
        <extracomment>%1 the row&apos;s number, %2 the column&apos;s letter, %3 the piece; cells keep these names in every language.</extracomment>
        <translation>Zeile %1, Spalte %2: %3, Hinweis</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>Row count %1, column count %2</source>
        <translation>Zeilenzahl %1, Spaltenzahl %2</translation>
    </message>
    <message numerus="yes">
        <source>Picture of a ship %n cells long</source>
        <translation>
            <numerusform>Bild eines Schiffs, %n Feld lang</numerusform>
            <numerusform>Bild eines Schiffs, %n Felder lang</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, from Give Up</source>
        <translation>Zeile %1, Spalte %2: %3, durch Aufgeben</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation>&amp;Gib die ersten Buchstaben des gesuchten Wortes ein:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Type the &amp;words to find:</source>
        <translation>Gib die zu suchenden &amp;Wörter ein:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suche</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Submarine</source>
        <translation>U-Boot</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Zerstörer</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Kreuzer</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Schlachtschiff</translation>
    </message>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text (&quot;Current Game:&quot;) or, for a button, check box or value, by its number (1005 Give Up, 6000 to 6009 the ships, 1014 the game number). The fit test names what does not fit. Write LAYOUT to keep the English layout.</extracomment>
        <translation>6000 = 216, 41, 56, 10
6001 = 216, 58, 56, 10
6002 = 216, 75, 56, 10
6003 = 216, 92, 56, 10
6004 = 216, 109, 56, 10
6005 = 216, 126, 56, 10
6006 = 216, 143, 56, 10
6007 = 216, 160, 56, 10
6008 = 216, 177, 56, 10
6009 = 216, 194, 56, 10
1004 = 140, 248, 36, 14</translation>
    </message>
    <message>
        <source>Check &amp;Off Ships As You Find Them</source>
        <translation>&amp;Gefundene Schiffe abhaken</translation>
    </message>
    <message>
        <source>Current Game:</source>
        <translation>Spiel Nr.:</translation>
    </message>
    <message>
        <source>Current Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Schnitt:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Gelöst:</translation>
    </message>
    <message>
        <source>Radar Screen</source>
        <translation>Radarschirm</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Give Up...</source>
        <translation>&amp;Aufgeben...</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>Hin&amp;weis</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Sco&amp;re...</source>
        <translation>&amp;Statistik...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>PieceLabels</name>
    <message>
        <source>Top</source>
        <extracomment>The pieces&apos; words, drawn beside their pictures in the piece menu and said by screen readers.</extracomment>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>U-Boot</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
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
        <translation>1000 = 45, 52, 57, 14</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Schnitt:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Gelöst:</translation>
    </message>
    <message>
        <source>Clear &amp;Score...</source>
        <translation>Statistik &amp;löschen...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Are you sure you want to clear your score?</source>
        <translation>Willst du deine Statistik wirklich löschen?</translation>
    </message>
    <message>
        <source>Clue is on Row %d, Column %c</source>
        <extracomment>%d is the row&apos;s number (1 to 10), %c the column&apos;s letter (A to J), in this order; cells keep these names in every language.</extracomment>
        <translation>Hinweis in Zeile %d, Spalte %c</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <translation>Willst du wirklich aufgeben?</translation>
    </message>
    <message>
        <source>Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you know. Your next clue will show a ship cell that your fleet leaves empty.</source>
        <extracomment>%1 is the number of fleets, or the text &quot;more than %1&quot; below. The status line holds two lines.</extracomment>
        <translation>Deine Flotte passt zu allen Zahlen und Hinweisen, ist aber nicht die versteckte: %1 Flotten passen zu dem, was du weißt. Dein nächster Hinweis zeigt ein Schiffsfeld, das deine Flotte leer lässt.</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>mehr als %1</translation>
    </message>
    <message>
        <source>Fill &amp;Row with Water</source>
        <translation>&amp;Zeile mit Wasser füllen</translation>
    </message>
    <message>
        <source>Fill &amp;Column with Water</source>
        <translation>&amp;Spalte mit Wasser füllen</translation>
    </message>
    <message>
        <source>Your win will be added to your totals when the other Corvane is done.</source>
        <extracomment>Shown on the status line when another copy of the game holds the totals file as a game is won.</extracomment>
        <translation>Dein Sieg kommt in die Statistik, sobald das andere Corvane fertig ist.</translation>
    </message>
</context>
<context>
    <name>TotalsStore</name>
    <message>
        <source>the lock file %1 cannot be opened: %2</source>
        <translation>die Sperrdatei %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>%1 is not a file that can be locked</source>
        <translation>%1 ist keine Datei, die sich sperren lässt</translation>
    </message>
    <message>
        <source>the lock cannot be taken: %1</source>
        <translation>die Sperre lässt sich nicht setzen: %1</translation>
    </message>
    <message>
        <source>The file is left as it is; play goes on, but the wins of this run may not be kept.</source>
        <translation>Die Datei bleibt, wie sie ist; du kannst weiterspielen, aber die Siege dieser Sitzung werden vielleicht nicht gespeichert.</translation>
    </message>
    <message>
        <source>The totals stay as they were.</source>
        <translation>Die Statistik bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>The totals have reached %1, the largest number they can hold, and count no further.</source>
        <translation>Die Statistik hat %1 erreicht, die größte Zahl, die sie fassen kann, und zählt nicht weiter.</translation>
    </message>
    <message>
        <source>1 win</source>
        <translation>1 Sieg</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 Punkt</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the wins (&quot;2 wins&quot;), %2 their points (&quot;3 points&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of this run could not be saved. %2</source>
        <translation>Nicht gespeichert aus dieser Sitzung: %1. %2</translation>
    </message>
    <message>
        <source>%1 is kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 liegt neben der Statistik in %2, bis das Programm beim Speichern ihn hinzufügen kann.</translation>
    </message>
    <message>
        <source>%1 are kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 liegen neben der Statistik in %2, bis das Programm beim Speichern sie hinzufügen kann.</translation>
    </message>
    <message>
        <source>Cannot read the totals in %1: %2.</source>
        <translation>Die Statistik in %1 lässt sich nicht lesen: %2.</translation>
    </message>
    <message>
        <source>Cannot save the totals in %1: %2.</source>
        <translation>Die Statistik in %1 lässt sich nicht speichern: %2.</translation>
    </message>
    <message>
        <source>Cannot clear the totals in %1: %2.</source>
        <translation>Die Statistik in %1 lässt sich nicht löschen: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>es ist eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is %1 bytes long, too long for a settings file</source>
        <translation>die Datei ist %1 Byte lang, zu lang für eine Einstellungsdatei</translation>
    </message>
    <message>
        <source>it has grown too long for a settings file</source>
        <translation>die Datei ist zu lang für eine Einstellungsdatei geworden</translation>
    </message>
    <message>
        <source>the wins kept beside it cannot be added: %1</source>
        <translation>die daneben abgelegten Siege lassen sich nicht hinzufügen: %1</translation>
    </message>
    <message>
        <source>Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.</source>
        <translation>Die Statistik ist nicht zu finden: Weder XDG_CONFIG_HOME noch HOME nennt einen Ordner.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>Cannot lock the totals in %1: %2; they are saved without the lock.</source>
        <translation>Die Statistik in %1 lässt sich nicht sperren: %2; sie wird ohne Sperre gespeichert.</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>sie enthält Bytes, die kein Text sind</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 ist keine ganze Zahl von 0 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>%n wins</source>
        <translation>
            <numerusform>%n Sieg</numerusform>
            <numerusform>%n Siege</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>es ist ein Link, keine Datei</translation>
    </message>
    <message>
        <source>another copy of the program holds them</source>
        <translation>ein anderes Exemplar des Programms hält sie</translation>
    </message>
    <message>
        <source>The folder of %1 takes no new files, so the totals are saved by writing over the file itself, which a crash in the middle of a save could damage.</source>
        <translation>Der Ordner von %1 nimmt keine neuen Dateien an, daher wird die Statistik direkt in die Datei geschrieben; ein Absturz mitten im Speichern könnte sie beschädigen.</translation>
    </message>
    <message>
        <source>it keeps being changed by another program</source>
        <translation>die Datei wird ständig von einem anderen Programm geändert</translation>
    </message>
    <message>
        <source>another copy of the program holds them, and the wins cannot be kept beside them: %1</source>
        <translation>ein anderes Exemplar des Programms hält sie, und die Siege lassen sich nicht daneben ablegen: %1</translation>
    </message>
    <message>
        <source>Cannot count the win kept in %1: %2.</source>
        <translation>Der in %1 abgelegte Sieg lässt sich nicht zählen: %2.</translation>
    </message>
    <message>
        <source>it holds no win</source>
        <translation>die Datei enthält keinen Sieg</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvane: cannot write the text: %1</source>
        <translation>corvane: Der Text lässt sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>corvane: no display found; start it from a graphical desktop session.</source>
        <translation>corvane: Keine Anzeige gefunden; starte das Spiel aus einer grafischen Sitzung.</translation>
    </message>
</context>
</TS>
