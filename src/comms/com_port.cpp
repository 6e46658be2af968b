#include "comms/com_port.h"

#include "comms/com_thread.h"
#include "core/modem_lines.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <algorithm>
#include <array>

namespace zn {

Q_LOGGING_CATEGORY(lcComPort, "zn.comms.port", QtWarningMsg)

namespace {

constexpr std::array<int32_t, 15> kBaudRates{110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                                             19200, 38400, 56000, 57600, 115200, 128000, 256000};

// Platform event flag of each TEvent, in the enumeration's order.
constexpr std::array<uint32_t, 9> kEventFlags{kEventRxChar, kEventTxEmpty, kEventRxFlag,
                                              kEventRing,   kEventBreak,   kEventCts,
                                              kEventDsr,    kEventError,   kEventRlsd};

} // namespace

TComPort::TComPort(QObject* parent) : QObject(parent) {}

TComPort::~TComPort() {
    Close();
}

void TComPort::SetDataBits(int value) {
    dataBits_ = static_cast<uint8_t>(std::clamp(value, 5, 8));
}

uint32_t TComPort::EventMask(const TEvents& events) {
    uint32_t mask = 0;
    for (size_t i = 0; i < kEventFlags.size(); ++i)
        if (events.test(i)) mask |= kEventFlags[i];
    return mask;
}

int32_t TComPort::BaudRateValue() const {
    if (BaudRate == brUser) return BaudRateUser;
    return kBaudRates[static_cast<size_t>(BaudRate)];
}

void TComPort::Open() {
    if (connected_) Close();
    CreateHandle();
    ApplySettings();
    readerPriority_.clear();
    thread_ = std::make_unique<TComThread>(this, device_.get(), clock_, EventMask(Events), priority_);
    connected_ = true;
    if (OnOpen) OnOpen(this);
}

void TComPort::Close() {
    if (!connected_) return;
    thread_.reset(); // stops the reader and waits for its end
    if (device_) device_->Close();
    device_.reset();
    connected_ = false;
    if (OnClose) OnClose(this);
}

void TComPort::CreateHandle() {
    const QString prefix = QStringLiteral("Unable to open com port: ");
    lastError_ = {};
    device_.reset();
    std::unique_ptr<ISerialDevice> device = devices_ ? devices_->Device(Port) : nullptr;
    deviceName_ = devices_ ? devices_->DeviceName(Port) : QString();
    if (!device) {
        lastError_ = {0,
                      QCoreApplication::translate("SerialDevices", "COM%1 steht für kein Gerät").arg(Port)};
        throw EComHandle(prefix + lastError_.text);
    }
    if (!device->Open()) {
        lastError_ = device->LastError();
        qCInfo(lcComPort) << "COM" << Port << device->Name() << lastError_.text;
        throw EComHandle(prefix + lastError_.text);
    }
    deviceName_ = device->Name();
    device_ = std::move(device);
}

void TComPort::ApplySettings() {
    SerialLineSettings s;
    s.baudRate = BaudRateValue();
    s.dataBits = dataBits_;
    s.parity = Parity;
    s.stopBits = StopBits;
    s.flowControl = FlowControl;
    s.enableDtr = EnableDTR;
    s.readBufSize = ReadBufSize;
    s.writeBufSize = WriteBufSize;
    if (!device_->Configure(s)) {
        lastError_ = device_->LastError();
        // The device is released at once: a port that is not Connected holds nothing.
        device_->Close();
        device_.reset();
        throw EComState(QStringLiteral("Unable to set com state: ") + lastError_.text);
    }
}

uint32_t TComPort::GetModemStatus() {
    uint32_t status = 0;
    if (!device_ || !device_->ModemStatus(status)) return 0;
    return status;
}

int TComPort::InputCount() {
    return device_ ? device_->InputCount() : 0;
}

void TComPort::HoldEvents() {
    ++holds_;
}

void TComPort::ReleaseEvents() {
    if (holds_ == 0) return;
    if (--holds_ == 0 && thread_) thread_->PostDispatch();
}

void TComPort::DispatchEvents(uint32_t mask, uint32_t status, uint32_t tick) {
    eventTick_ = tick;
    eventStatus_ = status;
    if ((mask & kEventRxChar) && OnRxChar) OnRxChar(this, InputCount());
    const std::pair<uint32_t, TNotifyEvent*> order[] = {
        {kEventTxEmpty, &OnTxEmpty}, {kEventBreak, &OnBreak}, {kEventRing, &OnRing},
        {kEventCts, &OnCTS},         {kEventDsr, &OnDSR},     {kEventRxFlag, &OnRxFlag},
        {kEventRlsd, &OnRLSD},       {kEventError, &OnError},
    };
    for (const auto& [flag, handler] : order) {
        // A handler may close another port, never this one (see Close).
        if ((mask & flag) && *handler) (*handler)(this);
    }
}

void TComPort::ThreadFailed(const SerialError& error) {
    qCWarning(lcComPort) << "COM" << Port << deviceName_ << "failed:" << error.text;
    if (OnFail) OnFail(this, error);
}

void TComPort::PriorityKnown(const QString& text) {
    qCInfo(lcComPort) << "COM" << Port << "reader:" << text;
    readerPriority_ = text;
    if (OnPriority) OnPriority(this);
}

} // namespace zn
