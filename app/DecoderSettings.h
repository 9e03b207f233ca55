#pragma once
// The decoder pack's settings under HKEY_CURRENT_USER "Software\GNU\ffdshow": one decoder
// instance, H.264 decoding on, and the program's name on the pack's whitelist.
#include "platform/base/String.h"

// Writes the three settings when the key exists; creates nothing.
void UpdateDecoderSettings();
// Creates the key when missing, then writes the settings.
void RegisterDecoderSettings();
// The whitelist with the program's name added when it is not on it yet.
CString WhitelistWithProgram(const CString& stored);
