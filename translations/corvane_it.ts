<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <translation>Corvane v. 1.00 per Windows 95, Windows 98 e NT

Copyright (c) Brindlemoor
Trova la flotta nascosta con i numeri.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Row %1</source>
        <translation>Riga %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 casella</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n casella</numerusform>
            <numerusform>%n caselle</numerusform>
        </translation>
    </message>
    <message>
        <source>Piece menu on %1</source>
        <translation>Menu dei pezzi su %1</translation>
    </message>
    <message>
        <source>%1: no unknown cell to fill</source>
        <translation>%1: nessuna casella sconosciuta da riempire</translation>
    </message>
    <message>
        <source>%1: %2 filled with water</source>
        <extracomment>%1 the row or column, %2 how many cells (&quot;3 cells&quot;).</extracomment>
        <translation>%1: acqua in %2</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annullato: %1</translation>
    </message>
    <message>
        <source>Undone: %1 of %2 back to %3</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the row or column, %3 the piece they are back to.</extracomment>
        <translation>Annullato: %1 in %2, di nuovo %3</translation>
    </message>
    <message>
        <source>Undone: %1 of %2</source>
        <translation>Annullato: %1 in %2</translation>
    </message>
    <message>
        <source>Undone: %1 back to %2</source>
        <translation>Annullato: %1, di nuovo %2</translation>
    </message>
    <message>
        <source>It shows %1</source>
        <translation>L&apos;indizio mostra: %1</translation>
    </message>
    <message>
        <source>The fleet is shown</source>
        <translation>La flotta è svelata</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 a piece, %2 the cell&apos;s letter or number along its line: &quot;Top at C&quot;.</extracomment>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>water at %1</source>
        <extracomment>%1 how many cells (&quot;4 cells&quot;).</extracomment>
        <translation>acqua in %1</translation>
    </message>
    <message>
        <source>clue</source>
        <extracomment>The words that lead a line&apos;s cells by how they are known: &quot;marked Top at C, water at 4 cells&quot;.</extracomment>
        <translation>indizio:</translation>
    </message>
    <message>
        <source>clues</source>
        <translation>indizi:</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>segnate:</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>svelate:</translation>
    </message>
    <message>
        <source>nothing marked</source>
        <translation>nessun segno</translation>
    </message>
    <message>
        <source>%1: count %2; %3</source>
        <extracomment>%1 the row or column, %2 its ship count, %3 its cells: &quot;Row 3: count 2; marked Top at C&quot;.</extracomment>
        <translation>%1: numero %2; %3</translation>
    </message>
    <message>
        <source>The game is over. Start Game begins a new one</source>
        <translation>La partita è finita. Nuova partita ne inizia un&apos;altra</translation>
    </message>
    <message>
        <source>A clue cannot be changed</source>
        <translation>Un indizio non si può cambiare</translation>
    </message>
    <message>
        <source>Solved without a clue</source>
        <translation>Risolta senza indizi</translation>
    </message>
    <message>
        <source>Solved with 1 clue point</source>
        <translation>Risolta con 1 punto di indizio</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n clue points</source>
        <translation>
            <numerusform>Risolta con %n punto di indizio</numerusform>
            <numerusform>Risolta con %n punti di indizio</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Total games %2, average score %3</source>
        <extracomment>%1 how the game was solved, %2 the games solved so far, %3 the average score as the top line shows it.</extracomment>
        <translation>%1. Partite risolte: %2, media punti: %3</translation>
    </message>
    <message>
        <source>Score cleared</source>
        <translation>Punteggio azzerato</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Niente da annullare</translation>
    </message>
    <message>
        <source>Row counts %1. Column counts %2</source>
        <extracomment>Each %1 and %2 is a list of ten counts, the rows&apos; from 1 to 10, the columns&apos; from A to J.</extracomment>
        <translation>Numeri delle righe: %1. Numeri delle colonne: %2</translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Impossibile aprire la guida.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;opzione %1 richiede un valore</translation>
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
        <translation>Uso: corvane [--help | --version]
Trova la flotta nascosta grazie ai numeri delle righe e delle colonne:
un gioco di logica. Senza opzioni si apre la finestra del gioco.

  -h, --help     mostra questo testo ed esci
      --version  mostra la versione ed esci

