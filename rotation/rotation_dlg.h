#pragma once

#include "calculator_window/input_area.h"
#include "framework/afxwin.h"

// The Rotation calculator's window: a body on a torsion shaft. The user picks
// an analysis, types the two known quantities with their units and presses
// Calculate; the window shows the third quantity in every unit it knows. It
// closes only on the cancel command ("Return", Escape, the close box).
class CRotationDlg : public CDialog {
public:
    explicit CRotationDlg(CWnd* parent = nullptr);
    ~CRotationDlg() override = default;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    // Calculate: the OK command ("Calculate" or Enter). Never closes the window.
    void OnOK() override;

    void OnSelchangeAnalysis();
    void OnInputChanged();

    DECLARE_MESSAGE_MAP()

private:
    calculator::InputArea inputArea();
    void showResults(int command);

    // One object per control the window touches.
    CButton m_calculate;
    CEdit m_resultsTitle;
    CButton m_resultsGroup;
    CEdit m_results;
    CButton m_inputGroup;
    CButton m_analysisGroup;
    CListBox m_units1;
    CListBox m_units2;
    CEdit m_input2Label;
    CEdit m_input1Label;
    CEdit m_input2;
    CEdit m_input1;
    CListBox m_analysis;
};
