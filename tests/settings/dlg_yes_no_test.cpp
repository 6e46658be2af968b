#include "settings/dlg_yes_no.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace zn;

// A short question keeps the design's box; a long one (the recovery question
// with date, time and count) makes it grow until every line shows, the
// buttons below the text.
TEST(DlgYesNo, TheBoxGrowsWithALongQuestion) {
    TFDlgYesNo box;
    box.Label1->setText(QStringLiteral("Zeile entfernen?"));
    box.show();
    EXPECT_EQ(box.size(), QSize(222, 94));
    box.hide();

    box.Label1->setText(QString::fromUtf8("Die letzte Sitzung (07.12.2026, 15:55 Uhr, 1234 Ereignisse) wurde "
                                          "nicht ordnungsgemäß beendet. Daten wiederherstellen?"));
    box.show();
    QLabel* text = box.Label1;
    EXPECT_GE(text->height(), text->heightForWidth(text->width()));
    EXPECT_GT(box.height(), 94);
    for (QPushButton* b : {box.OKBtn, box.CancelBtn}) {
        EXPECT_GT(b->y(), text->geometry().bottom());
        EXPECT_LE(b->geometry().bottom(), box.height());
    }
}
