#include "journal/journal_writer.h"

#include "core/system_errors.h"
#include "journal/journal_schema.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <filesystem>
#include <system_error>

namespace zn {

using journal_store::Connection;
using journal_store::lcJournal;

namespace {

std::unique_ptr<Connection> OpenForWriting(const QString& path, QString* error) {
    // The folder may be gone (a removed stick) or not yet made; the OS says why not.
    const QString folder = QFileInfo(path).absolutePath();
    std::error_code ec;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), ec);
    if (ec) {
        *error = QCoreApplication::translate("Journal", "Ordner %1: %2")
                     .arg(folder, SystemErrorText(ec.value(), QString::fromLocal8Bit(ec.message())));
        return nullptr;
    }
    auto c = std::make_unique<Connection>(path, Connection::ReadWrite);
    if (!c->Open(error) || !journal_store::Prepare(c->Db(), error)) {
        *error = QStringLiteral("%1: %2").arg(path, *error);
        return nullptr;
    }
    return c;
}

} // namespace

QString EventJournal::Writer::Start(const QString& target) {
    Stop(false);
    std::unique_lock lk(m);
    path = target;
    stop_ = false;
    markClosed_ = false;
    attempted_ = false;
    thread_ = std::thread([this] { Run(); });
    progress.wait(lk, [this] { return attempted_; });
    return open ? QString() : problem;
}

void EventJournal::Writer::Stop(bool markClosed) {
    if (!thread_.joinable()) return;
    {
        std::lock_guard lk(m);
        stop_ = true;
        markClosed_ = markClosed;
    }
    wake.notify_all();
    thread_.join();
}

void EventJournal::Writer::SetProblem(const QString& text) {
    if (text == problem) return;
    problem = text;
    if (text.isEmpty())
        qCInfo(lcJournal) << "writing again";
    else
        qCWarning(lcJournal).noquote() << text;
    // Posted to the owner's thread; dropped by Qt if the owner is gone by then.
    EventJournal* owner = owner_;
    QMetaObject::invokeMethod(
        owner,
        [owner, text] {
            if (owner->OnProblem) owner->OnProblem(text);
        },
        Qt::QueuedConnection);
}

void EventJournal::Writer::Run() {
    std::unique_ptr<Connection> conn;
    std::unique_lock lk(m);
    const auto retry = [this] { return std::chrono::milliseconds(retryMs); };
    while (!stop_) {
        if (!conn) {
            const QString target = path;
            lk.unlock();
            QString error;
            std::unique_ptr<Connection> c = OpenForWriting(target, &error);
            lk.lock();
            attempted_ = true;
            if (c) {
                conn = std::move(c);
                open = true;
                queryOnly = false;
                SetProblem(QString());
                qCDebug(lcJournal) << "opened" << target;
            } else {
                SetProblem(QCoreApplication::translate(
                               "Journal", "Das Änderungsprotokoll kann nicht geschrieben werden: %1")
                               .arg(error));
            }
            progress.notify_all();
            if (!conn) wake.wait_for(lk, retry(), [this] { return stop_; });
            continue;
        }
        if (wantQueryOnly != queryOnly) {
            const bool want = wantQueryOnly;
            lk.unlock();
            QString error;
            if (!journal_store::Exec(conn->Db(),
                                     want ? QStringLiteral("PRAGMA query_only = ON")
                                          : QStringLiteral("PRAGMA query_only = OFF"),
                                     &error))
                qCWarning(lcJournal) << "query_only:" << error;
            lk.lock();
            queryOnly = want;
            progress.notify_all();
            continue;
        }
        if (!queue.empty()) {
            // Copied: the callers append while the row is written (the lists are shared, not copied).
            const Pending next = queue.front();
            lk.unlock();
            QString error;
            const bool written = journal_store::Insert(conn->Db(), next.at, next.event, &error);
            lk.lock();
            if (written) {
                queue.pop_front();
                committed = next.ticket;
                SetProblem(QString());
                progress.notify_all();
            } else {
                // The event stays first in the queue: nothing is lost or written twice.
                SetProblem(QCoreApplication::translate("Journal",
                                                       "Das Änderungsprotokoll wird nicht geschrieben: %1")
                               .arg(error));
                wake.wait_for(lk, retry(), [this] { return stop_ || wantQueryOnly != queryOnly; });
            }
            continue;
        }
        wake.wait(lk, [this] { return stop_ || !queue.empty() || wantQueryOnly != queryOnly; });
    }
    if (conn && markClosed_ && queue.empty()) {
        lk.unlock();
        QString error;
        if (!journal_store::SetSessionState(conn->Db(), QStringLiteral("closed"), &error))
            qCWarning(lcJournal) << "cannot mark the session closed:" << error;
        lk.lock();
    }
    open = false;
    progress.notify_all();
    lk.unlock();
    conn.reset();
}

} // namespace zn
