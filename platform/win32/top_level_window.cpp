#include "platform/win32/top_level_window.h"

#include "platform/win32/control_window.h"
#include "platform/win32/window_class.h"

namespace zembrix {
namespace {

constexpr char kWindowClass[] = "ZembrixWindow";
constexpr char kOwnerClass[] = "ZembrixOwner";

HWND HiddenOwner() {
  static HWND owner = [] {
    RegisterWindowClass(kOwnerClass, DefWindowProcA, nullptr, /*topLevel=*/true);
    return CreateWindowExA(0, kOwnerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }();
  return owner;
}

}  // namespace

bool TopLevelWindow::Create(const char* title, const Rect& place, DWORD style, bool owned) {
  RegisterWindowClass(kWindowClass, Proc, nullptr, /*topLevel=*/true);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - place.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - place.height) / 2;
  CreateWindowExA(0, kWindowClass, title, WS_POPUP | style, left, top, place.width, place.height,
                  owned ? HiddenOwner() : nullptr, nullptr, GetModuleHandleA(nullptr), this);
  return hwnd_ != nullptr;
}

void TopLevelWindow::FocusControl(HWND control) {
  HWND root = GetAncestor(control, GA_ROOT);
  if (auto* window = reinterpret_cast<TopLevelWindow*>(GetWindowLongPtrA(root, GWLP_USERDATA))) {
    window->focus_ = control;
  }
  SetFocus(control);
}

LRESULT TopLevelWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) focus_ = focus;
      } else if (focus_ && IsChild(hwnd_, focus_)) {
        SetFocus(focus_);
        return 0;
      }
      break;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_, &client);
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetDCBrushColor(dc, ToColorref(Background()));
      FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
      return 1;
    }
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK TopLevelWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* window = static_cast<TopLevelWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<TopLevelWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
  LRESULT result = window->OnMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    window->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace zembrix
