#include "platform/win32/Win32HttpGet.h"

#include <winhttp.h>

#include "platform/win32/WideText.h"

namespace velgaro::win32 {

// One request. The worker writes ok and body before it posts state 4; the handles are closed by
// whichever side takes them first (the worker at its end, or Abort from the window's thread, which
// makes a blocked WinHTTP call return at once).
struct Win32HttpGet::Job {
  HWND window = nullptr;
  UINT message = 0;
  WPARAM number = 0;
  std::wstring url;
  HINTERNET session = nullptr;
  HINTERNET connection = nullptr;
  HINTERNET request = nullptr;
  volatile LONG aborted = 0;
  bool ok = false;
  std::string body;
};

namespace {

using Job = Win32HttpGet::Job;

constexpr DWORD kPhaseTimeoutMs = 10000;   // name resolution, connection, sending
constexpr DWORD kReadTimeoutMs = 5000;     // each read: the deadline is checked between reads

bool Aborted(const Job& job) { return InterlockedCompareExchange(const_cast<volatile LONG*>(&job.aborted), 0, 0) != 0; }

void Keep(HINTERNET& slot, HINTERNET handle) {
  InterlockedExchangePointer(reinterpret_cast<PVOID volatile*>(&slot), handle);
}

void CloseAll(Job& job) {
  for (HINTERNET* slot : {&job.request, &job.connection, &job.session}) {
    auto handle = static_cast<HINTERNET>(InterlockedExchangePointer(reinterpret_cast<PVOID volatile*>(slot), nullptr));
    if (handle != nullptr) WinHttpCloseHandle(handle);
  }
}

void Report(const Job& job, LPARAM state) {
  if (!Aborted(job)) PostMessageW(job.window, job.message, job.number, state);
}

struct Target {
  std::wstring host;
  std::wstring path;
  INTERNET_PORT port = 0;
  bool secure = false;
};

// Only http:// and https:// addresses with a host are asked.
bool Crack(const std::wstring& url, Target& target) {
  URL_COMPONENTS parts{};
  parts.dwStructSize = sizeof(parts);
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) return false;
  if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return false;
  if (parts.lpszHostName == nullptr || parts.dwHostNameLength == 0) return false;
  target.host.assign(parts.lpszHostName, parts.dwHostNameLength);
  if (parts.lpszUrlPath != nullptr) target.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
  if (parts.lpszExtraInfo != nullptr) target.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (target.path.empty()) target.path = L"/";
  target.port = parts.nPort;
  target.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  return true;
}

bool Fetch(Job& job) {
  Target target;
  if (!Crack(job.url, target)) return false;
  const ULONGLONG deadline = GetTickCount64() + HttpGet::kDeadlineMs;
  Keep(job.session, WinHttpOpen(L"Velgaro Replaysetup", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                WINHTTP_NO_PROXY_BYPASS, 0));
  if (job.session == nullptr || Aborted(job)) return false;
  WinHttpSetTimeouts(job.session, kPhaseTimeoutMs, kPhaseTimeoutMs, kPhaseTimeoutMs, kReadTimeoutMs);
  Keep(job.connection, WinHttpConnect(job.session, target.host.c_str(), target.port, 0));
  if (job.connection == nullptr || Aborted(job)) return false;
  Keep(job.request, WinHttpOpenRequest(job.connection, L"GET", target.path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                       WINHTTP_DEFAULT_ACCEPT_TYPES, target.secure ? WINHTTP_FLAG_SECURE : 0));
  if (job.request == nullptr || Aborted(job)) return false;
  Report(job, 1);
  if (!WinHttpSendRequest(job.request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
      !WinHttpReceiveResponse(job.request, nullptr)) {
    return false;
  }
  Report(job, 2);
  DWORD status = 0;
  DWORD size = sizeof(status);
  if (!WinHttpQueryHeaders(job.request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                           WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX) ||
      status != 200) {
    return false;
  }
  Report(job, 3);
  char buffer[8192];
  for (;;) {
    if (Aborted(job) || GetTickCount64() > deadline) return false;
    DWORD read = 0;
    if (!WinHttpReadData(job.request, buffer, sizeof(buffer), &read)) return false;
    if (read == 0) break;
    if (job.body.size() + read > HttpGet::kMaxBody) return false;   // no list is this large
    job.body.append(buffer, read);
  }
  return GetTickCount64() <= deadline;
}

DWORD WINAPI Run(LPVOID parameter) {
  auto* holder = static_cast<std::shared_ptr<Job>*>(parameter);
  const std::shared_ptr<Job> job = *holder;
  delete holder;
  job->ok = Fetch(*job);
  if (!job->ok) job->body.clear();
  CloseAll(*job);
  Report(*job, 4);
  return 0;
}

}  // namespace

Win32HttpGet::~Win32HttpGet() { Abort(); }

bool Win32HttpGet::Start(const std::string& url) {
  Abort();
  auto job = std::make_shared<Job>();
  job->window = window_;
  job->message = message_;
  job->number = ++number_;
  job->url = ToWide(url);
  Target target;
  if (!Crack(job->url, target)) return false;
  auto* holder = new std::shared_ptr<Job>(job);
  HANDLE thread = CreateThread(nullptr, 0, &Run, holder, 0, nullptr);
  if (thread == nullptr) {
    delete holder;
    return false;
  }
  CloseHandle(thread);
  job_ = std::move(job);
  return true;
}

void Win32HttpGet::Abort() {
  if (!job_) return;
  InterlockedExchange(&job_->aborted, 1);
  CloseAll(*job_);
  job_.reset();
  ++number_;   // whatever the worker still posts is dropped
}

std::optional<std::string> Win32HttpGet::TakeBody() {
  if (!job_) return std::nullopt;
  const std::shared_ptr<Job> job = std::move(job_);
  if (!job->ok) return std::nullopt;
  return std::move(job->body);
}

}  // namespace velgaro::win32
