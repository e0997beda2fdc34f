#pragma once

#include <windows.h>

namespace zembrix {

// Registers a window class of this module once; later calls find it registered and do nothing.
// Top-level classes carry the program icon, which every window without an icon of its own shows.
void RegisterWindowClass(const char* name, WNDPROC proc, HBRUSH background = nullptr,
                         bool topLevel = false);

}  // namespace zembrix
