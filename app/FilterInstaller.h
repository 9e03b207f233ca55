#pragma once
// The decoder installer "NIMBFilter": installs the distribution's packages that hold the
// missing decoder elements, through the desktop's missing-plugin installer where there is
// one, else through the package manager behind the desktop's privilege prompt. Both ask
// the user before anything is installed.
#include <string>
#include <vector>

// Exit statuses of the installer.
constexpr int kFiltersPresent = 0;       // nothing was missing, or everything is installed now
constexpr int kFiltersStillMissing = 1;  // refused, failed, or the packages did not bring them
constexpr int kNoWayToInstall = 2;       // neither an installer nor the privilege prompt exists

// The Debian packages that hold the elements, each once, in the order of first need;
// elements no package is known for are left out.
std::vector<std::string> DebianPackagesFor(const std::vector<std::string>& elements);

// The program and its parameter line that install the packages behind the prompt.
std::wstring PackageManagerProgram();
std::wstring PackageManagerParameters(const std::vector<std::string>& packages);

int InstallMissingFilters();
