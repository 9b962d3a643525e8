#pragma once

#include <type_traits>

#include "portable/win_types.h"

// Message maps: static tables from a message (or a control's notification)
// to a member function, each chained to its base class's table. A handler is
// reached through a small typed thunk, so every entry is checked by the
// compiler against the handler's signature.

class CCmdTarget;

using AFX_THUNK = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // WM_COMMAND, or another window message
    UINT nCode;     // WM_COMMAND: the notification code
    UINT nID;       // WM_COMMAND: the control or command id
    AFX_THUNK pfn;  // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

namespace afx {

template <class>
struct MemberOf;
template <class C, class R, class... A>
struct MemberOf<R (C::*)(A...)> { using type = C; };

template <auto F>
using ClassOf = typename MemberOf<decltype(F)>::type;

template <auto F>
LRESULT callVoid(CCmdTarget* target, WPARAM, LPARAM) {
    (static_cast<ClassOf<F>*>(target)->*F)();
    return 0;
}

template <auto F>
LRESULT callSysCommand(CCmdTarget* target, WPARAM wParam, LPARAM lParam) {
    (static_cast<ClassOf<F>*>(target)->*F)(static_cast<UINT>(wParam), lParam);
    return 0;
}

template <auto F>
LRESULT callReturningHandle(CCmdTarget* target, WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>((static_cast<ClassOf<F>*>(target)->*F)());
}

}  // namespace afx

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
    static const AFX_MSGMAP* GetThisMessageMap();      \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                            \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }     \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                     \
        using ThisClass [[maybe_unused]] = theClass;  /* an empty map names no handler */  \
        using TheBaseClass = baseClass;                                                   \
        static const AFX_MSGMAP_ENTRY messageEntries[] = {
#define END_MESSAGE_MAP()                                                                 \
            {0, 0, 0, nullptr}};                                                          \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &messageEntries[0]}; \
        return &messageMap;                                                               \
    }

#define ON_COMMAND(id, memberFxn) {WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), &afx::callVoid<&ThisClass::memberFxn>},
#define ON_LBN_SELCHANGE(id, memberFxn) {WM_COMMAND, LBN_SELCHANGE, static_cast<UINT>(id), &afx::callVoid<&ThisClass::memberFxn>},
#define ON_EN_CHANGE(id, memberFxn) {WM_COMMAND, EN_CHANGE, static_cast<UINT>(id), &afx::callVoid<&ThisClass::memberFxn>},
#define ON_WM_SYSCOMMAND() {WM_SYSCOMMAND, 0, 0, &afx::callSysCommand<&ThisClass::OnSysCommand>},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, &afx::callVoid<&ThisClass::OnPaint>},
#define ON_WM_QUERYDRAGICON() {WM_QUERYDRAGICON, 0, 0, &afx::callReturningHandle<&ThisClass::OnQueryDragIcon>},
