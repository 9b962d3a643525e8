#pragma once

#include "portable/win32_types.h"

// The lists are narrow, and a long unit name is cut at the list's edge: as
// on Linux, the whole name shows in a tooltip while the pointer rests on it.
namespace list_item_tips {

// Gives `list` a tooltip that shows the whole text of the item under the
// pointer when the list cuts it, and nothing over items that fit. The list
// sees every message as before: the tooltip only watches its mouse. Lasts
// as long as the list.
void Attach(HWND list);

}  // namespace list_item_tips
