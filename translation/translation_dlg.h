#pragma once

#include "framework/afxwin.h"

// The Translation calculator's window.
class CTranslationDlg : public CDialog {
public:
    explicit CTranslationDlg(CWnd* parent = nullptr);
};
