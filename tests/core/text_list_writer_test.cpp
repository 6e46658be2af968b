#include "core/text_list_writer.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zn;

namespace {

QByteArray Fixture(const char* name) {
    QFile f(QStringLiteral(ZN_TEST_DATA_DIR "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing fixture>");
}

ListRows ProtocolSample() {
    return {
        {"Nr.", "Name", "Klasse", "Q.", "Zeit", "Fehler", "Gesamt", "Zeit", "Fehler", "Gesamt", "Bestzeit"},
        {"1", "Grünheide", "Männer", "v", "21,50", "3", "24,50", "23,10", "0", "23,10", "23,10"},
        {"", "Ohne Nummer", "", "", "19,00", "0", "19,00", "", "", "", "19,00"},
        {" ", "Nur Leerzeichen", "", "", "", "", "", "", "", "", ""},
        {"12", "Ost", "Frauen", "", "25,01", "0", "25,01"},
    };
}

} // namespace

TEST(TextList, GoldenTimeProtocol) {
    EXPECT_EQ(ListTextBytes(ProtocolSample(), pc::Count), Fixture("result_list.txt"));
}

// A row is left out only when nothing stands in the list's columns: a
// qualified team without a time has no place, and it is a row of the list.
TEST(TextList, OnlyRowsWithNothingInThemAreLeftOut) {
    const ListRows rows{{}, {"3", "A", "", "v"}, {"", "", "", "", "x"}, {"", "ohne Platz"}};
    EXPECT_EQ(ListText(rows, 4), "3\tA\t \tv\t\r\n \tohne Platz\t \t \t\r\n");
    EXPECT_EQ(ListText({{}}, 4), "");
    EXPECT_TRUE(HasDataRows({{"Platz"}, {"", "ohne Platz"}}, 2));
    EXPECT_FALSE(HasDataRows({{"Platz"}, {"", "", "außerhalb"}}, 2));
}

TEST(TextList, ResultListInCp1252AndUtf8WhenItDoesNotFit) {
    ListRows rows{QStringList(ResultHeaders.begin(), ResultHeaders.end())};
    EXPECT_EQ(ListTextBytes(rows, rc::Count), QByteArray("Platz\tMannschaft\tKlasse\t\xDC"
                                                         "bungszeit\tFehler\t"
                                                         "Gesamtzeit\t\r\n"));
    rows.append({"1", "Łódź", "", "20,00", "0", "20,00"});
    const QByteArray bytes = ListTextBytes(rows, rc::Count);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBFPlatz\t"));
    EXPECT_TRUE(bytes.endsWith(QStringLiteral("1\tŁódź\t \t20,00\t0\t20,00\t\r\n").toUtf8()));
}

TEST(TextList, SaveWritesTheFileOrSaysWhyNot) {
    QTemporaryDir dir;
    const QString path = dir.filePath("zeit.txt");
    ASSERT_TRUE(SaveListText(path, ProtocolSample(), pc::Count).ok);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), Fixture("result_list.txt"));

    const WriteResult r = SaveListText(dir.filePath("fehlt/zeit.txt"), ProtocolSample(), pc::Count);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.errorText.startsWith("Der Schreibfehler der Datei: "));
}
