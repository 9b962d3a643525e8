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

int widthOf(HDC context, std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(context, text.data(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
}

// The width the text has: an edit's formatting rectangle, a label's client area.
int textRoom(HWND control) {
    RECT rect{};
    if (isEdit(control)) SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    else GetClientRect(control, &rect);
    return rect.right - rect.left;
}

// A control's lines in the sizes the fitting rule may choose: the normal
// font a pixel shorter each step, down to the smallest share of its height;
// for a results field then, at the smallest height, glyphs a pixel narrower
// each step, from as wide as its room has for its longest line: the
// fixed-pitch fonts are wider than the dialog font its field is sized for,
// and narrower glyphs keep its columns lined up.
class ControlMeasures : public text_fitting::Measures {
public:
    ControlMeasures(HWND control, const std::vector<std::wstring_view>& lines, std::size_t indent)
        : m_control(control), m_lines(lines), m_normal(normalFont(control)),
          m_heights(text_fitting::sizeSteps(std::abs(m_normal.lfHeight), 1, kSmallestOneLineShare)) {
        std::size_t characters = 0;
        for (const std::wstring_view line : lines) characters = std::max(characters, line.size() - std::min(indent, line.size()));
        if (!isResultsField(control) || characters == 0) return;
        // Measured in the smallest height, as its margins follow its font.
        useFont(control, fontAt(m_heights - 1));
        m_widest = std::max<LONG>(1, textRoom(control) / static_cast<LONG>(characters));
    }

    int steps() const { return m_heights + static_cast<int>(m_widest - 1); }

    HFONT fontAt(int step) const {
        LOGFONTW font = m_normal;
        const LONG sign = font.lfHeight < 0 ? -1 : 1;
        font.lfHeight = sign * (std::abs(font.lfHeight) - std::min(step, m_heights - 1));
        if (step >= m_heights) font.lfWidth = m_widest - (step - m_heights);
        return fontOf(font);
    }

    int room(int step) override {
        useFont(m_control, fontAt(step));
        return textRoom(m_control);
    }

    int widestLine(int step, int columns) override {
        HDC context = GetDC(m_control);
        HGDIOBJ old = SelectObject(context, fontAt(step));
        int widest = 0;
        const auto skipped = static_cast<std::size_t>(columns);
        for (const std::wstring_view line : m_lines) widest = std::max(widest, widthOf(context, line.substr(std::min(skipped, line.size()))));
        SelectObject(context, old);
        ReleaseDC(m_control, context);
        return widest;
    }

private:
    HWND m_control;
    const std::vector<std::wstring_view>& m_lines;
    LOGFONTW m_normal;
    int m_heights;
    // The widest glyphs a results field's narrowing starts from; 1 for none.
    LONG m_widest = 1;
};

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
    // it may scroll past the blanks that all its lines start with.
    const bool results = isResultsField(control);
    const auto indent = static_cast<std::size_t>(results ? text_fitting::commonIndent(lines) : 0);
    ControlMeasures measures(control, lines, indent);
    const text_fitting::Fit fit = text_fitting::fit(measures, measures.steps(), static_cast<int>(indent));
    useFont(control, measures.fontAt(fit.step));
    if (results) {
        SendMessageW(control, EM_LINESCROLL, static_cast<WPARAM>(-static_cast<INT_PTR>(text.size())), 0);
        SendMessageW(control, EM_LINESCROLL, static_cast<WPARAM>(fit.columns), 0);
    }
}

}  // namespace fitted_text
