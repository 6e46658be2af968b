#include "controls/bit_btn_with_color.h"
#include "print/paper_preview.h"
#include "settings/cfg_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDate>
#include <QFontDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace zn;

namespace {

// COM1 and COM3 present, 3 the highest.
constexpr uint32_t kCom1And3 = (3u << 16) | 0b101;

// A dialog on a layout that was never stored, as the owner shows it.
struct Dialog {
    CertificateLayout layout{};
    TCfgDialog dlg;
    explicit Dialog(uint32_t ports = kCom1And3) : dlg(ports, &layout) {
        dlg.ListTitle = [] { return QStringLiteral("Vorlauf"); };
        dlg.FormShow();
    }
    void Select(int line) { dlg.cbWho->setCurrentIndex(line); }
};

QStringList Entries(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

// Pixels of the preview's paper inside `area` (paper coordinates) whose colour
// leans clearly to green or to red.
struct Ink {
    int green = 0;
    int red = 0;
};
Ink InkIn(const QImage& image, const QRect& area) {
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x + 1, y + 1); // the paper starts inside a 1-pixel border
            if (c.green() - c.red() > 60 && c.green() - c.blue() > 60) ++ink.green;
            if (c.red() - c.green() > 60 && c.red() - c.blue() > 60) ++ink.red;
        }
    return ink;
}

} // namespace

TEST(CfgDialog, FirstRunShowsLineZeroAndOkStoresEveryLineUnchanged) {
    Dialog d;
    CertificateLayout expected{};
    ApplyCertificateDefaults(expected);
    ASSERT_EQ(d.layout, expected);
    EXPECT_TRUE(d.dlg.cbON->isChecked());
    EXPECT_EQ(d.dlg.seLeft->value(), 30);
    EXPECT_EQ(d.dlg.seTop->value(), 0);
    EXPECT_EQ(d.dlg.bFont->font().pointSize(), 24);
    EXPECT_TRUE(d.dlg.bFont->font().bold());

    // Visiting every line stores what was loaded: halved size, style, colour
    // and position come back as they were; only the free lines gain their
    // "n. Zeile drucken" text.
    for (int i = 1; i < kCertificateLineCount; ++i)
        d.Select(i);
    d.dlg.OKBtn->click();
    EXPECT_EQ(d.dlg.result(), QDialog::Accepted);
    for (int i = 0; i < kCertificateLineCount; ++i) {
        CertificateLine want = expected[static_cast<size_t>(i)];
        if (i > 7) want.text = QStringLiteral("%1. Zeile drucken").arg(i - 7);
        CertificateLine got = d.layout[static_cast<size_t>(i)];
        got.fontName = want.fontName; // the font database may stand in another face
        EXPECT_EQ(got, want) << "line " << i;
    }
}

TEST(CfgDialog, FreeLineOffersItsNumberAndKeepsAChangedText) {
    Dialog d;
    d.layout[10].text = QStringLiteral("5. Zeile drucken"); // from an earlier placement
    d.layout[11].text = QStringLiteral("Sieger");
    d.Select(10);
    EXPECT_TRUE(d.dlg.Edit1->isEnabled());
    EXPECT_EQ(d.dlg.Edit1->text(), QStringLiteral("3. Zeile drucken"));
    d.Select(11);
    EXPECT_EQ(d.dlg.Edit1->text(), QStringLiteral("Sieger"));

    d.dlg.Edit1->clear();
    QTest::keyClicks(d.dlg.Edit1, QStringLiteral("Ehrenurkunde"));
    d.Select(2);
    EXPECT_EQ(d.layout[11].text, QStringLiteral("Ehrenurkunde"));
    EXPECT_EQ(d.layout[10].text, QStringLiteral("3. Zeile drucken"));
}

