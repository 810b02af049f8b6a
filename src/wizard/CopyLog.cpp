#include "wizard/CopyLog.h"

#include "wizard/WizardTexts.h"

namespace velgaro {
namespace {
const char kCrLf[] = "\r\n";
}  // namespace

void CopyLog::TextAndPath(int key, const std::string& path) {
  text_ += WizardText(language_, static_cast<WizardKey>(key)) + " " + path + kCrLf;
}

void CopyLog::CopyingFile(const std::string& source, const std::string& destination) {
  text_ += WizardTextParam(language_, kWizardCopyingFile, source) + " " + destination + kCrLf;
}

void CopyLog::FileCopyError() { text_ += WizardText(language_, kWizardFileCopyError) + kCrLf; }

void CopyLog::CreatingFolder(const std::string& path) { TextAndPath(kWizardCreatingFolder, path); }

void CopyLog::FolderCreateError(const std::string& path) { TextAndPath(kWizardFolderCreateError, path); }

void CopyLog::AutorunCreated(const std::string& path) { TextAndPath(kWizardAutorunCreated, path); }

void CopyLog::AutorunError(const std::string& path) { TextAndPath(kWizardAutorunError, path); }

void CopyLog::SettingsWriteError(const std::string& path) { TextAndPath(kWizardSettingsWriteError, path); }

void CopyLog::Line(const std::string& text) { text_ += text + kCrLf; }

void CopyLog::CopyFailed() { text_ += WizardText(language_, kWizardCopyFailed); }

void CopyLog::CopySucceeded() { text_ += WizardText(language_, kWizardCopySucceeded); }

}  // namespace velgaro
