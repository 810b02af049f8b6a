// Identifiers of the disk wizard window frmWizard (FrmWizard.rc). Each page's controls lie in a block of
// twenty identifiers, page p from IDC_WZ_PAGE0 + 20 * p: showing a page is showing its block.
#pragma once

#define IDD_WIZARD 230

// On every page.
#define IDC_WZ_BACK 1590          // cmdPrev
#define IDC_WZ_NEXT 1591          // cmdNext
#define IDC_WZ_PROGRESS 1592      // pBar1
#define IDC_WZ_RULE 1593

#define IDC_WZ_PAGE0 1600
#define IDC_WZ_PAGE_SIZE 20
#define IDC_WZ_PAGE_COUNT 8

// Page 0: the target folder.
#define IDC_WZ_TARGETFRAME 1600   // Frame2
#define IDC_WZ_CHOOSEHINT 1601    // Label8
#define IDC_WZ_NEWFOLDERHINT 1602 // Label7
#define IDC_WZ_RECEIVES 1603      // "В выбранную папку будут помещены:"
#define IDC_WZ_BULLET1 1604       // Label6
#define IDC_WZ_BULLET2 1605       // Label5
#define IDC_WZ_BULLET3 1606       // Label4
#define IDC_WZ_BULLET4 1607       // the programs folder's bullet
#define IDC_WZ_TARGETBROWSE 1608  // Command4
#define IDC_WZ_TARGET 1609        // Label1

// Page 1: the disk package folder, the programs folder name, the speed.
#define IDC_WZ_PACKAGEFRAME 1620  // Frame1
#define IDC_WZ_PACKAGEBROWSE 1621 // Command5
#define IDC_WZ_PACKAGEFOLDER 1622 // Label2
#define IDC_WZ_FILECOUNT 1623     // lblCountFile
#define IDC_WZ_DIAGNOSIS 1624     // lblDiagnoz
#define IDC_WZ_SOFTLABEL 1625     // Label9
#define IDC_WZ_SOFTFOLDER 1626    // txtNameSoftFolder
#define IDC_WZ_SPEEDFRAME 1627    // frmSpeed
#define IDC_WZ_SPEED 1628         // cmbSpeed
#define IDC_WZ_SPEEDHINT 1629     // Label19

// Page 2: the summary.
#define IDC_WZ_READY 1640         // Label20
#define IDC_WZ_CHECKDATA 1641     // Label11
#define IDC_WZ_DESTLABEL 1642     // Label13
#define IDC_WZ_DEST 1643          // lblDest
#define IDC_WZ_SOURCELABEL 1644   // Label14
#define IDC_WZ_SOURCE 1645        // lblsource
#define IDC_WZ_PROGRAMLABEL 1646  // Label10
#define IDC_WZ_PROGRAM 1647       // lblProga
#define IDC_WZ_PRESSNEXT 1648     // Label12

// Page 3: the report of the file copies.
#define IDC_WZ_LOGLABEL 1660      // Label23
#define IDC_WZ_LOG 1661           // txtLog
#define IDC_WZ_REPORTSTATUS 1662  // lblReportStatus

// Page 4: the package list and the measurement.
#define IDC_WZ_LISTHINT 1680      // Label22
#define IDC_WZ_LIST 1681          // LV1
#define IDC_WZ_CHECKALL 1682      // cmdChekAll
#define IDC_WZ_UNCHECKALL 1683    // cmdUncheckAll
#define IDC_WZ_COMPUTE 1684       // Command1
#define IDC_WZ_TOTALLABEL 1685    // Label25
#define IDC_WZ_TOTALSIZE 1686     // lblTotalSize
#define IDC_WZ_FREELABEL 1687     // Label24
#define IDC_WZ_TOTALFREE 1688     // lblTotalFree
#define IDC_WZ_MEASURING 1689     // lblStat
#define IDC_WZ_TIPSTATUS 1690     // lblTipStatus

// Page 5: the folder copy.
#define IDC_WZ_COPYFRAME 1700     // Frame3
#define IDC_WZ_FROMLABEL 1701     // Label33
#define IDC_WZ_COPYSOURCE 1702    // lblCopySource
#define IDC_WZ_TOLABEL 1703       // Label32
#define IDC_WZ_COPYDEST 1704      // lblCopyDest
#define IDC_WZ_COPIEDLABEL 1705   // Label31
#define IDC_WZ_COPIED 1706        // lblCopyFolder
#define IDC_WZ_COPYBAR 1707       // prbCopy
#define IDC_WZ_PERCENT 1708       // lblPercent
#define IDC_WZ_COPYSTAT 1709      // txtCopyStat

// Page 6: the rewrite of the installer paths.
#define IDC_WZ_REPLACEFRAME 1720  // Frame4
#define IDC_WZ_REPLACEQUESTION 1721  // Label36
#define IDC_WZ_REPLACEYES 1722    // optReplaceVGP item 0
#define IDC_WZ_REPLACENO 1723     // optReplaceVGP item 1
#define IDC_WZ_REPLACEHINT 1724   // Label34

// Page 7: the end.
#define IDC_WZ_CONGRATS 1740      // Label18
#define IDC_WZ_DONE 1741          // Label16
#define IDC_WZ_ADVICE 1742        // lblSovet
#define IDC_WZ_KEEPFOLDER 1743    // optUseVgpFolder item 0
#define IDC_WZ_DISKFOLDER 1744    // optUseVgpFolder item 1
