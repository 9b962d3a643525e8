#pragma once

#include "windowing/window.h"

// A push button, the default push button, or a group box (a frame with a
// caption that takes no input).
class ButtonControl : public Window {
public:
    ButtonControl(int id, std::string text, DWORD style) : Window(ControlKind::Button, id, std::move(text), style) {}

    DWORD buttonType() const { return style() & BS_TYPEMASK; }
    bool isPushButton() const override { return buttonType() == BS_PUSHBUTTON || buttonType() == BS_DEFPUSHBUTTON; }
    bool isDefaultPushButton() const override { return buttonType() == BS_DEFPUSHBUTTON; }
};
