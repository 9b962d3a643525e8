#pragma once

#include <string>
#include <vector>

#include "windowing/window.h"

enum class Key;

// A single-selection list box. LB_INSERTSTRING puts an item at the index given
// and never sorts, LBS_SORT or not.
// LB_SETCURSEL selects silently; a selection by the user reports
// LBN_SELCHANGE when the list has LBS_NOTIFY.
class ListBoxControl : public Window {
public:
    ListBoxControl(int id, DWORD style) : Window(ControlKind::ListBox, id, {}, style) {}

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    const std::vector<std::string>& items() const { return m_items; }
    int currentSelection() const { return m_selection; }

    // The user clicked item `index`: it becomes the selection and the list
    // reports it, even when it was selected already.
    bool userClick(int index);
    // The user pressed a navigation key in the list; reports only a change.
    bool userKey(Key key);

private:
    void select(int index);
    void reportSelection();

    std::vector<std::string> m_items;
    int m_selection = -1;
};
