#include "core/code_page.h"

#include <QList>
#include <QStringDecoder>
#include <array>

namespace zn {

namespace {

// Characters of the bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

template <typename OnMissing> QByteArray Encode(const QString& text, OnMissing onMissing) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (char32_t cp : text.toUcs4()) {
        if (const std::optional<char> b = Cp1252Byte(cp)) {
            bytes.append(*b);
        } else if (!onMissing(bytes, cp)) {
            return QByteArray();
        }
    }
    return bytes;
}

} // namespace

std::optional<char> Cp1252Byte(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<char>(codePoint);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

bool FitsCp1252(const QString& text) {
    for (char32_t cp : text.toUcs4()) {
        if (!Cp1252Byte(cp)) return false;
    }
    return true;
}

std::optional<QByteArray> EncodeCp1252(const QString& text) {
    if (!FitsCp1252(text)) return std::nullopt;
    return Encode(text, [](QByteArray&, char32_t) { return false; });
}

QByteArray EncodeCp1252WithReferences(const QString& text) {
    return Encode(text, [](QByteArray& bytes, char32_t cp) {
        bytes.append("&#").append(QByteArray::number(static_cast<uint>(cp))).append(';');
        return true;
    });
}

QByteArray EncodeTextFile(const QString& text) {
    if (std::optional<QByteArray> bytes = EncodeCp1252(text)) return *bytes;
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString DecodeCp1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(kHighControls[b - 0x80]) : QChar(b));
    }
    return text;
}

QString DecodeTextFile(const QByteArray& bytes) {
    // Notepad's "Unicode" is UTF-16 behind its byte-order mark.
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    if (marked && *marked != QStringConverter::Utf8) return QStringDecoder(*marked).decode(bytes);
    const QByteArray bom("\xEF\xBB\xBF");
    const QByteArray body = bytes.startsWith(bom) ? bytes.mid(bom.size()) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError()) return text;
    return DecodeCp1252(body);
}

QStringList TextFileLines(const QByteArray& bytes) {
    QStringList lines = DecodeTextFile(bytes).split(u'\n');
    if (lines.last().isEmpty()) lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r')) line.chop(1);
    }
    return lines;
}

} // namespace zn
