<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
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
        <translation>Corvane v. 1.00 dla Windows 95, Windows 98 i NT

Copyright (c) Brindlemoor
Znajdź ukrytą flotę na podstawie liczb.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Row %1</source>
        <translation>Wiersz %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Kolumna %1</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 pole</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n pole</numerusform>
            <numerusform>%n pola</numerusform>
            <numerusform>%n pól</numerusform>
        </translation>
    </message>
    <message>
        <source>Piece menu on %1</source>
        <translation>Menu elementów: %1</translation>
    </message>
    <message>
        <source>%1: no unknown cell to fill</source>
        <translation>%1: brak nieznanych pól do wypełnienia</translation>
    </message>
    <message>
        <source>%1: %2 filled with water</source>
        <extracomment>%1 the row or column, %2 how many cells (&quot;3 cells&quot;).</extracomment>
        <translation>%1: wypełniono wodą %2</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Cofnięto</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Cofnięto: %1</translation>
    </message>
    <message>
        <source>Undone: %1 of %2 back to %3</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the row or column, %3 the piece they are back to.</extracomment>
        <translation>Cofnięto: %1 (%2), znów %3</translation>
    </message>
    <message>
        <source>Undone: %1 of %2</source>
        <translation>Cofnięto: %1 (%2)</translation>
    </message>
    <message>
        <source>Undone: %1 back to %2</source>
        <translation>Cofnięto: %1, znów %2</translation>
    </message>
    <message>
        <source>It shows %1</source>
        <translation>Podpowiedź pokazuje: %1</translation>
    </message>
    <message>
        <source>The fleet is shown</source>
        <translation>Flota jest odkryta</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 a piece, %2 the cell&apos;s letter or number along its line: &quot;Top at C&quot;.</extracomment>
        <translation>%1 na %2</translation>
    </message>
    <message>
        <source>water at %1</source>
        <extracomment>%1 how many cells (&quot;4 cells&quot;).</extracomment>
        <translation>%1 wody</translation>
    </message>
    <message>
        <source>clue</source>
        <extracomment>The words that lead a line&apos;s cells by how they are known: &quot;marked Top at C, water at 4 cells&quot;.</extracomment>
        <translation>podpowiedź:</translation>
    </message>
    <message>
        <source>clues</source>
        <translation>podpowiedzi:</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>oznaczone:</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>odkryte:</translation>
    </message>
    <message>
        <source>nothing marked</source>
        <translation>nic nie oznaczono</translation>
    </message>
    <message>
        <source>%1: count %2; %3</source>
        <extracomment>%1 the row or column, %2 its ship count, %3 its cells: &quot;Row 3: count 2; marked Top at C&quot;.</extracomment>
        <translation>%1: liczba %2; %3</translation>
    </message>
    <message>
        <source>The game is over. Start Game begins a new one</source>
        <translation>Gra skończona. Następną zaczniesz przyciskiem Nowa gra</translation>
    </message>
    <message>
        <source>A clue cannot be changed</source>
        <translation>Podpowiedzi nie można zmienić</translation>
    </message>
    <message>
        <source>Solved without a clue</source>
        <translation>Rozwiązano bez podpowiedzi</translation>
    </message>
    <message>
        <source>Solved with 1 clue point</source>
        <translation>Rozwiązano: 1 punkt za podpowiedzi</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n clue points</source>
        <translation>
            <numerusform>Rozwiązano: %n punkt za podpowiedzi</numerusform>
            <numerusform>Rozwiązano: %n punkty za podpowiedzi</numerusform>
            <numerusform>Rozwiązano: %n punktów za podpowiedzi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Total games %2, average score %3</source>
        <extracomment>%1 how the game was solved, %2 the games solved so far, %3 the average score as the top line shows it.</extracomment>
        <translation>%1. Wygrane gry: %2, średnia punktów: %3</translation>
    </message>
    <message>
        <source>Score cleared</source>
        <translation>Wyniki wyczyszczone</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nie ma nic do cofnięcia</translation>
    </message>
    <message>
        <source>Row counts %1. Column counts %2</source>
        <extracomment>Each %1 and %2 is a list of ten counts, the rows&apos; from 1 to 10, the columns&apos; from A to J.</extracomment>
        <translation>Liczby wierszy: %1. Liczby kolumn: %2</translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Nie udało się uruchomić pomocy.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>nieoczekiwany argument %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>opcja %1 wymaga wartości</translation>
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
        <translation>Użycie: corvane [--help | --version]
