// Both calculator windows, driven headless by a scripted user, each with its
// own lists, texts and worked examples: what a window shows in each state,
// what Calculate writes, and when it closes.

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "calculator/items_by_text.h"
#include "calculator/worked_examples.h"
#include "numbers/read_number.h"
#include "res/resource.h"
#include "res/resources.h"
#include "rotation/rotation_dlg.h"
#include "session/calculator_model.h"
#include "support/scripted_user.h"
#include "translation/translation_dlg.h"

namespace {

using namespace worked_examples;
using session::CalculatorModel;

constexpr const char* kBlank = " ";
constexpr const char* kZeroEcho = "             0";

// What differs between the two windows, beyond the controls and lists of
// their model.
struct Calculator {
    const CalculatorModel& (*model)();
    std::unique_ptr<CDialog> (*make)();
    std::span<const Example> examples;
    const char* massError;
    const char* naturalFrequencyTitle;
    // The first results line of 0.90022 rad/sec with 123456 kg (or kg m^2):
    // just below 1.0005e5, which 123460, the five-digit echo, would pass.
    const char* stiffnessLine;
};

const Calculator kTranslationWindow{session::translationModel,
                                    []() -> std::unique_ptr<CDialog> { return std::make_unique<CTranslationDlg>(); },
                                    kTranslation, "mass input error", "Natural Frequency", "         1e+05 N/m \r\n"};
const Calculator kRotationWindow{session::rotationModel,
                                 []() -> std::unique_ptr<CDialog> { return std::make_unique<CRotationDlg>(); },
                                 kRotation, "inertia input error", "Natural Frequency ", "         1e+05 N m/rad \r\n"};

// What a test's name and output call the calculator it runs for.
void PrintTo(const Calculator* calculator, std::ostream* out) { *out << calculator->model().caption; }

// Which parts of a window show: Calculate with the input area, the results
// area, and Translation's static deflection.
struct Shown {
    bool input, results, deflection;
};
constexpr Shown kOpened{false, false, false};
constexpr Shown kAnalysisChosen{true, false, false};
constexpr Shown kSolved{true, true, true};
constexpr Shown kFailed{true, true, false};

std::vector<std::string> names(const std::vector<session::Unit>& units) {
    std::vector<std::string> result;
    for (const session::Unit& unit : units) result.push_back(unit.name);
    return result;
}

class CalculatorDlgTest : public ::testing::TestWithParam<const Calculator*> {
protected:
    void SetUp() override { setProgramModule(resonixResources()); }

    // Runs the window through the steps given to `user`; they end it with
    // the cancel command.
    void run() { EXPECT_EQ(dlg->DoModal(), IDCANCEL); }

    // An edit after Calculate: Translation hides the results, Rotation only blanks them.
    Shown edited() const { return {true, !m.editHidesResults, false}; }

    void expectShown(const UserAtWindow& w, Shown shown) const {
        const struct {
            int id;
            bool shown;
        } controls[] = {{m.analysisGroup, true},    {m.analysisList, true},        {m.analysisLabel, true},
                        {IDCANCEL, true},           {IDOK, shown.input},          {m.inputGroup, shown.input},
                        {m.caption1, shown.input},  {m.caption2, shown.input},    {m.input1, shown.input},
                        {m.input2, shown.input},    {m.units1, shown.input},      {m.units2, shown.input},
                        {m.resultsGroup, shown.results}, {m.title, shown.results}, {m.results, shown.results},
                        {m.deflection, shown.deflection}, {m.deflectionLabel, shown.deflection}};
        for (const auto& control : controls) {
            if (control.id) {
                EXPECT_EQ(w.visible(control.id), control.shown) << "control " << control.id;
            }
        }
    }

    // Translation's static deflection; Rotation has none.
    void expectDeflection(const UserAtWindow& w, const char* text) const {
        if (m.deflection) {
            EXPECT_EQ(w.text(m.deflection), text);
        }
    }

    // Result fields after anything that clears them.
    void expectResultsBlank(const UserAtWindow& w) const {
        EXPECT_EQ(w.text(m.results), kBlank);
        expectDeflection(w, kBlank);
    }

    // The opened state, texts and all: whatever an earlier opening left behind.
    void expectOpened(const UserAtWindow& w) const {
        expectShown(w, kOpened);
        EXPECT_EQ(w.items(m.analysisList), std::vector<std::string>(m.analyses.begin(), m.analyses.end()));
        EXPECT_EQ(w.selection(m.analysisList), LB_ERR);
        for (int id : {m.caption1, m.caption2, m.input1, m.input2, m.title}) EXPECT_EQ(w.text(id), "") << "control " << id;
        EXPECT_TRUE(w.items(m.units1).empty());
        EXPECT_TRUE(w.items(m.units2).empty());
        EXPECT_EQ(w.text(m.results), m.openedResults);
        expectDeflection(w, kBlank);
    }

