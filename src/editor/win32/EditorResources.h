// Identifiers of the batch editor window frmWizardPack and its path dialog frmEditPath (FrmWizardPack.rc).
#pragma once

#define IDD_WIZARDPACK 220

#define IDC_WP_FOLDERFRAME 1500    // Frame1
#define IDC_WP_FOLDER 1501         // Text1
#define IDC_WP_BROWSE 1502         // Command2 "..."
#define IDC_WP_AUTOREPLACE 1503    // chkReplace
#define IDC_WP_LIST 1504           // ListView1
#define IDC_WP_FINDFRAME 1505      // frmFind
#define IDC_WP_FINDLABEL 1506      // lblFind
#define IDC_WP_FIND 1507           // txtFind
#define IDC_WP_REPLACELABEL 1508   // lblReplace
#define IDC_WP_REPLACE 1509        // txtReplace
#define IDC_WP_RUNREPLACE 1510     // cmdReplace
#define IDC_WP_STATSFRAME 1511     // Frame4
#define IDC_WP_TOTALLABEL 1512     // Label1
#define IDC_WP_TOTAL 1513          // lblPAll
#define IDC_WP_CHANGEDLABEL 1514   // Label3
#define IDC_WP_CHANGED 1515        // lblPChn
#define IDC_WP_TOSAVELABEL 1516    // Label4
#define IDC_WP_TOSAVE 1517         // lblPSvd
#define IDC_WP_SAVEFRAME 1518      // Frame2
#define IDC_WP_HINT 1519           // Label2
#define IDC_WP_SAVE 1520           // Command1
#define IDC_WP_PROGRESS 1521       // prbSave
#define IDC_WP_STATUS 1522         // stBar

#define IDD_EDITPATH 221
#define IDC_EP_FRAME 1530          // the frame "Имя исполняемого файла"
#define IDC_EP_PATH 1531           // txtPath
#define IDC_EP_BROWSE 1532         // cmdBrowse "..."
