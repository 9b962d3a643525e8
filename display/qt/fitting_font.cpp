#include "display/qt/fitting_font.h"

#include <QFontMetrics>
#include <QHash>
#include <algorithm>

namespace {

constexpr double kQuarterPoint = 0.25;

}  // namespace

QFont fontAtStep(const QFont& normal, int step) {
    if (step == 0) return normal;
    QFont font = normal;
    font.setPointSizeF(normal.pointSizeF() - kQuarterPoint * step);
    return font;
}

int sizeSteps(const QFont& normal, double smallestShare) {
    return text_fitting::sizeSteps(normal.pointSizeF(), kQuarterPoint, smallestShare);
}

int LineMeasures::widestLine(int step, int columns) {
    const QFontMetrics metrics(fontAtStep(m_normal, step));
    int widest = 0;
    for (const QString& line : m_lines) widest = std::max(widest, metrics.horizontalAdvance(line.mid(columns)));
    return widest;
}

QFont fittingFont(const QFont& normal, const QString& text, int room, double smallestShare) {
    // Every opening of a window fits the same few texts again, and each size
    // tried costs the metrics of a font of its own.
    static QHash<QString, int> fitted;
    const QString key = normal.key() + QLatin1Char('\n') + text + QLatin1Char('\n') + QString::number(room) + QLatin1Char('\n') +
                        QString::number(smallestShare);
    auto found = fitted.constFind(key);
    if (found == fitted.constEnd()) {
        // The program's texts are few; a bound all the same.
        if (fitted.size() >= 256) fitted.clear();
        LineMeasures measures(normal, {text}, room);
        found = fitted.insert(key, text_fitting::fit(measures, sizeSteps(normal, smallestShare), 0).step);
    }
    return fontAtStep(normal, *found);
}
