#include "comms/com_port.h"
#include "comms/linux_serial_device.h"
#include "controls/bit_btn_with_color.h"
#include "controls/label_3d.h"
#include "print/print_preview.h"
#include "settings/port_devices_dialog.h"
#include "test_platform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <cerrno>

using namespace zn;
using namespace zn::test;

namespace {

// COM1 and COM2 stand for simulated devices; every other number for a device
// this machine does not have.
class SettingsCommand : public ::testing::Test {
protected:
    Workbench wb;
    std::unique_ptr<ConsoleProbe> form;
    // What the test does in the dialog before it answers.
    std::function<int(TCfgDialog&)> inDialog;

    void SetUp() override {
        {
            QSettings store(wb.SettingsPath(), QSettings::IniFormat);
            store.setValue("Schnittstellen/COM1", "sim:COM1");
            store.setValue("Schnittstellen/COM2", "sim:COM2");
        }
        form = wb.MakeForm();
        form->show();
        wb.modal.handle = [this](QDialog& d) -> std::optional<int> {
            auto* cfg = qobject_cast<TCfgDialog*>(&d);
            if (!cfg || !inDialog) return std::nullopt;
            return inDialog(*cfg);
        };
    }
    void TearDown() override { form.reset(); }

    static int Ok(TCfgDialog& d) {
        d.OKBtn->click();
        return d.result();
    }
    static void Choose(QComboBox* list, const QString& entry) {
        const int i = list->findText(entry);
        ASSERT_GE(i, 0) << entry.toStdString();
        list->setCurrentIndex(i);
    }
};

} // namespace

TEST_F(SettingsCommand, OkReopensThePortsOneForBothLanesOnTheSamePort) {
    ASSERT_EQ(form->AvailablePorts, (2u << 16) | 0b11u);
    inDialog = [](TCfgDialog& d) {
        Choose(d.cbPort1, "COM1 /4,6");
        Choose(d.cbPort2, "COM1 /7,8");
        d.cbAlg2->setCurrentIndex(2);
        d.Title1->setText("FF Nord");
        return Ok(d);
    };
    form->bCFG->click();
    EXPECT_TRUE(form->ComPort1->Connected());
    EXPECT_EQ(form->ComPort1->Port, 1);
    EXPECT_FALSE(form->ComPort2->Connected());
    EXPECT_EQ(form->ComPort2->Port, 0);
    EXPECT_EQ(form->Settings.lanes[0], (LaneSettings{1, 0, 0}));
    EXPECT_EQ(form->Settings.lanes[1], (LaneSettings{1, 1, 2}));
    EXPECT_EQ(form->Title1->Caption(), "FF Nord");

    // Opened again: the lanes' entries are preselected; lane 2 moves to COM2
    // and lane 1 is left at "Kein", keeping its pin pair and mode.
    inDialog = [](TCfgDialog& d) {
        EXPECT_EQ(d.LaneEntry(1), "COM1 /4,6");
        EXPECT_EQ(d.LaneEntry(2), "COM1 /7,8");
        EXPECT_EQ(d.cbAlg2->currentIndex(), 2);
        Choose(d.cbPort1, "Kein");
        Choose(d.cbPort2, "COM2 /4,6");
        return Ok(d);
    };
    ASSERT_TRUE(Workbench::ShowActive(*form));
    QTest::keyClick(form.get(), Qt::Key_F2);
    EXPECT_FALSE(form->ComPort1->Connected());
    EXPECT_TRUE(form->ComPort2->Connected());
    EXPECT_EQ(form->ComPort2->Port, 2);
    EXPECT_EQ(form->Settings.lanes[0], (LaneSettings{0, 0, 0}));
    EXPECT_EQ(form->Settings.lanes[1].port, 2);
    EXPECT_TRUE(wb.modal.messages.isEmpty());
}

TEST_F(SettingsCommand, PortThatDoesNotOpenIsSaidAndTheChoiceKept) {
    wb.serial.refuse = EBUSY;
    inDialog = [](TCfgDialog& d) {
        Choose(d.cbPort1, "COM2 /7,8");
        return Ok(d);
    };
    form->bCFG->click();
    EXPECT_FALSE(form->ComPort1->Connected());
    EXPECT_EQ(form->Settings.lanes[0].port, 2);
    ASSERT_EQ(wb.modal.messages.size(), 1);
    EXPECT_TRUE(wb.modal.messages[0].contains("COM2 (sim:COM2) lässt sich nicht öffnen"))
        << wb.modal.messages[0].toStdString();
    EXPECT_TRUE(wb.modal.messages[0].contains("Bahn 1"));
    EXPECT_TRUE(form->StatusPanelPorts->isVisibleTo(form.get()));
}

TEST_F(SettingsCommand, CancelRestoresTheLayoutAndLeavesTitlesAndPorts) {
    const CertificateLayout before = form->CertificateLines;
    const QString title = form->Title1->Caption();
    inDialog = [](TCfgDialog& d) {
        d.cbWho->setCurrentIndex(9);
        d.cbON->click(); // written into the layout at once
        Choose(d.cbPort1, "COM1 /4,6");
        d.Title1->setText("anders");
        return QDialog::Rejected;
    };
    form->bCFG->click();
    EXPECT_EQ(form->CertificateLines, before);
    EXPECT_EQ(form->Title1->Caption(), title);
    EXPECT_EQ(form->Settings.lanes[0].port, 0);
    EXPECT_FALSE(form->ComPort1->Connected());
}

