#include "app/resonix_app.h"

#include "app/motion_dlg.h"

BEGIN_MESSAGE_MAP(CResonixApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CResonixApp theApp;

BOOL CResonixApp::InitInstance() {
    // Hosting must be on before the first window that hosts a control.
    AfxEnableControlContainer();
    Enable3dControls();

    CMotionDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;

    // FALSE: the program ends here instead of entering a message loop.
    return FALSE;
}
