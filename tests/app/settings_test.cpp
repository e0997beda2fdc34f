#include "app/settings.h"

#include <gtest/gtest.h>

#include <climits>

#include "platform/fake/fake_profile_file.h"

namespace zembrix {
namespace {

// The Taobao bar on a 1024 x 768 screen with a 40-pixel taskbar.
constexpr int kBarWidth = 234, kBarHeight = 62, kScreenWidth = 1024, kScreenHeight = 768,
              kTaskbar = 40;

Placement Read(const FakeProfileFile& file) {
  return ReadPlacement(file, kBarWidth, kBarHeight, kScreenWidth, kScreenHeight, kTaskbar);
}

TEST(SettingsTest, WithoutAFileOrItsKeysTheBarIsCentredAboveTheTaskbarInTheTaobaoBox) {
  FakeProfileFile noFile;
  FakeProfileFile otherSection;
  otherSection.exists = true;
  otherSection.values[{"other", "trans"}] = "80";
  for (const FakeProfileFile* file : {&noFile, &otherSection}) {
    EXPECT_EQ(ReadBox(*file), "taobao");
    Placement placement = Read(*file);
    EXPECT_EQ(placement.trans, 20);
    EXPECT_EQ(placement.left, 395);
    EXPECT_EQ(placement.top, 664);
  }
}

TEST(SettingsTest, DefaultLeftOfAnOddWidthTruncatesTheHalfPixel) {
  FakeProfileFile file;
  file.exists = true;
  // The default is the text "394.5", read back and truncated.
  EXPECT_EQ(ReadPlacement(file, 235, kBarHeight, kScreenWidth, kScreenHeight, kTaskbar).left, 394);
}

TEST(SettingsTest, BoxNameIsReturnedAsStored) {
  FakeProfileFile file;
  file.Set("box", "Dangdang");
  EXPECT_EQ(ReadBox(file), "Dangdang");
}

struct PlacementCase {
  const char* trans;
  const char* left;
  const char* top;
  Placement expected;
};

class ReadPlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(ReadPlacementTest, AppliesTheReadingRules) {
  const PlacementCase& c = GetParam();
  FakeProfileFile file;
  file.exists = true;
  if (c.trans) file.Set("trans", c.trans);
  if (c.left) file.Set("position_left", c.left);
  if (c.top) file.Set("position_top", c.top);
  Placement placement = Read(file);
  EXPECT_EQ(placement.trans, c.expected.trans);
  EXPECT_EQ(placement.left, c.expected.left);
  EXPECT_EQ(placement.top, c.expected.top);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadPlacementTest,
    testing::Values(
        PlacementCase{"40", "100", "200", {40, 100, 200}},
        // Further right or lower than the screen allows: pulled back inside.
        PlacementCase{"0", "5000", "5000", {0, 1024 - 234 - 2, 768 - 40 - 62 - 2}},
        PlacementCase{"0", "788", "664", {0, 788, 664}},
        PlacementCase{"0", "789", "665", {0, 788, 664}},
        // No clamp on the left or top side.
        PlacementCase{"0", "-300", "-50", {0, -300, -50}},
        // Fractions truncate toward zero.
        PlacementCase{"20.9", "120.9", "-5.5", {20, 120, -5}},
        // Full-width digits: "１２０", "－５".
        PlacementCase{"\xA3\xB1\xA3\xB2\xA3\xB0", "\xA3\xAD\xA3\xB5", "1", {120, -5, 1}},
        // Garbage reads as 0; digits followed by letters as the digits.
        PlacementCase{"abc", "77px", "", {0, 77, 0}},
        // Out-of-range levels are kept as they are; the alpha rule handles them.
        PlacementCase{"150", nullptr, nullptr, {150, 395, 664}},
        PlacementCase{"-20", nullptr, nullptr, {-20, 395, 664}},
        // Numbers beyond int saturate instead of overflowing.
        PlacementCase{"1e20", "-1e20", "99999999999", {INT_MAX, INT_MIN, 664}}));

TEST(SettingsTest, SaveWritesTheFourKeysInOrder) {
  FakeProfileFile file;
  file.values[{"general", "unrelated"}] = "kept";
  SaveSettings(file, {.trans = 60, .left = -3, .top = 700, .box = "未知"});
  std::vector<std::pair<Text, Text>> expected = {
      {"trans", "60"}, {"position_left", "-3"}, {"position_top", "700"}, {"box", "未知"}};
  EXPECT_EQ(file.writes, expected);
  EXPECT_EQ((file.values[{"general", "unrelated"}]), "kept");
}

TEST(SettingsTest, SavedValuesReadBackUnchanged) {
  FakeProfileFile file;
  SaveSettings(file, {.trans = 80, .left = 12, .top = -7, .box = "zhuoyue"});
  EXPECT_EQ(ReadBox(file), "zhuoyue");
  Placement placement = Read(file);
  EXPECT_EQ(placement.trans, 80);
  EXPECT_EQ(placement.left, 12);
  EXPECT_EQ(placement.top, -7);
}

}  // namespace
}  // namespace zembrix
