#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zn {

class IFileDialogs;
class EventJournal;

// "Änderungsprotokoll": every event of the day's journal with its time of
// day, the corrections highlighted, filterable by team, and exportable as a
// text file and a PDF for the jury.
class JournalWindow : public QWidget {
    Q_OBJECT
public:
    JournalWindow(EventJournal& journal, IFileDialogs* files, QWidget* parent = nullptr);

    QLineEdit* eFilter = nullptr;
    QTableWidget* Grid = nullptr;
    QPushButton* bText = nullptr;
    QPushButton* bPdf = nullptr;

    std::function<void(const QString& text, bool error)> Tell;

    // Reads the journal again.
    void Refresh();
    void bTextClick();
    void bPdfClick();
    // The shown lines (filter applied), header first.
    QList<QStringList> ShownLines() const;

private:
    void ApplyFilter();
    bool AskFileName(const QString& filter, const QString& proposed, QString& name);

    EventJournal& journal_;
    IFileDialogs* files_;
    // Each shown line's teams, for the filter.
    QList<std::pair<QString, QString>> teams_;
    // Each row's line in German: the saved text and PDF are the record.
    QList<QStringList> records_;
};

} // namespace zn
