#pragma once

#include <QPointer>
#include <vector>

#include "display/qt/shown_control.h"

class QWidget;

// Names a dialog's window by its title and its controls as the naming plan
// says (naming_plan, which Windows applies too): this only gathers the
// controls and sets what the plan gives them.
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
