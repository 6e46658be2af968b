#include "documents/workbook_writer_files.h"

#include "core/system_errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>
#include <pugixml.hpp>
#include <zip.h>

namespace zn {

namespace {

// A part of an office document larger than this is no document of ours: a
// template or workbook of junk must not take the memory of the console.
constexpr zip_uint64_t kMaxPartBytes = 64u * 1024u * 1024u;

QString ZipReason(int code) {
    switch (code) {
    case ZIP_ER_NOENT:
        return QCoreApplication::translate("WorkbookWriter", "Die Datei ist nicht vorhanden");
    case ZIP_ER_NOZIP:
    case ZIP_ER_INCONS:
        return QCoreApplication::translate("WorkbookWriter",
                                           "Die Datei ist kein Office-Dokument (kein gültiges ZIP-Paket)");
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
        return QCoreApplication::translate("WorkbookWriter", "Die Datei kann nicht gelesen werden");
    case ZIP_ER_MEMORY:
        return QCoreApplication::translate("WorkbookWriter", "Nicht genug Arbeitsspeicher");
    default: {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString text = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        return QCoreApplication::translate("WorkbookWriter", "Fehler im ZIP-Paket (%1)").arg(text);
    }
    }
}

void Tell(QString* reason, const QString& text) {
    if (reason) *reason = text;
}

struct ZipCloser {
    void operator()(zip_t* z) const {
        if (z) zip_discard(z);
    }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;

ZipHandle OpenZip(const QString& file, int flags, QString* reason) {
    int code = 0;
    const QByteArray path = QFile::encodeName(file);
    ZipHandle z(zip_open(path.constData(), flags, &code));
    if (!z) Tell(reason, ZipReason(code));
    return z;
}

// Adds the parts to an open archive; their bytes must live until it is closed.
bool AddParts(zip_t* z, const PackageParts& parts, QString* reason) {
    for (const auto& [name, bytes] : parts) {
        zip_source_t* source =
            zip_source_buffer(z, bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0);
        const QByteArray entry = name.toUtf8();
        if (!source || zip_file_add(z, entry.constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
            if (source) zip_source_free(source);
            Tell(reason, QCoreApplication::translate("WorkbookWriter", "Fehler im ZIP-Paket (%1)")
                             .arg(QString::fromUtf8(zip_strerror(z))));
            return false;
        }
    }
    return true;
}

// Writes the archive to its file and gives the file's bytes.
std::optional<QByteArray> CloseAndRead(ZipHandle z, const QString& file, QString* reason) {
    if (zip_close(z.get()) != 0) {
        Tell(reason, QCoreApplication::translate("WorkbookWriter", "Fehler im ZIP-Paket (%1)")
                         .arg(QString::fromUtf8(zip_strerror(z.get()))));
        return std::nullopt;
    }
    (void)z.release(); // closed and freed by zip_close
    QByteArray bytes = ReadWholeFile(file, reason);
    if (bytes.isEmpty()) return std::nullopt;
    return bytes;
}

} // namespace

QString TargetFolderProblem(const QString& fileName) {
    const QFileInfo target(fileName);
    const QFileInfo folder(target.absolutePath());
    const QString shown = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.exists() || !folder.isDir())
        return QCoreApplication::translate("WorkbookWriter", "Der Ordner %1 ist nicht vorhanden").arg(shown);
    if (!folder.isWritable())
        return QCoreApplication::translate("WorkbookWriter", "Keine Schreibrechte im Ordner %1").arg(shown);
    if (target.exists() && !target.isFile())
        return QCoreApplication::translate("WorkbookWriter", "Unter diesem Namen liegt ein Ordner");
    return {};
}

WriteResult PlaceDocument(const QString& fileName, const QByteArray& bytes) {
    if (const QString problem = TargetFolderProblem(fileName); !problem.isEmpty())
        return {false, WriteErrorText(fileName), problem};
    return WriteFileAtomically(fileName, bytes);
}

QByteArray ReadWholeFile(const QString& fileName, QString* reason) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Tell(reason, QCoreApplication::translate("WorkbookWriter", "Die Datei kann nicht gelesen werden (%1)")
                         .arg(FileErrorText(file)));
        return {};
    }
    return file.readAll();
}

