#pragma once

#include "windowing/win_types.h"

class CWnd;

// What a dialog's DoDataExchange works on: the dialog, and the direction.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Binds `control` to the dialog's control with id `id`, unless it is bound.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
