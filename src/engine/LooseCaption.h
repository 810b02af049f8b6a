// Captions that differ only in their numbers ("Setup 1.2" recorded, "Setup 1.3" shown on the
// installer's next version): when such a caption may stand for the recorded one, and what the run
// learns from one that did.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace velgaro {

// One caption that playback took for a recorded one.
struct CaptionTaken {
  std::string recorded;
  std::string taken;
  bool operator==(const CaptionTaken& o) const { return recorded == o.recorded && taken == o.taken; }
};

// The class name of an edit field: "EDIT" anywhere in it, in any case (rich edit controls included).
bool IsEditClass(const std::string& className);

// The runs of digits of a caption, dots between digits belonging to the run ("1.2.10" is one run).
std::vector<std::string> NumberRuns(const std::string& caption);

// The caption with each run of digits replaced by one "#" and letters folded as window searches fold
// them: two captions that give the same pattern differ only in their numbers.
std::string NumbersAsAny(const std::string& caption);

// Whether actual may stand for recorded: they differ, recorded has a number, and only numbers differ.
bool SameButNumbers(const std::string& recorded, const std::string& actual);

// How long an action's window is sought by its exact caption before a caption that differs only in its
// numbers is accepted: 10 s, or half the deadline of a run with a shorter one.
std::int64_t LooseCaptionDelayMs(int deadlineSeconds);

// The numbers a run has seen replaced ("1.2" shown as "1.3"): a caption that carries one of them is
// then looked for with the new number at once.
class NumberSubstitutions {
 public:
  void Learn(const CaptionTaken& pair);
  // The caption with every learned number replaced; the caption itself when nothing applies.
  std::string Apply(const std::string& caption) const;
  bool Empty() const { return replaced_.empty(); }
  void Clear() { replaced_.clear(); }

 private:
  std::map<std::string, std::string> replaced_;
};

}  // namespace velgaro
