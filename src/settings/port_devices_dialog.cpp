#include "settings/port_devices_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zn {

PortDevicesDialog::PortDevicesDialog(const SerialPortMap& map, const QStringList& candidates,
                                     std::function<PortPresence(const QString&)> presence, QWidget* parent)
    : QDialog(parent), presence_(std::move(presence)) {
    setObjectName(QStringLiteral("PortDevicesDialog"));
    setWindowTitle(tr("Schnittstellen zuordnen"));
    auto* main = new QVBoxLayout(this);
    auto* hint = new QLabel(tr("Gerät jeder Schnittstelle. Ein Pfad unter /dev/serial/by-id/ bleibt "
                               "richtig, auch wenn USB-Adapter anders eingesteckt werden."),
                            this);
    hint->setWordWrap(true);
    main->addWidget(hint);
    auto* grid = new QGridLayout;
    for (int i = 0; i < SerialPortMap::kPortCount; ++i) {
        const int port = i + 1;
        grid->addWidget(new QLabel(QStringLiteral("COM%1").arg(port), this), i, 0);
        auto* device = new QComboBox(this);
        device->setObjectName(QStringLiteral("Device%1").arg(port));
        device->setEditable(true);
        device->setMinimumContentsLength(40);
        device->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        QStringList items{SerialPortMap::DefaultDevice(port)};
        for (const QString& c : candidates)
            if (!items.contains(c)) items << c;
        device->addItems(items);
        device->setCurrentText(map.Device(port));
        Devices[static_cast<size_t>(i)] = device;
        auto* state = new QLabel(this);
        state->setObjectName(QStringLiteral("State%1").arg(port));
        States[static_cast<size_t>(i)] = state;
        grid->addWidget(device, i, 1);
        grid->addWidget(state, i, 2);
        connect(device, &QComboBox::currentTextChanged, this, [this, i] { ShowState(i); });
        ShowState(i);
    }
    main->addLayout(grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    main->addWidget(buttons);
}

void PortDevicesDialog::ShowState(int index) {
    const QString device = Devices[static_cast<size_t>(index)]->currentText().trimmed();
    const PortPresence presence = presence_ ? presence_(device) : PortPresence::Absent;
    QLabel* state = States[static_cast<size_t>(index)];
    state->setText(PortDeviceStateText(device, presence));
    state->setStyleSheet(presence == PortPresence::Present ? QString() : QStringLiteral("color: #c00000;"));
}

SerialPortMap PortDevicesDialog::Map() const {
    SerialPortMap map;
    for (int i = 0; i < SerialPortMap::kPortCount; ++i)
        map.SetDevice(i + 1, Devices[static_cast<size_t>(i)]->currentText().trimmed());
    return map;
}

} // namespace zn
