#pragma once

#include "windowing/window.h"

// Static text, or a picture (SS_BITMAP) showing a bitmap resource.
class StaticControl : public Window {
public:
    StaticControl(int id, std::string text, DWORD style, WORD imageId)
        : Window(ControlKind::Static, id, std::move(text), style), m_imageId(imageId) {}

    // Without SS_NOPREFIX an ampersand marks the next character as a mnemonic.
    bool showsPrefix() const { return !hasStyle(SS_NOPREFIX); }
    WORD imageId() const { return m_imageId; }

private:
    WORD m_imageId;
};
