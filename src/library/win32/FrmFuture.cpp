#include "library/win32/FrmFuture.h"

#include "library/NewPackageTip.h"
#include "library/win32/NewPackageResources.h"
#include "widgets/win32/Controls.h"
#include "widgets/win32/TemplateCaption.h"

namespace velgaro::library {
namespace {

constexpr const char* kSection = "Future";

}  // namespace

FrmFuture::FrmFuture(const Language& language, SettingsStore& settings, HINSTANCE resources)
    : ModalDialog(resources, IDD_FUTURE), language_(language), settings_(settings) {}

bool FrmFuture::OnInit() {
  const widgets::CaptionKey captions[] = {{IDC_FUTURE_RUN, kSection, 2},
                                          {IDC_FUTURE_PAUSE, kSection, 3},
                                          {IDC_FUTURE_STOP, kSection, 4},
                                          {IDC_FUTURE_NOMORE, kSection, 5},
                                          {IDOK, "New", 4}};
  widgets::ApplyTemplateCaption(Handle(), language_, kSection, 1);
  widgets::ApplyTemplateCaptions(Handle(), language_, captions);
  widgets::SetStaticIcon(Item(IDC_FUTURE_ICON), LoadIconW(nullptr, IDI_INFORMATION));
  return true;
}

void FrmFuture::OnCommand(UINT id, UINT) {
  // OK, Esc and the close box all close the tip.
  if (id != IDOK && id != IDCANCEL) return;
  StoreRecordingTipChoice(settings_, widgets::IsChecked(Item(IDC_FUTURE_NOMORE)));
  Close();
  if (!RunningModal()) Destroy();
}

}  // namespace velgaro::library
