// The initial state of the About box's web link, as the dialog's
// initialisation data carries it: one record for the link control with its
// property stream, then the terminator.

#include <cstdint>
#include <string>
#include <vector>

#include "res/resource.h"
#include "res/resources.h"
#include "weblink/link_properties.h"

namespace {

class StreamWriter {
public:
    std::vector<BYTE> bytes;

    void number(std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
    }
    void utf16(const std::string& ascii) {
        for (char c : ascii) number(static_cast<unsigned char>(c), 2);
    }
    void string(const std::string& ascii) {
        number(static_cast<std::uint32_t>(ascii.size()), 4);
        utf16(ascii);
        number(0, 2);
    }
    void padToFour() {
        while (bytes.size() % 4 != 0) bytes.push_back(0);
    }
};

// One property: its header, name and value, padded to four bytes. The offset
// to the next entry is filled in once the entry's size is known.
template <typename Value>
void entry(StreamWriter& out, std::uint16_t type, const std::string& name, std::uint32_t hash, Value writeValue,
           bool last, std::size_t first) {
    const std::size_t start = out.bytes.size();
    out.number(type, 2);
    out.number(static_cast<std::uint32_t>(name.size()), 2);
    out.number(hash, 4);
    out.number(0, 4);
    out.utf16(name);
    writeValue();
    out.padToFour();
    // The last entry leads back to the first.
    const auto offset = static_cast<std::int32_t>(last ? static_cast<std::int64_t>(first) - static_cast<std::int64_t>(start)
                                                       : static_cast<std::int64_t>(out.bytes.size() - start));
    for (int i = 0; i < 4; ++i) out.bytes[start + 8 + static_cast<std::size_t>(i)] = static_cast<BYTE>(static_cast<std::uint32_t>(offset) >> (8 * i));
}

}  // namespace

std::vector<BYTE> webLinkPropertyStream() {
    StreamWriter out;
    out.number(weblink::kStreamSignature, 4);
    out.number(0, 4);  // the length, once known
    const std::size_t first = out.bytes.size();
    // Hashes of the names as the link control stores them; it looks its
    // properties up by name and does not check them.
    entry(out, weblink::kTypeInt32, "_extentx", 0x4757F20B, [&] { out.number(9049, 4); }, false, first);
    entry(out, weblink::kTypeInt32, "_extenty", 0x4757F20A, [&] { out.number(688, 4); }, false, first);
    entry(out, weblink::kTypeObject, "font", 0xBC0DF375, [&] {
        out.bytes.insert(out.bytes.end(), std::begin(weblink::kFontClassId), std::end(weblink::kFontClassId));
        out.number(1, 1);      // version
        out.number(0, 2);      // character set
        out.number(0x04, 1);   // underlined
        out.number(700, 2);    // bold
        out.number(97500, 4);  // 9.75 points
        out.number(6, 1);
        for (char c : std::string("System")) out.bytes.push_back(static_cast<BYTE>(c));
    }, false, first);
    entry(out, weblink::kTypeString, "caption", 0xA3151AAD,
          [&] { out.string("Click here to visit the resonix web site for news."); }, false, first);
    entry(out, weblink::kTypeString, "url", 0xD40E406D, [&] { out.string("https://resonix.example.org/"); }, true, first);
    const auto length = static_cast<std::uint32_t>(out.bytes.size());
    for (int i = 0; i < 4; ++i) out.bytes[4 + static_cast<std::size_t>(i)] = static_cast<BYTE>(length >> (8 * i));
    return out.bytes;
}

std::vector<BYTE> aboutBoxDialogInit() {
    const std::vector<BYTE> stream = webLinkPropertyStream();
    StreamWriter out;
    out.number(static_cast<std::uint32_t>(IDC_WEBLINK), 2);
    out.number(WM_OCC_LOADFROMSTREAM, 2);
    out.number(static_cast<std::uint32_t>(stream.size() + 4), 4);
    out.number(static_cast<std::uint32_t>(stream.size()), 4);  // the stream's own length comes first
    out.bytes.insert(out.bytes.end(), stream.begin(), stream.end());
    out.number(0, 2);
    return out.bytes;
}