    void enter(UserAtWindow& w, int analysis, const char* input1, const char* input2) const {
        w.choose(m.analysisList, analysis);
        w.type(m.input1, input1);
        w.type(m.input2, input2);
    }

    const Calculator& calc = *GetParam();
    const CalculatorModel& m = calc.model();
    ScriptedUser user;
    std::unique_ptr<CDialog> dlg = calc.make();
};

TEST_P(CalculatorDlgTest, WorkedExamples) {
    user.at(m.caption, [&](UserAtWindow& w) {
        for (const Example& example : calc.examples) {
            SCOPED_TRACE(example.name);
            w.choose(m.analysisList, example.analysis);
            w.type(m.input1, example.input1);
            chooseItem(w, m.units1, example.unit1);
            w.type(m.input2, example.input2);
            chooseItem(w, m.units2, example.unit2);
            w.click(IDOK);
            EXPECT_EQ(w.text(m.input1), example.echo1);
            EXPECT_EQ(w.text(m.input2), example.echo2);
            EXPECT_EQ(w.text(m.title), example.title);
            expectResults(w.text(m.results), example);
            expectDeflection(w, example.deflection);
            expectShown(w, kSolved);
        }
        w.press(Key::Escape);
    });
    run();
}

// Each choice of an analysis, the one already chosen too, sets up its
// captions and refills both unit lists (a longer list before a shorter one
// shows that they are refilled, not added to), whatever was typed and picked.
TEST_P(CalculatorDlgTest, ChoosingAnAnalysisSetsUpItsInputs) {
    user.at(m.caption, [&](UserAtWindow& w) {
        for (int analysis : {kNaturalFrequency, kStiffness, kMass, kMass}) {
            SCOPED_TRACE(m.analyses[static_cast<std::size_t>(analysis)]);
            if (w.visible(m.input1)) {
                w.type(m.input1, "7");
                w.choose(m.units2, static_cast<int>(w.items(m.units2).size()) - 1);
            }
            w.choose(m.analysisList, analysis);
            const session::SetUp& setUp = m.setUps[static_cast<std::size_t>(analysis)];
            expectShown(w, kAnalysisChosen);
            EXPECT_EQ(w.items(m.analysisList), std::vector<std::string>(m.analyses.begin(), m.analyses.end()));
            EXPECT_EQ(w.selection(m.analysisList), analysis);
            EXPECT_EQ(w.text(m.caption1), setUp.caption1);
            EXPECT_EQ(w.text(m.caption2), setUp.caption2);
            EXPECT_EQ(w.items(m.units1), names(setUp.units1));
            EXPECT_EQ(w.items(m.units2), names(setUp.units2));
            EXPECT_EQ(w.selection(m.units1), 0);
            EXPECT_EQ(w.selection(m.units2), 0);
            EXPECT_EQ(w.text(m.input1), kBlank);
            EXPECT_EQ(w.text(m.input2), kBlank);
            EXPECT_EQ(w.text(m.title), "");
            expectResultsBlank(w);
        }
        w.press(Key::Escape);
    });
    run();
}

TEST_P(CalculatorDlgTest, WhatShowsFollowsEachEvent) {
    // Each edit changes what it names and nothing else of the inputs.
    const struct {
        const char* name;
        void (*edit)(UserAtWindow&, const CalculatorModel&);
    } edits[] = {
        {"input 1 typed", [](UserAtWindow& w, const CalculatorModel& m) { w.type(m.input1, "20"); }},
        {"input 2 typed", [](UserAtWindow& w, const CalculatorModel& m) { w.type(m.input2, "2000"); }},
        {"unit 1 picked", [](UserAtWindow& w, const CalculatorModel& m) { w.choose(m.units1, 1); }},
        {"unit 2 picked", [](UserAtWindow& w, const CalculatorModel& m) { w.choose(m.units2, 1); }},
    };
    user.at(m.caption, [&](UserAtWindow& w) {
        expectOpened(w);
        enter(w, kNaturalFrequency, "10", "1000");
        for (std::size_t edit = 0; edit < std::size(edits); ++edit) {
            SCOPED_TRACE(edits[edit].name);
            w.click(IDOK);
            expectShown(w, kSolved);
            ASSERT_EQ(w.text(m.title), calc.naturalFrequencyTitle);
            const std::string input1 = w.text(m.input1), input2 = w.text(m.input2);
            const int unit1 = w.selection(m.units1), unit2 = w.selection(m.units2);
            edits[edit].edit(w, m);
            expectShown(w, edited());
            expectResultsBlank(w);
            EXPECT_EQ(w.text(m.title), calc.naturalFrequencyTitle);
            EXPECT_EQ(w.text(m.input1) != input1, edit == 0);
            EXPECT_EQ(w.text(m.input2) != input2, edit == 1);
            EXPECT_EQ(w.selection(m.units1) != unit1, edit == 2);
            EXPECT_EQ(w.selection(m.units2) != unit2, edit == 3);
            EXPECT_EQ(w.items(m.units1), names(m.setUps[kNaturalFrequency].units1));
        }
        {
            SCOPED_TRACE("a failure after a success keeps its title");
            w.click(IDOK);
            w.type(m.input1, "0");
            w.click(IDOK);
            expectShown(w, kFailed);
            EXPECT_EQ(w.text(m.results), calc.massError);
            EXPECT_EQ(w.text(m.input1), kZeroEcho);
            EXPECT_EQ(w.text(m.title), calc.naturalFrequencyTitle);
            expectDeflection(w, kBlank);
            w.type(m.input1, "5");
            expectShown(w, edited());
            expectResultsBlank(w);
        }
        {
            SCOPED_TRACE("so does another analysis, and its failure");
            w.click(IDOK);
            w.choose(m.analysisList, kMass);
            expectShown(w, kAnalysisChosen);
            expectResultsBlank(w);
            EXPECT_EQ(w.text(m.title), calc.naturalFrequencyTitle);
            w.type(m.input1, "0");
            w.type(m.input2, "1000");
            w.click(IDOK);
            expectShown(w, kFailed);
            EXPECT_EQ(w.text(m.results), "frequency input error");
            EXPECT_EQ(w.text(m.title), calc.naturalFrequencyTitle);
        }
        w.click(IDCANCEL);
    });
    user.at(m.caption, [&](UserAtWindow& w) {
        SCOPED_TRACE("reopened");
        expectOpened(w);
        w.press(Key::Escape);
    });
    user.at(m.caption, [&](UserAtWindow& w) {
        SCOPED_TRACE("closed by the close box and reopened");
        expectOpened(w);
        w.closeBox();
    });
    run();
    run();
    run();
}

TEST_P(CalculatorDlgTest, BadInputsAnswerWithAMessage) {
    struct Row {
        const char* name;
        int analysis;
        const char* input1;  // null: leave the blank the analysis left
        const char* input2;
        const char* echo1;
        const char* echo2;
        bool massFails;  // else the frequency
    };
    const Row rows[] = {
        {"zero mass, natural frequency", kNaturalFrequency, "0", "1000", kZeroEcho, "          1000", true},
        {"negative mass, stiffness", kStiffness, "10", "-2", "            10", "            -2", true},
        {"zero frequency, mass", kMass, "0", "1000", kZeroEcho, "          1000", false},
        {"fields left blank, natural frequency", kNaturalFrequency, nullptr, nullptr, kZeroEcho, kZeroEcho, true},
        {"fields left blank, mass", kMass, nullptr, nullptr, kZeroEcho, kZeroEcho, false},
        {"text that is not a number", kStiffness, "ten", "many", kZeroEcho, kZeroEcho, true},
    };
    user.at(m.caption, [&](UserAtWindow& w) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            w.choose(m.analysisList, row.analysis);
            if (row.input1) w.type(m.input1, row.input1);
            if (row.input2) w.type(m.input2, row.input2);
            w.click(IDOK);
            EXPECT_EQ(w.text(m.results), row.massFails ? calc.massError : "frequency input error");
            EXPECT_EQ(w.text(m.input1), row.echo1);
            EXPECT_EQ(w.text(m.input2), row.echo2);
            EXPECT_EQ(w.text(m.title), "");
            expectDeflection(w, kBlank);
            expectShown(w, kFailed);
        }
        w.press(Key::Escape);
    });
    run();
}

