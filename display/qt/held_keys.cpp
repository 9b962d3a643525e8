#include "display/qt/held_keys.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <utility>

namespace {

// The bridge waits a tenth of a second for the screen reader's answer and
// then sends every key it holds; past this, a key that has not come was kept
// by the reader, or went to a window that takes no keys.
constexpr int kLongestHoldMs = 250;

// What X calls its key events (the first byte of every event, its top bit
// marking one that a program sent).
constexpr unsigned kKeyPress = 2;
constexpr unsigned kKeyRelease = 3;

bool isKey(const QEvent* event) { return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease; }

// Whether `modal` keeps `window` from input, as Qt's modal windows do.
bool blocks(const QWindow* modal, const QWindow* window) {
    if (modal->modality() == Qt::ApplicationModal) return !(window->flags() & Qt::Popup);
    for (const QWindow* owner = modal->transientParent(); owner; owner = owner->transientParent()) {
        if (owner == window) return true;
    }
    return false;
}

}  // namespace

HeldKeys::HeldKeys() {
    m_expiry.setSingleShot(true);
    connect(&m_expiry, &QTimer::timeout, this, [this] { settle(); });
    QCoreApplication::instance()->installNativeEventFilter(this);
    QCoreApplication::instance()->installEventFilter(this);
}

HeldKeys::~HeldKeys() {
    QCoreApplication::instance()->removeEventFilter(this);
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

void HeldKeys::afterKeysReadSoFar(std::function<void()> action) {
    settle();
    if (m_onTheirWay.empty()) {
        action();
        return;
    }
    m_waiting.push_back({m_read, std::move(action)});
}

bool HeldKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || !message) return false;
    const unsigned type = *static_cast<const unsigned char*>(message) & 0x7fu;
    // Nothing holds keys back while no screen reader listens.
    if ((type == kKeyPress || type == kKeyRelease) && QAccessible::isActive()) {
        m_onTheirWay.push_back({++m_read, {}});
        m_onTheirWay.back().age.start();
        settle();
    }
    return false;
}

bool HeldKeys::eventFilter(QObject* watched, QEvent* event) {
    if (!isKey(event)) return false;
    if (auto* window = qobject_cast<QWindow*>(watched)) {
        // The bridge sends a held key on to the window it was typed in, and
        // the window gives it to the control that has the keyboard now: what
        // the user did before typing it acts first.
        if (event->spontaneous() || m_redirecting || m_onTheirWay.empty()) return false;
        runDueBefore(m_onTheirWay.front().number);
        m_onTheirWay.pop_front();
        // The rest of what waited for it, once its control has taken it.
        QMetaObject::invokeMethod(this, [this] { settle(); }, Qt::QueuedConnection);
        return redirected(window, event);
    }
    // A key that nothing held comes as the desktop sent it, to the control
    // with the keyboard first and then to its parents.
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!event->spontaneous() || !widget || m_onTheirWay.empty()) return false;
    const QWidget* first = widget->window()->focusWidget();
    if (widget == (first ? first : widget->window())) {
        m_onTheirWay.pop_front();
        QMetaObject::invokeMethod(this, [this] { settle(); }, Qt::QueuedConnection);
    }
    return false;
}

bool HeldKeys::redirected(QWindow* window, QEvent* event) {
    // A window that opened a modal one meanwhile (the user typed on as a
    // calculator opened) takes no keys: typed ahead, the key belongs to the
    // window that has the keyboard now, as on the platform the program was
    // written for.
    QWindow* modal = QGuiApplication::modalWindow();
    if (!modal || modal == window || !blocks(modal, window)) return false;
    const std::unique_ptr<QEvent> typedAhead(event->clone());
    m_redirecting = true;
    QCoreApplication::sendEvent(modal, typedAhead.get());
    m_redirecting = false;
    return true;
}

void HeldKeys::runDueBefore(std::uint64_t key) {
    // One at a time: an action may run a window's modal loop, in which the
    // next keys arrive and the next actions run.
    while (!m_waiting.empty() && m_waiting.front().after < key) {
        const std::function<void()> action = std::move(m_waiting.front().action);
        m_waiting.pop_front();
        action();
    }
}

void HeldKeys::settle() {
    while (!m_onTheirWay.empty() && m_onTheirWay.front().age.hasExpired(kLongestHoldMs)) m_onTheirWay.pop_front();
    runDueBefore(m_onTheirWay.empty() ? m_read + 1 : m_onTheirWay.front().number);
    if (m_onTheirWay.empty()) {
        m_expiry.stop();
    } else {
        m_expiry.start(static_cast<int>(kLongestHoldMs - m_onTheirWay.front().age.elapsed()) + 1);
    }
}
