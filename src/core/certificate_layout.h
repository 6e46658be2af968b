#pragma once

#include "core/colors.h"
#include "core/console_settings.h"
#include "core/page_canvas.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

namespace zn {

// One line of the certificate ("Urkunde"). Lines 0-7 print a value of the
// team's row (place, team, class, exercise time, faults, total time, date,
// list name); lines 8-17 print their own text.
struct CertificateLine {
    uint8_t printOn = 0;   // 1 = printed
    uint8_t align = 0;     // 0 left, 1 centred, 2 right of the reference point leftMm
    int32_t leftMm = 0;    // reference point from the page's left edge
    int32_t topMm = 0;     // top of the text from the page's top edge
    QString text;          // at most 255 Windows-1252 bytes once stored
    QString fontName;      // likewise; empty = the line was never set up
    uint8_t fontStyle = 0; // kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut
    int32_t fontSize = 0;  // points
    TColor fontColor = 0;  // 0x00BBGGRR or a system colour 0xFF0000nn

    bool operator==(const CertificateLine&) const = default;
};

using CertificateLayout = std::array<CertificateLine, kCertificateLineCount>;

// The lines of a stored block. A shorter block is read as far as it goes and
// the missing bytes count as zero; bytes past 9648 are ignored.
CertificateLayout DecodeCertificateLayout(const QByteArray& block);

// Exactly 9648 bytes. Texts are cut to 255 bytes; a character Windows-1252
// cannot hold is stored as '?'. Reserved bytes are written as zero.
QByteArray EncodeCertificateLayout(const CertificateLayout& layout);

// Fills every line whose font name is empty with its first-run values: lines
// 0-7 printed, all at 30 mm from the left and 16 mm apart from the top
// (0, 16, ... 272 mm), 12-point bold Times New Roman in the window-text colour.
// Lines that have a font name are left as they are.
void ApplyCertificateDefaults(CertificateLayout& layout);

// The line's name as the settings dialog lists it: "Platz" ... "Dateiname"
// for lines 0-7, "1. Zeile" ... "10. Zeile" for lines 8-17.
QString CertificateLineName(int line);

} // namespace zn
