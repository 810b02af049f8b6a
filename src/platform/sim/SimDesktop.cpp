#include "platform/sim/SimDesktop.h"

#include "platform/TextFold.h"
#include "platform/Utf8Text.h"

#include <algorithm>

namespace velgaro {
namespace {

constexpr std::size_t kMaxTextChars = 255;
constexpr std::int64_t kAbsoluteSpan = 65536;
constexpr std::int32_t kMinimizedPosition = -32000;


bool Matches(const std::optional<std::string>& wanted, const std::string& actual) {
  return !wanted || FoldCase(*wanted) == FoldCase(actual);
}

}  // namespace

SimDesktop::SimDesktop(int screenWidth, int screenHeight) : screenWidth_(screenWidth), screenHeight_(screenHeight) {}

WindowHandle SimDesktop::Create(const SimWindowSpec& spec) {
  const WindowHandle handle = next_;
  next_ += 0x10;
  SimWindowSpec stored = spec;
  if (stored.parent != 0 && !Exists(stored.parent)) stored.parent = 0;
  if (stored.parent != 0) stored.owner = 0;
  windows_[handle] = stored;
  if (stored.parent != 0) {
    children_[stored.parent].push_back(handle);   // as for dialog controls: creation order is z-order
  } else {
    topLevel_.push_back(handle);
    PlaceOnTop(handle);
  }
  return handle;
}

void SimDesktop::Destroy(WindowHandle window) {
  if (!Exists(window)) return;
  const std::vector<WindowHandle> kids = children_[window];
  for (WindowHandle child : kids) Destroy(child);
  std::vector<WindowHandle> owned;
  for (const auto& [handle, spec] : windows_) {
    if (spec.owner == window) owned.push_back(handle);
  }
  for (WindowHandle w : owned) Destroy(w);
  if (std::vector<WindowHandle>* siblings = SiblingsOf(window)) {
    siblings->erase(std::remove(siblings->begin(), siblings->end(), window), siblings->end());
  }
  children_.erase(window);
  clickHandlers_.erase(window);
  textHandlers_.erase(window);
  windows_.erase(window);
  restoredRects_.erase(window);
  if (pressed_ == window) pressed_ = 0;
  if (foreground_ == window) foreground_ = 0;
}

void SimDesktop::Show(WindowHandle window, bool visible) {
  auto it = windows_.find(window);
  if (it != windows_.end()) it->second.visible = visible;
}

void SimDesktop::MoveBy(WindowHandle window, std::int32_t dx, std::int32_t dy) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  Rect& r = it->second.rect;
  r.left += dx;
  r.right += dx;
  r.top += dy;
  r.bottom += dy;
  const std::vector<WindowHandle> kids = children_[window];
  for (WindowHandle child : kids) MoveBy(child, dx, dy);
}

void SimDesktop::Minimize(WindowHandle window) {
  auto it = windows_.find(window);
  if (it == windows_.end() || it->second.parent != 0 || it->second.minimized) return;
  const Rect r = it->second.rect;
  restoredRects_[window] = r;
  it->second.minimized = true;
  MoveBy(window, kMinimizedPosition - r.left, kMinimizedPosition - r.top);
  if (foreground_ == window) foreground_ = 0;
}

