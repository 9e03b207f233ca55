#pragma once
// The usage markers: the constructors of the player facade and the skinned controls record, as a DWORD 1 under the
// machine's "SOFTWARE\Oktavine" key, that its class is in use. Nothing reads them back,
// and an account that cannot write the machine hive simply leaves none.
#include "platform/base/WinTypes.h"

void WriteUsageMarker(LPCWSTR lpszValueName);
