#include "core/protocol_row.h"

#include "core/cell_store.h"
#include "core/result_numbers.h"
#include "core/sort_compare.h"

#include <QCoreApplication>
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
    // TeamKey pads the number to three characters and puts one blank after
    // it, so the field ends at the first blank from position 3 on. Reading
    // only three characters took team 100 for a stop of team 1000.
    const qsizetype end = laneText.indexOf(u' ', 3);
    bool ok = false;
    const int nr = laneText.left(end < 0 ? laneText.size() : end).trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return nr;
}

QString LaneTeamName(const QString& laneText) {
    const qsizetype end = laneText.indexOf(u' ', 3);
    return end < 0 ? QString() : laneText.mid(end + 1).trimmed();
}

std::optional<double> BestOfTotals(std::optional<double> g1, std::optional<double> g2) {
    if (g1 && g2) return *g1 < *g2 ? g1 : g2;
    return g1 ? g1 : g2;
}

namespace {

// Every protocol row that carries the number: the "Nr." cell read as a number,
// so a "07" from a workbook is team 7 too.
QList<int> TeamRows(const ListRows& protocol, int nr) {
    QList<int> rows;
    for (int r = 1; r < protocol.size(); ++r) {
        bool ok = false;
        const int cell = CellOf(protocol.at(r), pc::Nr).trimmed().toInt(&ok);
        if (ok && cell == nr) rows.append(r);
    }
    return rows;
}

// A lane's total counts only beside a time that counts: a total left behind
// by a time that was cleared or is 0 is no total.
std::optional<double> LaneTotal(const QStringList& row, int zeitCol, QChar separator) {
    if (!RunSeconds(CellOf(row, zeitCol), separator)) return std::nullopt;
    return RunSeconds(CellOf(row, zeitCol + 2), separator);
}

void UpdateBestTime(QStringList& row, QChar separator) {
    const std::optional<double> best =
        BestOfTotals(LaneTotal(row, pc::Zeit1, separator), LaneTotal(row, pc::Zeit2, separator));
    row[pc::Bestzeit] = best ? FormatSeconds(*best, separator) : QString();
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
    outcome.entry = laneText.trimmed();
    const QList<int> numbered = TeamRows(protocol, *nr);
    const QString name = LaneTeamName(laneText);
    QList<int> rows;
    for (int r : numbered)
        if (CellOf(protocol.at(r), pc::Name).trimmed() == name) rows.append(r);
    if (rows.size() != 1) {
        outcome.status = !rows.isEmpty()      ? RecordStatus::TeamNotUnique
                         : numbered.isEmpty() ? RecordStatus::TeamNotFound
                                              : RecordStatus::NameDiffers;
        if (outcome.status == RecordStatus::NameDiffers)
            outcome.protocolName = CellOf(protocol.at(numbered.front()), pc::Name).trimmed();
        return outcome;
    }
    outcome.row = rows.front();
    QStringList& row = protocol[outcome.row];
    EnsureColumns(row, std::max(pc::Count, column + 1));
    row[column] = timeText;
    if (column != pc::Zeit1 && column != pc::Zeit2) return outcome;

    // Only the recorded lane starts afresh: a penalty already entered on the
    // other lane is part of that lane's total and so of the best time.
    if (RunSeconds(timeText, separator)) {
        row[column + 1] = QStringLiteral("0");
        row[column + 2] = timeText;
    } else {
        // A run that does not count replaces the lane's earlier run and its
        // penalty all the same.
        row[column + 1].clear();
        row[column + 2].clear();
    }
    UpdateBestTime(row, separator);
    return outcome;
}

QString RecordFailureText(const RecordOutcome& outcome, int lane, const QString& timeText) {
    const QString team = QStringLiteral("„%1“").arg(outcome.entry);
    switch (outcome.status) {
    case RecordStatus::Recorded:
        return QString();
    case RecordStatus::NoTeamOnLane:
        //: %1 lane number, %2 the run time that could not be entered in the time protocol
        return QCoreApplication::translate(
                   "ProtocolRow", "Bahn %1: keine Mannschaft gewählt, Zeit %2 bitte von Hand eintragen.")
            .arg(QString::number(lane), timeText);
    case RecordStatus::TeamNotUnique:
        //: %1 lane number, %2 the team, %3 the run time that could not be entered
        return QCoreApplication::translate("ProtocolRow",
                                           "Bahn %1: Mannschaft %2 steht mehrfach im Zeitenprotokoll, Zeit "
                                           "%3 bitte von Hand eintragen.")
            .arg(QString::number(lane), team, timeText);
    case RecordStatus::NameDiffers:
        //: %1 lane number, %2 the team, %3 its number, %4 the name the time protocol has under that number,
        //: %5 the run time that could not be entered
        return QCoreApplication::translate(
                   "ProtocolRow", "Bahn %1: Mannschaft %2 nicht im Zeitenprotokoll gefunden (Nr. %3 heißt "
                                  "dort „%4“), Zeit %5 bitte von Hand eintragen.")
            .arg(QString::number(lane), team, QString::number(outcome.teamNr), outcome.protocolName,
                 timeText);
    case RecordStatus::TeamNotFound:
        break;
    }
    //: %1 lane number, %2 the team, %3 the run time that could not be entered
    return QCoreApplication::translate(
               "ProtocolRow",
               "Bahn %1: Mannschaft %2 nicht im Zeitenprotokoll gefunden, Zeit %3 bitte von Hand eintragen.")
        .arg(QString::number(lane), team, timeText);
}

EditCommit CommitPenaltyEdit(QStringList& row, int editColumn, QChar separator) {
    EditCommit commit;
    if (editColumn != pc::Fehler1 && editColumn != pc::Fehler2) return commit;
    EnsureColumns(row, pc::Count);
    const int zeitCol = editColumn - 1;
    const QString zeitText = row.at(zeitCol);
    const QString fehlerText = row.at(editColumn);
    std::optional<double> fehler = WholePenalty(fehlerText, separator);
    if (!fehler && !IsBlank(fehlerText)) {
        commit.penaltyRejected = true;
        commit.rejectedText = fehlerText;
        row[editColumn] = QStringLiteral("0");
    }
    const std::optional<double> zeit = RunSeconds(zeitText, separator);
    if (zeit) {
        if (!fehler) row[editColumn] = QStringLiteral("0");
        row[editColumn + 1] = FormatSeconds(*zeit + fehler.value_or(0.0), separator);
    } else {
        // A cleared time takes its total with it; "0" is no time either.
        row[editColumn + 1].clear();
        if (!IsBlank(zeitText) && !commit.penaltyRejected) {
            commit.timeRejected = true;
            commit.rejectedText = zeitText;
        }
    }
    UpdateBestTime(row, separator);
    return commit;
}

QString EditCommitText(const EditCommit& commit, int editColumn) {
    const int lane = editColumn == pc::Fehler2 ? 2 : 1;
    if (commit.penaltyRejected)
        //: %1 lane number, %2 the typed penalty (Fehler = penalty seconds)
        return QCoreApplication::translate(
                   "ProtocolRow", "Bahn %1: Fehler „%2“ ist keine ganze Zahl ab 0 und wurde auf 0 gesetzt.")
            .arg(QString::number(lane), commit.rejectedText.trimmed());
    if (commit.timeRejected)
        //: %1 lane number, %2 the typed run time
        return QCoreApplication::translate("ProtocolRow",
                                           "Bahn %1: Zeit „%2“ ist keine gültige Laufzeit und zählt nicht.")
            .arg(QString::number(lane), commit.rejectedText.trimmed());
    return QString();
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

int CompareRunTimes(const QString& a, const QString& b, QChar separator) {
    const double x = RunSecondsForSorting(a, separator);
    const double y = RunSecondsForSorting(b, separator);
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
    if (col == pc::Fehler1 || col == pc::Fehler2) return CompareTimes(a, b, separator);
    if (col >= pc::Zeit1 && col <= pc::Bestzeit) return CompareRunTimes(a, b, separator);
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
