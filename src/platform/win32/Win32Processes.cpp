#include "platform/win32/Win32Processes.h"

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <vector>

#include "platform/win32/WideText.h"

namespace velgaro::win32 {

std::optional<std::int32_t> Win32Processes::Start(const std::string& commandLine) {
  // CreateProcessW may write into the command line, so it gets its own terminated copy.
  const std::wstring wide = ToWide(commandLine);
  if (wide.empty() || wide.find(L'\0') != std::wstring::npos) return std::nullopt;
  std::vector<wchar_t> line(wide.begin(), wide.end());
  line.push_back(L'\0');

  STARTUPINFOW si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    return std::nullopt;
  }
  CloseHandle(pi.hThread);
  lastStarted_.Reset(pi.hProcess);
  return static_cast<std::int32_t>(pi.dwProcessId);
}

ProcessHandle Win32Processes::OpenForWait(std::int32_t processId) {
  HANDLE h = OpenProcess(SYNCHRONIZE, TRUE, static_cast<DWORD>(processId));
  return reinterpret_cast<ProcessHandle>(h);
}

std::int32_t Win32Processes::WaitZero(ProcessHandle handle) {
  // WAIT_FAILED (0xFFFFFFFF) reads as -1.
  return static_cast<std::int32_t>(WaitForSingleObject(reinterpret_cast<HANDLE>(handle), 0));
}

void Win32Processes::Close(ProcessHandle handle) {
  if (handle != 0) CloseHandle(reinterpret_cast<HANDLE>(handle));
}

namespace {

// Every process that processId started, and those they started, from one snapshot. A process whose
// parent is gone may carry a recycled parent id: only processes created after their parent count.
std::vector<DWORD> Descendants(DWORD processId) {
  std::vector<std::pair<DWORD, DWORD>> links;   // (process, parent)
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return {};
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    links.emplace_back(entry.th32ProcessID, entry.th32ParentProcessID);
  }
  CloseHandle(snapshot);
  std::vector<DWORD> found{processId};
  for (std::size_t i = 0; i < found.size(); ++i) {
    for (const auto& [process, parent] : links) {
      if (parent == found[i] && process != processId &&
          std::find(found.begin(), found.end(), process) == found.end()) {
        found.push_back(process);
      }
    }
  }
  return found;
}

FILETIME CreationTime(HANDLE process) {
  FILETIME created{}, exited{}, kernel{}, user{};
  GetProcessTimes(process, &created, &exited, &kernel, &user);
  return created;
}

}  // namespace

void Win32Processes::EndTree(std::int32_t processId) {
  if (processId <= 0) return;
  const std::vector<DWORD> tree = Descendants(static_cast<DWORD>(processId));
  HANDLE root = OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, tree.front());
  const FILETIME rootCreated = root != nullptr ? CreationTime(root) : FILETIME{};
  // The children first: a parent ended first could not be told from a recycled id afterwards.
  for (auto it = tree.rbegin(); it != tree.rend(); ++it) {
    if (*it == tree.front()) continue;
    HANDLE child = OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, *it);
    if (child == nullptr) continue;
    const FILETIME childCreated = CreationTime(child);
    if (root == nullptr || CompareFileTime(&rootCreated, &childCreated) <= 0) TerminateProcess(child, 1);
    CloseHandle(child);
  }
  if (root != nullptr) {
    TerminateProcess(root, 1);
    CloseHandle(root);
  }
}

std::vector<std::int32_t> Win32Processes::ProcessTree(std::int32_t processId) const {
  if (processId <= 0) return {};
  const std::vector<DWORD> tree = Descendants(static_cast<DWORD>(processId));
  HANDLE root = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, tree.front());
  const bool rootKnown = root != nullptr;
  const FILETIME rootCreated = rootKnown ? CreationTime(root) : FILETIME{};
  if (rootKnown) CloseHandle(root);
  std::vector<std::int32_t> found{processId};
  for (std::size_t i = 1; i < tree.size(); ++i) {
    HANDLE child = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, tree[i]);
    if (child == nullptr) continue;
    const FILETIME childCreated = CreationTime(child);
    CloseHandle(child);
    // As in EndTree: a process older than the root names a recycled parent id, not the root's tree.
    if (!rootKnown || CompareFileTime(&rootCreated, &childCreated) <= 0) found.push_back(static_cast<std::int32_t>(tree[i]));
  }
  return found;
}

}  // namespace velgaro::win32
