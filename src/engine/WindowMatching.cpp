#include "engine/WindowMatching.h"

#include <algorithm>
#include <vector>

#include "platform/TextFold.h"

namespace velgaro {
namespace {

// GetParent chains on a real desktop are short; the cap only keeps a broken chain from running away.
constexpr std::size_t kMaxDepth = 64;
// Like windows at one level are few; the cap only keeps a desktop flooded with windows from stalling a tick.
constexpr std::size_t kMaxMatches = 256;

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
    level.className = windows_.GetClassName(w);
    // An edit field is known by its place: its text is what the user is about to change, and another
    // machine shows another default there.
    if (!IsEditClass(level.className)) level.caption = windows_.GetWindowText(w);
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

std::vector<WindowHandle> WindowMatcher::Matches(WindowHandle parent, bool topLevel,
                                                 const std::optional<std::string>& className,
                                                 const std::optional<std::string>& caption) const {
  const WindowHandle under = topLevel ? windows_.GetDesktopWindow() : parent;
  std::vector<WindowHandle> found;
  for (WindowHandle w = windows_.FindWindowEx(under, 0, className, caption); w != 0 && found.size() < kMaxMatches;
       w = windows_.FindWindowEx(under, w, className, caption)) {
    found.push_back(w);
  }
  return found;
}

template <typename CaptionTest>
WindowHandle WindowMatcher::FindOnlyOwn(WindowHandle parent, bool topLevel, const std::string& className,
                                        const InstallerTree& installer, CaptionTest test) const {
  WindowHandle only = 0;
  for (WindowHandle w : Matches(parent, topLevel, className, std::nullopt)) {
    if (!test(windows_.GetWindowText(w)) || !installer.Owns(w)) continue;
    if (only != 0) return 0;   // several qualify: none can be told to be the one recorded
    only = w;
  }
  return only;
}

WindowHandle WindowMatcher::FindExact(WindowHandle parent, bool topLevel, const std::string& className,
                                      const std::optional<std::string>& caption, std::int32_t ordinal,
                                      const MatchContext& context) const {
  if (ordinal < 0) return 0;
  if (!topLevel) return FindNthChild(parent, className, caption, ordinal);
  // Ordinal 0: the first top-level match, whatever the previous level found.
  const std::size_t rank = ordinal < 1 ? 1 : static_cast<std::size_t>(ordinal);
  const std::vector<WindowHandle> matches = Matches(parent, true, className, caption);
  if (context.installer != nullptr && context.installer->Known()) {
    std::vector<WindowHandle> own;
    for (WindowHandle w : matches) {
      if (context.installer->Owns(w)) own.push_back(w);
    }
    // The rank was counted among every window, another program's included: among the installer's
    // own fewer may come before it.
    if (!own.empty()) return own[std::min(rank, own.size()) - 1];
  }
  // None of them is the installer's (it may have handed over to a process it did not start).
  return rank <= matches.size() ? matches[rank - 1] : 0;
}

WindowHandle WindowMatcher::FindRecordedWindow(const WindowPath& path) const {
  return FindRecordedWindow(path, MatchContext{}).window;
}

MatchResult WindowMatcher::FindRecordedWindow(const WindowPath& path, const MatchContext& context) const {
  MatchResult result;
  WindowHandle parent = 0;
  for (const WindowLevel& level : path) {
    const WindowHandle found = FindLevel(level, parent, context, result.captionsTaken);
    if (found == 0) return MatchResult{};
    parent = found;
  }
  result.window = parent;
  return result;
}

WindowHandle WindowMatcher::FindLevel(const WindowLevel& level, WindowHandle parent, const MatchContext& context,
                                      std::vector<CaptionTaken>& taken) const {
  if (level.ordinal == -1) return windows_.GetDesktopWindow();
  const std::string className = StripTrailingNul(level.className);
  const std::string caption = StripTrailingNul(level.caption);
  const bool anyCaption = IsBlankOrNul(caption);
  const std::optional<std::string> captionArg = anyCaption ? std::nullopt : std::optional<std::string>(caption);
  // Level 1 and a level with Ordinal 0 are searched among the top-level windows.
  const bool topLevel = level.ordinal == 0 || parent == 0 || parent == windows_.GetDesktopWindow();
  if (const WindowHandle w = FindExact(parent, topLevel, className, captionArg, level.ordinal, context)) return w;
  if (anyCaption) return 0;
  if (IsEditClass(className)) {
    // Recorded with its content as caption (packages of earlier versions): found again by its place.
    return FindExact(parent, topLevel, className, std::nullopt, level.ordinal, context);
  }
  if (context.installer == nullptr || !context.installer->Known() || NumberRuns(caption).empty()) return 0;
  WindowHandle found = 0;
  if (context.learned != nullptr) {
    const std::string renumbered = context.learned->Apply(caption);
    if (renumbered != caption) {
      found = FindOnlyOwn(parent, topLevel, className, *context.installer,
                          [&](const std::string& c) { return FoldCase(c) == FoldCase(renumbered); });
    }
  }
  if (found == 0 && context.looseCaptions) {
    found = FindOnlyOwn(parent, topLevel, className, *context.installer,
                        [&](const std::string& c) { return SameButNumbers(caption, c); });
  }
  if (found != 0) taken.push_back(CaptionTaken{caption, windows_.GetWindowText(found)});
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

bool WindowMatcher::IsEditWindow(WindowHandle window) const { return IsEditClass(windows_.GetClassName(window)); }

}  // namespace velgaro
