#include "app/DecoderSettings.h"

#include <optional>
#include <vector>

#include "platform/base/Registry.h"

namespace {

const wchar_t kDecoderKey[] = L"Software\\GNU\\ffdshow";
const wchar_t kProgramName[] = L"RODEMIR.exe";

void SetDword(HKEY key, const wchar_t* name, DWORD value) {
  RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

// The whole stored list, however long: a list cut at a buffer's end would lose names. A
// missing value reads as empty; any other failed read gives nothing, and the value is left
// as it is rather than replaced by a list of one name.
std::optional<CString> ReadWhitelist(HKEY key) {
  DWORD bytes = 0;
  LONG result = RegQueryValueExW(key, L"whitelist", nullptr, nullptr, nullptr, &bytes);
  if (result == ERROR_FILE_NOT_FOUND) return CString();
  if (result != ERROR_SUCCESS) return std::nullopt;
  std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
  DWORD capacity = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
  result = RegQueryValueExW(key, L"whitelist", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &capacity);
  if (result == ERROR_FILE_NOT_FOUND) return CString();
  if (result != ERROR_SUCCESS) return std::nullopt;
  return CString(buffer.data());
}

}  // namespace

CString WhitelistWithProgram(const CString& stored) {
  if (stored.Find(kProgramName) >= 0) return stored;
  CString list = stored + L";" + kProgramName + L";";
  list.Replace(L";;", L";");
  return list;
}

void UpdateDecoderSettings() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kDecoderKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  SetDword(key, L"multipleInstances", 0);
  SetDword(key, L"h264", 1);
  std::optional<CString> stored = ReadWhitelist(key);
  CString list = stored ? WhitelistWithProgram(*stored) : CString();
  if (stored && list != *stored)
    RegSetValueExW(key, L"whitelist", 0, REG_SZ, reinterpret_cast<const BYTE*>(list.GetString()),
                   static_cast<DWORD>(list.GetLength() * sizeof(wchar_t)));
  RegCloseKey(key);
}

void RegisterDecoderSettings() {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kDecoderKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_CREATE_SUB_KEY, nullptr,
                      &key, nullptr) == ERROR_SUCCESS)
    RegCloseKey(key);
  UpdateDecoderSettings();
}