const SimWindowSpec* SimDesktop::Find(WindowHandle window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

void SimDesktop::OnClick(WindowHandle window, std::function<void()> handler) {
  clickHandlers_[window] = std::move(handler);
}

WindowHandle SimDesktop::FindWindowEx(WindowHandle parent, WindowHandle after,
                                      const std::optional<std::string>& className,
                                      const std::optional<std::string>& caption) const {
  const std::vector<WindowHandle>* list = &topLevel_;
  if (parent != 0 && parent != kDesktop) {
    auto it = children_.find(parent);
    if (it == children_.end()) return 0;
    list = &it->second;
  }
  auto from = list->begin();
  if (after != 0) {
    from = std::find(list->begin(), list->end(), after);
    if (from == list->end()) return 0;
    ++from;
  }
  for (auto it = from; it != list->end(); ++it) {
    const SimWindowSpec& spec = windows_.at(*it);
    if (Matches(className, spec.className) && Matches(caption, spec.caption)) return *it;
  }
  return 0;
}

WindowHandle SimDesktop::WindowFromPoint(Point screen) const {
  for (WindowHandle w : topLevel_) {
    const SimWindowSpec& spec = windows_.at(w);
    if (spec.visible && !spec.minimized && spec.rect.Contains(screen)) return DeepestAt(w, screen);
  }
  return kDesktop;
}

WindowHandle SimDesktop::DeepestAt(WindowHandle window, Point p) const {
  auto it = children_.find(window);
  if (it != children_.end()) {
    for (WindowHandle child : it->second) {
      const SimWindowSpec& spec = windows_.at(child);
      if (spec.visible && spec.rect.Contains(p)) return DeepestAt(child, p);
    }
  }
  return window;
}

Point SimDesktop::ClientToScreen(WindowHandle window, Point client) const {
  const SimWindowSpec* spec = Find(window);
  if (spec == nullptr) return client;
  return Point{spec->rect.left + client.x, spec->rect.top + client.y};
}

Point SimDesktop::ScreenToClient(WindowHandle window, Point screen) const {
  const SimWindowSpec* spec = Find(window);
  if (spec == nullptr) return screen;
  return Point{screen.x - spec->rect.left, screen.y - spec->rect.top};
}

WindowHandle SimDesktop::GetParent(WindowHandle window) const {
  const SimWindowSpec* spec = Find(window);
  if (spec == nullptr) return 0;
  return spec->parent != 0 ? spec->parent : spec->owner;
}

std::string SimDesktop::GetWindowText(WindowHandle window) const {
  const SimWindowSpec* spec = Find(window);
  return spec == nullptr ? std::string() : FirstCharacters(spec->caption, kMaxTextChars);
}

std::string SimDesktop::GetClassName(WindowHandle window) const {
  if (window == kDesktop) return "#32769";
  const SimWindowSpec* spec = Find(window);
  return spec == nullptr ? std::string() : FirstCharacters(spec->className, kMaxTextChars);
}

bool SimDesktop::SetForegroundWindow(WindowHandle window) {
  foregroundCalls_.push_back(window);
  // As under Wine: a child window cannot be the foreground window, and nothing is raised for it.
  const SimWindowSpec* spec = Find(window);
  if (spec == nullptr || spec->parent != 0) return false;
  PlaceOnTop(window);
  foreground_ = window;
  return true;
}

bool SimDesktop::SetTopMost(WindowHandle window, bool topMost) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return false;
  it->second.visible = true;
  return SetZOrder(window, topMost ? ZPlace::TopMost : ZPlace::NoTopMost);
}

bool SimDesktop::IsVisible(WindowHandle window) const {
  // As IsWindowVisible: the window and every parent of it have the visible style.
  for (WindowHandle w = window; w != 0;) {
    const SimWindowSpec* spec = Find(w);
    if (spec == nullptr || !spec->visible) return false;
    w = spec->parent;
  }
  return true;
}

bool SimDesktop::IsMinimized(WindowHandle window) const {
  const SimWindowSpec* spec = Find(window);
  return spec != nullptr && spec->minimized;
}

bool SimDesktop::RestoreWindow(WindowHandle window) {
  auto it = windows_.find(window);
  if (it == windows_.end() || it->second.parent != 0) return false;
  if (it->second.minimized) {
    const Rect r = restoredRects_[window];
    restoredRects_.erase(window);
    it->second.minimized = false;
    MoveBy(window, r.left - it->second.rect.left, r.top - it->second.rect.top);
  }
  it->second.visible = true;
  PlaceOnTop(window);   // shown and activated
  foreground_ = window;
  return true;
}

bool SimDesktop::IsTopMost(WindowHandle window) const {
  const SimWindowSpec* spec = Find(window);
  return spec != nullptr && spec->topMost;
}

bool SimDesktop::SetZOrder(WindowHandle window, ZPlace place) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return false;
  // Bands apply to top-level windows only; a child just comes to the front of its siblings.
  if (it->second.parent == 0 && place != ZPlace::Top) it->second.topMost = place == ZPlace::TopMost;
  PlaceOnTop(window);
  return true;
}

std::optional<Rect> SimDesktop::GetWindowRect(WindowHandle window) const {
  const SimWindowSpec* spec = Find(window);
  if (spec == nullptr) return std::nullopt;
  return spec->rect;
}

bool SimDesktop::MoveWindowTo(WindowHandle window, Point topLeft) {
  const SimWindowSpec* spec = Find(window);
  if (spec == nullptr) return false;
  MoveBy(window, topLeft.x - spec->rect.left, topLeft.y - spec->rect.top);
  return true;
}

namespace {

// A delivery answered when its condition holds: at once, when a box is gone, or never.
class SimTextDelivery final : public TextDelivery {
 public:
  explicit SimTextDelivery(std::function<bool()> returned) : returned_(std::move(returned)) {}
  bool Returned() const override { return returned_(); }

