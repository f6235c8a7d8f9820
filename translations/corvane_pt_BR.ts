<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Corvane v. 1.00 para Windows 95, Windows 98 e NT

Copyright (c) Brindlemoor
Ache a frota escondida pelos números.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Row %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Coluna %1</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 casa</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n casas</numerusform>
            <numerusform>%n casas</numerusform>
        </translation>
    </message>
    <message>
        <source>Piece menu on %1</source>
        <translation>Menu de peças em %1</translation>
    </message>
    <message>
        <source>%1: no unknown cell to fill</source>
        <translation>%1: nenhuma casa desconhecida para preencher</translation>
    </message>
    <message>
        <source>%1: %2 filled with water</source>
        <extracomment>%1 the row or column, %2 how many cells (&quot;3 cells&quot;).</extracomment>
        <translation>%1: água em %2</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Desfeito</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Desfeito: %1</translation>
    </message>
    <message>
        <source>Undone: %1 of %2 back to %3</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the row or column, %3 the piece they are back to.</extracomment>
        <translation>Desfeito: %1 na %2, de volta a %3</translation>
    </message>
    <message>
        <source>Undone: %1 of %2</source>
        <translation>Desfeito: %1 na %2</translation>
    </message>
    <message>
        <source>Undone: %1 back to %2</source>
        <translation>Desfeito: %1, de volta a %2</translation>
    </message>
    <message>
        <source>It shows %1</source>
        <translation>A dica mostra: %1</translation>
    </message>
    <message>
        <source>The fleet is shown</source>
        <translation>A frota foi revelada</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 a piece, %2 the cell&apos;s letter or number along its line: &quot;Top at C&quot;.</extracomment>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>water at %1</source>
        <extracomment>%1 how many cells (&quot;4 cells&quot;).</extracomment>
        <translation>água em %1</translation>
    </message>
    <message>
        <source>clue</source>
        <extracomment>The words that lead a line&apos;s cells by how they are known: &quot;marked Top at C, water at 4 cells&quot;.</extracomment>
        <translation>dica:</translation>
    </message>
    <message>
        <source>clues</source>
        <translation>dicas:</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>marcas:</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>revelado:</translation>
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
        <translation>O jogo acabou. Use Novo jogo para começar outro</translation>
    </message>
    <message>
        <source>A clue cannot be changed</source>
        <translation>Uma dica não pode ser mudada</translation>
    </message>
    <message>
        <source>Solved without a clue</source>
        <translation>Resolvido sem dica</translation>
    </message>
    <message>
        <source>Solved with 1 clue point</source>
        <translation>Resolvido com 1 ponto de dica</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n clue points</source>
        <translation>
            <numerusform>Resolvido com %n ponto de dica</numerusform>
            <numerusform>Resolvido com %n pontos de dica</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Total games %2, average score %3</source>
        <extracomment>%1 how the game was solved, %2 the games solved so far, %3 the average score as the top line shows it.</extracomment>
        <translation>%1. Jogos resolvidos: %2, média de pontos: %3</translation>
    </message>
    <message>
        <source>Score cleared</source>
        <translation>Placar zerado</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada para desfazer</translation>
    </message>
    <message>
        <source>Row counts %1. Column counts %2</source>
        <extracomment>Each %1 and %2 is a list of ten counts, the rows&apos; from 1 to 10, the columns&apos; from A to J.</extracomment>
        <translation>Números das linhas: %1. Números das colunas: %2</translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Não foi possível abrir a ajuda.</translation>
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
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>a opção %1 precisa de um valor</translation>
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
Ache a frota escondida pelos números das linhas e colunas: um jogo de lógica.
Sem opção, abre-se a janela do jogo.

  -h, --help     mostra este texto e sai
      --version  mostra a versão e sai

