// What the operator waits for after "Protokoll drucken" on a long list: the
// protocol of 2,000 teams composed into the preview window, and a page turn
// in the preview (the page decoded from the page store and painted).
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include "print/form_pp.h"
#include "print/print_preview.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QPrinter>

using namespace zn;

namespace {

QString Cell(int col, int row) {
    static const QStringList kHeaders{"Platz", "Mannschaft", "Klasse", "Übungszeit", "Fehler", "Gesamtzeit"};
    if (row == 0) return kHeaders.at(col);
    switch (col) {
    case 0:
        return QString::number(row);
    case 1:
        return QStringLiteral("Freiwillige Feuerwehr Mühlbach-Süd %1").arg(row);
    case 2:
        return row % 2 ? QStringLiteral("Männer") : QStringLiteral("Frauen");
    case 4:
        return QString::number(row % 3 * 5);
    default:
        return QStringLiteral("%1,%2").arg(20 + row % 40).arg(row % 100, 2, 10, QLatin1Char('0'));
    }
}

struct Preview {
    QPrinter printer{QPrinter::HighResolution};
    TFormPP form;
    explicit Preview(int teams) {
        form.PrintPreview1->SetPrinter(&printer);
        form.Source = [teams] {
            PrintSource source;
            source.table = {6, teams + 1, Cell};
            source.listTitle = QStringLiteral("Vorlauf");
            source.dateCaption = QStringLiteral("07.12.2026   14:00");
            return source;
        };
        form.resize(800, 1000);
    }
};

void BM_ComposeProtocol(benchmark::State& state) {
    Preview preview(static_cast<int>(state.range(0)));
    for (auto _ : state)
        preview.form.ComposePages();
    state.counters["pages"] = preview.form.PrintPreview1->PageCount();
}
BENCHMARK(BM_ComposeProtocol)->Arg(2000)->Unit(benchmark::kMillisecond);

// One page forward or back, painted as the view shows it.
void BM_TurnPage(benchmark::State& state) {
    Preview preview(2000);
    preview.form.show();
    preview.form.ComposePages();
    TPrintPreview* view = preview.form.PrintPreview1;
    int page = 1;
    for (auto _ : state) {
        page = page % view->PageCount() + 1;
        view->SetCurrentPage(page);
        benchmark::DoNotOptimize(view->grab());
    }
}
BENCHMARK(BM_TurnPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
