// launch: starts a program with an exact command line, for the end-to-end tests. Wine re-quotes the
// arguments of a program started from Linux and hands Linux only the low 8 bits of an exit code; a
// Windows program that calls CreateProcessW itself shows both as a deployment tool sees them.
//   launch [--nostd] LINEFILE [SECONDS]
// The first line of LINEFILE (UTF-8, without its line break) is the whole command line given to
// CreateProcessW, program name included. The program inherits this one's current folder and standard
// handles (none with --nostd). Prints the program's whole exit code in decimal once it ends, or
// "timeout" when it ran longer than SECONDS (default 120; it is then ended).
// Exit code 0 when the program ran, 2 when the line could not be read or the program not started.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr DWORD kDefaultLimitSeconds = 120;

bool ReadLine(const wchar_t* file, std::wstring& line) {
  FILE* f = _wfopen(file, L"rb");
  if (f == nullptr) return false;
  std::string bytes;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof(buffer), f)) > 0) bytes.append(buffer, n);
  std::fclose(f);
  const std::size_t end = bytes.find_first_of("\r\n");
  if (end != std::string::npos) bytes.resize(end);
  if (bytes.empty()) return false;
  const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                       nullptr, 0);
  if (size <= 0) return false;
  line.assign(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), line.data(), size);
  return true;
}

HANDLE Inheritable(DWORD which) {
  HANDLE h = GetStdHandle(which);
  if (h != nullptr && h != INVALID_HANDLE_VALUE) SetHandleInformation(h, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  return h;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int first = 1;
  const bool noStd = argc > 1 && std::wcscmp(argv[1], L"--nostd") == 0;
  if (noStd) ++first;
  if (argc <= first) {
    std::fprintf(stderr, "usage: launch [--nostd] LINEFILE [SECONDS]\n");
    return 2;
  }
  std::wstring line;
  if (!ReadLine(argv[first], line)) {
    std::fprintf(stderr, "launch: cannot read a command line from the file\n");
    return 2;
  }
  const DWORD limit = argc > first + 1 ? static_cast<DWORD>(std::wcstoul(argv[first + 1], nullptr, 10))
                                       : kDefaultLimitSeconds;

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  if (!noStd) {
    startup.hStdInput = Inheritable(STD_INPUT_HANDLE);
    startup.hStdOutput = Inheritable(STD_OUTPUT_HANDLE);
    startup.hStdError = Inheritable(STD_ERROR_HANDLE);
  }
  PROCESS_INFORMATION process{};
  // CreateProcessW may write into the line: it is a buffer of our own.
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, noStd ? FALSE : TRUE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fprintf(stderr, "launch: CreateProcessW failed with error %lu\n", GetLastError());
    return 2;
  }
  CloseHandle(process.hThread);
  if (WaitForSingleObject(process.hProcess, limit * 1000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    std::printf("timeout\n");
    return 0;
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  std::printf("%lu\n", code);
  return 0;
}
