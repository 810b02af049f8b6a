// Describing a pressed window as the chain of its ancestors, and finding it again by that chain.
#pragma once

#include <optional>
#include <string>

#include <vector>

#include "engine/InstallerTree.h"
#include "engine/LooseCaption.h"
#include "package/PackageImage.h"
#include "platform/Ports.h"

namespace velgaro {

std::string StripTrailingNul(const std::string& text);

// What playback knows beyond the recorded chain when it walks it.
struct MatchContext {
  // The installer the package started: among top-level windows that match a level its windows come
  // first, and only its windows may be taken by a caption that differs in its numbers. Null: none known.
  const InstallerTree* installer = nullptr;
  // The exact caption has been sought long enough: a caption that differs only in its numbers may stand
  // for it, when exactly one of the installer's windows at that level has one.
  bool looseCaptions = false;
  // Numbers the run has already seen replaced ("1.2" shown as "1.3"). Null: none.
  const NumberSubstitutions* learned = nullptr;
};

struct MatchResult {
  WindowHandle window = 0;                   // 0 when a level is not found
  std::vector<CaptionTaken> captionsTaken;   // the levels found by a caption other than the recorded one
};

class WindowMatcher {
 public:
  WindowMatcher(const WindowSystem& windows, WindowHandle controlWindow) : windows_(windows), control_(controlWindow) {}

  void DescribeWindow(WindowHandle window, WindowPath& path) const;   // appends outermost first
  std::int32_t SiblingOrdinal(WindowHandle parent, const std::string& className, const std::string& caption,
                              WindowHandle target) const;
  WindowHandle FindRecordedWindow(const WindowPath& path) const;      // 0 when a level is not found
  MatchResult FindRecordedWindow(const WindowPath& path, const MatchContext& context) const;
  WindowHandle FindNthChild(WindowHandle parent, const std::optional<std::string>& className,
                            const std::optional<std::string>& caption, std::int32_t n) const;
  bool IsEditWindow(WindowHandle window) const;
  bool IsControlWindow(WindowHandle window) const { return window != 0 && window == control_; }
  void SetControlWindow(WindowHandle window) { control_ = window; }

 private:
  WindowHandle FindLevel(const WindowLevel& level, WindowHandle parent, const MatchContext& context,
                         std::vector<CaptionTaken>& taken) const;
  // A level by class, caption and rank; among top-level windows the installer's come first.
  WindowHandle FindExact(WindowHandle parent, bool topLevel, const std::string& className,
                         const std::optional<std::string>& caption, std::int32_t ordinal,
                         const MatchContext& context) const;
  // The one window of the installer at this level whose caption passes the test; 0 when none or several do.
  template <typename CaptionTest>
  WindowHandle FindOnlyOwn(WindowHandle parent, bool topLevel, const std::string& className,
                           const InstallerTree& installer, CaptionTest test) const;
  std::vector<WindowHandle> Matches(WindowHandle parent, bool topLevel, const std::optional<std::string>& className,
                                    const std::optional<std::string>& caption) const;

  const WindowSystem& windows_;
  WindowHandle control_;
};

}  // namespace velgaro
