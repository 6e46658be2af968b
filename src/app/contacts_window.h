#pragma once

#include "core/contact_counts.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace zn {

// "Kontakte": each lane's contacts of the day in a row, red where the lane
// bounces or fires outside runs, and what that means in plain words.
class ContactsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ContactsWindow(QWidget* parent = nullptr);
    void ShowCounts(const QDate& today, const std::array<LaneContactCounts, 2>& lanes);

    QLabel* LabelDay = nullptr;
    QTableWidget* Grid = nullptr;
    // The lanes that want a look, and why; "Keine Auffälligkeiten" else.
    QLabel* LabelFindings = nullptr;
};

} // namespace zn
