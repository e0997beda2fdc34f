// Carries the Form model's changes to a real top-level window and its child controls.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/form.h"
#include "platform/win32/control_window.h"

namespace zembrix {

class Win32FormHost : public FormHost {
 public:
  // Builds the controls of design inside window.
  Win32FormHost(HWND window, const WindowDesign& design);
  ~Win32FormHost() override;
  Win32FormHost(const Win32FormHost&) = delete;
  Win32FormHost& operator=(const Win32FormHost&) = delete;

  Colour WindowBackground() const { return windowBackground_; }
  // Loads the browser engine into every browser control; see EmbeddedBrowser.
  void StartBrowsers();

  void WindowMoved(const Rect& place) override;
  void WindowBackgroundChanged(Colour colour) override;
  void ControlMoved(int index, const Rect& place) override;
  void ControlShown(int index, bool visible) override;
  void CaptionChanged(int index, const Text& caption) override;
  void BackgroundChanged(int index, Colour colour) override;
  Text TypedText(int index) override;
  void Focus(int index) override;
  void Navigate(int index, const Text& path) override;

 private:
  HWND window_;
  Colour windowBackground_;
  std::vector<ControlWindow> controls_;
};

// The window's place on the screen, as the Form model holds it.
Rect ScreenPlace(HWND window);

}  // namespace zembrix
