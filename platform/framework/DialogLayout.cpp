// Where a dialog's controls stand in the player's language: the template's rectangles, or a translation's own.
#include "DialogLayout.h"

#include "DialogTemplate.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

bool HasNumber(const QString& key, const ControlTemplate& control)
{
    return control.id != NoControlId && key == QString::number(control.id);
}

bool HasText(const QString& key, const ControlTemplate& control)
{
    const QString firstLine = control.text.section(QLatin1Char('\n'), 0, 0);
    return control.id == NoControlId && !firstLine.isEmpty() &&
           (key == firstLine || key == QString(firstLine).remove(QLatin1Char('&')));
}

// The controls a key names: those of that number, else those without a number showing that text.
std::vector<int> Named(const QString& key, const DialogTemplate& dialogTemplate)
{
    for (const auto names : {HasNumber, HasText}) {
        std::vector<int> named;
        for (int i = 0; i < int(dialogTemplate.controls.size()); ++i)
            if (names(key, dialogTemplate.controls[i]))
                named.push_back(i);
        if (!named.empty())
            return named;
    }
    return {};
}

} // namespace

DialogLayout DialogLayout::Of(const DialogTemplate& dialogTemplate)
{
    const QString text = dialogTemplate.translationContext
                             ? QCoreApplication::translate(dialogTemplate.translationContext, LayoutSourceText)
                             : QString::fromLatin1(LayoutSourceText);
    return Read(dialogTemplate, text);
}

DialogLayout DialogLayout::Read(const DialogTemplate& dialogTemplate, const QString& text)
{
    DialogLayout layout;
    for (const ControlTemplate& control : dialogTemplate.controls)
        layout.rects.emplace_back(control.x, control.y, control.cx, control.cy);
    if (text.trimmed() == QLatin1String(LayoutSourceText))
        return layout;

    static const QRegularExpression change(
        QStringLiteral("^(.+?)\\s*=\\s*(-?\\d+)\\s*,\\s*(-?\\d+)\\s*,\\s*(\\d+)\\s*,\\s*(\\d+)$"));
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("[;\\n]")), Qt::SkipEmptyParts)) {
        if (line.trimmed().isEmpty())
            continue;
        const QRegularExpressionMatch match = change.match(line.trimmed());
        if (!match.hasMatch()) {
            layout.errors << QStringLiteral("cannot read \"%1\"").arg(line.trimmed());
            continue;
        }
        const QString key = match.captured(1);
        const std::vector<int> named = Named(key, dialogTemplate);
        if (named.size() != 1) {
            layout.errors << QStringLiteral("\"%1\" names %2 controls, not one").arg(key).arg(named.size());
            continue;
        }
        layout.rects[named.front()] = QRect(match.captured(2).toInt(), match.captured(3).toInt(),
                                            match.captured(4).toInt(), match.captured(5).toInt());
        layout.changed.push_back(named.front());
    }
    return layout;
}
