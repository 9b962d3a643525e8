#include "display/qt/fitting_font.h"

#include <QFontMetrics>
#include <QHash>

namespace {

// The point size at which `text` fits, or `normal`'s own.
double fittingSize(const QFont& normal, const QString& text, int room, double smallestShare) {
    const double size = normal.pointSizeF();
    for (double smaller = size; size > 0 && smaller >= size * smallestShare; smaller -= 0.25) {
        QFont candidate = normal;
        candidate.setPointSizeF(smaller);
        if (QFontMetrics(candidate).horizontalAdvance(text) <= room) return smaller;
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
