#include "windowing/window.h"

#include <algorithm>
#include <cstring>

#include "windowing/window_system.h"

Window::Window(ControlKind kind, int id, std::string text, DWORD style)
    : m_kind(kind), m_id(id), m_style(style), m_text(std::move(text)) {}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT:
        storeText(lParam ? reinterpret_cast<const char*>(lParam) : "");
        return TRUE;
    case WM_GETTEXT:
        return copyTextToBuffer(m_text, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(m_text.size());
    default:
        return 0;
    }
}

void Window::storeText(std::string text) {
    m_text = std::move(text);
    WindowSystem::instance().notify(m_handle, Change::Text);
}

LRESULT copyTextToBuffer(const std::string& text, WPARAM size, LPARAM buffer) {
    if (size == 0 || buffer == 0) return 0;
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    char* out = reinterpret_cast<char*>(buffer);
    std::memcpy(out, text.data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}
