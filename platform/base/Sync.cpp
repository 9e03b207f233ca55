#include "platform/base/Sync.h"

BOOL CCriticalSection::Lock(DWORD) {
  m_mutex.lock();
  return TRUE;
}

BOOL CCriticalSection::Unlock() {
  m_mutex.unlock();
  return TRUE;
}

CSingleLock::CSingleLock(CSyncObject* pObject, BOOL bInitialLock) : m_pObject(pObject) {
  if (bInitialLock) Lock();
}

CSingleLock::~CSingleLock() { Unlock(); }

BOOL CSingleLock::Lock(DWORD dwTimeout) {
  if (!m_bAcquired && m_pObject) m_bAcquired = m_pObject->Lock(dwTimeout);
  return m_bAcquired;
}

BOOL CSingleLock::Unlock() {
  if (m_bAcquired && m_pObject) m_bAcquired = !m_pObject->Unlock();
  return !m_bAcquired;
}
