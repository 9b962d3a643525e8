#include "portable/caption_search.h"

#include <algorithm>
#include <limits>

namespace caption_search {

namespace {

LONG area(const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); }

bool holds(const RECT& r, LONG x, LONG y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

LONG horizontalOverlap(const RECT& a, const RECT& b) { return std::min(a.right, b.right) - std::max(a.left, b.left); }

}  // namespace

std::optional<std::size_t> enclosingGroupBox(std::span<const Control> controls, std::size_t index) {
    const RECT& r = controls[index].rect;
    const LONG x = (r.left + r.right) / 2;
    const LONG y = (r.top + r.bottom) / 2;
    std::optional<std::size_t> best;
    LONG bestArea = std::numeric_limits<LONG>::max();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& candidate = controls[i];
        if (i == index || candidate.kind != Control::Kind::GroupBox) continue;
        if (holds(candidate.rect, x, y) && area(candidate.rect) < bestArea) {
            best = i;
            bestArea = area(candidate.rect);
        }
    }
    return best;
}

std::optional<std::size_t> captionAbove(std::span<const Control> controls, std::size_t index) {
    const RECT& r = controls[index].rect;
    const LONG middle = (r.top + r.bottom) / 2;
    const std::optional<std::size_t> group = enclosingGroupBox(controls, index);
    std::optional<std::size_t> best;
    LONG bestGap = std::numeric_limits<LONG>::max();
    LONG bestOverlap = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& candidate = controls[i];
        if (i == index || candidate.kind != Control::Kind::Caption) continue;
        const RECT& c = candidate.rect;
        const LONG overlap = horizontalOverlap(c, r);
        if (c.bottom > middle || overlap <= 0 || enclosingGroupBox(controls, i) != group) continue;
        const LONG gap = r.top - c.bottom;
        if (gap < bestGap || (gap == bestGap && overlap > bestOverlap)) {
            best = i;
            bestGap = gap;
            bestOverlap = overlap;
        }
    }
    return best;
}

}  // namespace caption_search
