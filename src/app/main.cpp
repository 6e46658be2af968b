#include "app/application_setup.h"
#include "app/console_features.h"
#include "app/main_window.h"
#include "app/platform_qt.h"
#include "comms/system_serial_devices.h"
#include "comms/system_thread_priority.h"
#include "core/data_files.h"
#include "print/form_pp.h"
#include "settings/cfg_dialog.h"
#include "settings/dlg_yes_no.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zn::ConfigureApplication();
    const zn::SettingsFactory settings = zn::UserSettingsFactory();
    // Before the first window: every text is made in the console's language.
    zn::InstallTranslations(zn::StartupLanguage(settings().get()),
                            zn::DataFolders(QCoreApplication::applicationDirPath()));

    zn::SteadyTickSource clock;
    zn::QtSoundPlayer sound;
    zn::DesktopShell shell;
    zn::DialogExec modal;
    zn::QtFileDialogs files;
    zn::SystemSerialDeviceFactory serial;
    zn::SystemThreadPriority priority;
    const zn::PlatformServices platform{
        &clock,   &sound,   &shell,  &modal,
        settings, &files,   &serial, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        {},       &priority};

    zn::TFormMain formMain(platform);
    // The dialogs and the preview window belong to the main window: they go
    // with it, after its shut-down has used them for the last time.
    formMain.SetSettingsDialog(new zn::TCfgDialog(formMain.PortsFound(), formMain.Certificates(), &formMain));
    formMain.SetYesNoDialog(new zn::TFDlgYesNo(&formMain));
    formMain.SetPreviewWindow(new zn::TFormPP(&formMain));
    // The journal, the board and the live page follow the window's
    // competition; they go before the window.
    zn::ConsoleFeatures features(formMain, platform);
    formMain.show();
    features.journal.Start();
    features.live.Start();
    formMain.OpenStartupWorkbook(QCoreApplication::arguments());
    return QApplication::exec();
}
