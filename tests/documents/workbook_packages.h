#pragma once

// Small .xlsx and .ods packages built in the tests, for workbooks the
// committed fixtures do not cover.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include <zip.h>

namespace zn::test {

inline void WriteZip(const QString& path, const std::vector<std::pair<QByteArray, QByteArray>>& parts) {
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, bytes] : parts) {
        void* copy = malloc(static_cast<size_t>(bytes.size()));
        memcpy(copy, bytes.constData(), static_cast<size_t>(bytes.size()));
        zip_source_t* source = zip_source_buffer(zip, copy, static_cast<zip_uint64_t>(bytes.size()), 1);
        ASSERT_GE(zip_file_add(zip, name.constData(), source, ZIP_FL_ENC_UTF_8), 0);
    }
    ASSERT_EQ(zip_close(zip), 0);
}

struct XlsxSheet {
    QByteArray name;
    QByteArray rows;       // the <sheetData> content
    QByteArray state = {}; // "hidden", "veryHidden" or none
};

// The smallest .xlsx with these sheets; `styles` is the content of
// xl/styles.xml's <styleSheet> (numFmts and cellXfs) when given.
inline void WriteXlsx(const QString& path, const std::vector<XlsxSheet>& sheets,
                      const QByteArray& styles = {}) {
    const QByteArray main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    QByteArray entries;
    QByteArray relations;
    std::vector<std::pair<QByteArray, QByteArray>> parts;
    for (size_t i = 0; i < sheets.size(); ++i) {
        const QByteArray n = QByteArray::number(qulonglong(i + 1));
        entries += "<sheet name=\"" + sheets[i].name + "\" sheetId=\"" + n + "\" r:id=\"s" + n + "\"" +
                   (sheets[i].state.isEmpty() ? QByteArray() : " state=\"" + sheets[i].state + "\"") + "/>";
        relations += "<Relationship Id=\"s" + n + "\" Type=\"" + rel + "/worksheet\" Target=\"worksheets/s" +
                     n + ".xml\"/>";
        parts.push_back({"xl/worksheets/s" + n + ".xml", "<worksheet xmlns=\"" + main + "\"><sheetData>" +
                                                             sheets[i].rows + "</sheetData></worksheet>"});
    }
    if (!styles.isEmpty()) {
        relations += "<Relationship Id=\"st\" Type=\"" + rel + "/styles\" Target=\"styles.xml\"/>";
        parts.push_back({"xl/styles.xml", "<styleSheet xmlns=\"" + main + "\">" + styles + "</styleSheet>"});
    }
    parts.push_back({"[Content_Types].xml",
                     "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"});
    parts.push_back({"_rels/.rels", "<Relationships><Relationship Id=\"r1\" Type=\"" + rel +
                                        "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"});
    parts.push_back({"xl/workbook.xml", "<workbook xmlns=\"" + main + "\" xmlns:r=\"" + rel + "\"><sheets>" +
                                            entries + "</sheets></workbook>"});
    parts.push_back({"xl/_rels/workbook.xml.rels", "<Relationships>" + relations + "</Relationships>"});
    WriteZip(path, parts);
}

// The smallest .xlsx: one sheet whose <sheetData> is `rows`.
inline void WriteSheetXlsx(const QString& path, const QByteArray& rows) {
    WriteXlsx(path, {{"A", rows}});
}

// An .ods of content.xml alone: `styles` goes into its automatic styles,
// `tables` (<table:table> elements) into the spreadsheet.
inline void WriteOds(const QString& path, const QByteArray& styles, const QByteArray& tables) {
    WriteZip(path,
             {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
              {"content.xml",
               "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
               "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
               "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
               "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
               "xmlns:number=\"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0\">"
               "<office:automatic-styles>" +
                   styles + "</office:automatic-styles><office:body><office:spreadsheet>" + tables +
                   "</office:spreadsheet></office:body></office:document-content>"}});
}

} // namespace zn::test
