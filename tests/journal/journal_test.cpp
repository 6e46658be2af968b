#include "journal/journal.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>
#include <random>
#include <unistd.h>

namespace zn {
namespace {

// Every field distinct, so that two swapped columns cannot pass for each other.
CompetitionEvent EveryField() {
    CompetitionEvent e;
    e.kind = CompetitionEventKind::CellEdited;
    e.lane = 1;
    e.team = QStringLiteral("  7 FF Mühlbach");
    e.team2 = QStringLiteral("  8 FF Großöd");
    e.timeMs = 61990;
    e.byContact = true;
    e.list = 2;
    e.column = 4;
    e.oldText = QStringLiteral("1:02,34");
    e.newText = QStringLiteral("1:01,99");
    e.text = QStringLiteral("Korrektur Bahn 2");
    e.fileName = QStringLiteral("Vorlauf Süd.xlsx");
    e.stageTag = 12;
    e.listTitle = QStringLiteral("Vorlauf – Zeitprotokoll");
    e.lists = {{2, {{"Nr", "Mannschaft", "Zeit"}, {"7", "FF Mühlbach", ""}, {}}},
               {4, {{"Platz", "Ärzte-Wehr"}}}};
    return e;
}

CompetitionEvent Stop(int lane, int ms) {
    CompetitionEvent e;
    e.kind = CompetitionEventKind::LaneStopped;
    e.lane = lane;
    e.timeMs = ms;
    e.team = QStringLiteral("  3 FF Öd");
    return e;
}

std::vector<CompetitionEvent> Events(const std::vector<JournalEntry>& entries) {
    std::vector<CompetitionEvent> events;
    for (const JournalEntry& entry : entries)
        events.push_back(entry.event);
    return events;
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Runs the event loop until `done` holds; the journal reports through it.
template <typename Done> bool Until(Done done, int timeoutMs = 5000) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs) return false;
        QTest::qWait(5);
    }
    return true;
}

class JournalTest : public ::testing::Test {
protected:
    QString File() const { return EventJournal::FileFor(dir.path(), QDate(2026, 12, 7)); }
    // What OnProblem said, in order; it must be told on this thread.
    void Listen(EventJournal& journal) {
        journal.OnProblem = [this](const QString& problem) {
            EXPECT_EQ(QThread::currentThread(), qApp->thread());
            problems << problem;
        };
    }

    QTemporaryDir dir;
    QStringList problems;
};

TEST_F(JournalTest, KeepsEveryFieldInOrderAcrossSessions) {
    {
        EventJournal journal;
        EXPECT_EQ(journal.Open(File()).found, JournalFound::New);
        const QDateTime before = QDateTime::currentDateTime();
        journal.Record(EveryField());
        journal.Record(Stop(0, 20150));
        ASSERT_TRUE(journal.WaitCommitted(journal.Record(Stop(1, 21070)), 5000));
        const std::vector<JournalEntry> entries = journal.ReadAll();
        ASSERT_EQ(entries.size(), 3u);
        EXPECT_LT(entries[0].id, entries[1].id);
        // Kept to the millisecond: a time cut to the second would lie before `before`.
        EXPECT_LE(before, entries[0].at);
        EXPECT_LE(entries[2].at, QDateTime::currentDateTime());
    }
    EventJournal journal;
    EXPECT_EQ(journal.Open(File()).found, JournalFound::Clean);
    ASSERT_TRUE(journal.WaitCommitted(journal.Record(Stop(0, 19990)), 5000));
    EXPECT_EQ(Events(journal.ReadAll()),
              (std::vector<CompetitionEvent>{EveryField(), Stop(0, 20150), Stop(1, 21070), Stop(0, 19990)}));
}

// A power cut leaves the file as it was after the last commit: taken here by
// copying it (and its log) while the session runs.
TEST_F(JournalTest, SessionWithoutCloseIsUncleanWithItsEvents) {
    const QString copy = QDir(dir.path()).filePath(QStringLiteral("kopie/zeitnahme-2026-12-07.journal"));
    EventJournal journal;
    journal.Open(File());
    journal.Record(EveryField());
    ASSERT_TRUE(journal.WaitCommitted(journal.Record(Stop(1, 30000)), 5000));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(copy).path()));
    ASSERT_TRUE(QFile::copy(File(), copy));
    ASSERT_TRUE(QFile::copy(File() + "-wal", copy + "-wal"));
    journal.Close();

    EventJournal crashed;
    const JournalOpening opening = crashed.Open(copy);
    EXPECT_EQ(opening.found, JournalFound::Unclean);
    EXPECT_EQ(Events(opening.readable), (std::vector<CompetitionEvent>{EveryField(), Stop(1, 30000)}));
    crashed.Close();
    EXPECT_EQ(crashed.Open(copy).found, JournalFound::Clean);
    EXPECT_EQ(EventJournal().Open(File()).found, JournalFound::Clean);
}

