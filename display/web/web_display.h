#pragma once

#include <memory>
#include <unordered_map>

#include "windowing/display.h"

class DialogPage;

// The window system in a browser page: one window on the page per dialog,
// one HTML control per control (page_library.js draws them). Input comes
// from the page while a modal run waits for it; the program's stack is put
// away meanwhile (Asyncify), so an idle page uses no CPU.
class WebDisplay : public WindowDisplay {
public:
    WebDisplay();
    ~WebDisplay() override;
    WebDisplay(const WebDisplay&) = delete;
    WebDisplay& operator=(const WebDisplay&) = delete;

    void windowCreated(HWND dialog) override;
    void windowDestroyed(HWND dialog) override;
    void windowChanged(HWND window, Change change) override;
    bool runModalLoop(HWND dialog) override;
    void modalRunEnding(HWND) override {}
    void beginMoveOrSize(HWND dialog, UINT command) override;
    // In a new tab.
    void openAddress(const std::string& address) override;
    BaseUnits dialogBaseUnits() const override { return m_baseUnits; }
    POINT screenSize() const override;

    DialogPage* pageFor(HWND dialog) const;

private:
    std::unordered_map<HWND, std::unique_ptr<DialogPage>> m_pages;
    BaseUnits m_baseUnits;
};
