#include "about/about_dlg.h"

#include "res/resource.h"
#include "weblink/web_link.h"

namespace {

// The web-link control ships with the program: it is installed as the
// program loads, before anything can host it.
const bool webLinkInstalled = (installWebLinkControl(), true);

}  // namespace

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

void CAboutDlg::DoDataExchange(CDataExchange* exchange) { CDialog::DoDataExchange(exchange); }

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()
