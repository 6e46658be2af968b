#pragma once

// The journal's database: connections, tables and the row form of an event.
// Used by EventJournal and its writer thread only.

#include "journal/journal.h"

#include <QLoggingCategory>
#include <QSqlDatabase>

namespace zn::journal_store {

Q_DECLARE_LOGGING_CATEGORY(lcJournal)

// One Qt SQL connection under a name of its own, usable on the thread that
// made it only; closed and removed when it goes.
class Connection {
public:
    enum Mode { ReadOnly, ReadWrite };
    Connection(const QString& path, Mode mode);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool Open(QString* error);
    QSqlDatabase& Db() { return db_; }

private:
    QString name_;
    QSqlDatabase db_;
};

// What a look at an existing file found.
struct FileCheck {
    enum Result {
        Journal,   // a journal of ours; `state` is "open" or "closed"
        Empty,     // a database without tables (a first start cut short)
        Damaged,   // not a database, failing its integrity check, or a foreign one
        Unreadable // could not be looked at (permissions, locks): `reason`
    };
    Result result = Unreadable;
    QString state;
    QString reason; // SQLite's or our own words, for Damaged and Unreadable
};
FileCheck CheckFile(const QString& path, Connection::Mode mode);

// Write-ahead log, full synchronous commits, the tables if missing, and the
// session marked "open", all committed before it returns true.
bool Prepare(QSqlDatabase& db, QString* error);
bool SetSessionState(QSqlDatabase& db, const QString& state, QString* error);
// One event as one row, in a transaction of its own.
bool Insert(QSqlDatabase& db, const QDateTime& at, const CompetitionEvent& event, QString* error);
// The rows in order; on an error the rows read before it, with `error` set.
std::vector<JournalEntry> ReadEvents(QSqlDatabase& db, QString* error);
bool Exec(QSqlDatabase& db, const QString& sql, QString* error);

QString ListsToJson(const std::vector<ListContent>& lists);
std::vector<ListContent> ListsFromJson(const QString& json);

} // namespace zn::journal_store
