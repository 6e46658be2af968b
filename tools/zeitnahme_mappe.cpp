// The reader program: reads one workbook in a process of its own, so that a
// parsing library that crashes or hangs on a file takes only this process
// down, never the console with its recorded times. The console starts it
// with --lesen and reads the sheets from its standard output; by hand it
// prints what the console would load.

#include "documents/workbook_reader.h"
#include "documents/workbook_stream.h"

#include <QFile>
#include <QLocale>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

bool WriteAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

// The console's way: the sheets as a stream on standard output.
int ReadForConsole(const char* localeName, const char* path) {
    const zn::WorkbookSheets sheets =
        zn::ReadWorkbookHere(QFile::decodeName(path), QLocale(QString::fromLatin1(localeName)));
    if (!WriteAll(STDOUT_FILENO, zn::workbook::EncodeSheets(sheets))) return kExitRefused;
    return sheets.ok() ? kExitOk : kExitRefused;
}

// By hand: which sheet each list comes from, then every kept cell as "list
// row column: text", from 1 as the spreadsheet counts.
int PrintCells(const char* path) {
    const zn::WorkbookSheets sheets = zn::ReadWorkbookHere(QFile::decodeName(path), QLocale());
    if (!sheets.ok()) {
        Print(stderr, sheets.error);
        return kExitRefused;
    }
    Print(stdout, QStringLiteral("Tabellen: %1").arg(sheets.sheetCount));
    if (!sheets.note.isEmpty()) Print(stdout, sheets.note.trimmed());
    for (size_t s = 0; s < sheets.sheets.size(); ++s) {
        const zn::SheetCells& sheet = sheets.sheets[s];
        Print(stdout, sheet.absent
                          ? QStringLiteral("Liste %1: keine Tabelle").arg(s + 1)
                          : QString::fromUtf8("Liste %1: Tabelle \u201E%2\u201C").arg(s + 1).arg(sheet.name));
        for (const auto& [row, cols] : sheet.rows)
            for (const auto& [col, text] : cols)
                Print(stdout, QStringLiteral("%1 %2 %3: %4").arg(s + 1).arg(row + 1).arg(col + 1).arg(text));
        for (const auto& [row, col] : sheet.unevaluated)
            Print(stdout, QStringLiteral("%1 %2 %3: Formel ohne gespeicherten Wert")
                              .arg(s + 1)
                              .arg(row + 1)
                              .arg(col + 1));
        if (sheets.sheets[s].beyondRowLimit)
            Print(stdout, QStringLiteral("%1: mehr als %2 Zeilen").arg(s + 1).arg(zn::kMaxWorkbookRows));
    }
    return kExitOk;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--lesen") == 0) return ReadForConsole(argv[2], argv[3]);
    if (argc == 2 && argv[1][0] != '-') return PrintCells(argv[1]);
    Print(stderr,
          QString::fromUtf8("Aufruf: zeitnahme-mappe <Arbeitsmappe>\n"
                            "\n"
                            "Zeigt die Zellen der ersten vier Tabellen einer Arbeitsmappe (.xlsx, .ods, "
                            ".xls),\nwie die Zeitnahme sie lädt: Tabelle, Zeile, Spalte und Text.\n"
                            "Die Zeitnahme selbst liest jede Arbeitsmappe mit diesem Programm."));
    return kExitUsage;
}
