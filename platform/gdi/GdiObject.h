#pragma once
// CGdiObject: the owner of one drawing-object handle (bitmap, font, brush or pen). The
// destructor deletes the handle it owns; stock objects are never deleted.
#include "platform/base/Object.h"
#include "platform/gdi/GdiTypes.h"

class CGdiObject : public CObject {
public:
  CGdiObject() = default;
  ~CGdiObject() override;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ m_hObject = nullptr;
  operator HGDIOBJ() const { return m_hObject; }
  HGDIOBJ GetSafeHandle() const { return m_hObject; }

  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  BOOL CreateStockObject(int nIndex);
  // Copies the object's description (BITMAP, LOGFONTW, LOGBRUSH or LOGPEN); returns the
  // bytes written, 0 on failure.
  int GetObject(int nCount, LPVOID lpObject) const;
  UINT GetObjectType() const;

  // The object owning hObject, or a wrapper kept until the handle is deleted.
  static CGdiObject* FromHandle(HGDIOBJ hObject);
};

HGDIOBJ GetStockObject(int nIndex);
BOOL DeleteObject(HGDIOBJ hObject);
int GetObjectW(HGDIOBJ hObject, int nCount, LPVOID lpObject);
inline int GetObject(HGDIOBJ hObject, int nCount, LPVOID lpObject) { return GetObjectW(hObject, nCount, lpObject); }
DWORD GetObjectType(HGDIOBJ hObject);
