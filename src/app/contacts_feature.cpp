#include "app/contacts_feature.h"

#include "app/console_host.h"
#include "app/contacts_window.h"
#include "core/contact_counts.h"

#include <QAction>
#include <QToolButton>

namespace zn {

ContactsFeature::ContactsFeature(ConsoleHost& host, const PlatformServices& platform)
    : host_(host), platform_(platform) {
    const FeatureEntry entry = AddFeatureEntry(
        host, QStringLiteral("bContacts"), QStringLiteral("Kontakte1"),
        //: status bar button: the contacts (timing switches, light barriers) of each lane today
        tr("Kontakte"),
        tr("Die Kontakte jeder Bahn heute: gestoppt, geprellt, außerhalb eines Laufs (Strg+K)"),
        QKeySequence(Qt::CTRL | Qt::Key_K), [this] { ShowWindow(); });
    button_ = entry.button;
    action_ = entry.key;
    host.HostContactCounts().OnChanged = [this] { Refresh(); };
}

ContactsFeature::~ContactsFeature() {
    host_.HostContactCounts().OnChanged = nullptr;
    delete window_;
    delete button_;
    delete action_;
}

ContactsWindow* ContactsFeature::Window() const {
    return window_;
}

void ContactsFeature::ShowWindow() {
    if (!window_) {
        window_ = new ContactsWindow(&host_.HostWindow());
        // The console keeps the keyboard: its next key may be a stop.
        window_->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    Refresh();
    window_->show();
    window_->raise();
}

void ContactsFeature::Refresh() {
    if (!window_) return;
    const QDate today = platform_.wallClock ? platform_.wallClock().date() : QDate::currentDate();
    const ContactCounts& counts = host_.HostContactCounts();
    window_->ShowCounts(today, {counts.Lane(0, today), counts.Lane(1, today)});
}

} // namespace zn
