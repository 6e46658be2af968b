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

template <typename Take>
ListRows ResultListOf(const QStringList& header, const ListRows& protocol, QChar separator, Take take) {
    ListRows result{header};
    for (int r = 1; r < protocol.size(); ++r) {
        if (take(protocol.at(r))) result.append(ResultRowOf(protocol.at(r), separator));
    }
    return result;
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
    lists.protocol = input.protocol;
    SortListRows(lists.protocol, {ProtocolKey(pc::Nr, sep), ProtocolKey(pc::Bestzeit, sep)});
    const ListRows& byNumber = lists.protocol;

    // Qualification: marked teams by the total of their counted run.
    const auto marked = [](const QStringList& row) { return !IsBlank(CellOf(row, pc::Qualified)); };
    lists.qualification = ResultListOf(input.qualificationHeader, byNumber, sep, marked);
    RankResultRows(lists.qualification, rc::Count, sep);

    // Overall: every team with a best time that counts, marked teams first,
    // each group by best time; places by position.
    ListRows ordered = byNumber;
    SortListRows(ordered, {ProtocolKey(pc::Qualified, sep), ProtocolKey(pc::Bestzeit, sep)});
    const auto timed = [sep](const QStringList& row) {
        return RunSeconds(CellOf(row, pc::Bestzeit), sep).has_value();
    };
    lists.overall = ResultListOf(input.overallHeader, ordered, sep, timed);
    NumberPlaces(lists.overall, rc::Count, sep);
    return lists;
}

} // namespace zn