Łamigłówka logiczna: znajdź ukrytą flotę na podstawie liczb wierszy i kolumn.
Bez opcji otwiera się okno gry.

  -h, --help     pokaż ten tekst i zakończ
      --version  pokaż wersję i zakończ

Opcje samego zestawu narzędzi, takie jak -display NAZWA, -platform NAZWA
i -style NAZWA, są przekazywane dalej. Klawisze i pliki gry opisuje strona
podręcznika corvane(6).
</translation>
    </message>
    <message>
        <source>Free software under the MIT licence, with no warranty.
</source>
        <translation>Wolne oprogramowanie na licencji MIT, bez żadnej gwarancji.
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
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Congratulations - You found the fleet!!!</source>
        <translation>Gratulacje – flota odnaleziona!</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message numerus="yes">
        <source>Row {place}: {number} ship cells</source>
        <translation>
            <numerusform>Wiersz {place}: {number} pole statku</numerusform>
            <numerusform>Wiersz {place}: {number} pola statków</numerusform>
            <numerusform>Wiersz {place}: {number} pól statków</numerusform>
        </translation>
    </message>
    <message>
        <source>Row {place}: 1 ship cell</source>
        <translation>Wiersz {place}: 1 pole statku</translation>
    </message>
    <message>
        <source>Row {place}: no count yet</source>
        <translation>Wiersz {place}: jeszcze bez liczby</translation>
    </message>
    <message numerus="yes">
        <source>Column {place}: {number} ship cells</source>
        <translation>
            <numerusform>Kolumna {place}: {number} pole statku</numerusform>
            <numerusform>Kolumna {place}: {number} pola statków</numerusform>
            <numerusform>Kolumna {place}: {number} pól statków</numerusform>
        </translation>
    </message>
    <message>
        <source>Column {place}: 1 ship cell</source>
        <translation>Kolumna {place}: 1 pole statku</translation>
    </message>
    <message>
        <source>Column {place}: no count yet</source>
        <translation>Kolumna {place}: jeszcze bez liczby</translation>
    </message>
    <message>
        <source>Column {place}</source>
        <translation>Kolumna {place}</translation>
    </message>
    <message numerus="yes">
        <source>{place}, {number} cells long</source>
        <extracomment>{place} is the kind of ship as its check box shows it.</extracomment>
        <translation>
            <numerusform>{place}, długość {number} pole</numerusform>
            <numerusform>{place}, długość {number} pola</numerusform>
            <numerusform>{place}, długość {number} pól</numerusform>
        </translation>
    </message>
    <message>
        <source>{place}, one cell</source>
        <translation>{place}, jedno pole</translation>
    </message>
    <message>
        <source>Status: {number}</source>
        <translation>Stan: {number}</translation>
    </message>
    <message>
        <source>Status: empty</source>
        <translation>Stan: pusty</translation>
    </message>
    <message>
        <source>Current Score: {number}</source>
        <translation>Punkty w tej grze: {number}</translation>
    </message>
    <message>
        <source>Current Score: none yet</source>
        <translation>Punkty w tej grze: jeszcze brak</translation>
    </message>
    <message>
        <source>Total Score: {number}</source>
        <translation>Średnia punktów: {number}</translation>
    </message>
    <message>
        <source>Total Score: none yet</source>
        <translation>Średnia punktów: jeszcze brak</translation>
    </message>
    <message>
        <source>Total Games: {number}</source>
        <translation>Wygrane gry: {number}</translation>
    </message>
    <message>
        <source>Total Games: none yet</source>
        <translation>Wygrane gry: jeszcze brak</translation>
    </message>
    <message>
        <source>Current Game: {number}</source>
        <translation>Numer gry: {number}</translation>
    </message>
    <message>
        <source>Current Game: none yet</source>
        <translation>Numer gry: jeszcze brak</translation>
    </message>
    <message>
        <source>Picture of a ship of one cell</source>
        <translation>Obrazek statku z jednego pola</translation>
    </message>
    <message numerus="yes">
        <source>Picture of a ship %n cells long</source>
        <translation>
            <numerusform>Obrazek statku, długość %n pole</numerusform>
            <numerusform>Obrazek statku, długość %n pola</numerusform>
            <numerusform>Obrazek statku, długość %n pól</numerusform>
        </translation>
    </message>
    <message>
        <source>Corvane icon</source>
        <translation>Ikona Corvane</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, clue</source>
        <extracomment>%1 the row&apos;s number, %2 the column&apos;s letter, %3 the piece; cells keep these names in every language.</extracomment>
        <translation>Wiersz %1, kolumna %2: %3, podpowiedź</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3</source>
        <translation>Wiersz %1, kolumna %2: %3</translation>
    </message>
    <message>
        <source>Row count %1, column count %2</source>
        <translation>Pól statków w wierszu: %1, w kolumnie: %2</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, from Give Up</source>
        <translation>Wiersz %1, kolumna %2: %3, po poddaniu się</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>Spis &amp;treści</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation>&amp;Wpisz pierwsze litery szukanego słowa:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indeks</translation>
    </message>
    <message>
        <source>Type the &amp;words to find:</source>
        <translation>Wpisz słowa do &amp;znalezienia:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Szukaj</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Wczytywanie %1...</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Submarine</source>
        <translation>Okręt podw.</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Niszczyciel</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Krążownik</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Pancernik</translation>
    </message>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text (&quot;Current Game:&quot;) or, for a button, check box or value, by its number (1005 Give Up, 6000 to 6009 the ships, 1014 the game number). The fit test names what does not fit. Write LAYOUT to keep the English layout.</extracomment>
        <translation>1003 = 100, 248, 38, 14
