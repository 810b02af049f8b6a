#include "platform/win32/Win32Timers.h"

#include <windows.h>

#include <map>
#include <utility>

namespace velgaro::win32 {
namespace {
class Win32Timer;
constexpr wchar_t kHostClass[] = L"VelgaroTimerHost";
}  // namespace

struct Win32TimerFactory::Host {
  HWND window = nullptr;
  std::map<UINT_PTR, Win32Timer*> timers;
  UINT_PTR nextId = 1;

  Host();
  ~Host() {
    if (window != nullptr) DestroyWindow(window);
  }
  void OnTimer(UINT_PTR id);
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

namespace {

class Win32Timer final : public Timer {
 public:
  Win32Timer(std::shared_ptr<Win32TimerFactory::Host> host, std::function<void()> onTick)
      : host_(std::move(host)), onTick_(std::move(onTick)), id_(host_->nextId++) {
    host_->timers[id_] = this;
  }
  ~Win32Timer() override {
    Stop();
    host_->timers.erase(id_);
    *alive_ = false;
  }

  void SetEnabled(bool enabled) override {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) Start(); else Stop();
  }
  bool Enabled() const override { return enabled_; }

  void SetInterval(int milliseconds) override {
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    if (!enabled_) return;
    if (interval_ > 0) Start(); else Stop();  // SetTimer on a running id restarts it
  }
  int Interval() const override { return interval_; }

  void Tick() {
    // A handler that lets messages run (playing mouse steps) must not be entered again by its own timer.
    if (!enabled_ || ticking_) return;
    std::shared_ptr<bool> alive = alive_;
    ticking_ = true;
    std::function<void()> handler = onTick_;  // the handler may destroy this timer
    handler();
    if (*alive) ticking_ = false;
  }

 private:
  void Start() {
    if (interval_ > 0 && host_->window != nullptr) SetTimer(host_->window, id_, static_cast<UINT>(interval_), nullptr);
  }
  void Stop() {
    if (host_->window != nullptr) KillTimer(host_->window, id_);
  }

  std::shared_ptr<Win32TimerFactory::Host> host_;
  std::function<void()> onTick_;
  UINT_PTR id_;
  bool enabled_ = false;
  int interval_ = 0;
  bool ticking_ = false;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace

Win32TimerFactory::Host::Host() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  wc.lpfnWndProc = &Host::WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kHostClass;
  RegisterClassW(&wc);  // fails harmlessly when already registered
  window = CreateWindowExW(0, kHostClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
}

void Win32TimerFactory::Host::OnTimer(UINT_PTR id) {
  auto it = timers.find(id);
  if (it == timers.end()) {
    KillTimer(window, id);
    return;
  }
  it->second->Tick();
}

LRESULT CALLBACK Win32TimerFactory::Host::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  } else if (msg == WM_TIMER) {
    auto* host = reinterpret_cast<Host*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (host != nullptr) {
      try {
        host->OnTimer(static_cast<UINT_PTR>(wParam));
      } catch (...) {
        // Nothing may unwind through DispatchMessage; the tick is lost, the timer goes on.
      }
    }
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

Win32TimerFactory::Win32TimerFactory() : host_(std::make_shared<Host>()) {}
Win32TimerFactory::~Win32TimerFactory() = default;

bool Win32TimerFactory::Ready() const { return host_->window != nullptr; }

std::unique_ptr<Timer> Win32TimerFactory::CreateTimer(std::function<void()> onTick) {
  return std::make_unique<Win32Timer>(host_, std::move(onTick));
}

std::int64_t Win32TimerFactory::ElapsedMs() const { return static_cast<std::int64_t>(GetTickCount64()); }

}  // namespace velgaro::win32