As opções do próprio toolkit, como -display NOME, -platform NOME e -style NOME,
são repassadas a ele. A página de manual corvane(6) traz as teclas e arquivos.
</translation>
    </message>
    <message>
        <source>Free software under the MIT licence, with no warranty.
</source>
        <translation>Software livre sob a licença MIT, sem nenhuma garantia.
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
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Congratulations - You found the fleet!!!</source>
        <translation>Parabéns – você achou a frota!</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message numerus="yes">
        <source>Row {place}: {number} ship cells</source>
        <translation>
            <numerusform>Linha {place}: {number} casas de navio</numerusform>
            <numerusform>Linha {place}: {number} casas de navio</numerusform>
        </translation>
    </message>
    <message>
        <source>Row {place}: 1 ship cell</source>
        <translation>Linha {place}: 1 casa de navio</translation>
    </message>
    <message>
        <source>Row {place}: no count yet</source>
        <translation>Linha {place}: ainda sem número</translation>
    </message>
    <message numerus="yes">
        <source>Column {place}: {number} ship cells</source>
        <translation>
            <numerusform>Coluna {place}: {number} casas de navio</numerusform>
            <numerusform>Coluna {place}: {number} casas de navio</numerusform>
        </translation>
    </message>
    <message>
        <source>Column {place}: 1 ship cell</source>
        <translation>Coluna {place}: 1 casa de navio</translation>
    </message>
    <message>
        <source>Column {place}: no count yet</source>
        <translation>Coluna {place}: ainda sem número</translation>
    </message>
    <message>
        <source>Column {place}</source>
        <translation>Coluna {place}</translation>
    </message>
    <message numerus="yes">
        <source>{place}, {number} cells long</source>
        <extracomment>{place} is the kind of ship as its check box shows it.</extracomment>
        <translation>
            <numerusform>{place}, {number} casas de comprimento</numerusform>
            <numerusform>{place}, {number} casas de comprimento</numerusform>
        </translation>
    </message>
    <message>
        <source>{place}, one cell</source>
        <translation>{place}, uma casa</translation>
    </message>
    <message>
        <source>Status: {number}</source>
        <translation>Status: {number}</translation>
    </message>
    <message>
        <source>Status: empty</source>
        <translation>Status: vazio</translation>
    </message>
    <message>
        <source>Current Score: {number}</source>
        <translation>Pontos neste jogo: {number}</translation>
    </message>
    <message>
        <source>Current Score: none yet</source>
        <translation>Pontos neste jogo: nenhum ainda</translation>
    </message>
    <message>
        <source>Total Score: {number}</source>
        <translation>Média de pontos: {number}</translation>
    </message>
    <message>
        <source>Total Score: none yet</source>
        <translation>Média de pontos: nenhuma ainda</translation>
    </message>
    <message>
        <source>Total Games: {number}</source>
        <translation>Jogos resolvidos: {number}</translation>
    </message>
    <message>
        <source>Total Games: none yet</source>
        <translation>Jogos resolvidos: nenhum ainda</translation>
    </message>
    <message>
        <source>Current Game: {number}</source>
        <translation>Número do jogo: {number}</translation>
    </message>
    <message>
        <source>Current Game: none yet</source>
        <translation>Número do jogo: nenhum ainda</translation>
    </message>
    <message>
        <source>Picture of a ship of one cell</source>
        <translation>Imagem de um navio de uma casa</translation>
    </message>
    <message numerus="yes">
        <source>Picture of a ship %n cells long</source>
        <translation>
            <numerusform>Imagem de um navio de %n casas</numerusform>
            <numerusform>Imagem de um navio de %n casas</numerusform>
        </translation>
    </message>
    <message>
        <source>Corvane icon</source>
        <translation>Ícone do Corvane</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, clue</source>
        <extracomment>%1 the row&apos;s number, %2 the column&apos;s letter, %3 the piece; cells keep these names in every language.</extracomment>
        <translation>Linha %1, coluna %2: %3, dica</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3</source>
        <translation>Linha %1, coluna %2: %3</translation>
    </message>
    <message>
        <source>Row count %1, column count %2</source>
        <translation>Casas de navio na linha: %1, na coluna: %2</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, from Give Up</source>
        <translation>Linha %1, coluna %2: %3, após desistir</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation>&amp;Digite as primeiras letras da palavra que você procura:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Type the &amp;words to find:</source>
        <translation>Digite as &amp;palavras a procurar:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lendo %1...</translation>
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
        <translation>Destróier</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Cruzador</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Encouraçado</translation>
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
        <translation>&amp;Marque os navios que encontrar</translation>
    </message>
    <message>
        <source>Current Game:</source>
        <translation>Jogo nº:</translation>
    </message>
    <message>
        <source>Current Score:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Média:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Vitórias:</translation>
    </message>
    <message>
        <source>Radar Screen</source>
        <translation>Tela do radar</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Give Up...</source>
        <translation>&amp;Desistir...</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>D&amp;ica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Des&amp;fazer</translation>
    </message>
    <message>
        <source>Sco&amp;re...</source>
        <translation>&amp;Placar...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
