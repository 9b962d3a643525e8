#pragma once

#include "windowing/resources.h"

// The program's resources: dialog templates, strings, the icon and bitmaps.
HINSTANCE ResonixResources();

// The program icon, one image per size.
IconResource ProgramIcon();
