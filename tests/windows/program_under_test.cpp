#include "tests/windows/program_under_test.h"

#include "framework/win32/font_report.h"
#include "res/resource.h"

#include <iterator>
#include <utility>
#include <vector>

// The caption is plain ASCII: each char widens to its wchar_t.
const std::wstring kMainTitle(std::begin(kMainCaption), std::end(kMainCaption) - 1);

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

ProgramUnderTest::ProgramUnderTest(std::wstring exePath) : m_exePath(std::move(exePath)) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    m_fontReport = std::string(folder) + "resonix-fonts-" + std::to_string(GetCurrentProcessId()) + ".txt";
}

ProgramUnderTest::~ProgramUnderTest() {
    stop();
    DeleteFileA(m_fontReport.c_str());
}

bool ProgramUnderTest::start() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + m_exePath + L"\"";
    SetEnvironmentVariableA(font_report::kFileVariable, m_fontReport.c_str());
    if (!CreateProcessW(m_exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &m_info))
        return false;
    WaitForInputIdle(m_info.hProcess, 10000);
    m_mainWindow = waitForWindow(kMainTitle, 10000);
    return m_mainWindow != nullptr;
}

HWND ProgramUnderTest::findWindowNow(const std::wstring& title) const { return find(&title, nullptr); }

HWND ProgramUnderTest::findWindowOfClass(const std::wstring& windowClass) const { return find(nullptr, &windowClass); }

HWND ProgramUnderTest::find(const std::wstring* title, const std::wstring* windowClass) const {
    if (!m_info.hProcess) return nullptr;
    Search search{m_info.dwProcessId, title, windowClass, {}};
    EnumWindows(&collect, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

HWND ProgramUnderTest::waitForWindow(const std::wstring& title, DWORD timeoutMs) const {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    do {
        if (HWND window = findWindowNow(title)) return window;
        Sleep(10);
    } while (GetTickCount64() < end);
    return nullptr;
}

bool ProgramUnderTest::waitForWindowGone(const std::wstring& title, DWORD timeoutMs) const {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    do {
        if (!findWindowNow(title)) return true;
        Sleep(10);
    } while (GetTickCount64() < end);
    return false;
}

bool ProgramUnderTest::waitForExit(DWORD timeoutMs) const {
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

void ProgramUnderTest::stop() {
    if (!m_info.hProcess) return;
    if (WaitForSingleObject(m_info.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, 5000);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
    m_info = {};
    m_mainWindow = nullptr;
}
