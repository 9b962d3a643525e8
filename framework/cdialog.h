#pragma once

#include <optional>

#include "framework/cwnd.h"
#include "framework/data_exchange.h"

// A dialog run modally from a template resource. Its controls are created
// afresh at every DoModal, so one object can run its dialog any number of
// times; running it again while it runs is refused.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

    // Runs the dialog until it ends; its end code, or -1 when it could not be
    // created or is already running.
    virtual INT_PTR DoModal();
    // Binds the controls (DoDataExchange); TRUE puts the focus on the first
    // tab stop.
    virtual BOOL OnInitDialog();
    void EndDialog(int result);
    // Runs DoDataExchange.
    BOOL UpdateData();

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange*) {}

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    static std::optional<LRESULT> dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool m_running = false;
};
