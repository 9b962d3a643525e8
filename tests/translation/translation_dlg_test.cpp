// The Translation window, driven headless by a scripted user: what it shows
// in each state, what Calculate writes, and when it closes.

#include "translation/translation_dlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "calculator/items_by_text.h"
#include "calculator/unit_position.h"
#include "numbers/read_number.h"
#include "res/resource.h"
#include "res/resources.h"
#include "support/scripted_user.h"
#include "translation/translation_calc.h"
#include "translation/translation_examples.h"
#include "translation/translation_units.h"

namespace {

constexpr const char* kCaption = "Translation";
constexpr const char* kBlank = " ";
constexpr const char* kZeroEcho = "             0";

using namespace translation_examples;

const std::vector<std::string> kAnalysisItems = {"natural frequency", "stiffness", "mass"};
const std::vector<std::string> kMassItems = {"kg", "slugs", "lbm"};
const std::vector<std::string> kStiffnessItems = {"N/m", "N/mm", "lbf/ft", "lbf/in"};
const std::vector<std::string> kFrequencyItems = {"rad/sec", "Hz"};

// The controls in the groups that show and hide together.
const std::vector<int> kAlwaysShown = {IDC_TRA_ANALYSIS_GROUP, IDC_TRA_ANALYSIS, IDCANCEL};
const std::vector<int> kCalculateButton = {IDOK};
const std::vector<int> kInputArea = {IDC_TRA_INPUT_GROUP, IDC_TRA_INPUT1_LABEL, IDC_TRA_INPUT2_LABEL, IDC_TRA_INPUT1,
                                     IDC_TRA_INPUT2,      IDC_TRA_UNITS1,       IDC_TRA_UNITS2};
const std::vector<int> kResultsArea = {IDC_TRA_RESULTS_GROUP, IDC_TRA_RESULTS_TITLE, IDC_TRA_RESULTS};
const std::vector<int> kDeflectionArea = {IDC_TRA_DEFLECTION_LABEL, IDC_TRA_DEFLECTION};

struct Visibility {
    bool calculate;
    bool input;
    bool results;
    bool deflection;
};

constexpr Visibility kOpened{false, false, false, false};
constexpr Visibility kAnalysisChosen{true, true, false, false};
constexpr Visibility kSuccess{true, true, true, true};
constexpr Visibility kFailure{true, true, true, false};
constexpr Visibility kInputChanged{true, true, false, false};

void expectGroup(const UserAtWindow& w, const std::vector<int>& ids, bool shown, const char* group) {
    for (int id : ids) EXPECT_EQ(w.visible(id), shown) << group << ": control " << id;
}

void expectVisibility(const UserAtWindow& w, const Visibility& expected) {
    expectGroup(w, kAlwaysShown, true, "analysis area and Return");
    expectGroup(w, kCalculateButton, expected.calculate, "Calculate button");
    expectGroup(w, kInputArea, expected.input, "input area");
    expectGroup(w, kResultsArea, expected.results, "results area");
    expectGroup(w, kDeflectionArea, expected.deflection, "deflection area");
}

// The opened state, texts and all: whatever an earlier opening left behind.
void expectOpened(const UserAtWindow& w) {
    expectVisibility(w, kOpened);
    EXPECT_EQ(w.items(IDC_TRA_ANALYSIS), kAnalysisItems);
    EXPECT_EQ(w.selection(IDC_TRA_ANALYSIS), LB_ERR);
    EXPECT_EQ(w.text(IDC_TRA_INPUT1_LABEL), "");
    EXPECT_EQ(w.text(IDC_TRA_INPUT2_LABEL), "");
    EXPECT_EQ(w.text(IDC_TRA_INPUT1), "");
    EXPECT_EQ(w.text(IDC_TRA_INPUT2), "");
    EXPECT_TRUE(w.items(IDC_TRA_UNITS1).empty());
    EXPECT_TRUE(w.items(IDC_TRA_UNITS2).empty());
    EXPECT_EQ(w.text(IDC_TRA_RESULTS_TITLE), "");
    EXPECT_EQ(w.text(IDC_TRA_RESULTS), kBlank);
    EXPECT_EQ(w.text(IDC_TRA_DEFLECTION), kBlank);
}

// Result fields after anything that clears them.
void expectResultsBlank(const UserAtWindow& w) {
    EXPECT_EQ(w.text(IDC_TRA_RESULTS), kBlank);
    EXPECT_EQ(w.text(IDC_TRA_DEFLECTION), kBlank);
}

class TranslationDlgTest : public ::testing::Test {
protected:
    void SetUp() override { setProgramModule(resonixResources()); }

