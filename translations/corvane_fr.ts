<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Corvane v. 1.00 pour Windows 95, Windows 98 et NT

Copyright (c) Brindlemoor
Trouvez la flotte cachée grâce aux nombres.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Row %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 case</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n case</numerusform>
            <numerusform>%n cases</numerusform>
        </translation>
    </message>
    <message>
        <source>Piece menu on %1</source>
        <translation>Menu des pièces sur %1</translation>
    </message>
    <message>
        <source>%1: no unknown cell to fill</source>
        <translation>%1&#xa0;: aucune case inconnue à remplir</translation>
    </message>
    <message>
        <source>%1: %2 filled with water</source>
        <extracomment>%1 the row or column, %2 how many cells (&quot;3 cells&quot;).</extracomment>
        <translation>%1&#xa0;: eau dans %2</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Undone: %1 of %2 back to %3</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the row or column, %3 the piece they are back to.</extracomment>
        <translation>Annulé&#xa0;: %1 en %2, de nouveau %3</translation>
    </message>
    <message>
        <source>Undone: %1 of %2</source>
        <translation>Annulé&#xa0;: %1 en %2</translation>
    </message>
    <message>
        <source>Undone: %1 back to %2</source>
        <translation>Annulé&#xa0;: %1, de nouveau %2</translation>
    </message>
    <message>
        <source>It shows %1</source>
        <translation>L&apos;indice montre&#xa0;: %1</translation>
    </message>
    <message>
        <source>The fleet is shown</source>
        <translation>La flotte est dévoilée</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 a piece, %2 the cell&apos;s letter or number along its line: &quot;Top at C&quot;.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>water at %1</source>
        <extracomment>%1 how many cells (&quot;4 cells&quot;).</extracomment>
        <translation>eau sur %1</translation>
    </message>
    <message>
        <source>clue</source>
        <extracomment>The words that lead a line&apos;s cells by how they are known: &quot;marked Top at C, water at 4 cells&quot;.</extracomment>
        <translation>indice&#xa0;:</translation>
    </message>
    <message>
        <source>clues</source>
        <translation>indices&#xa0;:</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>marquées&#xa0;:</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>dévoilées&#xa0;:</translation>
    </message>
    <message>
        <source>nothing marked</source>
        <translation>aucune marque</translation>
    </message>
    <message>
        <source>%1: count %2; %3</source>
        <extracomment>%1 the row or column, %2 its ship count, %3 its cells: &quot;Row 3: count 2; marked Top at C&quot;.</extracomment>
        <translation>%1&#xa0;: total %2&#xa0;; %3</translation>
    </message>
    <message>
        <source>The game is over. Start Game begins a new one</source>
        <translation>La partie est terminée. Nouvelle partie en lance une autre</translation>
    </message>
    <message>
        <source>A clue cannot be changed</source>
        <translation>Un indice ne peut pas être modifié</translation>
    </message>
    <message>
        <source>Solved without a clue</source>
        <translation>Résolue sans indice</translation>
    </message>
    <message>
        <source>Solved with 1 clue point</source>
        <translation>Résolue avec 1 point d&apos;indice</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n clue points</source>
        <translation>
            <numerusform>Résolue avec %n point d&apos;indice</numerusform>
            <numerusform>Résolue avec %n points d&apos;indice</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Total games %2, average score %3</source>
        <extracomment>%1 how the game was solved, %2 the games solved so far, %3 the average score as the top line shows it.</extracomment>
        <translation>%1. Parties résolues&#xa0;: %2, moyenne des points&#xa0;: %3</translation>
    </message>
    <message>
        <source>Score cleared</source>
        <translation>Scores effacés</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <source>Row counts %1. Column counts %2</source>
        <extracomment>Each %1 and %2 is a list of ten counts, the rows&apos; from 1 to 10, the columns&apos; from A to J.</extracomment>
        <translation>Nombres des lignes&#xa0;: %1. Nombres des colonnes&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Impossible d&apos;ouvrir l&apos;aide.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
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
        <translation>Usage : corvane [--help | --version]
Trouvez la flotte cachée grâce aux nombres des lignes et des colonnes.
Un jeu de logique. Sans option, la fenêtre du jeu s&apos;ouvre.

  -h, --help     afficher ce texte et quitter
      --version  afficher la version et quitter

