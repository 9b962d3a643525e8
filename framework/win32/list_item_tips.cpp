#include "framework/win32/list_item_tips.h"

// After <windows.h>, which the types header includes.
#include <commctrl.h>

#include <string>

namespace list_item_tips {

namespace {

constexpr UINT_PTR kSubclassId = 1;
// The list draws an item's text a pixel in from the item's left edge, and
// clips it at the right edge.
constexpr int kTextInset = 1;

// A list's tooltip, with one tool per item: the tooltip then sees the
// pointer move from item to item and shows each one's tip anew.
struct ItemTips {
    HWND tooltip;
    int items = 0;  // the tools there are, for this many items
    int top = 0;    // from this first visible item
    std::wstring text;  // the tip's text, read by the tooltip once it is given
};

TTTOOLINFOW toolFor(HWND list, int item) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRANSPARENT;  // a click on the tip goes to what lies beneath it
    tool.hwnd = list;
    tool.uId = static_cast<UINT_PTR>(item);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    return tool;
}

// Tools where the items are now: lists are refilled and scrolled.
void placeTools(HWND list, ItemTips& tips) {
    const int items = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    if (items == tips.items && top == tips.top) return;
    for (int item = 0; item < tips.items; ++item) {
        TTTOOLINFOW tool = toolFor(list, item);
        SendMessageW(tips.tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    for (int item = 0; item < items; ++item) {
        TTTOOLINFOW tool = toolFor(list, item);
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&tool.rect));
        SendMessageW(tips.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    tips.items = items;
    tips.top = top;
}

// The item's whole text where the list cuts it, else nothing (and no tip).
std::wstring cutText(HWND list, int item) {
    RECT rect{};
    if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect)) == LB_ERR) return {};
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(item), 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    HDC context = GetDC(list);
    HGDIOBJ old = SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(context, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(context, old);
    ReleaseDC(list, context);
    return kTextInset + size.cx > rect.right - rect.left ? text : std::wstring();
}

LRESULT CALLBACK listProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    ItemTips& tips = *reinterpret_cast<ItemTips*>(data);
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        if (message == WM_MOUSEMOVE) placeTools(list, tips);
        // The wheel scrolls other items under the pointer.
        if (message == WM_MOUSEWHEEL) SendMessageW(tips.tooltip, TTM_POP, 0, 0);
        const DWORD position = GetMessagePos();
        MSG relayed{list, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()),
                    POINT{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))}};
        SendMessageW(tips.tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    } else if (message == WM_KEYDOWN) {
        SendMessageW(tips.tooltip, TTM_POP, 0, 0);
    } else if (message == WM_NOTIFYFORMAT && reinterpret_cast<HWND>(wParam) == tips.tooltip) {
        return NFR_UNICODE;
    } else if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->hwndFrom == tips.tooltip &&
               reinterpret_cast<NMHDR*>(lParam)->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        tips.text = cutText(list, static_cast<int>(info->hdr.idFrom));
        info->lpszText = tips.text.data();
        return 0;
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(list, &listProcedure, kSubclassId);
        DestroyWindow(tips.tooltip);
        delete &tips;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace

void Attach(HWND list) {
    HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetParent(list), nullptr,
                                   nullptr, nullptr);
    if (!tooltip) return;
    // In the list's own font, so that the tip reads as the item continued.
    SendMessageW(tooltip, WM_SETFONT, static_cast<WPARAM>(SendMessageW(list, WM_GETFONT, 0, 0)), FALSE);
    auto* tips = new ItemTips{tooltip, 0, 0, {}};
    if (!SetWindowSubclass(list, &listProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(tips))) {
        DestroyWindow(tooltip);
        delete tips;
    }
}

}  // namespace list_item_tips
