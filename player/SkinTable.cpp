#include "player/SkinTable.h"

#include "app/LangStringTable.h"
#include "skin/OktImageSlider.h"
#include "skin/OktSkinButton.h"

void SetSkinFaces(COktSkinButton& button, const SkinFaces& faces) {
  button.SetBitmaps(faces.normal, faces.pressed, faces.hover, faces.disabled, faces.focus);
}

void SetSliderFaces(COktImageSlider& slider, const SliderFaces& faces) {
  slider.SetBitmaps(faces.channel, faces.filled, faces.thumb, faces.pressed, faces.focus);
}

void SkinButtons(std::initializer_list<ButtonSkin> buttons) {
  CLangStringTable table;
  for (const ButtonSkin& skin : buttons) {
    SetSkinFaces(*skin.button, skin.faces);
    skin.button->SetWindowText(L"");
    if (skin.tooltipKey) skin.button->SetTooltipText(*skin.tooltipKey ? table.GetString(skin.tooltipKey) : CString());
  }
}

void SkinSliders(std::initializer_list<SliderSkin> sliders) {
  for (const SliderSkin& skin : sliders) SetSliderFaces(*skin.slider, skin.faces);
}
