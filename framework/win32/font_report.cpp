#include "framework/win32/font_report.h"

#include "framework/win32/control_kind.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace font_report {

namespace {

const char* reportFile() {
    const char* path = std::getenv(kFileVariable);
    return path && *path ? path : nullptr;
}

// Measured here, apart from the code that fits the texts, which it checks.
int widestLine(HDC context, const std::wstring& text) {
    int widest = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = std::min(text.find(L'\n', start), text.size());
        const std::size_t stop = end > start && text[end - 1] == L'\r' ? end - 1 : end;
        SIZE size{};
        GetTextExtentPoint32W(context, text.data() + start, static_cast<int>(stop - start), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
        start = end + 1;
    }
    return widest;
}

struct Span {
    int from = 0, to = 0;
};

// Where a multi-line edit, which may be scrolled, draws the characters of
// its lines other than blanks, as the edit itself places them.
Span inkOfEdit(HWND edit, HDC context, const std::wstring& text, int left) {
    Span span;
    bool any = false;
    const auto x = [&](std::size_t index) {
        const auto place = static_cast<DWORD>(SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0));
        return static_cast<short>(LOWORD(place)) - left;
    };
    for (std::size_t index = 0; index < text.size(); ++index) {
        const wchar_t c = text[index];
        if (c == L' ' || c == L'\r' || c == L'\n') continue;
        SIZE size{};
        GetTextExtentPoint32W(context, &c, 1, &size);
        const int from = x(index), to = from + static_cast<int>(size.cx);
        span.from = any ? std::min(span.from, from) : from;
        span.to = any ? std::max(span.to, to) : to;
        any = true;
    }
    return span;
}

}  // namespace

UINT message() {
    static const UINT message = reportFile() ? RegisterWindowMessageW(kFontReportMessage) : 0;
    return message;
}

void write(HWND dialog) {
    std::FILE* out = std::fopen(reportFile(), "w");
    if (!out) return;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
        RECT room{};
        // Only edits answer EM_GETRECT.
        SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
        if (room.right <= room.left) GetClientRect(control, &room);
        HDC context = GetDC(control);
        HGDIOBJ old = SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(context, &metrics);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(context, LF_FACESIZE, face);
        const bool multiLineEdit = control_kind::isEdit(control) && (GetWindowLongW(control, GWL_STYLE) & ES_MULTILINE);
        const Span ink = multiLineEdit ? inkOfEdit(control, context, text, room.left) : Span{0, widestLine(context, text)};
        // The flag's name is the wrong way round: set, it means variable pitch.
        std::fprintf(out, "%llx %s %ld %d %d %ls\n", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(control)),
                     (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) ? "variable" : "fixed", room.right - room.left,
                     ink.from, ink.to, face);
        SelectObject(context, old);
        ReleaseDC(control, context);
    }
    std::fclose(out);
}

}  // namespace font_report
