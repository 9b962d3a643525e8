// Drives resonix.exe from outside, as a user does, and checks what its
// windows show; or saves a picture of each window.
//
//   resonix_gui_test.exe RESONIX_EXE OPENED_FILE [LINUX_TEXTS]
//                                    the GUI cases; OPENED_FILE is where opened_address_recorder
//                                    writes, LINUX_TEXTS what the Linux build shows for random
//                                    inputs (resonix_texts_on_linux), checked first
//   resonix_gui_test.exe --pictures RESONIX_EXE FOLDER DPI
//                                    a picture of each window, whose texts must show whole

#include "tests/windows/check.h"
#include "tests/windows/gui_cases.h"

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"--pictures" && argc == 5) {
        savePictures(argv[2], argv[3], argv[4]);
        return check::finish();
    }
    if ((argc == 3 || argc == 4) && mode.rfind(L"--", 0) != 0) {
        runGuiCases(GuiOptions{argv[1], argv[2], argc == 4 ? argv[3] : L""});
        return check::finish();
    }
    std::fprintf(stderr, "usage: resonix_gui_test RESONIX_EXE OPENED_FILE [LINUX_TEXTS] | --pictures RESONIX_EXE FOLDER DPI\n");
    return 2;
}
