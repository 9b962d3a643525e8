#include "display/qt/control_role.h"

#include "windowing/button_control.h"
#include "windowing/edit_control.h"
#include "windowing/static_control.h"

ControlRole roleOf(const Window& control) {
    switch (control.kind()) {
    case ControlKind::Button:
        return static_cast<const ButtonControl&>(control).isGroupBox() ? ControlRole::GroupBox : ControlRole::PushButton;
    case ControlKind::Edit: {
        const auto& edit = static_cast<const EditControl&>(control);
        if (edit.isMultiLine()) return edit.isReadOnly() ? ControlRole::ResultsField : ControlRole::TextArea;
        return edit.isReadOnly() ? ControlRole::CaptionEdit : ControlRole::InputEdit;
    }
    case ControlKind::Static:
        return static_cast<const StaticControl&>(control).isBitmap() ? ControlRole::Picture : ControlRole::Label;
    case ControlKind::ListBox:
        return ControlRole::ListBox;
    case ControlKind::Hosted:
        return ControlRole::Hosted;
    case ControlKind::Dialog:
        break;
    }
    return ControlRole::Label;
}

bool isCaption(ControlRole role) { return role == ControlRole::Label || role == ControlRole::CaptionEdit; }
