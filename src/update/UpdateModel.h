// The update window frmUpdate as the core sees it: the request for the published version list (the
// first server, then the backup when the first yields no document), the ready states shown as they
// come, the list read and compared with the running version, cancel and close, and the link buttons.
// The view hands it the ready states its HttpGet adapter reports and shows State().
#pragma once

#include <optional>
#include <string>

#include "lang/Language.h"
#include "platform/Ports.h"
#include "update/UpdateList.h"

namespace velgaro {

// The two servers that publish "/update.xml": the build's defaults, or the per-machine settings
// Update/Server and Update/BackupServer (for organisations that mirror the list, and for tests).
struct UpdateServers {
  std::string primary;
  std::string backup;
};
UpdateServers UpdateServersOf(const SettingsStore& settings);
// The list's address on a server: the server without a trailing slash, then "/update.xml".
std::string UpdateListUrl(const std::string& server);

enum class UpdateColor { Normal, Green, Red };

struct UpdateState {
  std::string caption;            // the window title
  std::string status;             // lblStatus
  UpdateColor statusColor = UpdateColor::Normal;
  std::string myVersion;          // lblMyVersion
  std::string versionLine;        // lblVersion
  std::string isBeta;             // lblIsBeta
  std::string directLink;         // txtDirectLink
  std::string descriptionLink;    // txtDescLink
  std::string description;        // txtDescription
  std::string fileSize;           // lblSizeFile
  bool linkButtons = false;       // cmdDirectLink and cmdDescLink shown
  bool focusDirectLink = false;   // a new version: the focus goes to cmdDirectLink
  std::string cancelCaption;      // cmdCancel
  bool finished = false;          // the request completed or was cancelled
  bool closeRequested = false;    // the window should close now
  bool backupTimer = false;       // tmrTryUpdate runs: the backup server is asked in a second
};

struct UpdateDeps {
  const Language& language;
  const Xml& xml;
  Shell& shell;
  HttpGet& http;
  UpdateServers servers;
  VersionTriple running;
};

class UpdateModel {
 public:
  explicit UpdateModel(UpdateDeps deps) : d_(deps) {}

  const UpdateState& State() const { return state_; }
  const UpdateInfo& Info() const { return info_; }

  // The window loads: captions, the running version, and the request to the first server.
  void Load();
  // oDom_onreadystatechange: state 4 comes with the document's text, or without one.
  void ReadyStateChanged(int readyState, const std::optional<std::string>& document = std::nullopt);
  // tmrTryUpdate fired: the request to the backup server.
  void BackupTimer();
  // cmdCancel: cancels a running request, or closes the window once it is over.
  void CancelPressed();
  // The window closes: the request is stopped.
  void Unload();
  void OpenDirectLink();
  void OpenDescriptionLink();

  // UpdateCodeToStr: the text of a ready state; empty for an unknown one.
  std::string UpdateCodeToStr(int readyState) const;

 private:
  void StartRequest(const std::string& server);
  void NoDocument();
  void ShowList(const XmlNode& root);
  void OpenLink(const std::string& link);
  std::string RunningVersionText() const;

  UpdateDeps d_;
  UpdateState state_;
  UpdateInfo info_;
  bool requestRunning_ = false;
  bool askedBackup_ = false;
};

}  // namespace velgaro
