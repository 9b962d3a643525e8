#pragma once

#include <optional>
#include <span>
#include <vector>

#include "portable/win_types.h"

// A dialog's initialisation data (RT_DLGINIT): records of (control id,
// message, data) that give controls their initial state when the dialog is
// created, ended by a zero control id.
struct DialogInitRecord {
    WORD controlId;
    WORD message;
    std::span<const BYTE> data;
};

// The records of `data`, or nothing when a record runs past the end or the
// terminator is missing.
std::optional<std::vector<DialogInitRecord>> parseDialogInit(std::span<const BYTE> data);

// The property stream that a WM_OCC_LOADFROMSTREAM record holds for
// `controlId`: the record's data after its 32-bit stream length. An empty span
// when there is no such record; nothing when the record is malformed.
std::optional<std::span<const BYTE>> streamForControl(const std::vector<DialogInitRecord>& records, int controlId);
