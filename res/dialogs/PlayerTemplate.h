#pragma once
// The main window's template (102), its control ids, its accelerator table (499) and the
// commands the table sends.
#include "platform/base/WinTypes.h"

constexpr UINT IDD_TAVRENPLAYER_DIALOG = 102;
constexpr UINT IDR_MAINFRAME = 128;  // the main icon
constexpr UINT IDR_ACCELERATOR = 499;

constexpr UINT ID_ACCEL_PREVFILE = 32773;
constexpr UINT ID_ACCEL_NEXTFILE = 32774;

constexpr int IDC_BTN_MINIMIZE = 1000;
constexpr int IDC_BTN_CLOSE = 1001;
constexpr int IDC_BTN_INFORMATION = 1002;
constexpr int IDC_BTN_CALENDAR = 1003;
constexpr int IDC_BTN_SAVE = 1004;
constexpr int IDC_BTN_DELETE = 1005;
constexpr int IDC_BTN_ROTATE = 1006;
constexpr int IDC_BTN_CAPTURE = 1007;
constexpr int IDC_BTN_EXTEND = 1008;
constexpr int IDC_BTN_FILE_ALL = 1009;
constexpr int IDC_BTN_FILE_NORMAL = 1010;
constexpr int IDC_BTN_FILE_EVENT = 1011;
constexpr int IDC_BTN_FILE_MOTION = 1012;
constexpr int IDC_BTN_REWIND = 1013;
constexpr int IDC_BTN_FORWARD = 1014;
constexpr int IDC_BTN_PLAY = 1015;
constexpr int IDC_BTN_PREV = 1016;
constexpr int IDC_BTN_NEXT = 1017;
constexpr int IDC_BTN_LARGEMAP = 1018;
constexpr int IDC_BTN_SHOWMAP = 1019;
constexpr int IDC_SLIDER_SEEK = 1020;
constexpr int IDC_SLIDER_SPEED = 1021;
constexpr int IDC_SLIDER_VOLUME = 1022;
constexpr int IDC_SLIDER_BRIGHTNESS = 1023;
constexpr int IDC_LBL_DURATION = 1024;
constexpr int IDC_LBL_ELAPSED = 1025;
constexpr int IDC_BTN_MUTE = 1026;
constexpr int IDC_BTN_REVERSE = 1027;
constexpr int IDC_BTN_FRONT = 1028;
constexpr int IDC_LIST_FILES = 1029;
constexpr int IDC_BTN_REAR = 1030;
constexpr int IDC_BTN_ALL = 1031;
constexpr int IDC_BTN_SPEEDICON = 1032;
constexpr int IDC_BTN_BRIGHTNESSICON = 1033;
constexpr int IDC_BTN_SPLIT = 1034;
constexpr int IDC_MAP = 1068;
constexpr int IDC_LBL_FILENAME = 1069;
constexpr int IDC_BTN_FOLDER = 1092;
constexpr int IDC_BTN_CHECKALL = 1093;

// Registers the template, the accelerator table and the application title with the window
// layer; later calls do nothing.
void RegisterPlayerResources();
