#pragma once

#include <functional>
#include <string>

#include "windowing/display.h"

// Says a dialog's results to a screen reader as they appear: Calculate
// leaves the focus where it is, so they would be heard only by going to
// them. The results are what the dialog's read-only multi-line edits show,
// each named as its control is; a message written in their place is said
// the same way. Said once the program has done with the input that wrote
// them, and again when they are written again, even the same.
class ResultsAnnouncer {
public:
    // `nameOf` gives a control's accessible name.
    ResultsAnnouncer(HWND dialog, std::function<std::string(HWND)> nameOf);

    void changed(HWND window, Change change);
    // The program has done with an input: says what it wrote.
    void flush();

private:
    bool showsResults(HWND window) const;
    // Whether any results show, blanks aside.
    bool showsAny() const;
    // The shown results in words, empty when none show.
    std::string summary() const;

    HWND m_dialog;
    std::function<std::string(HWND)> m_nameOf;
    std::string m_announced;
    bool m_pending = false;
};
