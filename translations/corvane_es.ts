<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>Corvane v. 1.00 para Windows 95, Windows 98 y NT

Copyright (c) Brindlemoor
Encuentra la flota oculta con los números.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 casilla</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n casilla</numerusform>
            <numerusform>%n casillas</numerusform>
        </translation>
    </message>
    <message>
        <source>Piece menu on %1</source>
        <translation>Menú de piezas en %1</translation>
    </message>
    <message>
        <source>%1: no unknown cell to fill</source>
        <translation>%1: ninguna casilla desconocida que llenar</translation>
    </message>
    <message>
        <source>%1: %2 filled with water</source>
        <extracomment>%1 the row or column, %2 how many cells (&quot;3 cells&quot;).</extracomment>
        <translation>%1: agua en %2</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Deshecho</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Undone: %1 of %2 back to %3</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the row or column, %3 the piece they are back to.</extracomment>
        <translation>Deshecho: %1 en %2, de nuevo %3</translation>
    </message>
    <message>
        <source>Undone: %1 of %2</source>
        <translation>Deshecho: %1 en %2</translation>
    </message>
    <message>
        <source>Undone: %1 back to %2</source>
        <translation>Deshecho: %1, de nuevo %2</translation>
    </message>
    <message>
        <source>It shows %1</source>
        <translation>La pista muestra: %1</translation>
    </message>
    <message>
        <source>The fleet is shown</source>
        <translation>Se muestra la flota</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 a piece, %2 the cell&apos;s letter or number along its line: &quot;Top at C&quot;.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>water at %1</source>
        <extracomment>%1 how many cells (&quot;4 cells&quot;).</extracomment>
        <translation>agua en %1</translation>
    </message>
    <message>
        <source>clue</source>
        <extracomment>The words that lead a line&apos;s cells by how they are known: &quot;marked Top at C, water at 4 cells&quot;.</extracomment>
        <translation>pista:</translation>
    </message>
    <message>
        <source>clues</source>
        <translation>pistas:</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>marcadas:</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>reveladas:</translation>
    </message>
    <message>
        <source>nothing marked</source>
        <translation>nada marcado</translation>
    </message>
    <message>
        <source>%1: count %2; %3</source>
        <extracomment>%1 the row or column, %2 its ship count, %3 its cells: &quot;Row 3: count 2; marked Top at C&quot;.</extracomment>
        <translation>%1: número %2; %3</translation>
    </message>
    <message>
        <source>The game is over. Start Game begins a new one</source>
        <translation>La partida ha terminado. Nueva partida empieza otra</translation>
    </message>
    <message>
        <source>A clue cannot be changed</source>
        <translation>Una pista no se puede cambiar</translation>
    </message>
    <message>
        <source>Solved without a clue</source>
        <translation>Resuelta sin pistas</translation>
    </message>
    <message>
        <source>Solved with 1 clue point</source>
        <translation>Resuelta con 1 punto de pista</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n clue points</source>
        <translation>
            <numerusform>Resuelta con %n punto de pista</numerusform>
            <numerusform>Resuelta con %n puntos de pista</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Total games %2, average score %3</source>
        <extracomment>%1 how the game was solved, %2 the games solved so far, %3 the average score as the top line shows it.</extracomment>
        <translation>%1. Partidas resueltas: %2, puntuación media: %3</translation>
    </message>
    <message>
        <source>Score cleared</source>
        <translation>Puntuación borrada</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada que deshacer</translation>
    </message>
    <message>
        <source>Row counts %1. Column counts %2</source>
        <extracomment>Each %1 and %2 is a list of ten counts, the rows&apos; from 1 to 10, the columns&apos; from A to J.</extracomment>
        <translation>Números de las filas: %1. Números de las columnas: %2</translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>No se pudo abrir la ayuda.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
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
Encuentra la flota oculta a partir de los números de filas y columnas:
un juego de lógica. Sin opciones, se abre la ventana del juego.

  -h, --help     mostrar este texto y salir
      --version  mostrar la versión y salir

