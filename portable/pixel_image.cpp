#include "portable/pixel_image.h"

#include <array>

namespace {

// The classic 16-colour palette.
constexpr std::array<std::uint32_t, 16> kPalette = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::uint32_t PixelImage::argbAt(int x, int y) const {
    if (x < 0 || y < 0 || y >= static_cast<int>(rows.size())) return 0;
    const std::string& row = rows[static_cast<std::size_t>(y)];
    if (x >= static_cast<int>(row.size())) return 0;
    const int index = hexValue(row[static_cast<std::size_t>(x)]);
    return index < 0 ? 0 : kPalette[static_cast<std::size_t>(index)];
}

bool PixelImage::isWellFormed() const {
    if (width <= 0 || height <= 0 || rows.size() != static_cast<std::size_t>(height)) return false;
    for (const std::string& row : rows) {
        if (row.size() != static_cast<std::size_t>(width)) return false;
        for (char c : row) {
            if (c != '.' && hexValue(c) < 0) return false;
        }
    }
    return true;
}
