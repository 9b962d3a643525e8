#include "display/qt/link_widget.h"

#include <QApplication>
#include <QPalette>

#include "display/qt/fitting_font.h"
#include "display/qt/window_text.h"
#include "windowing/hosted_control.h"
#include "portable/text_fitting.h"

namespace {

// Hundredths of a millimetre to pixels of the widget's screen.
int toPixels(std::int32_t extent, double dotsPerInch) { return static_cast<int>(extent * dotsPerInch / 2540.0 + 0.5); }

QFont fontOf(const HostedDescription::Font& described) {
    // The described face may not be on this desktop: the interface font's
    // family stands in for it.
    QFont font = QApplication::font();
    font.setFamilies({toQt(described.face), font.family()});
    if (described.points > 0) font.setPointSizeF(described.points);
    font.setWeight(static_cast<QFont::Weight>(described.weight));
    font.setItalic(described.italic);
    font.setUnderline(described.underline);
    font.setStrikeOut(described.strikeOut);
    return font;
}

}  // namespace

LinkWidget::LinkWidget(const HostedControl& control) {
    const HostedDescription& link = control.description();
    setTextFormat(Qt::PlainText);
    // The caption is the link's whole message: it may be set smaller than a
    // caption would be before it is cut.
    const QString caption = toQt(link.text);
    setFont(fittingFont(fontOf(link.font), caption, control.rect().right - control.rect().left - 2 * margin(),
                        kSmallestLinkShare));
    setText(caption);
    setForegroundRole(QPalette::Link);
    if (link.activation != HostedDescription::Activation::None) setCursor(Qt::PointingHandCursor);
    if (link.activation == HostedDescription::Activation::OpensTarget) setToolTip(toQt(link.target));
    m_extent = QSize(toPixels(link.extentX, logicalDpiX()), toPixels(link.extentY, logicalDpiY()));
}

QSize LinkWidget::sizeHint() const { return m_extent.isEmpty() ? QLabel::sizeHint() : m_extent; }
