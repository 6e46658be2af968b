#include "documents/workbook_stream.h"

#include <gtest/gtest.h>

using namespace zn;
using namespace zn::workbook;

// A reader that died while writing leaves its answer cut short: that is
// never taken for a workbook, however short the cut.
TEST(WorkbookStream, OnlyTheWholeAnswerDecodes) {
    WorkbookSheets book;
    book.sheetCount = 5;
    book.sheets.resize(2);
    book.sheets[0].Set(0, 0, "Nr.");
    book.sheets[0].Set(3, 10, QString::fromUtf8("Löschzug Nord"));
    book.sheets[0].SetUnevaluated(4, 6);
    book.sheets[0].name = "Mannschafts-Datenbank";
    book.sheets[1].beyondRowLimit = true;
    book.sheets[1].absent = true;
    book.note = " Tabellen nach ihren Namen geladen";
    const QByteArray bytes = EncodeSheets(book);

    const std::optional<WorkbookSheets> back = DecodeSheets(bytes);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->ok());
    EXPECT_EQ(back->sheetCount, 5);
    ASSERT_EQ(back->sheets.size(), 2u);
    EXPECT_EQ(back->note, book.note);
    EXPECT_EQ(back->sheets[0].rows, book.sheets[0].rows);
    EXPECT_EQ(back->sheets[0].unevaluated, book.sheets[0].unevaluated);
    EXPECT_EQ(back->sheets[0].name, book.sheets[0].name);
    EXPECT_FALSE(back->sheets[0].beyondRowLimit || back->sheets[0].absent);
    EXPECT_TRUE(back->sheets[1].beyondRowLimit && back->sheets[1].absent);

    for (qsizetype n = 0; n < bytes.size(); ++n)
        EXPECT_FALSE(DecodeSheets(bytes.left(n))) << n;
    EXPECT_FALSE(DecodeSheets(bytes + 'x'));
}
