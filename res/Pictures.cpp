// The program's pictures, drawn once from their geometry and found by name or number.
#include "Pictures.h"

#include "FleetGenerator.h"
#include "IconGeometry.h"
#include "PictureGeometry.h"
#include "PieceLabels.h"
#include "ResourceIds.h"
#include "VectorIconEngine.h"

#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QPainterPath>
#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

using namespace PictureGeometry;

namespace {

QImage BlankPicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_Indexed8);
    picture.setColorTable(QList<QRgb>(Palette.begin(), Palette.end()));
    picture.fill(LightGrey);
    return picture;
}

void FillRect(QImage& picture, int left, int top, int width, int height, uint colour)
{
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            picture.setPixel(x, y, colour);
}

// Whether (row, column) of the symbol square lies in the part that a rounded corner takes away.
bool CutByCorners(unsigned roundedCorners, int row, int column)
{
    const int last = SymbolSize - 1;
    for (Corner corner : Corners) {
        if (!(roundedCorners & corner))
            continue;
        const int line = (corner & (BottomLeft | BottomRight)) ? last - row : row;
        const int depth = (corner & (TopRight | BottomRight)) ? last - column : column;
        if (line < int(CornerProfile.size()) && depth < CornerProfile[line])
            return true;
    }
    return false;
}

bool Covers(const Symbol& symbol, int row, int column)
{
    const int last = SymbolSize - 1;
    switch (symbol.fill) {
    case Fill::Solid:
        return !CutByCorners(symbol.roundedCorners, row, column);
    case Fill::Outline:
        return row == 0 || column == 0 || row == last || column == last;
    case Fill::Nothing:
        break;
    }
    return false;
}

void DrawSymbol(QImage& picture, int left, int top, const Symbol& symbol)
{
    for (int row = 0; row < SymbolSize; ++row)
        for (int column = 0; column < SymbolSize; ++column)
            if (Covers(symbol, row, column))
                picture.setPixel(left + column, top + row, symbol.colour);
}

// Lit from the top left: white top and left edges, dark grey inner shadow, black outer shadow.
QImage RaisedTile(const Symbol& symbol)
{
    const int last = CellSize - 1;
    QImage picture = BlankPicture(CellSize, CellSize);
    FillRect(picture, 0, 0, last, 1, White);
    FillRect(picture, 0, 0, 1, last, White);
    FillRect(picture, last - 1, 1, 1, last - 1, DarkGrey);
    FillRect(picture, 1, last - 1, last - 1, 1, DarkGrey);
    FillRect(picture, 0, last, CellSize, 1, Black);
    FillRect(picture, last, 0, 1, CellSize, Black);
    DrawSymbol(picture, CellSymbolOffset, CellSymbolOffset, symbol);
    return picture;
}

// Pushed in: a flat black frame, and the symbol one pixel further right and down.
QImage PressedTile(const Symbol& symbol)
{
    QImage picture = BlankPicture(CellSize, CellSize);
    FillRect(picture, 0, 0, CellSize, CellSize, Black);
    FillRect(picture, 1, 1, CellSize - 2, CellSize - 2, LightGrey);
    DrawSymbol(picture, CellSymbolOffset + 1, CellSymbolOffset + 1, symbol);
    return picture;
}

QImage FocusedTile(const Symbol& symbol)
{
    QImage picture = RaisedTile(symbol);
    for (int line : FocusDotLines)
        for (int position = 1; position < CellSize - 1; position += 2) {
            picture.setPixel(position, line, Black);
            picture.setPixel(line, position, Black);
        }
    return picture;
}

QImage ClueTile(const Symbol& symbol)
{
    QImage picture = RaisedTile(symbol);
    const int firstRow = DiamondCentre - int(DiamondHalfWidths.size()) / 2;
    for (int i = 0; i < int(DiamondHalfWidths.size()); ++i)
        FillRect(picture, DiamondCentre - DiamondHalfWidths[i], firstRow + i, 2 * DiamondHalfWidths[i] + 1, 1, White);
    return picture;
}

QImage CellPicture(Tile tile, const Symbol& symbol)
{
    switch (tile) {
    case Tile::Raised:
        return RaisedTile(symbol);
    case Tile::Pressed:
        return PressedTile(symbol);
    case Tile::Focused:
        return FocusedTile(symbol);
    case Tile::Clue:
        return ClueTile(symbol);
    }
    return {};
}

