#include "framework/cwin_app.h"

#include "framework/afx_globals.h"
#include "framework/platform.h"

namespace {

CWinApp* currentApp = nullptr;

}  // namespace

CWinApp::CWinApp() { currentApp = this; }

CWinApp::~CWinApp() {
    if (currentApp == this) currentApp = nullptr;
}

CWinApp* AfxGetApp() { return currentApp; }

HINSTANCE AfxFindResourceHandle(LPCSTR, LPCSTR) { return platform::programInstance(); }

void AfxEnableControlContainer() { platform::enableControlHosting(); }

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    platform::setProgramInstance(instance);
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}