Las opciones propias del toolkit, como -display NOMBRE, -platform NOMBRE y
-style NOMBRE, se le pasan a él. La página de manual corvane(6) explica las
teclas y los archivos del juego.
</translation>
    </message>
    <message>
        <source>Free software under the MIT licence, with no warranty.
</source>
        <translation>Software libre bajo la licencia MIT, sin ninguna garantía.
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
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Congratulations - You found the fleet!!!</source>
        <translation>¡Enhorabuena! ¡Has encontrado la flota!</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message numerus="yes">
        <source>Row {place}: {number} ship cells</source>
        <translation>
            <numerusform>Fila {place}: {number} casilla de barco</numerusform>
            <numerusform>Fila {place}: {number} casillas de barco</numerusform>
        </translation>
    </message>
    <message>
        <source>Row {place}: 1 ship cell</source>
        <translation>Fila {place}: 1 casilla de barco</translation>
    </message>
    <message>
        <source>Row {place}: no count yet</source>
        <translation>Fila {place}: aún sin número</translation>
    </message>
    <message numerus="yes">
        <source>Column {place}: {number} ship cells</source>
        <translation>
            <numerusform>Columna {place}: {number} casilla de barco</numerusform>
            <numerusform>Columna {place}: {number} casillas de barco</numerusform>
        </translation>
    </message>
    <message>
        <source>Column {place}: 1 ship cell</source>
        <translation>Columna {place}: 1 casilla de barco</translation>
    </message>
    <message>
        <source>Column {place}: no count yet</source>
        <translation>Columna {place}: aún sin número</translation>
    </message>
    <message>
        <source>Column {place}</source>
        <translation>Columna {place}</translation>
    </message>
    <message numerus="yes">
        <source>{place}, {number} cells long</source>
        <extracomment>{place} is the kind of ship as its check box shows it.</extracomment>
        <translation>
            <numerusform>{place}, {number} casilla de largo</numerusform>
            <numerusform>{place}, {number} casillas de largo</numerusform>
        </translation>
    </message>
    <message>
        <source>{place}, one cell</source>
        <translation>{place}, una casilla</translation>
    </message>
    <message>
        <source>Status: {number}</source>
        <translation>Estado: {number}</translation>
    </message>
    <message>
        <source>Status: empty</source>
        <translation>Estado: vacío</translation>
    </message>
    <message>
        <source>Current Score: {number}</source>
        <translation>Puntos de la partida: {number}</translation>
    </message>
    <message>
        <source>Current Score: none yet</source>
        <translation>Puntos de la partida: ninguno aún</translation>
    </message>
    <message>
        <source>Total Score: {number}</source>
        <translation>Puntuación media: {number}</translation>
    </message>
    <message>
        <source>Total Score: none yet</source>
        <translation>Puntuación media: ninguna aún</translation>
    </message>
    <message>
        <source>Total Games: {number}</source>
        <translation>Partidas resueltas: {number}</translation>
    </message>
    <message>
        <source>Total Games: none yet</source>
        <translation>Partidas resueltas: ninguna aún</translation>
    </message>
    <message>
        <source>Current Game: {number}</source>
        <translation>Número de partida: {number}</translation>
    </message>
    <message>
        <source>Current Game: none yet</source>
        <translation>Número de partida: ninguno aún</translation>
    </message>
    <message>
        <source>Picture of a ship of one cell</source>
        <translation>Imagen de un barco de una casilla</translation>
    </message>
    <message numerus="yes">
        <source>Picture of a ship %n cells long</source>
        <translation>
            <numerusform>Imagen de un barco de %n casilla</numerusform>
            <numerusform>Imagen de un barco de %n casillas</numerusform>
        </translation>
    </message>
    <message>
        <source>Corvane icon</source>
        <translation>Icono de Corvane</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, clue</source>
        <extracomment>%1 the row&apos;s number, %2 the column&apos;s letter, %3 the piece; cells keep these names in every language.</extracomment>
        <translation>Fila %1, columna %2: %3, pista</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3</source>
        <translation>Fila %1, columna %2: %3</translation>
    </message>
    <message>
        <source>Row count %1, column count %2</source>
        <translation>Número de la fila: %1, número de la columna: %2</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, from Give Up</source>
        <translation>Fila %1, columna %2: %3, al rendirte</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation>&amp;Escribe las primeras letras de la palabra que buscas:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Type the &amp;words to find:</source>
        <translation>Escribe las &amp;palabras que buscar:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Submarine</source>
        <translation>Submarino</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Destructor</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Crucero</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Acorazado</translation>
    </message>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text (&quot;Current Game:&quot;) or, for a button, check box or value, by its number (1005 Give Up, 6000 to 6009 the ships, 1014 the game number). The fit test names what does not fit. Write LAYOUT to keep the English layout.</extracomment>
        <translation>1000 = 4, 248, 47, 14
