#include "core/wav_info.h"

#include <QFile>
#include <QtEndian>

namespace zn {

std::optional<int> WavDurationMs(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray head = f.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return std::nullopt;

    quint32 byteRate = 0;
    // Walk the chunks: "fmt " gives the byte rate, "data" the length.
    for (int guard = 0; guard < 64; ++guard) {
        const QByteArray chunk = f.read(8);
        if (chunk.size() < 8) return std::nullopt;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = f.read(size);
            if (fmt.size() < 12) return std::nullopt;
            byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
            if (size & 1) f.read(1);
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0) return std::nullopt;
            return static_cast<int>(static_cast<qint64>(size) * 1000 / byteRate);
        } else if (!f.seek(f.pos() + size + (size & 1))) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace zn
