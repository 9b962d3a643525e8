// What a control is, from the class its window was made of (named in any
// case, as Windows compares class names) and its style.

#include <gtest/gtest.h>

#include "portable/control_role.h"

namespace {

TEST(ControlRole, ReadFromTheWindowClassAndStyle) {
    constexpr DWORD kCheckBox = 0x3;
    constexpr DWORD kRightAligned = 0x2;
    struct Row {
        const wchar_t* windowClass;
        DWORD style;
        ControlRole role;
    };
    const Row rows[] = {
        {L"Button", BS_PUSHBUTTON, ControlRole::PushButton},
        {L"BUTTON", BS_DEFPUSHBUTTON, ControlRole::PushButton},
        {L"button", kCheckBox, ControlRole::PushButton},
        {L"bUTTON", BS_GROUPBOX, ControlRole::GroupBox},
        {L"Static", SS_LEFT, ControlRole::Label},
        {L"STATIC", kRightAligned, ControlRole::Label},
        {L"static", SS_BITMAP | SS_NOPREFIX, ControlRole::Picture},
        {L"Edit", ES_AUTOHSCROLL, ControlRole::InputEdit},
        {L"EDIT", ES_READONLY | ES_AUTOHSCROLL, ControlRole::CaptionEdit},
        {L"edit", ES_MULTILINE, ControlRole::TextArea},
        {L"eDIT", ES_MULTILINE | ES_READONLY, ControlRole::ResultsField},
        {L"ListBox", LBS_NOTIFY, ControlRole::ListBox},
        {L"LISTBOX", 0, ControlRole::ListBox},
        {L"ResonixWebLink", 0, ControlRole::Hosted},
        {L"Edit2", ES_READONLY, ControlRole::Hosted},
        {L"Edi", 0, ControlRole::Hosted},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(roleOf(kindOfClass(row.windowClass), row.style), row.role)
            << std::wstring(row.windowClass).size() << "-letter class, style " << row.style << ", row " << (&row - rows);
    }
}

}  // namespace
