#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "windowing/display.h"
#include "windowing/window_system.h"

// The user at one open window, as a step of a script sees it.
class UserAtWindow {
public:
    explicit UserAtWindow(HWND dialog) : m_dialog(dialog) {}

    HWND dialog() const { return m_dialog; }
    HWND control(int id) const;

    // Input; each fails the test when the window system refuses it.
    void click(int id);
    void type(int id, const std::string& text);
    void choose(int listId, int index);  // a mouse click on an item
    void press(Key key);
    void focus(int id);
    void closeBox();
    void systemCommand(UINT command);
    // The same input, reporting whether it was taken instead of failing.
    bool tryClick(int id);
    bool tryType(int id, const std::string& text);

    // What the user sees.
    std::string caption() const;
    std::string text(int id) const;
    bool visible(int id) const;
    bool enabled(int id) const;
    std::vector<std::string> items(int id) const;
    int selection(int id) const;
    int focusedId() const;  // 0: the dialog itself; -2: outside this window

private:
    HWND m_dialog;
};

// A display that plays a user from a script, for headless tests. The script
// lists, in order, the windows that are expected to wait for input and what
// the user does in each. A window that waits when the script expects another
// one, or when the script has ended, fails the test and abandons every modal
// run; a step left over at the end fails it too.
class ScriptedUser : public WindowDisplay {
public:
    using Step = std::function<void(UserAtWindow&)>;

    ScriptedUser();
    ~ScriptedUser() override;
    ScriptedUser(const ScriptedUser&) = delete;
    ScriptedUser& operator=(const ScriptedUser&) = delete;

    // Adds a step for the window with this caption.
    ScriptedUser& at(const std::string& caption, Step step);

    // The desktop's font and screen, as a real display would report them.
    void setBaseUnits(BaseUnits units) { m_baseUnits = units; }
    BaseUnits dialogBaseUnits() const override { return m_baseUnits; }
    // Move and Size commands handed to the desktop.
    const std::vector<UINT>& moveOrSizeRequests() const { return m_moveOrSize; }
    void beginMoveOrSize(HWND, UINT command) override { m_moveOrSize.push_back(command); }
    // Web addresses handed to the desktop to open.
    const std::vector<std::string>& openedAddresses() const { return m_addresses; }
    void openAddress(const std::string& address) override { m_addresses.push_back(address); }

    // Captions of the windows created so far, in order.
    const std::vector<std::string>& opened() const { return m_opened; }
    std::size_t stepsLeft() const { return m_steps.size(); }

    void windowCreated(HWND dialog) override;
    void windowDestroyed(HWND) override {}
    void windowChanged(HWND, Change) override {}
    bool runModalLoop(HWND dialog) override;
    void modalRunEnding(HWND) override {}

private:
    struct ScriptStep {
        std::string caption;
        Step step;
    };
    std::deque<ScriptStep> m_steps;
    std::vector<std::string> m_opened;
    std::vector<UINT> m_moveOrSize;
    std::vector<std::string> m_addresses;
    BaseUnits m_baseUnits;
};
