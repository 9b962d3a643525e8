// Stands in for the web browser in the GUI tests: the test's Wine prefix
// names it as the program that opens web addresses, and it appends each
// address it is given to a file. A windowed program, so that starting it
// opens no console window that would take the focus from resonix.
//
//   opened_address_recorder.exe FILE ADDRESS

#include <windows.h>
#include <shellapi.h>

#include <cstdio>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc != 3) return 2;
    std::FILE* file = _wfopen(argv[1], L"a");
    if (!file) return 1;
    std::fprintf(file, "%ls\n", argv[2]);
    return std::fclose(file) == 0 ? 0 : 1;
}
