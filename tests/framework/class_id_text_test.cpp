// A class id spelt as Windows registers it: every digit, leading zeros kept,
// upper case, and nothing cut. Worked by hand, and held on Linux against the
// window system's StringFromCLSID as on Windows against the system's own.

#include "framework/platform.h"

#include <gtest/gtest.h>

TEST(ClassIdText, SpeltAsWindowsSpellsIt) {
    const struct {
        CLSID id;
        const char* text;
    } rows[] = {
        {{0x3C9FDFB1, 0xC3F1, 0x11D1, {0x82, 0xB4, 0xEB, 0x3D, 0x09, 0x93, 0x15, 0x51}}, "{3C9FDFB1-C3F1-11D1-82B4-EB3D09931551}"},
        {{0x0000000A, 0x00B0, 0x0C00, {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0xEF}}, "{0000000A-00B0-0C00-0001-0203040506EF}"},
    };
    for (const auto& row : rows) EXPECT_EQ(platform::classIdText(row.id), row.text);
}
