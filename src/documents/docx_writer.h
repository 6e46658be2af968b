#pragma once

#include "core/file_writer.h"
#include "core/protocol_row.h"

#include <QString>

namespace zn {

struct WordDocumentInput {
    QString title1;      // caption of Title1, the competition
    QString title2;      // caption of Title2, the organiser
    QString listTitle;   // base name of the last loaded workbook
    QString listCaption; // caption of LabelErgebnis, the shown list's name
    ListRows rows;       // header first
    int colCount = 0;
    bool protocolLayout = false; // the lane blocks labelled above the header
};

// A cell as the document's table shows it: its plain text, a control
// character (a tab, a line break; XML carries most of them not at all) as a
// blank, so "FF \"Nord\"" stays as it is.
QString WordField(const QString& cell);

// True when the file is a Word document of the kind written here (a .docx
// package), whatever its name ends in: a "Protokollvorlage.doc" may be one.
bool IsWordPackage(const QString& file);

// Four lines ("Title1 | Title2", the list title, the list caption, an empty
// line) and a table of every row with colCount columns, the header row
// repeated on each page; a protocol's header has "Mannschaft", "Bahn 1" and
// "Bahn 2" above its column groups, as on screen. The columns are as wide as
// their texts need (see WordColumnWidths). With a template (a .docx) they go at the end of its
// body, and its styles, headers, footers and page setup stay as they were;
// without one (empty name) into a new document. An existing file is replaced
// only by a complete document.
WriteResult WriteWordDocument(const QString& fileName, const WordDocumentInput& input,
                              const QString& templateFile = QString());

} // namespace zn
