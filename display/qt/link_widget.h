#pragma once

#include <QLabel>

class HostedControl;

// A hosted control that shows a link, on screen: its text in the font its
// description gives, in the link colour, with the pointing hand when
// activating it does something. Clicks and keys reach the window system like
// every control's; the control acts itself.
class LinkWidget : public QLabel {
public:
    explicit LinkWidget(const HostedControl& control);

    // The size the control asks for: its extent.
    QSize sizeHint() const override;

private:
    QSize m_extent;
};
