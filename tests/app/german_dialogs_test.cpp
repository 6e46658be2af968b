#include "app/platform_qt.h"
#include "test_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <cerrno>

using namespace zn;
using namespace zn::test;

namespace {

// Every text a dialog shows or can show (hidden option pages included),
// without the accelerator marks.
QStringList Texts(const QWidget& w) {
    QStringList out{w.windowTitle()};
    for (const auto* l : w.findChildren<QLabel*>())
        out << l->text();
    for (const auto* b : w.findChildren<QAbstractButton*>())
        out << b->text();
    for (const auto* g : w.findChildren<QGroupBox*>())
        out << g->title();
    for (const auto* t : w.findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i)
            out << t->tabText(i);
    out.replaceInStrings(QStringLiteral("&"), QString());
    out.removeAll(QString());
    return out;
}

// Qt's English texts and the system's English reasons that showed before.
void ExpectNoEnglish(const QStringList& texts) {
    static const QRegularExpression english(
        QStringLiteral("\\b(Save|Cancel|Open|Look in|Print|Options|Pages from|Input/output error|"
                       "Permission denied|No such file)\\b"));
    for (const QString& t : texts)
        EXPECT_FALSE(english.match(t).hasMatch()) << t.toStdString();
}

} // namespace

// The console's own save dialog (the one the program runs, not the tests'
// stand-in) with Qt's German texts.
TEST(GermanDialogs, TheSaveDialogSpeaksGerman) {
    QtFileDialogs files;
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        texts = Texts(*dialog);
        dialog->reject();
    });
    int index = 1;
    QString folder = QDir::tempPath();
    QString name = QStringLiteral("liste.txt");
    EXPECT_FALSE(files.GetSaveFileName(QStringLiteral("Textdatei (*.txt)"), index, folder, name));
    ASSERT_FALSE(texts.isEmpty()) << "no widget file dialog was shown";
    ExpectNoEnglish(texts);
    EXPECT_TRUE(texts.contains(QStringLiteral("Speichern"))) << texts.join(u'|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Abbrechen"))) << texts.join(u'|').toStdString();
}

TEST(GermanDialogs, ThePrintDialogOfTheProtocolSpeaksGerman) {
    Workbench wb;
    auto form = wb.MakeForm();
    form->show();
    // The button lights up with the first result row; the dialog comes first
    // in any case, an empty protocol prints its header.
    form->sbPrint->setEnabled(true);
    QStringList texts;
    wb.modal.handle = [&texts](QDialog& d) -> std::optional<int> {
        if (qobject_cast<QPrintDialog*>(&d)) texts = Texts(d);
        return QDialog::Rejected;
    };
    form->sbPrint->click();
    ASSERT_FALSE(texts.isEmpty()) << "no print dialog";
    ExpectNoEnglish(texts);
    EXPECT_TRUE(texts.contains(QStringLiteral("Drucken"))) << texts.join(u'|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("Abbrechen"))) << texts.join(u'|').toStdString();
}

// A timing port that fails with an I/O error says so in German.
TEST(GermanDialogs, APortFailureNoticeHasNoEnglishSystemText) {
    Workbench wb;
    {
        QSettings store(wb.SettingsPath(), QSettings::IniFormat);
        store.setValue("Port1", 1);
        store.setValue("Schnittstellen/COM1", "sim:COM1");
    }
    wb.serial.refuse = EIO;
    auto form = wb.MakeForm();
    form->show();
    const QString notice = form->StatusPanelPorts->text() + u'\n' + form->StatusPanelPorts->toolTip();
    EXPECT_TRUE(notice.contains(QStringLiteral("Ein-/Ausgabefehler"))) << notice.toStdString();
    ExpectNoEnglish({notice});
}
