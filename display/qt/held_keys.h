#pragma once

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>

class QWindow;

// Keeps the user's input in the order it was given while a screen reader
// holds keys back. With a screen reader listening, Qt's accessibility bridge
// holds every key until the reader has said whether the key is its own, and
// only then sends it on (within a tenth of a second, or at once when the
// reader is slow to answer), while clicks go straight through. A click on
// Calculate right after typing would then act before the last digits arrive,
// and those digits would go to the button. So a pointer action waits until
// the keys read before it have reached a widget, or until they can no longer
// come (the reader kept them as its own commands).
//
// Keys are counted as the platform reads them (its native events, before the
// bridge sees them) and again as they arrive: a held key when the bridge
// sends it on to its window, before the window picks the control that takes
// it; any other as it reaches the control with the keyboard. A key held while
// a window opened goes to the new window, not to the one the new window now
// blocks.
class HeldKeys : public QObject, public QAbstractNativeEventFilter {
public:
    HeldKeys();
    ~HeldKeys() override;
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

    // Runs `action` once every key read so far has arrived or can no longer
    // come: at once when none is on its way.
    void afterKeysReadSoFar(std::function<void()> action);
    // Keys read and not yet arrived.
    std::size_t onTheirWay() const { return m_onTheirWay.size(); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Read {
        std::uint64_t number;
        QElapsedTimer age;
    };
    struct Waiting {
        std::uint64_t after;  // the number of the last key read before it
        std::function<void()> action;
    };

    // Gives a key typed ahead into a window that a modal one now blocks to
    // the modal one; whether it did.
    bool redirected(QWindow* window, QEvent* event);
    // Runs, in order, the actions that wait only for keys read before `key`.
    void runDueBefore(std::uint64_t key);
    // Forgets keys past the longest a screen reader holds one, and runs the
    // actions whose keys are all through.
    void settle();

    std::deque<Read> m_onTheirWay;
    std::deque<Waiting> m_waiting;
    std::uint64_t m_read = 0;
    bool m_redirecting = false;
    QTimer m_expiry;
};
