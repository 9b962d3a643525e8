#include "framework/win32/accessible_names.h"

#include <objbase.h>

// The property GUIDs are defined here, in the one file that uses them.
#include <initguid.h>

#include <oleacc.h>

#include <optional>
#include <vector>

#include "framework/win32/control_kind.h"
#include "portable/caption_search.h"

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

using control_kind::isButton;
using control_kind::isEdit;
using control_kind::isStatic;
using control_kind::style;

bool isInput(HWND window) { return isEdit(window) && !(style(window) & (ES_READONLY | ES_MULTILINE)); }

// A caption: a single-line read-only edit or static text (not a picture).
bool isCaption(HWND window) {
    if (isEdit(window)) return (style(window) & ES_READONLY) && !(style(window) & ES_MULTILINE);
    return isStatic(window) && (style(window) & SS_TYPEMASK) != SS_BITMAP;
}

caption_search::Control::Kind kindOf(HWND window) {
    if (isButton(window) && (style(window) & BS_TYPEMASK) == BS_GROUPBOX) return caption_search::Control::Kind::GroupBox;
    return isCaption(window) ? caption_search::Control::Kind::Caption : caption_search::Control::Kind::Other;
}

RECT rectIn(HWND dialog, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

void nameInputsByCaptions(HWND dialog) {
    IAccPropServices* service = services();
    if (!service) return;
    std::vector<HWND> children;
    std::vector<caption_search::Control> placed;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
        placed.push_back({rectIn(dialog, child), kindOf(child)});
    }
    for (std::size_t input = 0; input < children.size(); ++input) {
        if (!isInput(children[input])) continue;
        if (const std::optional<std::size_t> caption = caption_search::captionAbove(placed, input)) {
            service->SetHwndPropStr(children[input], static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                                    control_kind::text(children[*caption]).c_str());
        }
    }
}

void textChanged(HWND window) {
    if (isCaption(window)) nameInputsByCaptions(GetParent(window));
}

void exposeAsLink(HWND control, const std::wstring& name) {
    IAccPropServices* service = services();
    if (!service) return;
    VARIANT role{};
    role.vt = VT_I4;
    role.lVal = ROLE_SYSTEM_LINK;
    service->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_ROLE, role);
    service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, name.c_str());
}

}  // namespace accessible
