#include "framework/cstring.h"

#include <cstdarg>

#include "framework/platform.h"
#include "numbers/printf_format.h"

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    m_text = numbers::formatPrintf(format, args);
    va_end(args);
}

BOOL CString::LoadStringA(UINT id) {
    std::optional<std::string> text = platform::loadProgramString(id);
    m_text = text ? std::move(*text) : std::string();
    return text ? TRUE : FALSE;
}
