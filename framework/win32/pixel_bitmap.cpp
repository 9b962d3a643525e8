#include "framework/win32/pixel_bitmap.h"

#include <cstdint>
#include <vector>

namespace {

// The picture's 0xAARRGGBB pixels, scaled up, top row first.
std::vector<std::uint32_t> scaledPixels(const PixelImage& image, int scale) {
    const int width = image.width * scale;
    const int height = image.height * scale;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
                image.argbAt(x / scale, y / scale);
        }
    }
    return pixels;
}

HBITMAP createTopDownBitmap(int width, int height, const std::vector<std::uint32_t>& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
    return bitmap;
}

}  // namespace

HBITMAP createPixelBitmap(const PixelImage& image, int scale, COLORREF background) {
    if (!image.isWellFormed() || scale < 1) return nullptr;
    std::vector<std::uint32_t> pixels = scaledPixels(image, scale);
    const std::uint32_t fill = 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(background)) << 16) |
                               (static_cast<std::uint32_t>(GetGValue(background)) << 8) | GetBValue(background);
    for (std::uint32_t& pixel : pixels) {
        if ((pixel >> 24) == 0) pixel = fill;
    }
    return createTopDownBitmap(image.width * scale, image.height * scale, pixels);
}
