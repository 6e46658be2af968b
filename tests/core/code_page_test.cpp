#include "core/code_page.h"

#include <gtest/gtest.h>

using namespace zn;

TEST(CodePage, GermanTextIsOneBytePerCharacter) {
    const auto bytes = EncodeCp1252(QStringLiteral("Übungszeit ß €"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, QByteArray("\xDC"
                                 "bungszeit \xDF \x80"));
    EXPECT_EQ(DecodeCp1252(*bytes), QStringLiteral("Übungszeit ß €"));
}

TEST(CodePage, TheHighControlRangeRoundTrips) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = DecodeCp1252(all);
    EXPECT_EQ(text.at(0x8A), QChar(0x0160)); // Š
    EXPECT_EQ(text.at(0x9F), QChar(0x0178)); // Ÿ
    EXPECT_EQ(EncodeCp1252(text), all);
}

TEST(CodePage, CharactersOutsideAreDetected) {
    EXPECT_FALSE(FitsCp1252(QStringLiteral("Łódź")));
    EXPECT_FALSE(EncodeCp1252(QStringLiteral("№ 1")));
    EXPECT_FALSE(FitsCp1252(QString::fromUcs4(U"\U0001F692"))); // fire engine emoji
    EXPECT_TRUE(FitsCp1252(QStringLiteral("Ärger „Öl“ – 5 €")));
}

TEST(CodePage, PageReferencesWhatDoesNotFit) {
    EXPECT_EQ(EncodeCp1252WithReferences(QStringLiteral("Łódź")), QByteArray("&#321;\xF3"
                                                                             "d&#378;"));
    EXPECT_EQ(EncodeCp1252WithReferences(QString::fromUcs4(U"A\U0001F692")), QByteArray("A&#128658;"));
}

TEST(CodePage, TextFileFallsBackToUtf8WithBom) {
    EXPECT_EQ(EncodeTextFile(QStringLiteral("Zeit\t")), QByteArray("Zeit\t"));
    EXPECT_EQ(EncodeTextFile(QStringLiteral("Łódź")),
              QByteArray("\xEF\xBB\xBF") + QStringLiteral("Łódź").toUtf8());
}

TEST(CodePage, ClassListIsUtf8WhenValidElseWindows1252) {
    // Written on Windows: "ä" is the single byte 0xE4, which is no UTF-8.
    EXPECT_EQ(TextFileLines("M\xE4nner\r\nFrauen\r\n"), (QStringList{"Männer", "Frauen"}));
    const QByteArray utf8 = QStringLiteral("Männer\nJugend").toUtf8();
    EXPECT_EQ(TextFileLines(utf8), (QStringList{"Männer", "Jugend"}));
    EXPECT_EQ(TextFileLines("\xEF\xBB\xBF" + utf8), (QStringList{"Männer", "Jugend"}));
    // One stray byte at the very end makes the whole file Windows-1252.
    EXPECT_EQ(DecodeTextFile(QStringLiteral("Ä").toUtf8() + "\xC3"), QStringLiteral("Ã„Ã"));
    EXPECT_EQ(TextFileLines("\xFF\xFE" + QByteArray("M\0\xE4\0n\0", 6)), QStringList{"Män"});
    EXPECT_EQ(TextFileLines("A\r\n\r\nB"), (QStringList{"A", "", "B"}));
    EXPECT_TRUE(TextFileLines("").isEmpty());
}
