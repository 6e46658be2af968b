#include "app/application_setup.h"
#include "app/main_window.h"
#include "app/platform_qt.h"
#include "comms/system_serial_devices.h"
#include "print/form_pp.h"
#include "settings/cfg_dialog.h"
#include "settings/dlg_yes_no.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zn::ConfigureApplication();

    zn::SteadyTickSource clock;
    zn::QtSoundPlayer sound;
    zn::DesktopShell shell;
    zn::DialogExec modal;
    zn::QtFileDialogs files;
    zn::SystemSerialDeviceFactory serial;
    const zn::TPlatform platform{&clock,
                                 &sound,
                                 &shell,
                                 &modal,
                                 zn::UserSettingsFactory(),
                                 &files,
                                 &serial,
                                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};

    zn::TFormMain formMain(platform);
    zn::TCfgDialog cfgDialog(formMain.AvailablePorts, &formMain.CertificateLines, &formMain);
    formMain.SetSettingsDialog(&cfgDialog);
    zn::TFDlgYesNo dlgYesNo(&formMain);
    formMain.SetYesNoDialog(&dlgYesNo);
    zn::TFormPP formPP;
    formMain.SetPreviewWindow(&formPP);
    formMain.show();
    formMain.StartJournal();
    formMain.StartLivePage();
    formMain.OpenStartupWorkbook(QCoreApplication::arguments());
    return QApplication::exec();
}
