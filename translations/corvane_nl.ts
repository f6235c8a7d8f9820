<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
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
        <translation>Corvane v. 1.00 voor Windows 95, Windows 98 en NT

Copyright (c) Brindlemoor
Vind de verborgen vloot met de getallen.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Row %1</source>
        <translation>Rij %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolom %1</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 vakje</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n vakje</numerusform>
            <numerusform>%n vakjes</numerusform>
        </translation>
    </message>
    <message>
        <source>Piece menu on %1</source>
        <translation>Stukkenmenu op %1</translation>
    </message>
    <message>
        <source>%1: no unknown cell to fill</source>
        <translation>%1: geen onbekend vakje om te vullen</translation>
    </message>
    <message>
        <source>%1: %2 filled with water</source>
        <extracomment>%1 the row or column, %2 how many cells (&quot;3 cells&quot;).</extracomment>
        <translation>%1: %2 met water gevuld</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Ongedaan gemaakt</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Ongedaan: %1</translation>
    </message>
    <message>
        <source>Undone: %1 of %2 back to %3</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the row or column, %3 the piece they are back to.</extracomment>
        <translation>Ongedaan: %1 in %2, weer %3</translation>
    </message>
    <message>
        <source>Undone: %1 of %2</source>
        <translation>Ongedaan: %1 in %2</translation>
    </message>
    <message>
        <source>Undone: %1 back to %2</source>
        <translation>Ongedaan: %1, weer %2</translation>
    </message>
    <message>
        <source>It shows %1</source>
        <translation>De hint toont: %1</translation>
    </message>
    <message>
        <source>The fleet is shown</source>
        <translation>De vloot wordt getoond</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 a piece, %2 the cell&apos;s letter or number along its line: &quot;Top at C&quot;.</extracomment>
        <translation>%1 op %2</translation>
    </message>
    <message>
        <source>water at %1</source>
        <extracomment>%1 how many cells (&quot;4 cells&quot;).</extracomment>
        <translation>water op %1</translation>
    </message>
    <message>
        <source>clue</source>
        <extracomment>The words that lead a line&apos;s cells by how they are known: &quot;marked Top at C, water at 4 cells&quot;.</extracomment>
        <translation>hint:</translation>
    </message>
    <message>
        <source>clues</source>
        <translation>hints:</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>gemarkeerd:</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>getoond:</translation>
    </message>
    <message>
        <source>nothing marked</source>
        <translation>niets gemarkeerd</translation>
    </message>
    <message>
        <source>%1: count %2; %3</source>
        <extracomment>%1 the row or column, %2 its ship count, %3 its cells: &quot;Row 3: count 2; marked Top at C&quot;.</extracomment>
        <translation>%1: getal %2; %3</translation>
    </message>
    <message>
        <source>The game is over. Start Game begins a new one</source>
        <translation>Het spel is voorbij. Met Nieuw spel begin je het volgende</translation>
    </message>
    <message>
        <source>A clue cannot be changed</source>
        <translation>Een hint kun je niet veranderen</translation>
    </message>
    <message>
        <source>Solved without a clue</source>
        <translation>Opgelost zonder hint</translation>
    </message>
    <message>
        <source>Solved with 1 clue point</source>
        <translation>Opgelost met 1 hintpunt</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n clue points</source>
        <translation>
            <numerusform>Opgelost met %n hintpunt</numerusform>
            <numerusform>Opgelost met %n hintpunten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Total games %2, average score %3</source>
        <extracomment>%1 how the game was solved, %2 the games solved so far, %3 the average score as the top line shows it.</extracomment>
        <translation>%1. Opgeloste spellen: %2, gemiddelde punten: %3</translation>
    </message>
    <message>
        <source>Score cleared</source>
        <translation>Scores gewist</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Niets om ongedaan te maken</translation>
    </message>
    <message>
        <source>Row counts %1. Column counts %2</source>
        <extracomment>Each %1 and %2 is a list of ten counts, the rows&apos; from 1 to 10, the columns&apos; from A to J.</extracomment>
        <translation>Rijgetallen %1. Kolomgetallen %2</translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>De help kon niet worden gestart.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>onverwacht argument %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>optie %1 heeft een waarde nodig</translation>
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
        <translation>Gebruik: corvane [--help | --version]
