#include "core/result_page_writer.h"

#include "core/code_page.h"
#include "core/result_numbers.h"

namespace zn {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kTitleMark =
    QStringLiteral("<svg width=\"28\" height=\"28\" viewBox=\"0 0 28 28\" style=\"vertical-align: middle\">"
                   "<path fill=\"#FF0000\" d=\"M14 1 27 14 14 27 1 14z\"/></svg> ");

QString PageHead(const ResultPageInput& in) {
    const QString app = HtmlEscape(in.applicationTitle);
    const QString t1 = HtmlEscape(in.title1);
    const QString t2 = HtmlEscape(in.title2);
    // Without the competition's titles (the live page has none) the list
    // and its caption name the page, and no empty heading stands above them.
    const bool titled = !in.title1.trimmed().isEmpty() || !in.title2.trimmed().isEmpty();
    QString s;
    s += QStringLiteral("<HTML>\r\n<HEAD>\r\n");
    s += QStringLiteral("<!-- Ergebnisliste der Kronvik Zeitnahme -->\r\n");
    s += QStringLiteral("<TITLE>") + app + u' ' +
         (titled ? t1 + QStringLiteral(" | ") + t2
                 : QStringList{HtmlEscape(in.listTitle), HtmlEscape(in.listCaption)}.join(u' ').trimmed()) +
         QStringLiteral("</TITLE>\r\n");
    s += QStringLiteral("<META http-equiv=Content-Type content=\"text/html; charset=windows-1252\">\r\n");
    s += QStringLiteral("<META name=viewport content=\"width=device-width, initial-scale=1\">\r\n");
    s += QStringLiteral("<META name=keywords content=\"") + app + QStringLiteral("\">\r\n");
    s += QStringLiteral("<STYLE type=text/css>\r\n");
    s += QStringLiteral("body {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; "
                        "background-color: #F4F4F4; text-align: center}\r\n");
    s += QStringLiteral("\th1 {text-decoration: blink; font-size: 26px}\r\n");
    s += QStringLiteral("\th3 {  font-style: italic; font-weight: normal}\r\n");
    s += QStringLiteral("\t.best {font-weight: bold; text-align: center}\r\n");
    s += QStringLiteral("\ttable {font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px}\r\n");
    s += QStringLiteral("\tth {background-color: #999999; color: #FFFFFF; border: 1px #F4F4F4 dashed}\r\n");
    s += QStringLiteral("\ttd {  border: #F4F4F4; border-style: dashed; border-top-width: 1px; "
                        "border-right-width: 1px; border-bottom-width: 1px; border-left-width: 1px}\r\n");
    // Browsers take only the colours from <col>, not its alignment or class:
    // the cells are centred, the name (second) cell is not, and the last cell,
    // the best time in both layouts, is bold, by their place in the row.
    s += QStringLiteral("\ttd {text-align: center}\r\n");
    s += QStringLiteral("\ttd:first-child + td {text-align: left}\r\n");
    s += QStringLiteral("\ttd:last-child {font-weight: bold}\r\n");
    // A phone (under 640 CSS pixels) gets 16 px text, no dashed borders to
    // waste its width and headings that may break ("Gesamtzeit" stays on a
    // 390 px screen); a PC shows the page as it always did.
    s += QStringLiteral(
        "\t@media (max-width: 640px) {body, table {font-size: 16px} h1 {font-size: 22px} "
        "td, th {border-width: 0; padding: 3px 1px} th {font-size: 12px; overflow-wrap: anywhere}}\r\n");
    s += QStringLiteral("</STYLE></HEAD>\r\n<BODY>\r\n");
    // The red mark between the titles is drawn, not taken from a symbol
    // font: a font the reader's system lacks shows a plain letter instead.
    if (titled)
        s += QStringLiteral("<h1><center><i>") + t1 + QStringLiteral("</i> ") + kTitleMark +
             QStringLiteral("<i>") + t2 + QStringLiteral("</i></h1>\r\n");
    s += QStringLiteral("<H3><center>") + HtmlEscape(in.listTitle) + QStringLiteral("<BR>") +
         HtmlEscape(in.listCaption) + QStringLiteral("</H3>\r\n");
    return s;
}

QString TableHead(const ResultPageInput& in) {
    QString s = QStringLiteral("<table style=\"BORDER-COLLAPSE: collapse\" bgcolor=#FFFFFF cellpadding=2 "
                               "width=100%>\r\n<tr>\r\n");
    if (in.protocolLayout) {
        // 4 + 3 + 3 + 2 columns: the last spans "Bestzeit" and one beyond it.
        s += QStringLiteral("<th colspan=4>Mannschaft\r\n<th colspan=3>Bahn 1\r\n<th colspan=3>Bahn 2\r\n"
                            "<th colspan=2>&nbsp;\r\n</tr><tr>\r\n");
    }
    const QStringList header = in.rows.isEmpty() ? QStringList() : in.rows.first();
    for (int c = 0; c < in.colCount; ++c)
        s += QStringLiteral("<th>") + HtmlEscape(CellOf(header, c)) + kCrLf;
    s += QStringLiteral("</tr><colgroup>\r\n");
    if (in.protocolLayout) {
        s += QStringLiteral("<col align=center><col><col align=center><col align=center>\r\n"
                            "<col align=center bgcolor=#EEFDF0> <col align=center bgcolor=#FFFFEA>\r\n"
                            "<col align=center bgcolor=#FFF2F2> <col align=center bgcolor=#EEFDF0>\r\n"
                            "<col align=center bgcolor=#FFFFEA> <col align=center bgcolor=#FFF2F2> "
                            "<col class=best> </colgroup>\r\n");
    } else {
        s += QStringLiteral("<col align=center><col><col align=center>"
                            "<col align=center bgcolor=#EEFDF0> <col align=center bgcolor=#FFFFEA>\r\n"
                            "<col bgcolor=#FFF2F2 class=best></colgroup>\r\n");
    }
    return s;
}

} // namespace

