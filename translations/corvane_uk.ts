<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
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
        <translation>Corvane v. 1.00 для Windows 95, Windows 98 і NT

Copyright (c) Brindlemoor
Знайдіть прихований флот за числами.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про гру</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Row %1</source>
        <translation>Рядок %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Стовпець %1</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 клітинка</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n клітинка</numerusform>
            <numerusform>%n клітинки</numerusform>
            <numerusform>%n клітинок</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 a piece, %2 the cell&apos;s letter or number along its line: &quot;Top at C&quot;.</extracomment>
        <translation>%1 на %2</translation>
    </message>
    <message>
        <source>water at %1</source>
        <extracomment>%1 how many cells (&quot;4 cells&quot;).</extracomment>
        <translation>вода: %1</translation>
    </message>
    <message>
        <source>clue</source>
        <extracomment>The words that lead a line&apos;s cells by how they are known: &quot;marked Top at C, water at 4 cells&quot;.</extracomment>
        <translation>підказка:</translation>
    </message>
    <message>
        <source>clues</source>
        <translation>підказки:</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>позначено:</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>показано:</translation>
    </message>
    <message>
        <source>nothing marked</source>
        <translation>нічого не позначено</translation>
    </message>
    <message>
        <source>%1: count %2; %3</source>
        <extracomment>%1 the row or column, %2 its ship count, %3 its cells: &quot;Row 3: count 2; marked Top at C&quot;.</extracomment>
        <translation>%1: число %2; %3</translation>
    </message>
    <message>
        <source>Piece menu on %1</source>
        <translation>Меню клітинки: %1</translation>
    </message>
    <message>
        <source>%1: no unknown cell to fill</source>
        <translation>%1: немає невідомих клітинок</translation>
    </message>
    <message>
        <source>%1: %2 filled with water</source>
        <extracomment>%1 the row or column, %2 how many cells (&quot;3 cells&quot;).</extracomment>
        <translation>%1: залито водою — %2</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Скасовано</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Скасовано: %1</translation>
    </message>
    <message>
        <source>Undone: %1 of %2 back to %3</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the row or column, %3 the piece they are back to.</extracomment>
        <translation>Скасовано: %2, %1 — знову %3</translation>
    </message>
    <message>
        <source>Undone: %1 of %2</source>
        <translation>Скасовано: %2, %1</translation>
    </message>
    <message>
        <source>Undone: %1 back to %2</source>
        <translation>Скасовано: %1 — знову %2</translation>
    </message>
    <message>
        <source>It shows %1</source>
        <translation>Відкрито: %1</translation>
    </message>
    <message>
        <source>The fleet is shown</source>
        <translation>Флот показано</translation>
    </message>
    <message>
        <source>The game is over. Start Game begins a new one</source>
        <translation>Гру закінчено. «Нова гра» починає нову</translation>
    </message>
    <message>
        <source>A clue cannot be changed</source>
        <translation>Підказку не можна змінити</translation>
    </message>
    <message>
        <source>Solved without a clue</source>
        <translation>Розв’язано без підказок</translation>
    </message>
    <message>
        <source>Solved with 1 clue point</source>
        <translation>Розв’язано з підказками на 1 очко</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n clue points</source>
        <translation>
            <numerusform>Розв’язано з підказками на %n очко</numerusform>
            <numerusform>Розв’язано з підказками на %n очки</numerusform>
            <numerusform>Розв’язано з підказками на %n очок</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Total games %2, average score %3</source>
        <extracomment>%1 how the game was solved, %2 the games solved so far, %3 the average score as the top line shows it.</extracomment>
        <translation>%1. Виграно ігор: %2, середні очки: %3</translation>
    </message>
    <message>
        <source>Score cleared</source>
        <translation>Рахунок обнулено</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Нічого скасовувати</translation>
    </message>
    <message>
        <source>Row counts %1. Column counts %2</source>
        <extracomment>Each %1 and %2 is a list of ten counts, the rows&apos; from 1 to 10, the columns&apos; from A to J.</extracomment>
        <translation>Числа рядків: %1. Числа стовпців: %2</translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Не вдалося відкрити довідку.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>зайвий аргумент %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>невідомий параметр %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>параметру %1 потрібне значення</translation>
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
        <translation>Використання: corvane [--help | --version]
Логічна головоломка: знайдіть прихований флот за числами рядків і стовпців.
Без параметрів відкривається вікно гри.

  -h, --help     показати цей текст і вийти
      --version  показати версію і вийти

