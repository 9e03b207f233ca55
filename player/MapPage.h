#pragma once
// The map page beside the program: its address, and the position text it is sent.
#include "media/TextData.h"
#include "platform/base/String.h"
#include "platform/base/Sync.h"
#include "platform/base/WinTypes.h"

// The zoom level every position is drawn at.
constexpr int MAP_ZOOM_LEVEL = 9;

// `programFolder` (ending in its separator) + "MapView.htm?language=" + ja, ru, ko or en.
CString BuildMapPageAddress(const CString& programFolder, WORD langID);
// The page beside the program, in the main window's language.
CString MapPageAddress();

// The first sample, in array order, whose time is at or after `time`; -1 for none.
INT_PTR FindMapSample(const CArray<CGPSData, CGPSData&>& samples, UINT time);
// A position the page can place: both values finite, the latitude within 90 and the
// longitude within 180 degrees, and not both zero (a receiver without a fix writes zeros).
bool IsMapPosition(double latitude, double longitude);
// The sample to mark at `time`, read inside `cs`: false when there is none, when it is
// not valid or when its position is not one the page can place.
bool MapSampleAt(const CTextData& data, CCriticalSection& cs, UINT time, CGPSData& sample);
// "javascript:DrawCurrent('<coord2>', '<coord1>','<zoom>')", six digits after a '.'
// whatever the locale: a ',' would split a value in two.
CString DrawCurrentScript(double coord2, double coord1, int zoom);
