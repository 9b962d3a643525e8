#include "session/random_session.h"

#include <cstdio>

#include "framework/afx_globals.h"
#include "res/resource.h"
#include "res/resources.h"
#include "support/scripted_user.h"
#include "windowing/dialog_window.h"
#include "windowing/hosted_control.h"
#include "windowing/window.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace session {

namespace {

WindowSystem& windows() { return WindowSystem::instance(); }

// The session running, for a report when a sanitizer ends the process.
const Outcome* running = nullptr;

#if defined(__SANITIZE_ADDRESS__)
void reportOnDeath() {
    if (running) std::fprintf(stderr, "random session ended the process after:\n%s", describe(running->actions).c_str());
}
#endif

const CalculatorModel& calculatorAt(Place place) {
    return place == Place::Translation ? translationModel() : rotationModel();
}

int fieldId(const CalculatorModel& model, int field) {
    return field == 1 ? model.input1 : field == 2 ? model.input2 : model.results;
}

}  // namespace

RandomSession::RandomSession(std::uint32_t seed, int steps, const std::vector<Action>* replay)
    : m_random(seed), m_stepsLeft(steps), m_replay(replay) {
    windows().reset();
    HostedControlRegistry::instance().reset();
    windows().setDisplay(this);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(reportOnDeath);
#endif
    running = &m_outcome;
}

RandomSession::~RandomSession() {
    running = nullptr;
    windows().setDisplay(nullptr);
    windows().reset();
}

Outcome RandomSession::generate(std::uint32_t seed, int steps) { return RandomSession(seed, steps, nullptr).run(); }

Outcome RandomSession::replay(const std::vector<Action>& actions) { return RandomSession(0, 0, &actions).run(); }

Outcome RandomSession::run() {
    const int result = AfxWinMain(resonixResources(), nullptr, nullptr, SW_SHOWDEFAULT);
    if (m_outcome.failure.empty()) {
        if (result != 0) m_outcome.failure = "the program ended with " + std::to_string(result);
        else if (!m_model.open().empty()) m_outcome.failure = "the program ended while a window should be open";
        else if (windows().windowCount() != 0) m_outcome.failure = "windows left after the program ended";
    }
    return std::move(m_outcome);
}

bool RandomSession::runModalLoop(HWND dialog) {
    if (!m_outcome.failure.empty()) return false;
    m_outcome.failure = differenceAt(dialog);
    if (!m_outcome.failure.empty()) return false;
    Action action;
    if (!nextAction(action)) {
        // Out of actions: Escape closes each window in turn.
        if (++m_closing > 10) {
            m_outcome.failure = "Escape does not close the windows";
            return false;
        }
        action = {m_model.open().back(), Act::Press, static_cast<int>(Key::Escape)};
    }
    m_outcome.actions.push_back(action);
    const bool expected = m_model.apply(action, UserAtWindow(dialog).focusedId());
    const bool taken = perform(action, dialog);
    if (taken != expected && m_outcome.failure.empty()) {
        m_outcome.failure = taken ? "the window took an action the model refuses" : "the window refused the action";
    }
    return m_outcome.failure.empty();
}

bool RandomSession::nextAction(Action& action) {
    if (m_replay) {
        while (m_replayed < m_replay->size()) {
            action = (*m_replay)[m_replayed++];
            if (action.place == m_model.open().back()) return true;
        }
        return false;
    }
    if (m_stepsLeft <= 0) return false;
    --m_stepsLeft;
    action = randomAction(m_model.open().back(), m_random);
    return true;
}

std::string RandomSession::differenceAt(HWND dialog) {
    if (dialog != windows().activeDialog()) return "a window that is not the active one waits for input";
    const UserAtWindow window(dialog);
    if (std::string d = m_model.difference(window); !d.empty()) return d;
    if (m_addressesOpened != m_model.addressesOpened()) {
        return "the web link opened its address " + std::to_string(m_addressesOpened) + " times, expected " +
               std::to_string(m_model.addressesOpened());
    }
    if (m_dialogs.size() != m_model.open().size()) {
        return std::to_string(m_dialogs.size()) + " windows open, expected " + std::to_string(m_model.open().size());
    }
    const std::vector<HWND>& stack = windows().modalStack();
    for (std::size_t i = 0; i + 1 < stack.size(); ++i) {
        if (const Window* under = windows().find(stack[i]); under && under->enabled()) return "a window under a nested one takes input";
    }
    if (HWND focus = windows().focus(); focus && focus != dialog && windows().topLevelOf(focus) == dialog) {
        const Window* control = windows().find(focus);
        if (!control->visible() || !control->enabled()) return "the focus is on a hidden or disabled control";
    }
    if (m_model.open().size() == 1) {
        // Whatever opened and closed since, the main window alone is left.
        if (m_mainWindowCount == 0) m_mainWindowCount = windows().windowCount();
        if (windows().windowCount() != m_mainWindowCount) return "windows left over with only the main window open";
    }
    return {};
}

bool RandomSession::perform(const Action& action, HWND dialog) {
    UserAtWindow user(dialog);
    switch (action.act) {
    case Act::ChooseMotion: return windows().userSelects(user.control(IDC_MOTION_LIST), action.a);
    case Act::VisitWebSite: return user.tryClick(IDOK);
    case Act::AboutFromMenu: return windows().userChoosesSystemCommand(dialog, IDM_ABOUTBOX);
    case Act::Exit: return user.tryClick(IDCANCEL);
    case Act::ReturnButton: return user.tryClick(action.place == Place::About ? IDOK : IDCANCEL);
    case Act::ClickLink: return user.tryClick(IDC_WEBLINK);
    case Act::Press: return windows().userPressesKey(dialog, static_cast<Key>(action.a));
    case Act::CloseBox: return windows().userClosesWindow(dialog);
    default: break;
    }
    const CalculatorModel& model = calculatorAt(action.place);
    switch (action.act) {
    case Act::ChooseAnalysis: return windows().userSelects(user.control(model.analysisList), action.a);
    case Act::Calculate: return user.tryClick(IDOK);
    case Act::Type: return user.tryType(fieldId(model, action.a), action.text);
    case Act::Insert:
    case Act::Delete: {
        const int id = fieldId(model, action.a);
        std::string text = user.text(id);
        if (action.act == Act::Insert) {
            text.insert(static_cast<std::size_t>(action.b) % (text.size() + 1), action.text);
        } else if (!text.empty()) {
            text.erase(static_cast<std::size_t>(action.b) % text.size(), 1);
        }
        return user.tryType(id, text);
    }
    case Act::ChooseUnit: return windows().userSelects(user.control(action.a == 1 ? model.units1 : model.units2), action.b);
    default: return false;
    }
}

std::vector<Action> shrink(std::vector<Action> actions, const Replay& replay) {
    // Every list kept is strictly shorter than the one it replaces, so this
    // ends. What the replay played is not kept: it adds the Escapes that
    // close the windows, and would come back no shorter.
    for (std::size_t chunk = std::max<std::size_t>(actions.size() / 2, 1);; chunk /= 2) {
        for (std::size_t at = 0; at + chunk <= actions.size();) {
            std::vector<Action> shorter = actions;
            shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(at), shorter.begin() + static_cast<std::ptrdiff_t>(at + chunk));
            if (!replay(shorter).failure.empty()) {
                actions = std::move(shorter);
            } else {
                at += chunk;
            }
        }
        if (chunk == 1) return actions;
    }
}

}  // namespace session
