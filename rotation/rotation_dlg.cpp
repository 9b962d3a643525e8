#include "rotation/rotation_dlg.h"

#include <array>

#include "res/resource.h"
#include "rotation/rotation_calc.h"
#include "rotation/rotation_units.h"

namespace {

using calculator::InputSetUp;
using calculator::kBlank;
using rotation::kFrequencyUnits;
using rotation::kInertiaUnits;
using rotation::kStiffnessUnits;

// The last system calculated, in SI units. It belongs to the program rather
// than to one opening of the window, so it survives "Return" and the next
// opening starts from it.
rotation::KeptQuantities rot_kept;

// The analyses, in list order: the position is what Calculate branches on.
constexpr std::array<const char*, 3> kAnalyses = {"natural frequency", "torsional stiffness",
                                                  "polar moment of inertia"};

// The unit lists come from the tables Calculate converts with, so a position
// means the same unit to both. The two stiffness captions differ in the case
// of one letter, as they always have.
constexpr std::array<InputSetUp, kAnalyses.size()> kSetUps = {{
    {"Polar Moment of Inertia", kInertiaUnits, "Torsional stiffness", kStiffnessUnits},  // natural frequency
    {"Natural Frequency", kFrequencyUnits, "Polar Moment of Inertia", kInertiaUnits},    // torsional stiffness
    {"Natural Frequency", kFrequencyUnits, "Torsional Stiffness", kStiffnessUnits},      // polar moment
}};

}  // namespace

BEGIN_MESSAGE_MAP(CRotationDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_ROT_ANALYSIS, OnSelchangeAnalysis)
    ON_EN_CHANGE(IDC_ROT_INPUT1, OnInputChanged)
    ON_EN_CHANGE(IDC_ROT_INPUT2, OnInputChanged)
    ON_LBN_SELCHANGE(IDC_ROT_UNITS1, OnInputChanged)
    ON_LBN_SELCHANGE(IDC_ROT_UNITS2, OnInputChanged)
END_MESSAGE_MAP()

CRotationDlg::CRotationDlg(CWnd* parent) : CDialog(IDD_ROTATION, parent) {}

calculator::InputArea CRotationDlg::inputArea() {
    return {m_input1Label, m_input2Label, m_inputGroup, m_input1, m_input2, m_units1, m_units2};
}

void CRotationDlg::showResults(int command) {
    m_results.ShowWindow(command);
    m_resultsTitle.ShowWindow(command);
    m_resultsGroup.ShowWindow(command);
}

void CRotationDlg::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDOK, m_calculate);
    DDX_Control(exchange, IDC_ROT_RESULTS_TITLE, m_resultsTitle);
    DDX_Control(exchange, IDC_ROT_RESULTS_GROUP, m_resultsGroup);
    DDX_Control(exchange, IDC_ROT_RESULTS, m_results);
    DDX_Control(exchange, IDC_ROT_INPUT_GROUP, m_inputGroup);
    DDX_Control(exchange, IDC_ROT_ANALYSIS_GROUP, m_analysisGroup);
    DDX_Control(exchange, IDC_ROT_UNITS1, m_units1);
    DDX_Control(exchange, IDC_ROT_UNITS2, m_units2);
    DDX_Control(exchange, IDC_ROT_INPUT2_LABEL, m_input2Label);
    DDX_Control(exchange, IDC_ROT_INPUT1_LABEL, m_input1Label);
    DDX_Control(exchange, IDC_ROT_INPUT2, m_input2);
    DDX_Control(exchange, IDC_ROT_INPUT1, m_input1);
    DDX_Control(exchange, IDC_ROT_ANALYSIS, m_analysis);

    calculator::fillList(m_analysis, kAnalyses);

    // Only the analysis area is offered until an analysis is chosen.
    inputArea().show(SW_HIDE);
    showResults(SW_HIDE);
    m_calculate.ShowWindow(SW_HIDE);
}

void CRotationDlg::OnSelchangeAnalysis() {
    m_calculate.ShowWindow(SW_SHOW);
    m_results.SetWindowTextA(kBlank);
    m_input1.SetWindowTextA(kBlank);
    m_input2.SetWindowTextA(kBlank);
    // The title keeps its text: only a successful Calculate replaces it.
    showResults(SW_HIDE);

    const calculator::InputArea inputs = inputArea();
    inputs.show(SW_SHOW);
    calculator::emptyList(m_units1);
    calculator::emptyList(m_units2);
    inputs.apply(calculator::setUpFor(kSetUps, calculator::selection(m_analysis)));
}

// Stale results are blanked but stay where they are, under their title,
// until the next Calculate.
void CRotationDlg::OnInputChanged() { m_results.SetWindowTextA(kBlank); }

void CRotationDlg::OnOK() {
    const calculator::InputArea inputs = inputArea();
    const rotation::CalcResult result = rotation::calculate(inputs.read(m_analysis), rot_kept);
    // Each echo blanks the results again: nothing below may be written
    // before both.
    inputs.writeEchoes(result);

    if (result.title) {
        m_resultsTitle.SetWindowTextA(result.title->c_str());
    }
    m_results.SetWindowTextA(result.results.c_str());
    showResults(SW_SHOW);
}
