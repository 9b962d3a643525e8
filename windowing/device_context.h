#pragma once

#include <vector>

#include "portable/win_types.h"

// A paint session on one window. It records what the program draws, so that
// a display can put it on screen and a test can check it.
class DeviceContext {
public:
    struct DrawnIcon {
        POINT origin;
        HICON icon = nullptr;
        bool operator==(const DrawnIcon&) const = default;
    };

    explicit DeviceContext(HWND window) : m_window(window) {}

    HWND window() const { return m_window; }
    void drawIcon(POINT origin, HICON icon) { m_icons.push_back({origin, icon}); }
    const std::vector<DrawnIcon>& icons() const { return m_icons; }

private:
    HWND m_window;
    std::vector<DrawnIcon> m_icons;
};

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    RECT rcPaint;
};
