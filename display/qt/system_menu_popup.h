#pragma once

#include <QMenu>

#include "portable/win_types.h"

class DialogWindow;

// A dialog's system menu as a Qt menu: the desktop of Linux has no system
// menu of the program's own, so the dialog offers it as the context menu of
// its background and on Alt+Space. Each action carries its command id.
class SystemMenuPopup {
public:
    // Replaces the actions of `menu` by the entries of the dialog's system menu.
    static void fill(QMenu& menu, const DialogWindow& dialog);
    // Greys the entries that cannot apply now, as the platform does: Restore
    // while neither minimised nor maximised, and so on.
    static void updateEnabled(QMenu& menu, const DialogWindow& dialog);
    static UINT commandOf(const QAction* action);
};
