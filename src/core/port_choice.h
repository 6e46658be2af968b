#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace zn {

// A lane's timing line as the settings dialog lists it: "COM3 /4,6" is the
// contact between pins 4 and 6 (DSR) of COM3, "COM3 /7,8" the one between
// pins 7 and 8 (CTS); "Kein" is no port.
struct PortChoice {
    int port = 0;        // 1..16
    int contactLine = 0; // 0 = /4,6, 1 = /7,8

    bool operator==(const PortChoice&) const = default;
};

// "Kein" in the console's language: the lists are made after the
// translation is installed and compared only within one program run.
QString NoPortEntry();

// "Kein", then both pin pairs of every present port in ascending order.
// `availablePorts`: bit n-1 for each present COMn, the highest number in the
// upper 16 bits.
QStringList PortTemplate(uint32_t availablePorts);

QString PortEntry(const PortChoice& choice);

// The port and pin pair of an entry; nothing for "Kein" or an entry that names
// no port. The number is the one or two digits after "COM".
std::optional<PortChoice> ParsePortEntry(const QString& entry);

// A lane's list as it opens: the template without the other lane's entry
// ("Kein" always stays), and the index to select: the lane's own entry, or
// "Kein" when it is gone.
struct RefilledPortList {
    QStringList entries;
    int selected = 0;
};
RefilledPortList RefillPortList(const QStringList& portTemplate, const QString& ownText,
                                const QString& otherText);

} // namespace zn
