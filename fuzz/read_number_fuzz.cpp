// Fuzzes reading a typed number: any bytes, as the text of an input field,
// read as the decimal number they begin with after blanks, else 0. What is
// read depends only on that number, and where glibc is the C library it is
// what strtod gives for it, bit for bit.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "fuzz/read_number_reference.h"
#include "numbers/printf_format.h"
#include "numbers/read_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double read = numbers::readNumber(text);
    const auto what = [&] { return "'" + fuzz::shown(std::string(text)) + "' read as " + numbers::format("%.17g", read); };
    FUZZ_CHECK(fuzz::sameDouble(read, numbers::readNumber(reference::decimalPrefix(text))), what());
#if defined(__GLIBC__)
    FUZZ_CHECK(fuzz::sameDouble(read, reference::readNumber(text)), what());
#endif
    return 0;
}
