#pragma once

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "windowing/window_system.h"

// One thing a user does in a random session, in the window it was chosen for.
namespace session {

enum class Place { Main, Translation, Rotation, About };

enum class Act {
    ChooseMotion,    // main window: click item a of the motion list
    VisitWebSite,    // main window: click "Visit Web Site"
    AboutFromMenu,   // main window: the system menu's About entry
    Exit,            // main window: click "Exit"
    ChooseAnalysis,  // calculator: click item a of the analysis list
    Type,            // calculator: replace the text of field a (1, 2; 0 the results field) by `text`
    Insert,          // calculator: insert `text` at position b of input a
    Delete,          // calculator: delete the character at position b of input a
    ChooseUnit,      // calculator: click item b of unit list a
    Calculate,       // calculator: click "Calculate"
    ReturnButton,    // calculator or About box: click "Return"
    ClickLink,       // About box: click the web link
    Press,           // any window: key a (a Key)
    CloseBox,        // any window: the close box
};

struct Action {
    Action(Place p = Place::Main, Act what = Act::CloseBox, int first = 0, int second = 0, std::string typed = {})
        : place(p), act(what), a(first), b(second), text(std::move(typed)) {}

    Place place;
    Act act;
    int a;
    int b;
    std::string text;
};

// One line that says what the user did, for a failure report.
std::string describe(const Action& action);
std::string describe(const std::vector<Action>& actions);

// An action that a user might take next in a window of kind `place`.
Action randomAction(Place place, std::mt19937& random);

}  // namespace session
