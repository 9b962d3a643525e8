#include "display/qt/caption_finder.h"

#include <algorithm>
#include <limits>

#include "display/qt/control_role.h"
#include "windowing/window.h"
#include "windowing/window_system.h"

namespace {

LONG area(const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); }

bool holds(const RECT& r, LONG x, LONG y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

LONG horizontalOverlap(const RECT& a, const RECT& b) { return std::min(a.right, b.right) - std::max(a.left, b.left); }

}  // namespace

HWND CaptionFinder::enclosingGroupBox(HWND control) {
    const WindowSystem& system = WindowSystem::instance();
    const Window* window = system.find(control);
    const Window* dialog = window ? system.find(window->parent()) : nullptr;
    if (!dialog) return nullptr;
    const RECT& r = window->rect();
    const LONG x = (r.left + r.right) / 2;
    const LONG y = (r.top + r.bottom) / 2;
    HWND best = nullptr;
    LONG bestArea = std::numeric_limits<LONG>::max();
    for (HWND sibling : dialog->children()) {
        const Window* candidate = system.find(sibling);
        if (sibling == control || !candidate || roleOf(*candidate) != ControlRole::GroupBox) continue;
        if (holds(candidate->rect(), x, y) && area(candidate->rect()) < bestArea) {
            best = sibling;
            bestArea = area(candidate->rect());
        }
    }
    return best;
}

HWND CaptionFinder::captionAbove(HWND control) {
    const WindowSystem& system = WindowSystem::instance();
    const Window* window = system.find(control);
    const Window* dialog = window ? system.find(window->parent()) : nullptr;
    if (!dialog) return nullptr;
    const RECT& r = window->rect();
    const LONG middle = (r.top + r.bottom) / 2;
    const HWND group = enclosingGroupBox(control);
    HWND best = nullptr;
    LONG bestGap = std::numeric_limits<LONG>::max();
    LONG bestOverlap = 0;
    for (HWND sibling : dialog->children()) {
        const Window* candidate = system.find(sibling);
        if (sibling == control || !candidate || !isCaption(roleOf(*candidate))) continue;
        const RECT& c = candidate->rect();
        const LONG overlap = horizontalOverlap(c, r);
        if (c.bottom > middle || overlap <= 0 || enclosingGroupBox(sibling) != group) continue;
        const LONG gap = r.top - c.bottom;
        if (gap < bestGap || (gap == bestGap && overlap > bestOverlap)) {
            best = sibling;
            bestGap = gap;
            bestOverlap = overlap;
        }
    }
    return best;
}
