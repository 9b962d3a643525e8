#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "portable/dialog_template.h"

// The font a dialog is laid out in: its dialog units follow from it.
struct DialogFont {
    std::wstring face;
    WORD points = 9;
    WORD weight = FW_NORMAL;
};

// The window class of a hosted control's class identifier, or nothing when
// no such class can be hosted.
using HostedClassLookup = std::function<std::optional<std::wstring>(const std::string& classId)>;

// Lays `dialog` out as the extended in-memory template (DLGTEMPLATEEX) that
// DialogBoxIndirectParamW takes, in `font` instead of the template's own.
// Nothing when a hosted control has no window class.
std::optional<std::vector<WORD>> buildDialogTemplate(const DialogTemplate& dialog, const DialogFont& font,
                                                     const HostedClassLookup& hostedClass);
