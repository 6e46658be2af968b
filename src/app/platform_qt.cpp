#include "app/platform_qt.h"

#include "app/file_filters.h"
#include "core/wav_info.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDesktopServices>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSettings>
#include <QSoundEffect>
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace zn {

Q_LOGGING_CATEGORY(lcSound, "zn.app.sound", QtWarningMsg)

SteadyTickSource::SteadyTickSource() {
    timer_.start();
}

uint32_t SteadyTickSource::TickCount() {
    // QElapsedTimer is monotonic; its origin does not matter, only differences do.
    return static_cast<uint32_t>(timer_.elapsed());
}

void SteadyTickSource::Sleep(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() {
    qDeleteAll(effects_);
}

bool QtSoundPlayer::HasOutput() const {
    return !QMediaDevices::audioOutputs().isEmpty();
}

QSoundEffect* QtSoundPlayer::Effect(const QString& file) {
    const QFileInfo info(file);
    if (!info.isFile()) return nullptr;
    const QString key = info.absoluteFilePath();
    auto it = effects_.find(key);
    if (it != effects_.end()) return it.value();
    auto* effect = new QSoundEffect;
    effect->setSource(QUrl::fromLocalFile(key));
    effects_.insert(key, effect);
    return effect;
}

void QtSoundPlayer::StopAll() {
    for (QSoundEffect* e : std::as_const(effects_))
        e->stop();
}

void QtSoundPlayer::WarmUp(const QString& file) {
    if (HasOutput()) Effect(file);
}

void QtSoundPlayer::PlaySync(const QString& file) {
    if (!HasOutput()) return;
    QSoundEffect* effect = Effect(file);
    if (!effect) return;
    StopAll();
    // The effect reports its end through the event loop, and some back-ends
    // never report it at all; the wait is bounded by the file's own length.
    const int bound = WavDurationMs(file).value_or(3000) + 500;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect->isPlaying()) loop.quit();
    });
    effect->play();
    limit.start(bound);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QObject::disconnect(effect, &QSoundEffect::playingChanged, &loop, nullptr);
}

void QtSoundPlayer::PlayAsync(const QString& file) {
    if (!QFileInfo(file).isFile()) {
        qCInfo(lcSound) << "cue missing, alert instead:" << file;
        QApplication::beep();
        return;
    }
    QSoundEffect* effect = HasOutput() ? Effect(file) : nullptr;
    if (!effect) return;
    StopAll();
    effect->play();
}

bool DesktopShell::Open(const QString& pathOrUrl) {
    const QUrl url = QFileInfo::exists(pathOrUrl) ? QUrl::fromLocalFile(pathOrUrl) : QUrl(pathOrUrl);
    return QDesktopServices::openUrl(url);
}

int DialogExec::Exec(QDialog& dialog) {
    const int result = dialog.exec();
    // The run keys act only while the console is the active window; take it
    // back at once, whatever the window manager does: the next key may be a stop.
    if (QWidget* owner = dialog.parentWidget()) owner->window()->activateWindow();
    return result;
}

namespace {

// Shows the dialog with the type `index` (from 1) chosen; the type's extension
// follows the chosen type for names typed without one.
bool RunFileDialog(QFileDialog& dialog, int& index, QString& folder, QString& name) {
    const QStringList filters = dialog.nameFilters();
    if (index >= 1 && index <= filters.size()) dialog.selectNameFilter(filters.at(index - 1));
    dialog.setDefaultSuffix(FilterSuffix(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& f) { dialog.setDefaultSuffix(FilterSuffix(f)); });
    if (!name.isEmpty()) dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    name = dialog.selectedFiles().constFirst();
    const int chosen = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    if (chosen >= 0) index = chosen + 1;
    folder = QFileInfo(name).absolutePath();
    return true;
}

} // namespace

bool QtFileDialogs::GetSaveFileName(const QString& filter, int& index, QString& folder, QString& name) {
    QFileDialog dialog(QApplication::activeWindow(), QString(), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return RunFileDialog(dialog, index, folder, name);
}

bool QtFileDialogs::GetOpenFileName(const QString& filter, int& index, QString& folder, QString& name) {
    QFileDialog dialog(QApplication::activeWindow(), QString(), folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunFileDialog(dialog, index, folder, name);
}

SettingsFactory UserSettingsFactory() {
    return [] {
        const QString app = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("Kronvik"), app);
    };
}

} // namespace zn
