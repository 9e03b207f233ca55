#include "player/FileCommandNames.h"

CString MakeCaptureName(const CString& recordingName, LONGLONG positionMs, int videoStreams) {
  CString head = recordingName.Left(15);
  CString camera = recordingName.GetLength() > 21 ? CString(recordingName.GetAt(21)) : CString();
  CString name;
  name.Format(videoStreams > 1 ? L"%s_IMG_C%s_%lld_front.jpg" : L"%s_IMG_C%s_%lld.jpg", head.GetString(),
              camera.GetString(), static_cast<long long>(positionMs));
  return name;
}

CaptureTarget SplitChosenCapturePath(const CString& chosenPath) {
  CString path = chosenPath;
  int slash = path.ReverseFind(L'/');
  int dot = path.ReverseFind(L'.');
  if (dot > slash && path.Mid(dot + 1).CompareNoCase(L"jpg") == 0) path = path.Left(dot);
  slash = path.ReverseFind(L'/');
  if (slash < 0) return {CString(), path};
  // A file straight under the root keeps "/" as its folder.
  return {slash == 0 ? CString(L"/") : path.Left(slash), path.Mid(slash + 1)};
}

CString RearCaptureTitle(const CString& frontTitle) {
  CString rear = frontTitle;
  if (rear.Replace(L"front", L"rear") == 0) rear += L"_rear";
  return rear;
}

CString CopyDestination(const CString& folder, const CString& recordingName, const CString& sourcePath) {
  CString destination;
  destination.Format(L"%s/%s%s", folder.GetString(), recordingName.Left(recordingName.GetLength() - 4).GetString(),
                     sourcePath.Right(4).GetString());
  return destination;
}

DeleteQuestion ChooseDeleteQuestion(int checkedRows, bool playingRowChecked) {
  if (checkedRows <= 0) return DeleteQuestion::None;
  if (!playingRowChecked) return DeleteQuestion::Ask;
  return checkedRows == 1 ? DeleteQuestion::RefusePlaying : DeleteQuestion::AskWithPlaying;
}
