#include "framework/win32/accessible_names.h"

#include <objbase.h>

// The property GUIDs are defined here, in the one file that uses them.
#include <initguid.h>

#include <oleacc.h>

#include <vector>

#include "framework/win32/control_kind.h"
#include "framework/win32/utf16.h"
#include "portable/naming_plan.h"

namespace accessible {

namespace {

// Windows' accessibility property service; it does nothing where there is none.
class SystemService final : public PropertyService {
public:
    void setText(HWND control, TextProperty property, const std::wstring& text) override {
        if (IAccPropServices* service = services()) {
            service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                    property == TextProperty::Name ? PROPID_ACC_NAME : PROPID_ACC_DESCRIPTION, text.c_str());
        }
    }

    void setRole(HWND control, LONG role) override {
        if (IAccPropServices* service = services()) {
            VARIANT value{};
            value.vt = VT_I4;
            value.lVal = role;
            service->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_ROLE, value);
        }
    }

private:
    static IAccPropServices* services() {
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
};

PropertyService* standIn = nullptr;

PropertyService& service() {
    static SystemService system;
    return standIn ? *standIn : system;
}

RECT rectIn(HWND dialog, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

void usePropertyService(PropertyService* service) { standIn = service; }

void nameControls(HWND dialog) {
    std::vector<HWND> children;
    std::vector<naming_plan::Control> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
        controls.push_back({rectIn(dialog, child), control_kind::roleOf(child), static_cast<DWORD>(control_kind::style(child)),
                            toUtf8(control_kind::text(child))});
    }
    const std::vector<naming_plan::Naming> namings = naming_plan::plan(controls);
    for (std::size_t i = 0; i < children.size(); ++i) {
        service().setText(children[i], TextProperty::Name, toUtf16(namings[i].name));
        service().setText(children[i], TextProperty::Description, toUtf16(namings[i].description));
    }
}

void textChanged(HWND window) {
    if ((control_kind::style(window) & WS_CHILD) && naming_plan::textCanName(control_kind::roleOf(window))) {
        nameControls(GetParent(window));
    }
}

void exposeAsLink(HWND control) { service().setRole(control, ROLE_SYSTEM_LINK); }

}  // namespace accessible
