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

// The help file beside the executable if it exists, else the first file of that name found in
// dataDirectories, else the one beside the executable (whose opening will then fail).
QString FindHelpFile(const QString& executablePath, const QStringList& dataDirectories);
