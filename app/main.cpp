// The program's entry point: the real screen, then the framework.

#include "display/qt/qt_session.h"
#include "framework/afx_globals.h"
#include "res/resources.h"

int main(int argc, char** argv) {
    QtSession screen(argc, argv);
    // The command line is not read: the program has no options.
    return AfxWinMain(resonixResources(), nullptr, nullptr, SW_SHOWDEFAULT);
}
