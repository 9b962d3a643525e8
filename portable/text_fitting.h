#pragma once

// Templates leave little room around their texts, and the desktop's font may
// run wider than the one a template was drawn for: a text that must show on
// one line is set smaller, down to a share of its normal size, rather than
// cut; a results field, whose numbers stand right-aligned in wide fields of
// blanks, first scrolls past the blanks that all its lines start with. The
// rule is this one, on every platform; a platform measures its texts and
// applies what the rule decides.

// One-line labels and captions, and the lines of the results fields.
inline constexpr double kSmallestOneLineShare = 0.85;
// A link's caption, which is its whole message.
inline constexpr double kSmallestLinkShare = 0.7;

#include <algorithm>
#include <iterator>
#include <optional>

namespace text_fitting {

// The blanks that every line with something on it starts with: as many
// columns as a text may scroll past. `Lines` holds strings of any kind of
// character.
template <typename Lines>
int commonIndent(const Lines& lines) {
    std::optional<std::ptrdiff_t> indent;
    for (const auto& line : lines) {
        const auto first = std::find_if(std::begin(line), std::end(line), [](auto c) { return c != ' '; });
        if (first != std::end(line)) indent = std::min(indent.value_or(first - std::begin(line)), first - std::begin(line));
    }
    return static_cast<int>(indent.value_or(0));
}

// What a platform measures of one text, when the rule asks for it. Sizes are
// steps: 0 is the text's normal size, and each next step a size smaller (by
// whatever the platform sets sizes in).
class Measures {
public:
    virtual ~Measures() = default;
    // The width the text has at size `step` (an edit's margins follow its font).
    virtual int room(int step) = 0;
    // The width of the widest line at size `step`, with the first `columns`
    // characters of every line scrolled past.
    virtual int widestLine(int step, int columns) = 0;
};

struct Fit {
    int step = 0;     // the size to set the text in
    int columns = 0;  // the characters at the start of every line to scroll past
    bool operator==(const Fit&) const = default;
};

// How many sizes a text may take: its normal size `normal` and the smaller
// ones `increment` apart, down to the one nearest `smallestShare` of it.
int sizeSteps(double normal, double increment, double smallestShare);

// The largest of `steps` sizes at which the text shows whole once scrolled
// past at most `indent` columns (the blanks that every line starts with), and
// the fewest columns it then needs. Where it shows whole at none, the
// smallest size scrolled past all `indent` columns, which shows the most of it.
// The widths grow with the size and shrink with the columns scrolled past.
Fit fit(Measures& measures, int steps, int indent);

}  // namespace text_fitting
