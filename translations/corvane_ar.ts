<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
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
        <translation>Corvane v. 1.00 لأنظمة Windows 95 وWindows 98 وNT

Copyright (c) Brindlemoor
اعثر على الأسطول المخفي من الأعداد.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إغلاق (&amp;C)</translation>
    </message>
</context>
<context>
    <name>Announcements</name>
    <message>
        <source>Row %1</source>
        <translation>الصف %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>العمود %1</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>خلية واحدة</translation>
    </message>
    <message>
        <source>Piece menu on %1</source>
        <translation>قائمة القطع على %1</translation>
    </message>
    <message>
        <source>%1: no unknown cell to fill</source>
        <translation>%1: لا خلية مجهولة لملئها</translation>
    </message>
    <message>
        <source>%1: %2 filled with water</source>
        <extracomment>%1 the row or column, %2 how many cells (&quot;3 cells&quot;).</extracomment>
        <translation>%1: مُلئت %2 بالماء</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>تم التراجع</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>تم التراجع: %1</translation>
    </message>
    <message>
        <source>Undone: %1 of %2 back to %3</source>
        <extracomment>%1 how many cells (&quot;3 cells&quot;), %2 the row or column, %3 the piece they are back to.</extracomment>
        <translation>تم التراجع: %1 في %2 إلى %3</translation>
    </message>
    <message>
        <source>Undone: %1 of %2</source>
        <translation>تم التراجع: %1 في %2</translation>
    </message>
    <message>
        <source>Undone: %1 back to %2</source>
        <translation>تم التراجع: %1 إلى %2</translation>
    </message>
    <message>
        <source>It shows %1</source>
        <translation>يكشف: %1</translation>
    </message>
    <message>
        <source>The fleet is shown</source>
        <translation>الأسطول معروض</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n خلية</numerusform>
            <numerusform>خلية واحدة</numerusform>
            <numerusform>خليتان</numerusform>
            <numerusform>%n خلايا</numerusform>
            <numerusform>%n خلية</numerusform>
            <numerusform>%n خلية</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 a piece, %2 the cell&apos;s letter or number along its line: &quot;Top at C&quot;.</extracomment>
        <translation>%1 في %2</translation>
    </message>
    <message>
        <source>water at %1</source>
        <extracomment>%1 how many cells (&quot;4 cells&quot;).</extracomment>
        <translation>%1 بالماء</translation>
    </message>
    <message>
        <source>clue</source>
        <extracomment>The words that lead a line&apos;s cells by how they are known: &quot;marked Top at C, water at 4 cells&quot;.</extracomment>
        <translation>تلميح:</translation>
    </message>
    <message>
        <source>clues</source>
        <translation>تلميحات:</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>علاماتك:</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>من الاستسلام:</translation>
    </message>
    <message>
        <source>nothing marked</source>
        <translation>لا علامات</translation>
    </message>
    <message>
        <source>%1: count %2; %3</source>
        <extracomment>%1 the row or column, %2 its ship count, %3 its cells: &quot;Row 3: count 2; marked Top at C&quot;.</extracomment>
        <translation>%1: العدد %2؛ %3</translation>
    </message>
    <message>
        <source>The game is over. Start Game begins a new one</source>
        <translation>انتهت اللعبة. يبدأ زر لعبة جديدة لعبة أخرى</translation>
    </message>
    <message>
        <source>A clue cannot be changed</source>
        <translation>لا يمكن تغيير التلميح</translation>
    </message>
    <message>
        <source>Solved without a clue</source>
        <translation>حُلّت دون تلميح</translation>
    </message>
    <message>
        <source>Solved with 1 clue point</source>
        <translation>حُلّت بنقطة تلميح واحدة</translation>
    </message>
    <message numerus="yes">
        <source>Solved with %n clue points</source>
        <translation>
            <numerusform>حُلّت بـ %n نقطة تلميح</numerusform>
            <numerusform>حُلّت بنقطة تلميح واحدة</numerusform>
            <numerusform>حُلّت بنقطتَي تلميح</numerusform>
            <numerusform>حُلّت بـ %n نقاط تلميح</numerusform>
            <numerusform>حُلّت بـ %n نقطة تلميح</numerusform>
            <numerusform>حُلّت بـ %n نقطة تلميح</numerusform>
        </translation>
    </message>
    <message>
        <source>%1. Total games %2, average score %3</source>
        <extracomment>%1 how the game was solved, %2 the games solved so far, %3 the average score as the top line shows it.</extracomment>
        <translation>%1. الألعاب المحلولة: %2، متوسط النقاط: %3</translation>
    </message>
    <message>
        <source>Score cleared</source>
        <translation>مُسحت النتائج</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>لا شيء للتراجع عنه</translation>
    </message>
    <message>
        <source>Row counts %1. Column counts %2</source>
        <extracomment>Each %1 and %2 is a list of ten counts, the rows&apos; from 1 to 10, the columns&apos; from A to J.</extracomment>
        <translation>أعداد الصفوف %1. أعداد الأعمدة %2</translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>تعذّر تشغيل المساعدة.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>وسيط غير متوقع %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>خيار غير معروف %1</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>الخيار %1 يحتاج إلى قيمة</translation>
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
        <translation>الاستخدام: corvane [--help | --version]