Le opzioni proprie del toolkit, come -display NOME, -platform NOME e
-style NOME, gli vengono passate. La pagina di manuale corvane(6) descrive i
tasti e i file del gioco.
</translation>
    </message>
    <message>
        <source>Free software under the MIT licence, with no warranty.
</source>
        <translation>Software libero con licenza MIT, senza alcuna garanzia.
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
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Congratulations - You found the fleet!!!</source>
        <translation>Complimenti! Hai trovato la flotta!</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message numerus="yes">
        <source>Row {place}: {number} ship cells</source>
        <translation>
            <numerusform>Riga {place}: {number} casella di nave</numerusform>
            <numerusform>Riga {place}: {number} caselle di nave</numerusform>
        </translation>
    </message>
    <message>
        <source>Row {place}: 1 ship cell</source>
        <translation>Riga {place}: 1 casella di nave</translation>
    </message>
    <message>
        <source>Row {place}: no count yet</source>
        <translation>Riga {place}: ancora nessun numero</translation>
    </message>
    <message numerus="yes">
        <source>Column {place}: {number} ship cells</source>
        <translation>
            <numerusform>Colonna {place}: {number} casella di nave</numerusform>
            <numerusform>Colonna {place}: {number} caselle di nave</numerusform>
        </translation>
    </message>
    <message>
        <source>Column {place}: 1 ship cell</source>
        <translation>Colonna {place}: 1 casella di nave</translation>
    </message>
    <message>
        <source>Column {place}: no count yet</source>
        <translation>Colonna {place}: ancora nessun numero</translation>
    </message>
    <message>
        <source>Column {place}</source>
        <translation>Colonna {place}</translation>
    </message>
    <message numerus="yes">
        <source>{place}, {number} cells long</source>
        <extracomment>{place} is the kind of ship as its check box shows it.</extracomment>
        <translation>
            <numerusform>{place}, {number} casella</numerusform>
            <numerusform>{place}, {number} caselle</numerusform>
        </translation>
    </message>
    <message>
        <source>{place}, one cell</source>
        <translation>{place}, una casella</translation>
    </message>
    <message>
        <source>Status: {number}</source>
        <translation>Stato: {number}</translation>
    </message>
    <message>
        <source>Status: empty</source>
        <translation>Stato: vuoto</translation>
    </message>
    <message>
        <source>Current Score: {number}</source>
        <translation>Punti della partita: {number}</translation>
    </message>
    <message>
        <source>Current Score: none yet</source>
        <translation>Punti della partita: ancora nessuno</translation>
    </message>
    <message>
        <source>Total Score: {number}</source>
        <translation>Media punti: {number}</translation>
    </message>
    <message>
        <source>Total Score: none yet</source>
        <translation>Media punti: ancora nessuna</translation>
    </message>
    <message>
        <source>Total Games: {number}</source>
        <translation>Partite risolte: {number}</translation>
    </message>
    <message>
        <source>Total Games: none yet</source>
        <translation>Partite risolte: ancora nessuna</translation>
    </message>
    <message>
        <source>Current Game: {number}</source>
        <translation>Numero della partita: {number}</translation>
    </message>
    <message>
        <source>Current Game: none yet</source>
        <translation>Numero della partita: ancora nessuno</translation>
    </message>
    <message>
        <source>Picture of a ship of one cell</source>
        <translation>Immagine di una nave di una casella</translation>
    </message>
    <message numerus="yes">
        <source>Picture of a ship %n cells long</source>
        <translation>
            <numerusform>Immagine di una nave di %n casella</numerusform>
            <numerusform>Immagine di una nave di %n caselle</numerusform>
        </translation>
    </message>
    <message>
        <source>Corvane icon</source>
        <translation>Icona di Corvane</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, clue</source>
        <extracomment>%1 the row&apos;s number, %2 the column&apos;s letter, %3 the piece; cells keep these names in every language.</extracomment>
        <translation>Riga %1, colonna %2: %3, indizio</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3</source>
        <translation>Riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <source>Row count %1, column count %2</source>
        <translation>Numero della riga: %1, numero della colonna: %2</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, from Give Up</source>
        <translation>Riga %1, colonna %2: %3, dopo l&apos;abbandono</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation>&amp;Digita le prime lettere della parola che cerchi:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Type the &amp;words to find:</source>
        <translation>Digita le &amp;parole da trovare:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lettura di %1...</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Submarine</source>
        <translation>Sottomarino</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Torpediniera</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Incrociatore</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Corazzata</translation>
    </message>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text (&quot;Current Game:&quot;) or, for a button, check box or value, by its number (1005 Give Up, 6000 to 6009 the ships, 1014 the game number). The fit test names what does not fit. Write LAYOUT to keep the English layout.</extracomment>
        <translation>1000 = 4, 248, 47, 14
