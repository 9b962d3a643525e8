#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "portable/win_types.h"

// Which texts name a control for a screen reader, found from where the
// controls of one dialog sit alone: rectangles and kinds in, positions in the
// list out. Each platform hands it its own windows.
namespace caption_search {

struct Control {
    enum class Kind {
        Caption,   // static text, or a one-line read-only edit
        GroupBox,  // a frame with a caption
        Other,
    };
    RECT rect{};  // in the dialog's client area
    Kind kind = Kind::Other;
};

// The group box whose frame holds the centre of controls[index]: the smallest
// such, or none.
std::optional<std::size_t> enclosingGroupBox(std::span<const Control> controls, std::size_t index);
// The caption shown above controls[index]: the nearest caption that ends
// above the control's middle, overlaps it horizontally and sits in the same
// group box (of two as near, the one that overlaps it more); none when there
// is none.
std::optional<std::size_t> captionAbove(std::span<const Control> controls, std::size_t index);

}  // namespace caption_search
