#include "library/win32/FrmFuture.h"

#include <utility>

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
  const std::pair<int, int> captions[] = {
      {IDC_FUTURE_RUN, 2}, {IDC_FUTURE_PAUSE, 3}, {IDC_FUTURE_STOP, 4}, {IDC_FUTURE_NOMORE, 5}};
  widgets::ApplyTemplateCaption(Handle(), language_, kSection, 1);
  for (const auto& [id, key] : captions) widgets::ApplyTemplateCaption(Item(id), language_, kSection, key);
  widgets::ApplyTemplateCaption(Item(IDOK), language_, "New", 4);
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
