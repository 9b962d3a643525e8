#include "windowing/hosted_control.h"

HostedControlRegistry& HostedControlRegistry::instance() {
    static HostedControlRegistry registry;
    return registry;
}

void HostedControlRegistry::registerClass(const std::string& classId, Factory factory) {
    m_factories[classId] = std::move(factory);
}

std::unique_ptr<HostedControl> HostedControlRegistry::create(const ControlTemplate& entry) const {
    if (!m_hostingEnabled) return nullptr;
    const auto found = m_factories.find(entry.classId);
    if (found == m_factories.end()) return nullptr;
    return found->second(entry);
}