1004 = 145, 248, 33, 14
1006 = 185, 248, 34, 14
1007 = 226, 248, 34, 14
1008 = 267, 248, 34, 14
6000 = 216, 41, 56, 10
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
        <translation>&amp;Odhaczaj znalezione statki</translation>
    </message>
    <message>
        <source>Current Game:</source>
        <translation>Gra nr:</translation>
    </message>
    <message>
        <source>Current Score:</source>
        <translation>Punkty:</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Średnio:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Wygrane:</translation>
    </message>
    <message>
        <source>Radar Screen</source>
        <translation>Ekran radaru</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Give Up...</source>
        <translation>&amp;Poddaj się...</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>Po&amp;dpowiedź</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Sco&amp;re...</source>
        <translation>&amp;Wyniki...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>O &amp;grze...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
</context>
<context>
    <name>PieceLabels</name>
    <message>
        <source>Top</source>
        <extracomment>The pieces&apos; words, drawn beside their pictures in the piece menu and said by screen readers.</extracomment>
        <translation>Górny</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Prawy</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Dolny</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Lewy</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Okręt podwodny</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Środek</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Woda</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznane</translation>
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
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Średnio:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Wygrane:</translation>
    </message>
    <message>
        <source>Clear &amp;Score...</source>
        <translation>&amp;Wyczyść wyniki...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Are you sure you want to clear your score?</source>
        <translation>Czy na pewno chcesz wyczyścić wyniki?</translation>
    </message>
    <message>
        <source>Clue is on Row %d, Column %c</source>
        <extracomment>%d is the row&apos;s number (1 to 10), %c the column&apos;s letter (A to J), in this order; cells keep these names in every language.</extracomment>
        <translation>Podpowiedź w wierszu %d, kolumnie %c</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <translation>Czy na pewno chcesz się poddać?</translation>
    </message>
    <message>
        <source>Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you know. Your next clue will show a ship cell that your fleet leaves empty.</source>
        <extracomment>%1 is the number of fleets, or the text &quot;more than %1&quot; below. The status line holds two lines.</extracomment>
        <translation>Twoja flota pasuje do wszystkich liczb i podpowiedzi, ale to nie ta ukryta. Flot zgodnych z tym, co wiesz: %1. Następna podpowiedź pokaże pole statku, które twoja flota zostawia puste.</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>ponad %1</translation>
    </message>
    <message>
        <source>Your win will be added to your totals when the other Corvane is done.</source>
        <extracomment>Shown on the status line when another copy of the game holds the totals file as a game is won.</extracomment>
        <translation>Wygrana zostanie doliczona do wyników, gdy drugi Corvane skończy pracę.</translation>
    </message>
    <message>
        <source>Fill &amp;Row with Water</source>
        <translation>Zalej &amp;wiersz wodą</translation>
    </message>
    <message>
        <source>Fill &amp;Column with Water</source>
        <translation>Zalej &amp;kolumnę wodą</translation>
    </message>
