#include "framework/cstring.h"

#include "framework/afx_globals.h"
#include "framework/printf_format.h"
#include "windowing/resources.h"

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    m_text = framework::formatPrintf(format, args);
}

BOOL CString::LoadStringA(UINT id) {
    HINSTANCE module = AfxGetResourceHandle();
    const std::string* text = module ? module->string(id) : nullptr;
    m_text = text ? *text : std::string();
    return text ? TRUE : FALSE;
}
