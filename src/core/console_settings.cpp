#include "core/console_settings.h"

#include <QSettings>
#include <algorithm>

namespace zn {

namespace {

// The settings file cannot tell an integer from a text that looks like one, so
// content decides: an integer value must be a whole number.
std::optional<int> ReadInt(const QSettings& store, const QString& name) {
    const QVariant v = store.value(name);
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        bool ok = false;
        const int n = v.toInt(&ok);
        return ok ? std::optional<int>(n) : std::nullopt;
    }
    case QMetaType::QString: {
        bool ok = false;
        const int n = v.toString().trimmed().toInt(&ok, 10);
        return ok ? std::optional<int>(n) : std::nullopt;
    }
    default:
        return std::nullopt; // missing or of another type
    }
}

enum class Outcome { Value, Missing, Stop };

Outcome ReadText(const QSettings& store, const QString& name, QString& out) {
    if (!store.contains(name)) return Outcome::Missing;
    const QVariant v = store.value(name);
    if (v.typeId() != QMetaType::QString) return Outcome::Stop;
    out = v.toString();
    return Outcome::Value;
}

const QString kPortGroup = QStringLiteral("Schnittstellen");

void ReadPortDevices(const QSettings& store, SerialPortMap& map) {
    for (int port = 1; port <= SerialPortMap::kPortCount; ++port) {
        const QVariant v = store.value(kPortGroup + QStringLiteral("/COM%1").arg(port));
        if (v.typeId() == QMetaType::QString) map.SetDevice(port, v.toString());
    }
}

const QString kPageGroup = QStringLiteral("Seite");
const QString kKindKeys[kPrintKindCount] = {QStringLiteral("Protokoll"), QStringLiteral("Urkunden")};
const QString kPortrait = QStringLiteral("Hoch");
const QString kLandscape = QStringLiteral("Quer");

void ReadPageSetups(const QSettings& store, std::array<PageSetup, kPrintKindCount>& pages) {
    for (int kind = 0; kind < kPrintKindCount; ++kind) {
        const QString key = kPageGroup + QLatin1Char('/') + kKindKeys[kind];
        PageSetup& page = pages[static_cast<size_t>(kind)];
        if (const auto paper = PaperByName(store.value(key + QStringLiteral("Papier")).toString()))
            page.paper = *paper;
        const QString format = store.value(key + QStringLiteral("Format")).toString().trimmed();
        if (format == kLandscape || format == kPortrait) page.landscape = format == kLandscape;
    }
}

void WritePageSetups(QSettings& store, const std::array<PageSetup, kPrintKindCount>& pages) {
    for (int kind = 0; kind < kPrintKindCount; ++kind) {
        const QString key = kPageGroup + QLatin1Char('/') + kKindKeys[kind];
        const PageSetup& page = pages[static_cast<size_t>(kind)];
        store.setValue(key + QStringLiteral("Papier"), PaperName(page.paper));
        store.setValue(key + QStringLiteral("Format"), page.landscape ? kLandscape : kPortrait);
    }
}

} // namespace

bool ReadConsoleSettings(const QSettings& store, ConsoleSettings& s) {
    if (store.allKeys().isEmpty()) return false;
    ReadPortDevices(store, s.portDevices);
    ReadPageSetups(store, s.pages);

    const auto port1 = ReadInt(store, QStringLiteral("Port1"));
    if (!port1) return true;
    s.lanes[0].port = static_cast<uint8_t>(*port1 & 0xFF);
    const auto port2 = ReadInt(store, QStringLiteral("Port2"));
    if (!port2) return true;
    s.lanes[1].port = static_cast<uint8_t>(*port2 & 0xFF);
    s.lanes[0].contactLine = (*port1 >> 8) & 0xFF;
    s.lanes[1].contactLine = (*port2 >> 8) & 0xFF;

    for (int lane = 0; lane < 2; ++lane) {
        const auto mode = ReadInt(store, QStringLiteral("Alg%1").arg(lane + 1));
        if (!mode) return true;
        s.lanes[lane].contactMode = *mode;
    }
    std::optional<int>* bounds[] = {&s.left, &s.top, &s.width, &s.height};
    const char* boundNames[] = {"Left", "Top", "Width", "Height"};
    for (int i = 0; i < 4; ++i) {
        const auto v = ReadInt(store, QString::fromLatin1(boundNames[i]));
        if (!v) return true;
        *bounds[i] = v;
    }

    const QString nadpis = QStringLiteral("Nadpis");
    if (store.contains(nadpis)) {
        const QVariant v = store.value(nadpis);
        if (v.typeId() != QMetaType::QByteArray) return true;
        const QByteArray block = v.toByteArray();
        if (block.size() > kCertificateLayoutSize) return true;
        s.certificateLayout.replace(0, block.size(), block);
    }

    const auto filter = ReadInt(store, QStringLiteral("FilterInd"));
    if (!filter) return true;
    s.filterIndex = *filter;

    std::optional<QString>* titles[] = {&s.title1, &s.title2};
    for (int lane = 0; lane < 2; ++lane) {
        QString text;
        const Outcome o = ReadText(store, QStringLiteral("Title%1").arg(lane + 1), text);
        if (o == Outcome::Stop) return true;
        if (o == Outcome::Value && !text.isEmpty()) *titles[lane] = text;
    }
    return true;
}

