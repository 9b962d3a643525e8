#pragma once

#include <QLabel>

class WebLinkControl;

// The web-link control on screen: its caption in the font its property
// stream gives, in the link colour, with the pointing hand. Clicks and keys
// reach the window system like every control's; the control opens its
// address itself.
class LinkWidget : public QLabel {
public:
    explicit LinkWidget(const WebLinkControl& control);

    // The size the control asks for: its stored extent.
    QSize sizeHint() const override;

private:
    QSize m_extent;
};
