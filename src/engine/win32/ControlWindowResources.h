// Identifiers of the control window's panel controls (the end-to-end tests look them up).
#pragma once

#define IDC_STELS_TEXT 201      // Text1
#define IDC_STELS_FILTER 202    // chkFilter
#define IDC_STELS_REPLACE 203   // chkReplace
#define IDC_STELS_INSERT 204    // Command1
#define IDC_STELS_BROWSE 205    // cmdBrowse
#define IDC_STELS_PANEL 206     // Command3
#define IDC_STELS_REZUME 207    // cmdRezume
#define IDC_STELS_STATUS 208    // lblStatus
