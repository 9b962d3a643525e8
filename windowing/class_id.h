#pragma once

#include <cstdint>
#include <string>

// A class identifier: the 128-bit name under which a control of an outside
// class is registered.
struct CLSID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};
using REFCLSID = const CLSID&;

// The registry form, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case.
std::string StringFromCLSID(REFCLSID classId);
