#include "app/contacts_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zn {

namespace {
const QColor kSuspectRow(255, 190, 190);
} // namespace

ContactsWindow::ContactsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ContactsWindow"));
    //: window title: the contacts (timing switches, light barriers) of each lane
    setWindowTitle(tr("Kontakte der Bahnen"));
    resize(760, 220);
    LabelDay = new QLabel(this);
    LabelDay->setObjectName(QStringLiteral("LabelDay"));
    Grid = new QTableWidget(2, 7, this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setHorizontalHeaderLabels({
        //: column: the lane (Bahn)
        tr("Bahn"),
        //: column: contacts that stopped the lane's time
        tr("Gestoppt"),
        //: column: contacts swallowed by the 2 s lock-out after a contact (bouncing)
        tr("Geprellt"),
        //: column: contacts while the lane did not run
        tr("Außerhalb eines Laufs"),
        //: column: changes of the line that were no contact, while nothing ran
        tr("Leitung in Ruhe gewechselt"),
        //: column: the time of day of the last contact
        tr("Letzter Kontakt"),
        //: column: the last contact's instant on the console's millisecond clock
        tr("Tick"),
    });
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionMode(QAbstractItemView::NoSelection);
    Grid->setFocusPolicy(Qt::NoFocus);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    LabelFindings = new QLabel(this);
    LabelFindings->setObjectName(QStringLiteral("LabelFindings"));
    LabelFindings->setWordWrap(true);
    auto* main = new QVBoxLayout(this);
    main->addWidget(LabelDay);
    main->addWidget(Grid, 1);
    main->addWidget(LabelFindings);
}

void ContactsWindow::ShowCounts(const QDate& today, const std::array<LaneContactCounts, 2>& lanes) {
    //: above the table: the counts are those of this day
    LabelDay->setText(tr("Gezählt am %1").arg(QLocale().toString(today, QLocale::ShortFormat)));
    QStringList findings;
    for (int lane = 0; lane < 2; ++lane) {
        const LaneContactCounts& c = lanes[static_cast<size_t>(lane)];
        const QStringList cells{QString::number(lane + 1),
                                QString::number(c.stopped),
                                QString::number(c.bounced),
                                QString::number(c.outsideRun),
                                QString::number(c.idleChanges),
                                FormatContactInstant(c.lastWall),
                                c.lastWall.isValid() ? QString::number(c.lastTick) : QString()};
        for (int col = 0; col < cells.size(); ++col) {
            auto* item = new QTableWidgetItem(cells[col]);
            item->setTextAlignment(col == 5 || col == 6 ? Qt::AlignCenter
                                                        : Qt::AlignRight | Qt::AlignVCenter);
            if (c.Suspect()) item->setBackground(kSuspectRow);
            Grid->setItem(lane, col, item);
        }
        if (c.bounced > 0)
            //: %1 the lane, %2 how many contacts came within the 2 s lock-out after a contact
            findings << tr("Bahn %1 prellt (Kontakte in der Sperrzeit: %2). Kontakt und Kabel prüfen.")
                            .arg(lane + 1)
                            .arg(c.bounced);
        if (c.outsideRun > 0)
            //: %1 the lane, %2 how many contacts came while the lane did not run
            findings << tr("Bahn %1 löst außerhalb eines Laufs aus (Kontakte ohne laufende Zeit: %2). "
                           "Kontakt, Kabel und Einstellungen prüfen.")
                            .arg(lane + 1)
                            .arg(c.outsideRun);
    }
    //: the contacts of both lanes look fine
    LabelFindings->setText(findings.isEmpty() ? tr("Keine Auffälligkeiten.") : findings.join(u'\n'));
    LabelFindings->setStyleSheet(findings.isEmpty() ? QString() : QStringLiteral("color: #c00000;"));
}

} // namespace zn
