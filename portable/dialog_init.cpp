#include "portable/dialog_init.h"

#include <cstddef>
#include <cstdint>

namespace {

std::uint32_t readLittleEndian(std::span<const BYTE> bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

}  // namespace

std::optional<std::vector<DialogInitRecord>> parseDialogInit(std::span<const BYTE> data) {
    std::vector<DialogInitRecord> records;
    std::size_t at = 0;
    while (true) {
        if (data.size() - at < 2) return std::nullopt;
        const auto controlId = static_cast<WORD>(readLittleEndian(data, at, 2));
        if (controlId == 0) return records;
        if (data.size() - at < 8) return std::nullopt;
        const auto message = static_cast<WORD>(readLittleEndian(data, at + 2, 2));
        const std::uint32_t length = readLittleEndian(data, at + 4, 4);
        at += 8;
        if (length > data.size() - at) return std::nullopt;
        records.push_back({controlId, message, data.subspan(at, length)});
        at += length;
    }
}

std::optional<std::span<const BYTE>> streamForControl(const std::vector<DialogInitRecord>& records, int controlId) {
    for (const DialogInitRecord& record : records) {
        if (record.controlId != static_cast<WORD>(controlId) || record.message != WM_OCC_LOADFROMSTREAM) continue;
        if (record.data.size() < 4 || readLittleEndian(record.data, 0, 4) != record.data.size() - 4) return std::nullopt;
        return record.data.subspan(4);
    }
    return std::span<const BYTE>{};
}
