#include "display/web/accessible_names.h"

#include <optional>

#include "display/qt/control_role.h"
#include "display/qt/shown_text.h"
#include "portable/caption_search.h"
#include "windowing/static_control.h"
#include "windowing/window_system.h"

namespace {

caption_search::Control::Kind searchKindOf(ControlRole role) {
    if (role == ControlRole::GroupBox) return caption_search::Control::Kind::GroupBox;
    return isCaption(role) ? caption_search::Control::Kind::Caption : caption_search::Control::Kind::Other;
}

// A control's text as a screen reader should say it.
std::string spokenTextOf(const Window* window) {
    if (!window) return {};
    bool showsPrefix = window->kind() == ControlKind::Button;
    if (window->kind() == ControlKind::Static) showsPrefix = static_cast<const StaticControl*>(window)->showsPrefix();
    const std::string text = spokenText(window->text(), showsPrefix);
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::vector<AccessibleName> accessibleNames(HWND dialog) {
    const WindowSystem& system = WindowSystem::instance();
    const Window* window = system.find(dialog);
    if (!window) return {};
    std::vector<const Window*> controls;
    std::vector<ControlRole> roles;
    std::vector<caption_search::Control> searched;
    for (HWND child : window->children()) {
        const Window* control = system.find(child);
        if (!control) continue;
        controls.push_back(control);
        roles.push_back(roleOf(*control));
        searched.push_back({control->rect(), searchKindOf(roles.back())});
    }
    const auto textAt = [&](std::optional<std::size_t> index) { return index ? spokenTextOf(controls[*index]) : std::string(); };

    std::vector<AccessibleName> names;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        AccessibleName named{controls[i]->handle(), {}, {}};
        switch (roles[i]) {
        case ControlRole::PushButton:
        case ControlRole::GroupBox:
        case ControlRole::Label:
        case ControlRole::CaptionEdit:
        case ControlRole::Hosted:
            named.name = spokenTextOf(controls[i]);
            break;
        case ControlRole::Picture:
            named.name = controls[i]->text().empty() ? "Picture" : spokenTextOf(controls[i]);
            break;
        case ControlRole::InputEdit:
        case ControlRole::TextArea:
        case ControlRole::ResultsField:
            named.name = textAt(caption_search::captionAbove(searched, i));
            if (named.name.empty()) named.name = textAt(caption_search::enclosingGroupBox(searched, i));
            break;
        case ControlRole::ListBox: {
            const std::string caption = textAt(caption_search::captionAbove(searched, i));
            named.name = textAt(caption_search::enclosingGroupBox(searched, i));
            if (named.name.empty()) named.name = caption;
            if (named.name != caption) named.description = caption;
            break;
        }
        }
        names.push_back(std::move(named));
    }
    return names;
}

bool textCanName(HWND window) {
    const Window* found = WindowSystem::instance().find(window);
    if (!found || found->isDialog()) return found != nullptr;
    switch (roleOf(*found)) {
    case ControlRole::InputEdit:
    case ControlRole::TextArea:
    case ControlRole::ResultsField:
        return false;
    default:
        return true;
    }
}
