#include "portable/control_role.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Class names are ASCII: folding A-Z is all the case Windows ignores in them.
wchar_t folded(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool sameName(std::wstring_view a, std::wstring_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) { return folded(x) == folded(y); });
}

}  // namespace

ControlKind kindOfClass(std::wstring_view className) {
    constexpr std::array<std::pair<std::wstring_view, ControlKind>, 4> kStandard = {{
        {L"button", ControlKind::Button},
        {L"edit", ControlKind::Edit},
        {L"static", ControlKind::Static},
        {L"listbox", ControlKind::ListBox},
    }};
    for (const auto& [name, kind] : kStandard) {
        if (sameName(className, name)) return kind;
    }
    return ControlKind::Hosted;
}

ControlRole roleOf(ControlKind kind, DWORD style) {
    switch (kind) {
    case ControlKind::Button:
        return (style & BS_TYPEMASK) == BS_GROUPBOX ? ControlRole::GroupBox : ControlRole::PushButton;
    case ControlKind::Edit:
        if (style & ES_MULTILINE) return (style & ES_READONLY) ? ControlRole::ResultsField : ControlRole::TextArea;
        return (style & ES_READONLY) ? ControlRole::CaptionEdit : ControlRole::InputEdit;
    case ControlKind::Static:
        return (style & SS_TYPEMASK) == SS_BITMAP ? ControlRole::Picture : ControlRole::Label;
    case ControlKind::ListBox:
        return ControlRole::ListBox;
    case ControlKind::Hosted:
        return ControlRole::Hosted;
    case ControlKind::Dialog:
        break;
    }
    return ControlRole::Label;
}

bool isCaption(ControlRole role) { return role == ControlRole::Label || role == ControlRole::CaptionEdit; }
