// The web link's initial state: the bytes the About box stores, and the
// reader that turns them back into the link's properties.

#include "weblink/link_properties.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "res/resource.h"
#include "res/resources.h"

namespace {

using Bytes = std::vector<BYTE>;

std::uint32_t at(const Bytes& bytes, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(bytes.at(offset + static_cast<std::size_t>(i))) << (8 * i);
    return value;
}

void put(Bytes& bytes, std::size_t offset, int size, std::uint32_t value) {
    for (int i = 0; i < size; ++i) bytes.at(offset + static_cast<std::size_t>(i)) = static_cast<BYTE>(value >> (8 * i));
}

std::string utf16At(const Bytes& bytes, std::size_t offset, std::size_t units) {
    std::string text;
    for (std::size_t i = 0; i < units; ++i) text += static_cast<char>(at(bytes, offset + 2 * i, 2));
    return text;
}

TEST(WebLinkState, StreamIsLaidOutEntryByEntry) {
    const Bytes stream = webLinkPropertyStream();
    ASSERT_EQ(stream.size(), 340U);
    EXPECT_EQ(at(stream, 0, 4), 0x0000B293U);
    EXPECT_EQ(at(stream, 4, 4), 340U);
    struct Entry {
        std::size_t start;
        std::uint32_t type;
        const char* name;
        std::uint32_t hash;
        std::int32_t offset;
    };
    const Entry entries[] = {
        {8, 3, "_extentx", 0x4757F20B, 32},   {40, 3, "_extenty", 0x4757F20A, 32}, {72, 13, "font", 0xBC0DF375, 56},
        {128, 8, "caption", 0xA3151AAD, 132}, {260, 8, "url", 0xD40E406D, -252},
    };
    for (const Entry& entry : entries) {
        SCOPED_TRACE(entry.name);
        const std::size_t nameLength = std::string(entry.name).size();
        EXPECT_EQ(at(stream, entry.start, 2), entry.type);
        EXPECT_EQ(at(stream, entry.start + 2, 2), nameLength);
        EXPECT_EQ(at(stream, entry.start + 4, 4), entry.hash);
        EXPECT_EQ(static_cast<std::int32_t>(at(stream, entry.start + 8, 4)), entry.offset);
        EXPECT_EQ(utf16At(stream, entry.start + 12, nameLength), entry.name);
    }
    EXPECT_EQ(at(stream, 36, 4), 9049U);
    EXPECT_EQ(at(stream, 68, 4), 688U);
    // The string values: a count, the characters, a 16-bit zero.
    EXPECT_EQ(at(stream, 154, 4), 50U);
    EXPECT_EQ(at(stream, 258, 2), 0U);
    EXPECT_EQ(at(stream, 278, 4), 28U);
    EXPECT_EQ(at(stream, 338, 2), 0U);
    // The font object: its class identifier, then the font as it persists.
    const Bytes font(stream.begin() + 92, stream.begin() + 128);
    const Bytes expectedFont = {0x03, 0x52, 0xE3, 0x0B, 0x91, 0x8F, 0xCE, 0x11, 0x9D, 0xE3, 0x00, 0xAA,
                                0x00, 0x4B, 0xB8, 0x51, 0x01, 0x00, 0x00, 0x04, 0xBC, 0x02, 0xDC, 0x7C,
                                0x01, 0x00, 0x06, 'S',  'y',  's',  't',  'e',  'm',  0x00, 0x00, 0x00};
    EXPECT_EQ(font, expectedFont);
}

TEST(WebLinkState, DialogInitHoldsOneRecordForTheLink) {
    const Bytes init = aboutBoxDialogInit();
    const Bytes stream = webLinkPropertyStream();
    ASSERT_EQ(init.size(), 2U + 2U + 4U + 344U + 2U);
    EXPECT_EQ(at(init, 0, 2), 1001U);
    EXPECT_EQ(at(init, 2, 2), 0x0376U);
    EXPECT_EQ(at(init, 4, 4), 344U);
    EXPECT_EQ(Bytes(init.begin() + 8 + 4, init.begin() + 8 + 344), stream);
    EXPECT_EQ(at(init, 352, 2), 0U);
}

TEST(LinkProperties, ReadsTheStoredStreamBack) {
    const auto properties = weblink::readLinkProperties(webLinkPropertyStream());
    ASSERT_TRUE(properties.has_value());
    EXPECT_EQ(properties->extentX, 9049);
    EXPECT_EQ(properties->extentY, 688);
    EXPECT_EQ(properties->font.face, "System");
    EXPECT_DOUBLE_EQ(properties->font.points, 9.75);
    EXPECT_EQ(properties->font.weight, 700);
    EXPECT_TRUE(properties->font.underline);
    EXPECT_FALSE(properties->font.italic);
    EXPECT_FALSE(properties->font.strikethrough);
    EXPECT_EQ(properties->caption.size(), 50U);
    EXPECT_EQ(properties->url.size(), 28U);
    EXPECT_EQ(properties->url.rfind("https://", 0), 0U) << properties->url;
}

// Every damage is read from a buffer of exactly its own size, so that the
// address sanitizer reports any read past it.
TEST(LinkProperties, DamagedStreamsAreRefused) {
    const Bytes good = webLinkPropertyStream();
    for (std::size_t length = 0; length < good.size(); ++length) {
        Bytes truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_FALSE(weblink::readLinkProperties(truncated).has_value()) << "truncated to " << length;
        // The same with a total that agrees, so that only the entries can
        // tell: the walk through them must stop at the end of the bytes.
        if (length < 8) continue;
        for (std::size_t i = 0; i < 4; ++i) truncated[4 + i] = static_cast<BYTE>(length >> (8 * i));
        EXPECT_FALSE(weblink::readLinkProperties(truncated).has_value()) << "truncated to " << length << ", total matching";
    }
    struct Damage {
        const char* name;
        std::size_t offset;
        std::uint32_t value;
        int size;
    };
    const Damage damages[] = {
        {"signature", 0, 0xB294, 4},
        {"total too long", 4, 341, 4},
        {"total too short", 4, 339, 4},
        {"offset past the end", 8 + 8, 0x7FFFFFF0, 4},
        {"offset into the entry", 8 + 8, 4, 4},
        {"offset backwards", 40 + 8, static_cast<std::uint32_t>(-32), 4},
        {"last offset missing the first entry", 260 + 8, static_cast<std::uint32_t>(-248), 4},
        {"name longer than the stream", 72 + 2, 0xFFFF, 2},
        {"string longer than the stream", 154, 0x7FFFFFFF, 4},
        {"string count off by one", 278, 29, 4},
        {"unknown value type", 8, 5, 2},
        {"font of another class", 92, 0xFF, 1},
        // Another version may lay the font out otherwise: refused rather than guessed at.
        {"font of version 0", 92 + 16, 0, 1},
        {"font of version 2", 92 + 16, 2, 1},
        {"font face longer than the stream", 118, 0xFF, 1},
        {"a property renamed", 128 + 12, 'C', 2},
    };
    for (const Damage& damage : damages) {
        Bytes damaged = good;
        for (int i = 0; i < damage.size; ++i) {
            damaged[damage.offset + static_cast<std::size_t>(i)] = static_cast<BYTE>(damage.value >> (8 * i));
        }
        EXPECT_FALSE(weblink::readLinkProperties(damaged).has_value()) << damage.name;
    }
    Bytes longer = good;
    longer.push_back(0);
    EXPECT_FALSE(weblink::readLinkProperties(longer).has_value()) << "a byte after the stream";
}

// A property stored twice leaves it open which value is meant: the stream is
// refused. Each entry in turn is written twice, back to back, with the chain
// and the total mended, so that only the repetition is wrong; with none
// repeated the same assembly reads.
TEST(LinkProperties, APropertyStoredTwiceIsRefused) {
    const Bytes good = webLinkPropertyStream();
    struct Entry {
        const char* name;
        std::size_t start, length;
    };
    const Entry entries[] = {{"_extentx", 8, 32}, {"_extenty", 40, 32}, {"font", 72, 56}, {"caption", 128, 132}, {"url", 260, 80}};
    for (int twice = -1; twice < static_cast<int>(std::size(entries)); ++twice) {
        SCOPED_TRACE(twice < 0 ? "none twice" : entries[twice].name);
        Bytes stream(good.begin(), good.begin() + 8);
        std::vector<std::size_t> starts;
        for (int i = 0; i < static_cast<int>(std::size(entries)); ++i) {
            const Entry& entry = entries[i];
            for (int copy = 0; copy < (i == twice ? 2 : 1); ++copy) {
                starts.push_back(stream.size());
                stream.insert(stream.end(), good.begin() + static_cast<std::ptrdiff_t>(entry.start),
                              good.begin() + static_cast<std::ptrdiff_t>(entry.start + entry.length));
            }
        }
        put(stream, 4, 4, static_cast<std::uint32_t>(stream.size()));
        for (std::size_t i = 0; i < starts.size(); ++i) {
            const std::size_t next = i + 1 < starts.size() ? starts[i + 1] : 8;
            put(stream, starts[i] + 8, 4, static_cast<std::uint32_t>(next - starts[i]));
        }
        EXPECT_EQ(weblink::readLinkProperties(stream).has_value(), twice < 0);
    }
}

// Found by fuzzing: a font that ends after its weight, with two bytes left,
// has no room for its 32-bit size, yet the one-byte length of its face name
// fits there. As the last entry, padded to four bytes, it ends the stream
// exactly; the size must not be taken from nowhere.
TEST(LinkProperties, AFontWithoutRoomForItsSizeIsRefused) {
    const Bytes good = webLinkPropertyStream();
    Bytes stream(good.begin(), good.begin() + 72);                // the header and both extents
    stream.insert(stream.end(), good.begin() + 128, good.end());  // caption and url, now at 72 and 204
    stream.insert(stream.end(), good.begin() + 72, good.begin() + 72 + 42);  // the font up to its weight, at 284
    stream.insert(stream.end(), {0, 0});                                      // an empty face name, one byte to spare
    put(stream, 4, 4, static_cast<std::uint32_t>(stream.size()));
    put(stream, 204 + 8, 4, 80);                                 // url leads on to the font
    put(stream, 284 + 8, 4, static_cast<std::uint32_t>(8 - 284));  // the font back to the first entry
    EXPECT_FALSE(weblink::readLinkProperties(stream).has_value());
}

}  // namespace
