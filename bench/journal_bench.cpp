// How long the journal takes to commit a lane's time with the 50-team time
// protocol attached (one row, one fsync'd transaction on a real file), and how
// long Record() holds up the caller meanwhile: the stop instant is taken
// before Record(), which only queues.
//   journal_bench [folder]   (default: a temporary folder; use the disk the console writes to)

#include "bench_util.h"
#include "journal/journal.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace {

using zn::bench::Clock;
using zn::bench::Micros;

zn::CompetitionEvent LaneStopped(int i) {
    zn::ListContent protocol{2, {{"Nr", "Mannschaft", "Ort", "Zeit 1", "Zeit 2", "Fehler", "Bestzeit"}}};
    for (int row = 1; row <= 50; ++row)
        protocol.rows.append({QString::number(row), QStringLiteral("FF Mühlbach-Süd %1").arg(row),
                              QStringLiteral("Großöd"), QStringLiteral("0:2%1,%2").arg(row % 10).arg(i % 100),
                              QString(), QString(), QStringLiteral("0:2%1,00").arg(row % 10)});
    zn::CompetitionEvent e;
    e.kind = zn::CompetitionEventKind::LaneStopped;
    e.lane = i % 2;
    e.team = QStringLiteral("%1 FF Mühlbach-Süd").arg(i % 50 + 1, 3);
    e.timeMs = 20000 + i;
    e.text = QStringLiteral("0:20,%1").arg(i % 100, 2, 10, QLatin1Char('0'));
    e.byContact = true;
    e.lists = {protocol};
    return e;
}

void Print(const char* what, const std::vector<double>& us) {
    const zn::bench::Stats s = zn::bench::StatsOf(us);
    std::printf("%-44s n=%zu  median %9.1f us  p99 %9.1f us  max %9.1f us\n", what, us.size(), s.median,
                s.p99, s.max);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir temp(argc > 1 ? QDir(QString::fromLocal8Bit(argv[1])).filePath("journal-bench-XXXXXX")
                                : QDir::tempPath() + "/journal-bench-XXXXXX");
    zn::EventJournal journal;
    journal.Open(zn::EventJournal::FileFor(temp.path(), QDate::currentDate()));
    std::printf("journal: %s\n", qPrintable(journal.Path()));
    constexpr int kEvents = 600;
    std::vector<zn::CompetitionEvent> events;
    for (int i = 0; i < kEvents; ++i)
        events.push_back(LaneStopped(i));

    // One at a time, as a run produces them: Record() and the commit after it.
    std::vector<double> record, commit;
    for (const zn::CompetitionEvent& e : events) {
        const Clock::time_point stop = Clock::now();
        const qint64 ticket = journal.Record(e);
        const Clock::time_point queued = Clock::now();
        if (!journal.WaitCommitted(ticket, 10000)) {
            std::printf("commit timed out\n");
            return 1;
        }
        record.push_back(Micros(queued - stop));
        commit.push_back(Micros(Clock::now() - stop));
    }
    Print("Record() one at a time", record);
    Print("commit (Record to WaitCommitted)", commit);

    // All at once, while the writer thread is busy committing: Record() still only queues.
    std::vector<double> busy;
    qint64 last = 0;
    for (const zn::CompetitionEvent& e : events) {
        const Clock::time_point stop = Clock::now();
        last = journal.Record(e);
        busy.push_back(Micros(Clock::now() - stop));
    }
    const Clock::time_point drain = Clock::now();
    journal.WaitCommitted(last, 60000);
    Print("Record() while the writer commits", busy);
    std::printf("%-44s %9.1f ms for %d events\n", "queue written after", Micros(Clock::now() - drain) / 1000,
                kEvents);

    // A disk that refuses every write: the caller does not notice.
    journal.InjectWriteFailure(true);
    std::vector<double> failing;
    for (int i = 0; i < 100; ++i) {
        const Clock::time_point stop = Clock::now();
        last = journal.Record(events[i]);
        failing.push_back(Micros(Clock::now() - stop));
    }
    Print("Record() while every write fails", failing);
    journal.InjectWriteFailure(false);
    journal.WaitCommitted(last, 60000);
    journal.Close();
    return 0;
}
