#include "display/qt/fitting_font.h"

#include <QFontMetrics>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace {

bool fitsAt(const QFont& normal, double size, const QString& text, int room) {
    QFont candidate = normal;
    candidate.setPointSizeF(size);
    return QFontMetrics(candidate).horizontalAdvance(text) <= room;
}

// A size, in quarter points down from `normal`'s own to `smallestShare` of
// it, at which `text` fits; `normal`'s own when none does. Each size tried
// costs a font of its own, so the search starts where the width, which grows
// with the size, says the text fits, and goes down from there.
double fittingSize(const QFont& normal, const QString& text, int room, double smallestShare) {
    const double size = normal.pointSizeF();
    const int width = QFontMetrics(normal).horizontalAdvance(text);
    if (size <= 0 || width <= room) return size;
    const auto smaller = [size](int steps) { return size - 0.25 * steps; };
    const int mostSteps = static_cast<int>(std::floor(size * (1 - smallestShare) * 4 + 1e-9));
    if (mostSteps < 1) return size;
    int steps = std::clamp(static_cast<int>(std::ceil((size - size * room / width) * 4)), 1, mostSteps);
    // The width grows in proportion to the size but for the rounding of each
    // glyph's advance: where the estimate fits it is the size, or a quarter
    // point short of it, which is not worth another font.
    if (fitsAt(normal, smaller(steps), text, room)) return smaller(steps);
    while (++steps <= mostSteps) {
        if (fitsAt(normal, smaller(steps), text, room)) return smaller(steps);
    }
    return size;
}

}  // namespace

QFont fittingFont(const QFont& normal, const QString& text, int room, double smallestShare) {
    // Every opening of a window fits the same few texts again, and each size
    // tried costs the metrics of a font of its own.
    static QHash<QString, double> fitted;
    const QString key = normal.key() + QLatin1Char('\n') + text + QLatin1Char('\n') + QString::number(room) + QLatin1Char('\n') +
                        QString::number(smallestShare);
    auto found = fitted.constFind(key);
    if (found == fitted.constEnd()) {
        // The program's texts are few; a bound all the same.
        if (fitted.size() >= 256) fitted.clear();
        found = fitted.insert(key, fittingSize(normal, text, room, smallestShare));
    }
    if (*found == normal.pointSizeF()) return normal;
    QFont fitting = normal;
    fitting.setPointSizeF(*found);
    return fitting;
}
