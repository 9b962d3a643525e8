#pragma once

#include <string>

#include "portable/win_types.h"

// What a display learns of the windows it mirrors. The window system decides
// everything; a display puts the state on screen and reports raw user input
// back through WindowSystem's user* calls.
enum class Change {
    Text,        // a window's text (a dialog's caption)
    Visibility,  // shown or hidden
    Enabled,     // enabled or disabled
    Items,       // a list box's items (and with them its selection)
    Selection,   // a list box's selected item
    Focus,       // the keyboard focus moved to this window
    Icon,        // a dialog's icons
    Menu,        // a dialog's system menu
    Placement,   // minimised, maximised, restored or moved
    Painted,     // the window painted itself (see DialogWindow::lastPaint)
};

struct BaseUnits {
    int cx = 8;   // average character width of the dialog font, in pixels
    int cy = 16;  // character height of the dialog font, in pixels
};

class WindowDisplay {
public:
    virtual ~WindowDisplay() = default;

    // A dialog and all its controls exist and the dialog is about to be shown.
    virtual void windowCreated(HWND dialog) = 0;
    // A dialog is about to be destroyed, with its controls.
    virtual void windowDestroyed(HWND dialog) = 0;
    virtual void windowChanged(HWND window, Change change) = 0;

    // Feeds user input to the window system until the modal run of `dialog`
    // has ended (WindowSystem::modalRunEnded). Returns false when no more input
    // will come (the display is closing, or a script has run out); the window
    // system then abandons every modal run.
    virtual bool runModalLoop(HWND dialog) = 0;
    // EndDialog was called for `dialog`: a waiting loop may return.
    virtual void modalRunEnding(HWND dialog) = 0;

    // System commands that only the desktop can carry out.
    virtual void beginMoveOrSize(HWND, UINT /*command*/) {}
    // Opens a web address in the desktop's browser.
    virtual void openAddress(const std::string& /*address*/) {}

    virtual BaseUnits dialogBaseUnits() const { return {}; }
    virtual POINT screenSize() const { return {1024, 768}; }
};
