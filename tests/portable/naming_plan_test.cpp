// What a screen reader says for each control of one dialog laid out for the
// purpose: each row is what a user should hear, worked out by hand.

#include <gtest/gtest.h>

#include <vector>

#include "portable/naming_plan.h"

namespace {

using naming_plan::Control;
using naming_plan::Naming;
using Role = ControlRole;

TEST(NamingPlan, NamesEachControlAsAUserReadsTheWindow) {
    struct Row {
        Control control;
        Naming heard;
    };
    const std::vector<Row> rows = {
        // A group box holding two columns of caption, input and list, and a label over a text area.
        {{{0, 0, 300, 100}, Role::GroupBox, BS_GROUPBOX, "&Input && more"}, {"Input & more", ""}},
        {{{10, 10, 90, 20}, Role::CaptionEdit, ES_READONLY, " Mass & weight "}, {"Mass & weight", ""}},
        {{{10, 30, 50, 40}, Role::InputEdit, 0, "12"}, {"Mass & weight", ""}},
        {{{55, 30, 90, 90}, Role::ListBox, 0, ""}, {"Input & more", "Mass & weight"}},
        {{{110, 10, 190, 20}, Role::CaptionEdit, ES_READONLY, "   "}, {"", ""}},
        {{{110, 30, 150, 40}, Role::InputEdit, 0, ""}, {"Input & more", ""}},
        {{{155, 30, 190, 90}, Role::ListBox, 0, ""}, {"Input & more", ""}},
        {{{210, 10, 290, 20}, Role::Label, SS_LEFT, "&Units"}, {"Units", ""}},
        {{{210, 30, 290, 90}, Role::TextArea, ES_MULTILINE, "a\r\nb"}, {"Units", ""}},
        // Outside any group box.
        {{{0, 110, 100, 120}, Role::Label, SS_NOPREFIX, "A && B"}, {"A && B", ""}},
        {{{0, 130, 100, 190}, Role::ResultsField, ES_MULTILINE | ES_READONLY, "1\r\n2"}, {"A && B", ""}},
        {{{110, 110, 200, 120}, Role::Label, SS_LEFT, "Se&lect"}, {"Select", ""}},
        {{{110, 130, 200, 190}, Role::ListBox, 0, ""}, {"Select", ""}},
        {{{210, 130, 290, 140}, Role::InputEdit, 0, "7"}, {"", ""}},
        {{{0, 200, 80, 220}, Role::PushButton, BS_DEFPUSHBUTTON, "&Calculate"}, {"Calculate", ""}},
        {{{100, 200, 120, 220}, Role::Picture, SS_BITMAP, ""}, {"Picture", ""}},
        {{{130, 200, 150, 220}, Role::Picture, SS_BITMAP, "&Logo"}, {"Logo", ""}},
        {{{160, 200, 290, 220}, Role::Hosted, 0, "Visit & see"}, {"Visit & see", ""}},
    };
    std::vector<Control> dialog;
    for (const Row& row : rows) dialog.push_back(row.control);
    const std::vector<Naming> heard = naming_plan::plan(dialog);
    ASSERT_EQ(heard.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(heard[i].name, rows[i].heard.name) << "control " << i;
        EXPECT_EQ(heard[i].description, rows[i].heard.description) << "control " << i;
    }
}

}  // namespace
