#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "portable/win_types.h"

// Dialog templates as data: what the resource compiler would have produced.
// Every control is created afresh from its template entry at each modal run,
// in template order, which is also the tab order.

// What kind of window a template entry makes; Dialog is the dialog itself,
// which no entry makes.
enum class ControlKind { Button, Edit, Static, ListBox, Hosted, Dialog };

struct ControlTemplate {
    ControlKind kind = ControlKind::Static;
    int id = IDC_STATIC;
    std::string text;
    short x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    DWORD style = 0;                     // WS_CHILD | WS_VISIBLE are implied by the caller's table
    DWORD exStyle = 0;
    WORD imageId = 0;     // SS_BITMAP: the bitmap resource shown
    std::string classId;  // Hosted: the registered class identifier
    // Hosted: the property stream it starts from, taken from the dialog's
    // initialisation data when the dialog is created; empty for none.
    std::vector<BYTE> initialState;
};

struct DialogTemplate {
    std::string caption;
    short x = 0, y = 0, cx = 0, cy = 0;  // dialog units; (0, 0) means "centre it"
    DWORD style = 0;
    DWORD exStyle = 0;
    // The font the template names. Layout follows the desktop's font instead
    // (the display's dialog base units on Linux, the dialog font on Windows).
    std::string fontName = "System";
    WORD pointSize = 10;
    std::vector<ControlTemplate> controls;
};

// A visible child control of a template (as every control of the program's
// templates is), at (x, y) with size cx x cy in dialog units.
inline ControlTemplate makeControl(ControlKind kind, int id, std::string text, short x, short y, short cx, short cy,
                                   DWORD style, DWORD exStyle = 0) {
    ControlTemplate entry;
    entry.kind = kind;
    entry.id = id;
    entry.text = std::move(text);
    entry.x = x;
    entry.y = y;
    entry.cx = cx;
    entry.cy = cy;
    entry.style = WS_CHILD | WS_VISIBLE | style;
    entry.exStyle = exStyle;
    return entry;
}
