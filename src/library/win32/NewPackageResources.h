// Identifiers of the new-package dialog frmNew and of the recording tip frmFuture (FrmNew.rc).
// The buttons OK and Cancel of both are IDOK and IDCANCEL, so that Enter and Esc work as usual.
#pragma once

#define IDD_NEW 200
#define IDD_FUTURE 201

// frmNew, frame1 (tab 1).
#define IDC_NEW_TABS 1201          // TabStrip1
#define IDC_NEW_FILENAME 1202      // chkFileName
#define IDC_NEW_PATH 1203          // txtAdressExe
#define IDC_NEW_BROWSE 1204        // cmdBrowse
#define IDC_NEW_NAMELABEL 1205     // Label1
#define IDC_NEW_NAME 1206          // txtNameExe
#define IDC_NEW_DESCLABEL 1207     // Label3
#define IDC_NEW_DESCRIPTION 1208   // txtDescription
#define IDC_NEW_LEFT 1209          // Label4: characters left
#define IDC_NEW_CMDLABEL 1210      // lblComandLine
#define IDC_NEW_COMMANDLINE 1211   // txtComandLine
#define IDC_NEW_AUTOREPLACE 1212   // chkAutoReplace
// frame2 (tab 2).
#define IDC_NEW_NEEDREBOOT 1213    // chkNeedReboot
#define IDC_NEW_CREATEREBOOT 1214  // chkCreateReboot
#define IDC_NEW_SPEEDLABEL 1215    // Label5
#define IDC_NEW_SPEED 1216         // cmbLocalSpeed
#define IDC_NEW_DEFSELECT 1217     // chkDefSelect
#define IDC_NEW_NEEDWAIT 1218      // chkNeedWait
// Below the tabs.
#define IDC_NEW_CREATEDATE 1219    // lblCreateDate

// frmFuture.
#define IDC_FUTURE_ICON 1301
#define IDC_FUTURE_RUN 1302        // Future 2..4: the three hints
#define IDC_FUTURE_PAUSE 1303
#define IDC_FUTURE_STOP 1304
#define IDC_FUTURE_NOMORE 1305     // "не &показывать больше"
