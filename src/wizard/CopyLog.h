// CopyLog: the report of the disk wizard's file operations, one line per operation, each ending in
// CR LF; page 3 shows it in txtLog.
#pragma once

#include <string>

#include "lang/Language.h"

namespace velgaro {

class CopyLog {
 public:
  explicit CopyLog(const Language& language) : language_(language) {}

  const std::string& Text() const { return text_; }
  void Clear() { text_.clear(); }

  // "Копирование файла `source` в `" then destination, without a closing accent.
  void CopyingFile(const std::string& source, const std::string& destination);
  void FileCopyError();                                   // wizard/54
  void CreatingFolder(const std::string& path);           // wizard/55
  void FolderCreateError(const std::string& path);        // wizard/56
  void AutorunCreated(const std::string& path);           // wizard/52
  void AutorunError(const std::string& path);             // wizard/50
  void SettingsWriteError(const std::string& path);
  // A refusal or a free-space verdict: the text as one line.
  void Line(const std::string& text);
  // The closing verdict of the copy, without a line break of its own.
  void CopyFailed();      // wizard/37
  void CopySucceeded();   // wizard/38

 private:
  void TextAndPath(int key, const std::string& path);

  const Language& language_;
  std::string text_;
};

}  // namespace velgaro
