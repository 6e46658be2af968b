#include "core/result_page_writer.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zn;

namespace {

QByteArray Fixture(const char* name) {
    QFile f(QStringLiteral(ZN_TEST_DATA_DIR "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing fixture>");
}

ResultPageInput ProtocolPage() {
    ResultPageInput in;
    in.applicationTitle = "Zeitnahme";
    in.title1 = "Kreisfeuerwehrtag";
    in.title2 = "FF Grünheide";
    in.listTitle = "Vorlauf Kreis";
    in.listCaption = "Zeitenprotokoll";
    in.protocolLayout = true;
    in.colCount = pc::Count;
    in.rows = {
        {"Nr.", "Name", "Klasse", "Q.", "Zeit", "Fehler", "Gesamt", "Zeit", "Fehler", "Gesamt", "Bestzeit"},
        {"1", "A&B <Ost>", "Männer", "v", "21,50", "3", "24,50", "23,10", "0", "23,10", "23,10"},
        {"2", "", "\"Jugend\"", "", "1,234,5", " ", "", "", "", "", ""},
        {"3", "Łódź"},
        {"4", "Müller, Hans", "Frauen, Jugend", "", "19,5"},
    };
    return in;
}

ResultPageInput ResultPage() {
    ResultPageInput in;
    in.applicationTitle = "Zeitnahme";
    in.title1 = "Pokal";
    in.title2 = "Stadt";
    in.listTitle = "Finale";
    in.listCaption = "Ergebnis";
    in.colCount = rc::Count;
    in.rows = {QStringList(ResultHeaders.begin(), ResultHeaders.end()),
               {"1", "Nord", "A", "19,99", "0", "19,99"},
               {"", "Süd", "B", "", "", ""}};
    return in;
}

} // namespace

TEST(ResultPage, GoldenProtocolPage) {
    EXPECT_EQ(ResultPageBytes(ProtocolPage()), Fixture("result_page.html"));
}

TEST(ResultPage, GoldenResultPage) {
    EXPECT_EQ(ResultPageBytes(ResultPage()), Fixture("result_page_ergebnis.html"));
}

TEST(ResultPage, CellTexts) {
    // Only a number gets the point; a text with commas is published as written.
    EXPECT_EQ(PageCellText("21,50", 4, u','), "21.50");
    EXPECT_EQ(PageCellText(" -3,5 ", 5, u','), " -3.5 ");
    EXPECT_EQ(PageCellText("1,234,5", 4, u','), "1,234,5");
    EXPECT_EQ(PageCellText("Müller, Hans", 1, u','), "&nbsp;Müller, Hans");
    EXPECT_EQ(PageCellText("1,5", 4, u'.'), "1.5") << "a time written under another locale";
    EXPECT_EQ(PageCellText("1,5.0", 4, u'.'), "1,5.0");
    EXPECT_EQ(PageCellText("  ", 3, u','), "&nbsp;");
    EXPECT_EQ(PageCellText("", 1, u','), "&nbsp;&nbsp;");
    EXPECT_EQ(PageCellText("A&B <Ost>", 1, u','), "&nbsp;A&amp;B &lt;Ost&gt;");
    EXPECT_EQ(HtmlEscape("\"x\" & y"), "&quot;x&quot; &amp; y");
}

TEST(ResultPage, EmptyListAndEmptyHeader) {
    ResultPageInput in = ProtocolPage();
    in.rows = {QStringList()}; // time protocol before any load: header row empty
    const QString page = ResultPageText(in);
    EXPECT_EQ(page.count("<th>\r\n"), pc::Count);
    EXPECT_FALSE(page.contains("<tr><td>"));
    EXPECT_TRUE(page.contains("<col class=best> </colgroup>\r\n</table>"));

    in.rows.clear(); // no rows at all
    EXPECT_EQ(ResultPageText(in).count("<th>\r\n"), pc::Count);
}

TEST(ResultPage, EscapesTitlesAndCaptions) {
    ResultPageInput in = ResultPage();
    in.title1 = "<script>";
    in.applicationTitle = "Zeit \"Pro\"";
    in.listCaption = "A&B";
    const QString page = ResultPageText(in);
    EXPECT_FALSE(page.contains("<script>"));
    EXPECT_TRUE(page.contains("<META name=keywords content=\"Zeit &quot;Pro&quot;\">\r\n"));
    EXPECT_TRUE(page.contains("<BR>A&amp;B</H3>"));
}

TEST(ResultPage, WriteReportsFailure) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Ergebnis.html");
    ASSERT_TRUE(SaveResultPage(path, ResultPage()).ok);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), Fixture("result_page_ergebnis.html"));
    const WriteResult bad = SaveResultPage(dir.filePath("fehlt/Ergebnis.html"), ResultPage());
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.errorText, "Der Schreibfehler der Datei: " + dir.filePath("fehlt/Ergebnis.html"));
}

// The live page's list has no competition titles: the list and its caption
// name it, and it is laid out for a phone's width.
TEST(ResultPage, WithoutTitlesTheListNamesThePage) {
    ResultPageInput in = ResultPage();
    in.title1 = in.title2 = " ";
    const QString page = ResultPageText(in);
    EXPECT_TRUE(page.contains("<TITLE>Zeitnahme Finale Ergebnis</TITLE>"));
    EXPECT_FALSE(page.contains("<h1>"));
    EXPECT_TRUE(page.contains("<META name=viewport content=\"width=device-width, initial-scale=1\">"));
    in.title1 = "Pokal";
    EXPECT_TRUE(ResultPageText(in).contains("<TITLE>Zeitnahme Pokal |  </TITLE>"));
}
