#pragma once

#include <string>
#include <string_view>

// The program holds its texts as UTF-8; Windows takes them as UTF-16.
std::wstring toUtf16(std::string_view text);
std::string toUtf8(std::wstring_view text);