struct Damage {
    const char* name;
    void (*make)(const QString& path);
};

void Truncated(const QString& path) {
    {
        EventJournal journal;
        journal.Open(path);
        // Lists of 30 teams: the rows fill some twenty pages, so half the
        // file still holds the first of them.
        CompetitionEvent loaded = EveryField();
        for (int row = 0; row < 30; ++row)
            loaded.lists[0].rows.append({QString::number(row), QStringLiteral("FF Mühlbach-Süd"), "1:02,34"});
        qint64 last = 0;
        for (int i = 0; i < 40; ++i) {
            loaded.text = QString::number(i);
            last = journal.Record(loaded);
        }
        ASSERT_TRUE(journal.WaitCommitted(last, 10000));
    }
    QFile f(path);
    ASSERT_TRUE(f.resize(f.size() / 2));
}

void RandomBytes(const QString& path) {
    std::mt19937 random(7);
    QByteArray bytes(8192, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    Write(path, bytes);
}

void ForeignDatabase(const QString& path) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE teams (name TEXT)")));
        ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO teams VALUES ('FF Mühlbach')")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
}

class JournalDamageTest : public JournalTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(JournalDamageTest, IsKeptAsideReportedAndReplacedByAFreshOne) {
    GetParam().make(File());
    const QByteArray original = Bytes(File());
    ASSERT_FALSE(original.isEmpty());

    EventJournal journal;
    const JournalOpening opening = journal.Open(File());
    EXPECT_EQ(opening.found, JournalFound::Damaged);
    EXPECT_TRUE(opening.message.contains(QStringLiteral("beschädigt"))) << opening.message.toStdString();
    EXPECT_TRUE(opening.message.contains(File()));
    EXPECT_TRUE(opening.message.contains(opening.asidePath));
    EXPECT_TRUE(
        QFileInfo(opening.asidePath).fileName().startsWith("zeitnahme-2026-12-07.journal.beschädigt-"));
    EXPECT_EQ(Bytes(opening.asidePath), original);
    if (QByteArray(GetParam().name) == "truncated") {
        // The rows in the surviving half are offered, in order, from the first.
        ASSERT_FALSE(opening.readable.empty());
        EXPECT_LT(opening.readable.size(), 40u);
        for (size_t i = 0; i < opening.readable.size(); ++i)
            EXPECT_EQ(opening.readable[i].event.text, QString::number(i));
    }
    ASSERT_TRUE(journal.WaitCommitted(journal.Record(Stop(0, 20000)), 5000));
    EXPECT_EQ(Events(journal.ReadAll()), std::vector<CompetitionEvent>{Stop(0, 20000)});
    EXPECT_EQ(EventJournal::Latest(dir.path()), File());
}

INSTANTIATE_TEST_SUITE_P(Journal, JournalDamageTest,
                         ::testing::Values(Damage{"truncated", Truncated}, Damage{"random", RandomBytes},
                                           Damage{"foreign", ForeignDatabase}),
                         [](const auto& param) { return std::string(param.param.name); });

// The log of a damaged journal holds its last commits: it goes aside with the
// file, so that it is neither lost nor taken for the fresh journal's own.
TEST_F(JournalTest, ADamagedJournalGoesAsideWithItsLogAndIndex) {
    RandomBytes(File());
    const QByteArray wal = "Protokoll der beschädigten Datei";
    Write(File() + "-wal", wal);
    Write(File() + "-shm", "Index der beschädigten Datei");

    EventJournal journal;
    const JournalOpening opening = journal.Open(File());
    ASSERT_EQ(opening.found, JournalFound::Damaged);
    EXPECT_EQ(Bytes(opening.asidePath + "-wal"), wal);
    EXPECT_TRUE(QFileInfo::exists(opening.asidePath + "-shm")); // SQLite rebuilds its contents
    ASSERT_TRUE(journal.WaitCommitted(journal.Record(Stop(0, 20000)), 5000));
    EXPECT_EQ(Events(journal.ReadAll()), std::vector<CompetitionEvent>{Stop(0, 20000)});
}

// A first start killed before its first commit leaves an empty file: nothing
// to keep aside, nothing to recover.
TEST_F(JournalTest, EmptyFileIsANewJournal) {
    Write(File(), QByteArray());
    EventJournal journal;
    const JournalOpening opening = journal.Open(File());
    EXPECT_EQ(opening.found, JournalFound::New);
    EXPECT_TRUE(opening.asidePath.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).filter("beschädigt"), QStringList());
}

