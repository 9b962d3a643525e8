#include "display/qt/link_widget.h"

#include <QApplication>
#include <QPalette>

#include "display/qt/fitting_font.h"
#include "display/qt/window_text.h"
#include "weblink/web_link_control.h"

namespace {

// How much smaller than its stored size the caption may be set to fit.
constexpr double kSmallestShare = 0.7;

// Hundredths of a millimetre to pixels of the widget's screen.
int toPixels(std::int32_t extent, double dotsPerInch) { return static_cast<int>(extent * dotsPerInch / 2540.0 + 0.5); }

QFont fontOf(const weblink::LinkFont& stored) {
    // The stored face may not be on this desktop: the interface font's
    // family stands in for it.
    QFont font = QApplication::font();
    font.setFamilies({toQt(stored.face), font.family()});
    if (stored.points > 0) font.setPointSizeF(stored.points);
    font.setWeight(static_cast<QFont::Weight>(stored.weight));
    font.setItalic(stored.italic);
    font.setUnderline(stored.underline);
    font.setStrikeOut(stored.strikethrough);
    return font;
}

}  // namespace

LinkWidget::LinkWidget(const WebLinkControl& control) {
    const weblink::LinkProperties& properties = control.properties();
    setTextFormat(Qt::PlainText);
    // The caption is the link's whole message: it may be set smaller than a
    // caption would be before it is cut.
    const QString caption = toQt(properties.caption);
    setFont(fittingFont(fontOf(properties.font), caption, control.rect().right - control.rect().left - 2 * margin(),
                        kSmallestShare));
    setText(caption);
    setForegroundRole(QPalette::Link);
    setCursor(Qt::PointingHandCursor);
    setToolTip(toQt(properties.url));
    m_extent = QSize(toPixels(properties.extentX, logicalDpiX()), toPixels(properties.extentY, logicalDpiY()));
}

QSize LinkWidget::sizeHint() const { return m_extent.isEmpty() ? QLabel::sizeHint() : m_extent; }
