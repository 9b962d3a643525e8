#pragma once

#include <string>
#include <vector>

#include "portable/win_types.h"

// The names a screen reader gives a dialog's controls. A control that shows
// a text (a button, a group box, a label, a caption, a link) is named by it;
// an edit or a list is named by the caption above it or the group box around
// it, as a sighted user reads the window; a list in a group box is named by
// the group and described by the caption above it. Worked out from the
// window system's controls alone, through portable/caption_search.
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
