#include "display/web/web_display.h"

#include <cstdint>

#include "display/web/dialog_page.h"
#include "display/web/page.h"
#include "display/web/page_input.h"
#include "windowing/dialog_window.h"
#include "windowing/window_system.h"

WebDisplay::WebDisplay() : m_baseUnits{pageDialogFontWidth(), pageDialogFontHeight()} {}

WebDisplay::~WebDisplay() {
    if (WindowSystem::instance().display() == this) WindowSystem::instance().setDisplay(nullptr);
}

DialogPage* WebDisplay::pageFor(HWND dialog) const {
    const auto found = m_pages.find(dialog);
    return found == m_pages.end() ? nullptr : found->second.get();
}

void WebDisplay::windowCreated(HWND dialog) {
    if (!WindowSystem::instance().findDialog(dialog) || pageFor(dialog)) return;
    m_pages.emplace(dialog, std::make_unique<DialogPage>(dialog));
}

void WebDisplay::windowDestroyed(HWND dialog) { m_pages.erase(dialog); }

void WebDisplay::windowChanged(HWND window, Change change) {
    if (DialogPage* page = pageFor(WindowSystem::instance().topLevelOf(window))) page->changed(window, change);
}

bool WebDisplay::runModalLoop(HWND dialog) {
    WindowSystem& system = WindowSystem::instance();
    while (!system.modalRunEnded(dialog)) {
        // What the last input wrote is said once the program has done with it.
        for (const auto& [handle, page] : m_pages) page->flush();
        dispatchPageInput(*this, nextPageInput());
    }
    return true;
}

void WebDisplay::beginMoveOrSize(HWND dialog, UINT command) {
    // Dialogs have a fixed frame: only moving.
    if (command == SC_MOVE) pageBeginMove(pageHandle(dialog));
}

void WebDisplay::openAddress(const std::string& address) { pageOpenAddress(address.c_str()); }

POINT WebDisplay::screenSize() const { return POINT{pageWidth(), pageHeight()}; }
