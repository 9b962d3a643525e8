#include "windowing/window_system.h"

#include <algorithm>

#include "windowing/dialog_window.h"
#include "windowing/edit_control.h"
#include "windowing/list_box_control.h"

WindowSystem::WindowSystem() : m_dialogManager(*this) {}

WindowSystem& WindowSystem::instance() {
    static WindowSystem system;
    return system;
}

void WindowSystem::setDisplay(WindowDisplay* display) {
    m_display = display;
    m_abandoned = false;
}

BaseUnits WindowSystem::dialogBaseUnits() const { return m_display ? m_display->dialogBaseUnits() : BaseUnits{}; }

POINT WindowSystem::screenSize() const { return m_display ? m_display->screenSize() : POINT{1024, 768}; }

void WindowSystem::notify(HWND window, Change change) {
    if (m_display && window && exists(window)) m_display->windowChanged(window, change);
}

void WindowSystem::openAddress(const std::string& address) {
    if (m_display) m_display->openAddress(address);
}

Window* WindowSystem::find(HWND handle) const {
    const auto found = m_windows.find(handle);
    return found == m_windows.end() ? nullptr : found->second.get();
}

DialogWindow* WindowSystem::findDialog(HWND handle) const {
    Window* window = find(handle);
    return window && window->isDialog() ? static_cast<DialogWindow*>(window) : nullptr;
}

HWND WindowSystem::add(std::unique_ptr<Window> window, HWND parent) {
    HWND handle = reinterpret_cast<HWND>(m_nextHandle);
    m_nextHandle += 4;
    window->m_handle = handle;
    window->m_parent = parent;
    if (Window* owner = find(parent)) owner->m_children.push_back(handle);
    if (window->isDialog()) static_cast<DialogWindow*>(window.get())->systemMenu().setOwner(handle);
    m_windows.emplace(handle, std::move(window));
    return handle;
}

void WindowSystem::destroy(HWND handle) {
    Window* window = find(handle);
    if (!window) return;
    if (window->isDialog() && m_display) m_display->windowDestroyed(handle);
    if (Window* parent = find(window->parent())) {
        auto& siblings = parent->m_children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), handle), siblings.end());
    }
    destroyTree(handle);
}

void WindowSystem::destroyTree(HWND handle) {
    Window* window = find(handle);
    if (!window) return;
    const std::vector<HWND> children = window->children();
    for (HWND child : children) destroyTree(child);
    if (m_focus == handle) m_focus = nullptr;
    m_windows.erase(handle);
}

HWND WindowSystem::topLevelOf(HWND handle) const {
    const Window* window = find(handle);
    while (window && !window->isDialog()) window = find(window->parent());
    return window ? window->handle() : nullptr;
}

HWND WindowSystem::childById(HWND dialog, int id) const {
    const Window* window = find(dialog);
    if (!window) return nullptr;
    for (HWND child : window->children()) {
        if (const Window* control = find(child); control && control->id() == id) return child;
    }
    return nullptr;
}

LRESULT WindowSystem::sendMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = find(handle);
    return window ? window->handleMessage(message, wParam, lParam) : 0;
}

void WindowSystem::notifyParent(HWND control, WORD code) {
    const Window* window = find(control);
    if (!window || !window->parent()) return;
    sendMessage(window->parent(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(window->id()), code), reinterpret_cast<LPARAM>(control));
}

void WindowSystem::show(HWND handle, bool visible) {
    Window* window = find(handle);
    if (!window || window->m_visible == visible) return;
    window->m_visible = visible;
    notify(handle, Change::Visibility);
    // A hidden window cannot keep the focus, nor can anything in it.
    if (!visible && m_focus && (m_focus == handle || topLevelOf(m_focus) == handle)) moveFocusOff(*window);
}

void WindowSystem::enable(HWND handle, bool enabled) {
    Window* window = find(handle);
    if (!window || window->m_enabled == enabled) return;
    window->m_enabled = enabled;
    notify(handle, Change::Enabled);
    if (!enabled && m_focus == handle) moveFocusOff(*window);
}

void WindowSystem::moveFocusOff(const Window& window) {
    // A control's focus goes back to its dialog; a dialog's goes nowhere.
    setFocus(window.isDialog() ? nullptr : topLevelOf(window.handle()));
}

