// The published version list ("update.xml"): its records, the comparison with the running version, and
// which of its links may be opened. The list comes over plain HTTP, so everything in it is hostile text.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Ports.h"

namespace velgaro {

struct VersionTriple {
  std::int32_t major = 0;
  std::int32_t minor = 0;
  std::int32_t revision = 0;
};

// UpdateInfo: the fields of the list's last readable "info" record.
struct UpdateInfo {
  std::string version;
  VersionTriple number;
  std::string codename;
  std::string isBeta;
  std::string description;   // the "descriptions" child named after the current language
  std::string directLink;
  std::string descriptionLink;
  std::string fileSize;      // shown as written
};

// ParseXML over a parsed document: every "info" element anywhere is a record, read only when it has at
// least two child nodes; each read record overwrites the fields it names, so the last one wins. Names
// count exactly; a number that is not a decimal integer leaves its field as it was. True when the
// document holds an "info" element.
bool ReadUpdateList(const XmlNode& root, const std::string& languageName, UpdateInfo& info);

// Numeric comparison of major, minor, revision: below zero when published is older, zero when equal.
int CompareVersions(const VersionTriple& published, const VersionTriple& running);

// lblVersion: the version, the code name and "Beta" when is_beta is exactly "True".
std::string VersionLine(const UpdateInfo& info);

// A link a button may open: an http:// or https:// address (scheme without regard to case) with a
// host and no blank, quote or control character in it. A local path, file:, a command line are not.
bool IsWebLink(const std::string& link);

}  // namespace velgaro
