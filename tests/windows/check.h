#pragma once

// A small check harness: each failed check prints where and what, the run
// ends with "N passed, N failed".

#include <string>

namespace check {

// Names the case that the following checks belong to, for the messages.
void BeginCase(const std::string& name);

// Records one check; prints what differs when it fails. Returns `ok`.
bool Record(bool ok, const char* file, int line, const std::string& what);

// Prints the closing line; the process's exit status.
int Finish();

std::string Quote(const std::wstring& text);
std::string Quote(const std::string& text);
std::string Quote(long long value);

}  // namespace check

#define CHECK_TRUE(condition, what) check::Record((condition), __FILE__, __LINE__, (what))
// Equal texts (or numbers), with both shown on failure.
#define CHECK_EQ_TEXT(actual, expected, what)                                                              \
    check::Record((actual) == (expected), __FILE__, __LINE__,                                              \
                  std::string(what) + ": got " + check::Quote(actual) + ", expected " + check::Quote(expected))
