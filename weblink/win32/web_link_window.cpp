// The web-link control on Windows: a window class of the program's own. It
// takes its caption, font and address from its property stream, which the
// dialog hands it with WM_OCC_LOADFROMSTREAM, draws and acts as the link's
// description says, as the Linux display does, and opens the address through
// the shell on a click, Enter or Space, keeping its dialog open.

#include "portable/win32_types.h"

#include <shellapi.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <span>
#include <string>

#include "framework/win32/accessible_names.h"
#include "framework/win32/control_classes.h"
#include "framework/win32/utf16.h"
#include "weblink/link_description.h"
#include "weblink/link_properties.h"
#include "weblink/web_link.h"
#include "portable/text_fitting.h"

namespace {

constexpr const wchar_t* kWindowClass = L"ResonixWebLink";
// The caption is set smaller in steps of a quarter point.
constexpr double kQuarterPoint = 0.25;

struct LinkState {
    HostedDescription description;
    HFONT font = nullptr;
    ~LinkState() {
        if (font) DeleteObject(font);
    }
};

LinkState* stateOf(HWND window) { return reinterpret_cast<LinkState*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

HFONT createFont(HWND window, const HostedDescription::Font& described, double points) {
    LOGFONTW font{};
    // The raster "System" face does not scale with the display: the
    // dialog's own face stands in for it, as for a face this desktop lacks.
    LOGFONTW dialogFont{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(GetParent(window), WM_GETFONT, 0, 0)), sizeof dialogFont, &dialogFont);
    const std::wstring face = toUtf16(described.face);
    wcsncpy(font.lfFaceName, face.empty() || face == L"System" ? dialogFont.lfFaceName : face.c_str(), LF_FACESIZE - 1);
    font.lfHeight = -static_cast<LONG>(points * GetDpiForWindow(window) / 72.0 + 0.5);
    font.lfWeight = described.weight;
    font.lfItalic = described.italic;
    font.lfUnderline = described.underline;
    font.lfStrikeOut = described.strikeOut;
    font.lfCharSet = static_cast<BYTE>(described.charset);
    return CreateFontIndirectW(&font);
}

int textWidth(HWND window, HFONT font, const std::wstring& text) {
    HDC context = GetDC(window);
    HGDIOBJ old = SelectObject(context, font);
    SIZE size{};
    GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(context, old);
    ReleaseDC(window, context);
    return size.cx;
}

// The link's caption in the described font, a quarter point smaller each
// size step, as wide as it is in each; the fonts made for it until one is
// taken.
class CaptionMeasures : public text_fitting::Measures {
public:
    CaptionMeasures(HWND window, const HostedDescription& description, double points)
        : m_window(window), m_description(description), m_points(points), m_caption(toUtf16(description.text)) {
        RECT client;
        GetClientRect(window, &client);
        m_room = client.right;
    }
    ~CaptionMeasures() {
        for (const auto& [step, font] : m_fonts) DeleteObject(font);
    }
    CaptionMeasures(const CaptionMeasures&) = delete;
    CaptionMeasures& operator=(const CaptionMeasures&) = delete;

    int room(int) override { return m_room; }
    int widestLine(int step, int) override { return textWidth(m_window, fontAt(step), m_caption); }

    // The font of `step`, now the caller's.
    HFONT take(int step) {
        HFONT font = fontAt(step);
        m_fonts.erase(step);
        return font;
    }

private:
    HFONT fontAt(int step) {
        HFONT& font = m_fonts[step];
        if (!font) font = createFont(m_window, m_description.font, m_points - kQuarterPoint * step);
        return font;
    }

