#include "platform/win32/Win32HttpGet.h"

#include <winhttp.h>

#include "platform/win32/WideText.h"

namespace velgaro::win32 {

// One request. Two threads serve it: the worker asks the server, and the watch gives up for it once
// kDeadlineMs have passed, whatever WinHTTP call the worker is blocked in (a server that accepts and
// then stays silent would hold it as long as it likes). Whichever finishes first settles the request:
// it sets ok and body and posts state 4, under the lock, so nothing is reported after that. The handles
// are closed by whichever side takes them first (the worker at its end, the watch, or Abort from the
// window's thread); closing them makes a blocked WinHTTP call return.
struct Win32HttpGet::Job {
  HWND window = nullptr;
  UINT message = 0;
  WPARAM number = 0;
  std::wstring url;
  HINTERNET session = nullptr;
  HINTERNET connection = nullptr;
  HINTERNET request = nullptr;
  volatile LONG aborted = 0;
  SRWLOCK lock = SRWLOCK_INIT;
  bool settled = false;   // under lock: state 4 was reported
  bool ok = false;
  std::string body;
};

namespace {

using Job = Win32HttpGet::Job;

// WinHTTP's own limits for each step; the watch's deadline bounds the whole request.
constexpr DWORD kPhaseTimeoutMs = 10000;   // name resolution, connection, sending
constexpr DWORD kReadTimeoutMs = 5000;     // the wait for the answer and each read

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

// States 1 to 3, as long as the request is not settled.
void Report(Job& job, LPARAM state) {
  AcquireSRWLockExclusive(&job.lock);
  if (!job.settled && !Aborted(job)) PostMessageW(job.window, job.message, job.number, state);
  ReleaseSRWLockExclusive(&job.lock);
}

// State 4, once: the first to settle the request decides what it yielded.
void Settle(Job& job, bool ok, std::string body) {
  AcquireSRWLockExclusive(&job.lock);
  if (!job.settled) {
    job.settled = true;
    job.ok = ok;
    if (ok) job.body = std::move(body);
    if (!Aborted(job)) PostMessageW(job.window, job.message, job.number, 4);
  }
  ReleaseSRWLockExclusive(&job.lock);
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

bool Fetch(Job& job, std::string& body) {
  Target target;
  if (!Crack(job.url, target)) return false;
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
    if (Aborted(job)) return false;
    DWORD read = 0;
    if (!WinHttpReadData(job.request, buffer, sizeof(buffer), &read)) return false;
    if (read == 0) break;
    if (body.size() + read > HttpGet::kMaxBody) return false;   // no list is this large
    body.append(buffer, read);
  }
  return true;
}

std::shared_ptr<Job> TakeJob(LPVOID parameter) {
  auto* holder = static_cast<std::shared_ptr<Job>*>(parameter);
  std::shared_ptr<Job> job = std::move(*holder);
  delete holder;
  return job;
}

DWORD WINAPI Work(LPVOID parameter) {
  const std::shared_ptr<Job> job = TakeJob(parameter);
  std::string body;
  const bool ok = Fetch(*job, body);
  CloseAll(*job);
  Settle(*job, ok, std::move(body));
  return 0;
}

// Starts the worker and waits for it at most kDeadlineMs; then the request has yielded nothing.
DWORD WINAPI Watch(LPVOID parameter) {
  const std::shared_ptr<Job> job = TakeJob(parameter);
  auto* forWorker = new std::shared_ptr<Job>(job);
  HANDLE worker = CreateThread(nullptr, 0, &Work, forWorker, 0, nullptr);
  if (worker == nullptr) {
    delete forWorker;
    Settle(*job, false, {});
    return 0;
  }
  const bool done = WaitForSingleObject(worker, HttpGet::kDeadlineMs) == WAIT_OBJECT_0;
  CloseHandle(worker);
  if (!done) {
    Settle(*job, false, {});
    CloseAll(*job);   // the worker returns from its blocked call and finds the request settled
  }
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
  HANDLE thread = CreateThread(nullptr, 0, &Watch, holder, 0, nullptr);
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
