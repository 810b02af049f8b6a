// Damaged files: whatever the bytes, every read stays inside the image and reports the damage through
// its result. Run under AddressSanitizer to catch any read out of bounds.
#include <gtest/gtest.h>

#include <limits>

#include "PackageTestSupport.h"
#include "package/ByteOrder.h"

namespace velgaro::test {
namespace {

constexpr std::int32_t kHuge = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

class DamagedPackage : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordSample(w.pkg, 3);
    good = w.pkg.Image();
  }

  // Loads bytes (unscrambled) as the player does and plays every action; true when all of it read.
  bool PlayThrough(const Bytes& plain) {
    Bytes file = plain;
    for (auto& b : file) b = static_cast<std::uint8_t>(b ^ 157 ^ 219);
    w.fs.AddFile(kPath, file);
    if (!w.pkg.LoadPackage(w.fs, kPath)) return false;
    w.pkg.CheckPackageVersion();
    w.pkg.ReadExePath();
    w.pkg.ReadCommandLine();
    w.pkg.ReadCreationDate();
    w.pkg.ReadDescription();
    w.pkg.RewindActions();
    while (w.pkg.ReadNextAction()) {
    }
    return !w.pkg.Damaged();
  }

  Bytes WithField(std::size_t at, std::int32_t value) const {
    Bytes b = good;
    PutLE32(b.data() + at, value);
    return b;
  }

  const std::string kPath = "C:\\Packages\\bad.vgp";
  PackageWorld w;
  Bytes good;
};

TEST_F(DamagedPackage, TheUndamagedFileReadsWhole) { EXPECT_TRUE(PlayThrough(good)); }

TEST_F(DamagedPackage, TruncatedAtEveryLengthIsRejected) {
  // Up to the end of the date; only the spare byte may be missing.
  for (std::size_t length = 0; length + 1 < good.size(); ++length) {
    EXPECT_FALSE(PlayThrough(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length))))
        << "length " << length;
  }
}

TEST_F(DamagedPackage, EmptyOrMissingFileIsNotRead) {
  w.fs.AddFile(kPath, Bytes{});
  EXPECT_FALSE(w.pkg.LoadPackage(w.fs, kPath));
  EXPECT_TRUE(w.pkg.Damaged()) << "an empty file is there but is no package";
  EXPECT_FALSE(w.pkg.LoadPackage(w.fs, "C:\\Packages\\none.vgp"));
  EXPECT_FALSE(w.pkg.Damaged()) << "a file that cannot be read is not a damaged one";
  EXPECT_FALSE(w.pkg.ReadNextAction());
  EXPECT_EQ(w.pkg.ReadExePath(), "");
  EXPECT_EQ(w.pkg.ReadDescription(), "");
}

struct FieldCase {
  const char* name;
  std::size_t at;
};

class DamagedHeaderField : public DamagedPackage, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(DamagedHeaderField, NegativeHugeAndPastTheEndValuesAreRejected) {
  const auto size = static_cast<std::int32_t>(good.size());
  for (std::int32_t value : {-1, -239, kMin, kHuge, kHuge - 10, size, size + 1, size - 1}) {
    EXPECT_FALSE(PlayThrough(WithField(GetParam().at, value))) << GetParam().name << " = " << value;
  }
}

INSTANTIATE_TEST_SUITE_P(Header, DamagedHeaderField,
                         ::testing::Values(FieldCase{"OptionsOffset", 16}, FieldCase{"ActionCount", 20},
                                           FieldCase{"ExePathLength", 24}, FieldCase{"ExePathOffset", 28},
                                           FieldCase{"CommandLineLength", 32}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DamagedPackage, OffsetsInsideTheHeaderOrDescriptionAreRejected) {
  EXPECT_FALSE(PlayThrough(WithField(28, 0)));   // installer path at 0
  EXPECT_FALSE(PlayThrough(WithField(28, 50)));  // inside the description
  EXPECT_FALSE(PlayThrough(WithField(16, 10)));  // options in the header
}

// Offsets of the first action's fields (levels: "#32770"/caption, "Button"/"Далее >").
constexpr std::size_t kN1 = 239, kN2 = 243, kT = 247, kLevel1Class = 251, kLevel1Caption = 255;

class DamagedActionField : public DamagedPackage, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(DamagedActionField, NegativeHugeAndPastTheEndCountsAreRejected) {
  for (std::int32_t value : {-1, kMin, kHuge, kHuge / 12 + 1, 1 << 20, static_cast<std::int32_t>(good.size())}) {
    EXPECT_FALSE(PlayThrough(WithField(GetParam().at, value))) << GetParam().name << " = " << value;
  }
}

INSTANTIATE_TEST_SUITE_P(Action, DamagedActionField,
                         ::testing::Values(FieldCase{"LevelCount", kN1}, FieldCase{"StepCount", kN2},
                                           FieldCase{"TextLength", kT}, FieldCase{"ClassLength", kLevel1Class},
                                           FieldCase{"CaptionLength", kLevel1Caption}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DamagedPackage, ReadNextActionReportsDamageAndKeepsItsPosition) {
  Bytes file = WithField(kN2, 1000);
  for (auto& x : file) x = static_cast<std::uint8_t>(x ^ 157 ^ 219);
  w.fs.AddFile(kPath, file);
  ASSERT_TRUE(w.pkg.LoadPackage(w.fs, kPath));
  EXPECT_FALSE(w.pkg.ReadNextAction());
  EXPECT_TRUE(w.pkg.Damaged());
  EXPECT_EQ(w.pkg.ReadPosition(), kFirstActionOffset);
}

TEST_F(DamagedPackage, EditsOnADamagedHeaderChangeNothing) {
  w.pkg.Image() = good;
  w.pkg.header.exePathOffset = static_cast<std::int32_t>(good.size()) + 5;
  EXPECT_FALSE(w.pkg.ReplaceExePath("x"));
  EXPECT_FALSE(w.pkg.ReplaceCommandLine("x"));
  w.pkg.header.optionsOffset = -26;
  EXPECT_FALSE(w.pkg.WriteOptions());
  w.pkg.header.optionsOffset = 0;
  EXPECT_FALSE(w.pkg.WriteOptions());
  EXPECT_FALSE(w.pkg.ReplaceRegion(10, 5, "x")) << "the header is never spliced";
  EXPECT_FALSE(w.pkg.ReplaceRegion(239, kHuge, "x"));
  EXPECT_FALSE(w.pkg.ReplaceRegion(239, -1, "x"));
  EXPECT_EQ(w.pkg.Image(), good);
  EXPECT_EQ(w.pkg.ReadExePath(), "");
  EXPECT_TRUE(w.pkg.Damaged());
}

TEST_F(DamagedPackage, RandomByteFlipsNeverReadOutOfBounds) {
  // Deterministic pseudo-random corruption of single bytes and words all over the file.
  std::uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  for (int round = 0; round < 2000; ++round) {
    Bytes b = good;
    for (int n = 0; n < 3; ++n) b[next() % b.size()] = static_cast<std::uint8_t>(next());
    PlayThrough(b);  // any result, but no crash and no sanitizer report
  }
  SUCCEED();
}

}  // namespace
}  // namespace velgaro::test
