// The ANSI code page of a native run: Windows-1251 from the built-in table, or, when the environment
// variable VELGARO_CODEPAGE names another code page (for example "CP1252"), that one through iconv.
#pragma once

#include <optional>
#include <string>

#include "platform/Ports.h"

namespace velgaro {

class PosixCodepage : public Codepage {
 public:
  PosixCodepage();   // reads VELGARO_CODEPAGE
  // An iconv code page name; empty or unknown to iconv: Windows-1251.
  explicit PosixCodepage(const std::string& name);

  std::string ToAnsi(const std::string& utf8) const override;
  std::string FromAnsi(const std::string& bytes) const override;
  // The iconv name in use, or nullopt for the built-in Windows-1251 table.
  const std::optional<std::string>& IconvName() const { return iconvName_; }

 private:
  std::optional<std::string> iconvName_;
};

}  // namespace velgaro