Les options de la boîte à outils, comme -display NOM, -platform NOM et
-style NOM, lui sont transmises. La page de manuel corvane(6) décrit les
touches et les fichiers du jeu.
</translation>
    </message>
    <message>
        <source>Free software under the MIT licence, with no warranty.
</source>
        <translation>Logiciel libre sous licence MIT, sans aucune garantie.
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
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Congratulations - You found the fleet!!!</source>
        <translation>Bravo&#xa0;! Vous avez trouvé la flotte&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message numerus="yes">
        <source>Row {place}: {number} ship cells</source>
        <translation>
            <numerusform>Ligne {place}&#xa0;: {number} case de navire</numerusform>
            <numerusform>Ligne {place}&#xa0;: {number} cases de navire</numerusform>
        </translation>
    </message>
    <message>
        <source>Row {place}: 1 ship cell</source>
        <translation>Ligne {place}&#xa0;: 1 case de navire</translation>
    </message>
    <message>
        <source>Row {place}: no count yet</source>
        <translation>Ligne {place}&#xa0;: pas encore de nombre</translation>
    </message>
    <message numerus="yes">
        <source>Column {place}: {number} ship cells</source>
        <translation>
            <numerusform>Colonne {place}&#xa0;: {number} case de navire</numerusform>
            <numerusform>Colonne {place}&#xa0;: {number} cases de navire</numerusform>
        </translation>
    </message>
    <message>
        <source>Column {place}: 1 ship cell</source>
        <translation>Colonne {place}&#xa0;: 1 case de navire</translation>
    </message>
    <message>
        <source>Column {place}: no count yet</source>
        <translation>Colonne {place}&#xa0;: pas encore de nombre</translation>
    </message>
    <message>
        <source>Column {place}</source>
        <translation>Colonne {place}</translation>
    </message>
    <message numerus="yes">
        <source>{place}, {number} cells long</source>
        <extracomment>{place} is the kind of ship as its check box shows it.</extracomment>
        <translation>
            <numerusform>{place}, {number} case de long</numerusform>
            <numerusform>{place}, {number} cases de long</numerusform>
        </translation>
    </message>
    <message>
        <source>{place}, one cell</source>
        <translation>{place}, une case</translation>
    </message>
    <message>
        <source>Status: {number}</source>
        <translation>État&#xa0;: {number}</translation>
    </message>
    <message>
        <source>Status: empty</source>
        <translation>État&#xa0;: vide</translation>
    </message>
    <message>
        <source>Current Score: {number}</source>
        <translation>Points de la partie&#xa0;: {number}</translation>
    </message>
    <message>
        <source>Current Score: none yet</source>
        <translation>Points de la partie&#xa0;: aucun pour l&apos;instant</translation>
    </message>
    <message>
        <source>Total Score: {number}</source>
        <translation>Moyenne des points&#xa0;: {number}</translation>
    </message>
    <message>
        <source>Total Score: none yet</source>
        <translation>Moyenne des points&#xa0;: aucune pour l&apos;instant</translation>
    </message>
    <message>
        <source>Total Games: {number}</source>
        <translation>Parties résolues&#xa0;: {number}</translation>
    </message>
    <message>
        <source>Total Games: none yet</source>
        <translation>Parties résolues&#xa0;: aucune pour l&apos;instant</translation>
    </message>
    <message>
        <source>Current Game: {number}</source>
        <translation>Numéro de la partie&#xa0;: {number}</translation>
    </message>
    <message>
        <source>Current Game: none yet</source>
        <translation>Numéro de la partie&#xa0;: aucun pour l&apos;instant</translation>
    </message>
    <message>
        <source>Picture of a ship of one cell</source>
        <translation>Image d&apos;un navire d&apos;une case</translation>
    </message>
    <message numerus="yes">
        <source>Picture of a ship %n cells long</source>
        <translation>
            <numerusform>Image d&apos;un navire de %n case</numerusform>
            <numerusform>Image d&apos;un navire de %n cases</numerusform>
        </translation>
    </message>
    <message>
        <source>Corvane icon</source>
        <translation>Icône de Corvane</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, clue</source>
        <extracomment>%1 the row&apos;s number, %2 the column&apos;s letter, %3 the piece; cells keep these names in every language.</extracomment>
        <translation>Ligne %1, colonne %2&#xa0;: %3, indice</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3</source>
        <translation>Ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Row count %1, column count %2</source>
        <translation>Total de la ligne&#xa0;: %1, total de la colonne&#xa0;: %2</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, from Give Up</source>
        <translation>Ligne %1, colonne %2&#xa0;: %3, après abandon</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation>&amp;Tapez les premières lettres du mot cherché&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>Type the &amp;words to find:</source>
        <translation>Tapez les &amp;mots à chercher&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Submarine</source>
        <translation>Sous-marin</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Torpilleur</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Croiseur</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Cuirassé</translation>
    </message>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text (&quot;Current Game:&quot;) or, for a button, check box or value, by its number (1005 Give Up, 6000 to 6009 the ships, 1014 the game number). The fit test names what does not fit. Write LAYOUT to keep the English layout.</extracomment>
        <translation>1000 = 4, 248, 50, 14
