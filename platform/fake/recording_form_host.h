// Stands in for the window system under a Form: keeps what each control was last told and
// counts the calls, so tests can see both the result and that a no-op move did nothing.
#pragma once

#include <map>
#include <vector>

#include "platform/form.h"

namespace zembrix {

class RecordingFormHost : public FormHost {
 public:
  int calls = 0;
  std::vector<Rect> windowMoves;
  std::map<int, Text> typed;  // edit box contents, as if the user typed them
  std::map<int, Text> navigated;
  int focused = -1;

  void WindowMoved(const Rect& place) override {
    ++calls;
    windowMoves.push_back(place);
  }
  void WindowBackgroundChanged(Colour) override { ++calls; }
  void ControlMoved(int, const Rect&) override { ++calls; }
  void ControlShown(int, bool) override { ++calls; }
  void CaptionChanged(int index, const Text& caption) override {
    ++calls;
    typed[index] = caption;
  }
  void BackgroundChanged(int, Colour) override { ++calls; }
  Text TypedText(int index) override { return typed[index]; }
  void Focus(int index) override { focused = index; }
  void Navigate(int index, const Text& path) override { navigated[index] = path; }
};

}  // namespace zembrix
