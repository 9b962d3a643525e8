#include "framework/win32/accessible_names.h"

#include <objbase.h>

// The property GUIDs are defined here, in the one file that uses them.
#include <initguid.h>

#include <oleacc.h>

#include <limits>
#include <vector>

#include "framework/win32/control_kind.h"

namespace accessible {

namespace {

// The accessibility property service, or null where there is none.
IAccPropServices* services() {
    static IAccPropServices* service = [] {
        IAccPropServices* created = nullptr;
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                    reinterpret_cast<void**>(&created)))) {
            return static_cast<IAccPropServices*>(nullptr);
        }
        return created;
    }();
    return service;
}

using control_kind::IsEdit;
using control_kind::IsStatic;
using control_kind::Style;

bool isInput(HWND window) { return IsEdit(window) && !(Style(window) & (ES_READONLY | ES_MULTILINE)); }

// A caption: a single-line read-only edit or a text label.
bool isCaption(HWND window) {
    if (IsEdit(window)) return (Style(window) & ES_READONLY) && !(Style(window) & ES_MULTILINE);
    return IsStatic(window) && (Style(window) & SS_TYPEMASK) <= SS_RIGHT;
}

RECT rectIn(HWND dialog, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The caption nearest above `input` that overlaps it sideways.
HWND captionOf(HWND dialog, HWND input, const std::vector<HWND>& children) {
    const RECT r = rectIn(dialog, input);
    const LONG middle = (r.top + r.bottom) / 2;
    HWND best = nullptr;
    LONG bestGap = std::numeric_limits<LONG>::max();
    for (HWND candidate : children) {
        if (candidate == input || !isCaption(candidate)) continue;
        const RECT c = rectIn(dialog, candidate);
        if (c.bottom > middle || std::min(c.right, r.right) <= std::max(c.left, r.left)) continue;
        if (r.top - c.bottom < bestGap) {
            best = candidate;
            bestGap = r.top - c.bottom;
        }
    }
    return best;
}

}  // namespace

void NameInputsByCaptions(HWND dialog) {
    IAccPropServices* service = services();
    if (!service) return;
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
    for (HWND input : children) {
        if (!isInput(input)) continue;
        if (HWND caption = captionOf(dialog, input, children)) {
            service->SetHwndPropStr(input, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, control_kind::Text(caption).c_str());
        }
    }
}

void TextChanged(HWND window) {
    if (isCaption(window)) NameInputsByCaptions(GetParent(window));
}

void ExposeAsLink(HWND control, const std::wstring& name) {
    IAccPropServices* service = services();
    if (!service) return;
    VARIANT role{};
    role.vt = VT_I4;
    role.lVal = ROLE_SYSTEM_LINK;
    service->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_ROLE, role);
    service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, name.c_str());
}

}  // namespace accessible
