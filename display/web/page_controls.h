#pragma once

#include "portable/control_role.h"
#include "windowing/window.h"

// Puts one control on the page: the HTML control that shows it, placed at the
// control's rectangle and styled after its window styles. The page takes no
// decisions: which button is the default, what is selected and where the
// focus is all come from the window system.
class PageControls {
public:
    static void add(HWND dialog, const Window& control, ControlRole role);
    // Puts the window system's text of a control on the page.
    static void showText(const Window& control, ControlRole role);
};
