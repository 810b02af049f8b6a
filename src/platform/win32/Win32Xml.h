// XML through the system's DOM (MSXML 6.0, else 3.0). Documents come from outside, so nothing a
// document names is ever fetched: a document type declaration is refused before the parser sees it
// (Wine accepts ProhibitDTD and then ignores it), external resolution and validation are off, and
// nesting deeper than Xml::kMaxDepth is refused. COM is initialised per call and balanced; a thread
// that already runs COM in either apartment is fine.
#pragma once

#include "platform/Ports.h"

namespace velgaro::win32 {

class Win32Xml final : public Xml {
 public:
  // Also nullopt for text that is not valid UTF-8 (or UTF-16 after its byte order mark).
  std::optional<XmlNode> Parse(const std::string& document) const override;
  // Also empty for text or a name that XML cannot carry (a control character, invalid UTF-8, or a
  // name with markup or white space in it): such a file would not read back.
  std::string Write(const XmlNode& root) const override;
};

}  // namespace velgaro::win32