void WriteConsoleSettings(QSettings& store, const ConsoleSettings& s) {
    store.setValue(QStringLiteral("Left"), s.left.value_or(0));
    store.setValue(QStringLiteral("Top"), s.top.value_or(0));
    store.setValue(QStringLiteral("Width"), s.width.value_or(0));
    store.setValue(QStringLiteral("Height"), s.height.value_or(0));
    for (int lane = 0; lane < 2; ++lane) {
        const LaneSettings& l = s.lanes[lane];
        store.setValue(QStringLiteral("Port%1").arg(lane + 1), l.contactLine * 256 + l.port);
    }
    store.setValue(QStringLiteral("Alg1"), s.lanes[0].contactMode);
    store.setValue(QStringLiteral("Alg2"), s.lanes[1].contactMode);
    store.setValue(QStringLiteral("Nadpis"), s.certificateLayout);
    store.setValue(QStringLiteral("FilterInd"), s.filterIndex);
    store.setValue(QStringLiteral("Title1"), s.title1.value_or(QString()));
    store.setValue(QStringLiteral("Title2"), s.title2.value_or(QString()));
    store.remove(kPortGroup);
    for (auto it = s.portDevices.Overrides().cbegin(); it != s.portDevices.Overrides().cend(); ++it)
        store.setValue(kPortGroup + QStringLiteral("/COM%1").arg(it.key()), it.value());
    WritePageSetups(store, s.pages);
}

namespace {

const QString kBoardGroup = QStringLiteral("Anzeigetafel");
const QString kLiveGroup = QStringLiteral("LiveSeite");

} // namespace

BoardPlace ReadBoardPlace(QSettings& store) {
    BoardPlace place;
    store.beginGroup(kBoardGroup);
    place.screen = store.value(QStringLiteral("Bildschirm")).toString();
    place.fullScreen = store.value(QStringLiteral("Vollbild"), false).toBool();
    const QSize size = store.value(QStringLiteral("Groesse"), place.size).toSize();
    if (size.isValid()) place.size = size;
    store.endGroup();
    return place;
}

void WriteBoardPlace(QSettings& store, const BoardPlace& place) {
    store.beginGroup(kBoardGroup);
    store.setValue(QStringLiteral("Bildschirm"), place.screen);
    store.setValue(QStringLiteral("Vollbild"), place.fullScreen);
    if (!place.fullScreen) store.setValue(QStringLiteral("Groesse"), place.size);
    store.endGroup();
}

LivePageSettings ReadLivePageSettings(QSettings& store) {
    LivePageSettings live;
    store.beginGroup(kLiveGroup);
    live.on = store.value(QStringLiteral("Aktiv"), false).toBool();
    bool ok = false;
    const int port = store.value(QStringLiteral("Port"), live.port).toInt(&ok);
    if (ok && port >= 1 && port <= 65535) live.port = static_cast<uint16_t>(port);
    store.endGroup();
    return live;
}

void WriteLivePageSettings(QSettings& store, const LivePageSettings& live) {
    store.beginGroup(kLiveGroup);
    store.setValue(QStringLiteral("Aktiv"), live.on);
    store.setValue(QStringLiteral("Port"), live.port);
    store.endGroup();
}

namespace {

const QString kMinimumTimeKey = QStringLiteral("Zeitwarnungen/Mindestzeit");

} // namespace

int32_t ReadMinimumTimeMs(QSettings& store) {
    const std::optional<int> ms = ReadInt(store, kMinimumTimeKey);
    return ms && *ms > 0 ? *ms : 0;
}

void WriteMinimumTimeMs(QSettings& store, int32_t ms) {
    store.setValue(kMinimumTimeKey, std::max<int32_t>(0, ms));
}

} // namespace zn