</context>
<context>
    <name>TotalsStore</name>
    <message>
        <source>it is a folder</source>
        <translation>to jest folder</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>to urządzenie, a nie plik</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>to potok, a nie plik</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>to gniazdo, a nie plik</translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>to dowiązanie, a nie plik</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be opened: %2</source>
        <translation>nie można otworzyć pliku blokady %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a file that can be locked</source>
        <translation>%1 nie jest plikiem, który można zablokować</translation>
    </message>
    <message>
        <source>another copy of the program holds them</source>
        <translation>trzyma je inna kopia programu</translation>
    </message>
    <message>
        <source>the lock cannot be taken: %1</source>
        <translation>nie można założyć blokady: %1</translation>
    </message>
    <message>
        <source>The file is left as it is; play goes on, but the wins of this run may not be kept.</source>
        <translation>Plik pozostaje bez zmian; możesz grać dalej, ale wygrane z tej sesji mogą nie zostać zapisane.</translation>
    </message>
    <message>
        <source>The totals stay as they were.</source>
        <translation>Wyniki pozostają bez zmian.</translation>
    </message>
    <message>
        <source>The totals have reached %1, the largest number they can hold, and count no further.</source>
        <translation>Wyniki osiągnęły %1, największą liczbę, jaką mogą pomieścić, i nie będą już rosły.</translation>
    </message>
    <message>
        <source>1 win</source>
        <translation>1 wygrana</translation>
    </message>
    <message numerus="yes">
        <source>%n wins</source>
        <translation>
            <numerusform>%n wygrana</numerusform>
            <numerusform>%n wygrane</numerusform>
            <numerusform>%n wygranych</numerusform>
        </translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 punkt</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n punkt</numerusform>
            <numerusform>%n punkty</numerusform>
            <numerusform>%n punktów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the wins (&quot;2 wins&quot;), %2 their points (&quot;3 points&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of this run could not be saved. %2</source>
        <translation>Nie udało się zapisać z tej sesji: %1. %2</translation>
    </message>
    <message>
        <source>%1 is kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>Obok wyników w %2 czeka na doliczenie przy następnym zapisie: %1.</translation>
    </message>
    <message>
        <source>%1 are kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>Obok wyników w %2 czekają na doliczenie przy następnym zapisie: %1.</translation>
    </message>
    <message>
        <source>Cannot read the totals in %1: %2.</source>
        <translation>Nie można odczytać wyników z %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save the totals in %1: %2.</source>
        <translation>Nie można zapisać wyników w %1: %2.</translation>
    </message>
    <message>
        <source>Cannot clear the totals in %1: %2.</source>
        <translation>Nie można wyczyścić wyników w %1: %2.</translation>
    </message>
    <message>
        <source>it is %1 bytes long, too long for a settings file</source>
        <translation>ma rozmiar %1 B, za duży jak na plik ustawień</translation>
    </message>
    <message>
        <source>it has grown too long for a settings file</source>
        <translation>stał się za duży jak na plik ustawień</translation>
    </message>
    <message>
        <source>Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.</source>
        <translation>Nie można znaleźć wyników: ani XDG_CONFIG_HOME, ani HOME nie wskazuje folderu.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>Cannot lock the totals in %1: %2; they are saved without the lock.</source>
        <translation>Nie można zablokować wyników w %1: %2; zostaną zapisane bez blokady.</translation>
    </message>
    <message>
        <source>The folder of %1 takes no new files, so the totals are saved by writing over the file itself, which a crash in the middle of a save could damage.</source>
        <translation>W folderze pliku %1 nie można tworzyć nowych plików, więc wyniki są zapisywane przez nadpisanie samego pliku, który awaria w trakcie zapisu mogłaby uszkodzić.</translation>
    </message>
    <message>
        <source>the wins kept beside it cannot be added: %1</source>
        <translation>nie można doliczyć wygranych czekających obok niego: %1</translation>
    </message>
    <message>
        <source>it keeps being changed by another program</source>
        <translation>wciąż zmienia go inny program</translation>
    </message>
    <message>
        <source>another copy of the program holds them, and the wins cannot be kept beside them: %1</source>
        <translation>trzyma je inna kopia programu, a wygranych nie można odłożyć obok nich: %1</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>zawiera bajty, które nie są tekstem</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 nie jest liczbą całkowitą od 0 do %2</translation>
    </message>
    <message>
        <source>Cannot count the win kept in %1: %2.</source>
        <translation>Nie można doliczyć wygranej zapisanej w %1: %2.</translation>
    </message>
    <message>
        <source>it holds no win</source>
        <translation>nie zawiera żadnej wygranej</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvane: cannot write the text: %1</source>
        <translation>corvane: nie można wypisać tekstu: %1</translation>
    </message>
    <message>
        <source>corvane: no display found; start it from a graphical desktop session.</source>
        <translation>corvane: nie znaleziono ekranu; uruchom grę w graficznej sesji pulpitu.</translation>
    </message>
</context>
</TS>
