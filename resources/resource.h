// Resource ids of the program: dialogs, menus, icons, strings, controls and commands.
// Plain macros so that both the resource compiler and C++ code can read them.
#ifndef HALVERTONE_RESOURCES_RESOURCE_H
#define HALVERTONE_RESOURCES_RESOURCE_H

// Dialogs
#define IDD_ABOUTBOX 100
#define IDD_HALVERTONE_DIALOG 102
#define IDD_DRAW_TOOLBAR 162
#define IDD_LINE_WIDTH 177
#define IDD_CHECK_ENVIRONMENT 186
#define IDD_PROJECTION_DISTANCE 189
#define IDD_MOUSE_MODE 190
#define IDD_PROJECTION_METHOD 192
#define IDD_CAMERA_CHOICE 193
#define IDD_CAMERA_VIEW 194

// Icons, menus, strings
#define IDR_MAINFRAME 128
#define IDR_TRAY_MENU 152
#define IDR_PEN_MENUS 172
#define IDP_OLE_INIT_FAILED 100

// About box
#define IDC_ABOUT_VERSION 1087
#define IDC_ABOUT_COPYRIGHT 1088
#define IDC_ABOUT_CALIBRATION 1091

// Main window
#define IDC_VIDEO_AREA 1075
#define IDC_STATUS_LINE 1076

// Drawing toolbar
#define IDC_PEN_WIDTH 1078
#define IDC_PEN_COLOR 1079
#define IDC_CLEAN_SCREEN 1080
#define IDC_SCREEN_CAPTURE 1081
#define IDC_REDRAW_SCREEN 1082
#define IDC_SOFT_KEYBOARD 1083
#define IDC_SIDE 1085
#define IDC_MOUSE 1086
#define IDC_PEN 1087
#define IDC_ERASER 1088
#define IDC_BOARD 1090

// Line-width dialog
#define IDC_LINE_SLIDER 1079
#define IDC_LINE_VALUE 1080

// Projection set-up dialogs
#define IDC_CHECKENV_TEXT 1089
#define IDC_DISTANCE_GROUP 1092
#define IDC_DISTANCE_HIGH 1093
#define IDC_DISTANCE_MIDDLE 1094
#define IDC_DISTANCE_LOW 1095
#define IDC_MOUSE_MODE_GROUP 1096
#define IDC_MOUSE_MODE_YES 1097
#define IDC_MOUSE_MODE_NO 1098
#define IDC_MOUSE_MODE_NOTICE 1099
#define IDC_METHOD_DESKTOP 1114
#define IDC_METHOD_CEILING 1115
#define IDC_METHOD_MESSAGE 1118

// Camera choice
#define IDC_CAMERA_LIST 1120
#define IDC_CAMERA_PROMPT 1121

// Menu and application commands
#define ID_SHOW_MAIN_WINDOW 32771
#define ID_EXIT 32773
#define ID_CALIBRATION 32788
#define ID_PEN_TRANSPARENCY 32793
#define ID_PEN_CUSTOM_COLOR 32795
#define ID_PEN_CUSTOM_LINE 32796
#define ID_ABOUT 32798
#define ID_THRESHOLD_HIGH 32800
#define ID_THRESHOLD_MIDDLE 32801
#define ID_THRESHOLD_LOW 32802
#define ID_OPERATION_MODE_ON 32803
#define ID_OPERATION_MODE_OFF 32804
#define ID_PROJECTION_DISTANCE 32805
#define ID_MOUSE_MODE 32806
#define ID_CAMERA_CHOICE 32808
#define ID_CAMERA_VIEW 32809

// Owner-drawn pen menu items inserted at run time: 16 colours, then 5 widths.
#define ID_PEN_COLOR_FIRST 106
#define ID_PEN_COLOR_LAST 121
#define ID_PEN_WIDTH_FIRST 122
#define ID_PEN_WIDTH_LAST 126

// The system-menu item that opens the About box.
#define IDM_ABOUTBOX 0x0010

#endif  // HALVERTONE_RESOURCES_RESOURCE_H