TEST_F(SettingsCommand, PortEntriesNameTheirDevicesAndCanBePointedElsewhere) {
    EXPECT_EQ(form->PortDeviceHint(1), "sim:COM1");
    EXPECT_EQ(form->PortDeviceHint(3), "/dev/ttyS2 – nicht vorhanden");
    wb.modal.handle = [this](QDialog& d) -> std::optional<int> {
        if (auto* devices = qobject_cast<PortDevicesDialog*>(&d)) {
            EXPECT_EQ(devices->States[0]->text(), "vorhanden");
            devices->Devices[2]->setCurrentText("sim:COM3");
            EXPECT_EQ(devices->States[2]->text(), "vorhanden");
            return QDialog::Accepted;
        }
        auto* cfg = qobject_cast<TCfgDialog*>(&d);
        if (!cfg) return std::nullopt;
        EXPECT_EQ(cfg->cbPort1->itemData(1, Qt::ToolTipRole).toString(), "sim:COM1");
        EXPECT_EQ(cfg->cbPort1->findText("COM3 /4,6"), -1);
        EXPECT_TRUE(cfg->bDevices->isVisibleTo(cfg));
        cfg->bDevices->click();
        Choose(cfg->cbPort1, "COM3 /4,6");
        return Ok(*cfg);
    };
    form->bCFG->click();
    EXPECT_EQ(form->Settings.portDevices.Device(3), "sim:COM3");
    EXPECT_TRUE(form->ComPort1->Connected());
    EXPECT_EQ(form->ComPort1->DeviceName(), "sim:COM3");
}

TEST_F(SettingsCommand, CertificatePrintedAfterTheDialogShowsTheChangedLayout) {
    inDialog = [](TCfgDialog& d) {
        d.cbWho->setCurrentIndex(8); // "1. Zeile"
        if (!d.cbON->isChecked()) d.cbON->click();
        d.Edit1->setText("Sieger der Herzen");
        d.seLeft->setValue(105);
        d.seTop->setValue(200);
        d.cbAlign->setCurrentIndex(1);
        return Ok(d);
    };
    form->bCFG->click();
    FillList(form->SortGrid3, {ResultHeaderRow(), {"1", "FF Mühlbach", "Männer", "21,00", "0", "21,00"}});
    form->StageEntry(13)->trigger();
    wb.modal.handle = [](QDialog& d) -> std::optional<int> {
        if (!qobject_cast<QPrintDialog*>(&d)) return std::nullopt;
        return QDialog::Accepted;
    };
    form->sbGramoty->click();
    TPrintPreview* preview = wb.preview->PrintPreview1;
    ASSERT_EQ(preview->PageCount(), 1);
    const PageRecord& page = preview->Pages().Items(0);
    const auto it = std::find_if(page.ops.begin(), page.ops.end(), [](const PageOp& op) {
        return op.kind == PageOp::opText && op.text == "Sieger der Herzen";
    });
    ASSERT_NE(it, page.ops.end());
    EXPECT_EQ(it->y1, 2000);
    EXPECT_LT(it->x1, 1050); // centred on 105 mm
    EXPECT_GT(it->x1, 1050 - 800);
}

// A device without modem lines (a pseudo-terminal) is "nicht geeignet" in the
// port's tooltip and in the device dialog; a CDC-ACM device (a by-id link to
// a "ttyACM0") is there, with the note that its CTS reports nothing.
TEST(SettingsCommandDevices, UnsuitableAndCtsSilentDevicesAreSaid) {
    const PseudoTerminal terminal;
    ASSERT_FALSE(terminal.path.isEmpty());
    const QString pty = terminal.path;
    Workbench wb;
    QSettings(wb.SettingsPath(), QSettings::IniFormat).setValue("Schnittstellen/COM4", pty);
    // The pseudo-terminal opens for real, the rest as in the other tests.
    struct PtyDevices : ISerialDeviceFactory {
        FakeSerialDevices& others;
        QString pty;
        PtyDevices(FakeSerialDevices& o, QString p) : others(o), pty(std::move(p)) {}
        std::unique_ptr<ISerialDevice> Create(const QString& device) override {
            if (device == pty) return std::make_unique<LinuxSerialDevice>(device, QStringList{});
            return others.Create(device);
        }
    } devices(wb.serial, pty);
    PlatformServices platform = wb.Platform();
    platform.serial = &devices;
    ConsoleProbe form(platform);
    auto* cfg = new TCfgDialog(form.AvailablePorts, &form.CertificateLines, &form);
    form.SetSettingsDialog(cfg);
    EXPECT_EQ(form.PortDeviceHint(4), pty + " – nicht geeignet");

    ASSERT_TRUE(QDir(wb.dir.path()).mkpath("by-id"));
    wb.Touch("ttyACM0");
    const QString acm = wb.Path("by-id/usb-Arduino_Uno_85735-if00");
    ASSERT_TRUE(QFile::link(wb.Path("ttyACM0"), acm));
    bool shown = false;
    wb.modal.handle = [&](QDialog& d) -> std::optional<int> {
        auto* dialog = qobject_cast<PortDevicesDialog*>(&d);
        if (!dialog) return std::nullopt;
        shown = true;
        EXPECT_EQ(dialog->States[3]->text(), "nicht geeignet");
        dialog->Devices[12]->setCurrentText(acm);
        EXPECT_EQ(dialog->States[12]->text(),
                  "vorhanden – CTS (Pin 7/8) meldet hier nichts, Kontakt an DSR (Pin 4/6) anschließen");
        return QDialog::Rejected;
    };
    cfg->bDevices->click();
    EXPECT_TRUE(shown);
}
