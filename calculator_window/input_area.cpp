#include "calculator_window/input_area.h"

#include <cstddef>

namespace calculator {

void emptyList(const CListBox& list) { list.SendMessageA(LB_RESETCONTENT); }

namespace {

void insertItem(const CListBox& list, std::size_t index, const char* item) {
    list.SendMessageA(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item));
}

void insertUnits(const CListBox& list, UnitTable units) {
    for (std::size_t index = 0; index < units.size(); ++index) {
        insertItem(list, index, units[index].name);
    }
}

}  // namespace

void fillList(const CListBox& list, std::span<const char* const> items) {
    emptyList(list);
    for (std::size_t index = 0; index < items.size(); ++index) {
        insertItem(list, index, items[index]);
    }
}

int selection(const CListBox& list) { return static_cast<int>(list.SendMessageA(LB_GETCURSEL)); }

const InputSetUp* setUpFor(std::span<const InputSetUp> setUps, int analysis) {
    if (analysis < 0 || static_cast<std::size_t>(analysis) >= setUps.size()) {
        return nullptr;
    }
    return &setUps[static_cast<std::size_t>(analysis)];
}

void InputArea::show(int command) const {
    caption1.ShowWindow(command);
    caption2.ShowWindow(command);
    group.ShowWindow(command);
    input2.ShowWindow(command);
    input1.ShowWindow(command);
    units2.ShowWindow(command);
    units1.ShowWindow(command);
}

void InputArea::apply(const InputSetUp* setUp) const {
    if (setUp) {
        caption1.SetWindowTextA(setUp->caption1);
        caption2.SetWindowTextA(setUp->caption2);
        insertUnits(units1, setUp->units1);
        insertUnits(units2, setUp->units2);
    }
    units2.SendMessageA(LB_SETCURSEL, 0);
    units1.SendMessageA(LB_SETCURSEL, 0);
}

CalcRequest InputArea::read(const CListBox& analysis) const {
    CString text1;
    CString text2;
    input1.GetWindowTextA(text1);
    input2.GetWindowTextA(text2);
    return CalcRequest{selection(analysis), text1.str(), text2.str(), selection(units1), selection(units2)};
}

void InputArea::writeEchoes(const CalcResult& result) const {
    input1.SetWindowTextA(result.echo1.c_str());
    input2.SetWindowTextA(result.echo2.c_str());
}

}  // namespace calculator
