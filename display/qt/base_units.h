#pragma once

#include <QFont>

#include "windowing/display.h"

// Dialog base units from a font, measured as the original platform measures
// its dialog font: the average width of the 52 Latin letters, and the height.
BaseUnits baseUnitsOf(const QFont& font);
