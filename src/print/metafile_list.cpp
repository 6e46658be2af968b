#include "print/metafile_list.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryFile>

namespace zn {

Q_LOGGING_CATEGORY(lcPageStore, "zn.print.pages", QtWarningMsg)

namespace {

constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;

} // namespace

TMetaFileList::TMetaFileList() = default;

TMetaFileList::~TMetaFileList() {
    Clear();
}

std::unique_ptr<QIODevice> TMetaFileList::NewStream() {
    if (useTempFile_) {
        auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/TMPXXXXXX"));
        // QTemporaryFile opens read-write, readable by the owner only.
        if (file->open()) {
            tempFileName_ = file->fileName();
            return file;
        }
        // Pages kept in memory beat pages lost: the preview works on without
        // the file.
        qCWarning(lcPageStore) << "no temporary file in" << QDir::tempPath() << file->errorString();
    }
    tempFileName_.clear();
    auto buffer = std::make_unique<QBuffer>();
    buffer->open(QIODevice::ReadWrite);
    return buffer;
}

void TMetaFileList::Add(const PageRecord& page) {
    if (!stream_) stream_ = NewStream();
    stream_->seek(stream_->size());
    const qint64 offset = stream_->pos();
    QDataStream out(stream_.get());
    out.setVersion(kStreamVersion);
    out << page;
    offsets_.append(offset);
}

const PageRecord& TMetaFileList::Items(int index) {
    if (!shared_) shared_ = std::make_unique<PageRecord>();
    if (index < 0 || index >= Count() || !stream_) {
        *shared_ = PageRecord{};
        sharedIndex_ = -1;
        return *shared_;
    }
    // Every repaint asks for the page shown: decode it only when it changes.
    if (index == sharedIndex_) return *shared_;
    stream_->seek(offsets_[index]);
    QDataStream in(stream_.get());
    in.setVersion(kStreamVersion);
    in >> *shared_;
    sharedIndex_ = index;
    return *shared_;
}

void TMetaFileList::Clear() {
    offsets_.clear();
    if (stream_) {
        stream_->close();
        stream_.reset();
    }
    // The temporary file went with its stream (QTemporaryFile removes itself).
    tempFileName_.clear();
    shared_.reset();
    sharedIndex_ = -1;
}

void TMetaFileList::SetUseTempFile(bool value) {
    if (value == useTempFile_) return;
    useTempFile_ = value;
    if (!stream_) return;
    std::unique_ptr<QIODevice> old = std::move(stream_);
    stream_ = NewStream();
    old->seek(0);
    // Copied from offset 0 as it is, so every recorded offset stays valid.
    constexpr qint64 kChunk = 64 * 1024;
    while (!old->atEnd()) {
        const QByteArray chunk = old->read(kChunk);
        if (chunk.isEmpty()) break;
        stream_->write(chunk);
    }
    old->close();
    old.reset(); // a temporary file removes itself
}

} // namespace zn
