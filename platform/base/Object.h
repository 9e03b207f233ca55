#pragma once
// Root of the class library's object hierarchy, with run-time class information for
// the classes that declare it.
#include "platform/base/WinTypes.h"

struct CRuntimeClass {
  const char* m_lpszClassName;
  const CRuntimeClass* m_pBaseClass;
  BOOL IsDerivedFrom(const CRuntimeClass* pBase) const;
};

class CObject {
public:
  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const;
  BOOL IsKindOf(const CRuntimeClass* pClass) const;

  static const CRuntimeClass classCObject;

protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

#define DECLARE_DYNAMIC(cls)             \
public:                                  \
  static const CRuntimeClass class##cls; \
  const CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(cls, base)                                 \
  const CRuntimeClass cls::class##cls = {#cls, RUNTIME_CLASS(base)}; \
  const CRuntimeClass* cls::GetRuntimeClass() const { return RUNTIME_CLASS(cls); }

#define DECLARE_DYNCREATE(cls) DECLARE_DYNAMIC(cls)
#define IMPLEMENT_DYNCREATE(cls, base) IMPLEMENT_DYNAMIC(cls, base)
