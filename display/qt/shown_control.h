#pragma once

#include "portable/control_role.h"
#include "portable/win_types.h"

class QWidget;

// One control of a dialog on screen: the window system's handle, what the
// control is, and the widget that shows it.
struct ShownControl {
    HWND handle;
    ControlRole role;
    QWidget* widget;
};
