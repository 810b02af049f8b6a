// Interfaces to the platform. Each method carries the meaning of one platform call; adapters live in
// win32/ (the real program), posix/ (native runs) and sim/ (tests: a simulated desktop).
// Texts crossing these interfaces are UTF-8; adapters convert to and from the ANSI code page where the
// platform stores single-byte text (INI files, window texts).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velgaro {

using Bytes = std::vector<std::uint8_t>;
using WindowHandle = std::uintptr_t;  // 0: no window
using ProcessHandle = std::intptr_t;  // 0: no handle

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

// A rectangle in screen coordinates: left and top inside, right and bottom just outside.
struct Rect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// GetDriveType codes.
enum DriveKind : int { kDriveUnknown = 0, kDriveNoRoot = 1, kDriveRemovable = 2, kDriveFixed = 3,
                       kDriveRemote = 4, kDriveCdRom = 5, kDriveRamDisk = 6 };

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  // Folder of the running executable, without trailing backslash unless it is a drive root ("C:\").
  virtual std::string ExeFolder() const = 0;
  virtual int DriveType(const std::string& root) const = 0;           // DriveKind
  virtual std::vector<std::string> LogicalDrives() const = 0;         // "C:\", "D:\", in system order
  virtual std::optional<std::string> UserName() const = 0;            // nullopt when the call fails
  virtual std::string WindowsFolder() const = 0;                       // without trailing backslash
  virtual std::string TempPath() const = 0;                            // as GetTempPath: trailing backslash
  virtual std::uint16_t UserDefaultLangId() const = 0;
  virtual int ScreenWidth() const = 0;
  virtual int ScreenHeight() const = 0;
  virtual std::string EnvironmentVariable(const std::string& name) const = 0;   // empty when not set
};

// One entry of a folder as a folder walk sees it.
struct FolderEntry {
  std::string name;
  bool isFolder = false;
  bool isLink = false;      // a symbolic link or junction: its content lies elsewhere
  std::uint64_t size = 0;   // bytes of a file; 0 for a folder
  // The last write, in 100-nanosecond steps since 1601 as Windows keeps it; 0 when not known. With the
  // size it tells whether a file was written since it was last read.
  std::uint64_t modified = 0;
};

// The contents of many files, handed out one by one in the order they were asked for.
class FileQueue {
 public:
  virtual ~FileQueue() = default;
  // The next file's content; nullopt when it could not be read, and once every file was handed out.
  virtual std::optional<Bytes> Next() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool Exists(const std::string& path) const = 0;          // file or folder
  virtual bool IsDirectory(const std::string& path) const = 0;
  virtual std::optional<Bytes> ReadAll(const std::string& path) const = 0;
  // The files of paths for a caller that takes them in turn (FileQueue::Next), each as ReadAll reads it.
  // Here each is read when it is taken; an adapter may read ahead of the caller meanwhile.
  virtual std::unique_ptr<FileQueue> ReadInTurn(std::vector<std::string> paths) const;
  virtual std::optional<std::uint64_t> FileSize(const std::string& path) const = 0;
  // Writes to a temporary file in the same folder, then moves it over path: a failed write leaves the
  // old file as it was. False on any failure (read-only target, missing folder, full disk).
  virtual bool WriteAllReplacing(const std::string& path, const Bytes& bytes) = 0;
  // Names (not paths) of the entries of folder that match a pattern such as "*.lng", in file-list order.
  virtual std::vector<std::string> List(const std::string& folder, const std::string& pattern) const = 0;
  // Names of the ordinary files of folder that match pattern (no folders, no hidden or system files), in
  // no particular order; nullopt when the folder cannot be listed (missing, not a folder, no access).
  // Taken from ListFileEntries unless an adapter does better.
  virtual std::optional<std::vector<std::string>> ListFiles(const std::string& folder,
                                                            const std::string& pattern) const;
  // The same files with their sizes and last write times, from the same walk of the folder. meanwhile,
  // when given, is called on the caller's thread now and then while a long walk goes on (a window lets
  // its messages through).
  virtual std::optional<std::vector<FolderEntry>> ListFileEntries(const std::string& folder, const std::string& pattern,
                                                                  const std::function<void()>& meanwhile = {}) const = 0;
  // FindFirstFile/FindNextFile over "folder\*.*": every entry (hidden and system ones too) except "."
  // and "..", in no particular order; nullopt when the folder cannot be listed.
  virtual std::optional<std::vector<FolderEntry>> ListEntries(const std::string& folder) const = 0;
  // GetDiskFreeSpaceEx: the bytes free to the calling user on the drive that holds path; nullopt when
  // the call fails.
  virtual std::optional<std::uint64_t> FreeBytes(const std::string& path) const = 0;
  virtual bool CreateFolder(const std::string& path) = 0;
  virtual bool Remove(const std::string& path) = 0;
  // MoveFile: gives a file another name; fails when another file already has the new one. A new name
  // that differs only in letter case renames the same file.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  // CopyFile: the file from under the name to, replacing an existing file unless failIfExists. The copy
  // keeps the source's attributes (read-only included). A failed copy may leave part of the file behind.
  virtual bool Copy(const std::string& from, const std::string& to, bool failIfExists) = 0;
  // SetFileAttributes(path, FILE_ATTRIBUTE_NORMAL): no longer read-only, hidden or system.
  virtual bool SetNormalAttributes(const std::string& path) = 0;
};

