#include <gtest/gtest.h>

#include "test_dialog.h"

using namespace test_dialog;

namespace {

class Edit : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    ScriptedUser user;
};

// Which writes report EN_CHANGE, as a table of action and notifications.
TEST_F(Edit, ChangeNotifications) {
    struct Row {
        const char* action;
        std::function<void(UserAtWindow&)> act;
        std::vector<std::string> expected;
    };
    const std::vector<Row> rows = {
        {"program writes a single-line edit", [](UserAtWindow& w) { SetWindowTextA(w.control(kEdit), " "); },
         {code(kEdit, EN_CHANGE)}},
        {"program writes the same text again",
         [](UserAtWindow& w) { SetWindowTextA(w.control(kEdit), "x"); SetWindowTextA(w.control(kEdit), "x"); },
         {code(kEdit, EN_CHANGE), code(kEdit, EN_CHANGE)}},
        {"program writes a multi-line edit", [](UserAtWindow& w) { SetWindowTextA(w.control(kMultiEdit), "a\r\nb"); }, {}},
        {"user types in a single-line edit", [](UserAtWindow& w) { w.type(kEdit, "10"); }, {code(kEdit, EN_CHANGE)}},
        {"user types the text the edit already holds", [](UserAtWindow& w) { w.type(kEdit, "start"); }, {}},
        {"user types in a multi-line edit", [](UserAtWindow& w) { w.type(kMultiEdit, "10"); }, {code(kMultiEdit, EN_CHANGE)}},
        {"user types in a read-only edit", [](UserAtWindow& w) { EXPECT_FALSE(w.tryType(kReadOnly, "10")); }, {}},
    };
    for (const Row& row : rows) {
        reset();
        inDialog(user, [&row](UserAtWindow& window) {
            row.act(window);
            EXPECT_EQ(takeLog(), row.expected) << row.action;
        });
    }
}

TEST_F(Edit, TextReadsBackWholeAndTruncatedToTheBuffer) {
    inDialog(user, [](UserAtWindow& window) {
        EXPECT_EQ(window.text(kEdit), "start") << "the template's text";
        SetWindowTextA(window.control(kEdit), "          1000");
        EXPECT_EQ(GetWindowTextLengthA(window.control(kEdit)), 14);
        char small[5] = {};
        EXPECT_EQ(GetWindowTextA(window.control(kEdit), small, 5), 4);
        EXPECT_STREQ(small, "    ");
    });
}

TEST_F(Edit, HidingKeepsTheText) {
    inDialog(user, [](UserAtWindow& window) {
        window.type(kEdit, "42");
        ShowWindow(window.control(kEdit), SW_HIDE);
        EXPECT_FALSE(window.tryType(kEdit, "7")) << "a hidden edit takes no typing";
        ShowWindow(window.control(kEdit), SW_SHOW);
        EXPECT_EQ(window.text(kEdit), "42");
    });
}

TEST_F(Edit, WritesToStaleHandlesAreHarmless) {
    HWND stale = nullptr;
    inDialog(user, [&stale](UserAtWindow& window) { stale = window.control(kEdit); });
    EXPECT_FALSE(IsWindow(stale));
    EXPECT_EQ(SetWindowTextA(stale, "x"), FALSE);
    EXPECT_EQ(SendMessageA(stale, WM_GETTEXTLENGTH, 0, 0), 0);
}

}  // namespace
