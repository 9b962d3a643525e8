#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <QWidget>

// Places widgets from dialog units as resonix does, from the average
// character width and the height of a widget's font: the bare yardsticks
// get the same sizes as the windows they are compared with.
class DialogUnits {
public:
    explicit DialogUnits(const QWidget& widget) {
        const QFontMetrics metrics(widget.font());
        const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
        m_cx = (metrics.horizontalAdvance(letters) + 26) / 52;
        m_cy = metrics.height();
    }

    int x(int units) const { return (units * m_cx + 2) / 4; }
    int y(int units) const { return (units * m_cy + 4) / 8; }
    QRect place(int left, int top, int width, int height) const {
        return QRect(QPoint(x(left), y(top)), QPoint(x(left + width), y(top + height)) - QPoint(1, 1));
    }

private:
    int m_cx = 8;
    int m_cy = 16;
};
