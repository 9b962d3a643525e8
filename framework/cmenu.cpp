#include "framework/cmenu.h"

#include <unordered_map>

#include "framework/platform.h"

CMenu* CMenu::FromHandle(HMENU menu) {
    if (!menu) return nullptr;
    // One wrapper per menu; a wrapper only carries the handle, so one left
    // behind by a destroyed window is harmless.
    static std::unordered_map<HMENU, CMenu> wrappers;
    CMenu& wrapper = wrappers[menu];
    wrapper.m_hMenu = menu;
    return &wrapper;
}

BOOL CMenu::AppendMenuA(UINT flags, UINT_PTR id, LPCSTR text) { return platform::appendMenuUtf8(m_hMenu, flags, id, text); }