// Win32 profile (INI) semantics: sections and keys without regard to case; the value is the text after
// the first "=" of the first matching line, trimmed, one pair of enclosing quotes removed, cut to
// bufferSize - 1 characters (bytes of the ANSI code page).
class IniFile {
 public:
  virtual ~IniFile() = default;
  virtual std::string Read(const std::string& file, const std::string& section, const std::string& key,
                           const std::string& defaultValue, std::size_t bufferSize) const = 0;
  // Creates the file if needed; false when it cannot be written.
  virtual bool Write(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) = 0;
};

// Per-user settings of the application "Velgaro": text values under (section, key).
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string Get(const std::string& section, const std::string& key, const std::string& defaultValue) const = 0;
  virtual bool Set(const std::string& section, const std::string& key, const std::string& value) = 0;
};

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine };

class Registry {
 public:
  virtual ~Registry() = default;
  // REG_SZ only, cut before the first NUL; empty when the key or value is missing or of another type.
  virtual std::string GetString(RegRoot root, const std::string& key, const std::string& valueName) const = 0;
  // REG_SZ as is, REG_EXPAND_SZ with environment variables expanded; empty otherwise.
  virtual std::string GetExpandedString(RegRoot root, const std::string& key, const std::string& valueName) const = 0;
  virtual bool SetString(RegRoot root, const std::string& key, const std::string& valueName, const std::string& data) = 0;
};

// The system's ANSI code page: one byte per character.
class Codepage {
 public:
  virtual ~Codepage() = default;
  virtual std::string ToAnsi(const std::string& utf8) const = 0;      // unrepresentable characters become '?'
  virtual std::string FromAnsi(const std::string& bytes) const = 0;   // a zero byte stays a NUL character
};

// Message box styles and answers, as on Windows.
enum : unsigned { kMbOk = 0, kMbYesNo = 4, kMbIconStop = 16, kMbIconExclamation = 48, kMbIconInformation = 64,
                  kMbDefButton2 = 256, kMbQuestionStyle = kMbYesNo | kMbIconInformation | kMbDefButton2 };
enum : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

struct SaveFileRequest {
  std::string filter;       // "Name (*.VGP)|*.VGP|": pairs separated by "|"
  std::string title;
  std::string startFolder;
  std::string fileName;     // initial file name, may be empty
  unsigned flags = 0;       // OFN_* flags
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual int MessageBox(WindowHandle owner, const std::string& text, const std::string& title, unsigned style) = 0;
  // The chosen path, or nullopt when the user cancelled.
  virtual std::optional<std::string> SaveFile(WindowHandle owner, const SaveFileRequest& request) = 0;
  // The open-file dialog (flags as OFN_*); the chosen path, or nullopt when the user cancelled.
  virtual std::optional<std::string> OpenFile(WindowHandle owner, const SaveFileRequest& request) = 0;
  // The shell's folder browser starting at startFolder; the chosen folder, or empty when cancelled.
  virtual std::string BrowseForFolder(WindowHandle owner, const std::string& title, const std::string& startFolder) = 0;
};

