// The pop-up menu of piece pictures and fill commands that opens on a cell.
#pragma once

#include <QMenu>

class CPieceMenu : public QMenu {
    Q_OBJECT
public:
    explicit CPieceMenu(QWidget* owner);

    // An item drawn by DrawItem from the picture numbered id.
    void AppendOwnerDrawItem(int id);
    void AppendSeparator();
    void AppendString(int id, const QString& text);

    // Shows the menu with its top-left corner on a screen point (its top-right corner when the menu is laid
    // out right to left; moved in from the screen edges) and returns the chosen command, or 0 when the menu
    // was dismissed.
    int TrackPopupMenu(QPoint topLeft);
    // Whether the last showing highlighted any item, by keys or by the mouse: a screen reader then followed
    // the highlight into the menu.
    bool HighlightedAnItem() const { return highlighted; }

    // Half again as high as the item's picture, so that the pictures stand apart and the highlight shows
    // round the one under the pointer; proposed for an item without a picture.
    QSize MeasureItem(int id, QSize proposed) const;
    // The whole item takes the highlight, since the picture itself never changes; the picture is drawn at
    // its own size so that its pixels stay sharp.
    void DrawItem(QPainter& painter, int id, const QRect& rect, bool selected) const;

private:
    bool highlighted = false;
};
