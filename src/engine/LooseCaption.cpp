#include "engine/LooseCaption.h"

#include <algorithm>
#include <cctype>

#include "platform/TextFold.h"

namespace velgaro {
namespace {

constexpr std::int64_t kLooseCaptionDelayMs = 10000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The end of the run of digits that starts at begin: digits, and a dot only where a digit follows it.
std::size_t RunEnd(const std::string& text, std::size_t begin) {
  std::size_t i = begin;
  while (i < text.size()) {
    if (IsDigit(text[i])) {
      ++i;
    } else if (text[i] == '.' && i + 1 < text.size() && IsDigit(text[i + 1])) {
      i += 2;
    } else {
      break;
    }
  }
  return i;
}

// Calls onText for each stretch between runs and onRun for each run, in order.
template <typename OnText, typename OnRun>
void Scan(const std::string& caption, OnText onText, OnRun onRun) {
  std::size_t from = 0;
  for (std::size_t i = 0; i < caption.size();) {
    if (!IsDigit(caption[i])) {
      ++i;
      continue;
    }
    const std::size_t end = RunEnd(caption, i);
    onText(caption.substr(from, i - from));
    onRun(caption.substr(i, end - i));
    from = i = end;
  }
  onText(caption.substr(from));
}

}  // namespace

bool IsEditClass(const std::string& className) {
  std::string upper = className;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
  return upper.find("EDIT") != std::string::npos;
}

std::vector<std::string> NumberRuns(const std::string& caption) {
  std::vector<std::string> runs;
  Scan(caption, [](const std::string&) {}, [&](const std::string& run) { runs.push_back(run); });
  return runs;
}

std::string NumbersAsAny(const std::string& caption) {
  std::string pattern;
  // "#" is also a caption's own character: a run is marked by a byte no UTF-8 text holds.
  Scan(caption, [&](const std::string& text) { pattern += FoldCase(text); }, [&](const std::string&) { pattern += '\xFF'; });
  return pattern;
}

bool SameButNumbers(const std::string& recorded, const std::string& actual) {
  if (NumberRuns(recorded).empty()) return false;
  return FoldCase(recorded) != FoldCase(actual) && NumbersAsAny(recorded) == NumbersAsAny(actual);
}

std::int64_t LooseCaptionDelayMs(int deadlineSeconds) {
  if (deadlineSeconds <= 0) return kLooseCaptionDelayMs;
  return std::min(kLooseCaptionDelayMs, std::int64_t{deadlineSeconds} * 1000 / 2);
}

void NumberSubstitutions::Learn(const CaptionTaken& pair) {
  const std::vector<std::string> from = NumberRuns(pair.recorded);
  const std::vector<std::string> to = NumberRuns(pair.taken);
  if (from.size() != to.size()) return;
  for (std::size_t i = 0; i < from.size(); ++i) {
    if (from[i] != to[i]) replaced_[from[i]] = to[i];
  }
}

std::string NumberSubstitutions::Apply(const std::string& caption) const {
  std::string out;
  Scan(caption, [&](const std::string& text) { out += text; },
       [&](const std::string& run) {
         const auto it = replaced_.find(run);
         out += it == replaced_.end() ? run : it->second;
       });
  return out;
}

}  // namespace velgaro
