#pragma once

#include "portable/resource_module.h"

// A pixel picture as a bitmap for a static control: each pixel a square of
// `scale` x `scale` screen pixels, so that it stays sharp at any display
// scale, with its transparent pixels in `background` (a COLORREF).
HBITMAP createPixelBitmap(const PixelImage& image, int scale, COLORREF background);
