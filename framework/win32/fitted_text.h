#pragma once

#include "portable/win32_types.h"

// Texts that must show on one line: one-line labels, captions and the lines
// of the results fields. As on the other platforms, such a text may be set
// a little smaller than the dialog's font rather than be cut.
namespace fitted_text {

// Whether `control` is one of those.
bool isFitted(HWND control);
// Measures it and applies what the fitting rule (portable/text_fitting.h)
// decides: the largest size, from its normal one down to 85% of it, that
// shows its widest line whole, a results field scrolled past as many of the
// blanks its lines all start with as that line needs; a results field whose
// lines do not fit even then keeps the smallest size with narrower glyphs.
void fit(HWND control);

}  // namespace fitted_text
