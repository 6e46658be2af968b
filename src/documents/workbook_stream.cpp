#include "documents/workbook_stream.h"

#include <QDataStream>
#include <QIODevice>

#include <cstring>

namespace zn::workbook {

namespace {

// The tag opens and closes the stream, so output cut off by a crash after
// the last sheet is still told apart from a complete answer.
constexpr char kTag[] = "ZN-MAPPE-2";
constexpr QDataStream::Version kVersion = QDataStream::Qt_6_4;

// A sheet keeps at most kMaxWorkbookRows x kMaxWorkbookCols cells.
constexpr quint32 kMaxCells = quint32(kMaxWorkbookRows) * kMaxWorkbookCols;

} // namespace

QByteArray EncodeSheets(const WorkbookSheets& sheets) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kVersion);
    out.writeRawData(kTag, sizeof kTag);
    out << sheets.error << sheets.note << qint32(sheets.sheetCount) << quint32(sheets.sheets.size());
    for (const SheetCells& sheet : sheets.sheets) {
        quint32 cells = 0;
        for (const auto& [row, cols] : sheet.rows)
            cells += quint32(cols.size());
        out << sheet.name << sheet.absent << sheet.beyondRowLimit << cells;
        for (const auto& [row, cols] : sheet.rows)
            for (const auto& [col, text] : cols)
                out << qint32(row) << qint32(col) << text;
        out << quint32(sheet.unevaluated.size());
        for (const auto& [row, col] : sheet.unevaluated)
            out << qint32(row) << qint32(col);
    }
    out.writeRawData(kTag, sizeof kTag);
    return bytes;
}

std::optional<WorkbookSheets> DecodeSheets(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(kVersion);
    char tag[sizeof kTag] = {};
    if (in.readRawData(tag, sizeof tag) != int(sizeof tag) || memcmp(tag, kTag, sizeof tag) != 0) return {};
    WorkbookSheets out;
    qint32 sheetCount = 0;
    quint32 kept = 0;
    in >> out.error >> out.note >> sheetCount >> kept;
    if (in.status() != QDataStream::Ok || sheetCount < 0 || kept > quint32(kWorkbookListSheets) ||
        kept > quint32(sheetCount))
        return {};
    out.sheetCount = sheetCount;
    out.sheets.resize(kept);
    for (SheetCells& sheet : out.sheets) {
        quint32 cells = 0;
        in >> sheet.name >> sheet.absent >> sheet.beyondRowLimit >> cells;
        if (in.status() != QDataStream::Ok || cells > kMaxCells) return {};
        for (quint32 i = 0; i < cells; ++i) {
            qint32 row = 0;
            qint32 col = 0;
            QString text;
            in >> row >> col >> text;
            if (in.status() != QDataStream::Ok) return {};
            sheet.Set(row, col, text);
        }
        quint32 formulas = 0;
        in >> formulas;
        if (in.status() != QDataStream::Ok || formulas > kMaxCells) return {};
        for (quint32 i = 0; i < formulas; ++i) {
            qint32 row = 0;
            qint32 col = 0;
            in >> row >> col;
            if (in.status() != QDataStream::Ok) return {};
            sheet.SetUnevaluated(row, col);
        }
    }
    if (in.readRawData(tag, sizeof tag) != int(sizeof tag) || memcmp(tag, kTag, sizeof tag) != 0 ||
        !in.atEnd())
        return {};
    return out;
}

} // namespace zn::workbook
