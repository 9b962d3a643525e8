#include "framework/win32/fitted_text.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "framework/win32/control_kind.h"
#include "portable/text_fitting.h"

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

// The lines of a text, without their line breaks.
std::vector<std::wstring_view> linesOf(const std::wstring& text) {
    std::vector<std::wstring_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == L'\r') --stop;
        lines.emplace_back(text.data() + start, stop - start);
        start = end + 1;
    }
    return lines;
}

// The blanks that every line with something on it starts with.
std::size_t commonIndent(const std::vector<std::wstring_view>& lines) {
    std::size_t indent = std::wstring_view::npos;
    for (const std::wstring_view line : lines) {
        const std::size_t blanks = line.find_first_not_of(L' ');
        if (blanks != std::wstring_view::npos) indent = std::min(indent, blanks);
    }
    return indent == std::wstring_view::npos ? 0 : indent;
}

int widthOf(HDC context, std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(context, text.data(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
}

// How wide the widest line is in `font`, whole and without its first
// `indent` characters, and how wide a blank is.
struct Widths {
    int whole = 0;
    int shown = 0;
    int blank = 0;
};

Widths measure(HWND control, HFONT font, const std::vector<std::wstring_view>& lines, std::size_t indent) {
    HDC context = GetDC(control);
    HGDIOBJ old = SelectObject(context, font);
    Widths widths;
    for (const std::wstring_view line : lines) {
        widths.whole = std::max(widths.whole, widthOf(context, line));
        widths.shown = std::max(widths.shown, widthOf(context, line.substr(std::min(indent, line.size()))));
    }
    widths.blank = widthOf(context, L" ");
    SelectObject(context, old);
    ReleaseDC(control, context);
    return widths;
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
    const std::vector<std::wstring_view> lines = linesOf(text);
    // A results field's numbers stand right-aligned in wide fields of blanks:
    // as on the other platforms, it scrolls past the blanks that all its
    // lines start with before it sets its text smaller.
    const bool results = isResultsField(control);
    const std::size_t indent = results ? commonIndent(lines) : 0;
    const auto fits = [&](HFONT font) {
        const Widths widths = measure(control, font, lines, indent);
        const int width = room(control);
        if (widths.shown > width) return false;
        if (results) {
            // Scrolled from its left edge only as far as the widest line needs.
            const int overflow = widths.whole - width;
            const int columns = overflow > 0 && widths.blank > 0 ? (overflow + widths.blank - 1) / widths.blank : 0;
            SendMessageW(control, EM_LINESCROLL, static_cast<WPARAM>(-static_cast<INT_PTR>(text.size())), 0);
            SendMessageW(control, EM_LINESCROLL, static_cast<WPARAM>(columns), 0);
        }
        return true;
    };
    LOGFONTW font = normalFont(control);
    const LONG normal = std::abs(font.lfHeight);
    const LONG sign = font.lfHeight < 0 ? -1 : 1;
    for (LONG height = normal; height >= static_cast<LONG>(normal * kSmallestOneLineShare + 0.5) && height > 0; --height) {
        font.lfHeight = sign * height;
        useFont(control, fontOf(font));
        if (fits(fontOf(font))) return;
    }
    // A results field whose lines still do not fit keeps its fixed pitch, so
    // that its columns stay lined up, at the width of glyph that fits them:
    // the fixed-pitch fonts are wider than the dialog font its field is
    // sized for.
    std::size_t characters = 0;
    for (const std::wstring_view line : lines) characters = std::max(characters, line.size() - std::min(indent, line.size()));
    if (!results || characters == 0) return;
    font.lfWidth = std::max<LONG>(1, room(control) / static_cast<LONG>(characters));
    while (font.lfWidth > 1) {
        useFont(control, fontOf(font));
        if (fits(fontOf(font))) return;
        --font.lfWidth;
    }
}

}  // namespace fitted_text
