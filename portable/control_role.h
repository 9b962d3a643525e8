#pragma once

#include <string_view>

#include "portable/dialog_template.h"
#include "portable/win_types.h"

// What a control is, to a display and to a screen reader, read from its
// window class and style alone: the Linux display picks a widget and an input
// behaviour per role, and every platform names controls by role
// (naming_plan).
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

// The window class named `className`, matched as Windows matches class names,
// whatever their case (GetClassName gives "Edit" for a control made as
// "EDIT"); any class but the standard four is a control of an outside class.
ControlKind kindOfClass(std::wstring_view className);

ControlRole roleOf(ControlKind kind, DWORD style);

// Labels and caption edits name the controls below them.
bool isCaption(ControlRole role);