Параметри графічної бібліотеки, наприклад -display NAME, -platform NAME
і -style NAME, передаються їй. Клавіші та файли гри описано на сторінці
посібника corvane(6).
</translation>
    </message>
    <message>
        <source>Free software under the MIT licence, with no warranty.
</source>
        <translation>Вільна програма за ліцензією MIT, без жодних гарантій.
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
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>Congratulations - You found the fleet!!!</source>
        <translation>Вітаємо! Ви знайшли флот!</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message numerus="yes">
        <source>Row {place}: {number} ship cells</source>
        <translation>
            <numerusform>Рядок {place}: {number} клітинка кораблів</numerusform>
            <numerusform>Рядок {place}: {number} клітинки кораблів</numerusform>
            <numerusform>Рядок {place}: {number} клітинок кораблів</numerusform>
        </translation>
    </message>
    <message>
        <source>Row {place}: 1 ship cell</source>
        <translation>Рядок {place}: 1 клітинка корабля</translation>
    </message>
    <message>
        <source>Row {place}: no count yet</source>
        <translation>Рядок {place}: числа ще немає</translation>
    </message>
    <message numerus="yes">
        <source>Column {place}: {number} ship cells</source>
        <translation>
            <numerusform>Стовпець {place}: {number} клітинка кораблів</numerusform>
            <numerusform>Стовпець {place}: {number} клітинки кораблів</numerusform>
            <numerusform>Стовпець {place}: {number} клітинок кораблів</numerusform>
        </translation>
    </message>
    <message>
        <source>Column {place}: 1 ship cell</source>
        <translation>Стовпець {place}: 1 клітинка корабля</translation>
    </message>
    <message>
        <source>Column {place}: no count yet</source>
        <translation>Стовпець {place}: числа ще немає</translation>
    </message>
    <message>
        <source>Column {place}</source>
        <translation>Стовпець {place}</translation>
    </message>
    <message numerus="yes">
        <source>{place}, {number} cells long</source>
        <extracomment>{place} is the kind of ship as its check box shows it.</extracomment>
        <translation>
            <numerusform>{place}, {number} клітинка</numerusform>
            <numerusform>{place}, {number} клітинки</numerusform>
            <numerusform>{place}, {number} клітинок</numerusform>
        </translation>
    </message>
    <message>
        <source>{place}, one cell</source>
        <translation>{place}, одна клітинка</translation>
    </message>
    <message>
        <source>Status: {number}</source>
        <translation>Стан: {number}</translation>
    </message>
    <message>
        <source>Status: empty</source>
        <translation>Стан: порожньо</translation>
    </message>
    <message>
        <source>Current Score: {number}</source>
        <translation>Очки в цій грі: {number}</translation>
    </message>
    <message>
        <source>Current Score: none yet</source>
        <translation>Очки в цій грі: поки немає</translation>
    </message>
    <message>
        <source>Total Score: {number}</source>
        <translation>Середні очки: {number}</translation>
    </message>
    <message>
        <source>Total Score: none yet</source>
        <translation>Середні очки: поки немає</translation>
    </message>
    <message>
        <source>Total Games: {number}</source>
        <translation>Виграно ігор: {number}</translation>
    </message>
    <message>
        <source>Total Games: none yet</source>
        <translation>Виграно ігор: поки немає</translation>
    </message>
    <message>
        <source>Current Game: {number}</source>
        <translation>Номер гри: {number}</translation>
    </message>
    <message>
        <source>Current Game: none yet</source>
        <translation>Номер гри: поки немає</translation>
    </message>
    <message>
        <source>Picture of a ship of one cell</source>
        <translation>Малюнок корабля на одну клітинку</translation>
    </message>
    <message numerus="yes">
        <source>Picture of a ship %n cells long</source>
        <translation>
            <numerusform>Малюнок корабля на %n клітинку</numerusform>
            <numerusform>Малюнок корабля на %n клітинки</numerusform>
            <numerusform>Малюнок корабля на %n клітинок</numerusform>
        </translation>
    </message>
    <message>
        <source>Corvane icon</source>
        <translation>Значок Corvane</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, clue</source>
        <extracomment>%1 the row&apos;s number, %2 the column&apos;s letter, %3 the piece; cells keep these names in every language.</extracomment>
        <translation>Рядок %1, стовпець %2: %3, підказка</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, from Give Up</source>
        <translation>Рядок %1, стовпець %2: %3, показано після «Здатися»</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3</source>
        <translation>Рядок %1, стовпець %2: %3</translation>
    </message>
    <message>
        <source>Row count %1, column count %2</source>
        <translation>Числа: у рядку %1, у стовпці %2</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Зміст</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation>&amp;Введіть перші літери шуканого слова:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>По&amp;кажчик</translation>
    </message>
    <message>
        <source>Type the &amp;words to find:</source>
        <translation>&amp;Шукані слова:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Пошук</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Читання %1...</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Submarine</source>
        <translation>Субмарина</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Есмінець</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Крейсер</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Лінкор</translation>
    </message>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text (&quot;Current Game:&quot;) or, for a button, check box or value, by its number (1005 Give Up, 6000 to 6009 the ships, 1014 the game number). The fit test names what does not fit. Write LAYOUT to keep the English layout.</extracomment>
        <translation>6006 = 218, 143, 50, 10
