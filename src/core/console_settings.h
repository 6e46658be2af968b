#pragma once

#include "core/page_setup.h"
#include "core/serial_port_map.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QSettings;

namespace zn {

// The certificate layout: 18 line records of 536 bytes, kept and stored whole.
constexpr int kCertificateLineSize = 536;
constexpr int kCertificateLineCount = 18;
constexpr int kCertificateLayoutSize = kCertificateLineSize * kCertificateLineCount; // 9648

struct LaneSettings {
    uint8_t port = 0;    // 0 = none, 1-16 = COM1-COM16
    int contactLine = 0; // 0 = DSR (pins 4/6), 1 = CTS (pins 7/8)
    int contactMode = 0; // 0 "Ein", 1 "Aus", 2 "Wechseln"

    bool operator==(const LaneSettings&) const = default;
};

// What the console keeps from one program run to the next. Window bounds are
// only present when they were read; otherwise the window keeps its design size.
struct ConsoleSettings {
    std::array<LaneSettings, 2> lanes{};
    std::optional<int> left, top, width, height;
    QByteArray certificateLayout = QByteArray(kCertificateLayoutSize, '\0');
    int filterIndex = 2;
    std::optional<QString> title1, title2; // only non-empty saved captions
    // The devices behind the port numbers; kept in the group "Schnittstellen"
    // ("COM1" = "/dev/serial/by-id/..."), read on its own, so a broken value
    // of the other settings never loses it.
    SerialPortMap portDevices;
    // The paper and orientation of each kind of printout (PrintKind), in the
    // group "Seite" ("ProtokollPapier" = "A3", "UrkundenFormat" = "Quer"),
    // read on its own like the devices; a value not understood keeps A4 portrait.
    std::array<PageSetup, kPrintKindCount> pages{};
};

// Reads the values in their fixed order into `s`. A missing integer, a value
// of the wrong type or a "Nadpis" longer than the layout block ends the reading:
// that value and every later one keep what `s` already holds. A missing
// "Nadpis" is skipped; a shorter one fills the beginning of the block. Returns
// false when there was nothing to read (first start).
bool ReadConsoleSettings(const QSettings& store, ConsoleSettings& s);

// Writes every value; window bounds must be present.
void WriteConsoleSettings(QSettings& store, const ConsoleSettings& s);

// The spectator board's place, in the group "Anzeigetafel".
struct BoardPlace {
    QString screen;          // "Bildschirm": the screen's name; empty until one was chosen
    bool fullScreen = false; // "Vollbild"
    QSize size{960, 540};    // "Groesse": the window's size when not full screen
};

// A size that is not a valid size keeps 960 x 540.
BoardPlace ReadBoardPlace(QSettings& store);
// The size only when the board is not full screen: a full screen's size is
// the screen's, not the window's.
void WriteBoardPlace(QSettings& store, const BoardPlace& place);

// The live page, in the group "LiveSeite".
struct LivePageSettings {
    bool on = false;      // "Aktiv"
    uint16_t port = 8080; // "Port"
};

// A port outside 1-65535 keeps 8080.
LivePageSettings ReadLivePageSettings(QSettings& store);
void WriteLivePageSettings(QSettings& store, const LivePageSettings& live);

// The warnings about stopped times, in the group "Zeitwarnungen":
// "Mindestzeit" in milliseconds, 0 = no minimum. A negative or unreadable
// value keeps 0.
int32_t ReadMinimumTimeMs(QSettings& store);
void WriteMinimumTimeMs(QSettings& store, int32_t ms);

} // namespace zn