std::optional<QByteArray> ReadPackagePart(const QString& packageFile, const QString& part, QString* reason) {
    const ZipHandle z = OpenZip(packageFile, ZIP_RDONLY, reason);
    if (!z) return std::nullopt;
    const QByteArray entry = part.toUtf8();
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat(z.get(), entry.constData(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) {
        Tell(reason,
             QCoreApplication::translate("WorkbookWriter", "Dem Dokument fehlt der Teil %1").arg(part));
        return std::nullopt;
    }
    if (st.size > kMaxPartBytes) {
        Tell(reason, QCoreApplication::translate("WorkbookWriter", "Der Teil %1 ist zu groß").arg(part));
        return std::nullopt;
    }
    zip_file_t* f = zip_fopen(z.get(), entry.constData(), 0);
    if (!f) {
        Tell(reason, ZipReason(zip_error_code_zip(zip_get_error(z.get()))));
        return std::nullopt;
    }
    QByteArray bytes(static_cast<qsizetype>(st.size), Qt::Uninitialized);
    const zip_int64_t got = zip_fread(f, bytes.data(), st.size);
    zip_fclose(f);
    if (got != static_cast<zip_int64_t>(st.size)) {
        Tell(reason, QCoreApplication::translate("WorkbookWriter", "Der Teil %1 ist beschädigt").arg(part));
        return std::nullopt;
    }
    return bytes;
}

QStringList PackagePartNames(const QString& packageFile) {
    QStringList names;
    const ZipHandle z = OpenZip(packageFile, ZIP_RDONLY, nullptr);
    if (!z) return names;
    const zip_int64_t count = zip_get_num_entries(z.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i)
        if (const char* name = zip_get_name(z.get(), static_cast<zip_uint64_t>(i), 0))
            names << QString::fromUtf8(name);
    return names;
}

std::optional<QByteArray> BuildPackage(const PackageParts& parts, QString* reason) {
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        Tell(reason, QCoreApplication::translate("WorkbookWriter", "Kein Platz für eine temporäre Datei"));
        return std::nullopt;
    }
    const QString file = scratch.filePath(QStringLiteral("package.zip"));
    ZipHandle z = OpenZip(file, ZIP_CREATE | ZIP_TRUNCATE, reason);
    if (!z || !AddParts(z.get(), parts, reason)) return std::nullopt;
    return CloseAndRead(std::move(z), file, reason);
}

std::optional<QByteArray> RebuildPackage(const QString& packageFile, const PackageParts& replaced,
                                         const QStringList& removed, QString* reason) {
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        Tell(reason, QCoreApplication::translate("WorkbookWriter", "Kein Platz für eine temporäre Datei"));
        return std::nullopt;
    }
    const QString copy = scratch.filePath(QStringLiteral("package.zip"));
    if (!QFile::copy(packageFile, copy)) {
        Tell(reason, QCoreApplication::translate("WorkbookWriter", "Die Datei kann nicht gelesen werden"));
        return std::nullopt;
    }
    // The copy is written back in place by zip_close, so it must be writable.
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    ZipHandle z = OpenZip(copy, ZIP_CHECKCONS, reason);
    if (!z || !AddParts(z.get(), replaced, reason)) return std::nullopt;
    for (const QString& part : removed) {
        const zip_int64_t index = zip_name_locate(z.get(), part.toUtf8().constData(), 0);
        if (index >= 0) zip_delete(z.get(), static_cast<zip_uint64_t>(index));
    }
    return CloseAndRead(std::move(z), copy, reason);
}

namespace {

class ByteWriter : public pugi::xml_writer {
public:
    QByteArray bytes;
    void write(const void* data, size_t size) override {
        bytes.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }
};

} // namespace

QByteArray XmlBytes(const pugi::xml_document& doc, unsigned flags) {
    ByteWriter out;
    doc.save(out, "", flags, pugi::encoding_utf8);
    return out.bytes;
}

} // namespace zn
