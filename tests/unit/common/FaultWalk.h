// The fault walk every writer of user files goes through: the writer runs once on the arranged disk to
// count its file operations, then once more per operation, from the same disk, with that operation
// failing. After each failure every file must hold its old content or its complete new one, and the
// writer must have said that it failed.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/sim/SimPlatform.h"

namespace velgaro::test {

struct FaultWalkRules {
  // Two names of one file the writer renames: it may be under either (or, when the rename failed
  // and the writer wrote under the new name anyway, both), each holding an old or a new content.
  std::vector<std::pair<std::string, std::string>> renamed;
  // Files the writer builds in several complete steps (one INI key at a time): a failure may stop it
  // after any step, so for these it is only checked that a file there before is still there.
  std::vector<std::string> inSteps;
};

namespace fault_walk {

using Files = std::map<std::string, Bytes>;   // SimPathKey -> content; folders left out

inline Files FilesOf(const SimFileSystem& fs) {
  Files files;
  for (const auto& [key, entry] : fs.Entries()) {
    if (!entry.isFolder) files[key] = entry.content;
  }
  return files;
}

inline std::optional<Bytes> Find(const Files& files, const std::string& key) {
  const auto it = files.find(key);
  if (it == files.end()) return std::nullopt;
  return it->second;
}

inline std::string Describe(const SimFileSystem::Operation& op) {
  static const char* const kNames[] = {"write", "flush", "rename", "delete"};
  return std::string(kNames[static_cast<int>(op.op)]) + " " + op.path;
}

}  // namespace fault_walk

// writer: runs the writer on fs as it stands; true when the writer reported success. It must build
// whatever else it changes (models, dialogs' answers) afresh: only fs is put back between runs.
// Afterwards fs is as arranged again. Returns the number of operations walked.
inline std::size_t WalkEveryFault(SimFileSystem& fs, const std::function<bool()>& writer,
                                  const FaultWalkRules& rules = {}) {
  using namespace fault_walk;
  const SimFileSystem arranged = fs;
  const Files before = FilesOf(fs);
  EXPECT_TRUE(writer()) << "the writer fails without a fault";
  const std::size_t count = fs.OperationCount() - arranged.OperationCount();
  const Files after = FilesOf(fs);
  EXPECT_GT(count, 0u) << "the writer wrote nothing";

  std::set<std::string> inSteps;
  for (const std::string& path : rules.inSteps) inSteps.insert(SimPathKey(path));
  for (std::size_t n = 1; n <= count; ++n) {
    fs = arranged;
    fs.FailOperation(n);
    const bool reported = writer();
    const Files now = FilesOf(fs);
    const SimFileSystem::Operation& failed = fs.Operations().at(arranged.OperationCount() + n - 1);
    EXPECT_TRUE(failed.failed);
    const std::string what = "operation " + std::to_string(n) + " of " + std::to_string(count) + " (" +
                             Describe(failed) + ") failed: ";
    EXPECT_FALSE(reported) << what << "the writer reported success";

    for (const std::string& key : inSteps) {
      EXPECT_TRUE(!before.count(key) || now.count(key)) << what << key << " is lost";
    }
    std::set<std::string> checked = inSteps;
    for (const auto& [from, to] : rules.renamed) {
      const std::string a = SimPathKey(from), b = SimPathKey(to);
      checked.insert(a);
      checked.insert(b);
      const std::vector<std::optional<Bytes>> known{Find(before, a), Find(before, b), Find(after, a), Find(after, b)};
      bool present = false;
      for (const std::string& key : {a, b}) {
        const std::optional<Bytes> content = Find(now, key);
        if (!content) continue;
        present = true;
        bool isKnown = false;
        for (const std::optional<Bytes>& k : known) isKnown = isKnown || k == content;
        EXPECT_TRUE(isKnown) << what << key << " holds neither an old nor a new content";
      }
      EXPECT_TRUE(present) << what << "the renamed file is under neither name";
    }

    std::set<std::string> keys;
    for (const Files* files : {&before, &after, &now}) {
      for (const auto& entry : *files) keys.insert(entry.first);
    }
    for (const std::string& key : keys) {
      if (checked.count(key) != 0) continue;
      const std::optional<Bytes> was = Find(before, key), will = Find(after, key), is = Find(now, key);
      if (is == was || is == will) continue;
      if (!was && !will) {
        // Left behind: acceptable only where deleting it was the operation that failed.
        const bool ownDelete = failed.op == FileOp::Delete && SimPathKey(failed.path) == key;
        EXPECT_TRUE(ownDelete) << what << key << " is left behind";
      } else if (!is) {
        ADD_FAILURE() << what << key << " is lost";
      } else {
        ADD_FAILURE() << what << key << " is torn: neither its old nor its new content";
      }
    }
  }
  fs = arranged;
  return count;
}

}  // namespace velgaro::test
