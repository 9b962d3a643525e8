#include "windowing/dialog_manager.h"

#include <algorithm>
#include <vector>

#include "windowing/dialog_window.h"
#include "windowing/list_box_control.h"
#include "windowing/window_system.h"

bool DialogManager::pressKey(HWND dialog, Key key) {
    const DialogWindow* window = m_windows.findDialog(dialog);
    if (!window) return false;
    HWND focused = m_windows.topLevelOf(m_windows.focus()) == dialog ? m_windows.focus() : nullptr;
    // The focused control; none when the dialog itself has the focus.
    Window* control = focused == dialog ? nullptr : m_windows.find(focused);
    if ((key == Key::Return || key == Key::Space) && control &&
        (m_windows.sendMessage(focused, WM_GETDLGCODE, 0, 0) & DLGC_WANTMESSAGE)) {
        m_windows.sendMessage(focused, WM_KEYDOWN, key == Key::Return ? VK_RETURN : VK_SPACE, 0);
        return true;
    }
    switch (key) {
    case Key::Tab:
    case Key::ShiftTab:
        if (HWND next = nextTabStop(dialog, focused, key == Key::ShiftTab)) m_windows.setFocus(next);
        return true;
    case Key::Escape:
        sendCommand(dialog, IDCANCEL, m_windows.childById(dialog, IDCANCEL));
        return true;
    case Key::Return: {
        HWND button = defaultLookingButton(dialog);
        const Window* pressed = m_windows.find(button);
        sendCommand(dialog, pressed ? pressed->id() : window->defaultId(), button);
        return true;
    }
    case Key::Space:
        if (control && control->isPushButton()) sendCommand(dialog, control->id(), focused);
        return true;
    case Key::Up:
    case Key::Down:
    case Key::Home:
    case Key::End:
        if (control && control->kind() == ControlKind::ListBox) return static_cast<ListBoxControl*>(control)->userKey(key);
        return true;
    }
    return false;
}

HWND DialogManager::nextTabStop(HWND dialog, HWND from, bool backwards) const {
    const Window* window = m_windows.find(dialog);
    if (!window) return nullptr;
    std::vector<HWND> order = window->children();
    if (backwards) std::reverse(order.begin(), order.end());
    const auto current = std::find(order.begin(), order.end(), from);
    const std::size_t start = current == order.end() ? 0 : static_cast<std::size_t>(current - order.begin()) + 1;
    for (std::size_t step = 0; step < order.size(); ++step) {
        HWND candidate = order[(start + step) % order.size()];
        const Window* control = m_windows.find(candidate);
        if (control && control->isTabStop() && control->visible() && control->enabled()) return candidate;
    }
    return nullptr;
}

HWND DialogManager::defaultLookingButton(HWND dialog) const {
    HWND focus = m_windows.focus();
    if (const Window* focused = m_windows.find(focus); focused && focused->isPushButton() && focused->parent() == dialog) return focus;
    const DialogWindow* window = m_windows.findDialog(dialog);
    return window ? m_windows.childById(dialog, window->defaultId()) : nullptr;
}

void DialogManager::sendCommand(HWND dialog, int id, HWND control) {
    m_windows.sendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), reinterpret_cast<LPARAM>(control));
}