QString HtmlEscape(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            s += QStringLiteral("&amp;");
            break;
        case u'<':
            s += QStringLiteral("&lt;");
            break;
        case u'>':
            s += QStringLiteral("&gt;");
            break;
        case u'"':
            s += QStringLiteral("&quot;");
            break;
        default:
            s += c;
        }
    }
    return s;
}

QString PageCellText(const QString& cell, int col, QChar separator) {
    QString t = cell;
    // Web pages write numbers with a point; names and classes stay as written
    // ("Müller, Hans").
    if (ParseSeconds(t, separator)) {
        const qsizetype comma = t.indexOf(u',');
        if (comma >= 0) t[comma] = u'.';
    }
    t = IsBlank(t) ? QStringLiteral("&nbsp;") : HtmlEscape(t);
    if (col == 1) t.prepend(QStringLiteral("&nbsp;"));
    return t;
}

QString ResultPageText(const ResultPageInput& input) {
    QString s = PageHead(input) + TableHead(input);
    for (int r = 1; r < input.rows.size(); ++r) {
        s += QStringLiteral("<tr>");
        for (int c = 0; c < input.colCount; ++c)
            s += QStringLiteral("<td>") + PageCellText(CellOf(input.rows.at(r), c), c, input.separator);
        s += QStringLiteral("</tr>\r\n");
    }
    s += QStringLiteral("</table><p align=right><font color=#F4F4F4>Kronvik Software</font></p>\r\n"
                        "</body></html>\r\n");
    return s;
}

QByteArray ResultPageBytes(const ResultPageInput& input) {
    return EncodeCp1252WithReferences(ResultPageText(input));
}

WriteResult SaveResultPage(const QString& fileName, const ResultPageInput& input) {
    return WriteFileAtomically(fileName, ResultPageBytes(input));
}

} // namespace zn
