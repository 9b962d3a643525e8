#include "tests/windows/user_input.h"

#include "tests/windows/window_reading.h"

namespace {

void send(INPUT* inputs, UINT count) { SendInput(count, inputs, sizeof(INPUT)); }

// Every event carries its own position: a pointer placed beforehand can be
// moved again by the display's own pointer events before the press arrives.
void mouseAt(POINT screen, DWORD flags, HWND settleOn) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (screen.x * 65536 + width - 1) / width;
    input.mi.dy = (screen.y * 65536 + height - 1) / height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    send(&input, 1);
    settle(settleOn);
}

void clickAt(POINT screen, HWND settleOn) {
    // The button is released only once the press is taken in: the close box
    // follows the pointer only while the button is still down.
    mouseAt(screen, 0, settleOn);
    mouseAt(screen, MOUSEEVENTF_LEFTDOWN, settleOn);
    mouseAt(screen, MOUSEEVENTF_LEFTUP, settleOn);
}

POINT centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

bool activate(HWND topLevel) {
    if (GetForegroundWindow() == topLevel) return true;
    SetForegroundWindow(topLevel);
    settle(topLevel);
    if (GetForegroundWindow() == topLevel) return true;
    // A click on the caption, left of its buttons.
    RECT frame;
    GetWindowRect(topLevel, &frame);
    const int captionY = frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    clickAt(POINT{frame.left + (frame.right - frame.left) / 3, captionY}, topLevel);
    return GetForegroundWindow() == topLevel;
}

void click(HWND dialog, int id) {
    RECT r;
    GetWindowRect(GetDlgItem(dialog, id), &r);
    clickAt(centre(r), dialog);
}

namespace {

// The middle of a list item on the screen, scrolled into sight as the user would.
POINT listItemPoint(HWND dialog, int id, int index) {
    HWND list = GetDlgItem(dialog, id);
    RECT client;
    GetClientRect(list, &client);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    if (item.top < client.top || item.bottom > client.bottom) {
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }
    POINT point = centre(item);
    ClientToScreen(list, &point);
    return point;
}

}  // namespace

void clickListItem(HWND dialog, int id, int index) { clickAt(listItemPoint(dialog, id, index), dialog); }

void pointAtListItem(HWND dialog, int id, int index) { mouseAt(listItemPoint(dialog, id, index), 0, dialog); }

bool clickCloseBox(HWND topLevel) {
    RECT frame;
    GetWindowRect(topLevel, &frame);
    // The middle of the part of the caption that hit-tests as the close box.
    long sumX = 0, sumY = 0, hits = 0;
    for (int y = frame.top; y < frame.top + 2 * GetSystemMetrics(SM_CYCAPTION); ++y) {
        for (int x = frame.right - 1; x > frame.right - 4 * GetSystemMetrics(SM_CXSIZE); --x) {
            DWORD_PTR hit = 0;
            SendMessageTimeoutW(topLevel, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 5000, &hit);
            if (hit == HTCLOSE) {
                sumX += x;
                sumY += y;
                ++hits;
            }
        }
    }
    if (!hits) return false;
    clickAt(POINT{static_cast<LONG>(sumX / hits), static_cast<LONG>(sumY / hits)}, topLevel);
    return true;
}

void pressKey(WORD virtualKey, bool alt, bool shift) {
    // One event at a time, each taken in before the next, as a hand gives them.
    auto key = [](WORD vk, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = flags;
        send(&input, 1);
        if (HWND foreground = GetForegroundWindow()) settle(foreground);
    };
    if (alt) key(VK_MENU, 0);
    if (shift) key(VK_SHIFT, 0);
    key(virtualKey, 0);
    key(virtualKey, KEYEVENTF_KEYUP);
    if (shift) key(VK_SHIFT, KEYEVENTF_KEYUP);
    if (alt) key(VK_MENU, KEYEVENTF_KEYUP);
}

void type(const std::wstring& text) {
    for (wchar_t c : text) {
        INPUT inputs[2] = {};
        inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
        inputs[0].ki.wScan = inputs[1].ki.wScan = c;
        inputs[0].ki.dwFlags = KEYEVENTF_UNICODE;
        inputs[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        send(inputs, 2);
    }
    if (HWND foreground = GetForegroundWindow()) settle(foreground);
}
