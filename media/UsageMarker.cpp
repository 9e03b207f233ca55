#include "media/UsageMarker.h"

#include "platform/base/Registry.h"

void WriteUsageMarker(LPCWSTR lpszValueName) {
  HKEY hKey = nullptr;
  DWORD dwDisposition = 0;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Oktavine", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                      &dwDisposition) != ERROR_SUCCESS)
    return;
  DWORD dwValue = 1;
  RegSetValueExW(hKey, lpszValueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
  RegCloseKey(hKey);
}
