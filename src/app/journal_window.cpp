#include "app/journal_window.h"

#include "app/platform.h"
#include "core/file_writer.h"
#include "core/journal_lines.h"
#include "journal/journal.h"
#include "print/print_preview.h"

#include <QDate>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zn {

namespace {

const QColor kCorrection(255, 236, 140);

} // namespace

JournalWindow::JournalWindow(EventJournal& journal, IFileDialogs* files, QWidget* parent)
    : QWidget(parent, Qt::Window), journal_(journal), files_(files) {
    setObjectName(QStringLiteral("JournalWindow"));
    //: window title: the journal of every time and correction
    setWindowTitle(tr("Änderungsprotokoll"));
    resize(760, 520);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(tr("Mannschaft:"), this));
    eFilter = new QLineEdit(this);
    eFilter->setObjectName(QStringLiteral("eFilter"));
    //: filter field placeholder: every team
    eFilter->setPlaceholderText(tr("alle"));
    eFilter->setClearButtonEnabled(true);
    bar->addWidget(eFilter, 1);
    bText = new QPushButton(tr("Als Text speichern"), this);
    bText->setObjectName(QStringLiteral("bText"));
    bPdf = new QPushButton(tr("Als PDF speichern"), this);
    bPdf->setObjectName(QStringLiteral("bPdf"));
    bar->addWidget(bText);
    bar->addWidget(bPdf);
    Grid = new QTableWidget(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setColumnCount(static_cast<int>(kJournalColumns.size()));
    Grid->setHorizontalHeaderLabels(ShownJournalColumns());
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setStretchLastSection(true);
    auto* main = new QVBoxLayout(this);
    main->addLayout(bar);
    main->addWidget(Grid, 1);
    connect(eFilter, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
    connect(bText, &QPushButton::clicked, this, [this] { bTextClick(); });
    connect(bPdf, &QPushButton::clicked, this, [this] { bPdfClick(); });
}

void JournalWindow::Refresh() {
    const std::vector<JournalEntry> entries = journal_.ReadAll();
    Grid->setRowCount(static_cast<int>(entries.size()));
    teams_.clear();
    records_.clear();
    for (int r = 0; r < static_cast<int>(entries.size()); ++r) {
        const CompetitionEvent& e = entries[static_cast<size_t>(r)].event;
        const QDateTime at = entries[static_cast<size_t>(r)].at.toLocalTime();
        const QStringList line = ShownJournalLine(at, e);
        records_.append(JournalLine(at, e));
        const bool correction = IsCorrection(e);
        for (int c = 0; c < line.size(); ++c) {
            auto* item = new QTableWidgetItem(line[c]);
            if (correction) item->setBackground(kCorrection);
            Grid->setItem(r, c, item);
        }
        teams_.append({e.team, e.team2});
    }
    Grid->resizeColumnsToContents();
    ApplyFilter();
    Grid->scrollToBottom();
}

void JournalWindow::ApplyFilter() {
    for (int r = 0; r < Grid->rowCount(); ++r)
        Grid->setRowHidden(r, !ConcernsTeam(teams_.value(r).first, teams_.value(r).second, eFilter->text()));
}

QList<QStringList> JournalWindow::ShownLines() const {
    QList<QStringList> lines{kJournalColumns};
    for (int r = 0; r < Grid->rowCount(); ++r) {
        if (!Grid->isRowHidden(r)) lines << records_.value(r);
    }
    return lines;
}

bool JournalWindow::AskFileName(const QString& filter, const QString& proposed, QString& name) {
    if (!files_) return false;
    int index = 1;
    QString folder = QFileInfo(journal_.Path()).absolutePath();
    name = QDir(folder).filePath(proposed);
    return files_->GetSaveFileName(filter, index, folder, name);
}

void JournalWindow::bTextClick() {
    QString name;
    const QString proposed =
        QStringLiteral("Änderungsprotokoll %1.txt").arg(QDate::currentDate().toString(Qt::ISODate));
    if (!AskFileName(tr("Textdatei (*.txt)"), proposed, name)) return;
    QString text;
    for (const QStringList& line : ShownLines())
        text += line.join(QChar(u'\t')) + QStringLiteral("\r\n");
    const WriteResult result = WriteFileAtomically(name, text.toUtf8());
    if (!result.ok && Tell) Tell(result.errorText, true);
}

// The shown lines as a ruled list, like the printed protocol.
void JournalWindow::bPdfClick() {
    QString name;
    const QString proposed =
        QStringLiteral("Änderungsprotokoll %1.pdf").arg(QDate::currentDate().toString(Qt::ISODate));
    if (!AskFileName(tr("PDF-Datei (*.pdf)"), proposed, name)) return;
    const QList<QStringList> lines = ShownLines();
    TPrintPreview pages;
    pages.SetUnits(mmLoMetric);
    pages.SetMarginLeft(160);
    pages.SetMarginRight(60);
    pages.SetMarginTop(60);
    pages.SetMarginBottom(60);
    pages.BeginDoc();
    const PrintTable table{static_cast<int>(kJournalColumns.size()), static_cast<int>(lines.size()),
                           [&lines](int c, int r) { return lines.value(r).value(c); }};
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    ComposeProtocol(pages, table, pages.MarginRect(), QStringLiteral("Änderungsprotokoll"), date);
    pages.EndDoc();
    QString error;
    if (!pages.SavePdf(name, &error) && Tell) Tell(error, true);
}

} // namespace zn
