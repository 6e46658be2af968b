// Renders the main window at its design size 1006 x 615 into a PNG, with two
// example teams on the lanes and a run in progress, without sound or settings;
// with a second file name also the spectator board at 1280 x 720.
#include "app/board_window.h"
#include "app/demo_console.h"
#include "app/main_window.h"
#include "controls/bit_btn_with_color.h"
#include "controls/led.h"
#include "controls/sort_grid.h"
#include "core/protocol_row.h"

#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

class StillClock : public zn::ITickSource {
public:
    uint32_t now = 0;
    uint32_t TickCount() override { return now; }
    void Sleep(int ms) override { now += static_cast<uint32_t>(ms); }
};

} // namespace

int main(int argc, char* argv[]) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("main_window.png");

    QTemporaryDir dir;
    StillClock clock;
    zn::SilentPlatform platform(clock, dir.path());

    zn::TFormMain form(platform.Platform());
    form.resize(zn::TFormMain::kDesignWidth, zn::TFormMain::kDesignHeight);
    zn::PutDemoTeams(form, {QStringLiteral("  1 FF Kronvik"), QStringLiteral("  2 FF Zevezodid"),
                            QStringLiteral("  3 FF Rozodiroz")});
    form.show();

    // A run: lane 1 stopped at 23,45 s, lane 2 still running at 104,56 s.
    form.mStartClick(form.bSTART);
    clock.now += 23456;
    form.mSTOP1Click();
    clock.now += 104560 - 23456;
    form.ClockTimer();
    form.Led1->SetValue(true);
    QApplication::processEvents();

    if (!form.grab().save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s\n", qPrintable(out));
    if (argc > 2) {
        const QString boardOut = QString::fromLocal8Bit(argv[2]);
        form.ToggleBoard();
        zn::TFormBoard* board = form.FormBoard;
        board->showNormal();
        board->resize(1280, 720);
        board->ShowClocks();
        QApplication::processEvents();
        if (!board->grab().save(boardOut)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(boardOut));
            return 1;
        }
        std::printf("%s\n", qPrintable(boardOut));
        board->Tick->stop();
    }
    form.Clock->stop();
    return 0;
}
