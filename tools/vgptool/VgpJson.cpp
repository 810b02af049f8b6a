// Package <-> JSON. Input is untrusted: every key is checked against the known ones, every number
// against the range of its field, and nothing here throws past its caller.
#include "VgpJson.h"

#include <cctype>
#include <cstdlib>
#include <initializer_list>
#include <limits>

#include <nlohmann/json.hpp>

namespace velgaro::vgptool {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t kInt16Max = std::numeric_limits<std::int16_t>::max();

// Reads fields of one JSON object; the first problem is kept in error and later reads do nothing.
class ObjectReader {
 public:
  ObjectReader(const json& object, std::string where, std::string& error)
      : object_(object), where_(std::move(where)), error_(error) {}

  bool Check(std::initializer_list<const char*> known) {
    if (!object_.is_object()) return Fail(where_ + " must be an object");
    for (const auto& item : object_.items()) {
      bool found = false;
      for (const char* k : known) found = found || item.key() == k;
      if (!found) return Fail("unknown field \"" + item.key() + "\" in " + where_);
    }
    return true;
  }

  void Int(const char* key, std::int64_t lo, std::int64_t hi, std::int64_t& out) {
    const json* v = Find(key);
    if (!v) return;
    if (!v->is_number_integer()) {
      Fail(Name(key) + " must be an integer");
    } else if (v->is_number_unsigned() ? v->get<std::uint64_t>() > static_cast<std::uint64_t>(hi)
                                       : (v->get<std::int64_t>() < lo || v->get<std::int64_t>() > hi)) {
      Fail(Name(key) + " is out of range");
    } else {
      out = v->get<std::int64_t>();
    }
  }

  void Text(const char* key, std::string& out) {
    const json* v = Find(key);
    if (!v) return;
    if (!v->is_string()) {
      Fail(Name(key) + " must be a string");
    } else {
      out = v->get<std::string>();
    }
  }

  void Bool(const char* key, bool& out) {
    const json* v = Find(key);
    if (!v) return;
    if (!v->is_boolean()) {
      Fail(Name(key) + " must be true or false");
    } else {
      out = v->get<bool>();
    }
  }

  // The array under key, or nullptr when it is missing (or not an array: then error is set).
  const json* Array(const char* key) {
    const json* v = Find(key);
    if (v && !v->is_array()) {
      Fail(Name(key) + " must be an array");
      return nullptr;
    }
    return v;
  }

  const json* Find(const char* key) const {
    if (!error_.empty()) return nullptr;
    const auto it = object_.find(key);
    return it == object_.end() ? nullptr : &*it;
  }

  bool Ok() const { return error_.empty(); }

 private:
  std::string Name(const char* key) const { return where_ + "." + key; }
  bool Fail(const std::string& message) {
    if (error_.empty()) error_ = message;
    return false;
  }

