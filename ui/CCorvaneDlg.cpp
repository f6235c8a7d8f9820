// The game window: construction, initialisation, enabling controls and the ways of closing.
#include "CCorvaneDlg.h"

#include "Announcements.h"
#include "CBitmapButton.h"
#include "CPieceMenu.h"
#include "CWinApp.h"
#include "Pictures.h"
#include "Templates.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>

namespace {

// The labels that take the size of a cell picture: row counts, column counts, column letters.
constexpr int PictureSizedLabelBlocks[] = {IDC_FIRST_ROW_COUNT, IDC_FIRST_COLUMN_COUNT, IDC_FIRST_COLUMN_LETTER};

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

void CCorvaneDlg::keyPressEvent(QKeyEvent* event)
{
    if (ReadBoard(*event))
        return;
    // Undo's own key while there is nothing to take back: a disabled button's key would say nothing at all.
    if (!UndoButton->isEnabled() && event->keyCombination() == QKeySequence::mnemonic(UndoButton->text())[0]) {
        Announce(NothingToUndoAnnouncement());
        return;
    }
    CDialog::keyPressEvent(event);
}

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

