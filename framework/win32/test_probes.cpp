#include "framework/win32/test_probes.h"

#include "portable/win32_types.h"

// After <windows.h>, which the types header includes.
#include <commctrl.h>

#include <cstdlib>

#include "framework/win32/font_report.h"
#include "portable/first_paint_report.h"

namespace test_probes {

namespace {

constexpr UINT_PTR kSubclassId = 1;
// Posted at the first paint: by the time it arrives, the window has painted.
constexpr UINT kFirstPaintDone = WM_APP + 0x100;

bool firstPaintAwaited = false;
UINT fontReportMessage = 0;

LRESULT CALLBACK answerProbes(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_PAINT && firstPaintAwaited) {
        firstPaintAwaited = false;
        PostMessageW(dialog, kFirstPaintDone, 0, 0);
    } else if (message == kFirstPaintDone) {
        FirstPaintReport::print();
        std::exit(0);
    } else if (message != 0 && message == fontReportMessage) {
        font_report::write(dialog);
        return TRUE;
    }
    return DefSubclassProc(dialog, message, wParam, lParam);
}

// Sees every message sent on the program's thread; takes each dialog as its
// WM_INITDIALOG arrives.
LRESULT CALLBACK watchDialogsOpening(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_INITDIALOG) SetWindowSubclass(sent->hwnd, answerProbes, kSubclassId, 0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void installIfAsked() {
    firstPaintAwaited = FirstPaintReport::wanted();
    fontReportMessage = font_report::message();
    if (!firstPaintAwaited && fontReportMessage == 0) return;
    SetWindowsHookExW(WH_CALLWNDPROC, watchDialogsOpening, nullptr, GetCurrentThreadId());
}

}  // namespace test_probes
