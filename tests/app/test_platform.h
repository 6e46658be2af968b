#pragma once

#include "app/console_probe.h"
#include "app/platform.h"
#include "comms/fake_thread_priority.h"
#include "comms/linux_serial_device.h"
#include "comms/serial_devices.h"
#include "comms/simulated/simulated_serial.h"
#include "controls/sort_grid.h"
#include "core/protocol_row.h"
#include "print/form_pp.h"
#include "settings/cfg_dialog.h"
#include "settings/dlg_yes_no.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <atomic>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <stdlib.h>
#include <unistd.h>

namespace zn::test {

// Writes a whole list, header first; the row count follows the list.
inline void FillList(TSortGrid* grid, const QList<QStringList>& rows) {
    grid->SetRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            grid->SetCell(c, r, rows[r][c]);
}

inline QStringList ProtocolHeaderRow() {
    return QStringList(ProtocolHeaders.begin(), ProtocolHeaders.end());
}
inline QStringList ResultHeaderRow() {
    return QStringList(ResultHeaders.begin(), ResultHeaders.end());
}

inline QStringList RowOf(TSortGrid* grid, int row) {
    return grid->RowStrings(row);
}

// Time moves only when the test says so; Sleep advances it as a real wait would.
// The ports' reader threads read it too.
class FakeClock : public ITickSource {
public:
    std::atomic<uint32_t> now = 1000;
    std::atomic<int> reads = 0;
    int slept = 0;
    uint32_t TickCount() override {
        const uint32_t t = now;
        ++reads; // after the reading: a test that sees it may move the time on
        return t;
    }
    void Sleep(int ms) override {
        slept += ms;
        now += static_cast<uint32_t>(ms);
    }
    // The time of day moves with the ticks: tick 0 fell on `dayStart`.
    QDateTime dayStart{QDate(2025, 6, 14), QTime(0, 0)};
    QDateTime Wall() const { return dayStart.addMSecs(now); }
};

class FakeSound : public ISoundPlayer {
public:
    QStringList played; // "sync:X" or "async:X" with the file name, in order
    QStringList warmed;
    QStringList paths; // what was played, as handed to the player
    // Runs while a cue plays to its end (the console waits then).
    std::function<void()> whilePlayingSync;
    // Runs as a cue is set playing (inside the handler that plays it).
    std::function<void()> onPlayAsync;
    void WarmUp(const QString& f) override { warmed << QFileInfo(f).fileName(); }
    void PlaySync(const QString& f) override {
        played << QStringLiteral("sync:") + QFileInfo(f).fileName();
        paths << f;
        if (whilePlayingSync) whilePlayingSync();
    }
    void PlayAsync(const QString& f) override {
        played << QStringLiteral("async:") + QFileInfo(f).fileName();
        paths << f;
        if (onPlayAsync) onPlayAsync();
    }
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
    QStringList asked;    // questions of the yes/no dialog
    QStringList messages; // texts of message boxes
    // Answers other dialogs (print dialog, printer set-up) when it gives a result.
    std::function<std::optional<int>(QDialog&)> handle;
    int Exec(QDialog& d) override {
        if (handle) {
            if (const std::optional<int> result = handle(d)) return *result;
        }
        if (auto* box = qobject_cast<QMessageBox*>(&d)) {
            messages << box->text();
            return QMessageBox::Ok;
        }
        if (auto* label = d.findChild<QLabel*>(QStringLiteral("Label1"))) asked << label->text();
        return answer;
    }
};

// The save and open dialogs: they show what they were given and answer with
// `chosen` (a full path) and `chosenIndex` (0 keeps the index shown), or
// cancel when `accept` is false.
class FakeFileDialogs : public IFileDialogs {
public:
    bool accept = true;
    QString chosen;
    int chosenIndex = 0;
    QString shownFilter;
    int shownIndex = 0;
    QString shownFolder;
    QString shownName;
    int calls = 0;

    bool GetSaveFileName(const QString& filter, int& index, QString& folder, QString& name) override {
        return Answer(filter, index, folder, name);
    }
    bool GetOpenFileName(const QString& filter, int& index, QString& folder, QString& name) override {
        return Answer(filter, index, folder, name);
    }

private:
    bool Answer(const QString& filter, int& index, QString& folder, QString& name) {
        ++calls;
        shownFilter = filter;
        shownIndex = index;
        shownFolder = folder;
        shownName = name;
        if (!accept) return false;
        if (chosenIndex > 0) index = chosenIndex;
        name = chosen;
        folder = QFileInfo(chosen).absolutePath();
        return true;
    }
};

// Simulated devices ("sim:NAME") and pseudo-terminals ("/dev/pts/N", a tty
// without modem lines): tests never open a real serial device. `refuse`
// makes every simulated device fail to open with that error number.
class FakeSerialDevices : public ISerialDeviceFactory {
public:
    SimulatedSerialHub hub;
    int refuse = 0;
    std::unique_ptr<ISerialDevice> Create(const QString& device) override {
        if (device.startsWith(QLatin1String("/dev/pts/")))
            return std::make_unique<LinuxSerialDevice>(device, QStringList{});
        if (!SerialPortMap::IsSimulated(device)) return nullptr;
        auto sim =
            std::make_unique<SimulatedSerialDevice>(Line(device.mid(SerialPortMap::kSimulatedPrefix.size())));
        if (!refuse) return sim;
        return std::make_unique<Refusing>(std::move(sim), refuse);
    }
    std::shared_ptr<SimulatedSerialLine> Line(const QString& name) { return hub.Line(name); }

private:
    struct Refusing : ISerialDevice {
        std::unique_ptr<ISerialDevice> d;
        int code;
        Refusing(std::unique_ptr<ISerialDevice> device, int c) : d(std::move(device)), code(c) {}
        QString Name() const override { return d->Name(); }
        bool Open() override { return false; }
        bool Configure(const SerialLineSettings&) override { return false; }
        void Close() override {}
        bool ModemStatus(uint32_t&) override { return false; }
        int InputCount() override { return 0; }
        void Purge() override {}
        void SetEventMask(uint32_t) override {}
        void SetClock(ITickSource*) override {}
        SerialWaitResult WaitEvent() override { return {}; }
        void Interrupt() override {}
        SerialError LastError() const override { return {code, qt_error_string(code)}; }
    };
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
    FakeFileDialogs files;
    FakeSerialDevices serial;
    // The reader threads ask it, never the system, for their priority.
    FakeThreadPriority priority;
    // Where the journal is kept; empty: none (most tests).
    QString dataFolder;

