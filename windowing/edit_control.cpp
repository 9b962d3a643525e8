#include "windowing/edit_control.h"

#include "windowing/window_system.h"

LRESULT EditControl::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) {
        storeText(lParam ? reinterpret_cast<const char*>(lParam) : "");
        if (!isMultiLine()) WindowSystem::instance().notifyParent(handle(), EN_CHANGE);
        return TRUE;
    }
    return Window::handleMessage(message, wParam, lParam);
}

bool EditControl::userEdit(const std::string& text) {
    if (isReadOnly()) return false;
    if (text == this->text()) return true;  // nothing changed, nothing to report
    storeText(text);
    WindowSystem::instance().notifyParent(handle(), EN_CHANGE);
    return true;
}
