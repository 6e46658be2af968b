#pragma once

#include "app/platform.h"

#include <QCoreApplication>
#include <QPointer>

class QAction;
class QToolButton;

namespace zn {

class ConsoleHost;
class ContactsWindow;

// The lanes' health as a feature of the console: "Kontakte" (status bar,
// Strg+K) shows each lane's contacts of the day, updated with every contact.
class ContactsFeature {
    Q_DECLARE_TR_FUNCTIONS(ContactsFeature)

public:
    ContactsFeature(ConsoleHost& host, const PlatformServices& platform);
    ~ContactsFeature();
    ContactsFeature(const ContactsFeature&) = delete;
    ContactsFeature& operator=(const ContactsFeature&) = delete;

    void ShowWindow();
    // The window once it was opened.
    ContactsWindow* Window() const;

private:
    void Refresh();

    ConsoleHost& host_;
    PlatformServices platform_;
    QPointer<QToolButton> button_;
    QPointer<QAction> action_;
    QPointer<ContactsWindow> window_;
};

} // namespace zn
