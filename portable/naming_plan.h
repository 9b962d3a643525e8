#pragma once

#include <span>
#include <string>
#include <vector>

#include "portable/control_role.h"
#include "portable/win_types.h"

// What a screen reader says for each control of one dialog, besides its
// role: one plan that the Linux display and Windows both apply, so that a
// user hears the same on either. A control that shows a text (a button, a
// group box, a label, a caption, a hosted control) is named by it; an edit
// or a results field by the caption above it, else by its group box; a list
// by its group box, with the caption above it as the description (by the
// caption when no group box holds it), as a sighted user reads the window.
namespace naming_plan {

// One control of the dialog, as its platform holds it.
struct Control {
    RECT rect{};  // in the dialog's client area
    ControlRole role = ControlRole::Label;
    DWORD style = 0;   // says whether "&" marks a mnemonic in its text
    std::string text;  // UTF-8
};

struct Naming {
    std::string name;
    std::string description;
    bool operator==(const Naming&) const = default;
};

// The naming of each of `controls`, in their order.
std::vector<Naming> plan(std::span<const Control> controls);

// Whether the text of a control of `role` can be part of a name: the plan
// needs working out again only when such a text changes, never for a typed
// value or a result, which Calculate writes many times over.
bool textCanName(ControlRole role);

}  // namespace naming_plan
