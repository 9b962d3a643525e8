#include "portable/text_fitting.h"

#include <algorithm>
#include <cmath>

namespace text_fitting {

namespace {

// The first of [from, to) at which `holds` does, or `to`: `holds` is false up
// to some point and true from there on. Each measure costs a font, so the
// search asks for few.
template <typename Holds>
int firstHolding(int from, int to, Holds holds) {
    while (from < to) {
        const int middle = from + (to - from) / 2;
        if (holds(middle)) to = middle;
        else from = middle + 1;
    }
    return to;
}

}  // namespace

int sizeSteps(double normal, double increment, double smallestShare) {
    if (normal <= 0 || increment <= 0) return 1;
    return 1 + std::max(0, static_cast<int>(std::lround(normal * (1 - smallestShare) / increment)));
}

Fit fit(Measures& measures, int steps, int indent) {
    steps = std::max(steps, 1);
    indent = std::max(indent, 0);
    const auto fitsAt = [&](int step, int columns) { return measures.widestLine(step, columns) <= measures.room(step); };
    // Most texts fit at their normal size: that is asked first.
    const int step = fitsAt(0, indent) ? 0 : firstHolding(1, steps, [&](int s) { return fitsAt(s, indent); });
    if (step == steps) return {steps - 1, indent};
    // Scrolled only as far as the widest line needs, so that a field whose
    // lines fit shows them from their start.
    const int columns = indent == 0 || fitsAt(step, 0) ? 0 : firstHolding(1, indent, [&](int c) { return fitsAt(step, c); });
    return {step, columns};
}

}  // namespace text_fitting
