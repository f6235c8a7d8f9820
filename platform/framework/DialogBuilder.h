// Creates a dialog's controls from its template, in template order.
#pragma once

#include <vector>

#include <QString>

class QWidget;
struct ControlTemplate;
struct DialogTemplate;

class DialogBuilder {
public:
    // Sizes the window, creates every control at its converted rectangle, tags each with its identifier
    // and style (the "controlId" and "controlStyle" properties) and returns them in template order, which
    // is also their tab and stacking order.
    // The texts are those of the installed translation, the rectangles those it gives (see DialogLayout);
    // a dialog laid out right to left is mirrored.
    static std::vector<QWidget*> Build(QWidget& dialog, const DialogTemplate& dialogTemplate);

    // What the control shows in the player's language (a picture's name as it stands), and the caption.
    static QString TextOf(const DialogTemplate& dialogTemplate, const ControlTemplate& control);
    static QString CaptionOf(const DialogTemplate& dialogTemplate);
};
