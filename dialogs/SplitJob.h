#pragma once
// What the splitter works out before it starts the converter: the recording, the output
// files and the converter's parameter lines.
#include "platform/base/String.h"
#include "platform/win/ListCtrl.h"

enum class SplitCamera { Front, Rear };

// The first row whose check column reads "1", or -1.
int FirstCheckedRow(const CListCtrl& list);

// A two-camera recording's name has "2" just before its last ".".
bool IsTwoCameraName(const CString& name);

// `folder` + "/" + `name` up to its last "." + "_Front.avi" or "_Rear.avi".
CString SplitOutputFile(const CString& folder, const CString& name, SplitCamera camera);

// The converter's parameters: the camera's video stream and the sound, copied unchanged
// from `input` into `output`, which is overwritten.
CString SplitParameters(SplitCamera camera, const CString& input, const CString& output);

// A path holding '"' would end its quotes early and give the converter other arguments.
bool FitsParameterLine(const CString& path);
