#pragma once

#include <QString>

namespace zn {

// Where the files "beside the program" go (auto-saved list, web page): the
// program's folder when the program may write there, it is no system folder
// and no installed program's (one with ../share/zeitnahme), otherwise the user's data folder, since an
// installed program's folder is read-only or belongs to the package.
struct OutputLocation {
    QString folder;            // without trailing separator
    bool besideProgram = true; // false: the fallback was taken
    // For the status bar; empty when the files lie beside the program.
    QString note() const;
};

// `fallbackFolder` is created when needed.
OutputLocation ChooseOutputLocation(const QString& programFolder, const QString& fallbackFolder);
// The running program's folder, else QStandardPaths::AppDataLocation.
OutputLocation ChooseOutputLocation();

// The auto-save file: the program's file name with ".txt" for its extension
// (zeit.exe -> zeit.txt), in the chosen folder.
QString AutoSaveFilePath(const OutputLocation& location, const QString& programFilePath);
// The time protocol, written after every run and every correction, beside the
// auto-save file: "<program's base name>-Zeitenprotokoll.txt".
QString ProtocolFilePath(const OutputLocation& location, const QString& programFilePath);
// The page the "Als Webseite" button writes: "<list caption>.html".
QString ResultPagePath(const OutputLocation& location, const QString& listCaption);

bool IsWritableFolder(const QString& folder);
// A folder of the operating system (/usr, /opt, /bin, /lib, /etc, ...): no
// place for results even when writable, as for root, so that a package's
// files never mix with the operator's.
bool IsSystemFolder(const QString& folder);

} // namespace zn
