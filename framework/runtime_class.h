#pragma once

#include "portable/win_types.h"

class CCmdTarget;

// What the class library knows of a class at run time: its name, its base,
// and for classes that can be created by name, a factory.
struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    UINT m_wSchema;  // 0xFFFF: not serialisable
    CCmdTarget* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    // A new object of the class, or null for a class without a factory.
    CCmdTarget* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// A class that can be created by name: its record and factory.
#define DECLARE_DYNCREATE(class_name)                                  \
public:                                                                \
    static const CRuntimeClass class##class_name;                      \
    static CCmdTarget* CreateObject();                                 \
    const CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                   \
    CCmdTarget* class_name::CreateObject() { return new class_name; }                                      \
    const CRuntimeClass class_name::class##class_name = {#class_name, 0xFFFF,                              \
                                                         &class_name::CreateObject, RUNTIME_CLASS(base_class_name)}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }
