#include "translation/translation_dlg.h"

#include <array>

#include "calculator_window/input_area.h"
#include "res/resource.h"
#include "translation/translation_calc.h"
#include "translation/translation_units.h"

namespace {

using calculator::InputSetUp;
using calculator::kBlank;
using translation::kFrequencyUnits;
using translation::kMassUnits;
using translation::kStiffnessUnits;

// The last system calculated, in SI units, with the text of its static
// deflection. It belongs to the program rather than to one opening of the
// window, so it survives "Return" and the next opening starts from it.
translation::KeptQuantities tra_kept;

// The analyses, in list order: the position is what Calculate branches on.
constexpr std::array<const char*, 3> kAnalyses = {"natural frequency", "stiffness", "mass"};

// The unit lists come from the tables Calculate converts with, so a position
// means the same unit to both.
constexpr std::array<InputSetUp, kAnalyses.size()> kSetUps = {{
    {"Mass", kMassUnits, "Stiffness", kStiffnessUnits},                   // natural frequency
    {"Natural Frequency", kFrequencyUnits, "Mass", kMassUnits},           // stiffness
    {"Natural Frequency", kFrequencyUnits, "Stiffness", kStiffnessUnits}, // mass
}};

}  // namespace

BEGIN_MESSAGE_MAP(CTranslationDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_TRA_ANALYSIS, OnSelchangeAnalysis)
    ON_EN_CHANGE(IDC_TRA_INPUT1, OnInputChanged)
    ON_EN_CHANGE(IDC_TRA_INPUT2, OnInputChanged)
    ON_LBN_SELCHANGE(IDC_TRA_UNITS1, OnInputChanged)
    ON_LBN_SELCHANGE(IDC_TRA_UNITS2, OnInputChanged)
END_MESSAGE_MAP()

CTranslationDlg::CTranslationDlg(CWnd* parent) : CDialog(IDD_TRANSLATION, parent) {}

void CTranslationDlg::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDOK, m_calculate);
    DDX_Control(exchange, IDC_TRA_DEFLECTION_LABEL, m_deflectionLabel);
    DDX_Control(exchange, IDC_TRA_DEFLECTION, m_deflection);
    DDX_Control(exchange, IDC_TRA_RESULTS_TITLE, m_resultsTitle);
    DDX_Control(exchange, IDC_TRA_RESULTS_GROUP, m_resultsGroup);
    DDX_Control(exchange, IDC_TRA_RESULTS, m_results);
    DDX_Control(exchange, IDC_TRA_UNITS2, m_units2);
    DDX_Control(exchange, IDC_TRA_UNITS1, m_units1);
    DDX_Control(exchange, IDC_TRA_INPUT2, m_input2);
    DDX_Control(exchange, IDC_TRA_INPUT1, m_input1);
    DDX_Control(exchange, IDC_TRA_INPUT_GROUP, m_inputGroup);
    DDX_Control(exchange, IDC_TRA_INPUT2_LABEL, m_input2Label);
    DDX_Control(exchange, IDC_TRA_INPUT1_LABEL, m_input1Label);
    DDX_Control(exchange, IDC_TRA_ANALYSIS, m_analysis);

    calculator::fillList(m_analysis, kAnalyses);

    // Only the analysis area is offered until an analysis is chosen.
    inputArea().show(SW_HIDE);
    hideResults();
    m_calculate.ShowWindow(SW_HIDE);
}

calculator::InputArea CTranslationDlg::inputArea() {
    return {m_input1Label, m_input2Label, m_inputGroup, m_input1, m_input2, m_units1, m_units2};
}

void CTranslationDlg::hideResults() {
    m_results.ShowWindow(SW_HIDE);
    m_resultsTitle.ShowWindow(SW_HIDE);
    m_resultsGroup.ShowWindow(SW_HIDE);
    m_deflectionLabel.ShowWindow(SW_HIDE);
    m_deflection.ShowWindow(SW_HIDE);
    m_deflection.SetWindowTextA(kBlank);
    m_results.SetWindowTextA(kBlank);
}

void CTranslationDlg::OnSelchangeAnalysis() {
    m_calculate.ShowWindow(SW_SHOW);
    // The title keeps its text: only a successful Calculate replaces it.
    hideResults();
    m_input1.SetWindowTextA(kBlank);
    m_input2.SetWindowTextA(kBlank);

    const calculator::InputArea inputs = inputArea();
    inputs.show(SW_SHOW);
    calculator::emptyList(m_units2);
    calculator::emptyList(m_units1);
    inputs.apply(calculator::setUpFor(kSetUps, calculator::selection(m_analysis)));
}

void CTranslationDlg::OnInputChanged() { hideResults(); }

void CTranslationDlg::OnOK() {
    hideResults();

    const calculator::InputArea inputs = inputArea();
    const translation::CalcResult result = translation::calculate(inputs.read(m_analysis), tra_kept);
    // Each echo blanks and hides the results again: nothing below may be
    // written before both.
    inputs.writeEchoes(result);

    if (result.title) {
        m_resultsTitle.SetWindowTextA(result.title->c_str());
    }
    if (result.deflection) {
        m_deflection.ShowWindow(SW_SHOW);
        m_deflectionLabel.ShowWindow(SW_SHOW);
        m_deflection.SetWindowTextA(result.deflection->c_str());
    }
    m_results.SetWindowTextA(result.results.c_str());
    m_results.ShowWindow(SW_SHOW);
    m_resultsTitle.ShowWindow(SW_SHOW);
    m_resultsGroup.ShowWindow(SW_SHOW);
}
