#include "display/qt/base_units.h"

#include <QFontMetrics>

BaseUnits baseUnitsOf(const QFont& font) {
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const QFontMetrics metrics(font);
    const int count = static_cast<int>(letters.size());
    BaseUnits units;
    units.cx = (metrics.horizontalAdvance(letters) + count / 2) / count;
    units.cy = metrics.height();
    return units;
}
