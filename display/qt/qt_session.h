#pragma once

#include <memory>

// Puts the window system on the real screen for the life of the object:
// starts Qt, installs the Qt display and keeps numbers in the "C" locale.
// The header is free of Qt so that the program's main() stays so too.
class QtSession {
public:
    QtSession(int& argc, char** argv);
    ~QtSession();
    QtSession(const QtSession&) = delete;
    QtSession& operator=(const QtSession&) = delete;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
