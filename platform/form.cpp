#include "platform/form.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace zembrix {
namespace {

constexpr int kMaxCoordinate = 32627;

}  // namespace

Rect ApplyMove(const Rect& current, const MoveTo& move) {
  auto position = [](int value) { return std::clamp(value, -kMaxCoordinate, kMaxCoordinate); };
  auto size = [](int value) { return std::clamp(value, 0, kMaxCoordinate); };
  return Rect{move.left ? position(*move.left) : current.left,
              move.top ? position(*move.top) : current.top,
              move.width ? size(*move.width) : current.width,
              move.height ? size(*move.height) : current.height};
}

Form::Form(const WindowDesign& design, Rect windowPlace, FormHost& host)
    : design_(design), host_(host), window_(windowPlace), windowBackground_(design.background) {
  for (const ControlDesign& control : design.controls) {
    controls_.push_back({control.place, control.visible, control.caption, control.background});
  }
}

int Form::IndexOf(const char* name) const {
  for (size_t i = 0; i < design_.controls.size(); ++i) {
    if (std::strcmp(design_.controls[i].name, name) == 0) return int(i);
  }
  // Control names are fixed in the program; an unknown one is a programming error.
  std::abort();
}

void Form::MoveWindow(const MoveTo& move) {
  Rect place = ApplyMove(window_, move);
  if (place == window_) return;
  window_ = place;
  host_.WindowMoved(place);
}

void Form::SetWindowBackground(Colour colour) {
  if (colour == windowBackground_) return;
  windowBackground_ = colour;
  host_.WindowBackgroundChanged(colour);
}

Rect Form::Place(const char* name) const { return State(name).place; }

void Form::Move(const char* name, const MoveTo& move) {
  ControlState& state = State(name);
  Rect place = ApplyMove(state.place, move);
  if (place == state.place) return;
  state.place = place;
  host_.ControlMoved(IndexOf(name), place);
}

bool Form::Visible(const char* name) const { return State(name).visible; }

void Form::Show(const char* name, bool visible) {
  ControlState& state = State(name);
  if (state.visible == visible) return;
  state.visible = visible;
  host_.ControlShown(IndexOf(name), visible);
}

Text Form::Caption(const char* name) const { return State(name).caption; }

void Form::SetCaption(const char* name, const Text& caption) {
  ControlState& state = State(name);
  // What the user typed into an edit box is not in the model, so setting its text always acts.
  bool editBox = design_.controls[IndexOf(name)].kind == ControlKind::EditBox;
  if (state.caption == caption && !editBox) return;
  state.caption = caption;
  host_.CaptionChanged(IndexOf(name), caption);
}

Colour Form::Background(const char* name) const { return State(name).background; }

void Form::SetBackground(const char* name, Colour colour) {
  ControlState& state = State(name);
  if (state.background == colour) return;
  state.background = colour;
  host_.BackgroundChanged(IndexOf(name), colour);
}

}  // namespace zembrix
