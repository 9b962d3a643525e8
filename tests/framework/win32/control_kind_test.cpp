// What a control is, read from real windows of each class, whatever the case
// its class was named in: Windows matches class names so, and gives them back
// in its own spelling ("Edit" for "EDIT").

#include "framework/win32/control_kind.h"

#include <gtest/gtest.h>

TEST(ControlKind, ReadFromRealWindowsOfEachClass) {
    struct Row {
        const wchar_t* windowClass;
        DWORD style;
        ControlRole role;
    };
    const Row rows[] = {
        {L"EDIT", ES_READONLY, ControlRole::CaptionEdit},     {L"edit", 0, ControlRole::InputEdit},
        {L"Edit", ES_MULTILINE | ES_READONLY, ControlRole::ResultsField},
        {L"STATIC", SS_LEFT, ControlRole::Label},             {L"sTATIC", SS_BITMAP, ControlRole::Picture},
        {L"LISTBOX", 0, ControlRole::ListBox},                {L"listbox", 0, ControlRole::ListBox},
        {L"BUTTON", BS_GROUPBOX, ControlRole::GroupBox},      {L"button", BS_PUSHBUTTON, ControlRole::PushButton},
        {L"ScrollBar", 0, ControlRole::Hosted},
    };
    for (const Row& row : rows) {
        // Message-only windows: real controls of the class, with nothing on the screen.
        HWND window = CreateWindowExW(0, row.windowClass, L"Mass", row.style, 0, 0, 80, 20, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr) << row.windowClass;
        EXPECT_EQ(control_kind::roleOf(window), row.role) << row.windowClass;
        EXPECT_EQ(control_kind::text(window), L"Mass") << row.windowClass;
        DestroyWindow(window);
    }
}
