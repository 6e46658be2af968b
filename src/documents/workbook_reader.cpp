#include "documents/workbook_reader.h"

#include "documents/workbook_formats.h"

#include "core/list_sheets.h"
#include "core/system_errors.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <zip.h>

namespace zn {

void SheetCells::Set(int row, int col, const QString& text) {
    if (text.isEmpty() || row < 0 || col < 0 || col >= kMaxWorkbookCols) return;
    if (row >= kMaxWorkbookRows) {
        beyondRowLimit = true;
        return;
    }
    rows[row][col] = text;
}

void SheetCells::SetUnevaluated(int row, int col) {
    if (row < 0 || col < 0 || col >= kMaxWorkbookCols) return;
    if (row >= kMaxWorkbookRows) {
        beyondRowLimit = true;
        return;
    }
    unevaluated.insert({row, col});
}

QString SheetCells::Cell(int row, int col) const {
    const auto r = rows.find(row);
    if (r == rows.end()) return {};
    const auto c = r->second.find(col);
    return c == r->second.end() ? QString() : c->second;
}

QString WorkbookErrorText(const QString& path, const QString& reason) {
    return QCoreApplication::translate("WorkbookReader",
                                       "Die Arbeitsmappe „%1“ kann nicht geladen werden: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// 21.5 -> "21,5", 7 -> "7": as many digits as a spreadsheet keeps (15), no
// thousands separators, which would make "1.234" of 1234 in German.
QString NumberText(double value, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}

double RoundedToHundredths(double value) {
    if (!std::isfinite(value) || std::abs(value) > 1.0e12) return value;
    // The product is off by an ulp (20.005 * 100 = 2000.4999999999998);
    // fifteen digits, as many as the spreadsheet keeps, give back 2000.5.
    const double hundredths = QString::number(value * 100.0, 'g', 15).toDouble();
    return std::round(hundredths) / 100.0;
}

QString SecondsText(double seconds, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const double rounded = RoundedToHundredths(seconds);
    return plain.toString(rounded == 0 ? 0.0 : rounded, 'f', 2);
}

QString SerialDateText(double serial, bool from1904, bool hasDate, bool hasTime, const QLocale& locale) {
    if (!std::isfinite(serial) || std::abs(serial) > 3.0e6) return NumberText(serial, locale);
    const QDate base = from1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30);
    const double days = std::floor(serial);
    const qint64 ms = std::llround((serial - days) * 86400000.0);
    const QDateTime at = QDateTime(base.addDays(static_cast<qint64>(days)), QTime(0, 0)).addMSecs(ms);
    QStringList parts;
    if (hasDate) parts << locale.toString(at.date(), QLocale::ShortFormat);
    if (hasTime && (!hasDate || at.time() != QTime(0, 0)))
        parts << TimeText(at.time().msecsSinceStartOfDay(), locale);
    return parts.join(u' ');
}

QString TimeText(qint64 ms, const QLocale& locale) {
    const qint64 whole = ms < 0 ? -ms : ms;
    const qint64 hours = whole / 3600000;
    const int minutes = static_cast<int>(whole / 60000 % 60);
    const int seconds = static_cast<int>(whole / 1000 % 60);
    const int millis = static_cast<int>(whole % 1000);
    if (ms >= 0 && hours < 24 && seconds == 0 && millis == 0)
        return locale.toString(QTime(static_cast<int>(hours), minutes), QLocale::ShortFormat);
    QString text = QStringLiteral("%1%2:%3:%4")
                       .arg(ms < 0 ? QStringLiteral("-") : QString())
                       .arg(hours, 2, 10, QChar(u'0'))
                       .arg(minutes, 2, 10, QChar(u'0'))
                       .arg(seconds, 2, 10, QChar(u'0'));
    if (millis != 0) {
        QString fraction = QStringLiteral("%1").arg(millis, 3, 10, QChar(u'0'));
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
        text += locale.decimalPoint() + fraction;
    }
    return text;
}

namespace workbook {

QString BoolText(bool on, const QLocale& locale) {
    const bool german = locale.language() == QLocale::German;
    return on ? (german ? QStringLiteral("WAHR") : QStringLiteral("TRUE"))
              : (german ? QStringLiteral("FALSCH") : QStringLiteral("FALSE"));
}

QString NothingLoadedReason() {
    return QCoreApplication::translate(
        "WorkbookReader", "Die Tabellen enthalten Zellen, aber keine davon konnte gelesen werden "
                          "(beschädigte Datei oder unbekannte Form).");
}

QString LoadedOrReason(const WorkbookSheets& out, int valueCells) {
    bool loaded = false;
    for (const SheetCells& s : out.sheets)
        loaded = loaded || !s.Empty() || s.beyondRowLimit;
    return valueCells > 0 && !loaded ? NothingLoadedReason() : QString();
}

ListSheetChoice StartListSheets(const std::vector<WorkbookTab>& tabs, WorkbookSheets& out) {
    ListSheetChoice choice = ChooseListSheets(tabs);
    out.sheetCount = static_cast<int>(tabs.size());
    out.note = choice.note;
    size_t lists = 0;
    for (size_t i = 0; i < choice.sheet.size(); ++i)
        if (choice.sheet[i] >= 0) lists = i + 1;
    out.sheets.assign(lists, SheetCells{});
    for (size_t i = 0; i < lists; ++i) {
        const int at = choice.sheet[i];
        out.sheets[i].absent = at < 0;
        if (at >= 0) out.sheets[i].name = tabs[static_cast<size_t>(at)].name;
    }
    return choice;
}

struct ZipPackage::Impl {
    zip_t* zip = nullptr;
};

ZipPackage::ZipPackage() : impl_(std::make_unique<Impl>()) {}

ZipPackage::~ZipPackage() {
    if (impl_->zip) zip_discard(impl_->zip);
}

QString ZipPackage::Open(const QString& path) {
    int code = 0;
    impl_->zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (impl_->zip) return {};
    if (code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS)
        return QCoreApplication::translate(
            "WorkbookReader", "Die Datei ist beschädigt oder unvollständig (kein lesbares ZIP-Paket).");
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString reason = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return QCoreApplication::translate("WorkbookReader", "Die Datei kann nicht geöffnet werden (%1).")
        .arg(reason);
}

bool ZipPackage::Has(const QString& name) const {
    return zip_name_locate(impl_->zip, name.toUtf8().constData(), ZIP_FL_NOCASE) >= 0;
}

QString ZipPackage::Read(const QString& name, QByteArray& bytes) const {
    QString damaged =
        QCoreApplication::translate("WorkbookReader", "Der Teil „%1“ des Pakets ist beschädigt.").arg(name);
    const zip_int64_t index = zip_name_locate(impl_->zip, name.toUtf8().constData(), ZIP_FL_NOCASE);
    if (index < 0)
        return QCoreApplication::translate("WorkbookReader", "Der Teil „%1“ fehlt im Paket.").arg(name);
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(impl_->zip, static_cast<zip_uint64_t>(index), 0, &st) != 0 ||
        !(st.valid & ZIP_STAT_SIZE))
        return damaged;
    if (st.size > static_cast<zip_uint64_t>(kMaxPartBytes))
        return QCoreApplication::translate("WorkbookReader",
                                           "Der Teil „%1“ ist mit %2 MB zu groß für eine Mannschaftsliste.")
            .arg(name)
            .arg(st.size / (1024 * 1024));
    zip_file_t* file = zip_fopen_index(impl_->zip, static_cast<zip_uint64_t>(index), 0);
    if (!file) return damaged;
    bytes.resize(static_cast<qsizetype>(st.size));
    const zip_int64_t got = zip_fread(file, bytes.data(), st.size);
    zip_fclose(file);
    if (got < 0 || static_cast<zip_uint64_t>(got) != st.size) return damaged;
    return {};
}

} // namespace workbook

namespace {

enum class Kind { Zip, Compound, Other };

Kind KindOf(const QByteArray& head) {
    if (head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06")) return Kind::Zip;
    if (head.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) return Kind::Compound;
    return Kind::Other;
}

QString Read(const QString& path, const QLocale& locale, WorkbookSheets& out) {
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("WorkbookReader", "Die Datei ist nicht vorhanden.");
    if (!info.isFile()) return QCoreApplication::translate("WorkbookReader", "Das ist keine Datei.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("WorkbookReader", "Die Datei kann nicht gelesen werden (%1).")
            .arg(FileErrorText(file));
    if (file.size() == 0) return QCoreApplication::translate("WorkbookReader", "Die Datei ist leer.");
    const QByteArray head = file.read(8);
    file.close();
    switch (KindOf(head)) {
    case Kind::Zip: {
        workbook::ZipPackage package;
        if (QString reason = package.Open(path); !reason.isEmpty()) return reason;
        if (package.Has(QStringLiteral("content.xml")) && !package.Has(QStringLiteral("[Content_Types].xml")))
            return workbook::ReadOds(path, locale, out);
        if (package.Has(QStringLiteral("[Content_Types].xml"))) return workbook::ReadXlsx(path, locale, out);
        return QCoreApplication::translate("WorkbookReader", "Das ZIP-Paket enthält keine Arbeitsmappe.");
    }
    case Kind::Compound:
        return workbook::ReadXls(path, locale, out);
    case Kind::Other:
        break;
    }
    return QCoreApplication::translate("WorkbookReader",
                                       "Die Datei ist keine Arbeitsmappe (.xlsx, .ods oder .xls).");
}

} // namespace

QString EmptySheetsReason() {
    return QCoreApplication::translate("WorkbookReader", "Die ersten Tabellen der Arbeitsmappe sind leer.");
}

WorkbookSheets ReadWorkbookHere(const QString& path, const QLocale& locale) {
    WorkbookSheets out;
    QString reason;
    try {
        reason = Read(path, locale, out);
    } catch (const std::bad_alloc&) {
        reason = QCoreApplication::translate("WorkbookReader", "Der Speicher reicht für diese Datei nicht.");
    } catch (const std::exception& e) {
        reason = QCoreApplication::translate("WorkbookReader", "Die Datei ist beschädigt (%1).")
                     .arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        reason = QCoreApplication::translate("WorkbookReader", "Die Datei ist beschädigt.");
    }
    if (reason.isEmpty() && out.sheetCount == 0)
        reason = QCoreApplication::translate("WorkbookReader", "Die Arbeitsmappe hat keine Tabelle.");
    if (reason.isEmpty()) {
        bool any = false;
        for (const SheetCells& sheet : out.sheets)
            any = any || !sheet.Empty() || sheet.beyondRowLimit;
        // Loading nothing would empty every list of the competition.
        if (!any) reason = EmptySheetsReason();
    }
    if (!reason.isEmpty()) {
        out = WorkbookSheets{};
        out.error = WorkbookErrorText(path, reason);
    }
    return out;
}

} // namespace zn
