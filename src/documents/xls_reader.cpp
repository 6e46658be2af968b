// Legacy .xls (BIFF) through libfreexl.
#include "documents/workbook_formats.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QTime>

#include <freexl.h>
#include <vector>

namespace zn::workbook {

namespace {

// An encrypted .xlsx is a compound file too; freexl sees no workbook in it.
bool IsEncryptedPackage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPartBytes) return false;
    const QByteArray name = QByteArray("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32);
    return file.readAll().contains(name);
}

QString CellText(const FreeXL_CellValue& cell, const QLocale& locale) {
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return NumberText(cell.value.int_value, locale);
    case FREEXL_CELL_DOUBLE:
        return NumberText(cell.value.double_value, locale);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return cell.value.text_value ? QString::fromUtf8(cell.value.text_value) : QString();
    case FREEXL_CELL_DATE:
        return locale.toString(QDate::fromString(QString::fromLatin1(cell.value.text_value), Qt::ISODate),
                               QLocale::ShortFormat);
    case FREEXL_CELL_DATETIME: {
        const QDateTime at = QDateTime::fromString(QString::fromLatin1(cell.value.text_value),
                                                   QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return locale.toString(at.date(), QLocale::ShortFormat) + u' ' +
               locale.toString(at.time(), QLocale::ShortFormat);
    }
    case FREEXL_CELL_TIME: {
        // The library gives whole seconds ("00:01:05" of 1:05,25) and does
        // not say whether the format shows them; a list holds run times.
        const QTime at = QTime::fromString(QString::fromLatin1(cell.value.text_value), Qt::ISODate);
        return at.isValid() ? SecondsText(at.msecsSinceStartOfDay() / 1000.0, locale) : QString();
    }
    default:
        return {};
    }
}

class Handle {
public:
    ~Handle() {
        if (handle) freexl_close(handle);
    }
    const void* handle = nullptr;
};

} // namespace

QString ReadXls(const QString& path, const QLocale& locale, WorkbookSheets& out) {
    Handle xls;
    const int opened = freexl_open(QFile::encodeName(path).constData(), &xls.handle);
    if (opened != FREEXL_OK) {
        if (IsEncryptedPackage(path))
            return QCoreApplication::translate("WorkbookReader",
                                               "Die Arbeitsmappe ist mit einem Kennwort geschützt.");
        if (opened == FREEXL_INSUFFICIENT_MEMORY)
            return QCoreApplication::translate("WorkbookReader",
                                               "Der Speicher reicht für diese Datei nicht.");
        // The library's code (-2 .. -30) helps whoever looks at a file sent in.
        return QCoreApplication::translate(
                   "WorkbookReader",
                   "Die Datei ist keine lesbare Excel-Arbeitsmappe; sie ist beschädigt oder ein "
                   "anderes Office-Dokument (Code %1).")
            .arg(opened);
    }
    // libfreexl 1.0 opens a workbook saved with a password (a FILEPASS
    // record) as FREEXL_OK without a handle; one only obfuscated it reports.
    unsigned int info = 0;
    if (!xls.handle || (freexl_get_info(xls.handle, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK &&
                        info == FREEXL_BIFF_OBFUSCATED))
        return QCoreApplication::translate("WorkbookReader",
                                           "Die Arbeitsmappe ist mit einem Kennwort geschützt.");
    if (freexl_get_info(xls.handle, FREEXL_BIFF_SHEET_COUNT, &info) != FREEXL_OK)
        return QCoreApplication::translate("WorkbookReader",
                                           "Die Tabellen der Arbeitsmappe sind nicht zu finden.");
    // The library does not tell hidden sheets.
    std::vector<WorkbookTab> tabs;
    for (unsigned int i = 0; i < info && i < 65536; ++i) {
        const char* name = nullptr;
        freexl_get_worksheet_name(xls.handle, static_cast<unsigned short>(i), &name);
        tabs.push_back({name ? QString::fromUtf8(name) : QString(), false});
    }
    const ListSheetChoice choice = StartListSheets(tabs, out);
    int valueCells = 0;
    bool timeCells = false;
    for (size_t i = 0; i < out.sheets.size(); ++i) {
        const int at = choice.sheet[i];
        if (at < 0) continue;
        unsigned int rows = 0;
        unsigned short cols = 0;
        if (freexl_select_active_worksheet(xls.handle, static_cast<unsigned short>(at)) != FREEXL_OK ||
            freexl_worksheet_dimensions(xls.handle, &rows, &cols) != FREEXL_OK)
            return QCoreApplication::translate("WorkbookReader", "Die Tabelle %1 ist beschädigt.")
                .arg(at + 1);
        // One row past the limit is enough to know the sheet goes beyond it.
        const unsigned int lastRow = std::min(rows, static_cast<unsigned int>(kMaxWorkbookRows) + 1);
        const unsigned short lastCol = std::min(cols, static_cast<unsigned short>(kMaxWorkbookCols));
        for (unsigned int r = 0; r < lastRow; ++r) {
            for (unsigned short c = 0; c < lastCol; ++c) {
                FreeXL_CellValue cell;
                if (freexl_get_cell_value(xls.handle, r, c, &cell) != FREEXL_OK) continue;
                if (cell.type == FREEXL_CELL_NULL) continue;
                ++valueCells;
                timeCells = timeCells || cell.type == FREEXL_CELL_TIME;
                out.sheets[i].Set(static_cast<int>(r), c, CellText(cell, locale));
            }
        }
        if (rows > lastRow) out.sheets[i].beyondRowLimit = true;
    }
    if (timeCells) {
        if (!out.note.isEmpty()) out.note += u';';
        out.note += QCoreApplication::translate(
            "WorkbookReader", " Zeitzellen der .xls-Datei nur auf ganze Sekunden gelesen – für "
                              "Hundertstel als .xlsx oder .ods speichern");
    }
    return LoadedOrReason(out, valueCells);
}

} // namespace zn::workbook
