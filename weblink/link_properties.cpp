#include "weblink/link_properties.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace weblink {

namespace {

// Entries are chained by offsets; a stream with more than this many is not
// one the control wrote.
constexpr int kMostEntries = 32;

// A cursor over the stream that refuses, rather than reads, past its end.
class Reader {
public:
    Reader(std::span<const std::uint8_t> bytes, std::size_t at) : m_bytes(bytes), m_at(at) {}

    std::size_t at() const { return m_at; }
    bool has(std::size_t count) const { return m_at <= m_bytes.size() && count <= m_bytes.size() - m_at; }

    std::optional<std::uint32_t> unsignedValue(std::size_t size) {
        if (!has(size)) return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(m_bytes[m_at + i]) << (8 * i);
        m_at += size;
        return value;
    }

    std::optional<std::span<const std::uint8_t>> bytes(std::size_t count) {
        if (!has(count)) return std::nullopt;
        const auto taken = m_bytes.subspan(m_at, count);
        m_at += count;
        return taken;
    }

    // `units` UTF-16 code units, as UTF-8.
    std::optional<std::string> utf16(std::size_t units) {
        if (units > (m_bytes.size() - std::min(m_at, m_bytes.size())) / 2) return std::nullopt;
        std::string text;
        for (std::size_t i = 0; i < units; ++i) {
            std::uint32_t code = *unsignedValue(2);
            if (code >= 0xD800 && code < 0xDC00 && i + 1 < units) {
                const std::uint32_t low = m_bytes[m_at] | (static_cast<std::uint32_t>(m_bytes[m_at + 1]) << 8);
                if (low >= 0xDC00 && low < 0xE000) {
                    m_at += 2;
                    ++i;
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                }
            }
            if (code >= 0xD800 && code < 0xE000) code = 0xFFFD;  // an unpaired surrogate
            appendUtf8(text, code);
        }
        return text;
    }

private:
    static void appendUtf8(std::string& text, std::uint32_t code) {
        if (code < 0x80) {
            text += static_cast<char>(code);
        } else if (code < 0x800) {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            text += static_cast<char>(0xE0 | (code >> 12));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            text += static_cast<char>(0xF0 | (code >> 18));
            text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_at;
};

std::optional<std::string> readString(Reader& reader) {
    const auto count = reader.unsignedValue(4);
    if (!count) return std::nullopt;
    auto text = reader.utf16(*count);
    const auto terminator = reader.unsignedValue(2);
    if (!text || terminator != 0u) return std::nullopt;
    return text;
}

// The font object: its class identifier, then the font's own persisted form.
std::optional<LinkFont> readFont(Reader& reader) {
    const auto classId = reader.bytes(sizeof kFontClassId);
    if (!classId || !std::equal(classId->begin(), classId->end(), std::begin(kFontClassId))) return std::nullopt;
    const auto version = reader.unsignedValue(1);
    const auto charset = reader.unsignedValue(2);
    const auto attributes = reader.unsignedValue(1);
    const auto weight = reader.unsignedValue(2);
    const auto size = reader.unsignedValue(4);  // 1/10000 point
    const auto faceLength = reader.unsignedValue(1);
    // The fields differ in size, so a later one can fit where an earlier one
    // did not: each is checked.
    if (!version || !charset || !attributes || !weight || !size || !faceLength || *version != 1u) return std::nullopt;
    const auto face = reader.bytes(*faceLength);
    if (!face) return std::nullopt;
    LinkFont font;
    font.face.assign(face->begin(), face->end());
    font.points = *size / 10000.0;
    font.weight = static_cast<int>(*weight);
    font.italic = (*attributes & 0x02) != 0;
    font.underline = (*attributes & 0x04) != 0;
    font.strikethrough = (*attributes & 0x08) != 0;
    font.charset = static_cast<int>(*charset);
    return font;
}

struct Found {
    bool extentX = false, extentY = false, font = false, caption = false, url = false;
    bool all() const { return extentX && extentY && font && caption && url; }
};

// Reads the value of one entry into its property. False when the value does
// not fit the stream, its type is not the property's, or the property came
// before.
bool readValue(Reader& reader, const std::string& name, std::uint16_t type, LinkProperties& properties, Found& found) {
    auto once = [](bool& seen) { return !std::exchange(seen, true); };
    if (type == kTypeInt32) {
        const auto value = reader.unsignedValue(4);
        if (!value) return false;
        if (name == "_extentx") {
            properties.extentX = static_cast<std::int32_t>(*value);
            return once(found.extentX);
        }
        if (name == "_extenty") {
            properties.extentY = static_cast<std::int32_t>(*value);
            return once(found.extentY);
        }
        return true;
    }
    if (type == kTypeString) {
        auto text = readString(reader);
        if (!text) return false;
        if (name == "caption") {
            properties.caption = std::move(*text);
            return once(found.caption);
        }
        if (name == "url") {
            properties.url = std::move(*text);
            return once(found.url);
        }
        return true;
    }
    if (type == kTypeObject && name == "font") {
        auto font = readFont(reader);
        if (!font) return false;
        properties.font = std::move(*font);
        return once(found.font);
    }
    return false;
}

}  // namespace

std::optional<LinkProperties> readLinkProperties(std::span<const std::uint8_t> stream) {
    Reader header(stream, 0);
    if (header.unsignedValue(4) != kStreamSignature || header.unsignedValue(4) != stream.size()) return std::nullopt;

    const std::size_t first = header.at();
    LinkProperties properties;
    Found found;
    std::size_t entry = first;
    for (int count = 0; count < kMostEntries; ++count) {
        Reader reader(stream, entry);
        const auto type = reader.unsignedValue(2);
        const auto nameLength = reader.unsignedValue(2);
        const auto hash = reader.unsignedValue(4);  // the control looks properties up by name
        const auto offset = reader.unsignedValue(4);
        if (!offset || !hash) return std::nullopt;
        const auto name = reader.utf16(*nameLength);
        if (!name || !readValue(reader, *name, static_cast<std::uint16_t>(*type), properties, found)) return std::nullopt;

        // Entries are padded to four bytes and lie back to back; the last
        // one leads back to the first and ends the stream.
        const std::size_t padded = (reader.at() - entry + 3) / 4 * 4;
        const auto step = static_cast<std::int32_t>(*offset);
        if (entry + padded == stream.size()) {
            if (static_cast<std::int64_t>(entry) + step != static_cast<std::int64_t>(first)) return std::nullopt;
            if (!found.all()) return std::nullopt;
            return properties;
        }
        if (step <= 0 || static_cast<std::size_t>(step) != padded) return std::nullopt;
        entry += padded;
    }
    return std::nullopt;
}

}  // namespace weblink
