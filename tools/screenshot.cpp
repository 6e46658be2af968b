// Renders the main window at its design size 1006 x 615 into a PNG, with two
// example teams on the lanes and a run in progress, without sound or settings;
// "--language en" first makes it in that language; with a second file name
// also the spectator board at a projector's
// 1920 x 1080, with names as long as real ones. "--next-round FILE" renders
// the next round dialog instead: 20 teams of a Vorlauf into a Viertelfinale
// of 8, with a tie at place 8.
#include "app/application_setup.h"
#include "app/board_window.h"
#include "app/console_probe.h"
#include "app/demo_console.h"
#include "app/next_round_dialog.h"
#include "controls/bit_btn_with_color.h"
#include "controls/led.h"
#include "controls/sort_grid.h"
#include "core/board_state.h"
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

// Four teams of a district's qualification; 1 and 2 have run, 3 and 4 are
// on the track.
zn::BoardState BoardPicture(uint32_t now) {
    using zn::CompetitionEventKind;
    const QStringList names{QStringLiteral("1 Freiwillige Feuerwehr Oberlangenhausen"),
                            QStringLiteral("2 Löschzug Wettkampfgruppe Süd-Ost"),
                            QStringLiteral("3 Jugendfeuerwehr Niederkirchberg"),
                            QStringLiteral("4 Werkfeuerwehr Chemiepark Rheinufer")};
    QList<QStringList> protocol{QStringList(zn::ProtocolHeaders.begin(), zn::ProtocolHeaders.end())};
    protocol << QStringList{"1", names[0].mid(2), "A", "", "23,45", "0", "23,45", "", "", "", "23,45"}
             << QStringList{"2", names[1].mid(2), "A", "", "", "", "", "24,91", "5", "29,91", "29,91"}
             << QStringList{"3", names[2].mid(2)} << QStringList{"4", names[3].mid(2)};
    QList<QStringList> result{QStringList(zn::ResultHeaders.begin(), zn::ResultHeaders.end())};
    result << QStringList{"1", names[0], "A", "23,45", "0", "23,45"}
           << QStringList{"2", names[1], "A", "24,91", "5", "29,91"};
    zn::BoardState state;
    const auto event = [&](CompetitionEventKind kind, int first = 0, uint32_t tick = 0) {
        zn::CompetitionEvent e;
        e.kind = kind;
        e.team = names[first];
        e.team2 = names[first + 1];
        e.tick = tick;
        return e;
    };
    zn::CompetitionEvent loaded = event(CompetitionEventKind::ListsLoaded);
    loaded.lists = {{2, protocol}, {3, result}};
    loaded.stageTag = 13;
    loaded.listTitle = QStringLiteral("Kreisausscheid Vorlauf");
    zn::ApplyBoardEvent(state, loaded);
    zn::ApplyBoardEvent(state, event(CompetitionEventKind::RunStarted, 0, now - 90000));
    for (int lane = 0; lane < 2; ++lane) {
        zn::CompetitionEvent stop = event(CompetitionEventKind::LaneStopped);
        stop.lane = lane;
        stop.timeMs = lane == 0 ? 23456 : 24912;
        stop.newText = lane == 0 ? QStringLiteral("23,45") : QStringLiteral("24,91");
        zn::ApplyBoardEvent(state, stop);
    }
    zn::ApplyBoardEvent(state, event(CompetitionEventKind::Reset, 2));
    const zn::BoardState afterReset = state;
    zn::ApplyBoardEvent(state, event(CompetitionEventKind::RunStarted, 2, now - 18340));
    zn::CompetitionEvent stop = event(CompetitionEventKind::LaneStopped, 2);
    stop.lane = 1;
    stop.timeMs = 17520;
    stop.newText = QStringLiteral("17,52");
    zn::ApplyBoardEvent(state, stop);
    // The picture shows the last run beside the running pair, as in the
    // moment of the start; the board itself clears it then.
    state.lastRun = afterReset.lastRun;
    state.showLastRun = true;
    return state;
}

int NextRoundPicture(const QString& out) {
    const char* const places[] = {"Kronvik",  "Zevezodid", "Rozodiroz", "Mühlbach", "Zozaridu",
                                  "Ziveve",   "Birkenau",  "Talheim",   "Oberried", "Lindach",
                                  "Am Hang",  "Seefeld",   "Waldbrunn", "Ried",     "Steinach",
                                  "Hofstett", "Brunnen",   "Eichholz",  "Au",       "Moosdorf"};
    QList<zn::NextRoundTeam> ranked;
    for (int i = 0; i < 20; ++i) {
        // Places 8 and 9 share their total.
        const int hundredths = 2345 + 37 * (i == 8 ? 7 : i);
        ranked.append(
            {QString::number(i + 1), QStringLiteral("FF ") + QString::fromUtf8(places[i]),
             QStringLiteral("A"), i + 1,
             QStringLiteral("%1,%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QChar(u'0'))});
    }
    zn::NextRoundDialog dialog(1, ranked, u',');
    dialog.stageBox->setCurrentIndex(dialog.stageBox->findData(3));
    dialog.show();
    dialog.adjustSize();
    QApplication::processEvents();
    if (!dialog.grab().save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s\n", qPrintable(out));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // "--language en": the console in that language (its translation beside
    // the program), else German.
    QStringList args = QCoreApplication::arguments().mid(1);
    QString language = QStringLiteral("de");
    if (args.size() > 1 && args.front() == QLatin1String("--language")) {
        language = args[1];
        args = args.mid(2);
    }
    if (!zn::InstallTranslations(language, {QCoreApplication::applicationDirPath()}))
        std::fprintf(stderr, "no complete translation for %s\n", qPrintable(language));
    if (args.size() > 1 && args.front() == QLatin1String("--next-round")) return NextRoundPicture(args[1]);
    const QString out = args.isEmpty() ? QStringLiteral("main_window.png") : args[0];

    QTemporaryDir dir;
    StillClock clock;
    zn::SilentPlatform platform(clock, dir.path());

    zn::ConsoleProbe form(platform.Platform());
    form.resize(zn::ConsoleProbe::kDesignWidth, zn::ConsoleProbe::kDesignHeight);
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
    if (args.size() > 1) {
        const QString boardOut = args[1];
        form.ToggleBoard();
        zn::BoardWindow* board = form.BoardWindowOpened();
        board->showNormal();
        // Offscreen the only screen is 800 x 600; the picture is the projector's.
        board->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        board->resize(1920, 1080);
        board->ShowState(BoardPicture(clock.now));
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
