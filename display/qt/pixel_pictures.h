#pragma once

#include <QIcon>
#include <QImage>

#include "windowing/resources.h"

// The window system's 16-colour pictures as Qt images.
class PixelPictures {
public:
    static QImage image(const PixelImage& picture);
    // One icon holding every image of a dialog's big and small icons.
    static QIcon icon(HICON big, HICON small);
};
