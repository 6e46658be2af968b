#pragma once

#include <QObject>
#include <QVariant>

namespace zn {

// The `Tag` number that handlers read from the object that sent an event
// (lane index of a stop button, stage and list of a menu entry, ...).
inline int TagOf(const QObject* sender) {
    return sender ? sender->property("Tag").toInt() : 0;
}
inline void SetTag(QObject* object, int tag) {
    object->setProperty("Tag", tag);
}

} // namespace zn
