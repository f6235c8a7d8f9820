// Where a dialog's controls stand in the player's language: the template's rectangles, or a translation's own.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

struct DialogTemplate;

// A translation whose texts cannot fit the English rectangles gives those controls rectangles of its own,
// within the window's free space, as the translation of the source text "LAYOUT" in the dialog's context:
// one change per line (or between ";"), written
//     <control> = <x>, <y>, <width>, <height>
// in dialog units, the control named by its identifier or, when it has none, by its English text as the
// catalogue shows it ("Current Game:", with or without its "&"; a text of several lines by its first line).
// A number names the control of that identifier before any text.
// "LAYOUT" itself keeps the English layout.
class DialogLayout {
public:
    // The layout the installed translation gives the template.
    static DialogLayout Of(const DialogTemplate& dialogTemplate);
    // The layout a translation's text gives the template; what cannot be read, or names no control or more
    // than one, is left out and said in Errors().
    static DialogLayout Read(const DialogTemplate& dialogTemplate, const QString& text);

    // The rectangle of the control at index in template order, in dialog units.
    QRect RectOf(int index) const { return rects.at(index); }
    // Which controls the translation moved or resized, by index.
    const std::vector<int>& Changed() const { return changed; }
    const QStringList& Errors() const { return errors; }

private:
    std::vector<QRect> rects;
    std::vector<int> changed;
    QStringList errors;
};
