#pragma once

// The GUI cases: each starts resonix.exe afresh and drives it as a user.

#include <string>

struct GuiOptions {
    std::wstring exePath;
    std::wstring openedFile;  // where the fake browser records the addresses it is given
    std::wstring linuxTexts;  // what the Linux build shows for random inputs (texts_on_linux.cpp); may be empty
};

void runGuiCases(const GuiOptions& options);

// Opens every window and saves a picture of each into `folder`, named
// windows-<window>-<suffix>.png, and checks that each shows its texts whole.
void savePictures(const std::wstring& exePath, const std::wstring& folder, const std::wstring& suffix);
