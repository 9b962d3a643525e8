#include "display/qt/reader_arrival.h"

#include <QApplication>
#include <QWidget>

ReaderArrival::ReaderArrival() { QAccessible::installActivationObserver(this); }

ReaderArrival::~ReaderArrival() { QAccessible::removeActivationObserver(this); }

void ReaderArrival::accessibilityActiveChanged(bool active) {
    // Once the bridge has set itself up, which it does after saying it is on.
    if (active) QMetaObject::invokeMethod(&m_context, &ReaderArrival::tellWhereTheKeyboardIs, Qt::QueuedConnection);
}

void ReaderArrival::tellWhereTheKeyboardIs() {
    QWidget* window = QApplication::activeWindow();
    if (!window || !QAccessible::isActive()) return;
    QAccessible::State active;
    active.active = true;
    QAccessibleStateChangeEvent activated(window, active);
    QAccessible::updateAccessibility(&activated);
    if (QWidget* focus = QApplication::focusWidget()) {
        QAccessibleEvent focused(focus, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}
