#include "display/web/page_text_fitting.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "display/web/page.h"
#include "portable/text_fitting.h"

namespace {

// The page sets sizes in pixels, a quarter point apart.
constexpr double kQuarterPointPixels = 0.25 * 96.0 / 72.0;

double pixelsAtStep(double normal, int step) { return normal - kQuarterPointPixels * step; }

// What the page measures of one control's text when the fitting rule asks.
class PageMeasures : public text_fitting::Measures {
public:
    PageMeasures(std::uintptr_t control, std::vector<std::string> lines)
        : m_control(control), m_normal(pageFontPixels(control)), m_lines(std::move(lines)) {}

    double normal() const { return m_normal; }
    const std::vector<std::string>& lines() const { return m_lines; }

    int room(int) override { return static_cast<int>(std::floor(pageTextRoom(m_control))); }
    int widestLine(int step, int columns) override {
        double widest = 0;
        for (const std::string& line : m_lines) {
            const std::string shown = line.substr(std::min(line.size(), static_cast<std::size_t>(columns)));
            widest = std::max(widest, pageTextWidth(m_control, shown.c_str(), pixelsAtStep(m_normal, step)));
        }
        return static_cast<int>(std::ceil(widest));
    }

private:
    std::uintptr_t m_control;
    double m_normal;
    std::vector<std::string> m_lines;
};

std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    while (true) {
        const std::size_t end = text.find("\r\n");
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) return lines;
        text.remove_prefix(end + 2);
    }
}

}  // namespace

void fitOneLine(HWND control, const std::string& text, double smallestShare) {
    const std::uintptr_t handle = pageHandle(control);
    PageMeasures measures(handle, {text});
    if (measures.normal() <= 0) return;
    const int steps = text_fitting::sizeSteps(measures.normal(), kQuarterPointPixels, smallestShare);
    pageSetFontPixels(handle, pixelsAtStep(measures.normal(), text_fitting::fit(measures, steps, 0).step));
}

void fitLines(HWND control, const std::string& text) {
    const std::uintptr_t handle = pageHandle(control);
    PageMeasures measures(handle, linesOf(text));
    if (measures.normal() <= 0) return;
    const int steps = text_fitting::sizeSteps(measures.normal(), kQuarterPointPixels, kSmallestOneLineShare);
    const text_fitting::Fit fit = text_fitting::fit(measures, steps, text_fitting::commonIndent(measures.lines()));
    const double pixels = pixelsAtStep(measures.normal(), fit.step);
    pageSetFontPixels(handle, pixels);
    pageSetScroll(handle, pageTextWidth(handle, std::string(static_cast<std::size_t>(fit.columns), ' ').c_str(), pixels));
}
