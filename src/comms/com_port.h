#pragma once

#include "comms/serial_device.h"

#include <QObject>
#include <QString>
#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>

namespace zn {

class ITickSource;
class IThreadPrioritySystem;
class TComThread;

enum TBaudRate {
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000,
    brUser
};
enum TParity { prNone, prOdd, prEven, prMark, prSpace };
enum TStopBits { sbOneStopBit, sbOne5StopBits, sbTwoStopBits };
enum TFlowControl { fcNone, fcRtsCts, fcXonXoff };
enum TEvent { evRxChar, evTxEmpty, evRxFlag, evRing, evBreak, evCTS, evDSR, evError, evRLSD };
// A set of TEvent, indexed by the enumeration.
using TEvents = std::bitset<9>;

// Raised by TComPort::Open; the message starts with a fixed English prefix
// followed by the system's reason.
class EComHandle : public std::runtime_error {
public:
    explicit EComHandle(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromStdString(what()); }
};
class EComState : public std::runtime_error {
public:
    explicit EComState(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromStdString(what()); }
};

// One serial port watched for modem-line changes. A reader thread waits on
// the device and hands every change over to the main thread, where the
// events fire one completed wait at a time. Everything here is called on the
// main thread.
class TComPort : public QObject {
public:
    using TNotifyEvent = std::function<void(TComPort* Sender)>;
    using TRxCharEvent = std::function<void(TComPort* Sender, int InQue)>;
    // Beyond the component's own events: the device failed while open (an
    // adapter unplugged); the reader thread has ended, the port is still
    // Connected until it is closed.
    using TFailEvent = std::function<void(TComPort* Sender, const SerialError& error)>;

    explicit TComPort(QObject* parent = nullptr);
    ~TComPort() override;

    // The devices behind the port numbers and the clock whose instant goes
    // with each change; both must outlive the port.
    void SetDevices(ISerialDevices* devices) { devices_ = devices; }
    void SetTickSource(ITickSource* clock) { clock_ = clock; }
    // The system calls with which the reader thread raises itself as it
    // starts (see RaiseReaderPriority); must outlive the port. nullptr, the
    // default, switches the raising off: the reader runs at the main thread's
    // priority. Takes effect at the next Open.
    void SetPrioritySystem(IThreadPrioritySystem* system) { priority_ = system; }

    // --- published properties (a change takes effect at the next Open) ---
    TBaudRate BaudRate = br9600;
    int32_t BaudRateUser = 9600;
    uint8_t Port = 1;
    TParity Parity = prNone;
    TStopBits StopBits = sbOneStopBit;
    TFlowControl FlowControl = fcNone;
    uint8_t DataBits() const { return dataBits_; }
    void SetDataBits(int value); // clamps to 5..8
    TEvents Events = TEvents().set();
    bool EnableDTR = true;
    int32_t WriteBufSize = 2048;
    int32_t ReadBufSize = 2048;
    TRxCharEvent OnRxChar;
    TNotifyEvent OnTxEmpty, OnBreak, OnRing, OnCTS, OnDSR, OnRLSD, OnRxFlag, OnError;
    TNotifyEvent OnOpen, OnClose;
    TFailEvent OnFail;
    // Beyond the component's own events: the reader thread has raised its
    // priority (within 0.5 s of Open); ReaderPriority() says to what.
    TNotifyEvent OnPriority;
    int Tag = 0;

    void Open();
    void Close();
    bool Connected() const { return connected_; }
    // The modem status word: 0x10 CTS, 0x20 DSR, 0x40 ring, 0x80 carrier
    // detect; 0 when closed or unreadable.
    uint32_t GetModemStatus();
    int InputCount();

    // While an event handler runs: the tick at which the reader thread saw the
    // change, and the status word at that change (a pulse that ended before
    // the main thread got to it still shows its active state here).
    uint32_t EventTick() const { return eventTick_; }
    uint32_t EventStatus() const { return eventStatus_; }
    // The device name of the open port, or of the last failed attempt.
    QString DeviceName() const { return deviceName_; }
    // The priority the reader thread got, for the operator ("Echtzeit-
    // Priorität (SCHED_FIFO 10)"); empty until OnPriority, and while the
    // raising is off.
    QString ReaderPriority() const { return readerPriority_; }
    // Why the last Open failed (code 0 when it did not).
    SerialError LastError() const { return lastError_; }

    // While held, a change is kept waiting (with its own instant) and is
    // dispatched once every hold is released. Holds nest.
    void HoldEvents();
    void ReleaseEvents();
    bool EventsHeld() const { return holds_ > 0; }

    // The platform's event flags for a set of events.
    static uint32_t EventMask(const TEvents& events);
    // Bits per second of the configured speed.
    int32_t BaudRateValue() const;

private:
    friend class TComThread;
    void CreateHandle();
    void ApplySettings();
    // Called by the reader thread's hand-over, on the main thread.
    void DispatchEvents(uint32_t mask, uint32_t status, uint32_t tick);
    void ThreadFailed(const SerialError& error);
    void PriorityKnown(const QString& text);

    ISerialDevices* devices_ = nullptr;
    ITickSource* clock_ = nullptr;
    IThreadPrioritySystem* priority_ = nullptr;
    std::unique_ptr<ISerialDevice> device_;
    std::unique_ptr<TComThread> thread_;
    bool connected_ = false;
    uint8_t dataBits_ = 8;
    uint32_t eventTick_ = 0;
    uint32_t eventStatus_ = 0;
    int holds_ = 0;
    QString deviceName_;
    QString readerPriority_;
    SerialError lastError_;
};

} // namespace zn
