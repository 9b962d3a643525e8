#pragma once

#include <vector>

#include "portable/resource_module.h"

// The program's resources: dialog templates, strings, the icon and bitmaps.
const ResourceModule* resonixResources();

// The program icon, one image per size.
IconResource programIcon();
// The About box's picture.
BitmapResource aboutBitmap();
// The About box's initialisation data: the web link's property stream in a
// record for its control.
std::vector<BYTE> aboutBoxDialogInit();
std::vector<BYTE> webLinkPropertyStream();
