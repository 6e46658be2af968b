// Every window and dialog of the console, walked in each language it speaks:
// a text that shows the same in German and in another language, and is not
// one the translation keeps as it is, was left out of the translation. And
// walked with a translator that marks every text it is asked for: a text
// without the mark never went through the translation system.
#include "app/application_setup.h"
#include "app/board_window.h"
#include "app/demo_console.h"
#include "app/journal_window.h"
#include "app/next_round_dialog.h"
#include "controls/bit_btn_with_color.h"
#include "core/app_title.h"
#include "core/console_language.h"
#include "print/page_setup_dialog.h"
#include "settings/port_devices_dialog.h"
#include "test_platform.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace zn;
using namespace zn::test;

namespace {

// What one widget shows, by where it is: the same walk in two languages
// meets the widgets in the same order.
using ShownTexts = QList<std::pair<QString, QString>>;

void Add(ShownTexts& out, const QString& where, QString text) {
    text.remove(QRegularExpression(QStringLiteral("&(?=\\S)")));
    if (!text.trimmed().isEmpty()) out.push_back({where, text});
}

void AddActions(ShownTexts& out, const QString& where, const QList<QAction*>& actions) {
    for (int i = 0; i < actions.size(); ++i) {
        const QString at = where + QStringLiteral("/action%1").arg(i);
        Add(out, at, actions[i]->text());
        Add(out, at + QStringLiteral(":tip"),
            actions[i]->toolTip() == actions[i]->text().remove(u'&') ? QString() : actions[i]->toolTip());
        if (QMenu* sub = actions[i]->menu()) AddActions(out, at, sub->actions());
    }
}

// The widget's own words: titles, captions, tooltips, menus and headers;
// not what the operator typed or the lists hold.
void Walk(QWidget& top, const QString& name, ShownTexts& out) {
    QList<QWidget*> widgets{&top};
    widgets += top.findChildren<QWidget*>();
    for (int i = 0; i < widgets.size(); ++i) {
        QWidget* w = widgets[i];
        const QString at = name + u'/' + QString::fromLatin1(w->metaObject()->className()) + u'#' +
                           w->objectName() + u'#' + QString::number(i);
        if (w->isWindow()) Add(out, at + QStringLiteral(":title"), w->windowTitle());
        Add(out, at + QStringLiteral(":tip"), w->toolTip());
        if (auto* l = qobject_cast<QLabel*>(w)) Add(out, at, l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) Add(out, at, b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) Add(out, at, g->title());
        if (auto* e = qobject_cast<QLineEdit*>(w))
            Add(out, at + QStringLiteral(":placeholder"), e->placeholderText());
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int k = 0; k < t->count(); ++k)
                Add(out, at + QStringLiteral(":tab%1").arg(k), t->tabText(k));
        if (auto* c = qobject_cast<QComboBox*>(w); c && !c->isEditable())
            for (int k = 0; k < c->count(); ++k)
                Add(out, at + QStringLiteral(":item%1").arg(k), c->itemText(k));
        if (auto* t = qobject_cast<QTableWidget*>(w))
            for (int k = 0; k < t->columnCount(); ++k)
                if (auto* h = t->horizontalHeaderItem(k))
                    Add(out, at + QStringLiteral(":head%1").arg(k), h->text());
        if (auto* g = qobject_cast<TSortGrid*>(w))
            for (int c = 0; c < g->ColCount(); ++c)
                Add(out, at + QStringLiteral(":head%1").arg(c), g->ShownCell(c, 0));
        AddActions(out, at, w->actions());
    }
}

// The translations of `language` that keep the German text ("START",
// "Format:"), without their accelerator marks.
QSet<QString> KeptAsTheyAre(const QString& language) {
    QFile file(QStringLiteral(ZN_SOURCE_DIR "/translations/zeitnahme_%1.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QSet<QString> kept;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") &&
                   xml.readElementText(QXmlStreamReader::IncludeChildElements) == source) {
            kept << QString(source).remove(QRegularExpression(QStringLiteral("&(?=\\S)")));
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(kept.size(), 0);
    return kept;
}

// Marks every text the console and Qt ask for: ‹text›.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("\u2039") + QString::fromUtf8(source) + QStringLiteral("\u203A");
    }
};

