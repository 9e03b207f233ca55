#pragma once
// One run of the sensor loader, off the UI thread. Everything it needs is given to it when
// it starts, so it reads no control and touches no window; it tells the UI thread that the
// samples are complete through `onLoaded`, which must do no more than post.
#include <atomic>
#include <functional>

#include "media/TextData.h"
#include "platform/base/String.h"
#include "platform/base/Sync.h"

struct SensorLoadJob {
  CString path;
  UINT generation = 0;  // of the open that started the run
  CTextData* pTextData = nullptr;
  CSyncObject* pLock = nullptr;                   // guards both sample arrays
  const std::atomic<BYTE>* pStop = nullptr;       // non-zero: stop at the next chunk
  std::function<void(UINT generation)> onLoaded;  // not called when a stop was asked for
};

// Parses the job's recording into its samples, with the wait cursor shown meanwhile.
// Returns the thread's exit code, 0.
UINT RunSensorLoad(const SensorLoadJob& job);
