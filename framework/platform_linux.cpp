// The class library's seam over the program's own window system.

#include "framework/platform.h"

#include <span>

#include "windowing/hosted_control.h"
#include "windowing/resources.h"

namespace platform {

void setProgramInstance(HINSTANCE instance) { setProgramModule(instance); }
HINSTANCE programInstance() { return programModule(); }

INT_PTR runDialog(UINT templateId, HWND owner, DialogProcedure procedure, LPARAM param) {
    HINSTANCE module = programInstance();
    const DialogTemplate* dialogTemplate = module ? module->dialog(static_cast<WORD>(templateId)) : nullptr;
    if (!dialogTemplate) return -1;
    // Controls of outside classes start from the state the template's
    // initialisation data gives them.
    const std::vector<BYTE>* dialogInit = module->dialogInit(static_cast<WORD>(templateId));
    return DialogBoxIndirectParamA(module, dialogTemplate, owner, procedure, param,
                                   dialogInit ? std::span<const BYTE>(*dialogInit) : std::span<const BYTE>());
}

std::optional<std::string> loadProgramString(UINT id) {
    HINSTANCE module = programInstance();
    const std::string* text = module ? module->string(id) : nullptr;
    if (!text) return std::nullopt;
    return *text;
}

void setWindowTextUtf8(HWND window, const char* text) { ::SetWindowTextA(window, text); }

std::string windowTextUtf8(HWND window) {
    const int length = ::GetWindowTextLengthA(window);
    std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(window, buffer.data(), length + 1);
    buffer.resize(static_cast<std::size_t>(copied));
    return buffer;
}

BOOL appendMenuUtf8(HMENU menu, UINT flags, UINT_PTR id, const char* text) { return ::AppendMenuA(menu, flags, id, text); }

LRESULT sendMessageUtf8(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(window, message, wParam, lParam);
}

std::string classIdText(REFCLSID classId) { return StringFromCLSID(classId); }

void enableControlHosting() { HostedControlRegistry::instance().enableHosting(); }

HWND createControlByClassId(const char* classId, const char* windowName, DWORD style, const RECT& rect, HWND parent, int id) {
    return createHostedControl(classId, windowName, style, rect, parent, id);
}

}  // namespace platform