    // Runs the window through the steps given to `user`; they end it with
    // the cancel command.
    void run() { EXPECT_EQ(dlg.DoModal(), IDCANCEL); }

    ScriptedUser user;
    CTranslationDlg dlg;
};

TEST_F(TranslationDlgTest, WorkedExamples) {
    user.at(kCaption, [&](UserAtWindow& w) {
        for (const Example& example : kExamples) {
            SCOPED_TRACE(example.name);
            w.choose(IDC_TRA_ANALYSIS, example.analysis);
            w.type(IDC_TRA_INPUT1, example.input1);
            chooseItem(w, IDC_TRA_UNITS1, example.unit1);
            w.type(IDC_TRA_INPUT2, example.input2);
            chooseItem(w, IDC_TRA_UNITS2, example.unit2);
            w.click(IDOK);
            EXPECT_EQ(w.text(IDC_TRA_INPUT1), example.echo1);
            EXPECT_EQ(w.text(IDC_TRA_INPUT2), example.echo2);
            EXPECT_EQ(w.text(IDC_TRA_RESULTS_TITLE), example.title);
            EXPECT_EQ(w.text(IDC_TRA_RESULTS), example.results);
            EXPECT_EQ(w.text(IDC_TRA_DEFLECTION), example.deflection);
            expectVisibility(w, kSuccess);
        }
        w.press(Key::Escape);
    });
    run();
}

TEST_F(TranslationDlgTest, VisibilityAndTextsFollowEachEvent) {
    user.at(kCaption, [](UserAtWindow& w) {
        {
            SCOPED_TRACE("opened");
            expectOpened(w);
        }
        {
            SCOPED_TRACE("analysis chosen");
            w.choose(IDC_TRA_ANALYSIS, kNaturalFrequency);
            expectVisibility(w, kAnalysisChosen);
            EXPECT_EQ(w.text(IDC_TRA_INPUT1_LABEL), "Mass");
            EXPECT_EQ(w.text(IDC_TRA_INPUT2_LABEL), "Stiffness");
            EXPECT_EQ(w.items(IDC_TRA_UNITS1), kMassItems);
            EXPECT_EQ(w.items(IDC_TRA_UNITS2), kStiffnessItems);
            EXPECT_EQ(w.selection(IDC_TRA_UNITS1), 0);
            EXPECT_EQ(w.selection(IDC_TRA_UNITS2), 0);
            EXPECT_EQ(w.text(IDC_TRA_INPUT1), kBlank);
            EXPECT_EQ(w.text(IDC_TRA_INPUT2), kBlank);
            EXPECT_EQ(w.text(IDC_TRA_RESULTS_TITLE), "");
            expectResultsBlank(w);
        }
        {
            SCOPED_TRACE("success");
            w.type(IDC_TRA_INPUT1, "10");
            w.type(IDC_TRA_INPUT2, "1000");
            w.click(IDOK);
            expectVisibility(w, kSuccess);
            EXPECT_EQ(w.text(IDC_TRA_RESULTS_TITLE), "Natural Frequency");
            EXPECT_EQ(w.text(IDC_TRA_RESULTS), kExamples[0].results);
            EXPECT_EQ(w.text(IDC_TRA_DEFLECTION), kExamples[0].deflection);
        }
        {
            SCOPED_TRACE("input 1 typed");
            w.type(IDC_TRA_INPUT1, "20");
            expectVisibility(w, kInputChanged);
            expectResultsBlank(w);
            EXPECT_EQ(w.text(IDC_TRA_INPUT1), "20");
            EXPECT_EQ(w.text(IDC_TRA_INPUT2), "          1000");
            EXPECT_EQ(w.text(IDC_TRA_RESULTS_TITLE), "Natural Frequency");
            EXPECT_EQ(w.items(IDC_TRA_UNITS1), kMassItems);
            EXPECT_EQ(chosenItem(w, IDC_TRA_UNITS1), "kg");
        }
        {
            SCOPED_TRACE("input 2 typed after a success");
            w.click(IDOK);
            expectVisibility(w, kSuccess);
            w.type(IDC_TRA_INPUT2, "2000");
            expectVisibility(w, kInputChanged);
            expectResultsBlank(w);
            EXPECT_EQ(w.text(IDC_TRA_INPUT1), "            20");
            EXPECT_EQ(w.text(IDC_TRA_INPUT2), "2000");
        }
        {
            SCOPED_TRACE("unit 2 picked after a success");
            w.click(IDOK);
            expectVisibility(w, kSuccess);
            chooseItem(w, IDC_TRA_UNITS2, "N/mm");
            expectVisibility(w, kInputChanged);
            expectResultsBlank(w);
            EXPECT_EQ(chosenItem(w, IDC_TRA_UNITS2), "N/mm");
            EXPECT_EQ(w.text(IDC_TRA_INPUT2), "          2000");
        }
        {
            SCOPED_TRACE("unit 1 picked after a success");
            w.click(IDOK);
            expectVisibility(w, kSuccess);
            chooseItem(w, IDC_TRA_UNITS1, "lbm");
            expectVisibility(w, kInputChanged);
            expectResultsBlank(w);
            EXPECT_EQ(chosenItem(w, IDC_TRA_UNITS1), "lbm");
        }
        {
            SCOPED_TRACE("failure right after a success");
            w.click(IDOK);
            expectVisibility(w, kSuccess);
            w.type(IDC_TRA_INPUT1, "0");
            w.click(IDOK);
            expectVisibility(w, kFailure);
            EXPECT_EQ(w.text(IDC_TRA_RESULTS), "mass input error");
            EXPECT_EQ(w.text(IDC_TRA_DEFLECTION), kBlank);
            EXPECT_EQ(w.text(IDC_TRA_RESULTS_TITLE), "Natural Frequency");
            EXPECT_EQ(w.text(IDC_TRA_INPUT1), kZeroEcho);
        }
        {
            SCOPED_TRACE("input typed after a failure");
            w.type(IDC_TRA_INPUT1, "5");
            expectVisibility(w, kInputChanged);
            expectResultsBlank(w);
        }
        {
            SCOPED_TRACE("another analysis chosen after a success");
            w.click(IDOK);
            expectVisibility(w, kSuccess);
            w.choose(IDC_TRA_ANALYSIS, kMass);
            expectVisibility(w, kAnalysisChosen);
            EXPECT_EQ(w.text(IDC_TRA_INPUT1_LABEL), "Natural Frequency");
            EXPECT_EQ(w.text(IDC_TRA_INPUT2_LABEL), "Stiffness");
            EXPECT_EQ(w.text(IDC_TRA_INPUT1), kBlank);
            EXPECT_EQ(w.text(IDC_TRA_INPUT2), kBlank);
            EXPECT_EQ(w.selection(IDC_TRA_UNITS1), 0);
            EXPECT_EQ(w.selection(IDC_TRA_UNITS2), 0);
            EXPECT_EQ(w.text(IDC_TRA_RESULTS_TITLE), "Natural Frequency");
            expectResultsBlank(w);
        }
        {
            SCOPED_TRACE("the same analysis chosen again");
            w.type(IDC_TRA_INPUT1, "10");
            chooseItem(w, IDC_TRA_UNITS2, "lbf/in");
            w.choose(IDC_TRA_ANALYSIS, kMass);
            expectVisibility(w, kAnalysisChosen);
            EXPECT_EQ(w.text(IDC_TRA_INPUT1), kBlank);
            EXPECT_EQ(w.selection(IDC_TRA_UNITS2), 0);
            EXPECT_EQ(w.items(IDC_TRA_UNITS2), kStiffnessItems);
        }
        w.click(IDCANCEL);
    });
    user.at(kCaption, [](UserAtWindow& w) {
        SCOPED_TRACE("reopened");
        expectOpened(w);
        w.press(Key::Escape);
    });
    run();
    run();
}

TEST_F(TranslationDlgTest, ListsKeepTheirOrderDespiteTheSortStyle) {
    struct Row {
        int analysis;
        const char* caption1;
        const std::vector<std::string>& units1;
        const char* caption2;
        const std::vector<std::string>& units2;
    };
    // Mass last: the lists of every analysis are refilled, not added to.
    const Row rows[] = {
        {kStiffness, "Natural Frequency", kFrequencyItems, "Mass", kMassItems},
        {kNaturalFrequency, "Mass", kMassItems, "Stiffness", kStiffnessItems},
        {kMass, "Natural Frequency", kFrequencyItems, "Stiffness", kStiffnessItems},
    };
    user.at(kCaption, [&](UserAtWindow& w) {
        EXPECT_EQ(w.items(IDC_TRA_ANALYSIS), kAnalysisItems);
        for (const Row& row : rows) {
            SCOPED_TRACE(kAnalysisItems[static_cast<std::size_t>(row.analysis)]);
            w.choose(IDC_TRA_ANALYSIS, row.analysis);
            EXPECT_EQ(w.items(IDC_TRA_ANALYSIS), kAnalysisItems);
            EXPECT_EQ(w.selection(IDC_TRA_ANALYSIS), row.analysis);
            EXPECT_EQ(w.text(IDC_TRA_INPUT1_LABEL), row.caption1);
            EXPECT_EQ(w.text(IDC_TRA_INPUT2_LABEL), row.caption2);
            EXPECT_EQ(w.items(IDC_TRA_UNITS1), row.units1);
            EXPECT_EQ(w.items(IDC_TRA_UNITS2), row.units2);
            EXPECT_EQ(w.selection(IDC_TRA_UNITS1), 0);
            EXPECT_EQ(w.selection(IDC_TRA_UNITS2), 0);
        }
        w.press(Key::Escape);
    });
    run();
}

TEST_F(TranslationDlgTest, BadInputsAnswerWithAMessage) {
    struct Row {
        const char* name;
        int analysis;
        const char* input1;  // null: leave the blank the analysis left
        const char* input2;
        const char* echo1;
        const char* echo2;
        const char* message;
    };
    const Row rows[] = {
        {"zero mass, natural frequency", kNaturalFrequency, "0", "1000", kZeroEcho, "          1000", "mass input error"},
        {"negative mass, stiffness", kStiffness, "10", "-2", "            10", "            -2", "mass input error"},
        {"zero frequency, mass", kMass, "0", "1000", kZeroEcho, "          1000", "frequency input error"},
        {"fields left blank, natural frequency", kNaturalFrequency, nullptr, nullptr, kZeroEcho, kZeroEcho,
         "mass input error"},
        {"fields left blank, mass", kMass, nullptr, nullptr, kZeroEcho, kZeroEcho, "frequency input error"},
        {"text that is not a number", kStiffness, "ten", "many", kZeroEcho, kZeroEcho, "mass input error"},
    };
    user.at(kCaption, [&](UserAtWindow& w) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            w.choose(IDC_TRA_ANALYSIS, row.analysis);
            if (row.input1) w.type(IDC_TRA_INPUT1, row.input1);
            if (row.input2) w.type(IDC_TRA_INPUT2, row.input2);
            w.click(IDOK);
            EXPECT_EQ(w.text(IDC_TRA_RESULTS), row.message);
            EXPECT_EQ(w.text(IDC_TRA_INPUT1), row.echo1);
            EXPECT_EQ(w.text(IDC_TRA_INPUT2), row.echo2);
            EXPECT_EQ(w.text(IDC_TRA_DEFLECTION), kBlank);
            EXPECT_EQ(w.text(IDC_TRA_RESULTS_TITLE), "");
            expectVisibility(w, kFailure);
        }
        w.press(Key::Escape);
    });
    run();
}

