#include "core/contact_counts.h"

namespace zn {

LaneContactCounts* ContactCounts::Day(int lane, const QDate& date) {
    if (lane != 0 && lane != 1) return nullptr;
    if (date != day_) {
        day_ = date;
        lanes_ = {};
    }
    return &lanes_[static_cast<size_t>(lane)];
}

void ContactCounts::Count(int lane, ContactOutcome outcome, uint32_t tick, const QDateTime& wall) {
    LaneContactCounts* counts = Day(lane, wall.date());
    if (!counts) return;
    switch (outcome) {
    case ContactOutcome::Started:
        break;
    case ContactOutcome::Stopped:
        ++counts->stopped;
        break;
    case ContactOutcome::Bounced:
        ++counts->bounced;
        break;
    case ContactOutcome::OutsideRun:
        ++counts->outsideRun;
        break;
    }
    counts->lastWall = wall;
    counts->lastTick = tick;
    if (OnChanged) OnChanged();
}

void ContactCounts::CountIdleChange(int lane, const QDateTime& wall) {
    LaneContactCounts* counts = Day(lane, wall.date());
    if (!counts) return;
    ++counts->idleChanges;
    if (OnChanged) OnChanged();
}

LaneContactCounts ContactCounts::Lane(int lane, const QDate& today) const {
    if ((lane != 0 && lane != 1) || today != day_) return {};
    return lanes_[static_cast<size_t>(lane)];
}

QDateTime WallOfTick(const QDateTime& wallNow, uint32_t tickNow, uint32_t tick) {
    return wallNow.addMSecs(static_cast<int32_t>(tick - tickNow));
}

QString FormatContactInstant(const QDateTime& wall) {
    return wall.isValid() ? wall.toString(QStringLiteral("hh:mm:ss,zzz")) : QString();
}

QString LaneContactLine(int lane, const LaneContactCounts& counts) {
    if (!counts.Any()) return {};
    //: start LED tooltip, one lane (Bahn): contacts that stopped it, bounces swallowed by
    //: the lock-out, contacts outside a run, the time of the last contact
    return QCoreApplication::translate("ContactCounts",
                                       "Bahn %1: %2 gestoppt, %3 geprellt, %4 außerhalb, zuletzt %5")
        .arg(lane + 1)
        .arg(counts.stopped)
        .arg(counts.bounced)
        .arg(counts.outsideRun)
        .arg(counts.lastWall.isValid() ? FormatContactInstant(counts.lastWall) : QStringLiteral("–"));
}

} // namespace zn
