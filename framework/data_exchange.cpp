#include "framework/data_exchange.h"

#include "framework/cwnd.h"
#include "framework/platform.h"

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
    if (!exchange || !exchange->m_pDlgWnd || control.m_hWnd) return;
    control.Attach(::GetDlgItem(exchange->m_pDlgWnd->m_hWnd, id));
}
