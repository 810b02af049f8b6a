// Identifiers of the update window frmUpdate (FrmUpdate.rc).
#pragma once

#define IDD_UPDATE 240

#define IDC_UP_HEADING 1800        // Label32
#define IDC_UP_MINEFRAME 1801      // Frame2
#define IDC_UP_MINELABEL 1802      // Label5
#define IDC_UP_MYVERSION 1803      // lblMyVersion
#define IDC_UP_SITEFRAME 1804      // Frame1
#define IDC_UP_VERSIONLABEL 1805   // Label1
#define IDC_UP_VERSION 1806        // lblVersion
#define IDC_UP_BETALABEL 1807      // Label3
#define IDC_UP_BETA 1808           // lblIsBeta
#define IDC_UP_SIZELABEL 1809      // Label6
#define IDC_UP_SIZE 1810           // lblSizeFile
#define IDC_UP_DIRECTLABEL 1811    // Label4
#define IDC_UP_DIRECTLINK 1812     // txtDirectLink
#define IDC_UP_OPENDIRECT 1813     // cmdDirectLink
#define IDC_UP_DESCLABEL 1814      // Label7
#define IDC_UP_DESCLINK 1815       // txtDescLink
#define IDC_UP_OPENDESC 1816       // cmdDescLink
#define IDC_UP_DESCRIPTIONLABEL 1817  // Label2
#define IDC_UP_DESCRIPTION 1818    // txtDescription
#define IDC_UP_STATUS 1819         // lblStatus
