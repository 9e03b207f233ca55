#pragma once
// The templates of the full window's control bar (283), top bar (284) and file-list panel
// (291), with their control ids.
#include "platform/base/WinTypes.h"

constexpr UINT IDD_CONTROL_PANEL = 283;
constexpr UINT IDD_CONTROL_TOP = 284;
constexpr UINT IDD_CONTROL_FILELIST = 291;

// Control bar.
constexpr int IDC_PANEL_SLIDER_SEEK = 1067;
constexpr int IDC_PANEL_REWIND = 1071;
constexpr int IDC_PANEL_FORWARD = 1072;
constexpr int IDC_PANEL_PLAY = 1073;
constexpr int IDC_PANEL_PREV = 1074;
constexpr int IDC_PANEL_NEXT = 1075;
constexpr int IDC_PANEL_MUTE = 1076;
constexpr int IDC_PANEL_SLIDER_VOLUME = 1077;
constexpr int IDC_PANEL_INFORMATION = 1078;
constexpr int IDC_PANEL_ELAPSED = 1079;
constexpr int IDC_PANEL_DURATION = 1080;
constexpr int IDC_PANEL_FILELIST = 1081;

// Top bar.
constexpr int IDC_TOP_REDUCE = 1081;
constexpr int IDC_TOP_FILENAME = 1082;
constexpr int IDC_TOP_FRONT = 1100;
constexpr int IDC_TOP_REAR = 1101;
constexpr int IDC_TOP_ALL = 1102;
constexpr int IDC_TOP_ROTATE = 1103;
constexpr int IDC_TOP_REVERSE = 1104;

// File-list panel.
constexpr int IDC_FILELIST_LIST = 1083;
constexpr int IDC_FILELIST_ALL = 1084;
constexpr int IDC_FILELIST_NORMAL = 1085;
constexpr int IDC_FILELIST_EVENT = 1086;
constexpr int IDC_FILELIST_MOTION = 1087;
constexpr int IDC_FILELIST_CALENDAR = 1088;
constexpr int IDC_FILELIST_SAVE = 1089;
constexpr int IDC_FILELIST_DELETE = 1090;
constexpr int IDC_FILELIST_FOLDER = 1091;
constexpr int IDC_FILELIST_CHECKALL = 1099;

// Registers the three templates with the window layer; later calls do nothing.
void RegisterPanelTemplates();
