#pragma once

#include <string>

#include "portable/win_types.h"

// The text class the application is written with: a byte string with
// printf-style formatting. The formatting is the program's own
// (numbers/printf_format.h, which lists what it supports), so numbers print
// the same on every platform and in every locale.
class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}  // NOLINT: implicit, as the platform's
    CString(std::string text) : m_text(std::move(text)) {}   // NOLINT

    // Replaces the text with the printf-style formatting of the arguments.
    void Format(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    // Loads string resource `id` of the program; FALSE (and an empty text)
    // when there is no such string.
    BOOL LoadStringA(UINT id);

    bool IsEmpty() const { return m_text.empty(); }

    operator const char*() const { return m_text.c_str(); }  // NOLINT: as the platform's
    const std::string& str() const { return m_text; }

    CString& operator=(const char* text) { m_text = text ? text : ""; return *this; }
    bool operator==(const CString& other) const = default;
    bool operator==(const char* other) const { return m_text == (other ? other : ""); }

private:
    std::string m_text;
};
