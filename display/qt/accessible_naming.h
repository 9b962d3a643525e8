#pragma once

#include <QPointer>
#include <vector>

#include "display/qt/shown_control.h"

class QWidget;

// Names a dialog's window and its controls for screen readers. A control
// that shows a text (a button, a group box, a label, a caption) is named by
// it; an edit or a list is named by the caption above it or the group box
// around it, as a sighted user reads the window.
class AccessibleNaming {
public:
    // `controls` are the dialog's controls on screen, kept up to date by its view.
    AccessibleNaming(HWND dialog, QWidget* surface, const std::vector<ShownControl>& controls);

    // Works out every name again.
    void nameAll();
    // The text of `window` changed.
    void textChanged(HWND window);

private:
    // Whether the text of `window` can be part of a control's name.
    bool textCanName(HWND window) const;

    HWND m_dialog;
    QPointer<QWidget> m_surface;
    const std::vector<ShownControl>& m_controls;
};
