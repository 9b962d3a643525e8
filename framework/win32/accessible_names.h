#pragma once

#include <string>

#include "portable/win32_types.h"

// What a screen reader says for the controls that Windows cannot name by
// itself.
namespace accessible {

// Names each input edit of `dialog` by its caption: the read-only edit or
// label just above it in the same group box, found as on Linux
// (caption_search). Windows takes only labels (statics) as names, and the
// captions are read-only edits; run again when a caption changes.
void nameInputsByCaptions(HWND dialog);

// After the program wrote the text of `window`: names the inputs again when
// it is a caption.
void textChanged(HWND window);

// Exposes `control` as a link named `name`.
void exposeAsLink(HWND control, const std::wstring& name);

}  // namespace accessible
