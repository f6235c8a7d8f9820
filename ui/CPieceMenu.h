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

    // Shows the menu with its top-left corner on a screen point (moved in from the screen edges) and
    // returns the chosen command, or 0 when the menu was dismissed.
    int TrackPopupMenu(QPoint topLeft);

    // The size of a picture item: as wide as its picture, half again as high. proposed when it has none.
    QSize MeasureItem(int id, QSize proposed) const;
    // Highlight colour or light grey, then the picture at the left, centred vertically, unscaled.
    void DrawItem(QPainter& painter, int id, const QRect& rect, bool selected) const;
};