// A parsed XML document, reduced to elements and their text: all that the program's small XML files
// ("FolderPath.xml", "update.xml") hold. Comments and processing instructions are left out; text nodes
// of white space only are dropped, as a DOM that does not preserve white space drops them.
struct XmlNode {
  bool isElement = true;
  std::string name;               // element name; empty for a text node
  std::string text;               // a text node's content (CDATA included); empty for an element
  std::vector<XmlNode> children;  // an element's child nodes in document order
};

class Xml {
 public:
  static constexpr std::size_t kMaxDepth = 64;   // deeper nesting is refused, never walked

  virtual ~Xml() = default;
  // The root element of a well-formed document (UTF-8, or marked as UTF-16 by its byte order mark).
  // Refused (nullopt): a damaged document, one with a document type declaration (so no entity it
  // defines is expanded and nothing it names is read), or one nested deeper than kMaxDepth.
  virtual std::optional<XmlNode> Parse(const std::string& document) const = 0;
  // The document as a DOM saves it: the declaration <?xml version="1.0"?>, then root without
  // indentation, in UTF-8; element text escaped. Empty when root is not an element.
  virtual std::string Write(const XmlNode& root) const = 0;
};

// One HTTP GET at a time, run in the background (the published version list). The adapter reports to
// its window the ready states 1 to 3 as the request moves on, then 4 with the body, or 4 without one:
// no answer, a status other than 200, a body larger than kMaxBody, kDeadlineMs passed, or aborted.
class HttpGet {
 public:
  static constexpr std::size_t kMaxBody = 1 << 20;
  static constexpr unsigned kDeadlineMs = 30000;

  virtual ~HttpGet() = default;
  // False when nothing was started (an address that is not http:// or https://).
  virtual bool Start(const std::string& url) = 0;
  // Stops a running request; nothing more is reported for it.
  virtual void Abort() = 0;
};

// The shell: documents and commands started on the user's behalf. False when nothing was started.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual bool Open(const std::string& target) = 0;                 // ShellExecute "open", SW_SHOW
  virtual bool RunMinimized(const std::string& commandLine) = 0;    // a process, minimised and activated
};

// A WM_SETTEXT under way to a window. The window takes the text in its own time: its handler may show a
// message box of its own and wait for its user before it returns.
class TextDelivery {
 public:
  virtual ~TextDelivery() = default;
  // The window's handler has returned, or the window was given up (gone, hung, or no answer in time).
  virtual bool Returned() const = 0;
};

// <windows.h> defines some of these names as macros for its A/W functions; the port keeps its own
// names whichever header comes first.
#pragma push_macro("FindWindowEx")
#pragma push_macro("GetWindowText")
#pragma push_macro("GetClassName")
#undef FindWindowEx
#undef GetWindowText
#undef GetClassName

// Windows as user32 sees them. Optional texts: nullopt passes "no value" (matches any).
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  virtual WindowHandle FindWindowEx(WindowHandle parent, WindowHandle after, const std::optional<std::string>& className,
                                    const std::optional<std::string>& caption) const = 0;
  virtual WindowHandle WindowFromPoint(Point screen) const = 0;
  virtual Point ClientToScreen(WindowHandle window, Point client) const = 0;
  virtual Point ScreenToClient(WindowHandle window, Point screen) const = 0;
  virtual WindowHandle GetParent(WindowHandle window) const = 0;
  virtual std::string GetWindowText(WindowHandle window) const = 0;   // at most 255 characters
  virtual std::string GetClassName(WindowHandle window) const = 0;    // at most 255 characters
  virtual WindowHandle GetDesktopWindow() const = 0;
  // Fails for a child window: only a top-level window can be the foreground window.
  virtual bool SetForegroundWindow(WindowHandle window) = 0;
  // SetWindowPos with HWND_TOPMOST / HWND_NOTOPMOST, no move, no size, no activation, show.
  virtual bool SetTopMost(WindowHandle window, bool topMost) = 0;
  // GetAncestor(GA_ROOT): the top-level window that holds window (window itself for a top-level one);
  // unlike GetParent it never names an owner. 0 for no window.
  virtual WindowHandle GetRootWindow(WindowHandle window) const = 0;
  virtual bool IsVisible(WindowHandle window) const = 0;                      // IsWindowVisible
  virtual bool IsMinimized(WindowHandle window) const = 0;                   // IsIconic
  // Back from minimised to its place and size, shown and activated (ShowWindow SW_RESTORE); true when it
  // is no longer minimised.
  virtual bool RestoreWindow(WindowHandle window) = 0;
  virtual bool IsTopMost(WindowHandle window) const = 0;                     // WS_EX_TOPMOST
  // SetWindowPos with HWND_TOP, HWND_TOPMOST or HWND_NOTOPMOST: no move, no size, no activation, the
  // window not shown if hidden.
  enum class ZPlace { Top, TopMost, NoTopMost };
  virtual bool SetZOrder(WindowHandle window, ZPlace place) = 0;
  virtual std::optional<Rect> GetWindowRect(WindowHandle window) const = 0;  // nullopt for no window
  // SetWindowPos to a new top-left corner in screen coordinates: no size, no z-order, no activation.
  virtual bool MoveWindowTo(WindowHandle window, Point topLeft) = 0;
  // WM_SETTEXT, sent without waiting for the window's answer, so that a window that takes its time holds
  // up neither the caller's timers nor its windows. Never null.
  virtual std::shared_ptr<const TextDelivery> BeginSetText(WindowHandle window, const std::string& text) = 0;
  // WM_GETTEXT, answered within a short bound; the window's text as GetWindowText knows it when the window
  // does not answer in time.
  virtual std::string GetTextByMessage(WindowHandle window, std::size_t maxChars) const = 0;
  // GetWindowThreadProcessId: the process that created the window; 0 for no window.
  virtual std::int32_t WindowProcessId(WindowHandle window) const = 0;
};

