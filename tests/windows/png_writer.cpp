#include "tests/windows/png_writer.h"

#include <array>
#include <cstdio>

namespace {

class BitWriter {
public:
    // Deflate's bits go in least significant first.
    void bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) bit((value >> i) & 1);
    }
    // Huffman codes go in most significant bit first.
    void code(std::uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i) bit((value >> i) & 1);
    }
    std::vector<std::uint8_t> finish() {
        if (used_) out_.push_back(current_);
        return out_;
    }

private:
    void bit(std::uint32_t b) {
        current_ |= static_cast<std::uint8_t>(b << used_);
        if (++used_ == 8) {
            out_.push_back(current_);
            current_ = 0;
            used_ = 0;
        }
    }
    std::vector<std::uint8_t> out_;
    std::uint8_t current_ = 0;
    int used_ = 0;
};

// The fixed literal/length code of deflate.
void symbol(BitWriter& w, int value) {
    if (value < 144) w.code(0x30 + value, 8);
    else if (value < 256) w.code(0x190 + value - 144, 9);
    else if (value < 280) w.code(value - 256, 7);
    else w.code(0xC0 + value - 280, 8);
}

void runMatch(BitWriter& w, int length) {
    static constexpr std::array<int, 29> base{3,  4,  5,  6,  7,  8,  9,  10,  11,  13,  15,  17,  19,  23, 27,
                                              31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static constexpr std::array<int, 29> extra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                               2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    int code = 28;
    while (base[code] > length) --code;
    symbol(w, 257 + code);
    w.bits(static_cast<std::uint32_t>(length - base[code]), extra[code]);
    w.code(0, 5);  // distance 1: the byte just written, repeated
}

std::vector<std::uint8_t> deflate(const std::vector<std::uint8_t>& data) {
    BitWriter w;
    w.bits(1, 1);  // the last block
    w.bits(1, 2);  // fixed codes
    size_t i = 0;
    while (i < data.size()) {
        symbol(w, data[i]);
        size_t run = 0;
        while (i + 1 + run < data.size() && data[i + 1 + run] == data[i]) ++run;
        size_t left = run;
        while (left >= 3) {
            const int length = left > 258 ? 258 : static_cast<int>(left);
            runMatch(w, length);
            left -= static_cast<size_t>(length);
        }
        for (; left > 0; --left) symbol(w, data[i]);
        i += 1 + run;
    }
    symbol(w, 256);
    return w.finish();
}

std::uint32_t crc32(const std::uint8_t* data, size_t size, std::uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& body) {
    put32(out, static_cast<std::uint32_t>(body.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    put32(out, crc32(out.data() + start, out.size() - start));
}

}  // namespace

bool WritePng(const std::wstring& path, int width, int height, const std::vector<std::uint8_t>& rgb) {
    const size_t stride = static_cast<size_t>(width) * 3;
    std::vector<std::uint8_t> filtered;
    filtered.reserve((stride + 1) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        filtered.push_back(2);  // "Up": each byte less the one above it
        for (size_t x = 0; x < stride; ++x) {
            const std::uint8_t above = y ? rgb[(y - 1) * stride + x] : 0;
            filtered.push_back(static_cast<std::uint8_t>(rgb[y * stride + x] - above));
        }
    }
    std::vector<std::uint8_t> zlib{0x78, 0x01};
    const std::vector<std::uint8_t> packed = deflate(filtered);
    zlib.insert(zlib.end(), packed.begin(), packed.end());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : filtered) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    put32(zlib, (b << 16) | a);

    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    put32(header, static_cast<std::uint32_t>(width));
    put32(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no interlace
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", zlib);
    chunk(png, "IEND", {});

    std::FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) return false;
    const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && written;
}
