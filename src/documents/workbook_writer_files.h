#pragma once

#include "core/file_writer.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

namespace pugi {
class xml_document;
}

namespace zn {

// Why a file cannot be written into this folder, in German for the operator
// ("Der Ordner ... ist nicht vorhanden"), or the empty text when it can.
QString TargetFolderProblem(const QString& fileName);

// Puts a finished document in place as a whole (see WriteFileAtomically): an
// existing file is replaced only once the new one is complete. The failure
// names the file and a German reason.
WriteResult PlaceDocument(const QString& fileName, const QByteArray& bytes);

// The whole content of a file, or nothing when it cannot be read.
QByteArray ReadWholeFile(const QString& fileName, QString* reason = nullptr);

// Office documents are zip packages of XML parts ("word/document.xml").
using PackageParts = QList<QPair<QString, QByteArray>>;

// One part of a package; nothing when the package cannot be opened or has no
// such part (the reason says which, in German).
std::optional<QByteArray> ReadPackagePart(const QString& packageFile, const QString& part,
                                          QString* reason = nullptr);

// The names of every part of a package; empty when it cannot be opened.
QStringList PackagePartNames(const QString& packageFile);

// A new package of these parts, in this order.
std::optional<QByteArray> BuildPackage(const PackageParts& parts, QString* reason = nullptr);

// A copy of an existing package with these parts replaced (or added) and
// those removed; every other part stays byte for byte as it was.
std::optional<QByteArray> RebuildPackage(const QString& packageFile, const PackageParts& replaced,
                                         const QStringList& removed = {}, QString* reason = nullptr);

// A parsed XML part as UTF-8 bytes, saved with pugixml's format flags.
QByteArray XmlBytes(const pugi::xml_document& doc, unsigned flags);

} // namespace zn
