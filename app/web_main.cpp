// The program's entry point in a browser: the page, then the framework.

#include "display/web/web_session.h"
#include "framework/afx_globals.h"
#include "res/resources.h"

int main() {
    WebSession page;
    return AfxWinMain(resonixResources(), nullptr, nullptr, SW_SHOWDEFAULT);
}
