// The program's texts in the player's language: its own catalogue and the toolkit's, for as long as it lives.
#include "Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The names under which a language's catalogue may be found, most particular first.
QStringList CatalogueNames(const QString& uiLanguage)
{
    QString given = uiLanguage;
    given.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString name = QLocale(given).name();
    QStringList names{given, name, name.section(QLatin1Char('_'), 0, 0)};
    names.removeDuplicates();
    names.removeAll(QString());
    return names;
}

bool IsEnglish(const QString& uiLanguage)
{
    return QLocale(QString(uiLanguage).replace(QLatin1Char('-'), QLatin1Char('_'))).language() == QLocale::English;
}

// Numbers in the language's own way; the desktop's locale keeps its country's way when it speaks the language.
// The locale is taken by its name: the system's own formats follow LC_NUMERIC, which may be another
// language's (or none) while LANGUAGE names this one.
QLocale NumberLocale(const QString& language)
{
    if (language.isEmpty())
        return QLocale(QLocale::English, QLocale::UnitedStates);
    const QLocale spoken(language);
    const QLocale desktop(QLocale::system().name());
    return desktop.language() == spoken.language() ? desktop : spoken;
}

} // namespace

Translation::Translation(const QString& folder, const QString& catalogue, const QStringList& languages,
                         const QString& toolkitFolder)
    : previousLocale(QLocale())
{
    for (const QString& uiLanguage : languages) {
        if (IsEnglish(uiLanguage))
            break;
        const QStringList names = CatalogueNames(uiLanguage);
        const auto found = std::find_if(names.begin(), names.end(), [&](const QString& name) {
            return QFileInfo(QDir(folder).filePath(catalogue + QLatin1Char('_') + name + QStringLiteral(".qm"))).isFile();
        });
        if (found == names.end())
            continue;
        program = std::make_unique<QTranslator>();
        if (!program->load(catalogue + QLatin1Char('_') + *found, folder)) {
            program.reset();
            continue;
        }
        language = *found;
        break;
    }
    if (program) {
        toolkit = std::make_unique<QTranslator>();
        if (toolkit->load(QStringLiteral("qtbase_") + language, toolkitFolder))
            QCoreApplication::installTranslator(toolkit.get());
        else
            toolkit.reset();
        // Installed last, the program's own catalogue is asked first, its right-to-left flag included.
        QCoreApplication::installTranslator(program.get());
    }
    QLocale::setDefault(NumberLocale(language));
}

Translation::~Translation()
{
    if (program)
        QCoreApplication::removeTranslator(program.get());
    if (toolkit)
        QCoreApplication::removeTranslator(toolkit.get());
    QLocale::setDefault(previousLocale);
}

QString Translation::ToolkitFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }
