#include "session/session_model.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <type_traits>

#include "numbers/read_number.h"
#include "res/resource.h"
#include "support/scripted_user.h"

namespace session {

namespace {

const std::vector<std::string> kMotions = {"Rotation", "Translation"};

bool isKey(const Action& action, Key key) { return action.act == Act::Press && action.a == static_cast<int>(key); }

// Where a list's selection goes on an arrow, Home or End key, as a
// single-selection list box moves it; -2: the key does nothing.
int keyTarget(int key, int selection, int count) {
    if (count == 0) return -2;
    switch (static_cast<Key>(key)) {
    case Key::Up: return selection < 0 ? 0 : std::max(0, selection - 1);
    case Key::Down: return selection < 0 ? 0 : std::min(count - 1, selection + 1);
    case Key::Home: return 0;
    case Key::End: return count - 1;
    default: return -2;
    }
}

std::vector<std::string> names(const std::vector<Unit>& units) {
    std::vector<std::string> result;
    for (const Unit& unit : units) result.push_back(unit.name);
    return result;
}

std::string shown(const std::string& text) {
    std::string result;
    for (const char c : text) {
        if (c == '\r') result += "\\r";
        else if (c == '\n') result += "\\n";
        else result += c;
    }
    return "\"" + result + "\"";
}

std::string shown(const std::vector<std::string>& items) {
    std::string result = "{";
    for (const std::string& item : items) result += shown(item) + " ";
    return result + "}";
}

template <typename T>
std::string compare(const char* what, const T& shownValue, const T& expected) {
    if (shownValue == expected) return {};
    std::ostringstream text;
    if constexpr (std::is_same_v<T, bool>) {
        text << what << (shownValue ? " shown, expected hidden" : " hidden, expected shown");
    } else if constexpr (std::is_same_v<T, int>) {
        text << what << " is " << shownValue << ", expected " << expected;
    } else {
        text << what << " is " << shown(shownValue) << ", expected " << shown(expected);
    }
    return text.str();
}

}  // namespace

bool SessionModel::apply(const Action& action, int focusedId) {
    m_calc.justSucceeded = false;
    if (m_open.empty() || action.place != top()) return false;
    const bool pushButtonFocused = focusedId == IDOK || (focusedId == IDCANCEL && top() != Place::About);
    if (isKey(action, Key::Escape) || action.act == Act::CloseBox) {
        command(IDCANCEL);
        return true;
    }
    // The web link takes Enter and Space while it has the focus: it opens
    // its address and the box stays.
    if ((isKey(action, Key::Return) || isKey(action, Key::Space)) && top() == Place::About && focusedId == IDC_WEBLINK) {
        ++m_addressesOpened;
        return true;
    }
    // Enter presses the focused push button, else the default one, whether
    // that one is visible or not; Space presses only a focused one.
    if (isKey(action, Key::Return)) {
        command(pushButtonFocused ? focusedId : IDOK);
        return true;
    }
    if (isKey(action, Key::Space)) {
        if (pushButtonFocused) command(focusedId);
        return true;
    }
    if (action.act == Act::Press) {
        if (isKey(action, Key::Tab) || isKey(action, Key::ShiftTab)) return true;
        if (top() == Place::Main) {
            if (focusedId == IDC_MOTION_LIST) {
                const int target = keyTarget(action.a, -1, 2);
                if (target >= 0) openCalculator(target == 0 ? Place::Rotation : Place::Translation);
            }
            return true;
        }
        if (top() == Place::About || !m_calc.model) return true;
        const CalculatorModel& model = *m_calc.model;
        if (focusedId == model.analysisList) {
            const int target = keyTarget(action.a, m_calc.analysis, 3);
            if (target >= 0 && target != m_calc.analysis) chooseAnalysis(target);
        } else if (focusedId == model.units1 || focusedId == model.units2) {
            int& selection = focusedId == model.units1 ? m_calc.unit1 : m_calc.unit2;
            const auto& items = focusedId == model.units1 ? m_calc.units1 : m_calc.units2;
            const int target = keyTarget(action.a, selection, static_cast<int>(items.size()));
            if (target >= 0 && target != selection) {
                selection = target;
                inputChanged();
            }
        }
        return true;
    }
    switch (action.act) {
    case Act::ChooseMotion: openCalculator(action.a == 0 ? Place::Rotation : Place::Translation); return true;
    case Act::VisitWebSite:
    case Act::AboutFromMenu: m_open.push_back(Place::About); return true;
    case Act::Exit: command(IDCANCEL); return true;
    case Act::ReturnButton: command(top() == Place::About ? IDOK : IDCANCEL); return true;
    case Act::ClickLink: ++m_addressesOpened; return true;
    case Act::ChooseAnalysis: chooseAnalysis(action.a); return true;
    case Act::Calculate:
        if (!m_calc.calculateShown) return false;
        calculate();
        return true;
    case Act::Type:
        if (action.a == 0 || !m_calc.inputShown) return false;  // the results field is read-only
        return setInput(action.a, action.text);
    case Act::Insert:
    case Act::Delete: {
        if (!m_calc.inputShown) return false;
        std::string text = action.a == 1 ? m_calc.input1 : m_calc.input2;
        if (action.act == Act::Insert) {
            text.insert(static_cast<std::size_t>(action.b) % (text.size() + 1), action.text);
        } else if (!text.empty()) {
            text.erase(static_cast<std::size_t>(action.b) % text.size(), 1);
        }
        return setInput(action.a, text);
    }
    case Act::ChooseUnit: {
        const auto& items = action.a == 1 ? m_calc.units1 : m_calc.units2;
        if (!m_calc.inputShown || action.b >= static_cast<int>(items.size())) return false;
        (action.a == 1 ? m_calc.unit1 : m_calc.unit2) = action.b;
        inputChanged();  // a click reports a change even on the selected unit
        return true;
    }
    default: return true;
    }
}

void SessionModel::command(int id) {
    switch (top()) {
    case Place::Main:
        // The OK command runs the About box; only cancel ends the program.
        if (id == IDOK) m_open.push_back(Place::About);
        else m_open.pop_back();
        return;
    case Place::About: m_open.pop_back(); return;
    case Place::Translation:
    case Place::Rotation:
        if (id == IDOK) calculate();
        else m_open.pop_back();
        return;
    }
}

void SessionModel::openCalculator(Place place) {
    m_open.push_back(place);
    // Every opening starts afresh; only the kept quantities carry over.
    m_calc = Calculator{};
    m_calc.model = place == Place::Translation ? &translationModel() : &rotationModel();
    m_calc.results = m_calc.model->openedResults;
}

void SessionModel::chooseAnalysis(int analysis) {
    // The title keeps its text; everything else of the input area is reset,
    // also when the analysis chosen is the one already chosen.
    const SetUp& setUp = m_calc.model->setUps[static_cast<std::size_t>(analysis)];
    m_calc.analysis = analysis;
    m_calc.calculateShown = m_calc.inputShown = true;
    m_calc.resultsShown = m_calc.deflectionShown = false;
    m_calc.input1 = m_calc.input2 = m_calc.results = m_calc.deflection = " ";
    m_calc.caption1 = setUp.caption1;
    m_calc.caption2 = setUp.caption2;
    m_calc.units1 = names(setUp.units1);
    m_calc.units2 = names(setUp.units2);
    m_calc.unit1 = m_calc.unit2 = 0;
}

void SessionModel::inputChanged() {
    m_calc.results = " ";
    if (m_calc.model->editHidesResults) {
        m_calc.deflection = " ";
        m_calc.resultsShown = m_calc.deflectionShown = false;
    }
}

bool SessionModel::setInput(int field, const std::string& text) {
    std::string& input = field == 1 ? m_calc.input1 : m_calc.input2;
    if (input != text) {
        input = text;
        inputChanged();
    }
    return true;
}

void SessionModel::calculate() {
    const Answer answer = m_calc.model->calculate({m_calc.analysis, m_calc.input1, m_calc.input2, m_calc.unit1, m_calc.unit2});
    m_calc.input1 = answer.result.echo1;
    m_calc.input2 = answer.result.echo2;
    if (answer.result.title) m_calc.title = *answer.result.title;
    m_calc.results = answer.result.results;
    m_calc.resultsShown = true;
    m_calc.deflectionShown = answer.deflection.has_value();
    m_calc.deflection = answer.deflection.value_or(" ");
    m_calc.justSucceeded = answer.result.title.has_value();
}

std::string SessionModel::difference(const UserAtWindow& window) const {
    if (m_open.empty()) return "a window waits after the program should have ended";
    static const char* captions[] = {kMainCaption, "Translation", "Rotation", "About resonix"};
    if (std::string d = compare("the active window", window.caption(), std::string(captions[static_cast<int>(top())]));
        !d.empty()) {
        return d;
    }
    switch (top()) {
    case Place::Main:
        if (std::string d = compare("the motion list", window.items(IDC_MOTION_LIST), kMotions); !d.empty()) return d;
        return compare("the motion list's selection", window.selection(IDC_MOTION_LIST), -1);
    case Place::Translation:
    case Place::Rotation: return calculatorDifference(window);
    case Place::About: return compare("the web link", window.visible(IDC_WEBLINK), true);
    }
    return {};
}

std::string SessionModel::calculatorDifference(const UserAtWindow& w) const {
    const CalculatorModel& m = *m_calc.model;
    const Calculator& c = m_calc;
    const std::vector<std::string> analyses(m.analyses.begin(), m.analyses.end());
    const std::vector<std::string> differences = {
        compare("the analysis group", w.visible(m.analysisGroup), true),
        compare("the analysis list", w.visible(m.analysisList), true),
        m.analysisLabel ? compare("the analysis caption", w.visible(m.analysisLabel), true) : std::string(),
        compare("Return", w.visible(IDCANCEL), true),
        compare("the analyses", w.items(m.analysisList), analyses),
        compare("the analysis", w.selection(m.analysisList), c.analysis),
        compare("Calculate", w.visible(IDOK), c.calculateShown),
        compare("the input group", w.visible(m.inputGroup), c.inputShown),
        compare("caption 1", w.visible(m.caption1), c.inputShown),
        compare("caption 2", w.visible(m.caption2), c.inputShown),
        compare("input 1", w.visible(m.input1), c.inputShown),
        compare("input 2", w.visible(m.input2), c.inputShown),
        compare("unit list 1", w.visible(m.units1), c.inputShown),
        compare("unit list 2", w.visible(m.units2), c.inputShown),
        compare("caption 1", w.text(m.caption1), c.caption1),
        compare("caption 2", w.text(m.caption2), c.caption2),
        compare("input 1", w.text(m.input1), c.input1),
        compare("input 2", w.text(m.input2), c.input2),
        compare("the units of input 1", w.items(m.units1), c.units1),
        compare("the units of input 2", w.items(m.units2), c.units2),
        compare("the unit of input 1", w.selection(m.units1), c.unit1),
        compare("the unit of input 2", w.selection(m.units2), c.unit2),
        compare("the results group", w.visible(m.resultsGroup), c.resultsShown),
        compare("the results title", w.visible(m.title), c.resultsShown),
        compare("the results field", w.visible(m.results), c.resultsShown),
        compare("the results title", w.text(m.title), c.title),
        compare("the results", w.text(m.results), c.results),
        m.deflection ? compare("the deflection field", w.visible(m.deflection), c.deflectionShown) : std::string(),
        m.deflection ? compare("the deflection label", w.visible(m.deflectionLabel), c.deflectionShown) : std::string(),
        m.deflection ? compare("the deflection", w.text(m.deflection), c.deflection) : std::string(),
        c.justSucceeded ? consistencyDifference(w) : std::string(),
    };
    for (const std::string& d : differences) {
        if (!d.empty()) return d;
    }
    return {};
}

// After a success the window shows one system: the two echoed inputs, in
// their units, and the first (SI) value of the results obey the analysis's
// law to the digits printed, and so does Translation's static deflection.
// Worked out here from the unit tables, apart from the calculation.
std::string SessionModel::consistencyDifference(const UserAtWindow& w) const {
    const CalculatorModel& m = *m_calc.model;
    const SetUp& setUp = m.setUps[static_cast<std::size_t>(m_calc.analysis)];
    const double q1 = numbers::readNumber(w.text(m.input1)) * setUp.units1[static_cast<std::size_t>(m_calc.unit1)].toSi;
    const double q2 = numbers::readNumber(w.text(m.input2)) * setUp.units2[static_cast<std::size_t>(m_calc.unit2)].toSi;
    const double shownValue = numbers::readNumber(w.text(m.results));
    // natural frequency = sqrt(k / m); stiffness = w^2 m; mass = k / w^2.
    const double laws[] = {std::sqrt(q2 / q1), q1 * q1 * q2, q2 / (q1 * q1)};
    const double expected = laws[m_calc.analysis];
    auto sensible = [](double v) { return std::isfinite(v) && std::fabs(v) > 1e-200 && std::fabs(v) < 1e200; };
    if (!sensible(q1) || !sensible(q2) || !sensible(expected)) return {};
    if (std::fabs(shownValue - expected) > 1e-3 * std::fabs(expected)) {
        std::ostringstream text;
        text << "the results show " << shownValue << " where the inputs give " << expected;
        return text.str();
    }
    if (!m.deflection) return {};
    const double mass[] = {q1, q2, expected};
    const double stiffness[] = {q2, expected, q2};
    const double millimetres = mass[m_calc.analysis] * 9.81 / stiffness[m_calc.analysis] * 1000.0;
    const double shownDeflection = numbers::readNumber(w.text(m.deflection));
    if (sensible(millimetres) && std::fabs(shownDeflection - millimetres) > 6e-3 * std::fabs(millimetres)) {
        std::ostringstream text;
        text << "the deflection shows " << shownDeflection << " mm where the inputs give " << millimetres;
        return text.str();
    }
    return {};
}

}  // namespace session
