#include <gtest/gtest.h>

#include "test_dialog.h"

using namespace test_dialog;

namespace {

class ListBox : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    // Runs the test dialog with `step` as what the user does; the step ends it.
    void inDialog(const std::function<void(UserAtWindow&)>& step) {
        user.at("Test", [step](UserAtWindow& window) {
            step(window);
            window.press(Key::Escape);
        });
        run(makeTemplate());
    }
    static LRESULT send(UserAtWindow& window, int id, UINT message, WPARAM wParam = 0, const char* text = nullptr) {
        return SendMessageA(window.control(id), message, wParam, reinterpret_cast<LPARAM>(text));
    }
    ScriptedUser user;
};

TEST_F(ListBox, InsertPutsEachItemAtItsIndexEvenWithTheSortStyle) {
    inDialog([](UserAtWindow& window) {
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

TEST_F(ListBox, SelectionQueriesAndReset) {
    inDialog([](UserAtWindow& window) {
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
        send(window, kList, LB_SETCURSEL, 0);
        send(window, kList, LB_RESETCONTENT);
        EXPECT_EQ(send(window, kList, LB_GETCURSEL), LB_ERR);
        EXPECT_TRUE(window.items(kList).empty());
    });
}

// Which actions report LBN_SELCHANGE, as a table of action and notifications.
TEST_F(ListBox, OnlyTheUsersSelectionsAreReported) {
    struct Row {
        const char* action;
        std::function<void(UserAtWindow&)> act;
        std::vector<std::string> expected;
    };
    const std::string change = code(kList, LBN_SELCHANGE);
    const std::vector<Row> rows = {
        {"LB_SETCURSEL", [](UserAtWindow& w) { send(w, kList, LB_SETCURSEL, 1); }, {}},
        {"LB_RESETCONTENT", [](UserAtWindow& w) { send(w, kList, LB_RESETCONTENT); }, {}},
        {"a click", [](UserAtWindow& w) { w.choose(kList, 1); }, {change}},
        {"a click on the selected item", [](UserAtWindow& w) { w.choose(kList, 0); w.choose(kList, 0); }, {change, change}},
        {"a click without LBS_NOTIFY", [](UserAtWindow& w) { w.choose(kQuietList, 1); }, {}},
        {"Down with nothing selected", [](UserAtWindow& w) { w.focus(kList); w.press(Key::Down); }, {change}},
        {"Down, Down, Up", [](UserAtWindow& w) { w.focus(kList); w.press(Key::Down); w.press(Key::Down); w.press(Key::Up); },
         {change, change, change}},
        {"End then Down at the end", [](UserAtWindow& w) { w.focus(kList); w.press(Key::End); w.press(Key::Down); }, {change}},
        {"Home on the first item", [](UserAtWindow& w) { w.choose(kList, 0); w.press(Key::Home); }, {change}},
    };
    for (const Row& row : rows) {
        reset();
        inDialog([&row](UserAtWindow& window) {
            for (int id : {kList, kQuietList}) {
                send(window, id, LB_INSERTSTRING, 0, "a");
                send(window, id, LB_INSERTSTRING, 1, "b");
                send(window, id, LB_INSERTSTRING, 2, "c");
            }
            takeLog();
            row.act(window);
            EXPECT_EQ(takeLog(), row.expected) << row.action;
        });
    }
}

TEST_F(ListBox, ArrowKeysMoveTheSelectionWithinTheList) {
    inDialog([](UserAtWindow& window) {
        for (int index : {0, 1, 2}) send(window, kList, LB_INSERTSTRING, static_cast<WPARAM>(index), "item");
        window.focus(kList);
        window.press(Key::Down);
        EXPECT_EQ(window.selection(kList), 0) << "with nothing selected the first item is taken";
        window.press(Key::Down);
        window.press(Key::Down);
        window.press(Key::Down);
        EXPECT_EQ(window.selection(kList), 2);
        window.press(Key::Home);
        EXPECT_EQ(window.selection(kList), 0);
        window.press(Key::Up);
        EXPECT_EQ(window.selection(kList), 0);
    });
}

TEST_F(ListBox, HidingKeepsItemsAndSelection) {
    inDialog([](UserAtWindow& window) {
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
