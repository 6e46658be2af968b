#include "core/certificate_layout.h"

#include <gtest/gtest.h>

using namespace zn;

namespace {

uint8_t ByteAt(const QByteArray& block, int offset) {
    return static_cast<uint8_t>(block.at(offset));
}

CertificateLayout Sample() {
    CertificateLayout layout;
    CertificateLine& team = layout[1];
    team.printOn = 1;
    team.align = 2;
    team.leftMm = 0x01020304;
    team.topMm = -7;
    team.text = QStringLiteral("Löschzug");
    team.fontName = QStringLiteral("Arial");
    team.fontStyle = kFontItalic | kFontStrikeOut;
    team.fontSize = 14;
    team.fontColor = 0x00123456;
    layout[3].text = QStringLiteral("Übungszeit");
    layout[3].fontName = QStringLiteral("Times New Roman");
    layout[17].text = QStringLiteral("3. Zeile drucken");
    layout[17].fontName = QStringLiteral("Courier New");
    layout[17].fontColor = clBtnFace; // system colour 0xFF00000F
    layout[17].fontSize = 999;
    return layout;
}

} // namespace

TEST(CertificateLayout, RoundTripsEveryFieldInPlace) {
    const CertificateLayout layout = Sample();
    const QByteArray block = EncodeCertificateLayout(layout);
    ASSERT_EQ(block.size(), 9648);
    EXPECT_EQ(DecodeCertificateLayout(block), layout);

    // Line 1 starts at 536; LeftMm at +4, low byte first.
    EXPECT_EQ(block.mid(536 + 4, 4), QByteArray("\x04\x03\x02\x01", 4));
    EXPECT_EQ(block.mid(536 + 8, 4), QByteArray("\xF9\xFF\xFF\xFF", 4)); // -7
    EXPECT_EQ(ByteAt(block, 536 + 524), kFontItalic | kFontStrikeOut);
    // Texts are one Windows-1252 byte per character behind a length byte.
    EXPECT_EQ(block.mid(3 * 536 + 12, 3), QByteArray("\x0A\xDC"
                                                     "b"));
    // The last record ends the block with its size (999) and colour.
    EXPECT_EQ(block.right(8), QByteArray("\xE7\x03\x00\x00\x0F\x00\x00\xFF", 8));
}

TEST(CertificateLayout, LongTextsAreCutTo255BytesAndForeignCharactersBecomeQuestionMarks) {
    CertificateLayout layout;
    layout[8].text = QString(300, QChar(u'ä'));
    layout[8].fontName = QStringLiteral("Ar\u0142al"); // ł is not in 1252
    const QByteArray block = EncodeCertificateLayout(layout);
    ASSERT_EQ(block.size(), 9648);
    EXPECT_EQ(ByteAt(block, 8 * 536 + 12), 255);
    const CertificateLayout back = DecodeCertificateLayout(block);
    EXPECT_EQ(back[8].text, QString(255, QChar(u'ä')));
    EXPECT_EQ(back[8].fontName, QStringLiteral("Ar?al")); // the cut text left it whole
}

TEST(CertificateLayout, ShortBlockIsReadAsFarAsItGoes) {
    const CertificateLayout layout = Sample();
    // Line 0 whole, line 1 up to the third character of its text.
    const QByteArray block = EncodeCertificateLayout(layout).left(536 + 12 + 1 + 3);
    const CertificateLayout back = DecodeCertificateLayout(block);
    EXPECT_EQ(back[0], layout[0]);
    EXPECT_EQ(back[1].leftMm, layout[1].leftMm);
    EXPECT_EQ(back[1].text, QStringLiteral("Lös"));
    EXPECT_TRUE(back[1].fontName.isEmpty());
    EXPECT_EQ(back[1].fontSize, 0);
    EXPECT_EQ(back[17], CertificateLine{});
    EXPECT_EQ(DecodeCertificateLayout(QByteArray()), CertificateLayout{});
}

TEST(CertificateLayout, DefaultsFillOnlyLinesWithoutFont) {
    CertificateLayout layout = DecodeCertificateLayout(QByteArray(9648, '\0'));
    layout[2] = Sample()[1];
    layout[9].text = QStringLiteral("alt");
    layout[9].printOn = 1;
    ApplyCertificateDefaults(layout);

    EXPECT_EQ(layout[2], Sample()[1]);
    for (size_t i : {0u, 7u, 8u, 9u, 17u}) {
        SCOPED_TRACE(i);
        const CertificateLine& line = layout[i];
        EXPECT_EQ(line.printOn, i < 8 ? 1 : 0);
        EXPECT_EQ(line.leftMm, 30);
        EXPECT_EQ(line.topMm, static_cast<int>(i) * 16);
        EXPECT_TRUE(line.text.isEmpty());
        EXPECT_EQ(line.fontName, QStringLiteral("Times New Roman"));
        EXPECT_EQ(line.fontStyle, kFontBold);
        EXPECT_EQ(line.fontSize, 12);
        EXPECT_EQ(line.fontColor, 0xFF000008u);
    }
}
