#pragma once

#include "core/tick_source.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

class QDialog;
class QSettings;

namespace zn {

class ISerialDeviceFactory;
class IThreadPrioritySystem;

// Everything the console does to the outside world goes through these small
// interfaces, so tests drive the real main window without a display, a speaker,
// a settings file of the user or waiting for time.

class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    // Loads a cue once so the first play does not stall the run.
    virtual void WarmUp(const QString& file) = 0;
    // Plays to the end before returning.
    virtual void PlaySync(const QString& file) = 0;
    // Returns at once; cuts off a cue still playing. A missing file sounds the
    // system alert instead.
    virtual void PlayAsync(const QString& file) = 0;
};

class IShell {
public:
    virtual ~IShell() = default;
    // Opens a file or address in its default application; false when that failed.
    virtual bool Open(const QString& pathOrUrl) = 0;
};

class IModalRunner {
public:
    virtual ~IModalRunner() = default;
    // Shows the dialog modally and returns its result code (OK 1, Cancel 2, Yes 6).
    virtual int Exec(QDialog& dialog) = 0;
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The save and open dialogs. `filter` lists the types as "Name (*.ext);;...";
    // `index` is the chosen type counted from 1, `folder` the folder shown first
    // and `name` the proposed file name. On OK all three come back as chosen
    // (`name` as a full path) and the call gives true; Cancel changes nothing.
    virtual bool GetSaveFileName(const QString& filter, int& index, QString& folder, QString& name) = 0;
    // Only existing files in existing folders can be chosen.
    virtual bool GetOpenFileName(const QString& filter, int& index, QString& folder, QString& name) = 0;
};

// Opens the settings store of the program (the user's configuration folder).
using SettingsFactory = std::function<std::unique_ptr<QSettings>()>;

struct PlatformServices {
    ITickSource* clock = nullptr;
    ISoundPlayer* sound = nullptr;
    IShell* shell = nullptr;
    IModalRunner* modal = nullptr;
    SettingsFactory settings;
    IFileDialogs* files = nullptr;
    // The serial devices the port numbers stand for; without it no port is
    // probed or opened.
    ISerialDeviceFactory* serial = nullptr;
    // The user's data folder, where the competition journal is kept; empty:
    // no journal.
    QString dataFolder{};
    // Where the console looks for its data files (cues, class list, help
    // pages), first hit wins; empty: the working folder, the program's and
    // the installed data folder.
    QStringList dataFiles{};
    // How the ports' reader threads raise their priority; without it they
    // run at normal priority.
    IThreadPrioritySystem* priority = nullptr;
    // The date and time of day (the contacts are counted per day); without
    // it the system's.
    std::function<QDateTime()> wallClock{};
};

} // namespace zn
