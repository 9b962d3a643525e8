#pragma once

// The Linux program's command line, read before Qt starts: --help, --version
// and a mistake are answered on the terminal, with no display needed (over
// ssh, in a script); everything else is one of Qt's own options, which Qt
// reads when it starts, and opens the window.

#include <cstdio>
#include <span>
#include <string>

enum class CommandLineRequest { OpenWindow, ShowHelp, ShowVersion, Mistake };

struct CommandLine {
    CommandLineRequest request = CommandLineRequest::OpenWindow;
    std::string mistake;  // for a Mistake: what is wrong, in one line
};

// Exit status of a command line the program cannot follow, as is usual.
inline constexpr int kExitUsage = 2;

// Reads the arguments after the program's name. The first one that decides
// (--help, --version or a mistake) decides; the values of Qt's options are
// skipped as Qt skips them, so that `-qwindowtitle --help` opens a window
// with that title.
CommandLine readCommandLine(std::span<const char* const> arguments);

// The text --help prints: the program's options and Qt's.
std::string usageText();

// Prints the answer to a request other than OpenWindow, the texts to `out`
// and the mistakes to `err`, and returns the program's exit status.
int answerCommandLine(const CommandLine& line, std::FILE* out, std::FILE* err);