TEST_F(TranslationDlgTest, TitleOfTheLastSuccessStaysOverAFailure) {
    user.at(kCaption, [](UserAtWindow& w) {
        w.choose(IDC_TRA_ANALYSIS, kNaturalFrequency);
        w.type(IDC_TRA_INPUT1, "10");
        w.type(IDC_TRA_INPUT2, "1000");
        w.click(IDOK);
        ASSERT_EQ(w.text(IDC_TRA_RESULTS_TITLE), "Natural Frequency");

        w.choose(IDC_TRA_ANALYSIS, kMass);
        w.type(IDC_TRA_INPUT1, "0");
        w.type(IDC_TRA_INPUT2, "1000");
        w.click(IDOK);
        EXPECT_EQ(w.text(IDC_TRA_RESULTS), "frequency input error");
        EXPECT_EQ(w.text(IDC_TRA_RESULTS_TITLE), "Natural Frequency");
        EXPECT_TRUE(w.visible(IDC_TRA_RESULTS_TITLE));
        EXPECT_FALSE(w.visible(IDC_TRA_DEFLECTION));
        w.press(Key::Escape);
    });
    run();
}

TEST_F(TranslationDlgTest, EnterInTheAnalysisListWithNothingChosenShowsTheEchoOfInput2) {
    user.at(kCaption, [](UserAtWindow& w) {
        w.press(Key::Tab);
        ASSERT_EQ(w.focusedId(), IDC_TRA_ANALYSIS);
        w.press(Key::Return);
        EXPECT_EQ(w.text(IDC_TRA_RESULTS), kZeroEcho);
        EXPECT_EQ(w.text(IDC_TRA_RESULTS_TITLE), "");
        EXPECT_EQ(w.text(IDC_TRA_DEFLECTION), kBlank);
        EXPECT_EQ(w.selection(IDC_TRA_ANALYSIS), LB_ERR);
        expectGroup(w, kResultsArea, true, "results area");
        expectGroup(w, kDeflectionArea, false, "deflection area");
        expectGroup(w, kCalculateButton, false, "Calculate button");
        expectGroup(w, kInputArea, false, "input area");
    });
    // Still open: the next step runs in the same window.
    user.at(kCaption, [](UserAtWindow& w) { w.press(Key::Escape); });
    run();
}

