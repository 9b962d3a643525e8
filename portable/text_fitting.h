#pragma once

// Templates leave little room around their texts, and the desktop's font may
// run wider than the one a template was drawn for: a text that must show on
// one line is set smaller, down to these shares of its normal size, rather
// than cut. The same on every platform.

// One-line labels and captions (and on Windows the lines of the results fields).
inline constexpr double kSmallestOneLineShare = 0.85;
// A link's caption, which is its whole message.
inline constexpr double kSmallestLinkShare = 0.7;
