// The program's entry point: the command line, then the real screen and the
// framework.

#include <cstdio>
#include <span>

#include "app/command_line.h"
#include "display/qt/qt_session.h"
#include "framework/afx_globals.h"
#include "res/resources.h"

int main(int argc, char** argv) {
    // Read before Qt starts, so that --help, --version and a mistake need no
    // display; what is left are Qt's options, which Qt reads itself.
    const std::span<const char* const> arguments(argv, static_cast<std::size_t>(argc));
    const CommandLine line = readCommandLine(arguments.empty() ? arguments : arguments.subspan(1));
    if (line.request != CommandLineRequest::OpenWindow) {
        return answerCommandLine(line, stdout, stderr);
    }
    QtSession screen(argc, argv);
    return AfxWinMain(resonixResources(), nullptr, nullptr, SW_SHOWDEFAULT);
}
