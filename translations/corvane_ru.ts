<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
        <translation>Corvane v. 1.00 для Windows 95, Windows 98 и NT

Copyright (c) Brindlemoor
Найдите скрытый флот по числам.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Row %1</source>
        <translation>Строка %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Столбец %1</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 клетка</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n клетка</numerusform>
            <numerusform>%n клетки</numerusform>
            <numerusform>%n клеток</numerusform>
        </translation>
    </message>
    <message>
        <source>Piece menu on %1</source>
        <translation>Меню клетки: %1</translation>
    </message>
    <message>
        <source>%1: no unknown cell to fill</source>
        <translation>%1: нет неизвестных клеток</translation>
    </message>
    <message>
        <source>%1: %2 filled with water</source>
        <extracomment>%1 the row or column, %2 how many cells (&quot;3 cells&quot;).</extracomment>
        <translation>%1: залито водой — %2</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Отменено: %1</translation>
    </message>
    <message>
        <source>Undone: %1 of %2 back to %3</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the row or column, %3 the piece they are back to.</extracomment>
        <translation>Отменено: %2, %1 — снова %3</translation>
    </message>
    <message>
        <source>Undone: %1 of %2</source>
        <translation>Отменено: %2, %1</translation>
    </message>
    <message>
        <source>Undone: %1 back to %2</source>
        <translation>Отменено: %1 — снова %2</translation>
    </message>
    <message>
        <source>It shows %1</source>
        <translation>Открыто: %1</translation>
    </message>
    <message>
        <source>The fleet is shown</source>
        <translation>Флот показан</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 a piece, %2 the cell&apos;s letter or number along its line: &quot;Top at C&quot;.</extracomment>
        <translation>%1 в %2</translation>
    </message>
    <message>
        <source>water at %1</source>
        <extracomment>%1 how many cells (&quot;4 cells&quot;).</extracomment>
        <translation>вода — %1</translation>
    </message>
    <message>
        <source>clue</source>
        <extracomment>The words that lead a line&apos;s cells by how they are known: &quot;marked Top at C, water at 4 cells&quot;.</extracomment>
        <translation>подсказка:</translation>
    </message>
    <message>
        <source>clues</source>
        <translation>подсказки:</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>отмечено:</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>показано:</translation>
    </message>
    <message>
        <source>nothing marked</source>
        <translation>ничего не отмечено</translation>
    </message>
    <message>
        <source>%1: count %2; %3</source>
        <extracomment>%1 the row or column, %2 its ship count, %3 its cells: &quot;Row 3: count 2; marked Top at C&quot;.</extracomment>
        <translation>%1: число %2; %3</translation>
    </message>
    <message>
        <source>The game is over. Start Game begins a new one</source>
        <translation>Игра окончена. «Новая игра» начнёт следующую</translation>
    </message>
    <message>
        <source>A clue cannot be changed</source>
        <translation>Подсказку нельзя изменить</translation>
    </message>
    <message>
        <source>Solved without a clue</source>
        <translation>Победа без подсказок</translation>
    </message>
    <message>
        <source>Solved with 1 clue point</source>
        <translation>Победа, 1 очко за подсказки</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n clue points</source>
        <translation>
            <numerusform>Победа, %n очко за подсказки</numerusform>
            <numerusform>Победа, %n очка за подсказки</numerusform>
            <numerusform>Победа, %n очков за подсказки</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Total games %2, average score %3</source>
        <extracomment>%1 how the game was solved, %2 the games solved so far, %3 the average score as the top line shows it.</extracomment>
        <translation>%1. Решено игр: %2, средние очки: %3</translation>
    </message>
    <message>
        <source>Score cleared</source>
        <translation>Итоги сброшены</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Нечего отменять</translation>
    </message>
    <message>
        <source>Row counts %1. Column counts %2</source>
        <extracomment>Each %1 and %2 is a list of ten counts, the rows&apos; from 1 to 10, the columns&apos; from A to J.</extracomment>
        <translation>Числа строк: %1. Числа столбцов: %2</translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Не удалось открыть справку.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>лишний аргумент %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>параметру %1 нужно значение</translation>
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
        <translation>Использование: corvane [--help | --version]
