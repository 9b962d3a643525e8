#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "session/session_action.h"
#include "session/session_model.h"
#include "windowing/display.h"

// One random user session over the whole program, headless: the program runs
// from its entry point while this display plays the user, one action each
// time a window waits for input, and compares the windows with the reference
// model before every action and after the program ends. When the actions run
// out, Escape closes whatever is open.
namespace session {

struct Outcome {
    std::vector<Action> actions;  // what was played, in order
    std::string failure;          // the first difference from the model; empty if none
};

class RandomSession : public WindowDisplay {
public:
    // Draws up to `steps` actions from `seed`.
    static Outcome generate(std::uint32_t seed, int steps);
    // Plays `actions` again, skipping each one meant for a window that is not
    // the one waiting when its turn comes.
    static Outcome replay(const std::vector<Action>& actions);

    void windowCreated(HWND dialog) override { m_dialogs.insert(dialog); }
    void windowDestroyed(HWND dialog) override { m_dialogs.erase(dialog); }
    void windowChanged(HWND, Change) override {}
    bool runModalLoop(HWND dialog) override;
    void modalRunEnding(HWND) override {}
    void openAddress(const std::string&) override { ++m_addressesOpened; }

private:
    RandomSession(std::uint32_t seed, int steps, const std::vector<Action>* replay);
    ~RandomSession() override;
    Outcome run();
    bool nextAction(Action& action);
    std::string differenceAt(HWND dialog);
    bool perform(const Action& action, HWND dialog);

    std::mt19937 m_random;
    int m_stepsLeft;
    const std::vector<Action>* m_replay;
    std::size_t m_replayed = 0;
    int m_closing = 0;
    SessionModel m_model;
    Outcome m_outcome;
    std::set<HWND> m_dialogs;
    std::size_t m_mainWindowCount = 0;
    int m_addressesOpened = 0;
};

using Replay = std::function<Outcome(const std::vector<Action>&)>;

// The shortest sequence found, by dropping ever smaller runs of actions, that
// still fails when replayed.
std::vector<Action> shrink(std::vector<Action> actions, const Replay& replay = RandomSession::replay);

}  // namespace session
