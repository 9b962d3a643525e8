#pragma once

#include "calculator_window/input_area.h"
#include "framework/afxwin.h"

// The Translation calculator's window: a mass on a spring. The user picks an
// analysis, types the two known quantities with their units and presses
// Calculate; the window shows the third quantity in every unit it knows and
// the static deflection at 1 G. It closes only on the cancel command
// ("Return", Escape, the close box).
class CTranslationDlg : public CDialog {
public:
    explicit CTranslationDlg(CWnd* parent = nullptr);
    ~CTranslationDlg() override = default;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    // Calculate: the OK command ("Calculate" or Enter). Never closes the window.
    void OnOK() override;

    void OnSelchangeAnalysis();
    void OnInputChanged();

    DECLARE_MESSAGE_MAP()

private:
    calculator::InputArea inputArea();
    // Hides the five result controls and blanks the two result fields.
    void hideResults();

    // One object per control the window touches, in binding order.
    CButton m_calculate;
    CStatic m_deflectionLabel;
    CEdit m_deflection;
    CEdit m_resultsTitle;
    CButton m_resultsGroup;
    CEdit m_results;
    CListBox m_units2;
    CListBox m_units1;
    CEdit m_input2;
    CEdit m_input1;
    CButton m_inputGroup;
    CEdit m_input2Label;
    CEdit m_input1Label;
    CListBox m_analysis;
};
