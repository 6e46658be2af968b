#pragma once

#include "core/file_writer.h"
#include "core/protocol_row.h"

#include <QByteArray>
#include <QString>

namespace zn {

struct ResultPageInput {
    QString applicationTitle;
    QString title1;              // caption of Title1, e.g. the competition
    QString title2;              // caption of Title2, e.g. the organiser
    QString listTitle;           // base name of the last loaded workbook
    QString listCaption;         // caption of LabelErgebnis, the shown list's name
    bool protocolLayout = false; // database or time protocol: group header and lane colours
    ListRows rows;               // header row first
    int colCount = 0;
    QChar separator = u','; // the decimal separator of the lists' times
};

// "&", "<", ">" and the double quote as entities, so a team "A&B <Ost>" shows
// as written and no list text can break the page.
QString HtmlEscape(const QString& text);

// A data cell as published: a number's decimal comma becomes a point (21,50
// -> 21.50; a number is what reads as one with `separator`, so a name such as
// "Müller, Hans" keeps its comma), a blank cell "&nbsp;", and the name column
// is indented by one "&nbsp;".
QString PageCellText(const QString& cell, int col, QChar separator);

// The whole page, CR LF line ends.
QString ResultPageText(const ResultPageInput& input);
// Windows-1252; what 1252 cannot hold becomes a numeric character reference.
QByteArray ResultPageBytes(const ResultPageInput& input);

// Writes the file as a whole (see WriteFileAtomically).
WriteResult SaveResultPage(const QString& fileName, const ResultPageInput& input);

} // namespace zn
