#include "platform/win32/form_host.h"

#include "platform/win32/top_level_window.h"

namespace zembrix {

Win32FormHost::Win32FormHost(HWND window, const WindowDesign& design)
    : window_(window), windowBackground_(design.background) {
  CreateControls(window, design, controls_);
}

Win32FormHost::~Win32FormHost() { ReleaseControls(controls_); }

void Win32FormHost::StartBrowsers() {
  for (ControlWindow& control : controls_) {
    if (control.browser) control.browser->Start();
  }
}

void Win32FormHost::WindowMoved(const Rect& place) {
  SetWindowPos(window_, nullptr, place.left, place.top, place.width, place.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FormHost::WindowBackgroundChanged(Colour colour) {
  windowBackground_ = colour;
  InvalidateRect(window_, nullptr, TRUE);
}

void Win32FormHost::ControlMoved(int index, const Rect& place) {
  MoveWindow(controls_[index].hwnd, place.left, place.top, place.width, place.height, TRUE);
}

void Win32FormHost::ControlShown(int index, bool visible) {
  ShowWindow(controls_[index].hwnd, visible ? SW_SHOW : SW_HIDE);
}

void Win32FormHost::CaptionChanged(int index, const Text& caption) {
  SetWindowTextA(controls_[index].hwnd, caption.c_str());
  InvalidateRect(controls_[index].hwnd, nullptr, TRUE);
}

void Win32FormHost::BackgroundChanged(int index, Colour colour) {
  controls_[index].background = colour;
  InvalidateRect(controls_[index].hwnd, nullptr, TRUE);
}

Text Win32FormHost::TypedText(int index) {
  HWND edit = controls_[index].hwnd;
  Text text(GetWindowTextLengthA(edit) + 1, '\0');
  text.resize(GetWindowTextA(edit, text.data(), int(text.size())));
  return text;
}

void Win32FormHost::Focus(int index) { TopLevelWindow::FocusControl(controls_[index].hwnd); }

void Win32FormHost::Navigate(int index, const Text& path) {
  if (controls_[index].browser) controls_[index].browser->Navigate(path);
}

Rect ScreenPlace(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace zembrix
