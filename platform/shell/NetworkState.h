#pragma once
// Whether the machine is online: RODEMIR_ONLINE ("0" or "1") when set, else the system's
// network monitor.
#include "platform/base/WinTypes.h"

constexpr DWORD INTERNET_CONNECTION_LAN = 0x02;
constexpr DWORD INTERNET_CONNECTION_OFFLINE = 0x20;

// Non-zero when a network is available; the flags (optional) say LAN or offline.
BOOL InternetGetConnectedState(LPDWORD lpdwFlags, DWORD dwReserved);
