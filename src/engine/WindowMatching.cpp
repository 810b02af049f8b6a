#include "engine/WindowMatching.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace velgaro {
namespace {

// GetParent chains on a real desktop are short; the cap only keeps a broken chain from running away.
constexpr std::size_t kMaxDepth = 64;

bool IsBlankOrNul(const std::string& caption) {
  if (caption == std::string(1, '\0')) return true;
  return std::all_of(caption.begin(), caption.end(), [](char c) { return c == ' '; });
}

std::optional<std::string> AnyWhenEmpty(const std::string& caption) {
  if (caption.empty()) return std::nullopt;
  return caption;
}

}  // namespace

std::string StripTrailingNul(const std::string& text) {
  if (!text.empty() && text.back() == '\0') return text.substr(0, text.size() - 1);
  return text;
}

void WindowMatcher::DescribeWindow(WindowHandle window, WindowPath& path) const {
  std::vector<WindowHandle> chain;   // the window, then its ancestors
  for (WindowHandle w = window; w != 0 && chain.size() < kMaxDepth; w = windows_.GetParent(w)) {
    if (std::find(chain.begin(), chain.end(), w) != chain.end()) break;
    chain.push_back(w);
  }
  const WindowHandle desktop = windows_.GetDesktopWindow();
  for (std::size_t i = chain.size(); i-- > 0;) {
    const WindowHandle w = chain[i];
    const WindowHandle parent = i + 1 < chain.size() ? chain[i + 1] : 0;
    WindowLevel level;
    level.caption = windows_.GetWindowText(w);
    level.className = windows_.GetClassName(w);
    level.ordinal = w == desktop ? -1 : SiblingOrdinal(parent, level.className, level.caption, w);
    path.push_back(level);
  }
}

std::int32_t WindowMatcher::SiblingOrdinal(WindowHandle parent, const std::string& className,
                                           const std::string& caption, WindowHandle target) const {
  const std::optional<std::string> captionArg = AnyWhenEmpty(caption);
  std::int32_t count = 0;
  WindowHandle found = 0;
  WindowHandle after = 0;
  while (found != target) {
    found = windows_.FindWindowEx(parent, after, className, captionArg);
    if (found == 0) break;
    ++count;
    after = found;
  }
  return count;
}

WindowHandle WindowMatcher::FindRecordedWindow(const WindowPath& path) const {
  WindowHandle parent = 0;
  WindowHandle found = 0;
  for (const WindowLevel& level : path) {
    const std::string className = StripTrailingNul(level.className);
    const std::string caption = StripTrailingNul(level.caption);
    const std::optional<std::string> captionArg =
        IsBlankOrNul(caption) ? std::nullopt : std::optional<std::string>(caption);
    if (level.ordinal == 0) {
      found = windows_.FindWindowEx(windows_.GetDesktopWindow(), 0, className, captionArg);
    } else if (level.ordinal == -1) {
      found = windows_.GetDesktopWindow();
    } else {
      found = FindNthChild(parent, className, captionArg, level.ordinal);
    }
    if (found == 0) return 0;
    parent = found;
  }
  return found;
}

WindowHandle WindowMatcher::FindNthChild(WindowHandle parent, const std::optional<std::string>& className,
                                         const std::optional<std::string>& caption, std::int32_t n) const {
  WindowHandle found = 0;
  WindowHandle after = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    found = windows_.FindWindowEx(parent, after, className, caption);
    if (found == 0) return 0;
    after = found;
  }
  return found;
}

bool WindowMatcher::IsEditWindow(WindowHandle window) const {
  std::string name = windows_.GetClassName(window);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
  return name.find("EDIT") != std::string::npos;
}

}  // namespace velgaro
