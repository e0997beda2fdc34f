// A frameless top-level window bound to a C++ object. The object is attached at WM_NCCREATE
// (its pointer arrives in CREATESTRUCT::lpCreateParams), so every later message, WM_CREATE
// included, reaches its OnMessage.
#pragma once

#include <windows.h>

#include "platform/control_design.h"

namespace zembrix {

class TopLevelWindow {
 public:
  virtual ~TopLevelWindow() = default;
  HWND Handle() const { return hwnd_; }

  // Gives a control the keyboard focus now and whenever its window is activated again: by
  // default a reactivated window takes the focus itself, and typing would no longer reach the
  // control the user was in.
  static void FocusControl(HWND control);

 protected:
  // A pop-up without caption or border, centred on the screen at place's size. Owned windows
  // get an invisible owner, which keeps them off the taskbar. OnMessage(WM_CREATE) runs before
  // this returns; false when the window was not created.
  bool Create(const char* title, const Rect& place, DWORD style, bool owned);
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The colour the window's own background is painted in.
  virtual Colour Background() const { return Rgb(255, 255, 255); }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
  HWND focus_ = nullptr;
};

}  // namespace zembrix
