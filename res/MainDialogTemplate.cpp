// The template of the game window: top line, the grid with its counts, the fleet panel and the button row.
#include "Templates.h"

#include "FleetGenerator.h"
#include "Pictures.h"

#include <QCoreApplication>
#include <array>

namespace {

using Controls = std::vector<ControlTemplate>;

// The counts continue the grid's step, so each stands in line with the row or column it counts and reads
// as part of it.
constexpr int Pitch = 16;
constexpr int Square = 15;
constexpr int GridLeft = 21;
constexpr int GridTop = 40;
constexpr int RowCountLeft = GridLeft + BoardSize * Pitch + 2;
constexpr int ColumnCountTop = GridTop + BoardSize * Pitch + 2;

// The fleet panel is built from the fleet table, so the checklist can never disagree with the fleet the
// generator hides.
constexpr int ShipTop = 41;
constexpr int ShipPitch = 17;
constexpr std::array<const char*, 5> ShipNameByLength = {
    "", QT_TRANSLATE_NOOP("MainDialog", "Submarine"), QT_TRANSLATE_NOOP("MainDialog", "Destroyer"),
    QT_TRANSLATE_NOOP("MainDialog", "Cruiser"), QT_TRANSLATE_NOOP("MainDialog", "Battleship")};

// For the catalogue: the message under which a translation gives controls rectangles of its own (see DialogLayout).
//: Rectangles of your own for controls whose texts do not fit, in dialog units: one line each,
//: "<control> = x, y, width, height", the control named by its English text ("Current Game:") or, for
//: a button, check box or value, by its number (1005 Give Up, 6000 to 6009 the ships, 1014 the game
//: number). The fit test names what does not fit. Write LAYOUT to keep the English layout.
[[maybe_unused]] constexpr const char* MainLayout = QT_TRANSLATE_NOOP("MainDialog", "LAYOUT");

int GridX(int column) { return GridLeft + column * Pitch; }
int GridY(int row) { return GridTop + row * Pitch; }

// The mnemonic sits on the last digit, so that "1&0" differs from "&1".
QString RowLabelText(int row)
{
    const QString number = QString::number(row + 1);
    return number.left(number.size() - 1) + '&' + number.right(1);
}

void AddColumnLetters(Controls& controls)
{
    for (int j = 0; j < BoardSize; ++j)
        controls.push_back({IDC_FIRST_COLUMN_LETTER + j, ControlKind::Static, QString(QChar('A' + j)), GridX(j), 28,
                            Square, 8, AlignCenter | Group | LeftToRight});
}

void AddRow(Controls& controls, int r)
{
    controls.push_back(
        {NoControlId, ControlKind::Static, RowLabelText(r), 9, GridY(r), 8, Square, AlignRight | Group | LeftToRight});
    for (int j = 0; j < BoardSize; ++j)
        controls.push_back({IDC_FIRST_CELL + r * BoardSize + j, ControlKind::OwnerDrawButton, QString(), GridX(j),
                            GridY(r), Square, Square, TabStop | LeftToRight});
    controls.push_back({IDC_FIRST_ROW_COUNT + r, ControlKind::Static, QString(), RowCountLeft, GridY(r), Square, Square,
                        AlignCenter | StaticEdge | LeftToRight});
}

void AddColumnCounts(Controls& controls)
{
    for (int j = 0; j < BoardSize; ++j)
        controls.push_back({IDC_FIRST_COLUMN_COUNT + j, ControlKind::Static, QString(), GridX(j), ColumnCountTop, Square,
                            Square, AlignCenter | StaticEdge | LeftToRight});
}

// All ten boxes come before the pictures: the first picture's group start closes the boxes' tab group.
void AddFleetPanel(Controls& controls)
{
    controls.push_back(
        {NoControlId, ControlKind::GroupBox, QT_TRANSLATE_NOOP("MainDialog", "Check &Off Ships As You Find Them"), 212,
         15, 125, 206, TabStop});
    for (int k = 0; k < int(FleetTable.size()); ++k)
        controls.push_back({IDC_FIRST_SHIP_CHECK + k, ControlKind::AutoCheckBox, ShipNameByLength[FleetTable[k]], 218,
                            ShipTop + k * ShipPitch, 46, 10, k == 0 ? Disabled | Group | TabStop : Disabled});
    for (int k = 0; k < int(FleetTable.size()); ++k)
        controls.push_back({NoControlId, ControlKind::StaticPicture, ShipPictureName(FleetTable[k]), 272,
                            ShipTop + k * ShipPitch, 11, 11, k == 0 ? Group : 0u});
}

DialogTemplate BuildMainDialog()
{
    DialogTemplate dialog{IDD_CORVANE, "Corvane", 341, 264, 8, MinimizeBox | AppWindow, {}, &CorvaneResources::Instance(),
                          "MainDialog"};
    Controls& controls = dialog.controls;
    controls = {
        {NoControlId, ControlKind::Static, QT_TRANSLATE_NOOP("MainDialog", "Current Game:"), 4, 2, 44, 8, Group},
        {IDC_GAME_NUMBER, ControlKind::Static, "", 53, 2, 17, 8, Group},
        {NoControlId, ControlKind::Static, QT_TRANSLATE_NOOP("MainDialog", "Current Score:"), 82, 2, 43, 8, Group},
        {IDC_CURRENT_SCORE, ControlKind::Static, "", 132, 2, 17, 8, Group},
        {NoControlId, ControlKind::Static, QT_TRANSLATE_NOOP("MainDialog", "Total Score:"), 159, 2, 38, 8, Group},
        {IDC_AVERAGE_SCORE, ControlKind::Static, "", 201, 2, 26, 8, Group},
        {NoControlId, ControlKind::Static, QT_TRANSLATE_NOOP("MainDialog", "Total Games:"), 233, 2, 42, 8, Group},
        {IDC_TOTAL_GAMES, ControlKind::Static, "", 280, 2, 29, 8, Group},
        {NoControlId, ControlKind::GroupBox, QT_TRANSLATE_NOOP("MainDialog", "Radar Screen"), 4, 15, 203, 206, 0},
    };
    AddColumnLetters(controls);
    for (int r = 0; r < BoardSize; ++r)
        AddRow(controls, r);
    AddColumnCounts(controls);
    AddFleetPanel(controls);
    // The hidden button is the dialog's only default button; being disabled, it keeps Enter from doing anything by default.
    // The status line holds two lines of text: the notice about another fleet that fits needs both.
    const Controls bottom = {
        {IDC_STATUS, ControlKind::Static, "", 4, 223, 333, 22, Group | StaticEdge | ClientEdge | AnnouncesChanges},
        {IDC_START_GAME, ControlKind::PushButton, QT_TRANSLATE_NOOP("MainDialog", "&Start Game"), 4, 248, 41, 14, TabStop},
        {IDC_GIVE_UP, ControlKind::PushButton, QT_TRANSLATE_NOOP("MainDialog", "&Give Up..."), 52, 248, 41, 14,
         TabStop | Disabled},
        {IDC_CLUE, ControlKind::PushButton, QT_TRANSLATE_NOOP("MainDialog", "&Clue"), 100, 248, 33, 14, TabStop | Disabled},
        {IDC_UNDO, ControlKind::PushButton, QT_TRANSLATE_NOOP("MainDialog", "&Undo"), 140, 248, 33, 14, TabStop | Disabled},
        {IDC_SCORE, ControlKind::PushButton, QT_TRANSLATE_NOOP("MainDialog", "Sco&re..."), 182, 248, 34, 14, TabStop},
        {IDC_HELP, ControlKind::PushButton, QT_TRANSLATE_NOOP("MainDialog", "&Help"), 224, 248, 34, 14, TabStop},
        {IDC_ABOUT, ControlKind::PushButton, QT_TRANSLATE_NOOP("MainDialog", "&About..."), 266, 248, 34, 14, TabStop},
        {IDC_EXIT, ControlKind::PushButton, QT_TRANSLATE_NOOP("MainDialog", "E&xit"), 308, 248, 29, 14, TabStop},
        {IDC_HIDDEN_DEFAULT, ControlKind::PushButton, "", 311, 198, 15, 14, DefaultButton | TabStop | Disabled | Hidden},
    };
    controls.insert(controls.end(), bottom.begin(), bottom.end());
    return dialog;
}

} // namespace

const DialogTemplate& MainDialogTemplate()
{
    static const DialogTemplate dialog = BuildMainDialog();
    return dialog;
}
