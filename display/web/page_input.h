#pragma once

#include <string>

#include "display/web/page.h"
#include "portable/win_types.h"

class WebDisplay;

// One input that the page reported: what the user did, raw.
struct PageInput {
    PageInputKind kind = PageInputKind::None;
    HWND handle = nullptr;
    int value = 0;
    std::string text;
};

// Waits for the page's next input, using no CPU meanwhile.
PageInput nextPageInput();

// Hands one input of the page to the window system, as the user's typed
// text, click, list choice, key, close box or menu choice; the page acts on
// nothing by itself. Input that the window system refuses is undone by
// mirroring its state again.
void dispatchPageInput(WebDisplay& display, const PageInput& input);
