#pragma once
// The templates of the card information window (492) and the splitter (508) and their
// control ids.
#include "platform/base/WinTypes.h"

constexpr UINT IDD_INFORMATION = 492;
constexpr UINT IDD_SPLIT = 508;

constexpr int IDC_BTN_INFO_CLOSE = 1105;
constexpr int IDC_SPLIT_FILENAME = 1106;
constexpr int IDC_SPLIT_FRONT = 1107;
constexpr int IDC_SPLIT_REAR = 1108;
constexpr int IDC_SPLIT_PROGRESS = 1110;

// Registers both templates with the window layer; later calls do nothing.
void RegisterCardTemplates();
