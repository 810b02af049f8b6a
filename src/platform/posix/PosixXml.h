// XML of a native run, through pugixml. pugixml never fetches anything a document names (no external
// entities, no DTD processing); a document with a DOCTYPE is refused all the same.
#pragma once

#include "platform/Ports.h"

namespace velgaro {

class PosixXml : public Xml {
 public:
  std::optional<XmlNode> Parse(const std::string& document) const override;
  std::string Write(const XmlNode& root) const override;
};

}  // namespace velgaro