TEST_F(TranslationDlgTest, EnterInAFreshWindowPressesReturn) {
    user.at(kCaption, [](UserAtWindow& w) {
        // Calculate is hidden, so the focus starts on "Return".
        ASSERT_EQ(w.focusedId(), IDCANCEL);
        w.press(Key::Return);
    });
    run();
}

TEST_F(TranslationDlgTest, CalculateNeverClosesTheWindow) {
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
        user.at(kCaption, [&row](UserAtWindow& w) {
            SCOPED_TRACE(row.name);
            w.choose(IDC_TRA_ANALYSIS, kNaturalFrequency);
            w.type(IDC_TRA_INPUT1, row.input1);
            w.type(IDC_TRA_INPUT2, "1000");
            if (row.byEnter) {
                ASSERT_EQ(w.focusedId(), IDC_TRA_INPUT2);
                w.press(Key::Return);
            } else {
                w.click(IDOK);
            }
            EXPECT_TRUE(w.visible(IDC_TRA_RESULTS));
        });
    }
    // Every Calculate above left the window waiting for this step.
    user.at(kCaption, [](UserAtWindow& w) { w.click(IDCANCEL); });
    run();
}

TEST_F(TranslationDlgTest, EchoesShowTheValueAsUnderstood) {
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
    user.at(kCaption, [&](UserAtWindow& w) {
        w.choose(IDC_TRA_ANALYSIS, kNaturalFrequency);
        w.type(IDC_TRA_INPUT2, "1000");
        for (const Row& row : rows) {
            SCOPED_TRACE(row.typed);
            w.type(IDC_TRA_INPUT1, row.typed);
            w.click(IDOK);
            EXPECT_EQ(w.text(IDC_TRA_INPUT1), row.echo);
            EXPECT_EQ(w.text(IDC_TRA_INPUT2), "          1000");
        }
        w.press(Key::Escape);
    });
    run();
}

