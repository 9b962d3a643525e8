// The Rotation window, driven headless by a scripted user: what it shows in
// each state, what Calculate writes, and when it closes.

#include "rotation/rotation_dlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator/items_by_text.h"
#include "res/resource.h"
#include "res/resources.h"
#include "rotation/rotation_examples.h"
#include "support/scripted_user.h"

namespace {

using namespace rotation_examples;

constexpr const char* kCaption = "Rotation";
constexpr const char* kBlank = " ";
constexpr const char* kZeroEcho = "             0";

const std::vector<std::string> kAnalysisItems = {"natural frequency", "torsional stiffness",
                                                 "polar moment of inertia"};
const std::vector<std::string> kInertiaItems = {"kg m^2 (N m sec^2)", "slugs ft^2", "slugs in^2",
                                                "lbm ft^2",           "lbm in^2",   "lbf in sec^2"};
const std::vector<std::string> kStiffnessItems = {"N m/rad", "ft lbf/rad", "in lbf/rad",
                                                  "N m/deg", "ft lbf/deg", "in lbf/deg"};
const std::vector<std::string> kFrequencyItems = {"rad/sec", "Hz", "rpm"};

// The controls in the groups that show and hide together.
const std::vector<int> kAlwaysShown = {IDC_ROT_ANALYSIS_GROUP, IDC_ROT_CALC_LABEL, IDC_ROT_ANALYSIS, IDCANCEL};
const std::vector<int> kInputArea = {IDOK,           IDC_ROT_INPUT_GROUP, IDC_ROT_INPUT1_LABEL, IDC_ROT_INPUT2_LABEL,
                                     IDC_ROT_INPUT1, IDC_ROT_INPUT2,      IDC_ROT_UNITS1,       IDC_ROT_UNITS2};
const std::vector<int> kResultsArea = {IDC_ROT_RESULTS_GROUP, IDC_ROT_RESULTS_TITLE, IDC_ROT_RESULTS};

enum class State { Opened, AnalysisChosen, Calculated };

void expectState(const UserAtWindow& w, State state) {
    auto expectGroup = [&](const std::vector<int>& ids, bool shown, const char* group) {
        for (int id : ids) EXPECT_EQ(w.visible(id), shown) << group << ": control " << id;
    };
    expectGroup(kAlwaysShown, true, "analysis area and Return");
    expectGroup(kInputArea, state != State::Opened, "Calculate and the input area");
    expectGroup(kResultsArea, state == State::Calculated, "results area");
}

// The opened state, texts and all: whatever an earlier opening left behind.
void expectOpened(const UserAtWindow& w) {
    expectState(w, State::Opened);
    EXPECT_EQ(w.items(IDC_ROT_ANALYSIS), kAnalysisItems);
    EXPECT_EQ(w.selection(IDC_ROT_ANALYSIS), LB_ERR);
    for (int id : {IDC_ROT_INPUT1_LABEL, IDC_ROT_INPUT2_LABEL, IDC_ROT_INPUT1, IDC_ROT_INPUT2, IDC_ROT_RESULTS_TITLE,
                   IDC_ROT_RESULTS}) {
        EXPECT_EQ(w.text(id), "") << "control " << id;
    }
    EXPECT_TRUE(w.items(IDC_ROT_UNITS1).empty());
    EXPECT_TRUE(w.items(IDC_ROT_UNITS2).empty());
}

void enter(UserAtWindow& w, int analysis, const char* input1, const char* input2) {
    w.choose(IDC_ROT_ANALYSIS, analysis);
    w.type(IDC_ROT_INPUT1, input1);
    w.type(IDC_ROT_INPUT2, input2);
}

class RotationDlgTest : public ::testing::Test {
protected:
    void SetUp() override { setProgramModule(resonixResources()); }

    // Runs the window through the steps given to `user`; they end it with
    // the cancel command.
    void run() { EXPECT_EQ(dlg.DoModal(), IDCANCEL); }

