#pragma once

#include "portable/win_types.h"

// Finds the texts that name a control for a screen reader, from where the
// controls sit in their dialog (caption_search, which Windows shares).
class CaptionFinder {
public:
    // The group box whose frame holds the centre of `control`: the smallest
    // such, or null.
    static HWND enclosingGroupBox(HWND control);
    // The caption shown above `control`: the nearest label or caption edit
    // that ends above the control's middle, overlaps it horizontally and sits
    // in the same group box; null when there is none.
    static HWND captionAbove(HWND control);
};
