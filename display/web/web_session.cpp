#include "display/web/web_session.h"

#include "display/web/page.h"
#include "display/web/web_display.h"
#include "windowing/window_system.h"

WebSession::WebSession() : m_display(std::make_unique<WebDisplay>()) { WindowSystem::instance().setDisplay(m_display.get()); }

WebSession::~WebSession() {
    m_display.reset();
    pageProgramEnded(0);
}
