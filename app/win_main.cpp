// The program's entry point on Windows: the resources it carries as code,
// then the framework.

#include "framework/afx_globals.h"
#include "framework/win32/resource_data.h"
#include "res/resources.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    setResourceData(resonixResources());
    // The command line is not read: on Windows the program has no options, and
    // no console to answer --help or --version on (docs/windows.md).
    return AfxWinMain(instance, nullptr, commandLine, showCommand);
}
