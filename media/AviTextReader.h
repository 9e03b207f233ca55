#pragma once
// Reads the sensor chunks ("##tx") of an AVI recording into a CTextData, walking the
// RIFF structure and seeking over video and audio data.
#include <atomic>
#include <cstdio>

#include "media/TextData.h"
#include "platform/base/String.h"
#include "platform/base/Sync.h"

class CAviTextReader {
public:
  // The loader passes the main window's m_bStopLoader and m_csData; tests and tools their own.
  CAviTextReader(CTextData* pTextData, int nBaseSeconds, const std::atomic<BYTE>* pStop, CSyncObject* pLock);

  // -1 when the file cannot be opened; otherwise 0, whatever the walk found.
  int ReadTextData(CString path);
  // 1 when the file does not start with "RIFF" ... "AVI ", else 0.
  int ParseRiff(FILE* file);
  // Walks one movi list from just after its type; always 0.
  int ParseMovi(FILE* file, DWORD listSize);

  CTextData* m_pTextData;
  int m_nBaseSeconds;

private:
  bool StopRequested() const;
  void MeasureFile(FILE* file);
  int WalkMovi(FILE* file, DWORD listSize);  // ParseMovi on a file already measured
  void DecodeTextChunk(const BYTE* payload);
  void AddGSensor(const CGSensorData& sample);
  void AddGPS(const CGPSData& sample);

  const std::atomic<BYTE>* m_pStop;
  CSyncObject* m_pLock;
  long long m_fileLength = 0;  // bytes; every walk ends there
};
