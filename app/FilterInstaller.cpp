#include "app/FilterInstaller.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/base/Handle.h"
#include "platform/media/FilterElements.h"
#include "platform/media/PluginInstaller.h"
#include "platform/shell/Process.h"
#include "platform/win/WindowStyles.h"

namespace {

constexpr const char* kAptGet = "/usr/bin/apt-get";

struct ElementPackage {
  const char* element;
  const char* package;
};

constexpr ElementPackage kPackages[] = {
    {"avdec_h264", "gstreamer1.0-libav"},       {"avdec_aac", "gstreamer1.0-libav"},
    {"h264parse", "gstreamer1.0-plugins-bad"},  {"faad", "gstreamer1.0-plugins-bad"},
    {"fdkaacdec", "gstreamer1.0-plugins-bad"},  {"videobalance", "gstreamer1.0-plugins-good"},
    {"videoflip", "gstreamer1.0-plugins-good"},
};

// Runs the program hidden and waits for it; false when it could not be started.
bool RunAndWait(const std::wstring& program, const std::wstring& parameters, DWORD* exitCode) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.lpFile = program.c_str();
  info.lpParameters = parameters.c_str();
  info.nShow = SW_HIDE;
  if (!ShellExecuteExW(&info) || !info.hProcess) return false;
  WaitForSingleObject(info.hProcess, INFINITE);
  GetExitCodeProcess(info.hProcess, exitCode);
  CloseHandle(info.hProcess);
  return true;
}

// pkexec asks for the administrator's password before it runs anything.
int InstallThroughPackageManager(const std::vector<std::string>& elements) {
  std::vector<std::string> packages = DebianPackagesFor(elements);
  if (packages.empty() || !std::filesystem::exists(kAptGet)) return kNoWayToInstall;
  DWORD status = 1;
  if (!RunAndWait(PackageManagerProgram(), PackageManagerParameters(packages), &status)) return kNoWayToInstall;
  return status == 0 ? kFiltersPresent : kFiltersStillMissing;
}

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& n : names) text += (text.empty() ? "" : " ") + n;
  return text;
}

}  // namespace

std::vector<std::string> DebianPackagesFor(const std::vector<std::string>& elements) {
  std::vector<std::string> packages;
  for (const std::string& element : elements) {
    for (const ElementPackage& p : kPackages) {
      if (element == p.element && std::find(packages.begin(), packages.end(), p.package) == packages.end())
        packages.push_back(p.package);
    }
  }
  return packages;
}

std::wstring PackageManagerProgram() { return L"pkexec"; }

std::wstring PackageManagerParameters(const std::vector<std::string>& packages) {
  std::wstring line = std::wstring(kAptGet, kAptGet + std::char_traits<char>::length(kAptGet)) + L" install -y";
  for (const std::string& p : packages) line += L" " + std::wstring(p.begin(), p.end());
  return line;
}

// Whatever route was taken, success is the elements being there afterwards.
int InstallMissingFilters() {
  std::vector<std::string> missing = platform::MissingFilterElements();
  if (missing.empty()) return kFiltersPresent;
  std::fprintf(stderr, "NIMBFilter: missing %s\n", Joined(missing).c_str());
  platform::PluginInstall desktop = platform::InstallElementsThroughDesktop(missing);
  int result = desktop == platform::PluginInstall::NoInstaller ? InstallThroughPackageManager(missing)
               : desktop == platform::PluginInstall::Installed ? kFiltersPresent
                                                               : kFiltersStillMissing;
  if (result == kNoWayToInstall) {
    std::fputs("NIMBFilter: no plugin installer and no privilege prompt on this desktop\n", stderr);
    return result;
  }
  platform::RescanMediaElements();
  missing = platform::MissingFilterElements();
  if (missing.empty()) return kFiltersPresent;
  std::fprintf(stderr, "NIMBFilter: still missing %s\n", Joined(missing).c_str());
  return kFiltersStillMissing;
}
