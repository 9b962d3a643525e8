#include "picture_check.h"

#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <cmath>
#include <optional>

#include "screen_user.h"
#include "windowing/window.h"

namespace {

// A frame's line is at least this much darker than the window around it.
constexpr int kLineContrast = 12;

enum class Side { Left, Top, Right, Bottom };
constexpr Side kSides[] = {Side::Left, Side::Top, Side::Right, Side::Bottom};

const char* nameOf(Side side) {
    switch (side) {
    case Side::Left: return "left";
    case Side::Top: return "top";
    case Side::Right: return "right";
    case Side::Bottom: return "bottom";
    }
    return "";
}

bool across(Side side) { return side == Side::Left || side == Side::Right; }

// The device pixels that a rectangle of the window covers, its edges rounded
// as a filled rectangle's are.
QRect devicePixels(const QRect& logical, qreal ratio) {
    return QRect(QPoint(qRound(logical.left() * ratio), qRound(logical.top() * ratio)),
                 QPoint(qRound((logical.right() + 1) * ratio) - 1, qRound((logical.bottom() + 1) * ratio) - 1));
}

// The pixel `depth` pixels in from `side` of `pixels`, `along` it from its start.
QPoint pixelAt(const QRect& pixels, Side side, int depth, int along) {
    switch (side) {
    case Side::Left: return {pixels.left() + depth, pixels.top() + along};
    case Side::Top: return {pixels.left() + along, pixels.top() + depth};
    case Side::Right: return {pixels.right() - depth, pixels.top() + along};
    case Side::Bottom: return {pixels.left() + along, pixels.bottom() - depth};
    }
    return {};
}

int lengthOf(const QRect& pixels, Side side) { return across(side) ? pixels.height() : pixels.width(); }

// Whether `inner` reaches `side` of `outer`.
bool reaches(const QRect& inner, const QRect& outer, Side side) {
    switch (side) {
    case Side::Left: return inner.left() == outer.left();
    case Side::Top: return inner.top() == outer.top();
    case Side::Right: return inner.right() == outer.right();
    case Side::Bottom: return inner.bottom() == outer.bottom();
    }
    return false;
}

// Whether a line runs along the middle half of `side`, within `band` pixels
// of it (or in the pixel just out from it, where a style may stroke an edge
// that falls inside a pixel): nine in ten of its pixels at one depth darker
// than the window.
bool hasLine(const QImage& picture, const QRect& pixels, Side side, int band, int window) {
    const int length = lengthOf(pixels, side);
    for (int depth = -1; depth < band; ++depth) {
        int dark = 0, count = 0;
        for (int along = length / 4; along < length - length / 4; ++along, ++count) {
            const QPoint at = pixelAt(pixels, side, depth, along);
            if (picture.valid(at) && qGray(picture.pixel(at)) <= window - kLineContrast) ++dark;
        }
        if (count > 0 && dark * 10 >= count * 9) return true;
    }
    return false;
}

// The frame of a control, in its own coordinates, and how far in from the
// top its line may run (a group box's runs at its title, which a style puts
// where it likes); none for a control without one.
struct Frame {
    QRect rect;
    int topBand = 2;
};

std::optional<Frame> frameOf(const QWidget& widget) {
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(&widget)) {
        if (area->frameWidth() > 0) return Frame{area->rect()};
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        if (edit->hasFrame()) return Frame{edit->rect()};
    } else if (qobject_cast<const QPushButton*>(&widget)) {
        return Frame{widget.rect()};
    } else if (qobject_cast<const QGroupBox*>(&widget)) {
        return Frame{widget.rect(), 2 * widget.fontMetrics().height()};
    }
    return std::nullopt;
}

// A control's text as it draws it: the text, its font and colours, and the
// area it is clipped to in the control's own coordinates.
struct ShownText {
    QString text;
    QRect clip;
    QColor ink;
    QColor paper;
    int wrapWidth = 0;  // for a label that wraps its words
};

// Each control that shows a text; not a list, which elides what it cannot
// show and shows it whole in a tooltip.
std::optional<ShownText> shownTextOf(const QWidget& widget) {
    const QPalette& palette = widget.palette();
    if (const auto* field = qobject_cast<const QPlainTextEdit*>(&widget)) {
        return ShownText{field->toPlainText(), QRect(field->viewport()->pos(), field->viewport()->size()), palette.color(QPalette::Text),
                         palette.color(QPalette::Base)};
    }
    // What the user types scrolls to the caret: only the program's captions.
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget); edit && edit->isReadOnly()) {
        const int frame = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
        return ShownText{edit->displayText(), edit->rect().adjusted(frame, frame, -frame, -frame), palette.color(QPalette::Text),
                         edit->hasFrame() ? palette.color(QPalette::Base) : palette.color(QPalette::Window)};
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget); label && label->pixmap().isNull()) {
        return ShownText{label->text(), label->contentsRect(), palette.color(label->foregroundRole()), palette.color(QPalette::Window),
                         label->wordWrap() ? label->contentsRect().width() : 0};
    }
    return std::nullopt;
}

