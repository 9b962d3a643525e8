#include "support/scripted_user.h"

#include <gtest/gtest.h>

#include "windowing/hosted_control.h"
#include "windowing/list_box_control.h"
#include "windowing/window.h"

namespace {

WindowSystem& windows() { return WindowSystem::instance(); }

}  // namespace

HWND UserAtWindow::control(int id) const {
    HWND handle = windows().childById(m_dialog, id);
    EXPECT_NE(handle, nullptr) << "no control " << id << " in \"" << caption() << "\"";
    return handle;
}

void UserAtWindow::click(int id) { EXPECT_TRUE(tryClick(id)) << "click on " << id << " refused"; }

bool UserAtWindow::tryClick(int id) { return windows().userClicks(control(id)); }

void UserAtWindow::type(int id, const std::string& text) { EXPECT_TRUE(tryType(id, text)) << "typing into " << id << " refused"; }

bool UserAtWindow::tryType(int id, const std::string& text) { return windows().userTypes(control(id), text); }

void UserAtWindow::choose(int listId, int index) {
    EXPECT_TRUE(windows().userSelects(control(listId), index)) << "choosing item " << index << " of " << listId << " refused";
}

void UserAtWindow::press(Key key) { EXPECT_TRUE(windows().userPressesKey(m_dialog, key)) << "key refused"; }

void UserAtWindow::focus(int id) { EXPECT_TRUE(windows().userFocuses(control(id))) << "focus on " << id << " refused"; }

void UserAtWindow::closeBox() { EXPECT_TRUE(windows().userClosesWindow(m_dialog)) << "close box refused"; }

void UserAtWindow::systemCommand(UINT command) {
    EXPECT_TRUE(windows().userChoosesSystemCommand(m_dialog, command)) << "system command " << command << " refused";
}

std::string UserAtWindow::caption() const {
    const Window* window = windows().find(m_dialog);
    return window ? window->text() : std::string("(closed)");
}

std::string UserAtWindow::text(int id) const {
    const Window* window = windows().find(control(id));
    return window ? window->text() : std::string();
}

bool UserAtWindow::visible(int id) const {
    const Window* window = windows().find(control(id));
    return window && window->visible();
}

bool UserAtWindow::enabled(int id) const {
    const Window* window = windows().find(control(id));
    return window && window->enabled();
}

std::vector<std::string> UserAtWindow::items(int id) const {
    const Window* window = windows().find(control(id));
    if (!window || window->kind() != ControlKind::ListBox) return {};
    return static_cast<const ListBoxControl*>(window)->items();
}

int UserAtWindow::selection(int id) const {
    const Window* window = windows().find(control(id));
    if (!window || window->kind() != ControlKind::ListBox) return -100;
    return static_cast<const ListBoxControl*>(window)->currentSelection();
}

int UserAtWindow::focusedId() const {
    HWND focused = windows().focus();
    if (focused == m_dialog) return 0;
    const Window* window = windows().find(focused);
    if (!window || window->parent() != m_dialog) return -2;
    return window->id();
}

ScriptedUser::ScriptedUser() {
    windows().reset();
    HostedControlRegistry::instance().reset();
    windows().setDisplay(this);
}

ScriptedUser::~ScriptedUser() {
    windows().setDisplay(nullptr);
    EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " step(s) of the script never ran; the next was for \""
                                 << m_steps.front().caption << "\"";
    EXPECT_EQ(windows().windowCount(), 0U) << "windows left open after the script";
    windows().reset();
}

ScriptedUser& ScriptedUser::at(const std::string& caption, Step step) {
    m_steps.push_back({caption, std::move(step)});
    return *this;
}

void ScriptedUser::windowCreated(HWND dialog) {
    const Window* window = windows().find(dialog);
    m_opened.push_back(window ? window->text() : std::string());
}

bool ScriptedUser::runModalLoop(HWND dialog) {
    UserAtWindow user(dialog);
    if (m_steps.empty()) {
        ADD_FAILURE() << "\"" << user.caption() << "\" waits for input, but the script has ended";
        return false;
    }
    ScriptStep next = std::move(m_steps.front());
    m_steps.pop_front();
    if (next.caption != user.caption()) {
        ADD_FAILURE() << "the script expected \"" << next.caption << "\", but \"" << user.caption() << "\" waits for input";
        return false;
    }
    next.step(user);
    return true;
}
