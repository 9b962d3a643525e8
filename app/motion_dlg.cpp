#include "app/motion_dlg.h"

#include "about/about_dlg.h"
#include "res/resource.h"

namespace {

// The list's order is the calculators' key: index 0 Rotation, 1 Translation.
constexpr int kRotationIndex = 0;
constexpr int kTranslationIndex = 1;

}  // namespace

POINT minimizedIconOrigin(const RECT& client, int cx, int cy) {
    return POINT{(client.right - client.left - cx + 1) / 2, (client.bottom - client.top - cy + 1) / 2};
}

BEGIN_MESSAGE_MAP(CMotionDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_LBN_SELCHANGE(IDC_MOTION_LIST, OnSelchangeMotionList)
END_MESSAGE_MAP()

CMotionDlg::CMotionDlg(CWnd* parent)
    : CDialog(IDD_MOTION_DIALOG, parent),
      m_rotationDlg(nullptr),
      m_translationDlg(nullptr),
      m_hIcon(LoadIconA(AfxFindResourceHandle(MAKEINTRESOURCE(IDR_MAINFRAME), RT_GROUP_ICON), MAKEINTRESOURCE(IDR_MAINFRAME))) {}

void CMotionDlg::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_MOTION_LIST, m_motionList);
}

BOOL CMotionDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
        CString aboutText;
        aboutText.LoadStringA(IDS_ABOUTBOX);
        if (!aboutText.IsEmpty()) {
            systemMenu->AppendMenuA(MF_SEPARATOR);
            systemMenu->AppendMenuA(MF_STRING, IDM_ABOUTBOX, aboutText);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    fillMotionList();
    return TRUE;
}

void CMotionDlg::fillMotionList() {
    m_motionList.SendMessageA(LB_RESETCONTENT);
    m_motionList.SendMessageA(LB_INSERTSTRING, kRotationIndex, reinterpret_cast<LPARAM>("Rotation"));
    m_motionList.SendMessageA(LB_INSERTSTRING, kTranslationIndex, reinterpret_cast<LPARAM>("Translation"));
}

void CMotionDlg::runAboutBox() {
    CAboutDlg about;
    about.DoModal();
}

void CMotionDlg::OnOK() { runAboutBox(); }

void CMotionDlg::OnSysCommand(UINT id, LPARAM) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        runAboutBox();
    } else {
        Default();
    }
}

void CMotionDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessageA(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(&client);
    const POINT origin = minimizedIconOrigin(client, cx, cy);
    dc.DrawIcon(origin.x, origin.y, m_hIcon);
}

HCURSOR CMotionDlg::OnQueryDragIcon() { return m_hIcon; }

void CMotionDlg::OnSelchangeMotionList() {
    const LRESULT selected = m_motionList.SendMessageA(LB_GETCURSEL);
    if (selected == kRotationIndex) {
        m_rotationDlg.DoModal();
    } else if (selected == kTranslationIndex) {
        m_translationDlg.DoModal();
    }
    // Refilled in every case: nothing is selected again, so choosing the same
    // entry once more is again a change of selection.
    fillMotionList();
}