</context>
<context>
    <name>PieceLabels</name>
    <message>
        <source>Top</source>
        <extracomment>The pieces&apos; words, drawn beside their pictures in the piece menu and said by screen readers.</extracomment>
        <translation>Topo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
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
        <translation>Água</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecida</translation>
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
        <translation>Placar</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Média:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Vitórias:</translation>
    </message>
    <message>
        <source>Clear &amp;Score...</source>
        <translation>&amp;Zerar placar...</translation>
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
        <translation>Tem certeza de que quer zerar o placar?</translation>
    </message>
    <message>
        <source>Clue is on Row %d, Column %c</source>
        <extracomment>%d is the row&apos;s number (1 to 10), %c the column&apos;s letter (A to J), in this order; cells keep these names in every language.</extracomment>
        <translation>Dica na linha %d, coluna %c</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <translation>Tem certeza de que quer desistir?</translation>
    </message>
    <message>
        <source>Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you know. Your next clue will show a ship cell that your fleet leaves empty.</source>
        <extracomment>%1 is the number of fleets, or the text &quot;more than %1&quot; below. The status line holds two lines.</extracomment>
        <translation>Sua frota bate com todos os números e dicas, mas não é a escondida: %1 frotas batem com o que você sabe. Sua próxima dica vai mostrar uma casa de navio que sua frota deixa vazia.</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>mais de %1</translation>
    </message>
    <message>
        <source>Your win will be added to your totals when the other Corvane is done.</source>
        <extracomment>Shown on the status line when another copy of the game holds the totals file as a game is won.</extracomment>
        <translation>Sua vitória entrará no placar quando o outro Corvane terminar.</translation>
    </message>
    <message>
        <source>Fill &amp;Row with Water</source>
        <translation>Preencher &amp;linha com água</translation>
    </message>
    <message>
        <source>Fill &amp;Column with Water</source>
        <translation>Preencher &amp;coluna com água</translation>
    </message>
