#include "engine/RunDeadline.h"

#include "engine/PlayerTexts.h"

namespace velgaro {
namespace {

constexpr std::size_t kMostWindowsListed = 40;   // a desktop full of windows must not flood the row
constexpr std::size_t kLongestCaption = 80;

std::string Text(const Language& language, StelsKey key, const std::string& value) {
  return language.LangTextParam(StelsDefault(key) + value, kStelsSection, key, value);
}

std::string Shortened(const std::string& caption) {
  if (caption.size() <= kLongestCaption) return caption;
  std::size_t cut = kLongestCaption;
  while (cut > 0 && (static_cast<unsigned char>(caption[cut]) & 0xC0) == 0x80) --cut;   // not inside a character
  return caption.substr(0, cut) + "...";
}

std::string Quoted(const std::string& className, const std::string& caption) {
  // A caption stored empty reads back as one NUL character.
  const std::string shown = caption == std::string(1, '\0') ? std::string() : caption;
  return className + " \"" + Shortened(shown) + "\"";
}

}  // namespace

std::string DescribeWindowPath(const WindowPath& path) {
  std::string out;
  for (const WindowLevel& level : path) {
    if (!out.empty()) out += " > ";
    out += Quoted(level.className, level.caption) + " #" + std::to_string(level.ordinal);
  }
  return out;
}

std::vector<std::pair<std::string, std::string>> VisibleTopLevelWindows(const WindowSystem& windows,
                                                                        WindowHandle own) {
  std::vector<std::pair<std::string, std::string>> out;
  const WindowHandle desktop = windows.GetDesktopWindow();
  for (WindowHandle w = windows.FindWindowEx(desktop, 0, std::nullopt, std::nullopt); w != 0;
       w = windows.FindWindowEx(desktop, w, std::nullopt, std::nullopt)) {
    if (w == own || !windows.IsVisible(w)) continue;
    out.emplace_back(windows.GetClassName(w), windows.GetWindowText(w));
    if (out.size() == kMostWindowsListed) break;
  }
  return out;
}

std::string WindowTimeoutDetails(const Language& language, int seconds, const WindowPath& sought,
                                 const std::vector<std::pair<std::string, std::string>>& visible) {
  std::string list;
  for (const auto& [className, caption] : visible) {
    if (!list.empty()) list += "; ";
    list += Quoted(className, caption);
  }
  return Text(language, kTextWindowTimeout, std::to_string(seconds)) + ". " +
         Text(language, kTextWindowSought, DescribeWindowPath(sought)) + ". " +
         Text(language, kTextVisibleWindows, list);
}

std::string InstallerTimeoutDetails(const Language& language, int seconds) {
  return Text(language, kTextInstallerTimeout, std::to_string(seconds));
}

}  // namespace velgaro
