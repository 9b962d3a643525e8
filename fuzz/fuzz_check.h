#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// What the fuzz targets share: reading a request out of arbitrary bytes, and
// stopping loudly (abort, which libFuzzer and the corpus replay both report
// with the input) when a property does not hold.

#define FUZZ_CHECK(condition, what)                                                             \
    do {                                                                                        \
        if (!(condition)) fuzz::fail(__FILE__, __LINE__, #condition, (what));                   \
    } while (false)

namespace fuzz {

[[noreturn]] inline void fail(const char* file, int line, const char* condition, const std::string& what) {
    std::fprintf(stderr, "%s:%d: %s does not hold: %s\n", file, line, condition, what.c_str());
    std::abort();
}

// Takes values off the front of the input; past its end every byte reads 0,
// so any input, the empty one included, gives a whole request.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }

    // Any double, not-a-numbers and infinities included: eight bytes' bits.
    double number() {
        std::uint64_t bits = 0;
        for (int shift = 0; shift < 64; shift += 8) bits |= static_cast<std::uint64_t>(byte()) << shift;
        return std::bit_cast<double>(bits);
    }

    // A list position: mostly -1 (nothing selected) to 6, the longest list's
    // last position, and now and then far outside every list.
    int listPosition() {
        static constexpr int kFar[] = {INT32_MIN, INT32_MIN + 1, -2, 7, 8, 100, 65535, INT32_MAX};
        const std::uint8_t b = byte();
        return b < 0xC0 ? b % 8 - 1 : kFar[b % 8];
    }

    // The rest, cut in two at a point that the next two bytes choose; either
    // part may hold NULs.
    void texts(std::string& first, std::string& second) {
        const std::size_t cut = static_cast<std::size_t>(byte()) | static_cast<std::size_t>(byte()) << 8;
        const std::size_t rest = m_at < m_size ? m_size - m_at : 0;
        const std::size_t length = rest ? cut % (rest + 1) : 0;
        first.assign(reinterpret_cast<const char*>(m_data + m_at), length);
        second.assign(reinterpret_cast<const char*>(m_data + m_at + length), rest - length);
        m_at = m_size;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// The same double, bit for bit; any two not-a-numbers count as the same.
bool sameDouble(double a, double b);

// Whether `text` is `format` filled in: its literal text exactly, and in place
// of each "%W.Pg" a number that the program prints back as the very same field.
bool fillsFormat(const std::string& text, const char* format);

// Text for a failure message, with control characters escaped.
std::string shown(const std::string& text);

}  // namespace fuzz