  const json& object_;
  std::string where_;
  std::string& error_;
};

std::int32_t I32(std::int64_t v) { return static_cast<std::int32_t>(v); }
std::int16_t I16(std::int64_t v) { return static_cast<std::int16_t>(v); }

bool ReadOptionsObject(const json& object, PackageOptions& options, std::string& error) {
  ObjectReader r(object, "options", error);
  if (!r.Check({"need_reboot", "create_reboot", "local_speed", "def_select", "need_wait"})) return false;
  std::int64_t speed = 0;
  r.Bool("need_reboot", options.needReboot);
  r.Bool("create_reboot", options.createReboot);
  r.Int("local_speed", kInt32Min, kInt32Max, speed);
  r.Bool("def_select", options.defSelect);
  r.Bool("need_wait", options.needWait);
  options.localSpeed = I32(speed);
  return r.Ok();
}

bool ReadAction(const json& object, const std::string& where, PackageAction& action, std::string& error) {
  ObjectReader r(object, where, error);
  if (!r.Check({"window", "steps", "text"})) return false;
  r.Text("text", action.actionText);
  if (const json* levels = r.Array("window")) {
    for (std::size_t i = 0; i < levels->size(); ++i) {
      ObjectReader lr((*levels)[i], where + ".window[" + std::to_string(i) + "]", error);
      if (!lr.Check({"class", "caption", "ordinal"})) return false;
      WindowLevel level;
      std::int64_t ordinal = 1;
      lr.Text("class", level.className);
      lr.Text("caption", level.caption);
      lr.Int("ordinal", kInt32Min, kInt32Max, ordinal);
      level.ordinal = I32(ordinal);
      action.windowPath.push_back(std::move(level));
    }
  }
  if (const json* steps = r.Array("steps")) {
    for (std::size_t i = 0; i < steps->size(); ++i) {
      ObjectReader sr((*steps)[i], where + ".steps[" + std::to_string(i) + "]", error);
      if (!sr.Check({"button", "kind", "x", "y"})) return false;
      std::int64_t button = kButtonLeft, kind = kStepPress, x = 0, y = 0;
      sr.Int("button", kInt16Min, kInt16Max, button);
      sr.Int("kind", kInt16Min, kInt16Max, kind);
      sr.Int("x", kInt32Min, kInt32Max, x);
      sr.Int("y", kInt32Min, kInt32Max, y);
      action.steps.push_back(MouseStep{I16(button), I16(kind), I32(x), I32(y)});
    }
  }
  return r.Ok();
}

ordered_json ActionToJson(const PackageAction& action) {
  ordered_json window = ordered_json::array();
  for (const WindowLevel& level : action.windowPath) {
    // A caption stored with length 0 reads back as one NUL character.
    const std::string caption = level.caption == std::string(1, '\0') ? std::string() : level.caption;
    window.push_back({{"class", level.className}, {"caption", caption}, {"ordinal", level.ordinal}});
  }
  ordered_json steps = ordered_json::array();
  for (const MouseStep& s : action.steps) {
    steps.push_back({{"button", s.buttonCode}, {"kind", s.stepKind}, {"x", s.x}, {"y", s.y}});
  }
  return ordered_json{{"window", std::move(window)}, {"steps", std::move(steps)}, {"text", action.actionText}};
}

bool ParseBoolValue(const std::string& value, bool& out) {
  if (value == "true" || value == "1" || value == "-1") {
    out = true;
  } else if (value == "false" || value == "0") {
    out = false;
  } else {
    return false;
  }
  return true;
}

bool ParseInt32(const std::string& value, std::int32_t& out) {
  if (value.empty() || value.size() > 11) return false;
  char* end = nullptr;
  const long long v = std::strtoll(value.c_str(), &end, 10);
  if (*end != '\0' || v < kInt32Min || v > kInt32Max) return false;
  out = static_cast<std::int32_t>(v);
  return true;
}

}  // namespace

std::optional<LocalTime> ParseCreationDate(const std::string& text) {
  // DD.MM.YYYY HH:MM:SS
  if (text.size() != static_cast<std::size_t>(kCreationDateSize)) return std::nullopt;
  const char* const shape = "dd.dd.dddd dd:dd:dd";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
    if (shape[i] == 'd' ? !digit : text[i] != shape[i]) return std::nullopt;
  }
  auto number = [&](std::size_t at, std::size_t length) { return std::stoi(text.substr(at, length)); };
  LocalTime t;
  t.day = number(0, 2);
  t.month = number(3, 2);
  t.year = number(6, 4);
  t.hour = number(11, 2);
  t.minute = number(14, 2);
  t.second = number(17, 2);
  return t;
}

std::optional<std::string> PackageToJson(PackageImage& pkg, std::string& error) {
  ordered_json actions = ordered_json::array();
  pkg.RewindActions();
  for (;;) {
    // ReadNextAction keeps the previous text when an action has none.
    pkg.action.actionText.clear();
    if (!pkg.ReadNextAction()) break;
    actions.push_back(ActionToJson(pkg.action));
  }
  const PackageHeader& h = pkg.header;
  ordered_json doc;
  doc["screen_width"] = h.screenWidth;
  doc["screen_height"] = h.screenHeight;
  doc["version_major"] = h.versionMajor;
  doc["version_minor"] = h.versionMinor;
  doc["description"] = pkg.ReadDescription();
  doc["exe_path"] = pkg.ReadExePath();
  doc["command_line"] = pkg.ReadCommandLineRaw();
  doc["creation_date"] = pkg.ReadCreationDate();
  if (h.optionsOffset == 0) {
    doc["options"] = nullptr;
  } else {
    const PackageOptions& o = pkg.options;
    doc["options"] = {{"need_reboot", o.needReboot}, {"create_reboot", o.createReboot},
                      {"local_speed", o.localSpeed}, {"def_select", o.defSelect}, {"need_wait", o.needWait}};
  }
  doc["actions"] = std::move(actions);
  if (pkg.Damaged()) {
    error = "the package is damaged: a count, length or offset does not fit the file";
    return std::nullopt;
  }
  return doc.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
}