TEST_F(TranslationDlgTest, CalculatingAgainGivesTheSameResults) {
    // 0.90022 rad/sec on 123456 kg gives a stiffness just below 100050 N/m;
    // read back as 123460 kg it would print as 1.001e+05 instead.
    const translation::CalcRequest drifted{kStiffness, "0.90022", "123460",
                                           unitPosition({translation::kFrequencyUnits}, "rad/sec"),
                                           unitPosition({translation::kMassUnits}, "kg")};
    translation::KeptQuantities scratch;
    const std::string driftedResults = translation::calculate(drifted, scratch).results;

    user.at(kCaption, [&](UserAtWindow& w) {
        w.choose(IDC_TRA_ANALYSIS, kStiffness);
        w.type(IDC_TRA_INPUT1, "0.90022");
        w.type(IDC_TRA_INPUT2, "123456");
        w.click(IDOK);
        const std::string first = w.text(IDC_TRA_RESULTS);
        const std::string firstEcho = w.text(IDC_TRA_INPUT2);
        EXPECT_NE(first, driftedResults) << "the example no longer tells the two masses apart";
        EXPECT_EQ(numbers::readNumber(firstEcho), 123456.0) << firstEcho;
        EXPECT_EQ(firstEcho.size(), 14U) << firstEcho;

        w.click(IDOK);
        EXPECT_EQ(w.text(IDC_TRA_RESULTS), first);
        EXPECT_EQ(w.text(IDC_TRA_INPUT2), firstEcho);
        EXPECT_EQ(w.text(IDC_TRA_INPUT1), "       0.90022");
        w.press(Key::Escape);
    });
    run();
}

TEST_F(TranslationDlgTest, TheLastSystemOutlivesTheWindow) {
    // A unit list with nothing selected stores nothing for its input, so
    // Calculate goes on with the mass kept from the earlier opening.
    user.at(kCaption, [](UserAtWindow& w) {
        w.choose(IDC_TRA_ANALYSIS, kNaturalFrequency);
        w.type(IDC_TRA_INPUT1, "10");
        w.type(IDC_TRA_INPUT2, "1000");
        w.click(IDOK);
        w.press(Key::Escape);
    });
    user.at(kCaption, [](UserAtWindow& w) {
        w.choose(IDC_TRA_ANALYSIS, kNaturalFrequency);
        w.type(IDC_TRA_INPUT1, "999");
        w.type(IDC_TRA_INPUT2, "1000");
        SendMessageA(w.control(IDC_TRA_UNITS1), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        w.click(IDOK);
        EXPECT_EQ(w.text(IDC_TRA_RESULTS), kExamples[0].results);
        EXPECT_EQ(w.text(IDC_TRA_DEFLECTION), kExamples[0].deflection);
        w.press(Key::Escape);
    });
    run();
    run();
}

}  // namespace
