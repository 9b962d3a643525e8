#pragma once

#include "portable/win_types.h"

// A program object for a menu of the window system.
class CMenu {
public:
    HMENU m_hMenu = nullptr;

    // The object for `menu` (null for no menu); the framework owns it.
    static CMenu* FromHandle(HMENU menu);
    BOOL AppendMenuA(UINT flags, UINT_PTR id = 0, LPCSTR text = nullptr);
};
