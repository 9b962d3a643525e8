#include "display/web/results_announcer.h"

#include <string_view>
#include <utility>

#include "portable/control_role.h"
#include "windowing/window.h"
#include "display/web/page.h"
#include "windowing/window_system.h"

namespace {

// A line's words, with single blanks between them.
std::string simplified(std::string_view line) {
    std::string words;
    std::size_t at = 0;
    while (true) {
        at = line.find_first_not_of(" \t", at);
        if (at == std::string_view::npos) break;
        const std::size_t end = std::min(line.find_first_of(" \t", at), line.size());
        if (!words.empty()) words += ' ';
        words.append(line.substr(at, end - at));
        at = end;
    }
    return words;
}

}  // namespace

ResultsAnnouncer::ResultsAnnouncer(HWND dialog, std::function<std::string(HWND)> nameOf)
    : m_dialog(dialog), m_nameOf(std::move(nameOf)) {}

bool ResultsAnnouncer::showsResults(HWND window) const {
    const Window* found = WindowSystem::instance().find(window);
    return found && found->parent() == m_dialog && roleOf(found->kind(), found->style()) == ControlRole::ResultsField;
}

void ResultsAnnouncer::changed(HWND window, Change change) {
    if ((change != Change::Text && change != Change::Visibility) || !showsResults(window)) return;
    // Calculate blanks the results before it writes them: the same results
    // again are said again.
    if (!showsAny()) m_announced.clear();
    m_pending = true;
}

bool ResultsAnnouncer::showsAny() const {
    const WindowSystem& system = WindowSystem::instance();
    const Window* dialog = system.find(m_dialog);
    if (!dialog) return false;
    for (HWND child : dialog->children()) {
        const Window* window = system.find(child);
        if (window && window->visible() && roleOf(window->kind(), window->style()) == ControlRole::ResultsField &&
            window->text().find_first_not_of(" \t\r\n") != std::string::npos) {
            return true;
        }
    }
    return false;
}

void ResultsAnnouncer::flush() {
    if (!m_pending) return;
    m_pending = false;
    const std::string said = summary();
    if (said.empty() || said == m_announced) return;
    m_announced = said;
    pageAnnounce(said.c_str());
}

std::string ResultsAnnouncer::summary() const {
    const WindowSystem& system = WindowSystem::instance();
    const Window* dialog = system.find(m_dialog);
    if (!dialog) return {};
    std::string parts;
    for (HWND child : dialog->children()) {
        const Window* window = system.find(child);
        if (!window || !window->visible() || roleOf(window->kind(), window->style()) != ControlRole::ResultsField) continue;
        std::string lines;
        std::string_view rest = window->text();
        while (true) {
            const std::size_t end = rest.find("\r\n");
            const std::string words = simplified(rest.substr(0, end));
            if (!words.empty()) lines += (lines.empty() ? "" : ", ") + words;
            if (end == std::string_view::npos) break;
            rest.remove_prefix(end + 2);
        }
        if (lines.empty()) continue;
        const std::string name = m_nameOf(child);
        parts += (parts.empty() ? "" : ". ") + (name.empty() ? lines : name + ": " + lines);
    }
    return parts;
}
