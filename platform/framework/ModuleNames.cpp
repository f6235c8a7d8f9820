// Names the program derives from its executable's path: the application name and the help file.
#include "ModuleNames.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString HelpExtension = QStringLiteral(".HLP");

// Where the extension of the path's file name begins, or the path's length when it has none.
qsizetype ExtensionStart(const QString& path)
{
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > nameStart ? dot : path.size();
}

} // namespace

QString ApplicationNameOf(const QString& executablePath)
{
    const qsizetype nameStart = executablePath.lastIndexOf(QLatin1Char('/')) + 1;
    return executablePath.mid(nameStart, ExtensionStart(executablePath) - nameStart);
}

QString HelpFileBeside(const QString& executablePath)
{
    return executablePath.left(ExtensionStart(executablePath)) + HelpExtension;
}

QString FindHelpFile(const QString& executablePath, const QStringList& dataDirectories, const QString& language)
{
    const QString beside = HelpFileBeside(executablePath);
    const QString english = QFileInfo(beside).fileName();
    QStringList names{english};
    if (!language.isEmpty())
        names.prepend(english.left(english.size() - HelpExtension.size()) + QLatin1Char('_') + language + HelpExtension);
    for (const QString& name : names) {
        const QString besideInLanguage = beside.left(beside.size() - english.size()) + name;
        if (QFileInfo(besideInLanguage).isFile())
            return besideInLanguage;
        for (const QString& directory : dataDirectories) {
            const QString candidate = QDir(directory).filePath(name);
            if (QFileInfo(candidate).isFile())
                return QDir::cleanPath(candidate);
        }
    }
    return beside;
}
