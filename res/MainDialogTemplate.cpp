// Template 102, the game window: top line, the grid with its counts, the fleet panel and the button row.
#include "Templates.h"

#include "FleetGenerator.h"

#include <array>

namespace {

using Controls = std::vector<ControlTemplate>;

// The grid stands on a pitch of 16 dialog units: a 15-unit square and a gap of one. The row counts
// form an eleventh column to its right and the column counts an eleventh row below it.
constexpr int Pitch = 16;
constexpr int Square = 15;
constexpr int GridLeft = 21;
constexpr int GridTop = 40;
constexpr int RowCountLeft = GridLeft + BoardSize * Pitch + 2;
constexpr int ColumnCountTop = GridTop + BoardSize * Pitch + 2;

constexpr int FirstRowCountId = 4000;
constexpr int FirstColumnCountId = 5000;
constexpr int FirstShipCheckId = 6000;
constexpr int FirstColumnLetterId = 7000;

// The fleet panel lists the ships in the order of the fleet table, 17 dialog units apart.
constexpr int ShipTop = 41;
constexpr int ShipPitch = 17;
constexpr std::array<const char*, 5> ShipNameByLength = {"", "Submarine", "Destroyer", "Cruiser", "Battleship"};

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
        controls.push_back({FirstColumnLetterId + j, ControlKind::Static, QString(QChar('A' + j)), GridX(j), 28,
                            Square, 8, AlignCenter | Group});
}

void AddRow(Controls& controls, int r)
{
    controls.push_back({NoControlId, ControlKind::Static, RowLabelText(r), 9, GridY(r), 8, Square, AlignRight | Group});
    for (int j = 0; j < BoardSize; ++j)
        controls.push_back({FirstCellId + r * BoardSize + j, ControlKind::OwnerDrawButton, QString(), GridX(j),
                            GridY(r), Square, Square, TabStop});
    controls.push_back({FirstRowCountId + r, ControlKind::Static, QString(), RowCountLeft, GridY(r), Square, Square,
                        AlignCenter | StaticEdge});
}

void AddColumnCounts(Controls& controls)
{
    for (int j = 0; j < BoardSize; ++j)
        controls.push_back({FirstColumnCountId + j, ControlKind::Static, QString(), GridX(j), ColumnCountTop, Square,
                            Square, AlignCenter | StaticEdge});
}

// All ten boxes come before the pictures: the first picture's group start closes the boxes' tab group.
void AddFleetPanel(Controls& controls)
{
    controls.push_back(
        {NoControlId, ControlKind::GroupBox, "Check &Off Ships As You Find Them", 212, 15, 125, 206, TabStop});
    for (int k = 0; k < int(FleetTable.size()); ++k)
        controls.push_back({FirstShipCheckId + k, ControlKind::AutoCheckBox, ShipNameByLength[FleetTable[k]], 218,
                            ShipTop + k * ShipPitch, 46, 10, k == 0 ? Disabled | Group | TabStop : Disabled});
    for (int k = 0; k < int(FleetTable.size()); ++k)
        controls.push_back({NoControlId, ControlKind::StaticPicture, QString("IDB_COUNT_%1").arg(FleetTable[k]), 272,
                            ShipTop + k * ShipPitch, 11, 11, k == 0 ? Group : 0u});
}

DialogTemplate BuildMainDialog()
{
    DialogTemplate dialog{102, "Corvane", 341, 256, 8, MinimizeBox | AppWindow, {}};
    Controls& controls = dialog.controls;
    controls = {
        {NoControlId, ControlKind::Static, "Current Game:", 4, 2, 44, 8, Group},
        {1014, ControlKind::Static, "", 53, 2, 17, 8, Group},
        {NoControlId, ControlKind::Static, "Current Score:", 82, 2, 43, 8, Group},
        {1011, ControlKind::Static, "", 132, 2, 17, 8, Group},
        {NoControlId, ControlKind::Static, "Total Score:", 159, 2, 38, 8, Group},
        {1012, ControlKind::Static, "", 201, 2, 26, 8, Group},
        {NoControlId, ControlKind::Static, "Total Games:", 233, 2, 42, 8, Group},
        {1013, ControlKind::Static, "", 280, 2, 29, 8, Group},
        {NoControlId, ControlKind::GroupBox, "Radar Screen", 4, 15, 203, 206, 0},
    };
    AddColumnLetters(controls);
    for (int r = 0; r < BoardSize; ++r)
        AddRow(controls, r);
    AddColumnCounts(controls);
    AddFleetPanel(controls);
    // 1015 is the dialog's only default button; being disabled, it keeps Enter from doing anything by default.
    const Controls bottom = {
        {1010, ControlKind::Static, "", 4, 223, 333, 14, Group | StaticEdge | ClientEdge},
        {1000, ControlKind::PushButton, "&Start Game", 4, 240, 41, 14, TabStop},
        {1005, ControlKind::PushButton, "&Give Up...", 52, 240, 41, 14, TabStop | Disabled},
        {1003, ControlKind::PushButton, "&Clue", 100, 240, 33, 14, TabStop | Disabled},
        {1004, ControlKind::PushButton, "&Undo", 140, 240, 33, 14, TabStop | Disabled},
        {1006, ControlKind::PushButton, "Sco&re...", 182, 240, 34, 14, TabStop},
        {1007, ControlKind::PushButton, "&Help", 224, 240, 34, 14, TabStop},
        {1008, ControlKind::PushButton, "&About...", 266, 240, 34, 14, TabStop},
        {1, ControlKind::PushButton, "E&xit", 308, 240, 29, 14, TabStop},
        {1015, ControlKind::PushButton, "", 311, 198, 15, 14, DefaultButton | TabStop | Disabled | Hidden},
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
