#include "player/SensorLoader.h"

#include "media/AviTextReader.h"
#include "platform/win/WaitCursor.h"

namespace {

bool Stopped(const SensorLoadJob& job) { return job.pStop && job.pStop->load() != 0; }

}  // namespace

UINT RunSensorLoad(const SensorLoadJob& job) {
  if (!job.pTextData || !job.pLock) return 0;
  CWaitCursor wait;
  CAviTextReader reader(job.pTextData, 0, job.pStop, job.pLock);
  reader.ReadTextData(job.path);
  if (Stopped(job)) return 0;
  if (job.onLoaded) job.onLoaded(job.generation);
  return 0;
}
