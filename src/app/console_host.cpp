#include "app/console_host.h"

#include <QAction>
#include <QToolButton>
#include <QWidget>

namespace zn {

FeatureEntry AddFeatureEntry(ConsoleHost& host, const QString& buttonName, const QString& keyName,
                             const QString& text, const QString& tip, const QKeySequence& key,
                             std::function<void()> open) {
    QWidget& window = host.HostWindow();
    FeatureEntry entry;
    entry.button = new QToolButton(&window);
    entry.button->setObjectName(buttonName);
    entry.button->setText(text);
    entry.button->setToolTip(tip);
    entry.button->setAutoRaise(true);
    // The console keeps the keyboard: its next key may be a stop.
    entry.button->setFocusPolicy(Qt::NoFocus);
    host.AddToStatusBar(entry.button);
    QObject::connect(entry.button, &QToolButton::clicked, &window, open);
    entry.key = new QAction(text, &window);
    entry.key->setObjectName(keyName);
    entry.key->setShortcut(key);
    entry.key->setShortcutContext(Qt::WindowShortcut);
    window.addAction(entry.key);
    QObject::connect(entry.key, &QAction::triggered, &window, std::move(open));
    return entry;
}

} // namespace zn
