#include "core/list_sheets.h"

#include <gtest/gtest.h>

using namespace zn;

namespace {

using Sheets = std::array<int, 4>;

WorkbookTab Shown(const char* name) {
    return {QString::fromUtf8(name), false};
}
WorkbookTab Hidden(const char* name) {
    return {QString::fromUtf8(name), true};
}

} // namespace

// Without list names the visible sheets are taken in their order; a hidden
// helper sheet is passed over wherever it stands, and there is nothing to say.
TEST(ListSheets, WithoutNamesTheVisibleSheetsInOrder) {
    const ListSheetChoice plain = ChooseListSheets({Shown("Tabelle1"), Shown("Tabelle2")});
    EXPECT_EQ(plain.sheet, (Sheets{0, 1, -1, -1}));
    const ListSheetChoice helper = ChooseListSheets({Hidden("Hilfe"), Shown("Tabelle1"), Hidden("Rechnung"),
                                                     Shown("Tabelle2"), Shown("T3"), Shown("T4")});
    EXPECT_EQ(helper.sheet, (Sheets{1, 3, 4, 5}));
    EXPECT_EQ(helper.note, QString());
    // A workbook that claims to show no sheet has them all taken.
    EXPECT_EQ(ChooseListSheets({Hidden("A"), Hidden("B")}).sheet, (Sheets{0, 1, -1, -1}));
}

// A list takes the sheet with its name (case and blanks around it aside); a
// sheet named for one list is never another's by position; the note names
// each list found away from its position, with the sheet's place from 1.
TEST(ListSheets, NamesWinOverPositionAndAreReported) {
    const ListSheetChoice swapped = ChooseListSheets(
        {Shown("Zeitenprotokoll"), Shown(" mannschafts-datenbank "), Shown("Gesamt-Ergebnis")});
    EXPECT_EQ(swapped.sheet, (Sheets{1, 0, -1, 2}));
    EXPECT_EQ(swapped.note, " Tabellen nach ihren Namen geladen, nicht nach ihrer Reihenfolge: "
                            "Mannschafts-Datenbank aus Tabelle 2, Zeitenprotokoll aus Tabelle 1, "
                            "Gesamt-Ergebnis aus Tabelle 3");

    // In their order behind a hidden helper: names and visible order agree.
    const ListSheetChoice behindHelper = ChooseListSheets(
        {Hidden("Hilfe"), Shown("Mannschafts-Datenbank"), Shown("Zeitenprotokoll"), Shown("Notizen")});
    EXPECT_EQ(behindHelper.sheet, (Sheets{1, 2, 3, -1}));
    EXPECT_EQ(behindHelper.note, QString());

    // The lists without their name take the other visible sheets in order.
    const ListSheetChoice mixed = ChooseListSheets(
        {Shown("Zeitenprotokoll"), Hidden("Hilfe"), Shown("Mannschaften"), Shown("Ergebnis")});
    EXPECT_EQ(mixed.sheet, (Sheets{2, 0, 3, -1}));
}
