#include "display/qt/system_menu_popup.h"

#include <QKeySequence>

#include "display/qt/window_text.h"
#include "windowing/dialog_window.h"

void SystemMenuPopup::fill(QMenu& menu, const DialogWindow& dialog) {
    menu.clear();
    const Menu* systemMenu = dialog.systemMenuIfAny();
    if (!systemMenu || !(dialog.style() & WS_SYSMENU)) return;
    for (const Menu::Item& item : systemMenu->items()) {
        if (item.isSeparator()) {
            menu.addSeparator();
            continue;
        }
        // Qt reads "&x" as the mnemonic, as the platform's menus do. What
        // follows a tab is the entry's key: given as its shortcut, not as part
        // of the name that a screen reader says. It acts only in the open menu.
        const QString text = toQt(item.text);
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        QAction* action = menu.addAction(text.left(tab));
        if (tab >= 0) {
            action->setShortcut(QKeySequence::fromString(text.mid(tab + 1), QKeySequence::PortableText));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        action->setData(item.id);
    }
    updateEnabled(menu, dialog);
}

void SystemMenuPopup::updateEnabled(QMenu& menu, const DialogWindow& dialog) {
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator()) action->setEnabled(dialog.offersSystemCommand(commandOf(action)));
    }
}

UINT SystemMenuPopup::commandOf(const QAction* action) { return action ? action->data().toUInt() : 0; }
