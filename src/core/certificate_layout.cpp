#include "core/certificate_layout.h"

#include "core/code_page.h"

#include <QCoreApplication>
#include <algorithm>

namespace zn {

namespace {

// Byte offsets inside one 536-byte record; integers are little-endian.
constexpr int kPrintOnAt = 0;
constexpr int kAlignAt = 1;
constexpr int kLeftMmAt = 4; // 2 reserved bytes before
constexpr int kTopMmAt = 8;
constexpr int kTextAt = 12; // length byte, then up to 255 bytes
constexpr int kFontNameAt = 268;
constexpr int kFontStyleAt = 524;
constexpr int kFontSizeAt = 528; // 3 reserved bytes before
constexpr int kFontColorAt = 532;
constexpr int kMaxTextBytes = 255;

static_assert(kFontNameAt == kTextAt + 1 + kMaxTextBytes);
static_assert(kFontStyleAt == kFontNameAt + 1 + kMaxTextBytes);
static_assert(kFontColorAt + 4 == kCertificateLineSize);

// The font button's design font, 24 points; the stored size is half of it.
constexpr int kDesignFontPoints = 24;
constexpr int kDefaultLeftMm = 30;
constexpr int kPrintedValueLines = 8; // lines 0-7 are on at first

uint32_t ReadU32(const uchar* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void WriteU32(char* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// `available` = how many bytes of the stored block follow the length byte; a
// text cut off by a short block ends there rather than in padding zeros.
QString ReadText(const uchar* p, qsizetype available) {
    const qsizetype n = std::min<qsizetype>(p[0], std::max<qsizetype>(available, 0));
    return DecodeCp1252(QByteArray(reinterpret_cast<const char*>(p + 1), n));
}

void WriteText(char* p, const QString& text) {
    QByteArray bytes;
    bytes.reserve(std::min<qsizetype>(text.size(), kMaxTextBytes));
    for (char32_t cp : text.toUcs4()) {
        if (bytes.size() == kMaxTextBytes) break;
        bytes.append(Cp1252Byte(cp).value_or('?'));
    }
    p[0] = static_cast<char>(bytes.size());
    std::copy(bytes.cbegin(), bytes.cend(), p + 1);
}

} // namespace

CertificateLayout DecodeCertificateLayout(const QByteArray& block) {
    // Padding to the full size reads a short block as far as it goes, with
    // zero for the rest, and keeps every read below inside the buffer.
    const qsizetype stored = std::min<qsizetype>(block.size(), kCertificateLayoutSize);
    QByteArray full = block.left(stored);
    full.append(QByteArray(kCertificateLayoutSize - full.size(), '\0'));
    const auto* data = reinterpret_cast<const uchar*>(full.constData());

    CertificateLayout layout;
    for (int i = 0; i < kCertificateLineCount; ++i) {
        const uchar* r = data + i * kCertificateLineSize;
        CertificateLine& line = layout[static_cast<size_t>(i)];
        line.printOn = r[kPrintOnAt];
        line.align = r[kAlignAt];
        line.leftMm = static_cast<int32_t>(ReadU32(r + kLeftMmAt));
        line.topMm = static_cast<int32_t>(ReadU32(r + kTopMmAt));
        const qsizetype at = static_cast<qsizetype>(i) * kCertificateLineSize;
        line.text = ReadText(r + kTextAt, stored - at - kTextAt - 1);
        line.fontName = ReadText(r + kFontNameAt, stored - at - kFontNameAt - 1);
        line.fontStyle = r[kFontStyleAt];
        line.fontSize = static_cast<int32_t>(ReadU32(r + kFontSizeAt));
        line.fontColor = ReadU32(r + kFontColorAt);
    }
    return layout;
}

QByteArray EncodeCertificateLayout(const CertificateLayout& layout) {
    QByteArray block(kCertificateLayoutSize, '\0');
    for (int i = 0; i < kCertificateLineCount; ++i) {
        char* r = block.data() + i * kCertificateLineSize;
        const CertificateLine& line = layout[static_cast<size_t>(i)];
        r[kPrintOnAt] = static_cast<char>(line.printOn);
        r[kAlignAt] = static_cast<char>(line.align);
        WriteU32(r + kLeftMmAt, static_cast<uint32_t>(line.leftMm));
        WriteU32(r + kTopMmAt, static_cast<uint32_t>(line.topMm));
        WriteText(r + kTextAt, line.text);
        WriteText(r + kFontNameAt, line.fontName);
        r[kFontStyleAt] = static_cast<char>(line.fontStyle);
        WriteU32(r + kFontSizeAt, static_cast<uint32_t>(line.fontSize));
        WriteU32(r + kFontColorAt, line.fontColor);
    }
    return block;
}

void ApplyCertificateDefaults(CertificateLayout& layout) {
    for (int i = 0; i < kCertificateLineCount; ++i) {
        CertificateLine& line = layout[static_cast<size_t>(i)];
        if (!line.fontName.isEmpty()) continue;
        line.printOn = i < kPrintedValueLines ? 1 : 0;
        line.align = 0;
        line.leftMm = kDefaultLeftMm;
        // Two thirds of the design font's points per line: 16 mm.
        line.topMm = (i * kDesignFontPoints) / 3 * 2;
        line.text.clear();
        line.fontName = QStringLiteral("Times New Roman");
        line.fontStyle = kFontBold;
        line.fontColor = clWindowText;
        line.fontSize = kDesignFontPoints / 2;
    }
}

QString CertificateLineName(int line) {
    // The certificate's lines, named after the value they print.
    static const std::array<const char*, kPrintedValueLines> kValueNames{
        //: certificate line: the team's rank
        QT_TRANSLATE_NOOP("CertificateLines", "Platz"),
        //: certificate line: the team's name
        QT_TRANSLATE_NOOP("CertificateLines", "Mannschaft"),
        //: certificate line: the team's class (category)
        QT_TRANSLATE_NOOP("CertificateLines", "Klasse"),
        //: certificate line: run time without penalty
        QT_TRANSLATE_NOOP("CertificateLines", "Ubungszeit"),
        //: certificate line: penalty seconds
        QT_TRANSLATE_NOOP("CertificateLines", "Fehler"),
        //: certificate line: run time plus penalty seconds
        QT_TRANSLATE_NOOP("CertificateLines", "Gesamtzeit"),
        //: certificate line: the date
        QT_TRANSLATE_NOOP("CertificateLines", "Datum"),
        //: certificate line: the workbook's file name
        QT_TRANSLATE_NOOP("CertificateLines", "Dateiname")};
    if (line >= 0 && line < kPrintedValueLines)
        return QCoreApplication::translate("CertificateLines", kValueNames[static_cast<size_t>(line)]);
    //: a free text line of the certificate, numbered from 1
    return QCoreApplication::translate("CertificateLines", "%1. Zeile").arg(line - kPrintedValueLines + 1);
}

} // namespace zn