TEST_P(CalculatorDlgTest, EnterInTheAnalysisListWithNothingChosenShowsTheEchoOfInput2) {
    user.at(m.caption, [&](UserAtWindow& w) {
        w.press(Key::Tab);
        ASSERT_EQ(w.focusedId(), m.analysisList);
        w.press(Key::Return);
        EXPECT_EQ(w.text(m.results), kZeroEcho);
        EXPECT_EQ(w.text(m.title), "");
        expectDeflection(w, kBlank);
        EXPECT_EQ(w.selection(m.analysisList), LB_ERR);
        expectShown(w, {false, true, false});
    });
    // Still open: the next step runs in the same window.
    user.at(m.caption, [](UserAtWindow& w) { w.press(Key::Escape); });
    run();
}

TEST_P(CalculatorDlgTest, EnterInAFreshWindowPressesReturn) {
    user.at(m.caption, [](UserAtWindow& w) {
        // Calculate is hidden, so the focus starts on "Return".
        ASSERT_EQ(w.focusedId(), IDCANCEL);
        w.press(Key::Return);
    });
    run();
}

TEST_P(CalculatorDlgTest, CalculateNeverClosesTheWindow) {
    struct Row {
        const char* name;
        const char* input1;
        bool byEnter;  // Enter in input 2 instead of a click on "Calculate"
    };
    const Row rows[] = {
        {"success, clicked", "10", false},
        {"success, Enter", "10", true},
        {"failure, clicked", "0", false},
        {"failure, Enter", "0", true},
    };
    for (const Row& row : rows) {
        user.at(m.caption, [&](UserAtWindow& w) {
            SCOPED_TRACE(row.name);
            enter(w, kNaturalFrequency, row.input1, "1000");
            if (row.byEnter) {
                ASSERT_EQ(w.focusedId(), m.input2);
                w.press(Key::Return);
            } else {
                w.click(IDOK);
            }
            EXPECT_TRUE(w.visible(m.results));
        });
    }
    // Every Calculate above left the window waiting for this step.
    user.at(m.caption, [](UserAtWindow& w) { w.click(IDCANCEL); });
    run();
}

