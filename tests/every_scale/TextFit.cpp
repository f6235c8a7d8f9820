// What each text of a window needs and what its control gives it, and which controls overlap, as the window
// is laid out in the language it speaks.
#include "TextFit.h"

#include "CBitmapButton.h"
#include "CDialog.h"
#include "CGroupBox.h"
#include "CPicture.h"
#include "CStaticIcon.h"
#include "PictureGeometry.h"
#include "Pictures.h"
#include "PieceLabels.h"
#include "ResourceIds.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextLayout>
#include <QWidgetAction>

#include <cmath>

namespace {

// The menu's text items stand between the classic menu's indent and its right margin.
constexpr int MenuTextIndent = 22;
constexpr int MenuTextRightMargin = 12;

// The text as shown: "&&" is an ampersand, a single "&" marks the mnemonic and is not drawn.
QString Shown(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return shown;
}

// The widest line and the lines' heights, each line as high as the rounded ascent and descent of the fonts
// that draw it (as a font's own height is rounded), so that a line in a script the dialog font lacks is as
// high as the desktop's font for that script makes it; the lines stand as the toolkit draws a text in a
// rectangle, the dialog font's leading between them, each on a whole pixel.
QSize TextSize(const QFont& font, const QString& text, int width, bool wrap)
{
    QTextLayout layout(Shown(text), font);
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const qreal leading = QFontMetricsF(font).leading();
    qreal widest = 0;
    qreal height = -leading;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrap ? width : 1'000'000);
        widest = std::max(widest, line.naturalTextWidth());
        height = std::ceil(height + leading) + qRound(line.ascent()) + qRound(line.descent());
    }
    layout.endLayout();
    return QSize(qRound(widest), int(std::ceil(std::max<qreal>(height, 0))));
}

QRect RectInWindow(const QWidget& control, const QRect& rect)
{
    return QRect(control.mapTo(control.window(), rect.topLeft()), rect.size());
}

QString Describe(const QWidget& control)
{
    const QVariant id = control.property("controlId");
    const QString kind = QString::fromLatin1(control.metaObject()->className());
    return id.isValid() ? kind + QLatin1Char(' ') + QString::number(id.toInt()) : kind;
}

// The place a text takes in its room, as the alignment puts it there.
QRect Placed(const QSize& needed, const QRect& room, Qt::Alignment alignment)
{
    return QStyle::alignedRect(Qt::LeftToRight, alignment, needed.boundedTo(room.size()).expandedTo(needed), room);
}

class Measures {
public:
    explicit Measures(const std::map<int, QStringList>& alsoShown) : alsoShown(alsoShown) {}

    void Text(const QWidget& control, const QString& text, const QSize& needed, const QSize& room)
    {
        lines << QStringLiteral("text %1 %2 %3 %4 %5: %6")
                     .arg(needed.width())
                     .arg(needed.height())
                     .arg(room.width())
                     .arg(room.height())
                     .arg(Describe(control), QString(text).replace(QLatin1Char('\n'), QLatin1String("\\n")));
    }

    // Every text the control shows or may come to show, laid out in its room; the place of the widest.
    QRect Texts(const QWidget& control, const QString& shown, const QRect& room, bool wrap, Qt::Alignment alignment)
    {
        QStringList texts{shown};
        if (const auto more = alsoShown.find(control.property("controlId").toInt()); more != alsoShown.end())
            texts += more->second;
        QSize largest;
        for (const QString& text : texts) {
            if (text.isEmpty())
                continue;
            const QSize needed = TextSize(control.font(), text, room.width(), wrap);
            Text(control, text, needed, room.size());
            largest = largest.expandedTo(needed);
        }
        return largest.isEmpty() ? QRect() : Placed(largest, room, alignment);
    }

    QStringList lines;

private:
    const std::map<int, QStringList>& alsoShown;
};

