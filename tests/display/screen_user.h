#pragma once

#include <QApplication>

#include <QPoint>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "display/qt/qt_display.h"
#include "windowing/window_system.h"

class QMenu;

// Rounds of the event loop that a step may wait for its window; far more
// than showing and activating a window takes.
inline constexpr int kPatience = 20000;

// Processes Qt's events until `condition` holds, for a bounded number of
// rounds; whether it came to hold.
bool processEventsUntil(const std::function<bool()>& condition, int rounds = kPatience);

// One open window as a step of a ScreenUser script sees it: its widgets, and
// input delivered through its Qt window as the desktop delivers it.
class ScreenWindow {
public:
    ScreenWindow(QtDisplay& display, HWND dialog) : m_display(display), m_dialog(dialog) {}

    HWND dialog() const { return m_dialog; }
    HWND control(int id) const;
    QWidget* surface() const;
    QWidget* widget(int id) const;
    QWidget* widgetOf(HWND control) const { return m_display.widgetFor(control); }
    template <typename W>
    W* widgetAs(int id) const {
        return qobject_cast<W*>(widget(id));
    }
    // The control that Qt gives the keyboard to, 0 for the dialog itself,
    // -2 for none of this window's.
    int focusedId() const;

    // Input, through the window.
    void click(int id);
    void clickItem(int listId, int row);
    void rightClick(QPoint at);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString& text);
    // Clicks the control, then types into it.
    void typeInto(int id, const QString& text);

private:
    QtDisplay& m_display;
    HWND m_dialog;
};

// A user at the real widgets, for display tests. The script lists, in order,
// the windows that are expected to wait for input (and the popup menus that
// are expected to open) and what the user does at each. Each step runs from
// the event loop once its window is shown, enabled, has the keyboard and
// waits for input; nothing waits for wall-clock time. A window that never
// comes, or one that waits when the script has ended, fails the test after a
// bounded number of event-loop rounds and abandons the program's modal runs.
class ScreenUser {
public:
    using Step = std::function<void(ScreenWindow&)>;
    using MenuStep = std::function<void(QMenu&)>;

    explicit ScreenUser(QtDisplay& display);
    ~ScreenUser();
    ScreenUser(const ScreenUser&) = delete;
    ScreenUser& operator=(const ScreenUser&) = delete;

    ScreenUser& at(const std::string& caption, Step step);
    ScreenUser& atMenu(MenuStep step);

    // Runs `program`, which runs modal loops, while the script plays.
    void play(const std::function<void()>& program);
    std::size_t stepsLeft() const { return m_steps.size(); }
    // Captions of the dialogs that the steps ran in, in order.
    const std::vector<std::string>& visited() const { return m_visited; }

private:
    struct ScriptStep {
        std::string caption;  // empty: a popup menu
        Step step;
        MenuStep menuStep;
    };
    void poll();
    bool ready(const ScriptStep& step) const;
    std::string describeWaiting() const;
    void runNext();
    void giveUp(const std::string& why);

    QtDisplay& m_display;
    std::deque<ScriptStep> m_steps;
    std::vector<std::string> m_visited;
    // The dialogs whose steps are running, outermost first.
    std::vector<HWND> m_running;
    bool m_inMenuStep = false;
    bool m_scheduled = false;
    bool m_gaveUp = false;
    int m_idleRounds = 0;
    QTimer m_poller;
    QObject m_context;
};
