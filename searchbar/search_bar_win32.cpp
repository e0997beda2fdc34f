#include "searchbar/search_bar_win32.h"

#include <shellapi.h>

#include "app/settings.h"
#include "app/startup.h"
#include "platform/win32/system.h"
#include "searchbar/search_bar_design.h"
#include "searchbar/transparency_win32.h"

namespace zembrix {
namespace {

// Window timer ids are the bar's timers, counted from 1.
UINT_PTR TimerId(BarTimer timer) { return UINT_PTR(timer) + 1; }
// Posted once the bar is on screen: its browser starts after the first paint.
constexpr UINT kStartBrowsers = WM_APP + 2;

}  // namespace

SearchBarWindow::SearchBarWindow(Text programDirectory)
    : programDirectory_(std::move(programDirectory)),
      settings_(SettingsPath(programDirectory_)) {}

bool SearchBarWindow::Load() {
  const WindowDesign& design = SearchBarDesign();
  if (!Create(design.title, design.size, WS_CLIPCHILDREN, /*owned=*/true)) return false;
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ShowWindow(Handle(), SW_SHOW);
  PostMessageA(Handle(), kStartBrowsers, 0, 0);
  return true;
}

void SearchBarWindow::ShowAndActivate() {
  ShowWindow(Handle(), SW_SHOW);
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SwitchToThisWindow(Handle(), TRUE);
  UpdateWindow(Handle());
}

void SearchBarWindow::OnCreate() {
  const WindowDesign& design = SearchBarDesign();
  formHost_ = std::make_unique<Win32FormHost>(Handle(), design);
  form_ = std::make_unique<Form>(design, ScreenPlace(Handle()), *formHost_);
  SearchBarHost& host = *this;
  bar_ = std::make_unique<SearchBar>(*form_, host, settings_, programDirectory_);
  bar_->OnCreated();
}

LRESULT SearchBarWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case kStartBrowsers:
      formHost_->StartBrowsers();
      return 0;
    case kControlPressed:
      // Any process can post this message number; only our own control indexes count.
      if (wParam < SearchBarDesign().controls.size()) {
        bar_->OnPress(SearchBarDesign().controls[wParam].name);
      }
      return 0;
    case WM_TIMER:
      if (wParam == TimerId(BarTimer::Topmost)) bar_->TopmostTick();
      return 0;
    case WM_WINDOWPOSCHANGED:
      // Dragging moves the window behind the model's back.
      if (form_) form_->WindowPlacedBySystem(ScreenPlace(Handle()));
      break;
    case WM_DESTROY:
      if (bar_) bar_->OnDestroy();
      break;
  }
  return TopLevelWindow::OnMessage(message, wParam, lParam);
}

Colour SearchBarWindow::Background() const {
  return formHost_ ? formHost_->WindowBackground() : SearchBarDesign().background;
}

Screen SearchBarWindow::ReadScreen() { return zembrix::ReadScreen(); }

void SearchBarWindow::WriteFile(const Text& path, const Text& bytes) {
  WriteWholeFile(path, bytes);
}

void SearchBarWindow::DeleteFile(const Text& path) { DeleteFileIfPresent(path); }

void SearchBarWindow::ApplyAlpha(int alpha) { zembrix::ApplyAlpha(Handle(), alpha); }

bool SearchBarWindow::BarVisible() { return IsWindowVisible(Handle()) != FALSE; }

void SearchBarWindow::HideBar() { ShowWindow(Handle(), SW_HIDE); }

void SearchBarWindow::MakeTopmost(bool topmost) {
  SetWindowPos(Handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SearchBarWindow::SetTimer(BarTimer timer, int periodMs) {
  int& period = timerPeriods_[size_t(timer)];
  periodMs = periodMs < 0 ? 0 : periodMs;
  // Setting the period a timer already has must not restart its count.
  if (periodMs == period) return;
  period = periodMs;
  if (periodMs == 0) {
    KillTimer(Handle(), TimerId(timer));
  } else {
    ::SetTimer(Handle(), TimerId(timer), UINT(periodMs), nullptr);
  }
}

void SearchBarWindow::OpenWithShell(const Text& url) {
  ShellExecuteA(nullptr, "open", url.c_str(), nullptr, "", SW_SHOWNORMAL);
}

void SearchBarWindow::BeginDrag() {
  SendMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace zembrix
