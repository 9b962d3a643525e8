#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "portable/hosted_description.h"
#include "windowing/window.h"

// A control of an outside class, created by its class identifier from the
// registry below. A dialog can only host one after the program has switched
// hosting on (as it must before such a dialog is first created). The class
// describes what it shows; a class that gives no description shows nothing.
class HostedControl : public Window {
public:
    HostedControl(const ControlTemplate& entry, HostedDescription description = {})
        : Window(ControlKind::Hosted, entry.id, entry.text, entry.style), m_classId(entry.classId),
          m_description(std::move(description)) {}

    const std::string& classId() const { return m_classId; }
    const HostedDescription& description() const { return m_description; }

private:
    std::string m_classId;
    HostedDescription m_description;
};

class HostedControlRegistry {
public:
    using Factory = std::function<std::unique_ptr<HostedControl>(const ControlTemplate&)>;

    static HostedControlRegistry& instance();

    void registerClass(const std::string& classId, Factory factory);
    void unregisterClass(const std::string& classId) { m_factories.erase(classId); }
    // A new control for the template entry, or null when hosting is off, no
    // class is registered under its identifier, or the class refuses the
    // entry's initial state.
    std::unique_ptr<HostedControl> create(const ControlTemplate& entry) const;

    void enableHosting() { m_hostingEnabled = true; }
    bool hostingEnabled() const { return m_hostingEnabled; }
    void reset() { m_hostingEnabled = false; }

private:
    std::map<std::string, Factory> m_factories;
    bool m_hostingEnabled = false;
};
