// The search for what names a control, over one dialog laid out for it: the
// group box that holds each control and the caption above it.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "portable/caption_search.h"

namespace {

using caption_search::Control;
using Kind = Control::Kind;
constexpr std::optional<std::size_t> kNone;

TEST(CaptionSearch, FindsTheGroupBoxAndTheCaptionOfEachControl) {
    const std::vector<Control> dialog = {
        {{0, 0, 200, 200}, Kind::GroupBox},      // 0
        {{100, 100, 200, 200}, Kind::GroupBox},  // 1, inside 0
        {{10, 10, 60, 20}, Kind::Caption},       // 2
        {{10, 30, 60, 40}, Kind::Caption},       // 3
        {{20, 42, 80, 48}, Kind::Other},         // 4, nearer to 5 than 3 is
        {{20, 50, 80, 60}, Kind::Other},         // 5
        {{110, 110, 150, 120}, Kind::Caption},   // 6
        {{90, 125, 150, 135}, Kind::Other},      // 7: its corner in 0, its centre in 1
        {{160, 85, 190, 99}, Kind::Caption},     // 8, in 0 just above 9
        {{160, 101, 190, 111}, Kind::Other},     // 9, in 1
        {{300, 0, 330, 10}, Kind::Caption},      // 10 and 11 are as near to 12,
        {{320, 0, 400, 10}, Kind::Caption},      // 11 overlaps it more
        {{310, 20, 400, 30}, Kind::Other},       // 12
        {{500, 0, 540, 25}, Kind::Caption},      // 13 ends at the middle of 14
        {{500, 20, 540, 30}, Kind::Other},       // 14
        {{600, 0, 640, 10}, Kind::Caption},      // 15 ends where 16 starts, sideways
        {{640, 20, 680, 30}, Kind::Other},       // 16
    };
    struct Row {
        std::size_t control;
        std::optional<std::size_t> group, caption;
    };
    const Row rows[] = {
        {5, 0, 3}, {3, 0, 2}, {1, 0, 8}, {7, 1, 6}, {9, 1, kNone}, {12, kNone, 11}, {14, kNone, 13}, {16, kNone, kNone},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(caption_search::enclosingGroupBox(dialog, row.control), row.group) << "control " << row.control;
        EXPECT_EQ(caption_search::captionAbove(dialog, row.control), row.caption) << "control " << row.control;
    }
}

}  // namespace
