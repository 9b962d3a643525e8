#pragma once

#include "windowing/window.h"

// What a control is on screen, read from its kind and styles: the display
// picks a widget and an input behaviour per role.
enum class ControlRole {
    PushButton,    // a push button, default or not
    GroupBox,      // a frame with a caption; takes no input
    Label,         // static text
    Picture,       // a static bitmap
    InputEdit,     // a single-line edit the user types into
    CaptionEdit,   // a single-line read-only edit: a caption or title the program writes
    TextArea,      // a multi-line edit the user types into
    ResultsField,  // a multi-line read-only edit: text to read and copy
    ListBox,
    Hosted,        // a control of an outside class
};

ControlRole roleOf(const Window& control);

// Labels and caption edits name the controls below them.
bool isCaption(ControlRole role);
