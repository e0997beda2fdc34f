// The start-up peer: the least a Win32 program does to show a popup of the bar's size, so the
// timer can tell Zembrix's own start-up cost from the cost of any process under Wine.
#include <windows.h>

#include "bench/startup/minimal_popup_title.h"

namespace {

LRESULT CALLBACK PopupProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSW popupClass = {};
  popupClass.lpfnWndProc = PopupProc;
  popupClass.hInstance = instance;
  popupClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  popupClass.lpszClassName = L"MinimalPopup";
  if (!RegisterClassW(&popupClass)) return 1;

  HWND popup = CreateWindowExW(0, popupClass.lpszClassName, kMinimalPopupTitle, WS_POPUP, 100, 100,
                               234, 62, nullptr, nullptr, instance, nullptr);
  if (!popup) return 1;
  ShowWindow(popup, SW_SHOW);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
