// vgptool's commands on simulated files: pack/dump round trips, set, and the exit codes of bad input.
#include <gtest/gtest.h>

#include <sstream>

#include "PackageTestSupport.h"
#include "VgpTool.h"

namespace velgaro::test {
namespace {

using vgptool::kExitBadInput;
using vgptool::kExitOk;
using vgptool::kExitWriteFailed;

const std::string kFullJson =
    R"({"screen_width":1280,"screen_height":1024,"version_major":1,"version_minor":5,"description":"Программа 1.0",)"
    R"("exe_path":"%CDROM%\\Soft\\setup.exe","command_line":"/S /D=%TEMP%","creation_date":"06.12.2026 10:00:00",)"
    R"("options":{"need_reboot":true,"create_reboot":false,"local_speed":-1,"def_select":true,"need_wait":false},)"
    R"("actions":[{"window":[{"class":"#32770","caption":"Setup","ordinal":1},{"class":"Edit","caption":"","ordinal":-1}],)"
    R"("steps":[{"button":1,"kind":1,"x":10,"y":5},{"button":1,"kind":2,"x":-3,"y":4},{"button":1,"kind":3,"x":-3,"y":4}],)"
    R"("text":"%TEMP%\\Данные"},{"window":[{"class":"Button","caption":"Готово","ordinal":0}],"steps":[],"text":""}]})";

class VgpTool : public ::testing::Test {
 protected:
  int Run(std::vector<std::string> args) {
    out.str("");
    err.str("");
    vgptool::ToolPorts ports{fs, codepage, [] { return LocalTime{2030, 1, 2, 3, 4, 5}; }};
    return vgptool::RunVgpTool(args, ports, out, err);
  }
  std::string Dump(const std::string& file) {
    EXPECT_EQ(Run({"dump", file}), kExitOk) << err.str();
    std::string text = out.str();
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
  }
  void Pack(const std::string& json, const std::string& file = "C:\\p.vgp") {
    fs.AddFile("C:\\p.json", json);
    ASSERT_EQ(Run({"pack", "C:\\p.json", file}), kExitOk) << err.str();
  }
  // One-line message on stderr.
  void ExpectOneLineError() {
    const std::string e = err.str();
    EXPECT_FALSE(e.empty());
    EXPECT_EQ(e.find('\n'), e.size() - 1) << e;
  }

