#pragma once
// Names and messages of the capture, copy and delete commands.
#include "platform/base/String.h"
#include "platform/base/WinTypes.h"

// The name the capture dialog proposes: the first 15 characters of the recording's
// name, its character 21 (the camera digit) and the position in milliseconds; two-camera
// recordings get "_front" before the extension.
CString MakeCaptureName(const CString& recordingName, LONGLONG positionMs, int videoStreams);

// Splits the path chosen in the capture dialog into its folder and a title without a
// ".jpg" extension (any letter case); other extensions stay part of the title.
struct CaptureTarget {
  CString folder;
  CString title;
};
CaptureTarget SplitChosenCapturePath(const CString& chosenPath);

// The title of the rear still: "front" becomes "rear"; a title without "front" gains
// "_rear", so the rear still never replaces the front one.
CString RearCaptureTitle(const CString& frontTitle);

// Where a copied recording goes: its own name in the chosen folder.
CString CopyDestination(const CString& folder, const CString& recordingName, const CString& sourcePath);

// What Delete asks before it deletes the checked rows.
enum class DeleteQuestion {
  None,            // nothing checked
  RefusePlaying,   // only the playing recording is checked: say so, delete nothing
  AskWithPlaying,  // the playing recording and others: say so and ask about the others
  Ask,             // ask
};
DeleteQuestion ChooseDeleteQuestion(int checkedRows, bool playingRowChecked);
