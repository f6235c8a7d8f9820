// The one look of every window: the grey classic desktop, bevelled buttons, sunken check boxes, raised menus, dotted focus.
#pragma once

#include <QProxyStyle>

// Focus marks and mnemonic underlines always show, whether the focus came by mouse or by keyboard:
// the player never has to press a key to find out where the focus stands. Buttons carry no icons. Every edge,
// face and mark is drawn in the colours of the palette the control has, so the same shapes come out in the
// grey classic colours or in the two colours of a high-contrast palette.
class ClassicStyle : public QProxyStyle {
    Q_OBJECT
public:
    // palette is the one the look stands on: the classic palette, or a high-contrast one.
    explicit ClassicStyle(const QPalette& palette);

    QPalette standardPalette() const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr, const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override;

private:
    QPalette palette;
};

// The grey face, white and dark grey edges, navy highlight, darker grey for what cannot be used.
QPalette ClassicPalette();

// Gives the application the classic style, the dialogs' font and icon on every window, and the palette the
// desktop asks for: the classic one, or its high-contrast form (see HighContrastPalette) when the desktop asks
// for high contrast as the program starts. Harmless when done again.
void ApplyClassicLook(const QIcon& icon);

// The palette of the look the application has: what a window that sets its own palette takes.
QPalette LookPalette();
