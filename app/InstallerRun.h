#pragma once
// The decoder check's run of the installer: started hidden from the program's own folder
// only, and waited for with the window's messages flowing, so that an installer asking the
// user (the desktop's installer, the privilege prompt) gets all the time a person needs.
#include "platform/base/String.h"
#include "platform/base/WinTypes.h"

enum class InstallerRun { NotStarted, Ended, StillRunning };

// Runs the installer at `path` and waits at most `boundMs` for it to end. Once it ended, the
// installed decoders are read again so that the next check sees what it brought. One still
// running at the bound is left alone: stopping it could break an installation half-way.
InstallerRun RunFilterInstaller(const CString& path, DWORD boundMs);
