#include "portable/naming_plan.h"

#include <optional>

#include "portable/caption_search.h"
#include "portable/shown_text.h"

namespace naming_plan {

namespace {

// Buttons and group boxes always mark mnemonics; static texts unless told
// not to; edits and hosted controls show their text as it is.
bool marksMnemonics(const Control& control) {
    switch (control.role) {
    case ControlRole::PushButton:
    case ControlRole::GroupBox:
        return true;
    case ControlRole::Label:
    case ControlRole::Picture:
        return !(control.style & SS_NOPREFIX);
    default:
        return false;
    }
}

std::string trimmed(const std::string& text) {
    constexpr const char* kBlanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string spokenTextOf(const Control& control) { return trimmed(spokenText(control.text, marksMnemonics(control))); }

caption_search::Control::Kind searchKindOf(ControlRole role) {
    if (role == ControlRole::GroupBox) return caption_search::Control::Kind::GroupBox;
    return isCaption(role) ? caption_search::Control::Kind::Caption : caption_search::Control::Kind::Other;
}

}  // namespace

std::vector<Naming> plan(std::span<const Control> controls) {
    std::vector<caption_search::Control> placed;
    placed.reserve(controls.size());
    for (const Control& control : controls) placed.push_back({control.rect, searchKindOf(control.role)});
    const auto spokenAt = [&](std::optional<std::size_t> index) { return index ? spokenTextOf(controls[*index]) : std::string(); };

    std::vector<Naming> namings(controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& control = controls[i];
        Naming& naming = namings[i];
        switch (control.role) {
        case ControlRole::PushButton:
        case ControlRole::GroupBox:
        case ControlRole::Label:
        case ControlRole::CaptionEdit:
        case ControlRole::Hosted:
            naming.name = spokenTextOf(control);
            break;
        case ControlRole::Picture:
            naming.name = control.text.empty() ? "Picture" : spokenTextOf(control);
            break;
        case ControlRole::InputEdit:
        case ControlRole::TextArea:
        case ControlRole::ResultsField:
            naming.name = spokenAt(caption_search::captionAbove(placed, i));
            if (naming.name.empty()) naming.name = spokenAt(caption_search::enclosingGroupBox(placed, i));
            break;
        case ControlRole::ListBox: {
            const std::string caption = spokenAt(caption_search::captionAbove(placed, i));
            naming.name = spokenAt(caption_search::enclosingGroupBox(placed, i));
            if (naming.name.empty()) naming.name = caption;
            if (naming.name != caption) naming.description = caption;
            break;
        }
        }
    }
    return namings;
}

bool textCanName(ControlRole role) {
    return role != ControlRole::InputEdit && role != ControlRole::TextArea && role != ControlRole::ResultsField;
}

}  // namespace naming_plan