1005 = 60, 248, 45, 14
1003 = 111, 248, 28, 14
1004 = 145, 248, 31, 14
6006 = 218, 143, 48, 10
6007 = 218, 160, 48, 10
6008 = 218, 177, 48, 10
6009 = 218, 194, 48, 10</translation>
    </message>
    <message>
        <source>Check &amp;Off Ships As You Find Them</source>
        <translation>&amp;Cocher les navires trouvés</translation>
    </message>
    <message>
        <source>Current Game:</source>
        <translation>Partie&#xa0;:</translation>
    </message>
    <message>
        <source>Current Score:</source>
        <translation>Points&#xa0;:</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Moyenne&#xa0;:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Résolues&#xa0;:</translation>
    </message>
    <message>
        <source>Radar Screen</source>
        <translation>Écran radar</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Give Up...</source>
        <translation>&amp;Abandonner...</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Sco&amp;re...</source>
        <translation>&amp;Scores...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>PieceLabels</name>
    <message>
        <source>Top</source>
        <extracomment>The pieces&apos; words, drawn beside their pictures in the piece menu and said by screen readers.</extracomment>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Sous-marin</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
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
        <translation>Moyenne&#xa0;:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Résolues&#xa0;:</translation>
    </message>
    <message>
        <source>Clear &amp;Score...</source>
        <translation>&amp;Effacer...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Are you sure you want to clear your score?</source>
        <translation>Voulez-vous vraiment effacer vos scores&#xa0;?</translation>
    </message>
    <message>
        <source>Clue is on Row %d, Column %c</source>
        <extracomment>%d is the row&apos;s number (1 to 10), %c the column&apos;s letter (A to J), in this order; cells keep these names in every language.</extracomment>
        <translation>Indice en ligne %d, colonne %c</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <translation>Voulez-vous vraiment abandonner&#xa0;?</translation>
    </message>
    <message>
        <source>Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you know. Your next clue will show a ship cell that your fleet leaves empty.</source>
        <extracomment>%1 is the number of fleets, or the text &quot;more than %1&quot; below. The status line holds two lines.</extracomment>
        <translation>Votre flotte respecte nombres et indices, mais n&apos;est pas la flotte cachée&#xa0;: %1 flottes correspondent à ce que vous savez. Votre prochain indice montrera une case de navire que votre flotte laisse vide.</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>plus de %1</translation>
    </message>
    <message>
        <source>Your win will be added to your totals when the other Corvane is done.</source>
        <extracomment>Shown on the status line when another copy of the game holds the totals file as a game is won.</extracomment>
        <translation>Votre victoire sera ajoutée à vos scores quand l&apos;autre Corvane aura fini.</translation>
    </message>
    <message>
        <source>Fill &amp;Row with Water</source>
        <translation>Remplir la &amp;ligne d&apos;eau</translation>
    </message>
    <message>
        <source>Fill &amp;Column with Water</source>
        <translation>Remplir la &amp;colonne d&apos;eau</translation>
    </message>
