#include "framework/win32/fitted_text.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "framework/win32/control_kind.h"
#include "windowing/text_fitting.h"

namespace fitted_text {

namespace {

using control_kind::isEdit;
using control_kind::isStatic;
using control_kind::style;

bool isResultsField(HWND window) { return isEdit(window) && (style(window) & ES_MULTILINE) && (style(window) & ES_READONLY); }

// The font the control shows in at its normal size: the dialog's, and for
// the results fields, whose columns must line up, a fixed-pitch one as tall.
LOGFONTW normalFont(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(GetParent(control), WM_GETFONT, 0, 0)), sizeof font, &font);
    if (isResultsField(control)) {
        font.lfWeight = FW_NORMAL;
        font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        wcscpy(font.lfFaceName, L"Consolas");
    }
    return font;
}

// Fonts by face, height and width, made once: a handful for the program's life.
HFONT fontOf(const LOGFONTW& font) {
    static std::map<std::tuple<std::wstring, LONG, LONG>, HFONT> fonts;
    HFONT& made = fonts[{font.lfFaceName, font.lfHeight, font.lfWidth}];
    if (!made) made = CreateFontIndirectW(&font);
    return made;
}

void useFont(HWND control, HFONT font) {
    // Measured in the font, so set it first: an edit's formatting rectangle
    // follows its font's margins.
    if (reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)) != font) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

std::size_t longestLineLength(const std::wstring& text) {
    std::size_t longest = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == L'\r') --stop;
        longest = std::max(longest, stop - start);
        start = end + 1;
    }
    return longest;
}

int widestLine(HWND control, HFONT font, const std::wstring& text) {
    HDC context = GetDC(control);
    HGDIOBJ old = SelectObject(context, font);
    int widest = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == L'\r') --stop;
        SIZE size{};
        GetTextExtentPoint32W(context, text.data() + start, static_cast<int>(stop - start), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
        start = end + 1;
    }
    SelectObject(context, old);
    ReleaseDC(control, context);
    return widest;
}

// The width the text has: an edit's formatting rectangle, a label's client area.
int room(HWND control) {
    RECT rect{};
    if (isEdit(control)) SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    else GetClientRect(control, &rect);
    return rect.right - rect.left;
}

}  // namespace

bool isFitted(HWND control) {
    if (isEdit(control)) return (style(control) & ES_READONLY) != 0;
    if (!isStatic(control)) return false;
    const LONG type = style(control) & SS_TYPEMASK;
    return type == SS_LEFTNOWORDWRAP;
}

void fit(HWND control) {
    const std::wstring text = control_kind::text(control);
    LOGFONTW font = normalFont(control);
    const LONG normal = std::abs(font.lfHeight);
    const LONG sign = font.lfHeight < 0 ? -1 : 1;
    for (LONG height = normal; height >= static_cast<LONG>(normal * kSmallestOneLineShare + 0.5) && height > 0; --height) {
        font.lfHeight = sign * height;
        useFont(control, fontOf(font));
        if (widestLine(control, fontOf(font), text) <= room(control)) return;
    }
    // A results field whose lines still do not fit keeps its fixed pitch, so
    // that its columns stay lined up, at the width of glyph that fits them:
    // the fixed-pitch fonts are wider than the dialog font its field is
    // sized for.
    const std::size_t characters = longestLineLength(text);
    if (!isResultsField(control) || characters == 0) return;
    font.lfWidth = std::max<LONG>(1, room(control) / static_cast<LONG>(characters));
    while (font.lfWidth > 1) {
        useFont(control, fontOf(font));
        if (widestLine(control, fontOf(font), text) <= room(control)) return;
        --font.lfWidth;
    }
}

}  // namespace fitted_text
