#include "weblink/link_description.h"

namespace weblink {

HostedDescription describeLink(const LinkProperties& properties) {
    HostedDescription description;
    description.shows = HostedDescription::Shows::Link;
    description.text = properties.caption;
    description.font.face = properties.font.face;
    description.font.points = properties.font.points;
    description.font.weight = properties.font.weight;
    description.font.italic = properties.font.italic;
    description.font.underline = properties.font.underline;
    description.font.strikeOut = properties.font.strikethrough;
    description.font.charset = properties.font.charset;
    description.target = properties.url;
    description.extentX = properties.extentX;
    description.extentY = properties.extentY;
    description.activation = HostedDescription::Activation::OpensTarget;
    return description;
}

}  // namespace weblink
