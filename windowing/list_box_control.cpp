#include "windowing/list_box_control.h"

#include <algorithm>

#include "windowing/key.h"
#include "windowing/window_system.h"

namespace {

int asIndex(WPARAM wParam) { return static_cast<int>(static_cast<std::intptr_t>(wParam)); }

}  // namespace

LRESULT ListBoxControl::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const int count = static_cast<int>(m_items.size());
    switch (message) {
    case LB_RESETCONTENT:
        m_items.clear();
        m_selection = -1;
        WindowSystem::instance().notify(handle(), Change::Items);
        return 0;
    case LB_INSERTSTRING: {
        int index = asIndex(wParam);
        if (index == -1) index = count;
        if (index < 0 || index > count) return LB_ERR;
        m_items.insert(m_items.begin() + index, lParam ? reinterpret_cast<const char*>(lParam) : "");
        if (m_selection >= index) ++m_selection;
        WindowSystem::instance().notify(handle(), Change::Items);
        return index;
    }
    case LB_SETCURSEL: {
        const int index = asIndex(wParam);
        const bool valid = index >= 0 && index < count;
        select(valid ? index : -1);
        return valid ? index : LB_ERR;
    }
    case LB_GETCURSEL:
        return m_selection;
    default:
        return Window::handleMessage(message, wParam, lParam);
    }
}

void ListBoxControl::select(int index) {
    if (index == m_selection) return;
    m_selection = index;
    WindowSystem::instance().notify(handle(), Change::Selection);
}

void ListBoxControl::reportSelection() {
    if (hasStyle(LBS_NOTIFY)) WindowSystem::instance().notifyParent(handle(), LBN_SELCHANGE);
}

bool ListBoxControl::userClick(int index) {
    if (index < 0 || index >= static_cast<int>(m_items.size())) return false;
    select(index);
    reportSelection();
    return true;
}

bool ListBoxControl::userKey(Key key) {
    const int last = static_cast<int>(m_items.size()) - 1;
    if (last < 0) return false;
    int target = m_selection;
    switch (key) {
    case Key::Up: target = m_selection < 0 ? 0 : std::max(0, m_selection - 1); break;
    case Key::Down: target = m_selection < 0 ? 0 : std::min(last, m_selection + 1); break;
    case Key::Home: target = 0; break;
    case Key::End: target = last; break;
    default: return false;
    }
    if (target == m_selection) return true;
    select(target);
    reportSelection();
    return true;
}
