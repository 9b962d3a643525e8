#pragma once

#include <string>
#include <vector>

#include "portable/win_types.h"

// A window's system menu: the platform's own commands, to which a program may
// append entries of its own. Choosing an entry sends WM_SYSCOMMAND with its id.
class Menu {
public:
    struct Item {
        UINT flags = MF_STRING;
        UINT id = 0;
        std::string text;
        bool isSeparator() const { return (flags & MF_SEPARATOR) != 0; }
    };

    // The standard entries for a window with the given styles.
    static Menu systemMenuFor(DWORD style);

    void append(UINT flags, UINT id, const std::string& text) { m_items.push_back({flags, id, text}); }
    const std::vector<Item>& items() const { return m_items; }
    bool hasCommand(UINT id) const;
    // The window whose menu this is, told of every change.
    void setOwner(HWND owner) { m_owner = owner; }
    HWND owner() const { return m_owner; }

private:
    std::vector<Item> m_items;
    HWND m_owner = nullptr;
};

// The window's system menu, or null for a window without one. The program
// never reverts its menu, so `revert` is not carried out.
HMENU GetSystemMenu(HWND window, BOOL revert);
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text);
