#pragma once

#include <memory>

class WebDisplay;

// The program's windows on the page for as long as it lives: the browser
// display, set as the window system's. When the session ends (the program
// has ended), the page says so.
class WebSession {
public:
    WebSession();
    ~WebSession();
    WebSession(const WebSession&) = delete;
    WebSession& operator=(const WebSession&) = delete;

private:
    std::unique_ptr<WebDisplay> m_display;
};
