#include "about/cs_hyperlink.h"

IMPLEMENT_DYNCREATE(C_csHyperlink, CWnd)

const CLSID C_csHyperlink::clsid = {0x3C9FDFB1, 0xC3F1, 0x11D1, {0x82, 0xB4, 0xEB, 0x3D, 0x09, 0x93, 0x15, 0x51}};

BOOL C_csHyperlink::Create(LPCSTR, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                           CCreateContext*) {
    return CreateControl(GetClsid(), windowName, style, rect, parent, id);
}
