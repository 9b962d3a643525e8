#pragma once

#include "framework/afxwin.h"

// A typed handle to the web-link control, for code that creates one itself.
// The About box does not need it: its link is created from the template.
class C_csHyperlink : public CWnd {
    DECLARE_DYNCREATE(C_csHyperlink)

public:
    static const CLSID clsid;
    static CLSID GetClsid() { return clsid; }

    ~C_csHyperlink() override = default;

    // Ignores the class name and the creation context: the control is named
    // by its class identifier, and starts with no persisted state.
    BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                CCreateContext* context = nullptr) override;
};
