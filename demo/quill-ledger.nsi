; The demo library's classic installer (no Modern UI): a licence accepted with a check box, the
; components (an optional one that the demo package unticks), the folder, and the install page, which
; stays open until Close.
; makensis -DOUTFILE=... quill-ledger.nsi
Target amd64-unicode

!ifndef OUTFILE
  !define OUTFILE "quill-ledger-setup.exe"
!endif

Name "Quill Ledger"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quill Ledger"
RequestExecutionLevel user
SetCompressor zlib
ShowInstDetails show

LicenseText "Please read the terms before installing Quill Ledger."
LicenseData "${__FILEDIR__}\license.txt"
LicenseForceSelection checkbox "I accept the terms"
ComponentText "Choose what to install."

Page license
Page components
Page directory
Page instfiles

Section "Quill Ledger"
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${__FILEDIR__}\license.txt"
  FileOpen $0 "$INSTDIR\quill-ledger.txt" w
  FileWrite $0 "Quill Ledger installed$\r$\n"
  FileClose $0
SectionEnd

Section "Example ledgers"
  SetOutPath "$INSTDIR\Examples"
  FileOpen $0 "$INSTDIR\Examples\household.txt" w
  FileWrite $0 "An example ledger$\r$\n"
  FileClose $0
SectionEnd
