#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The web-link control's persisted state: the five properties it loads from
// its property stream when a dialog creates it.
namespace weblink {

struct LinkFont {
    std::string face;
    double points = 0.0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int charset = 0;
};

struct LinkProperties {
    std::int32_t extentX = 0;  // hundredths of a millimetre
    std::int32_t extentY = 0;
    LinkFont font;
    std::string caption;  // UTF-8
    std::string url;      // UTF-8
};

// The class identifier of the standard font object that the stream stores
// the font as.
inline constexpr std::uint8_t kFontClassId[16] = {0x03, 0x52, 0xE3, 0x0B, 0x91, 0x8F, 0xCE, 0x11,
                                                  0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51};

// Value types of the stream's entries.
inline constexpr std::uint16_t kTypeInt32 = 3;    // VT_I4
inline constexpr std::uint16_t kTypeString = 8;   // VT_BSTR
inline constexpr std::uint16_t kTypeObject = 13;  // VT_UNKNOWN
inline constexpr std::uint32_t kStreamSignature = 0x0000B293;

// Reads a property stream: a signature and the stream's length, then one
// entry per property, each naming its property and leading to the next. The
// five properties come back by name; a stream that is short, misnamed,
// inconsistent, missing one of them or holding one twice, or whose font is of
// another version than 1, is refused. Never reads outside `stream`.
std::optional<LinkProperties> readLinkProperties(std::span<const std::uint8_t> stream);

}  // namespace weblink
