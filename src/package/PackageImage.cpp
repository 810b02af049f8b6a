// The image as a whole: file transfer, scrambling, header, description and text conversion.
#include "package/PackageImage.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "package/ByteOrder.h"

namespace velgaro {
namespace {

constexpr std::uint8_t kScrambleKey1 = 157;
constexpr std::uint8_t kScrambleKey2 = 219;

// Field offsets inside the 39-byte header.
constexpr std::size_t kScreenWidthAt = 0;
constexpr std::size_t kScreenHeightAt = 4;
constexpr std::size_t kVersionMajorAt = 8;
constexpr std::size_t kVersionMinorAt = 10;
constexpr std::size_t kOptionsOffsetAt = 16;
constexpr std::size_t kActionCountAt = 20;
constexpr std::size_t kExePathLengthAt = 24;
constexpr std::size_t kExePathOffsetAt = 28;
constexpr std::size_t kCommandLineLengthAt = 32;
constexpr std::int64_t kActionHeadSize = 12;

}  // namespace

bool PackageImage::ReadPackageFile(std::optional<Bytes> bytes) {
  image_.clear();
  header = PackageHeader{};
  options = PackageOptions{};
  ResetReadState();
  // Offsets in the file are 32-bit: a larger file cannot be a package.
  if (!bytes || bytes->empty() || bytes->size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    damaged_ = bytes.has_value();
    return false;
  }
  image_ = std::move(*bytes);
  return true;
}

bool PackageImage::WritePackageFile(FileSystem& fs, const std::string& path) const {
  Bytes file = image_;
  ScramblePackage(file);
  return fs.WriteAllReplacing(path, file);
}

void PackageImage::ScramblePackage(Bytes& image) {
  for (auto& b : image) b = static_cast<std::uint8_t>((b ^ kScrambleKey1) ^ kScrambleKey2);
}

// The scrambling is an exclusive or: done twice, it is undone.
void PackageImage::UnscramblePackage() { ScramblePackage(image_); }

void PackageImage::NewPackageImage(int screenWidth, int screenHeight, const std::string& exePath,
                                   const std::string& description) {
  image_.assign(static_cast<std::size_t>(kFirstActionOffset) + 1, 0);
  ResetReadState();
  // A fresh image has no options block, path or command line yet, whatever was loaded before it;
  // stale offsets would point into the new image.
  header.optionsOffset = 0;
  header.exePathOffset = 0;
  header.commandLineLength = 0;
  InitHeader(screenWidth, screenHeight, exePath);
  CopyHeader();
  WriteDescription(description);
}

void PackageImage::InitHeader(int screenWidth, int screenHeight, const std::string& exePath) {
  header.versionMajor = kProgramVersionMajor;
  header.versionMinor = kProgramVersionMinor;
  header.screenWidth = screenWidth;
  header.screenHeight = screenHeight;
  header.exePathLength = static_cast<std::int32_t>(TextToBytes(exePath).size());
  header.actionCount = 0;
  CopyHeader();
}

bool PackageImage::ReadHeader() {
  if (image_.size() < static_cast<std::size_t>(kFirstActionOffset)) {
    damaged_ = true;
    return false;
  }
  const std::uint8_t* p = image_.data();
  header.screenWidth = GetLE32(p + kScreenWidthAt);
  header.screenHeight = GetLE32(p + kScreenHeightAt);
  header.versionMajor = GetLE16(p + kVersionMajorAt);
  header.versionMinor = GetLE16(p + kVersionMinorAt);
  header.optionsOffset = GetLE32(p + kOptionsOffsetAt);
  header.actionCount = GetLE32(p + kActionCountAt);
  header.exePathLength = GetLE32(p + kExePathLengthAt);
  header.exePathOffset = GetLE32(p + kExePathOffsetAt);
  header.commandLineLength = GetLE32(p + kCommandLineLengthAt);

  const PackageHeader& h = header;
  const bool tailFits = h.exePathOffset >= kFirstActionOffset && h.exePathLength >= 0 && h.commandLineLength >= 0 &&
                        Fits(h.exePathOffset, std::int64_t{h.exePathLength} + h.commandLineLength);
  const bool optionsFit = h.optionsOffset == 0 ||
                          (h.optionsOffset >= kFirstActionOffset &&
                           std::int64_t{h.optionsOffset} + kOptionsSize <= h.exePathOffset);
  // Every action takes at least its 12-byte head, so the count is bounded by the room for actions.
  const bool countFits = h.actionCount >= 0 && tailFits && optionsFit &&
                         kActionHeadSize * h.actionCount <= ActionsEnd() - kFirstActionOffset;
  if (!tailFits || !optionsFit || !countFits) {
    damaged_ = true;
    return false;
  }
  return true;
}

bool PackageImage::CheckPackageVersion() const { return header.versionMajor <= kProgramVersionMajor; }

bool PackageImage::LoadPackage(const FileSystem& fs, const std::string& path) { return LoadPackage(fs.ReadAll(path)); }

bool PackageImage::LoadPackage(std::optional<Bytes> file) {
  if (!ReadPackageFile(std::move(file))) return false;
  UnscramblePackage();
  return ReadHeader() && ReadOptions();
}

void PackageImage::WriteDescription(const std::string& text) {
  if (text.empty()) return;  // an empty description keeps the stored one
  if (!Fits(kHeaderSize, kDescriptionSize)) {
    damaged_ = true;
    return;
  }
  Bytes bytes = TextToBytes(text);
  bytes.resize(static_cast<std::size_t>(kDescriptionSize), 0);
  std::copy(bytes.begin(), bytes.end(), image_.begin() + kHeaderSize);
}

std::string PackageImage::ReadDescription() const {
  if (image_.size() <= static_cast<std::size_t>(kHeaderSize)) return std::string();
  const auto begin = image_.begin() + kHeaderSize;
  const auto end = begin + std::min<std::ptrdiff_t>(kDescriptionSize, image_.end() - begin);
  const auto nul = std::find(begin, end, std::uint8_t{0});
  return BytesToText(&*begin, static_cast<std::size_t>(nul - begin));
}

Bytes PackageImage::TextToBytes(const std::string& text) const {
  const std::string ansi = text_.codepage.get().ToAnsi(text);
  return Bytes(ansi.begin(), ansi.end());
}

std::string PackageImage::BytesToText(const std::uint8_t* data, std::size_t length) const {
  if (length == 0) return std::string();
  return text_.codepage.get().FromAnsi(std::string(reinterpret_cast<const char*>(data), length));
}

void PackageImage::CopyHeader() {
  if (image_.size() < static_cast<std::size_t>(kHeaderSize)) return;
  std::uint8_t* p = image_.data();
  PutLE32(p + kScreenWidthAt, header.screenWidth);
  PutLE32(p + kScreenHeightAt, header.screenHeight);
  PutLE16(p + kVersionMajorAt, header.versionMajor);
  PutLE16(p + kVersionMinorAt, header.versionMinor);
  PutLE32(p + kOptionsOffsetAt, header.optionsOffset);
  PutLE32(p + kActionCountAt, header.actionCount);
  PutLE32(p + kExePathLengthAt, header.exePathLength);
  PutLE32(p + kExePathOffsetAt, header.exePathOffset);
  PutLE32(p + kCommandLineLengthAt, header.commandLineLength);
}

void PackageImage::ResetReadState() {
  RewindActions();
  damaged_ = false;
}

void PackageImage::RewindActions() {
  readPosition_ = kFirstActionOffset;
  actionIndex_ = 0;
}

bool PackageImage::Fits(std::int64_t offset, std::int64_t length) const {
  return offset >= 0 && length >= 0 && offset + length <= static_cast<std::int64_t>(image_.size());
}

std::int64_t PackageImage::ActionsEnd() const {
  const auto size = static_cast<std::int64_t>(image_.size());
  std::int64_t end = size;
  if (header.optionsOffset > 0) {
    end = header.optionsOffset;
  } else if (header.exePathOffset > 0) {
    end = header.exePathOffset;
  }
  return std::min(end, size);
}

void PackageImage::AppendBytes(const Bytes& bytes) {
  const std::size_t at = image_.empty() ? 0 : image_.size() - 1;
  image_.resize(at + bytes.size() + 1);
  std::copy(bytes.begin(), bytes.end(), image_.begin() + static_cast<std::ptrdiff_t>(at));
  image_.back() = 0;
}

std::string PackageImage::TextAt(std::int64_t offset, std::int64_t length) const {
  if (!Fits(offset, length)) {
    damaged_ = true;
    return std::string();
  }
  return BytesToText(image_.data() + offset, static_cast<std::size_t>(length));
}

std::string FormatCreationDate(const LocalTime& t) {
  // Clamped so that the stored field is always exactly 19 characters.
  auto clamp = [](int v, int hi) { return std::clamp(v, 0, hi); };
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", clamp(t.day, 99), clamp(t.month, 99),
                clamp(t.year, 9999), clamp(t.hour, 99), clamp(t.minute, 99), clamp(t.second, 99));
  return std::string(text);
}

}  // namespace velgaro
