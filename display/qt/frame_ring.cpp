#include "display/qt/frame_ring.h"

#include <QImage>
#include <QPainter>
#include <cmath>

void paintFrameRing(QFrame& frame, const std::function<void(QPainter&)>& drawFrame) {
    const qreal ratio = frame.devicePixelRatioF();
    const int rings = frame.frameWidth();
    if (rings <= 0 || ratio == std::floor(ratio) || frame.width() <= 2 * rings || frame.height() <= 2 * rings) return;
    QImage style(frame.size(), QImage::Format_ARGB32_Premultiplied);
    style.fill(Qt::transparent);
    {
        QPainter painter(&style);
        drawFrame(painter);
    }
    const int width = frame.width(), height = frame.height();
    QPainter painter(&frame);
    for (int ring = 0; ring < rings; ++ring) {
        const int across = width - 2 * ring, down = height - 2 * ring;
        painter.fillRect(QRect(ring, ring, 1, down), style.pixelColor(ring, height / 2));
        painter.fillRect(QRect(width - 1 - ring, ring, 1, down), style.pixelColor(width - 1 - ring, height / 2));
        painter.fillRect(QRect(ring, ring, across, 1), style.pixelColor(width / 2, ring));
        painter.fillRect(QRect(ring, height - 1 - ring, across, 1), style.pixelColor(width / 2, height - 1 - ring));
    }
}
