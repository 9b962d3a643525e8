#pragma once

#include <QFont>
#include <QWidget>

#include "portable/control_role.h"

class Window;

// Makes the widget that shows one control, placed at the control's rectangle
// and styled after its window styles. The widgets take no decisions: which
// button is the default, what is selected and where the focus is all come
// from the window system.
class ControlWidgets {
public:
    // `fixedFont` is for multi-line edits, whose numbers line up in columns.
    static QWidget* create(const Window& control, ControlRole role, QWidget* parent, const QFont& fixedFont);
    // Where the widget of `control` goes, in its dialog's client area.
    static QRect placement(const Window& control);
    // Puts the window system's text of a control into its widget, when it
    // shows something else.
    static void showText(QWidget* widget, const Window& control, ControlRole role);
};
