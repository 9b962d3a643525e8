#pragma once

#include "weblink/link_properties.h"
#include "portable/hosted_description.h"

namespace weblink {

// The web link as the window system shows it, from its stored properties:
// its caption as a link in the stored font, asking for the stored extent,
// opening its address when activated. Both platforms draw and act from this.
HostedDescription describeLink(const LinkProperties& properties);

}  // namespace weblink
