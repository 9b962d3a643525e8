#include "display/qt/accessible_naming.h"

#include <QWidget>
#include <algorithm>

#include "display/qt/caption_finder.h"
#include "display/qt/shown_text.h"
#include "display/qt/window_text.h"
#include "windowing/static_control.h"
#include "windowing/window_system.h"

namespace {

// A control's text as a screen reader should say it.
QString spokenTextOf(HWND handle) {
    const Window* window = WindowSystem::instance().find(handle);
    if (!window) return {};
    bool showsPrefix = window->kind() == ControlKind::Button;
    if (window->kind() == ControlKind::Static) showsPrefix = static_cast<const StaticControl*>(window)->showsPrefix();
    return toQt(spokenText(window->text(), showsPrefix)).trimmed();
}

}  // namespace

AccessibleNaming::AccessibleNaming(HWND dialog, QWidget* surface, const std::vector<ShownControl>& controls)
    : m_dialog(dialog), m_surface(surface), m_controls(controls) {}

void AccessibleNaming::textChanged(HWND window) {
    // Working the names out again looks at every pair of controls: only for
    // a text that can be a name, never for a typed value or a result, which
    // Calculate writes many times over.
    if (textCanName(window)) nameAll();
}

bool AccessibleNaming::textCanName(HWND window) const {
    if (window == m_dialog) return true;
    const auto control = std::find_if(m_controls.begin(), m_controls.end(), [window](const ShownControl& c) { return c.handle == window; });
    if (control == m_controls.end()) return false;
    switch (control->role) {
    case ControlRole::InputEdit:
    case ControlRole::TextArea:
    case ControlRole::ResultsField:
        return false;
    default:
        return true;
    }
}

void AccessibleNaming::nameAll() {
    if (!m_surface) return;
    // Setting a name reports a change even when it is the same; a screen
    // reader would announce the window again.
    if (m_surface->accessibleName() != m_surface->windowTitle()) m_surface->setAccessibleName(m_surface->windowTitle());
    for (const ShownControl& control : m_controls) {
        const Window* window = WindowSystem::instance().find(control.handle);
        if (!window) continue;
        QString name;
        QString description;
        // Only edits and lists are named by what lies around them.
        const auto groupCaption = [&] { return spokenTextOf(CaptionFinder::enclosingGroupBox(control.handle)); };
        const auto captionAbove = [&] { return spokenTextOf(CaptionFinder::captionAbove(control.handle)); };
        switch (control.role) {
        case ControlRole::PushButton:
        case ControlRole::GroupBox:
        case ControlRole::Label:
        case ControlRole::CaptionEdit:
        case ControlRole::Hosted:
            name = spokenTextOf(control.handle);
            break;
        case ControlRole::Picture:
            name = window->text().empty() ? QStringLiteral("Picture") : spokenTextOf(control.handle);
            break;
        case ControlRole::InputEdit:
        case ControlRole::TextArea:
        case ControlRole::ResultsField:
            name = captionAbove();
            if (name.isEmpty()) name = groupCaption();
            break;
        case ControlRole::ListBox: {
            const QString caption = captionAbove();
            name = groupCaption();
            if (name.isEmpty()) name = caption;
            if (name != caption) description = caption;
            break;
        }
        }
        if (control.widget->accessibleName() != name) control.widget->setAccessibleName(name);
        if (control.widget->accessibleDescription() != description) control.widget->setAccessibleDescription(description);
    }
}
