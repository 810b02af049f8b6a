#include "update/UpdateModel.h"

#include "update/UpdateTexts.h"

namespace velgaro {
namespace {

// VELGARO_UPDATE_SERVER and VELGARO_UPDATE_BACKUP_SERVER come from the build settings.
constexpr const char* kUpdateSettings = "Update";

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

UpdateServers UpdateServersOf(const SettingsStore& settings) {
  return UpdateServers{Trimmed(settings.Get(kUpdateSettings, "Server", VELGARO_UPDATE_SERVER)),
                       Trimmed(settings.Get(kUpdateSettings, "BackupServer", VELGARO_UPDATE_BACKUP_SERVER))};
}

std::string UpdateListUrl(const std::string& server) {
  std::string base = server;
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base + "/update.xml";
}

std::string UpdateModel::RunningVersionText() const {
  return std::to_string(d_.running.major) + "." + std::to_string(d_.running.minor) + "." +
         std::to_string(d_.running.revision) + " ";
}

void UpdateModel::Load() {
  state_ = UpdateState{};
  info_ = UpdateInfo{};
  askedBackup_ = false;
  state_.caption = UpdateText(d_.language, kUpdateTitle);
  state_.cancelCaption = UpdateText(d_.language, kUpdateCancel);
  state_.myVersion = RunningVersionText();
  state_.status = UpdateTextAffix(d_.language, kUpdateUpdating, "...");
  StartRequest(d_.servers.primary);
}

void UpdateModel::BackupTimer() {
  if (!state_.backupTimer) return;
  state_.backupTimer = false;
  askedBackup_ = true;
  state_.myVersion = RunningVersionText();
  state_.status = UpdateTextAffix(d_.language, kUpdateBackup, "...");
  StartRequest(d_.servers.backup);
}

void UpdateModel::StartRequest(const std::string& server) {
  state_.statusColor = UpdateColor::Normal;
  requestRunning_ = !server.empty() && d_.http.Start(UpdateListUrl(server));
  if (!requestRunning_) NoDocument();
}

std::string UpdateModel::UpdateCodeToStr(int readyState) const {
  if (readyState < 0 || readyState > 4) return {};
  return UpdateText(d_.language, static_cast<UpdateKey>(kUpdateState0 + readyState));
}

void UpdateModel::ReadyStateChanged(int readyState, const std::optional<std::string>& document) {
  if (!requestRunning_ || state_.finished) return;   // a late report of a request already given up
  state_.status = UpdateCodeToStr(readyState);
  state_.statusColor = UpdateColor::Normal;
  if (readyState != 4) return;
  requestRunning_ = false;
  // A document that cannot be read as XML (damaged, too large, or with a document type declaration
  // that could pull in other files) is no document, as the XML component leaves such a text empty.
  std::optional<XmlNode> root;
  if (document && !document->empty() && document->size() <= HttpGet::kMaxBody) root = d_.xml.Parse(*document);
  if (!root) {
    NoDocument();
    return;
  }
  ShowList(*root);
}

void UpdateModel::NoDocument() {
  requestRunning_ = false;
  // The backup server is asked once, a second after the first one failed.
  if (!askedBackup_ && !d_.servers.backup.empty()) {
    state_.backupTimer = true;
    return;
  }
  state_.status = UpdateText(d_.language, kUpdateUnavailable);
  state_.statusColor = UpdateColor::Red;
  state_.finished = true;
  state_.cancelCaption = UpdateCloseText(d_.language);
}

void UpdateModel::ShowList(const XmlNode& root) {
  ReadUpdateList(root, d_.language.Name(), info_);
  state_.versionLine = VersionLine(info_);
  state_.isBeta = info_.isBeta;
  state_.directLink = info_.directLink;
  state_.descriptionLink = info_.descriptionLink;
  state_.description = info_.description;
  state_.fileSize = info_.fileSize;
  if (CompareVersions(info_.number, d_.running) > 0) {
    state_.status = UpdateText(d_.language, kUpdateNewVersion);
    state_.linkButtons = true;
    state_.focusDirectLink = true;
  } else {
    state_.status = UpdateText(d_.language, kUpdateLatest);
  }
  state_.statusColor = UpdateColor::Green;
  state_.finished = true;
  state_.cancelCaption = UpdateCloseText(d_.language);
}

void UpdateModel::CancelPressed() {
  if (state_.finished) {
    state_.closeRequested = true;
    return;
  }
  if (requestRunning_) d_.http.Abort();
  requestRunning_ = false;
  state_.backupTimer = false;
  state_.status = UpdateTextAffix(d_.language, kUpdateCancelled, "...");
  state_.statusColor = UpdateColor::Red;
  state_.cancelCaption = UpdateCloseText(d_.language);
  state_.finished = true;
}

void UpdateModel::Unload() {
  if (requestRunning_) d_.http.Abort();
  requestRunning_ = false;
  state_.backupTimer = false;
  state_.finished = false;
}

void UpdateModel::OpenLink(const std::string& link) {
  // Only a web address is handed to the shell: the list comes over plain HTTP and may name anything.
  if (IsWebLink(link)) d_.shell.Open(link);
}

void UpdateModel::OpenDirectLink() { OpenLink(info_.directLink); }

void UpdateModel::OpenDescriptionLink() { OpenLink(info_.descriptionLink); }

}  // namespace velgaro
