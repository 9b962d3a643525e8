#include "framework/cstring.h"

#include "framework/platform.h"
#include "numbers/printf_format.h"

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    m_text = numbers::formatPrintf(format, args);
}

BOOL CString::LoadStringA(UINT id) {
    std::optional<std::string> text = platform::LoadProgramString(id);
    m_text = text ? std::move(*text) : std::string();
    return text ? TRUE : FALSE;
}
