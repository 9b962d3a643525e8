#pragma once

#include <QObject>
#include <chrono>
#include <functional>

class QWidget;

// Plays a user at a program's real windows through Qt input, and times what
// the user waits for: from the click on "Translation" in the main window's
// list to the Translation window's first paint, and from the click on
// "Calculate" to the repaint that shows the results. Works alike on resonix
// and on the bare Qt yardstick, finding every widget by what it shows.
// Prints one line per measurement ("open <ms>", "calculate <ms>") and then
// clicks "Exit".
class InteractionDriver : public QObject {
public:
    InteractionDriver(int openings, int calculations);

    // Starts once the event loop runs.
    void start();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Waiting { Nothing, FirstPaint, Results };

    void open();
    void setUp();
    void calculate();
    void painted();
    QWidget* calculator() const;

    int m_openingsLeft;
    int m_calculations;
    int m_calculationsLeft = 0;
    Waiting m_waiting = Waiting::Nothing;
    std::chrono::steady_clock::time_point m_start;
};
