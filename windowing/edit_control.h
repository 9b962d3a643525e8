#pragma once

#include "windowing/window.h"

// An edit field. A single-line edit reports EN_CHANGE for every change of its
// text, the program's own WM_SETTEXT included; a multi-line edit reports only
// the user's changes. A read-only edit takes no typing at all.
class EditControl : public Window {
public:
    EditControl(int id, std::string text, DWORD style) : Window(ControlKind::Edit, id, std::move(text), style) {}

    bool isMultiLine() const { return hasStyle(ES_MULTILINE); }
    bool isReadOnly() const { return hasStyle(ES_READONLY); }

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The user replaced the text; false when the edit is read-only.
    bool userEdit(const std::string& text);
};
