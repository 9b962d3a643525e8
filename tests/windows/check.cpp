#include "tests/windows/check.h"

#include <cstdio>

namespace check {
namespace {

std::string currentCase;
int passedChecks = 0;
int failedChecks = 0;
int failedCases = 0;
bool caseFailed = false;

}  // namespace

void beginCase(const std::string& name) {
    currentCase = name;
    caseFailed = false;
    std::printf("[ case ] %s\n", name.c_str());
    std::fflush(stdout);
}

bool record(bool ok, const char* file, int line, const std::string& what) {
    if (ok) {
        ++passedChecks;
        return true;
    }
    ++failedChecks;
    if (!caseFailed) ++failedCases;
    caseFailed = true;
    std::printf("%s:%d: FAILED in %s: %s\n", file, line, currentCase.c_str(), what.c_str());
    std::fflush(stdout);
    return false;
}

int finish() {
    std::printf("%d passed, %d failed\n", passedChecks, failedChecks);
    if (failedCases) std::printf("(%d cases with failures)\n", failedCases);
    std::fflush(stdout);
    return failedChecks == 0 && passedChecks > 0 ? 0 : 1;
}

std::string quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out + "\"";
}

std::string quote(long long value) { return std::to_string(value); }

std::string quote(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow += c < 128 ? static_cast<char>(c) : '?';
    return quote(narrow);
}

}  // namespace check