1005 = 57, 248, 41, 14
1003 = 104, 248, 33, 14
1004 = 143, 248, 33, 14
1006 = 182, 248, 34, 14
1007 = 222, 248, 32, 14
1008 = 260, 248, 40, 14</translation>
    </message>
    <message>
        <source>Check &amp;Off Ships As You Find Them</source>
        <translation>&amp;Marca los barcos que encuentres</translation>
    </message>
    <message>
        <source>Current Game:</source>
        <translation>Partida:</translation>
    </message>
    <message>
        <source>Current Score:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Media:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Resueltas:</translation>
    </message>
    <message>
        <source>Radar Screen</source>
        <translation>Pantalla de radar</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Give Up...</source>
        <translation>&amp;Rendirse...</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Sco&amp;re...</source>
        <translation>Pun&amp;tos...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>A&amp;cerca de...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>PieceLabels</name>
    <message>
        <source>Top</source>
        <extracomment>The pieces&apos; words, drawn beside their pictures in the piece menu and said by screen readers.</extracomment>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Submarino</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
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
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Media:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Resueltas:</translation>
    </message>
    <message>
        <source>Clear &amp;Score...</source>
        <translation>&amp;Borrar...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Are you sure you want to clear your score?</source>
        <translation>¿Seguro que quieres borrar tu puntuación?</translation>
    </message>
    <message>
        <source>Clue is on Row %d, Column %c</source>
        <extracomment>%d is the row&apos;s number (1 to 10), %c the column&apos;s letter (A to J), in this order; cells keep these names in every language.</extracomment>
        <translation>Pista en la fila %d, columna %c</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <translation>¿Seguro que quieres rendirte?</translation>
    </message>
    <message>
        <source>Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you know. Your next clue will show a ship cell that your fleet leaves empty.</source>
        <extracomment>%1 is the number of fleets, or the text &quot;more than %1&quot; below. The status line holds two lines.</extracomment>
        <translation>Tu flota cumple todos los números y pistas, pero no es la oculta: %1 flotas encajan con lo que sabes. Tu próxima pista mostrará una casilla de barco que tu flota deja vacía.</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>más de %1</translation>
    </message>
    <message>
        <source>Your win will be added to your totals when the other Corvane is done.</source>
        <extracomment>Shown on the status line when another copy of the game holds the totals file as a game is won.</extracomment>
        <translation>Tu victoria se sumará a tus estadísticas cuando el otro Corvane termine.</translation>
    </message>
    <message>
        <source>Fill &amp;Row with Water</source>
        <translation>Llenar la &amp;fila de agua</translation>
    </message>
    <message>
        <source>Fill &amp;Column with Water</source>
        <translation>Llenar la &amp;columna de agua</translation>
    </message>
