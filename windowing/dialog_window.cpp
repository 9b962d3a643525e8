#include "windowing/dialog_window.h"

#include "windowing/window_system.h"

DialogWindow::DialogWindow(const DialogTemplate& dialogTemplate, HWND owner, DLGPROC procedure)
    : Window(ControlKind::Dialog, 0, dialogTemplate.caption, dialogTemplate.style),
      m_owner(owner),
      m_procedure(procedure),
      m_systemMenu(std::make_unique<Menu>(Menu::systemMenuFor(dialogTemplate.style))) {}

int DialogWindow::defaultId() const {
    const WindowSystem& system = WindowSystem::instance();
    for (HWND child : children()) {
        if (const Window* control = system.find(child); control && control->isDefaultPushButton()) return control->id();
    }
    return IDOK;
}

void DialogWindow::setIconic(bool iconic) {
    if (m_iconic == iconic) return;
    m_iconic = iconic;
    WindowSystem::instance().notify(handle(), Change::Placement);
}

void DialogWindow::setMaximized(bool maximized) {
    if (m_maximized == maximized) return;
    m_maximized = maximized;
    WindowSystem::instance().notify(handle(), Change::Placement);
}

void DialogWindow::finishPaint(std::unique_ptr<DeviceContext> context) {
    m_lastPaint = std::move(context);
    WindowSystem::instance().notify(handle(), Change::Painted);
}

LRESULT DialogWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_procedure) {
        if (const std::optional<LRESULT> result = m_procedure(handle(), message, wParam, lParam)) return *result;
    }
    return defaultProcessing(message, wParam, lParam);
}

LRESULT DialogWindow::defaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
    WindowSystem& system = WindowSystem::instance();
    switch (message) {
    case WM_CLOSE: {
        HWND cancel = system.childById(handle(), IDCANCEL);
        return system.sendMessage(handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
    }
    case WM_SYSCOMMAND:
        switch (static_cast<UINT>(wParam) & 0xFFF0) {
        case SC_CLOSE: return system.sendMessage(handle(), WM_CLOSE, 0, 0);
        case SC_MINIMIZE: setIconic(true); return 0;
        case SC_MAXIMIZE: setIconic(false); setMaximized(true); return 0;
        case SC_RESTORE: setIconic(false); setMaximized(false); return 0;
        case SC_MOVE:
        case SC_SIZE:
            if (WindowDisplay* display = system.display()) display->beginMoveOrSize(handle(), static_cast<UINT>(wParam) & 0xFFF0);
            return 0;
        default: return 0;
        }
    case WM_SETICON: {
        HICON& slot = wParam == ICON_BIG ? m_bigIcon : m_smallIcon;
        HICON previous = slot;
        slot = reinterpret_cast<HICON>(lParam);
        system.notify(handle(), Change::Icon);
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_PAINT:
        // Validates the window: the display draws the controls itself.
        finishPaint(std::make_unique<DeviceContext>(handle()));
        return 0;
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

bool DialogWindow::offersSystemCommand(UINT command) const {
    switch (command & 0xFFF0) {
    case SC_RESTORE: return m_iconic || m_maximized;
    case SC_MINIMIZE: return !m_iconic;
    case SC_MAXIMIZE: return !m_maximized;
    case SC_MOVE: return !m_iconic && !m_maximized;
    case SC_SIZE: return false;
    default: return true;
    }
}