TEST_P(CalculatorDlgTest, EchoesShowTheValueAsUnderstood) {
    struct Row {
        const char* typed;
        const char* echo;
    };
    const Row rows[] = {
        {"10", "            10"},
        {"   10", "            10"},
        {"10 kg", "            10"},
        {"2.5e1", "            25"},
    };
    user.at(m.caption, [&](UserAtWindow& w) {
        w.choose(m.analysisList, kNaturalFrequency);
        w.type(m.input2, "1000");
        for (const Row& row : rows) {
            SCOPED_TRACE(row.typed);
            w.type(m.input1, row.typed);
            w.click(IDOK);
            EXPECT_EQ(w.text(m.input1), row.echo);
            EXPECT_EQ(w.text(m.input2), "          1000");
        }
        w.press(Key::Escape);
    });
    run();
}

TEST_P(CalculatorDlgTest, CalculatingAgainGivesTheSameResults) {
    user.at(m.caption, [&](UserAtWindow& w) {
        enter(w, kStiffness, "0.90022", "123456");
        w.click(IDOK);
        const std::string first = w.text(m.results);
        const std::string firstEcho = w.text(m.input2);
        EXPECT_EQ(first.rfind(calc.stiffnessLine, 0), 0U) << first;
        EXPECT_EQ(numbers::readNumber(firstEcho), 123456.0) << firstEcho;
        EXPECT_EQ(firstEcho.size(), 14U) << firstEcho;

        w.click(IDOK);
        EXPECT_EQ(w.text(m.results), first);
        EXPECT_EQ(w.text(m.input2), firstEcho);
        EXPECT_EQ(w.text(m.input1), "       0.90022");
        w.press(Key::Escape);
    });
    run();
}

TEST_P(CalculatorDlgTest, TheLastSystemOutlivesTheWindow) {
    // A unit list with nothing selected stores nothing for its input, so
    // Calculate goes on with the mass kept from the earlier opening.
    const Example& example = calc.examples[0];
    ASSERT_EQ(example.analysis, kNaturalFrequency);
    for (const bool reopened : {false, true}) {
        user.at(m.caption, [&, reopened](UserAtWindow& w) {
            enter(w, kNaturalFrequency, reopened ? "999" : example.input1, example.input2);
            chooseItem(w, m.units1, example.unit1);
            chooseItem(w, m.units2, example.unit2);
            if (reopened) SendMessageA(w.control(m.units1), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            w.click(IDOK);
            expectResults(w.text(m.results), example);
            expectDeflection(w, example.deflection);
            w.press(Key::Escape);
        });
    }
    run();
    run();
}

INSTANTIATE_TEST_SUITE_P(BothCalculators, CalculatorDlgTest, ::testing::Values(&kTranslationWindow, &kRotationWindow),
                         [](const auto& info) { return std::string(info.param->model().caption); });

}  // namespace
