#include "display/qt/fitting_font.h"

#include <QFontMetrics>

QFont fittingFont(const QFont& normal, const QString& text, int room, double smallestShare) {
    const double size = normal.pointSizeF();
    for (double smaller = size; size > 0 && smaller >= size * smallestShare; smaller -= 0.25) {
        QFont candidate = normal;
        candidate.setPointSizeF(smaller);
        if (QFontMetrics(candidate).horizontalAdvance(text) <= room) return candidate;
    }
    return normal;
}
