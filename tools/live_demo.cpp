// Serves the live page with an example competition for a while, so the page
// can be looked at (and photographed) without a console:
//   zeitnahme-live-demo [--port 8080] [--seconds 10]
// Lane 1 runs, lane 2 has stopped, the last pair's times, the best time and
// the top five of the qualification are shown; some names are as long as a
// district's longest, so that a phone shows how they give way.
#include "core/board_state.h"
#include "core/protocol_row.h"
#include "live/live_server.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <thread>

namespace {

class DemoClock final : public zn::ITickSource {
public:
    DemoClock() { timer_.start(); }
    uint32_t TickCount() override { return static_cast<uint32_t>(timer_.elapsed()) + 100000; }
    void Sleep(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

private:
    QElapsedTimer timer_;
};

struct Team {
    const char* nr;
    const char* name;
    const char* time1;
    const char* penalty1;
    const char* total1;
};

// Teams 1-6 have run once; 7 and 8 are on the track.
const Team kTeams[] = {
    {"1", "Freiwillige Feuerwehr Oberlangenhausen-Süd", "21,84", "0", "21,84"},
    {"2", "FF Zevezodid", "23,10", "5", "28,10"},
    {"3", "FF Mühlbach", "22,47", "0", "22,47"},
    {"4", "FF Žďár", "24,95", "0", "24,95"},
    {"5", "FF Ober-Rozodiroz", "20,93", "10", "30,93"},
    {"6", "FF Niederau", "22,05", "0", "22,05"},
    {"7", "Jugendfeuerwehr Niederkirchberg-Altstadt", "", "", ""},
    {"8", "Werkfeuerwehr Chemiepark Rheinufer Nord", "", "", ""},
};

zn::BoardState DemoState(uint32_t now) {
    using zn::CompetitionEventKind;
    QList<QStringList> protocol{QStringList(zn::ProtocolHeaders.begin(), zn::ProtocolHeaders.end())};
    for (const Team& t : kTeams)
        protocol << QStringList{t.nr, t.name, "A", "", t.time1, t.penalty1, t.total1, "", "", "", t.total1};
    QList<QStringList> result{QStringList(zn::ResultHeaders.begin(), zn::ResultHeaders.end())};
    const int order[] = {0, 5, 2, 3, 1, 4};
    for (int place = 0; place < 6; ++place) {
        const Team& t = kTeams[order[place]];
        result << QStringList{
            QString::number(place + 1), zn::TeamKey(t.nr, t.name), "A", t.time1, t.penalty1, t.total1};
    }

    zn::BoardState state;
    const auto apply = [&](CompetitionEventKind kind, const QString& a, const QString& b, uint32_t tick = 0) {
        zn::CompetitionEvent e;
        e.kind = kind;
        e.team = a;
        e.team2 = b;
        e.tick = tick;
        return e;
    };
    zn::CompetitionEvent loaded = apply(CompetitionEventKind::ListsLoaded, zn::TeamKey("5", kTeams[4].name),
                                        zn::TeamKey("6", kTeams[5].name));
    loaded.lists = {{2, protocol}, {3, result}};
    loaded.stageTag = 13;
    loaded.listTitle = QStringLiteral("Vorlauf");
    zn::ApplyBoardEvent(state, loaded);
    zn::ApplyBoardEvent(state,
                        apply(CompetitionEventKind::RunStarted, loaded.team, loaded.team2, now - 40000));
    for (int lane = 0; lane < 2; ++lane) {
        zn::CompetitionEvent stop = apply(CompetitionEventKind::LaneStopped, {}, {});
        stop.lane = lane;
        stop.newText = kTeams[4 + lane].time1;
        stop.timeMs = lane == 0 ? 20930 : 22050;
        zn::ApplyBoardEvent(state, stop);
    }
    const QString next1 = zn::TeamKey("7", kTeams[6].name);
    const QString next2 = zn::TeamKey("8", kTeams[7].name);
    zn::ApplyBoardEvent(state, apply(CompetitionEventKind::Reset, next1, next2));
    zn::ApplyBoardEvent(state, apply(CompetitionEventKind::RunStarted, next1, next2, now - 18340));
    zn::CompetitionEvent stop = apply(CompetitionEventKind::LaneStopped, {}, {});
    stop.lane = 1;
    stop.timeMs = 17520;
    stop.newText = QStringLiteral("17,52");
    zn::ApplyBoardEvent(state, stop);
    // The protocol gives lane 2's row no time in this example, so the board
    // shows the stopped time alone.
    return state;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const auto option = [&](const QString& name, int fallback) {
        const qsizetype i = args.indexOf(name);
        return i >= 0 && i + 1 < args.size() ? args[i + 1].toInt() : fallback;
    };
    const int port = option(QStringLiteral("--port"), 8080);
    const int seconds = option(QStringLiteral("--seconds"), 10);

    DemoClock clock;
    zn::LivePageServer server(&clock);
    QString error;
    if (!server.Start(static_cast<uint16_t>(port), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    server.SetState(DemoState(clock.TickCount()));
    std::printf("%s for %d s\n", qPrintable(server.Address()), seconds);
    std::fflush(stdout);
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