QImage ShipPicture(int length)
{
    QImage picture = BlankPicture(CellSize * length, CellSize);
    for (int block = 0; block < length; ++block)
        DrawSymbol(picture, CellSize * block + CellSymbolOffset, CellSymbolOffset,
                   Pieces[ShipPiece(length, block, ShipAxis::Across)].symbol);
    return picture;
}

// The labels' face at every scale, so that a menu looks the same whatever the screen: bold, its size and
// letter spacing in pixels of scale 1.
QFont LabelFont(qreal letterSpacing, bool smooth)
{
    QFont font(LabelFamily);
    font.setPixelSize(LabelPixelSize);
    font.setBold(LabelBold);
    // At scale 1 monochrome glyphs: the label stays black on light grey, with no blended colours outside the
    // palette; at other scales smooth, as the round ends are.
    font.setStyleStrategy(smooth ? QFont::PreferAntialias : QFont::NoAntialias);
    // Unhinted advances keep the gaps between letters even once the spacing is widened.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return font;
}

// Device pixels wide enough for the label at any spacing tried.
int CanvasWidth(const QString& text, qreal ratio)
{
    return qRound((MenuLabelLeft + text.size() * (2 * LabelPixelSize + 4) + 40) * ratio);
}

// Whether a label may fill its span by spacing its letters apart: not in a script whose letters join
// (Arabic), where the spacing would break the words apart.
bool Spreads(const QString& text)
{
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        const QChar::JoiningType joining = c.joiningType();
        return joining == QChar::Joining_Dual || joining == QChar::Joining_Right || joining == QChar::Joining_Causing;
    });
}

