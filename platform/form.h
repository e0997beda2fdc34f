// The live state of a window built from a WindowDesign: where each control is, whether it shows,
// its caption and background. The program's rules act on controls by name through a Form; the
// FormHost turns each actual change into the real window system's call.
#pragma once

#include <optional>
#include <vector>

#include "app/text.h"
#include "platform/control_design.h"

namespace zembrix {

class FormHost {
 public:
  virtual ~FormHost() = default;
  virtual void WindowMoved(const Rect& place) = 0;
  virtual void WindowBackgroundChanged(Colour colour) = 0;
  virtual void ControlMoved(int index, const Rect& place) = 0;
  virtual void ControlShown(int index, bool visible) = 0;
  virtual void CaptionChanged(int index, const Text& caption) = 0;
  virtual void BackgroundChanged(int index, Colour colour) = 0;
  // What the user has typed into an edit box.
  virtual Text TypedText(int index) = 0;
  virtual void Focus(int index) = 0;
  virtual void Navigate(int index, const Text& path) = 0;
};

// A move names only the values it changes; the others are kept.
struct MoveTo {
  std::optional<int> left;
  std::optional<int> top;
  std::optional<int> width;
  std::optional<int> height;
};

class Form {
 public:
  Form(const WindowDesign& design, Rect windowPlace, FormHost& host);

  int IndexOf(const char* name) const;

  Rect WindowPlace() const { return window_; }
  void MoveWindow(const MoveTo& move);
  // The system moved the window (a drag, for instance): the model follows without a call back.
  void WindowPlacedBySystem(const Rect& place) { window_ = place; }
  Colour WindowBackground() const { return windowBackground_; }
  void SetWindowBackground(Colour colour);

  Rect Place(const char* name) const;
  void Move(const char* name, const MoveTo& move);
  bool Visible(const char* name) const;
  void Show(const char* name, bool visible);
  Text Caption(const char* name) const;
  void SetCaption(const char* name, const Text& caption);
  Colour Background(const char* name) const;
  void SetBackground(const char* name, Colour colour);
  Text TypedText(const char* name) { return host_.TypedText(IndexOf(name)); }
  void Focus(const char* name) { host_.Focus(IndexOf(name)); }
  void Navigate(const char* name, const Text& path) { host_.Navigate(IndexOf(name), path); }

 private:
  struct ControlState {
    Rect place;
    bool visible;
    Text caption;
    Colour background;
  };
  ControlState& State(const char* name) { return controls_[IndexOf(name)]; }
  const ControlState& State(const char* name) const { return controls_[IndexOf(name)]; }

  const WindowDesign& design_;
  FormHost& host_;
  Rect window_;
  Colour windowBackground_;
  std::vector<ControlState> controls_;
};

// Written places are kept inside what the window system accepts.
Rect ApplyMove(const Rect& current, const MoveTo& move);

}  // namespace zembrix