</context>
<context>
    <name>TotalsStore</name>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>c&apos;est un tube, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est une socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>c&apos;est un lien, pas un fichier</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be opened: %2</source>
        <translation>impossible d&apos;ouvrir le fichier de verrou %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a file that can be locked</source>
        <translation>%1 n&apos;est pas un fichier que l&apos;on peut verrouiller</translation>
    </message>
    <message>
        <source>another copy of the program holds them</source>
        <translation>une autre instance du programme les détient</translation>
    </message>
    <message>
        <source>the lock cannot be taken: %1</source>
        <translation>impossible de poser le verrou&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file is left as it is; play goes on, but the wins of this run may not be kept.</source>
        <translation>Le fichier reste tel quel&#xa0;; la partie continue, mais les victoires de cette session risquent de ne pas être conservées.</translation>
    </message>
    <message>
        <source>The totals stay as they were.</source>
        <translation>Les scores restent tels qu&apos;ils étaient.</translation>
    </message>
    <message>
        <source>The totals have reached %1, the largest number they can hold, and count no further.</source>
        <translation>Les scores ont atteint %1, le plus grand nombre qu&apos;ils peuvent contenir, et ne comptent plus au-delà.</translation>
    </message>
    <message>
        <source>1 win</source>
        <translation>1 victoire</translation>
    </message>
    <message numerus="yes">
        <source>%n wins</source>
        <translation>
            <numerusform>%n victoire</numerusform>
            <numerusform>%n victoires</numerusform>
        </translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 point</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the wins (&quot;2 wins&quot;), %2 their points (&quot;3 points&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of this run could not be saved. %2</source>
        <translation>Impossible d&apos;enregistrer %1 de cette session. %2</translation>
    </message>
    <message>
        <source>%1 is kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 est gardée à côté des scores dans %2 jusqu&apos;à ce qu&apos;un enregistrement du programme puisse l&apos;ajouter.</translation>
    </message>
    <message>
        <source>%1 are kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 sont gardées à côté des scores dans %2 jusqu&apos;à ce qu&apos;un enregistrement du programme puisse les ajouter.</translation>
    </message>
    <message>
        <source>Cannot read the totals in %1: %2.</source>
        <translation>Impossible de lire les scores dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot save the totals in %1: %2.</source>
        <translation>Impossible d&apos;enregistrer les scores dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot clear the totals in %1: %2.</source>
        <translation>Impossible d&apos;effacer les scores dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it is %1 bytes long, too long for a settings file</source>
        <translation>il fait %1 octets, trop pour un fichier de réglages</translation>
    </message>
    <message>
        <source>it has grown too long for a settings file</source>
        <translation>il est devenu trop long pour un fichier de réglages</translation>
    </message>
    <message>
        <source>Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.</source>
        <translation>Impossible de trouver les scores&#xa0;: ni XDG_CONFIG_HOME ni HOME ne désigne un dossier.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Cannot lock the totals in %1: %2; they are saved without the lock.</source>
        <translation>Impossible de verrouiller les scores dans %1&#xa0;: %2&#xa0;; ils sont enregistrés sans verrou.</translation>
    </message>
    <message>
        <source>The folder of %1 takes no new files, so the totals are saved by writing over the file itself, which a crash in the middle of a save could damage.</source>
        <translation>Le dossier de %1 n&apos;accepte pas de nouveaux fichiers&#xa0;; les scores sont donc enregistrés en réécrivant le fichier lui-même, qu&apos;un plantage en plein enregistrement pourrait abîmer.</translation>
    </message>
    <message>
        <source>the wins kept beside it cannot be added: %1</source>
        <translation>impossible d&apos;ajouter les victoires gardées à côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>it keeps being changed by another program</source>
        <translation>un autre programme ne cesse de le modifier</translation>
    </message>
    <message>
        <source>another copy of the program holds them, and the wins cannot be kept beside them: %1</source>
        <translation>une autre instance du programme les détient, et les victoires ne peuvent pas être gardées à côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>il contient des octets qui ne sont pas du texte</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 n&apos;est pas un nombre entier de 0 à %2</translation>
    </message>
    <message>
        <source>Cannot count the win kept in %1: %2.</source>
        <translation>Impossible de compter la victoire gardée dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it holds no win</source>
        <translation>il ne contient aucune victoire</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvane: cannot write the text: %1</source>
        <translation>corvane&#xa0;: impossible d&apos;écrire le texte&#xa0;: %1</translation>
    </message>
    <message>
        <source>corvane: no display found; start it from a graphical desktop session.</source>
        <translation>corvane&#xa0;: aucun affichage trouvé&#xa0;; lancez le jeu depuis une session de bureau graphique.</translation>
    </message>
</context>
</TS>
