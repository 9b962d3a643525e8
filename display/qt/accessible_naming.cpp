#include "display/qt/accessible_naming.h"

#include <QWidget>
#include <algorithm>

#include "display/qt/window_text.h"
#include "portable/naming_plan.h"
#include "windowing/window.h"
#include "windowing/window_system.h"

AccessibleNaming::AccessibleNaming(HWND dialog, QWidget* surface, const std::vector<ShownControl>& controls)
    : m_dialog(dialog), m_surface(surface), m_controls(controls) {}

void AccessibleNaming::textChanged(HWND window) {
    // Working the names out again looks at every pair of controls: only for
    // a text that can be a name.
    if (textCanName(window)) nameAll();
}

bool AccessibleNaming::textCanName(HWND window) const {
    if (window == m_dialog) return true;
    const auto control = std::find_if(m_controls.begin(), m_controls.end(), [window](const ShownControl& c) { return c.handle == window; });
    return control != m_controls.end() && naming_plan::textCanName(control->role);
}

void AccessibleNaming::nameAll() {
    if (!m_surface) return;
    // Setting a name reports a change even when it is the same; a screen
    // reader would announce the window again.
    if (m_surface->accessibleName() != m_surface->windowTitle()) m_surface->setAccessibleName(m_surface->windowTitle());
    std::vector<naming_plan::Control> controls;
    std::vector<QWidget*> widgets;
    for (const ShownControl& control : m_controls) {
        const Window* window = WindowSystem::instance().find(control.handle);
        if (!window) continue;
        controls.push_back({window->rect(), control.role, window->style(), window->text()});
        widgets.push_back(control.widget);
    }
    const std::vector<naming_plan::Naming> namings = naming_plan::plan(controls);
    for (std::size_t i = 0; i < namings.size(); ++i) {
        const QString name = toQt(namings[i].name);
        const QString description = toQt(namings[i].description);
        if (widgets[i]->accessibleName() != name) widgets[i]->setAccessibleName(name);
        if (widgets[i]->accessibleDescription() != description) widgets[i]->setAccessibleDescription(description);
    }
}
