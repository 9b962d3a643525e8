#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include "portable/text_fitting.h"

// Texts set smaller to fit, on screen: the fitting rule (portable/text_fitting.h)
// measured in Qt's fonts, whose sizes step down by a quarter point.

// `normal` at size step `step`.
QFont fontAtStep(const QFont& normal, int step);
// How many sizes `normal` may take, down to `smallestShare` of it; only its
// own when its size is set in pixels.
int sizeSteps(const QFont& normal, double smallestShare);

// `lines` in the sizes of `normal`, with `room` pixels for them.
class LineMeasures : public text_fitting::Measures {
public:
    LineMeasures(const QFont& normal, const QStringList& lines, int room) : m_normal(normal), m_lines(lines), m_room(room) {}
    int room(int) override { return m_room; }
    int widestLine(int step, int columns) override;

private:
    QFont m_normal;
    QStringList m_lines;
    int m_room;
};

// The font for a one-line `text` in `room` pixels: `normal`, or a size of it
// down to `smallestShare` at which the text fits.
QFont fittingFont(const QFont& normal, const QString& text, int room, double smallestShare);