</context>
<context>
    <name>TotalsStore</name>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>es una tubería, no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>es un enlace, no un archivo</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be opened: %2</source>
        <translation>no se puede abrir el archivo de bloqueo %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a file that can be locked</source>
        <translation>%1 no es un archivo que se pueda bloquear</translation>
    </message>
    <message>
        <source>another copy of the program holds them</source>
        <translation>otra copia del programa las tiene</translation>
    </message>
    <message>
        <source>the lock cannot be taken: %1</source>
        <translation>no se puede tomar el bloqueo: %1</translation>
    </message>
    <message>
        <source>The file is left as it is; play goes on, but the wins of this run may not be kept.</source>
        <translation>El archivo se queda como está; puedes seguir jugando, pero quizá no se guarden las victorias de esta sesión.</translation>
    </message>
    <message>
        <source>The totals stay as they were.</source>
        <translation>Las estadísticas quedan como estaban.</translation>
    </message>
    <message>
        <source>The totals have reached %1, the largest number they can hold, and count no further.</source>
        <translation>Las estadísticas han llegado a %1, el mayor número que pueden guardar, y no cuentan más.</translation>
    </message>
    <message>
        <source>1 win</source>
        <translation>1 victoria</translation>
    </message>
    <message numerus="yes">
        <source>%n wins</source>
        <translation>
            <numerusform>%n victoria</numerusform>
            <numerusform>%n victorias</numerusform>
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
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the wins (&quot;2 wins&quot;), %2 their points (&quot;3 points&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of this run could not be saved. %2</source>
        <translation>No se pudo guardar %1 de esta sesión. %2</translation>
    </message>
    <message>
        <source>%1 is kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 se guarda junto a las estadísticas en %2 hasta que el programa pueda sumarla al guardar.</translation>
    </message>
    <message>
        <source>%1 are kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 se guardan junto a las estadísticas en %2 hasta que el programa pueda sumarlas al guardar.</translation>
    </message>
    <message>
        <source>Cannot read the totals in %1: %2.</source>
        <translation>No se pueden leer las estadísticas en %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save the totals in %1: %2.</source>
        <translation>No se pueden guardar las estadísticas en %1: %2.</translation>
    </message>
    <message>
        <source>Cannot clear the totals in %1: %2.</source>
        <translation>No se pueden borrar las estadísticas en %1: %2.</translation>
    </message>
    <message>
        <source>it is %1 bytes long, too long for a settings file</source>
        <translation>mide %1 bytes, demasiado para un archivo de ajustes</translation>
    </message>
    <message>
        <source>it has grown too long for a settings file</source>
        <translation>ha crecido demasiado para un archivo de ajustes</translation>
    </message>
    <message>
        <source>Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.</source>
        <translation>No se encuentran las estadísticas: ni XDG_CONFIG_HOME ni HOME indican una carpeta.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Cannot lock the totals in %1: %2; they are saved without the lock.</source>
        <translation>No se pueden bloquear las estadísticas en %1: %2; se guardan sin bloqueo.</translation>
    </message>
    <message>
        <source>The folder of %1 takes no new files, so the totals are saved by writing over the file itself, which a crash in the middle of a save could damage.</source>
        <translation>La carpeta de %1 no admite archivos nuevos, así que las estadísticas se guardan sobrescribiendo el propio archivo, que un fallo en mitad del guardado podría dañar.</translation>
    </message>
    <message>
        <source>the wins kept beside it cannot be added: %1</source>
        <translation>no se pueden sumar las victorias guardadas a su lado: %1</translation>
    </message>
    <message>
        <source>it keeps being changed by another program</source>
        <translation>otro programa no deja de cambiarlo</translation>
    </message>
    <message>
        <source>another copy of the program holds them, and the wins cannot be kept beside them: %1</source>
        <translation>otra copia del programa las tiene, y las victorias no se pueden guardar a su lado: %1</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>contiene bytes que no son texto</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 no es un número entero de 0 a %2</translation>
    </message>
    <message>
        <source>Cannot count the win kept in %1: %2.</source>
        <translation>No se puede contar la victoria guardada en %1: %2.</translation>
    </message>
    <message>
        <source>it holds no win</source>
        <translation>no contiene ninguna victoria</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvane: cannot write the text: %1</source>
        <translation>corvane: no se puede escribir el texto: %1</translation>
    </message>
    <message>
        <source>corvane: no display found; start it from a graphical desktop session.</source>
        <translation>corvane: no se encontró ninguna pantalla; inicia el juego desde una sesión de escritorio gráfica.</translation>
    </message>
</context>
</TS>
