// The embedded WebBrowser control, hosted through atl.dll's "AtlAxWin" window class, which
// every Windows since 2000 ships (and Wine implements), so the exe needs no ATL of its own.
#pragma once

#include <windows.h>

#include "app/text.h"
#include "platform/control_spec.h"

struct IWebBrowser2;

namespace zembrix {

// Creates the control without a start address, silent (it shows none of its own dialogs). The
// host window is returned even when the control inside it could not be created (no browser
// engine installed): then *browser stays null and navigating does nothing.
HWND CreateBrowser(HWND parent, const Rect& place, DWORD style, IWebBrowser2** browser);

// Loads a local file; zoomLevel (0 to 4) is the control's text size.
void NavigateBrowser(IWebBrowser2* browser, const Text& path, int zoomLevel);

void ReleaseBrowser(IWebBrowser2*& browser);

}  // namespace zembrix
