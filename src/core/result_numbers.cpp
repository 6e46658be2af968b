#include "core/result_numbers.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace zn {

QChar DecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.front();
}

std::optional<double> ParseSeconds(const QString& text, QChar separator) {
    // \x{1} stands for the separator, see below.
    static const QRegularExpression shape(
        QStringLiteral("^[+-]?(\\d+(\\x{1}\\d*)?|\\x{1}\\d+)([eE][+-]?\\d+)?$"));
    QString t = text.trimmed();
    // Both separators become a marker that no text holds, so the shape check
    // allows one of them, never one of each.
    t.replace(separator, QChar(1));
    t.replace(u',', QChar(1));
    t.replace(u'.', QChar(1));
    if (!shape.match(t).hasMatch()) return std::nullopt;
    t.replace(QChar(1), u'.');
    bool ok = false;
    const double value = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

double SecondsOrZero(const QString& text, QChar separator) {
    return ParseSeconds(text, separator).value_or(0.0);
}

double SecondsForSorting(const QString& text, QChar separator) {
    return ParseSeconds(text, separator).value_or(kUnreadableTimeSortValue);
}

std::optional<double> RunSeconds(const QString& text, QChar separator) {
    const std::optional<double> value = ParseSeconds(text, separator);
    if (!value || *value <= 0) return std::nullopt;
    return value;
}

double RunSecondsForSorting(const QString& text, QChar separator) {
    return RunSeconds(text, separator).value_or(kUnreadableTimeSortValue);
}

std::optional<double> WholePenalty(const QString& text, QChar separator) {
    const std::optional<double> value = ParseSeconds(text, separator);
    if (!value || *value < 0 || *value != std::floor(*value)) return std::nullopt;
    return *value + 0.0; // "-0" is 0
}

QString FormatSeconds(double seconds, QChar separator) {
    QString text = QString::number(seconds, 'f', 2);
    if (text == QLatin1String("-0.00")) text = QStringLiteral("0.00");
    text.replace(u'.', separator);
    return text;
}

} // namespace zn
