#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A 16-colour picture: one string per row, one character per pixel, a hex
// digit naming a colour of the standard 16-colour palette, '.' transparent.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::string> rows;

    // 0xAARRGGBB of the pixel at (x, y).
    std::uint32_t argbAt(int x, int y) const;
    bool isWellFormed() const;
};
