#include "journal/journal_schema.h"

#include "core/system_errors.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <cerrno>

namespace zn::journal_store {

Q_LOGGING_CATEGORY(lcJournal, "zn.journal", QtWarningMsg)

namespace {

// Raised when the file layout changes; a journal of another version is not read.
const QString kFormatVersion = QStringLiteral("1");

// SQLite's primary result codes for a file that is not (or no longer) a database.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADb = 26;

// The errno class of SQLite's primary result codes that the operator meets
// (a read-only stick, a full disk, a file another program holds), or 0.
int ErrnoOfSqlite(int primary) {
    switch (primary) {
    case 3: // SQLITE_PERM
        return EACCES;
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return EBUSY;
    case 8: // SQLITE_READONLY
        return EROFS;
    case 10: // SQLITE_IOERR
        return EIO;
    case 13: // SQLITE_FULL
        return ENOSPC;
    default:
        return 0;
    }
}

// SQLite's own text only after a German reason.
QString ErrorText(const QSqlError& e) {
    const QString system = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    const int primary = e.nativeErrorCode().toInt() & 0xff;
    if (const int code = ErrnoOfSqlite(primary)) return SystemErrorText(code);
    QString reason = QCoreApplication::translate("Journal", "Datenbankfehler");
    if (primary == kSqliteCorrupt || primary == kSqliteNotADb)
        reason = QCoreApplication::translate("Journal", "keine lesbare Datenbank");
    else if (primary == 14) // SQLITE_CANTOPEN
        reason = QCoreApplication::translate("Journal", "die Datei lässt sich nicht öffnen");
    return system.isEmpty() ? reason
                            : QCoreApplication::translate("Journal", "%1 (System: %2)").arg(reason, system);
}

bool IsDamage(const QSqlError& e) {
    // Qt reports SQLite's extended result code; the primary code is its low byte.
    const int code = e.nativeErrorCode().toInt() & 0xff;
    return code == kSqliteCorrupt || code == kSqliteNotADb;
}

QVariant Text(const QString& s) {
    return s.isEmpty() ? QVariant() : QVariant(s);
}

bool Run(QSqlQuery& q, const QString& sql, QString* error) {
    if (q.exec(sql)) return true;
    if (error) *error = ErrorText(q.lastError());
    return false;
}

FileCheck Fail(FileCheck::Result result, const QString& reason) {
    FileCheck c;
    c.result = result;
    c.reason = reason;
    return c;
}

FileCheck FailedQuery(const QSqlQuery& q) {
    return Fail(IsDamage(q.lastError()) ? FileCheck::Damaged : FileCheck::Unreadable,
                ErrorText(q.lastError()));
}

QString MetaValue(QSqlQuery& q, const QString& key) {
    q.prepare(QStringLiteral("SELECT value FROM meta WHERE key = ?"));
    q.addBindValue(key);
    if (!q.exec() || !q.next()) return QString();
    return q.value(0).toString();
}

} // namespace

Connection::Connection(const QString& path, Mode mode) {
    static std::atomic<int> counter{0};
    name_ = QStringLiteral("zn.journal.%1").arg(++counter);
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db_.setDatabaseName(path);
    if (mode == ReadOnly) db_.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
}

Connection::~Connection() {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
}

bool Connection::Open(QString* error) {
    if (db_.open()) return true;
    if (error) *error = ErrorText(db_.lastError());
    return false;
}

FileCheck CheckFile(const QString& path, Connection::Mode mode) {
    Connection c(path, mode);
    QString error;
    if (!c.Open(&error)) return Fail(FileCheck::Unreadable, error);
    QSqlQuery q(c.Db());
    if (!q.exec(QStringLiteral("PRAGMA integrity_check"))) return FailedQuery(q);
    QStringList problems;
    while (q.next() && problems.size() < 3)
        problems << q.value(0).toString();
    if (q.lastError().isValid()) return FailedQuery(q);
    if (problems != QStringList{QStringLiteral("ok")}) return Fail(FileCheck::Damaged, problems.join(u"; "));

    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next()) return FailedQuery(q);
    if (q.value(0).toInt() == 0) {
        FileCheck empty;
        empty.result = FileCheck::Empty;
        return empty;
    }
    const QString version = MetaValue(q, QStringLiteral("version"));
    const bool events = q.exec(QStringLiteral("SELECT id FROM events LIMIT 1"));
    if (version != kFormatVersion || !events)
        return Fail(FileCheck::Damaged,
                    QCoreApplication::translate("Journal", "keine Datenbank eines Änderungsprotokolls"));
    FileCheck ok;
    ok.result = FileCheck::Journal;
    ok.state = MetaValue(q, QStringLiteral("state"));
    return ok;
}

bool Exec(QSqlDatabase& db, const QString& sql, QString* error) {
    QSqlQuery q(db);
    return Run(q, sql, error);
}

