#pragma once
// The templates of the drive chooser (130) and the day chooser (316) and their control ids.
#include "platform/base/WinTypes.h"

constexpr UINT IDD_SELECT_DRIVE = 130;
constexpr UINT IDD_SELECT_MONTH = 316;

constexpr int IDC_COMBO_DRIVE = 1024;
constexpr int IDC_MONTHCALENDAR = 1094;
constexpr int IDC_STATIC_DRIVE = 1095;
constexpr int IDC_STATIC_SELECT = 1096;

// Registers both templates with the window layer; later calls do nothing.
void RegisterChooserTemplates();
