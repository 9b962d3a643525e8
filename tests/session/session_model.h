#pragma once

#include <string>
#include <vector>

#include "session/calculator_model.h"
#include "session/session_action.h"

class UserAtWindow;

// The reference model of a random session: the windows open, and for the
// open calculator what each of its controls should show, following the
// state tables of the calculator windows. It predicts what each action does
// and compares its picture with what the window system shows.
namespace session {

class SessionModel {
public:
    SessionModel() : m_open{Place::Main} {}

    // The windows open, the main window first; empty once the program ended.
    const std::vector<Place>& open() const { return m_open; }
    // How often the About box's web link should have opened its address.
    int addressesOpened() const { return m_addressesOpened; }

    // Carries out `action` on the model, with the keyboard focus on control
    // `focusedId` of the active window (0: on the window itself). Returns
    // whether the window system should take the action or refuse it.
    bool apply(const Action& action, int focusedId);

    // The first difference between the model and what `window`, the active
    // window, shows; empty when there is none.
    std::string difference(const UserAtWindow& window) const;

private:
    struct Calculator {
        const CalculatorModel* model = nullptr;
        int analysis = -1;
        std::string input1, input2;
        int unit1 = -1, unit2 = -1;
        std::vector<std::string> units1, units2;
        std::string caption1, caption2;
        bool calculateShown = false, inputShown = false, resultsShown = false, deflectionShown = false;
        std::string title, results, deflection = " ";
        // Set by a successful Calculate until the next action.
        bool justSucceeded = false;
    };

    Place top() const { return m_open.back(); }
    void command(int id);
    bool listKey(int listId, int key);
    void openCalculator(Place place);
    void chooseAnalysis(int analysis);
    void inputChanged();
    void calculate();
    bool setInput(int field, const std::string& text);
    std::string calculatorDifference(const UserAtWindow& window) const;
    std::string consistencyDifference(const UserAtWindow& window) const;

    std::vector<Place> m_open;
    Calculator m_calc;
    int m_addressesOpened = 0;
};

}  // namespace session
