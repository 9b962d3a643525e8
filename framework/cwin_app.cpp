#include "framework/cwin_app.h"

#include "framework/afx_globals.h"
#include "windowing/hosted_control.h"
#include "windowing/resources.h"

namespace {

CWinApp* currentApp = nullptr;

}  // namespace

CWinApp::CWinApp(LPCSTR appName) : m_pszAppName(appName) { currentApp = this; }

CWinApp::~CWinApp() {
    if (currentApp == this) currentApp = nullptr;
}

CWinApp* AfxGetApp() { return currentApp; }

HINSTANCE AfxGetResourceHandle() { return GetProgramModule(); }

HINSTANCE AfxFindResourceHandle(LPCSTR, LPCSTR) { return GetProgramModule(); }

void AfxEnableControlContainer() { HostedControlRegistry::instance().enableHosting(); }

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    SetProgramModule(instance);
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    app->m_hInstance = instance;
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}
