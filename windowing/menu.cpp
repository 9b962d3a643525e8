#include "windowing/menu.h"

#include <algorithm>

#include "windowing/dialog_window.h"
#include "windowing/window_system.h"

Menu Menu::systemMenuFor(DWORD style) {
    Menu menu;
    const bool resizable = (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0;
    menu.append(MF_STRING, SC_RESTORE, "&Restore");
    menu.append(MF_STRING, SC_MOVE, "&Move");
    if (resizable) menu.append(MF_STRING, SC_SIZE, "&Size");
    if (style & WS_MINIMIZEBOX) menu.append(MF_STRING, SC_MINIMIZE, "Mi&nimize");
    if (style & WS_MAXIMIZEBOX) menu.append(MF_STRING, SC_MAXIMIZE, "Ma&ximize");
    menu.append(MF_SEPARATOR, 0, {});
    menu.append(MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    return menu;
}

bool Menu::hasCommand(UINT id) const {
    return std::any_of(m_items.begin(), m_items.end(), [id](const Item& item) { return !item.isSeparator() && item.id == id; });
}

HMENU GetSystemMenu(HWND window, BOOL) {
    DialogWindow* dialog = WindowSystem::instance().findDialog(window);
    if (!dialog || !(dialog->style() & WS_SYSMENU)) return nullptr;
    return &dialog->systemMenu();
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text) {
    if (!menu) return FALSE;
    menu->append(flags, static_cast<UINT>(id), (flags & MF_SEPARATOR) || !text ? std::string() : std::string(text));
    WindowSystem::instance().notify(menu->owner(), Change::Menu);
    return TRUE;
}