Логическая головоломка: найдите спрятанный флот по числам строк и столбцов.
Без параметров открывается окно игры.

  -h, --help     показать этот текст и выйти
      --version  показать версию и выйти

Параметры графической библиотеки, например -display NAME, -platform NAME
и -style NAME, передаются ей. Клавиши и файлы игры описаны на странице
руководства corvane(6).
</translation>
    </message>
    <message>
        <source>Free software under the MIT licence, with no warranty.
</source>
        <translation>Свободная программа под лицензией MIT, без каких-либо гарантий.
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
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Congratulations - You found the fleet!!!</source>
        <translation>Поздравляем! Вы нашли флот!</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message numerus="yes">
        <source>Row {place}: {number} ship cells</source>
        <translation>
            <numerusform>Строка {place}: {number} клетка кораблей</numerusform>
            <numerusform>Строка {place}: {number} клетки кораблей</numerusform>
            <numerusform>Строка {place}: {number} клеток кораблей</numerusform>
        </translation>
    </message>
    <message>
        <source>Row {place}: 1 ship cell</source>
        <translation>Строка {place}: 1 клетка корабля</translation>
    </message>
    <message>
        <source>Row {place}: no count yet</source>
        <translation>Строка {place}: числа пока нет</translation>
    </message>
    <message numerus="yes">
        <source>Column {place}: {number} ship cells</source>
        <translation>
            <numerusform>Столбец {place}: {number} клетка кораблей</numerusform>
            <numerusform>Столбец {place}: {number} клетки кораблей</numerusform>
            <numerusform>Столбец {place}: {number} клеток кораблей</numerusform>
        </translation>
    </message>
    <message>
        <source>Column {place}: 1 ship cell</source>
        <translation>Столбец {place}: 1 клетка корабля</translation>
    </message>
    <message>
        <source>Column {place}: no count yet</source>
        <translation>Столбец {place}: числа пока нет</translation>
    </message>
    <message>
        <source>Column {place}</source>
        <translation>Столбец {place}</translation>
    </message>
    <message numerus="yes">
        <source>{place}, {number} cells long</source>
        <extracomment>{place} is the kind of ship as its check box shows it.</extracomment>
        <translation>
            <numerusform>{place}, {number} клетка</numerusform>
            <numerusform>{place}, {number} клетки</numerusform>
            <numerusform>{place}, {number} клеток</numerusform>
        </translation>
    </message>
    <message>
        <source>{place}, one cell</source>
        <translation>{place}, одна клетка</translation>
    </message>
    <message>
        <source>Status: {number}</source>
        <translation>Состояние: {number}</translation>
    </message>
    <message>
        <source>Status: empty</source>
        <translation>Состояние: пусто</translation>
    </message>
    <message>
        <source>Current Score: {number}</source>
        <translation>Очки в этой игре: {number}</translation>
    </message>
    <message>
        <source>Current Score: none yet</source>
        <translation>Очки в этой игре: пока нет</translation>
    </message>
    <message>
        <source>Total Score: {number}</source>
        <translation>Средние очки: {number}</translation>
    </message>
    <message>
        <source>Total Score: none yet</source>
        <translation>Средние очки: пока нет</translation>
    </message>
    <message>
        <source>Total Games: {number}</source>
        <translation>Решено игр: {number}</translation>
    </message>
    <message>
        <source>Total Games: none yet</source>
        <translation>Решено игр: пока нет</translation>
    </message>
    <message>
        <source>Current Game: {number}</source>
        <translation>Номер игры: {number}</translation>
    </message>
    <message>
        <source>Current Game: none yet</source>
        <translation>Номер игры: пока нет</translation>
    </message>
    <message>
        <source>Picture of a ship of one cell</source>
        <translation>Рисунок корабля в одну клетку</translation>
    </message>
    <message numerus="yes">
        <source>Picture of a ship %n cells long</source>
        <translation>
            <numerusform>Рисунок корабля в %n клетку</numerusform>
            <numerusform>Рисунок корабля в %n клетки</numerusform>
            <numerusform>Рисунок корабля в %n клеток</numerusform>
        </translation>
    </message>
    <message>
        <source>Corvane icon</source>
        <translation>Значок Corvane</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, clue</source>
        <extracomment>%1 the row&apos;s number, %2 the column&apos;s letter, %3 the piece; cells keep these names in every language.</extracomment>
        <translation>Строка %1, столбец %2: %3, подсказка</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3</source>
        <translation>Строка %1, столбец %2: %3</translation>
    </message>
    <message>
        <source>Row count %1, column count %2</source>
        <translation>Числа: в строке %1, в столбце %2</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, from Give Up</source>
        <translation>Строка %1, столбец %2: %3, показано при сдаче</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation>&amp;Введите первые буквы искомого слова:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Указатель</translation>
    </message>
    <message>
        <source>Type the &amp;words to find:</source>
        <translation>&amp;Искомые слова:</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Поиск</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Чтение %1...</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Submarine</source>
        <translation>Подлодка</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Эсминец</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>Крейсер</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Линкор</translation>
    </message>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text (&quot;Current Game:&quot;) or, for a button, check box or value, by its number (1005 Give Up, 6000 to 6009 the ships, 1014 the game number). The fit test names what does not fit. Write LAYOUT to keep the English layout.</extracomment>
        <translation>1005 = 50, 248, 39, 14
