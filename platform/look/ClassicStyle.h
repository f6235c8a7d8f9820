// The one look of every window: the grey classic desktop, bevelled buttons, sunken check boxes, raised menus, dotted focus.
#pragma once

#include <QProxyStyle>

// Focus marks and mnemonic underlines always show, whether the focus came by mouse or by keyboard:
// the player never has to press a key to find out where the focus stands. Buttons carry no icons.
class ClassicStyle : public QProxyStyle {
    Q_OBJECT
public:
    ClassicStyle();

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
};

// The grey face, white and dark grey edges, navy highlight, darker grey for what cannot be used.
QPalette ClassicPalette();

// Gives the application the classic style, its palette, the dialogs' font and icon on every window;
// harmless when done again.
void ApplyClassicLook(const QIcon& icon);