// The part of the control that it fills: its text alone for a label without a frame, the title for a group
// box, else the whole control. Empty for a control that shows nothing. Texts are measured on the way.
QRect Occupied(QWidget& control, Measures& measures)
{
    const QRect whole = RectInWindow(control, control.rect());
    if (auto* button = qobject_cast<QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        measures.Texts(*button, button->text(), room, false, Qt::AlignCenter);
        return whole;
    }
    if (auto* box = qobject_cast<QCheckBox*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        measures.Texts(*box, box->text(), room, false, Qt::AlignLeft | Qt::AlignVCenter);
        return whole;
    }
    if (auto* group = qobject_cast<CGroupBox*>(&control)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        const QFontMetrics metrics(group->font());
        // The title stands between the frame's corners, above the first control inside the box.
        int contentTop = group->height();
        for (const QWidget* sibling : group->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (sibling != group && sibling->isVisible() && group->geometry().contains(sibling->geometry()))
                contentTop = std::min(contentTop, sibling->y() - group->y());
        const QRect room(metrics.averageCharWidth(), 0, group->width() - 2 * metrics.averageCharWidth(), contentTop);
        const QRect title = measures.Texts(*group, group->title(), room, false, Qt::AlignLeft | Qt::AlignTop);
        return RectInWindow(*group, QStyle::visualRect(group->layoutDirection(), group->rect(), title));
    }
    if (auto* label = qobject_cast<QLabel*>(&control);
        label && !qobject_cast<CPicture*>(label) && !qobject_cast<CStaticIcon*>(label) && label->pixmap().isNull()) {
        const int inset = label->margin() + std::max(0, label->indent());
        const QRect room = label->contentsRect().adjusted(inset, inset, -inset, -inset);
        const Qt::Alignment alignment = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        const QRect text = measures.Texts(*label, label->text(), room, label->wordWrap(), alignment);
        if (label->frameShape() != QFrame::NoFrame)
            return whole;
        return text.isNull() ? QRect() : RectInWindow(*label, text);
    }
    if (qobject_cast<CBitmapButton*>(&control) || qobject_cast<QLabel*>(&control))
        return whole;
    return {};
}

// The piece pictures' words as they are drawn, and the text items between the menu's indent and margin.
void MeasureMenu(QMenu& menu, Measures& measures)
{
    using namespace PictureGeometry;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        const QRect item = menu.actionGeometry(action);
        if (!qobject_cast<QWidgetAction*>(action)) {
            const QSize room(item.width() - MenuTextIndent - MenuTextRightMargin, item.height());
            measures.Text(menu, action->text(), TextSize(menu.font(), action->text(), 0, false), room);
            continue;
        }
        // The word at its own spacing, from its baseline in the picture's face and size, drawn as the picture
        // is sized: monochrome and unhinted, whose ink can differ by a pixel from a smoothed, hinted word's.
        const int id = action->data().toInt();
        const QString word = PieceLabel(PieceKind(id - IDC_FIRST_PIECE_COMMAND));
        QFont font(QString::fromLatin1(LabelFamily));
        font.setPixelSize(LabelPixelSize);
        font.setBold(LabelBold);
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferNoHinting);
        QImage canvas(4 * LabelPixelSize * (word.size() + 2), 4 * MenuHeight, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        {
            QPainter painter(&canvas);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPoint(LabelPixelSize, 2 * MenuHeight), word);
        }
        int left = canvas.width(), right = -1, top = canvas.height(), bottom = -1;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (qGray(canvas.pixel(x, y)) < 128) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        // The picture's rows hold the word from its baseline: any ink above the top row counts beyond them.
        const int above = 2 * MenuHeight - top, below = bottom + 1 - 2 * MenuHeight;
        const int height = above > LabelBaseline ? MenuHeight + above - LabelBaseline : LabelBaseline + std::max(below, 0);
        const int room = LoadMenuBitmap(id).width() - MenuLabelLeft - MenuLabelRightMargin;
        measures.lines << QStringLiteral("text %1 %2 %3 %4 menu picture %5: %6")
                              .arg(right - left + 1)
                              .arg(height)
                              .arg(room)
                              .arg(MenuHeight)
                              .arg(id)
                              .arg(word);
    }
}

} // namespace

QStringList MeasureTexts(QWidget& window, const std::map<int, QStringList>& alsoShown)
{
    Measures measures(alsoShown);
    if (auto* menu = qobject_cast<QMenu*>(&window)) {
        MeasureMenu(*menu, measures);
        return measures.lines;
    }
    // The help viewer's tabs: all of them in view, none scrolled away.
    for (QTabBar* bar : window.findChildren<QTabBar*>()) {
        int right = 0;
        for (int i = 0; i < bar->count(); ++i) {
            right = std::max(right, bar->tabRect(i).right() + 1);
            measures.Text(*bar, bar->tabText(i), TextSize(bar->font(), bar->tabText(i), 0, false), bar->tabRect(i).size());
        }
        measures.lines << QStringLiteral("text %1 0 %2 0 %3: all tabs").arg(right).arg(bar->width()).arg(Describe(*bar));
    }
    std::vector<QWidget*> controls;
    if (auto* dialog = qobject_cast<CDialog*>(&window))
        controls = dialog->Controls();
    else
        for (QWidget* child : window.findChildren<QWidget*>())
            controls.push_back(child);
    std::vector<std::pair<QWidget*, QRect>> occupied;
    for (QWidget* control : controls) {
        if (!control->isVisibleTo(&window) || control->window() != &window)
            continue;
        const QRect place = Occupied(*control, measures);
        if (place.isNull())
            continue;
        if (!window.rect().contains(place))
            measures.lines << QStringLiteral("outside %1").arg(Describe(*control));
        occupied.emplace_back(control, place);
    }
    // Controls laid out by hand must not overlap; those a layout places (the prompts', the help viewer's)
    // stand where their layout puts them, nested as it nests them.
    if (qobject_cast<CDialog*>(&window))
        for (std::size_t i = 0; i < occupied.size(); ++i)
            for (std::size_t j = i + 1; j < occupied.size(); ++j)
                if (occupied[i].second.intersects(occupied[j].second))
                    measures.lines << QStringLiteral("overlap %1 | %2").arg(Describe(*occupied[i].first), Describe(*occupied[j].first));
    return measures.lines;
}
