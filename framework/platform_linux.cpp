// The class library's seam over the program's own window system.

#include "framework/platform.h"

#include <span>

#include "windowing/hosted_control.h"
#include "windowing/resources.h"

namespace platform {

void SetProgramInstance(HINSTANCE instance) { SetProgramModule(instance); }
HINSTANCE ProgramInstance() { return GetProgramModule(); }

INT_PTR RunDialog(UINT templateId, HWND owner, DialogProcedure procedure, LPARAM param) {
    HINSTANCE module = ProgramInstance();
    const DialogTemplate* dialogTemplate = module ? module->dialog(static_cast<WORD>(templateId)) : nullptr;
    if (!dialogTemplate) return -1;
    // Controls of outside classes start from the state the template's
    // initialisation data gives them.
    const std::vector<BYTE>* dialogInit = module->dialogInit(static_cast<WORD>(templateId));
    return DialogBoxIndirectParamA(module, dialogTemplate, owner, procedure, param,
                                   dialogInit ? std::span<const BYTE>(*dialogInit) : std::span<const BYTE>());
}

std::optional<std::string> LoadProgramString(UINT id) {
    HINSTANCE module = ProgramInstance();
    const std::string* text = module ? module->string(id) : nullptr;
    if (!text) return std::nullopt;
    return *text;
}

void SetWindowTextUtf8(HWND window, const char* text) { ::SetWindowTextA(window, text); }

std::string WindowTextUtf8(HWND window) {
    const int length = ::GetWindowTextLengthA(window);
    std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(window, buffer.data(), length + 1);
    buffer.resize(static_cast<std::size_t>(copied));
    return buffer;
}

BOOL AppendMenuUtf8(HMENU menu, UINT flags, UINT_PTR id, const char* text) { return ::AppendMenuA(menu, flags, id, text); }

LRESULT SendMessageUtf8(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(window, message, wParam, lParam);
}

std::string ClassIdText(REFCLSID classId) { return StringFromCLSID(classId); }

void EnableControlHosting() { HostedControlRegistry::instance().enableHosting(); }

HWND CreateControlByClassId(const char* classId, const char* windowName, DWORD style, const RECT& rect, HWND parent, int id) {
    return CreateHostedControl(classId, windowName, style, rect, parent, id);
}

}  // namespace platform
