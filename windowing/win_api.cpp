#include "windowing/win_api.h"

#include "windowing/window.h"
#include "windowing/window_system.h"

namespace {

WindowSystem& windows() { return WindowSystem::instance(); }

}  // namespace

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return windows().sendMessage(window, message, wParam, lParam);
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (DialogWindow* dialog = windows().findDialog(window)) return dialog->defaultProcessing(message, wParam, lParam);
    Window* control = windows().find(window);
    return control ? control->Window::handleMessage(message, wParam, lParam) : 0;
}

BOOL ShowWindow(HWND window, int command) {
    Window* target = windows().find(window);
    if (!target) return FALSE;
    const BOOL wasVisible = target->visible() ? TRUE : FALSE;
    windows().show(window, command != SW_HIDE);
    return wasVisible;
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
    if (!IsWindow(window)) return FALSE;
    return static_cast<BOOL>(SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")));
}

int GetWindowTextA(HWND window, LPSTR buffer, int size) {
    if (!buffer || size <= 0) return 0;
    buffer[0] = '\0';
    return static_cast<int>(SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND window) { return static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)); }

BOOL EnableWindow(HWND window, BOOL enable) {
    const Window* target = windows().find(window);
    if (!target) return FALSE;
    const BOOL wasDisabled = target->enabled() ? FALSE : TRUE;
    windows().enable(window, enable != FALSE);
    return wasDisabled;
}

BOOL IsWindow(HWND window) { return windows().exists(window) ? TRUE : FALSE; }

BOOL IsWindowEnabled(HWND window) {
    const Window* target = windows().find(window);
    return target && target->enabled() ? TRUE : FALSE;
}

BOOL IsIconic(HWND window) {
    const DialogWindow* dialog = windows().findDialog(window);
    return dialog && dialog->iconic() ? TRUE : FALSE;
}

HWND SetFocus(HWND window) { return windows().setFocus(window); }
HWND GetFocus() { return windows().focus(); }

HWND GetDlgItem(HWND dialog, int id) { return windows().childById(dialog, id); }

BOOL GetClientRect(HWND window, RECT* rect) {
    const Window* target = windows().find(window);
    if (!target || !rect) return FALSE;
    if (const DialogWindow* dialog = windows().findDialog(window)) {
        *rect = RECT{0, 0, dialog->clientSize().x, dialog->clientSize().y};
    } else {
        *rect = RECT{0, 0, target->rect().right - target->rect().left, target->rect().bottom - target->rect().top};
    }
    return TRUE;
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXICON:
    case SM_CYICON: return 32;
    default: return 0;
    }
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    DialogWindow* dialog = windows().findDialog(window);
    if (!dialog || !paint) return nullptr;
    paint->hdc = new DeviceContext(window);
    GetClientRect(window, &paint->rcPaint);
    return paint->hdc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (!paint || !paint->hdc) return FALSE;
    std::unique_ptr<DeviceContext> context(paint->hdc);
    DialogWindow* dialog = windows().findDialog(window);
    if (!dialog) return FALSE;
    dialog->finishPaint(std::move(context));
    return TRUE;
}

BOOL DrawIcon(HDC context, int x, int y, HICON icon) {
    if (!context || !icon) return FALSE;
    context->drawIcon({x, y}, icon);
    return TRUE;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    DialogWindow* window = windows().findDialog(dialog);
    if (!window) return FALSE;
    window->end(result);
    if (WindowDisplay* display = windows().display()) display->modalRunEnding(dialog);
    return TRUE;
}
