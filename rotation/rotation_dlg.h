#pragma once

#include "framework/afxwin.h"

// The Rotation calculator's window.
class CRotationDlg : public CDialog {
public:
    explicit CRotationDlg(CWnd* parent = nullptr);
};
