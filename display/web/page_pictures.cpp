#include "display/web/page_pictures.h"

#include <cstdint>
#include <vector>

#include "display/web/page.h"

namespace {

std::vector<std::uint32_t> pixelsOf(const PixelImage& picture) {
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) pixels.push_back(picture.argbAt(x, y));
    }
    return pixels;
}

}  // namespace

void PagePictures::showPicture(HWND control, const PixelImage& picture) {
    if (picture.width <= 0 || picture.height <= 0) return;
    const std::vector<std::uint32_t> pixels = pixelsOf(picture);
    pageSetPicture(pageHandle(control), pixels.data(), picture.width, picture.height);
}

void PagePictures::showIcon(HWND window, HICON big, HICON small) {
    for (HICON icon : {big, small == big ? nullptr : small}) {
        if (!icon) continue;
        for (const PixelImage& picture : icon->images) {
            if (picture.width <= 0 || picture.height <= 0) continue;
            const std::vector<std::uint32_t> pixels = pixelsOf(picture);
            pageSetIcon(pageHandle(window), pixels.data(), picture.width, picture.height);
        }
    }
}
