// The library's writers with each of their file operations failing in turn: the properties dialog
// (rewrite and rename of a package) and Position.lst.
#include <functional>
#include <utility>

#include "LibraryFixture.h"
#include "unit/common/FaultWalk.h"

namespace velgaro::test {
namespace {

class LibraryFaults : public LibraryFixture {
 protected:
  LibraryFaults() {
    AddAlphaAndBeta();
  }

  static std::string Package(const std::string& name) { return std::string(kFolder) + "\\" + name + ".VGP"; }

  // The properties dialog on Alpha, edited, then OK; true when it closed without a message.
  bool Properties(const std::function<void(NewPackageForm&)>& edit) {
    dialogs.shown.clear();
    PackageProperties& dialog = OpenProperties({"Alpha", "Beta"}, "Alpha");
    edit(*form);
    return dialog.Ok().close && dialogs.shown.empty();
  }
};

TEST_F(LibraryFaults, PropertiesKeepThePackageOldOrNewUnderOneOfItsNames) {
  struct Case {
    const char* what;
    const char* name;
    std::size_t operations;
  };
  for (const Case& c : {Case{"the same name", "Alpha", 3},      // write, flush, rename over
                        Case{"a new name", "Gamma", 4},         // rename, then the safe write
                        Case{"the name in capitals", "ALPHA", 4}}) {
    SCOPED_TRACE(c.what);
    FaultWalkRules rules;
    rules.renamed = {{Package("Alpha"), Package(c.name)}};
    const std::size_t walked = WalkEveryFault(fs, [&] {
      return Properties([&](NewPackageForm& f) {
        f.SetName(c.name);
        f.SetDescription("новое описание");
      });
    }, rules);
    EXPECT_EQ(walked, c.operations);
  }
}

TEST_F(LibraryFaults, ThePositionListIsReplacedWholeOrNotAtAll) {
  const std::string list = std::string(kFolder) + "\\Position.lst";
  for (const bool existing : {false, true}) {
    SCOPED_TRACE(existing ? "replacing the list" : "the first list");
    if (existing) fs.AddFile(list, "\r\nAlpha\r\nBeta\r\n");
    Open();
    std::vector<LibraryRow>& rows = model->Library().Rows();
    ASSERT_EQ(rows.size(), 2u);
    std::swap(rows[0], rows[1]);
    EXPECT_EQ(WalkEveryFault(fs, [this] { return model->Library().SavePositionList(); }), 3u);
  }
}

}  // namespace
}  // namespace velgaro::test
