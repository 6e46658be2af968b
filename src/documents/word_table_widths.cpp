#include "documents/word_table_widths.h"

#include <QStringList>
#include <algorithm>
#include <numeric>

namespace zn {

namespace {

// Word's default cell margins, 0.19 cm on either side.
constexpr int kCellPadding = 2 * 108;
// Arial's advance widths in thousandths of an em; 10 pt is 200 twips.
constexpr int kEmTwips = 200;

int CharWidth(QChar c, bool bold) {
    const char16_t u = c.unicode();
    if (u == u' ' || u == u',' || u == u'.' || u == u':' || u == u';' || u == u'!' || u == u'\'' ||
        u == u'|' || u == u'i' || u == u'j' || u == u'l' || u == u'f' || u == u't' || u == u'I')
        return bold ? 333 : 278;
    if (u == u'm' || u == u'M') return 833;
    if (u == u'w' || u == u'W') return bold ? 944 : 778;
    if (u == u'r' || u == u'(' || u == u')' || u == u'-' || u == u'"') return 333;
    // Umlauts and other letters take the width of their base letter.
    const QString parts = c.decomposition();
    const QChar base = parts.isEmpty() ? c : parts.at(0);
    if (base.isUpper()) return 722;
    return bold ? 611 : 556; // digits, lower-case letters and the rest
}

struct Need {
    int whole = 0; // the longest text on one line
    int word = 0;  // the longest word, which must not break
};

} // namespace

int WordTextTwips(const QString& text, bool bold) {
    int thousandths = 0;
    for (QChar c : text)
        thousandths += CharWidth(c, bold);
    // Rounded up, and a tenth more: the estimate must not be short.
    return (thousandths * kEmTwips * 11 + 9999) / 10000;
}

QList<int> WordColumnWidths(const ListRows& rows, int colCount, int textWidth) {
    QList<Need> needs(colCount);
    for (int r = 0; r < rows.size(); ++r) {
        const bool bold = r == 0;
        for (int c = 0; c < colCount; ++c) {
            const QString text = CellOf(rows[r], c).simplified();
            Need& n = needs[c];
            n.whole = std::max(n.whole, WordTextTwips(text, bold) + kCellPadding);
            for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
                n.word = std::max(n.word, WordTextTwips(word, bold) + kCellPadding);
        }
    }
    for (Need& n : needs) {
        n.word = std::max(n.word, kCellPadding + kEmTwips);
        n.whole = std::max(n.whole, n.word);
    }
    QList<int> widths(colCount, 0);
    if (colCount == 0) return widths;

    // Every column first gets its longest word; when even that does not fit
    // (a word longer than the page), the narrow columns keep theirs and the
    // wide ones share what is left.
    QList<int> order(colCount);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return needs[a].word < needs[b].word; });
    int left = textWidth;
    for (int i = 0; i < colCount; ++i) {
        const int c = order[i];
        widths[c] = std::max(1, std::min(needs[c].word, left / (colCount - i)));
        left -= widths[c];
    }
    // The room left goes to the columns whose texts would wrap, in proportion
    // to what they still lack, up to their whole text.
    long long lacking = 0;
    for (int c = 0; c < colCount; ++c)
        lacking += needs[c].whole - widths[c];
    const int spare = std::max(0, left);
    if (lacking > 0) {
        const int given = static_cast<int>(std::min<long long>(spare, lacking));
        for (int c = 0; c < colCount; ++c)
            widths[c] +=
                static_cast<int>(given * static_cast<long long>(needs[c].whole - widths[c]) / lacking);
    }
    // A table narrower than the page is spread across it as before, each
    // column by its share.
    const int sum = std::accumulate(widths.begin(), widths.end(), 0);
    if (sum < textWidth) {
        const int extra = textWidth - sum;
        const QList<int> fitted = widths;
        for (int c = 0; c < colCount; ++c)
            widths[c] += static_cast<int>(extra * static_cast<long long>(fitted[c]) / sum);
    }
    return widths;
}

} // namespace zn