HWND WindowSystem::setFocus(HWND handle) {
    HWND previous = m_focus;
    if (handle && !exists(handle)) return previous;
    if (handle == m_focus) return previous;
    m_focus = handle;
    if (handle) notify(handle, Change::Focus);
    if (previous && previous != handle) {
        // The default-looking button may change with the focus.
        if (HWND dialog = topLevelOf(previous)) notify(dialog, Change::Focus);
    }
    return previous;
}

bool WindowSystem::modalRunEnded(HWND dialog) const {
    const DialogWindow* window = findDialog(dialog);
    return !window || window->ended() || m_abandoned;
}

void WindowSystem::popModal(HWND dialog) {
    m_modalStack.erase(std::remove(m_modalStack.begin(), m_modalStack.end(), dialog), m_modalStack.end());
}

bool WindowSystem::waitForEnd(HWND dialog) {
    while (!modalRunEnded(dialog)) {
        if (!m_display || !m_display->runModalLoop(dialog)) {
            m_abandoned = true;
            return false;
        }
    }
    return !m_abandoned;
}

bool WindowSystem::acceptsInput(HWND handle) const {
    const Window* window = find(handle);
    if (!window || m_abandoned) return false;
    HWND dialog = topLevelOf(handle);
    if (dialog != activeDialog()) return false;
    const Window* top = find(dialog);
    if (!top->visible() || !top->enabled()) return false;
    return window->visible() && window->enabled();
}

bool WindowSystem::userTypes(HWND edit, const std::string& text) {
    if (!acceptsInput(edit)) return false;
    Window* window = find(edit);
    if (window->kind() != ControlKind::Edit) return false;
    if (m_focus != edit) setFocus(edit);
    return static_cast<EditControl*>(window)->userEdit(text);
}

bool WindowSystem::userSelects(HWND listBox, int index) {
    if (!acceptsInput(listBox)) return false;
    Window* window = find(listBox);
    if (window->kind() != ControlKind::ListBox) return false;
    // A click in a list gives it the focus before it reports the selection.
    setFocus(listBox);
    return static_cast<ListBoxControl*>(window)->userClick(index);
}

bool WindowSystem::userClicks(HWND button) {
    if (!acceptsInput(button)) return false;
    const Window* window = find(button);
    if (window->kind() == ControlKind::Hosted) {
        // An outside control does with a click what its class does.
        if (window->isTabStop()) setFocus(button);
        sendMessage(button, WM_LBUTTONUP, 0, 0);
        return true;
    }
    if (!window->isPushButton()) return false;
    setFocus(button);
    notifyParent(button, BN_CLICKED);
    return true;
}

bool WindowSystem::userFocuses(HWND control) {
    if (!acceptsInput(control)) return false;
    setFocus(control);
    return true;
}

bool WindowSystem::userPressesKey(HWND dialog, Key key) {
    if (!acceptsInput(dialog) || !findDialog(dialog)) return false;
    return m_dialogManager.pressKey(dialog, key);
}

bool WindowSystem::userClosesWindow(HWND dialog) {
    if (!acceptsInput(dialog) || !findDialog(dialog)) return false;
    sendMessage(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

bool WindowSystem::userChoosesSystemCommand(HWND dialog, UINT command) {
    DialogWindow* window = findDialog(dialog);
    if (!acceptsInput(dialog) || !window || !window->systemMenu().hasCommand(command)) return false;
    sendMessage(dialog, WM_SYSCOMMAND, command, 0);
    return true;
}

void WindowSystem::userResizesClientArea(HWND dialog, int width, int height) {
    if (DialogWindow* window = findDialog(dialog)) window->setClientSize({width, height});
}

void WindowSystem::desktopChangedPlacement(HWND dialog, bool iconic, bool maximized) {
    DialogWindow* window = findDialog(dialog);
    if (!window) return;
    window->setIconic(iconic);
    if (!iconic) window->setMaximized(maximized);
}

void WindowSystem::paint(HWND dialog) {
    if (findDialog(dialog)) sendMessage(dialog, WM_PAINT, 0, 0);
}

void WindowSystem::reset() {
    m_windows.clear();
    m_modalStack.clear();
    m_focus = nullptr;
    m_abandoned = false;
}
