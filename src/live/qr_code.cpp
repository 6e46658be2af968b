#include "live/live_server.h"

#include <qrencode.h>

namespace zn {

QrMatrix QrCodeFor(const QString& text) {
    QrMatrix m;
    const QByteArray utf8 = text.toUtf8();
    // Level M still reads with 15 % of the code covered: a scratched screen or
    // a reflection on a projector's picture. Version 0: the smallest that fits.
    QRcode* code = QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code) return m;
    m.size = code->width;
    m.dark.resize(static_cast<size_t>(code->width) * static_cast<size_t>(code->width));
    // Bit 0 of each byte is the module's colour; the others say what kind of
    // module it is (finder, timing, data).
    for (size_t i = 0; i < m.dark.size(); ++i)
        m.dark[i] = code->data[i] & 1u;
    QRcode_free(code);
    return m;
}

} // namespace zn
