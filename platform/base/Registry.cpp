#include "platform/base/Registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <unordered_map>

#include "platform/base/Log.h"
#include "platform/base/String.h"

namespace {

const char* kLog = "registry";

enum class Hive { CurrentUser, LocalMachine };

struct Value {
  std::string name;  // as first written
  DWORD type = REG_NONE;
  std::string data;  // REG_DWORD: 4 bytes; REG_SZ: UTF-8 text; others: raw bytes
};

struct Key {
  std::string path;                     // as first created
  std::map<std::string, Value> values;  // by folded name
};

using HiveData = std::map<std::string, Key>;  // by folded path

struct OpenKey {
  Hive hive;
  std::string path;
  REGSAM access;
};

std::mutex g_mutex;  // guards the handle table and serialises file access in-process
std::unordered_map<ULONG_PTR, OpenKey> g_keys;
ULONG_PTR g_nextKey = 0x10000;

std::string Fold(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string Encode(const std::string& s) {
  std::string out;
  static const char* hex = "0123456789ABCDEF";
  for (unsigned char c : s) {
    if (c < 0x20 || c == '%' || c == '=' || c == '[' || c == ']' || c == 0x7F) {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string Decode(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    int hi = i + 2 < s.size() ? HexDigit(s[i + 1]) : -1;
    int lo = i + 2 < s.size() ? HexDigit(s[i + 2]) : -1;
    if (s[i] == '%' && hi >= 0 && lo >= 0) {
      out += static_cast<char>(hi * 16 + lo);
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}

std::string HiveDir(Hive hive, bool& mayCreate) {
  if (const char* dir = std::getenv("RODEMIR_REGISTRY_DIR"); dir && *dir) {
    mayCreate = true;
    return dir;
  }
  if (hive == Hive::LocalMachine) {
    mayCreate = false;
    return "/var/lib/rodemir/registry";
  }
  mayCreate = true;
  // Relative paths are ignored, as the XDG rules say: they would name the working folder.
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') return std::string(xdg) + "/rodemir";
  if (const char* home = std::getenv("HOME"); home && home[0] == '/') return std::string(home) + "/.config/rodemir";
  PlatformLog(kLog, "no folder for the user's hive: neither XDG_CONFIG_HOME nor HOME is an absolute path");
  return {};
}

std::string HiveName(Hive hive) {
  return hive == Hive::CurrentUser ? "HKEY_CURRENT_USER.reg" : "HKEY_LOCAL_MACHINE.reg";
}

bool MakeDirs(const std::string& dir) {
  for (size_t i = 1; i <= dir.size(); ++i) {
    if (i == dir.size() || dir[i] == '/') {
      std::string prefix = dir.substr(0, i);
      if (mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
  }
  return true;
}

HiveData Load(const std::string& file) {
  HiveData data;
  std::ifstream in(file);
  std::string line;
  Key* current = nullptr;
  while (std::getline(in, line)) {
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      std::string path = Decode(line.substr(1, line.size() - 2));
      current = &data[Fold(path)];
      current->path = path;
      continue;
    }
    size_t eq = line.find('=');
    size_t colon = line.find(':', eq);
    if (!current || eq == std::string::npos || colon == std::string::npos) continue;
    Value v;
    v.name = Decode(line.substr(0, eq));
    std::string kind = line.substr(eq + 1, colon - eq - 1);
    std::string payload = Decode(line.substr(colon + 1));
    if (kind == "dword") {
      DWORD d = static_cast<DWORD>(std::strtoul(payload.c_str(), nullptr, 10));
      v.type = REG_DWORD;
      v.data.assign(reinterpret_cast<const char*>(&d), 4);
    } else if (kind == "sz") {
      v.type = REG_SZ;
      v.data = payload;
    } else {
      v.type = static_cast<DWORD>(std::strtoul(kind.c_str(), nullptr, 10));
      v.data = payload;
    }
    current->values[Fold(v.name)] = v;
  }
  return data;
}

bool Save(const std::string& file, const HiveData& data) {
  std::ostringstream out;
  for (const auto& [folded, key] : data) {
    out << '[' << Encode(key.path) << "]\n";
    for (const auto& [vf, v] : key.values) {
      out << Encode(v.name) << '=';
      if (v.type == REG_DWORD && v.data.size() == 4) {
        DWORD d;
        std::memcpy(&d, v.data.data(), 4);
        out << "dword:" << d;
      } else if (v.type == REG_SZ) {
        out << "sz:" << Encode(v.data);
      } else {
        out << v.type << ':' << Encode(v.data);
      }
      out << '\n';
    }
  }
  std::string tmp = file + ".tmp." + std::to_string(getpid());
  int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) return false;
  std::string text = out.str();
  bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok && ::rename(tmp.c_str(), file.c_str()) != 0) ok = false;
  if (!ok) ::unlink(tmp.c_str());
  return ok;
}

// Holds the hive's file lock for one call; loads the hive, and saves it when asked.
class HiveSession {
public:
  HiveSession(Hive hive, bool write) {
    bool mayCreate = false;
    std::string dir = HiveDir(hive, mayCreate);
    if (dir.empty()) return;  // no folder: the hive reads empty and takes no writes
    m_file = dir + "/" + HiveName(hive);
    if (write && mayCreate) MakeDirs(dir);
    m_lockFd = ::open((m_file + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lockFd >= 0) ::flock(m_lockFd, write ? LOCK_EX : LOCK_SH);
    m_writable = write && m_lockFd >= 0;
    data = Load(m_file);
  }
  ~HiveSession() {
    if (m_lockFd >= 0) ::close(m_lockFd);
  }
  bool writable() const { return m_writable; }
  bool Commit() {
    if (!m_writable) return false;
    if (!Save(m_file, data)) {
      PlatformLog(kLog, "cannot write %s", m_file.c_str());
      return false;
    }
    return true;
  }
  HiveData data;

private:
  std::string m_file;
  int m_lockFd = -1;
  bool m_writable = false;
};

bool ResolveParent(HKEY hKey, Hive& hive, std::string& path) {
  if (hKey == HKEY_CURRENT_USER) {
    hive = Hive::CurrentUser;
    path.clear();
    return true;
  }
  if (hKey == HKEY_LOCAL_MACHINE) {
    hive = Hive::LocalMachine;
    path.clear();
    return true;
  }
  auto it = g_keys.find(reinterpret_cast<ULONG_PTR>(hKey));
  if (it == g_keys.end()) return false;
  hive = it->second.hive;
  path = it->second.path;
  return true;
}

std::string JoinPath(const std::string& parent, LPCWSTR sub) {
  std::string s = sub ? WideToUtf8(sub) : std::string();
  while (!s.empty() && s.back() == '\\') s.pop_back();
  if (parent.empty()) return s;
  if (s.empty()) return parent;
  return parent + "\\" + s;
}

// The open key behind a handle, when it grants `access`.
LONG FindOpenKey(HKEY hKey, REGSAM access, const OpenKey*& key) {
  auto it = g_keys.find(reinterpret_cast<ULONG_PTR>(hKey));
  if (it == g_keys.end()) return ERROR_INVALID_HANDLE;
  if (!(it->second.access & access)) return ERROR_ACCESS_DENIED;
  key = &it->second;
  return ERROR_SUCCESS;
}

std::string FoldedValueName(LPCWSTR name) { return Fold(name ? WideToUtf8(name) : std::string()); }

HKEY NewHandle(Hive hive, const std::string& path, REGSAM access) {
  ULONG_PTR id = (g_nextKey += 4);
  g_keys[id] = OpenKey{hive, path, access};
  return reinterpret_cast<HKEY>(id);
}

}  // namespace

LONG RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, LPWSTR, DWORD, REGSAM samDesired, void*, PHKEY phkResult,
                     LPDWORD lpdwDisposition) {
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  std::lock_guard<std::mutex> lock(g_mutex);
  Hive hive;
  std::string parent;
  if (!ResolveParent(hKey, hive, parent)) return ERROR_INVALID_HANDLE;
  std::string path = JoinPath(parent, lpSubKey);
  HiveSession session(hive, true);
  bool created = false;
  // Every level of the path becomes a key.
  for (size_t i = 0; i <= path.size(); ++i) {
    if (i != path.size() && path[i] != '\\') continue;
    std::string prefix = path.substr(0, i);
    if (prefix.empty()) continue;
    Key& k = session.data[Fold(prefix)];
    if (k.path.empty()) {
      k.path = prefix;
      created = true;
    }
  }
  if (created && !session.Commit()) return ERROR_ACCESS_DENIED;
  *phkResult = NewHandle(hive, path, samDesired);
  if (lpdwDisposition) *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  return ERROR_SUCCESS;
}

LONG RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  std::lock_guard<std::mutex> lock(g_mutex);
  Hive hive;
  std::string parent;
  if (!ResolveParent(hKey, hive, parent)) return ERROR_INVALID_HANDLE;
  std::string path = JoinPath(parent, lpSubKey);
  if (!path.empty()) {
    HiveSession session(hive, false);
    if (session.data.find(Fold(path)) == session.data.end()) return ERROR_FILE_NOT_FOUND;
  }
  *phkResult = NewHandle(hive, path, samDesired);
  return ERROR_SUCCESS;
}

LONG RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  std::lock_guard<std::mutex> lock(g_mutex);
  const OpenKey* open = nullptr;
  if (LONG error = FindOpenKey(hKey, KEY_QUERY_VALUE, open)) return error;
  HiveSession session(open->hive, false);
  auto key = session.data.find(Fold(open->path));
  if (key == session.data.end()) return ERROR_FILE_NOT_FOUND;
  auto val = key->second.values.find(FoldedValueName(lpValueName));
  if (val == key->second.values.end()) return ERROR_FILE_NOT_FOUND;
  std::string bytes = val->second.data;
  if (val->second.type == REG_SZ) {
    std::wstring wide = Utf8ToWide(bytes);
    wide.push_back(L'\0');
    bytes.assign(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
  }
  if (lpType) *lpType = val->second.type;
  if (!lpcbData) return lpData ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
  DWORD capacity = *lpcbData;
  *lpcbData = static_cast<DWORD>(bytes.size());
  if (!lpData) return ERROR_SUCCESS;
  if (capacity < bytes.size()) return ERROR_MORE_DATA;
  std::memcpy(lpData, bytes.data(), bytes.size());
  return ERROR_SUCCESS;
}

LONG RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData) {
  std::lock_guard<std::mutex> lock(g_mutex);
  const OpenKey* open = nullptr;
  if (LONG error = FindOpenKey(hKey, KEY_SET_VALUE, open)) return error;
  if (dwType == REG_DWORD && cbData != 4) return ERROR_INVALID_PARAMETER;
  if (cbData > 0 && !lpData) return ERROR_INVALID_PARAMETER;
  HiveSession session(open->hive, true);
  auto key = session.data.find(Fold(open->path));
  if (key == session.data.end()) return ERROR_FILE_NOT_FOUND;
  Value v;
  v.name = lpValueName ? WideToUtf8(lpValueName) : std::string();
  v.type = dwType;
  if (dwType == REG_SZ) {
    const wchar_t* text = reinterpret_cast<const wchar_t*>(lpData);
    size_t n = cbData / sizeof(wchar_t), len = 0;
    while (len < n && text[len] != 0) ++len;
    v.data = WideToUtf8(std::wstring(text, len));
  } else {
    v.data.assign(reinterpret_cast<const char*>(lpData), cbData);
  }
  key->second.values[Fold(v.name)] = v;
  return session.Commit() ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LONG RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName) {
  std::lock_guard<std::mutex> lock(g_mutex);
  const OpenKey* open = nullptr;
  if (LONG error = FindOpenKey(hKey, KEY_SET_VALUE, open)) return error;
  HiveSession session(open->hive, true);
  auto key = session.data.find(Fold(open->path));
  if (key == session.data.end() || key->second.values.erase(FoldedValueName(lpValueName)) == 0)
    return ERROR_FILE_NOT_FOUND;
  return session.Commit() ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LONG RegCloseKey(HKEY hKey) {
  std::lock_guard<std::mutex> lock(g_mutex);
  return g_keys.erase(reinterpret_cast<ULONG_PTR>(hKey)) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
