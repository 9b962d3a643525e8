#include "display/qt/caption_finder.h"

#include <optional>
#include <vector>

#include "display/qt/control_role.h"
#include "portable/caption_search.h"
#include "windowing/window.h"
#include "windowing/window_system.h"

namespace {

// The controls of the dialog that holds `control`, for the search, and their
// handles.
struct Siblings {
    std::vector<caption_search::Control> controls;
    std::vector<HWND> handles;
    std::optional<std::size_t> index;  // of `control`; none when it is in no dialog
};

caption_search::Control::Kind kindOf(const Window& window) {
    const ControlRole role = roleOf(window);
    if (role == ControlRole::GroupBox) return caption_search::Control::Kind::GroupBox;
    return isCaption(role) ? caption_search::Control::Kind::Caption : caption_search::Control::Kind::Other;
}

Siblings siblingsOf(HWND control) {
    const WindowSystem& system = WindowSystem::instance();
    const Window* window = system.find(control);
    const Window* dialog = window ? system.find(window->parent()) : nullptr;
    Siblings siblings;
    if (!dialog) return siblings;
    for (HWND sibling : dialog->children()) {
        const Window* found = system.find(sibling);
        if (!found) continue;
        if (sibling == control) siblings.index = siblings.controls.size();
        siblings.controls.push_back({found->rect(), kindOf(*found)});
        siblings.handles.push_back(sibling);
    }
    return siblings;
}

HWND handleAt(const Siblings& siblings, std::optional<std::size_t> index) { return index ? siblings.handles[*index] : nullptr; }

}  // namespace

HWND CaptionFinder::enclosingGroupBox(HWND control) {
    const Siblings siblings = siblingsOf(control);
    return siblings.index ? handleAt(siblings, caption_search::enclosingGroupBox(siblings.controls, *siblings.index)) : nullptr;
}

HWND CaptionFinder::captionAbove(HWND control) {
    const Siblings siblings = siblingsOf(control);
    return siblings.index ? handleAt(siblings, caption_search::captionAbove(siblings.controls, *siblings.index)) : nullptr;
}