bool PackageFromJson(const std::string& text, const LocalTime& now, PackageImage& pkg, std::string& error) {
  error.clear();
  const json doc = json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (doc.is_discarded()) {
    error = "invalid JSON";
    return false;
  }
  ObjectReader r(doc, "package", error);
  if (!r.Check({"screen_width", "screen_height", "version_major", "version_minor", "description", "exe_path",
                "command_line", "creation_date", "options", "actions"})) {
    return false;
  }
  std::int64_t width = 1024, height = 768, major = kProgramVersionMajor, minor = kProgramVersionMinor;
  std::string description, exePath, commandLine, date;
  r.Int("screen_width", kInt32Min, kInt32Max, width);
  r.Int("screen_height", kInt32Min, kInt32Max, height);
  r.Int("version_major", kInt16Min, kInt16Max, major);
  r.Int("version_minor", kInt16Min, kInt16Max, minor);
  r.Text("description", description);
  r.Text("exe_path", exePath);
  r.Text("command_line", commandLine);
  r.Text("creation_date", date);

  LocalTime created = now;
  if (r.Ok() && r.Find("creation_date")) {
    const std::optional<LocalTime> parsed = ParseCreationDate(date);
    if (!parsed) {
      error = "package.creation_date must look like DD.MM.YYYY HH:MM:SS";
      return false;
    }
    created = *parsed;
  }

  PackageOptions options;
  bool writeOptions = true;
  if (const json* o = r.Find("options")) {
    writeOptions = !o->is_null();
    if (writeOptions && !ReadOptionsObject(*o, options, error)) return false;
  }

  std::vector<PackageAction> actions;
  if (const json* list = r.Array("actions")) {
    for (std::size_t i = 0; i < list->size(); ++i) {
      PackageAction action;
      if (!ReadAction((*list)[i], "actions[" + std::to_string(i) + "]", action, error)) return false;
      actions.push_back(std::move(action));
    }
  }
  if (!r.Ok()) return false;

  // The calls a recording makes, in its order.
  pkg.options = options;
  pkg.NewPackageImage(I32(width), I32(height), exePath, description);
  pkg.header.versionMajor = I16(major);
  pkg.header.versionMinor = I16(minor);
  for (PackageAction& action : actions) {
    pkg.action = std::move(action);
    pkg.AppendAction();
  }
  // The content is given, so there is no nothing-recorded question to ask.
  pkg.options.needWait = true;
  pkg.AppendExePath(exePath, {});
  pkg.options.needWait = options.needWait;
  pkg.AppendCommandLine(commandLine);
  pkg.AppendCreationDate(created);
  if (writeOptions) pkg.WriteOptions();
  return true;
}

bool ApplyOption(const std::string& assignment, PackageOptions& options, std::string& error) {
  const std::size_t eq = assignment.find('=');
  const std::string name = assignment.substr(0, eq);
  const std::string value = eq == std::string::npos ? std::string() : assignment.substr(eq + 1);
  if (eq == std::string::npos) {
    error = "--option expects NAME=VALUE, got \"" + assignment + "\"";
    return false;
  }
  bool ok = true;
  if (name == "need_reboot") {
    ok = ParseBoolValue(value, options.needReboot);
  } else if (name == "create_reboot") {
    ok = ParseBoolValue(value, options.createReboot);
  } else if (name == "def_select") {
    ok = ParseBoolValue(value, options.defSelect);
  } else if (name == "need_wait") {
    ok = ParseBoolValue(value, options.needWait);
  } else if (name == "local_speed") {
    ok = ParseInt32(value, options.localSpeed);
  } else {
    error = "unknown option \"" + name + "\"";
    return false;
  }
  if (!ok) error = "bad value for option " + name + ": \"" + value + "\"";
  return ok;
}

}  // namespace velgaro::vgptool
