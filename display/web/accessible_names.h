#pragma once

#include <string>
#include <vector>

#include "portable/win_types.h"

// The names a screen reader gives a dialog's controls: the naming plan that
// the Qt display and Windows apply too (portable/naming_plan), given the
// window system's controls.
struct AccessibleName {
    HWND control = nullptr;
    std::string name;
    std::string description;
};

std::vector<AccessibleName> accessibleNames(HWND dialog);
// Whether the text of `window` can be part of a name: worked out again for
// those only, never for a typed value or a result, which Calculate writes
// many times over.
bool textCanName(HWND window);
