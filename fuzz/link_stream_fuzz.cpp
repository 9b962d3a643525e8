// Fuzzes the web link's initial state as the About box's template carries it:
// arbitrary bytes, as the dialog's initialisation data and as the link's
// property stream alone. The reader either gives five well-formed properties
// or refuses; it never reads outside the bytes it is given (AddressSanitizer
// sees to that, with libstdc++'s own checks on in this build).

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "fuzz/fuzz_check.h"
#include "res/resource.h"
#include "weblink/link_properties.h"
#include "portable/dialog_init.h"

namespace {

// Whether `text` is UTF-8 without overlong forms or surrogates.
bool isUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) return false;
        std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) return false;
            code = code << 6 | (next & 0x3F);
        }
        static constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

void checkStream(std::span<const BYTE> stream) {
    const auto properties = weblink::readLinkProperties(stream);
    if (!properties) return;
    FUZZ_CHECK(isUtf8(properties->caption), "caption '" + fuzz::shown(properties->caption) + "'");
    FUZZ_CHECK(isUtf8(properties->url), "url '" + fuzz::shown(properties->url) + "'");
    const weblink::LinkFont& font = properties->font;
    FUZZ_CHECK(font.face.size() <= 255, "a face name longer than its length byte can say");
    FUZZ_CHECK(std::isfinite(font.points) && font.points >= 0 && font.points <= 0xFFFFFFFFu / 10000.0, "font size");
    FUZZ_CHECK(font.weight >= 0 && font.weight <= 0xFFFF && font.charset >= 0 && font.charset <= 0xFFFF, "font weight or character set");
    // Eight bytes of header and five entries of at least a 12-byte header,
    // a name and a value each.
    FUZZ_CHECK(stream.size() >= 8 + 5 * 16, "five properties from " + std::to_string(stream.size()) + " bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const BYTE> bytes(data, size);
    if (const auto records = parseDialogInit(bytes)) {
        for (const DialogInitRecord& record : *records) {
            FUZZ_CHECK(record.data.empty() || (record.data.data() >= data && record.data.data() + record.data.size() <= data + size),
                       "a record outside the initialisation data");
        }
        if (const auto stream = streamForControl(*records, IDC_WEBLINK)) checkStream(*stream);
    }
    checkStream(bytes);
    return 0;
}
