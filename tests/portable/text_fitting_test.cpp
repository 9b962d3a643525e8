// The fitting rule over texts measured by a stand-in platform whose glyphs
// are all as wide (the results fields' fixed pitch): how many sizes a text
// may take, and which size and how many of its leading blanks it shows in,
// each worked out by hand.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "portable/text_fitting.h"

namespace {

using text_fitting::Fit;

// Each size step's glyph width and room, in pixels.
class FixedPitch : public text_fitting::Measures {
public:
    FixedPitch(std::vector<std::string> lines, std::vector<int> advances, std::vector<int> rooms)
        : m_lines(std::move(lines)), m_advances(std::move(advances)), m_rooms(std::move(rooms)) {}
    int room(int step) override { return m_rooms.at(static_cast<std::size_t>(step)); }
    int widestLine(int step, int columns) override {
        std::size_t widest = 0;
        for (const std::string& line : m_lines) widest = std::max(widest, line.size() - std::min(line.size(), static_cast<std::size_t>(columns)));
        return static_cast<int>(widest) * m_advances.at(static_cast<std::size_t>(step));
    }

private:
    std::vector<std::string> m_lines;
    std::vector<int> m_advances;
    std::vector<int> m_rooms;
};

TEST(TextFitting, TakesTheLargestSizeAndTheFewestBlanksThatShowTheTextWhole) {
    // 14 characters each, 4 blanks in common.
    const std::vector<std::string> results = {"    12345 unit", "", "      123 unit", "     "};
    struct Row {
        const char* why;
        std::vector<std::string> lines;
        std::vector<int> advances, rooms;
        Fit fit;
    };
    const Row rows[] = {
        {"whole as it is: 98 of 100", results, {7, 6}, {100, 100}, {0, 0}},
        {"a blank past: 91 of 95", results, {7, 6}, {95, 95}, {0, 1}},
        {"every blank past: 70 of 70", results, {7, 6}, {70, 70}, {0, 4}},
        {"a size smaller, every blank past: 60 of 65, not 70", results, {7, 6, 5}, {65, 65, 65}, {1, 4}},
        {"the room each size has: 50 of 60, not 70 of 69 or 60 of 59", results, {7, 6, 5}, {69, 59, 60}, {2, 2}},
        {"whole at none: the smallest size, every blank past", results, {7, 6}, {50, 50}, {1, 4}},
        {"a label, no blanks: 72 of 80", {"Polar Moment"}, {8, 7, 6, 5}, {80, 80, 80, 80}, {2, 0}},
        {"a label whole at none", {"Polar Moment"}, {8, 7, 6, 5}, {40, 40, 40, 40}, {3, 0}},
        {"blanks that not every line starts with stay: 2 of 2", {"  x", " yy"}, {1}, {2}, {0, 1}},
    };
    for (const Row& row : rows) {
        FixedPitch text(row.lines, row.advances, row.rooms);
        EXPECT_EQ(text_fitting::fit(text, static_cast<int>(row.advances.size()), text_fitting::commonIndent(row.lines)), row.fit) << row.why;
    }
}

TEST(TextFitting, SetsATextSmallerDownToTheStepNearestItsSmallestShare) {
    struct Row {
        double normal, increment, share;
        int steps;
    };
    const Row rows[] = {
        {13, 1, kSmallestOneLineShare, 3},       // 13, 12 and 11 pixels: 11.05 is 85%
        {20, 1, kSmallestOneLineShare, 4},       // 20 to 17
        {9, 0.25, kSmallestOneLineShare, 6},     // 9 to 7.75 points: 7.65 is 85%
        {9.75, 0.25, kSmallestLinkShare, 13},    // 9.75 to 6.75: 6.825 is 70%
        {-1, 0.25, kSmallestOneLineShare, 1},    // a size not set in points
    };
    for (const Row& row : rows) EXPECT_EQ(text_fitting::sizeSteps(row.normal, row.increment, row.share), row.steps) << row.normal;
}

}  // namespace