6007 = 218, 160, 50, 10
6008 = 218, 177, 50, 10
6009 = 218, 194, 50, 10</translation>
    </message>
    <message>
        <source>Check &amp;Off Ships As You Find Them</source>
        <translation>Відмічати знайдені &amp;кораблі</translation>
    </message>
    <message>
        <source>Current Game:</source>
        <translation>Гра №:</translation>
    </message>
    <message>
        <source>Current Score:</source>
        <translation>Очки:</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Середнє:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Виграно:</translation>
    </message>
    <message>
        <source>Radar Screen</source>
        <translation>Екран радара</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message>
        <source>&amp;Give Up...</source>
        <translation>&amp;Здатися...</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>&amp;Підказка</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>Sco&amp;re...</source>
        <translation>&amp;Рахунок...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Про &amp;гру...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
    </message>
</context>
<context>
    <name>PieceLabels</name>
    <message>
        <source>Top</source>
        <extracomment>The pieces&apos; words, drawn beside their pictures in the piece menu and said by screen readers.</extracomment>
        <translation>Верхній</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Правий</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Нижній</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Лівий</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Субмарина</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Середина</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Вода</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Невідомо</translation>
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
        <translation>Рахунок</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Середнє:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Виграно:</translation>
    </message>
    <message>
        <source>Clear &amp;Score...</source>
        <translation>&amp;Обнулити...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Скасувати</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Are you sure you want to clear your score?</source>
        <translation>Ви справді хочете обнулити рахунок?</translation>
    </message>
    <message>
        <source>Clue is on Row %d, Column %c</source>
        <extracomment>%d is the row&apos;s number (1 to 10), %c the column&apos;s letter (A to J), in this order; cells keep these names in every language.</extracomment>
        <translation>Підказка: рядок %d, стовпець %c</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <translation>Ви справді хочете здатися?</translation>
    </message>
    <message>
        <source>Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you know. Your next clue will show a ship cell that your fleet leaves empty.</source>
        <extracomment>%1 is the number of fleets, or the text &quot;more than %1&quot; below. The status line holds two lines.</extracomment>
        <translation>Ваш флот відповідає всім числам і підказкам, але прихований інший. Відомому відповідає флотів: %1. Наступна підказка відкриє клітинку корабля, порожню у вашому флоті.</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>понад %1</translation>
    </message>
    <message>
        <source>Your win will be added to your totals when the other Corvane is done.</source>
        <extracomment>Shown on the status line when another copy of the game holds the totals file as a game is won.</extracomment>
        <translation>Перемогу буде додано до підсумків, коли інший Corvane завершить роботу.</translation>
    </message>
    <message>
        <source>Fill &amp;Row with Water</source>
        <translation>Залити &amp;рядок водою</translation>
    </message>
    <message>
        <source>Fill &amp;Column with Water</source>
        <translation>Залити &amp;стовпець водою</translation>
    </message>
