// The program's entry point on Windows: the resources it carries as code,
// then the framework.

#include "framework/afx_globals.h"
#include "framework/win32/resource_data.h"
#include "res/resources.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    setResourceData(resonixResources());
    // The command line is not read: the program has no options.
    return AfxWinMain(instance, nullptr, commandLine, showCommand);
}
