#include "journal/journal.h"

#include "core/system_errors.h"
#include "journal/journal_schema.h"
#include "journal/journal_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <chrono>

namespace zn {

using journal_store::Connection;
using journal_store::FileCheck;

namespace {

// Close() waits this long for the queue before it gives up on a failing disk.
constexpr int kCloseWaitMs = 2000;

// SQLite keeps a database's log and index beside it under these suffixes; a
// file is moved with them or its last commits would be lost.
const char* const kCompanions[] = {"-wal", "-shm", "-journal"};

// Renames `path` (and its companions) to "<name>.<why>-<yyyyMMdd-HHmmss>";
// the old file is never deleted. Empty when it could not be renamed.
QString MoveAside(const QString& path, const QString& why, QString* error) {
    const QString base =
        path + u'.' + why + u'-' + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QStringLiteral("-%1").arg(n);
    QFile file(path);
    if (!file.rename(target)) {
        if (error) *error = FileErrorText(file);
        return QString();
    }
    for (const char* suffix : kCompanions)
        if (QFileInfo::exists(path + QLatin1String(suffix)))
            QFile::rename(path + QLatin1String(suffix), target + QLatin1String(suffix));
    return target;
}

FileCheck Check(const QString& path) {
    // Read-only first so that a damaged file is moved aside as it was found;
    // a left-over rollback journal needs a writing connection to be undone.
    FileCheck check = journal_store::CheckFile(path, Connection::ReadOnly);
    if (check.result == FileCheck::Unreadable) check = journal_store::CheckFile(path, Connection::ReadWrite);
    return check;
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

EventJournal::EventJournal() : writer_(std::make_unique<Writer>(this)) {}

EventJournal::~EventJournal() {
    Close();
}

QString EventJournal::FileFor(const QString& folder, const QDate& day) {
    return QDir(folder).filePath(QStringLiteral("zeitnahme-%1.journal").arg(day.toString(u"yyyy-MM-dd")));
}

QString EventJournal::Latest(const QString& folder) {
    static const QRegularExpression name(QStringLiteral(R"(^zeitnahme-\d{4}-\d{2}-\d{2}\.journal$)"));
    QStringList files =
        QDir(folder).entryList({QStringLiteral("zeitnahme-*.journal")}, QDir::Files, QDir::Name);
    files.removeIf([](const QString& f) { return !name.match(f).hasMatch(); });
    return files.isEmpty() ? QString() : QDir(folder).filePath(files.last());
}

JournalOpening EventJournal::Open(const QString& path) {
    Close();
    const QString file = QFileInfo(path).absoluteFilePath();
    JournalOpening opening;
    if (QFileInfo::exists(file)) {
        const FileCheck check = Check(file);
        switch (check.result) {
        case FileCheck::Journal:
            if (check.state == QLatin1String("closed")) {
                opening.found = JournalFound::Clean;
            } else {
                opening.found = JournalFound::Unclean;
                opening.readable = ReadFile(file);
            }
            break;
        case FileCheck::Empty:
            break;
        case FileCheck::Damaged: {
            opening.found = JournalFound::Damaged;
            opening.readable = ReadFile(file);
            QString error;
            opening.asidePath = MoveAside(file, QStringLiteral("beschädigt"), &error);
            if (opening.asidePath.isEmpty()) {
                opening.found = JournalFound::Unwritable;
                opening.message =
                    QCoreApplication::translate(
                        "Journal", "Das Änderungsprotokoll %1 ist beschädigt (%2) und lässt sich "
                                   "nicht beiseitelegen: %3")
                        .arg(Native(file), check.reason, error);
                return opening;
            }
            opening.message =
                QCoreApplication::translate(
                    "Journal", "Das Änderungsprotokoll %1 war beschädigt (%2). Es wurde unter %3 "
                               "aufbewahrt; %4 Ereignisse ließen sich noch lesen. Ein neues "
                               "Änderungsprotokoll wurde begonnen.")
                    .arg(Native(file), check.reason, Native(opening.asidePath))
                    .arg(opening.readable.size());
            break;
        }
        case FileCheck::Unreadable:
            // Not known to be damaged, so it stays where it is; the writer
            // keeps trying to open it and writes the queue once it can.
            opening.found = JournalFound::Unwritable;
            opening.message =
                QCoreApplication::translate("Journal", "Das Änderungsprotokoll %1 lässt sich nicht lesen: %2")
                    .arg(Native(file), check.reason);
            break;
        }
    }
    const QString problem = writer_->Start(file);
    if (!problem.isEmpty()) {
        opening.found = JournalFound::Unwritable;
        opening.message = opening.message.isEmpty() ? problem : opening.message + u' ' + problem;
    }
    return opening;
}

QString EventJournal::Path() const {
    std::lock_guard lk(writer_->m);
    return writer_->path;
}

qint64 EventJournal::Record(const CompetitionEvent& event) {
    const QDateTime now = QDateTime::currentDateTime();
    // The offset makes the stored time of day unambiguous across a change of summer time.
    Writer::Pending pending{0, now.toOffsetFromUtc(now.offsetFromUtc()), event};
    qint64 ticket = 0;
    {
        std::lock_guard lk(writer_->m);
        ticket = pending.ticket = writer_->nextTicket++;
        writer_->queue.push_back(std::move(pending));
    }
    writer_->wake.notify_one();
    return ticket;
}

bool EventJournal::WaitCommitted(qint64 ticket, int timeoutMs) {
    std::unique_lock lk(writer_->m);
    return writer_->progress.wait_for(lk, std::chrono::milliseconds(timeoutMs),
                                      [&] { return writer_->committed >= ticket; });
}

QString EventJournal::SetAside(const QString& why) {
    const QString file = Path();
    if (file.isEmpty()) return QString();
    Close();
    QString error;
    QString aside = MoveAside(file, why, &error);
    Open(file);
    return aside;
}

void EventJournal::Close() {
    if (!writer_->Running()) return;
    qint64 last = 0;
    {
        std::lock_guard lk(writer_->m);
        last = writer_->nextTicket - 1;
    }
    WaitCommitted(last, kCloseWaitMs);
    writer_->Stop(true);
}

std::vector<JournalEntry> EventJournal::ReadAll() const {
    return ReadFile(Path());
}

std::vector<JournalEntry> EventJournal::ReadFile(const QString& path, QString* error) {
    if (!QFileInfo::exists(path)) {
        if (error)
            *error = QCoreApplication::translate("Journal", "Datei %1 nicht gefunden").arg(Native(path));
        return {};
    }
    Connection c(path, Connection::ReadOnly);
    QString failure;
    std::vector<JournalEntry> entries;
    // SQLite refuses a file shorter than its header says (cut short by a full
    // disk or a copy) unless the schema is taken as writable; the connection is
    // read-only, so this only lets it read the rows up to the damage.
    if (c.Open(&failure) &&
        journal_store::Exec(c.Db(), QStringLiteral("PRAGMA writable_schema = ON"), &failure))
        entries = journal_store::ReadEvents(c.Db(), &failure);
    if (error) *error = failure;
    return entries;
}

bool EventJournal::Writing() const {
    std::lock_guard lk(writer_->m);
    return writer_->open && writer_->problem.isEmpty();
}

void EventJournal::SetRetryInterval(int ms) {
    std::lock_guard lk(writer_->m);
    writer_->retryMs = ms;
}

void EventJournal::InjectWriteFailure(bool on) {
    std::unique_lock lk(writer_->m);
    writer_->wantQueryOnly = on;
    writer_->wake.notify_all();
    // Applied by the writer thread, which owns the connection; a journal that
    // is not open yet applies it when it opens.
    writer_->progress.wait_for(lk, std::chrono::milliseconds(kCloseWaitMs),
                               [&] { return !writer_->open || writer_->queryOnly == on; });
}

} // namespace zn