Logische puzzel: vind de verborgen vloot met de getallen per rij en kolom.
Zonder optie opent het spelvenster.

  -h, --help     deze tekst tonen en afsluiten
      --version  de versie tonen en afsluiten

De eigen opties van de toolkit, zoals -display NAAM, -platform NAAM en
-style NAAM, worden eraan doorgegeven. De handleiding corvane(6) noemt de
toetsen en bestanden van het spel.
</translation>
    </message>
    <message>
        <source>Free software under the MIT licence, with no warranty.
</source>
        <translation>Vrije software onder de MIT-licentie, zonder enige garantie.
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
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Congratulations - You found the fleet!!!</source>
        <translation>Gefeliciteerd – je hebt de vloot gevonden!</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message numerus="yes">
        <source>Row {place}: {number} ship cells</source>
        <translation>
            <numerusform>Rij {place}: {number} scheepsvakje</numerusform>
            <numerusform>Rij {place}: {number} scheepsvakjes</numerusform>
        </translation>
    </message>
    <message>
        <source>Row {place}: 1 ship cell</source>
        <translation>Rij {place}: 1 scheepsvakje</translation>
    </message>
    <message>
        <source>Row {place}: no count yet</source>
        <translation>Rij {place}: nog geen getal</translation>
    </message>
    <message numerus="yes">
        <source>Column {place}: {number} ship cells</source>
        <translation>
            <numerusform>Kolom {place}: {number} scheepsvakje</numerusform>
            <numerusform>Kolom {place}: {number} scheepsvakjes</numerusform>
        </translation>
    </message>
    <message>
        <source>Column {place}: 1 ship cell</source>
        <translation>Kolom {place}: 1 scheepsvakje</translation>
    </message>
    <message>
        <source>Column {place}: no count yet</source>
        <translation>Kolom {place}: nog geen getal</translation>
    </message>
    <message>
        <source>Column {place}</source>
        <translation>Kolom {place}</translation>
    </message>
    <message numerus="yes">
        <source>{place}, {number} cells long</source>
        <extracomment>{place} is the kind of ship as its check box shows it.</extracomment>
        <translation>
            <numerusform>{place}, {number} vakje lang</numerusform>
            <numerusform>{place}, {number} vakjes lang</numerusform>
        </translation>
    </message>
    <message>
        <source>{place}, one cell</source>
        <translation>{place}, één vakje</translation>
    </message>
    <message>
        <source>Status: {number}</source>
        <translation>Status: {number}</translation>
    </message>
    <message>
        <source>Status: empty</source>
        <translation>Status: leeg</translation>
    </message>
    <message>
        <source>Current Score: {number}</source>
        <translation>Punten in dit spel: {number}</translation>
    </message>
    <message>
        <source>Current Score: none yet</source>
        <translation>Punten in dit spel: nog geen</translation>
    </message>
    <message>
        <source>Total Score: {number}</source>
        <translation>Gemiddelde punten: {number}</translation>
    </message>
    <message>
        <source>Total Score: none yet</source>
        <translation>Gemiddelde punten: nog geen</translation>
    </message>
    <message>
        <source>Total Games: {number}</source>
        <translation>Opgeloste spellen: {number}</translation>
    </message>
    <message>
        <source>Total Games: none yet</source>
        <translation>Opgeloste spellen: nog geen</translation>
    </message>
    <message>
        <source>Current Game: {number}</source>
        <translation>Spelnummer: {number}</translation>
    </message>
    <message>
        <source>Current Game: none yet</source>
        <translation>Spelnummer: nog geen</translation>
    </message>
    <message>
        <source>Picture of a ship of one cell</source>
        <translation>Afbeelding van een schip van één vakje</translation>
    </message>
    <message numerus="yes">
        <source>Picture of a ship %n cells long</source>
        <translation>
            <numerusform>Afbeelding van een schip van %n vakje</numerusform>
            <numerusform>Afbeelding van een schip van %n vakjes</numerusform>
        </translation>
    </message>
    <message>
        <source>Corvane icon</source>
        <translation>Corvane-pictogram</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, clue</source>
        <extracomment>%1 the row&apos;s number, %2 the column&apos;s letter, %3 the piece; cells keep these names in every language.</extracomment>
        <translation>Rij %1, kolom %2: %3, hint</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3</source>
        <translation>Rij %1, kolom %2: %3</translation>
    </message>
    <message>
        <source>Row count %1, column count %2</source>
        <translation>Rijgetal %1, kolomgetal %2</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, from Give Up</source>
        <translation>Rij %1, kolom %2: %3, na opgeven</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation>&amp;Typ de eerste letters van het woord dat je zoekt:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Type the &amp;words to find:</source>
        <translation>Typ de &amp;woorden die je zoekt:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wordt gelezen...</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Submarine</source>
        <translation>Onderzeeër</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Torpedojager</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Kruiser</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Slagschip</translation>
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
6009 = 216, 194, 56, 10</translation>
    </message>
    <message>
        <source>Check &amp;Off Ships As You Find Them</source>
        <translation>Gevonden schepen &amp;afvinken</translation>
    </message>
    <message>
        <source>Current Game:</source>
        <translation>Spel nr.:</translation>
    </message>
    <message>
        <source>Current Score:</source>
        <translation>Punten:</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Gemiddeld:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Opgelost:</translation>
    </message>
    <message>
        <source>Radar Screen</source>
        <translation>Radarscherm</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Give Up...</source>
        <translation>&amp;Opgeven...</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>Sco&amp;re...</source>
        <translation>&amp;Scores...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>H&amp;elp</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Afsl&amp;uiten</translation>
    </message>