لغز منطقي: اعثر على الأسطول المخفي من أعداد الصفوف والأعمدة.
دون خيار تُفتح نافذة اللعبة.

  -h, --help     اعرض هذا النص واخرج
      --version  اعرض الإصدار واخرج

تُمرَّر خيارات مجموعة الأدوات نفسها، مثل -display NAME و-platform NAME
و-style NAME، إليها. تشرح صفحة الدليل corvane(6) مفاتيح اللعبة وملفاتها.
</translation>
    </message>
    <message>
        <source>Free software under the MIT licence, with no warranty.
</source>
        <translation>برنامج حر بموجب رخصة MIT، دون أي ضمان.
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
        <translation>إغلاق (&amp;C)</translation>
    </message>
    <message>
        <source>Congratulations - You found the fleet!!!</source>
        <translation>تهانينا - لقد عثرت على الأسطول!</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message numerus="yes">
        <source>Row {place}: {number} ship cells</source>
        <translation>
            <numerusform>الصف {place}: {number} خلية سفن</numerusform>
            <numerusform>الصف {place}: خلية سفن واحدة</numerusform>
            <numerusform>الصف {place}: خليتا سفن</numerusform>
            <numerusform>الصف {place}: {number} خلايا سفن</numerusform>
            <numerusform>الصف {place}: {number} خلية سفن</numerusform>
            <numerusform>الصف {place}: {number} خلية سفن</numerusform>
        </translation>
    </message>
    <message>
        <source>Row {place}: 1 ship cell</source>
        <translation>الصف {place}: خلية سفن واحدة</translation>
    </message>
    <message>
        <source>Row {place}: no count yet</source>
        <translation>الصف {place}: لا عدد بعد</translation>
    </message>
    <message numerus="yes">
        <source>Column {place}: {number} ship cells</source>
        <translation>
            <numerusform>العمود {place}: {number} خلية سفن</numerusform>
            <numerusform>العمود {place}: خلية سفن واحدة</numerusform>
            <numerusform>العمود {place}: خليتا سفن</numerusform>
            <numerusform>العمود {place}: {number} خلايا سفن</numerusform>
            <numerusform>العمود {place}: {number} خلية سفن</numerusform>
            <numerusform>العمود {place}: {number} خلية سفن</numerusform>
        </translation>
    </message>
    <message>
        <source>Column {place}: 1 ship cell</source>
        <translation>العمود {place}: خلية سفن واحدة</translation>
    </message>
    <message>
        <source>Column {place}: no count yet</source>
        <translation>العمود {place}: لا عدد بعد</translation>
    </message>
    <message>
        <source>Column {place}</source>
        <translation>العمود {place}</translation>
    </message>
    <message numerus="yes">
        <source>{place}, {number} cells long</source>
        <extracomment>{place} is the kind of ship as its check box shows it.</extracomment>
        <translation>
            <numerusform>{place}، بطول {number} خلية</numerusform>
            <numerusform>{place}، بطول خلية واحدة</numerusform>
            <numerusform>{place}، بطول خليتين</numerusform>
            <numerusform>{place}، بطول {number} خلايا</numerusform>
            <numerusform>{place}، بطول {number} خلية</numerusform>
            <numerusform>{place}، بطول {number} خلية</numerusform>
        </translation>
    </message>
    <message>
        <source>{place}, one cell</source>
        <translation>{place}، خلية واحدة</translation>
    </message>
    <message>
        <source>Status: {number}</source>
        <translation>الحالة: {number}</translation>
    </message>
    <message>
        <source>Status: empty</source>
        <translation>الحالة: فارغة</translation>
    </message>
    <message>
        <source>Current Score: {number}</source>
        <translation>نقاط هذه اللعبة: {number}</translation>
    </message>
    <message>
        <source>Current Score: none yet</source>
        <translation>نقاط هذه اللعبة: لا شيء بعد</translation>
    </message>
    <message>
        <source>Total Score: {number}</source>
        <translation>متوسط النقاط: {number}</translation>
    </message>
    <message>
        <source>Total Score: none yet</source>
        <translation>متوسط النقاط: لا شيء بعد</translation>
    </message>
    <message>
        <source>Total Games: {number}</source>
        <translation>الألعاب المحلولة: {number}</translation>
    </message>
    <message>
        <source>Total Games: none yet</source>
        <translation>الألعاب المحلولة: لا شيء بعد</translation>
    </message>
    <message>
        <source>Current Game: {number}</source>
        <translation>رقم اللعبة: {number}</translation>
    </message>
    <message>
        <source>Current Game: none yet</source>
        <translation>رقم اللعبة: لا شيء بعد</translation>
    </message>
    <message>
        <source>Picture of a ship of one cell</source>
        <translation>صورة سفينة من خلية واحدة</translation>
    </message>
    <message>
        <source>Corvane icon</source>
        <translation>أيقونة Corvane</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, clue</source>
        <extracomment>%1 the row&apos;s number, %2 the column&apos;s letter, %3 the piece; cells keep these names in every language.</extracomment>
        <translation>الصف %1، العمود %2: %3، تلميح</translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3</source>
        <translation>الصف %1، العمود %2: %3</translation>
    </message>
    <message>
        <source>Row count %1, column count %2</source>
        <translation>عدد الصف %1، عدد العمود %2</translation>
    </message>
    <message numerus="yes">
        <source>Picture of a ship %n cells long</source>
        <translation>
            <numerusform>صورة سفينة بطول %n خلية</numerusform>
            <numerusform>صورة سفينة بطول خلية واحدة</numerusform>
            <numerusform>صورة سفينة بطول خليتين</numerusform>
            <numerusform>صورة سفينة بطول %n خلايا</numerusform>
            <numerusform>صورة سفينة بطول %n خلية</numerusform>
            <numerusform>صورة سفينة بطول %n خلية</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, Column %2: %3, from Give Up</source>
        <translation>الصف %1، العمود %2: %3، من الاستسلام</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>&amp;Contents</source>
        <translation>المحتويات (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation>اكتب الأحرف الأولى من الكلمة التي تبحث عنها (&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>الفهرس (&amp;I)</translation>
    </message>
    <message>
        <source>Type the &amp;words to find:</source>
        <translation>اكتب الكلمات التي تبحث عنها (&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>بحث (&amp;S)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>جارٍ قراءة %1...</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Submarine</source>
        <translation>غواصة</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>مدمرة</translation>
    </message>
    <message>
        <source>Cruiser</source>
        <translation>طراد</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>بارجة</translation>
    </message>
    <message>
        <source>LAYOUT</source>
        <extracomment>Rectangles of your own for controls whose texts do not fit, in dialog units: one line each, &quot;&lt;control&gt; = x, y, width, height&quot;, the control named by its English text (&quot;Current Game:&quot;) or, for a button, check box or value, by its number (1005 Give Up, 6000 to 6009 the ships, 1014 the game number). The fit test names what does not fit. Write LAYOUT to keep the English layout.</extracomment>
        <translation>1000 = 4, 248, 43, 14
1005 = 52, 248, 44, 14
1003 = 101, 248, 33, 14
1004 = 139, 248, 33, 14
1006 = 178, 248, 35, 14
1007 = 219, 248, 37, 14
1008 = 262, 248, 34, 14
1 = 303, 248, 34, 14</translation>
    </message>
    <message>
        <source>Check &amp;Off Ships As You Find Them</source>
        <translation>علّم السفن التي تجدها (&amp;O)</translation>
    </message>
    <message>
        <source>Current Game:</source>
        <translation>اللعبة:</translation>
    </message>
    <message>
        <source>Current Score:</source>
        <translation>النقاط:</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>المعدل:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>المحلولة:</translation>
    </message>
    <message>
        <source>Radar Screen</source>
        <translation>شاشة الرادار</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>لعبة جديدة (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Give Up...</source>
        <translation>استسلام (&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>تلميح (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>تراجع (&amp;U)</translation>
    </message>
    <message>
        <source>Sco&amp;re...</source>
        <translation>النتائج (&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعدة (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>حول (&amp;A)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج (&amp;X)</translation>
    </message>
</context>
<context>
    <name>PieceLabels</name>
    <message>
        <source>Top</source>
        <extracomment>The pieces&apos; words, drawn beside their pictures in the piece menu and said by screen readers.</extracomment>
        <translation>علوي</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>سفلي</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>غواصة</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>وسط</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>ماء</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>مجهول</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Write RTL for a language written from right to left (Arabic), else LTR.</extracomment>
        <translation>RTL</translation>
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
        <translation>النتائج</translation>
    </message>
    <message>
        <source>Total Score:</source>
        <translation>المعدل:</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>المحلولة:</translation>
    </message>
    <message>
        <source>Clear &amp;Score...</source>
        <translation>مسح النتائج (&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إلغاء (&amp;C)</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Are you sure you want to clear your score?</source>
        <translation>هل تريد حقًا مسح نتائجك؟</translation>
    </message>
    <message>
        <source>Clue is on Row %d, Column %c</source>
        <extracomment>%d is the row&apos;s number (1 to 10), %c the column&apos;s letter (A to J), in this order; cells keep these names in every language.</extracomment>
        <translation>التلميح في الصف %d، العمود %c</translation>
    </message>
    <message>
        <source>Are you sure you want to give up?</source>
        <translation>هل تريد حقًا الاستسلام؟</translation>
    </message>
    <message>
        <source>Your fleet fits every count and clue, but it is not the hidden one: %1 fleets fit what you know. Your next clue will show a ship cell that your fleet leaves empty.</source>
        <extracomment>%1 is the number of fleets, or the text &quot;more than %1&quot; below. The status line holds two lines.</extracomment>
        <translation>أسطولك يوافق كل الأعداد والتلميحات، لكنه ليس الأسطول المخفي: عدد الأساطيل التي توافق ما تعرفه %1. سيكشف تلميحك التالي خلية سفينة يتركها أسطولك فارغة.</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>أكثر من %1</translation>
    </message>
    <message>
        <source>Fill &amp;Row with Water</source>
        <translation>املأ الصف بالماء (&amp;R)</translation>
    </message>
    <message>
        <source>Fill &amp;Column with Water</source>
        <translation>املأ العمود بالماء (&amp;C)</translation>
    </message>
    <message>
        <source>Your win will be added to your totals when the other Corvane is done.</source>
        <extracomment>Shown on the status line when another copy of the game holds the totals file as a game is won.</extracomment>
        <translation>سيُضاف فوزك إلى نتائجك حين ينتهي Corvane الآخر.</translation>
    </message>
</context>
<context>
    <name>TotalsStore</name>
    <message>
        <source>the lock file %1 cannot be opened: %2</source>
        <translation>تعذّر فتح ملف القفل %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a file that can be locked</source>
        <translation>%1 ليس ملفًا يمكن قفله</translation>
    </message>
    <message>
        <source>the lock cannot be taken: %1</source>
        <translation>تعذّر أخذ القفل: %1</translation>
    </message>
    <message>
        <source>The file is left as it is; play goes on, but the wins of this run may not be kept.</source>
        <translation>يبقى الملف كما هو؛ يمكنك مواصلة اللعب، لكن قد لا تُحفظ انتصارات هذه الجلسة.</translation>
    </message>
    <message>
        <source>The totals stay as they were.</source>
        <translation>تبقى النتائج كما كانت.</translation>
    </message>
    <message>
        <source>The totals have reached %1, the largest number they can hold, and count no further.</source>
        <translation>بلغت النتائج %1، وهو أكبر عدد تتسع له، فلن تزيد بعد الآن.</translation>
    </message>
    <message>
        <source>1 win</source>
        <translation>فوز واحد</translation>
    </message>
    <message>
        <source>1 point</source>
        <translation>نقطة واحدة</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 the wins (&quot;2 wins&quot;), %2 their points (&quot;3 points&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 of this run could not be saved. %2</source>
        <translation>تعذّر حفظ ما يلي من هذه الجلسة: %1. %2</translation>
    </message>
    <message>
        <source>%1 is kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 محفوظ بجانب النتائج في %2 إلى أن يضيفه البرنامج عند الحفظ.</translation>
    </message>
    <message>
        <source>%1 are kept beside the totals in %2 until a save of the program can add them.</source>
        <translation>%1 محفوظة بجانب النتائج في %2 إلى أن يضيفها البرنامج عند الحفظ.</translation>
    </message>
    <message>
        <source>Cannot read the totals in %1: %2.</source>
        <translation>تعذّرت قراءة النتائج في %1: %2.</translation>
    </message>
    <message>
        <source>Cannot save the totals in %1: %2.</source>
        <translation>تعذّر حفظ النتائج في %1: %2.</translation>
    </message>
    <message>
        <source>Cannot clear the totals in %1: %2.</source>
        <translation>تعذّر مسح النتائج في %1: %2.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>إنه مجلد</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>إنه جهاز وليس ملفًا</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>إنه أنبوب وليس ملفًا</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>إنه مقبس وليس ملفًا</translation>
    </message>
    <message>
        <source>it is %1 bytes long, too long for a settings file</source>
        <translation>طوله %1 بايت، وهذا أطول من أن يكون ملف إعدادات</translation>
    </message>
    <message>
        <source>it has grown too long for a settings file</source>
        <translation>صار أطول من أن يكون ملف إعدادات</translation>
    </message>
    <message>
        <source>the wins kept beside it cannot be added: %1</source>
        <translation>تعذّرت إضافة الانتصارات المحفوظة بجانبه: %1</translation>
    </message>
    <message>
        <source>Cannot find the totals: neither XDG_CONFIG_HOME nor HOME names a folder.</source>
        <translation>تعذّر العثور على النتائج: لا يشير XDG_CONFIG_HOME ولا HOME إلى مجلد.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>تعذّر إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>Cannot lock the totals in %1: %2; they are saved without the lock.</source>
        <translation>تعذّر قفل النتائج في %1: %2؛ ستُحفظ دون قفل.</translation>
    </message>
    <message>
        <source>it holds bytes that are not text</source>
        <translation>يحوي بايتات ليست نصًا</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 ليس عددًا صحيحًا من 0 إلى %2</translation>
    </message>
    <message numerus="yes">
        <source>%n wins</source>
        <translation>
            <numerusform>%n فوز</numerusform>
            <numerusform>فوز واحد</numerusform>
            <numerusform>فوزان</numerusform>
            <numerusform>%n انتصارات</numerusform>
            <numerusform>%n فوزًا</numerusform>
            <numerusform>%n فوز</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n نقطة</numerusform>
            <numerusform>نقطة واحدة</numerusform>
            <numerusform>نقطتان</numerusform>
            <numerusform>%n نقاط</numerusform>
            <numerusform>%n نقطة</numerusform>
            <numerusform>%n نقطة</numerusform>
        </translation>
    </message>
    <message>
        <source>it is a link, not a file</source>
        <translation>إنه رابط وليس ملفًا</translation>
    </message>
    <message>
        <source>another copy of the program holds them</source>
        <translation>تمسك بها نسخة أخرى من البرنامج</translation>
    </message>
    <message>
        <source>The folder of %1 takes no new files, so the totals are saved by writing over the file itself, which a crash in the middle of a save could damage.</source>
        <translation>مجلد %1 لا يقبل ملفات جديدة، لذا تُحفظ النتائج بالكتابة فوق الملف نفسه، وقد يتلفه انهيار في منتصف الحفظ.</translation>
    </message>
    <message>
        <source>it keeps being changed by another program</source>
        <translation>يظل برنامج آخر يغيّره</translation>
    </message>
    <message>
        <source>another copy of the program holds them, and the wins cannot be kept beside them: %1</source>
        <translation>تمسك بها نسخة أخرى من البرنامج، وتعذّر حفظ الانتصارات بجانبها: %1</translation>
    </message>
    <message>
        <source>Cannot count the win kept in %1: %2.</source>
        <translation>تعذّر عدّ الفوز المحفوظ في %1: %2.</translation>
    </message>
    <message>
        <source>it holds no win</source>
        <translation>لا يحوي أي فوز</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvane: cannot write the text: %1</source>
        <translation>corvane: تعذّرت كتابة النص: %1</translation>
    </message>
    <message>
        <source>corvane: no display found; start it from a graphical desktop session.</source>
        <translation>corvane: لم يُعثر على شاشة عرض؛ شغّل اللعبة من جلسة سطح مكتب رسومية.</translation>
    </message>
</context>
</TS>
