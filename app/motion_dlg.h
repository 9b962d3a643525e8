#pragma once

#include "framework/afxwin.h"
#include "rotation/rotation_dlg.h"
#include "translation/translation_dlg.h"

// Where the minimised window draws its icon of cx x cy in the client area
// `client`: centred, in signed arithmetic that truncates towards zero.
POINT minimizedIconOrigin(const RECT& client, int cx, int cy);

// The main window: picks the kind of motion and runs its calculator. It
// closes only on the cancel command ("Exit", Escape, the close box).
class CMotionDlg : public CDialog {
public:
    explicit CMotionDlg(CWnd* parent = nullptr);
    ~CMotionDlg() override = default;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    // "Visit Web Site" and Enter: the About box; never closes the window.
    void OnOK() override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnSelchangeMotionList();

    DECLARE_MESSAGE_MAP()

private:
    void fillMotionList();
    void runAboutBox();

    CRotationDlg m_rotationDlg;
    CTranslationDlg m_translationDlg;
    CListBox m_motionList;
    HICON m_hIcon;
};
