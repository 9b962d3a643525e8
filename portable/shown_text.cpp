#include "portable/shown_text.h"

std::string withoutMnemonics(const std::string& text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;  // keeps the marked character, or the second '&'
        plain += text[i];
    }
    return plain;
}

std::string spokenText(const std::string& text, bool showsPrefix) { return showsPrefix ? withoutMnemonics(text) : text; }
