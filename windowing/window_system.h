#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "windowing/dialog_manager.h"
#include "windowing/display.h"
#include "windowing/key.h"
#include "portable/win_types.h"

class Window;
class DialogWindow;

// The window system: owns every window, delivers messages, keeps the focus,
// runs modal dialogs and takes raw input from a display (or a scripted user);
// what a key does in a dialog is the dialog manager's.
class WindowSystem {
public:
    static WindowSystem& instance();

    // --- The display ----------------------------------------------------
    void setDisplay(WindowDisplay* display);
    WindowDisplay* display() const { return m_display; }
    BaseUnits dialogBaseUnits() const;
    POINT screenSize() const;
    void notify(HWND window, Change change);
    // Hands a web address to the desktop, which opens it in the browser.
    void openAddress(const std::string& address);

    // --- Windows --------------------------------------------------------
    Window* find(HWND handle) const;
    DialogWindow* findDialog(HWND handle) const;
    HWND add(std::unique_ptr<Window> window, HWND parent);
    void destroy(HWND handle);
    bool exists(HWND handle) const { return find(handle) != nullptr; }
    // The dialog a control belongs to, or the dialog itself.
    HWND topLevelOf(HWND handle) const;
    HWND childById(HWND dialog, int id) const;
    std::size_t windowCount() const { return m_windows.size(); }

    LRESULT sendMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    // Sends WM_COMMAND with `code` from control `control` to its dialog.
    void notifyParent(HWND control, WORD code);

    void show(HWND handle, bool visible);
    void enable(HWND handle, bool enabled);

    // --- Focus ----------------------------------------------------------
    HWND focus() const { return m_focus; }
    HWND setFocus(HWND handle);

    // --- The dialog manager -----------------------------------------------
    const DialogManager& dialogManager() const { return m_dialogManager; }

    // --- Modal runs -----------------------------------------------------
    // The dialogs now running, innermost last.
    const std::vector<HWND>& modalStack() const { return m_modalStack; }
    HWND activeDialog() const { return m_modalStack.empty() ? nullptr : m_modalStack.back(); }
    bool modalRunEnded(HWND dialog) const;
    // True once a display has said that no more input will come: every modal
    // run then ends at once, so a program can never wait for nothing.
    bool abandoned() const { return m_abandoned; }
    void pushModal(HWND dialog) { m_modalStack.push_back(dialog); }
    void popModal(HWND dialog);
    bool waitForEnd(HWND dialog);

    // --- Raw user input -------------------------------------------------
    // Each returns false when the input was refused: the window does not
    // exist, is hidden, disabled, read-only, or not in the active dialog.
    bool userTypes(HWND edit, const std::string& text);
    bool userSelects(HWND listBox, int index);
    bool userClicks(HWND button);
    bool userFocuses(HWND control);
    bool userPressesKey(HWND dialog, Key key);
    bool userClosesWindow(HWND dialog);
    bool userChoosesSystemCommand(HWND dialog, UINT command);
    void userResizesClientArea(HWND dialog, int width, int height);
    // The desktop minimised, maximised or restored a window by itself (not
    // through a command of the window's menu): record what it did.
    void desktopChangedPlacement(HWND dialog, bool iconic, bool maximized);
    // The display asks a dialog to paint itself.
    void paint(HWND dialog);

    // Forgets every window and modal run: for tests that start from nothing.
    void reset();

private:
    WindowSystem();
    bool acceptsInput(HWND handle) const;
    void moveFocusOff(const Window& window);
    void destroyTree(HWND handle);

    std::unordered_map<HWND, std::unique_ptr<Window>> m_windows;
    std::uintptr_t m_nextHandle = 0x100;
    WindowDisplay* m_display = nullptr;
    HWND m_focus = nullptr;
    std::vector<HWND> m_modalStack;
    bool m_abandoned = false;
    DialogManager m_dialogManager;
};
