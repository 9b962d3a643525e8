#include "weblink/linux/web_link_control.h"

#include "weblink/link_description.h"
#include "windowing/window_system.h"

namespace {

// The control's window text is its caption, which is what it shows and what
// a screen reader reads.
ControlTemplate withCaption(ControlTemplate entry, const std::string& caption) {
    entry.text = caption;
    return entry;
}

}  // namespace

WebLinkControl::WebLinkControl(const ControlTemplate& entry, const weblink::LinkProperties& properties)
    : HostedControl(withCaption(entry, properties.caption), weblink::describeLink(properties)) {}

void WebLinkControl::install() { HostedControlRegistry::instance().registerClass(kClassId, &WebLinkControl::create); }

void installWebLinkControl() { WebLinkControl::install(); }

std::unique_ptr<HostedControl> WebLinkControl::create(const ControlTemplate& entry) {
    weblink::LinkProperties properties;
    // Created without a stream, the control starts empty.
    if (!entry.initialState.empty()) {
        std::optional<weblink::LinkProperties> loaded = weblink::readLinkProperties(entry.initialState);
        if (!loaded) return nullptr;
        properties = std::move(*loaded);
    }
    return std::unique_ptr<HostedControl>(new WebLinkControl(entry, properties));
}

LRESULT WebLinkControl::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTMESSAGE;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN || wParam == VK_SPACE) open();
        return 0;
    case WM_LBUTTONUP:
        open();
        return 0;
    default:
        return HostedControl::handleMessage(message, wParam, lParam);
    }
}

void WebLinkControl::open() const {
    const HostedDescription& link = description();
    if (link.activation == HostedDescription::Activation::OpensTarget && !link.target.empty()) {
        WindowSystem::instance().openAddress(link.target);
    }
}
