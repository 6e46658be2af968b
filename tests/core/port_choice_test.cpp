#include "core/port_choice.h"

#include <gtest/gtest.h>

using namespace zn;

TEST(PortChoice, TemplateListsBothPinPairsOfEachPresentPortUpToTheHighest) {
    EXPECT_EQ(PortTemplate(0), QStringList{"Kein"});
    // COM1 and COM3 present, the highest is 3; a stray bit above it is not listed.
    const uint32_t ports = (3u << 16) | 0b1000101u;
    EXPECT_EQ(PortTemplate(ports), (QStringList{"Kein", "COM1 /4,6", "COM1 /7,8", "COM3 /4,6", "COM3 /7,8"}));
    EXPECT_EQ(PortTemplate((16u << 16) | 0x8000u), (QStringList{"Kein", "COM16 /4,6", "COM16 /7,8"}));
}

TEST(PortChoice, EntriesParseToPortAndPinPair) {
    EXPECT_EQ(ParsePortEntry("COM1 /4,6"), (PortChoice{1, 0}));
    EXPECT_EQ(ParsePortEntry("COM12 /7,8"), (PortChoice{12, 1}));
    EXPECT_EQ(ParsePortEntry("Kein"), std::nullopt);
    EXPECT_EQ(ParsePortEntry("COM"), std::nullopt);
    for (int port : {1, 9, 10, 16})
        for (int line : {0, 1})
            EXPECT_EQ(ParsePortEntry(PortEntry({port, line})), (PortChoice{port, line}));
}

TEST(PortChoice, OpeningAListRemovesTheOtherLanesEntryButNeverKein) {
    const QStringList t = PortTemplate((2u << 16) | 0b11u);
    RefilledPortList l = RefillPortList(t, "COM2 /4,6", "COM1 /7,8");
    EXPECT_FALSE(l.entries.contains("COM1 /7,8"));
    EXPECT_EQ(l.entries.size(), t.size() - 1);
    EXPECT_EQ(l.entries.at(l.selected), "COM2 /4,6");
    // Both lanes stored on the same entry: this lane falls back to "Kein".
    l = RefillPortList(t, "COM1 /4,6", "COM1 /4,6");
    EXPECT_EQ(l.selected, 0);
    EXPECT_FALSE(l.entries.contains("COM1 /4,6"));
    l = RefillPortList(t, "COM1 /4,6", "Kein");
    EXPECT_EQ(l.entries, t);
    EXPECT_EQ(l.selected, 1);
}

// Every entry of all 16 ports reads back as the port and pin pair it was made
// from: a "7" or "8" in the port number must not pass for pins 7/8, nor a "1"
// of "COM1x" for COM1.
TEST(PortChoice, AllThirtyTwoEntriesRoundTrip) {
    QStringList all{"Kein"};
    for (int port = 1; port <= 16; ++port) {
        for (int line : {0, 1}) {
            const QString entry = QStringLiteral("COM%1 /%2").arg(port).arg(line == 1 ? "7,8" : "4,6");
            all << entry;
            EXPECT_EQ(PortEntry({port, line}), entry);
            EXPECT_EQ(ParsePortEntry(entry), (PortChoice{port, line})) << entry.toStdString();
        }
    }
    EXPECT_EQ(PortTemplate((16u << 16) | 0xFFFFu), all);
}