TEST_F(JournalTest, ReadOnlyFolderIsUnwritable) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    EventJournal journal;
    const JournalOpening opening = journal.Open(File());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(opening.found, JournalFound::Unwritable);
    EXPECT_TRUE(opening.message.contains(QStringLiteral("nicht geschrieben")))
        << opening.message.toStdString();
}

// The folder cannot be made while a file holds its name (as a read-only
// folder would refuse, but also for root); once it can, the queue is written.
TEST_F(JournalTest, UnwritableFolderIsRetriedAndTheQueueWritten) {
    const QString blocker = QDir(dir.path()).filePath(QStringLiteral("tag"));
    Write(blocker, "kein Ordner");
    EventJournal journal;
    Listen(journal);
    journal.SetRetryInterval(20);
    const JournalOpening opening = journal.Open(QDir(blocker).filePath(QStringLiteral("j.journal")));
    EXPECT_EQ(opening.found, JournalFound::Unwritable);
    EXPECT_TRUE(opening.message.contains(QStringLiteral("ein Teil des Pfades ist kein Ordner")))
        << opening.message.toStdString();
    EXPECT_FALSE(journal.Writing());
    const qint64 ticket = journal.Record(Stop(0, 20000));
    EXPECT_FALSE(journal.WaitCommitted(ticket, 50));

    ASSERT_TRUE(QFile::remove(blocker));
    EXPECT_TRUE(journal.WaitCommitted(ticket, 5000));
    EXPECT_TRUE(Until([&] { return problems.size() == 2; }));
    EXPECT_TRUE(problems.value(0).contains(QStringLiteral("nicht geschrieben")));
    EXPECT_EQ(problems.value(1), QString());
    EXPECT_TRUE(journal.Writing());
    EXPECT_EQ(Events(journal.ReadAll()), std::vector<CompetitionEvent>{Stop(0, 20000)});
}

TEST_F(JournalTest, RefusedWritesStayQueuedAndAreWrittenOnceWhenTheDiskTakesThemAgain) {
    EventJournal journal;
    Listen(journal);
    journal.SetRetryInterval(20);
    journal.Open(File());
    ASSERT_TRUE(journal.WaitCommitted(journal.Record(Stop(0, 20000)), 5000));

    journal.InjectWriteFailure(true);
    const qint64 second = journal.Record(Stop(1, 21000));
    const qint64 third = journal.Record(EveryField());
    EXPECT_GT(third, second);
    EXPECT_FALSE(journal.WaitCommitted(second, 100));
    ASSERT_TRUE(Until([&] { return !problems.isEmpty(); }));
    EXPECT_TRUE(problems[0].startsWith(QStringLiteral("Das Änderungsprotokoll wird nicht geschrieben: ")));
    EXPECT_TRUE(problems[0].contains(QStringLiteral("schreibgeschützt"))) << problems[0].toStdString();
    EXPECT_FALSE(journal.Writing());

    journal.InjectWriteFailure(false);
    EXPECT_TRUE(journal.WaitCommitted(third, 5000));
    EXPECT_TRUE(Until([&] { return problems.size() == 2; }));
    EXPECT_EQ(problems.value(1), QString());
    EXPECT_TRUE(journal.Writing());
    EXPECT_EQ(Events(journal.ReadAll()),
              (std::vector<CompetitionEvent>{Stop(0, 20000), Stop(1, 21000), EveryField()}));
}

TEST_F(JournalTest, SetAsideKeepsTheOldFileAndStartsAFreshOne) {
    EventJournal journal;
    journal.Open(File());
    ASSERT_TRUE(journal.WaitCommitted(journal.Record(Stop(0, 20000)), 5000));
    const QString aside = journal.SetAside(QStringLiteral("verworfen"));
    EXPECT_TRUE(QFileInfo(aside).fileName().startsWith("zeitnahme-2026-12-07.journal.verworfen-"));
    EXPECT_EQ(Events(EventJournal::ReadFile(aside)), std::vector<CompetitionEvent>{Stop(0, 20000)});
    EXPECT_TRUE(journal.ReadAll().empty());
    EXPECT_TRUE(journal.WaitCommitted(journal.Record(Stop(1, 1)), 5000));
    EXPECT_EQ(journal.ReadAll().size(), 1u);
}

TEST_F(JournalTest, LatestIsTheNewestDayNotAFileSetAside) {
    EXPECT_EQ(EventJournal::Latest(dir.path()), QString());
    for (const char* name :
         {"zeitnahme-2026-12-06.journal", "zeitnahme-2026-12-07.journal",
          "zeitnahme-2026-12-08.journal.beschädigt-20261208-101500", "zeitnahme-2026-12-05.journal"})
        Write(QDir(dir.path()).filePath(name), "x");
    EXPECT_EQ(EventJournal::Latest(dir.path()), File());
}

} // namespace
} // namespace zn
