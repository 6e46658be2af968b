#include "core/protocol_row.h"

#include "core/cell_store.h"
#include "core/result_numbers.h"
#include "core/sort_compare.h"

#include <algorithm>

namespace zn {

const std::array<QString, pc::Count> ProtocolHeaders = {
    QStringLiteral("Nr."),    QStringLiteral("Name"),   QStringLiteral("Klasse"),  QStringLiteral("Q."),
    QStringLiteral("Zeit"),   QStringLiteral("Fehler"), QStringLiteral("Gesamt"),  QStringLiteral("Zeit"),
    QStringLiteral("Fehler"), QStringLiteral("Gesamt"), QStringLiteral("Bestzeit")};

const std::array<QString, rc::Count> ResultHeaders = {QStringLiteral("Platz"),  QStringLiteral("Mannschaft"),
                                                      QStringLiteral("Klasse"), QStringLiteral("Übungszeit"),
                                                      QStringLiteral("Fehler"), QStringLiteral("Gesamtzeit")};

const std::array<int, pc::Count> ProtocolColWidths = {32, 0, 66, 40, 74, 62, 74, 74, 62, 74, 88};
const std::array<int, rc::Count> ResultColWidths = {49, 0, 72, 104, 74, 104};

ListRows RowsOf(const TCellStore& store) {
    ListRows rows;
    rows.reserve(store.RowCount());
    for (int r = 0; r < store.RowCount(); ++r)
        rows.append(store.Row(r));
    return rows;
}

void EnsureColumns(QStringList& row, int count) {
    while (row.size() < count)
        row.append(QString());
}

QString CellOf(const QStringList& row, int col) {
    return col >= 0 && col < row.size() ? row.at(col) : QString();
}

bool IsBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

QString TeamKey(const QString& nr, const QString& name) {
    return nr.rightJustified(3, u' ') + u' ' + name;
}

QString TeamKeyOfRow(const QStringList& row) {
    return TeamKey(CellOf(row, pc::Nr), CellOf(row, pc::Name));
}

std::optional<int> LaneTeamNumber(const QString& laneText) {
    bool ok = false;
    const int nr = laneText.left(3).trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return nr;
}

double BestOfTotals(double g1, double g2) {
    if (g1 < g2 && g1 > 0) return g1;
    if (g2 > 0) return g2;
    return g1;
}

namespace {

int FindTeamRow(const ListRows& protocol, int nr) {
    const QString wanted = QString::number(nr);
    for (int r = 1; r < protocol.size(); ++r) {
        if (CellOf(protocol.at(r), pc::Nr).trimmed() == wanted) return r;
    }
    return -1;
}

QString BestTimeText(const QStringList& row, QChar separator) {
    const double g1 = SecondsOrZero(row.at(pc::Gesamt1), separator);
    const double g2 = SecondsOrZero(row.at(pc::Gesamt2), separator);
    return FormatSeconds(BestOfTotals(g1, g2), separator);
}

} // namespace

RecordOutcome RecordLaneTime(ListRows& protocol, int column, const QString& laneText, const QString& timeText,
                             QChar separator) {
    Q_ASSERT(column >= 0);
    RecordOutcome outcome;
    const std::optional<int> nr = LaneTeamNumber(laneText);
    if (!nr) {
        outcome.status = RecordStatus::NoTeamOnLane;
        return outcome;
    }
    outcome.teamNr = *nr;
    outcome.row = FindTeamRow(protocol, *nr);
    if (outcome.row < 0) {
        outcome.status = RecordStatus::TeamNotFound;
        return outcome;
    }
    QStringList& row = protocol[outcome.row];
    EnsureColumns(row, std::max(pc::Count, column + 1));
    row[column] = timeText;
    if (column != pc::Zeit1 && column != pc::Zeit2) return outcome;

    const double a = SecondsOrZero(row.at(pc::Zeit1), separator);
    const double b = SecondsOrZero(row.at(pc::Zeit2), separator);
    if (a <= 0 && b <= 0) return outcome;
    // Only the recorded lane starts afresh: a penalty already entered on the
    // other lane is part of that lane's total and so of the best time.
    row[column + 1] = QStringLiteral("0");
    row[column + 2] = timeText;
    row[pc::Bestzeit] = BestTimeText(row, separator);
    return outcome;
}

QString RecordFailureText(const RecordOutcome& outcome, int lane, const QString& timeText) {
    switch (outcome.status) {
    case RecordStatus::Recorded:
        return QString();
    case RecordStatus::NoTeamOnLane:
        return QStringLiteral("Bahn %1: keine Mannschaft gewählt, Zeit %2 bitte von Hand eintragen.")
            .arg(QString::number(lane), timeText);
    case RecordStatus::TeamNotFound:
        break;
    }
    return QStringLiteral("Bahn %1: Mannschaft Nr. %2 nicht im Zeitenprotokoll gefunden, Zeit %3 bitte "
                          "von Hand eintragen.")
        .arg(QString::number(lane), QString::number(outcome.teamNr), timeText);
}

bool CommitPenaltyEdit(QStringList& row, int editColumn, QChar separator) {
    if (editColumn != pc::Fehler1 && editColumn != pc::Fehler2) return false;
    EnsureColumns(row, pc::Count);
    if (IsBlank(row.at(editColumn - 1))) return false;
    const double zeit = SecondsOrZero(row.at(editColumn - 1), separator);
    std::optional<double> fehler = ParseSeconds(row.at(editColumn), separator);
    if (!fehler) {
        fehler = 0.0;
        row[editColumn] = QStringLiteral("0");
    }
    row[editColumn + 1] = FormatSeconds(zeit + *fehler, separator);
    row[pc::Bestzeit] = BestTimeText(row, separator);
    return true;
}

int EditColumnForCell(int col) {
    if (col == pc::Zeit1 || col == pc::Fehler1) return pc::Fehler1;
    if (col == pc::Zeit2 || col == pc::Fehler2) return pc::Fehler2;
    return -1;
}

PenaltyKey FilterPenaltyKey(QChar key, int editColumn, QChar separator) {
    if (editColumn != pc::Fehler1 && editColumn != pc::Fehler2) return PenaltyKey::Pass;
    if (key == u'\r') return PenaltyKey::Commit;
    const bool digit = key >= u'0' && key <= u'9';
    if (digit || key == QChar(8) || key == separator) return PenaltyKey::Pass;
    return PenaltyKey::Swallow;
}

int CompareQualified(const QString& a, const QString& b) {
    const bool ma = !IsBlank(a);
    const bool mb = !IsBlank(b);
    if (ma == mb) return 0;
    return ma ? -1 : 1;
}

int CompareTimes(const QString& a, const QString& b, QChar separator) {
    const double x = SecondsForSorting(a, separator);
    const double y = SecondsForSorting(b, separator);
    return x < y ? -1 : (x > y ? 1 : 0);
}

int CompareNumericStyle(const QString& a, const QString& b, QChar separator) {
    const std::optional<double> x = ParseSeconds(a, separator);
    const std::optional<double> y = ParseSeconds(b, separator);
    if (x && y) return *x < *y ? -1 : (*x > *y ? 1 : 0);
    const int c = PlainCompare(FoldCase(a), FoldCase(b));
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int CompareProtocolCells(int col, const QString& a, const QString& b, QChar separator) {
    if (col == pc::Qualified) return CompareQualified(a, b);
    if (col >= pc::Zeit1 && col <= pc::Bestzeit) return CompareTimes(a, b, separator);
    return CompareNumericStyle(a, b, separator);
}

void ClearResultColumns(ListRows& rows, int colCount) {
    for (int r = 1; r < rows.size(); ++r) {
        QStringList& row = rows[r];
        EnsureColumns(row, colCount);
        for (int c = pc::Qualified; c < colCount; ++c)
            row[c].clear();
    }
}

} // namespace zn
