#include "core/port_choice.h"

#include <QCoreApplication>

namespace zn {

namespace {

constexpr int kPortBits = 16;
const QString kPins46 = QStringLiteral(" /4,6");
const QString kPins78 = QStringLiteral(" /7,8");

} // namespace

QString NoPortEntry() {
    //: a lane's port list: no serial port for this lane
    return QCoreApplication::translate("PortChoice", "Kein");
}

QStringList PortTemplate(uint32_t availablePorts) {
    QStringList entries{NoPortEntry()};
    const int highest = static_cast<int>(availablePorts >> kPortBits);
    for (int n = 1; n <= std::min(highest, kPortBits); ++n) {
        if (!(availablePorts & (1u << (n - 1)))) continue;
        entries << PortEntry({n, 0}) << PortEntry({n, 1});
    }
    return entries;
}

QString PortEntry(const PortChoice& choice) {
    return QStringLiteral("COM") + QString::number(choice.port) +
           (choice.contactLine == 1 ? kPins78 : kPins46);
}

std::optional<PortChoice> ParsePortEntry(const QString& entry) {
    if (!entry.startsWith(QStringLiteral("COM")) || entry.size() < 4 || !entry.at(3).isDigit())
        return std::nullopt;
    int port = entry.at(3).digitValue();
    if (entry.size() > 4 && entry.at(4).isDigit()) port = port * 10 + entry.at(4).digitValue();
    if (port == 0) return std::nullopt;
    return PortChoice{port, entry.contains(kPins78) ? 1 : 0};
}

RefilledPortList RefillPortList(const QStringList& portTemplate, const QString& ownText,
                                const QString& otherText) {
    RefilledPortList list{portTemplate, 0};
    const qsizetype other = list.entries.indexOf(otherText);
    if (other > 0) list.entries.removeAt(other);
    const qsizetype own = list.entries.indexOf(ownText);
    list.selected = own >= 0 ? static_cast<int>(own) : 0;
    return list;
}

} // namespace zn
