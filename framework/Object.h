// Root of the framework's classes: run-time class information, so that code
// can ask what a window object is (kind-of test) and create list boxes by class.
#pragma once

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;
    unsigned m_wSchema;                  // 0xFFFF: not serialisable
    CObject* (*m_pfnCreateObject)();     // null when not dynamically creatable

    // A new object of this class, or null when the class cannot be created by name.
    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;
};

const unsigned kNoSchema = 0xFFFF;

// The creation function that a dynamically creatable class puts in its record.
template <class T>
CObject* CreateObjectOf()
{
    return new T;
}

class CObject {
public:
    virtual ~CObject() = default;

    // Each class with its own record declares a static `runtimeClass` and
    // overrides this to return it.
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* cls) const;

    static const CRuntimeClass runtimeClass;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
