#pragma once
// GStreamer's missing-plugin installer, where the desktop has one: a helper program that
// finds the distribution's packages holding the named elements and installs them after
// asking the user.
#include <string>
#include <vector>

namespace platform {

enum class PluginInstall { Installed, NoInstaller, NotFound, Refused, Failed };

// Runs the desktop's installer for `elements` and waits until it ends.
PluginInstall InstallElementsThroughDesktop(const std::vector<std::string>& elements);

// Reads the installed plugins again, so that elements installed since the start count.
void RescanMediaElements();

}  // namespace platform
