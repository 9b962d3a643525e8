#pragma once

#include "framework/afxwin.h"

// The About box: the program's name, version and credit. "Return" closes it.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* parent = nullptr);
};
