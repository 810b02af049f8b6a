// Actions: appended one by one while recording, read one by one while playing.
#include <utility>

#include "package/ByteOrder.h"
#include "package/PackageImage.h"

namespace velgaro {
namespace {

constexpr std::int64_t kHeadSize = 12;  // action head, level head and mouse step are 12 bytes each

void PutHead(Bytes& out, std::int32_t a, std::int32_t b, std::int32_t c) {
  const std::size_t at = out.size();
  out.resize(at + kHeadSize);
  PutLE32(out.data() + at, a);
  PutLE32(out.data() + at + 4, b);
  PutLE32(out.data() + at + 8, c);
}

std::int32_t Length(const Bytes& bytes) { return static_cast<std::int32_t>(bytes.size()); }

}  // namespace

void PackageImage::AppendAction() {
  header.actionCount += 1;
  CopyHeader();

  const Bytes text = TextToBytes(action.actionText);
  Bytes out;
  PutHead(out, static_cast<std::int32_t>(action.windowPath.size()), static_cast<std::int32_t>(action.steps.size()),
          Length(text));
  for (const WindowLevel& level : action.windowPath) {
    const Bytes cls = TextToBytes(level.className);
    const Bytes caption = TextToBytes(level.caption);
    PutHead(out, Length(cls), Length(caption), level.ordinal);
    out.insert(out.end(), cls.begin(), cls.end());
    out.insert(out.end(), caption.begin(), caption.end());
  }
  for (const MouseStep& step : action.steps) {
    const std::size_t at = out.size();
    out.resize(at + kHeadSize);
    PutLE16(out.data() + at, step.buttonCode);
    PutLE16(out.data() + at + 2, step.stepKind);
    PutLE32(out.data() + at + 4, step.x);
    PutLE32(out.data() + at + 8, step.y);
  }
  out.insert(out.end(), text.begin(), text.end());
  AppendBytes(out);
  // The recorder clears the path and the steps itself before the next action.
  action.actionText.clear();
}

bool PackageImage::ReadNextAction() {
  if (header.actionCount <= actionIndex_) {
    actionIndex_ += 1;
    return false;
  }
  // Nothing of the action may lie past the end of the actions part; the file's counts are not trusted.
  const std::int64_t end = ActionsEnd();
  std::int64_t pos = readPosition_;
  auto room = [&](std::int64_t length) { return length >= 0 && pos >= 0 && pos <= end && length <= end - pos; };
  auto damaged = [&] {
    damaged_ = true;
    return false;
  };

  if (!room(kHeadSize)) return damaged();
  const std::int32_t levelCount = GetLE32(image_.data() + pos);
  const std::int32_t stepCount = GetLE32(image_.data() + pos + 4);
  const std::int32_t textLength = GetLE32(image_.data() + pos + 8);
  pos += kHeadSize;
  if (levelCount < 0 || stepCount < 0 || textLength < 0 || !room(kHeadSize * levelCount)) return damaged();

  WindowPath path;
  path.reserve(static_cast<std::size_t>(levelCount));
  for (std::int32_t i = 0; i < levelCount; ++i) {
    if (!room(kHeadSize)) return damaged();
    const std::int32_t classLength = GetLE32(image_.data() + pos);
    const std::int32_t captionLength = GetLE32(image_.data() + pos + 4);
    WindowLevel level;
    level.ordinal = GetLE32(image_.data() + pos + 8);
    pos += kHeadSize;
    if (classLength < 0 || captionLength < 0 || !room(std::int64_t{classLength} + captionLength)) return damaged();
    level.className = BytesToText(image_.data() + pos, static_cast<std::size_t>(classLength));
    pos += classLength;
    // An empty caption reads as one NUL character, which the window search takes as "any caption".
    level.caption = captionLength == 0 ? std::string(1, '\0')
                                       : BytesToText(image_.data() + pos, static_cast<std::size_t>(captionLength));
    pos += captionLength;
    path.push_back(std::move(level));
  }

  if (!room(kHeadSize * stepCount)) return damaged();
  std::vector<MouseStep> steps(static_cast<std::size_t>(stepCount));
  for (MouseStep& step : steps) {
    step.buttonCode = GetLE16(image_.data() + pos);
    step.stepKind = GetLE16(image_.data() + pos + 2);
    step.x = GetLE32(image_.data() + pos + 4);
    step.y = GetLE32(image_.data() + pos + 8);
    pos += kHeadSize;
  }

  if (!room(textLength)) return damaged();
  if (textLength > 0) {
    std::string text = BytesToText(image_.data() + pos, static_cast<std::size_t>(textLength));
    action.actionText = text_.expandPathVariables ? text_.expandPathVariables(text) : std::move(text);
    pos += textLength;
  }
  action.windowPath = std::move(path);
  action.steps = std::move(steps);
  readPosition_ = static_cast<std::int32_t>(pos);
  actionIndex_ += 1;
  return true;
}

}  // namespace velgaro
