#pragma once

#include "app/platform.h"

#include <QElapsedTimer>
#include <QHash>
#include <QLoggingCategory>

class QSoundEffect;

namespace zn {

Q_DECLARE_LOGGING_CATEGORY(lcSound)

class SteadyTickSource final : public ITickSource {
public:
    SteadyTickSource();
    uint32_t TickCount() override;
    void Sleep(int ms) override;

private:
    QElapsedTimer timer_;
};

// Cues through Qt Multimedia. Without an audio output (a server in a rack, CI)
// nothing is played and nothing waits: the run must never stall on a speaker.
class QtSoundPlayer final : public ISoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void WarmUp(const QString& file) override;
    void PlaySync(const QString& file) override;
    void PlayAsync(const QString& file) override;

private:
    QSoundEffect* Effect(const QString& file);
    void StopAll();
    bool HasOutput() const;

    QHash<QString, QSoundEffect*> effects_;
};

class DesktopShell final : public IShell {
public:
    bool Open(const QString& pathOrUrl) override;
};

class DialogExec final : public IModalRunner {
public:
    int Exec(QDialog& dialog) override;
};

// QFileDialog; the chosen type's extension is added to a name typed without one.
class QtFileDialogs final : public IFileDialogs {
public:
    bool GetSaveFileName(const QString& filter, int& index, QString& folder, QString& name) override;
    bool GetOpenFileName(const QString& filter, int& index, QString& folder, QString& name) override;
};

// The user's configuration folder: organisation "Kronvik", application the
// program file's base name.
SettingsFactory UserSettingsFactory();

} // namespace zn
