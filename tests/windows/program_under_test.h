#pragma once

// resonix.exe as a process of its own: started, its windows found by title,
// ended. Everything the tests know of it comes through its windows.

#include <windows.h>

#include <string>

class ProgramUnderTest {
public:
    explicit ProgramUnderTest(std::wstring exePath);
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // Starts the program and waits for its main window; false if it does not come.
    bool start();
    // The program's visible top-level window with this title, waiting up to
    // `timeoutMs` for it; nullptr if none comes.
    HWND waitForWindow(const std::wstring& title, DWORD timeoutMs = 5000) const;
    // Whether the window with this title is gone within `timeoutMs`.
    bool waitForWindowGone(const std::wstring& title, DWORD timeoutMs = 5000) const;
    // The program's visible top-level window with this title now, or nullptr.
    HWND findWindowNow(const std::wstring& title) const;
    // Its visible top-level window of this class now (a tooltip), or nullptr.
    HWND findWindowOfClass(const std::wstring& windowClass) const;
    // Whether the process ends by itself within `timeoutMs`.
    bool waitForExit(DWORD timeoutMs = 5000) const;
    // Ends the process if it is still running.
    void stop();

    HWND mainWindow() const { return m_mainWindow; }
    // Where the program writes its font report (font_report.h).
    const std::string& fontReportFile() const { return m_fontReport; }

private:
    HWND find(const std::wstring* title, const std::wstring* windowClass) const;

    std::wstring m_exePath;
    PROCESS_INFORMATION m_info{};
    HWND m_mainWindow = nullptr;
    std::string m_fontReport;
};

extern const std::wstring kMainTitle;
