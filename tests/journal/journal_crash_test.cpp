#include "journal/crash_child/crash_sequence.h"
#include "journal/journal.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace zn {
namespace {

// What one child run said on stdout before it was killed.
struct ChildRun {
    int found = -1;
    long long recovered = -1;
    int queued = 0;       // the highest event it handed to Record
    int recorded = 0;     // the highest event the journal confirmed
    qint64 openedMs = -1; // from the start until it said what it found
};

ChildRun Parse(const QByteArray& out) {
    ChildRun run;
    for (const QByteArray& line : out.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() != 2) continue; // a line cut by the kill
        const long long value = words[1].toLongLong();
        if (words[0] == "FOUND") run.found = static_cast<int>(value);
        if (words[0] == "RECOVERED") run.recovered = value;
        if (words[0] == "QUEUED") run.queued = static_cast<int>(value);
        if (words[0] == "RECORDED") run.recorded = static_cast<int>(value);
    }
    return run;
}

// Starts the child and kills it with SIGKILL either `msBeforeKill` after the
// start (before, while or just after the journal opens) or once it has
// confirmed `recordedBeforeKill` events (mid-sequence, with the next burst in flight).
ChildRun RunAndKill(const QString& folder, int run, int recordedBeforeKill, int msBeforeKill) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(ZN_CRASH_CHILD), {folder, QString::number(run)});
    EXPECT_TRUE(child.waitForStarted(10000));
    QByteArray out;
    QElapsedTimer waited;
    waited.start();
    qint64 openedMs = -1;
    if (recordedBeforeKill == 0) {
        child.waitForFinished(msBeforeKill); // the child never ends by itself: a bounded wait
    } else {
        while (out.count("RECORDED ") < recordedBeforeKill && child.state() == QProcess::Running &&
               waited.elapsed() < 20000) {
            child.waitForReadyRead(1000);
            out += child.readAllStandardOutput();
            if (openedMs < 0 && out.contains("FOUND")) openedMs = waited.elapsed();
        }
    }
    child.kill();
    child.waitForFinished(10000);
    out += child.readAllStandardOutput();
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit) << "run " << run << " ended by itself:\n"
                                                       << out.toStdString();
    ChildRun result = Parse(out);
    result.openedMs = openedMs;
    return result;
}

bool IntegrityOk(const QString& path) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("crash-check"));
        db.setDatabaseName(path);
        QSqlQuery q(db);
        ok = db.open() && q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next() &&
             q.value(0).toString() == QLatin1String("ok");
    }
    QSqlDatabase::removeDatabase(QStringLiteral("crash-check"));
    return ok;
}

// The recording path as a real process, killed 200 times across the run
// cycle: every event it confirmed comes back, whole, and nothing it did not
// queue, twice or out of order.
TEST(JournalCrash, SigkillLosesNothingConfirmedAndInventsNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::mt19937 random(20261207); // fixed: a failure is repeatable
    constexpr int kKills = 200;
    std::vector<ChildRun> runs;
    // Early kills land anywhere from 0 ms to a little past the time the last
    // child took to open its journal (start-up under the sanitizers, the
    // integrity check and the recovery read grow with the file).
    qint64 openMs = 30;
    for (int run = 0; run < kKills; ++run) {
        const bool early = random() % 4 == 0;
        const int recordedBeforeKill = early ? 0 : 1 + static_cast<int>(random() % 24);
        const int msBeforeKill = static_cast<int>(random() % (openMs * 5 / 4 + 1));
        runs.push_back(RunAndKill(dir.path(), run, recordedBeforeKill, msBeforeKill));
        if (runs.back().openedMs > 30) openMs = runs.back().openedMs;
        ASSERT_NE(runs.back().found, static_cast<int>(JournalFound::Damaged)) << "run " << run;
        ASSERT_NE(runs.back().found, static_cast<int>(JournalFound::Unwritable)) << "run " << run;
        if (!early) {
            ASSERT_GE(runs.back().recorded, recordedBeforeKill) << "run " << run;
        }
    }

    const QString file = EventJournal::FileFor(dir.path(), QDate(2026, 12, 7));
    QString error;
    const std::vector<JournalEntry> entries = EventJournal::ReadFile(file, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_TRUE(IntegrityOk(file));

    std::map<int, int> stored; // run -> events found, each the next in its sequence
    int lastRun = 0;
    for (const JournalEntry& entry : entries) {
        const QStringList seq = entry.event.text.split(u':');
        ASSERT_EQ(seq.size(), 2) << entry.event.text.toStdString();
        const int run = seq[0].toInt();
        const int n = seq[1].toInt();
        ASSERT_GE(run, lastRun) << "runs out of order at " << entry.id;
        lastRun = run;
        ASSERT_EQ(n, stored[run] + 1) << "gap or duplicate in run " << run;
        stored[run] = n;
        ASSERT_EQ(entry.event, crash::Event(run, n)) << "torn row " << entry.event.text.toStdString();
    }
    long long before = 0; // the events of the runs before
    int confirmed = 0, inFlightKept = 0, beforeOpen = 0;
    for (int run = 0; run < kKills; ++run) {
        EXPECT_GE(stored[run], runs[run].recorded) << "run " << run << " lost a confirmed event";
        EXPECT_LE(stored[run], runs[run].queued) << "run " << run << " has an event it never queued";
        if (runs[run].recovered >= 0) {
            EXPECT_EQ(runs[run].recovered, before) << "run " << run << " recovered";
        }
        before += stored[run];
        confirmed += runs[run].recorded;
        inFlightKept += stored[run] - runs[run].recorded;
        beforeOpen += runs[run].found < 0;
    }
    // The kills did land across the cycle: early ones before anything was
    // recorded, late ones with a hundred-odd sequences under way.
    EXPECT_GT(confirmed, 1000);
    std::printf("[ journal  ] %zu events after %d kills (%d before the journal was open), %d confirmed, "
                "%d in flight kept\n",
                entries.size(), kKills, beforeOpen, confirmed, inFlightKept);
}

} // namespace
} // namespace zn
