#pragma once

#include "portable/win32_types.h"

// For the GUI tests, which see the program from outside, where Windows tells
// nothing about fonts: with RESONIX_FONT_REPORT_FILE naming a file, a dialog
// that is sent the message registered as kFontReportMessage (test_probes.h
// answers it) writes there, for each of its controls, the font its text is
// drawn in and the room it has.
namespace font_report {

inline constexpr char kFileVariable[] = "RESONIX_FONT_REPORT_FILE";
inline constexpr wchar_t kFontReportMessage[] = L"resonix font report";

// The message, or 0 when no report is wanted.
UINT message();

// Writes one line for each control of `dialog`, in pixels:
//   <window handle, hex> <fixed|variable> <room> <ink from> <ink to> <face>
// the room being an edit's formatting rectangle, else the client area, and
// the ink the pixels, counted from the room's left edge, that its characters
// other than blanks cover: where a multi-line edit, scrolled or not, draws
// them, else 0 to the widest line measured in the control's font.
void write(HWND dialog);

}  // namespace font_report
