#pragma once

#include <QString>
#include <QStringList>

namespace zn {

// The files the console reads but never writes (cue sounds, class list, help
// and about pages, letterhead) may lie in several places: a portable folder
// holds them beside the program, a package installs them under share/.

// Where data files are looked up, first hit wins: the working folder (files
// beside the process), the program's folder, and the installed data folder
// `<program>/../share/zeitnahme` (canonical, only when it exists).
QStringList DataFolders(const QString& programFolder);

// `<program>/../share/zeitnahme`, canonical, when that folder exists: the
// program is installed (under /usr, or unpacked from the package elsewhere);
// else empty.
QString InstalledDataFolder(const QString& programFolder);

// The absolute path of `name` in the first of `folders` holding it as a file;
// empty when none does.
QString FindDataFile(const QString& name, const QStringList& folders);

// The folder the first "Datenbank laden" shows: the program's own when the
// example workbook lies there (a build tree or a portable folder), else the
// installed examples, else the program's folder.
QString ExamplesFolder(const QString& programFolder);

} // namespace zn
