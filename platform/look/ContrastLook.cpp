// The high-contrast form of the classic look: what the desktop asks for, and the palette that answers it.
#include "ContrastLook.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

// The level of contrast every text must reach.
constexpr double TextContrast = 7.0;

double Luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

bool NamesHighContrast(const QString& name)
{
    QString compact = name.toLower();
    compact.remove(QLatin1Char(' ')).remove(QLatin1Char('-')).remove(QLatin1Char('_'));
    return compact.contains(QLatin1String("highcontrast"));
}

// The colour between text and window (on the line from one to the other) that keeps exactly 7:1 against the
// window, for text that cannot be used: visibly dimmer than the rest where the two colours allow, never less
// legible.
QColor DimmedText(const QColor& text, const QColor& window)
{
    QColor dimmed = text;
    for (double share = 0.0; share <= 1.0; share += 1.0 / 64) {
        const QColor mix = QColor::fromRgbF(float(text.redF() + (window.redF() - text.redF()) * share),
                                            float(text.greenF() + (window.greenF() - text.greenF()) * share),
                                            float(text.blueF() + (window.blueF() - text.blueF()) * share));
        if (ContrastRatio(mix, window) < TextContrast)
            break;
        dimmed = mix;
    }
    return dimmed;
}

QPalette TwoColourPalette(const QColor& window, const QColor& text, QColor highlight, QColor highlightedText)
{
    if (ContrastRatio(highlight, highlightedText) < TextContrast || highlight == window) {
        highlight = text;
        highlightedText = window;
    }
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::AlternateBase,
                                         QPalette::ToolTipBase})
            palette.setColor(group, role, window);
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::BrightText,
                                         QPalette::ToolTipText, QPalette::Light, QPalette::Midlight, QPalette::Dark,
                                         QPalette::Mid, QPalette::Shadow, QPalette::PlaceholderText, QPalette::Link,
                                         QPalette::LinkVisited})
            palette.setColor(group, role, text);
        palette.setColor(group, QPalette::Highlight, highlight);
        palette.setColor(group, QPalette::HighlightedText, highlightedText);
    }
    const QColor dimmed = DimmedText(text, window);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, dimmed);
    return palette;
}

} // namespace

DesktopColours DesktopColoursNow()
{
    QStyle* style = QApplication::style();
    return {QApplication::palette(), style ? style->standardPalette() : QPalette(), style ? style->name() : QString(),
            qEnvironmentVariable("QT_STYLE_OVERRIDE")};
}

std::optional<QPalette> HighContrastPalette(const DesktopColours& desktop)
{
    const QPalette& p = desktop.palette;
    const QColor window = p.color(QPalette::Active, QPalette::Window);
    const QColor text = p.color(QPalette::Active, QPalette::WindowText);
    const bool strongPalette = ContrastRatio(text, window) >= TextContrast;
    // A desktop that sets colours of its own replaces the ones the style brings.
    const bool desktopPalette = window != desktop.styleDefault.color(QPalette::Active, QPalette::Window) ||
                                text != desktop.styleDefault.color(QPalette::Active, QPalette::WindowText);
    const bool namedSo = NamesHighContrast(desktop.styleName) || NamesHighContrast(desktop.styleOverride);
    if (!(desktopPalette && strongPalette) && !namedSo)
        return std::nullopt;
    // A theme named so brings its colours when they are a high-contrast theme's: a window near black or white.
    const double windowLight = Luminance(window);
    if (strongPalette && (desktopPalette || windowLight < 0.01 || windowLight > 0.95))
        return TwoColourPalette(window, text, p.color(QPalette::Active, QPalette::Highlight),
                                p.color(QPalette::Active, QPalette::HighlightedText));
    // Else white on black for an inverse or dark one, black on white for the others.
    const QString names = (desktop.styleName + desktop.styleOverride).toLower();
    const bool inverse = names.contains(QLatin1String("inverse")) || names.contains(QLatin1String("dark"));
    return inverse ? TwoColourPalette(Qt::black, Qt::white, QColor(), QColor())
                   : TwoColourPalette(Qt::white, Qt::black, QColor(), QColor());
    return std::nullopt;
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsFlatPalette(const QPalette& palette)
{
    const QColor text = palette.color(QPalette::WindowText);
    return palette.color(QPalette::Light) == text && palette.color(QPalette::Dark) == text &&
           palette.color(QPalette::Shadow) == text && palette.color(QPalette::Window) != text;
}
