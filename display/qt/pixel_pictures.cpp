#include "display/qt/pixel_pictures.h"

#include <QPixmap>

QImage PixelPictures::image(const PixelImage& picture) {
    if (picture.width <= 0 || picture.height <= 0) return {};
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) image.setPixel(x, y, picture.argbAt(x, y));
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
