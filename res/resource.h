#pragma once

// Resource, control and command ids of the program.

#include "portable/win_types.h"
#include "res/version.h"

// The main window's caption, which tests and tools find it by.
inline constexpr char kMainCaption[] = "SDOF System Natural Frequency,  version " RESONIX_VERSION;

// Dialogs.
inline constexpr UINT IDD_ABOUTBOX = 100;
inline constexpr UINT IDD_MOTION_DIALOG = 102;
inline constexpr UINT IDD_ROTATION = 131;
inline constexpr UINT IDD_TRANSLATION = 132;

// Strings, icons, bitmaps and system-menu commands.
inline constexpr UINT IDS_ABOUTBOX = 101;
inline constexpr UINT IDR_MAINFRAME = 128;
inline constexpr UINT IDB_ABOUT = 130;
inline constexpr UINT IDM_ABOUTBOX = 0x0010;  // the four low bits are the platform's: keep them clear

// Main window.
inline constexpr int IDC_MOTION_LIST = 1000;

// About box.
inline constexpr int IDC_WEBLINK = 1001;

// Translation window.
inline constexpr int IDC_TRA_ANALYSIS = 1002;
inline constexpr int IDC_TRA_ANALYSIS_GROUP = 1003;
inline constexpr int IDC_TRA_INPUT1_LABEL = 1007;
inline constexpr int IDC_TRA_INPUT2_LABEL = 1008;
inline constexpr int IDC_TRA_INPUT1 = 1009;
inline constexpr int IDC_TRA_INPUT2 = 1010;
inline constexpr int IDC_TRA_UNITS1 = 1011;
inline constexpr int IDC_TRA_UNITS2 = 1012;
inline constexpr int IDC_TRA_INPUT_GROUP = 1013;
inline constexpr int IDC_TRA_RESULTS_GROUP = 1022;
inline constexpr int IDC_TRA_RESULTS = 1024;
inline constexpr int IDC_TRA_RESULTS_TITLE = 1028;
inline constexpr int IDC_TRA_DEFLECTION = 1029;
inline constexpr int IDC_TRA_DEFLECTION_LABEL = 1030;

// Rotation window.
inline constexpr int IDC_ROT_ANALYSIS = 1004;
inline constexpr int IDC_ROT_ANALYSIS_GROUP = 1005;
inline constexpr int IDC_ROT_CALC_LABEL = 1006;
inline constexpr int IDC_ROT_INPUT_GROUP = 1014;
inline constexpr int IDC_ROT_INPUT1_LABEL = 1015;
inline constexpr int IDC_ROT_INPUT2_LABEL = 1016;
inline constexpr int IDC_ROT_INPUT1 = 1017;
inline constexpr int IDC_ROT_UNITS1 = 1018;
inline constexpr int IDC_ROT_INPUT2 = 1019;
inline constexpr int IDC_ROT_UNITS2 = 1020;
inline constexpr int IDC_ROT_RESULTS = 1021;
inline constexpr int IDC_ROT_RESULTS_GROUP = 1026;
inline constexpr int IDC_ROT_RESULTS_TITLE = 1027;
