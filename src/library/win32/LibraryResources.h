// Identifiers of the main window's controls and commands. The end-to-end tests send these commands
// and look these controls up, so they do not change.
#pragma once

// Controls of frmMain.
#define IDC_MAIN_TOOLBAR 100     // Toolbar1
#define IDC_MAIN_FRAME 101       // Frame1
#define IDC_MAIN_FOLDER 102      // Text1
#define IDC_MAIN_BROWSE 103      // Command2 "..."
#define IDC_MAIN_LIST 104        // LV1
#define IDC_MAIN_MOVEUP 105      // cmdMoveUp
#define IDC_MAIN_MOVEDOWN 106    // cmdMoveDown
#define IDC_MAIN_STATUS 107      // statusBar

// Menu "Файл".
#define IDM_ADD_FOLDER 1001      // mnuAddFolderVGP
#define IDM_RELOAD 1002          // mnuReloadFolder
#define IDM_NEW_INSTALL 1003     // mnuNewInstall
#define IDM_EXIT 1004            // mnuExit
#define IDM_WIZARD_PACK 1005     // mnuWizardPack
#define IDM_ISO 1006             // mnuIso
// Menu "Правка".
#define IDM_SELECT_ALL 1010      // mnuSelectAll
#define IDM_UNSELECT_ALL 1011    // mnuUnselectAll
#define IDM_INVERT_SEL 1012      // mnuInvertSel
#define IDM_DEL_SELECT 1013      // mnuDelSelect
#define IDM_PROPERTY 1014        // mnuProperty, toolbar button 4
// Menu "Вид".
#define IDM_TOPMOST 1020         // mnuTopMost
// Menu "Сервис".
#define IDM_RUN_SELECT 1030      // mnuRunSelect
#define IDM_RUN_ALL 1031         // mnuRunAll
#define IDM_CONTROL_PANEL 1032   // mnuControlPanel
#define IDM_ADD_REMOVE 1033      // mnuCplAddInstall
#define IDM_ASOC 1034            // mnuAsoc
#define IDM_PORTABLE 1035        // mnuPortable
#define IDM_SPEED_FIRST 1040     // mnuSpd items 0..2
#define IDM_LANGUAGE_FIRST 1050  // mnuSubLang item 0 ("Русский"), then one per language file
#define IDM_LANGUAGE_LAST 1099
// Menu "Помощь".
#define IDM_HELP_CHM 1400        // mnuHelpCHM, F1, toolbar button 7
#define IDM_LETTER 1401          // mnuLetter
#define IDM_SITE 1402            // mnuSite
#define IDM_FAQ 1403             // mnuFAQ
#define IDM_ABOUT 1404           // mnuAbout
#define IDM_CHECK_UPDATE 1405    // mnuCheckUpdate, toolbar button 8
// Context menu mnuPopup.
#define IDM_NEW_INSTALL2 1100
#define IDM_RUN_SELECT2 1101
#define IDM_SEL_ITEM2 1102
#define IDM_UNSELECT_ONE2 1103
#define IDM_SELECT_ALL2 1104
#define IDM_UNSELECT_ALL2 1105
#define IDM_INVERT_SEL2 1106
#define IDM_DEL_SELECT2 1107
#define IDM_PROPERTY2 1108
// Recent-folder popup mnuVGPregister: item 0 "Выбрать другой каталог", then items 1..4.
#define IDM_RECENT_FIRST 1200
// Toolbar button 1, "Папка vgp".
#define IDM_TB_FOLDER 1300
