// Saving the shown list as a text file.
#include "app/main_window.h"

#include "controls/sort_grid.h"

#include <QDir>
#include <QLabel>
#include <QSaveFile>

namespace zn {

// Tab-separated rows of the shown list; the old file is replaced whole, so a
// power cut leaves either the old or the new list.
bool TFormMain::SaveListAsText(const QString& fileName) {
    QByteArray bytes;
    for (int r = 0; r < CurrentList->RowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < CurrentList->ColCount(); ++c) cells << CurrentList->GetCell(c, r);
        bytes += cells.join(u'\t').toUtf8() + "\r\n";
    }
    QSaveFile file(fileName);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!ok)
        StatusPanel1->setText(QStringLiteral(" Der Schreibfehler der Datei: ") + QDir::toNativeSeparators(fileName));
    return ok;
}

}  // namespace zn
