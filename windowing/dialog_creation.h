#pragma once

#include <span>

#include "portable/dialog_template.h"
#include "windowing/dialog_window.h"
#include "portable/win_types.h"

// Creates a dialog from its template, hidden, with all its controls in
// template order, placed in pixels from dialog units by the display's dialog
// base units; a template at (0, 0) is centred on the screen. Hosted controls
// take their initial state from `dialogInit` (RT_DLGINIT). Null when a
// control cannot be created (a hosted class that is missing or refuses its
// initial state) or the initialisation data is malformed.
HWND createDialogFromTemplate(HINSTANCE module, const DialogTemplate& dialogTemplate, std::span<const BYTE> dialogInit, HWND owner,
                              DLGPROC procedure);
