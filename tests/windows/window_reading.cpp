#include "tests/windows/window_reading.h"

#include "framework/win32/font_report.h"

#include <fstream>
#include <sstream>

namespace {

constexpr UINT kReplyTimeoutMs = 5000;

LRESULT ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

BOOL CALLBACK collectVisible(HWND child, LPARAM context) {
    if (IsWindowVisible(child)) reinterpret_cast<std::set<int>*>(context)->insert(GetDlgCtrlID(child));
    return TRUE;
}

}  // namespace

std::wstring controlText(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    return control ? windowText(control) : L"<no control " + std::to_wstring(id) + L">";
}

std::wstring windowText(HWND window) {
    const auto length = ask(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied = ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::vector<ControlFont> controlFonts(HWND dialog, const std::string& file) {
    std::vector<ControlFont> fonts;
    DeleteFileA(file.c_str());
    if (!ask(dialog, RegisterWindowMessageW(font_report::kFontReportMessage), 0, 0)) return fonts;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        unsigned long long handle = 0;
        std::string pitch;
        ControlFont font{};
        fields >> std::hex >> handle >> std::dec >> pitch >> font.room >> font.inkFrom >> font.inkTo >> std::ws;
        std::getline(fields, font.face);
        font.control = reinterpret_cast<HWND>(static_cast<uintptr_t>(handle));
        font.fixedPitch = pitch == "fixed";
        fonts.push_back(font);
    }
    return fonts;
}

std::vector<std::wstring> listItems(HWND dialog, int id) {
    HWND list = GetDlgItem(dialog, id);
    std::vector<std::wstring> items;
    const auto count = ask(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(static_cast<size_t>(ask(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        const auto copied = ask(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        items.push_back(text);
    }
    return items;
}

int listSelection(HWND dialog, int id) { return static_cast<int>(ask(GetDlgItem(dialog, id), LB_GETCURSEL, 0, 0)); }

std::set<int> visibleControlIds(HWND dialog) {
    std::set<int> ids;
    EnumChildWindows(dialog, &collectVisible, reinterpret_cast<LPARAM>(&ids));
    return ids;
}

int focusedControlId(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) || !info.hwndFocus) return 0;
    return GetDlgCtrlID(info.hwndFocus);
}

void settle(HWND window) {
    // Each round trip returns only once the thread is back in its message
    // loop, so a few of them let it take in the input queued before.
    for (int round = 0; round < 4; ++round) {
        ask(window, WM_NULL, 0, 0);
        Sleep(15);
    }
}
