#include "app/command_line.h"

#include <cerrno>
#include <cstring>
#include <string_view>

#include "res/version.h"

namespace {

// One of Qt's options, as Qt reads it (QCoreApplication, QGuiApplication,
// QApplication and the xcb platform): one dash or two, then the name; a
// value, if it takes one, in the next argument, or for a few after '='.
struct QtOption {
    std::string_view name;     // with one dash
    std::string_view value;    // what the help calls its value; empty for a switch
    bool joined;               // also written NAME=VALUE
    std::string_view purpose;  // for the help
};

struct QtOptionGroup {
    std::string_view title;
    std::span<const QtOption> options;
};

constexpr QtOption kEveryPlatform[] = {
    {"-platform", "NAME[:OPTIONS]", false, "the platform plugin: xcb, wayland, offscreen..."},
    {"-platformpluginpath", "PATH", false, "where to look for platform plugins"},
    {"-platformtheme", "THEME", false, "the platform theme"},
    {"-plugin", "PLUGIN", false, "one more plugin to load; may be repeated"},
    {"-style", "STYLE", true, "the widget style"},
    {"-stylesheet", "FILE", true, "a style sheet to apply"},
    {"-reverse", "", false, "lays the windows out right to left"},
    {"-qwindowgeometry", "GEOMETRY", false, "the first window's size and place: WxH+X+Y"},
    {"-qwindowtitle", "TITLE", false, "the first window's title"},
    {"-qwindowicon", "ICON", false, "the windows' icon"},
    {"-session", "SESSION", false, "the session to restore (from a session manager)"},
    {"-widgetcount", "", false, "counts the widgets left at the end"},
    {"-qmljsdebugger", "SETTINGS", true, "the QML debugger's port:PORT[,block]"},
};

constexpr QtOption kX11[] = {
    {"-display", "DISPLAY", false, "the X display, instead of $DISPLAY"},
    {"-geometry", "GEOMETRY", false, "as -qwindowgeometry"},
    {"-title", "TITLE", false, "as -qwindowtitle"},
    {"-icon", "ICON", false, "as -qwindowicon"},
    {"-name", "NAME", false, "the windows' instance name"},
    {"-visual", "ID", false, "the X visual to draw with"},
    {"-nograb", "", false, "never grabs the mouse or the keyboard"},
    {"-dograb", "", false, "grabs them even under a debugger"},
};

// Launchers written for earlier versions of Qt may still pass these.
constexpr QtOption kEarlierX11[] = {
    {"-sync", "", false, "ignored"},
    {"-cmap", "", false, "ignored"},
    {"-ncols", "COUNT", false, "ignored"},
};

constexpr QtOptionGroup kQtOptionGroups[] = {
    {"Qt's options, which resonix leaves to Qt (each may start with -- too):", kEveryPlatform},
    {"On X11 (the xcb platform), also:", kX11},
    {"X11 options of earlier Qt versions, accepted and ignored:", kEarlierX11},
};

const QtOption* findQtOption(std::string_view name) {
    for (const QtOptionGroup& group : kQtOptionGroups) {
        for (const QtOption& option : group.options) {
            if (option.name == name) {
                return &option;
            }
        }
    }
    return nullptr;
}

CommandLine mistake(std::string what) { return {CommandLineRequest::Mistake, std::move(what)}; }

// Where the help's descriptions start: one column for every option.
constexpr std::size_t kPurposeColumn = 30;

void addOptionLine(std::string& text, std::string synopsis, std::string_view purpose) {
    std::string line = "  " + synopsis;
    if (line.size() + 2 > kPurposeColumn) {
        text += line + "\n";
        line.clear();
    }
    line.resize(kPurposeColumn, ' ');
    text += line;
    text += purpose;
    text += "\n";
}

std::string synopsisOf(const QtOption& option) {
    std::string synopsis(option.name);
    if (!option.value.empty()) {
        synopsis += " " + std::string(option.value);
    }
    if (option.joined) {
        synopsis += ", " + std::string(option.name) + "=" + std::string(option.value);
    }
    return synopsis;
}

int print(std::string_view text, std::FILE* out, std::FILE* err) {
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0) {
        std::fprintf(err, "resonix: cannot write: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

}  // namespace

CommandLine readCommandLine(std::span<const char* const> arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help") {
            return {CommandLineRequest::ShowHelp, {}};
        }
        if (argument == "--version") {
            return {CommandLineRequest::ShowVersion, {}};
        }
        if (argument.size() < 2 || argument[0] != '-') {
            return mistake("unexpected argument '" + std::string(argument) + "'");
        }
        // Qt reads --name as -name.
        const std::string_view written = argument.starts_with("--") ? argument.substr(1) : argument;
        const std::size_t equals = written.find('=');
        const QtOption* option = findQtOption(written.substr(0, equals));
        if (option == nullptr || (equals != std::string_view::npos && !option->joined)) {
            return mistake("unknown option '" + std::string(argument) + "'");
        }
        if (equals == std::string_view::npos && !option->value.empty()) {
            if (i + 1 == arguments.size()) {
                return mistake("option '" + std::string(argument) + "' needs a value");
            }
            ++i;
        }
    }
    return {};
}

std::string usageText() {
    std::string text =
        "Usage: resonix [QT-OPTION]...\n"
        "  or:  resonix --help | --version\n"
        "Opens the resonix window, a calculator of the natural frequency, the\n"
        "stiffness and the mass of single-degree-of-freedom vibrating systems: a mass\n"
        "on a spring, and a body on a torsion shaft.\n"
        "\n";
    addOptionLine(text, "--help", "prints this help and exits");
    addOptionLine(text, "--version", "prints the version and exits");
    for (const QtOptionGroup& group : kQtOptionGroups) {
        text += "\n";
        text += group.title;
        text += "\n";
        for (const QtOption& option : group.options) {
            addOptionLine(text, synopsisOf(option), option.purpose);
        }
    }
    text +=
        "\n"
        "More in the manual page: man resonix.\n"
        "Report faults to <resonix@example.org>; home page: <https://resonix.example.org/>.\n";
    return text;
}

int answerCommandLine(const CommandLine& line, std::FILE* out, std::FILE* err) {
    switch (line.request) {
    case CommandLineRequest::ShowHelp:
        return print(usageText(), out, err);
    case CommandLineRequest::ShowVersion:
        return print("resonix " RESONIX_VERSION "\n", out, err);
    case CommandLineRequest::Mistake:
        std::fprintf(err, "resonix: %s\nTry 'resonix --help' for more information.\n", line.mistake.c_str());
        return kExitUsage;
    case CommandLineRequest::OpenWindow:
        break;
    }
    return 0;
}
