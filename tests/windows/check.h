#pragma once

// A small check harness: each failed check prints where and what, the run
// ends with "N passed, N failed".

#include <string>

namespace check {

// Names the case that the following checks belong to, for the messages.
void beginCase(const std::string& name);

// Records one check; prints what differs when it fails. Returns `ok`.
bool record(bool ok, const char* file, int line, const std::string& what);

// Prints the closing line; the process's exit status.
int finish();

std::string quote(const std::wstring& text);
std::string quote(const std::string& text);
std::string quote(long long value);

}  // namespace check

#define CHECK_TRUE(condition, what) check::record((condition), __FILE__, __LINE__, (what))
// Equal texts (or numbers), with both shown on failure.
#define CHECK_EQ_TEXT(actual, expected, what)                                                              \
    check::record((actual) == (expected), __FILE__, __LINE__,                                              \
                  std::string(what) + ": got " + check::quote(actual) + ", expected " + check::quote(expected))