1003 = 95, 248, 40, 14
1004 = 141, 248, 36, 14</translation>
    </message>
    <message>
        <source>Check &amp;Off Ships As You Find Them</source>
        <translation>Отмечайте найденные &amp;корабли</translation>
    </message>
    <message>
        <source>Current Game:</source>
        <translation>Игра №:</translation>
    </message>
    <message>
        <source>Current Score:</source>
        <translation>Очки:</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Среднее:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Решено:</translation>
    </message>
    <message>
        <source>Radar Screen</source>
        <translation>Экран радара</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Give Up...</source>
        <translation>&amp;Сдаться...</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Sco&amp;re...</source>
        <translation>&amp;Итоги...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Сп&amp;равка</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>О&amp;б игре...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
</context>
<context>
    <name>PieceLabels</name>
    <message>
        <source>Top</source>
        <extracomment>The pieces&apos; words, drawn beside their pictures in the piece menu and said by screen readers.</extracomment>
        <translation>Верхний</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Правый</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Нижний</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Левый</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Подлодка</translation>
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
        <translation>Неизвестно</translation>
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
        <translation>Итоги</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>Среднее:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Решено:</translation>
    </message>
    <message>
        <source>Clear &amp;Score...</source>
        <translation>&amp;Сбросить...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Are you sure you want to clear your score?</source>
        <translation>Вы действительно хотите сбросить итоги?</translation>
    </message>
    <message>
        <source>Clue is on Row %d, Column %c</source>
        <extracomment>%d is the row&apos;s number (1 to 10), %c the column&apos;s letter (A to J), in this order; cells keep these names in every language.</extracomment>
        <translation>Подсказка: строка %d, столбец %c</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <translation>Вы действительно хотите сдаться?</translation>
    </message>
    <message>
        <source>Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you know. Your next clue will show a ship cell that your fleet leaves empty.</source>
        <extracomment>%1 is the number of fleets, or the text &quot;more than %1&quot; below. The status line holds two lines.</extracomment>
        <translation>Ваш флот сходится со всеми числами и подсказками, но спрятан другой. Известному подходит флотов: %1. Следующая подсказка откроет клетку корабля, пустую в вашем флоте.</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>больше %1</translation>
    </message>
    <message>
        <source>Your win will be added to your totals when the other Corvane is done.</source>
        <extracomment>Shown on the status line when another copy of the game holds the totals file as a game is won.</extracomment>
        <translation>Победа будет добавлена к итогам, когда другой Corvane закончит работу.</translation>
    </message>
    <message>
        <source>Fill &amp;Row with Water</source>
        <translation>Залить &amp;строку водой</translation>
    </message>
    <message>
        <source>Fill &amp;Column with Water</source>
        <translation>Залить с&amp;толбец водой</translation>
    </message>
