#pragma once

#include <string>

#include "portable/win32_types.h"

// What a screen reader says for the controls: the naming plan
// (portable/naming_plan), which the Linux display applies too, set through
// Windows' accessibility property service.
namespace accessible {

// The texts a screen reader reads beside a control's role.
enum class TextProperty { Name, Description };

// What the program asks of the accessibility property service: Windows' own
// unless a test stands in for it (Wine's takes every request and keeps none).
class PropertyService {
public:
    virtual ~PropertyService() = default;
    virtual void setText(HWND control, TextProperty property, const std::wstring& text) = 0;
    virtual void setRole(HWND control, LONG role) = 0;
};

// `service` takes the requests from now on; null gives them to Windows again.
void usePropertyService(PropertyService* service);

// Names and describes every control of `dialog` as the plan says. Windows
// names an edit or a list only by a label (static text) just before it, and
// the captions are read-only edits; run again when a text that can name
// changes.
void nameControls(HWND dialog);

// After the program wrote the text of `window`: names the controls of its
// dialog again when that text can name one.
void textChanged(HWND window);

// Exposes `control` as a link; the plan names it by its caption.
void exposeAsLink(HWND control);

}  // namespace accessible
