// A folder of its own under the temporary folder for one test, removed with everything in it.
#pragma once

#include <string>

namespace velgaro::win32::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }  // UTF-8, no trailing backslash
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

}  // namespace velgaro::win32::test
