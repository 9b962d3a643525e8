#pragma once

#include "framework/afxwin.h"

// The application: runs the main window modally from InitInstance and ends
// when it closes, without entering a message loop.
class CResonixApp : public CWinApp {
public:
    CResonixApp() = default;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CResonixApp theApp;