    HWND m_window;
    const HostedDescription& m_description;
    double m_points;
    std::wstring m_caption;
    int m_room = 0;
    std::map<int, HFONT> m_fonts;
};

// The described font, or a size of it down to kSmallestLinkShare at which
// the caption fits the control's width.
void fitFont(HWND window, LinkState& state) {
    const double described = state.description.font.points > 0 ? state.description.font.points : 9.0;
    CaptionMeasures measures(window, state.description, described);
    const text_fitting::Fit fit = text_fitting::fit(measures, text_fitting::sizeSteps(described, kQuarterPoint, kSmallestLinkShare), 0);
    if (state.font) DeleteObject(state.font);
    state.font = measures.take(fit.step);
}

bool load(HWND window, std::span<const BYTE> stream) {
    std::optional<weblink::LinkProperties> loaded = weblink::readLinkProperties(stream);
    if (!loaded) return false;
    LinkState* state = stateOf(window);
    state->description = weblink::describeLink(*loaded);
    const std::wstring caption = toUtf16(state->description.text);
    SetWindowTextW(window, caption.c_str());
    fitFont(window, *state);
    if (state->description.shows == HostedDescription::Shows::Link) accessible::exposeAsLink(window);
    InvalidateRect(window, nullptr, TRUE);
    return true;
}

void open(HWND window) {
    const LinkState* state = stateOf(window);
    if (!state || state->description.activation != HostedDescription::Activation::OpensTarget) return;
    if (state->description.target.empty()) return;
    ShellExecuteW(window, L"open", toUtf16(state->description.target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

double luminance(COLORREF colour) {
    return (0.299 * GetRValue(colour) + 0.587 * GetGValue(colour) + 0.114 * GetBValue(colour)) / 255.0;
}

// The desktop's link (hot-tracking) colour; the usual link blue where a
// theme sets that too close to the background to read (as Wine's does).
COLORREF linkColour(COLORREF background) {
    const COLORREF hot = GetSysColor(COLOR_HOTLIGHT);
    constexpr double kLeastContrast = 0.3;
    return std::abs(luminance(hot) - luminance(background)) >= kLeastContrast ? hot : RGB(0x00, 0x66, 0xCC);
}

void paint(HWND window) {
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    // The dialog's background, as its labels have it.
    auto background = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context), reinterpret_cast<LPARAM>(window)));
    FillRect(context, &client, background ? background : GetSysColorBrush(COLOR_3DFACE));
    if (const LinkState* state = stateOf(window)) {
        const std::wstring caption = toUtf16(state->description.text);
        HGDIOBJ old = SelectObject(context, state->font ? state->font : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(context, TRANSPARENT);
        SetTextColor(context, linkColour(GetBkColor(context)));
        RECT text = client;
        DrawTextW(context, caption.c_str(), static_cast<int>(caption.size()), &text,
                  DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (GetFocus() == window) {
            RECT extent = client;
            DrawTextW(context, caption.c_str(), static_cast<int>(caption.size()), &extent,
                      DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
            extent.right = std::min(extent.right, client.right);
            DrawFocusRect(context, &extent);
        }
        SelectObject(context, old);
    }
    EndPaint(window, &paint);
}

bool isOpeningKey(WPARAM key) { return key == VK_RETURN || key == VK_SPACE; }

LRESULT CALLBACK linkProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new LinkState));
        break;
    case WM_NCDESTROY:
        delete stateOf(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    case WM_OCC_LOADFROMSTREAM:
        return load(window, std::span<const BYTE>(reinterpret_cast<const BYTE*>(lParam), wParam)) ? TRUE : FALSE;
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_GETDLGCODE: {
        // Enter and Space are the link's own while it has the focus.
        const auto* pending = reinterpret_cast<const MSG*>(lParam);
        if (pending && pending->message == WM_KEYDOWN && isOpeningKey(pending->wParam)) return DLGC_WANTMESSAGE;
        return 0;
    }
    case WM_KEYDOWN:
        if (isOpeningKey(wParam)) open(window);
        return 0;
    case WM_LBUTTONUP:
        open(window);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void installWebLinkControl() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &linkProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    // The pointing hand, which the default processing of WM_SETCURSOR shows.
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassW(&windowClass);
    control_classes::add(kWebLinkClassId, kWindowClass);
}
