#include "framework/cmd_target.h"

const CRuntimeClass CCmdTarget::classCCmdTarget = {"CCmdTarget", 0xFFFF, nullptr, nullptr};

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY noEntries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &noEntries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::findMessageEntry(UINT message, UINT code, UINT id) const {
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn; ++entry) {
            if (entry->nMessage != message) continue;
            if (message != WM_COMMAND || (entry->nCode == code && entry->nID == id)) return entry;
        }
    }
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code) {
    const AFX_MSGMAP_ENTRY* entry = findMessageEntry(WM_COMMAND, code, id);
    if (!entry) return false;
    entry->pfn(this, MAKEWPARAM(static_cast<WORD>(id), static_cast<WORD>(code)), 0);
    return true;
}
