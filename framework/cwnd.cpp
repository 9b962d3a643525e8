#include "framework/cwnd.h"

#include <unordered_map>

#include "framework/afx_globals.h"
#include "framework/cmenu.h"
#include "framework/platform.h"

namespace {

std::unordered_map<HWND, CWnd*>& permanentMap() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

}  // namespace

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

CWnd::~CWnd() { Detach(); }

CWnd* CWnd::FromHandlePermanent(HWND window) {
    const auto found = permanentMap().find(window);
    return found == permanentMap().end() ? nullptr : found->second;
}

BOOL CWnd::Attach(HWND window) {
    if (!window || m_hWnd || !::IsWindow(window) || FromHandlePermanent(window)) return FALSE;
    m_hWnd = window;
    permanentMap()[window] = this;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND window = m_hWnd;
    if (window) {
        const auto found = permanentMap().find(window);
        if (found != permanentMap().end() && found->second == this) permanentMap().erase(found);
    }
    m_hWnd = nullptr;
    return window;
}

void CWnd::detachDestroyedWindows() {
    auto& map = permanentMap();
    for (auto it = map.begin(); it != map.end();) {
        if (!::IsWindow(it->first)) {
            it->second->m_hWnd = nullptr;
            it = map.erase(it);
        } else {
            ++it;
        }
    }
}

BOOL CWnd::ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }

void CWnd::SetWindowTextA(LPCSTR text) { platform::setWindowTextUtf8(m_hWnd, text); }

void CWnd::GetWindowTextA(CString& text) const {
    text = CString(platform::windowTextUtf8(m_hWnd));
}

LRESULT CWnd::SendMessageA(UINT message, WPARAM wParam, LPARAM lParam) const {
    return platform::sendMessageUtf8(m_hWnd, message, wParam, lParam);
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert)); }

HICON CWnd::SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }

void CWnd::GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }

BOOL CWnd::CreateControl(LPCSTR classId, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (!parent || !parent->m_hWnd || m_hWnd) return FALSE;
    HWND window = platform::createControlByClassId(classId, windowName, style, rect, parent->m_hWnd, static_cast<int>(id));
    return window ? Attach(window) : FALSE;
}

BOOL CWnd::Create(LPCSTR, LPCSTR, DWORD, const RECT&, CWnd*, UINT, CCreateContext*) { return FALSE; }

BOOL CWnd::CreateControl(REFCLSID classId, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    const std::string name = platform::classIdText(classId);
    return CreateControl(name.c_str(), windowName, style, rect, parent, id);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const AFX_MSGMAP_ENTRY* entry = message == WM_COMMAND ? findMessageEntry(message, HIWORD(wParam), LOWORD(wParam))
                                                          : findMessageEntry(message, 0, 0);
    if (!entry) return false;
    // Handlers may call Default(), which needs the message they were given;
    // keep the outer one for nested messages.
    const CurrentMessage outer = m_currentMessage;
    m_currentMessage = {message, wParam, lParam};
    *result = entry->pfn(this, wParam, lParam);
    m_currentMessage = outer;
    return true;
}

LRESULT CWnd::Default() {
    return ::DefWindowProcA(m_hWnd, m_currentMessage.message, m_currentMessage.wParam, m_currentMessage.lParam);
}
