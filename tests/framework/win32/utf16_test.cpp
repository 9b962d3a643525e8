// Texts cross into Windows as UTF-16 and come back as UTF-8, unchanged.

#include "framework/win32/utf16.h"

#include <gtest/gtest.h>

TEST(Utf16, TextsComeBackUnchanged) {
    struct Row {
        const char* utf8;
        std::wstring utf16;
    };
    const Row rows[] = {
        {"", L""},
        {"&About resonix...", L"&About resonix..."},
        {"Gr\xC3\xB6\xC3\x9F" "e \xC2\xB5m", L"Gr\u00F6\u00DFe \u00B5m"},
        {"\xF0\x9F\x94\x97 link", L"\U0001F517 link"},  // outside the basic plane: a surrogate pair
    };
    for (const Row& row : rows) {
        EXPECT_EQ(toUtf16(row.utf8), row.utf16) << row.utf8;
        EXPECT_EQ(toUtf8(row.utf16), row.utf8) << row.utf8;
    }
}
