#pragma once

#include "portable/win_types.h"

class CWnd;

// What a dialog's DoDataExchange works on: the dialog. Binding controls is
// all the exchange does, so it has no direction.
class CDataExchange {
public:
    explicit CDataExchange(CWnd* dialog) : m_pDlgWnd(dialog) {}

    CWnd* m_pDlgWnd;
};

// Binds `control` to the dialog's control with id `id`, unless it is bound.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
