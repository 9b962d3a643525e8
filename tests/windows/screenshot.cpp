#include "tests/windows/screenshot.h"

#include "tests/windows/window_reading.h"

// GDI+ writes the PNG files; it needs IStream declared first.
#include <objidl.h>

#include <gdiplus.h>

namespace {

// GDI+'s own PNG encoder.
constexpr CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

bool gdiplusStarted() {
    static const bool started = [] {
        const Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    return started;
}

}  // namespace

bool saveWindowPicture(HWND topLevel, const std::wstring& path) {
    // Painted in full, frame and caption included, before the screen is read.
    RedrawWindow(topLevel, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    settle(topLevel);
    Sleep(300);
    settle(topLevel);
    RECT frame;
    if (!GetWindowRect(topLevel, &frame) || !gdiplusStarted()) return false;
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    if (width <= 0 || height <= 0) return false;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, picture);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    SelectObject(memory, old);
    bool saved = false;
    if (copied) {
        Gdiplus::Bitmap bitmap(picture, nullptr);
        saved = bitmap.Save(path.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
    }
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}
