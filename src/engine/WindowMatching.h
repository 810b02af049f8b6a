// Describing a pressed window as the chain of its ancestors, and finding it again by that chain.
#pragma once

#include <optional>
#include <string>

#include "package/PackageImage.h"
#include "platform/Ports.h"

namespace velgaro {

std::string StripTrailingNul(const std::string& text);

class WindowMatcher {
 public:
  WindowMatcher(const WindowSystem& windows, WindowHandle controlWindow) : windows_(windows), control_(controlWindow) {}

  void DescribeWindow(WindowHandle window, WindowPath& path) const;   // appends outermost first
  std::int32_t SiblingOrdinal(WindowHandle parent, const std::string& className, const std::string& caption,
                              WindowHandle target) const;
  WindowHandle FindRecordedWindow(const WindowPath& path) const;      // 0 when a level is not found
  WindowHandle FindNthChild(WindowHandle parent, const std::optional<std::string>& className,
                            const std::optional<std::string>& caption, std::int32_t n) const;
  bool IsEditWindow(WindowHandle window) const;
  bool IsControlWindow(WindowHandle window) const { return window != 0 && window == control_; }
  void SetControlWindow(WindowHandle window) { control_ = window; }

 private:
  const WindowSystem& windows_;
  WindowHandle control_;
};

}  // namespace velgaro
