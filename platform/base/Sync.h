#pragma once
// Synchronisation objects. The critical section is recursive: its owner may enter it again.
#include <mutex>

#include "platform/base/Object.h"

class CSyncObject : public CObject {
public:
  virtual BOOL Lock(DWORD dwTimeout = INFINITE) = 0;
  virtual BOOL Unlock() = 0;
};

class CCriticalSection : public CSyncObject {
public:
  BOOL Lock(DWORD dwTimeout = INFINITE) override;
  BOOL Unlock() override;

private:
  std::recursive_mutex m_mutex;
};

class CSingleLock {
public:
  explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE);
  ~CSingleLock();
  CSingleLock(const CSingleLock&) = delete;
  CSingleLock& operator=(const CSingleLock&) = delete;
  BOOL Lock(DWORD dwTimeout = INFINITE);
  BOOL Unlock();
  BOOL IsLocked() const { return m_bAcquired; }

private:
  CSyncObject* m_pObject;
  BOOL m_bAcquired = FALSE;
};
