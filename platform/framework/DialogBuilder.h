// Creates a dialog's controls from its template, in template order.
#pragma once

#include <vector>

class QWidget;
struct DialogTemplate;

class DialogBuilder {
public:
    // Sizes the window, creates every control at its converted rectangle, tags each with its identifier
    // and style (the "controlId" and "controlStyle" properties) and returns them in template order, which
    // is also their tab and stacking order.
    static std::vector<QWidget*> Build(QWidget& dialog, const DialogTemplate& dialogTemplate);
};