1005 = 56, 248, 44, 14
1003 = 105, 248, 32, 14
1004 = 143, 248, 33, 14
6000 = 216, 41, 54, 10
6001 = 216, 58, 54, 10
6002 = 216, 75, 54, 10
6003 = 216, 92, 54, 10
6004 = 216, 109, 54, 10
6005 = 216, 126, 54, 10
6006 = 216, 143, 54, 10
6007 = 216, 160, 54, 10
6008 = 216, 177, 54, 10
6009 = 216, 194, 54, 10</translation>
    </message>
    <message>
        <source>Check &amp;Off Ships As You Find Them</source>
        <translation>&amp;Spunta le navi trovate</translation>
    </message>
    <message>
        <source>Current Game:</source>
        <translation>Partita:</translation>
    </message>
    <message>
        <source>Current Score:</source>
        <translation>Punti:</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Media:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Risolte:</translation>
    </message>
    <message>
        <source>Radar Screen</source>
        <translation>Schermo radar</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Give Up...</source>
        <translation>&amp;Abbandona...</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>&amp;Indizio</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>Sco&amp;re...</source>
        <translation>&amp;Punti...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>In&amp;fo...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
</context>
<context>
    <name>PieceLabels</name>
    <message>
        <source>Top</source>
        <extracomment>The pieces&apos; words, drawn beside their pictures in the piece menu and said by screen readers.</extracomment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Sottomarino</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Acqua</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
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
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Media:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Risolte:</translation>
    </message>
    <message>
        <source>Clear &amp;Score...</source>
        <translation>&amp;Azzera...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Are you sure you want to clear your score?</source>
        <translation>Vuoi davvero azzerare il punteggio?</translation>
    </message>
    <message>
        <source>Clue is on Row %d, Column %c</source>
        <extracomment>%d is the row&apos;s number (1 to 10), %c the column&apos;s letter (A to J), in this order; cells keep these names in every language.</extracomment>
        <translation>Indizio nella riga %d, colonna %c</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <translation>Vuoi davvero abbandonare?</translation>
    </message>
    <message>
        <source>Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you know. Your next clue will show a ship cell that your fleet leaves empty.</source>
        <extracomment>%1 is the number of fleets, or the text &quot;more than %1&quot; below. The status line holds two lines.</extracomment>
        <translation>La tua flotta rispetta tutti i numeri e gli indizi, ma non è quella nascosta: %1 flotte corrispondono a ciò che sai. Il prossimo indizio mostrerà una casella di nave che la tua flotta lascia vuota.</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>più di %1</translation>
    </message>
    <message>
        <source>Your win will be added to your totals when the other Corvane is done.</source>
        <extracomment>Shown on the status line when another copy of the game holds the totals file as a game is won.</extracomment>
        <translation>La vittoria sarà aggiunta alle tue statistiche quando l&apos;altro Corvane avrà finito.</translation>
    </message>
    <message>
        <source>Fill &amp;Row with Water</source>
        <translation>Riempi la &amp;riga d&apos;acqua</translation>
    </message>
    <message>
        <source>Fill &amp;Column with Water</source>
        <translation>Riempi la &amp;colonna d&apos;acqua</translation>
    </message>
