#pragma once

#include <span>

#include "calculator/calc_request.h"
#include "calculator/unit_table.h"
#include "framework/afxwin.h"

// What the two calculator windows do alike with their controls: the analysis
// and unit lists, the input area that choosing an analysis sets up, and the
// reading and echoing of the inputs around Calculate.
namespace calculator {

// A field is cleared to a single blank, never to the empty text.
inline constexpr const char* kBlank = " ";

// Empties `list` and inserts `items` at positions 0, 1, 2 and so on.
// Inserting at explicit positions keeps the order although the lists carry
// the sort style: a sorting add would scramble the positions, which are what
// the calculations branch on.
void fillList(const CListBox& list, std::span<const char* const> items);
void emptyList(const CListBox& list);
// The selected position, or LB_ERR.
int selection(const CListBox& list);

// What choosing an analysis puts in the input area: the captions, and the
// unit tables whose names fill the lists.
struct InputSetUp {
    const char* caption1;
    UnitTable units1;
    const char* caption2;
    UnitTable units2;
};

// The set-up of `analysis`, or null for a position outside `setUps` (nothing
// selected).
const InputSetUp* setUpFor(std::span<const InputSetUp> setUps, int analysis);

// The input area of a calculator window: two captions, two value fields and
// two unit lists in a group box.
struct InputArea {
    CEdit& caption1;
    CEdit& caption2;
    CButton& group;
    CEdit& input1;
    CEdit& input2;
    CListBox& units1;
    CListBox& units2;

    // Shows or hides the whole area, captions first and unit lists last.
    void show(int command) const;
    // Writes the captions and fills the unit lists, which the window has
    // emptied, with the names of `setUp`'s units; with no set-up the captions
    // keep their texts and the lists stay empty. Either way the SI unit (the
    // first position) is then selected in each list, which reports nothing.
    void apply(const InputSetUp* setUp) const;
    // What the user typed and chose, for Calculate.
    CalcRequest read(const CListBox& analysis) const;
    // Writes both echoes back. Each write raises EN_CHANGE, which blanks the
    // results: a window writes its results only after this.
    void writeEchoes(const CalcResult& result) const;
};

}  // namespace calculator
