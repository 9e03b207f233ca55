#pragma once
// The skin tables of the main window and its panels: the bitmaps each skinned button and
// slider shows, and each button's tooltip, applied in table order.
#include <initializer_list>

#include "platform/base/WinTypes.h"

class COktImageSlider;
class COktSkinButton;

// Skin bitmap ids of a button: normal, pressed, hover, disabled, focus.
struct SkinFaces {
  WORD normal, pressed, hover, disabled, focus;
};

// Skin bitmap ids of a slider: channel, filled channel, thumb, pressed thumb, focused thumb.
struct SliderFaces {
  WORD channel, filled, thumb, pressed, focus;
};

// The faces of the buttons whose look follows a state.
constexpr SkinFaces kPlayFaces{200, 202, 201, 200, 200};
constexpr SkinFaces kPauseFaces{197, 199, 198, 197, 197};
constexpr SkinFaces kShowMapFaces{280, 282, 281, 280, 280};
constexpr SkinFaces kHideMapFaces{158, 157, 159, 158, 158};
constexpr SkinFaces kLargeMapFaces{160, 163, 161, 160, 160};
constexpr SkinFaces kReduceMapFaces{502, 504, 503, 502, 502};

// The faces of a mute button: the main window's and the control bar's.
struct MuteFaces {
  SkinFaces muted, unmuted;
};
constexpr MuteFaces kMainMuteFaces{{220, 222, 221, 222, 220}, {223, 225, 224, 225, 223}};
constexpr MuteFaces kBarMuteFaces{{300, 302, 301, 302, 300}, {303, 305, 304, 305, 303}};

// The tooltip key of a button whose tooltip has no text.
inline constexpr wchar_t kEmptyTooltip[] = L"";

struct ButtonSkin {
  COktSkinButton* button;
  SkinFaces faces;
  const wchar_t* tooltipKey;  // null: no tooltip at all
};

struct SliderSkin {
  COktImageSlider* slider;
  SliderFaces faces;
};

void SetSkinFaces(COktSkinButton& button, const SkinFaces& faces);
void SetSliderFaces(COktImageSlider& slider, const SliderFaces& faces);

// Faces, an empty caption and the tooltip in the main window's language.
void SkinButtons(std::initializer_list<ButtonSkin> buttons);
void SkinSliders(std::initializer_list<SliderSkin> sliders);