</context>
<context>
    <name>TotalsStore</name>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>è un dispositivo, non un file</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>è una pipe, non un file</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>è un socket, non un file</translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>è un collegamento, non un file</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be opened: %2</source>
        <translation>impossibile aprire il file di blocco %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a file that can be locked</source>
        <translation>%1 non è un file che si possa bloccare</translation>
    </message>
    <message>
        <source>another copy of the program holds them</source>
        <translation>un&apos;altra copia del programma le tiene</translation>
    </message>
    <message>
        <source>the lock cannot be taken: %1</source>
        <translation>impossibile prendere il blocco: %1</translation>
    </message>
    <message>
        <source>The file is left as it is; play goes on, but the wins of this run may not be kept.</source>
        <translation>Il file resta com&apos;è; puoi continuare a giocare, ma le vittorie di questa sessione potrebbero non essere conservate.</translation>
    </message>
    <message>
        <source>The totals stay as they were.</source>
        <translation>Le statistiche restano com&apos;erano.</translation>
    </message>
    <message>
        <source>The totals have reached %1, the largest number they can hold, and count no further.</source>
        <translation>Le statistiche hanno raggiunto %1, il numero più grande che possono contenere, e non contano oltre.</translation>
    </message>
    <message>
        <source>1 win</source>
        <translation>1 vittoria</translation>
    </message>
    <message numerus="yes">
        <source>%n wins</source>
        <translation>
            <numerusform>%n vittoria</numerusform>
            <numerusform>%n vittorie</numerusform>
        </translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punto</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punto</numerusform>
            <numerusform>%n punti</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the wins (&quot;2 wins&quot;), %2 their points (&quot;3 points&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of this run could not be saved. %2</source>
        <translation>Impossibile salvare %1 di questa sessione. %2</translation>
    </message>
    <message>
        <source>%1 is kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 è conservata accanto alle statistiche in %2 finché un salvataggio del programma non potrà aggiungerla.</translation>
    </message>
    <message>
        <source>%1 are kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 sono conservate accanto alle statistiche in %2 finché un salvataggio del programma non potrà aggiungerle.</translation>
    </message>
    <message>
        <source>Cannot read the totals in %1: %2.</source>
        <translation>Impossibile leggere le statistiche in %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save the totals in %1: %2.</source>
        <translation>Impossibile salvare le statistiche in %1: %2.</translation>
    </message>
    <message>
        <source>Cannot clear the totals in %1: %2.</source>
        <translation>Impossibile azzerare le statistiche in %1: %2.</translation>
    </message>
    <message>
        <source>it is %1 bytes long, too long for a settings file</source>
        <translation>è lungo %1 byte, troppo per un file di impostazioni</translation>
    </message>
    <message>
        <source>it has grown too long for a settings file</source>
        <translation>è diventato troppo lungo per un file di impostazioni</translation>
    </message>
    <message>
        <source>Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.</source>
        <translation>Impossibile trovare le statistiche: né XDG_CONFIG_HOME né HOME indicano una cartella.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Cannot lock the totals in %1: %2; they are saved without the lock.</source>
        <translation>Impossibile bloccare le statistiche in %1: %2; vengono salvate senza blocco.</translation>
    </message>
    <message>
        <source>The folder of %1 takes no new files, so the totals are saved by writing over the file itself, which a crash in the middle of a save could damage.</source>
        <translation>La cartella di %1 non accetta nuovi file, quindi le statistiche vengono salvate sovrascrivendo il file stesso, che un arresto anomalo durante il salvataggio potrebbe danneggiare.</translation>
    </message>
    <message>
        <source>the wins kept beside it cannot be added: %1</source>
        <translation>impossibile aggiungere le vittorie conservate accanto: %1</translation>
    </message>
    <message>
        <source>it keeps being changed by another program</source>
        <translation>un altro programma continua a modificarlo</translation>
    </message>
    <message>
        <source>another copy of the program holds them, and the wins cannot be kept beside them: %1</source>
        <translation>un&apos;altra copia del programma le tiene, e le vittorie non possono essere conservate accanto: %1</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>contiene byte che non sono testo</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 non è un numero intero da 0 a %2</translation>
    </message>
    <message>
        <source>Cannot count the win kept in %1: %2.</source>
        <translation>Impossibile contare la vittoria conservata in %1: %2.</translation>
    </message>
    <message>
        <source>it holds no win</source>
        <translation>non contiene alcuna vittoria</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvane: cannot write the text: %1</source>
        <translation>corvane: impossibile scrivere il testo: %1</translation>
    </message>
    <message>
        <source>corvane: no display found; start it from a graphical desktop session.</source>
        <translation>corvane: nessuno schermo trovato; avvia il gioco da una sessione desktop grafica.</translation>
    </message>
</context>
</TS>