</context>
<context>
    <name>PieceLabels</name>
    <message>
        <source>Top</source>
        <extracomment>The pieces&apos; words, drawn beside their pictures in the piece menu and said by screen readers.</extracomment>
        <translation>Boven</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Beneden</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Onderzeeër</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Midden</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
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
        <translation>LAYOUT</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Gemiddeld:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Opgelost:</translation>
    </message>
    <message>
        <source>Clear &amp;Score...</source>
        <translation>Scores &amp;wissen...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Are you sure you want to clear your score?</source>
        <translation>Weet je zeker dat je je scores wilt wissen?</translation>
    </message>
    <message>
        <source>Clue is on Row %d, Column %c</source>
        <extracomment>%d is the row&apos;s number (1 to 10), %c the column&apos;s letter (A to J), in this order; cells keep these names in every language.</extracomment>
        <translation>Hint in rij %d, kolom %c</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <translation>Weet je zeker dat je wilt opgeven?</translation>
    </message>
    <message>
        <source>Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you know. Your next clue will show a ship cell that your fleet leaves empty.</source>
        <extracomment>%1 is the number of fleets, or the text &quot;more than %1&quot; below. The status line holds two lines.</extracomment>
        <translation>Je vloot past bij alle getallen en hints, maar is niet de verborgen vloot: %1 vloten passen bij wat je weet. Je volgende hint toont een scheepsvakje dat jouw vloot leeg laat.</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>meer dan %1</translation>
    </message>
    <message>
        <source>Your win will be added to your totals when the other Corvane is done.</source>
        <extracomment>Shown on the status line when another copy of the game holds the totals file as a game is won.</extracomment>
        <translation>Je winst wordt bij je scores opgeteld zodra de andere Corvane klaar is.</translation>
    </message>
    <message>
        <source>Fill &amp;Row with Water</source>
        <translation>&amp;Rij met water vullen</translation>
    </message>
    <message>
        <source>Fill &amp;Column with Water</source>
        <translation>&amp;Kolom met water vullen</translation>
    </message>