    Workbench() { QDir::setCurrent(dir.path()); }
    ~Workbench() { QDir::setCurrent(oldCwd); }

    QString SettingsPath() const { return dir.filePath(QStringLiteral("settings.conf")); }

    PlatformServices Platform() {
        const QString path = SettingsPath();
        // Data files only from the test's folder, never the copies beside
        // the test program.
        return PlatformServices{&clock,
                                &sound,
                                &shell,
                                &modal,
                                [path] { return std::make_unique<QSettings>(path, QSettings::IniFormat); },
                                &files,
                                &serial,
                                dataFolder,
                                QStringList{dir.path()},
                                &priority,
                                [this] { return clock.Wall(); }};
    }

    void Touch(const QString& name) {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
    }

    // The auto-save file and the web page go to the test's own folder.
    std::unique_ptr<ConsoleProbe> MakeForm() {
        auto form = std::make_unique<ConsoleProbe>(Platform());
        settings = new TCfgDialog(form->AvailablePorts, &form->CertificateLines, form.get());
        form->SetSettingsDialog(settings);
        dialog = new TFDlgYesNo(form.get()); // owned by the form, as in the program
        form->SetYesNoDialog(dialog);
        preview = new TFormPP(form.get()); // a window of its own, owned by the form
        form->SetPreviewWindow(preview);
        form->UseResultFolder(OutputLocation{dir.path(), true});
        return form;
    }

    // Keys reach the window's menu shortcuts only while it is the active window.
    static bool ShowActive(ConsoleProbe& form) {
        form.show();
        form.activateWindow();
        return QTest::qWaitForWindowActive(&form);
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    // Lane 1 on pins 4/6 (DSR), lane 2 on pins 7/8 (CTS) of the simulated
    // line "COM1", both "Ein".
    void WireLanesToSimulatedCom1() const {
        QSettings store(SettingsPath(), QSettings::IniFormat);
        store.setValue("Port1", 1);
        store.setValue("Port2", 256 + 1);
        store.setValue("Alg1", 0);
        store.setValue("Alg2", 0);
        store.setValue("Schnittstellen/COM1", "sim:COM1");
    }

    // The console shown active with the day's journal in "daten".
    static void StartJournaled(Workbench& bench, std::unique_ptr<ConsoleProbe>& console) {
        bench.dataFolder = bench.Path("daten");
        console = bench.MakeForm();
        ASSERT_TRUE(Workbench::ShowActive(*console));
        console->StartJournal();
    }

    // "Datenbank laden" of the example competition (20 teams, "Vorlauf").
    void LoadExample(ConsoleProbe& form) {
        const QString example = Path(QStringLiteral("Vorlauf.xlsx"));
        QFile::copy(QDir(QStringLiteral(ZN_EXAMPLES_DIR)).filePath(QStringLiteral("Vorlauf.xlsx")), example);
        files.chosen = example;
        QTest::mouseClick(form.sbLoad, Qt::LeftButton);
    }

    // What a crash leaves behind: the journal (with its write-ahead log) of a
    // session still running, put into this workbench's data folder "daten".
    void TakeRunningJournal(const QString& journal) {
        QDir().mkpath(Path(QStringLiteral("daten")));
        for (const QString& suffix : {QString(), QStringLiteral("-wal")})
            QFile::copy(journal + suffix,
                        Path(QStringLiteral("daten/")) + QFileInfo(journal).fileName() + suffix);
    }

    QByteArray Read(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TFDlgYesNo* dialog = nullptr;
    TFormPP* preview = nullptr;
    TCfgDialog* settings = nullptr;
};

// A shown main window of its own for each test, with the test doubles.
// A pseudo-terminal, a tty without modem lines that tests may open freely,
// closed again at the end of its scope. `path` is its device ("/dev/pts/3"),
// empty when none could be made.
class PseudoTerminal {
public:
    PseudoTerminal() : master_(posix_openpt(O_RDWR | O_NOCTTY)) {
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
            path = QString::fromLocal8Bit(ptsname(master_));
    }
    ~PseudoTerminal() {
        if (master_ >= 0) close(master_);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    QString path;

private:
    int master_;
};

// The console shown and active, as the operator finds it at start-up.
class ActiveForm : public ::testing::Test {
protected:
    Workbench wb;
    std::unique_ptr<ConsoleProbe> form;

    void SetUp() override {
        form = wb.MakeForm();
        ASSERT_TRUE(Workbench::ShowActive(*form));
    }
    void TearDown() override { form.reset(); }
};

class ShownForm : public ::testing::Test {
protected:
    Workbench wb;
    std::unique_ptr<ConsoleProbe> form;

    void SetUp() override {
        form = wb.MakeForm();
        form->show();
    }
    void TearDown() override { form.reset(); }
};

} // namespace zn::test
