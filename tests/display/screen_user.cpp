#include "screen_user.h"

#include <QMenu>
#include <QListWidget>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <gtest/gtest.h>

#include "windowing/window.h"

namespace {

WindowSystem& windows() { return WindowSystem::instance(); }


std::string captionOf(HWND dialog) {
    const Window* window = windows().find(dialog);
    return window ? window->text() : std::string();
}

}  // namespace

bool processEventsUntil(const std::function<bool()>& condition, int rounds) {
    for (int round = 0; round < rounds && !condition(); ++round) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents();
    }
    return condition();
}

HWND ScreenWindow::control(int id) const {
    HWND handle = windows().childById(m_dialog, id);
    EXPECT_NE(handle, nullptr) << "no control " << id << " in \"" << captionOf(m_dialog) << "\"";
    return handle;
}

QWidget* ScreenWindow::surface() const { return m_display.widgetFor(m_dialog); }

QWidget* ScreenWindow::widget(int id) const {
    QWidget* shown = m_display.widgetFor(control(id));
    EXPECT_NE(shown, nullptr) << "no widget for control " << id;
    return shown;
}

int ScreenWindow::focusedId() const {
    const QWidget* focused = surface() ? surface()->focusWidget() : nullptr;
    if (!focused || focused == surface()) return focused ? 0 : -2;
    for (HWND child : windows().find(m_dialog)->children()) {
        if (m_display.widgetFor(child) == focused) return windows().find(child)->id();
    }
    return -2;
}

void ScreenWindow::click(int id) {
    QWidget* target = widget(id);
    ASSERT_NE(target, nullptr);
    QTest::mouseClick(surface()->windowHandle(), Qt::LeftButton, Qt::NoModifier, target->mapTo(surface(), target->rect().center()));
}

void ScreenWindow::clickItem(int listId, int row) {
    auto* list = widgetAs<QListWidget>(listId);
    ASSERT_NE(list, nullptr);
    ASSERT_LT(row, list->count());
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(surface()->windowHandle(), Qt::LeftButton, Qt::NoModifier, list->viewport()->mapTo(surface(), centre));
}

void ScreenWindow::rightClick(QPoint at) { QTest::mouseClick(surface()->windowHandle(), Qt::RightButton, Qt::NoModifier, at); }

void ScreenWindow::key(Qt::Key key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(surface()->windowHandle(), key, modifiers); }

void ScreenWindow::type(const QString& text) {
    for (const QChar c : text) QTest::keyClick(surface()->windowHandle(), c.toLatin1());
}

ScreenUser::ScreenUser(QtDisplay& display) : m_display(display) {
    m_poller.setInterval(0);
    QObject::connect(&m_poller, &QTimer::timeout, &m_context, [this] { poll(); });
}

ScreenUser::~ScreenUser() = default;

ScreenUser& ScreenUser::at(const std::string& caption, Step step) {
    m_steps.push_back({caption, std::move(step), {}});
    return *this;
}

ScreenUser& ScreenUser::atMenu(MenuStep step) {
    m_steps.push_back({{}, {}, std::move(step)});
    return *this;
}

void ScreenUser::play(const std::function<void()>& program) {
    m_poller.start();
    program();
    m_poller.stop();
    EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " step(s) never ran; the next was for \""
                                 << (m_steps.empty() ? std::string() : m_steps.front().caption) << "\"";
}

bool ScreenUser::ready(const ScriptStep& step) const {
    const QWidget* popup = QApplication::activePopupWidget();
    if (step.menuStep) return popup && !m_inMenuStep;
    const HWND active = windows().activeDialog();
    if (!active || popup || std::find(m_running.begin(), m_running.end(), active) != m_running.end()) return false;
    const QWidget* surface = m_display.widgetFor(active);
    return surface && surface->isVisible() && surface->isEnabled() && QGuiApplication::focusWindow() == surface->windowHandle() &&
           captionOf(active) == step.caption;
}

std::string ScreenUser::describeWaiting() const {
    if (QApplication::activePopupWidget()) return "a popup menu is open";
    const HWND active = windows().activeDialog();
    if (!active) return "no window is open";
    const QWidget* surface = m_display.widgetFor(active);
    std::string state = "\"" + captionOf(active) + "\" is the active dialog";
    if (!surface) return state + " without a window";
    if (!surface->isVisible()) state += ", hidden";
    if (!surface->isEnabled()) state += ", disabled";
    if (QGuiApplication::focusWindow() != surface->windowHandle()) {
        const QWindow* focus = QGuiApplication::focusWindow();
        state += ", not the focus window (" + (focus ? focus->title().toStdString() : std::string("none")) + " is)";
    }
    if (std::find(m_running.begin(), m_running.end(), active) != m_running.end()) state += ", with a step running";
    return state;
}

void ScreenUser::poll() {
    if (m_gaveUp || m_scheduled) return;
    if (m_steps.empty()) {
        // The program should end on its own now; a window still waiting fails.
        const HWND active = windows().activeDialog();
        const bool waiting = active && std::find(m_running.begin(), m_running.end(), active) == m_running.end();
        if (waiting && ++m_idleRounds > kPatience) giveUp("\"" + captionOf(active) + "\" waits for input, but the script has ended");
        return;
    }
    if (!ready(m_steps.front())) {
        // A step still at work in the active window is no window waiting.
        const HWND active = windows().activeDialog();
        if (active && std::find(m_running.begin(), m_running.end(), active) != m_running.end()) return;
        if (++m_idleRounds > kPatience) {
            const std::string expected = m_steps.front().menuStep ? "a popup menu" : "\"" + m_steps.front().caption + "\"";
            giveUp("expected " + expected + " to wait for input, but " + describeWaiting());
        }
        return;
    }
    m_idleRounds = 0;
    m_scheduled = true;
    // The step runs from a fresh event, not from this timer: a timer's slot
    // is not called again while it runs, and steps open nested loops.
    QMetaObject::invokeMethod(&m_context, [this] { runNext(); }, Qt::QueuedConnection);
}

void ScreenUser::runNext() {
    m_scheduled = false;
    if (m_steps.empty() || !ready(m_steps.front())) return;
    ScriptStep next = std::move(m_steps.front());
    m_steps.pop_front();
    if (next.menuStep) {
        m_visited.push_back("(menu)");
        m_inMenuStep = true;
        next.menuStep(*qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        m_inMenuStep = false;
        return;
    }
    const HWND dialog = windows().activeDialog();
    m_visited.push_back(captionOf(dialog));
    m_running.push_back(dialog);
    ScreenWindow window(m_display, dialog);
    next.step(window);
    m_running.pop_back();
}

void ScreenUser::giveUp(const std::string& why) {
    ADD_FAILURE() << why;
    m_gaveUp = true;
    m_display.abandon();
}