TEST(CfgDialog, DateAndListNameAreShownReadOnlyAndNotStored) {
    Dialog d;
    d.layout[6].text = QStringLiteral("alt");
    d.layout[7].text = QStringLiteral("alt");
    d.Select(6);
    EXPECT_FALSE(d.dlg.Edit1->isEnabled());
    EXPECT_EQ(d.dlg.Edit1->text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    d.Select(7);
    EXPECT_FALSE(d.dlg.Edit1->isEnabled());
    EXPECT_EQ(d.dlg.Edit1->text(), QStringLiteral("Vorlauf"));
    d.Select(0);
    EXPECT_TRUE(d.layout[6].text.isEmpty());
    EXPECT_TRUE(d.layout[7].text.isEmpty());
}

TEST(CfgDialog, SwitchAndAlignmentAreWrittenAtOnceToTheSelectedLine) {
    Dialog d;
    d.Select(8);
    ASSERT_FALSE(d.dlg.cbON->isChecked());
    QTest::mouseClick(d.dlg.cbON, Qt::LeftButton);
    EXPECT_EQ(d.layout[8].printOn, 1);
    d.dlg.cbAlign->setCurrentIndex(2);
    EXPECT_EQ(d.layout[8].align, 2);
    EXPECT_EQ(d.layout[0].printOn, 1);
    EXPECT_EQ(d.layout[0].align, 0);
}

TEST(CfgDialog, ClickOnTheA3PaperPlacesAtTwiceThePixels) {
    Dialog d;
    d.Select(1);
    d.dlg.cbZoom->setCurrentIndex(d.dlg.cbZoom->findText(QStringLiteral("A3")));
    QTest::mouseClick(d.dlg.PaperPreview1, Qt::LeftButton, {},
                      d.dlg.PaperPreview1->PaperRect().topLeft() + QPoint(100, 50));
    EXPECT_EQ(d.dlg.seLeft->value(), 200);
    EXPECT_EQ(d.dlg.seTop->value(), 100);
    d.dlg.OKBtn->click();
    EXPECT_EQ(d.layout[1].leftMm, 200);
    EXPECT_EQ(d.layout[1].topMm, 100);
}

TEST(CfgDialog, FontDialogWorksInRealPointsAndTheButtonShowsTwice) {
    Dialog d;
    int offered = 0;
    int answer = QDialog::Rejected;
    d.dlg.ExecDialog = [&](QDialog& dialog) {
        auto& fonts = dynamic_cast<QFontDialog&>(dialog);
        offered = fonts.currentFont().pointSize();
        QFont f = fonts.currentFont();
        f.setPointSize(14);
        fonts.setCurrentFont(f);
        return answer;
    };
    QTest::mouseClick(d.dlg.bFont, Qt::LeftButton);
    EXPECT_EQ(offered, 12);
    EXPECT_EQ(d.dlg.bFont->font().pointSize(), 24) << "a cancelled choice changes nothing";

    answer = QDialog::Accepted;
    QTest::mouseClick(d.dlg.bFont, Qt::LeftButton);
    EXPECT_EQ(d.dlg.bFont->font().pointSize(), 28);
    d.Select(1);
    EXPECT_EQ(d.layout[0].fontSize, 14);
    EXPECT_EQ(d.layout[1].fontSize, 12);
}

TEST(CfgDialog, LaneListsLeaveOutTheOtherLanesEntryAndNameTheirDevices) {
    Dialog d;
    d.dlg.PortDeviceHint = [](int port) { return QStringLiteral("/dev/ttyS%1").arg(port - 1); };
    const QString com3 = QStringLiteral("COM3 /4,6");
    d.dlg.cbPort1->setCurrentText(com3);
    d.dlg.cbPort2->setCurrentText(com3);
    EXPECT_TRUE(d.dlg.cbAlg2->isEnabled());

    d.dlg.cbPort1->showPopup();
    d.dlg.cbPort1->hidePopup();
    EXPECT_EQ(d.dlg.LaneEntry(1), QStringLiteral("Kein"));
    EXPECT_FALSE(d.dlg.cbAlg1->isEnabled());
    EXPECT_TRUE(d.dlg.cbAlg2->isEnabled());
    EXPECT_EQ(Entries(d.dlg.cbPort1), (QStringList{"Kein", "COM1 /4,6", "COM1 /7,8", "COM3 /7,8"}));
    EXPECT_EQ(d.dlg.LaneEntry(2), com3);
    EXPECT_EQ(d.dlg.cbPort1->itemData(3, Qt::ToolTipRole).toString(), QStringLiteral("/dev/ttyS2"));
    EXPECT_FALSE(d.dlg.cbPort1->itemData(0, Qt::ToolTipRole).isValid());

    // The other pin pair of the same port stays, so one cable carries both lanes.
    d.dlg.cbPort1->setCurrentText(QStringLiteral("COM3 /7,8"));
    d.dlg.cbPort2->showPopup();
    d.dlg.cbPort2->hidePopup();
    EXPECT_EQ(d.dlg.LaneEntry(2), com3);
    EXPECT_EQ(Entries(d.dlg.cbPort2), (QStringList{"Kein", "COM1 /4,6", "COM1 /7,8", "COM3 /4,6"}));
}

TEST(CfgDialog, WithoutPortsBothLanesAreLockedAndDevicesCanAddSome) {
    Dialog d(0);
    EXPECT_FALSE(d.dlg.cbPort1->isEnabled());
    EXPECT_FALSE(d.dlg.cbPort2->isEnabled());
    EXPECT_TRUE(d.dlg.bDevices->isHidden());

    d.dlg.AssignDevices = [] { return std::optional<uint32_t>((2u << 16) | 0b10); };
    d.dlg.FormShow();
    ASSERT_FALSE(d.dlg.bDevices->isHidden());
    d.dlg.bDevices->click();
    EXPECT_TRUE(d.dlg.cbPort2->isEnabled());
    EXPECT_EQ(Entries(d.dlg.cbPort2), (QStringList{"Kein", "COM2 /4,6", "COM2 /7,8"}));
}

TEST(CfgDialog, PreviewDrawsPrintedLinesGreenUnprintedRedAndTheSelectedOneWhereTheControlsSay) {
    Dialog d;
    d.layout[2].align = 2; // "Klasse" ends at its 30 mm
    d.Select(1);
    d.dlg.seLeft->setValue(150);
    d.dlg.seTop->setValue(300);
    QImage image(d.dlg.PaperPreview1->size(), QImage::Format_RGB32);
    d.dlg.PaperPreview1->render(&image);

    const int h = d.dlg.PaperPreview1->fontMetrics().height();
    // "Platz" (on) at 30 mm / 0 mm, "1. Zeile" (off) at 30 mm / 128 mm.
    const Ink platz = InkIn(image, QRect(30, 0, 30, h));
    const Ink zeile = InkIn(image, QRect(30, 128, 40, h));
    EXPECT_GT(platz.green, 0);
    EXPECT_EQ(platz.red, 0);
    EXPECT_GT(zeile.red, 0);
    EXPECT_EQ(zeile.green, 0);
    // "Mannschaft" follows the controls, not its stored 30 mm / 16 mm.
    EXPECT_EQ(InkIn(image, QRect(30, 16, 60, h)).green, 0);
    EXPECT_GT(InkIn(image, QRect(150, 300, 60, h)).green, 0);
    EXPECT_GT(InkIn(image, QRect(0, 32, 30, h)).green, 0);
    EXPECT_EQ(InkIn(image, QRect(31, 32, 60, h)).green, 0);

    // On A3 a pixel is 2 mm.
    d.dlg.cbZoom->setCurrentIndex(1);
    image.fill(Qt::white);
    d.dlg.PaperPreview1->render(&image);
    EXPECT_GT(InkIn(image, QRect(75, 150, 30, h)).green, 0);
    EXPECT_EQ(InkIn(image, QRect(150, 300, 60, h)).green, 0);
}
// A line's font the machine lacks stays the line's font through OK without a
// change, and through a change of the size alone; the note names the face
// that prints instead.
TEST(CfgDialog, FontDialogKeepsAMissingFamilyAndItsStyleUnlessChanged) {
    Dialog d;
    d.Select(1);
    d.layout[0].fontName = QStringLiteral("Zeitnahme Festschrift");
    d.layout[0].fontStyle = kFontBold | kFontItalic;
    d.layout[0].fontSize = 16;
    d.Select(0);
    EXPECT_TRUE(d.dlg.lFontFace->text().startsWith("Gedruckt als ")) << d.dlg.lFontFace->text().toStdString();
    int newSize = 0;
    d.dlg.ExecDialog = [&](QDialog& dialog) {
        auto& fonts = dynamic_cast<QFontDialog&>(dialog);
        EXPECT_TRUE(fonts.windowTitle().contains("Zeitnahme Festschrift"));
        if (newSize) {
            QFont f = fonts.currentFont();
            f.setPointSize(newSize);
            fonts.setCurrentFont(f);
        }
        return int(QDialog::Accepted);
    };
    QTest::mouseClick(d.dlg.bFont, Qt::LeftButton);
    d.Select(1);
    EXPECT_EQ(d.layout[0].fontName, "Zeitnahme Festschrift");
    EXPECT_EQ(d.layout[0].fontStyle, kFontBold | kFontItalic);
    EXPECT_EQ(d.layout[0].fontSize, 16);

    d.Select(0);
    newSize = 20;
    QTest::mouseClick(d.dlg.bFont, Qt::LeftButton);
    d.Select(1);
    EXPECT_EQ(d.layout[0].fontName, "Zeitnahme Festschrift");
    EXPECT_EQ(d.layout[0].fontSize, 20);
}

TEST(CfgDialog, ColourChoiceReachesTheSelectedLineOnlyOnOk) {
    Dialog d;
    int answer = QDialog::Rejected;
    d.dlg.ExecDialog = [&](QDialog& dialog) {
        dynamic_cast<QColorDialog&>(dialog).setCurrentColor(QColor(255, 0, 0));
        return answer;
    };
    const TColor before = d.layout[0].fontColor;
    QTest::mouseClick(d.dlg.bColor, Qt::LeftButton);
    d.Select(1);
    EXPECT_EQ(d.layout[0].fontColor, before);
    d.Select(0);
    answer = QDialog::Accepted;
    QTest::mouseClick(d.dlg.bColor, Qt::LeftButton);
    d.Select(1);
    EXPECT_EQ(d.layout[0].fontColor, clRed);
    EXPECT_NE(d.layout[1].fontColor, clRed);
}

// "Wechseln" shows whole, and no control of a group covers another or
// reaches past its group.
TEST(CfgDialog, ContactModesShowWholeAndNoControlsOverlap) {
    Dialog d;
    d.dlg.show();
    d.dlg.cbAlg1->setEnabled(true);
    d.dlg.cbAlg1->setCurrentText("Wechseln");
    QStyleOptionComboBox option;
    option.initFrom(d.dlg.cbAlg1);
    option.currentText = d.dlg.cbAlg1->currentText();
    const QRect field = d.dlg.cbAlg1->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxEditField, d.dlg.cbAlg1);
    EXPECT_GE(field.width(), d.dlg.cbAlg1->fontMetrics().horizontalAdvance("Wechseln"));
    for (QGroupBox* group : d.dlg.findChildren<QGroupBox*>()) {
        QList<QWidget*> shown;
        for (QWidget* w : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible()) shown << w;
        for (int i = 0; i < shown.size(); ++i) {
            EXPECT_TRUE(group->rect().contains(shown[i]->geometry())) << shown[i]->objectName().toStdString();
            for (int j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << group->title().toStdString() << ": " << shown[i]->objectName().toStdString() << " "
                    << shown[j]->objectName().toStdString();
        }
    }
}
