// The shipped English file (language/English.lng of the source tree) loaded as the program loads it,
// over the simulated platform: the fixture of the tests that check the file.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "lang/Language.h"
#include "platform/sim/SimPlatform.h"

namespace velgaro {

class ShippedEnglishTest : public ::testing::Test {
 protected:
  static std::string ShippedFilePath() {
    std::string here = __FILE__;   // .../tests/unit/lang/ShippedEnglish.h
    for (int i = 0; i < 4; ++i) here = here.substr(0, here.find_last_of("/\\"));
    return here + "/language/English.lng";
  }

  void SetUp() override {
    std::ifstream in(ShippedFilePath(), std::ios::binary);
    ASSERT_TRUE(in) << ShippedFilePath();
    content_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    fs_.AddFile("C:\\Tools\\Rec\\language\\English.lng", content_);
    language_.SetName("English");
    language_.LoadLanguage({sys_, fs_, ini_, dialogs_, false});
  }

  std::string content_;
  SimSystemInfo sys_;
  SimFileSystem fs_;
  SimIniFile ini_{fs_};
  SimDialogs dialogs_;
  Language language_;
};

}  // namespace velgaro
