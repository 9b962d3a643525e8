#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/scripted_user.h"

// Picking a list's item by its text, as a user does; a text the list does
// not show fails the test.
inline void chooseItem(UserAtWindow& w, int listId, const std::string& item) {
    const std::vector<std::string> items = w.items(listId);
    const auto found = std::find(items.begin(), items.end(), item);
    ASSERT_NE(found, items.end()) << "no item \"" << item << "\" in list " << listId;
    w.choose(listId, static_cast<int>(found - items.begin()));
}

// The text of a list's selected item; empty with nothing selected.
inline std::string chosenItem(const UserAtWindow& w, int listId) {
    const int selection = w.selection(listId);
    return selection < 0 ? std::string() : w.items(listId).at(static_cast<std::size_t>(selection));
}
