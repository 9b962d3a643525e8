#include "framework/cstring.h"

#include <cstdio>
#include <vector>

#include "framework/platform.h"

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length < 0) {
        m_text.clear();
        return;
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    m_text.assign(buffer.data(), static_cast<std::size_t>(length));
}

BOOL CString::LoadStringA(UINT id) {
    std::optional<std::string> text = platform::LoadProgramString(id);
    m_text = text ? std::move(*text) : std::string();
    return text ? TRUE : FALSE;
}
