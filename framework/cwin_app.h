#pragma once

#include "framework/cmd_target.h"

class CWnd;

// The application: one global object, started by AfxWinMain.
class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // FALSE ends the program without entering the message loop.
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // The message loop, for programs whose InitInstance returns TRUE. This
    // framework has no windows outside modal runs, so there is nothing to
    // wait for: it ends at once.
    virtual int Run() { return ExitInstance(); }
    BOOL Enable3dControls() { return TRUE; }  // controls always look three-dimensional here
    // The help command; the program has no help content.
    void OnHelp() {}

    CWnd* m_pMainWnd = nullptr;
};