</context>
<context>
    <name>TotalsStore</name>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>het is een apparaat, geen bestand</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>het is een pipe, geen bestand</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>het is een socket, geen bestand</translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>het is een koppeling, geen bestand</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be opened: %2</source>
        <translation>het vergrendelbestand %1 kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>%1 is not a file that can be locked</source>
        <translation>%1 is geen bestand dat kan worden vergrendeld</translation>
    </message>
    <message>
        <source>another copy of the program holds them</source>
        <translation>een ander exemplaar van het programma houdt ze vast</translation>
    </message>
    <message>
        <source>the lock cannot be taken: %1</source>
        <translation>de vergrendeling kan niet worden verkregen: %1</translation>
    </message>
    <message>
        <source>The file is left as it is; play goes on, but the wins of this run may not be kept.</source>
        <translation>Het bestand blijft zoals het is; je kunt verder spelen, maar de overwinningen van deze sessie worden misschien niet bewaard.</translation>
    </message>
    <message>
        <source>The totals stay as they were.</source>
        <translation>De scores blijven zoals ze waren.</translation>
    </message>
    <message>
        <source>The totals have reached %1, the largest number they can hold, and count no further.</source>
        <translation>De scores hebben %1 bereikt, het grootste getal dat ze kunnen bevatten, en tellen niet verder.</translation>
    </message>
    <message>
        <source>1 win</source>
        <translation>1 overwinning</translation>
    </message>
    <message numerus="yes">
        <source>%n wins</source>
        <translation>
            <numerusform>%n overwinning</numerusform>
            <numerusform>%n overwinningen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punt</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punt</numerusform>
            <numerusform>%n punten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the wins (&quot;2 wins&quot;), %2 their points (&quot;3 points&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of this run could not be saved. %2</source>
        <translation>Niet opgeslagen uit deze sessie: %1. %2</translation>
    </message>
    <message>
        <source>%1 is kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 wordt naast de scores in %2 bewaard tot het programma haar bij het opslaan kan optellen.</translation>
    </message>
    <message>
        <source>%1 are kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 worden naast de scores in %2 bewaard tot het programma ze bij het opslaan kan optellen.</translation>
    </message>
    <message>
        <source>Cannot read the totals in %1: %2.</source>
        <translation>De scores in %1 kunnen niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>Cannot save the totals in %1: %2.</source>
        <translation>De scores in %1 kunnen niet worden opgeslagen: %2.</translation>
    </message>
    <message>
        <source>Cannot clear the totals in %1: %2.</source>
        <translation>De scores in %1 kunnen niet worden gewist: %2.</translation>
    </message>
    <message>
        <source>it is %1 bytes long, too long for a settings file</source>
        <translation>het is %1 bytes lang, te lang voor een instellingenbestand</translation>
    </message>
    <message>
        <source>it has grown too long for a settings file</source>
        <translation>het is te lang geworden voor een instellingenbestand</translation>
    </message>
    <message>
        <source>Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.</source>
        <translation>De scores zijn niet te vinden: XDG_CONFIG_HOME noch HOME noemt een map.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>de map %1 kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>Cannot lock the totals in %1: %2; they are saved without the lock.</source>
        <translation>De scores in %1 kunnen niet worden vergrendeld: %2; ze worden zonder vergrendeling opgeslagen.</translation>
    </message>
    <message>
        <source>The folder of %1 takes no new files, so the totals are saved by writing over the file itself, which a crash in the middle of a save could damage.</source>
        <translation>De map van %1 neemt geen nieuwe bestanden aan, dus worden de scores opgeslagen door het bestand zelf te overschrijven; een crash midden in het opslaan kan het beschadigen.</translation>
    </message>
    <message>
        <source>the wins kept beside it cannot be added: %1</source>
        <translation>de ernaast bewaarde overwinningen kunnen niet worden opgeteld: %1</translation>
    </message>
    <message>
        <source>it keeps being changed by another program</source>
        <translation>een ander programma blijft het wijzigen</translation>
    </message>
    <message>
        <source>another copy of the program holds them, and the wins cannot be kept beside them: %1</source>
        <translation>een ander exemplaar van het programma houdt ze vast, en de overwinningen kunnen er niet naast worden bewaard: %1</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>het bevat bytes die geen tekst zijn</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 is geen geheel getal van 0 tot en met %2</translation>
    </message>
    <message>
        <source>Cannot count the win kept in %1: %2.</source>
        <translation>De overwinning in %1 kan niet worden geteld: %2.</translation>
    </message>
    <message>
        <source>it holds no win</source>
        <translation>het bevat geen overwinning</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvane: cannot write the text: %1</source>
        <translation>corvane: de tekst kan niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>corvane: no display found; start it from a graphical desktop session.</source>
        <translation>corvane: geen beeldscherm gevonden; start het spel vanuit een grafische sessie.</translation>
    </message>
</context>
</TS>
