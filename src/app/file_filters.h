#pragma once

#include <QFileInfo>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace zn {

// File type lists of the save and open dialogs: "MS Excel (*.xlsx);;Webseite (*.html)".

inline QStringList FilterEntries(const QString& filter) {
    return filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
}

// The type counted from 1, or the empty text when there is no such entry.
inline QString FilterEntry(const QString& filter, int index) {
    const QStringList entries = FilterEntries(filter);
    return index >= 1 && index <= entries.size() ? entries.at(index - 1) : QString();
}

// The extension of the entry's first pattern: "MS Excel (*.xlsx *.xls)" -> "xlsx".
inline QString FilterSuffix(const QString& entry) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const QRegularExpressionMatch m = pattern.match(entry);
    return m.hasMatch() ? m.captured(1) : QString();
}

// A name typed without an extension gets the chosen type's, so that the file
// on disk says what it holds.
inline QString WithSuffix(const QString& name, const QString& suffix) {
    if (name.isEmpty() || suffix.isEmpty() || !QFileInfo(name).suffix().isEmpty()) return name;
    return name + u'.' + suffix;
}

// The entry (from 1) whose type the file has; a workbook of another type
// (.ods, .xls) counts as the first entry, as after "Datenbank laden".
inline int SaveTypeIndex(const QString& filter, const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix();
    const QStringList entries = FilterEntries(filter);
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (FilterSuffix(entries.at(i)).compare(suffix, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i) + 1;
    return 1;
}

} // namespace zn
