// The program's entry point on Windows: the resources it carries as code,
// then the framework.

#include "framework/afx_globals.h"
#include "framework/win32/resource_data.h"
#include "framework/win32/test_probes.h"
#include "res/resources.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    setResourceData(resonixResources());
    // The reports that outside checks ask for; none unless the environment asks.
    test_probes::installIfAsked();
    // The command line is not read: on Windows the program has no options, and
    // no console to answer --help or --version on (docs/windows.md).
    return AfxWinMain(instance, nullptr, commandLine, showCommand);
}
