#include "framework/cdialog.h"

#include "framework/afx_globals.h"
#include "framework/cwin_app.h"
#include "framework/platform.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

INT_PTR CDialog::DoModal() {
    if (m_running) return -1;
    // A dialog without a parent is owned by the application's main window.
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner && AfxGetApp() && AfxGetApp()->m_pMainWnd && AfxGetApp()->m_pMainWnd != this) {
        owner = AfxGetApp()->m_pMainWnd->m_hWnd;
    }

    m_running = true;
    const INT_PTR result = platform::runDialog(m_nIDTemplate, owner, &CDialog::dialogProcedure, reinterpret_cast<LPARAM>(this));
    m_running = false;
    Detach();
    detachDestroyedWindows();
    return result;
}

std::optional<LRESULT> CDialog::dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        if (!dialog || !dialog->Attach(window)) return FALSE;
        return dialog->OnInitDialog();
    }
    CWnd* target = CWnd::FromHandlePermanent(window);
    LRESULT result = 0;
    if (target && target->OnWndMsg(message, wParam, lParam, &result)) return result;
    return std::nullopt;
}

bool CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (CWnd::OnWndMsg(message, wParam, lParam, result)) return true;
    // Commands that the dialog does not handle go on to the application.
    if (message == WM_COMMAND && AfxGetApp() && AfxGetApp()->OnCmdMsg(LOWORD(wParam), HIWORD(wParam))) {
        *result = 0;
        return true;
    }
    return false;
}

BOOL CDialog::OnInitDialog() {
    UpdateData();
    return TRUE;
}

BOOL CDialog::UpdateData() {
    CDataExchange exchange(this);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

void CDialog::OnOK() {
    UpdateData();
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