 private:
  std::function<bool()> returned_;
};

}  // namespace

void SimDesktop::OnSetText(WindowHandle window, std::function<WindowHandle(const std::string&)> handler) {
  textHandlers_[window] = std::move(handler);
}

void SimDesktop::SetHung(WindowHandle window, bool hung) {
  hung_.erase(std::remove(hung_.begin(), hung_.end(), window), hung_.end());
  if (hung) hung_.push_back(window);
}

std::shared_ptr<const TextDelivery> SimDesktop::BeginSetText(WindowHandle window, const std::string& text) {
  textsSent_.emplace_back(window, text);
  if (onTextSent) onTextSent(window, text);
  if (std::find(hung_.begin(), hung_.end(), window) != hung_.end()) {
    return std::make_shared<SimTextDelivery>([] { return false; });
  }
  auto it = windows_.find(window);
  if (it == windows_.end()) return std::make_shared<SimTextDelivery>([] { return true; });
  it->second.caption = text;
  WindowHandle holdsUp = 0;
  if (auto handler = textHandlers_.find(window); handler != textHandlers_.end()) holdsUp = handler->second(text);
  if (holdsUp == 0) return std::make_shared<SimTextDelivery>([] { return true; });
  return std::make_shared<SimTextDelivery>([this, holdsUp] { return !Exists(holdsUp); });
}

std::string SimDesktop::GetTextByMessage(WindowHandle window, std::size_t maxChars) const {
  const SimWindowSpec* spec = Find(window);
  if (spec == nullptr || maxChars == 0) return std::string();
  return FirstCharacters(spec->caption, maxChars - 1);   // the buffer keeps room for the terminating NUL
}

std::int32_t SimDesktop::WindowProcessId(WindowHandle window) const {
  for (const SimWindowSpec* spec = Find(window); spec != nullptr; spec = Find(spec->parent)) {
    if (spec->process != 0 || spec->parent == 0) return spec->process;
  }
  return 0;
}

void SimDesktop::SetCursorPos(std::int32_t x, std::int32_t y) {
  inputLog_.push_back(InputEvent{InputEvent::kCursor, 0, x, y});
  cursor_ = Point{x, y};
}

void SimDesktop::MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy) {
  inputLog_.push_back(InputEvent{InputEvent::kMouse, flags, dx, dy});
  if (flags & kMouseMove) {
    if (flags & kMouseAbsolute) {
      cursor_ = Point{static_cast<std::int32_t>(std::int64_t{dx} * screenWidth_ / kAbsoluteSpan),
                      static_cast<std::int32_t>(std::int64_t{dy} * screenHeight_ / kAbsoluteSpan)};
    } else {
      cursor_ = Point{cursor_.x + dx, cursor_.y + dy};
    }
  }
  if (flags & kMouseLeftDown) pressed_ = WindowFromPoint(cursor_);
  if (flags & kMouseLeftUp) {
    const WindowHandle pressed = pressed_;
    pressed_ = 0;
    if (pressed == 0 || WindowFromPoint(cursor_) != pressed) return;
    auto it = clickHandlers_.find(pressed);
    if (it == clickHandlers_.end()) return;
    const std::function<void()> handler = it->second;   // the handler may destroy its own window
    handler();
  }
}

std::vector<WindowHandle>* SimDesktop::SiblingsOf(WindowHandle window) {
  const SimWindowSpec* spec = Find(window);
  if (spec == nullptr) return nullptr;
  if (spec->parent == 0) return &topLevel_;
  auto it = children_.find(spec->parent);
  return it == children_.end() ? nullptr : &it->second;
}

void SimDesktop::PlaceOnTop(WindowHandle window) {
  std::vector<WindowHandle>* siblings = SiblingsOf(window);
  if (siblings == nullptr) return;
  siblings->erase(std::remove(siblings->begin(), siblings->end(), window), siblings->end());
  auto at = siblings->begin();
  if (siblings == &topLevel_ && !windows_.at(window).topMost) {
    at = std::find_if(siblings->begin(), siblings->end(), [this](WindowHandle w) { return !windows_.at(w).topMost; });
  }
  siblings->insert(at, window);
}

WindowHandle SimDesktop::TopLevelOf(WindowHandle window) const {
  const SimWindowSpec* spec = Find(window);
  while (spec != nullptr && spec->parent != 0) {
    window = spec->parent;
    spec = Find(window);
  }
  return spec == nullptr ? 0 : window;
}

}  // namespace velgaro
