#pragma once

// The web-link control, as the program sees it on every platform: dialogs
// host it by its class identifier and hand it its property stream.

// The identifier the control is registered under.
inline constexpr const char* kWebLinkClassId = "{3C9FDFB1-C3F1-11D1-82B4-EB3D09931551}";

// Makes the control available to dialogs under kWebLinkClassId.
void installWebLinkControl();
