#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using enum CommandLineRequest;

struct Case {
    std::vector<const char*> arguments;
    CommandLineRequest request;
    std::string mistake;
};

const Case kCases[] = {
    {{}, OpenWindow, ""},
    {{"--help"}, ShowHelp, ""},
    {{"--version"}, ShowVersion, ""},
    // Qt's options open the window, with one dash or two, their values in
    // the next argument or, for some, after '='.
    {{"-platform", "offscreen", "--reverse", "--style=fusion", "-stylesheet", "a.qss"}, OpenWindow, ""},
    {{"-display", ":1", "-nograb", "-sync", "-ncols", "8", "-qmljsdebugger=port:3768"}, OpenWindow, ""},
    // A value is Qt's, whatever it looks like.
    {{"-qwindowtitle", "--help"}, OpenWindow, ""},
    // The first argument that decides, decides.
    {{"--version", "--bogus"}, ShowVersion, ""},
    {{"--bogus", "--help"}, Mistake, "unknown option '--bogus'"},
    {{"-help"}, Mistake, "unknown option '-help'"},
    {{"-platform=xcb"}, Mistake, "unknown option '-platform=xcb'"},
    {{"-reverse=yes"}, Mistake, "unknown option '-reverse=yes'"},
    {{"-style", "fusion", "-platform"}, Mistake, "option '-platform' needs a value"},
    {{"notes.txt"}, Mistake, "unexpected argument 'notes.txt'"},
    {{"-"}, Mistake, "unexpected argument '-'"},
};

TEST(CommandLine, ReadsEachCase) {
    for (const Case& test : kCases) {
        std::string shown;
        for (const char* argument : test.arguments) {
            shown += std::string(argument) + " ";
        }
        SCOPED_TRACE(shown);
        const CommandLine line = readCommandLine(test.arguments);
        EXPECT_EQ(line.request, test.request);
        EXPECT_EQ(line.mistake, test.mistake);
    }
}

}  // namespace
