#pragma once

#include "print/page_record.h"

#include <QList>
#include <QString>
#include <memory>

class QIODevice;

namespace zn {

// The recorded pages of the preview, back to back in one stream (memory, or a
// temporary file "TMP..." in the system's temporary folder), found by their
// offsets. Only one page is decoded at a time.
class TMetaFileList {
public:
    TMetaFileList();
    ~TMetaFileList();
    TMetaFileList(const TMetaFileList&) = delete;
    TMetaFileList& operator=(const TMetaFileList&) = delete;

    void Add(const PageRecord& page);
    int Count() const { return static_cast<int>(offsets_.size()); }
    // The shared page image, overwritten by the next call: page i, or an empty
    // page for an index out of range.
    const PageRecord& Items(int index);
    void Clear();

    bool UseTempFile() const { return useTempFile_; }
    // Moves the stored pages to the other kind of stream; offsets stay valid.
    void SetUseTempFile(bool value);
    // The temporary file's path; empty when none.
    QString TempFileName() const { return tempFileName_; }

private:
    std::unique_ptr<QIODevice> NewStream();

    std::unique_ptr<QIODevice> stream_;
    QList<qint64> offsets_;
    std::unique_ptr<PageRecord> shared_;
    int sharedIndex_ = -1; // the page shared_ holds; -1: none
    bool useTempFile_ = false;
    QString tempFileName_;
};

} // namespace zn
