#pragma once

#include <memory>

#include "weblink/link_properties.h"
#include "weblink/web_link.h"
#include "windowing/hosted_control.h"

// The web-link control: a caption that, clicked or pressed, opens its web
// address in the desktop's browser. An outside control as far as the program
// goes: dialogs host it by its class identifier and hand it its property
// stream, and it takes everything it shows and opens from that stream, which
// its description tells the display.
class WebLinkControl : public HostedControl {
public:
    // The identifier the control is registered under.
    static constexpr const char* kClassId = kWebLinkClassId;

    // Registers the class with the window system's control registry.
    static void install();
    // A control for `entry`, from its initial state: a property stream, or
    // none at all. Null when the stream is refused.
    static std::unique_ptr<HostedControl> create(const ControlTemplate& entry);

    // Enter and Space are the control's own while it has the focus; they,
    // and a click, open its address.
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    WebLinkControl(const ControlTemplate& entry, const weblink::LinkProperties& properties);
    void open() const;
};