bool Prepare(QSqlDatabase& db, QString* error) {
    QSqlQuery q(db);
    // The log mode is kept in the file; "wal" back means it took.
    if (!Run(q, QStringLiteral("PRAGMA journal_mode=WAL"), error)) return false;
    if (!q.next() || q.value(0).toString().compare(u"wal", Qt::CaseInsensitive) != 0) {
        if (error) *error = QCoreApplication::translate("Journal", "Write-Ahead-Log nicht verfügbar");
        return false;
    }
    if (!Run(q, QStringLiteral("PRAGMA synchronous=FULL"), error)) return false;
    // Tables, version and state in one transaction: a start cut short leaves
    // either all of them or an empty file.
    if (!db.transaction()) {
        if (error) *error = ErrorText(db.lastError());
        return false;
    }
    const bool ok =
        Run(q, QStringLiteral("CREATE TABLE IF NOT EXISTS meta (key TEXT PRIMARY KEY, value TEXT NOT NULL)"),
            error) &&
        Run(q,
            QStringLiteral("CREATE TABLE IF NOT EXISTS events (id INTEGER PRIMARY KEY, at TEXT NOT NULL, "
                           "kind INTEGER NOT NULL, lane INTEGER, team TEXT, team2 TEXT, time_ms INTEGER, "
                           "by_contact INTEGER, list INTEGER, col INTEGER, old_text TEXT, new_text TEXT, "
                           "text TEXT, file_name TEXT, stage_tag INTEGER, list_title TEXT, lists TEXT)"),
            error) &&
        Run(q, QStringLiteral("INSERT OR IGNORE INTO meta VALUES ('version', '%1')").arg(kFormatVersion),
            error) &&
        Run(q, QStringLiteral("INSERT OR REPLACE INTO meta VALUES ('state', 'open')"), error);
    if (ok && db.commit()) return true;
    if (ok && error) *error = ErrorText(db.lastError());
    db.rollback();
    return false;
}

bool SetSessionState(QSqlDatabase& db, const QString& state, QString* error) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO meta VALUES ('state', ?)"));
    q.addBindValue(state);
    if (q.exec()) return true;
    if (error) *error = ErrorText(q.lastError());
    return false;
}

bool Insert(QSqlDatabase& db, const QDateTime& at, const CompetitionEvent& e, QString* error) {
    // A single statement outside BEGIN is a transaction of its own.
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("INSERT INTO events (at, kind, lane, team, team2, time_ms, by_contact, list, col, "
                       "old_text, new_text, text, file_name, stage_tag, list_title, lists) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(at.toString(Qt::ISODateWithMs));
    q.addBindValue(static_cast<int>(e.kind));
    q.addBindValue(e.lane);
    q.addBindValue(Text(e.team));
    q.addBindValue(Text(e.team2));
    q.addBindValue(e.timeMs);
    q.addBindValue(e.byContact ? 1 : 0);
    q.addBindValue(e.list);
    q.addBindValue(e.column);
    q.addBindValue(Text(e.oldText));
    q.addBindValue(Text(e.newText));
    q.addBindValue(Text(e.text));
    q.addBindValue(Text(e.fileName));
    q.addBindValue(e.stageTag);
    q.addBindValue(Text(e.listTitle));
    q.addBindValue(e.lists.empty() ? QVariant() : QVariant(ListsToJson(e.lists)));
    if (q.exec()) return true;
    if (error) *error = ErrorText(q.lastError());
    return false;
}

std::vector<JournalEntry> ReadEvents(QSqlDatabase& db, QString* error) {
    std::vector<JournalEntry> entries;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!Run(q,
             QStringLiteral(
                 "SELECT id, at, kind, lane, team, team2, time_ms, by_contact, list, col, old_text, "
                 "new_text, text, file_name, stage_tag, list_title, lists FROM events ORDER BY id"),
             error))
        return entries;
    while (q.next()) {
        JournalEntry entry;
        entry.id = q.value(0).toLongLong();
        entry.at = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs).toLocalTime();
        CompetitionEvent& e = entry.event;
        e.kind = static_cast<CompetitionEventKind>(q.value(2).toInt());
        e.lane = q.value(3).toInt();
        e.team = q.value(4).toString();
        e.team2 = q.value(5).toString();
        e.timeMs = q.value(6).toInt();
        e.byContact = q.value(7).toInt() != 0;
        e.list = q.value(8).toInt();
        e.column = q.value(9).toInt();
        e.oldText = q.value(10).toString();
        e.newText = q.value(11).toString();
        e.text = q.value(12).toString();
        e.fileName = q.value(13).toString();
        e.stageTag = q.value(14).toInt();
        e.listTitle = q.value(15).toString();
        e.lists = ListsFromJson(q.value(16).toString());
        entries.push_back(std::move(entry));
    }
    // A damaged file gives up part-way: the rows before the damage still count.
    if (q.lastError().isValid() && error) *error = ErrorText(q.lastError());
    return entries;
}

QString ListsToJson(const std::vector<ListContent>& lists) {
    QJsonArray all;
    for (const ListContent& l : lists) {
        QJsonArray rows;
        for (const QStringList& row : l.rows)
            rows.append(QJsonArray::fromStringList(row));
        all.append(QJsonArray{l.list, rows});
    }
    return QString::fromUtf8(QJsonDocument(all).toJson(QJsonDocument::Compact));
}

std::vector<ListContent> ListsFromJson(const QString& json) {
    std::vector<ListContent> lists;
    if (json.isEmpty()) return lists;
    for (const QJsonValue& item : QJsonDocument::fromJson(json.toUtf8()).array()) {
        const QJsonArray pair = item.toArray();
        ListContent l;
        l.list = pair.at(0).toInt();
        for (const QJsonValue& row : pair.at(1).toArray()) {
            QStringList cells;
            for (const QJsonValue& cell : row.toArray())
                cells << cell.toString();
            l.rows.append(cells);
        }
        lists.push_back(std::move(l));
    }
    return lists;
}

} // namespace zn::journal_store
