#include "display/qt/results_announcer.h"

#include <QAccessible>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "display/qt/announcement.h"
#include "display/qt/window_text.h"
#include "windowing/window.h"
#include "windowing/window_system.h"

ResultsAnnouncer::ResultsAnnouncer(QWidget* surface, const std::vector<ShownControl>& controls)
    : m_surface(surface), m_controls(controls) {}

ResultsAnnouncer::~ResultsAnnouncer() { delete m_announcement.data(); }

bool ResultsAnnouncer::showsResults(HWND window) const {
    return std::any_of(m_controls.begin(), m_controls.end(), [window](const ShownControl& control) {
        return control.handle == window && control.role == ControlRole::ResultsField;
    });
}

void ResultsAnnouncer::changed(HWND window, Change change) {
    if ((change != Change::Text && change != Change::Visibility) || !showsResults(window)) return;
    // Nobody to say it to: showing the announcement costs a Calculate a
    // fifth of its time.
    if (!QAccessible::isActive()) {
        m_announced.clear();
        return;
    }
    // Calculate blanks the results before it writes them: the same results
    // again are said again.
    if (summary().isEmpty()) m_announced.clear();
    if (m_pending) return;
    // Once the program has written everything, after its many writes.
    m_pending = true;
    QTimer::singleShot(0, &m_context, [this] { announce(); });
}

void ResultsAnnouncer::announce() {
    m_pending = false;
    const QString said = summary();
    if (said.isEmpty() || said == m_announced || !m_surface) return;
    m_announced = said;
    if (!m_announcement) m_announcement = new Announcement(m_surface);
    m_announcement->say(said);
}

QString ResultsAnnouncer::summary() const {
    QStringList parts;
    for (const ShownControl& control : m_controls) {
        const Window* window = WindowSystem::instance().find(control.handle);
        if (control.role != ControlRole::ResultsField || !window || !window->visible()) continue;
        QStringList lines;
        for (const QString& line : toQt(window->text()).split(QStringLiteral("\r\n"))) {
            const QString words = line.simplified();
            if (!words.isEmpty()) lines.append(words);
        }
        if (lines.isEmpty()) continue;
        const QString name = control.widget->accessibleName();
        parts.append(name.isEmpty() ? lines.join(QStringLiteral(", ")) : name + QStringLiteral(": ") + lines.join(QStringLiteral(", ")));
    }
    return parts.join(QStringLiteral(". "));
}
