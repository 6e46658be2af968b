#include "core/time_warnings.h"

#include "core/result_numbers.h"
#include "core/run_time.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>
#include <cstdlib>

namespace zn {

std::vector<LaneWarning> WarningsForStop(const StopFacts& stop) {
    std::vector<LaneWarning> warnings;
    const auto warn = [&](WarningReason reason) { warnings.push_back({stop.lane, reason}); };
    if (stop.byContact && !stop.hasTeam) warn(WarningReason::NoTeam);
    if (stop.minimumMs > 0 && stop.timeMs < stop.minimumMs) warn(WarningReason::BelowMinimum);
    if (stop.timeMs <= kSoonAfterStartMs) warn(WarningReason::SoonAfterStart);
    if (stop.bestMs && *stop.bestMs > 0 && int64_t{stop.timeMs} * 2 < int64_t{*stop.bestMs})
        warn(WarningReason::UnderHalfBest);
    if (stop.otherStopTick && std::abs(ElapsedMs(*stop.otherStopTick, stop.stopTick)) <= kLanesTogetherMs) {
        warn(WarningReason::LanesTogether);
        warnings.push_back({1 - stop.lane, WarningReason::LanesTogether});
    }
    return warnings;
}

namespace {

const char* ReasonSource(WarningReason reason) {
    switch (reason) {
    case WarningReason::BelowMinimum:
        //: a run time under the minimum time the operator set for the discipline
        return QT_TRANSLATE_NOOP("TimeWarnings", "unter der Mindestzeit");
    case WarningReason::LanesTogether:
        //: both lanes' stop contacts came within 10 ms: one line wired to both, or a short
        return QT_TRANSLATE_NOOP(
            "TimeWarnings",
            "beide Bahnen innerhalb 10 ms gestoppt (gemeinsame oder kurzgeschlossene Leitung?)");
    case WarningReason::SoonAfterStart:
        return QT_TRANSLATE_NOOP("TimeWarnings", "Stopp innerhalb 1 s nach dem Start");
    case WarningReason::NoTeam:
        //: a stop contact on a lane (Bahn) that has no team in this run
        return QT_TRANSLATE_NOOP("TimeWarnings", "Kontakt auf einer Bahn ohne Mannschaft");
    case WarningReason::UnderHalfBest:
        //: the run time is less than half the best time of this stage so far
        return QT_TRANSLATE_NOOP("TimeWarnings", "weniger als die Hälfte der Bestzeit");
    }
    return "";
}

const QString kReasonGlue = QStringLiteral("; ");

} // namespace

QString WarningReasonText(WarningReason reason) {
    return QString::fromUtf8(ReasonSource(reason));
}

std::optional<int32_t> BestRunMs(const ListRows& protocol, QChar separator, int skipRow, int skipColumn) {
    std::optional<int32_t> best;
    for (int r = 1; r < protocol.size(); ++r) {
        for (int col : {pc::Zeit1, pc::Zeit2}) {
            if (r == skipRow && col == skipColumn) continue;
            const std::optional<double> seconds = RunSeconds(CellOf(protocol.at(r), col), separator);
            if (!seconds) continue;
            const auto ms = static_cast<int32_t>(std::lround(*seconds * 1000.0));
            if (!best || ms < *best) best = ms;
        }
    }
    return best;
}

QString JoinedReasons(const std::vector<WarningReason>& reasons) {
    QStringList parts;
    for (WarningReason r : reasons)
        parts << WarningReasonText(r);
    return parts.join(kReasonGlue);
}

QString ShownReasons(const QString& joined) {
    QStringList parts = joined.split(kReasonGlue, Qt::SkipEmptyParts);
    for (QString& part : parts)
        part = QCoreApplication::translate("TimeWarnings", part.toUtf8().constData());
    return parts.join(kReasonGlue);
}

} // namespace zn