</context>
<context>
    <name>TotalsStore</name>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>é um dispositivo, não um arquivo</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>é um pipe, não um arquivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>é um socket, não um arquivo</translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>é um link, não um arquivo</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be opened: %2</source>
        <translation>não foi possível abrir o arquivo de trava %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a file that can be locked</source>
        <translation>%1 não é um arquivo que possa ser travado</translation>
    </message>
    <message>
        <source>another copy of the program holds them</source>
        <translation>outra cópia do programa está com ele</translation>
    </message>
    <message>
        <source>the lock cannot be taken: %1</source>
        <translation>não foi possível obter a trava: %1</translation>
    </message>
    <message>
        <source>The file is left as it is; play goes on, but the wins of this run may not be kept.</source>
        <translation>O arquivo fica como está; o jogo continua, mas as vitórias desta sessão podem não ser guardadas.</translation>
    </message>
    <message>
        <source>The totals stay as they were.</source>
        <translation>O placar fica como estava.</translation>
    </message>
    <message>
        <source>The totals have reached %1, the largest number they can hold, and count no further.</source>
        <translation>O placar chegou a %1, o maior número que ele comporta, e não conta mais.</translation>
    </message>
    <message>
        <source>1 win</source>
        <translation>1 vitória</translation>
    </message>
    <message numerus="yes">
        <source>%n wins</source>
        <translation>
            <numerusform>%n vitórias</numerusform>
            <numerusform>%n vitórias</numerusform>
        </translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 ponto</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n pontos</numerusform>
            <numerusform>%n pontos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the wins (&quot;2 wins&quot;), %2 their points (&quot;3 points&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of this run could not be saved. %2</source>
        <translation>Não foi possível salvar desta sessão: %1. %2</translation>
    </message>
    <message>
        <source>%1 is kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 fica guardada ao lado do placar em %2 até que o programa consiga somá-la ao salvar.</translation>
    </message>
    <message>
        <source>%1 are kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 ficam guardadas ao lado do placar em %2 até que o programa consiga somá-las ao salvar.</translation>
    </message>
    <message>
        <source>Cannot read the totals in %1: %2.</source>
        <translation>Não foi possível ler o placar em %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save the totals in %1: %2.</source>
        <translation>Não foi possível salvar o placar em %1: %2.</translation>
    </message>
    <message>
        <source>Cannot clear the totals in %1: %2.</source>
        <translation>Não foi possível zerar o placar em %1: %2.</translation>
    </message>
    <message>
        <source>it is %1 bytes long, too long for a settings file</source>
        <translation>tem %1 bytes, grande demais para um arquivo de configurações</translation>
    </message>
    <message>
        <source>it has grown too long for a settings file</source>
        <translation>ficou grande demais para um arquivo de configurações</translation>
    </message>
    <message>
        <source>Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.</source>
        <translation>Não foi possível achar o placar: nem XDG_CONFIG_HOME nem HOME indicam uma pasta.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Cannot lock the totals in %1: %2; they are saved without the lock.</source>
        <translation>Não foi possível travar o placar em %1: %2; ele será salvo sem a trava.</translation>
    </message>
    <message>
        <source>The folder of %1 takes no new files, so the totals are saved by writing over the file itself, which a crash in the middle of a save could damage.</source>
        <translation>A pasta de %1 não aceita arquivos novos, então o placar é salvo sobrescrevendo o próprio arquivo, que uma falha no meio do salvamento poderia danificar.</translation>
    </message>
    <message>
        <source>the wins kept beside it cannot be added: %1</source>
        <translation>não foi possível somar as vitórias guardadas ao lado dele: %1</translation>
    </message>
    <message>
        <source>it keeps being changed by another program</source>
        <translation>outro programa não para de alterá-lo</translation>
    </message>
    <message>
        <source>another copy of the program holds them, and the wins cannot be kept beside them: %1</source>
        <translation>outra cópia do programa está com ele, e as vitórias não podem ser guardadas ao lado dele: %1</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>contém bytes que não são texto</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 não é um número inteiro de 0 a %2</translation>
    </message>
    <message>
        <source>Cannot count the win kept in %1: %2.</source>
        <translation>Não foi possível contar a vitória guardada em %1: %2.</translation>
    </message>
    <message>
        <source>it holds no win</source>
        <translation>não contém nenhuma vitória</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvane: cannot write the text: %1</source>
        <translation>corvane: não foi possível escrever o texto: %1</translation>
    </message>
    <message>
        <source>corvane: no display found; start it from a graphical desktop session.</source>
        <translation>corvane: nenhuma tela encontrada; inicie o jogo de uma sessão gráfica.</translation>
    </message>
</context>
</TS>