#pragma pop_macro("GetClassName")
#pragma pop_macro("GetWindowText")
#pragma pop_macro("FindWindowEx")

// mouse_event flags.
enum : std::uint32_t { kMouseMove = 0x0001, kMouseLeftDown = 0x0002, kMouseLeftUp = 0x0004, kMouseRightDown = 0x0008,
                       kMouseRightUp = 0x0010, kMouseMiddleDown = 0x0020, kMouseMiddleUp = 0x0040,
                       kMouseAbsolute = 0x8000 };

class Input {
 public:
  virtual ~Input() = default;
  virtual void SetCursorPos(std::int32_t x, std::int32_t y) = 0;
  virtual void MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy) = 0;
};

class Processes {
 public:
  virtual ~Processes() = default;
  // Starts a process from a whole command line with a normal, activated window; its id, or nullopt.
  virtual std::optional<std::int32_t> Start(const std::string& commandLine) = 0;
  virtual ProcessHandle OpenForWait(std::int32_t processId) = 0;       // 0 when it cannot be opened
  // WaitForSingleObject(handle, 0): 0 ended, 258 still running, -1 (WAIT_FAILED) for a bad handle.
  virtual std::int32_t WaitZero(ProcessHandle handle) = 0;
  virtual void Close(ProcessHandle handle) = 0;
  // Ends the process and every process it started (and those they started), so that a package given up
  // leaves nothing running for the next one to meet. Processes already gone are passed over.
  virtual void EndTree(std::int32_t processId) = 0;
  // The process and every process it started (and those they started) that is still running, as EndTree
  // would find them; processId itself always comes first. Empty for an id below 1.
  virtual std::vector<std::int32_t> ProcessTree(std::int32_t processId) const = 0;
};

struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() const = 0;
};

// A window timer: while enabled, calls its handler every interval. Changing the interval of an enabled
// timer restarts it. An interval of 0 never fires.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetInterval(int milliseconds) = 0;
  virtual int Interval() const = 0;
};

class TimerFactory {
 public:
  virtual ~TimerFactory() = default;
  virtual std::unique_ptr<Timer> CreateTimer(std::function<void()> onTick) = 0;
  // Milliseconds on the clock the timers run by (GetTickCount64): for measuring how long something took.
  virtual std::int64_t ElapsedMs() const = 0;
};

class MessagePump {
 public:
  virtual ~MessagePump() = default;
  virtual void RunOnce() = 0;   // processes the messages that are waiting, then returns
};

// Where a deployment tool looks for what an unattended run could not put into its report: one line on
// the standard error handle the caller gave (when it gave one) and an error entry in the system's
// event log (Application log, the program's own event source).
class DeploymentLog {
 public:
  virtual ~DeploymentLog() = default;
  virtual void Error(const std::string& line) = 0;
};

}  // namespace velgaro
