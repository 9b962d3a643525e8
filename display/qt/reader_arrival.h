#pragma once

#include <QAccessible>
#include <QObject>

// Tells a screen reader that starts listening after a window came (Qt's
// bridge to it connects while the program's first window already shows)
// which window and which control have the keyboard: the window's coming was
// told to nobody, and the reader would say nothing until the user moves.
class ReaderArrival : public QAccessible::ActivationObserver {
public:
    ReaderArrival();
    ~ReaderArrival() override;
    ReaderArrival(const ReaderArrival&) = delete;
    ReaderArrival& operator=(const ReaderArrival&) = delete;

    void accessibilityActiveChanged(bool active) override;

private:
    static void tellWhereTheKeyboardIs();

    QObject m_context;
};
