#include "player/PlayerLayout.h"

#include "player/PlayerStates.h"
#include "res/dialogs/PlayerTemplate.h"

namespace {

ControlPlace At(int id, int x, int y, int cx, int cy) { return {id, CRect(x, y, x + cx, y + cy)}; }

}  // namespace

std::vector<ControlPlace> NormalLayout(int nMapMode) {
  const int mapButtonsY = nMapMode == MAP_MODE_SMALL ? 441 : 639;
  return {
      At(IDC_BTN_INFORMATION, 901, 12, 37, 28),
      At(IDC_BTN_MINIMIZE, 937, 12, 36, 28),
      At(IDC_BTN_CLOSE, 973, 12, 37, 28),
      At(IDC_BTN_FRONT, 431, 53, 36, 22),
      At(IDC_BTN_REAR, 467, 53, 36, 22),
      At(IDC_BTN_ALL, 501, 53, 36, 22),
      At(IDC_BTN_ROTATE, 543, 53, 36, 22),
      At(IDC_BTN_REVERSE, 579, 53, 34, 22),
      At(IDC_BTN_CAPTURE, 613, 53, 34, 22),
      At(IDC_BTN_EXTEND, 647, 53, 36, 22),
      At(IDC_BTN_SPLIT, 835, 53, 36, 22),
      At(IDC_BTN_FOLDER, 871, 53, 36, 22),
      At(IDC_BTN_CALENDAR, 907, 53, 36, 22),
      At(IDC_BTN_SAVE, 940, 53, 34, 22),
      At(IDC_BTN_DELETE, 974, 53, 36, 22),
      At(IDC_BTN_CHECKALL, 963, 107, 39, 19),
      At(IDC_LBL_ELAPSED, 40, 494, 50, 13),
      At(IDC_LBL_DURATION, 364, 494, 50, 13),
      At(IDC_LBL_FILENAME, 121, 57, 290, 15),
      At(IDC_BTN_FILE_ALL, 695, 78, 81, 29),
      At(IDC_BTN_FILE_NORMAL, 776, 78, 81, 29),
      At(IDC_BTN_FILE_EVENT, 857, 78, 81, 29),
      At(IDC_BTN_FILE_MOTION, 938, 78, 82, 29),
      At(IDC_BTN_REWIND, 450, 475, 36, 28),
      At(IDC_BTN_FORWARD, 486, 475, 37, 28),
      At(IDC_BTN_PLAY, 535, 475, 37, 28),
      At(IDC_BTN_PREV, 584, 475, 36, 28),
      At(IDC_BTN_NEXT, 620, 475, 37, 28),
      At(IDC_BTN_LARGEMAP, 937, mapButtonsY, 36, 22),
      At(IDC_BTN_SHOWMAP, 973, mapButtonsY, 37, 22),
      At(IDC_BTN_SPEEDICON, 450, 544, 22, 16),
      At(IDC_BTN_MUTE, 450, 581, 22, 16),
      At(IDC_BTN_BRIGHTNESSICON, 450, 617, 22, 21),
      At(IDC_SLIDER_SEEK, 30, 474, 391, 20),
      At(IDC_SLIDER_SPEED, 477, 544, 179, 15),
      At(IDC_SLIDER_VOLUME, 477, 582, 179, 15),
      At(IDC_SLIDER_BRIGHTNESS, 477, 620, 179, 15),
  };
}
