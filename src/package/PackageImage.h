// A package held in memory, as a value: the file's bytes with the scrambling removed, plus decoded copies
// of its header, its options and the current action. Every user (player, recorder, properties, editor,
// wizard) holds its own, with its own read position. LoadPackage is the one way in from a file and
// WritePackageFile the one way out; the file's scrambling never leaves them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Ports.h"

namespace velgaro {

constexpr std::int16_t kProgramVersionMajor = 1;
constexpr std::int16_t kProgramVersionMinor = 5;
constexpr std::int32_t kFirstActionOffset = 239;
constexpr std::int32_t kHeaderSize = 39;
constexpr std::int32_t kDescriptionSize = 200;
constexpr std::int32_t kOptionsSize = 26;
constexpr std::int32_t kCreationDateSize = 19;

struct WindowLevel {
  std::string className;
  std::string caption;     // a caption stored with length 0 reads back as one NUL character
  std::int32_t ordinal = 0;  // k >= 1: k-th like sibling; 0: first top-level match; -1: the desktop
  bool operator==(const WindowLevel& o) const {
    return className == o.className && caption == o.caption && ordinal == o.ordinal;
  }
};
using WindowPath = std::vector<WindowLevel>;  // outermost window first

enum : std::int16_t { kButtonLeft = 1, kButtonRight = 2, kButtonMiddle = 4 };
enum : std::int16_t { kStepPress = 1, kStepMove = 2, kStepRelease = 3 };

struct MouseStep {
  std::int16_t buttonCode = kButtonLeft;
  std::int16_t stepKind = kStepPress;
  std::int32_t x = 0;  // press: client coordinates of the pressed window; move/release: offset from the press
  std::int32_t y = 0;
  bool operator==(const MouseStep& o) const {
    return buttonCode == o.buttonCode && stepKind == o.stepKind && x == o.x && y == o.y;
  }
};

struct PackageAction {
  WindowPath windowPath;
  std::vector<MouseStep> steps;
  std::string actionText;
};

struct PackageHeader {
  std::int32_t screenWidth = 0;
  std::int32_t screenHeight = 0;
  std::int16_t versionMajor = 0;
  std::int16_t versionMinor = 0;
  std::int32_t optionsOffset = 0;
  std::int32_t actionCount = 0;
  std::int32_t exePathLength = 0;
  std::int32_t exePathOffset = 0;
  std::int32_t commandLineLength = 0;
};

struct PackageOptions {
  bool needReboot = false;
  bool createReboot = false;
  std::int32_t localSpeed = 0;
  bool defSelect = false;
  bool needWait = false;
};

// The text conversions and path expansion the image needs; given by whoever owns the image.
struct PackageTextContext {
  std::reference_wrapper<const Codepage> codepage;
  std::function<std::string(const std::string&)> expandPathVariables;  // may be empty: no expansion
};

class PackageImage {
 public:
  explicit PackageImage(PackageTextContext text) : text_(std::move(text)) {}

  // The package file at path into this image: read, unscrambled, header and options decoded. False when
  // the file cannot be read (Damaged() false) or is not a sound package (Damaged() true).
  bool LoadPackage(const FileSystem& fs, const std::string& path);
  // The same for a file's content read by the caller (nullopt: the file could not be read).
  bool LoadPackage(std::optional<Bytes> file);
  // The image, scrambled, to the file at path, replacing the old file only once the new content is
  // written. The image itself stays as it is.
  bool WritePackageFile(FileSystem& fs, const std::string& path) const;

  // A fresh 240-byte image for recording; the description is written into it when not empty.
  void NewPackageImage(int screenWidth, int screenHeight, const std::string& exePath,
                       const std::string& description = std::string());
  void InitHeader(int screenWidth, int screenHeight, const std::string& exePath);
  bool CheckPackageVersion() const;

  void WriteDescription(const std::string& text);
  std::string ReadDescription() const;

  void AppendAction();                 // the current action
  // Reads the action at the read position into the current action. False when no action is left or the
  // action does not fit in the image (then Damaged() is true).
  bool ReadNextAction();
  // The read position back before the first action.
  void RewindActions();
  // How many actions ReadNextAction has read (or tried to read) since the last rewind.
  std::int32_t ActionIndex() const { return actionIndex_; }
  // Where the next action starts in the image.
  std::int32_t ReadPosition() const { return readPosition_; }

  // askNeedWait: the nothing-recorded question; called only when nothing was recorded and NeedWait is false.
  bool AppendExePath(const std::string& text, const std::function<bool()>& askNeedWait);
  // The Replace operations and WriteOptions return false (and change nothing) when the header's
  // offsets do not fit the image.
  bool ReplaceExePath(const std::string& text);
  std::string ReadExePath() const;
  void AppendCommandLine(const std::string& text);
  bool ReplaceCommandLine(const std::string& text);
  std::string ReadCommandLine() const;   // path variables expanded
  std::string ReadCommandLineRaw() const;
  void AppendCreationDate(const LocalTime& now);
  std::string ReadCreationDate() const;
  bool WriteOptions();
  bool ReadOptions();                  // false when the options block lies outside the image
  bool ReplaceRegion(std::int32_t offset, std::int32_t oldLength, const std::string& text);

  Bytes TextToBytes(const std::string& text) const;
  std::string BytesToText(const std::uint8_t* data, std::size_t length) const;

  // True once a read found a count, length or offset that does not fit the image.
  bool Damaged() const { return damaged_; }

  Bytes& Image() { return image_; }
  const Bytes& Image() const { return image_; }
  std::int32_t WritePosition() const { return static_cast<std::int32_t>(image_.size()) - 1; }

  PackageHeader header;
  PackageOptions options;
  PackageAction action;

 private:
  // The steps of LoadPackage: a file's content as the new image (still scrambled), the scrambling
  // undone, the header decoded (false when the image is too short or its fields point outside it).
  bool ReadPackageFile(std::optional<Bytes> bytes);
  void UnscramblePackage();
  bool ReadHeader();
  static void ScramblePackage(Bytes& image);
  void CopyHeader();
  void ResetReadState();
  // Whether [offset, offset + length) lies inside the image; 64-bit so that no sum can overflow.
  bool Fits(std::int64_t offset, std::int64_t length) const;
  // Where the actions end: the options block, else the installer path, else the spare byte.
  std::int64_t ActionsEnd() const;
  // Writes bytes at the write position and leaves a new spare byte behind them.
  void AppendBytes(const Bytes& bytes);
  std::string TextAt(std::int64_t offset, std::int64_t length) const;  // "" and Damaged() when outside

  PackageTextContext text_;
  Bytes image_;
  std::int32_t readPosition_ = kFirstActionOffset;
  std::int32_t actionIndex_ = 0;
  mutable bool damaged_ = false;
};

// The creation date as stored: DD.MM.YYYY HH:MM:SS.
std::string FormatCreationDate(const LocalTime& t);

}  // namespace velgaro
