// The kind of a control, read from real windows of each class, whatever the
// case its class was named in: Windows matches class names so, and gives
// them back in its own spelling ("Edit" for "EDIT").

#include "framework/win32/control_kind.h"

#include <gtest/gtest.h>

TEST(ControlKind, ReadFromRealWindowsOfEachClass) {
    struct Row {
        const wchar_t* windowClass;
        bool edit, label, list;
    };
    const Row rows[] = {
        {L"EDIT", true, false, false},    {L"Edit", true, false, false},    {L"edit", true, false, false},
        {L"STATIC", false, true, false},  {L"Static", false, true, false},  {L"sTATIC", false, true, false},
        {L"LISTBOX", false, false, true}, {L"ListBox", false, false, true}, {L"listbox", false, false, true},
        {L"BUTTON", false, false, false}, {L"ScrollBar", false, false, false},
    };
    for (const Row& row : rows) {
        // Message-only windows: real controls of the class, with nothing on the screen.
        HWND window = CreateWindowExW(0, row.windowClass, L"Mass", ES_READONLY, 0, 0, 80, 20, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr) << row.windowClass;
        EXPECT_EQ(control_kind::isEdit(window), row.edit) << row.windowClass;
        EXPECT_EQ(control_kind::isStatic(window), row.label) << row.windowClass;
        EXPECT_EQ(control_kind::isListBox(window), row.list) << row.windowClass;
        EXPECT_EQ(control_kind::text(window), L"Mass") << row.windowClass;
        EXPECT_EQ(control_kind::style(window) & ES_READONLY, ES_READONLY) << row.windowClass;
        DestroyWindow(window);
    }
}