</context>
<context>
    <name>TotalsStore</name>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>это устройство, а не файл</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>это канал, а не файл</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>это сокет, а не файл</translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>это ссылка, а не файл</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be opened: %2</source>
        <translation>не удаётся открыть файл блокировки %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a file that can be locked</source>
        <translation>%1 — не файл, который можно заблокировать</translation>
    </message>
    <message>
        <source>another copy of the program holds them</source>
        <translation>их занимает другая копия программы</translation>
    </message>
    <message>
        <source>the lock cannot be taken: %1</source>
        <translation>не удаётся установить блокировку: %1</translation>
    </message>
    <message>
        <source>The file is left as it is; play goes on, but the wins of this run may not be kept.</source>
        <translation>Файл оставлен как есть; играть можно дальше, но победы этого запуска могут не сохраниться.</translation>
    </message>
    <message>
        <source>The totals stay as they were.</source>
        <translation>Итоги остались прежними.</translation>
    </message>
    <message>
        <source>The totals have reached %1, the largest number they can hold, and count no further.</source>
        <translation>Итоги достигли %1 — наибольшего числа, которое они могут хранить, — и дальше не растут.</translation>
    </message>
    <message>
        <source>1 win</source>
        <translation>1 победа</translation>
    </message>
    <message numerus="yes">
        <source>%n wins</source>
        <translation>
            <numerusform>%n победа</numerusform>
            <numerusform>%n победы</numerusform>
            <numerusform>%n побед</numerusform>
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
            <numerusform>%n очка</numerusform>
            <numerusform>%n очков</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the wins (&quot;2 wins&quot;), %2 their points (&quot;3 points&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of this run could not be saved. %2</source>
        <translation>Не удалось сохранить результаты этого запуска: %1. %2</translation>
    </message>
    <message>
        <source>%1 is kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 хранится рядом с итогами в %2, пока программа не добавит её при сохранении.</translation>
    </message>
    <message>
        <source>%1 are kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 хранятся рядом с итогами в %2, пока программа не добавит их при сохранении.</translation>
    </message>
    <message>
        <source>Cannot read the totals in %1: %2.</source>
        <translation>Не удаётся прочитать итоги в %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save the totals in %1: %2.</source>
        <translation>Не удаётся сохранить итоги в %1: %2.</translation>
    </message>
    <message>
        <source>Cannot clear the totals in %1: %2.</source>
        <translation>Не удаётся сбросить итоги в %1: %2.</translation>
    </message>
    <message>
        <source>it is %1 bytes long, too long for a settings file</source>
        <translation>его размер %1 байт, слишком много для файла настроек</translation>
    </message>
    <message>
        <source>it has grown too long for a settings file</source>
        <translation>он стал слишком большим для файла настроек</translation>
    </message>
    <message>
        <source>Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.</source>
        <translation>Не удаётся найти итоги: ни XDG_CONFIG_HOME, ни HOME не указывают на папку.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>Cannot lock the totals in %1: %2; they are saved without the lock.</source>
        <translation>Не удаётся заблокировать итоги в %1: %2; они сохраняются без блокировки.</translation>
    </message>
    <message>
        <source>The folder of %1 takes no new files, so the totals are saved by writing over the file itself, which a crash in the middle of a save could damage.</source>
        <translation>В папке файла %1 нельзя создавать новые файлы, поэтому итоги записываются прямо поверх него, и сбой посреди сохранения может его повредить.</translation>
    </message>
    <message>
        <source>the wins kept beside it cannot be added: %1</source>
        <translation>не удаётся добавить победы, хранящиеся рядом с ним: %1</translation>
    </message>
    <message>
        <source>it keeps being changed by another program</source>
        <translation>его всё время изменяет другая программа</translation>
    </message>
    <message>
        <source>another copy of the program holds them, and the wins cannot be kept beside them: %1</source>
        <translation>их занимает другая копия программы, а сохранить победы рядом с ними не удаётся: %1</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>в нём есть байты, которые не являются текстом</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 — не целое число от 0 до %2</translation>
    </message>
    <message>
        <source>Cannot count the win kept in %1: %2.</source>
        <translation>Не удаётся учесть победу, сохранённую в %1: %2.</translation>
    </message>
    <message>
        <source>it holds no win</source>
        <translation>в нём нет победы</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvane: cannot write the text: %1</source>
        <translation>corvane: не удаётся вывести текст: %1</translation>
    </message>
    <message>
        <source>corvane: no display found; start it from a graphical desktop session.</source>
        <translation>corvane: дисплей не найден; запустите программу в графическом сеансе.</translation>
    </message>
</context>
</TS>
