#include "display/qt/pixel_pictures.h"

#include <QPixmap>

QImage PixelPictures::image(const PixelImage& picture) {
    if (picture.width <= 0 || picture.height <= 0) return {};
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    // Row by row into the image's own memory: setPixel checks and detaches
    // the image again for every pixel.
    for (int y = 0; y < picture.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) row[x] = picture.argbAt(x, y);
    }
    return image;
}

QIcon PixelPictures::icon(HICON big, HICON small) {
    QIcon icon;
    for (HICON resource : {big, small == big ? nullptr : small}) {
        if (!resource) continue;
        for (const PixelImage& picture : resource->images) {
            const QImage converted = image(picture);
            if (!converted.isNull()) icon.addPixmap(QPixmap::fromImage(converted));
        }
    }
    return icon;
}
