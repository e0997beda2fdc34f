#include "platform/win32/window_class.h"

namespace zembrix {

void RegisterWindowClass(const char* name, WNDPROC proc, HBRUSH background, bool topLevel) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass = {sizeof windowClass};
  if (GetClassInfoExA(instance, name, &windowClass)) return;
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  if (topLevel) {
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconA(instance, "DEFAULT_ICON");
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, 16, 16, 0));
  }
  RegisterClassExA(&windowClass);
}

}  // namespace zembrix
