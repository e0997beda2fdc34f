// Program entry: one search bar per desktop, then the GUI message loop until "退出".
#include <windows.h>

#include <cstdlib>

#include "app/startup.h"
#include "platform/win32/system.h"
#include "platform/win32/top_level_window.h"
#include "searchbar/search_bar_win32.h"

namespace zembrix {
namespace {

// Invisible and never shown: its created event starts the program.
class StartupWindow : public TopLevelWindow, private StartupHost {
 public:
  bool Load() { return Create("", {0, 0, 18, 33}, 0, /*owned=*/false); }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CREATE) {
      StartProgram(*this);
      return 0;
    }
    return TopLevelWindow::OnMessage(message, wParam, lParam);
  }

  bool WindowTitled(const char* title) override { return FindWindowA(nullptr, title) != nullptr; }

  bool LoadSearchBar() override {
    // Never deleted: at process end the system releases the window, and the bar's
    // will-be-destroyed handler (which deletes the widget pages) must not run then.
    if (!bar_) bar_ = new SearchBarWindow(ProgramDirectory());
    return bar_->Load();
  }

  void ShowSearchBar() override { bar_->ShowAndActivate(); }

  void EndProcess(int exitCode) override { std::exit(exitCode); }

  SearchBarWindow* bar_ = nullptr;
};

}  // namespace
}  // namespace zembrix

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Relative paths, such as the browser's command line later, resolve beside the program.
  SetCurrentDirectoryA(zembrix::ProgramDirectory().c_str());

  static zembrix::StartupWindow startup;
  if (!startup.Load()) return 1;

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
