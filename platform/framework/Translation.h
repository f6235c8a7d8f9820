// The program's texts in the player's language: its own catalogue and the toolkit's, for as long as it lives.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

// The program is written in English, whose texts are the source texts of every catalogue. Of the player's
// languages, best first, the first that is English or has a catalogue is the one spoken: a language the
// program does not have falls back on the next, and on English in the end, silently.
class Translation {
public:
    // languages as the desktop lists them (QLocale::system().uiLanguages(): "de-DE", "pt_BR", "de");
    // each is tried as given, then as its locale names it, then by its language alone ("pt-BR" as pt_BR,
    // then pt). The catalogue of a language is <catalogue>_<language>.qm in folder; the toolkit's own
    // catalogue of the same language, for the buttons of its prompts, comes from toolkitFolder when it is
    // there. While the object lives, numbers are written as the language writes them (QLocale's default):
    // in English as in the United States, in another language as the desktop's locale does when that is
    // of the same language, else as the language does by itself.
    Translation(const QString& folder, const QString& catalogue, const QStringList& languages,
                const QString& toolkitFolder);
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // The language spoken as its catalogue is named ("de", "pt_BR"); empty for English.
    const QString& Language() const { return language; }

    // The toolkit's catalogues where this installation of Qt keeps them.
    static QString ToolkitFolder();

private:
    QString language;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> toolkit;
    QLocale previousLocale;
};
