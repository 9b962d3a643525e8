#pragma once

#include <optional>
#include <string>

// The window classes that controls of outside classes are made of on
// Windows, by class identifier ("{XXXXXXXX-...}").
namespace control_classes {

void add(const std::string& classId, const std::wstring& windowClass);
std::optional<std::wstring> find(const std::string& classId);

}  // namespace control_classes
