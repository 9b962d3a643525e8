#pragma once

#include "framework/afxwin.h"

// The About box: the program's picture, name and version, a credit line and
// a link to the web site. "Return" (its OK command) closes it.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* parent = nullptr);
    ~CAboutDlg() override = default;

protected:
    // Nothing to bind: the box is its template.
    void DoDataExchange(CDataExchange* exchange) override;

    DECLARE_MESSAGE_MAP()
};
