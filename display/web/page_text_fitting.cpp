#include "display/web/page_text_fitting.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

#include "display/web/page.h"

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;

}  // namespace

void fitOneLine(HWND control, const std::string& text, double smallestShare) {
    const std::uintptr_t handle = pageHandle(control);
    const double normal = pageFontPixels(handle);
    const double room = pageTextRoom(handle);
    const double width = pageTextWidth(handle, text.c_str(), normal);
    double fitted = normal;
    if (width > room && normal > 0) {
        // Quarter points down from the normal size: the width grows with the
        // size, so the search starts where it says the text fits.
        const double points = normal / kPixelsPerPoint;
        const int mostSteps = static_cast<int>(std::floor(points * (1 - smallestShare) * 4 + 1e-9));
        const auto smaller = [points](int steps) { return (points - 0.25 * steps) * kPixelsPerPoint; };
        for (int steps = std::clamp(static_cast<int>(std::ceil((points - points * room / width) * 4)), 1, std::max(mostSteps, 1));
             steps <= mostSteps; ++steps) {
            if (pageTextWidth(handle, text.c_str(), smaller(steps)) <= room) {
                fitted = smaller(steps);
                break;
            }
        }
    }
    pageSetFontPixels(handle, fitted);
}

void scrollPastCommonBlanks(HWND control, const std::string& text) {
    const std::uintptr_t handle = pageHandle(control);
    const double pixels = pageFontPixels(handle);
    double widest = 0;
    std::size_t indent = std::numeric_limits<std::size_t>::max();
    std::string_view rest = text;
    while (true) {
        const std::size_t end = rest.find("\r\n");
        const std::string line(rest.substr(0, end));
        widest = std::max(widest, pageTextWidth(handle, line.c_str(), pixels));
        const std::size_t blanks = line.find_first_not_of(' ');
        if (blanks != std::string::npos) indent = std::min(indent, blanks);
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 2);
    }
    const double overflow = widest - pageTextRoom(handle);
    double scroll = 0;
    if (overflow > 0 && indent != std::numeric_limits<std::size_t>::max()) {
        scroll = std::min(overflow, pageTextWidth(handle, std::string(indent, ' ').c_str(), pixels));
    }
    pageSetScroll(handle, scroll);
}
