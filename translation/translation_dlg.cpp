#include "translation/translation_dlg.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "res/resource.h"
#include "translation/translation_calc.h"

namespace {

// The last system calculated, in SI units, with the text of its static
// deflection. It belongs to the program rather than to one opening of the
// window, so it survives "Return" and the next opening starts from it.
translation::KeptQuantities tra_kept;

// A field is cleared to a single blank, never to the empty text.
constexpr const char* kBlank = " ";

// The analyses, in list order: the position is what Calculate branches on.
constexpr std::array<const char*, 3> kAnalyses = {"natural frequency", "stiffness", "mass"};

// Unit lists, SI unit first: Calculate maps each position to its factor.
constexpr std::array<const char*, 3> kMassUnits = {"kg", "slugs", "lbm"};
constexpr std::array<const char*, 4> kStiffnessUnits = {"N/m", "N/mm", "lbf/ft", "lbf/in"};
constexpr std::array<const char*, 2> kFrequencyUnits = {"rad/sec", "Hz"};

// What choosing an analysis puts in the input area.
struct InputSetUp {
    const char* caption1;
    std::span<const char* const> units1;
    const char* caption2;
    std::span<const char* const> units2;
};

constexpr std::array<InputSetUp, kAnalyses.size()> kSetUps = {{
    {"Mass", kMassUnits, "Stiffness", kStiffnessUnits},                   // natural frequency
    {"Natural Frequency", kFrequencyUnits, "Mass", kMassUnits},           // stiffness
    {"Natural Frequency", kFrequencyUnits, "Stiffness", kStiffnessUnits}, // mass
}};

void EmptyList(const CListBox& list) { ::SendMessageA(list.m_hWnd, LB_RESETCONTENT, 0, 0); }

// Inserting at explicit positions keeps the order although the lists carry
// the sort style; a sorting add would scramble the position-to-meaning map.
void InsertItems(const CListBox& list, std::span<const char* const> items) {
    for (std::size_t index = 0; index < items.size(); ++index) {
        ::SendMessageA(list.m_hWnd, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(items[index]));
    }
}

int Selection(const CListBox& list) { return static_cast<int>(::SendMessageA(list.m_hWnd, LB_GETCURSEL, 0, 0)); }

std::string Text(const CEdit& edit) {
    CString text;
    edit.GetWindowTextA(text);
    return text.str();
}

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

    EmptyList(m_analysis);
    InsertItems(m_analysis, kAnalyses);

    // Only the analysis area is offered until an analysis is chosen.
    m_input1Label.ShowWindow(SW_HIDE);
    m_input2Label.ShowWindow(SW_HIDE);
    m_inputGroup.ShowWindow(SW_HIDE);
    m_input2.ShowWindow(SW_HIDE);
    m_input1.ShowWindow(SW_HIDE);
    m_units2.ShowWindow(SW_HIDE);
    m_units1.ShowWindow(SW_HIDE);
    HideResults();
    m_calculate.ShowWindow(SW_HIDE);
}

void CTranslationDlg::HideResults() {
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
    HideResults();
    m_input1.SetWindowTextA(kBlank);
    m_input2.SetWindowTextA(kBlank);

    m_input1Label.ShowWindow(SW_SHOW);
    m_input2Label.ShowWindow(SW_SHOW);
    m_inputGroup.ShowWindow(SW_SHOW);
    m_input2.ShowWindow(SW_SHOW);
    m_input1.ShowWindow(SW_SHOW);
    m_units2.ShowWindow(SW_SHOW);
    m_units1.ShowWindow(SW_SHOW);

    EmptyList(m_units2);
    EmptyList(m_units1);
    const int analysis = Selection(m_analysis);
    if (analysis >= 0 && static_cast<std::size_t>(analysis) < kSetUps.size()) {
        const InputSetUp& setUp = kSetUps[static_cast<std::size_t>(analysis)];
        m_input1Label.SetWindowTextA(setUp.caption1);
        m_input2Label.SetWindowTextA(setUp.caption2);
        InsertItems(m_units1, setUp.units1);
        InsertItems(m_units2, setUp.units2);
    }
    // The SI unit; selecting it here reports nothing.
    ::SendMessageA(m_units2.m_hWnd, LB_SETCURSEL, 0, 0);
    ::SendMessageA(m_units1.m_hWnd, LB_SETCURSEL, 0, 0);
}

void CTranslationDlg::OnInputChanged() { HideResults(); }

void CTranslationDlg::OnOK() {
    HideResults();

    translation::CalcRequest request;
    request.input1 = Text(m_input1);
    request.input2 = Text(m_input2);
    request.analysis = Selection(m_analysis);
    request.unit1 = Selection(m_units1);
    request.unit2 = Selection(m_units2);
    const translation::CalcResult result = translation::calculate(request, tra_kept);

    // Each echo raises EN_CHANGE, whose handler blanks the result fields:
    // nothing below may be written before both echoes.
    m_input1.SetWindowTextA(result.echo1.c_str());
    m_input2.SetWindowTextA(result.echo2.c_str());

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
