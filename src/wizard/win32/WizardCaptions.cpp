#include "wizard/win32/WizardCaptions.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WindowText.h"
#include "widgets/win32/TemplateCaption.h"
#include "wizard/WizardTexts.h"
#include "wizard/win32/WizardResources.h"

namespace velgaro::wizard {
namespace {

struct Caption {
  int id;
  int key;
};

// Keys 116 and 117 are past the section's last: the two lines of page 0 that had none.
const Caption kCaptions[] = {
    {IDCANCEL, 2},
    {IDC_WZ_BACK, 3},
    {IDC_WZ_TARGETFRAME, 5},
    {IDC_WZ_TARGETBROWSE, 6},
    {IDC_WZ_PACKAGEBROWSE, 6},
    {IDC_WZ_TARGET, 7},
    {IDC_WZ_CHOOSEHINT, 8},
    {IDC_WZ_NEWFOLDERHINT, 9},
    {IDC_WZ_RECEIVES, 116},
    {IDC_WZ_BULLET4, 117},
    {IDC_WZ_LOGLABEL, 19},
    {IDC_WZ_LISTHINT, 20},
    {IDC_WZ_READY, 22},
    {IDC_WZ_CHECKDATA, 23},
    {IDC_WZ_SPEEDFRAME, 25},
    {IDC_WZ_SOFTLABEL, 26},
    {IDC_WZ_PACKAGEFRAME, 27},
    {IDC_WZ_PACKAGEFOLDER, 28},
    {IDC_WZ_SPEEDHINT, 30},
    {IDC_WZ_COPYFRAME, 58},
    {IDC_WZ_REPLACEFRAME, 61},
    {IDC_WZ_FROMLABEL, 62},
    {IDC_WZ_TOLABEL, 63},
    {IDC_WZ_COPIEDLABEL, 64},
    {IDC_WZ_COMPUTE, kWizardCompute},
    {IDC_WZ_TOTALLABEL, 77},
    {IDC_WZ_FREELABEL, 78},
    {IDC_WZ_REPLACENO, kWizardReplaceNo},
    {IDC_WZ_REPLACEYES, kWizardReplaceYes},
    {IDC_WZ_REPLACEQUESTION, 103},
    {IDC_WZ_REPLACEHINT, 104},
    {IDC_WZ_ADVICE, 105},
    {IDC_WZ_CONGRATS, 106},
    {IDC_WZ_DONE, 107},
    {IDC_WZ_DESTLABEL, 108},
    {IDC_WZ_SOURCELABEL, 109},
};

// Page 0's first three bullets begin with "- " whatever the language file says.
const Caption kBullets[] = {{IDC_WZ_BULLET1, kWizardBulletProgram},
                            {IDC_WZ_BULLET2, kWizardBulletPackages},
                            {IDC_WZ_BULLET3, kWizardBulletAutorun}};

constexpr const char* kPressNextDefault = "Нажмите «Далее», чтобы скопировать программу и пакеты.";
constexpr const char* kFoldersLaterDefault = "Папки с программами выбираются на следующих шагах.";
constexpr const char* kComputeTipDefault = "Вычислить размер папок";

}  // namespace

void ApplyWizardCaptions(HWND dialog, const Language& language) {
  for (const Caption& c : kCaptions) {
    widgets::ApplyTemplateCaption(GetDlgItem(dialog, c.id), language, kWizardSection, c.key);
  }
  for (const Caption& c : kBullets) {
    HWND label = GetDlgItem(dialog, c.id);
    win32::SetWindowTextIfChanged(label, language.LangTextAffix(win32::WindowTextUtf8(label), kWizardSection, c.key, true, "- "));
  }
  HWND program = GetDlgItem(dialog, IDC_WZ_PROGRAMLABEL);
  win32::SetWindowTextIfChanged(program, language.LangTextAffix(win32::WindowTextUtf8(program), kWizardSection, 110, false, ":"));
  win32::SetWindowTextIfChanged(GetDlgItem(dialog, IDC_WZ_PRESSNEXT), language.LangText(kPressNextDefault, kWizardSection, 24) + "\r\n\r\n" +
                                                    language.LangText(kFoldersLaterDefault, kWizardSection, 21));
  // lblStat is shown with its text made to end in "..." by the model.
}

std::string ComputeTip(const Language& language) { return language.LangText(kComputeTipDefault, kWizardSection, 70); }

}  // namespace velgaro::wizard
