#pragma once

#include <string>
#include <vector>

#include "portable/dialog_template.h"
#include "portable/win_types.h"

// One window: a dialog or one of its controls. The window system owns every
// window and is the one authority for its state; a display only reads it.
class Window {
public:
    Window(ControlKind kind, int id, std::string text, DWORD style);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The class's own handling of a message: its window procedure.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual bool isDialog() const { return false; }
    virtual bool isPushButton() const { return false; }
    virtual bool isDefaultPushButton() const { return false; }

    HWND handle() const { return m_handle; }
    ControlKind kind() const { return m_kind; }
    int id() const { return m_id; }
    DWORD style() const { return m_style; }
    bool hasStyle(DWORD bits) const { return (m_style & bits) == bits; }
    bool isTabStop() const { return hasStyle(WS_TABSTOP); }
    const std::string& text() const { return m_text; }
    bool visible() const { return m_visible; }
    bool enabled() const { return m_enabled; }
    HWND parent() const { return m_parent; }
    // In pixels: a dialog's on the screen, a control's in its dialog's client area.
    const RECT& rect() const { return m_rect; }
    const std::vector<HWND>& children() const { return m_children; }

    // Sets where the window is and how it starts, before it is added to the
    // window system.
    void initialise(const RECT& pixels, bool visible, bool enabled) {
        m_rect = pixels;
        m_visible = visible;
        m_enabled = enabled;
    }

protected:
    friend class WindowSystem;
    // Replaces the text and tells the display; notifications are the caller's.
    void storeText(std::string text);

    HWND m_handle = nullptr;
    ControlKind m_kind;
    int m_id;
    DWORD m_style;
    std::string m_text;
    bool m_visible = false;
    bool m_enabled = true;
    HWND m_parent = nullptr;
    RECT m_rect;
    std::vector<HWND> m_children;
};

// Copies `text` into a caller's buffer of `size` bytes, always terminated.
LRESULT copyTextToBuffer(const std::string& text, WPARAM size, LPARAM buffer);