  SimFileSystem fs;
  SimCodepage codepage;
  std::ostringstream out, err;
};

TEST_F(VgpTool, PackThenDumpGivesTheSameJson) {
  Pack(kFullJson);
  EXPECT_EQ(Dump("C:\\p.vgp"), kFullJson);
}

TEST_F(VgpTool, PackedFileIsWhatTheRecordingCallsWrite) {
  Pack(kFullJson);
  PackageImage pkg(PackageTextContext{codepage, {}});
  ASSERT_TRUE(pkg.LoadPackage(fs, "C:\\p.vgp"));
  EXPECT_EQ(pkg.header.actionCount, 2);
  EXPECT_EQ(pkg.ReadExePath(), "%CDROM%\\Soft\\setup.exe");
  EXPECT_FALSE(pkg.options.needWait);
  EXPECT_EQ(pkg.options.localSpeed, -1);
  // The options block lies right after the last action, before the installer path.
  EXPECT_EQ(pkg.header.optionsOffset + 26, pkg.header.exePathOffset);
  const auto expectedSize = static_cast<std::size_t>(pkg.header.exePathOffset) + 22 + 12 + 19 + 1;
  EXPECT_EQ(pkg.Image().size(), expectedSize);
}

TEST_F(VgpTool, DefaultsNullOptionsAndAMissingDate) {
  Pack(R"({"exe_path":"-","options":null})");
  EXPECT_EQ(Dump("C:\\p.vgp"),
            R"({"screen_width":1024,"screen_height":768,"version_major":1,"version_minor":5,"description":"",)"
            R"("exe_path":"-","command_line":"","creation_date":"02.01.2030 03:04:05","options":null,"actions":[]})");
  Pack(R"({"exe_path":"-"})");
  EXPECT_NE(Dump("C:\\p.vgp").find(R"("options":{"need_reboot":false,"create_reboot":false,"local_speed":0,)"
                                   R"("def_select":false,"need_wait":false})"),
            std::string::npos);
}

TEST_F(VgpTool, SetChangesFieldsInPlace) {
  Pack(kFullJson);
  ASSERT_EQ(Run({"set", "C:\\p.vgp", "--exe", "C:\\Новая папка\\setup.exe", "--cmdline", "", "--description",
                 "Другое", "--option", "need_wait=true", "--option", "local_speed=2"}),
            kExitOk)
      << err.str();
  const std::string dump = Dump("C:\\p.vgp");
  EXPECT_NE(dump.find(R"("description":"Другое","exe_path":"C:\\Новая папка\\setup.exe","command_line":"",)"
                      R"("creation_date":"06.12.2026 10:00:00","options":{"need_reboot":true,"create_reboot":false,)"
                      R"("local_speed":2,"def_select":true,"need_wait":true})"),
            std::string::npos)
      << dump;
  EXPECT_NE(dump.find(R"("text":"%TEMP%\\Данные")"), std::string::npos);
}

TEST_F(VgpTool, SetOptionOnAFileWithoutOptionsInsertsTheBlock) {
  Pack(R"({"exe_path":"a.exe","command_line":"/q","options":null,"actions":[{"window":[{"class":"A"}]}]})");
  ASSERT_EQ(Run({"set", "C:\\p.vgp", "--option", "def_select=1"}), kExitOk) << err.str();
  const std::string dump = Dump("C:\\p.vgp");
  EXPECT_NE(dump.find(R"("def_select":true)"), std::string::npos);
  EXPECT_NE(dump.find(R"("exe_path":"a.exe","command_line":"/q")"), std::string::npos);
  EXPECT_NE(dump.find(R"([{"class":"A","caption":"","ordinal":1}])"), std::string::npos);
}

struct BadInput {
  const char* name;
  std::vector<std::string> args;
  std::string json;  // content of C:\in.json
};

class VgpToolBadInput : public VgpTool, public ::testing::WithParamInterface<BadInput> {};

TEST_P(VgpToolBadInput, ExitsWithTwoAndOneLine) {
  Pack(kFullJson);
  fs.AddFile("C:\\junk.vgp", std::string("not a package"));
  fs.AddFile("C:\\in.json", GetParam().json);
  const Bytes before = *fs.ReadAll("C:\\p.vgp");
  EXPECT_EQ(Run(GetParam().args), kExitBadInput);
  ExpectOneLineError();
  EXPECT_EQ(*fs.ReadAll("C:\\p.vgp"), before) << "bad input changes no file";
  EXPECT_FALSE(fs.Exists("C:\\out.vgp"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VgpToolBadInput,
    ::testing::Values(
        BadInput{"NoCommand", {}, ""}, BadInput{"UnknownCommand", {"show", "C:\\p.vgp"}, ""},
        BadInput{"DumpMissing", {"dump", "C:\\none.vgp"}, ""}, BadInput{"DumpJunk", {"dump", "C:\\junk.vgp"}, ""},
        BadInput{"PackMissingJson", {"pack", "C:\\none.json", "C:\\out.vgp"}, ""},
        BadInput{"InvalidJson", {"pack", "C:\\in.json", "C:\\out.vgp"}, "{\"exe_path\": "},
        BadInput{"NotAnObject", {"pack", "C:\\in.json", "C:\\out.vgp"}, "[1,2]"},
        BadInput{"UnknownField", {"pack", "C:\\in.json", "C:\\out.vgp"}, R"({"exe":"a"})"},
        BadInput{"UnknownOption", {"pack", "C:\\in.json", "C:\\out.vgp"}, R"({"options":{"reboot":true}})"},
        BadInput{"UnknownStepField", {"pack", "C:\\in.json", "C:\\out.vgp"}, R"({"actions":[{"steps":[{"z":1}]}]})"},
        BadInput{"WrongType", {"pack", "C:\\in.json", "C:\\out.vgp"}, R"({"screen_width":"wide"})"},
        BadInput{"OutOfRange", {"pack", "C:\\in.json", "C:\\out.vgp"}, R"({"actions":[{"steps":[{"kind":70000}]}]})"},
        BadInput{"HugeNumber", {"pack", "C:\\in.json", "C:\\out.vgp"}, R"({"screen_width":18446744073709551615})"},
        BadInput{"BadDate", {"pack", "C:\\in.json", "C:\\out.vgp"}, R"({"creation_date":"6.12.2026 10:00"})"},
        BadInput{"SetUnknownFlag", {"set", "C:\\p.vgp", "--path", "x"}, ""},
        BadInput{"SetMissingValue", {"set", "C:\\p.vgp", "--exe"}, ""},
        BadInput{"SetUnknownOption", {"set", "C:\\p.vgp", "--option", "speed=1"}, ""},
        BadInput{"SetBadValue", {"set", "C:\\p.vgp", "--option", "need_wait=maybe"}, ""},
        BadInput{"SetJunk", {"set", "C:\\junk.vgp", "--exe", "x"}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VgpTool, UnwritableOutputExitsWithOne) {
  Pack(kFullJson);
  fs.SetReadOnly("C:\\p.vgp", true);
  EXPECT_EQ(Run({"set", "C:\\p.vgp", "--exe", "x"}), kExitWriteFailed);
  ExpectOneLineError();
  EXPECT_EQ(Run({"pack", "C:\\p.json", "C:\\p.vgp"}), kExitWriteFailed);
}

TEST_F(VgpTool, DumpOfADamagedActionFails) {
  Pack(kFullJson);
  Bytes b = *fs.ReadAll("C:\\p.vgp");
  b[239 + 4] = static_cast<std::uint8_t>(0x7F ^ 157 ^ 219);  // step count of the first action: 127
  fs.AddFile("C:\\p.vgp", b);
  EXPECT_EQ(Run({"dump", "C:\\p.vgp"}), kExitBadInput);
  ExpectOneLineError();
}

}  // namespace
}  // namespace velgaro::test