// The label in black on white at a device pixel ratio, drawn well inside a canvas of canvasWidth device
// pixels, wide enough for any spacing tried; smooth as every scale but 1 draws it.
QImage RenderLabel(const QString& text, qreal letterSpacing, int canvasWidth, qreal ratio, bool smooth)
{
    QImage canvas(canvasWidth, qRound(MenuHeight * ratio), QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    canvas.setDevicePixelRatio(ratio);
    QPainter painter(&canvas);
    painter.setFont(LabelFont(letterSpacing, smooth));
    painter.setPen(Qt::black);
    painter.drawText(QPoint(MenuLabelLeft, LabelBaseline), text);
    return canvas;
}

bool IsInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// First and last columns holding ink; (canvas width, -1) for an empty canvas.
std::pair<int, int> InkColumns(const QImage& canvas)
{
    int first = canvas.width(), last = -1;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (IsInk(canvas.pixel(x, y))) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

int InkWidth(const QImage& canvas)
{
    const auto [first, last] = InkColumns(canvas);
    return last - first + 1;
}

// The ink grows with the letter spacing one pixel step at a time, so a bisection finds the smallest
// spacing that makes it exactly inkWidth device pixels wide, as far as the spacing goes; a label whose
// letters join keeps its own spacing.
QImage FittedLabel(const QString& text, int inkWidth, qreal ratio)
{
    const int canvasWidth = std::max(3 * (qRound(MenuLabelLeft * ratio) + inkWidth), CanvasWidth(text, ratio));
    if (!Spreads(text))
        return RenderLabel(text, 0, canvasWidth, ratio, ratio != 1.0);
    qreal narrow = -2.0, wide = 4.0;
    for (int step = 0; step < 16; ++step) {
        const qreal middle = (narrow + wide) / 2;
        if (InkWidth(RenderLabel(text, middle, canvasWidth, ratio, ratio != 1.0)) < inkWidth)
            narrow = middle;
        else
            wide = middle;
    }
    return RenderLabel(text, wide, canvasWidth, ratio, ratio != 1.0);
}

// The label written from device column left to right (exclusive), its ink filling exactly that span, or
// from the side where its reading starts when it cannot be spread; at scale 1 every pixel black or left
// as it is, elsewhere blended into the light grey as the glyphs' edges are.
void DrawLabel(QImage& picture, const QString& text, int left, int right, qreal ratio, bool rightToLeft)
{
    const QImage label = FittedLabel(text, right - left, ratio);
    const auto [first, last] = InkColumns(label);
    const int shift = rightToLeft && !Spreads(text) ? last - (right - 1) : first - left;
    const QRgb face = Palette[LightGrey];
    for (int y = 0; y < std::min(picture.height(), label.height()); ++y)
        for (int x = left; x < right; ++x) {
            if (!label.valid(x + shift, y))
                continue;
            const int ink = 255 - qGray(label.pixel(x + shift, y));
            if (ratio == 1.0) {
                if (IsInk(label.pixel(x + shift, y)))
                    picture.setPixel(x, y, Black);
            } else if (ink > 0) {
                const auto mix = [ink](int channel) { return channel * (255 - ink) / 255; };
                picture.setPixel(x, y, qRgb(mix(qRed(face)), mix(qGreen(face)), mix(qBlue(face))));
            }
        }
}

// As wide as its stored picture, or wider where the label needs more room at its own spacing: drawn
// monochrome or smooth, whichever reaches further, as the smooth edges of some letters reach a pixel
// beyond their monochrome ink.
int MenuPictureWidth(PieceKind kind, const QString& label)
{
    const int canvasWidth = CanvasWidth(label, 1.0);
    const int natural = std::max(InkWidth(RenderLabel(label, 0, canvasWidth, 1.0, false)),
                                 InkWidth(RenderLabel(label, 0, canvasWidth, 1.0, true)));
    return std::max(MenuPictureWidths[kind], MenuLabelLeft + natural + MenuLabelRightMargin);
}

// Where the symbol and the label stand in a picture of the given width: in a language written right to
// left the symbol at the right, the label to its left, as a menu of such a language lays out its items.
struct MenuPlaces {
    int symbolLeft;
    int labelLeft;
    int labelRight; // exclusive
};

MenuPlaces PlacesIn(int width, bool rightToLeft)
{
    if (rightToLeft)
        return {width - MenuSymbolOffset - SymbolSize, MenuLabelRightMargin, width - MenuLabelLeft};
    return {MenuSymbolOffset, MenuLabelLeft, width - MenuLabelRightMargin};
}

QImage MenuPicture(PieceKind kind, const QString& label, bool rightToLeft)
{
    QImage picture = BlankPicture(MenuPictureWidth(kind, label), MenuHeight);
    const MenuPlaces places = PlacesIn(picture.width(), rightToLeft);
    const Symbol& symbol = kind == UNKNOWN ? UnknownMenuSymbol : Pieces[kind].symbol;
    DrawSymbol(picture, places.symbolLeft, MenuSymbolOffset, symbol);
    DrawLabel(picture, label, places.labelLeft, places.labelRight, 1.0, rightToLeft);
    return picture;
}

// Drawing at another device pixel ratio: the same geometry laid out in device pixels, every edge one
// line width thick on every side, round ends and the diamond antialiased. Names and numbers are those of
// the pictures at scale 1, which stay the pixel art above.
class ScaledArt {
public:
    explicit ScaledArt(qreal ratio) : ratio(ratio), line(std::max(1, qRound(ratio))) {}

    QImage Cell(Tile tile, const Symbol& symbol) const
    {
        QImage picture = Blank(CellSize, CellSize);
        QPainter painter(&picture);
        const int size = picture.width(), b = line;
        if (tile == Tile::Pressed) {
            painter.fillRect(0, 0, size, size, Colour(Black));
            painter.fillRect(b, b, size - 2 * b, size - 2 * b, Colour(LightGrey));
            DrawSymbol(painter, CellSymbolOffset, CellSymbolOffset, b, symbol);
            return Finished(picture);
        }
        painter.fillRect(0, 0, size - b, b, Colour(White));
        painter.fillRect(0, 0, b, size - b, Colour(White));
        painter.fillRect(size - 2 * b, b, b, size - 2 * b, Colour(DarkGrey));
        painter.fillRect(b, size - 2 * b, size - 2 * b, b, Colour(DarkGrey));
        painter.fillRect(0, size - b, size, b, Colour(Black));
        painter.fillRect(size - b, 0, b, size, Colour(Black));
        DrawSymbol(painter, CellSymbolOffset, CellSymbolOffset, 0, symbol);
        if (tile == Tile::Focused)
            DrawFocusDots(painter, size);
        if (tile == Tile::Clue)
            DrawDiamond(painter);
        return Finished(picture);
    }

    QImage Ship(int length) const
    {
        QImage picture = Blank(CellSize * length, CellSize);
        QPainter painter(&picture);
        for (int block = 0; block < length; ++block)
            DrawSymbol(painter, CellSize * block + CellSymbolOffset, CellSymbolOffset, 0,
                       Pieces[ShipPiece(length, block, ShipAxis::Across)].symbol);
        return Finished(picture);
    }

    // The symbol, then the label in the face of scale 1, its ink from the label column to the margin.
    QImage Menu(PieceKind kind, const QString& label, bool rightToLeft) const
    {
        const int width = MenuPictureWidth(kind, label);
        const MenuPlaces places = PlacesIn(width, rightToLeft);
        QImage picture = Blank(width, MenuHeight);
        {
            QPainter painter(&picture);
            DrawSymbol(painter, places.symbolLeft, MenuSymbolOffset, 0,
                       kind == UNKNOWN ? UnknownMenuSymbol : Pieces[kind].symbol);
        }
        DrawLabel(picture, label, Px(places.labelLeft), Px(places.labelRight), ratio, rightToLeft);
        return Finished(picture);
    }

private:
    static QColor Colour(PictureGeometry::Colour index) { return QColor::fromRgb(Palette[index]); }

    int Px(qreal logical) const { return qRound(logical * ratio); }

    QImage Blank(int width, int height) const
    {
        QImage picture(Px(width), Px(height), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Colour(LightGrey));
        return picture;
    }

    QImage Finished(QImage& picture) const
    {
        picture.setDevicePixelRatio(ratio);
        return picture;
    }

    // The symbol's square at (left, top) in pixels of scale 1, moved shift device pixels right and down,
    // as the pressed tile moves it.
    void DrawSymbol(QPainter& painter, int left, int top, int shift, const Symbol& symbol) const
    {
        const QRect square(QPoint(Px(left) + shift, Px(top) + shift),
                           QPoint(Px(left + SymbolSize) + shift - 1, Px(top + SymbolSize) + shift - 1));
        const QColor colour = Colour(symbol.colour);
        switch (symbol.fill) {
        case Fill::Nothing:
            return;
        case Fill::Outline:
            painter.fillRect(square.left(), square.top(), square.width(), line, colour);
            painter.fillRect(square.left(), square.bottom() + 1 - line, square.width(), line, colour);
            painter.fillRect(square.left(), square.top(), line, square.height(), colour);
            painter.fillRect(square.right() + 1 - line, square.top(), line, square.height(), colour);
            return;
        case Fill::Solid:
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            painter.fillPath(RoundedSquare(QRectF(square), symbol.roundedCorners), colour);
            painter.restore();
            return;
        }
    }

    // The square with each flagged corner rounded to a quarter circle of half its side, so that a disc
    // is a circle and a ship end a half circle.
    static QPainterPath RoundedSquare(const QRectF& square, unsigned roundedCorners)
    {
        const qreal radius = square.width() / 2;
        QPainterPath path;
        path.addRect(square);
        const struct {
            Corner corner;
            QPointF at;
        } corners[] = {{TopLeft, square.topLeft()},
                       {TopRight, square.topRight() - QPointF(radius, 0)},
                       {BottomLeft, square.bottomLeft() - QPointF(0, radius)},
                       {BottomRight, square.bottomRight() - QPointF(radius, radius)}};
        for (const auto& c : corners) {
            if (!(roundedCorners & c.corner))
                continue;
            QPainterPath cut;
            cut.addRect(QRectF(c.at, QSizeF(radius, radius)));
            QPainterPath round;
            round.addEllipse(square.center(), radius, radius);
            path = path.subtracted(cut.subtracted(round));
        }
        return path;
    }

    // Dots one line wide along the second line in from the top and left and the line just inside the
    // shadow, as at scale 1; as many as fit at least one line apart, spread evenly from end to end so
    // that the four sides meet on dots.
    void DrawFocusDots(QPainter& painter, int size) const
    {
        const int b = line, near = b, far = size - 3 * b;
        const int intervals = (far - near) / (2 * b);
        for (int i = 0; i <= intervals; ++i) {
            const int position = near + qRound(qreal(i) * (far - near) / intervals);
            for (int edge : {near, far}) {
                painter.fillRect(position, edge, b, b, Colour(Black));
                painter.fillRect(edge, position, b, b, Colour(Black));
            }
        }
    }

    void DrawDiamond(QPainter& painter) const
    {
        const qreal centre = (DiamondCentre + 0.5) * ratio;
        const qreal reach = (DiamondHalfWidths.size() / 2 + 0.5) * ratio;
        const QPointF points[] = {{centre, centre - reach}, {centre + reach, centre}, {centre, centre + reach},
                                  {centre - reach, centre}};
        QPainterPath diamond;
        diamond.addPolygon(QPolygonF(std::begin(points), std::end(points)));
        diamond.closeSubpath();
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(diamond, Colour(White));
        painter.restore();
    }

    qreal ratio;
    int line; // the width of every edge, frame and dot: a whole number of device pixels
};

// The pixel art of scale 1, in the shape that DrawCatalogue asks of an artist.
struct PixelArt {
    QImage Cell(Tile tile, const Symbol& symbol) const { return CellPicture(tile, symbol); }
    QImage Ship(int length) const { return ShipPicture(length); }
};

template <class Art>
QHash<QString, QImage> DrawCatalogue(const Art& art)
{
    QHash<QString, QImage> catalogue;
    for (int code = 0; code < PieceKindCount; ++code) {
        const PiecePictures& pictures = Pieces[code];
        for (const CellState& state : NormalStates)
            catalogue.insert(CellPictureName(PieceKind(code), false, state.letter), art.Cell(state.tile, pictures.symbol));
        if (pictures.hasCluePicture)
            catalogue.insert(CellPictureName(PieceKind(code), true, ClueState.letter),
                             art.Cell(ClueState.tile, pictures.symbol));
    }
    for (int length = 1; length <= LongestShip; ++length)
        catalogue.insert(ShipPictureName(length), art.Ship(length));
    return catalogue;
}

} // namespace

QString CellPictureName(PieceKind kind, bool clue, char stateLetter)
{
    return QStringLiteral("IDB_%1%2_%3").arg(clue ? QLatin1String(CluePrefix) : QLatin1String(), QLatin1String(PieceName(kind)),
                                            QChar::fromLatin1(stateLetter));
}

QString ShipPictureName(int length) { return QStringLiteral("IDB_COUNT_%1").arg(length); }

QImage LoadBitmap(const QString& name)
{
    static const QHash<QString, QImage> catalogue = DrawCatalogue(PixelArt());
    return catalogue.value(name);
}

QImage LoadBitmap(const QString& name, qreal devicePixelRatio)
{
    if (devicePixelRatio == 1.0)
        return LoadBitmap(name);
    // One catalogue per ratio, drawn the first time a screen of that ratio asks.
    static std::map<qreal, QHash<QString, QImage>> catalogues;
    auto found = catalogues.find(devicePixelRatio);
    if (found == catalogues.end())
        found = catalogues.emplace(devicePixelRatio, DrawCatalogue(ScaledArt(devicePixelRatio))).first;
    return found->second.value(name);
}

QImage LoadMenuBitmap(int id) { return LoadMenuBitmap(id, 1.0); }

// Drawn once for each ratio, word and direction: the word is the piece's label in the language spoken.
QImage LoadMenuBitmap(int id, qreal devicePixelRatio)
{
    const int code = id - IDC_FIRST_PIECE_COMMAND;
    if (code < 0 || code >= PieceKindCount)
        return {};
    const PieceKind kind = PieceKind(code);
    const QString label = PieceLabel(kind);
    const bool rightToLeft = QGuiApplication::isRightToLeft();
    static std::map<std::tuple<qreal, int, QString, bool>, QImage> pictures;
    const auto key = std::make_tuple(devicePixelRatio, code, label, rightToLeft);
    auto found = pictures.find(key);
    if (found == pictures.end())
        found = pictures
                    .emplace(key, devicePixelRatio == 1.0 ? MenuPicture(kind, label, rightToLeft)
                                                          : ScaledArt(devicePixelRatio).Menu(kind, label, rightToLeft))
                    .first;
    return found->second;
}

QString MenuBitmapLabel(int id)
{
    const int code = id - IDC_FIRST_PIECE_COMMAND;
    return code < 0 || code >= PieceKindCount ? QString() : PieceLabel(PieceKind(code));
}

std::shared_ptr<const VectorIcon> AppIconDesign()
{
    static const auto design = std::make_shared<const VectorIcon>(IconGeometry::Grid, IconGeometry::Layers());
    return design;
}

QImage AppIconSmallPicture()
{
    constexpr int size = int(IconGeometry::SmallArt.size());
    QImage picture = BlankPicture(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            picture.setPixel(x, y, uint(IconGeometry::ColourKey.find(IconGeometry::SmallArt[y][x])));
    return picture.convertToFormat(QImage::Format_ARGB32);
}

QIcon LoadAppIcon()
{
    // One icon, so that what it draws for a size is drawn once.
    static const QIcon icon = [] {
        QList<QSize> offered;
        for (int size : IconGeometry::OfferedSizes)
            offered.push_back(QSize(size, size));
        return VectorIconEngine::Icon(AppIconDesign(), offered, {AppIconSmallPicture()});
    }();
    return icon;
}
