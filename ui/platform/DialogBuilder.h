// Creates a dialog's controls from its template, in template order.
#pragma once

class CDialog;
struct DialogTemplate;

class DialogBuilder {
public:
    // Sizes the dialog, creates every control at its converted rectangle and records them by identifier.
    static void Build(CDialog& dialog, const DialogTemplate& dialogTemplate);
};
