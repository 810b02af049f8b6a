; The demo library's Modern UI installer: welcome, a licence to accept, the components (an optional
; one that the demo package unticks), the folder, the install and the finish page.
; makensis -DOUTFILE=... lumen-notes.nsi
Target amd64-unicode
!include "MUI2.nsh"

!ifndef OUTFILE
  !define OUTFILE "lumen-notes-setup.exe"
!endif

Name "Lumen Notes"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Lumen Notes"
RequestExecutionLevel user
SetCompressor zlib

!insertmacro MUI_PAGE_WELCOME
!define MUI_LICENSEPAGE_CHECKBOX
!insertmacro MUI_PAGE_LICENSE "${__FILEDIR__}\license.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_LANGUAGE "English"

Section "Lumen Notes" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${__FILEDIR__}\license.txt"
  FileOpen $0 "$INSTDIR\lumen-notes.txt" w
  FileWrite $0 "Lumen Notes installed$\r$\n"
  FileClose $0
SectionEnd

Section "Sample notebooks" SecSamples
  SetOutPath "$INSTDIR\Samples"
  FileOpen $0 "$INSTDIR\Samples\welcome.txt" w
  FileWrite $0 "A sample notebook$\r$\n"
  FileClose $0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecMain} "The notes program itself."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecSamples} "A few notebooks to try it with."
!insertmacro MUI_FUNCTION_DESCRIPTION_END
