#pragma once

#include <vector>

#include "windowing/resource_module.h"

// The program's resources: dialog templates, strings, the icon and bitmaps.
const ResourceModule* ResonixResources();

// The program icon, one image per size.
IconResource ProgramIcon();
// The About box's picture.
BitmapResource AboutBitmap();
// The About box's initialisation data: the web link's property stream in a
// record for its control.
std::vector<BYTE> AboutBoxDialogInit();
std::vector<BYTE> WebLinkPropertyStream();
