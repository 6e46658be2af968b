#include "core/sort_engine.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace zn {

namespace {

// One key text of a pass, converted once instead of at every comparison.
struct TSortKey {
    QString Text; // folded unless the sort is case-sensitive
    bool Converted = false;
    double Number = 0;
    std::int64_t Msecs = 0;
};

// Conversions read the text as written, as style detection does: folding
// first would turn "März" into "märz", which no German date form matches.
TSortKey MakeKey(const QString& raw, TSortStyle style, bool caseSensitive, const TTextConverter& conv) {
    TSortKey key;
    key.Text = caseSensitive ? raw : FoldCase(raw);
    switch (style) {
    case ssNumeric:
        key.Converted = conv.ToFloat(raw, &key.Number);
        break;
    case ssDateTime:
        key.Converted = conv.ToDateTime(raw, &key.Msecs);
        break;
    case ssTime:
        key.Converted = conv.ToTime(raw, &key.Msecs);
        break;
    default:
        break;
    }
    return key;
}

template <typename T> int Order(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The style's comparison of two prepared keys; a failed conversion on either
// side falls back to the plain comparison.
int CompareKeys(const TSortKey& a, const TSortKey& b, TSortStyle style, const TCompareProc& proc) {
    switch (style) {
    case ssNumeric:
        if (a.Converted && b.Converted) return Order(a.Number, b.Number);
        break;
    case ssDateTime:
    case ssTime:
        if (a.Converted && b.Converted) return Order(a.Msecs, b.Msecs);
        break;
    case ssNumericExtended:
        return NumericExtendedCompare(a.Text, b.Text);
    case ssCustom:
        if (proc) return proc(a.Text, b.Text);
        break;
    default:
        break;
    }
    return PlainCompare(a.Text, b.Text);
}

// Merge sort of positions. Not std::sort or std::stable_sort: the per-style
// comparison is not always a strict weak order (ssNumeric compares numbers by
// value but a number with a word by text, so "9" < "10" < "5a" < "9"), and the
// standard algorithms may then run past the ends of the range. A merge sort
// touches only its own buffers whatever the comparator answers, and is
// O(n log n) comparisons.
template <typename Less> void MergeSort(std::vector<int>& items, Less less) {
    const std::size_t n = items.size();
    constexpr std::size_t kRun = 16;
    for (std::size_t lo = 0; lo < n; lo += kRun) {
        const std::size_t hi = std::min(n, lo + kRun);
        for (std::size_t i = lo + 1; i < hi; ++i) {
            const int v = items[i];
            std::size_t j = i;
            for (; j > lo && less(v, items[j - 1]); --j)
                items[j] = items[j - 1];
            items[j] = v;
        }
    }
    std::vector<int> buffer(n);
    for (std::size_t width = kRun; width < n; width *= 2) {
        for (std::size_t lo = 0; lo < n; lo += 2 * width) {
            const std::size_t mid = std::min(n, lo + width);
            const std::size_t hi = std::min(n, lo + 2 * width);
            std::size_t i = lo, j = mid, out = lo;
            while (i < mid && j < hi)
                buffer[out++] = less(items[j], items[i]) ? items[j++] : items[i++];
            while (i < mid)
                buffer[out++] = items[i++];
            while (j < hi)
                buffer[out++] = items[j++];
        }
        items.swap(buffer);
    }
}

// One pass: reorders `rows` (the working order of the data rows) by column k.
void SortPass(const TCellStore& store, std::vector<int>& rows, int k, const TSortOptions& options,
              const TTextConverter& conv) {
    const TSortStyle style = options.SortStyle;
    const TCompareProc proc = options.CompareProc;
    const QStringList column = store.Column(k, store.RowCount());
    std::vector<TSortKey> keys;
    keys.reserve(rows.size());
    for (int row : rows)
        keys.push_back(MakeKey(column[row], style, options.SortCaseSensitive, conv));

    const bool descending = options.SortDirection == sdDescending;
    std::vector<int> positions(rows.size());
    std::iota(positions.begin(), positions.end(), 0);
    MergeSort(positions, [&](int a, int b) {
        int r = CompareKeys(keys[a], keys[b], style, proc);
        if (r == 0) return a < b; // the earlier row first, in either direction
        return descending ? r > 0 : r < 0;
    });

    std::vector<int> reordered(rows.size());
    for (std::size_t n = 0; n < positions.size(); ++n)
        reordered[n] = rows[positions[n]];
    rows.swap(reordered);
}

} // namespace

std::vector<int> SortKeyColumns(const QString& secondaryIndex, int col, int colCount) {
    std::vector<int> keys{col};
    for (const QString& entry : secondaryIndex.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int k = entry.trimmed().toInt(&ok, 10);
        if (!ok || k < 0 || k >= colCount) continue;
        if (std::find(keys.begin(), keys.end(), k) != keys.end()) continue;
        keys.push_back(k);
    }
    return keys;
}

TSortStyle DetectSortStyle(const TCellStore& store, int col, const QLocale& locale) {
    const TTextConverter conv(locale);
    bool numeric = true, dateTime = true, time = true;
    double number = 0;
    std::int64_t msecs = 0;
    const QStringList column = store.Column(col, store.RowCount());
    for (int row = 1; row < column.size() && (numeric || dateTime || time); ++row) {
        const QString& text = column[row];
        if (numeric && !conv.ToFloat(text, &number)) numeric = false;
        if (time && !conv.ToTime(text, &msecs)) time = false;
        if (dateTime && !conv.ToDateTime(text, &msecs)) dateTime = false;
    }
    if (numeric) return ssNumeric;
    if (dateTime) return ssDateTime;
    if (time) return ssTime;
    return ssNormal;
}

int CompareKeyTexts(const QString& a, const QString& b, const TSortOptions& options, const QLocale& locale) {
    const TTextConverter conv(locale);
    const TSortKey ka = MakeKey(a, options.SortStyle, options.SortCaseSensitive, conv);
    const TSortKey kb = MakeKey(b, options.SortStyle, options.SortCaseSensitive, conv);
    return CompareKeys(ka, kb, options.SortStyle, options.CompareProc);
}

TSortResult SortRows(TCellStore& store, TSortOptions& options, int col, const std::vector<int>& selectedRows,
                     const TSortEvents& events, const QLocale& locale) {
    TSortResult result;
    if (!options.CanSort) return result;
    result.Sorted = true;
    options.SortCol = col;
    if (events.OnBeforeSort) events.OnBeforeSort(col);

    const int rowCount = store.RowCount();
    std::vector<int> rows(rowCount > 1 ? rowCount - 1 : 0);
    std::iota(rows.begin(), rows.end(), 1);

    const TTextConverter conv(locale);
    const std::vector<int> keys = SortKeyColumns(options.SecondaryIndex, col, store.ColCount());
    TSortStyle answer = ssAutomatic;
    // Least significant key first: each stable pass keeps the order of the
    // one before wherever its own keys are equal.
    for (auto k = keys.rbegin(); k != keys.rend(); ++k) {
        if (events.OnGetSortStyle) {
            events.OnGetSortStyle(*k, answer);
            options.SortStyle = answer;
        } else if (options.SortStyle == ssAutomatic) {
            options.SortStyle = DetectSortStyle(store, *k, locale);
        }
        SortPass(store, rows, *k, options, conv);
    }
    store.ApplyRowOrder(1, rows);

    std::vector<bool> marked(rows.size() + 1, false);
    for (int r : selectedRows)
        if (r >= 1 && r < rowCount) marked[r] = true;
    for (std::size_t n = 0; n < rows.size(); ++n) {
        if (!marked[rows[n]]) continue;
        const int now = static_cast<int>(n) + 1;
        if (result.CurrentRow < 0) result.CurrentRow = now;
        result.SelectedRows.push_back(now);
    }
    result.Order = std::move(rows);

    options.CompareProc = nullptr;
    if (events.OnAfterSort) events.OnAfterSort(col);
    return result;
}

} // namespace zn
