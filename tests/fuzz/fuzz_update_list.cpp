// The published version list: the bytes as the body of the answer to the update request, handed to the
// update window as its HTTP adapter hands it. The list is hostile: whatever it says, a link button opens
// only a web address.
#include "FuzzWorld.h"
#include "platform/posix/PosixXml.h"
#include "update/UpdateModel.h"

namespace {

struct NoHttp : velgaro::HttpGet {
  bool Start(const std::string&) override { return true; }
  void Abort() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velgaro;
  using namespace velgaro::fuzz;
  Language language;
  language.SetName("English");
  PosixXml xml;
  SimShell shell;
  NoHttp http;
  UpdateModel model(UpdateDeps{language, xml, shell, http, {"http://one.example", ""}, {1, 5, 0}});
  model.Load();
  for (int state = 1; state <= 3; ++state) model.ReadyStateChanged(state);
  model.ReadyStateChanged(4, AsText(data, size));
  model.OpenDirectLink();
  model.OpenDescriptionLink();
  for (const std::string& opened : shell.opened) Check(IsWebLink(opened), "a link button opens only a web address");
  return 0;
}
