#pragma once

#include <string>

// Texts as the user sees them.

// "&x" marks x as a mnemonic and "&&" is a literal ampersand: the text
// without the marks.
std::string withoutMnemonics(const std::string& text);

// What a control says to a screen reader: its text without mnemonic marks,
// unless the control shows ampersands literally.
std::string spokenText(const std::string& text, bool showsPrefix);
