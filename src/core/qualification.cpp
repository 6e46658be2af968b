#include "core/qualification.h"

#include "core/ranking.h"
#include "core/result_numbers.h"

namespace zn {

namespace {

bool Lane1Counts(const QStringList& row, QChar separator) {
    const QString gesamt = CellOf(row, pc::Gesamt1);
    const QString best = CellOf(row, pc::Bestzeit);
    if (gesamt == best) return true;
    // A total taken over from a workbook may be written "21,5" where the best
    // time reads "21,50": the same run.
    const std::optional<double> g = ParseSeconds(gesamt, separator);
    const std::optional<double> b = ParseSeconds(best, separator);
    return g && b && *g == *b;
}

RowSortKey ProtocolKey(int col, QChar separator) {
    return {col, [col, separator](const QString& a, const QString& b) {
                return CompareProtocolCells(col, a, b, separator);
            }};
}

ListRows ResultListOf(const QStringList& header, const ListRows& protocol, QChar separator,
                      bool (*take)(const QStringList&)) {
    ListRows result{header};
    for (int r = 1; r < protocol.size(); ++r) {
        if (take(protocol.at(r))) result.append(ResultRowOf(protocol.at(r), separator));
    }
    return result;
}

bool IsMarked(const QStringList& row) {
    return !IsBlank(CellOf(row, pc::Qualified));
}
bool HasBestTime(const QStringList& row) {
    return !IsBlank(CellOf(row, pc::Bestzeit));
}

} // namespace

QStringList ResultRowOf(const QStringList& protocolRow, QChar separator) {
    const int first = Lane1Counts(protocolRow, separator) ? pc::Zeit1 : pc::Zeit2;
    return {QString(),
            CellOf(protocolRow, pc::Name),
            CellOf(protocolRow, pc::Klasse),
            CellOf(protocolRow, first),
            CellOf(protocolRow, first + 1),
            CellOf(protocolRow, first + 2)};
}

GeneratedLists GenerateResultLists(const GenerateInput& input) {
    const QChar sep = input.separator;
    GeneratedLists lists;
    ListRows protocol = input.protocol;

    // Qualification: marked teams in protocol order, then by their total.
    lists.qualification = ResultListOf(input.qualificationHeader, protocol, sep, IsMarked);
    RerankRows(lists.qualification, rc::Count, rc::Gesamtzeit, input.qualificationDescending, sep);

    // Overall: marked teams first, each group by best time; places by position.
    const RowSortKey bestKey = ProtocolKey(pc::Bestzeit, sep);
    SortListRows(protocol, {ProtocolKey(pc::Qualified, sep), bestKey}, input.protocolDescending);
    lists.overall = ResultListOf(input.overallHeader, protocol, sep, HasBestTime);
    NumberPlaces(lists.overall, rc::Count);

    SortListRows(protocol, {ProtocolKey(pc::Nr, sep), bestKey}, input.protocolDescending);
    lists.protocol = protocol;
    return lists;
}

} // namespace zn
