// Identifiers of the about box.
#pragma once

#define IDD_ABOUT 210
#define IDC_ABOUT_ICON 1401
#define IDC_ABOUT_PRODUCT 1402
#define IDC_ABOUT_VERSION 1403
#define IDC_ABOUT_PURPOSE 1404
#define IDC_ABOUT_AUTHORLABEL 1405
#define IDC_ABOUT_AUTHOR 1406
#define IDC_ABOUT_RIGHTS 1407
#define IDC_ABOUT_SITELABEL 1408
#define IDC_ABOUT_SITE 1409        // opens the site
#define IDC_ABOUT_MAILLABEL 1410
#define IDC_ABOUT_MAIL 1411        // writes a letter
