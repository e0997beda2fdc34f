#include "platform/form.h"

#include <gtest/gtest.h>

#include "platform/fake/recording_form_host.h"

namespace zembrix {
namespace {

constexpr ControlDesign kControls[] = {
    {.name = "标签_甲", .place = {1, 2, 3, 4}, .caption = "甲"},
    {.name = "编辑框_乙", .kind = ControlKind::EditBox, .place = {5, 6, 7, 8}},
};
constexpr WindowDesign kWindow = {.title = "窗", .size = {0, 0, 100, 50}, .controls = kControls};

class FormTest : public testing::Test {
 protected:
  RecordingFormHost host;
  Form form{kWindow, {10, 20, 100, 50}, host};
};

TEST_F(FormTest, AMoveKeepsTheValuesItLeavesOut) {
  form.Move("标签_甲", {.top = 9, .height = 11});
  EXPECT_EQ(form.Place("标签_甲"), (Rect{1, 9, 3, 11}));
  form.MoveWindow({.width = 70});
  EXPECT_EQ(form.WindowPlace(), (Rect{10, 20, 70, 50}));
}

TEST_F(FormTest, ChangesThatChangeNothingDoNothing) {
  form.Move("标签_甲", {.left = 1, .width = 3});
  form.MoveWindow({.left = 10});
  form.Show("标签_甲", true);
  form.SetCaption("标签_甲", "甲");
  form.SetWindowBackground(kWindow.background);
  EXPECT_EQ(host.calls, 0);
}

TEST_F(FormTest, WrittenPlacesAreClampedToWhatWindowsAccepts) {
  form.Move("标签_甲", {.left = -40000, .top = 40000, .width = -5, .height = 99999});
  EXPECT_EQ(form.Place("标签_甲"), (Rect{-32627, 32627, 0, 32627}));
}

TEST_F(FormTest, EmptyingAnEditBoxActsEvenWhenTheModelThinksItIsEmpty) {
  host.typed[form.IndexOf("编辑框_乙")] = "typed by the user";
  form.SetCaption("编辑框_乙", "");
  EXPECT_EQ(form.TypedText("编辑框_乙"), "");
}

TEST_F(FormTest, TheSystemMovingTheWindowUpdatesTheModelSilently) {
  form.WindowPlacedBySystem({300, 400, 100, 50});
  EXPECT_EQ(form.WindowPlace().left, 300);
  EXPECT_TRUE(host.windowMoves.empty());
}

TEST(FormDeathTest, AnUnknownControlNameIsAProgrammingError) {
  RecordingFormHost host;
  Form form{kWindow, {}, host};
  EXPECT_DEATH(form.Place("标签_丙"), "");
}

}  // namespace
}  // namespace zembrix
