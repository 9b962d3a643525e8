#pragma once

#include "framework/message_map.h"
#include "framework/runtime_class.h"

// The root of every class that receives messages through a message map.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    static const CRuntimeClass classCCmdTarget;
    virtual const CRuntimeClass* GetRuntimeClass() const { return RUNTIME_CLASS(CCmdTarget); }

    // Runs the handler that the map chain has for the command `id` with
    // notification `code`; false when there is none.
    virtual bool OnCmdMsg(UINT id, UINT code);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    // The first entry for the message in this object's map chain, or null.
    const AFX_MSGMAP_ENTRY* findMessageEntry(UINT message, UINT code, UINT id) const;
};
