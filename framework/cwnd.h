#pragma once

#include "framework/cmd_target.h"
#include "framework/cstring.h"
#include "framework/platform.h"

class CMenu;
struct CCreateContext;

// A program object bound to one window of the window system. The binding
// lasts while the window exists; every call on an unbound object does nothing.
class CWnd : public CCmdTarget {
public:
    DECLARE_DYNCREATE(CWnd)

    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // The object bound to `window`, or null.
    static CWnd* FromHandlePermanent(HWND window);
    BOOL Attach(HWND window);
    HWND Detach();
    // Unbinds every object whose window no longer exists.
    static void detachDestroyedWindows();

    BOOL ShowWindow(int command);
    void SetWindowTextA(LPCSTR text);
    void GetWindowTextA(CString& text) const;
    LRESULT SendMessageA(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    CMenu* GetSystemMenu(BOOL revert) const;
    HICON SetIcon(HICON icon, BOOL big);
    BOOL IsIconic() const;
    void GetClientRect(RECT* rect) const;

    // Creates a window of a registered class as a child of `parent`. The
    // window system has no registered classes of its own: only controls of
    // outside classes are created, through CreateControl.
    virtual BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                        CCreateContext* context = nullptr);
    // Creates a control of an outside class, named by its class identifier,
    // as a child of `parent`, with no initial state.
    BOOL CreateControl(LPCSTR classId, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    BOOL CreateControl(REFCLSID classId, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Routes a message through the message map; false when no entry took it.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    // Default processing of the message now being handled.
    LRESULT Default();

    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    CurrentMessage m_currentMessage;
};