// Whether a pixel is the ink of a text, at least half way from its paper to
// its ink colour and near the blend of the two that antialiasing makes:
// neither a focus ring nor a selection, in colours of their own.
bool isInk(QRgb pixel, const ShownText& shown) {
    const double ink[] = {shown.ink.redF(), shown.ink.greenF(), shown.ink.blueF()};
    const double paper[] = {shown.paper.redF(), shown.paper.greenF(), shown.paper.blueF()};
    const double at[] = {qRed(pixel) / 255.0, qGreen(pixel) / 255.0, qBlue(pixel) / 255.0};
    double along = 0, length = 0;
    for (int c = 0; c < 3; ++c) {
        along += (at[c] - paper[c]) * (ink[c] - paper[c]);
        length += (ink[c] - paper[c]) * (ink[c] - paper[c]);
    }
    if (length == 0) return false;
    const double share = along / length;
    double away = 0;
    for (int c = 0; c < 3; ++c) away += std::pow(at[c] - (paper[c] + share * (ink[c] - paper[c])), 2);
    return share >= 0.5 && std::sqrt(away) <= 0.2;
}

// The smallest rectangle that holds the ink within `area`; empty for none.
QRect inkIn(const QImage& image, const QRect& area, const ShownText& shown) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (isInk(image.pixel(x, y), shown)) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// The ink of the text drawn whole, nothing clipped, in the control's font.
QRect wholeInk(const ShownText& shown, const QFont& font, qreal ratio) {
    const QFontMetrics metrics(font);
    const QRect bounds = metrics.boundingRect(QRect(0, 0, shown.wrapWidth > 0 ? shown.wrapWidth : 100000, 100000),
                                              shown.wrapWidth > 0 ? Qt::TextWordWrap : 0, shown.text);
    QImage image((bounds.size() + QSize(8 * metrics.height(), 4 * metrics.height())) * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(shown.paper);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(shown.ink);
    painter.drawText(QRect(QPoint(2 * metrics.height(), metrics.height()), bounds.size() + QSize(1, 1)),
                     Qt::TextDontClip | (shown.wrapWidth > 0 ? Qt::TextWordWrap : 0), shown.text);
    painter.end();
    return inkIn(image, image.rect(), shown);
}

}  // namespace

std::vector<std::string> faultsInPicture(const ScreenWindow& window, const QImage& picture) {
    std::vector<std::string> faults;
    const qreal ratio = picture.devicePixelRatio();
    const int background = qGray(window.surface()->palette().color(QPalette::Window).rgb());
    for (HWND child : WindowSystem::instance().find(window.dialog())->children()) {
        const QWidget* widget = window.widgetOf(child);
        if (!widget || !widget->isVisible()) continue;
        const Window* control = WindowSystem::instance().find(child);
        const std::string name = ": control " + std::to_string(control->id()) + " \"" + control->text() + "\"";
        if (const std::optional<Frame> frame = frameOf(*widget)) {
            const QRect pixels = devicePixels(frame->rect.translated(widget->pos()), ratio);
            for (Side side : kSides) {
                const int band = static_cast<int>(std::ceil((side == Side::Top ? frame->topBand : 2) * ratio));
                if (!hasLine(picture, pixels, side, band, background)) faults.push_back(std::string("no ") + nameOf(side) + " frame line" + name);
            }
        }
        // A text is cut where its ink meets an edge of its clip and shows
        // less of it than the text has (a text that only fits meets an edge
        // too). At a fractional scale a text may sit a part of a pixel
        // elsewhere, and its ink be a pixel narrower.
        const std::optional<ShownText> shown = shownTextOf(*widget);
        if (!shown || shown->text.trimmed().isEmpty()) continue;
        const QRect clip = devicePixels(shown->clip.translated(widget->pos()), ratio);
        const QRect ink = inkIn(picture, clip, *shown);
        if (ink.isEmpty()) {
            faults.push_back("text not shown" + name);
            continue;
        }
        const QRect whole = wholeInk(*shown, widget->font(), ratio);
        const int slack = ratio == std::floor(ratio) ? 0 : 1;
        for (Side side : kSides) {
            const bool less = across(side) ? ink.width() < whole.width() - slack : ink.height() < whole.height() - slack;
            if (less && reaches(ink, clip, side)) faults.push_back(std::string("text cut at the ") + nameOf(side) + name);
        }
    }
    return faults;
}
