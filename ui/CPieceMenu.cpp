// The pop-up menu of piece pictures and fill commands that opens on a cell.
#include "CPieceMenu.h"

#include "ClassicStyle.h"
#include "MenuItemAccessible.h"
#include "PictureInks.h"
#include "Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionMenuItem>
#include <QWidgetAction>

namespace {

// Stands in for one owner-drawn item inside the menu: the menu lays it out at the size MeasureItem
// gives and it paints itself with DrawItem. Mouse and keyboard stay with the menu, which therefore
// highlights, chooses and walks over it as over any other item.
class OwnerDrawnItem final : public QWidget {
public:
    OwnerDrawnItem(const CPieceMenu& menu, const QAction& action) : menu(menu), action(action)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

    QSize sizeHint() const override { return menu.MeasureItem(action.data().toInt(), ProposedSize()); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        menu.DrawItem(painter, action.data().toInt(), rect(), menu.activeAction() == &action);
    }

private:
    // What the style would make of an item without text: the size an item keeps without a picture.
    QSize ProposedSize() const
    {
        QStyleOptionMenuItem option;
        option.initFrom(&menu);
        option.menuItemType = QStyleOptionMenuItem::Normal;
        const QSize text(0, menu.fontMetrics().height());
        return menu.style()->sizeFromContents(QStyle::CT_MenuItem, &option, text, &menu);
    }

    const CPieceMenu& menu;
    const QAction& action;
};

} // namespace

CPieceMenu::CPieceMenu(QWidget* owner) : QMenu(owner)
{
    // One face for the pictures and the text items: the light grey that the pictures are drawn on.
    setPalette(LookPalette());
    // A click beside the menu only closes it: it does not go on to the window underneath.
    setAttribute(Qt::WA_NoMouseReplay);
    InstallMenuItemAccessibility();
    connect(this, &QMenu::hovered, this, [this] { highlighted = true; });
}

void CPieceMenu::AppendOwnerDrawItem(int id)
{
    auto* action = new QWidgetAction(this);
    action->setData(id);
    auto* item = new OwnerDrawnItem(*this, *action);
    // The words are in the picture; a screen reader is told them by name.
    item->setAccessibleName(MenuBitmapLabel(id));
    action->setDefaultWidget(item);
    addAction(action);
}

void CPieceMenu::AppendSeparator() { addSeparator(); }

void CPieceMenu::AppendString(int id, const QString& text) { addAction(text)->setData(id); }

int CPieceMenu::TrackPopupMenu(QPoint topLeft)
{
    const QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    const QSize size = sizeHint();
    // Laid out right to left, the menu opens towards the left: its top-right corner stands on the point.
    const int left = isRightToLeft() ? topLeft.x() + 1 - size.width() : topLeft.x();
    const QPoint onScreen(std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - size.width())),
                          std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    highlighted = false;
    const QAction* chosen = exec(onScreen);
    return chosen ? chosen->data().toInt() : 0;
}

QSize CPieceMenu::MeasureItem(int id, QSize proposed) const
{
    const QImage picture = LoadMenuBitmap(id);
    if (picture.isNull())
        return proposed;
    return QSize(picture.width(), picture.height() * 3 / 2);
}

void CPieceMenu::DrawItem(QPainter& painter, int id, const QRect& rect, bool selected) const
{
    painter.fillRect(rect, selected ? palette().highlight() : palette().window());
    const qreal ratio = painter.device()->devicePixelRatioF();
    const std::optional<Inks> inks = PictureInks(palette());
    const QImage picture = inks ? LoadMenuBitmap(id, ratio, *inks) : LoadMenuBitmap(id, ratio);
    if (picture.isNull())
        return;
    // Laid out right to left, the picture stands at the item's right, where such a menu starts its items.
    const QSizeF size = picture.deviceIndependentSize();
    const int left = isRightToLeft() ? rect.right() + 1 - qRound(size.width()) : rect.left();
    painter.drawImage(left, rect.top() + (rect.height() - qRound(size.height())) / 2, picture);
}
