#include <gtest/gtest.h>

#include "test_dialog.h"

using namespace test_dialog;

namespace {

class ListBox : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    static LRESULT send(UserAtWindow& window, int id, UINT message, WPARAM wParam = 0, const char* text = nullptr) {
        return SendMessageA(window.control(id), message, wParam, reinterpret_cast<LPARAM>(text));
    }
    ScriptedUser user;
};

TEST_F(ListBox, InsertPutsEachItemAtItsIndexEvenWithTheSortStyle) {
    inDialog(user, [](UserAtWindow& window) {
        EXPECT_EQ(send(window, kList, LB_INSERTSTRING, 0, "natural frequency"), 0);
        EXPECT_EQ(send(window, kList, LB_INSERTSTRING, 1, "stiffness"), 1);
        EXPECT_EQ(send(window, kList, LB_INSERTSTRING, 2, "mass"), 2);
        EXPECT_EQ(send(window, kList, LB_INSERTSTRING, 0, "zeta"), 0);
        EXPECT_EQ(window.items(kList), (std::vector<std::string>{"zeta", "natural frequency", "stiffness", "mass"}));
        EXPECT_EQ(send(window, kList, LB_INSERTSTRING, 9, "past the end"), LB_ERR);
        EXPECT_EQ(send(window, kList, LB_INSERTSTRING, static_cast<WPARAM>(-1), "appended"), 4);
        EXPECT_EQ(window.items(kList).back(), "appended");
    });
}

TEST_F(ListBox, SelectionQueries) {
    inDialog(user, [](UserAtWindow& window) {
        EXPECT_EQ(send(window, kList, LB_GETCURSEL), LB_ERR);
        EXPECT_EQ(send(window, kList, LB_SETCURSEL, 0), LB_ERR) << "nothing to select in an empty list";
        send(window, kList, LB_INSERTSTRING, 0, "a");
        send(window, kList, LB_INSERTSTRING, 1, "b");
        EXPECT_EQ(send(window, kList, LB_SETCURSEL, 1), 1);
        EXPECT_EQ(send(window, kList, LB_GETCURSEL), 1);
        send(window, kList, LB_INSERTSTRING, 0, "first");
        EXPECT_EQ(send(window, kList, LB_GETCURSEL), 2) << "the selection moves with its item";
        EXPECT_EQ(send(window, kList, LB_SETCURSEL, static_cast<WPARAM>(-1)), LB_ERR);
        EXPECT_EQ(send(window, kList, LB_GETCURSEL), LB_ERR);
    });
}

// Which actions report LBN_SELCHANGE, and where the selection of the list
// with LBS_NOTIFY ends, as a table.
TEST_F(ListBox, OnlyTheUsersSelectionsAreReported) {
    struct Row {
        const char* action;
        std::function<void(UserAtWindow&)> act;
        std::vector<std::string> expected;
        int selection;
    };
    const std::string change = code(kList, LBN_SELCHANGE);
    const std::vector<Row> rows = {
        {"LB_SETCURSEL", [](UserAtWindow& w) { send(w, kList, LB_SETCURSEL, 1); }, {}, 1},
        {"LB_RESETCONTENT", [](UserAtWindow& w) { send(w, kList, LB_SETCURSEL, 1); send(w, kList, LB_RESETCONTENT); }, {}, -1},
        {"a click", [](UserAtWindow& w) { w.choose(kList, 1); }, {change}, 1},
        {"a click on the selected item", [](UserAtWindow& w) { w.choose(kList, 0); w.choose(kList, 0); }, {change, change}, 0},
        {"a click without LBS_NOTIFY", [](UserAtWindow& w) { w.choose(kQuietList, 1); }, {}, -1},
        {"Down with nothing selected", [](UserAtWindow& w) { w.focus(kList); w.press(Key::Down); }, {change}, 0},
        {"Down, Down, Up", [](UserAtWindow& w) { w.focus(kList); w.press(Key::Down); w.press(Key::Down); w.press(Key::Up); },
         {change, change, change}, 0},
        {"End then Down at the end", [](UserAtWindow& w) { w.focus(kList); w.press(Key::End); w.press(Key::Down); }, {change}, 2},
        {"Up on the first item", [](UserAtWindow& w) { w.choose(kList, 0); w.press(Key::Up); }, {change}, 0},
        {"Home from the last item", [](UserAtWindow& w) { w.choose(kList, 2); w.press(Key::Home); }, {change, change}, 0},
    };
    for (const Row& row : rows) {
        reset();
        inDialog(user, [&row](UserAtWindow& window) {
            for (int id : {kList, kQuietList}) {
                send(window, id, LB_INSERTSTRING, 0, "a");
                send(window, id, LB_INSERTSTRING, 1, "b");
                send(window, id, LB_INSERTSTRING, 2, "c");
            }
            takeLog();
            row.act(window);
            EXPECT_EQ(takeLog(), row.expected) << row.action;
            EXPECT_EQ(window.selection(kList), row.selection) << row.action;
        });
    }
}

TEST_F(ListBox, HidingKeepsItemsAndSelection) {
    inDialog(user, [](UserAtWindow& window) {
        send(window, kList, LB_INSERTSTRING, 0, "a");
        send(window, kList, LB_INSERTSTRING, 1, "b");
        send(window, kList, LB_SETCURSEL, 1);
        ShowWindow(window.control(kList), SW_HIDE);
        EXPECT_FALSE(window.visible(kList));
        EXPECT_FALSE(WindowSystem::instance().userSelects(window.control(kList), 0)) << "a hidden list takes no clicks";
        ShowWindow(window.control(kList), SW_SHOW);
        EXPECT_EQ(window.items(kList), (std::vector<std::string>{"a", "b"}));
        EXPECT_EQ(window.selection(kList), 1);
    });
}

}  // namespace
