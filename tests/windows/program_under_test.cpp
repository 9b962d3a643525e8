#include "tests/windows/program_under_test.h"

#include "framework/win32/font_report.h"

#include <utility>
#include <vector>

const wchar_t* const kMainTitle = L"SDOF System Natural Frequency,  version 2.1";

namespace {

// A window by its title, or by its class where one is given.
struct Search {
    DWORD processId;
    const std::wstring* title;
    const std::wstring* windowClass;
    std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    wchar_t text[256] = {};
    if (search->windowClass) {
        GetClassNameW(window, text, 256);
        if (_wcsicmp(search->windowClass->c_str(), text) != 0) return TRUE;
    } else {
        GetWindowTextW(window, text, 256);
        if (*search->title != text) return TRUE;
    }
    search->found.push_back(window);
    return TRUE;
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(std::wstring exePath) : exePath_(std::move(exePath)) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    fontReport_ = std::string(folder) + "resonix-fonts-" + std::to_string(GetCurrentProcessId()) + ".txt";
}

ProgramUnderTest::~ProgramUnderTest() {
    Stop();
    DeleteFileA(fontReport_.c_str());
}

bool ProgramUnderTest::Start() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exePath_ + L"\"";
    SetEnvironmentVariableA(font_report::kFileVariable, fontReport_.c_str());
    if (!CreateProcessW(exePath_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info_))
        return false;
    WaitForInputIdle(info_.hProcess, 10000);
    mainWindow_ = WaitForWindow(kMainTitle, 10000);
    return mainWindow_ != nullptr;
}

HWND ProgramUnderTest::FindWindowNow(const std::wstring& title) const { return find(&title, nullptr); }

HWND ProgramUnderTest::FindWindowOfClass(const std::wstring& windowClass) const { return find(nullptr, &windowClass); }

HWND ProgramUnderTest::find(const std::wstring* title, const std::wstring* windowClass) const {
    if (!info_.hProcess) return nullptr;
    Search search{info_.dwProcessId, title, windowClass, {}};
    EnumWindows(&collect, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

HWND ProgramUnderTest::WaitForWindow(const std::wstring& title, DWORD timeoutMs) const {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    do {
        if (HWND window = FindWindowNow(title)) return window;
        Sleep(10);
    } while (GetTickCount64() < end);
    return nullptr;
}

bool ProgramUnderTest::WaitForWindowGone(const std::wstring& title, DWORD timeoutMs) const {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    do {
        if (!FindWindowNow(title)) return true;
        Sleep(10);
    } while (GetTickCount64() < end);
    return false;
}

bool ProgramUnderTest::WaitForExit(DWORD timeoutMs) const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

void ProgramUnderTest::Stop() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    info_ = {};
    mainWindow_ = nullptr;
}
