#include "windowing/resources.h"

#include "windowing/window.h"

namespace {

HINSTANCE theProgramModule = nullptr;

}  // namespace

void setProgramModule(HINSTANCE module) { theProgramModule = module; }
HINSTANCE programModule() { return theProgramModule; }

HICON LoadIconA(HINSTANCE module, LPCSTR name) {
    if (!module || !IS_INTRESOURCE(name)) return nullptr;
    return module->icon(static_cast<WORD>(reinterpret_cast<std::uintptr_t>(name)));
}

int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int size) {
    if (!module || !buffer || size <= 0) return 0;
    const std::string* text = module->string(id);
    return static_cast<int>(copyTextToBuffer(text ? *text : std::string(), static_cast<WPARAM>(size),
                                             reinterpret_cast<LPARAM>(buffer)));
}