// The console with a run's worth of things to show: two teams on the lanes,
// the board and the journal open, and every dialog made.
ShownTexts WalkConsole(const QString& language, QTranslator* marking = nullptr) {
    if (marking) {
        QCoreApplication::installTranslator(marking);
    } else {
        EXPECT_TRUE(InstallTranslations(language, {QStringLiteral(ZN_TRANSLATIONS_DIR)}))
            << "no translation for " << language.toStdString();
    }
    ShownTexts out;
    {
        Workbench wb;
        wb.dataFolder = wb.Path(QStringLiteral("daten"));
        auto form = wb.MakeForm();
        form->show();
        form->StartJournal();
        PutDemoTeams(*form, {QStringLiteral("  1 Kronvik"), QStringLiteral("  2 Kronvik")});
        form->ToggleBoard();
        form->Features().journal.ShowWindow();
        form->Features().contacts.ShowWindow();
        Walk(*form, QStringLiteral("main"), out);
        if (BoardWindow* board = form->BoardWindowOpened()) Walk(*board, QStringLiteral("board"), out);
        Walk(*wb.settings, QStringLiteral("settings"), out);
        Walk(*wb.preview, QStringLiteral("preview"), out);
        Walk(*wb.dialog, QStringLiteral("yesno"), out);
        PageSetupDialog pages(PageSetupDialog::Pages{});
        Walk(pages, QStringLiteral("pages"), out);
        PortDevicesDialog ports(SerialPortMap{}, {QStringLiteral("sim:COM1")},
                                [](const QString&) { return PortPresence{}; });
        Walk(ports, QStringLiteral("ports"), out);
        NextRoundDialog next(1, {{"1", "A", "", 1, "20,00"}, {"2", "B", "", 2, "20,00"}}, u',');
        next.countBox->setValue(1);
        Walk(next, QStringLiteral("nextround"), out);
        // What the console says along a run: its notes, a command refused
        // during it, the false start, and the question before it closes.
        QStringList said;
        form->mStartClick(form->bSTART);
        said << form->StatusPanel1->text();
        TFormMain::Click(form->findChild<QAction*>(QStringLiteral("EinstellunGen1")));
        said << form->StatusPanel1->text();
        wb.clock.now += 1000;
        TFormMain::Click(form->mFStart);
        said << form->StatusPanel1->text();
        form->close();
        said << wb.modal.asked << wb.modal.messages;
        for (int i = 0; i < said.size(); ++i)
            Add(out, QStringLiteral("said%1").arg(i), said[i]);
    }
    if (marking) QCoreApplication::removeTranslator(marking);
    EXPECT_TRUE(InstallTranslations(QStringLiteral("de"), {}));
    return out;
}

// Words of some language, once the names that are the same in every one
// are taken out: the program's, the logo's, the ports', the languages' own.
bool HasWords(QString text) {
    static const QRegularExpression names(
        QStringLiteral("\\b(COM\\d+|mm|OK|Letter|Kron|vik|Kronvik|Zeitnahme)\\b"));
    text.remove(ApplicationTitle()).remove(QCoreApplication::applicationName()).remove(names);
    for (const ConsoleLanguage& language : kConsoleLanguages)
        text.remove(QString::fromUtf8(language.name));
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    return word.match(text).hasMatch();
}

} // namespace

TEST(LanguageWalk, NoWindowKeepsAGermanTextInAnotherLanguage) {
    const ShownTexts german = WalkConsole(QStringLiteral("de"));
    ASSERT_GT(german.size(), 100);
    for (const QString& language : {QStringLiteral("en"), QStringLiteral("cs"), QStringLiteral("pl")}) {
        const QSet<QString> kept = KeptAsTheyAre(language);
        const ShownTexts other = WalkConsole(language);
        ASSERT_EQ(other.size(), german.size()) << language.toStdString();
        QStringList left;
        for (int i = 0; i < german.size(); ++i) {
            const auto& [where, text] = german[i];
            if (other[i].second != text || !HasWords(text) || kept.contains(text)) continue;
            left << where + QStringLiteral(": ") + text;
        }
        EXPECT_TRUE(left.isEmpty()) << language.toStdString() << " keeps German:\n"
                                    << left.join(u'\n').toStdString();
    }
}

TEST(LanguageWalk, EveryTextShownGoesThroughTheTranslation) {
    MarkingTranslator marking;
    const ShownTexts shown = WalkConsole(QStringLiteral("de"), &marking);
    ASSERT_GT(shown.size(), 100);
    QStringList unmarked;
    // What is left once every marked text, the innermost first, is taken out.
    static const QRegularExpression marked(QStringLiteral("\u2039[^\u2039\u203A]*\u203A"));
    for (const auto& [where, text] : shown) {
        QString rest = text;
        for (QString before; before != rest;)
            before = std::exchange(rest, QString(rest).remove(marked));
        if (HasWords(rest)) unmarked << where + QStringLiteral(": ") + text;
    }
    EXPECT_TRUE(unmarked.isEmpty()) << "not translatable:\n" << unmarked.join(u'\n').toStdString();
}
