#pragma once

// Writes 24-bit RGB pictures as PNG files, with nothing but the standard
// library: the rows filtered "Up" and packed with fixed-code deflate whose
// only matches are runs, which is plenty for flat window pictures.

#include <cstdint>
#include <string>
#include <vector>

// `rgb` holds `height` rows of `width` pixels, three bytes each, top row first.
bool WritePng(const std::wstring& path, int width, int height, const std::vector<std::uint8_t>& rgb);