</context>
<context>
    <name>TotalsStore</name>
    <message>
        <source>it is a folder</source>
        <translation>це тека</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>це пристрій, а не файл</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>це канал, а не файл</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>це сокет, а не файл</translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>це посилання, а не файл</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be opened: %2</source>
        <translation>не вдається відкрити файл блокування %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a file that can be locked</source>
        <translation>%1 — не файл, який можна заблокувати</translation>
    </message>
    <message>
        <source>another copy of the program holds them</source>
        <translation>їх утримує інша копія програми</translation>
    </message>
    <message>
        <source>the lock cannot be taken: %1</source>
        <translation>не вдається встановити блокування: %1</translation>
    </message>
    <message>
        <source>The file is left as it is; play goes on, but the wins of this run may not be kept.</source>
        <translation>Файл залишено як є; грати можна далі, але перемоги цього запуску можуть не зберегтися.</translation>
    </message>
    <message>
        <source>The totals stay as they were.</source>
        <translation>Підсумки залишилися без змін.</translation>
    </message>
    <message>
        <source>The totals have reached %1, the largest number they can hold, and count no further.</source>
        <translation>Підсумки досягли %1 — найбільшого числа, яке вони можуть зберігати, — і далі не зростають.</translation>
    </message>
    <message>
        <source>1 win</source>
        <translation>1 перемога</translation>
    </message>
    <message numerus="yes">
        <source>%n wins</source>
        <translation>
            <numerusform>%n перемога</numerusform>
            <numerusform>%n перемоги</numerusform>
            <numerusform>%n перемог</numerusform>
        </translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>1 очко</translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n очко</numerusform>
            <numerusform>%n очки</numerusform>
            <numerusform>%n очок</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the wins (&quot;2 wins&quot;), %2 their points (&quot;3 points&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of this run could not be saved. %2</source>
        <translation>Не вдалося зберегти результати цього запуску: %1. %2</translation>
    </message>
    <message>
        <source>%1 is kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 зберігається поруч із підсумками в %2, доки програма не додасть її під час збереження.</translation>
    </message>
    <message>
        <source>%1 are kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 зберігаються поруч із підсумками в %2, доки програма не додасть їх під час збереження.</translation>
    </message>
    <message>
        <source>Cannot read the totals in %1: %2.</source>
        <translation>Не вдається прочитати підсумки в %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save the totals in %1: %2.</source>
        <translation>Не вдається зберегти підсумки в %1: %2.</translation>
    </message>
    <message>
        <source>Cannot clear the totals in %1: %2.</source>
        <translation>Не вдається обнулити підсумки в %1: %2.</translation>
    </message>
    <message>
        <source>it is %1 bytes long, too long for a settings file</source>
        <translation>його розмір %1 байт, це забагато для файлу налаштувань</translation>
    </message>
    <message>
        <source>it has grown too long for a settings file</source>
        <translation>він став завеликим для файлу налаштувань</translation>
    </message>
    <message>
        <source>Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.</source>
        <translation>Не вдається знайти підсумки: ні XDG_CONFIG_HOME, ні HOME не вказують на теку.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>не вдається створити теку %1</translation>
    </message>
    <message>
        <source>Cannot lock the totals in %1: %2; they are saved without the lock.</source>
        <translation>Не вдається заблокувати підсумки в %1: %2; їх збережено без блокування.</translation>
    </message>
    <message>
        <source>The folder of %1 takes no new files, so the totals are saved by writing over the file itself, which a crash in the middle of a save could damage.</source>
        <translation>У теці файлу %1 не можна створювати нові файли, тому підсумки записуються просто поверх нього, і збій посеред збереження може його пошкодити.</translation>
    </message>
    <message>
        <source>the wins kept beside it cannot be added: %1</source>
        <translation>не вдається додати перемоги, збережені поруч із ним: %1</translation>
    </message>
    <message>
        <source>it keeps being changed by another program</source>
        <translation>його постійно змінює інша програма</translation>
    </message>
    <message>
        <source>another copy of the program holds them, and the wins cannot be kept beside them: %1</source>
        <translation>їх утримує інша копія програми, а зберегти перемоги поруч із ними не вдається: %1</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>у ньому є байти, які не є текстом</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 — не ціле число від 0 до %2</translation>
    </message>
    <message>
        <source>Cannot count the win kept in %1: %2.</source>
        <translation>Не вдається врахувати перемогу, збережену в %1: %2.</translation>
    </message>
    <message>
        <source>it holds no win</source>
        <translation>у ньому немає перемоги</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvane: cannot write the text: %1</source>
        <translation>corvane: не вдається вивести текст: %1</translation>
    </message>
    <message>
        <source>corvane: no display found; start it from a graphical desktop session.</source>
        <translation>corvane: дисплей не знайдено; запустіть програму в графічному сеансі.</translation>
    </message>
</context>
</TS>