    ScriptedUser user;
    CRotationDlg dlg;
};

TEST_F(RotationDlgTest, WorkedExamples) {
    user.at(kCaption, [](UserAtWindow& w) {
        for (const Example& example : kExamples) {
            SCOPED_TRACE(example.name);
            w.choose(IDC_ROT_ANALYSIS, example.analysis);
            w.type(IDC_ROT_INPUT1, example.input1);
            chooseItem(w, IDC_ROT_UNITS1, example.unit1);
            w.type(IDC_ROT_INPUT2, example.input2);
            chooseItem(w, IDC_ROT_UNITS2, example.unit2);
            w.click(IDOK);
            EXPECT_EQ(w.text(IDC_ROT_INPUT1), example.echo1);
            EXPECT_EQ(w.text(IDC_ROT_INPUT2), example.echo2);
            EXPECT_EQ(w.text(IDC_ROT_RESULTS_TITLE), example.title);
            expectResults(w.text(IDC_ROT_RESULTS), example);
            expectState(w, State::Calculated);
        }
        w.press(Key::Escape);
    });
    run();
}

TEST_F(RotationDlgTest, CaptionsAndUnitListsOfEachAnalysis) {
    struct Row {
        int analysis;
        const char* caption1;
        const std::vector<std::string>& units1;
        const char* caption2;
        const std::vector<std::string>& units2;
    };
    // Six units under input 1, then three: the lists are refilled, not added to.
    const Row rows[] = {
        {kNaturalFrequency, "Polar Moment of Inertia", kInertiaItems, "Torsional stiffness", kStiffnessItems},
        {kTorsionalStiffness, "Natural Frequency", kFrequencyItems, "Polar Moment of Inertia", kInertiaItems},
        {kPolarMoment, "Natural Frequency", kFrequencyItems, "Torsional Stiffness", kStiffnessItems},
    };
    user.at(kCaption, [&](UserAtWindow& w) {
        for (const Row& row : rows) {
            SCOPED_TRACE(kAnalysisItems[static_cast<std::size_t>(row.analysis)]);
            w.choose(IDC_ROT_ANALYSIS, row.analysis);
            expectState(w, State::AnalysisChosen);
            EXPECT_EQ(w.items(IDC_ROT_ANALYSIS), kAnalysisItems);
            EXPECT_EQ(w.text(IDC_ROT_INPUT1_LABEL), row.caption1);
            EXPECT_EQ(w.text(IDC_ROT_INPUT2_LABEL), row.caption2);
            EXPECT_EQ(w.items(IDC_ROT_UNITS1), row.units1);
            EXPECT_EQ(w.items(IDC_ROT_UNITS2), row.units2);
            EXPECT_EQ(w.selection(IDC_ROT_UNITS1), 0);
            EXPECT_EQ(w.selection(IDC_ROT_UNITS2), 0);
            EXPECT_EQ(w.text(IDC_ROT_INPUT1), kBlank);
            EXPECT_EQ(w.text(IDC_ROT_INPUT2), kBlank);
            EXPECT_EQ(w.text(IDC_ROT_RESULTS), kBlank);
        }
        w.press(Key::Escape);
    });
    run();
}

TEST_F(RotationDlgTest, AnEditAfterCalculateBlanksTheResultsUnderTheirTitle) {
    struct Row {
        const char* name;
        void (*edit)(UserAtWindow&);
    };
    const Row rows[] = {
        {"input 1 typed", [](UserAtWindow& w) { w.type(IDC_ROT_INPUT1, "20"); }},
        {"input 2 typed", [](UserAtWindow& w) { w.type(IDC_ROT_INPUT2, "2"); }},
        {"unit 1 picked", [](UserAtWindow& w) { chooseItem(w, IDC_ROT_UNITS1, "slugs ft^2"); }},
        {"unit 2 picked", [](UserAtWindow& w) { chooseItem(w, IDC_ROT_UNITS2, "N m/deg"); }},
    };
    user.at(kCaption, [&](UserAtWindow& w) {
        enter(w, kNaturalFrequency, "1", "100");
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            w.click(IDOK);
            ASSERT_EQ(w.text(IDC_ROT_RESULTS_TITLE), "Natural Frequency ");
            row.edit(w);
            expectState(w, State::Calculated);
            EXPECT_EQ(w.text(IDC_ROT_RESULTS), kBlank);
            EXPECT_EQ(w.text(IDC_ROT_RESULTS_TITLE), "Natural Frequency ");
        }
        // Choosing an analysis, the same one too, hides the results and
        // blanks both inputs; the title keeps its text.
        w.click(IDOK);
        w.choose(IDC_ROT_ANALYSIS, kNaturalFrequency);
        expectState(w, State::AnalysisChosen);
        EXPECT_EQ(w.text(IDC_ROT_INPUT1), kBlank);
        EXPECT_EQ(w.text(IDC_ROT_INPUT2), kBlank);
        EXPECT_EQ(w.text(IDC_ROT_RESULTS_TITLE), "Natural Frequency ");
        w.click(IDCANCEL);
    });
    user.at(kCaption, [](UserAtWindow& w) {
        SCOPED_TRACE("reopened");
        expectOpened(w);
        w.press(Key::Escape);
    });
    user.at(kCaption, [](UserAtWindow& w) {
        SCOPED_TRACE("closed by the close box and reopened");
        expectOpened(w);
        w.closeBox();
    });
    run();
    run();
    run();
}

