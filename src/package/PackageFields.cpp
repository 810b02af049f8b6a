// The fields after the actions: options block, installer path, command line, creation date; and the
// splice that replaces one of them in place.
#include <algorithm>

#include "package/ByteOrder.h"
#include "package/PackageImage.h"

namespace velgaro {

bool PackageImage::AppendExePath(const std::string& text, const std::function<bool()>& askNeedWait) {
  const bool nothingRecorded = image_.size() == static_cast<std::size_t>(kFirstActionOffset) + 1;
  if (nothingRecorded && !options.needWait) {
    if (askNeedWait && askNeedWait()) options.needWait = true;
    if (!options.needWait) return false;
  }
  const Bytes bytes = TextToBytes(text);
  header.exePathOffset = WritePosition();
  header.exePathLength = static_cast<std::int32_t>(bytes.size());
  AppendBytes(bytes);
  CopyHeader();
  return true;
}

bool PackageImage::ReplaceExePath(const std::string& text) {
  if (header.exePathOffset < kFirstActionOffset) {
    damaged_ = true;
    return false;
  }
  if (!ReplaceRegion(header.exePathOffset, header.exePathLength, text)) return false;
  header.exePathLength = static_cast<std::int32_t>(TextToBytes(text).size());
  CopyHeader();
  return true;
}

std::string PackageImage::ReadExePath() const { return TextAt(header.exePathOffset, header.exePathLength); }

void PackageImage::AppendCommandLine(const std::string& text) {
  if (text.empty()) {
    header.commandLineLength = 0;
  } else {
    const Bytes bytes = TextToBytes(text);
    header.commandLineLength = static_cast<std::int32_t>(bytes.size());
    AppendBytes(bytes);
  }
  CopyHeader();
}

bool PackageImage::ReplaceCommandLine(const std::string& text) {
  const std::int64_t offset = std::int64_t{header.exePathOffset} + header.exePathLength;
  if (header.exePathOffset < kFirstActionOffset || header.exePathLength < 0 || offset > WritePosition()) {
    damaged_ = true;
    return false;
  }
  if (!ReplaceRegion(static_cast<std::int32_t>(offset), header.commandLineLength, text)) return false;
  header.commandLineLength = static_cast<std::int32_t>(TextToBytes(text).size());
  CopyHeader();
  return true;
}

std::string PackageImage::ReadCommandLineRaw() const {
  if (header.commandLineLength == 0) return std::string();
  return TextAt(std::int64_t{header.exePathOffset} + header.exePathLength, header.commandLineLength);
}

std::string PackageImage::ReadCommandLine() const {
  std::string text = ReadCommandLineRaw();
  if (text.empty() || !text_.expandPathVariables) return text;
  return text_.expandPathVariables(text);
}

void PackageImage::AppendCreationDate(const LocalTime& now) {
  const std::string date = FormatCreationDate(now);
  AppendBytes(Bytes(date.begin(), date.end()));
}

std::string PackageImage::ReadCreationDate() const {
  const std::int64_t offset = std::int64_t{header.exePathOffset} + header.exePathLength + header.commandLineLength;
  return TextAt(offset, kCreationDateSize);
}

bool PackageImage::WriteOptions() {
  Bytes block(static_cast<std::size_t>(kOptionsSize), 0);
  PutBool16(block.data(), options.needReboot);
  PutBool16(block.data() + 2, options.createReboot);
  PutLE32(block.data() + 4, options.localSpeed);
  PutBool16(block.data() + 8, options.defSelect);
  PutBool16(block.data() + 10, options.needWait);

  if (header.optionsOffset != 0) {
    if (header.optionsOffset < kFirstActionOffset || !Fits(header.optionsOffset, kOptionsSize)) {
      damaged_ = true;
      return false;
    }
    std::copy(block.begin(), block.end(), image_.begin() + header.optionsOffset);
    return true;
  }
  // No block yet: insert one right before the installer path.
  if (header.exePathOffset < kFirstActionOffset || header.exePathOffset > WritePosition()) {
    damaged_ = true;
    return false;
  }
  image_.insert(image_.begin() + header.exePathOffset, block.begin(), block.end());
  header.optionsOffset = header.exePathOffset;
  header.exePathOffset += kOptionsSize;
  CopyHeader();
  return true;
}

bool PackageImage::ReadOptions() {
  options = PackageOptions{};
  if (header.optionsOffset == 0) return true;
  if (header.optionsOffset < kFirstActionOffset || !Fits(header.optionsOffset, kOptionsSize)) {
    damaged_ = true;
    return false;
  }
  const std::uint8_t* p = image_.data() + header.optionsOffset;
  options.needReboot = GetBool16(p);
  options.createReboot = GetBool16(p + 2);
  options.localSpeed = GetLE32(p + 4);
  options.defSelect = GetBool16(p + 8);
  options.needWait = GetBool16(p + 10);
  return true;
}

bool PackageImage::ReplaceRegion(std::int32_t offset, std::int32_t oldLength, const std::string& text) {
  // The header stays where it is and the spare byte stays last.
  if (offset < kHeaderSize || oldLength < 0 || std::int64_t{offset} + oldLength > WritePosition()) {
    damaged_ = true;
    return false;
  }
  const Bytes bytes = TextToBytes(text);
  Bytes result;
  result.reserve(image_.size() - static_cast<std::size_t>(oldLength) + bytes.size());
  result.insert(result.end(), image_.begin(), image_.begin() + offset);
  result.insert(result.end(), bytes.begin(), bytes.end());
  result.insert(result.end(), image_.begin() + offset + oldLength, image_.end());
  image_ = std::move(result);
  return true;
}

}  // namespace velgaro
