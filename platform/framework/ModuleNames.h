// Names the program derives from its executable's path: the application name and the help file.
#pragma once

#include <QString>
#include <QStringList>

// The extension of a file name starts at its last "." unless that "." begins the name (".corvane"
// is a name, not an extension); a "." in a directory never counts.

// The executable's file name without directory and extension.
QString ApplicationNameOf(const QString& executablePath);

// The executable's path with its extension replaced by ".HLP", or with ".HLP" appended when it has none.
QString HelpFileBeside(const QString& executablePath);

// The help file in the player's language (the help file's name with "_" and the language before ".HLP",
// corvane_de.HLP) beside the executable or else in dataDirectories in order; failing that the English one,
// looked for the same way; else the one beside the executable (whose opening will then fail). An empty
// language is English.
QString FindHelpFile(const QString& executablePath, const QStringList& dataDirectories, const QString& language = {});
