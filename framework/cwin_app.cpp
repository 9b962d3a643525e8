#include "framework/cwin_app.h"

#include "framework/afx_globals.h"
#include "framework/platform.h"

namespace {

CWinApp* currentApp = nullptr;

}  // namespace

CWinApp::CWinApp(LPCSTR appName) : m_pszAppName(appName) { currentApp = this; }

CWinApp::~CWinApp() {
    if (currentApp == this) currentApp = nullptr;
}

CWinApp* AfxGetApp() { return currentApp; }

HINSTANCE AfxGetResourceHandle() { return platform::ProgramInstance(); }

HINSTANCE AfxFindResourceHandle(LPCSTR, LPCSTR) { return platform::ProgramInstance(); }

void AfxEnableControlContainer() { platform::EnableControlHosting(); }

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    platform::SetProgramInstance(instance);
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    app->m_hInstance = instance;
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}
