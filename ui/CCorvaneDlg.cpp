// The game window: construction, initialisation, the control lookups and the ways of closing.
#include "CCorvaneDlg.h"

#include "CBitmapButton.h"
#include "CPieceMenu.h"
#include "CWinApp.h"
#include "ControlNames.h"
#include "Pictures.h"
#include "Templates.h"

#include <QLabel>
#include <QPushButton>

namespace {

// The labels that take the size of a cell picture: row counts, column counts, column letters.
constexpr int PictureSizedLabelBlocks[] = {IDC_FIRST_ROW_COUNT, IDC_FIRST_COLUMN_COUNT, IDC_FIRST_COLUMN_LETTER};

// A cell shows its up, down, focused and disabled pictures; a clue shows its one picture in every state.
constexpr char NormalLetters[] = "UDFX";
constexpr char ClueLetters[] = "XXXX";

} // namespace

CCorvaneDlg::CCorvaneDlg(GameRandom& random, QWidget* parent)
    : CDialog(MainDialogTemplate(), parent), AppIcon(LoadAppIcon()), Random(random)
{
    LoadStats();
    connect(&NoticeCounter, &FleetCounter::Counted, this, &CCorvaneDlg::UpdateFleetNotice);
}

CCorvaneDlg::~CCorvaneDlg() = default;

void CCorvaneDlg::DoDataExchange()
{
    StartGameButton = Item<QPushButton>(IDC_START_GAME);
    GiveUpButton = Item<QPushButton>(IDC_GIVE_UP);
    UndoButton = Item<QPushButton>(IDC_UNDO);
    StatusText = Item<QLabel>(IDC_STATUS);
    ClueButton = Item<QPushButton>(IDC_CLUE);
    for (int i = 0; i < CellCount; ++i)
        Cells[i] = Item<CBitmapButton>(IDC_FIRST_CELL + i);
}

void CCorvaneDlg::ConnectHandlers()
{
    OnClicked(IDC_START_GAME, [this] { OnStartGame(); });
    OnClicked(IDC_CLUE, [this] { OnClue(); });
    OnClicked(IDC_UNDO, [this] { OnUndo(); });
    OnClicked(IDC_GIVE_UP, [this] { OnGiveUp(); });
    OnClicked(IDC_SCORE, [this] { OnScore(); });
    OnClicked(IDC_ABOUT, [this] { OnAbout(); });
    OnClicked(IDC_HELP, [this] { OnHelp(); });
    OnClickedRange(IDC_FIRST_CELL, IDC_LAST_CELL, [this](int id) { OnCellClicked(id); });
    OnClicked(IDC_EXIT, [this] { OnOK(); });
}

bool CCorvaneDlg::OnInitDialog()
{
    DoDataExchange();
    ShowStats();
    CenterWindow();
    setWindowIcon(AppIcon);
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id) {
        SetCell(CellById(id), UNKNOWN, false);
        EnableControl(CellById(id), false);
    }
    BuildPieceMenu();
    SizeLabels();
    GotoDlgCtrl(StartGameButton);
    return false;
}

void CCorvaneDlg::OnOK()
{
    if (CWinApp* app = AfxGetApp())
        app->WinHelp(0, HELP_QUIT);
    CDialog::OnOK();
}

void CCorvaneDlg::OnCancel() {}

void CCorvaneDlg::OnClose() { OnOK(); }

void CCorvaneDlg::OnDestroy()
{
    SaveStats();
    PieceMenu.reset();
}

CBitmapButton* CCorvaneDlg::CellById(int id) const { return Cells[id - IDC_FIRST_CELL]; }

CBitmapButton* CCorvaneDlg::CellAt(int row, int column) const { return CellById(CellId(row, column)); }

void CCorvaneDlg::EnableControl(QWidget* control, bool enable)
{
    if (!enable)
        MoveFocusOff(control);
    control->setEnabled(enable);
}

void CCorvaneDlg::EnableCells(bool enable)
{
    for (int id = IDC_FIRST_CELL; id <= IDC_LAST_CELL; ++id)
        EnableControl(CellById(id), enable);
}

void CCorvaneDlg::SizeLabels()
{
    const QImage picture = LoadBitmap(CellPictureName(NORTH, false, 'D'));
    if (picture.isNull())
        return;
    for (int first : PictureSizedLabelBlocks)
        for (int id = first; id < first + BoardSize; ++id)
            GetDlgItem(id)->resize(picture.size());
}

void CCorvaneDlg::SetCell(CBitmapButton* cell, PieceKind kind, bool clue)
{
    const char* letters = clue ? ClueLetters : NormalLetters;
    cell->LoadBitmaps(CellPictureName(kind, clue, letters[0]), CellPictureName(kind, clue, letters[1]),
                      CellPictureName(kind, clue, letters[2]), CellPictureName(kind, clue, letters[3]));
    cell->setText(QString::fromStdString(KindToText(kind)));
    const int index = GetDlgCtrlID(cell) - IDC_FIRST_CELL;
    // Each new name is an event a screen reader must get through; a hundred unchanged ones, as Undo and
    // Start Game would send, make it drop what comes after them.
    const QString name = CellAccessibleName(index / BoardSize, index % BoardSize, kind, clue);
    if (name != cell->accessibleName())
        cell->setAccessibleName(name);
    if (clue)
        EnableControl(cell, false);
    cell->update();
}

PieceKind CCorvaneDlg::GetMark(const CBitmapButton* cell) const
{
    return KindFromText(cell->text().toStdString());
}

PieceKind CCorvaneDlg::CellMarks::MarkAt(int row, int column) const
{
    return dialog.GetMark(dialog.CellAt(row, column));
}

void CCorvaneDlg::CellMarks::SetMark(int row, int column, PieceKind kind)
{
    dialog.SetCell(dialog.CellAt(row, column), kind, false);
}

QWidget* CCorvaneDlg::ArrowTarget(QWidget* from, int key) const
{
    const int id = GetDlgCtrlID(from);
    if (id < IDC_FIRST_CELL || id > IDC_LAST_CELL)
        return CDialog::ArrowTarget(from, key);

    // Within the grid the arrows walk the row or the column, past cells that cannot be used.
    const int rowStep = key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
    const int columnStep = key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0;
    int row = (id - IDC_FIRST_CELL) / BoardSize + rowStep;
    int column = (id - IDC_FIRST_CELL) % BoardSize + columnStep;
    for (; row >= 0 && row < BoardSize && column >= 0 && column < BoardSize; row += rowStep, column += columnStep)
        if (CellAt(row, column)->isEnabled())
            return CellAt(row, column);
    return nullptr;
}
