#pragma once

#include "app/main_window.h"
#include "app/platform.h"
#include "settings/dlg_yes_no.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

namespace zn::test {

// Time moves only when the test says so; Sleep advances it as a real wait would.
class FakeClock : public ITickSource {
public:
    uint32_t now = 1000;
    int slept = 0;
    uint32_t TickCount() override { return now; }
    void Sleep(int ms) override {
        slept += ms;
        now += static_cast<uint32_t>(ms);
    }
};

class FakeSound : public ISoundPlayer {
public:
    QStringList played;  // "sync:X" or "async:X", in order
    QStringList warmed;
    void WarmUp(const QString& f) override { warmed << f; }
    void PlaySync(const QString& f) override { played << QStringLiteral("sync:") + f; }
    void PlayAsync(const QString& f) override { played << QStringLiteral("async:") + f; }
};

class FakeShell : public IShell {
public:
    QStringList opened;
    bool Open(const QString& p) override {
        opened << p;
        return true;
    }
};

class FakeModal : public IModalRunner {
public:
    int answer = TFDlgYesNo::mrCancel;
    QStringList asked;
    int Exec(QDialog& d) override {
        if (auto* label = d.findChild<QLabel*>(QStringLiteral("Label1"))) asked << label->text();
        return answer;
    }
};

// A working folder of its own (the cues and "Klasse.txt" are looked up there)
// and a settings file of its own.
class Workbench {
public:
    QTemporaryDir dir;
    QString oldCwd = QDir::currentPath();
    FakeClock clock;
    FakeSound sound;
    FakeShell shell;
    FakeModal modal;

    Workbench() { QDir::setCurrent(dir.path()); }
    ~Workbench() { QDir::setCurrent(oldCwd); }

    QString SettingsPath() const { return dir.filePath(QStringLiteral("settings.conf")); }

    TPlatform Platform() {
        const QString path = SettingsPath();
        return TPlatform{&clock, &sound, &shell, &modal,
                         [path] { return std::make_unique<QSettings>(path, QSettings::IniFormat); }};
    }

    void Touch(const QString& name) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
    }

    std::unique_ptr<TFormMain> MakeForm() {
        auto form = std::make_unique<TFormMain>(Platform());
        dialog = new TFDlgYesNo(form.get());  // owned by the form, as in the program
        form->SetYesNoDialog(dialog);
        return form;
    }

    TFDlgYesNo* dialog = nullptr;
};

}  // namespace zn::test
