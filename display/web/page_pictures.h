#pragma once

#include "portable/resource_module.h"

// Hands the program's pictures to the page as pixels.
class PagePictures {
public:
    static void showPicture(HWND control, const PixelImage& picture);
    // Every image of a window's icons, the big one's and the small one's.
    static void showIcon(HWND window, HICON big, HICON small);
};
