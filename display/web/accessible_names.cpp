#include "display/web/accessible_names.h"

#include "portable/control_role.h"
#include "portable/naming_plan.h"
#include "windowing/window.h"
#include "windowing/window_system.h"

std::vector<AccessibleName> accessibleNames(HWND dialog) {
    const WindowSystem& system = WindowSystem::instance();
    const Window* window = system.find(dialog);
    if (!window) return {};
    std::vector<naming_plan::Control> controls;
    std::vector<HWND> handles;
    for (HWND child : window->children()) {
        const Window* control = system.find(child);
        if (!control) continue;
        controls.push_back({control->rect(), roleOf(control->kind(), control->style()), control->style(), control->text()});
        handles.push_back(child);
    }
    const std::vector<naming_plan::Naming> namings = naming_plan::plan(controls);
    std::vector<AccessibleName> names;
    names.reserve(namings.size());
    for (std::size_t i = 0; i < namings.size(); ++i) names.push_back({handles[i], namings[i].name, namings[i].description});
    return names;
}

bool textCanName(HWND window) {
    const Window* found = WindowSystem::instance().find(window);
    if (!found || found->isDialog()) return found != nullptr;
    return naming_plan::textCanName(roleOf(found->kind(), found->style()));
}