TEST_F(RotationDlgTest, FailuresKeepTheTitleOfTheLastSuccess) {
    user.at(kCaption, [](UserAtWindow& w) {
        struct Row {
            const char* name;
            int analysis;
            const char* input1;
            const char* input2;
            const char* message;
        };
        const Row rows[] = {
            {"no inertia, natural frequency", kNaturalFrequency, " ", " ", "inertia input error"},
            {"no inertia, torsional stiffness", kTorsionalStiffness, "10", "0", "inertia input error"},
            {"no frequency, polar moment", kPolarMoment, "0", "100", "frequency input error"},
        };
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            enter(w, row.analysis, row.input1, row.input2);
            w.click(IDOK);
            EXPECT_EQ(w.text(IDC_ROT_RESULTS), row.message);
            EXPECT_EQ(w.text(IDC_ROT_RESULTS_TITLE), "");
            expectState(w, State::Calculated);
        }
        enter(w, kNaturalFrequency, "1", "100");
        w.click(IDOK);
        enter(w, kPolarMoment, "0", "100");
        w.click(IDOK);
        EXPECT_EQ(w.text(IDC_ROT_RESULTS), "frequency input error");
        EXPECT_EQ(w.text(IDC_ROT_RESULTS_TITLE), "Natural Frequency ");
        EXPECT_EQ(w.text(IDC_ROT_INPUT1), kZeroEcho);
        w.press(Key::Escape);
    });
    run();
}

TEST_F(RotationDlgTest, EnterWithNoAnalysisChosenShowsTheEchoOfInput2) {
    user.at(kCaption, [](UserAtWindow& w) {
        w.press(Key::Tab);
        ASSERT_EQ(w.focusedId(), IDC_ROT_ANALYSIS);
        w.press(Key::Return);
        EXPECT_EQ(w.text(IDC_ROT_RESULTS), kZeroEcho);
        EXPECT_EQ(w.text(IDC_ROT_RESULTS_TITLE), "");
        EXPECT_EQ(w.selection(IDC_ROT_ANALYSIS), LB_ERR);
        for (int id : kResultsArea) EXPECT_TRUE(w.visible(id)) << "control " << id;
        EXPECT_FALSE(w.visible(IDOK));
    });
    // Still open: the next step runs in the same window.
    user.at(kCaption, [](UserAtWindow& w) { w.press(Key::Escape); });
    run();
}

TEST_F(RotationDlgTest, TheLastSystemOutlivesTheWindow) {
    // A unit list with nothing selected stores nothing for its input, so
    // Calculate goes on with the inertia kept from the earlier opening.
    user.at(kCaption, [](UserAtWindow& w) {
        enter(w, kTorsionalStiffness, "1", "1");
        chooseItem(w, IDC_ROT_UNITS1, "Hz");
        w.click(IDOK);
        w.press(Key::Escape);
    });
    user.at(kCaption, [](UserAtWindow& w) {
        enter(w, kTorsionalStiffness, "1", "999");
        chooseItem(w, IDC_ROT_UNITS1, "Hz");
        SendMessageA(w.control(IDC_ROT_UNITS2), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        w.click(IDOK);
        EXPECT_EQ(w.text(IDC_ROT_RESULTS), kExamples[1].results);
        w.press(Key::Escape);
    });
    run();
    run();
}

}  // namespace
